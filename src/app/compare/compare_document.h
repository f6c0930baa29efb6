#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "plan/compare.h"

class QAbstractItemModel;
class QPagedPaintDevice;

namespace brisanel::app::compare {

/// The offers compared as a printed page: the inputs and the figures, as the window's two tables
/// hold them, then the two charts as drawings.
struct CompareDocument {
    QString title;
    const QAbstractItemModel& offers;
    const QAbstractItemModel& results;
    const std::vector<plan::OfferFigures>& figures;  ///< drawn in charts of the document's own
};

/// Draws the document on one page; false when the device cannot be painted on.
bool drawCompareDocument(QPagedPaintDevice& device, const CompareDocument& document);

/// The document as the bytes of an A4 PDF file; empty if it could not be drawn.
QByteArray comparePdf(const CompareDocument& document);

}  // namespace brisanel::app::compare
