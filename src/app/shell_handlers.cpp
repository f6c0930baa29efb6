// Start-up, the menu commands that switch panels, About, and the small reactions of the window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/dialogs.h"
#include "app/frm_interest.h"
#include "app/maker.h"
#include "calc/periods.h"

namespace brisanel::app {

void frmInterest::Form_Load() {
    FillPeriodList();
}

void frmInterest::mnExit_Click() {
    // Ends at once: no close event, so the unload handler does not run.
    hide();
    QCoreApplication::exit(0);
}

void frmInterest::mnInterest_Click() {
    Button("ShowDetails")->setText("Show Details");
    setOuterHeight(kInterestsHeight);
    Menu("mnEMI")->setEnabled(true);
    Menu("mnInterest")->setEnabled(false);
    Menu("mnRecovery")->setEnabled(true);
    Menu("mnFindRate")->setEnabled(true);
    Frame(4)->hide();
    Frame(1)->show();
    Frame(3)->hide();
    Frame(2)->hide();
    Text1(3)->clear();
    Text1(4)->clear();
}

void frmInterest::mnEMI_Click() {
    setOuterHeight(kPanelHeight);
    Button("ShowDetails")->setText("Show Details");
    Menu("mnEMI")->setEnabled(false);
    Menu("mnInterest")->setEnabled(true);
    Menu("mnRecovery")->setEnabled(true);
    Menu("mnFindRate")->setEnabled(true);
    Frame(4)->hide();
    Frame(1)->hide();
    Frame(3)->show();
    Frame(2)->hide();
    Text1(14)->clear();
    Text1(15)->clear();
    Text1(16)->clear();
}

void frmInterest::mnRecovery_Click() {
    setOuterHeight(kPanelHeight);
    Button("ShowDetails")->setText("Show Details");
    Menu("mnEMI")->setEnabled(true);
    Menu("mnInterest")->setEnabled(true);
    Menu("mnRecovery")->setEnabled(false);
    Menu("mnFindRate")->setEnabled(true);
    Frame(4)->hide();
    Frame(1)->hide();
    Frame(3)->hide();
    Frame(2)->show();
    Text1(9)->clear();
    Text1(10)->clear();
    Text1(12)->clear();
}

void frmInterest::mnFindRate_Click() {
    setOuterHeight(kPanelHeight);
    Button("ShowDetails")->setText("Show Details");
    List1_->clear();
    Text2_->show();
    Menu("mnFindRate")->setEnabled(false);
    Menu("mnEMI")->setEnabled(true);
    Menu("mnInterest")->setEnabled(true);
    Menu("mnRecovery")->setEnabled(true);
    Frame(1)->hide();
    Frame(2)->hide();
    Frame(3)->hide();
    Frame(4)->show();
    Text1(22)->clear();
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
        for (std::string_view item : calc::kPeriodItems) {
            Combo2_->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
        }
        Combo2_->setCurrentIndex(-1);
    }
    Combo2_->setCurrentIndex(0);
}

void frmInterest::Combo2_Click() {
    QLabel* unit = Label1(14);
    QPalette palette = unit->palette();
    if (Combo2_->currentIndex() == static_cast<int>(calc::Period::Daily)) {
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
