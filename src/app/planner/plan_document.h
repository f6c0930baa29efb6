#pragma once

#include <QByteArray>

#include "plan/cost.h"
#include "plan/plan.h"
#include "plan/year_summary.h"

class QPagedPaintDevice;

namespace brisanel::app::planner {

/// A plan as a printed document.
struct PlanDocument {
    const plan::PlanInputs& inputs;
    const plan::PlanResult& result;
    const plan::YearRows& years;
    plan::AprMethod method = plan::AprMethod::Eu;  ///< the APR's rule, for a plan with fees
};

/// Draws the document: the loan, the events and the figures without and with the plan on the
/// first pages, then the three charts as drawings on a page of their own, the yearly summary and
/// the month-by-month schedule, each table with its header on every page; each page ends with
/// "Page N of M". Returns false when the device cannot be painted on.
bool drawPlanDocument(QPagedPaintDevice& device, const PlanDocument& document);

/// The document as the bytes of a PDF file with A4 pages; empty if it could not be drawn.
QByteArray planPdf(const PlanDocument& document);

}  // namespace brisanel::app::planner
