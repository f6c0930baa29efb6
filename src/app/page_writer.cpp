#include "app/page_writer.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace brisanel::app {
namespace {

QFont fixedPitch(qreal pointSize) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

PageWriter::PageWriter(QPainter& painter, const QPagedPaintDevice& device, int rows,
                       qreal pointSize)
    : painter_(painter),
      rows_(rows),
      width_(device.width()),
      pitch_(device.height() / qreal(rows + 2)),
      plain_(fixedPitch(pointSize)),
      bold_(plain_),
      metrics_(plain_, &device),
      character_(metrics_.horizontalAdvance(QLatin1Char('0'))) {
    bold_.setBold(true);
    painter_.setFont(plain_);
}

void PageWriter::text(int row, qreal x, const QString& text, bool bold) {
    if (bold) painter_.setFont(bold_);
    painter_.drawText(QPointF(x, baseline(row)), text);
    if (bold) painter_.setFont(plain_);
}

void PageWriter::rule(int row) {
    const qreal y = (row + 1) * pitch_ - pitch_ / 6;
    painter_.setPen(QPen(Qt::black, pitch_ / 24));
    painter_.drawLine(QPointF(0, y), QPointF(width_, y));
}

void PageWriter::pageNumber(int page, int pages) {
    const QString text =
        QCoreApplication::translate("PageWriter", "Page %1 of %2").arg(page).arg(pages);
    this->text(rows_ + 1, (width_ - metrics_.horizontalAdvance(text)) / 2, text);
}

void PageWriter::restoreFont() {
    painter_.setFont(plain_);
}

qreal PageWriter::baseline(int row) const {
    return row * pitch_ + (pitch_ + metrics_.ascent() - metrics_.descent()) / 2;
}

}  // namespace brisanel::app
