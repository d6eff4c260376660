#pragma once

#include <QPoint>

// Where a user clicks, in pixels from the top left corner of a window's client area: a few
// pixels inside each control's designed rectangle (twips / 15).
namespace at {

// Main window
inline constexpr QPoint CboProject{150, 82};    // 1680, 1080 twips; 129 x 21 px
inline constexpr QPoint CmdAdd{260, 82};        // 3720, 1080; 25 x 21
inline constexpr QPoint CmdStartStop{159, 116}; // 1665, 1560; 97 x 25
inline constexpr QPoint CmdNotes{260, 116};     // 3240, 1560; 89 x 25
inline constexpr QPoint LblReports{45, 64};     // 480, 840; 73 x 17
inline constexpr QPoint LblSettings{45, 88};    // 480, 1200; 73 x 17
inline constexpr QPoint LblAbout{45, 112};      // 480, 1560; 73 x 17

// Notes window
inline constexpr QPoint NotesText1{100, 40}; // 120, 120; 297 x 81

// Reports window
inline constexpr QPoint ReportsText1{300, 100}; // 120, 120; 593 x 225

// Away question
inline constexpr QPoint CmdKeep{190, 114};         // 2145, 1530; 97 x 25
inline constexpr QPoint CmdStopWhenLeft{300, 114}; // 3720, 1530; 104 x 25

} // namespace at
