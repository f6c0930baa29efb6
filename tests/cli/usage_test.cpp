// The command line itself: help and man page, option forms, and what a mistyped command gets.
#include <QFile>
#include <QRegularExpression>

#include "harness.h"

namespace brisanel::cli::testing {
namespace {

const QStringList kCommands = {"interest", "emi", "recovery", "rate"};

QStringList optionsIn(const QString& text) {
    QStringList options;
    const QRegularExpression option(R"(--([a-z][a-z-]*))");
    for (auto match = option.globalMatch(text); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (!options.contains(name)) options.append(name);
    }
    return options;
}

TEST(CommandLine, EveryCommandHasHelpAndTheManPageDocumentsEveryOption) {
    QFile page(QStringLiteral(BRISANEL_CALC_MANPAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // Roff writes a hyphen as "\-".
    const QString manual = QString::fromUtf8(page.readAll()).replace("\\-", "-");

    const CalcRun overview = runCalc({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    for (const QString& command : kCommands) {
        EXPECT_TRUE(QString::fromUtf8(overview.out).contains("  " + command + " "));
        const CalcRun help = runCalc({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        const QString text = QString::fromUtf8(help.out);
        EXPECT_TRUE(text.startsWith("Usage: brisanel-calc " + command + " --principal AMOUNT"));
        const QStringList options = optionsIn(text);
        EXPECT_GE(options.size(), 6) << command.toStdString();
        for (const QString& option : options) {
            EXPECT_TRUE(manual.contains("--" + option))
                << "the man page lacks --" << option.toStdString();
        }
        EXPECT_TRUE(manual.contains(".B brisanel-calc " + command));
    }
}

TEST(CommandLine, OptionFormsAndDefaultsReachTheSameCalculation) {
    const CalcRun spaced = runCalc(
        {"emi", "--principal", "5000", "--months", "48", "--rate", "12.50", "--start-after", "0"});
    EXPECT_EQ(spaced.exitCode, 0);
    EXPECT_EQ(spaced.out, "Calculated EMI: 133\nGross Interest: 1379\nGross Recovery: 6379\n");
    // Options in any order, with "=", and the start delay left at its default of 0.
    EXPECT_EQ(runCalc({"emi", "--rate=12.50", "--months=48", "--principal", "5000"}).out,
              spaced.out);
    // The word after a value option is its value, even when it looks like an option.
    const CalcRun negative = runCalc({"emi", "--principal", "1000", "--months", "12",
                                      "--start-after", "-3", "--rate", "12", "--schedule"});
    EXPECT_EQ(negative.exitCode, 0);
    EXPECT_TRUE(negative.out.contains("01.   Month -02\t")) << negative.out.toStdString();
    // Rule and period names ignore case.
    EXPECT_EQ(runCalc({"interest", "--principal", "5000", "--months", "24", "--rate", "12.50",
                       "--rule", "Monthly"})
                  .out,
              "Interest: 1412\nGross amount: 6412\n");
}

TEST(CommandLine, AnEmptyValueIsAnEmptyBox) {
    const CalcRun run = runCalc({"rate", "--principal", "5000", "--amount", "", "--duration", "24",
                                 "--compounding", "simple"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "Principal with Interest amount must be equal to\r\n"
              "or greater than Principal Amount.\n");
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CommandLine, MistakesAreRefusedWithStatusTwoAndAPointer) {
    const QList<std::pair<QStringList, QString>> mistakes = {
        {{}, "missing command"},
        {{"loan"}, "unknown command 'loan'"},
        {{"interest", "--months", "24", "--rate", "12", "--rule", "simple"}, "missing --principal"},
        {{"interest", "--principal", "1", "--months", "24", "--rate", "12", "--rule", "weekly"},
         "invalid value 'weekly' for --rule"},
        {{"rate", "--principal", "1", "--amount", "2", "--duration", "3", "--compounding",
          "annually"},
         "invalid value 'annually' for --compounding"},
        {{"emi", "--principal", "1", "--principal", "2", "--months", "3", "--rate", "4"},
         "--principal is given twice"},
        {{"emi", "--principal", "1", "--months", "3", "--rate"}, "--rate needs a value"},
        {{"emi", "--principal", "1", "--months", "3", "--rate", "4", "--format", "xml"},
         "invalid value 'xml' for --format"},
        {{"emi", "--principal", "1", "--months", "3", "--rate", "4", "--force"},
         "--force needs --save"},
        {{"emi", "--principal", "1", "--months", "3", "--rate", "4", "--growth"},
         "unknown option '--growth'"},
        {{"emi", "--principal", "1", "--months", "3", "--rate", "4", "--schedule=yes"},
         "--schedule takes no value"},
        {{"interest", "--principal", "1", "--months", "3", "--rate", "4", "--rule", "simple",
          "--save", "plan"},
         "unknown option '--save'"},
        {{"recovery", "5000"}, "unexpected argument '5000'"},
    };
    for (const auto& [arguments, message] : mistakes) {
        const CalcRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errText().startsWith("brisanel-calc: " + message + "\n"))
            << run.errText().toStdString();
        EXPECT_TRUE(run.errText().endsWith("--help'.")) << run.errText().toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CommandLine, ResultsThatCannotBeWrittenAreNotReportedAsDone) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to write to";
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(QStringLiteral(BRISANEL_CALC), {"emi", "--principal", "5000", "--months", "1800",
                                                  "--rate", "12.5", "--schedule"});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("could not be written"));
}

}  // namespace
}  // namespace brisanel::cli::testing
