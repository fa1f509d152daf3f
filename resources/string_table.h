#pragma once
// The program's string table: every message and every page template, one copy,
// shared by the page generator, the headless command and the window.

#include <string_view>

namespace menulark {

enum StringId : int {
    IDS_ABOUTBOX = 101,            // system-menu / context-menu entry
    IDS_FILL_ALL_BOXES = 102,      // Add with an empty box
    IDS_SIMPLE_HEAD = 105,         // simple look: head (%i popup height)
    IDS_SIMPLE_ENTRY = 106,        // simple look: one entry
    IDS_SIMPLE_TAIL = 107,         // simple look: end of page
    IDS_ADD_ITEMS_FIRST = 108,     // Create with an empty list
    IDS_STYLED_HEAD = 109,         // styled look: head
    IDS_STYLED_ENTRY = 111,        // styled look: one entry
    IDS_STYLED_CLOSE = 112,        // styled look: closes frame and container
    IDS_STYLED_FRAME = 113,        // styled look: frame with scroll-bar colours
    IDS_STYLED_TAIL = 115,         // styled look: end of page
    IDS_SELECT_MENU = 118,         // Delete before any row was selected
    IDS_STYLED_FRAME_PLAIN = 120,  // styled look: frame without scroll-bar colours
    IDS_SWATCH_PAGE = 121,         // colour swatch page

    // Texts of this program beyond the classic table.
    IDS_WRITE_FAILED = 200,   // %s file, %s reason
    IDS_INSTALL_HINT = 201,   // appended when the program folder is read-only
    IDS_HELP_MISSING = 202,   // %s path of the help file
    IDS_SELECTED_ITEM = 203,  // label IDC_SELECTED_ITEM before and after a selection
    IDS_COLUMN_TITLE = 204,
    IDS_COLUMN_URL = 205,
    IDS_COLUMN_EXPLANATION = 206,
    IDS_INSTALL_HINT_WINDOWS = 207,  // IDS_INSTALL_HINT as Windows puts it

    // Menu files, editing and moving entries, saving the page elsewhere.
    IDS_OPEN_MENU = 210,        // window menu
    IDS_SAVE_MENU = 211,        // window menu
    IDS_SAVE_MENU_AS = 212,     // window menu
    IDS_SAVE_PAGE_AS = 213,     // window menu
    IDS_EDIT_ENTRY = 214,       // window menu
    IDS_MOVE_ENTRY_UP = 215,    // window menu
    IDS_MOVE_ENTRY_DOWN = 216,  // window menu
    IDS_MENU_FILE_TYPES = 217,  // file dialog filter of menu files
    IDS_PAGE_FILE_TYPES = 218,  // file dialog filter of pages
    IDS_OPEN_FAILED = 219,      // %s file, %s reason
    IDS_SAVE_FAILED = 220,      // %s file, %s reason
    IDS_SAVE_CHANGES = 221,     // asked before unsaved changes would be lost
    IDS_SAVE_BUTTON = 222,      // its answers
    IDS_DONT_SAVE_BUTTON = 223,
    IDS_CANCEL_BUTTON = 224,
    IDS_OPEN_MENU_TITLE = 225,  // file dialog captions
    IDS_SAVE_MENU_TITLE = 226,
    IDS_SAVE_PAGE_TITLE = 227,

    // The modern page's contrast warnings and the snippet command.
    IDS_LOW_CONTRAST_BACKGROUND = 230,  // %s font colour, %s background colour, %s ratio
    IDS_LOW_CONTRAST_HIGHLIGHT = 231,   // %s font colour, %s highlight colour, %s ratio
    IDS_COPY_PAGE_CODE = 232,           // window menu: the snippet onto the clipboard
    IDS_PAGE_FOLDER_NOTE = 233,         // %s read-only program folder, %s the folder the pages go to
    IDS_SAVE_PAGE_CODE_FILES = 234,     // window menu: the snippet and its own two files into a folder
    IDS_SAVE_PAGE_CODE_TITLE = 235,     // its folder dialog's caption
    // Separators, headings and submenus.
    IDS_INSERT_SEPARATOR = 240,  // window menu
    IDS_INSERT_HEADING = 241,    // window menu: a heading titled as the Title box
    IDS_INDENT_ENTRY = 242,      // window menu
    IDS_OUTDENT_ENTRY = 243,     // window menu
    IDS_KIND_LINK = 244,         // the entry editor's kinds
    IDS_KIND_SEPARATOR = 245,
    IDS_KIND_HEADING = 246,
    IDS_BAD_ICON = 247,  // the entry editor refuses an icon
    // The live preview window.
    IDS_PREVIEW = 260,              // window menu
    IDS_PREVIEW_TITLE = 261,        // the preview window's caption
    IDS_PREVIEW_NO_ENGINE = 262,    // the command on a system without a web engine
    IDS_PREVIEW_SCRIPT_LINK = 263,  // %s the link's URL: a link that runs script, not followed
    IDS_PREVIEW_PAGE_NAME = 264,    // accessible name of the preview's page
    IDS_PREVIEW_STATUS_NAME = 265,  // accessible name of its status line
    // Tooltips, which are also the controls' accessible descriptions.
    IDS_TIP_TITLE = 300,
    IDS_TIP_URL = 301,
    IDS_TIP_EXPLANATION = 302,
    IDS_TIP_MENU_BUTTON = 303,
    IDS_TIP_OK = 304,
    IDS_TIP_ADD_MENU = 305,
    IDS_TIP_DELETE = 306,
    IDS_TIP_HELP = 307,
    IDS_TIP_CREATE = 308,
    IDS_TIP_BACKGROUND = 310,
    IDS_TIP_PICK_BACKGROUND = 311,
    IDS_TIP_ITEM_HIGHLIGHT = 312,
    IDS_TIP_PICK_ITEM_HIGHLIGHT = 313,
    IDS_TIP_FONT_SIZE = 314,
    IDS_TIP_PICK_FONT_SIZE = 315,
    IDS_TIP_FONT_FAMILY = 316,
    IDS_TIP_PICK_FONT_FAMILY = 317,
    IDS_TIP_FONT_COLOR = 318,
    IDS_TIP_PICK_FONT_COLOR = 319,
    IDS_TIP_BORDER_SIZE = 320,
    IDS_TIP_PICK_BORDER_SIZE = 321,
    IDS_TIP_BORDER_STYLE = 322,
    IDS_TIP_PICK_BORDER_STYLE = 323,
    IDS_TIP_BORDER_COLOR = 324,
    IDS_TIP_PICK_BORDER_COLOR = 325,
    IDS_TIP_SCROLLBAR_ARROW = 326,
    IDS_TIP_PICK_SCROLLBAR_ARROW = 327,
    IDS_TIP_SCROLLBAR_HIGHLIGHT = 328,
    IDS_TIP_PICK_SCROLLBAR_HIGHLIGHT = 329,
    IDS_TIP_SCROLLBAR_3DLIGHT = 330,
    IDS_TIP_PICK_SCROLLBAR_3DLIGHT = 331,
    IDS_TIP_SCROLLBAR_SHADOW = 332,
    IDS_TIP_PICK_SCROLLBAR_SHADOW = 333,
    IDS_TIP_ENTRY_ICON = 340,
    IDS_TIP_ENTRY_OK = 341,
    IDS_TIP_ENTRY_CANCEL = 342,
    IDS_TIP_ABOUT_OK = 343,
};

/// The text of string `id`; an empty view when the table holds none.
std::string_view StringTableText(int id);

/// Every id that has a text, in ascending order (for tests and tools).
const int* StringTableIds(int* count);

}  // namespace menulark
