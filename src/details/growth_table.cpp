#include "details/growth_table.h"

#include <cmath>

#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/failure.h"

namespace brisanel::details {

using namespace numeric::checked;
using calc::Period;
using numeric::formatNumber;

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

void requireRoom(int periodNumber) {
    if (periodNumber > kMaxGrowthPeriod) {
        throw numeric::ArithmeticError(numeric::Failure::TableLimit);
    }
}

// The interest column and the total column, which every row after the start row ends with.
std::string figures(double interestSoFar, double total) {
    return formatNumber(interestSoFar, "####00.00") + "     \t" +
           formatNumber(total, "########.00");
}

}  // namespace

void appendGrowthTable(std::vector<std::string>& lines, double principal, double ratePerPeriod,
                       std::int16_t duration, Period period) {
    const bool compounding = period != Period::Simple;
    double balance = principal;
    double interestSoFar = 0;
    // Simple interest never grows the balance, so its total is the interest on top of it.
    const auto total = [&] { return compounding ? balance : add(interestSoFar, balance); };

    lines.push_back(std::string("01.  Loan Starts at: ") + "       0.00  " + "\t\t" +
                    formatNumber(principal, "########.00"));

    const Division split = divide(duration, period);
    for (int k = 1; k <= split.wholePeriods; ++k) {
        requireRoom(k);
        const double interest = mul(ratePerPeriod, balance);
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        lines.push_back(formatNumber(k + 1, "00") + ".  End of " + std::to_string(k) + split.word +
                        "\t" + figures(interestSoFar, total()));
    }

    if (split.leftOverMonths > 0) {
        const int closing = split.wholePeriods + 1;
        requireRoom(closing);
        // Simple interest at the period's rate for the months that make no whole period.
        const double interest =
            div(mul(mul(ratePerPeriod, balance), split.leftOverMonths), split.monthsPerPeriod);
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        lines.push_back(formatNumber(closing + 1, "00") + ".  End of Period:\t" +
                        figures(interestSoFar, total()));
    }
}

}  // namespace brisanel::details
