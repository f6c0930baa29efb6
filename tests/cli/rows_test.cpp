// The full-precision figures and rows: they stand for the same lines and boxes as the texts, and
// they add up.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "cli/output.h"
#include "details/growth_rows.h"
#include "details/reducing_balance.h"
#include "details/schedule_rows.h"
#include "harness.h"
#include "numeric/display_pattern.h"

namespace brisanel::cli::testing {
namespace {

using details::ScheduleRow;
using numeric::formatNumber;

void expectNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected))) << what;
}

/// Each row shows as the line at its place, and the rows add up.
void expectRowsOfLines(const std::vector<ScheduleRow>& rows, const details::TextLines& lines,
                       double principalAfterWait) {
    ASSERT_EQ(rows.size(), lines.size());
    details::TextLines rebuilt;
    double interest = 0;
    double principal = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE("row " + std::to_string(k + 1));
        const ScheduleRow& row = rows[k];
        const bool last = k + 1 == rows.size();
        // The last line shows the balance it clears where the others show the instalment.
        details::addReducingBalanceLine(
            rebuilt, static_cast<int>(k + 1), row.month, row.openingBalance,
            last ? row.principalRepaid : row.instalment,
            k == 0 ? details::LinePlace::First : details::LinePlace::Other);
        EXPECT_EQ(rebuilt.back(), lines[k]);
        expectNear(row.interest + row.principalRepaid, row.instalment, "interest + principal");
        expectNear(row.openingBalance - row.principalRepaid, row.closingBalance, "closing");
        if (!last) {
            EXPECT_EQ(row.closingBalance, rows[k + 1].openingBalance);
        }
        interest += row.interest;
        principal += row.principalRepaid;
        expectNear(row.interestSoFar, interest, "cumulative interest");
        expectNear(row.principalSoFar, principal, "cumulative principal");
    }
    EXPECT_EQ(rows.back().closingBalance, 0);
    expectNear(rows.back().principalSoFar, principalAfterWait, "all principal repaid");
}

double sumOfInstalments(const std::vector<ScheduleRow>& rows) {
    double sum = 0;
    for (const ScheduleRow& row : rows) sum += row.instalment;
    return sum;
}

TEST(ScheduleRows, EmiRowsStandForTheScheduleLinesAndAddUp) {
    // principal, months, start after, rate
    const std::vector<std::array<const char*, 4>> loans = {
        {"1000", "3", "0", "12"},    {"1000", "3", "2", "12"},     {"5000", "48", "0", "12.5"},
        {"1000", "12", "-3", "12"},  {"1000", "1", "0", "12"},     {"1000", "12.5", "0", "12"},
        {"1000", "0.5", "-4", "12"}, {"250000", "1800", "0", "7"}, {"1000", "2", "0", "200"},
    };
    for (const auto& [principal, months, start, rate] : loans) {
        SCOPED_TRACE(std::string(principal) + " / " + months + " / " + start + " / " + rate);
        const calc::EmiInputs inputs{principal, months, start, rate};
        const calc::EmiOutcome out = calc::computeEmi(inputs);
        ASSERT_FALSE(out.failed());
        const details::Schedule schedule = details::buildEmiSchedule(*out.figures);
        const auto rows = details::emiScheduleRows(*out.figures);
        expectRowsOfLines(rows, schedule.lines, out.figures->principal);

        const calc::EmiTotals& totals = *out.totals;
        EXPECT_EQ(formatNumber(out.figures->amount, "#########"), *out.emi);
        EXPECT_EQ(formatNumber(totals.grossRecovery, "########"), *out.grossRecovery);
        EXPECT_EQ(formatNumber(totals.grossInterest, "########"), *out.grossInterest);
        const double wholeMonths = std::stod(months);
        if (wholeMonths >= 2 && std::floor(wholeMonths) == wholeMonths) {
            expectNear(sumOfInstalments(rows), totals.grossRecovery, "instalments");
        }
    }
}

TEST(ScheduleRows, RecoveryRowsStandForTheLinesAndMakeTheGrossRecovery) {
    // principal, rate, start after, instalment
    const std::vector<std::array<const char*, 4>> loans = {
        {"5000", "12.50", "0", "600"}, {"1000", "12", "0", "340"},    {"1000", "12", "2", "340"},
        {"1000", "12", "0", "2000"},   {"100000", "12", "0", "1001"},
    };
    for (const auto& [principal, rate, start, emi] : loans) {
        SCOPED_TRACE(std::string(principal) + " / " + rate + " / " + start + " / " + emi);
        const calc::RecoveryInputs inputs{principal, rate, start, emi};
        const calc::RecoveryOutcome out = calc::computeRecovery(inputs);
        ASSERT_FALSE(out.failed());
        const calc::RecoveryFigures& figures = *out.figures;
        const auto rows = details::recoveryScheduleRows(figures.principalAfterWait,
                                                        figures.monthlyRate, figures.instalment);
        expectRowsOfLines(rows, *out.lines, figures.principalAfterWait);
        EXPECT_EQ(std::to_string(figures.months), *out.months);
        EXPECT_EQ(formatNumber(figures.grossRecovery, "#########"), *out.grossRecovery);
        EXPECT_EQ(formatNumber(figures.grossInterest, "########"), *out.grossInterest);
        expectNear(sumOfInstalments(rows), figures.grossRecovery, "instalments");
        // The last payment is the balance left, which the recovery counts without interest.
        EXPECT_EQ(rows.back().interest, 0);
    }

    try {
        details::recoveryScheduleRows(5000, 12.5 / 1200, 50);
        ADD_FAILURE() << "an instalment below the interest cannot repay the loan";
    } catch (const numeric::ArithmeticError& error) {
        EXPECT_EQ(error.kind(), numeric::Failure::TableLimit);
    }
}

