#include "details/growth_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/failure.h"

namespace brisanel::details {

using namespace numeric::checked;
using calc::Period;
using numeric::appendNumber;
using numeric::DisplayPattern;

namespace {

struct Division {
    int wholePeriods;     // N
    int leftOverMonths;   // R
    int monthsPerPeriod;  // M
    const char* word;     // between the period number and the figures
};

// Months are split into whole periods and left-over months; daily and monthly durations are
// whole periods already.
Division divide(std::int16_t duration, Period period) {
    const auto split = [duration](int months, const char* word) {
        const double whole = std::floor(div(duration, months));
        return Division{static_cast<int>(whole), duration % months, months, word};
    };
    switch (period) {
        case Period::Simple:
        case Period::Yearly:
            return split(12, " Year: ");
        case Period::HalfYearly:
            return split(6, " H_Year: ");
        case Period::Quarterly:
            return split(3, " Quarter: ");
        case Period::Monthly:
            return {duration, 0, 1, " Month: "};
        case Period::Daily:
            return {duration, 0, 1, " Day: "};
    }
    return {0, 0, 1, ""};
}

constexpr DisplayPattern kSerial("00");
constexpr DisplayPattern kInterest("####00.00");
constexpr DisplayPattern kTotal("########.00");

// The interest column and the total column, which every row after the start row ends with.
void appendFigures(std::string& line, double interestSoFar, double total) {
    appendNumber(line, interestSoFar, kInterest);
    line += "     \t";
    appendNumber(line, total, kTotal);
}

// Room for a row of amounts up to a billion.
constexpr std::size_t kRowLength = 64;

// A row after the start row begins with its serial number and ".  End of ".
void appendRowStart(std::string& row, int serial) {
    appendNumber(row, serial, kSerial);
    row += ".  End of ";
}

}  // namespace

void requireGrowthPeriod(int periodNumber) {
    if (periodNumber > kMaxGrowthPeriod) {
        throw numeric::ArithmeticError(numeric::Failure::TableLimit);
    }
}

void appendGrowthTable(TextLines& lines, double principal, double ratePerPeriod,
                       std::int16_t duration, Period period) {
    const bool compounding = period != Period::Simple;
    double balance = principal;
    double interestSoFar = 0;
    // Simple interest never grows the balance, so its total is the interest on top of it.
    const auto total = [&] { return compounding ? balance : add(interestSoFar, balance); };

    lines.addLine([&](std::string& start) {
        start += "01.  Loan Starts at:        0.00  \t\t";
        appendNumber(start, principal, kTotal);
    });

    const Division split = divide(duration, period);
    lines.reserve(static_cast<std::size_t>(std::clamp(split.wholePeriods, 0, kMaxGrowthPeriod)) + 1,
                  kRowLength);
    for (int k = 1; k <= split.wholePeriods; ++k) {
        requireGrowthPeriod(k);
        const double interest = mul(ratePerPeriod, balance);
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        const double totalSoFar = total();
        lines.addLine([&](std::string& row) {
            appendRowStart(row, k + 1);
            char number[12];
            row.append(number, std::to_chars(number, number + sizeof number, k).ptr);
            row += split.word;
            row += '\t';
            appendFigures(row, interestSoFar, totalSoFar);
        });
    }

    if (split.leftOverMonths > 0) {
        const int closing = split.wholePeriods + 1;
        requireGrowthPeriod(closing);
        // Simple interest at the period's rate for the months that make no whole period.
        const double interest =
            div(mul(mul(ratePerPeriod, balance), split.leftOverMonths), split.monthsPerPeriod);
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        const double totalSoFar = total();
        lines.addLine([&](std::string& row) {
            appendRowStart(row, closing + 1);
            row += "Period:\t";
            appendFigures(row, interestSoFar, totalSoFar);
        });
    }
}

}  // namespace brisanel::details
