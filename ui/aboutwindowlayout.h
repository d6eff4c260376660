#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The About window's design, in twips, each control with its design name. The panel holds
// every other control; their positions are measured from its top left corner. Listed from
// the top of the z-order down.
namespace aboutwindowlayout {

inline constexpr QSize ClientSize{4035 / 15, 3585 / 15};

inline constexpr TwipsRect Panel{120, 120, 3855, 3375};       // Picture1
inline constexpr TwipsRect EditionLabel{120, 960, 3495, 255}; // Label4
inline constexpr TwipsRect EmailLink{120, 2520, 3495, 255};   // Label3
inline constexpr TwipsRect WebLink{120, 2280, 3495, 255};     // Label2
inline constexpr TwipsRect Logo{120, 1320, 3510, 900};        // Image1
inline constexpr TwipsRect CreditLine{120, 240, 3495, 615};   // Label1

// Every control on the panel, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 5> Design{{
    {QLatin1StringView("Label4"), EditionLabel},
    {QLatin1StringView("Label3"), EmailLink},
    {QLatin1StringView("Label2"), WebLink},
    {QLatin1StringView("Image1"), Logo},
    {QLatin1StringView("Label1"), CreditLine},
}};

} // namespace aboutwindowlayout
