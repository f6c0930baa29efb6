// Saving the details list as a text file (export/list_file).
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/dialogs.h"
#include "app/frm_interest.h"
#include "export/list_file.h"

namespace brisanel::app {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void frmInterest::PrintList_Click() {
    const bool growthTable = Frame(4)->isVisibleTo(this);
    const QString title = qs(growthTable ? saving::kGrowthTitle : saving::kScheduleTitle);
    const QString header = growthTable ? Text3_->text() : Text2_->text();

    const QString fileName =
        saving::fileNameFor(dialogs_.prompt(qs(saving::kNamePrompt), "Brisanel"));
    const auto tell = [this](const QString& text, MessageIcon icon) {
        dialogs_.message(text, "Brisanel", icon, MessageButtons::Ok);
    };

    const saving::Probe probe = saving::probeFile(fileName);
    switch (probe.outcome) {
        case saving::ProbeOutcome::MissingFolder:
            tell(qs(saving::kInvalidName), MessageIcon::Critical);
            return;
        case saving::ProbeOutcome::Refused:
            tell(saving::saveFailedMessage(fileName, probe.reason), MessageIcon::Critical);
            return;
        case saving::ProbeOutcome::Exists:
            if (dialogs_.message(saving::replaceQuestion(fileName), "Brisanel",
                                 MessageIcon::Critical,
                                 MessageButtons::YesNoCancel) != MessageAnswer::Yes) {
                tell(qs(saving::kNotSaved), MessageIcon::Exclamation);
                return;
            }
            break;
        case saving::ProbeOutcome::Missing:
            break;
    }

    QStringList lines;
    lines.reserve(List1_->count());
    for (int row = 0; row < List1_->count(); ++row) lines.append(List1_->item(row)->text());
    if (const auto error =
            saving::writeListFile(fileName, saving::listFileContents(title, header, lines))) {
        tell(saving::saveFailedMessage(fileName, *error), MessageIcon::Critical);
        return;
    }
    tell(qs(saving::kSaved), MessageIcon::Information);
}

void frmInterest::PrintListM_Click() {
    PrintList_Click();
}

void frmInterest::Label5_Click() {
    PrintList_Click();
}

}  // namespace brisanel::app
