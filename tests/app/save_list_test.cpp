// Saving the details list from the window: the name prompt, the replace question, the messages
// and the bytes that reach the file.
#include <QFile>

#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

const QString kSaved = "Congratulations, your current list is saved.";
const QString kNotSaved = "List not saved, recommended to try again.";
const QString kReplace =
    "You are already having a file with the name plan.txt in the default folder.\r\nWould you "
    "still like to save by and replace the original file?";
const QByteArray kScheduleHead =
    "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF      RED. BALANCE      EMI\r\n\r\n";
const QByteArray kGrowthHead =
    "DETAILS OF INTEREST AMOUNT INCREASE\r\n\r\n"
    "SN        END OF         INTEREST      TOTAL AMOUNT\r\n\r\n";

// As a std::string, so that a mismatch prints readably.
std::string bytesOf(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

void put(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SaveList : public WindowTest {
protected:
    SaveList() { choose("mnEMI"); }

    void saveAs(const QString& typed, const QString& trigger = "PrintList") {
        dialogs.typed.push_back(typed);
        click(trigger);
    }

    // The messages shown, all titled "Brisanel" with an OK button unless they ask.
    void expectMessages(const std::vector<std::pair<QString, MessageIcon>>& expected) {
        ASSERT_EQ(dialogs.messages.size(), expected.size())
            << dialogs.texts().join(" / ").toStdString();
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const ShownMessage& shown = dialogs.messages[i];
            EXPECT_EQ(shown.text, expected[i].first);
            EXPECT_EQ(shown.icon, expected[i].second) << shown.text.toStdString();
            EXPECT_EQ(shown.title, "Brisanel");
            EXPECT_EQ(shown.buttons,
                      shown.text == kReplace ? MessageButtons::YesNoCancel : MessageButtons::Ok);
        }
        dialogs.messages.clear();
    }

    CurrentTemporaryFolder folder;
};

TEST_F(SaveList, ANewNameIsWrittenWithoutAQuestion) {
    saveAs("plan");
    EXPECT_EQ(dialogs.prompts, QStringList({"Write a valid file name: | Brisanel"}));
    expectMessages({{kSaved, MessageIcon::Information}});
    EXPECT_EQ(bytesOf("plan.txt"), (kScheduleHead + "\r\n\r\n").toStdString());  // an empty list
    EXPECT_EQ(folder.entries(), QStringList({"plan.txt"}));
}

TEST_F(SaveList, SavingAgainAsksAndOnlyYesReplacesTheFile) {
    fill({20, 19, 18}, {"1000", "3", "12"});
    click("ShowDetails");
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        put("plan.txt", "old list\r\n");
        dialogs.answers.push_back(answer);
        saveAs("plan");
        expectMessages({{kReplace, MessageIcon::Critical}, {kNotSaved, MessageIcon::Exclamation}});
        EXPECT_EQ(bytesOf("plan.txt"), "old list\r\n");
    }
    put("plan.txt", QByteArray(4000, 'x'));
    dialogs.answers.push_back(MessageAnswer::Yes);
    saveAs("plan");
    expectMessages({{kReplace, MessageIcon::Critical}, {kSaved, MessageIcon::Information}});
    // The schedule on show, tabs and all, and nothing of the old content.
    EXPECT_EQ(bytesOf("plan.txt"), (kScheduleHead + "01.   Month 01\tBal.= 1000\t340\r\n"
                                                    "02.   Month 02\tBal.= 0670\t340\r\n"
                                                    "03.   Month 03\tBal.= 0337\t337\r\n\r\n\r\n")
                                       .toStdString());
    EXPECT_EQ(folder.entries(), QStringList({"plan.txt"}));
}

TEST_F(SaveList, ACancelledPromptSavesUnderTheBareExtension) {
    click("PrintList");  // no typed text: the prompt was cancelled
    expectMessages({{kSaved, MessageIcon::Information}});
    EXPECT_EQ(folder.entries(), QStringList({".txt"}));
    click("PrintList");  // the file now exists, so the user is asked first
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("name .txt in the default folder."));
}

TEST_F(SaveList, AMissingFolderOrAFolderOfThatNameIsReportedAndNothingChanges) {
    saveAs("nofolder/plan");
    expectMessages({{"Invalid file name, choose different file name.", MessageIcon::Critical}});
    EXPECT_TRUE(folder.entries().isEmpty());

    ASSERT_TRUE(QDir().mkdir("plan.txt"));
    click("ShowDetails");
    const QStringList schedule = listLines();
    saveAs("plan");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("The list could not be saved to plan.txt"));
    EXPECT_TRUE(QDir("plan.txt").isEmpty());
    EXPECT_EQ(folder.entries(), QStringList({"plan.txt"}));
    EXPECT_EQ(listLines(), schedule);
    EXPECT_EQ(window->outerHeightTwips(), 6930);
}

TEST_F(SaveList, TheTitleFollowsThePanelInViewWhicheverControlSaves) {
    choose("mnFindRate");
    click("FindRate");
    const QByteArray lines = listLines().join("\r\n").toLatin1() + "\r\n\r\n\r\n";
    const auto release = [this](Qt::MouseButton button, QPoint at) {
        mouse(find("Label5"), QEvent::MouseButtonRelease, button, at);
    };
    // Only a left button let go over the label counts as a click.
    release(Qt::RightButton, QPoint(2, 2));
    release(Qt::LeftButton, QPoint(-5, -5));
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    dialogs.typed.push_back("growth");
    release(Qt::LeftButton, QPoint(2, 2));
    EXPECT_EQ(bytesOf("growth.txt"), (kGrowthHead + lines).toStdString());
    // The same lines saved from the recovery panel go under the schedule's title and header.
    choose("mnRecovery");
    saveAs("other", "PrintListM");
    EXPECT_EQ(bytesOf("other.txt"), (kScheduleHead + lines).toStdString());
    expectMessages({{kSaved, MessageIcon::Information}, {kSaved, MessageIcon::Information}});
}

}  // namespace
}  // namespace brisanel::app::testing
