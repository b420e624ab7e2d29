// The commands of the diagnostics and cross reference bars, in the main window and in the ladder
// window's Tool menu.
#pragma once

namespace varno {

inline constexpr int ID_CHECK_PROJECT = 47701;
inline constexpr int ID_CROSS_REFERENCE = 47702;
inline constexpr int ID_VIEW_DIAGNOSTICS = 47703;
inline constexpr int ID_VIEW_XREF = 47704;

}  // namespace varno
