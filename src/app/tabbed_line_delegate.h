#pragma once

#include <QStyledItemDelegate>

namespace brisanel::app {

/// Draws a list line whose fields are separated by tab characters in columns: tab stops every
/// eight average characters of the list's font, as list boxes with tab stops have them.
class TabbedLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace brisanel::app
