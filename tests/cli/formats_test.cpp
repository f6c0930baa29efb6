// The csv and json formats: full-precision results and one row per month or period.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

#include "cli/output.h"
#include "harness.h"

namespace brisanel::cli::testing {
namespace {

TEST(Formats, NumbersReadBackExactlyAndTextsAreQuoted) {
    for (const double value : {0.1, 1.0 / 3, 1328.125, 1e300, -990.0, 5e-324}) {
        const std::string text = fullPrecision(value);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(fullPrecision(0.1), "0.1");
    EXPECT_EQ(fullPrecision(-0.0), "0");
    EXPECT_EQ(csvRecord({"1", "per Month", ""}), "1,per Month,\r\n");
    EXPECT_EQ(csvRecord({"a,b", "say \"hi\"", "two\r\nlines"}),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n");
    EXPECT_EQ(jsonString("a\"b\\c\td\x01"), "\"a\\\"b\\\\c\\td\\u0001\"");
}

// The records of a csv document whose fields need no quotes; every record ends in CR LF.
QList<QStringList> csvRecords(const QByteArray& document) {
    EXPECT_TRUE(document.endsWith("\r\n"));
    QList<QStringList> records;
    for (const QString& record : QString::fromUtf8(document).split("\r\n", Qt::SkipEmptyParts)) {
        EXPECT_FALSE(record.contains('\n')) << record.toStdString();
        records.append(record.split(','));
    }
    return records;
}

TEST(Formats, ScheduleRowsAreTheSameInCsvAndJson) {
    const QStringList loan = {"emi",    "--principal", "5000",          "--months", "48",
                              "--rate", "12.5",        "--start-after", "2",        "--schedule"};
    const auto records = csvRecords(runCalc(loan + QStringList{"--format", "csv"}).out);
    const QJsonDocument json =
        QJsonDocument::fromJson(runCalc(loan + QStringList{"--format=json"}).out);
    ASSERT_EQ(records.size(), 49);
    EXPECT_EQ(records[0].join(','),
              "month,opening_balance,interest,principal_repaid,instalment,closing_balance,"
              "cumulative_interest,cumulative_principal");
    EXPECT_EQ(json["command"].toString(), "emi");
    const QJsonArray schedule = json["schedule"].toArray();
    ASSERT_EQ(schedule.size(), 48);
    for (int k = 1; k <= 48; ++k) {
        ASSERT_EQ(records[k].size(), 8);
        EXPECT_EQ(records[k][0].toInt(), k + 2);  // the months after the wait
        for (int column = 0; column < 8; ++column) {
            EXPECT_EQ(schedule[k - 1][records[0][column]].toDouble(), records[k][column].toDouble())
                << k << " " << records[0][column].toStdString();
        }
    }
    // The first month opens at the principal grown over the two waiting months,
    // 5000 x (1 + 0.125 / 12)^2, and all of it is repaid.
    EXPECT_NEAR(records[1][1].toDouble(), 5104.7092013889, 1e-9);
    EXPECT_EQ(records[48][5], "0");
    EXPECT_NEAR(records[48][7].toDouble(), json["results"]["principal_after_wait"].toDouble(),
                1e-8);
}

TEST(Formats, ResultsAtFullPrecision) {
    const QStringList rate = {"rate",       "--principal", "5000",          "--amount", "6250",
                              "--duration", "24",          "--compounding", "monthly"};
    const auto records = csvRecords(runCalc(rate + QStringList{"--format", "csv"}).out);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].join(','), "rate_per_period_percent,annual_rate_percent,unit");
    EXPECT_NEAR(records[1][0].toDouble(), 0.934100537009108, 1e-14);
    EXPECT_NEAR(records[1][1].toDouble(), 11.2092064441093, 1e-12);
    EXPECT_EQ(records[1][2], "per Month");

    const QJsonDocument growth =
        QJsonDocument::fromJson(runCalc(rate + QStringList{"--growth", "--format", "json"}).out);
    EXPECT_EQ(growth["results"]["unit"].toString(), "per Month");
    const QJsonArray rows = growth["growth"].toArray();
    ASSERT_EQ(rows.size(), 25);
    EXPECT_EQ(rows[24]["period"].toInt(), 24);
    EXPECT_NEAR(rows[24]["total"].toDouble(), 6250, 1e-9);

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
