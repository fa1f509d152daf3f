#pragma once
// The window menu's commands (right click on the window's background,
// Shift+F10 or the Menu key), their texts and keyboard shortcuts, in menu
// order. The menu and the window's accelerator table are both built from
// this one list (WindowMenu); a new command is a row here and a handler.

#include <wx/accel.h>
#include <wx/defs.h>

#include "app/about_command.h"
#include "resources/string_table.h"

namespace menulark {

enum WindowCommand : int {
    kOpenMenuCommand = wxID_HIGHEST + 10,
    kSaveMenuCommand,
    kSaveMenuAsCommand,
    kSavePageAsCommand,
    kEditEntryCommand,
    kMoveEntryUpCommand,
    kMoveEntryDownCommand,
    kCopyPageCodeCommand,
    kInsertSeparatorCommand,
    kInsertHeadingCommand,
    kIndentEntryCommand,
    kOutdentEntryCommand,
    kSavePageCodeFilesCommand,
    kPreviewCommand,
};

struct WindowMenuEntry {
    int command;  ///< 0: a separator
    int text;     ///< string table ID
    int modifiers = wxACCEL_NORMAL;
    int key = 0;  ///< 0: no shortcut
};

inline constexpr WindowMenuEntry kWindowMenu[] = {
    {kOpenMenuCommand, IDS_OPEN_MENU, wxACCEL_CTRL, 'O'},
    {kSaveMenuCommand, IDS_SAVE_MENU, wxACCEL_CTRL, 'S'},
    {kSaveMenuAsCommand, IDS_SAVE_MENU_AS},
    {kSavePageAsCommand, IDS_SAVE_PAGE_AS, wxACCEL_CTRL | wxACCEL_SHIFT, 'S'},
    {0, 0},
    {kEditEntryCommand, IDS_EDIT_ENTRY, wxACCEL_NORMAL, WXK_F2},
    {kMoveEntryUpCommand, IDS_MOVE_ENTRY_UP, wxACCEL_ALT, WXK_UP},
    {kMoveEntryDownCommand, IDS_MOVE_ENTRY_DOWN, wxACCEL_ALT, WXK_DOWN},
    {kIndentEntryCommand, IDS_INDENT_ENTRY, wxACCEL_ALT, WXK_RIGHT},
    {kOutdentEntryCommand, IDS_OUTDENT_ENTRY, wxACCEL_ALT, WXK_LEFT},
    {kInsertSeparatorCommand, IDS_INSERT_SEPARATOR},
    {kInsertHeadingCommand, IDS_INSERT_HEADING},
    {0, 0},
    {kCopyPageCodeCommand, IDS_COPY_PAGE_CODE},
    {kSavePageCodeFilesCommand, IDS_SAVE_PAGE_CODE_FILES},
    {kPreviewCommand, IDS_PREVIEW, wxACCEL_NORMAL, WXK_F5},
    {kAboutCommand, IDS_ABOUTBOX},
};

}  // namespace menulark
