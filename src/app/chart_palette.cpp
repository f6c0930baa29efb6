#include "app/chart_palette.h"

#include <array>

#include "app/contrast.h"

namespace brisanel::app {
namespace {

// Hues apart from each other for readers with the common red-green deficiencies (after the
// Okabe-Ito palette): blue for the principal, vermilion for the interest, reddish purple for
// the fees.
const QColor kPrincipal(0, 114, 178);
const QColor kInterest(213, 94, 0);
const QColor kFees(204, 121, 167);
const QColor kWithoutEvents(32, 96, 192);
const QColor kWithPlan(224, 112, 0);
const QColor kYearBalance(160, 32, 32);

const std::array<QColor, kOfferStyles> kOffers = {QColor(0, 114, 178), QColor(213, 94, 0),
                                                  QColor(0, 158, 115), QColor(204, 121, 167)};
constexpr std::array<Qt::PenStyle, kOfferStyles> kOfferDashes = {Qt::SolidLine, Qt::DashLine,
                                                                 Qt::DotLine, Qt::DashDotLine};

}  // namespace

QColor chartColour(ChartRole role, const QColor& background) {
    switch (role) {
        case ChartRole::Principal:
            return readableOn(kPrincipal, background);
        case ChartRole::Interest:
            return readableOn(kInterest, background);
        case ChartRole::Fees:
            return readableOn(kFees, background);
        case ChartRole::WithoutEvents:
            return readableOn(kWithoutEvents, background);
        case ChartRole::WithPlan:
            return readableOn(kWithPlan, background);
        case ChartRole::YearBalance:
            return readableOn(kYearBalance, background);
    }
    return readableOn(kPrincipal, background);
}

QColor offerColour(int index, const QColor& background) {
    return readableOn(kOffers[static_cast<std::size_t>(index % kOfferStyles)], background);
}

Qt::PenStyle offerDashes(int index) {
    return kOfferDashes[static_cast<std::size_t>(index % kOfferStyles)];
}

}  // namespace brisanel::app
