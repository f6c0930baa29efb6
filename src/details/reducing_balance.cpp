#include "details/reducing_balance.h"

#include "numeric/display_pattern.h"

namespace brisanel::details {

using numeric::formatNumber;

std::string reducingBalanceLine(int serial, int month, double balance, double amount,
                                LinePlace place) {
    std::string line = formatNumber(serial, "#00");
    line += ".   Month ";
    line += formatNumber(month, "##00");
    line += "\tBal.= ";
    line += formatNumber(balance, place == LinePlace::First ? "##########" : "######0000");
    line += '\t';
    line += formatNumber(amount, "######");
    return line;
}

}  // namespace brisanel::details
