// The command line itself: help and man page, option forms, and what a mistyped command gets.
#include <QFile>

#include "cli/command_line.h"
#include "harness.h"

namespace brisanel::cli::testing {
namespace {

TEST(CommandLine, EveryCommandHasHelpAndTheManPageDocumentsEveryOption) {
    QFile page(QStringLiteral(BRISANEL_CALC_MANPAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll()).replace("\\-", "-");  // roff's "\-"
    const CalcRun overview = runCalc({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    for (const CommandDefinition& definition : commandDefinitions()) {
        const QString command = QString::fromLatin1(definition.name);
        EXPECT_TRUE(QString::fromUtf8(overview.out).contains("  " + command + " "));
        EXPECT_TRUE(manual.contains(".B brisanel-calc " + command));
        const CalcRun help = runCalc({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(
            help.out.startsWith("Usage: brisanel-calc " + command.toUtf8() + " --principal"));
        for (const OptionDefinition& option : definition.options) {
            const QString name = "--" + QString::fromLatin1(option.name);
            EXPECT_TRUE(help.out.contains(name.toUtf8())) << name.toStdString();
            EXPECT_TRUE(manual.contains(name)) << "the man page lacks " << name.toStdString();
        }
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
    EXPECT_TRUE(runCalc({"emi", "--principal", "1000", "--months", "12", "--start-after", "-3",
                         "--rate", "12", "--schedule"})
                    .out.contains("01.   Month -02\t"));
    // Rule and period names ignore case.
    EXPECT_EQ(runCalc({"interest", "--principal", "5000", "--months", "24", "--rate", "12.50",
                       "--rule", "Monthly"})
                  .out,
              "Interest: 1412\nGross amount: 6412\n");
    // An empty value is an empty box.
    const CalcRun empty = runCalc({"rate", "--principal", "5000", "--amount", "", "--duration",
                                   "24", "--compounding", "simple"});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_EQ(empty.err,
              "Principal with Interest amount must be equal to\r\nor greater than Principal "
              "Amount.\n");
}

TEST(CommandLine, MistakesAreRefusedWithStatusTwoAndAPointer) {
    const QStringList emi = {"emi", "--principal", "1", "--months", "3", "--rate", "4"};
    const QStringList interest = {"interest", "--principal", "1", "--months", "3", "--rate", "4"};
    const QList<std::pair<QStringList, QString>> mistakes = {
        {{}, "missing command"},
        {{"loan"}, "unknown command 'loan'"},
        {{"interest", "--months", "24", "--rate", "12", "--rule", "simple"}, "missing --principal"},
        {interest + QStringList{"--rule", "weekly"}, "invalid value 'weekly' for --rule"},
        {{"rate", "--principal", "1", "--amount", "2", "--duration", "3", "--compounding",
          "annually"},
         "invalid value 'annually' for --compounding"},
        {emi + QStringList{"--principal", "2"}, "--principal is given twice"},
        {{"emi", "--principal", "1", "--months", "3", "--rate"}, "--rate needs a value"},
        {emi + QStringList{"--format", "xml"}, "invalid value 'xml' for --format"},
        {emi + QStringList{"--force"}, "--force needs --save"},
        {emi + QStringList{"--schedule=yes"}, "--schedule takes no value"},
        {interest + QStringList{"--rule", "simple", "--save", "plan"}, "unknown option '--save'"},
        {{"recovery", "5000"}, "unexpected argument '5000'"},
    };
    for (const auto& [arguments, message] : mistakes) {
        const CalcRun run = runCalc(arguments);
        SCOPED_TRACE(run.errText().toStdString());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errText().startsWith("brisanel-calc: " + message + "\n"));
        EXPECT_TRUE(run.errText().endsWith("--help'."));
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
