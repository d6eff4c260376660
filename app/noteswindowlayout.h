#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The Notes window's design, in twips; the tab order is Text1, CmdOk.
namespace noteswindowlayout {

inline constexpr QSize ClientSize{6270 / 15, 1470 / 15};

inline constexpr TwipsRect CmdOk{4680, 120, 1455, 1215};
inline constexpr TwipsRect Text1{120, 120, 4455, 1215};

// Every control above, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 2> Design{{
    {QLatin1StringView("CmdOk"), CmdOk},
    {QLatin1StringView("Text1"), Text1},
}};

} // namespace noteswindowlayout
