// The ladder window's command numbers, shared by its menus, context menus, toolbar and keys.
#pragma once

namespace varno {

inline constexpr int ID_INSERT_COMMENT = 32781;
inline constexpr int ID_INSERT_ROW = 32783;
inline constexpr int ID_INSERT_ROW_AFTER = 32791;
inline constexpr int ID_DELETE_ROW = 32784;
inline constexpr int ID_CONTACT = 32785;
inline constexpr int ID_COIL = 32786;
inline constexpr int ID_FUNCTION = 32787;
inline constexpr int ID_FUNCTION_BOX = 32917;
inline constexpr int ID_LINE_RIGHT = 32788;
inline constexpr int ID_LINE_DOWN = 32789;
inline constexpr int ID_DELETE_LINE_DOWN = 32790;
inline constexpr int ID_LINE_UP = 32918;
inline constexpr int ID_DELETE_LINE_UP = 32919;
inline constexpr int ID_ELEM_COMMENT = 32924;
inline constexpr int ID_PROPERTY = 32923;
inline constexpr int ID_BACKSPACE = 32772;
inline constexpr int ID_DELETE = 32777;
inline constexpr int ID_CUT = 57635;
inline constexpr int ID_COPY = 57634;
inline constexpr int ID_PASTE = 57637;
inline constexpr int ID_UNDO = 57643;
inline constexpr int ID_REDO = 57644;
inline constexpr int ID_FIND = 57636;
inline constexpr int ID_REPEAT = 57640;
inline constexpr int ID_EDIT_BATCH = 33001;
inline constexpr int ID_KEY_RIGHT = 32773;
inline constexpr int ID_KEY_LEFT = 32775;
inline constexpr int ID_KEY_DOWN = 32774;
inline constexpr int ID_KEY_UP = 32776;
inline constexpr int ID_PAGE_DOWN = 32992;
inline constexpr int ID_PAGE_UP = 32991;
inline constexpr int ID_CTRL_END = 32987;
inline constexpr int ID_CTRL_HOME = 32986;
inline constexpr int ID_PRINT = 57607;
inline constexpr int ID_PRINT_PREVIEW = 57609;
inline constexpr int ID_SAVE = 57603;
inline constexpr int ID_SAVE_AS = 57604;
inline constexpr int ID_COMPILE = 32915;
inline constexpr int ID_GENERATE_ROM = 32997;
// Not a command of the original menus: the direct PDF export beside Print.
inline constexpr int ID_EXPORT_PDF = 47700;

}  // namespace varno
