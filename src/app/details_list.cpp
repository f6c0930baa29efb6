// The details area shared by three panels: the list, and the taller window that reveals it.
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "app/frm_interest.h"

namespace brisanel::app {

namespace {

QStringList listItems(const details::TextLines& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    // The core writes plain ASCII, for which Latin-1 is the quickest exact reading.
    for (std::string_view line : lines) {
        items.append(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    }
    return items;
}

// Puts `items` in place of the list's rows. The rows both tables have keep their items and only
// change their text: deleting and recreating 1800 items is most of what a new table would cost.
// The model stays quiet meanwhile, and the view is reset once at the end, as for a new model.
void rewriteRows(QListWidget& list, const QStringList& items) {
    {
        const QSignalBlocker quiet(list.model());
        const int kept = std::min(list.count(), static_cast<int>(items.size()));
        for (int row = 0; row < kept; ++row) list.item(row)->setText(items[row]);
        for (int row = list.count(); row > kept; --row) delete list.takeItem(row - 1);
        if (kept < items.size()) list.addItems(items.mid(kept));
    }
    list.reset();  // no current row and no selection, as after clearing
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
}

void frmInterest::fillList(const details::TextLines& lines) {
    const QStringList items = listItems(lines);
    if (listClearPending_) {
        listClearPending_ = false;
        rewriteRows(*List1_, items);
    } else {
        List1_->addItems(items);  // one insertion for the whole table
    }
}

void frmInterest::openOrCloseDetails(bool& open, QPushButton* button,
                                     std::initializer_list<int> inputs) {
    open = !open;
    setOuterHeight(open ? kDetailsOpenHeight : kDetailsClosedHeight);
    button->setText(open ? "Close Details" : "Show Details");
    setLocked(inputs, open);
}

}  // namespace brisanel::app
