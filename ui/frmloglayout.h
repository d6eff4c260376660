#pragma once

#include "ui/twips.h"

#include <QSize>

// The Reports window's design, in twips. Controls are listed from the top of the z-order
// down; the tab order is Text1, Command1, TV1, Command2, Command3.
namespace frmloglayout {

inline constexpr QSize ClientSize{9210 / 15, 7875 / 15};

inline constexpr TwipsRect Command3{4800, 3600, 2040, 360};
inline constexpr TwipsRect Command2{2640, 3600, 2040, 360};
inline constexpr TwipsRect TV1{120, 4080, 8955, 3645};
inline constexpr TwipsRect Command1{6960, 3600, 2055, 375};
inline constexpr TwipsRect Text1{120, 120, 8895, 3375};

} // namespace frmloglayout
