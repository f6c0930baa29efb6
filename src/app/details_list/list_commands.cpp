// The details list's commands, on its context menu: copy the lines, copy the table behind them as
// CSV, export them as a PDF and print them. The handlers that fill the list keep what it came
// from, so that the commands describe that table, whatever the boxes hold since.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPrinter>
#include <optional>
#include <span>
#include <vector>

#include "app/details_list/list_document.h"
#include "app/dialogs/dialogs.h"
#include "app/latin1.h"
#include "app/window/captions.h"
#include "app/window/frm_interest.h"
#include "export/list_file.h"
#include "export/table_csv.h"

namespace brisanel::app {
namespace {

// The boxes each panel's table is described by, in the panel's order.
struct PanelBoxes {
    std::span<const char* const> inputs;
    std::span<const char* const> results;
};

constexpr const char* kEmiInputs[] = {"Text1(20)", "Text1(17)", "Text1(18)", "Text1(19)"};
constexpr const char* kEmiResults[] = {"Text1(14)", "Text1(15)", "Text1(16)"};
constexpr const char* kRecoveryInputs[] = {"Text1(5)", "Text1(7)", "Text1(8)", "Text1(11)"};
constexpr const char* kRecoveryResults[] = {"Text1(12)", "Text1(9)", "Text1(10)"};
constexpr const char* kRateInputs[] = {"Text1(6)", "Text1(21)", "Combo2", "Text1(13)"};
constexpr const char* kRateResults[] = {"Text1(22)", "Text1(23)"};

PanelBoxes boxesOf(ListKind kind) {
    switch (kind) {
        case ListKind::Schedule:
            return {kEmiInputs, kEmiResults};
        case ListKind::Recovery:
            return {kRecoveryInputs, kRecoveryResults};
        case ListKind::Growth:
            break;
    }
    return {kRateInputs, kRateResults};
}

QString textOf(const QWidget* control) {
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control)) return list->currentText();
    return {};
}

// The selected lines in list order, or every line when none is selected; LF between them.
QString linesToCopy(const QListWidget& list, const details::TextLines& lines) {
    std::vector<bool> selected(lines.size());
    bool any = false;
    for (const QItemSelectionRange& range : list.selectionModel()->selection()) {
        const int last = std::min(range.bottom(), static_cast<int>(lines.size()) - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row) {
            selected[static_cast<std::size_t>(row)] = true;
            any = true;
        }
    }
    QByteArray text;
    text.reserve(static_cast<qsizetype>(lines.size() * 40));
    bool first = true;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (any && !selected[row]) continue;
        if (!first) text.append('\n');
        first = false;
        const std::string_view line = lines[row];
        text.append(line.data(), static_cast<qsizetype>(line.size()));
    }
    return QString::fromLatin1(text);
}

// The same CSV text as brisanel-calc prints for the table: the core writes both.
void copyTable(const ListRows& rows) {
    const auto* growth = std::get_if<details::GrowthRows>(&rows);
    const QByteArray csv = QByteArray::fromStdString(
        growth ? saving::growthCsv(*growth)
               : saving::scheduleCsv(std::get<details::ScheduleRows>(rows)));
    auto* data = new QMimeData;
    data->setText(QString::fromLatin1(csv));
    data->setData(QStringLiteral("text/csv"), csv);  // for programs that take CSV as such
    QGuiApplication::clipboard()->setMimeData(data);
}

ListDocument documentOf(const ListSource& source, const details::TextLines& lines) {
    const bool growth = source.kind == ListKind::Growth;
    return {growth ? saving::kGrowthTitle : saving::kScheduleTitle, source.inputs, source.results,
            growth ? details::kGrowthHeader : details::kScheduleHeader, lines};
}

QString suggestedPdf(ListKind kind) {
    const char* name = kind == ListKind::Schedule   ? "emi-schedule.pdf"
                       : kind == ListKind::Recovery ? "recovery-schedule.pdf"
                                                    : "growth-table.pdf";
    return QDir::current().filePath(QString::fromLatin1(name));
}

void tellFailure(Dialogs& dialogs, const QString& text) {
    dialogs.message(text, QStringLiteral("Brisanel"), MessageIcon::Critical, MessageButtons::Ok);
}

// Written whole or not at all, as the text file is: a failure leaves an existing file as it was.
void exportPdf(Dialogs& dialogs, const ListSource& source, const details::TextLines& lines) {
    QString fileName = dialogs.saveFileName(QStringLiteral("Export PDF"), suggestedPdf(source.kind),
                                            QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty()) return;
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) fileName += ".pdf";
    const QByteArray pdf = listPdf(documentOf(source, lines));
    const std::optional<QString> error = pdf.isEmpty()
                                             ? QStringLiteral("the document could not be drawn")
                                             : saving::writeListFile(fileName, pdf);
    if (error) tellFailure(dialogs, saving::saveFailedMessage(fileName, *error));
}

void print(Dialogs& dialogs, const ListSource& source, const details::TextLines& lines) {
    QPrinter printer(QPrinter::HighResolution);
    const ListDocument document = documentOf(source, lines);
    printer.setDocName(latin1(document.title));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!dialogs.setUpPrinter(printer)) return;
    if (!drawListDocument(printer, document, printer.pageRanges())) {
        tellFailure(dialogs, QStringLiteral("The list could not be printed."));
    }
}

}  // namespace

void frmInterest::buildListCommands() {
    List1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1_->setContextMenuPolicy(Qt::ActionsContextMenu);  // right click and the Menu key
    const auto command = [this](const char* name, const QString& caption, auto handler) {
        auto* action = new QAction(caption, List1_);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false);  // until the list holds a table
        connect(action, &QAction::triggered, this, [this, handler] {
            if (listSource_) handler(*listSource_);
        });
        List1_->addAction(action);
        return action;
    };
    QAction* copy = command("actCopy", QStringLiteral("Copy"), [this](const ListSource&) {
        QGuiApplication::clipboard()->setText(linesToCopy(*List1_, listLines_));
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);  // a box's Ctrl+C copies the box's text
    command("actCopyCsv", QStringLiteral("Copy as Table"),
            [](const ListSource& source) { copyTable(source.rows); });
    auto* separator = new QAction(List1_);
    separator->setSeparator(true);
    List1_->addAction(separator);
    command("actExportPdf", QStringLiteral("Export PDF…"),
            [this](const ListSource& source) { exportPdf(dialogs_, source, listLines_); });
    command("actPrint", QStringLiteral("Print…"),
            [this](const ListSource& source) { print(dialogs_, source, listLines_); });
}

void frmInterest::keepListSource(ListKind kind, ListRows rows, bool withResults) {
    const auto figures = [this](std::span<const char* const> boxes) {
        std::vector<ListFigure> kept;
        for (const char* box : boxes) {
            kept.push_back(
                {captionOf(*this, box), textOf(controls_.value(QString::fromLatin1(box)))});
        }
        return kept;
    };
    const PanelBoxes boxes = boxesOf(kind);
    listSource_ = ListSource{kind, std::move(rows), figures(boxes.inputs),
                             withResults ? figures(boxes.results) : std::vector<ListFigure>()};
    for (QAction* action : List1_->actions()) action->setEnabled(!listLines_.empty());
    actPlan_->setEnabled(!listLines_.empty() && kind != ListKind::Growth);
}

void frmInterest::forgetListSource() {
    listSource_.reset();
    for (QAction* action : List1_->actions()) action->setEnabled(false);
}

}  // namespace brisanel::app
