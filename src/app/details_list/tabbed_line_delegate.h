#pragma once

#include <QList>
#include <QStyledItemDelegate>
#include <functional>

class QLineEdit;

namespace brisanel::app {

/// Draws a list line whose fields are separated by tab characters in the columns of the header
/// box above the list. The header's columns are separated by two or more spaces; the line's first
/// field takes its first two columns, and each field after a tab starts where the next column's
/// word starts in the header, or one space after the field before it where that runs past. Past
/// the header's columns, and without a header, tab stops come every eight average characters, as
/// list boxes with tab stops have them.
class TabbedLineDelegate final : public QStyledItemDelegate {
public:
    /// The header box in view, whose text and font place the columns.
    using HeaderInView = std::function<const QLineEdit*()>;

    using QStyledItemDelegate::QStyledItemDelegate;

    void setHeader(HeaderInView header) { header_ = std::move(header); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // Where the header's columns after the first start, in the text's own coordinates, whose origin
    // is at `textLeft` (global x) with the list scrolled to its left end.
    QList<qreal> fieldStarts(qreal textLeft) const;

    HeaderInView header_;
};

}  // namespace brisanel::app
