// The window on Windows, used as a person uses it: real clicks and key
// presses through wxUIActionSimulator (SendInput) on the shown controls. The
// page must come out byte for byte as the expected page under tests/data/
// (the one the Linux build is checked against), a colour pick must show its
// colour in the pane (through the plain colour area where no browser control
// can be made), and About must open from the system menu.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/dcscreen.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
// After wx: its wrapper includes the sockets header before windows.h.
#include <wx/msw/wrapwin.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "app/about_box.h"
#include "app/about_command.h"
#include "app/menulark_dlg.h"
#include "page/css_colors.h"
#include "resources/string_table.h"
#include "style/web_browser.h"
#include "tests/core/expected_pages.h"
#include "tests/core/recording_desktop.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::RecordingDesktop;
using testing_support::TempDir;

// Runs the window's event loop until `done`, for at most five seconds.
bool WaitFor(const std::function<bool()>& done) {
    if (done()) return true;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    wxEventLoop loop;
    wxTimer check;
    check.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (done() || std::chrono::steady_clock::now() > deadline) loop.Exit();
    });
    check.Start(20);
    loop.Run();
    check.Stop();
    return done();
}

class WindowCheck : public ::testing::Test {
protected:
    void SetUp() override {
        DialogEnvironment environment;
        environment.desktop = &m_desktop;
        environment.baseDirectory = m_dir.Path() + "/";
        m_dialog = new CMenularkDlg(environment);
        m_dialog->Show();
        m_dialog->Raise();
        ASSERT_TRUE(WaitFor([&] { return m_dialog->IsShownOnScreen(); }));
    }
    void TearDown() override {
        m_dialog->Destroy();
        wxYield();
    }

    void ClickOn(int id) {
        wxWindow* control = m_dialog->Control(id);
        ASSERT_TRUE(control && control->IsShownOnScreen() && control->IsEnabled()) << "control " << id;
        wxRect rect = control->GetScreenRect();
        m_sim.MouseMove(rect.GetLeft() + rect.GetWidth() / 2, rect.GetTop() + rect.GetHeight() / 2);
        m_sim.MouseClick();
        wxYield();
    }
    void TypeInto(int id, const char* text) {
        ClickOn(id);
        // Select what the box holds (End, then Shift+Home), then type over it.
        m_sim.Char(WXK_END);
        m_sim.Char(WXK_HOME, wxMOD_SHIFT);
        m_sim.Text(text);
        wxYield();
    }
    wxString Field(int id) { return static_cast<wxTextCtrl*>(m_dialog->Control(id))->GetValue(); }

    TempDir m_dir;
    RecordingDesktop m_desktop;
    CMenularkDlg* m_dialog = nullptr;
    wxUIActionSimulator m_sim;
};

TEST_F(WindowCheck, EntryAddedAndCreateWritesThePageAsOnLinux) {
    // The entries of tests/data/entries.tsv, as the expected pages have them.
    struct Entry {
        const char *title, *url, *explanation;
    } entries[] = {{"Home", "http://example.org/", "Go home"},
                   {"News", "http://example.org/news", "Latest \"news\" & <more>"}};
    auto* list = static_cast<wxListCtrl*>(m_dialog->Control(IDC_MENU_LIST));
    int added = 0;
    for (const Entry& entry : entries) {
        TypeInto(IDC_TITLE, entry.title);
        TypeInto(IDC_URL, entry.url);
        TypeInto(IDC_EXPLANATION, entry.explanation);
        ASSERT_TRUE(WaitFor([&] { return Field(IDC_EXPLANATION) == entry.explanation; }))
            << Field(IDC_EXPLANATION);
        ClickOn(IDC_ADD_MENU);
        ++added;
        ASSERT_TRUE(WaitFor([&] { return list->GetItemCount() == added; }));
        EXPECT_EQ(list->GetItemText(added - 1, 0), entry.title);
    }

    ClickOn(IDC_CREATE);
    const std::string page = m_dir / "Popup.htm";
    ASSERT_TRUE(WaitFor([&] { return !m_desktop.opened.empty(); })) << "Create/Finish opened nothing";
    EXPECT_EQ(m_desktop.opened, std::vector<std::string>{testing_support::NativePath(page)});
    EXPECT_TRUE(m_desktop.messages.empty());

    EXPECT_TRUE(ReadBytes(page) == expected::Page("simple")) << "the page differs from the expected page";
    EXPECT_EQ(m_dir.Entries(), (std::set<std::string>{"Popup.htm"}));
}

