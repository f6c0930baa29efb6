// --save writes the file that the window's "Save List" writes, and never replaces one unasked.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "harness.h"

namespace brisanel::cli::testing {
namespace {

class SavedList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        // The window saves into the current folder, the program into its working folder.
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QByteArray bytesOf(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void put(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    CalcRun calc(const QStringList& arguments) const { return runCalc(arguments, folder.path()); }
    QStringList entries() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(SavedList, FilesAreByteIdenticalToTheWindowsForEveryList) {
    {
        Window window;
        window.handlers().mnEMI_Click();
        window.type(20, "1000");
        window.type(19, "3");
        window.type(17, "2");
        window.type(18, "12");
        window.click("ShowDetails");
        window.dialogs.typed.push_back("window-emi");
        window.handlers().PrintList_Click();
    }
    {
        Window window;
        window.handlers().mnRecovery_Click();
        window.click("RecoveryMonths");  // the panel's start texts
        window.dialogs.typed.push_back("window-recovery");
        window.handlers().PrintListM_Click();
    }
    {
        Window window;
        window.selectPeriod(2);
        window.type(13, "15");
        window.click("FindRate");
        window.dialogs.typed.push_back("window-rate");
        window.handlers().Label5_Click();
    }

    // --schedule and --growth only change what is shown, not what is saved.
    EXPECT_EQ(calc({"emi", "--principal", "1000", "--months", "3", "--start-after", "2", "--rate",
                    "12", "--save", "cli-emi"})
                  .exitCode,
              0);
    EXPECT_EQ(calc({"recovery", "--principal", "5000", "--rate", "12.50", "--emi", "600",
                    "--schedule", "--format", "json", "--save", "cli-recovery"})
                  .exitCode,
              0);
    EXPECT_EQ(calc({"rate", "--principal", "5000", "--amount", "6250", "--duration", "15",
                    "--compounding", "half-yearly", "--save=cli-rate"})
                  .exitCode,
              0);

    for (const QString list : {"emi", "recovery", "rate"}) {
        const QByteArray saved = bytesOf("cli-" + list + ".txt");
        EXPECT_EQ(saved, bytesOf("window-" + list + ".txt")) << list.toStdString();
        EXPECT_TRUE(saved.contains("\t")) << list.toStdString();
    }
    EXPECT_TRUE(bytesOf("cli-rate.txt").startsWith("DETAILS OF INTEREST AMOUNT INCREASE\r\n"));
    EXPECT_TRUE(bytesOf("cli-emi.txt").startsWith("DETAILS OF REDUCING BALANCE\r\n"));
}

TEST_F(SavedList, AnExistingFileIsReplacedOnlyWithForce) {
    put("plan.txt", "keep me");
    const QStringList save = {"recovery", "--principal", "5000",   "--rate", "12.5",
                              "--emi",    "600",         "--save", "plan"};

    const CalcRun refused = calc(save);
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.errText().endsWith("List not saved, recommended to try again."))
        << refused.errText().toStdString();
    EXPECT_TRUE(refused.errText().contains("plan.txt"));
    EXPECT_TRUE(refused.out.startsWith("Recovery months: 9\n"));  // the results still stand
    EXPECT_EQ(bytesOf("plan.txt"), "keep me");

    EXPECT_EQ(calc(save + QStringList{"--force"}).exitCode, 0);
    EXPECT_TRUE(bytesOf("plan.txt").startsWith("DETAILS OF REDUCING BALANCE\r\n"));
    EXPECT_EQ(entries(), QStringList{"plan.txt"});  // no temporary file left behind
}

TEST_F(SavedList, NothingIsWrittenForABadFolderOrAFailedCalculation) {
    const CalcRun badFolder = calc({"emi", "--principal", "1000", "--months", "3", "--rate", "12",
                                    "--save", "no-such-folder/plan"});
    EXPECT_EQ(badFolder.exitCode, 4);
    EXPECT_EQ(badFolder.errText(), "Invalid file name, choose different file name.");

    const CalcRun refused =
        calc({"emi", "--principal", "0", "--months", "3", "--rate", "12", "--save", "plan"});
    EXPECT_EQ(refused.exitCode, 2);
    const CalcRun failed = calc(
        {"recovery", "--principal", "5000", "--rate", "12.5", "--emi", "50", "--save", "plan"});
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.errText(), "Check Principal amount, rate and EMI.");
    EXPECT_TRUE(entries().isEmpty()) << entries().join(", ").toStdString();
}

}  // namespace
}  // namespace brisanel::cli::testing
