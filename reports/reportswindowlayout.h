#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The Reports window's design, in twips. Controls are listed from the top of the z-order
// down, each with its design name; the tab order is LogPane (Text1), ClearButton (Command1),
// ReportTree (TV1), SaveButton (Command2), PrintButton (Command3).
namespace reportswindowlayout {

inline constexpr QSize ClientSize{9210 / 15, 7875 / 15};

inline constexpr TwipsRect PrintButton{4800, 3600, 2040, 360}; // Command3
inline constexpr TwipsRect SaveButton{2640, 3600, 2040, 360};  // Command2
inline constexpr TwipsRect ReportTree{120, 4080, 8955, 3645};  // TV1
inline constexpr TwipsRect ClearButton{6960, 3600, 2055, 375}; // Command1
inline constexpr TwipsRect LogPane{120, 120, 8895, 3375};      // Text1

// Every control above, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 5> Design{{
    {QLatin1StringView("Command3"), PrintButton},
    {QLatin1StringView("Command2"), SaveButton},
    {QLatin1StringView("TV1"), ReportTree},
    {QLatin1StringView("Command1"), ClearButton},
    {QLatin1StringView("Text1"), LogPane},
}};

} // namespace reportswindowlayout
