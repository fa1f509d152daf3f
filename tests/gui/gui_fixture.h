#pragma once
// Shared set-up of the window tests: the real dialog, shown on the display,
// with a recording desktop and a temporary base directory.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/odcombo.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/vlbox.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/contrast_note.h"
#include "app/menulark_dlg.h"
#include "app/text_conversion.h"
#include "app/window_commands.h"
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

    /// Chooses row `index` of the drop-down list with `id` as a person does
    /// from the keyboard: a click opens the list, Home goes to its first row,
    /// the down arrow to the row, and Enter takes it.
    void Choose(int id, int index) {
        SCOPED_TRACE(::testing::Message() << "choose row " << index << " of control " << id);
        auto* choice = Get<wxChoice>(id);
        ASSERT_NE(choice, nullptr);
        ClickOn(choice);
        SettleInput();
        wxUIActionSimulator keyboard;
        keyboard.Char(WXK_HOME);
        Settle();
        for (int row = 0; row < index; ++row) {
            keyboard.Char(WXK_DOWN);
            Settle();
        }
        keyboard.Char(WXK_RETURN);
        ASSERT_TRUE(SettleUntil([&] { return choice->GetSelection() == index; }));
        SettleInput();
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

    /// Replaces what the box with `id` holds, as a person does: a click in
    /// the box, Ctrl+A, then the keys of `text` (Delete for ""). Text that
    /// keys cannot type in a moment (long, not ASCII, or with line breaks)
    /// is pasted from the clipboard with Ctrl+V instead.
    void Type(int id, const wxString& text) {
        SCOPED_TRACE(::testing::Message() << "type into control " << id);
        auto* box = Get<wxTextCtrl>(id);
        ASSERT_NE(box, nullptr);
        if (wxWindow::FindFocus() != box) {
            ClickOn(box);
            ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == box; }));
        }
        wxUIActionSimulator keyboard;
        keyboard.Char('a', wxMOD_CONTROL);
        SettleInput();
        const wxString before = box->GetValue();
        if (text.empty()) {
            keyboard.Char(WXK_DELETE);
        } else if (text.length() <= 80 && text.IsAscii() && !text.Contains("\n") && !text.Contains("\r")) {
            keyboard.Text(text.ToAscii());
            SettleUntil([&] { return box->GetValue() == text; });
            return;
        } else {
            SetClipboardText(text);
            keyboard.Char('v', wxMOD_CONTROL);
        }
        SettleUntil([&] { return box->GetValue() != before; });
        ClearClipboards();
    }

    /// Puts `text` on the clipboard (or on the primary selection, which a
    /// middle click pastes), as a copy in another program would.
    static void SetClipboardText(const wxString& text, bool primary = false) {
        ASSERT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->UsePrimarySelection(primary);
        wxTheClipboard->SetData(new wxTextDataObject(text));
        wxTheClipboard->Close();
        wxTheClipboard->UsePrimarySelection(false);
    }

    /// Empties the clipboard and the primary selection: the clipboard owns
    /// what was copied, and nothing copied may outlive the test (the leak
    /// check counts it).
    static void ClearClipboards() {
        for (bool primary : {true, false}) {
            ASSERT_TRUE(wxTheClipboard->Open());
            wxTheClipboard->UsePrimarySelection(primary);
            wxTheClipboard->Clear();
            wxTheClipboard->Close();
        }
        wxTheClipboard->UsePrimarySelection(false);
    }

    /// Chooses the window-menu command `command` as a person does from the
    /// keyboard: Shift+F10 (or `openKey`) opens the menu, the letter
    /// underlined in the command's text picks it. The menu runs its own
    /// event loop while open, so the letter is sent from inside it, once the
    /// menu is on screen.
    void ChooseFromWindowMenu(int command, int openKey = WXK_F10, int openModifiers = wxMOD_SHIFT) {
        ChooseFromWindowMenuOpenedBy(command, [=] { wxUIActionSimulator().Char(openKey, openModifiers); });
    }

    /// The same, with the menu opened by `open` (real input); `onScreen`, if
    /// given, sees the menu while it is shown, before the letter is sent.
    void ChooseFromWindowMenuOpenedBy(int command, const std::function<void()>& open,
                                      const std::function<void(wxMenu*)>& onScreen = {}) {
        SCOPED_TRACE(::testing::Message() << "window menu command " << command);
        wxChar letter = 0;
        for (const WindowMenuEntry& entry : kWindowMenu)
            if (entry.command == command && command != 0)
                letter = MnemonicOf(FromCoreText(StringTableText(entry.text)));
        ASSERT_NE(letter, 0) << "no underlined letter";
        bool opened = false, closed = false;
        auto onOpen = [&](wxMenuEvent& event) {
            event.Skip();
            if (opened) return;
            opened = true;
            wxMenu* menu = event.GetMenu();
            m_dialog->CallAfter([letter, menu, &onScreen] {
                if (onScreen) onScreen(menu);
                wxUIActionSimulator().Char(wxTolower(letter));
            });
        };
        auto onClose = [&](wxMenuEvent& event) {
            event.Skip();
            closed = opened;
        };
        m_dialog->Bind(wxEVT_MENU_OPEN, onOpen);
        m_dialog->Bind(wxEVT_MENU_CLOSE, onClose);
        open();
        bool done = SettleUntil([&] { return closed; });
        SettleInput();
        m_dialog->Unbind(wxEVT_MENU_OPEN, onOpen);
        m_dialog->Unbind(wxEVT_MENU_CLOSE, onClose);
        ASSERT_TRUE(opened) << "the window menu did not open";
        ASSERT_TRUE(done) << "the window menu did not close";
    }

    /// The letter after the single '&' of a menu text.
    static wxChar MnemonicOf(const wxString& text) {
        for (size_t i = 0; i + 1 < text.length(); ++i)
            if (text[i] == '&' && text[i + 1] != '&') return text[i + 1];
        return 0;
    }

    void AddItem(const wxString& title, const wxString& url, const wxString& explanation) {
        Type(IDC_TITLE, title);
        Type(IDC_URL, url);
        Type(IDC_EXPLANATION, explanation);
        Click(IDC_ADD_MENU);
    }

    /// Closes the contrast note, when shown, with a click on its OK button.
    void CloseContrastNote() {
        wxWindow* note = wxWindow::FindWindowByName(kContrastNoteName, m_dialog);
        if (!note || !note->IsShown()) return;
        wxWindow* ok = note->FindWindow(wxID_OK);
        ASSERT_NE(ok, nullptr);
        ASSERT_TRUE(ok->IsShownOnScreen() && ok->IsEnabled());
        // A desktop's window manager keeps the note above its parent, which
        // raises itself on collapsing; none runs on the test display.
        note->Raise();
        SettleInput();
        wxUIActionSimulator mouse;
        mouse.MouseMove(Middle(ok));
        Settle();
        mouse.MouseClick();
        ASSERT_TRUE(SettleUntil([note] { return !note->IsShown(); })) << "the note stayed open";
    }

    /// Selects exactly the given rows as a person does: a click on the
    /// first, Ctrl+click on each other; for none, Ctrl+click on each
    /// selected row.
    void SelectRows(std::initializer_list<long> rows) {
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        ASSERT_NE(list, nullptr);
        std::vector<long> wanted;
        for (long row : rows)
            if (std::find(wanted.begin(), wanted.end(), row) == wanted.end()) wanted.push_back(row);
        if (wanted.empty()) {
            for (long row : SelectedRows(list)) ClickRow(list, row, true);
        } else {
            ClickRow(list, wanted.front(), false);
            for (size_t i = 1; i < wanted.size(); ++i) ClickRow(list, wanted[i], true);
        }
        std::sort(wanted.begin(), wanted.end());
        ASSERT_EQ(SelectedRows(list), wanted) << "the clicks did not select these rows";
    }

    static std::vector<long> SelectedRows(wxListCtrl* list) {
        std::vector<long> rows;
        for (long row = -1; (row = list->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) != -1;)
            rows.push_back(row);
        return rows;
    }

    /// A click on `row` of `list`, scrolled into view first as a person
    /// scrolls to it; with Ctrl held down when `withCtrl`.
    void ClickRow(wxListCtrl* list, long row, bool withCtrl) {
        list->EnsureVisible(row);
        Settle();
        wxRect rect;
        ASSERT_TRUE(list->GetItemRect(row, rect)) << "row " << row;
        wxPoint point =
            list->ClientToScreen(wxPoint(rect.x + std::min(rect.width / 2, 20), rect.y + rect.height / 2));
        // A second click on the same spot at once would be a double click.
        if (point == m_lastRowClick) point.x += 12;
        m_lastRowClick = point;
        ASSERT_TRUE(CanClick(list, point)) << "row " << row;
        wxUIActionSimulator person;
        person.MouseMove(point);
        Settle();
        if (withCtrl) person.KeyDown(WXK_CONTROL);
        person.MouseClick();
        if (withCtrl) person.KeyUp(WXK_CONTROL);
        SettleInput();
    }

    wxPoint m_lastRowClick;
    testing_support::TempDir m_tempDir;  // the base directory, removed with the test
    std::filesystem::path m_dir{m_tempDir.Path()};
    RecordingDesktop m_desktop;
    CMenularkDlg* m_dialog = nullptr;
};

}  // namespace menulark::testing
