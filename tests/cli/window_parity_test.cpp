// The same inputs through the window's handlers and through brisanel-calc: identical result
// texts and list lines, or the identical message with the matching exit status.
#include <QSet>

#include "harness.h"

namespace brisanel::cli::testing {
namespace {

QString boxLine(const QString& caption, const QString& text) {
    return caption + ":" + (text.isEmpty() ? "" : " " + text) + "\n";
}

QString listBlock(const QString& header, const QStringList& lines) {
    QString block = "\n" + header + "\n";
    for (const QString& line : lines) block += line + "\n";
    return block;
}

/// Compares one run with the window that took the same inputs. `windowFailed` tells whether the
/// window's calculation stopped without a message; `expectedOut` is what the window shows.
void expectParity(const Window& window, bool windowFailed, const QString& expectedOut,
                  const CalcRun& run, const QString& what) {
    SCOPED_TRACE(what.toStdString());
    static const QSet<QString> runTimeMessages = {"Check your input data.",
                                                  "Check Principal amount, rate and EMI."};
    const QStringList messages = window.messages();
    ASSERT_LE(messages.size(), 1) << messages.join(" / ").toStdString();
    if (!messages.isEmpty()) {
        EXPECT_EQ(run.exitCode, runTimeMessages.contains(messages.front()) ? 3 : 2);
        EXPECT_EQ(run.errText(), messages.front());
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    } else if (windowFailed) {
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_TRUE(run.errText().startsWith("brisanel-calc: the calculation stopped"))
            << run.errText().toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    } else {
        EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
        EXPECT_EQ(QString::fromUtf8(run.out), expectedOut);
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

TEST(WindowParity, InterestUnderEveryRule) {
    const QStringList rules = {"simple", "annually", "quarterly", "monthly", "daily"};
    const QStringList buttons = {"SimpleInt", "CompoundAnnually", "CompdQuarterly",
                                 "CompoundMonthly", "CompdDaily"};
    const QList<QStringList> cases = {
        {"5000", "24", "12.50"},      {"1", "1", "1"},  // an interest that rounds to an empty box
        {"123456789", "1.5", "12.5"},  // fractional months, more digits than the pattern
        {"1000", "12", "200"},        {"0", "24", "12.5"},    {"5000", "abc", "12.5"},
        {"5000", "24", "200.01"},     {"1e308", "24", "100"},  // overflow
        {" 5000 ", "2.4e1", "12"},                             // spaces and an exponent
    };
    for (int rule = 0; rule < rules.size(); ++rule) {
        for (const QStringList& inputs : cases) {
            Window window;
            window.type(0, inputs[0]);
            window.type(1, inputs[1]);
            window.type(2, inputs[2]);
            window.click(buttons[rule]);
            const CalcRun run = runCalc({"interest", "--principal", inputs[0], "--months",
                                         inputs[1], "--rate", inputs[2], "--rule", rules[rule]});
            expectParity(
                window, false,
                boxLine("Interest", window.box(3)) + boxLine("Gross amount", window.box(4)), run,
                rules[rule] + " " + inputs.join(" / "));
        }
    }
}

TEST(WindowParity, EmiWithItsSchedule) {
    // principal, months, start after, rate
    const QList<QStringList> cases = {
        {"5000", "48", "0", "12.50"}, {"1000", "3", "0", "12"},      {"1000", "3", "2", "12"},
        {"1000", "12", "-3", "12"},   {"1000", "120", "0", "9"},     {"1000", "1", "0", "12"},
        {"1000", "12.5", "0", "12"},  {"1000", "0.5", "0", "12"},    {"1000", "0.3", "0", "12"},
        {"1000", "1800", "0", "12"},  {"1000", "1800.5", "0", "12"}, {"1000", "12", "12", "12"},
        {"abc", "12", "0", "12"},     {"1000", "12", "0", "0"},      {"1000", "12", "40000", "12"},
        {"1000", "12", "2.5", "12"},
    };
    for (const QStringList& inputs : cases) {
        Window window;
        window.type(20, inputs[0]);
        window.type(19, inputs[1]);
        window.type(17, inputs[2]);
        window.type(18, inputs[3]);
        window.click("ShowDetails");
        const QStringList arguments = {"emi",      "--principal", inputs[0],
                                       "--months", inputs[1],     "--start-after",
                                       inputs[2],  "--rate",      inputs[3]};
        const bool failed = window.box(14).isEmpty();
        const QString results = boxLine("Calculated EMI", window.box(14)) +
                                boxLine("Gross Interest", window.box(15)) +
                                boxLine("Gross Recovery", window.box(16));
        const QString what = inputs.join(" / ");
        expectParity(window, failed, results, runCalc(arguments), what);
        expectParity(window, failed, results + listBlock(window.header(2), window.listLines()),
                     runCalc(arguments + QStringList{"--schedule"}), what + " with schedule");
    }
}

TEST(WindowParity, RecoveryMonthsWithTheirLines) {
    // principal, rate, start after, instalment
    const QList<QStringList> cases = {
        {"5000", "12.50", "0", "600"},  {"1000", "12", "0", "340"},
        {"1000", "12", "2", "340"},     {"1000", "12", "0", "2000"},
        {"5000", "12.5", "0", "50"},    {"5000", "12.5", "-1", "600"},
        {"5000", "12.5", "2.5", "600"}, {"5000", "12.5", "0", "0"},
        {"5000", "201", "0", "600"},    {"5000", "12.5", "40000", "600"},
        {"100000", "12", "0", "1001"},
    };
    for (const QStringList& inputs : cases) {
        Window window;
        window.type(5, inputs[0]);
        window.type(7, inputs[1]);
        window.type(8, inputs[2]);
        window.type(11, inputs[3]);
        window.click("RecoveryMonths");
        const QStringList arguments = {"recovery", "--principal",   inputs[0],
                                       "--rate",   inputs[1],       "--emi",
                                       inputs[3],  "--start-after", inputs[2]};
        const bool failed = window.box(12).isEmpty();
        const QString results = boxLine("Recovery months", window.box(12)) +
                                boxLine("Gross Recovery", window.box(9)) +
                                boxLine("Gross Interest", window.box(10));
        const QString what = inputs.join(" / ");
        expectParity(window, failed, results, runCalc(arguments), what);
        expectParity(window, failed, results + listBlock(window.header(2), window.listLines()),
                     runCalc(arguments + QStringList{"--schedule"}), what + " with schedule");
    }
}

TEST(WindowParity, RateUnderEveryPeriodWithItsGrowth) {
    const QStringList periods = {"simple",    "yearly",  "half-yearly",
                                 "quarterly", "monthly", "daily"};
    // principal, principal with interest, duration
    const QList<QStringList> cases = {
        {"5000", "6250", "24"},   {"5000", "6250", "15"},   {"5000", "6250", "18"},
        {"1000", "1000", "3"},    {"5000", "6250", "730"},  {"5000", "6250", "3"},
        {"5000", "6250", "1801"}, {"5000", "6250", "5401"}, {"5000", "4999", "24"},
        {"5000", "6250", "0.4"},  {"5000", "6250", "3.5"},  {"5000", "6250", "40000"},
        {"1", "1e300", "1"},  // an overflow part-way
    };
    for (int period = 0; period < periods.size(); ++period) {
        for (const QStringList& inputs : cases) {
            Window window;
            window.selectPeriod(period);
            window.type(6, inputs[0]);
            window.type(21, inputs[1]);
            window.type(13, inputs[2]);
            window.click("FindRate");
            const QStringList arguments = {"rate",     "--principal",   inputs[0],
                                           "--amount", inputs[1],       "--duration",
                                           inputs[2],  "--compounding", periods[period]};
            // The rate boxes always show digits after a calculation that got through.
            const bool failed = window.box(22).isEmpty();
            const QString results = boxLine("Interest rate " + window.caption(27), window.box(22)) +
                                    boxLine("Interest rate " + window.caption(30), window.box(23));
            const QString what = periods[period] + " " + inputs.join(" / ");
            expectParity(window, failed, results, runCalc(arguments), what);
            expectParity(window, failed, results + listBlock(window.header(3), window.listLines()),
                         runCalc(arguments + QStringList{"--growth"}), what + " with growth");
        }
    }
}

}  // namespace
}  // namespace brisanel::cli::testing
