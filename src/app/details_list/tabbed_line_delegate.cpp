#include "app/details_list/tabbed_line_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace brisanel::app {
namespace {

// The space a line edit keeps on either side of its text, inside its contents rectangle.
constexpr int kLineEditTextMargin = 2;

// Where a line edit draws the first character of a left-aligned text that fits it, in global
// coordinates.
qreal textLeftOf(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const qreal left = contents.left() + box.textMargins().left() + kLineEditTextMargin;
    return box.mapToGlobal(QPointF(left, 0)).x();
}

}  // namespace

QList<qreal> TabbedLineDelegate::fieldStarts(qreal textLeft) const {
    const QLineEdit* header = header_ ? header_() : nullptr;
    if (!header) return {};
    const QString text = header->text();
    static const QRegularExpression kColumnGap(QStringLiteral(" {2,}"));
    QList<qsizetype> columns;
    for (auto gaps = kColumnGap.globalMatch(text); gaps.hasNext();) {
        const QRegularExpressionMatch gap = gaps.next();
        if (gap.capturedEnd() < text.size()) columns.append(gap.capturedEnd());
    }
    const QFontMetricsF metrics(header->font());
    const qreal offset = textLeftOf(*header) - textLeft;
    QList<qreal> starts;
    for (qsizetype column = 0; column < columns.size(); ++column) {
        starts.append(offset + metrics.horizontalAdvance(text.left(columns[column])));
    }
    return starts;
}

void TabbedLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();  // the style draws the background and selection, the text comes below
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const QRectF area(item.rect.adjusted(margin, 0, -margin, 0));
    QList<qreal> starts;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(item.widget)) {
        const qreal scrolled = view->horizontalScrollBar()->value();
        starts = fieldStarts(view->viewport()->mapToGlobal(area.topLeft()).x() + scrolled);
    }

    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    const QFontMetricsF metrics(item.font);
    const qreal space = metrics.horizontalAdvance(u' ');
    const qreal tabDistance = 8 * metrics.averageCharWidth();
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    qreal x = 0;  // where the next piece starts, from the text's left edge
    const auto draw = [&](const QString& piece) {
        const QRectF place(area.left() + x, area.top(), std::max<qreal>(area.width() - x, 1),
                           area.height());
        painter->drawText(place, piece, layout);
        x += metrics.horizontalAdvance(piece);
    };
    const auto moveTo = [&](qreal start) { x = x < start ? start : x + space; };
    QStringList fields = text.split(u'\t');
    // The first field holds the first two columns, the serial and the period, apart by spaces:
    // the period starts under its header word, whatever the width of the serial's digits.
    static const QRegularExpression kGap(QStringLiteral(" {2,}"));
    if (const QRegularExpressionMatch gap = kGap.match(fields[0]);
        gap.hasMatch() && !starts.isEmpty()) {
        draw(fields[0].left(gap.capturedStart()));
        moveTo(starts[0]);
        fields[0] = fields[0].mid(gap.capturedEnd());
    }
    for (qsizetype field = 0; field < fields.size(); ++field) {
        if (field > 0 && field < starts.size()) {
            moveTo(starts[field]);
        } else if (field > 0) {
            x = (std::floor(x / tabDistance) + 1) * tabDistance;
        }
        draw(fields[field]);
    }
    painter->restore();
}

}  // namespace brisanel::app
