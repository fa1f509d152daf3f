#include "app/menulark_dlg.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>  // WM_SYSCOMMAND
#endif

#include <filesystem>
#include <system_error>

#include "app/about_box.h"
#include "app/about_command.h"
#include "app/app_icon.h"
#include "app/base_directory.h"
#include "app/control_builder.h"
#include "app/entry_list_view.h"
#include "app/executable_path.h"
#include "app/key_routing.h"
#include "app/menu_drop_target.h"
#include "app/menu_file_controller.h"
#include "app/one_line_edit.h"
#include "app/page_commands.h"
#include "app/panel_tab_stops.h"
#include "app/preview_window.h"
#include "app/style_controls.h"
#include "app/system_menu.h"
#include "app/text_conversion.h"
#include "app/window_commands.h"
#include "app/window_menu.h"
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
    EVT_TEXT(wxID_ANY, CMenularkDlg::OnTextChanged)
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
    m_pageFolder = WindowPageFolder(ResolvePageFolder(m_baseDirectory));
    wxString applicationName = FromCoreText(
        environment.applicationName.empty() ? ApplicationNameOf(exe) : environment.applicationName);
    if (!m_desktop) {
        m_ownDesktop = std::make_unique<WxDesktop>(this, applicationName);
        m_desktop = m_ownDesktop.get();
    }
    CreateLayout();
    OpenWindow();
    AddCommands(applicationName);
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
    SetClientSize(GetClientSize().x, GetClientSize().y - CollapseHeight(MainWindowLayout(), m_scale));
    std::vector<wxWindow*> pickLists;
    for (PickList list : kPickLists) pickLists.push_back(PickListControl(list));
    m_panelTabStops =
        std::make_unique<PanelTabStops>(this, m_scale.Y(MainWindowLayout().panelTop), pickLists);
    m_panelTabStops->SetOpen(false);

    wxListCtrl* list = List();
    list->InsertColumn(0, StringText(IDS_COLUMN_TITLE), wxLIST_FORMAT_LEFT, FromDIP(100));
    list->InsertColumn(1, StringText(IDS_COLUMN_URL), wxLIST_FORMAT_LEFT, FromDIP(200));
    list->InsertColumn(2, StringText(IDS_COLUMN_EXPLANATION), wxLIST_FORMAT_LEFT, FromDIP(200));

    m_swatch = std::make_unique<ColorSwatchPreview>(BrowserPane(), m_pageFolder.Path());
    ControlLookup control = [this](int id) { return Control(id); };
    FillStyleLists(control);
    ShowStyleValues(control, StyleSettings{});
    Edit(IDC_URL)->ChangeValue("http://");

    AddSystemMenuEntry(this, kAboutCommand, StringText(IDS_ABOUTBOX));

    Centre();
    Edit(IDC_TITLE)->SetFocus();
}

// The additions to the designed window: the entry list's own commands, menu
// files, the page commands and the window menu that reaches them, also from
// its button. Changes
// to the menu count from what the window shows now.
void CMenularkDlg::AddCommands(const wxString& applicationName) {
    m_entryList =
        std::make_unique<EntryListView>(*this, m_items, *List(), *Control(IDC_SELECTED_ITEM), *m_desktop);
    MenuView view{[this] { return CurrentMenu(); }, [this](const MenuDocument& menu) { ShowMenu(menu); }};
    m_menuFile = std::make_unique<MenuFileController>(*this, *m_desktop, applicationName,
                                                      MainWindowLayout().caption, std::move(view));
    m_pages = std::make_unique<PageCommands>(*this, *m_desktop, [this] { return CurrentMenu(); });
    auto preview = [this] {
        return PreviewContent{CurrentMenu(),
                              {ToCoreText(Edit(IDC_TITLE)->GetValue()), ToCoreText(Edit(IDC_URL)->GetValue()),
                               ToCoreText(Edit(IDC_EXPLANATION)->GetValue())}};
    };
    m_preview = std::make_unique<PreviewWindow>(*this, *m_desktop, preview, m_pageFolder.Path());
    WindowMenu::Handlers handlers{
        {kOpenMenuCommand, [this] { m_menuFile->OpenChosen(); }},
        {kSaveMenuCommand, [this] { m_menuFile->Save(); }},
        {kSaveMenuAsCommand, [this] { m_menuFile->SaveAs(); }},
        {kSavePageAsCommand, [this] { m_pages->SavePageAs(m_menuFile->Folder()); }},
        {kEditEntryCommand, [this] { m_entryList->EditSelected(); }},
        {kMoveEntryUpCommand, [this] { m_entryList->MoveEntry(MoveDirection::Up); }},
        {kMoveEntryDownCommand, [this] { m_entryList->MoveEntry(MoveDirection::Down); }},
        {kCopyPageCodeCommand, [this] { m_pages->CopyPageCode(); }},
        {kInsertSeparatorCommand, [this] { m_entryList->Insert(EntryKind::Separator, ""); }},
        {kInsertHeadingCommand,
         [this] { m_entryList->Insert(EntryKind::Heading, ToCoreText(Edit(IDC_TITLE)->GetValue())); }},
        {kIndentEntryCommand, [this] { m_entryList->Indent(true); }},
        {kOutdentEntryCommand, [this] { m_entryList->Indent(false); }},
        {kSavePageCodeFilesCommand, [this] { m_pages->SavePageCodeFiles(m_menuFile->Folder()); }},
        {kPreviewCommand, [this] { m_preview->Open(); }},
        {kAboutCommand, [this] { ShowAboutBox(); }},
    };
    m_windowMenu = std::make_unique<WindowMenu>(
        *this, std::move(handlers),
        std::vector<wxAcceleratorEntry>{wxAcceleratorEntry(wxACCEL_NORMAL, WXK_F1, kHelpCommand)});
    m_windowMenu->AttachButton(*Control(IDC_MENU_BUTTON));
}

