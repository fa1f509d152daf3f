#pragma once
// The main window: menu entries, the style panel, page creation.

#include <wx/dialog.h>
#include <wx/icon.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/page_folder_note.h"
#include "app/window_geometry.h"
#include "menu/menu_file.h"
#include "menu/menu_item_list.h"
#include "menu/style_settings.h"
#include "page/create_page.h"
#include "style/picker_logic.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxListCtrl;
class wxListEvent;
class wxOwnerDrawnComboBox;
class wxStaticText;
class wxTextCtrl;

namespace menulark {

class CWebBrowser2;
class ColorSwatchPreview;
class EntryListView;
class MenuFileController;
class PageCommands;
class PanelTabStops;
class PreviewWindow;
class WindowMenu;

/// How the window ends: "&Ok/Cancel" gives kResultOk; Escape and the close
/// box give kResultCancel.
enum DialogResult : int { kResultOk = 1, kResultCancel = 2 };

/// What the window needs from outside; tests replace both.
struct DialogEnvironment {
    Desktop* desktop = nullptr;   ///< message boxes and file opening; the real desktop when null
    std::string baseDirectory;    ///< where files go; the executable's folder when empty
    std::string applicationName;  ///< caption of message boxes; the executable's name when empty
};

class CMenularkDlg : public wxDialog {
public:
    explicit CMenularkDlg(const DialogEnvironment& environment = {});
    ~CMenularkDlg() override;

    /// The current style values, as the page would get them.
    StyleSettings ReadStyleSettings() const;

    const MenuItemList& Items() const { return m_items; }
    const PickerState& Picker() const { return m_picker; }

    /// The control with a layout ID (nullptr for an unknown ID).
    wxWindow* Control(int id) const;
    /// The pick list control that shows `list`.
    wxOwnerDrawnComboBox* PickListControl(PickList list) const;
    CWebBrowser2* BrowserPane() const;

    /// Opens the About box (from the window menu, or the system menu on Windows).
    void ShowAboutBox();

    /// The menu as the window shows it, as a menu file holds it.
    MenuDocument CurrentMenu() const;
    /// The open menu file's path; empty before one was opened or saved.
    const std::string& MenuFilePath() const;
    /// Opens the menu file at `path` in place of the current menu (asking
    /// first when that has unsaved changes). A file that cannot be read is
    /// reported and changes nothing. True when the file was opened.
    bool OpenMenuFile(const std::string& path);

private:
    void CreateLayout();
    void OpenWindow();
    void Finish(int result);
    void CloseWindow(int result);
    void ShowStylePanel(bool shown);
    void EnableScrollbarControls(bool on);

    void AddCommands(const wxString& applicationName);
    void ShowMenu(const MenuDocument& menu);

    wxTextCtrl* Edit(int id) const;
    wxChoice* Choice(int id) const;
    wxCheckBox* CheckBox(int id) const;
    wxListCtrl* List() const;

    void ShowPickListFor(int target);

    void OnAddMenu(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnListSelectionChanged(wxListEvent& event);
    void OnCreate(wxCommandEvent& event);
    void OnScrollbarClicked(wxCommandEvent& event);
    void OnAdvancedClicked(wxCommandEvent& event);
    void OnHelpClicked(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnTextChanged(wxCommandEvent& event);
    void OnPickListChanged(wxCommandEvent& event);
    void OnIdle(wxIdleEvent& event);

    // One line each: the picker buttons.
    void OnPickFontSize(wxCommandEvent&) { ShowPickListFor(1); }
    void OnPickFontFamily(wxCommandEvent&) { ShowPickListFor(2); }
    void OnPickFontColor(wxCommandEvent&) { ShowPickListFor(3); }
    void OnPickBorderSize(wxCommandEvent&) { ShowPickListFor(4); }
    void OnPickBorderStyle(wxCommandEvent&) { ShowPickListFor(5); }
    void OnPickBorderColor(wxCommandEvent&) { ShowPickListFor(6); }
    void OnPickScrollbarArrow(wxCommandEvent&) { ShowPickListFor(7); }
    void OnPickScrollbarHighlight(wxCommandEvent&) { ShowPickListFor(8); }
    void OnPickScrollbar3dlight(wxCommandEvent&) { ShowPickListFor(9); }
    void OnPickScrollbarShadow(wxCommandEvent&) { ShowPickListFor(10); }
    void OnPickBackground(wxCommandEvent&) { ShowPickListFor(11); }
    void OnPickItemHighlight(wxCommandEvent&) { ShowPickListFor(12); }

#ifdef __WXMSW__
    WXLRESULT MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam) override;
#endif

    std::map<int, wxWindow*> m_controls;
    MenuItemList m_items;
    PickerState m_picker;
    DialogUnitScale m_scale;
    wxRect m_fullWindowRect;
    wxIcon m_icon;
    std::string m_baseDirectory;
    WindowPageFolder m_pageFolder;  // where Popup.htm and colorFile.htm go
    std::unique_ptr<Desktop> m_ownDesktop;
    Desktop* m_desktop = nullptr;
    std::unique_ptr<ColorSwatchPreview> m_swatch;
    std::unique_ptr<PanelTabStops> m_panelTabStops;  // out of the Tab order while collapsed
    bool m_prepareBrowserWhenIdle = false;
    // Kept from the open file for the page and the next save; the window has
    // no controls for them.
    std::string m_modernLabel = MenuDocument{}.modernLabel;
    std::string m_modernLanguage = MenuDocument{}.modernLanguage;
    std::vector<ExtraKey> m_extraKeys;
    // The additions to the designed window, each with its own commands.
    std::unique_ptr<EntryListView> m_entryList;
    std::unique_ptr<MenuFileController> m_menuFile;
    std::unique_ptr<PageCommands> m_pages;
    std::unique_ptr<WindowMenu> m_windowMenu;
    std::unique_ptr<PreviewWindow> m_preview;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace menulark
