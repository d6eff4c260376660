#include "ui/readablecolour.h"

#include <algorithm>
#include <cmath>

namespace readablecolour {

namespace {

// WCAG 2's relative luminance: the sRGB channels made linear, weighted by how bright the eye
// sees each.
double luminance(const QColor& colour) {
    const auto linear = [](float channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor on(const QColor& wanted, const QColor& background) {
    if (contrast(wanted, background) >= MinimumContrast)
        return wanted;
    // Stepping the lightness keeps the hue, so a desktop's accent colour stays recognisable;
    // black or white at the end of the steps always reads on a background the other way.
    const bool darken = luminance(background) > 0.18;
    const QColor hsl = wanted.toHsl();
    float lightness = hsl.lightnessF();
    QColor candidate = wanted;
    while (contrast(candidate, background) < ChangedContrast) {
        lightness = darken ? std::max(0.0f, lightness - 0.02f) : std::min(1.0f, lightness + 0.02f);
        candidate = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness);
        if (lightness <= 0.0f || lightness >= 1.0f)
            break;
    }
    return candidate;
}

} // namespace readablecolour
