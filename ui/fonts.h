#pragma once

#include <QFont>
#include <QStringList>

// The fonts the window designs name. Where a named family is not installed, Qt is told which
// installed family stands in for it, so that text keeps about the width it was laid out for;
// sizes are always the designed ones.
namespace fonts {

// The family that stands in for the design's "MS Sans Serif" and "Arial" when they are missing.
// Liberation Sans has Arial's widths; the older families follow as fallbacks.
inline const QStringList SansSubstitutes = {
    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
    QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")};

// Registers the substitutes for the design's families that are not installed. Call once, after
// the application object exists.
void installSubstitutes();

// The design's default font: "MS Sans Serif" 8.25 pt, regular.
QFont standard();

// "Arial" at the given size, bold, optionally underlined.
QFont arialBold(qreal pointSize, bool underline = false);

} // namespace fonts