TEST(GrowthRows, StandForTheGrowthLinesUnderEveryPeriod) {
    for (int period = 0; period < 6; ++period) {
        for (const char* duration : {"24", "15", "18", "5", "730", "1800"}) {
            SCOPED_TRACE(std::to_string(period) + " over " + duration);
            const calc::RateInputs inputs{"5000", "6250", duration, calc::Period(period)};
            const calc::RateOutcome out = calc::findRate(inputs);
            ASSERT_FALSE(out.failed());
            const calc::RateFigures& figures = *out.figures;
            const auto rows = details::growthRows(figures.principal, figures.ratePerPeriod,
                                                  figures.duration, inputs.period);
            EXPECT_EQ(formatNumber(figures.ratePerPeriodPercent, "##0.00##") + " %",
                      *out.ratePerPeriod);
            EXPECT_EQ(formatNumber(figures.annualRatePercent, "##0.00#") + " %", *out.annualRate);

            const auto& lines = *out.growthLines;
            ASSERT_EQ(rows.size(), lines.size());
            double accumulated = 0;
            for (std::size_t k = 0; k < lines.size(); ++k) {
                const details::GrowthRow& row = rows[k];
                const std::string tail =
                    (k == 0 ? std::string("       0.00  \t\t")
                            : formatNumber(row.interestSoFar, "####00.00") + "     \t") +
                    formatNumber(row.total, "########.00");
                EXPECT_TRUE(lines[k].ends_with(tail)) << lines[k] << " | " << tail;
                accumulated += row.interest;
                expectNear(row.interestSoFar, accumulated, "accumulated interest");
                if (period == 0) expectNear(row.total, 5000 + row.interestSoFar, "simple total");
                if (k + 1 < lines.size()) {
                    EXPECT_EQ(row.period, static_cast<double>(k));
                }
            }
        }
    }
    // Fifteen months hold two half years and half of a third.
    const double halfYearRate =
        calc::findRate({"5000", "6250", "15", calc::Period::HalfYearly}).figures->ratePerPeriod;
    const auto rows = details::growthRows(5000, halfYearRate, 15, calc::Period::HalfYearly);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows.back().period, 2.5);
}

TEST(FullPrecision, InterestValuesShowAsTheBoxesUnderEveryRule) {
    using calc::InterestRule;
    for (const InterestRule rule :
         {InterestRule::Simple, InterestRule::Annually, InterestRule::Quarterly,
          InterestRule::Monthly, InterestRule::Daily}) {
        for (const calc::InterestInputs& inputs :
             {calc::InterestInputs{"5000", "24", "12.50"}, calc::InterestInputs{"1", "1", "1"},
              calc::InterestInputs{"123456789", "1.5", "7"}}) {
            const calc::InterestOutcome out = calc::computeInterest(rule, inputs);
            const calc::InterestFigures& figures = *out.figures;
            const bool simple = rule == InterestRule::Simple;
            EXPECT_EQ(formatNumber(figures.interest, simple ? "#######" : "########"),
                      *out.interest);
            EXPECT_EQ(formatNumber(figures.grossAmount, simple ? "########" : "#########"),
                      *out.grossAmount);
        }
    }
    const auto annually =
        calc::computeInterest(calc::InterestRule::Annually, {"5000", "24", "12.5"});
    EXPECT_EQ(annually.figures->grossAmount, 6328.125);
}

