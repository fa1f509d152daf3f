#pragma once
// Which control of the main window holds which style value: the window
// fills, reads and shows the style panel from these tables.

#include <functional>
#include <string>

#include "menu/style_settings.h"
#include "resources/dialog_layout.h"

class wxWindow;

namespace menulark {

// A style field and the control that holds it.
struct StyleControl {
    int id;
    std::string StyleSettings::*field;
};

// Typed into edit boxes, in the order the window fills them.
inline constexpr StyleControl kStyleEdits[] = {
    {IDC_BACKGROUND_COLOR, &StyleSettings::backgroundColor},
    {IDC_ITEM_HIGHLIGHT, &StyleSettings::itemHighlightColor},
    {IDC_FONT_SIZE, &StyleSettings::fontSize},
    {IDC_FONT_FAMILY, &StyleSettings::fontFamily},
    {IDC_FONT_COLOR, &StyleSettings::fontColor},
    {IDC_BORDER_SIZE, &StyleSettings::borderSize},
    {IDC_BORDER_STYLE, &StyleSettings::borderStyle},
    {IDC_BORDER_COLOR, &StyleSettings::borderColor},
    {IDC_SCROLLBAR_ARROW, &StyleSettings::scrollbarArrowColor},
    {IDC_SCROLLBAR_HIGHLIGHT, &StyleSettings::scrollbarHighlightColor},
    {IDC_SCROLLBAR_3DLIGHT, &StyleSettings::scrollbar3dlightColor},
    {IDC_SCROLLBAR_SHADOW, &StyleSettings::scrollbarShadowColor},
};

// Chosen from drop-down lists.
inline constexpr StyleControl kStyleChoices[] = {
    {IDC_WIDTH, &StyleSettings::width},
    {IDC_HEIGHT, &StyleSettings::height},
    {IDC_FONT_WEIGHT, &StyleSettings::fontWeight},
};

// Switched on and off together by "Scrollbar:".
inline constexpr int kScrollbarControls[] = {IDC_SCROLLBAR_ARROW,        IDC_SCROLLBAR_HIGHLIGHT,
                                             IDC_SCROLLBAR_3DLIGHT,      IDC_SCROLLBAR_SHADOW,
                                             IDC_PICK_SCROLLBAR_ARROW,   IDC_PICK_SCROLLBAR_HIGHLIGHT,
                                             IDC_PICK_SCROLLBAR_3DLIGHT, IDC_PICK_SCROLLBAR_SHADOW};

/// The main window's control with an ID.
using ControlLookup = std::function<wxWindow*(int id)>;

/// Fills the pick lists and the drop-down lists with their fixed entries.
void FillStyleLists(const ControlLookup& control);

/// Shows `style`'s values in the style panel's boxes, lists and "Scrollbar:"
/// box. A list value the list lacks (written by hand or by menulark-page) is
/// added, so that it is shown and kept rather than lost.
void ShowStyleValues(const ControlLookup& control, const StyleSettings& style);

/// The style values as the controls hold them; the look is "Advanced setting...".
StyleSettings ReadStyleValues(const ControlLookup& control);

}  // namespace menulark
