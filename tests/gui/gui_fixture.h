#pragma once
// Shared set-up of the window tests: the real dialog, shown on the display,
// with a recording desktop and a temporary base directory.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/odcombo.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/vlbox.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/menulark_dlg.h"
#include "page/create_page.h"
#include "tests/core/recording_desktop.h"
#include "tests/core/temp_dir.h"

// Lets wxTEST_DIALOG answer the About box as it answers a message box.
template <>
class wxExpectModal<menulark::CAboutBox> : public wxExpectDismissableModal<menulark::CAboutBox> {
public:
    explicit wxExpectModal(int id) : wxExpectDismissableModal<menulark::CAboutBox>(id) {}
};

namespace menulark::testing {

using testing_support::RecordingDesktop;

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { OpenWindow(m_dir.string() + "/"); }

    void TearDown() override {
        m_dialog->Destroy();
        Settle();
    }

    /// Opens the window with `baseDirectory` and the recording desktop.
    void OpenWindow(const std::string& baseDirectory) {
        DialogEnvironment environment;
        environment.desktop = &m_desktop;
        environment.baseDirectory = baseDirectory;
        m_dialog = new CMenularkDlg(environment);
        m_dialog->Show();
        m_dialog->Raise();
        Settle();
    }

    /// Lets the toolkit process what the last action caused.
    static void Settle() {
        for (int i = 0; i < 3; ++i) wxYield();
    }

    /// Lets real input arrive: the display server delivers it a little later.
    static void SettleInput() {
        for (int i = 0; i < 10; ++i) {
            wxMilliSleep(2);
            Settle();
        }
    }

    /// Lets the toolkit work until `done` holds, for at most five seconds:
    /// the window system applies a new window size when it gets to it, later
    /// still while the web engine starts.
    template <typename Condition>
    static bool SettleUntil(Condition done) {
        for (int i = 0; i < 500 && !done(); ++i) {
            wxMilliSleep(10);
            Settle();
        }
        return done();
    }

    template <typename T = wxWindow>
    T* Get(int id) {
        auto* control = dynamic_cast<T*>(m_dialog->Control(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }

    /// Whether a person could click `control` at `point` (its middle by
    /// default): shown, enabled, and the point inside the window's visible
    /// client area (not cut off by the collapse).
    ::testing::AssertionResult CanClick(wxWindow* control, wxPoint point = wxDefaultPosition) {
        if (!control) return ::testing::AssertionFailure() << "no such control";
        if (!control->IsShownOnScreen()) return ::testing::AssertionFailure() << "control is hidden";
        if (!control->IsEnabled()) return ::testing::AssertionFailure() << "control is disabled";
        wxRect client(m_dialog->ClientToScreen(wxPoint(0, 0)), m_dialog->GetClientSize());
        if (point == wxDefaultPosition) point = Middle(control);
        if (!client.Contains(point))
            return ::testing::AssertionFailure() << "control is outside the visible window";
        return ::testing::AssertionSuccess();
    }

    static wxPoint Middle(wxWindow* control) {
        wxRect rect = control->GetScreenRect();
        return rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2);
    }

    /// The point a person clicks to toggle `box`. GTK toggles a box whose
    /// text stands left of it only on the square, in the room right of the text.
    static wxPoint CheckBoxSquare(wxCheckBox* box) {
        if (!box->HasFlag(wxALIGN_RIGHT)) return Middle(box);
        wxRect rect = box->GetScreenRect();
        int textWidth = box->GetTextExtent(box->GetLabelText()).x;
        return wxPoint(rect.x + (textWidth + rect.width) / 2, rect.y + rect.height / 2);
    }

    /// A left click on `control` at `point` (its middle by default), after
    /// checking that a person could click it there.
    void ClickOn(wxWindow* control, wxPoint point = wxDefaultPosition) {
        if (point == wxDefaultPosition && control) point = Middle(control);
        ASSERT_TRUE(CanClick(control, point));
        wxUIActionSimulator mouse;
        mouse.MouseMove(point);
        Settle();
        mouse.MouseClick();
        SettleInput();
    }

    /// Clicks the control with `id`: a push button presses, a check box toggles.
    void Click(int id) {
        SCOPED_TRACE(::testing::Message() << "click on control " << id);
        ClickOn(Get(id));
    }

    /// Clicks a check box and checks that it toggled.
    void Toggle(int id) {
        auto* box = Get<wxCheckBox>(id);
        ASSERT_NE(box, nullptr);
        bool before = box->GetValue();
        SCOPED_TRACE(::testing::Message() << "toggle check box " << id);
        ClickOn(box, CheckBoxSquare(box));
        ASSERT_NE(box->GetValue(), before) << "check box " << id << " did not toggle";
    }

    /// Picks `entry` from the pick list's drop-down, opening it first with a
    /// click on the list when it is closed, and clicking the entry's row.
    void PickEntry(PickList list, const wxString& entry) {
        SCOPED_TRACE(::testing::Message() << "pick " << entry);
        wxOwnerDrawnComboBox* combo = m_dialog->PickListControl(list);
        if (!combo->IsPopupShown()) ClickOn(combo);
        ASSERT_TRUE(combo->IsPopupShown());
        auto* rows = dynamic_cast<wxVListBox*>(combo->GetPopupControl()->GetControl());
        ASSERT_NE(rows, nullptr);
        int index = combo->FindString(entry);
        ASSERT_NE(index, wxNOT_FOUND) << entry;
        rows->ScrollToRow(static_cast<size_t>(index));
        Settle();
        wxRect row = rows->GetItemRect(static_cast<size_t>(index));
        wxUIActionSimulator mouse;
        mouse.MouseMove(rows->ClientToScreen(row.GetPosition() + wxPoint(10, row.height / 2)));
        Settle();
        mouse.MouseClick();
        for (int i = 0; i < 10 && combo->IsPopupShown(); ++i) SettleInput();
        ASSERT_FALSE(combo->IsPopupShown());
    }

    /// Closes an open drop-down without a choice, as a person does: a click
    /// on the window's bare background beside it, which goes no further.
    void CloseDropDown(PickList list) {
        wxOwnerDrawnComboBox* combo = m_dialog->PickListControl(list);
        if (!combo->IsPopupShown()) return;
        wxUIActionSimulator mouse;
        mouse.MouseMove(m_dialog->ClientToScreen(wxPoint(2, 2)));
        Settle();
        mouse.MouseClick();
        for (int i = 0; i < 10 && combo->IsPopupShown(); ++i) SettleInput();
        ASSERT_FALSE(combo->IsPopupShown());
    }

    void Type(int id, const wxString& text) { Get<wxTextCtrl>(id)->SetValue(text); }

    void AddItem(const wxString& title, const wxString& url, const wxString& explanation) {
        Type(IDC_TITLE, title);
        Type(IDC_URL, url);
        Type(IDC_EXPLANATION, explanation);
        Click(IDC_ADD_MENU);
    }

    /// Selects exactly the given rows, as clicks in the list would.
    void SelectRows(std::initializer_list<long> rows) {
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        for (long r = 0; r < list->GetItemCount(); ++r) list->SetItemState(r, 0, wxLIST_STATE_SELECTED);
        for (long r : rows) list->SetItemState(r, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        Settle();
    }

    testing_support::TempDir m_tempDir;  // the base directory, removed with the test
    std::filesystem::path m_dir{m_tempDir.Path()};
    RecordingDesktop m_desktop;
    CMenularkDlg* m_dialog = nullptr;
};

}  // namespace menulark::testing