TEST_F(WindowCheck, ColourPickShowsTheColourWithoutAnErrorBox) {
    ClickOn(IDC_ADVANCED);
    ASSERT_TRUE(
        WaitFor([&] { return static_cast<wxCheckBox*>(m_dialog->Control(IDC_ADVANCED))->GetValue(); }));
    ASSERT_TRUE(WaitFor([&] { return m_dialog->Control(IDC_PICK_BACKGROUND)->IsShownOnScreen(); }));
    ClickOn(IDC_PICK_BACKGROUND);
    wxOwnerDrawnComboBox* colours = m_dialog->PickListControl(PickList::Color);
    ASSERT_TRUE(WaitFor([&] { return colours->IsShownOnScreen(); }));
    // Down to the third entry of the open list, then Enter, as with the keyboard.
    for (int i = 0; i < 3; ++i) m_sim.Char(WXK_DOWN);
    m_sim.Char(WXK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !Field(IDC_BACKGROUND_COLOR).empty() && !colours->IsShown(); }))
        << "no colour was picked";
    const std::optional<Rgb> rgb = CssColor(Field(IDC_BACKGROUND_COLOR).utf8_string());
    ASSERT_TRUE(rgb) << Field(IDC_BACKGROUND_COLOR);
    const wxColour picked(rgb->r, rgb->g, rgb->b);

    CWebBrowser2* pane = m_dialog->BrowserPane();
    EXPECT_FALSE(pane->HasWebView()) << "this check runs where no browser control can be made";
    EXPECT_EQ(pane->FallbackColor(), picked);
    const std::string colour = Field(IDC_BACKGROUND_COLOR).ToStdString();
    EXPECT_NE(ReadBytes(m_dir / "colorFile.htm").find("bgcolor=\"" + colour + "\""), std::string::npos);
    // What the screen shows in the middle of the pane.
    wxColour shown;
    ASSERT_TRUE(WaitFor([&] {
        pane->Update();
        wxRect rect = pane->GetScreenRect();
        wxScreenDC screen;
        return screen.GetPixel(rect.GetLeft() + rect.GetWidth() / 2, rect.GetTop() + rect.GetHeight() / 2,
                               &shown) &&
               shown == picked;
    })) << "the pane shows "
        << shown.GetAsString(wxC2S_HTML_SYNTAX) << ", not " << picked.GetAsString(wxC2S_HTML_SYNTAX);
    // No error box (nor any other window) came up.
    EXPECT_EQ(wxTopLevelWindows.GetCount(), 1u);
}

TEST_F(WindowCheck, AboutOpensFromTheSystemMenu) {
    // The entry is there, with the string table's text.
    HMENU menu = GetSystemMenu(static_cast<HWND>(m_dialog->GetHWND()), FALSE);
    ASSERT_NE(menu, nullptr);
    wchar_t text[128] = {};
    ASSERT_GT(GetMenuStringW(menu, kAboutCommand, text, 128, MF_BYCOMMAND), 0);
    EXPECT_EQ(wxString(text), wxString::FromUTF8(std::string(StringTableText(IDS_ABOUTBOX))));

    // Alt+Space opens the system menu; the entry is the last one: End, Enter.
    // The About box runs its own modal loop, where a timer looks for it and
    // closes it with Enter, as its reader would.
    bool aboutShown = false;
    bool aboutClosedByEnter = false;
    int ticks = 0;
    wxTimer watcher;
    watcher.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        ++ticks;
        for (wxWindow* window : wxTopLevelWindows) {
            auto* box = dynamic_cast<CAboutBox*>(window);
            if (!box || !box->IsShownOnScreen()) continue;
            if (!aboutShown) {
                aboutShown = true;
                m_sim.Char(WXK_RETURN);
            } else if (ticks > 100) {
                box->EndModal(wxID_CANCEL);  // Enter did not close it; do not hang
            }
            return;
        }
        if (aboutShown) aboutClosedByEnter = ticks <= 100;
    });
    watcher.Start(50);
    m_dialog->SetFocus();
    m_sim.KeyDown(WXK_ALT);
    m_sim.Char(WXK_SPACE);
    m_sim.KeyUp(WXK_ALT);
    m_sim.Char(WXK_END);
    m_sim.Char(WXK_RETURN);
    WaitFor([&] { return aboutShown && (aboutClosedByEnter || ticks > 100); });
    watcher.Stop();
    EXPECT_TRUE(aboutShown) << "no About box from the system menu";
    EXPECT_TRUE(aboutClosedByEnter);
}

}  // namespace
}  // namespace menulark

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
