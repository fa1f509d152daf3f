#pragma once
// Window layouts as data: each control with its ID, kind, text and rectangle
// in dialog units, in creation order (which is also the tab order). A label
// comes just before the control it names.

#include <cstddef>

namespace menulark {

enum class ControlKind {
    Edit,      // single-line, scrolls horizontally
    LongEdit,  // the same, for menu item texts of any length
    PushButton,
    MenuButton,         // a push button that opens a menu below itself
    DefaultPushButton,  // the button that Enter would press
    PickerButton,       // small ">" button with a static edge
    ListView,           // report view with a border
    DropDownList,       // read-only choice, shown
    PickList,           // read-only drop-down, hidden until a picker shows it
    CheckBoxTextLeft,   // toggles itself; text left of the box
    CheckBox,           // toggles itself; text right of the box
    Label,
    SunkenTitle,  // centred text in a sunken frame
    BrowserPane,  // the colour swatch pane
    Icon,         // the application icon at its own size
};

/// Resource IDs: the window templates and the application icon.
enum ResourceId : int {
    IDD_ABOUTBOX = 100,
    IDD_MENULARK_DIALOG = 102,
    IDD_EDIT_ENTRY = 103,
    IDI_APP_ICON = 130,
};

/// Control IDs of the main window, the About box and the entry editor.
enum ControlId : int {
    IDC_LABEL = -1,  // labels without an ID
    IDC_OK = 1,
    IDC_CANCEL = 2,
    IDC_BROWSER_PANE = 1000,
    IDC_TITLE = 1002,
    IDC_URL = 1003,
    IDC_EXPLANATION = 1004,
    IDC_ADD_MENU = 1005,
    IDC_DELETE = 1007,
    IDC_MENU_LIST = 1013,
    IDC_HELP_BUTTON = 1014,
    IDC_CREATE = 1015,
    IDC_PANEL_TITLE = 1017,
    IDC_PICK_FONT_SIZE = 1018,
    IDC_PICK_FONT_FAMILY = 1019,
    IDC_COLOR_LIST = 1020,
    IDC_PICK_FONT_COLOR = 1021,
    IDC_PICK_BORDER_SIZE = 1022,
    IDC_PICK_BORDER_STYLE = 1023,
    IDC_PICK_BORDER_COLOR = 1024,
    IDC_PICK_SCROLLBAR_ARROW = 1025,
    IDC_PICK_SCROLLBAR_HIGHLIGHT = 1026,
    IDC_PICK_SCROLLBAR_3DLIGHT = 1027,
    IDC_PICK_SCROLLBAR_SHADOW = 1028,
    IDC_PICK_BACKGROUND = 1029,
    IDC_SIZE_LIST = 1030,
    IDC_FONT_LIST = 1031,
    IDC_WIDTH = 1032,
    IDC_HEIGHT = 1033,
    IDC_FONT_WEIGHT = 1034,
    IDC_BACKGROUND_COLOR = 1035,
    IDC_FONT_SIZE = 1036,
    IDC_FONT_FAMILY = 1037,
    IDC_FONT_COLOR = 1038,
    IDC_BORDER_SIZE = 1039,
    IDC_BORDER_STYLE = 1040,
    IDC_BORDER_COLOR = 1041,
    IDC_SCROLLBAR_ARROW = 1042,
    IDC_SCROLLBAR_3DLIGHT = 1043,
    IDC_SCROLLBAR_HIGHLIGHT = 1044,
    IDC_SCROLLBAR_SHADOW = 1045,
    IDC_ADVANCED = 1046,
    IDC_ITEM_HIGHLIGHT = 1047,
    IDC_PICK_ITEM_HIGHLIGHT = 1048,
    IDC_SELECTED_ITEM = 1055,
    IDC_BORDER_STYLE_LIST = 1057,
    IDC_SCROLLBAR = 1058,
    IDC_MODERN = 1060,
    IDC_ENTRY_KIND = 1061,  // the entry editor: link, separator or heading
    IDC_ENTRY_ICON = 1062,
    IDC_NEW_TAB = 1063,
    IDC_MENU_BUTTON = 1064,  // opens the window menu
};

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* text;                      // "\n" separates the lines of a two-line label
    int x, y, w, h;                        // dialog units; a drop-down's height includes its open list
    int labelFor = 0;                      // a label: the control it names (its access key leads there)
    const char* accessibleName = nullptr;  // what a screen reader calls a control that has no label
    int tip = 0;  // string table ID of its tooltip, which is also its accessible description
};

struct DialogLayout {
    int templateId;
    const char* caption;
    int width, height;  // dialog units
    const ControlSpec* controls;
    size_t count;
    int panelTop = 0;        // dialog units: from here down is the style panel (0: no panel)
    int collapsePixels = 0;  // how much shorter the window is with the panel cut off, at 96 dpi

    const ControlSpec* begin() const { return controls; }
    const ControlSpec* end() const { return controls + count; }
    /// The control with `id`, or nullptr.
    const ControlSpec* Find(int id) const;
};

/// IDD_MENULARK_DIALOG: the main window.
const DialogLayout& MainWindowLayout();
/// IDD_ABOUTBOX: the About box.
const DialogLayout& AboutBoxLayout();
/// IDD_EDIT_ENTRY: the entry editor of "&Edit entry...".
const DialogLayout& EditEntryLayout();

}  // namespace menulark
