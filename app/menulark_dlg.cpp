#include "app/menulark_dlg.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/odcombo.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>  // WM_SYSCOMMAND
#endif

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/about_box.h"
#include "app/about_command.h"
#include "app/app_icon.h"
#include "app/base_directory.h"
#include "app/control_builder.h"
#include "app/executable_path.h"
#include "app/system_menu.h"
#include "app/text_conversion.h"
#include "app/wx_desktop.h"
#include "page/page_templates.h"
#include "resources/string_table.h"
#include "style/color_swatch.h"
#include "style/style_lists.h"
#include "style/web_browser.h"

namespace menulark {
namespace {

// F1 sends the same command as the "Help!" button.
constexpr int kHelpCommand = IDC_HELP_BUTTON;

constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;

// A style field and the control that holds it.
struct StyleControl {
    int id;
    std::string StyleSettings::*field;
};

// Typed into edit boxes, in the order the window fills them.
constexpr StyleControl kStyleEdits[] = {
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
constexpr StyleControl kStyleChoices[] = {
    {IDC_WIDTH, &StyleSettings::width},
    {IDC_HEIGHT, &StyleSettings::height},
    {IDC_FONT_WEIGHT, &StyleSettings::fontWeight},
};

// Switched on and off together by "Scrollbar:".
constexpr int kScrollbarControls[] = {IDC_SCROLLBAR_ARROW,        IDC_SCROLLBAR_HIGHLIGHT,
                                      IDC_SCROLLBAR_3DLIGHT,      IDC_SCROLLBAR_SHADOW,
                                      IDC_PICK_SCROLLBAR_ARROW,   IDC_PICK_SCROLLBAR_HIGHLIGHT,
                                      IDC_PICK_SCROLLBAR_3DLIGHT, IDC_PICK_SCROLLBAR_SHADOW};

template <size_t N>
wxArrayString ToArray(const std::array<std::string_view, N>& entries) {
    wxArrayString strings;
    strings.reserve(N);
    for (std::string_view entry : entries) strings.push_back(FromCoreText(entry));
    return strings;
}

wxString Text(int stringId) {
    return FromCoreText(StringTableText(stringId));
}

}  // namespace

wxBEGIN_EVENT_TABLE(CMenularkDlg, wxDialog)
    EVT_BUTTON(IDC_ADD_MENU, CMenularkDlg::OnAddMenu)
    EVT_BUTTON(IDC_DELETE, CMenularkDlg::OnDelete)
    EVT_LIST_ITEM_SELECTED(IDC_MENU_LIST, CMenularkDlg::OnListSelectionChanged)
    EVT_LIST_ITEM_DESELECTED(IDC_MENU_LIST, CMenularkDlg::OnListSelectionChanged)
    EVT_BUTTON(IDC_CREATE, CMenularkDlg::OnCreate)
    EVT_CHECKBOX(IDC_SCROLLBAR, CMenularkDlg::OnScrollbarClicked)
    EVT_BUTTON(IDC_PICK_FONT_SIZE, CMenularkDlg::OnPickFontSize)
    EVT_BUTTON(IDC_PICK_FONT_FAMILY, CMenularkDlg::OnPickFontFamily)
    EVT_BUTTON(IDC_PICK_FONT_COLOR, CMenularkDlg::OnPickFontColor)
    EVT_BUTTON(IDC_PICK_BORDER_SIZE, CMenularkDlg::OnPickBorderSize)
    EVT_BUTTON(IDC_PICK_BORDER_STYLE, CMenularkDlg::OnPickBorderStyle)
    EVT_BUTTON(IDC_PICK_BORDER_COLOR, CMenularkDlg::OnPickBorderColor)
    EVT_BUTTON(IDC_PICK_SCROLLBAR_ARROW, CMenularkDlg::OnPickScrollbarArrow)
    EVT_BUTTON(IDC_PICK_SCROLLBAR_HIGHLIGHT, CMenularkDlg::OnPickScrollbarHighlight)
    EVT_BUTTON(IDC_PICK_SCROLLBAR_3DLIGHT, CMenularkDlg::OnPickScrollbar3dlight)
    EVT_BUTTON(IDC_PICK_SCROLLBAR_SHADOW, CMenularkDlg::OnPickScrollbarShadow)
    EVT_BUTTON(IDC_PICK_BACKGROUND, CMenularkDlg::OnPickBackground)
    EVT_BUTTON(IDC_PICK_ITEM_HIGHLIGHT, CMenularkDlg::OnPickItemHighlight)
    EVT_COMBOBOX(IDC_COLOR_LIST, CMenularkDlg::OnPickListChanged)
    EVT_COMBOBOX(IDC_SIZE_LIST, CMenularkDlg::OnPickListChanged)
    EVT_COMBOBOX(IDC_FONT_LIST, CMenularkDlg::OnPickListChanged)
    EVT_COMBOBOX(IDC_BORDER_STYLE_LIST, CMenularkDlg::OnPickListChanged)
    EVT_CHECKBOX(IDC_ADVANCED, CMenularkDlg::OnAdvancedClicked)
    EVT_BUTTON(IDC_HELP_BUTTON, CMenularkDlg::OnHelpClicked)
    EVT_MENU(kHelpCommand, CMenularkDlg::OnHelpClicked)
    EVT_BUTTON(IDC_OK, CMenularkDlg::OnOk)
    EVT_MENU(kAboutCommand, CMenularkDlg::OnAboutCommand)
    EVT_TEXT_ENTER(wxID_ANY, CMenularkDlg::OnTextEnter)
    EVT_TEXT(wxID_ANY, CMenularkDlg::OnTextChanged)
    EVT_CONTEXT_MENU(CMenularkDlg::OnContextMenu)
    EVT_CHAR_HOOK(CMenularkDlg::OnCharHook)
    EVT_CLOSE(CMenularkDlg::OnClose)
    EVT_IDLE(CMenularkDlg::OnIdle)
wxEND_EVENT_TABLE()

CMenularkDlg::CMenularkDlg(const DialogEnvironment& environment)
    : m_icon(AppIcon()), m_baseDirectory(environment.baseDirectory), m_desktop(environment.desktop) {
    const DialogLayout& layout = MainWindowLayout();
    Create(nullptr, wxID_ANY, FromCoreText(layout.caption), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    std::string exe = ExecutablePath();
    if (m_baseDirectory.empty()) m_baseDirectory = BaseDirectoryOf(exe);
    if (!m_desktop) {
        std::string name =
            environment.applicationName.empty() ? ApplicationNameOf(exe) : environment.applicationName;
        m_ownDesktop = std::make_unique<WxDesktop>(this, FromCoreText(name));
        m_desktop = m_ownDesktop.get();
    }
    CreateLayout();
    OpenWindow();
}

CMenularkDlg::~CMenularkDlg() = default;

void CMenularkDlg::CreateLayout() {
    // wx measures in logical pixels; FromDIP gives the display's scale where
    // the toolkit does not apply it itself.
    m_scale.contentScale = FromDIP(1000) / 1000.0;
    const DialogLayout& layout = MainWindowLayout();
    SetFont(LayoutFont());
    m_controls = CreateControls(this, layout, m_scale, GetFont(), m_icon);
    SetClientSize(LayoutClientSize(layout, m_scale));
}

void CMenularkDlg::OpenWindow() {
    SetIcon(m_icon);
    m_fullWindowRect = GetRect();
    SetClientSize(GetClientSize().x, GetClientSize().y - CollapseHeight(m_scale));

    wxListCtrl* list = List();
    list->InsertColumn(0, Text(IDS_COLUMN_TITLE), wxLIST_FORMAT_LEFT, FromDIP(100));
    list->InsertColumn(1, Text(IDS_COLUMN_URL), wxLIST_FORMAT_LEFT, FromDIP(200));
    list->InsertColumn(2, Text(IDS_COLUMN_EXPLANATION), wxLIST_FORMAT_LEFT, FromDIP(200));

    m_swatch = std::make_unique<ColorSwatchPreview>(BrowserPane(), m_baseDirectory);
    FillStyleControls();
    Edit(IDC_URL)->ChangeValue("http://");

    wxAcceleratorEntry keys[] = {wxAcceleratorEntry(wxACCEL_NORMAL, WXK_F1, kHelpCommand)};
    SetAcceleratorTable(wxAcceleratorTable(WXSIZEOF(keys), keys));

    AddSystemMenuEntry(this, kAboutCommand, Text(IDS_ABOUTBOX));

    Centre();
    Edit(IDC_TITLE)->SetFocus();
}

void CMenularkDlg::FillStyleControls() {
    PickListControl(PickList::Color)->Append(ToArray(ColorList));
    PickListControl(PickList::BorderStyle)->Append(ToArray(BorderStyleList));
    PickListControl(PickList::Size)->Append(ToArray(SizeList));
    PickListControl(PickList::Font)->Append(ToArray(FontList));
    Choice(IDC_WIDTH)->Append(ToArray(WidthChoices));
    Choice(IDC_HEIGHT)->Append(ToArray(HeightChoices));
    Choice(IDC_FONT_WEIGHT)->Append(ToArray(WeightChoices));

    const StyleSettings defaults;
    for (const StyleControl& choice : kStyleChoices)
        Choice(choice.id)->SetStringSelection(FromCoreText(defaults.*choice.field));
    for (const StyleControl& edit : kStyleEdits)
        Edit(edit.id)->ChangeValue(FromCoreText(defaults.*edit.field));
    CheckBox(IDC_SCROLLBAR)->SetValue(defaults.scrollbarColors);
}

StyleSettings CMenularkDlg::ReadStyleSettings() const {
    StyleSettings settings;
    for (const StyleControl& choice : kStyleChoices)
        settings.*choice.field = ToCoreText(Choice(choice.id)->GetStringSelection());
    for (const StyleControl& edit : kStyleEdits) settings.*edit.field = ToCoreText(Edit(edit.id)->GetValue());
    settings.styledMode = CheckBox(IDC_ADVANCED)->GetValue();
    settings.scrollbarColors = CheckBox(IDC_SCROLLBAR)->GetValue();
    return settings;
}

wxWindow* CMenularkDlg::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

wxTextCtrl* CMenularkDlg::Edit(int id) const {
    return static_cast<wxTextCtrl*>(Control(id));
}
wxChoice* CMenularkDlg::Choice(int id) const {
    return static_cast<wxChoice*>(Control(id));
}
wxCheckBox* CMenularkDlg::CheckBox(int id) const {
    return static_cast<wxCheckBox*>(Control(id));
}
wxListCtrl* CMenularkDlg::List() const {
    return static_cast<wxListCtrl*>(Control(IDC_MENU_LIST));
}
CWebBrowser2* CMenularkDlg::BrowserPane() const {
    return static_cast<CWebBrowser2*>(Control(IDC_BROWSER_PANE));
}

wxOwnerDrawnComboBox* CMenularkDlg::PickListControl(PickList list) const {
    return static_cast<wxOwnerDrawnComboBox*>(Control(static_cast<int>(list)));
}

void CMenularkDlg::Finish(int result) {
    if (IsModal())
        EndModal(result);
    else {
        SetReturnCode(result);
        Hide();
    }
}

// --- Menu items ---

void CMenularkDlg::OnAddMenu(wxCommandEvent&) {
    wxString title = Edit(IDC_TITLE)->GetValue();
    wxString url = Edit(IDC_URL)->GetValue();
    wxString explanation = Edit(IDC_EXPLANATION)->GetValue();
    if (!m_items.AddItem(ToCoreText(title), ToCoreText(url), ToCoreText(explanation))) {
        m_desktop->ShowMessage(std::string(StringTableText(IDS_FILL_ALL_BOXES)));
        return;
    }
    wxListCtrl* list = List();
    long row = list->InsertItem(list->GetItemCount(), title);
    list->SetItem(row, 1, url);
    list->SetItem(row, 2, explanation);
}

void CMenularkDlg::OnListSelectionChanged(wxListEvent&) {
    long first = List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (auto label = m_items.NoteSelection(static_cast<int>(first)))
        Control(IDC_SELECTED_ITEM)->SetLabel(FromCoreText(*label));
}

void CMenularkDlg::OnDelete(wxCommandEvent&) {
    DeleteResult result = m_items.DeleteSelected();
    switch (result.outcome) {
        case DeleteOutcome::NoSelection:
            m_desktop->ShowMessage(std::string(StringTableText(IDS_SELECT_MENU)));
            break;
        case DeleteOutcome::Removed:
            List()->DeleteItem(result.row);
            break;
        case DeleteOutcome::OutOfRange:
            break;
    }
}

// --- Page ---

void CMenularkDlg::OnCreate(wxCommandEvent&) {
    StyleSettings style = ReadStyleSettings();
    PageMode mode = style.styledMode ? PageMode::Styled : PageMode::Simple;
    PageFlavor flavor = CheckBox(IDC_MODERN)->GetValue() ? PageFlavor::Modern : PageFlavor::Classic;
    CreateResult result = CreatePage(m_items, mode, style, m_baseDirectory, *m_desktop, flavor);
    if (!result.path.empty()) m_pagePath = result.path;
}

// --- Style panel ---

void CMenularkDlg::OnScrollbarClicked(wxCommandEvent&) {
    bool on = CheckBox(IDC_SCROLLBAR)->GetValue();
    for (int id : kScrollbarControls) Control(id)->Enable(on);
}

void CMenularkDlg::OnAdvancedClicked(wxCommandEvent&) {
    // Only the height changes; the top-left corner stays where the author put it.
    bool shown = CheckBox(IDC_ADVANCED)->GetValue();
    int fullClientHeight = m_fullWindowRect.height - (GetSize().y - GetClientSize().y);
    SetClientSize(GetClientSize().x, WindowHeightFor(shown, fullClientHeight, m_scale));
    Raise();
    // The colour pickers live in this panel: start the swatch's web engine
    // now, so that the first pick need not wait for it, but only once the
    // expanded window is drawn. A run that never expands never starts it.
    if (shown && !BrowserPane()->HasWebView()) m_prepareBrowserWhenIdle = true;
}

void CMenularkDlg::OnIdle(wxIdleEvent& event) {
    event.Skip();
    if (!m_prepareBrowserWhenIdle) return;
    m_prepareBrowserWhenIdle = false;
    BrowserPane()->Prepare();
}

void CMenularkDlg::ShowPickListFor(int target) {
    const PickerTargetInfo* info = FindPickerTarget(target);
    ShowDecision decision = m_picker.ShowPickList(target, info->list);
    for (PickList other : decision.hide) {
        wxOwnerDrawnComboBox* hidden = PickListControl(other);
        if (hidden->IsPopupShown()) hidden->Dismiss();
        hidden->Hide();
    }
    wxOwnerDrawnComboBox* shown = PickListControl(decision.show);
    shown->Show();
    if (!shown->IsPopupShown()) shown->Popup();
}

void CMenularkDlg::OnPickListChanged(wxCommandEvent&) {
    PickList list = m_picker.TargetList();
    if (list == PickList::None) return;
    wxOwnerDrawnComboBox* control = PickListControl(list);
    int selection = control->GetSelection();
    auto decision = m_picker.OnPickListChanged(selection != wxNOT_FOUND);
    if (!decision) return;
    wxString picked = control->GetString(static_cast<unsigned>(selection));
    if (decision->previewColor) m_swatch->ShowColor(ToCoreText(picked));
    Edit(decision->editId)->ChangeValue(picked);
    PickListControl(decision->hide)->Hide();
    Control(decision->focusId)->SetFocus();
}

// --- Help, About, ending ---

void CMenularkDlg::OnHelpClicked(wxCommandEvent&) {
    std::string path = m_baseDirectory + "readme.htm";
    // Checked under the path's own bytes: a file name converted for the
    // toolkit depends on the locale.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        m_desktop->ShowMessage(PageTemplates::Format(IDS_HELP_MISSING, {path}));
        return;
    }
    m_desktop->OpenWithDefaultProgram(path);
}

void CMenularkDlg::ShowAboutBox() {
    CAboutBox about(this, m_icon);
    about.ShowModal();
}

void CMenularkDlg::OnAboutCommand(wxCommandEvent&) {
    ShowAboutBox();
}

void CMenularkDlg::ShowWindowMenu(const wxPoint& position) {
    wxMenu menu;
    menu.Append(kAboutCommand, Text(IDS_ABOUTBOX));
    PopupMenu(&menu, position);
}

void CMenularkDlg::OnContextMenu(wxContextMenuEvent& event) {
    // Edit boxes keep their own cut/copy/paste menu.
    if (wxDynamicCast(event.GetEventObject(), wxTextCtrl)) {
        event.Skip();
        return;
    }
    wxPoint position = event.GetPosition();
    ShowWindowMenu(position == wxDefaultPosition ? wxDefaultPosition : ScreenToClient(position));
}

void CMenularkDlg::OnCharHook(wxKeyEvent& event) {
    int key = event.GetKeyCode();
    if (key == WXK_ESCAPE) {
        Finish(kResultCancel);
        return;
    }
    // Enter in an edit box does nothing: it must not press "Ok/Cancel" and
    // throw away the entered items, nor start a second line.
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && wxDynamicCast(wxWindow::FindFocus(), wxTextCtrl))
        return;
    // The keyboard's menu key and Shift+F10 open the window menu from any
    // control, so About is reachable without a mouse.
    if (key == WXK_WINDOWS_MENU || (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) {
        ShowWindowMenu(wxDefaultPosition);
        return;
    }
    event.Skip();
}

void CMenularkDlg::OnTextEnter(wxCommandEvent&) {
    // Taken here so that Enter in an edit box does not press "Ok/Cancel"
    // and throw away the entered items.
}

void CMenularkDlg::OnTextChanged(wxCommandEvent& event) {
    // The boxes hold one line: a pasted line break becomes a blank.
    auto* edit = wxDynamicCast(event.GetEventObject(), wxTextCtrl);
    if (!edit) return;
    wxString value = edit->GetValue();
    if (value.find_first_of("\r\n") == wxString::npos) return;
    long cursor = edit->GetInsertionPoint();
    value.Replace("\r\n", " ");
    value.Replace("\r", " ");
    value.Replace("\n", " ");
    edit->ChangeValue(value);
    edit->SetInsertionPoint(std::min<long>(cursor, static_cast<long>(value.length())));
}

void CMenularkDlg::OnOk(wxCommandEvent&) {
    Finish(kResultOk);
}

void CMenularkDlg::OnClose(wxCloseEvent&) {
    Finish(kResultCancel);
}

#ifdef __WXMSW__
WXLRESULT CMenularkDlg::MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam) {
    if (message == WM_SYSCOMMAND && IsSystemMenuCommand(wParam, kAboutCommand)) {
        ShowAboutBox();
        return 0;
    }
    return wxDialog::MSWWindowProc(message, wParam, lParam);
}
#endif

}  // namespace menulark
