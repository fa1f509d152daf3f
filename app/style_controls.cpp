#include "app/style_controls.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/odcombo.h>
#include <wx/textctrl.h>

#include <array>
#include <string_view>

#include "app/text_conversion.h"
#include "style/picker_logic.h"
#include "style/style_lists.h"

namespace menulark {
namespace {

template <size_t N>
wxArrayString ToArray(const std::array<std::string_view, N>& entries) {
    wxArrayString strings;
    strings.reserve(N);
    for (std::string_view entry : entries) strings.push_back(FromCoreText(entry));
    return strings;
}

template <typename Control>
Control* As(const ControlLookup& control, int id) {
    return static_cast<Control*>(control(id));
}

}  // namespace

void FillStyleLists(const ControlLookup& control) {
    As<wxOwnerDrawnComboBox>(control, static_cast<int>(PickList::Color))->Append(ToArray(ColorList));
    As<wxOwnerDrawnComboBox>(control, static_cast<int>(PickList::BorderStyle))
        ->Append(ToArray(BorderStyleList));
    As<wxOwnerDrawnComboBox>(control, static_cast<int>(PickList::Size))->Append(ToArray(SizeList));
    As<wxOwnerDrawnComboBox>(control, static_cast<int>(PickList::Font))->Append(ToArray(FontList));
    As<wxChoice>(control, IDC_WIDTH)->Append(ToArray(WidthChoices));
    As<wxChoice>(control, IDC_HEIGHT)->Append(ToArray(HeightChoices));
    As<wxChoice>(control, IDC_FONT_WEIGHT)->Append(ToArray(WeightChoices));
}

void ShowStyleValues(const ControlLookup& control, const StyleSettings& style) {
    for (const StyleControl& choice : kStyleChoices) {
        wxChoice* list = As<wxChoice>(control, choice.id);
        wxString value = FromCoreText(style.*choice.field);
        if (list->FindString(value, true) == wxNOT_FOUND) list->Append(value);
        list->SetStringSelection(value);
    }
    for (const StyleControl& edit : kStyleEdits)
        As<wxTextCtrl>(control, edit.id)->ChangeValue(FromCoreText(style.*edit.field));
    As<wxCheckBox>(control, IDC_SCROLLBAR)->SetValue(style.scrollbarColors);
}

StyleSettings ReadStyleValues(const ControlLookup& control) {
    StyleSettings settings;
    for (const StyleControl& choice : kStyleChoices)
        settings.*choice.field = ToCoreText(As<wxChoice>(control, choice.id)->GetStringSelection());
    for (const StyleControl& edit : kStyleEdits)
        settings.*edit.field = ToCoreText(As<wxTextCtrl>(control, edit.id)->GetValue());
    settings.styledMode = As<wxCheckBox>(control, IDC_ADVANCED)->GetValue();
    settings.scrollbarColors = As<wxCheckBox>(control, IDC_SCROLLBAR)->GetValue();
    return settings;
}

}  // namespace menulark
