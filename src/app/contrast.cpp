#include "app/contrast.h"

#include <algorithm>
#include <cmath>

namespace brisanel::app {
namespace {

constexpr double kReadable = 4.5;

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background) {
    // Black reads on a background brighter than this at least as well as white does.
    const bool darken = luminance(background) > 0.18;
    QColor shown = colour.toHsl();
    for (int step = 0; step < 100 && contrastRatio(shown, background) < kReadable; ++step) {
        const float lightness = shown.lightnessF() + (darken ? -0.01f : 0.01f);
        shown.setHslF(shown.hslHueF(), shown.hslSaturationF(), std::clamp(lightness, 0.0f, 1.0f));
    }
    return shown.toRgb();
}

}  // namespace brisanel::app
