// Saving the details list from the window: the name prompt, the replace question, the messages
// and the bytes that reach the file.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

const QString kSaved = "Congratulations, your current list is saved.";
const QString kNotSaved = "List not saved, recommended to try again.";
const QString kInvalidName = "Invalid file name, choose different file name.";
const QByteArray kScheduleHeader = "SN   END OF      RED. BALANCE      EMI";
const QByteArray kGrowthHeader = "SN        END OF         INTEREST      TOTAL AMOUNT";

/// Runs in a fresh temporary folder as the current working directory, where names without a
/// folder land.
class SaveList : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // As a std::string, so that a mismatch prints readably.
    static std::string bytesOf(const QString& name) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll().toStdString();
    }

    static void put(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // What the file should hold: every line ends in CR LF, an empty line before and after the
    // list, and an empty closing line.
    static std::string fileOf(const QByteArray& title, const QByteArray& header,
                              const QStringList& lines) {
        QByteArray bytes = title + "\r\n\r\n" + header + "\r\n\r\n";
        for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
        return (bytes + "\r\n\r\n").toStdString();
    }

    void saveAs(const QString& typed, const QString& trigger = "PrintList") {
        dialogs.typed.push_back(typed);
        click(trigger);
    }

    void fillWithTheThreeMonthLoan() {
        choose("mnEMI");
        type(20, "1000");
        type(19, "3");
        type(17, "0");
        type(18, "12");
        click("ShowDetails");
        ASSERT_EQ(list()->count(), 3);
    }

    void expectMessages(std::initializer_list<std::pair<QString, MessageIcon>> expected) const {
        ASSERT_EQ(dialogs.messages.size(), expected.size())
            << dialogs.texts().join(" / ").toStdString();
        auto shown = dialogs.messages.begin();
        for (const auto& [text, icon] : expected) {
            EXPECT_EQ(shown->text, text);
            EXPECT_EQ(shown->icon, icon) << text.toStdString();
            EXPECT_EQ(shown->title, "Brisanel");
            ++shown;
        }
    }

    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(SaveList, ANewNameIsWrittenWithoutAQuestion) {
    choose("mnEMI");
    saveAs("plan");

    EXPECT_EQ(dialogs.prompts, QStringList({"Write a valid file name: | Brisanel"}));
    expectMessages({{kSaved, MessageIcon::Information}});
    EXPECT_EQ(dialogs.messages.front().buttons, MessageButtons::Ok);
    // An empty list still makes a file of six lines.
    EXPECT_EQ(bytesOf("plan.txt"),
              "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF      RED. BALANCE      "
              "EMI\r\n\r\n\r\n\r\n");
    EXPECT_EQ(folderEntries(), QStringList({"plan.txt"}));
}

TEST_F(SaveList, WritesTheScheduleOnShowWithItsTabs) {
    fillWithTheThreeMonthLoan();
    saveAs("plan");

    expectMessages({{kSaved, MessageIcon::Information}});
    EXPECT_EQ(bytesOf("plan.txt"),
              "DETAILS OF REDUCING BALANCE\r\n"
              "\r\n"
              "SN   END OF      RED. BALANCE      EMI\r\n"
              "\r\n"
              "01.   Month 01\tBal.= 1000\t340\r\n"
              "02.   Month 02\tBal.= 0670\t340\r\n"
              "03.   Month 03\tBal.= 0337\t337\r\n"
              "\r\n"
              "\r\n");
}

TEST_F(SaveList, TheTitleFollowsThePanelInView) {
    // The window starts on the rate panel; a rate calculation leaves its growth table.
    click("FindRate");
    const QStringList growth = listLines();
    ASSERT_FALSE(growth.isEmpty());
    saveAs("growth");
    EXPECT_EQ(bytesOf("growth.txt"),
              fileOf("DETAILS OF INTEREST AMOUNT INCREASE", kGrowthHeader, growth));

    // The same lines saved from the recovery panel go under the schedule's title and header.
    choose("mnRecovery");
    ASSERT_EQ(listLines(), growth);
    saveAs("other", "PrintListM");
    EXPECT_EQ(bytesOf("other.txt"), fileOf("DETAILS OF REDUCING BALANCE", kScheduleHeader, growth));
}

TEST_F(SaveList, SavingAgainAsksAndYesReplacesTheWholeFile) {
    put("plan.txt", QByteArray(4000, 'x'));
    fillWithTheThreeMonthLoan();
    dialogs.answers.push_back(MessageAnswer::Yes);
    saveAs("plan");

    expectMessages({{"You are already having a file with the name plan.txt in the default "
                     "folder.\r\nWould you still like to save by and replace the original file?",
                     MessageIcon::Critical},
                    {kSaved, MessageIcon::Information}});
    EXPECT_EQ(dialogs.messages.front().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(bytesOf("plan.txt"),
              fileOf("DETAILS OF REDUCING BALANCE", kScheduleHeader, listLines()));
}

class DeclinedReplace : public SaveList, public ::testing::WithParamInterface<MessageAnswer> {};

TEST_P(DeclinedReplace, KeepsTheOldBytesAndSaysSo) {
    put("plan.txt", "old list\r\n");
    fillWithTheThreeMonthLoan();
    dialogs.answers.push_back(GetParam());
    saveAs("plan");

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[1].text, kNotSaved);
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(bytesOf("plan.txt"), "old list\r\n");
    EXPECT_EQ(folderEntries(), QStringList({"plan.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Answers, DeclinedReplace,
                         ::testing::Values(MessageAnswer::No, MessageAnswer::Cancel),
                         [](const auto& info) {
                             return info.param == MessageAnswer::No ? "No" : "Cancel";
                         });

TEST_F(SaveList, ACancelledPromptSavesUnderTheBareExtension) {
    choose("mnEMI");
    click("PrintList");  // no typed text: the prompt was cancelled
    expectMessages({{kSaved, MessageIcon::Information}});
    EXPECT_TRUE(QFile::exists(".txt"));

    // The second time that file exists, so the user is asked first.
    click("PrintList");
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("name .txt in the default folder."));
}

TEST_F(SaveList, AMissingFolderIsAnInvalidName) {
    choose("mnEMI");
    saveAs("nofolder/plan");
    expectMessages({{kInvalidName, MessageIcon::Critical}});
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(SaveList, AFolderOfThatNameIsReportedAndLeftAlone) {
    ASSERT_TRUE(QDir().mkdir("plan.txt"));
    fillWithTheThreeMonthLoan();
    const QStringList schedule = listLines();
    saveAs("plan");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages.front().text.contains("plan.txt"));
    EXPECT_NE(dialogs.messages.front().text, kSaved);
    EXPECT_TRUE(QDir("plan.txt").isEmpty());
    EXPECT_EQ(folderEntries(), QStringList({"plan.txt"}));
    EXPECT_EQ(listLines(), schedule);
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
}

TEST_F(SaveList, AFolderThatRefusesWritingIsReported) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    ASSERT_TRUE(QDir().mkdir("locked"));
    ASSERT_TRUE(QFile::setPermissions("locked", QFile::ReadOwner | QFile::ExeOwner));
    choose("mnEMI");
    saveAs("locked/plan");
    QFile::setPermissions("locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().icon, MessageIcon::Critical);
    EXPECT_TRUE(QDir("locked").isEmpty());
}

TEST_F(SaveList, TheRecoveryButtonAndTheRateLabelSaveToo) {
    choose("mnRecovery");
    click("RecoveryMonths");
    saveAs("months", "PrintListM");
    EXPECT_EQ(bytesOf("months.txt"),
              fileOf("DETAILS OF REDUCING BALANCE", kScheduleHeader, listLines()));

    choose("mnFindRate");
    click("FindRate");
    QLabel* label5 = find<QLabel>("Label5");
    const auto release = [label5](Qt::MouseButton button, QPoint at) {
        QMouseEvent event(QEvent::MouseButtonRelease, at, label5->mapToGlobal(at), button,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label5, &event);
    };
    // Only a left button let go over the label counts as a click.
    release(Qt::RightButton, QPoint(2, 2));
    release(Qt::LeftButton, QPoint(-5, -5));
    EXPECT_EQ(dialogs.prompts.size(), 1);

    dialogs.typed.push_back("growth");
    release(Qt::LeftButton, QPoint(2, 2));
    EXPECT_EQ(dialogs.prompts.size(), 2);
    EXPECT_EQ(bytesOf("growth.txt"),
              fileOf("DETAILS OF INTEREST AMOUNT INCREASE", kGrowthHeader, listLines()));
    EXPECT_EQ(dialogs.texts(), QStringList({kSaved, kSaved}));
}

}  // namespace
}  // namespace brisanel::app::testing
