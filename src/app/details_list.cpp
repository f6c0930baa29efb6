// The details area shared by three panels: the list, and the taller window that reveals it.
#include <QListWidget>
#include <QPushButton>

#include "app/frm_interest.h"

namespace brisanel::app {

void frmInterest::fillList(const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    // The core writes plain ASCII, for which Latin-1 is the quickest exact reading.
    for (const std::string& line : lines) {
        items.append(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    }
    List1_->addItems(items);  // one insertion for the whole table
}

void frmInterest::openOrCloseDetails(bool& open, QPushButton* button,
                                     std::initializer_list<int> inputs) {
    open = !open;
    setOuterHeight(open ? kDetailsOpenHeight : kDetailsClosedHeight);
    button->setText(open ? "Close Details" : "Show Details");
    setLocked(inputs, open);
}

}  // namespace brisanel::app
