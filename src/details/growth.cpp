#include "details/growth.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/failure.h"

namespace brisanel::details {

using namespace numeric::checked;
using numeric::appendNumber;
using numeric::DisplayPattern;

namespace {

struct Division {
    int wholePeriods;
    int leftOverMonths;
    int monthsPerPeriod;
    std::string_view word;  // between the period number and the figures of a line
};

// Months are split into whole periods and left-over months; daily and monthly durations are
// whole periods already.
Division divide(std::int16_t duration, Period period) {
    const auto split = [duration](int months, std::string_view word) {
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
    __builtin_unreachable();  // every value of the enum returns above
}

void requireGrowthPeriod(int periodNumber) {
    if (periodNumber > kMaxGrowthPeriod) {
        throw numeric::ArithmeticError(numeric::Failure::TableLimit);
    }
}

constexpr DisplayPattern kSerial("00");
constexpr DisplayPattern kInterest("####00.00");
constexpr DisplayPattern kTotal("########.00");

// Room for a row of amounts up to a billion.
constexpr std::size_t kRowLength = 64;

}  // namespace

void appendGrowthRows(GrowthRows& rows, double principal, double ratePerPeriod,
                      std::int16_t duration, Period period) {
    const bool compounding = period != Period::Simple;
    double balance = principal;
    double interestSoFar = 0;
    // A row is written in place: one built on the stack and copied in stalls every row.
    const auto putRow = [&rows](GrowthStep step, double periodNumber, double interest,
                                double interestSoFar, double total) {
        GrowthRow& row = rows.emplace_back();
        row.step = step;
        row.period = periodNumber;
        row.interest = interest;
        row.interestSoFar = interestSoFar;
        row.total = total;
    };
    // Adds the row of an interest that is charged on the balance and, when compounding, added to
    // it.
    const auto addRow = [&](GrowthStep step, double periodNumber, double interest) {
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        putRow(step, periodNumber, interest, interestSoFar,
               compounding ? balance : add(interestSoFar, balance));
    };

    const Division split = divide(duration, period);
    rows.reserve(rows.size() +
                 static_cast<std::size_t>(std::clamp(split.wholePeriods, 0, kMaxGrowthPeriod)) + 2);
    putRow(GrowthStep::Start, 0, 0, 0, principal);
    for (int k = 1; k <= split.wholePeriods; ++k) {
        requireGrowthPeriod(k);
        addRow(GrowthStep::WholePeriod, k, mul(ratePerPeriod, balance));
    }
    if (split.leftOverMonths > 0) {
        requireGrowthPeriod(split.wholePeriods + 1);
        // Simple interest at the period's rate for the months that make no whole period.
        const double interest =
            div(mul(mul(ratePerPeriod, balance), split.leftOverMonths), split.monthsPerPeriod);
        const double part = div(split.leftOverMonths, split.monthsPerPeriod);
        addRow(GrowthStep::LeftOverMonths, add(split.wholePeriods, part), interest);
    }
}

TextLines growthLines(std::span<const GrowthRow> rows, Period period) {
    const std::string_view word = divide(0, period).word;
    TextLines lines;
    lines.reserve(rows.size(), kRowLength);
    int serial = 0;
    for (const GrowthRow& row : rows) {
        ++serial;
        lines.addLine([&](std::string& line) {
            if (row.step == GrowthStep::Start) {
                line += "01.  Loan Starts at:        0.00  \t\t";
                appendNumber(line, row.total, kTotal);
                return;
            }
            appendNumber(line, serial, kSerial);
            line += ".  End of ";
            if (row.step == GrowthStep::WholePeriod) {
                char number[12];
                const int k = static_cast<int>(row.period);
                line.append(number, std::to_chars(number, number + sizeof number, k).ptr);
                line += word;
                line += '\t';
            } else {
                line += "Period:\t";
            }
            appendNumber(line, row.interestSoFar, kInterest);
            line += "     \t";
            appendNumber(line, row.total, kTotal);
        });
    }
    return lines;
}

}  // namespace brisanel::details
