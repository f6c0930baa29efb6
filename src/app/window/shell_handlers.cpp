// Start-up, the menu commands that switch panels, About, and the small reactions of the window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <string_view>

#include "app/dialogs/dialogs.h"
#include "app/window/frm_interest.h"
#include "app/window/maker.h"
#include "details/periods.h"

namespace brisanel::app {

void frmInterest::Form_Load() {
    FillPeriodList();
}

void frmInterest::mnExit_Click() {
    // Ends at once: no close event, so the unload handler does not run. An open planner still
    // asks about its changed plan, and Cancel keeps the program running.
    if (!closePlanner()) return;
    hide();
    QCoreApplication::exit(0);
}

void frmInterest::mnInterest_Click() {
    showPanel("mnInterest");
}

void frmInterest::mnEMI_Click() {
    showPanel("mnEMI");
}

void frmInterest::mnRecovery_Click() {
    showPanel("mnRecovery");
}

void frmInterest::mnFindRate_Click() {
    showPanel("mnFindRate");
}

// Brings the panel of a menu command into view: its height (which pushes the details area out of
// view), its own command disabled and the others enabled, its frame alone shown, its results
// emptied.
void frmInterest::showPanel(const char* command) {
    const auto all = panels();
    const Panel& panel = *std::find_if(all.begin(), all.end(), [command](const Panel& candidate) {
        return std::string_view(candidate.command) == command;
    });
    setOuterHeight(panel.outerHeight);
    Button("ShowDetails")->setText("Show Details");
    if (panel.clearsList) {
        clearList();
        finishClearingList();
        Text2_->show();
    }
    for (const Panel& other : all) Menu(other.command)->setEnabled(&other != &panel);
    for (const Panel& other : all) {
        if (&other != &panel) Frame(other.frame)->hide();
    }
    Frame(panel.frame)->show();
    for (int box : panel.resultBoxes) Text1(box)->clear();
}

const Panel& frmInterest::panelInView() const {
    const auto all = panels();
    return *std::find_if(all.begin(), all.end(),
                         [this](const Panel& panel) { return !Frame(panel.frame)->isHidden(); });
}

void frmInterest::About_Click() {
    const QString text =
        QStringLiteral(
            "Brisanel & Repayment, version %1\r\n"
            "%2, %3. You can download this file\r\n"
            "and many more other useful UTILITY and APPLICATION\r\n"
            "softwares from the following website.\r\n"
            "\r\n"
            "\t%4\r\n"
            "\r\n"
            "Courtesy: %5")
            .arg(BRISANEL_VERSION, kMakerName, kMakerTown, kMakerWebAddress, kMakerEmail);
    dialogs_.message(text, QStringLiteral("Email us at:  ") + kMakerEmail, MessageIcon::Information,
                     MessageButtons::Ok);
}

void frmInterest::Text1_Change(int index) {
    // Editing an input of the rate finder makes its results stale.
    if (index == 6 || index == 13 || index == 21) {
        Text1(22)->clear();
        Text1(23)->clear();
    }
}

void frmInterest::Image4_MouseMove(int /*index*/) {
    Image4(0)->hide();
}

void frmInterest::Frame5_MouseMove() {
    Image4(0)->show();
}

void frmInterest::FillPeriodList() {
    {
        // Adding the first item would select it silently; the selection below is the one that
        // counts.
        const QSignalBlocker quiet(Combo2_);
        for (std::string_view item : details::kPeriodItems)
            Combo2_->addItem(QString::fromUtf8(item));
        Combo2_->setCurrentIndex(-1);
    }
    Combo2_->setCurrentIndex(0);
}

void frmInterest::Combo2_Click() {
    QLabel* unit = Label1(14);
    QPalette palette = unit->palette();
    if (Combo2_->currentIndex() == static_cast<int>(details::Period::Daily)) {
        setCaption(unit, "DAYS");
        palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
    } else {
        setCaption(unit, "Months");
        palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    }
    unit->setPalette(palette);
    Text1(22)->clear();
    Text1(23)->clear();
}

}  // namespace brisanel::app
