// Saving the details list from the window: the name prompt, the replace question, the messages
// and the bytes that reach the file.
#include "export/list_file.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

const Told kSaved = {"Congratulations, your current list is saved.", MessageIcon::Information,
                     MessageButtons::Ok};

// As a std::string, so that a mismatch prints readably.
std::string bytesOf(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

/// Each test saves into a fresh temporary folder, made the current folder while it runs.
class SaveList : public WindowTest {
protected:
    /// The file of the list on show: title, header, and the list's own lines.
    std::string listFile(const QString& title, int headerBox) const {
        QString file = title + "\r\n\r\n" + header(headerBox)->text() + "\r\n\r\n";
        for (const QString& line : listLines()) file += line + "\r\n";
        return (file + "\r\n\r\n").toStdString();
    }

    CurrentTemporaryFolder folder;
};

TEST_F(SaveList, EachSaveControlWritesTheListUnderTheTitleOfThePanelInView) {
    click("FindRate");
    QWidget* label = find("Label5");
    mouse(label, QEvent::MouseButtonRelease, Qt::RightButton);  // only a left click on it saves
    mouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, {-5, -5});
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    dialogs.typed = {"growth", "recovery", "emi"};
    mouse(label, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(bytesOf("growth.txt"), listFile("DETAILS OF INTEREST AMOUNT INCREASE", 3));
    choose("mnRecovery");  // the same lines, now under the schedule's title and header
    click("PrintListM");
    EXPECT_EQ(bytesOf("recovery.txt"), listFile("DETAILS OF REDUCING BALANCE", 2));
    choose("mnEMI");
    click("ShowDetails");
    click("PrintList");
    EXPECT_EQ(bytesOf("emi.txt"), listFile("DETAILS OF REDUCING BALANCE", 2));
    EXPECT_EQ(dialogs.prompts, QStringList(3, "Write a valid file name: | Brisanel"));
    expectTold({kSaved, kSaved, kSaved});
}

TEST_F(SaveList, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
    QFile old("plan.txt");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old list\r\n"));
    old.close();
    const Told question = {saving::replaceQuestion("plan.txt"), MessageIcon::Critical,
                           MessageButtons::YesNoCancel};
    choose("mnEMI");
    dialogs.typed = {"plan", "plan"};
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    click("PrintList");
    expectTold({question,
                {"List not saved, recommended to try again.", MessageIcon::Exclamation,
                 MessageButtons::Ok}});
    EXPECT_EQ(bytesOf("plan.txt"), "old list\r\n");
    click("PrintList");
    expectTold({question, kSaved});
    EXPECT_EQ(bytesOf("plan.txt"), listFile("DETAILS OF REDUCING BALANCE", 2));
}

TEST_F(SaveList, AMissingFolderIsAnInvalidName) {
    choose("mnEMI");
    dialogs.typed = {"nofolder/plan"};
    click("PrintList");
    expectTold({{"Invalid file name, choose different file name.", MessageIcon::Critical,
                 MessageButtons::Ok}});
    EXPECT_TRUE(folder.entries().isEmpty());
}

}  // namespace
}  // namespace brisanel::app::testing
