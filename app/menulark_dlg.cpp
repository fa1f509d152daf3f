#include "app/menulark_dlg.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
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
#include "app/contrast_note.h"
#include "app/control_builder.h"
#include "app/edit_entry_dlg.h"
#include "app/executable_path.h"
#include "app/key_routing.h"
#include "app/menu_drop_target.h"
#include "app/one_line_edit.h"
#include "app/panel_tab_stops.h"
#include "app/system_menu.h"
#include "app/text_conversion.h"
#include "app/window_commands.h"
#include "app/wx_desktop.h"
#include "page/contrast.h"
#include "page/modern_page.h"
#include "page/page_templates.h"
#include "resources/string_table.h"
#include "style/color_swatch.h"
#include "style/style_lists.h"
#include "style/web_browser.h"

namespace menulark {
namespace {

// F1 sends the same command as the "Help!" button.
constexpr int kHelpCommand = IDC_HELP_BUTTON;

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
    EVT_MENU(kOpenMenuCommand, CMenularkDlg::OnOpenMenu)
    EVT_MENU(kSaveMenuCommand, CMenularkDlg::OnSaveMenu)
    EVT_MENU(kSaveMenuAsCommand, CMenularkDlg::OnSaveMenuAs)
    EVT_MENU(kSavePageAsCommand, CMenularkDlg::OnSavePageAs)
    EVT_MENU(kEditEntryCommand, CMenularkDlg::OnEditEntry)
    EVT_MENU(kMoveEntryUpCommand, CMenularkDlg::OnMoveEntryUp)
    EVT_MENU(kMoveEntryDownCommand, CMenularkDlg::OnMoveEntryDown)
    EVT_MENU(kCopyPageCodeCommand, CMenularkDlg::OnCopyPageCode)
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
    m_applicationName = FromCoreText(environment.applicationName.empty() ? ApplicationNameOf(exe)
                                                                         : environment.applicationName);
    if (!m_desktop) {
        m_ownDesktop = std::make_unique<WxDesktop>(this, m_applicationName);
        m_desktop = m_ownDesktop.get();
    }
    CreateLayout();
    OpenWindow();
    // Changes count from what the window shows now.
    m_file = MenuFileState(CurrentMenu());
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
    list->InsertColumn(0, Text(IDS_COLUMN_TITLE), wxLIST_FORMAT_LEFT, FromDIP(100));
    list->InsertColumn(1, Text(IDS_COLUMN_URL), wxLIST_FORMAT_LEFT, FromDIP(200));
    list->InsertColumn(2, Text(IDS_COLUMN_EXPLANATION), wxLIST_FORMAT_LEFT, FromDIP(200));

    m_swatch = std::make_unique<ColorSwatchPreview>(BrowserPane(), m_baseDirectory);
    FillStyleControls();
    Edit(IDC_URL)->ChangeValue("http://");

    std::vector<wxAcceleratorEntry> keys{wxAcceleratorEntry(wxACCEL_NORMAL, WXK_F1, kHelpCommand)};
    for (const WindowMenuEntry& entry : kWindowMenu)
        if (entry.key != 0) keys.emplace_back(entry.modifiers, entry.key, entry.command);
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(keys.size()), keys.data()));
    SetDropTarget(new MenuFileDropTarget([this](const std::string& path) { return OpenMenuFile(path); }));

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
    ShowEntry(m_items.RowCount() - 1);
}

// Row `row` of the list control shows entry `row`, added when it is new.
void CMenularkDlg::ShowEntry(int row) {
    wxListCtrl* list = List();
    const MenuItem& item = m_items.Row(row);
    if (row >= list->GetItemCount()) list->InsertItem(row, FromCoreText(item.title));
    list->SetItem(row, 0, FromCoreText(item.title));
    list->SetItem(row, 1, FromCoreText(item.url));
    list->SetItem(row, 2, FromCoreText(item.explanation));
}

