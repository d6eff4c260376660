#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The Settings window's design, in twips. Controls are listed from the top of the z-order
// down; the tab order is OptDefault, OptRed, OptBlack, OptOrangeCream, ChkMin.
namespace settingswindowlayout {

inline constexpr QSize ClientSize{6975 / 15, 4470 / 15};

inline constexpr TwipsRect ChkMin{2640, 3960, 4215, 255};
inline constexpr TwipsRect OptOrangeCream{240, 4080, 1335, 255};
inline constexpr TwipsRect OptBlack{4800, 1800, 1215, 195};
inline constexpr TwipsRect OptRed{2520, 1800, 1215, 195};
inline constexpr TwipsRect OptDefault{240, 1800, 1335, 255};
inline constexpr TwipsRect ImgExit{2400, 2400, 4500, 1425};
inline constexpr TwipsRect ImgTopOrange{0, 2280, 2235, 1065};
inline constexpr TwipsRect ImgTopBlack{4560, 0, 2235, 1065};
inline constexpr TwipsRect ImgTopRed{2280, 0, 2235, 1065};
inline constexpr TwipsRect ImgTopDefault{0, 0, 2235, 1065};
inline constexpr TwipsRect ImgBottomRed{2400, 960, 2055, 825};
inline constexpr TwipsRect ImgBottomBlack{4680, 960, 2055, 825};
inline constexpr TwipsRect ImgBottomDefault{120, 960, 2055, 825};
inline constexpr TwipsRect ImgBottomOrange{120, 3240, 2055, 825};

// Every control above, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 14> Design{{
    {QLatin1StringView("ChkMin"), ChkMin},
    {QLatin1StringView("OptOrangeCream"), OptOrangeCream},
    {QLatin1StringView("OptBlack"), OptBlack},
    {QLatin1StringView("OptRed"), OptRed},
    {QLatin1StringView("OptDefault"), OptDefault},
    {QLatin1StringView("ImgExit"), ImgExit},
    {QLatin1StringView("ImgTopOrange"), ImgTopOrange},
    {QLatin1StringView("ImgTopBlack"), ImgTopBlack},
    {QLatin1StringView("ImgTopRed"), ImgTopRed},
    {QLatin1StringView("ImgTopDefault"), ImgTopDefault},
    {QLatin1StringView("ImgBottomRed"), ImgBottomRed},
    {QLatin1StringView("ImgBottomBlack"), ImgBottomBlack},
    {QLatin1StringView("ImgBottomDefault"), ImgBottomDefault},
    {QLatin1StringView("ImgBottomOrange"), ImgBottomOrange},
}};

} // namespace settingswindowlayout
