#pragma once

#include "ui/twips.h"

#include <QSize>

// The About window's design, in twips. Picture1 holds every other control; their positions
// are measured from its top left corner. Listed from the top of the z-order down.
namespace frmaboutlayout {

inline constexpr QSize ClientSize{4035 / 15, 3585 / 15};

inline constexpr TwipsRect Picture1{120, 120, 3855, 3375};
inline constexpr TwipsRect Label4{120, 960, 3495, 255};
inline constexpr TwipsRect Label3{120, 2520, 3495, 255};
inline constexpr TwipsRect Label2{120, 2280, 3495, 255};
inline constexpr TwipsRect Image1{120, 1320, 3510, 900};
inline constexpr TwipsRect Label1{120, 240, 3495, 615};

} // namespace frmaboutlayout
