// The same inputs through the window's handlers and through brisanel-calc: identical result
// texts and list lines, or the identical message with the matching exit status.
#include <QComboBox>
#include <QLabel>

#include "harness.h"

namespace brisanel::cli::testing {
namespace {

using Results = QList<std::pair<QString, int>>;  // caption, result box

/// Runs `arguments`, and again with `details` added when given, against what the window shows
/// after the same inputs: its result boxes under their captions, then the header box numbered
/// `header` and the list.
void expectParity(const Window& window, const QStringList& arguments, const Results& results,
                  const QString& details = {}, int header = 0) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const QStringList messages = window.dialogs.texts();
    ASSERT_LE(messages.size(), 1) << messages.join(" / ").toStdString();
    QString shown;
    bool anyResult = false;
    for (const auto& [caption, box] : results) {
        shown += caption + ":" + (window.box(box).isEmpty() ? "" : " " + window.box(box)) + "\n";
        anyResult = anyResult || !window.box(box).isEmpty();
    }
    for (const bool withDetails : {false, true}) {
        if (withDetails && details.isEmpty()) break;
        QString expected = shown;
        if (withDetails) {
            expected += "\n" + window.find(QStringLiteral("Text%1").arg(header))->text() + "\n";
            for (const QString& line : window.listLines()) expected += line + "\n";
        }
        const CalcRun run = runCalc(withDetails ? arguments + QStringList{details} : arguments);
        // "Check ..." messages come from run-time failures, the others from refused input; a
        // calculation that shows nothing failed silently.
        const int status = !messages.isEmpty() ? (messages.front().startsWith("Check ") ? 3 : 2)
                                               : (anyResult ? 0 : 3);
        EXPECT_EQ(run.exitCode, status) << run.errText().toStdString();
        if (status == 0) {
            EXPECT_EQ(QString::fromUtf8(run.out), expected);
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        } else {
            EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
            EXPECT_TRUE(messages.isEmpty()
                            ? run.errText().startsWith("brisanel-calc: the calculation stopped")
                            : run.errText() == messages.front())
                << run.errText().toStdString();
        }
    }
}

TEST(WindowParity, InterestUnderEveryRule) {
    const QStringList rules = {"simple", "annually", "quarterly", "monthly", "daily"};
    const QStringList buttons = {"SimpleInt", "CompoundAnnually", "CompdQuarterly",
                                 "CompoundMonthly", "CompdDaily"};
    // principal, months, rate: results, an interest that rounds to an empty box, a refusal and
    // an overflow.
    const QList<QStringList> cases = {
        {" 5000 ", "2.4e1", "12.50"}, {"1", "1", "1"}, {"0", "24", "12"}, {"1e308", "24", "100"}};
    for (const QStringList& in : cases) {
        for (qsizetype rule = 0; rule < rules.size(); ++rule) {
            Window window;
            window.fill({0, 1, 2}, in);
            window.click(buttons[rule]);
            expectParity(window,
                         {"interest", "--principal", in[0], "--months", in[1], "--rate", in[2],
                          "--rule", rules[rule]},
                         {{"Interest", 3}, {"Gross amount", 4}});
        }
    }
}

TEST(WindowParity, EmiWithItsSchedule) {
    // principal, months, start after, rate: results, the longest schedule, a refusal, a silent
    // division by zero and an overflow.
    const QList<QStringList> cases = {{"1000", "12.5", "-3", "12"},
                                      {"1000", "1800", "2", "12"},
                                      {"1000", "1800.5", "0", "12"},
                                      {"1000", "0.3", "0", "12"},
                                      {"1000", "12", "40000", "12"}};
    for (const QStringList& in : cases) {
        Window window;
        window.fill({20, 19, 17, 18}, in);
        window.click("ShowDetails");
        expectParity(window,
                     {"emi", "--principal", in[0], "--months", in[1], "--start-after", in[2],
                      "--rate", in[3]},
                     {{"Calculated EMI", 14}, {"Gross Interest", 15}, {"Gross Recovery", 16}},
                     "--schedule", 2);
    }
}

TEST(WindowParity, RecoveryMonthsWithTheirLines) {
    // principal, rate, start after, instalment: results, 1802 lines that never repay, a refusal
    // and a silent overflow.
    const QList<QStringList> cases = {{"1000", "12", "2.5", "340"},
                                      {"5000", "12.5", "0", "50"},
                                      {"5000", "12.5", "-1", "600"},
                                      {"5000", "12.5", "40000", "600"}};
    for (const QStringList& in : cases) {
        Window window;
        window.fill({5, 7, 8, 11}, in);
        window.click("RecoveryMonths");
        expectParity(window,
                     {"recovery", "--principal", in[0], "--rate", in[1], "--start-after", in[2],
                      "--emi", in[3]},
                     {{"Recovery months", 12}, {"Gross Recovery", 9}, {"Gross Interest", 10}},
                     "--schedule", 2);
    }
}

TEST(WindowParity, RateUnderEveryPeriodWithItsGrowth) {
    const QStringList periods = {"simple",    "yearly",  "half-yearly",
                                 "quarterly", "monthly", "daily"};
    // principal, principal with interest, duration: left-over months, a table past its limit
    // for some periods, a refusal and an overflow part-way.
    const QList<QStringList> cases = {{"5000", "6250", "15"},
                                      {"5000", "6250", "1801"},
                                      {"5000", "4999", "24"},
                                      {"1", "1e300", "1"}};
    for (const QStringList& in : cases) {
        for (qsizetype period = 0; period < periods.size(); ++period) {
            Window window;
            window.find<QComboBox>("Combo2")->setCurrentIndex(static_cast<int>(period));
            window.fill({6, 21, 13}, in);
            window.click("FindRate");
            const auto caption = [&](int label) {
                return "Interest rate " +
                       window.find<QLabel>(QStringLiteral("Label1(%1)").arg(label))->text();
            };
            expectParity(window,
                         {"rate", "--principal", in[0], "--amount", in[1], "--duration", in[2],
                          "--compounding", periods[period]},
                         {{caption(27), 22}, {caption(30), 23}}, "--growth", 3);
        }
    }
}

}  // namespace
}  // namespace brisanel::cli::testing
