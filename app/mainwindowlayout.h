#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The main window's design, in twips. Controls are listed from the top of the z-order down.
namespace mainwindowlayout {

inline constexpr QSize ClientSize{5055 / 15, 4455 / 15};

inline constexpr TwipsRect UpDown{3600, 2160, 255, 255};
inline constexpr TwipsRect CmdRemove{4200, 1080, 375, 315};
inline constexpr TwipsRect TxtAsk{3120, 2160, 495, 285};
inline constexpr TwipsRect CmdAdd{3720, 1080, 375, 315};
inline constexpr TwipsRect CmdNotes{3240, 1560, 1335, 375};
inline constexpr TwipsRect CboProject{1680, 1080, 1935, 315};
inline constexpr TwipsRect CmdStartStop{1665, 1560, 1455, 375};
inline constexpr TwipsRect ChkAskMe{480, 2160, 2655, 285};
inline constexpr TwipsRect LblAbout{480, 1560, 1095, 255};
inline constexpr TwipsRect LblSettings{480, 1200, 1095, 255};
inline constexpr TwipsRect Label3{3960, 2190, 735, 225};
// The three time labels are 2655 twips wide rather than 2535, so that the longest stamp
// ("12/29/2026 10:15:40 PM" in Arial 12 bold) fits inside the lower picture's panel.
inline constexpr TwipsRect LblTotalTime{2160, 3860, 2655, 255};
inline constexpr TwipsRect LblStopTime{2160, 3400, 2655, 255};
inline constexpr TwipsRect LblStartTime{2160, 2970, 2655, 255};
inline constexpr TwipsRect LblReports{480, 840, 1095, 255};
inline constexpr TwipsRect ImgTop{0, 60, 5025, 2640};
inline constexpr TwipsRect ImgBottom{240, 2400, 4725, 1995};

// Every control above, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 17> Design{{
    {QLatin1StringView("UpDown"), UpDown},
    {QLatin1StringView("CmdRemove"), CmdRemove},
    {QLatin1StringView("TxtAsk"), TxtAsk},
    {QLatin1StringView("CmdAdd"), CmdAdd},
    {QLatin1StringView("CmdNotes"), CmdNotes},
    {QLatin1StringView("CboProject"), CboProject},
    {QLatin1StringView("CmdStartStop"), CmdStartStop},
    {QLatin1StringView("ChkAskMe"), ChkAskMe},
    {QLatin1StringView("LblAbout"), LblAbout},
    {QLatin1StringView("LblSettings"), LblSettings},
    {QLatin1StringView("Label3"), Label3},
    {QLatin1StringView("LblTotalTime"), LblTotalTime},
    {QLatin1StringView("LblStopTime"), LblStopTime},
    {QLatin1StringView("LblStartTime"), LblStartTime},
    {QLatin1StringView("LblReports"), LblReports},
    {QLatin1StringView("ImgTop"), ImgTop},
    {QLatin1StringView("ImgBottom"), ImgBottom},
}};

} // namespace mainwindowlayout
