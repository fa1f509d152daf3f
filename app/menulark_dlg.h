#pragma once
// The main window: menu entries, the style panel, page creation.

#include <wx/dialog.h>
#include <wx/icon.h>

#include <map>
#include <memory>
#include <string>

#include "app/window_geometry.h"
#include "page/create_page.h"
#include "page/menu_item_list.h"
#include "style/picker_logic.h"
#include "style/style_settings.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxContextMenuEvent;
class wxListCtrl;
class wxListEvent;
class wxOwnerDrawnComboBox;
class wxStaticText;
class wxTextCtrl;

namespace menulark {

class CWebBrowser2;
class ColorSwatchPreview;

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
    const std::string& BaseDirectory() const { return m_baseDirectory; }
    const std::string& PagePath() const { return m_pagePath; }
    wxRect FullWindowRect() const { return m_fullWindowRect; }
    int CollapsePixels() const { return CollapseHeight(m_scale); }

    /// The control with a layout ID (nullptr for an unknown ID).
    wxWindow* Control(int id) const;
    /// The pick list control that shows `list`.
    wxOwnerDrawnComboBox* PickListControl(PickList list) const;
    CWebBrowser2* BrowserPane() const;

    /// Opens the About box (from the window menu, or the system menu on Windows).
    void ShowAboutBox();

private:
    void CreateLayout();
    void OpenWindow();
    void FillStyleControls();
    void Finish(int result);

    wxTextCtrl* Edit(int id) const;
    wxChoice* Choice(int id) const;
    wxCheckBox* CheckBox(int id) const;
    wxListCtrl* List() const;

    void ShowPickListFor(int target);
    void ShowWindowMenu(const wxPoint& position);

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
    void OnTextEnter(wxCommandEvent& event);
    void OnTextChanged(wxCommandEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnAboutCommand(wxCommandEvent& event);
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
    std::string m_pagePath;
    std::unique_ptr<Desktop> m_ownDesktop;
    Desktop* m_desktop = nullptr;
    std::unique_ptr<ColorSwatchPreview> m_swatch;
    bool m_prepareBrowserWhenIdle = false;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace menulark
