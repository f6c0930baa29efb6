#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace brisanel::app {

/// Writes a paged document's text in rows of a fixed-pitch font: a page holds `rows` rows of text,
/// then a blank row and the page number. The details list's document and the plan's both write
/// through it, so their pages look alike.
class PageWriter {
public:
    PageWriter(QPainter& painter, const QPagedPaintDevice& device, int rows, qreal pointSize);

    const QFontMetricsF& metrics() const { return metrics_; }
    /// The width of one character of the font.
    qreal character() const { return character_; }
    qreal width() const { return width_; }
    /// The height of the rows of text, without the page number's.
    qreal textHeight() const { return rows_ * pitch_; }

    /// Writes `text` in `row` from `x` on.
    void text(int row, qreal x, const QString& text, bool bold = false);
    /// A thin line across the page under `row`.
    void rule(int row);
    /// "Page 2 of 5", centred below the rows.
    void pageNumber(int page, int pages);
    /// Sets the painter's font back to the plain one, after a drawing that changed it.
    void restoreFont();

private:
    qreal baseline(int row) const;

    QPainter& painter_;
    int rows_;
    qreal width_;
    qreal pitch_;
    QFont plain_;
    QFont bold_;
    QFontMetricsF metrics_;
    qreal character_;
};

}  // namespace brisanel::app
