#include <iterator>

#include "resources/dialog_layout.h"
#include "resources/string_table.h"
#include "resources/version.h"

namespace menulark {
namespace {

// IDD_MENULARK_DIALOG, in creation order, which is the tab order: the reading order
// of the layout, the left column before the right one, each label just before its
// control and each picker just after the box it fills. Drop-down lists are filled
// from the style lists; the URL box gets its text when the window opens. The
// menu button, an addition to the designed window, sits in the free space of
// the top row, between the two columns, and moves none of the designed controls;
// its arrow, U+25BC, is drawn by the layout font itself (Liberation Sans, Arial).
constexpr ControlSpec kMainWindowControls[] = {
    {IDC_LABEL, ControlKind::SunkenTitle, "Frame items", 7, 6, 254, 11},
    {IDC_SELECTED_ITEM, ControlKind::Label, "Selected item:", 65, 22, 59, 13},
    {IDC_LABEL, ControlKind::Label, "&Title:", 19, 43, 18, 11, IDC_TITLE},
    {IDC_TITLE, ControlKind::LongEdit, "", 125, 42, 186, 12, 0, nullptr, IDS_TIP_TITLE},
    {IDC_LABEL, ControlKind::Label, "&URL:", 20, 59, 18, 9, IDC_URL},
    {IDC_URL, ControlKind::LongEdit, "", 125, 58, 185, 12, 0, nullptr, IDS_TIP_URL},
    {IDC_LABEL, ControlKind::Label, "E&xplanation:", 20, 75, 41, 10, IDC_EXPLANATION},
    {IDC_EXPLANATION, ControlKind::LongEdit, "", 125, 74, 185, 12, 0, nullptr, IDS_TIP_EXPLANATION},
    {IDC_LABEL, ControlKind::Label, "Me&nu:", 7, 20, 23, 8, IDC_MENU_LIST},
    {IDC_MENU_LIST, ControlKind::ListView, nullptr, 17, 97, 294, 71},
    {IDC_MENU_BUTTON, ControlKind::MenuButton, "More &functions \u25BC", 297, 6, 66, 15, 0, "More functions",
     IDS_TIP_MENU_BUTTON},
    {IDC_OK, ControlKind::DefaultPushButton, "&Ok/Cancel", 369, 6, 51, 15, 0, nullptr, IDS_TIP_OK},
    {IDC_ADD_MENU, ControlKind::PushButton, "&Add Menu", 373, 39, 47, 15, 0, nullptr, IDS_TIP_ADD_MENU},
    {IDC_DELETE, ControlKind::PushButton, "&Delete", 373, 60, 47, 15, 0, nullptr, IDS_TIP_DELETE},
    {IDC_HELP_BUTTON, ControlKind::PushButton, "&Help!", 374, 82, 47, 15, 0, nullptr, IDS_TIP_HELP},
    {IDC_MODERN, ControlKind::CheckBox, "For &modern browsers", 340, 102, 81, 12},
    {IDC_CREATE, ControlKind::PushButton, "&Create/Finish", 359, 119, 62, 20, 0, nullptr, IDS_TIP_CREATE},
    {IDC_ADVANCED, ControlKind::CheckBox, "Advanced &setting...", 340, 153, 71, 16},
    // The style panel, group by group from left to right.
    {IDC_PANEL_TITLE, ControlKind::SunkenTitle, "Advanced setting    --     Frame/Font/Border/Scrollbar", 7,
     181, 255, 11},
    {IDC_LABEL, ControlKind::Label, "Frame:", 7, 198, 26, 9},
    {IDC_LABEL, ControlKind::Label, "&Width:", 16, 210, 26, 9, IDC_WIDTH},
    {IDC_WIDTH, ControlKind::DropDownList, nullptr, 43, 207, 39, 71},
    {IDC_LABEL, ControlKind::Label, "Hei&ght:", 16, 226, 26, 9, IDC_HEIGHT},
    {IDC_HEIGHT, ControlKind::DropDownList, nullptr, 43, 224, 39, 54},
    {IDC_LABEL, ControlKind::Label, "Bac&kground-\ncolor:", 16, 240, 42, 16, IDC_BACKGROUND_COLOR},
    {IDC_BACKGROUND_COLOR, ControlKind::Edit, "", 77, 242, 48, 13, 0, nullptr, IDS_TIP_BACKGROUND},
    {IDC_PICK_BACKGROUND, ControlKind::PickerButton, ">", 64, 243, 10, 10, 0, "Pick background colour",
     IDS_TIP_PICK_BACKGROUND},
    {IDC_LABEL, ControlKind::Label, "H&ighlight color:", 15, 259, 42, 15, IDC_ITEM_HIGHLIGHT},
    {IDC_ITEM_HIGHLIGHT, ControlKind::Edit, "", 77, 261, 48, 13, 0, nullptr, IDS_TIP_ITEM_HIGHLIGHT},
    {IDC_PICK_ITEM_HIGHLIGHT, ControlKind::PickerButton, ">", 63, 262, 10, 10, 0, "Pick highlight colour",
     IDS_TIP_PICK_ITEM_HIGHLIGHT},
    {IDC_LABEL, ControlKind::Label, "Font:", 123, 198, 26, 9},
    {IDC_LABEL, ControlKind::Label, "W&eight:", 132, 210, 25, 9, IDC_FONT_WEIGHT},
    {IDC_FONT_WEIGHT, ControlKind::DropDownList, nullptr, 164, 209, 35, 65, 0, "Font weight"},
    {IDC_LABEL, ControlKind::Label, "Si&ze:", 132, 228, 18, 9, IDC_FONT_SIZE},
    {IDC_FONT_SIZE, ControlKind::Edit, "", 173, 226, 36, 13, 0, "Font size", IDS_TIP_FONT_SIZE},
    {IDC_PICK_FONT_SIZE, ControlKind::PickerButton, ">", 155, 228, 10, 10, 0, "Pick font size",
     IDS_TIP_PICK_FONT_SIZE},
    {IDC_LABEL, ControlKind::Label, "St&yle:", 131, 244, 17, 9, IDC_FONT_FAMILY},
    {IDC_FONT_FAMILY, ControlKind::Edit, "", 173, 243, 36, 13, 0, "Font style", IDS_TIP_FONT_FAMILY},
    {IDC_PICK_FONT_FAMILY, ControlKind::PickerButton, ">", 155, 244, 10, 10, 0, "Pick font style",
     IDS_TIP_PICK_FONT_FAMILY},
    {IDC_LABEL, ControlKind::Label, "Co&lor:", 131, 261, 19, 9, IDC_FONT_COLOR},
    {IDC_FONT_COLOR, ControlKind::Edit, "", 173, 261, 48, 13, 0, "Font color", IDS_TIP_FONT_COLOR},
    {IDC_PICK_FONT_COLOR, ControlKind::PickerButton, ">", 155, 262, 10, 10, 0, "Pick font colour",
     IDS_TIP_PICK_FONT_COLOR},
    {IDC_LABEL, ControlKind::Label, "Border:", 212, 198, 26, 9},
    {IDC_LABEL, ControlKind::Label, "Size:", 218, 214, 18, 9, IDC_BORDER_SIZE},
    {IDC_BORDER_SIZE, ControlKind::Edit, "", 255, 214, 36, 13, 0, "Border size", IDS_TIP_BORDER_SIZE},
    {IDC_PICK_BORDER_SIZE, ControlKind::PickerButton, ">", 240, 214, 10, 10, 0, "Pick border size",
     IDS_TIP_PICK_BORDER_SIZE},
    {IDC_LABEL, ControlKind::Label, "Style:", 218, 233, 18, 9, IDC_BORDER_STYLE},
    {IDC_BORDER_STYLE, ControlKind::Edit, "", 255, 231, 36, 13, 0, "Border style", IDS_TIP_BORDER_STYLE},
    {IDC_PICK_BORDER_STYLE, ControlKind::PickerButton, ">", 240, 232, 10, 10, 0, "Pick border style",
     IDS_TIP_PICK_BORDER_STYLE},
    {IDC_LABEL, ControlKind::Label, "Colo&r:", 218, 249, 18, 8, IDC_BORDER_COLOR},
    {IDC_BORDER_COLOR, ControlKind::Edit, "", 255, 248, 46, 13, 0, "Border color", IDS_TIP_BORDER_COLOR},
    {IDC_PICK_BORDER_COLOR, ControlKind::PickerButton, ">", 240, 249, 10, 10, 0, "Pick border colour",
     IDS_TIP_PICK_BORDER_COLOR},
    {IDC_SCROLLBAR, ControlKind::CheckBoxTextLeft, "Scroll&bar:", 304, 198, 53, 8},
    {IDC_LABEL, ControlKind::Label, "Arrow-color:", 306, 214, 42, 9, IDC_SCROLLBAR_ARROW},
    {IDC_SCROLLBAR_ARROW, ControlKind::Edit, "", 373, 211, 47, 13, 0, "Scroll-bar arrow color",
     IDS_TIP_SCROLLBAR_ARROW},
    {IDC_PICK_SCROLLBAR_ARROW, ControlKind::PickerButton, ">", 358, 214, 10, 10, 0,
     "Pick scroll-bar arrow colour", IDS_TIP_PICK_SCROLLBAR_ARROW},
    {IDC_LABEL, ControlKind::Label, "Highlight-color:", 306, 232, 49, 9, IDC_SCROLLBAR_HIGHLIGHT},
    {IDC_SCROLLBAR_HIGHLIGHT, ControlKind::Edit, "", 373, 228, 47, 13, 0, "Scroll-bar highlight color",
     IDS_TIP_SCROLLBAR_HIGHLIGHT},
    {IDC_PICK_SCROLLBAR_HIGHLIGHT, ControlKind::PickerButton, ">", 358, 231, 10, 10, 0,
     "Pick scroll-bar highlight colour", IDS_TIP_PICK_SCROLLBAR_HIGHLIGHT},
    {IDC_LABEL, ControlKind::Label, "&3dlight-color:", 306, 248, 44, 9, IDC_SCROLLBAR_3DLIGHT},
    {IDC_SCROLLBAR_3DLIGHT, ControlKind::Edit, "", 373, 244, 47, 13, 0, "Scroll-bar 3dlight color",
     IDS_TIP_SCROLLBAR_3DLIGHT},
    {IDC_PICK_SCROLLBAR_3DLIGHT, ControlKind::PickerButton, ">", 358, 247, 10, 10, 0,
     "Pick scroll-bar 3dlight colour", IDS_TIP_PICK_SCROLLBAR_3DLIGHT},
    {IDC_LABEL, ControlKind::Label, "Shadow-color:", 306, 264, 48, 9, IDC_SCROLLBAR_SHADOW},
    {IDC_SCROLLBAR_SHADOW, ControlKind::Edit, "", 373, 261, 47, 13, 0, "Scroll-bar shadow color",
     IDS_TIP_SCROLLBAR_SHADOW},
    {IDC_PICK_SCROLLBAR_SHADOW, ControlKind::PickerButton, ">", 358, 264, 10, 10, 0,
     "Pick scroll-bar shadow colour", IDS_TIP_PICK_SCROLLBAR_SHADOW},
    // Shown by the pickers; the swatch pane is a preview and takes no focus.
    {IDC_COLOR_LIST, ControlKind::PickList, nullptr, 275, 180, 89, 92, 0, "Colors"},
    {IDC_BORDER_STYLE_LIST, ControlKind::PickList, nullptr, 299, 180, 43, 85, 0, "Border styles"},
    {IDC_SIZE_LIST, ControlKind::PickList, nullptr, 310, 180, 32, 96, 0, "Sizes"},
    {IDC_FONT_LIST, ControlKind::PickList, nullptr, 282, 180, 82, 92, 0, "Fonts"},
    {IDC_BROWSER_PANE, ControlKind::BrowserPane, nullptr, 374, 178, 46, 14, 0, "Color preview"},
};

// IDD_ABOUTBOX.
constexpr ControlSpec kAboutBoxControls[] = {
    {IDC_LABEL, ControlKind::Icon, nullptr, 11, 17, 20, 20},
    {IDC_LABEL, ControlKind::Label, "Menulark Version " MENULARK_VERSION, 40, 10, 119, 8},
    {IDC_OK, ControlKind::DefaultPushButton, "OK", 178, 7, 50, 14, 0, nullptr, IDS_TIP_ABOUT_OK},
};

// IDD_EDIT_ENTRY: one entry's three texts, labelled as in the main window,
// then what kind of entry it is, its icon and whether it opens a new tab.
constexpr ControlSpec kEditEntryControls[] = {
    {IDC_LABEL, ControlKind::Label, "&Title:", 7, 9, 41, 9, IDC_TITLE},
    {IDC_TITLE, ControlKind::LongEdit, "", 52, 7, 201, 12, 0, nullptr, IDS_TIP_TITLE},
    {IDC_LABEL, ControlKind::Label, "&URL:", 7, 25, 41, 9, IDC_URL},
    {IDC_URL, ControlKind::LongEdit, "", 52, 23, 201, 12, 0, nullptr, IDS_TIP_URL},
    {IDC_LABEL, ControlKind::Label, "E&xplanation:", 7, 41, 41, 9, IDC_EXPLANATION},
    {IDC_EXPLANATION, ControlKind::LongEdit, "", 52, 39, 201, 12, 0, nullptr, IDS_TIP_EXPLANATION},
    {IDC_LABEL, ControlKind::Label, "&Kind:", 7, 57, 41, 9, IDC_ENTRY_KIND},
    {IDC_ENTRY_KIND, ControlKind::DropDownList, "", 52, 55, 80, 60},
    {IDC_LABEL, ControlKind::Label, "&Icon:", 7, 73, 41, 9, IDC_ENTRY_ICON},
    {IDC_ENTRY_ICON, ControlKind::LongEdit, "", 52, 71, 201, 12, 0, nullptr, IDS_TIP_ENTRY_ICON},
    {IDC_NEW_TAB, ControlKind::CheckBox, "Open in a new t&ab", 52, 87, 120, 10},
    {IDC_OK, ControlKind::DefaultPushButton, "OK", 149, 105, 50, 14, 0, nullptr, IDS_TIP_ENTRY_OK},
    {IDC_CANCEL, ControlKind::PushButton, "Cancel", 203, 105, 50, 14, 0, nullptr, IDS_TIP_ENTRY_CANCEL},
};

// The style panel starts at the browser pane and the pick lists. The collapse
// is a fixed number of pixels, not the panel's height in dialog units: the
// collapsed window's lower edge falls between the "Advanced &setting..." box
// (bottom at 169) and the panel (178).
constexpr DialogLayout kMainWindow{
    IDD_MENULARK_DIALOG, "Menulark", 427, 282, kMainWindowControls, std::size(kMainWindowControls), 178, 170};
constexpr DialogLayout kAboutBox{IDD_ABOUTBOX, "About Menulark",  235,
                                 55,           kAboutBoxControls, std::size(kAboutBoxControls)};
constexpr DialogLayout kEditEntry{
    IDD_EDIT_ENTRY, "Edit entry", 260, 126, kEditEntryControls, std::size(kEditEntryControls)};

}  // namespace

const ControlSpec* DialogLayout::Find(int id) const {
    for (const ControlSpec& control : *this)
        if (control.id == id) return &control;
    return nullptr;
}

const DialogLayout& MainWindowLayout() {
    return kMainWindow;
}
const DialogLayout& AboutBoxLayout() {
    return kAboutBox;
}
const DialogLayout& EditEntryLayout() {
    return kEditEntry;
}

}  // namespace menulark
