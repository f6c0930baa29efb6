// A month number is read one way wherever it is typed: the events table, "Finish by", plan files
// and the command line.
#include <gtest/gtest.h>

#include <cmath>

#include "plan/month_number.h"

namespace brisanel::plan {
namespace {

TEST(MonthNumber, AWholeNumberAsABoxReadsItIsAMonth) {
    const std::vector<std::pair<std::string_view, std::optional<int>>> cases = {
        {"240", 240},
        {" 240.0 ", 240},
        {"2.4e2", 240},
        {"-3", -3},
        {"+7", 7},
        {"1e9", 1'000'000'000},
        {"-1e9", -1'000'000'000},
        {"240.5", std::nullopt},
        {"12a5", std::nullopt},
        {"", std::nullopt},
        {"1000000001", std::nullopt},
        {"1e400", std::nullopt},
        {"month 3", std::nullopt},
    };
    for (const auto& [text, month] : cases) EXPECT_EQ(readMonth(text), month) << text;
    EXPECT_EQ(monthOf(0.5), std::nullopt);
    EXPECT_EQ(monthOf(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace brisanel::plan
