// The command identifiers of the main window, its bars and the workspace tree.
#pragma once

namespace varno {

// File
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_MRU_FIRST = 57616;
inline constexpr int ID_FILE_MRU_LAST = 57631;
inline constexpr int ID_CLOSE_WORKSPACE = 32903;
inline constexpr int ID_IMPORT_ROM = 32937;
inline constexpr int ID_OPTIONS = 32916;
inline constexpr int ID_APP_EXIT = 57665;
// Edit
inline constexpr int ID_EDIT_CLEAR_ALL = 57633;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
// View and window
inline constexpr int ID_VIEW_OUTPUT_BAR = 32771;
inline constexpr int ID_VIEW_LADDER_BAR = 32778;
inline constexpr int ID_VIEW_WORKSPACE = 32794;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
// Help
inline constexpr int ID_APP_ABOUT = 57664;
// Workspace tree
inline constexpr int ID_VERSION_OPEN = 32904;
inline constexpr int ID_LADDER_OPEN = 32905;
inline constexpr int ID_INSTRUCT_OPEN = 32906;
inline constexpr int ID_COMMENT_OPEN = 32907;
inline constexpr int ID_PARAM_OPEN = 32908;
inline constexpr int ID_PARAM_OPTIONS = 32913;
inline constexpr int ID_LADDER_OPTIONS = 32914;
inline constexpr int ID_SUBPROGRAM_PROPERTY = 32923;
inline constexpr int ID_COMMENT_OPTIONS = 32980;
inline constexpr int ID_ADD_SUBPROGRAM = 33302;
inline constexpr int ID_DELETE_SUBPROGRAM = 33304;
inline constexpr int ID_RELOAD_PROGRAMS = 33308;

}  // namespace varno
