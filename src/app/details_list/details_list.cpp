// The details area shared by three panels: the list, and the taller window that reveals it.
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "app/latin1.h"
#include "app/window/frm_interest.h"

namespace brisanel::app {

namespace {

// A row of the details list that keeps its line as a plain string, so that a new table replaces
// it with one assignment; the list's own items keep text as a variant and announce each change.
class TableRow final : public QListWidgetItem {
public:
    static constexpr int kType = QListWidgetItem::UserType + 1;

    explicit TableRow(QString line) : QListWidgetItem(nullptr, kType), line_(std::move(line)) {}

    void setLine(QString line) { line_ = std::move(line); }

    QVariant data(int role) const override {
        if (role == Qt::DisplayRole || role == Qt::EditRole) return line_;
        return QListWidgetItem::data(role);
    }

    void setData(int role, const QVariant& value) override {
        if (role == Qt::DisplayRole || role == Qt::EditRole) line_ = value.toString();
        QListWidgetItem::setData(role, value);  // tells the list
    }

private:
    QString line_;
};

// Puts `lines` into the list from row `first` on, in place of the rows there. Rows that exist
// keep their items and only change their text: deleting and recreating 1800 items would be most
// of what a new table costs. The model stays quiet meanwhile, and the view is reset once at the
// end, as for a new model: no current row, no selection, scrolled to the top.
void putRows(QListWidget& list, int first, const details::TextLines& lines) {
    {
        const QSignalBlocker quiet(list.model());
        const int wanted = first + static_cast<int>(lines.size());
        const int kept = std::min(list.count(), wanted);
        auto line = lines.begin();
        for (int row = first; row < kept; ++row, ++line) {
            QListWidgetItem* item = list.item(row);
            if (item->type() == TableRow::kType) {
                static_cast<TableRow*>(item)->setLine(latin1(*line));
            } else {
                item->setText(latin1(*line));
            }
        }
        for (int row = list.count(); row > wanted; --row) delete list.takeItem(row - 1);
        for (; line != lines.end(); ++line) list.addItem(new TableRow(latin1(*line)));
    }
    list.reset();
    list.verticalScrollBar()->setValue(0);
    list.horizontalScrollBar()->setValue(0);
}

}  // namespace

void frmInterest::clearList() {
    listClearPending_ = true;
}

void frmInterest::finishClearingList() {
    if (!listClearPending_) return;
    listClearPending_ = false;
    List1_->clear();
    listLines_ = {};
    forgetListSource();
}

void frmInterest::fillList(details::TextLines lines) {
    // A new table always follows a clearing; if that is still pending, the new lines take the
    // old rows' places.
    listClearPending_ = false;
    putRows(*List1_, 0, lines);
    listLines_ = std::move(lines);
}

void frmInterest::openOrCloseDetails(bool& open, QPushButton* button,
                                     std::initializer_list<int> inputs) {
    open = !open;
    setOuterHeight(open ? kDetailsOpenHeight : kDetailsClosedHeight);
    button->setText(open ? "Close Details" : "Show Details");
    setLocked(inputs, open);
}

}  // namespace brisanel::app
