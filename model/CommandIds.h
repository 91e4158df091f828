#pragma once
// Command ids of the program's menus and toolbars, shared by the documents that decide a
// command's state and the windows that carry it.

// File commands.
inline constexpr unsigned ID_FILE_CLOSE = 57602;
inline constexpr unsigned ID_FILE_SAVE = 57603;
inline constexpr unsigned ID_FILE_SAVE_AS = 57604;
inline constexpr unsigned ID_FILE_SAVE_NEW = 32822;

// Edit commands of the part, mult and machine windows.
inline constexpr unsigned ID_EDIT_CHOOSE_SHAPE = 32777;
inline constexpr unsigned ID_EDIT_AUTOMULT = 32815;
inline constexpr unsigned ID_EDIT_SPECIFICS = 32824;

// The part programming window: reference planes.
inline constexpr unsigned ID_CUSTOMIZE = 32779;
inline constexpr unsigned ID_TOP = 32780;
inline constexpr unsigned ID_BOTTOM = 32781;
inline constexpr unsigned ID_CENTER = 32782;
inline constexpr unsigned ID_START = 32784;
inline constexpr unsigned ID_END = 32785;
inline constexpr unsigned ID_CENTERED_DOWN = 32786;
inline constexpr unsigned ID_CENTERED_UP = 32787;
inline constexpr unsigned ID_CYCLE_TYPE = 32797;
inline constexpr unsigned ID_ROTATE_DEGREES = 32799;
inline constexpr unsigned ID_ADD_X = 32802;
inline constexpr unsigned ID_HORIZONTAL = 32872;
// The part programming window: patterns, tools and stencils.
inline constexpr unsigned ID_CHOOSE_TOOL = 32778;
inline constexpr unsigned ID_MIRROR = 32796;
inline constexpr unsigned ID_FACE_COPY = 32798;
inline constexpr unsigned ID_DELETE_PATTERN = 32801;
inline constexpr unsigned ID_TRIANGULATE = 32804;
inline constexpr unsigned ID_CHOOSE_GLOBAL_TOOL = 32809;
inline constexpr unsigned ID_COPY_TOOL = 32810;
inline constexpr unsigned ID_STENCIL_LIST = 32854;
inline constexpr unsigned ID_STENCIL = 32855;
inline constexpr unsigned ID_FLIP = 32920;
inline constexpr unsigned ID_FLOP = 32921;
inline constexpr unsigned ID_ROTATE = 32922;
// The part programming window: its panes.
inline constexpr unsigned ID_VIEW_PATTERN_WINDOW = 32773;
inline constexpr unsigned ID_VIEW_MATERIAL_WINDOW = 32774;