// Selects `row` alone and shows it; the list's selection events keep the
// remembered row and its label in step.
void CMenularkDlg::SelectOnly(int row) {
    wxListCtrl* list = List();
    for (long r = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); r != -1;
         r = list->GetNextItem(r, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        if (r != row) list->SetItemState(r, 0, wxLIST_STATE_SELECTED);
    list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                       wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    list->EnsureVisible(row);
}

void CMenularkDlg::OnEditEntry(wxCommandEvent&) {
    EditResult target = RowToEdit(m_items);
    if (target.outcome != EditOutcome::Done) {
        m_desktop->ShowMessage(target.message);
        return;
    }
    CEditEntryDlg editor(this, m_items.Row(target.row));
    // A refused text keeps the editor open with what was typed.
    while (editor.ShowModal() == IDC_OK) {
        MenuItem typed = editor.Entry();
        EditResult result = ReplaceSelected(m_items, typed.title, typed.url, typed.explanation);
        if (result.outcome == EditOutcome::Done) {
            ShowEntry(result.row);
            return;
        }
        m_desktop->ShowMessage(result.message);
        if (result.outcome != EditOutcome::EmptyField) return;
    }
}

void CMenularkDlg::MoveEntry(MoveDirection direction) {
    const int from = m_items.SelectedRow();
    EditResult result = MoveSelected(m_items, direction);
    switch (result.outcome) {
        case EditOutcome::NoSelection:
        case EditOutcome::EmptyField:
            m_desktop->ShowMessage(result.message);
            return;
        case EditOutcome::AtEdge:
            return;
        case EditOutcome::Done:
            break;
    }
    ShowEntry(from);
    ShowEntry(result.row);
    SelectOnly(result.row);
    if (result.label) Control(IDC_SELECTED_ITEM)->SetLabel(FromCoreText(*result.label));
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

// The page of the window's menu, to be written at `path`.
PageRequest CMenularkDlg::PageRequestFor(const std::string& path) const {
    PageFlavor flavor = CheckBox(IDC_MODERN)->GetValue() ? PageFlavor::Modern : PageFlavor::Classic;
    PageRequest request{m_items, ReadStyleSettings(), flavor, path};
    request.modernPage.label = m_modernLabel;
    request.modernPage.lang = m_modernLanguage;
    return request;
}

void CMenularkDlg::OnCreate(wxCommandEvent&) {
    WritePage(m_baseDirectory + kPageFileName);
}

// Writes and opens the page; the modern styled look then notes colours that
// are hard to read.
void CMenularkDlg::WritePage(const std::string& path) {
    PageRequest request = PageRequestFor(path);
    CreateResult result = CreatePage(request, *m_desktop);
    if (result.outcome == CreateOutcome::Opened && request.flavor == PageFlavor::Modern)
        NoteLowContrast(request.style);
}

// The same page as "&Create/Finish", in a file the author chooses.
void CMenularkDlg::OnSavePageAs(wxCommandEvent&) {
    if (m_items.RowCount() == 0) {
        m_desktop->ReportNoItems();
        return;
    }
    std::optional<std::string> path = AskFileName(IDS_SAVE_PAGE_TITLE, IDS_PAGE_FILE_TYPES,
                                                  wxFD_SAVE | wxFD_OVERWRITE_PROMPT, kPageFileName);
    if (path) WritePage(*path);
}

// --- Menu files ---

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
    ShowEntries();
    Control(IDC_SELECTED_ITEM)->SetLabel(Text(IDS_SELECTED_ITEM));
    for (const StyleControl& choice : kStyleChoices) {
        // A value the list lacks (written by hand or by menulark-page) is
        // added, so that it is shown and kept rather than lost.
        wxString value = FromCoreText(menu.style.*choice.field);
        if (Choice(choice.id)->FindString(value, true) == wxNOT_FOUND) Choice(choice.id)->Append(value);
        Choice(choice.id)->SetStringSelection(value);
    }
    for (const StyleControl& edit : kStyleEdits) Edit(edit.id)->ChangeValue(FromCoreText(menu.style.*edit.field));
    CheckBox(IDC_SCROLLBAR)->SetValue(menu.style.scrollbarColors);
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

void CMenularkDlg::ShowEntries() {
    wxListCtrl* list = List();
    list->Freeze();
    list->DeleteAllItems();
    for (int row = 0; row < m_items.RowCount(); ++row) ShowEntry(row);
    list->Thaw();
}

void CMenularkDlg::UpdateCaption() {
    SetTitle(PathText(m_file.Caption(MainWindowLayout().caption)));
}

bool CMenularkDlg::OpenMenuFile(const std::string& path) {
    return MayLeaveMenu() && LoadMenuFile(path);
}

bool CMenularkDlg::LoadMenuFile(const std::string& path) {
    MenuFileRead read = ReadMenuFile(path);
    if (!read.document) {
        m_desktop->ShowMessage(PageTemplates::Format(IDS_OPEN_FAILED, {path, read.error}));
        return false;
    }
    ShowMenu(*read.document);
    m_file.Remember(path, CurrentMenu());
    UpdateCaption();
    return true;
}

void CMenularkDlg::OnOpenMenu(wxCommandEvent&) {
    if (!MayLeaveMenu()) return;
    std::optional<std::string> path =
        AskFileName(IDS_OPEN_MENU_TITLE, IDS_MENU_FILE_TYPES, wxFD_OPEN | wxFD_FILE_MUST_EXIST, "");
    if (path) LoadMenuFile(*path);
}

void CMenularkDlg::OnSaveMenu(wxCommandEvent&) {
    SaveMenu();
}

void CMenularkDlg::OnSaveMenuAs(wxCommandEvent&) {
    SaveMenuAs();
}

// To the open file; asks for a name when there is none yet.
bool CMenularkDlg::SaveMenu() {
    return m_file.Path().empty() ? SaveMenuAs() : SaveMenuTo(m_file.Path());
}

bool CMenularkDlg::SaveMenuAs() {
    std::string name = m_file.Path().empty() ? std::string("menu") + kMenuFileExtension
                                             : std::filesystem::path(m_file.Path()).filename().string();
    std::optional<std::string> path =
        AskFileName(IDS_SAVE_MENU_TITLE, IDS_MENU_FILE_TYPES, wxFD_SAVE | wxFD_OVERWRITE_PROMPT, name);
    return path && SaveMenuTo(*path);
}

bool CMenularkDlg::SaveMenuTo(const std::string& path) {
    MenuDocument menu = CurrentMenu();
    WriteResult written = SaveMenuFile(path, menu);
    if (!written) {
        m_desktop->ShowMessage(PageTemplates::Format(IDS_SAVE_FAILED, {path, written.reason}));
        return false;
    }
    m_file.Remember(path, menu);
    UpdateCaption();
    return true;
}

// The standard file dialog, starting in the open file's folder.
std::optional<std::string> CMenularkDlg::AskFileName(int titleId, int typesId, long style,
                                                     const std::string& name) {
    std::string folder =
        m_file.Path().empty() ? std::string() : std::filesystem::path(m_file.Path()).parent_path().string();
    wxFileDialog dialog(this, Text(titleId), PathText(folder), PathText(name), Text(typesId), style);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    // GTK's chooser gives the whole path only once it has loaded the folder
    // (a name set from the program may come before that); the folder and
    // the name are there at once.
    wxString chosen = dialog.GetPath();
    if (chosen.empty() && !dialog.GetFilename().empty())
        chosen = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    std::string path = PathBytes(chosen);
    if (path.empty()) return std::nullopt;
    return path;
}

// Asked before the menu is closed or replaced while it has unsaved changes.
CloseAnswer CMenularkDlg::AskToSaveChanges() {
    wxMessageDialog question(this, Text(IDS_SAVE_CHANGES), m_applicationName,
                             wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_QUESTION);
    question.SetYesNoCancelLabels(Text(IDS_SAVE_BUTTON), Text(IDS_DONT_SAVE_BUTTON), Text(IDS_CANCEL_BUTTON));
    switch (question.ShowModal()) {
        case wxID_YES:
            return CloseAnswer::Save;
        case wxID_NO:
            return CloseAnswer::DontSave;
        default:
            return CloseAnswer::Cancel;
    }
}

bool CMenularkDlg::MayLeaveMenu() {
    return m_file.MayClose(
        CurrentMenu(), [this] { return AskToSaveChanges(); }, [this] { return SaveMenu(); });
}

// The modern styled look keeps the author's colours; hard-to-read ones get
// a note that does not stop anything.
void CMenularkDlg::NoteLowContrast(const StyleSettings& style) {
    if (!style.styledMode) return;
    std::vector<std::string> messages;
    for (const LowContrast& problem : FindLowContrast(style)) messages.push_back(LowContrastMessage(problem));
    if (!messages.empty()) ShowContrastNote(this, messages);
}

// The modern menu of the current entries and settings, as code to paste
// into a page of one's own.
void CMenularkDlg::OnCopyPageCode(wxCommandEvent&) {
    if (m_items.RowCount() == 0) {
        m_desktop->ReportNoItems();
        return;
    }
    StyleSettings style = ReadStyleSettings();
    ModernPageOptions options;
    options.label = m_modernLabel;
    options.lang = m_modernLanguage;
    options.snippet = true;
    std::string code = BuildModernPage(m_items, PageModeOf(style), style, options);
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(FromCoreText(code)));
        wxTheClipboard->Close();
    }
    NoteLowContrast(style);
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

void CMenularkDlg::OnAboutCommand(wxCommandEvent&) {
    ShowAboutBox();
}

void CMenularkDlg::ShowWindowMenu(const wxPoint& position) {
    wxMenu menu;
    for (const WindowMenuEntry& entry : kWindowMenu) {
        if (entry.command == 0) {
            menu.AppendSeparator();
            continue;
        }
        wxString text = Text(entry.text);
        if (entry.key != 0) text += "\t" + wxAcceleratorEntry(entry.modifiers, entry.key).ToString();
        menu.Append(entry.command, text);
    }
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
            ShowWindowMenu(wxDefaultPosition);
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
    if (!MayLeaveMenu()) {
        event.Veto();
        return;
    }
    Finish(kResultCancel);
}

// Ends the window unless the author keeps it open to save the menu.
void CMenularkDlg::CloseWindow(int result) {
    if (MayLeaveMenu()) Finish(result);
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
