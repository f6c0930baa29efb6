#pragma once

#include <QByteArray>
#include <QPageRanges>
#include <span>
#include <string_view>

#include "app/details_list/list_source.h"
#include "details/text_lines.h"

class QPagedPaintDevice;

namespace brisanel::app {

/// The details list as a printed document.
struct ListDocument {
    std::string_view title;  ///< the saved text file's title line
    std::span<const ListFigure> inputs;
    std::span<const ListFigure> results;
    std::string_view header;  ///< the column header above the lines
    const details::TextLines& lines;
};

/// Rows of text on every page, below which the page number goes. The first page holds the title,
/// the inputs and the results (a blank row after each), the header and then as many lines as fit;
/// every further page the header and 59 lines.
inline constexpr int kRowsPerPage = 60;

/// Draws the document onto the device's pages in a fixed-pitch font: each page ends with
/// "Page N of M", the fields of a line (between its tabs) start in columns that every line shares,
/// and the header's last words stand over those columns. Only the pages in `pages` are drawn when
/// it is not empty. Returns false when the device cannot be painted on.
bool drawListDocument(QPagedPaintDevice& device, const ListDocument& document,
                      const QPageRanges& pages = {});

/// The document as the bytes of a PDF file with A4 pages; empty if it could not be drawn.
QByteArray listPdf(const ListDocument& document);

}  // namespace brisanel::app
