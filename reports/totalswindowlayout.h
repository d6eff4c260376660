#pragma once

#include "ui/twips.h"

#include <QSize>

#include <array>

// The Totals window's design, in twips. Controls are listed from the top of the z-order down,
// each with its design name; the tab order is RangeBox (CboRange), FromDate (DtpFrom), ToDate
// (DtpTo), GroupingBox (CboBy), Chart (ChartArea), TotalsList (LvwTotals), IncompleteList
// (LstIncomplete), SaveButton (CmdSaveAs).
namespace totalswindowlayout {

inline constexpr QSize ClientSize{10800 / 15, 9975 / 15};

inline constexpr TwipsRect SaveButton{9240, 9480, 1440, 375};     // CmdSaveAs
inline constexpr TwipsRect TotalLabel{120, 9540, 8400, 255};      // LblTotal
inline constexpr TwipsRect IncompleteList{120, 8490, 10560, 870}; // LstIncomplete
inline constexpr TwipsRect TotalsList{120, 5850, 10560, 2550};    // LvwTotals
inline constexpr TwipsRect Chart{120, 630, 10560, 5100};          // ChartArea
inline constexpr TwipsRect GroupingBox{7830, 150, 1650, 330};     // CboBy
inline constexpr TwipsRect GroupingLabel{7440, 195, 360, 255};    // LblBy
inline constexpr TwipsRect ToDate{5550, 150, 1650, 330};          // DtpTo
inline constexpr TwipsRect ToLabel{5220, 195, 300, 255};          // LblTo
inline constexpr TwipsRect FromDate{3450, 150, 1650, 330};        // DtpFrom
inline constexpr TwipsRect FromLabel{2880, 195, 540, 255};        // LblFrom
inline constexpr TwipsRect RangeBox{750, 150, 1950, 330};         // CboRange
inline constexpr TwipsRect RangeLabel{120, 195, 600, 255};        // LblRange

// Every control above, from the top of the z-order down.
inline constexpr std::array<DesignedControl, 13> Design{{
    {QLatin1StringView("CmdSaveAs"), SaveButton},
    {QLatin1StringView("LblTotal"), TotalLabel},
    {QLatin1StringView("LstIncomplete"), IncompleteList},
    {QLatin1StringView("LvwTotals"), TotalsList},
    {QLatin1StringView("ChartArea"), Chart},
    {QLatin1StringView("CboBy"), GroupingBox},
    {QLatin1StringView("LblBy"), GroupingLabel},
    {QLatin1StringView("DtpTo"), ToDate},
    {QLatin1StringView("LblTo"), ToLabel},
    {QLatin1StringView("DtpFrom"), FromDate},
    {QLatin1StringView("LblFrom"), FromLabel},
    {QLatin1StringView("CboRange"), RangeBox},
    {QLatin1StringView("LblRange"), RangeLabel},
}};

} // namespace totalswindowlayout
