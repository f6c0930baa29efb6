// The planner's Plan menu: open, save, export, print and copy the plan, and settle a changed
// plan before it is closed or replaced.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>

#include "app/compare/compare_window.h"
#include "app/dialogs/dialogs.h"
#include "app/dialogs/documents.h"
#include "app/planner/fees_box.h"
#include "app/planner/plan_document.h"
#include "app/planner/planner_window.h"
#include "export/list_file.h"
#include "plan/comparison_file.h"
#include "plan/plan_file.h"
#include "plan/plan_table.h"

namespace brisanel::app::planner {
namespace {

const QString kTitle = QStringLiteral("Brisanel");
// New plans are saved as .brisanel-plan, the suffix their MIME type claims for the desktop; plans
// saved as .json before open, and save again under their own name.
const QString kPlanSuffix = QStringLiteral("brisanel-plan");
const QString kPlanFilter = QStringLiteral("Plan files (*.brisanel-plan *.json)");
const QString kPdfSuffix = QStringLiteral("pdf");
const QString kUntitled = QStringLiteral("plan");

void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void PlannerWindow::buildCommands() {
    QMenu* menu = menuBar()->addMenu(tr("&Plan"));
    menu->setObjectName(QStringLiteral("mnPlan"));
    const auto command = [&](const char* name, const char* caption, QKeySequence key,
                             auto handler) {
        QAction* action = menu->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    command("actOpenPlan", QT_TR_NOOP("&Open Plan…"), QKeySequence(Qt::CTRL | Qt::Key_O),
            &PlannerWindow::openPlan);
    save_ = command("actSavePlan", QT_TR_NOOP("&Save Plan…"), QKeySequence(Qt::CTRL | Qt::Key_S),
                    &PlannerWindow::savePlan);
    menu->addSeparator();
    exportPdf_ = command("actExportPlanPdf", QT_TR_NOOP("&Export PDF…"),
                         QKeySequence(Qt::CTRL | Qt::Key_E), &PlannerWindow::exportPdf);
    copyTable_ = command("actCopyPlanTable", QT_TR_NOOP("&Copy as Table"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &PlannerWindow::copyTable);
    print_ = command("actPrintPlan", QT_TR_NOOP("&Print…"), QKeySequence::Print,
                     &PlannerWindow::printPlan);
    menu->addSeparator();
    compare_ =
        command("actCompareOffers", QT_TR_NOOP("Compare O&ffers…"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &PlannerWindow::compareOffers);
    menu->addSeparator();
    command("actClosePlanner", QT_TR_NOOP("C&lose"), QKeySequence(Qt::Key_Escape),
            &PlannerWindow::close);
}

void PlannerWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(settleChanges());
}

bool PlannerWindow::settleChanges() {
    return app::settleChanges(dialogs_, modified_,
                              tr("The plan has changed since it was last saved. Save the changes?"),
                              [this] { return savePlan(); });
}

bool PlannerWindow::savePlan() {
    if (!inputs_) {
        dialogs_.message(tr("The plan cannot be saved: %1").arg(messages_->text()), kTitle,
                         MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    // Nothing typed is lost without a word: the rows the file cannot hold are named first.
    if (!unfinishedRows_.isEmpty()) {
        QStringList rows;
        for (int row : std::as_const(unfinishedRows_)) rows.append(QString::number(row));
        const QString question =
            tr("Row(s) %1 of the events has no amount or rate yet and will not be saved. Save "
               "the plan without it?",
               "", static_cast<int>(rows.size()))
                .arg(rows.join(QStringLiteral(", ")));
        if (dialogs_.message(question, kTitle, MessageIcon::Exclamation,
                             MessageButtons::OkCancel) != MessageAnswer::Ok) {
            return false;
        }
    }
    const QString name = dialogs_.saveFileName(
        tr("Save Plan"),
        fileName_.isEmpty() ? suggestedPath(fileName_, kUntitled, kPlanSuffix) : fileName_,
        kPlanFilter, kPlanSuffix);
    if (name.isEmpty()) return false;
    if (const auto reason = plan::writePlanFile(name, *inputs_)) {
        dialogs_.message(saving::saveFailedMessage(name, *reason), kTitle, MessageIcon::Critical,
                         MessageButtons::Ok);
        return false;
    }
    fileName_ = name;
    // The rows left out are still on screen and not in the file.
    setModified(!unfinishedRows_.isEmpty());
    updateTitle();
    return true;
}

void PlannerWindow::openPlan() {
    if (!settleChanges()) return;
    const QString folder =
        QFileInfo(suggestedPath(fileName_, kUntitled, kPlanSuffix)).absolutePath();
    const QString name = dialogs_.openFileName(tr("Open Plan"), folder, kPlanFilter);
    if (name.isEmpty()) return;
    showPlanFile(name);
}

bool PlannerWindow::openPlanFile(const QString& name) {
    return settleChanges() && showPlanFile(name);
}

bool PlannerWindow::showPlanFile(const QString& name) {
    auto read = plan::readPlanFile(name);
    if (auto* message = std::get_if<std::string>(&read)) {
        dialogs_.message(QString::fromStdString(*message), kTitle, MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return false;
    }
    fileName_ = name;
    setInputs(std::get<plan::PlanInputs>(read));
    setModified(false);
    updateTitle();
    return true;
}

void PlannerWindow::exportPdf() {
    if (!result_ || !inputs_) return;
    const QString name =
        dialogs_.saveFileName(tr("Export PDF"), suggestedPath(fileName_, kUntitled, kPdfSuffix),
                              tr("PDF files (*.pdf)"), kPdfSuffix);
    if (name.isEmpty()) return;
    const QByteArray pdf = planPdf({*inputs_, *result_, years_, fees_->method()});
    const std::optional<QString> error =
        pdf.isEmpty() ? tr("the document could not be drawn") : saving::writeListFile(name, pdf);
    if (error) {
        dialogs_.message(saving::saveFailedMessage(name, *error), kTitle, MessageIcon::Critical,
                         MessageButtons::Ok);
    }
}

compare::CompareWindow* PlannerWindow::compareWindow() {
    if (!compareWindow_) compareWindow_ = new compare::CompareWindow(dialogs_, this);
    return compareWindow_;
}

void PlannerWindow::compareOffers() {
    if (!inputs_) return;
    compareWindow()->compareWith(*inputs_);
    bringForward(compareWindow_);
}

bool PlannerWindow::openComparisonFile(const QString& name) {
    if (!compareWindow()->openComparisonFile(name)) return false;
    bringForward(compareWindow_);
    return true;
}

// A comparison by its contents, whatever the file is called; anything else, a missing file
// included, is for the plan reader to open or to say why not.
bool PlannerWindow::openFile(const QString& name) {
    QFile file(name);
    if (file.open(QIODevice::ReadOnly) && plan::isComparison(file.readAll())) {
        return openComparisonFile(name);
    }
    if (!openPlanFile(name)) return false;
    bringForward(this);
    return true;
}

// The same document as the PDF, on the printer chosen.
void PlannerWindow::printPlan() {
    if (!result_ || !inputs_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle().remove(QStringLiteral("[*]")));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!dialogs_.setUpPrinter(printer)) return;
    if (!drawPlanDocument(printer, {*inputs_, *result_, years_, fees_->method()})) {
        dialogs_.message(tr("The plan could not be printed."), kTitle, MessageIcon::Critical,
                         MessageButtons::Ok);
    }
}

// The same CSV text as brisanel-calc prints for the plan's schedule: the engine writes both.
void PlannerWindow::copyTable() {
    if (!result_) return;
    const QByteArray csv = QByteArray::fromStdString(plan::scheduleCsv(result_->plan.rows));
    auto* data = new QMimeData;
    data->setText(QString::fromLatin1(csv));
    data->setData(QStringLiteral("text/csv"), csv);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace brisanel::app::planner
