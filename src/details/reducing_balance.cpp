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

void addReducingBalanceLine(TextLines& lines, int serial, int month, double balance, double amount,
                            LinePlace place) {
    lines.addLine([&](std::string& line) {
        appendNumber(line, serial, kSerial);
        line += ".   Month ";
        appendNumber(line, month, kMonth);
        line += "\tBal.= ";
        appendNumber(line, balance, place == LinePlace::First ? kFirstBalance : kBalance);
        line += '\t';
        appendNumber(line, amount, kAmount);
    });
}

}  // namespace brisanel::details