TEST(FullPrecision, NumbersReadBackExactly) {
    for (const double value : {0.1, 1.0 / 3, 1328.125, 6411.831, 1e300, -990.0, 5e-324}) {
        const std::string text = fullPrecision(value);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(fullPrecision(0.1), "0.1");
    EXPECT_EQ(fullPrecision(-0.0), "0");
}

TEST(CsvAndJson, QuoteWhatNeedsQuoting) {
    EXPECT_EQ(csvRecord({"1", "per Month", ""}), "1,per Month,\r\n");
    EXPECT_EQ(csvRecord({"a,b", "say \"hi\"", "two\r\nlines"}),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n");
    EXPECT_EQ(jsonString("a\"b\\c\td\x01"), "\"a\\\"b\\\\c\\td\\u0001\"");
}

// A CSV document split into records and fields; every record must end in CR LF and no field here
// needs quotes.
std::vector<QStringList> csvRecords(const QByteArray& document) {
    EXPECT_TRUE(document.endsWith("\r\n"));
    std::vector<QStringList> records;
    for (const QString& record : QString::fromUtf8(document).split("\r\n", Qt::SkipEmptyParts)) {
        EXPECT_FALSE(record.contains('\n')) << record.toStdString();
        records.push_back(record.split(','));
    }
    return records;
}

TEST(CsvAndJson, ScheduleRowsOfTheProgramAddUpAndMatchTheList) {
    const QStringList loan = {"emi",    "--principal", "5000",          "--months", "48",
                              "--rate", "12.5",        "--start-after", "2",        "--schedule"};
    const CalcRun text = runCalc(loan);
    const CalcRun csv = runCalc(loan + QStringList{"--format", "csv"});
    const CalcRun json = runCalc(loan + QStringList{"--format=json"});
    ASSERT_EQ(csv.exitCode, 0);
    ASSERT_EQ(json.exitCode, 0);

    const QStringList lines = QString::fromUtf8(text.out).split('\n', Qt::SkipEmptyParts).mid(4);
    const auto records = csvRecords(csv.out);
    ASSERT_EQ(records.size(), 49u);
    EXPECT_EQ(records[0].join(','),
              "month,opening_balance,interest,principal_repaid,instalment,closing_balance,"
              "cumulative_interest,cumulative_principal");
    ASSERT_EQ(lines.size(), 48);

    const QJsonDocument document = QJsonDocument::fromJson(json.out);
    ASSERT_TRUE(document.isObject()) << json.out.toStdString();
    EXPECT_EQ(document["command"].toString(), "emi");
    const QJsonArray schedule = document["schedule"].toArray();
    ASSERT_EQ(schedule.size(), 48);

    for (int k = 1; k <= 48; ++k) {
        const QStringList& record = records[static_cast<std::size_t>(k)];
        ASSERT_EQ(record.size(), 8);
        const double interest = record[2].toDouble();
        const double principal = record[3].toDouble();
        const double instalment = record[4].toDouble();
        expectNear(interest + principal, instalment, "interest + principal = instalment");
        EXPECT_EQ(record[0].toInt(), k + 2);
        // The line at the same place shows the row's month and opening balance.
        EXPECT_TRUE(lines[k - 1].contains(QString::fromStdString(
            "Month " + formatNumber(k + 2, "##00") +
            "\tBal.= " + formatNumber(record[1].toDouble(), k == 1 ? "##########" : "######0000"))))
            << lines[k - 1].toStdString();
        const QJsonObject row = schedule[k - 1].toObject();
        EXPECT_EQ(row["closing_balance"].toDouble(), record[5].toDouble());
        EXPECT_EQ(row["cumulative_principal"].toDouble(), record[7].toDouble());
    }
    // The last line pays off the balance it shows, and nothing is owed after it.
    const QStringList& last = records.back();
    EXPECT_TRUE(lines.back().endsWith(
        QString::fromStdString(formatNumber(last[3].toDouble(), "######0000") + "\t" +
                               formatNumber(last[3].toDouble(), "######"))));
    EXPECT_EQ(last[5], "0");
    expectNear(last[7].toDouble(), document["results"]["principal_after_wait"].toDouble(),
               "principal repaid");
}

TEST(CsvAndJson, ResultsAtFullPrecisionShowAsTheBoxes) {
    const QStringList rate = {"rate",       "--principal", "5000",          "--amount", "6250",
                              "--duration", "24",          "--compounding", "monthly"};
    const auto records = csvRecords(runCalc(rate + QStringList{"--format", "csv"}).out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].join(','), "rate_per_period_percent,annual_rate_percent,unit");
    EXPECT_EQ(formatNumber(records[1][0].toDouble(), "##0.00##"), "0.9341");
    EXPECT_EQ(formatNumber(records[1][1].toDouble(), "##0.00#"), "11.209");
    EXPECT_EQ(records[1][2], "per Month");

    const QJsonDocument growth =
        QJsonDocument::fromJson(runCalc(rate + QStringList{"--growth", "--format", "json"}).out);
    ASSERT_TRUE(growth.isObject());
    EXPECT_EQ(growth["results"]["unit"].toString(), "per Month");
    const QJsonArray rows = growth["growth"].toArray();
    ASSERT_EQ(rows.size(), 25);
    EXPECT_EQ(rows[24]["period"].toInt(), 24);
    expectNear(rows[24]["total"].toDouble(), 6250, "the amount is reached");

    const QJsonDocument recovery =
        QJsonDocument::fromJson(runCalc({"recovery", "--principal", "5000", "--rate", "12.50",
                                         "--emi", "600", "--format", "json"})
                                    .out);
    EXPECT_EQ(recovery["results"]["months"].toInt(), 9);
    EXPECT_NEAR(recovery["results"]["gross_recovery"].toDouble(), 8 * 600 + 453.4846, 1e-4);
    EXPECT_FALSE(recovery.object().contains("schedule"));
}

}  // namespace
}  // namespace brisanel::cli::testing
