// Saving the details list as a text file (export/list_file): the window asks for the name and
// answers the save's questions with its dialogs.
#include <QGroupBox>
#include <QPushButton>

#include "app/dialogs/dialogs.h"
#include "app/window/frm_interest.h"
#include "export/list_file.h"

namespace brisanel::app {
namespace {

class DialogConversation final : public saving::SaveConversation {
public:
    explicit DialogConversation(Dialogs& dialogs) : dialogs_(dialogs) {}

    bool replaceExisting(const QString& fileName) override {
        return dialogs_.message(saving::replaceQuestion(fileName), "Brisanel",
                                MessageIcon::Critical,
                                MessageButtons::YesNoCancel) == MessageAnswer::Yes;
    }

    void tell(saving::SaveNotice notice, const QString& text) override {
        const MessageIcon icon = notice == saving::SaveNotice::Saved      ? MessageIcon::Information
                                 : notice == saving::SaveNotice::NotSaved ? MessageIcon::Exclamation
                                                                          : MessageIcon::Critical;
        dialogs_.message(text, "Brisanel", icon, MessageButtons::Ok);
    }

private:
    Dialogs& dialogs_;
};

}  // namespace

void frmInterest::PrintList_Click() {
    // The title and header are those of the panel in view, whatever the list holds.
    const Panel& panel = panelInView();
    const QString typed = dialogs_.prompt(QString::fromUtf8(saving::kNamePrompt), "Brisanel");
    DialogConversation conversation(dialogs_);
    saving::saveList(typed, {panel.title, panel.header, listLines_}, conversation);
}

void frmInterest::PrintListM_Click() {
    PrintList_Click();
}

void frmInterest::Label5_Click() {
    PrintList_Click();
}

// Ctrl+S: what the panel's own save control does. The "Interests" panel has no list to save.
void frmInterest::saveListOfPanelInView() {
    const char* name = panelInView().saveControl;
    if (!name) return;
    if (QPushButton* button = Button(name)) {
        button->click();
    } else {
        Label5_Click();
    }
}

}  // namespace brisanel::app
