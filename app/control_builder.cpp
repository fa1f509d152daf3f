#include "app/control_builder.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "app/access_keys.h"
#include "app/accessibility.h"
#include "app/gtk_tuning.h"
#include "app/text_conversion.h"
#include "style/web_browser.h"

namespace menulark {
namespace {

// A drop-down's table height includes its open list; closed, it is one row.
constexpr int kClosedDropDownHeight = 13;

wxWindow* CreateControl(wxWindow* parent, const ControlSpec& spec, const DialogUnitScale& scale,
                        const wxIcon& icon) {
    PixelRect r = ToPixels(spec, scale);
    wxPoint pos(r.x, r.y);
    wxSize size(r.w, r.h);
    wxSize closedSize(r.w, scale.Y(kClosedDropDownHeight));
    int id = spec.id == IDC_LABEL ? wxID_ANY : spec.id;
    wxString text = spec.text ? FromCoreText(spec.text) : wxString();

    switch (spec.kind) {
        case ControlKind::Edit:
            // Enter is taken by the window's key hook (it must not press the default button).
            return new wxTextCtrl(parent, id, text, pos, size);
        case ControlKind::LongEdit: {
            auto* edit = new wxTextCtrl(parent, id, text, pos, size, LongEditStyle());
            FinishLongEdit(edit);
            return edit;
        }
        case ControlKind::PushButton:
            return new wxButton(parent, id, text, pos, size);
        case ControlKind::MenuButton: {
            auto* button = new wxButton(parent, id, text, pos, size);
            MarkAsMenuButton(button);
            return button;
        }
        case ControlKind::DefaultPushButton: {
            auto* button = new wxButton(parent, id, text, pos, size);
            button->SetDefault();
            return button;
        }
        case ControlKind::PickerButton:
            return new wxButton(parent, id, text, pos, size, wxBU_EXACTFIT);
        case ControlKind::ListView:
            return new wxListCtrl(parent, id, pos, size, wxLC_REPORT | wxBORDER_SUNKEN);
        case ControlKind::DropDownList:
            return new wxChoice(parent, id, pos, closedSize);
        case ControlKind::PickList: {
            // The program opens this drop-down itself, and choosing the entry that
            // is already selected must count as a pick: the owner-drawn combo box
            // reports every choice, where the native one reports only changes.
            auto* list = new wxOwnerDrawnComboBox(parent, id, wxEmptyString, pos, closedSize, 0, nullptr,
                                                  wxCB_READONLY);
            list->Hide();
            return list;
        }
        case ControlKind::CheckBoxTextLeft:
            return new wxCheckBox(parent, id, text, pos, size, wxALIGN_RIGHT);
        case ControlKind::CheckBox:
            return new wxCheckBox(parent, id, text, pos, size);
        case ControlKind::Label:
            return new wxStaticText(parent, id, text, pos, size, wxST_NO_AUTORESIZE);
        case ControlKind::SunkenTitle:
            return new wxStaticText(parent, id, text, pos, size,
                                    wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
        case ControlKind::BrowserPane:
            return new CWebBrowser2(parent, id, pos, size);
        case ControlKind::Icon: {
            wxBitmap bitmap;
            if (icon.IsOk()) bitmap.CopyFromIcon(icon);
            return new wxStaticBitmap(parent, id, bitmap, pos, wxSize(icon.GetWidth(), icon.GetHeight()));
        }
    }
    return nullptr;
}

}  // namespace

wxFont LayoutFont() {
    // Metric-compatible with Arial, close to the widths the layout was drawn
    // for; the toolkit's default font is too wide for several labels.
    wxFont font(wxFontInfo(8).FaceName("Liberation Sans"));
    if (!font.IsOk()) font = wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS));
    return font;
}

wxSize LayoutClientSize(const DialogLayout& layout, const DialogUnitScale& scale) {
    return wxSize(scale.X(layout.width), scale.Y(layout.height));
}

namespace {

bool CanWiden(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CheckBox;
}

// A label or check box whose text is wider than its rectangle in this font
// takes the free room to its right, as long as it touches no other control
// and stays inside the window; otherwise its text would be cut.
void WidenToFitText(const std::vector<std::pair<const ControlSpec*, wxWindow*>>& created,
                    const wxSize& client) {
    for (const auto& [spec, window] : created) {
        if (!CanWiden(spec->kind)) continue;
        wxRect rect = window->GetRect();
        int needed = window->GetBestSize().x;
        if (needed <= rect.width) continue;
        wxRect wider(rect.x, rect.y, std::min(needed, client.x - rect.x), rect.height);
        for (const auto& [otherSpec, other] : created) {
            if (other == window || otherSpec->kind == ControlKind::PickList) continue;
            wxRect o = other->GetRect();
            if (o.Intersects(wider) && o.x >= rect.x + rect.width)
                wider.width = std::min(wider.width, o.x - rect.x - 1);
        }
        if (wider.width > rect.width) window->SetSize(wider.width, rect.height);
    }
}

// Names every control for screen readers: a labelled one after its label
// (which also leads its access key there), the others by their own names.
void NameControls(const std::vector<std::pair<const ControlSpec*, wxWindow*>>& created,
                  const DialogLayout& layout, const std::map<int, wxWindow*>& controls) {
    std::set<int> labelled;
    for (const auto& [spec, window] : created) {
        if (spec->kind == ControlKind::ListView) ExposeListRows(static_cast<wxListCtrl*>(window));
        if (spec->kind == ControlKind::PickList)
            ExposePickListItems(static_cast<wxOwnerDrawnComboBox*>(window));
        if (spec->kind == ControlKind::CheckBoxTextLeft) LinkOwnText(static_cast<wxCheckBox*>(window));
    }
    for (const auto& [spec, window] : created) {
        if (spec->labelFor == 0) continue;
        const ControlSpec* control = layout.Find(spec->labelFor);
        std::string name = control->accessibleName ? control->accessibleName : SpokenLabel(spec->text);
        LinkLabel(window, controls.at(spec->labelFor), FromCoreText(name));
        labelled.insert(spec->labelFor);
    }
    for (const auto& [spec, window] : created)
        if (spec->accessibleName && !labelled.count(spec->id))
            SetAccessibleName(window, FromCoreText(spec->accessibleName));
}

// What a control does, shown on hover and read by screen readers after its name.
void DescribeControls(const std::vector<std::pair<const ControlSpec*, wxWindow*>>& created) {
    for (const auto& [spec, window] : created) {
        if (spec->tip == 0) continue;
        wxString tip = StringText(spec->tip);
        window->SetToolTip(tip);
        SetAccessibleDescription(window, tip);
    }
}

}  // namespace

std::map<int, wxWindow*> CreateControls(wxWindow* parent, const DialogLayout& layout,
                                        const DialogUnitScale& scale, const wxFont& font,
                                        const wxIcon& icon) {
    std::map<int, wxWindow*> controls;
    std::vector<std::pair<const ControlSpec*, wxWindow*>> created;
    for (const ControlSpec& spec : layout) {
        wxWindow* control = CreateControl(parent, spec, scale, icon);
        control->SetFont(font);
        created.emplace_back(&spec, control);
        if (spec.id != IDC_LABEL) controls[spec.id] = control;
    }
    WidenToFitText(created, LayoutClientSize(layout, scale));
    NameControls(created, layout, controls);
    DescribeControls(created);
    return controls;
}

}  // namespace menulark
