// Comparison files: offers kept whole through a file, and refused whole with the place named.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "plan/comparison_file.h"

namespace brisanel::plan {
namespace {

PlanInputs offer(std::string name, std::string rate) {
    PlanInputs inputs;
    inputs.name = std::move(name);
    inputs.loan = {"10000", std::move(rate), "0", "12", std::nullopt};
    return inputs;
}

TEST(ComparisonFile, KeepsTwoOffersWithTheirFeesAndScheduleTheMethodAndTheHorizon) {
    Comparison comparison;
    comparison.offers = {offer("Bank A", "12"), offer("Bank B", "11.5")};
    comparison.offers[0].fees.upfront = FeeAmount{2, true};
    comparison.offers[0].fees.exit = 50;
    comparison.offers[1].schedule.frequency = Frequency::Fortnightly;
    comparison.offers[1].schedule.firstPayment = QDate(2027, 1, 15);
    comparison.offers[1].schedule.rounding = Rounding::Cent;
    comparison.offers[1].fees.perPayment = 2.5;
    comparison.method = AprMethod::Us;
    comparison.horizon = Horizon{std::nullopt, QDate(2027, 6, 30)};
    QTemporaryDir folder;
    const QString name = folder.filePath("offers.brisanel-compare");
    ASSERT_EQ(writeComparisonFile(name, comparison), std::nullopt);
    const auto read = readComparisonFile(name);
    ASSERT_TRUE(std::holds_alternative<Comparison>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<Comparison>(read), comparison);
}

TEST(ComparisonFile, IsRefusedWholeAtTheOffersFieldOrForTheNumberOfOffers) {
    const auto problem = [](const std::string& offers) {
        const auto read = parseComparisonFile(
            QByteArray::fromStdString(R"({"brisanel_comparison": 1, "offers": [)" + offers + "]}"));
        if (const auto* error = std::get_if<PlanFileError>(&read)) {
            return error->place + ": " + error->problem;
        }
        return std::string("read");
    };
    const std::string good =
        R"({"brisanel_plan": 1, "loan": {"principal": 5000, "rate": 12, "months": 48}})";
    const std::string noRate = R"({"brisanel_plan": 1, "loan": {"principal": 5000, "months": 48}})";
    EXPECT_EQ(problem(good + "," + good), "read");
    EXPECT_EQ(problem(good + "," + good + "," + noRate), "offers[2].loan.rate: is missing");
    EXPECT_EQ(problem(good), "offers: must be a list of two to four offers");
    EXPECT_EQ(problem(good + "," + good + "," + good + "," + good + "," + good),
              "offers: must be a list of two to four offers");
    // A plan file is not a comparison.
    EXPECT_FALSE(isComparison(QByteArray::fromStdString(good)));
}

}  // namespace
}  // namespace brisanel::plan
