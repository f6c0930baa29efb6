// Takes pictures of the calculator window, one per panel with its results written and one with
// the details list open, and writes them as PNG files into the folder given.
// Usage: brisanel_screenshots FOLDER
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/compare/offer_model.h"
#include "app/dialogs/dialogs.h"
#include "app/translations.h"
#include "app/window/frm_interest.h"

namespace {

using brisanel::app::frmInterest;
using brisanel::app::MessageAnswer;
using brisanel::app::MessageButtons;
using brisanel::app::MessageIcon;

/// Nobody is there to answer: every message is remembered, and any message spoils the pictures.
class Unattended final : public brisanel::app::Dialogs {
public:
    MessageAnswer message(const QString& text, const QString& /*title*/, MessageIcon /*icon*/,
                          MessageButtons /*buttons*/) override {
        messages.append(text);
        return MessageAnswer::Cancel;
    }
    QString prompt(const QString& text, const QString& /*title*/) override {
        messages.append(text);
        return {};
    }
    QString saveFileName(const QString& title, const QString&, const QString&,
                         const QString&) override {
        messages.append(title);
        return {};
    }
    QString openFileName(const QString& title, const QString&, const QString&) override {
        messages.append(title);
        return {};
    }
    bool setUpPrinter(QPrinter&) override {
        messages.append("Print");
        return false;
    }

    QStringList messages;
};

struct Picture {
    const char* file;
    std::vector<const char*> steps;  // menu commands and buttons, by name, in order
    bool listMenu = false;           // with the details list's context menu open
    bool planner = false;            // the loan planner that the steps opened, with a plan
    bool compare = false;            // Compare Offers that the steps opened, with three offers
};

const Picture kPictures[] = {
    {"interests.png", {"mnInterest", "CompoundMonthly"}},
    {"find-emi.png", {"mnEMI", "EMI"}},
    {"recovery-months.png", {"mnRecovery", "RecoveryMonths"}},
    {"find-interest-rate.png", {"mnFindRate", "FindRate"}},
    {"details-list.png", {"mnEMI", "ShowDetails"}},
    {"list-context-menu.png", {}, true},
    {"loan-planner.png", {"mnEMI", "ShowDetails", "actPlan"}, false, true},
    {"compare-offers.png", {"actCompareOffers"}, false, false, true},
};

bool perform(frmInterest& window, const char* name) {
    if (auto* command = window.findChild<QAction*>(name)) {
        command->trigger();
        return true;
    }
    if (auto* button = window.findChild<QPushButton*>(name)) {
        button->click();
        return true;
    }
    return false;
}

// The window with some lines of the details list selected and its context menu open over them,
// as a right click opens it. Null if no menu opened.
QPixmap withListMenu(frmInterest& window) {
    auto* list = window.findChild<QListWidget*>("List1");
    for (int row = 2; row <= 4; ++row) list->item(row)->setSelected(true);
    const QPoint at = list->visualItemRect(list->item(4)).center();
    QPixmap picture;
    // The menu runs its own event loop; the picture is taken from inside it.
    QTimer::singleShot(0, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        if (!menu) return;
        if (auto* actions = qobject_cast<QMenu*>(menu)) {
            actions->setActiveAction(window.findChild<QAction*>("actCopyCsv"));
        }
        const QPoint offset = menu->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint());
        picture = QPixmap(window.size().expandedTo(QSize(offset.x(), offset.y()) + menu->size()));
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, window.grab());
        painter.drawPixmap(offset, menu->grab());
        menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &click);
    list->clearSelection();
    return picture;
}

// The planner with a plan: 100 more each month in the second year, the rate up to 14% from month
// 20, 1000 once in month 30, and the loan to be repaid by month 28.
QPixmap plannerWithPlan(frmInterest& window) {
    auto* planner = window.findChild<QMainWindow*>("frmPlanner");
    auto* table = planner->findChild<QTableWidget*>("tblEvents");
    const struct {
        int kind;
        const char* value;
        const char* month;
        const char* until;
    } events[] = {{0, "100", "13", "24"}, {3, "14", "20", ""}, {2, "1000", "30", ""}};
    for (const auto& event : events) {
        planner->findChild<QPushButton*>("btnAddEvent")->click();
        const int row = table->rowCount() - 1;
        table->item(row, 0)->setData(Qt::UserRole, event.kind);
        for (int column = 1; column <= 3; ++column) {
            const char* text = column == 1 ? event.value : column == 2 ? event.month : event.until;
            table->item(row, column)->setText(QString::fromLatin1(text));
        }
    }
    table->setCurrentCell(-1, -1);
    planner->findChild<QLineEdit*>("txtFinishBy")->setText("28");
    // Paid on the 15th from January 2027, a fee at signing, the summary by UK tax year.
    planner->findChild<QCheckBox*>("chkFirstPayment")->setChecked(true);
    planner->findChild<QDateEdit*>("dateFirstPayment")->setDate(QDate(2027, 1, 15));
    planner->findChild<QLineEdit*>("txtUpfrontFee")->setText("250");
    planner->findChild<QComboBox*>("cmbYears")->setCurrentIndex(3);
    planner->resize(1280, 800);  // as it opens on a desktop screen
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    QApplication::processEvents();
    return planner->grab();
}

// The plan beside two other offers: a lower rate with a fee at signing, and a longer term.
QPixmap compareWithOffers(frmInterest& window) {
    auto* compare = window.findChild<QMainWindow*>("frmCompare");
    QAbstractItemModel* offers = compare->findChild<QTableView*>("tblOffers")->model();
    const auto edit = [offers](int row, int offer, const char* text) {
        offers->setData(offers->index(row, offer), QString::fromLatin1(text));
    };
    using Row = brisanel::app::compare::OfferModel;
    edit(Row::Name, 0, "Plan");
    edit(Row::Name, 1, "Bank B");
    edit(Row::Rate, 1, "10.5");
    edit(Row::UpfrontFee, 1, "1%");
    compare->findChild<QAction*>("actAddOffer")->trigger();
    edit(Row::Name, 2, "Bank C");
    edit(Row::Payments, 2, "60");
    edit(Row::Rate, 2, "9.9");
    compare->resize(1180, 760);
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    QApplication::processEvents();
    return compare->grab();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    brisanel::app::installTranslations(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisanel_screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "brisanel_screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    Unattended dialogs;
    frmInterest window(dialogs);
    window.show();
    for (const Picture& picture : kPictures) {
        for (const char* step : picture.steps) {
            if (!perform(window, step)) {
                std::fprintf(stderr, "brisanel_screenshots: no control named %s\n", step);
                return 1;
            }
        }
        // A focused box would show its text cursor, blinking or not depending on the moment.
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        QApplication::processEvents();
        if (!dialogs.messages.isEmpty()) {
            std::fprintf(stderr, "brisanel_screenshots: %s: the window said \"%s\"\n", picture.file,
                         qPrintable(dialogs.messages.join("\", \"")));
            return 1;
        }
        const QString path = folder.filePath(QString::fromUtf8(picture.file));
        const QPixmap shot = picture.listMenu  ? withListMenu(window)
                             : picture.planner ? plannerWithPlan(window)
                             : picture.compare ? compareWithOffers(window)
                                               : window.grab();
        if (!shot.save(path, "PNG")) {
            std::fprintf(stderr, "brisanel_screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(QDir::cleanPath(path)));
    }
    return 0;
}