StyleSettings CMenularkDlg::ReadStyleSettings() const {
    return ReadStyleValues([this](int id) { return Control(id); });
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
    m_entryList->ShowEntry(m_items.RowCount() - 1);
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
    if (m_pages->WritePage(m_pageFolder.Path() + kPageFileName)) m_pageFolder.NoteAfterWrite(this);
}

// --- The menu as the controls show it ---

MenuDocument CMenularkDlg::CurrentMenu() const {
    MenuDocument menu;
    menu.entries = m_items;
    menu.style = ReadStyleSettings();
    menu.flavor = CheckBox(IDC_MODERN)->GetValue() ? PageFlavor::Modern : PageFlavor::Classic;
    menu.modernLabel = m_modernLabel;
    menu.modernLanguage = m_modernLanguage;
    menu.extraKeys = m_extraKeys;
    return menu;
}

// Every control as the menu has it; the look switch shows or hides the style
// panel as a click on it does.
void CMenularkDlg::ShowMenu(const MenuDocument& menu) {
    m_items = menu.entries;
    m_entryList->ShowAll();
    Control(IDC_SELECTED_ITEM)->SetLabel(StringText(IDS_SELECTED_ITEM));
    ShowStyleValues([this](int id) { return Control(id); }, menu.style);
    EnableScrollbarControls(menu.style.scrollbarColors);
    if (CheckBox(IDC_ADVANCED)->GetValue() != menu.style.styledMode) {
        CheckBox(IDC_ADVANCED)->SetValue(menu.style.styledMode);
        ShowStylePanel(menu.style.styledMode);
    }
    CheckBox(IDC_MODERN)->SetValue(menu.flavor == PageFlavor::Modern);
    m_modernLabel = menu.modernLabel;
    m_modernLanguage = menu.modernLanguage;
    m_extraKeys = menu.extraKeys;
}

bool CMenularkDlg::OpenMenuFile(const std::string& path) {
    return m_menuFile->Open(path);
}

const std::string& CMenularkDlg::MenuFilePath() const {
    return m_menuFile->Path();
}

// --- Style panel ---

void CMenularkDlg::OnScrollbarClicked(wxCommandEvent&) {
    EnableScrollbarControls(CheckBox(IDC_SCROLLBAR)->GetValue());
}

void CMenularkDlg::EnableScrollbarControls(bool on) {
    for (int id : kScrollbarControls) Control(id)->Enable(on);
}

void CMenularkDlg::OnAdvancedClicked(wxCommandEvent&) {
    ShowStylePanel(CheckBox(IDC_ADVANCED)->GetValue());
}

void CMenularkDlg::ShowStylePanel(bool shown) {
    // Only the height changes; the top-left corner stays where the author put it.
    int fullClientHeight = m_fullWindowRect.height - (GetSize().y - GetClientSize().y);
    SetClientSize(GetClientSize().x, WindowHeightFor(MainWindowLayout(), shown, fullClientHeight, m_scale));
    m_panelTabStops->SetOpen(shown);
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

void CMenularkDlg::OnCharHook(wxKeyEvent& event) {
    wxOwnerDrawnComboBox* openList = nullptr;
    for (PickList list : kPickLists)
        if (PickListControl(list)->IsPopupShown()) openList = PickListControl(list);
    FocusKind focus =
        dynamic_cast<wxButton*>(wxWindow::FindFocus()) ? FocusKind::PushButton : FocusKind::Other;
    switch (RouteWindowKey(event.GetKeyCode(), event.GetModifiers(), focus, openList != nullptr)) {
        case KeyAction::CloseWindow:
            CloseWindow(kResultCancel);
            return;
        case KeyAction::ClosePickList:
            openList->Dismiss();
            return;
        case KeyAction::WindowMenu:
            m_windowMenu->Show(wxDefaultPosition);
            return;
        case KeyAction::Nothing:
            return;
        case KeyAction::Pass:
            event.Skip();
            return;
    }
}

void CMenularkDlg::OnTextChanged(wxCommandEvent& event) {
    // The boxes hold one line: a pasted line break becomes a blank.
    if (auto* edit = wxDynamicCast(event.GetEventObject(), wxTextCtrl)) KeepOneLine(edit);
}

void CMenularkDlg::OnOk(wxCommandEvent&) {
    CloseWindow(kResultOk);
}

void CMenularkDlg::OnClose(wxCloseEvent& event) {
    if (!event.CanVeto()) {
        Finish(kResultCancel);
        return;
    }
    if (!m_menuFile->MayLeaveMenu()) {
        event.Veto();
        return;
    }
    Finish(kResultCancel);
}

// Ends the window unless the author keeps it open to save the menu.
void CMenularkDlg::CloseWindow(int result) {
    if (m_menuFile->MayLeaveMenu()) Finish(result);
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
