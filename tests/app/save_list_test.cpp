// Saving the details list from the window: the name prompt, the replace question, the messages
// and the bytes that reach the file.
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
const QString kReplace =
    "You are already having a file with the name plan.txt in the default folder.\r\nWould you "
    "still like to save by and replace the original file?";
const QByteArray kScheduleTitle = "DETAILS OF REDUCING BALANCE";
const QByteArray kScheduleHeader = "SN   END OF      RED. BALANCE      EMI";
const QByteArray kGrowthTitle = "DETAILS OF INTEREST AMOUNT INCREASE";
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
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
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
              "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF      RED. BALANCE      EMI\r\n\r\n"
              "\r\n\r\n");
    EXPECT_EQ(folderEntries(), QStringList({"plan.txt"}));
}

TEST_F(SaveList, SavingAgainAsksAndOnlyYesReplacesTheFile) {
    choose("mnEMI");
    type(19, "3");
    click("ShowDetails");
    ASSERT_EQ(list()->count(), 3);

    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        put("plan.txt", "old list\r\n");
        dialogs.answers.push_back(answer);
        saveAs("plan");
        expectMessages({{kReplace, MessageIcon::Critical}, {kNotSaved, MessageIcon::Exclamation}});
        EXPECT_EQ(dialogs.messages.front().buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(dialogs.messages.back().buttons, MessageButtons::Ok);
        EXPECT_EQ(bytesOf("plan.txt"), "old list\r\n");
        dialogs.messages.clear();
    }

    put("plan.txt", QByteArray(4000, 'x'));
    dialogs.answers.push_back(MessageAnswer::Yes);
    saveAs("plan");
    expectMessages({{kReplace, MessageIcon::Critical}, {kSaved, MessageIcon::Information}});
    // The schedule on show, tabs and all, and nothing of the old content.
    EXPECT_EQ(bytesOf("plan.txt"), fileOf(kScheduleTitle, kScheduleHeader, listLines()));
    EXPECT_EQ(folderEntries(), QStringList({"plan.txt"}));
}

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
    expectMessages({{"Invalid file name, choose different file name.", MessageIcon::Critical}});
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(SaveList, AFolderOfThatNameIsReportedAndLeftAlone) {
    ASSERT_TRUE(QDir().mkdir("plan.txt"));
    choose("mnEMI");
    click("ShowDetails");
    const QStringList schedule = listLines();
    saveAs("plan");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().icon, MessageIcon::Critical);
    EXPECT_TRUE(
        dialogs.messages.front().text.startsWith("The list could not be saved to plan.txt"));
    EXPECT_TRUE(QDir("plan.txt").isEmpty());
    EXPECT_EQ(folderEntries(), QStringList({"plan.txt"}));
    EXPECT_EQ(listLines(), schedule);
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
}

TEST_F(SaveList, TheTitleFollowsThePanelInViewWhicheverControlSaves) {
    // The window starts on the rate panel; a rate calculation leaves its growth table.
    click("FindRate");
    const QStringList growth = listLines();
    ASSERT_FALSE(growth.isEmpty());
    QLabel* label5 = find<QLabel>("Label5");
    const auto release = [label5](Qt::MouseButton button, QPoint at) {
        QMouseEvent event(QEvent::MouseButtonRelease, at, label5->mapToGlobal(at), button,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label5, &event);
    };
    // Only a left button let go over the label counts as a click.
    release(Qt::RightButton, QPoint(2, 2));
    release(Qt::LeftButton, QPoint(-5, -5));
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    dialogs.typed.push_back("growth");
    release(Qt::LeftButton, QPoint(2, 2));
    EXPECT_EQ(bytesOf("growth.txt"), fileOf(kGrowthTitle, kGrowthHeader, growth));

    // The same lines saved from the recovery panel go under the schedule's title and header.
    choose("mnRecovery");
    ASSERT_EQ(listLines(), growth);
    saveAs("other", "PrintListM");
    EXPECT_EQ(bytesOf("other.txt"), fileOf(kScheduleTitle, kScheduleHeader, growth));
    EXPECT_EQ(dialogs.texts(), QStringList({kSaved, kSaved}));
}

}  // namespace
}  // namespace brisanel::app::testing
