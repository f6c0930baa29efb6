#include "details/growth_rows.h"

#include <cmath>

#include "details/growth_table.h"
#include "numeric/checked.h"
#include "numeric/failure.h"

namespace brisanel::details {

using namespace numeric::checked;
using calc::Period;

namespace {

struct Split {
    int wholePeriods;
    int leftOverMonths;
    int monthsPerPeriod;
};

Split splitOf(std::int16_t duration, Period period) {
    const auto split = [duration](int months) {
        return Split{static_cast<int>(std::floor(div(duration, months))), duration % months,
                     months};
    };
    switch (period) {
        case Period::Simple:
        case Period::Yearly:
            return split(12);
        case Period::HalfYearly:
            return split(6);
        case Period::Quarterly:
            return split(3);
        case Period::Monthly:
        case Period::Daily:
            return {duration, 0, 1};
    }
    return {0, 0, 1};
}

}  // namespace

std::vector<GrowthRow> growthRows(double principal, double ratePerPeriod, std::int16_t duration,
                                  Period period) {
    const bool compounding = period != Period::Simple;
    double balance = principal;
    double interestSoFar = 0;
    const auto total = [&] { return compounding ? balance : add(interestSoFar, balance); };

    std::vector<GrowthRow> rows;
    rows.push_back({0, 0, 0, principal});

    const Split split = splitOf(duration, period);
    for (int k = 1; k <= split.wholePeriods; ++k) {
        requireGrowthPeriod(k);
        const double interest = mul(ratePerPeriod, balance);
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        rows.push_back({static_cast<double>(k), interest, interestSoFar, total()});
    }

    if (split.leftOverMonths > 0) {
        requireGrowthPeriod(split.wholePeriods + 1);
        const double interest =
            div(mul(mul(ratePerPeriod, balance), split.leftOverMonths), split.monthsPerPeriod);
        if (compounding) balance = add(interest, balance);
        interestSoFar = add(interestSoFar, interest);
        const double part = div(split.leftOverMonths, split.monthsPerPeriod);
        rows.push_back({add(split.wholePeriods, part), interest, interestSoFar, total()});
    }
    return rows;
}

}  // namespace brisanel::details
