// The details list as a paged document, for the PDF export and the printer.
#include "app/details_list/list_document.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/a4_pdf.h"
#include "app/latin1.h"
#include "app/page_writer.h"

namespace brisanel::app {
namespace {

constexpr int kTabStop = 8;    // characters between tab stops, as in the list
constexpr int kColumnGap = 2;  // characters at least after a column's widest field

std::string_view withoutTrailingSpaces(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// Calls visit(column, field) for each field of the line, the text between its tabs.
template <typename Visit>
void forEachField(std::string_view line, Visit&& visit) {
    std::size_t column = 0;
    for (std::size_t start = 0;; ++column) {
        const std::size_t tab = line.find('\t', start);
        visit(column, line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return;
        start = tab + 1;
    }
}

// Where each column starts: at the first tab stop at least two characters past the widest field
// of the column before it, over every line, so that the fields of all lines line up.
std::vector<qreal> columnStarts(const details::TextLines& lines, const QFontMetricsF& metrics) {
    std::vector<qreal> widest;
    for (std::string_view line : lines) {
        forEachField(line, [&](std::size_t column, std::string_view field) {
            if (widest.size() <= column) widest.resize(column + 1);
            const qreal width = metrics.horizontalAdvance(latin1(withoutTrailingSpaces(field)));
            widest[column] = std::max(widest[column], width);
        });
    }
    const qreal character = metrics.horizontalAdvance(QLatin1Char('0'));
    std::vector<qreal> starts{0};
    for (std::size_t column = 1; column < widest.size(); ++column) {
        const qreal end = starts.back() + widest[column - 1] + kColumnGap * character;
        starts.push_back(std::ceil(end / (kTabStop * character)) * kTabStop * character);
    }
    return starts;
}

struct Piece {
    qreal x;
    QString text;
};

// The header in pieces: its word groups are split at runs of two or more spaces, the last ones
// stand over the columns after the first, and the rest start the header as written.
std::vector<Piece> headerPieces(std::string_view header, const std::vector<qreal>& starts) {
    std::vector<std::size_t> groupStarts;
    for (std::size_t at = header.find_first_not_of(' '); at != std::string_view::npos;) {
        groupStarts.push_back(at);
        const std::size_t gap = header.find("  ", at);
        at = gap == std::string_view::npos ? gap : header.find_first_not_of(' ', gap);
    }
    if (groupStarts.empty()) return {};
    const std::size_t over = std::min(groupStarts.size() - 1, starts.size() - 1);
    const std::size_t lead = groupStarts.size() - over;
    const auto group = [&](std::size_t i, std::size_t last) {
        const std::size_t end =
            last + 1 < groupStarts.size() ? groupStarts[last + 1] : header.size();
        return latin1(withoutTrailingSpaces(header.substr(groupStarts[i], end - groupStarts[i])));
    };
    std::vector<Piece> pieces{{0, group(0, lead - 1)}};
    for (std::size_t i = 0; i < over; ++i) {
        pieces.push_back({starts[starts.size() - over + i], group(lead + i, lead + i)});
    }
    return pieces;
}

// The captions with a colon at the left, their texts in a column after the longest caption.
class FigureWriter {
public:
    FigureWriter(PageWriter& page, const ListDocument& document) : page_(page) {
        qreal widest = 0;
        for (auto figures : {document.inputs, document.results}) {
            for (const ListFigure& figure : figures) {
                widest = std::max(widest, page.metrics().horizontalAdvance(figure.caption + ':'));
            }
        }
        textAt_ = widest + kColumnGap * page.character();
    }

    // Writes the figures from `row` on; returns the row after them.
    int write(int row, std::span<const ListFigure> figures) {
        for (const ListFigure& figure : figures) {
            page_.text(row, 0, figure.caption + ':');
            page_.text(row++, textAt_, figure.text);
        }
        return row;
    }

private:
    PageWriter& page_;
    qreal textAt_ = 0;
};

}  // namespace

bool drawListDocument(QPagedPaintDevice& device, const ListDocument& document,
                      const QPageRanges& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageWriter page(painter, device, kRowsPerPage, 9);
    const std::vector<qreal> starts = columnStarts(document.lines, page.metrics());
    const std::vector<Piece> header = headerPieces(document.header, starts);

    const auto blockRows = [](std::span<const ListFigure> figures) {
        return figures.empty() ? 0 : static_cast<int>(figures.size()) + 1;
    };
    const int preamble = 2 + blockRows(document.inputs) + blockRows(document.results);
    const int onFirstPage = kRowsPerPage - preamble - 1;  // the header takes a row
    const int onOtherPages = kRowsPerPage - 1;
    const int lineCount = static_cast<int>(document.lines.size());
    const int pageCount =
        1 + (std::max(0, lineCount - onFirstPage) + onOtherPages - 1) / onOtherPages;

    bool drawnOne = false;
    int next = 0;
    for (int number = 1; number <= pageCount; ++number) {
        const int first = number == 1 ? preamble : 0;
        const int count = std::min(lineCount - next, number == 1 ? onFirstPage : onOtherPages);
        if (pages.isEmpty() || pages.contains(number)) {
            if (drawnOne && !device.newPage()) return false;
            drawnOne = true;
            if (number == 1) {
                page.text(0, 0, latin1(document.title), true);
                FigureWriter figures(page, document);
                const int row = figures.write(2, document.inputs);
                figures.write(row + (document.inputs.empty() ? 0 : 1), document.results);
            }
            for (const Piece& piece : header) page.text(first, piece.x, piece.text, true);
            page.rule(first);
            for (int i = 0; i < count; ++i) {
                const int row = first + 1 + i;
                forEachField(document.lines[static_cast<std::size_t>(next + i)],
                             [&](std::size_t column, std::string_view field) {
                                 page.text(row, starts[column], latin1(field));
                             });
            }
            page.pageNumber(number, pageCount);
        }
        next += count;
    }
    return painter.end();
}

QByteArray listPdf(const ListDocument& document) {
    return a4Pdf(latin1(document.title),
                 [&](QPdfWriter& writer) { return drawListDocument(writer, document); });
}

}  // namespace brisanel::app
