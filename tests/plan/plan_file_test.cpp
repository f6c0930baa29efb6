// Plan files: what is written reads back as the same plan, and a file with anything wrong is
// refused whole, with the place and the problem.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "plan/plan_file.h"

namespace brisanel::plan {
namespace {

PlanInputs samplePlan() {
    PlanInputs inputs;
    inputs.loan = {"180000", "4.25", "2", "360", std::nullopt};
    inputs.events = {{EventKind::MonthlyExtra, 100.5, 13, 24},
                     {EventKind::MonthlyExtra, 20, std::nullopt, std::nullopt},
                     {EventKind::YearlyExtra, 500, 15, std::nullopt},
                     {EventKind::OneTimeExtra, 5000, 24, std::nullopt},
                     {EventKind::RateChange, 6.1, 25, std::nullopt}};
    inputs.policy = Policy::KeepEndMonth;
    inputs.finishBy = 240;
    return inputs;
}

TEST(PlanFile, WhatIsWrittenReadsBackAsTheSamePlan) {
    const QTemporaryDir folder;
    const QString name = folder.filePath("plan.json");
    ASSERT_EQ(writePlanFile(name, samplePlan()), std::nullopt);
    const auto read = readPlanFile(name);
    ASSERT_TRUE(std::holds_alternative<PlanInputs>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<PlanInputs>(read), samplePlan());

    PlanInputs paying = samplePlan();
    paying.loan = {"5000", "12.5", "0", std::nullopt, "600"};
    paying.events.clear();
    paying.policy = Policy::KeepInstalment;
    paying.finishBy.reset();
    EXPECT_EQ(std::get<PlanInputs>(parsePlanFile(planFileContents(paying))), paying);

    // The lender's schedule and dates make a version 2 file; a plan without them stays version 1.
    EXPECT_TRUE(planFileContents(paying).contains("\"brisanel_plan\": 1"));
    PlanInputs lender = samplePlan();
    lender.schedule = {Frequency::Fortnightly, QDate(2027, 1, 15), QDate(2026, 12, 1),
                       DayCount::ActualActual};
    lender.events.push_back(
        {EventKind::OneTimeExtra, 250, std::nullopt, std::nullopt, QDate(2028, 3, 15)});
    lender.events.push_back({EventKind::MonthlyExtra, 25, std::nullopt, std::nullopt,
                             QDate(2027, 6, 1), QDate(2027, 12, 31)});
    lender.finishBy.reset();
    lender.finishByDate = QDate(2035, 12, 31);
    const QByteArray written = planFileContents(lender);
    EXPECT_TRUE(written.contains("\"brisanel_plan\": 2"));
    EXPECT_TRUE(written.contains("\"day_count\": \"actual/actual\""));
    const auto reread = parsePlanFile(written);
    ASSERT_TRUE(std::holds_alternative<PlanInputs>(reread))
        << std::get<PlanFileError>(reread).place << ": " << std::get<PlanFileError>(reread).problem;
    EXPECT_EQ(std::get<PlanInputs>(reread), lender);

    // The lender's amounts and years too.
    PlanInputs cents = samplePlan();
    cents.schedule.rounding = Rounding::Cent;
    cents.schedule.instalmentRule = InstalmentRule::Unit;
    cents.schedule.balloon = 1000.5;
    cents.schedule.interestOnly = 6;
    cents.schedule.firstPayment = QDate(2027, 1, 31);
    cents.schedule.years = {YearStart::Kind::Fiscal, 4, 6};
    cents.name = "Bank A";
    cents.fees = {FeeAmount{2, true}, FeeAmount{500, false}, 5, 25, 100};
    const QByteArray centsFile = planFileContents(cents);
    EXPECT_TRUE(centsFile.contains("\"years\": \"04-06\"")) << centsFile.toStdString();
    EXPECT_TRUE(centsFile.contains("\"upfront\": \"2%\"")) << centsFile.toStdString();
    EXPECT_EQ(std::get<PlanInputs>(parsePlanFile(centsFile)), cents);

    // A file holds the numbers the boxes read: a start box's 2.5 is month 2, as the panels round.
    PlanInputs rounded = paying;
    rounded.loan.startAfter = "2.5";
    EXPECT_EQ(std::get<PlanInputs>(parsePlanFile(planFileContents(rounded))).loan.startAfter, "2");
}

TEST(PlanFile, AFileWithAnythingWrongIsRefusedWithThePlaceAndTheProblem) {
    const std::string loan = R"("loan": {"principal": 5000, "rate": 12.5, "months": 48})";
    const auto file = [&](const std::string& rest) {
        return R"({"brisanel_plan": 1, )" + loan + rest + "}";
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{\n  \"brisanel_plan\": 1,\n  \"loan\": {\"principal\" 5}}",
         "line 3, column 25: missing name separator"},
        {R"({"brisanel_plan": 3})",
         "brisanel_plan: must be 1 or 2, the versions this program reads"},
        // Dates and the schedule came with version 2.
        {file(R"(, "events": [{"kind": "lump", "amount": 5, "month": "2027-03-01"}])"),
         "events[0].month: must be a number"},
        {R"({"brisanel_plan": 2, "schedule": {"day_count": "actual/366"}, )" + loan + "}",
         "schedule.day_count: must be \"periodic\", \"30/360\", \"actual/365\", "
         "\"actual/360\" or \"actual/actual\""},
        {R"({"brisanel_plan": 2, "schedule": {"first_payment": "2027-02-30"}, )" + loan + "}",
         "schedule.first_payment: must be a date (YYYY-MM-DD)"},
        {R"({"brisanel_plan": 2, "schedule": {"first_payment": "2027-02-01"}, )" + loan +
             R"(, "events": [{"kind": "lump", "amount": 5, "month": "2027-01-01"}]})",
         "plan: One-time extra payment on 2027-01-01: the date is before the first payment, "
         "2027-02-01."},
        {R"({"brisanel_plan": 2, "schedule": {"rounding": "cents"}, )" + loan + "}",
         "schedule.rounding: must be \"exact\" or \"cent\""},
        {R"({"brisanel_plan": 2, "schedule": {"years": "04-31"}, )" + loan + "}",
         "schedule.years: must be \"loan\", \"calendar\" or a month and day, \"MM-DD\""},
        {R"({"brisanel_plan": 2, "schedule": {"balloon": 100}, "loan": {"principal": 1000, )"
         R"("rate": 12, "emi": 100}})",
         "schedule: A balloon needs a term, not an instalment."},
        {R"({"brisanel_plan": 2, "fees": {"upfront": "two"}, )" + loan + "}",
         "fees.upfront: must be an amount or a percentage (\"2%\")"},
        {R"({"brisanel_plan": 2, "fees": {"upfront": "100%"}, )" + loan + "}",
         "fees: The fee at signing must be above 0 and less than the principal, 5000.00."},
        {R"({"brisanel_plan": 1})", "loan: is missing"},
        {file(R"(, "colour": "red")"), "colour: is not a known field"},
        // The loan is checked by its panel's own checks, at the field each is about.
        {R"({"brisanel_plan": 1, "loan": {"principal": 5000, "rate": 200.00000000000003, "months": 48}})",
         "loan.rate: Rate of interest must be a positive value upto 200."},
        {R"({"brisanel_plan": 1, "loan": {"principal": 1000, "rate": 12, "emi": 5}})",
         "loan: Check Principal amount, rate and EMI."},
        {R"({"brisanel_plan": 1, "loan": {"principal": 1, "rate": 1, "start_after": -32769, "months": 9}})",
         "loan.start_after: must be a whole number from -32768 to 32767"},
        {R"({"brisanel_plan": 1, "loan": {"principal": 1000, "rate": 12, "start_after": -1, "emi": 50}})",
         "loan.start_after: Repayment start time must be a positive integer."},
        {R"({"brisanel_plan": 1, "loan": {"principal": 5000, "rate": 9, "months": 4, "emi": 9}})",
         "loan: must hold either \"months\" or \"emi\""},
        {file(R"(, "events": [{"kind": "lump", "amount": 5, "month": 2.5}])"),
         "events[0].month: must be a whole number from -1000000000 to 1000000000"},
        {file(R"(, "events": [{"kind": "lump", "amount": "5", "month": 2}])"),
         "events[0].amount: must be a number"},
        {file(R"(, "events": [{"kind": "rate", "rate": 5, "month": 0}])"),
         "events[0]: Rate change in month 0: the month is before the first instalment, month 1."},
        {file(R"(, "events": [{"kind": "monthly", "amount": 5, "when": 3}])"),
         "events[0].when: is not a known field"},
        {file(R"(, "policy": "sooner")"), "policy: must be \"instalment\" or \"end\""},
        {file(R"(, "events": [{"kind": "weekly", "amount": 5}])"),
         "events[0].kind: must be \"monthly\", \"yearly\", \"lump\" or \"rate\""},
        {file(R"(, "\u0001": 1)"), R"("\u0001": is not a known field)"},
    };
    for (const auto& [contents, message] : cases) {
        const auto read = parsePlanFile(QByteArray::fromStdString(contents));
        ASSERT_TRUE(std::holds_alternative<PlanFileError>(read)) << contents;
        const PlanFileError& error = std::get<PlanFileError>(read);
        EXPECT_EQ(error.place + ": " + error.problem, message);
    }
    EXPECT_EQ(std::get<std::string>(readPlanFile("/nonexistent/plan.json")),
              "/nonexistent/plan.json: No such file or directory");

    // A loan that its panel refuses refuses the file, named with the field and the message.
    const QTemporaryDir folder;
    const QString name = folder.filePath("late.json");
    QFile late(name);
    ASSERT_TRUE(late.open(QIODevice::WriteOnly));
    late.write(R"({"brisanel_plan": 1, "loan": {"principal": 5000, "rate": 12, "start_after": 60,
                  "months": 48}})");
    late.close();
    EXPECT_EQ(std::get<std::string>(readPlanFile(name)),
              name.toStdString() +
                  ": loan.start_after: Start time must be less than total recovery time.");
}

}  // namespace
}  // namespace brisanel::plan
