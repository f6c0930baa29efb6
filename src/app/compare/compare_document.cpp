// The comparison as a page: text in rows of a fixed-pitch font, the charts as vector drawings of
// the window's own charts.
#include "app/compare/compare_document.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "app/a4_pdf.h"
#include "app/compare/compare_charts.h"
#include "app/page_writer.h"

namespace brisanel::app::compare {
namespace {

constexpr int kRowsPerPage = 64;
constexpr int kGap = 2;  // characters between columns

// A model's rows under its column headers, from `row` on: the captions left-aligned, the offers'
// columns right-aligned. Returns the row after the table.
int writeTable(PageWriter& writer, const QAbstractItemModel& model, int row) {
    const int columns = model.columnCount();
    std::vector<qsizetype> widths(static_cast<std::size_t>(columns) + 1, 0);
    for (int r = 0; r < model.rowCount(); ++r) {
        widths[0] = std::max(widths[0], model.headerData(r, Qt::Vertical).toString().size());
    }
    for (int c = 0; c < columns; ++c) {
        qsizetype& width = widths[static_cast<std::size_t>(c) + 1];
        width = model.headerData(c, Qt::Horizontal).toString().size();
        for (int r = 0; r < model.rowCount(); ++r) {
            width = std::max(width, model.index(r, c).data().toString().size());
        }
    }
    const auto cell = [&](int r, int c, const QString& text, bool bold) {
        qsizetype end = widths[0];
        for (int i = 0; i <= c; ++i) end += kGap + widths[static_cast<std::size_t>(i) + 1];
        writer.text(r, (end - text.size()) * writer.character(), text, bold);
    };
    for (int c = 0; c < columns; ++c)
        cell(row, c, model.headerData(c, Qt::Horizontal).toString(), true);
    ++row;
    for (int r = 0; r < model.rowCount(); ++r, ++row) {
        writer.text(row, 0, model.headerData(r, Qt::Vertical).toString());
        for (int c = 0; c < columns; ++c) {
            const QModelIndex index = model.index(r, c);
            cell(row, c, index.data().toString(), index.data(Qt::FontRole).value<QFont>().bold());
        }
    }
    return row + 1;
}

}  // namespace

bool drawCompareDocument(QPagedPaintDevice& device, const CompareDocument& document) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageWriter writer(painter, device, kRowsPerPage, 8);
    writer.text(0, 0, document.title, true);
    int row = writeTable(writer, document.offers, 2);
    row = writeTable(writer, document.results, row);
    // The charts side by side in the rows left.
    const qreal top = writer.textHeight() * row / kRowsPerPage;
    const qreal height = writer.textHeight() - top;
    CompareCharts charts;
    charts.show(document.figures);
    QGraphicsScene scene;  // owns the charts from here on
    const QSizeF size(520, 400);
    int i = 0;
    for (QChart* chart : {charts.balance(), charts.cost()}) {
        scene.addItem(chart);
        chart->setPos(i * (size.width() + 20), 0);
        chart->resize(size);
        chart->layout()->activate();
        const QRectF target(i * writer.width() / 2, top, writer.width() / 2, height);
        painter.save();
        scene.render(&painter, target, QRectF(chart->pos(), size), Qt::KeepAspectRatio);
        painter.restore();
        ++i;
    }
    writer.restoreFont();
    writer.pageNumber(1, 1);
    return painter.end();
}

QByteArray comparePdf(const CompareDocument& document) {
    return a4Pdf(document.title,
                 [&](QPdfWriter& writer) { return drawCompareDocument(writer, document); });
}

}  // namespace brisanel::app::compare
