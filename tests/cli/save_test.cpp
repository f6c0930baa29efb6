// --save writes the file that the window's "Save List" writes, and never replaces one unasked.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "harness.h"

namespace brisanel::cli::testing {
namespace {

class SavedList : public ::testing::Test {
protected:
    // The window saves into the current folder, the program into its working folder.
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(folder.path())); }
    void TearDown() override { QDir::setCurrent(previous); }

    QByteArray bytesOf(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    int calc(const QStringList& arguments) const {
        return runCalc(arguments, folder.path()).exitCode;
    }
    QStringList entries() const { return QDir(folder.path()).entryList(QDir::Files); }

    QString previous = QDir::currentPath();
    QTemporaryDir folder;
};

TEST_F(SavedList, FilesAreByteIdenticalToTheWindowsForBothTitles) {
    Window emi;
    emi.handlers.mnEMI_Click();
    emi.fill({20, 19, 17, 18}, {"1000", "3", "2", "12"});
    emi.click("ShowDetails");
    emi.dialogs.typed.push_back("window-emi");
    emi.handlers.PrintList_Click();
    Window rate;
    rate.find<QComboBox>("Combo2")->setCurrentIndex(2);
    rate.fill({13}, {"15"});
    rate.click("FindRate");
    rate.dialogs.typed.push_back("window-rate");
    rate.handlers.Label5_Click();

    // --schedule and the format only change what is shown, not what is saved.
    EXPECT_EQ(calc({"emi", "--principal", "1000", "--months", "3", "--start-after", "2", "--rate",
                    "12", "--schedule", "--format", "json", "--save", "cli-emi"}),
              0);
    EXPECT_EQ(calc({"rate", "--principal", "5000", "--amount", "6250", "--duration", "15",
                    "--compounding", "half-yearly", "--save=cli-rate"}),
              0);
    EXPECT_TRUE(bytesOf("cli-emi.txt").startsWith("DETAILS OF REDUCING BALANCE\r\n"));
    EXPECT_EQ(bytesOf("cli-emi.txt"), bytesOf("window-emi.txt"));
    EXPECT_TRUE(bytesOf("cli-rate.txt").startsWith("DETAILS OF INTEREST AMOUNT INCREASE\r\n"));
    EXPECT_EQ(bytesOf("cli-rate.txt"), bytesOf("window-rate.txt"));
}

TEST_F(SavedList, AnExistingFileIsReplacedOnlyWithForce) {
    QFile old(folder.filePath("plan.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("keep me") == 7);
    old.close();
    const QStringList save = {"recovery", "--principal", "5000",   "--rate", "12.5",
                              "--emi",    "600",         "--save", "plan"};

    const CalcRun refused = runCalc(save, folder.path());
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.errText().contains("plan.txt"));
    EXPECT_TRUE(refused.errText().endsWith("List not saved, recommended to try again."));
    EXPECT_TRUE(refused.out.startsWith("Recovery months: 9\n"));  // the results still stand
    EXPECT_EQ(bytesOf("plan.txt"), "keep me");

    EXPECT_EQ(calc(save + QStringList{"--force"}), 0);
    EXPECT_TRUE(bytesOf("plan.txt").startsWith("DETAILS OF REDUCING BALANCE\r\n"));
    EXPECT_EQ(entries(), QStringList{"plan.txt"});  // no temporary file left behind
}

TEST_F(SavedList, NothingIsWrittenForABadFolderOrAFailedCalculation) {
    const CalcRun badFolder = runCalc({"emi", "--principal", "1000", "--months", "3", "--rate",
                                       "12", "--save", "no-such-folder/plan"},
                                      folder.path());
    EXPECT_EQ(badFolder.exitCode, 4);
    EXPECT_EQ(badFolder.errText(), "Invalid file name, choose different file name.");
    EXPECT_EQ(calc({"emi", "--principal", "0", "--months", "3", "--rate", "12", "--save", "plan"}),
              2);
    EXPECT_EQ(calc({"recovery", "--principal", "5000", "--rate", "12.5", "--emi", "50", "--save",
                    "plan"}),
              3);
    EXPECT_TRUE(entries().isEmpty()) << entries().join(", ").toStdString();
}

}  // namespace
}  // namespace brisanel::cli::testing
