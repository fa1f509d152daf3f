#pragma once
// The value pickers: which field the next pick fills, which pick list shows.
// The window carries out the decisions; nothing here touches a control.

#include <array>
#include <optional>

#include "resources/dialog_layout.h"

namespace menulark {

/// The four pick lists, by the control that shows each.
enum class PickList : int {
    None = 0,
    Color = IDC_COLOR_LIST,
    Size = IDC_SIZE_LIST,
    Font = IDC_FONT_LIST,
    BorderStyle = IDC_BORDER_STYLE_LIST,
};

inline constexpr std::array<PickList, 4> kPickLists{PickList::Color, PickList::BorderStyle, PickList::Size,
                                                    PickList::Font};

/// One picker target: the button that names it, the field it fills and the
/// list that serves it.
struct PickerTargetInfo {
    int target;  // 1 to 12
    int buttonId;
    int editId;
    PickList list;
};

/// The twelve targets in the order of their numbers.
const std::array<PickerTargetInfo, 12>& PickerTargets();

/// The target with number `target`, or nullptr when it is not 1 to 12.
const PickerTargetInfo* FindPickerTarget(int target);

/// What the window does when a picker button is pressed.
struct ShowDecision {
    std::array<PickList, 3> hide;  // the other three lists
    PickList show;                 // shown, and its drop-down opened
};

/// What the window does when the author chooses an entry.
struct PickDecision {
    PickList readFrom;  // the list whose selected entry is the picked text
    bool previewColor;  // show the picked colour in the swatch pane first
    int editId;         // the field that receives the picked text
    PickList hide;      // hidden afterwards
    int focusId;        // gets the keyboard focus
};

/// The pair (picker target, visible list), starting at (0, none).
class PickerState {
public:
    /// A picker button of `target` was pressed. The target stays afterwards:
    /// no pick resets it.
    ShowDecision ShowPickList(int target, PickList list);

    /// A pick list reported a choice. Nothing to do while no target is set
    /// or the list has no selected entry. The target decides the list and
    /// field, whichever list raised the event.
    std::optional<PickDecision> OnPickListChanged(bool listHasSelection);

    /// The list that serves the current target, or None while there is none.
    PickList TargetList() const;

    int Target() const { return m_target; }
    PickList Visible() const { return m_visible; }

private:
    int m_target = 0;
    PickList m_visible = PickList::None;
};

}  // namespace menulark
