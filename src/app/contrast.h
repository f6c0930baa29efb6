#pragma once

#include <QColor>

namespace brisanel::app {

/// The contrast ratio of two colours by their relative luminance (WCAG 2): from 1, the same
/// luminance, to 21, black on white.
double contrastRatio(const QColor& a, const QColor& b);

/// `colour` with its hue and saturation kept, made darker on a light background or lighter on a
/// dark one until it reads at a contrast of at least 4.5:1 on `background`.
QColor readableOn(const QColor& colour, const QColor& background);

}  // namespace brisanel::app
