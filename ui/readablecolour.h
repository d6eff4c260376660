#pragma once

#include <QColor>

// Text colours that stay readable on a background the design fixes (white panels, the light
// panels of the scheme pictures), whatever palette the desktop hands the program: a dark or a
// high-contrast desktop gives light text colours, which vanish on white.
namespace readablecolour {

// The smallest contrast between text and its background that reads for most eyes: WCAG's AA
// figure for normal text.
inline constexpr double MinimumContrast = 4.5;
// What a colour that has to change is taken to: WCAG's AAA figure. Stopping at the least that
// reads would leave a text that looks greyed out, as if disabled.
inline constexpr double ChangedContrast = 7;

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// The wanted colour where it reads on the background; otherwise the same hue made darker (on
// a light background) or lighter (on a dark one) until it reads well.
QColor on(const QColor& wanted, const QColor& background);

} // namespace readablecolour
