#include "app/compare/compare_window.h"

#include <QAction>
#include <QChartView>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "app/command_keys.h"
#include "app/compare/compare_document.h"
#include "app/compare/offer_model.h"
#include "app/compare/result_model.h"
#include "app/contrast.h"
#include "app/dialogs/dialogs.h"
#include "app/dialogs/documents.h"
#include "app/pictures.h"
#include "export/list_file.h"
#include "plan/month_number.h"
#include "plan/offer_table.h"
#include "plan/payment_dates.h"
#include "plan/plan_file.h"

namespace brisanel::app::compare {
namespace {

const QString kTitle = QStringLiteral("Brisanel");
const QString kSuffix = QString::fromLatin1(plan::kComparisonSuffix);
const QString kUntitled = QStringLiteral("offers");
const QColor kWarning(160, 0, 0);

// A choice row's cell is edited with a list of its words; any other with a text box.
class ChoiceDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const QStringList choices = index.data(OfferModel::ChoicesRole).toStringList();
        if (choices.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
        auto* list = new QComboBox(parent);
        list->addItems(choices);
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            list->setCurrentText(index.data(Qt::EditRole).toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, list->currentText());
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

QTableView* table(const char* name, const QString& accessibleName, QAbstractItemModel* model,
                  QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessibleName);
    view->setModel(model);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

}  // namespace

CompareWindow::CompareWindow(Dialogs& dialogs, QWidget* owner)
    : QMainWindow(owner, Qt::Window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowIcon(pictures::coin());
    setAccessibleName(tr("Compare offers"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitCompare"));
    splitter->addWidget(buildInputs());
    splitter->addWidget(buildViews());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    buildCommands();
    new CommandKeys(this);
    applyColours();
    resize(1180, 760);
    updateTitle();
}

CompareWindow::~CompareWindow() = default;

QWidget* CompareWindow::buildInputs() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    offers_ = new OfferModel(this);
    offerTable_ = table("tblOffers", tr("Offers"), offers_, panel);
    offerTable_->setAccessibleDescription(
        tr("A column per offer; type in a cell to change the offer."));
    offerTable_->setItemDelegate(new ChoiceDelegate(offerTable_));
    column->addWidget(offerTable_, 3);

    auto* form = new QFormLayout;
    method_ = new QComboBox(panel);
    method_->setObjectName(QStringLiteral("cmbAprMethod"));
    method_->setAccessibleName(tr("APR method"));
    method_->addItems({tr("EU/UK"), tr("US")});
    horizon_ = new QLineEdit(panel);
    horizon_->setObjectName(QStringLiteral("txtHorizon"));
    horizon_->setAccessibleName(tr("If repaid in full in period or on date"));
    horizon_->setAccessibleDescription(
        tr("A period number or a date (YYYY-MM-DD); empty for none"));
    horizon_->setPlaceholderText(tr("period or YYYY-MM-DD"));
    const auto row = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, panel);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(tr("&APR method"), method_);
    row(tr("If repaid in full in period / on &date"), horizon_);
    column->addLayout(form);

    results_ = new ResultModel(this);
    resultTable_ = table("tblResults", tr("Figures"), results_, panel);
    resultTable_->setAccessibleDescription(
        tr("The figures of each offer; the cheapest by the total amount payable is marked."));
    resultTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    column->addWidget(resultTable_, 2);

    messages_ = new QLabel(panel);
    messages_->setObjectName(QStringLiteral("lblCompareMessages"));
    messages_->setAccessibleDescription(tr("Messages"));
    messages_->setWordWrap(true);
    messages_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(messages_);

    connect(offers_, &OfferModel::offersChanged, this, &CompareWindow::edited);
    connect(method_, &QComboBox::currentIndexChanged, this, &CompareWindow::edited);
    connect(horizon_, &QLineEdit::textChanged, this, &CompareWindow::edited);
    return panel;
}

QWidget* CompareWindow::buildViews() {
    auto* splitter = new QSplitter(Qt::Vertical, this);
    const char* names[] = {"chartCompareBalance", "chartCompareCost"};
    const std::array<QChart*, 2> charts = {charts_.balance(), charts_.cost()};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        auto* view = new QChartView(charts[i], splitter);
        view->setObjectName(QString::fromLatin1(names[i]));
        view->setAccessibleName(tr("%1 chart").arg(charts[i]->title()));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(360, 240);
        chartViews_[i] = view;
        splitter->addWidget(view);
    }
    return splitter;
}

void CompareWindow::buildCommands() {
    QMenu* menu = menuBar()->addMenu(tr("&Comparison"));
    menu->setObjectName(QStringLiteral("mnCompare"));
    const auto command = [&](const char* name, const char* caption, QKeySequence key,
                             auto handler) {
        QAction* action = menu->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    addOffer_ = command("actAddOffer", QT_TR_NOOP("&Add Offer"), QKeySequence(Qt::CTRL | Qt::Key_N),
                        &CompareWindow::addOffer);
    addOfferFromPlan_ = command("actAddOfferFromPlan", QT_TR_NOOP("Add Offer from &Plan File…"), {},
                                &CompareWindow::addOfferFromPlan);
    removeOffer_ = command("actRemoveOffer", QT_TR_NOOP("&Remove Offer"),
                           QKeySequence(Qt::CTRL | Qt::Key_Delete), &CompareWindow::removeOffer);
    menu->addSeparator();
    command("actOpenComparison", QT_TR_NOOP("&Open Comparison…"), QKeySequence::Open,
            &CompareWindow::openComparison);
    needFigures_.push_back(command("actSaveComparison", QT_TR_NOOP("&Save Comparison…"),
                                   QKeySequence::Save, &CompareWindow::saveComparison));
    menu->addSeparator();
    needFigures_.push_back(command("actCopyComparison", QT_TR_NOOP("&Copy as Table"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                   &CompareWindow::copyTable));
    needFigures_.push_back(command("actExportComparisonPdf", QT_TR_NOOP("&Export PDF…"),
                                   QKeySequence(Qt::CTRL | Qt::Key_E), &CompareWindow::exportPdf));
    needFigures_.push_back(command("actPrintComparison", QT_TR_NOOP("&Print…"), QKeySequence::Print,
                                   &CompareWindow::print));
    menu->addSeparator();
    command("actCloseCompare", QT_TR_NOOP("C&lose"), QKeySequence(Qt::Key_Escape),
            &CompareWindow::close);
}

void CompareWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) applyColours();
    QMainWindow::changeEvent(event);
}

void CompareWindow::applyColours() {
    QPalette warning = messages_->palette();
    warning.setColor(QPalette::WindowText, readableOn(kWarning, palette().color(QPalette::Window)));
    messages_->setPalette(warning);
    charts_.setBackground(palette().color(QPalette::Base));
}

void CompareWindow::compareWith(const plan::PlanInputs& plan) {
    plan::PlanInputs first = plan;
    if (first.name.empty()) first.name = tr("Offer 1").toStdString();
    if (offers_->columnCount() == 0) {
        plan::PlanInputs second = first;
        second.name = tr("Offer 2").toStdString();
        offers_->setOffers({first, second});
        setModified(false);
    } else if (!(offers_->offers().front() == first)) {
        const bool keep = modified_ || !fileName_.isEmpty();
        offers_->setOffer(0, first);
        setModified(keep);
    }
    updateTitle();
    show();
    raise();
    activateWindow();
}

std::optional<plan::Horizon> CompareWindow::horizon(QString& problem) const {
    const QString text = horizon_->text().trimmed();
    if (text.isEmpty()) return std::nullopt;
    plan::Horizon horizon;
    if (const auto date = plan::readDate(text.toStdString())) {
        horizon.date = date;
    } else if (const auto period = plan::readMonth(text.toStdString())) {
        horizon.period = period;
    } else {
        problem = tr("Horizon: \"%1\" is not a period or a date (YYYY-MM-DD).").arg(text);
    }
    return horizon;
}

void CompareWindow::edited() {
    setModified(true);
    recompute();
}

void CompareWindow::recompute() {
    compared_.reset();
    QStringList problems = offers_->problems();
    QString horizonProblem;
    const auto at = horizon(horizonProblem);
    if (!horizonProblem.isEmpty()) problems.append(horizonProblem);
    const auto method = method_->currentIndex() == 1 ? plan::AprMethod::Us : plan::AprMethod::Eu;
    std::vector<plan::OfferFigures> figures;
    if (problems.isEmpty()) {
        auto outcome = plan::compareOffers(offers_->offers(), method, at);
        if (auto* refusal = std::get_if<std::string>(&outcome)) {
            problems.append(QString::fromStdString(*refusal));
        } else {
            figures = std::get<std::vector<plan::OfferFigures>>(std::move(outcome));
            compared_ = plan::Comparison{offers_->offers(), method, at};
        }
    }
    charts_.show(figures);
    const QString descriptions[] = {charts_.balanceDescription(), charts_.costDescription()};
    for (std::size_t i = 0; i < chartViews_.size(); ++i) {
        if (chartViews_[i]->accessibleDescription() != descriptions[i])
            chartViews_[i]->setAccessibleDescription(descriptions[i]);
    }
    results_->show(std::move(figures), method, at.has_value());
    messages_->setText(problems.join('\n'));
    for (QAction* action : needFigures_) action->setEnabled(compared_.has_value());
    addOffer_->setEnabled(offers_->columnCount() < plan::kMaxOffers);
    addOfferFromPlan_->setEnabled(offers_->columnCount() < plan::kMaxOffers);
    removeOffer_->setEnabled(offers_->columnCount() > 2);
}

void CompareWindow::addOffer() {
    if (offers_->columnCount() == 0 || offers_->columnCount() >= plan::kMaxOffers) return;
    plan::PlanInputs copy = offers_->offers().back();
    copy.name = tr("Offer %1").arg(offers_->columnCount() + 1).toStdString();
    offers_->addOffer(copy);
}

void CompareWindow::addOfferFromPlan() {
    if (offers_->columnCount() >= plan::kMaxOffers) return;
    const QString name = dialogs_.openFileName(
        tr("Add Offer from Plan File"),
        QFileInfo(suggestedPath(fileName_, kUntitled, kSuffix)).absolutePath(),
        tr("Plan files (*.brisanel-plan *.json)"));
    if (name.isEmpty()) return;
    auto read = plan::readPlanFile(name);
    if (auto* message = std::get_if<std::string>(&read)) {
        dialogs_.message(QString::fromStdString(*message), kTitle, MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return;
    }
    plan::PlanInputs offer = std::get<plan::PlanInputs>(std::move(read));
    if (offer.name.empty()) offer.name = QFileInfo(name).completeBaseName().toStdString();
    offers_->addOffer(std::move(offer));
}

// The offer whose column holds the current cell, else the last.
void CompareWindow::removeOffer() {
    if (offers_->columnCount() <= 2) return;
    const QModelIndex current = offerTable_->currentIndex();
    offers_->removeOffer(current.isValid() ? current.column() : offers_->columnCount() - 1);
}

void CompareWindow::setModified(bool modified) {
    modified_ = modified;
    setWindowModified(modified);
}

void CompareWindow::updateTitle() {
    const QString name =
        fileName_.isEmpty() ? tr("New comparison") : QFileInfo(fileName_).fileName();
    setWindowTitle(tr("%1[*] - Compare offers - Brisanel & Repayment").arg(name));
    setWindowModified(modified_);
}

void CompareWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(settleChanges());
}

bool CompareWindow::settleChanges() {
    return app::settleChanges(
        dialogs_, modified_,
        tr("The comparison has changed since it was last saved. Save the changes?"),
        [this] { return saveComparison(); });
}

bool CompareWindow::saveComparison() {
    if (!compared_) {
        dialogs_.message(tr("The comparison cannot be saved: %1").arg(messages_->text()), kTitle,
                         MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    const QString name =
        dialogs_.saveFileName(tr("Save Comparison"), suggestedPath(fileName_, kUntitled, kSuffix),
                              tr("Comparison files (*.brisanel-compare)"), kSuffix);
    if (name.isEmpty()) return false;
    if (const auto reason = plan::writeComparisonFile(name, *compared_)) {
        dialogs_.message(saving::saveFailedMessage(name, *reason), kTitle, MessageIcon::Critical,
                         MessageButtons::Ok);
        return false;
    }
    fileName_ = name;
    setModified(false);
    updateTitle();
    return true;
}

void CompareWindow::openComparison() {
    if (!settleChanges()) return;
    const QString name = dialogs_.openFileName(
        tr("Open Comparison"),
        QFileInfo(suggestedPath(fileName_, kUntitled, kSuffix)).absolutePath(),
        tr("Comparison files (*.brisanel-compare)"));
    if (!name.isEmpty()) openComparisonFile(name);
}

bool CompareWindow::openComparisonFile(const QString& name) {
    if (!settleChanges()) return false;
    auto read = plan::readComparisonFile(name);
    if (auto* message = std::get_if<std::string>(&read)) {
        dialogs_.message(QString::fromStdString(*message), kTitle, MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return false;
    }
    const plan::Comparison& comparison = std::get<plan::Comparison>(read);
    {
        const QSignalBlocker method(method_), horizon(horizon_);
        method_->setCurrentIndex(comparison.method == plan::AprMethod::Us ? 1 : 0);
        const auto& at = comparison.horizon;
        horizon_->setText(!at        ? QString()
                          : at->date ? QString::fromStdString(plan::isoDate(*at->date))
                                     : QString::number(at->period.value_or(0)));
    }
    std::vector<plan::PlanInputs> offers = comparison.offers;
    for (std::size_t i = 0; i < offers.size(); ++i) {
        if (offers[i].name.empty()) offers[i].name = tr("Offer %1").arg(i + 1).toStdString();
    }
    offers_->setOffers(std::move(offers));
    fileName_ = name;
    setModified(false);
    updateTitle();
    show();
    return true;
}

// The same CSV text as brisanel-calc compare --format csv prints: the core writes both.
void CompareWindow::copyTable() {
    if (!compared_) return;
    const QByteArray csv =
        QByteArray::fromStdString(plan::offersCsv(results_->figures(), results_->hasHorizon()));
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(csv));
    data->setData(QStringLiteral("text/csv"), csv);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString CompareWindow::documentTitle() const {
    return fileName_.isEmpty()
               ? tr("Loan offers compared")
               : tr("Loan offers compared: %1").arg(QFileInfo(fileName_).fileName());
}

void CompareWindow::exportPdf() {
    if (!compared_) return;
    const QString name = dialogs_.saveFileName(
        tr("Export PDF"), suggestedPath(fileName_, kUntitled, QStringLiteral("pdf")),
        tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (name.isEmpty()) return;
    const QByteArray pdf = comparePdf({documentTitle(), *offers_, *results_, results_->figures()});
    const std::optional<QString> error =
        pdf.isEmpty() ? tr("the document could not be drawn") : saving::writeListFile(name, pdf);
    if (error) {
        dialogs_.message(saving::saveFailedMessage(name, *error), kTitle, MessageIcon::Critical,
                         MessageButtons::Ok);
    }
}

void CompareWindow::print() {
    if (!compared_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentTitle());
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!dialogs_.setUpPrinter(printer)) return;
    if (!drawCompareDocument(printer,
                             {documentTitle(), *offers_, *results_, results_->figures()})) {
        dialogs_.message(tr("The comparison could not be printed."), kTitle, MessageIcon::Critical,
                         MessageButtons::Ok);
    }
}

}  // namespace brisanel::app::compare
