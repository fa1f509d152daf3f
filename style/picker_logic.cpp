#include "style/picker_logic.h"

namespace menulark {

const std::array<PickerTargetInfo, 12>& PickerTargets() {
    static const std::array<PickerTargetInfo, 12> targets{{
        {1, IDC_PICK_FONT_SIZE, IDC_FONT_SIZE, PickList::Size},
        {2, IDC_PICK_FONT_FAMILY, IDC_FONT_FAMILY, PickList::Font},
        {3, IDC_PICK_FONT_COLOR, IDC_FONT_COLOR, PickList::Color},
        {4, IDC_PICK_BORDER_SIZE, IDC_BORDER_SIZE, PickList::Size},
        {5, IDC_PICK_BORDER_STYLE, IDC_BORDER_STYLE, PickList::BorderStyle},
        {6, IDC_PICK_BORDER_COLOR, IDC_BORDER_COLOR, PickList::Color},
        {7, IDC_PICK_SCROLLBAR_ARROW, IDC_SCROLLBAR_ARROW, PickList::Color},
        {8, IDC_PICK_SCROLLBAR_HIGHLIGHT, IDC_SCROLLBAR_HIGHLIGHT, PickList::Color},
        {9, IDC_PICK_SCROLLBAR_3DLIGHT, IDC_SCROLLBAR_3DLIGHT, PickList::Color},
        {10, IDC_PICK_SCROLLBAR_SHADOW, IDC_SCROLLBAR_SHADOW, PickList::Color},
        {11, IDC_PICK_BACKGROUND, IDC_BACKGROUND_COLOR, PickList::Color},
        {12, IDC_PICK_ITEM_HIGHLIGHT, IDC_ITEM_HIGHLIGHT, PickList::Color},
    }};
    return targets;
}

const PickerTargetInfo* FindPickerTarget(int target) {
    if (target < 1 || target > 12) return nullptr;
    return &PickerTargets()[static_cast<size_t>(target - 1)];
}

ShowDecision PickerState::ShowPickList(int target, PickList list) {
    m_target = target;
    ShowDecision decision{};
    size_t n = 0;
    for (PickList other : kPickLists)
        if (other != list) decision.hide[n++] = other;
    decision.show = list;
    m_visible = list;
    return decision;
}

PickList PickerState::TargetList() const {
    const PickerTargetInfo* info = FindPickerTarget(m_target);
    return info ? info->list : PickList::None;
}

std::optional<PickDecision> PickerState::OnPickListChanged(bool listHasSelection) {
    const PickerTargetInfo* info = FindPickerTarget(m_target);
    if (!info || !listHasSelection) return std::nullopt;
    if (m_visible == info->list) m_visible = PickList::None;
    return PickDecision{info->list, info->list == PickList::Color, info->editId, info->list, info->editId};
}

}  // namespace menulark
