#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The away question's design, in twips, laid out like the program's other windows; the values
// have room for the longest date-time texts of the common locales.
namespace awayquestionlayout {

inline constexpr QSize ClientSize{5400 / 15, 2040 / 15};

inline constexpr TwipsRect LblAwayProject{120, 120, 5160, 285};
// Each row: a caption at the left, its value at the right.
inline constexpr TwipsRect LeftCaption{120, 525, 1400, 285};
inline constexpr TwipsRect LblAwayLeft{1560, 525, 3720, 285};
inline constexpr TwipsRect BackCaption{120, 810, 1400, 285};
inline constexpr TwipsRect LblAwayBack{1560, 810, 3720, 285};
inline constexpr TwipsRect LengthCaption{120, 1095, 1400, 285};
inline constexpr TwipsRect LblAwayLength{1560, 1095, 3720, 285};
inline constexpr TwipsRect CmdKeep{2145, 1530, 1455, 375};
inline constexpr TwipsRect CmdStopWhenLeft{3720, 1530, 1560, 375};

// The named controls, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 6> Design{{
    {QLatin1StringView("CmdStopWhenLeft"), CmdStopWhenLeft},
    {QLatin1StringView("CmdKeep"), CmdKeep},
    {QLatin1StringView("LblAwayLength"), LblAwayLength},
    {QLatin1StringView("LblAwayBack"), LblAwayBack},
    {QLatin1StringView("LblAwayLeft"), LblAwayLeft},
    {QLatin1StringView("LblAwayProject"), LblAwayProject},
}};

} // namespace awayquestionlayout
