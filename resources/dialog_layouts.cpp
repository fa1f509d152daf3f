#include <iterator>

#include "resources/dialog_layout.h"
#include "resources/version.h"

namespace menulark {
namespace {

// IDD_MENULARK_DIALOG, in creation (and tab) order. Drop-down lists are filled from
// the style lists; the URL box gets its text when the window opens.
constexpr ControlSpec kMainWindowControls[] = {
    {IDC_TITLE, ControlKind::LongEdit, "", 125, 42, 186, 12},
    {IDC_URL, ControlKind::LongEdit, "", 125, 58, 185, 12},
    {IDC_EXPLANATION, ControlKind::LongEdit, "", 125, 74, 185, 12},
    {IDC_ADD_MENU, ControlKind::PushButton, "&Add Menu", 373, 39, 47, 15},
    {IDC_CREATE, ControlKind::PushButton, "&Create/Finish", 359, 119, 62, 20},
    {IDC_MENU_LIST, ControlKind::ListView, nullptr, 17, 97, 294, 71},
    {IDC_OK, ControlKind::DefaultPushButton, "&Ok/Cancel", 369, 6, 51, 15},
    {IDC_DELETE, ControlKind::PushButton, "&Delete", 373, 60, 47, 15},
    {IDC_HELP_BUTTON, ControlKind::PushButton, "&Help!", 374, 82, 47, 15},
    // The style panel and the rest of the upper area.
    {IDC_WIDTH, ControlKind::DropDownList, nullptr, 43, 207, 39, 71},
    {IDC_HEIGHT, ControlKind::DropDownList, nullptr, 43, 224, 39, 54},
    {IDC_PICK_BACKGROUND, ControlKind::PickerButton, ">", 64, 243, 10, 10},
    {IDC_PICK_ITEM_HIGHLIGHT, ControlKind::PickerButton, ">", 63, 262, 10, 10},
    {IDC_FONT_WEIGHT, ControlKind::DropDownList, nullptr, 164, 209, 35, 65},
    {IDC_PICK_FONT_SIZE, ControlKind::PickerButton, ">", 155, 228, 10, 10},
    {IDC_PICK_FONT_FAMILY, ControlKind::PickerButton, ">", 155, 244, 10, 10},
    {IDC_PICK_FONT_COLOR, ControlKind::PickerButton, ">", 155, 262, 10, 10},
    {IDC_PICK_BORDER_SIZE, ControlKind::PickerButton, ">", 240, 214, 10, 10},
    {IDC_PICK_BORDER_STYLE, ControlKind::PickerButton, ">", 240, 232, 10, 10},
    {IDC_PICK_BORDER_COLOR, ControlKind::PickerButton, ">", 240, 249, 10, 10},
    {IDC_PICK_SCROLLBAR_ARROW, ControlKind::PickerButton, ">", 358, 214, 10, 10},
    {IDC_PICK_SCROLLBAR_HIGHLIGHT, ControlKind::PickerButton, ">", 358, 231, 10, 10},
    {IDC_PICK_SCROLLBAR_3DLIGHT, ControlKind::PickerButton, ">", 358, 247, 10, 10},
    {IDC_PICK_SCROLLBAR_SHADOW, ControlKind::PickerButton, ">", 358, 264, 10, 10},
    {IDC_BACKGROUND_COLOR, ControlKind::Edit, "", 77, 242, 48, 13},
    {IDC_ITEM_HIGHLIGHT, ControlKind::Edit, "", 77, 261, 48, 13},
    {IDC_FONT_SIZE, ControlKind::Edit, "", 173, 226, 36, 13},
    {IDC_FONT_FAMILY, ControlKind::Edit, "", 173, 243, 36, 13},
    {IDC_FONT_COLOR, ControlKind::Edit, "", 173, 261, 48, 13},
    {IDC_BORDER_SIZE, ControlKind::Edit, "", 255, 214, 36, 13},
    {IDC_BORDER_STYLE, ControlKind::Edit, "", 255, 231, 36, 13},
    {IDC_BORDER_COLOR, ControlKind::Edit, "", 255, 248, 46, 13},
    {IDC_SCROLLBAR_ARROW, ControlKind::Edit, "", 373, 211, 47, 13},
    {IDC_SCROLLBAR_HIGHLIGHT, ControlKind::Edit, "", 373, 228, 47, 13},
    {IDC_SCROLLBAR_3DLIGHT, ControlKind::Edit, "", 373, 244, 47, 13},
    {IDC_SCROLLBAR_SHADOW, ControlKind::Edit, "", 373, 261, 47, 13},
    {IDC_COLOR_LIST, ControlKind::PickList, nullptr, 275, 180, 89, 92},
    {IDC_BORDER_STYLE_LIST, ControlKind::PickList, nullptr, 299, 180, 43, 85},
    {IDC_SIZE_LIST, ControlKind::PickList, nullptr, 310, 180, 32, 96},
    {IDC_FONT_LIST, ControlKind::PickList, nullptr, 282, 180, 82, 92},
    {IDC_SCROLLBAR, ControlKind::CheckBoxTextLeft, "Scroll&bar:", 304, 198, 53, 8},
    {IDC_ADVANCED, ControlKind::CheckBox, "Advanced &setting...", 340, 153, 71, 16},
    {IDC_LABEL, ControlKind::Label, "Menu:", 7, 20, 23, 8},
    {IDC_LABEL, ControlKind::Label, "Title:", 19, 43, 18, 11},
    {IDC_LABEL, ControlKind::Label, "URL:", 20, 59, 18, 9},
    {IDC_LABEL, ControlKind::Label, "Explanation:", 20, 75, 41, 10},
    {IDC_LABEL, ControlKind::SunkenTitle, "Frame items", 7, 6, 254, 11},
    {IDC_BROWSER_PANE, ControlKind::BrowserPane, nullptr, 374, 178, 46, 14},
    {IDC_PANEL_TITLE, ControlKind::SunkenTitle, "Advanced setting    --     Frame/Font/Border/Scrollbar", 7,
     181, 255, 11},
    {IDC_LABEL, ControlKind::Label, "Width:", 16, 210, 26, 9},
    {IDC_LABEL, ControlKind::Label, "Height:", 16, 226, 26, 9},
    {IDC_LABEL, ControlKind::Label, "Background-\ncolor:", 16, 240, 42, 16},
    {IDC_LABEL, ControlKind::Label, "Font:", 123, 198, 26, 9},
    {IDC_LABEL, ControlKind::Label, "Frame:", 7, 198, 26, 9},
    {IDC_LABEL, ControlKind::Label, "Weight:", 132, 210, 25, 9},
    {IDC_LABEL, ControlKind::Label, "Size:", 132, 228, 18, 9},
    {IDC_LABEL, ControlKind::Label, "Style:", 131, 244, 17, 9},
    {IDC_LABEL, ControlKind::Label, "Color:", 131, 261, 19, 9},
    {IDC_LABEL, ControlKind::Label, "Border:", 212, 198, 26, 9},
    {IDC_LABEL, ControlKind::Label, "Size:", 218, 214, 18, 9},
    {IDC_LABEL, ControlKind::Label, "Style:", 218, 233, 18, 9},
    {IDC_LABEL, ControlKind::Label, "Color:", 218, 249, 18, 8},
    {IDC_LABEL, ControlKind::Label, "Arrow-color:", 306, 214, 42, 9},
    {IDC_LABEL, ControlKind::Label, "Highlight-color:", 306, 232, 49, 9},
    {IDC_LABEL, ControlKind::Label, "3dlight-color:", 306, 248, 44, 9},
    {IDC_LABEL, ControlKind::Label, "Shadow-color:", 306, 264, 48, 9},
    {IDC_LABEL, ControlKind::Label, "Highlight color:", 15, 259, 42, 15},
    {IDC_SELECTED_ITEM, ControlKind::Label, "Selected item:", 65, 22, 59, 13},
    // Added after every classic control, so it comes last in the tab order.
    {IDC_MODERN, ControlKind::CheckBox, "For &modern browsers", 340, 102, 81, 12},
};

// IDD_ABOUTBOX.
constexpr ControlSpec kAboutBoxControls[] = {
    {IDC_LABEL, ControlKind::Icon, nullptr, 11, 17, 20, 20},
    {IDC_LABEL, ControlKind::Label, "Menulark Version " MENULARK_VERSION, 40, 10, 119, 8},
    {IDC_OK, ControlKind::DefaultPushButton, "OK", 178, 7, 50, 14},
};

// IDD_EDIT_ENTRY: one entry's three texts, labelled as in the main window,
// then what kind of entry it is, its icon and whether it opens a new tab.
constexpr ControlSpec kEditEntryControls[] = {
    {IDC_LABEL, ControlKind::Label, "Title:", 7, 9, 41, 9},
    {IDC_TITLE, ControlKind::LongEdit, "", 52, 7, 201, 12},
    {IDC_LABEL, ControlKind::Label, "URL:", 7, 25, 41, 9},
    {IDC_URL, ControlKind::LongEdit, "", 52, 23, 201, 12},
    {IDC_LABEL, ControlKind::Label, "Explanation:", 7, 41, 41, 9},
    {IDC_EXPLANATION, ControlKind::LongEdit, "", 52, 39, 201, 12},
    {IDC_LABEL, ControlKind::Label, "Kind:", 7, 57, 41, 9},
    {IDC_ENTRY_KIND, ControlKind::DropDownList, "", 52, 55, 80, 60},
    {IDC_LABEL, ControlKind::Label, "Icon:", 7, 73, 41, 9},
    {IDC_ENTRY_ICON, ControlKind::LongEdit, "", 52, 71, 201, 12},
    {IDC_NEW_TAB, ControlKind::CheckBox, "Open in a new &tab", 52, 87, 120, 10},
    {IDC_OK, ControlKind::DefaultPushButton, "OK", 149, 105, 50, 14},
    {IDC_CANCEL, ControlKind::PushButton, "Cancel", 203, 105, 50, 14},
};

// The style panel starts at the browser pane and the pick lists. The collapse
// is a fixed number of pixels, not the panel's height in dialog units: the
// collapsed window's lower edge falls between the "Advanced &setting..." box
// (bottom at 169) and the panel (178).
constexpr DialogLayout kMainWindow{
    IDD_MENULARK_DIALOG, "Menulark", 427, 282, kMainWindowControls, std::size(kMainWindowControls), 178, 170};
constexpr DialogLayout kAboutBox{IDD_ABOUTBOX, "About Menulark",  235,
                                 55,           kAboutBoxControls, std::size(kAboutBoxControls)};
constexpr DialogLayout kEditEntry{IDD_EDIT_ENTRY, "Edit entry", 260, 126, kEditEntryControls,
                                  std::size(kEditEntryControls)};

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
