#include "details/reducing_balance.h"

#include "numeric/display_pattern.h"
#include "numeric/failure.h"

namespace brisanel::details {

void requireBalanceIndex(int index) {
    if (index < 0 || index >= kBalanceTableSize) {
        throw numeric::ArithmeticError(numeric::Failure::TableLimit);
    }
}

using numeric::appendNumber;
using numeric::DisplayPattern;

namespace {

constexpr DisplayPattern kSerial("#00");
constexpr DisplayPattern kMonth("##00");
constexpr DisplayPattern kFirstBalance("##########");
constexpr DisplayPattern kBalance("######0000");
constexpr DisplayPattern kAmount("######");

}  // namespace

std::string reducingBalanceLine(int serial, int month, double balance, double amount,
                                LinePlace place) {
    std::string line;
    line.reserve(48);  // a line with a ten-digit balance fits: one allocation per line
    appendNumber(line, serial, kSerial);
    line += ".   Month ";
    appendNumber(line, month, kMonth);
    line += "\tBal.= ";
    appendNumber(line, balance, place == LinePlace::First ? kFirstBalance : kBalance);
    line += '\t';
    appendNumber(line, amount, kAmount);
    return line;
}

}  // namespace brisanel::details
