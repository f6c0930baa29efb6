#include "app/planner/event_table.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <tuple>

#include "app/planner/plan_texts.h"
#include "export/table_csv.h"
#include "numeric/number_rules.h"
#include "plan/month_number.h"
#include "plan/words.h"

namespace brisanel::app::planner {
namespace {

using plan::kEventKinds;
constexpr int kKindRole = Qt::UserRole;  // the kind's place in kEventKinds

QString kindText(plan::EventKind kind) {
    return planText(plan::wordsOf(kind).name);
}

int placeOf(plan::EventKind kind) {
    return static_cast<int>(&plan::wordsOf(kind) - kEventKinds.data());
}

// Editors that hand every change to the table at once: a list of kinds, boxes for the rest.
class EventDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* self = const_cast<EventDelegate*>(this);
        if (index.column() == EventTable::Kind) {
            auto* list = new QComboBox(parent);
            for (const plan::KindWords& words : kEventKinds) list->addItem(planText(words.name));
            list->setAccessibleName(QStringLiteral("Kind of event"));
            connect(list, &QComboBox::currentIndexChanged, self,
                    [self, list] { emit self->commitData(list); });
            return list;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor)) {
            box->setAccessibleName(
                index.model()->headerData(index.column(), Qt::Horizontal).toString());
            connect(box, &QLineEdit::textEdited, self, [self, box] { emit self->commitData(box); });
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(index.data(kKindRole).toInt());
            return;
        }
        // A box being typed in keeps its cursor: the text it committed comes back unchanged.
        auto* box = qobject_cast<QLineEdit*>(editor);
        if (box && box->text() == index.data(Qt::EditRole).toString()) return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            const int kind = list->currentIndex();
            if (model->data(index, kKindRole).toInt() == kind) return;
            model->setData(index, planText(kEventKinds[static_cast<std::size_t>(kind)].name),
                           Qt::DisplayRole);
            model->setData(index, kind, kKindRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

QString cellText(const QTableWidgetItem* item) {
    return item ? item->text().trimmed() : QString();
}

// The shortest text that reads back as the same number, so an amount opened from a file is the
// file's to the last digit.
QString numberText(double value) {
    return QString::fromStdString(saving::fullPrecision(value));
}

// A month's number, or the date that stands for it.
QString monthOrDateText(std::optional<int> month, std::optional<QDate> date) {
    if (date) return QString::fromStdString(plan::isoDate(*date));
    return month ? QString::number(*month) : QString();
}

}  // namespace

EventTable::EventTable(QWidget* parent) : QTableWidget(0, ColumnCount, parent) {
    setHorizontalHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Amount or rate %"),
                               QStringLiteral("Month or date"), QStringLiteral("Until")});
    setItemDelegate(new EventDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);  // Tab leaves the table, as it leaves every other control
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(Kind, QHeaderView::Stretch);
    for (int column : {Value, Month, Until}) {
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_) return;
        if (item->column() == Kind) setKind(item->row(), kindAt(item->row()));
        emit eventsChanged();
    });
}

void EventTable::appendRow(int row, const plan::Event& event) {
    insertRow(row);
    setItem(row, Kind, new QTableWidgetItem);
    setItem(row, Value,
            new QTableWidgetItem(event.value > 0 ? numberText(event.value) : QString()));
    setItem(row, Month, new QTableWidgetItem(monthOrDateText(event.month, event.date)));
    setItem(row, Until, new QTableWidgetItem(monthOrDateText(event.until, event.untilDate)));
    for (int column : {Value, Month, Until}) {
        item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    item(row, Kind)->setData(kKindRole, placeOf(event.kind));
    setKind(row, event.kind);
}

// The kind's name shows in its cell, and only a monthly extra has a last month.
void EventTable::setKind(int row, plan::EventKind kind) {
    QTableWidgetItem* until = item(row, Until);
    if (!until) return;
    const bool wasFilling = filling_;
    filling_ = true;
    if (item(row, Kind)->text() != kindText(kind)) item(row, Kind)->setText(kindText(kind));
    const bool monthly = kind == plan::EventKind::MonthlyExtra;
    until->setFlags(monthly ? until->flags() | Qt::ItemIsEditable
                            : until->flags() & ~Qt::ItemIsEditable);
    if (!monthly) until->setText(QString());
    filling_ = wasFilling;
}

plan::EventKind EventTable::kindAt(int row) const {
    const int kind = item(row, Kind)->data(kKindRole).toInt();
    return kEventKinds[static_cast<std::size_t>(
                           std::clamp(kind, 0, static_cast<int>(kEventKinds.size()) - 1))]
        .kind;
}

void EventTable::setEvents(const std::vector<plan::Event>& events) {
    filling_ = true;
    setRowCount(0);
    for (const plan::Event& event : events) appendRow(rowCount(), event);
    filling_ = false;
}

void EventTable::addEvent() {
    const int row = currentIndex().isValid() ? currentRow() + 1 : rowCount();
    filling_ = true;
    appendRow(row, {plan::EventKind::MonthlyExtra, 0, std::nullopt, std::nullopt});
    filling_ = false;
    setCurrentCell(row, Value);
    setFocus(Qt::OtherFocusReason);
    editItem(item(row, Value));
    emit eventsChanged();
}

void EventTable::removeEvents() {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.insert(index.row());
    if (rows.empty() && currentIndex().isValid()) rows.insert(currentRow());
    if (rows.empty()) return;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) removeRow(*row);
    if (rowCount() > 0) setCurrentCell(std::min(*rows.begin(), rowCount() - 1), Kind);
    emit eventsChanged();
}

std::variant<std::vector<plan::Event>, QString> EventTable::events(QList<int>* unfinished) const {
    std::vector<plan::Event> events;
    events.reserve(static_cast<std::size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row) {
        plan::Event event;
        event.kind = kindAt(row);
        // "Rate change in row 2: the month "x" is not a whole number."
        const auto refuse = [&](const char* what, const QString& text, const QString& problem) {
            return QStringLiteral("%1 in row %2: the %3 \"%4\" %5.")
                .arg(kindText(event.kind))
                .arg(row + 1)
                .arg(QLatin1String(what), text, problem);
        };
        const QString value = cellText(item(row, Value));
        if (value.isEmpty()) {
            if (unfinished) unfinished->append(row + 1);
            continue;
        }
        const auto number = numeric::numberIn(value.toStdString());
        if (!number) return refuse("amount or rate", value, tr("is not a number"));
        event.value = *number;
        for (const auto& [column, month, date, what] :
             {std::tuple{Month, &event.month, &event.date, "month"},
              {Until, &event.until, &event.untilDate, "until month"}}) {
            const QString text = cellText(item(row, column));
            if (text.isEmpty()) continue;
            const auto read = plan::readMonthOrDate(text.toStdString());
            if (!read) return refuse(what, text, planText(plan::kNotAMonthOrDate));
            *month = read->month;
            *date = read->date;
        }
        events.push_back(event);
    }
    return events;
}

}  // namespace brisanel::app::planner
