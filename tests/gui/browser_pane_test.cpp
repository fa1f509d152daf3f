// The swatch's web engine starts when the style panel is first expanded, not
// with the window, and a colour picked while it starts is shown once.
#include <dirent.h>
#include <unistd.h>
#include <wx/checkbox.h>
#include <wx/odcombo.h>
#include <wx/uiaction.h>
#include <wx/vlbox.h>
#include <wx/webview.h>

#include <chrono>
#include <map>
#include <set>
#include <thread>

#include "gui_fixture.h"
#include "style/file_url.h"
#include "style/web_browser.h"

namespace menulark::testing {
namespace {

// The web engine's page processes among this process's descendants.
std::set<int> WebProcesses() {
    std::map<int, int> parentOf;
    std::map<int, std::string> nameOf;
    DIR* proc = opendir("/proc");
    while (dirent* entry = proc ? readdir(proc) : nullptr) {
        int pid = std::atoi(entry->d_name);
        if (pid <= 0) continue;
        std::string stat = ReadFile("/proc/" + std::string(entry->d_name) + "/stat");
        size_t open = stat.find('('), close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos) continue;
        nameOf[pid] = stat.substr(open + 1, close - open - 1);
        parentOf[pid] = std::atoi(stat.c_str() + close + 4);  // ") S ppid"
    }
    if (proc) closedir(proc);
    std::set<int> found;
    for (const auto& [pid, name] : nameOf) {
        if (name.rfind("WebKitWebProces", 0) != 0) continue;
        for (int up = parentOf[pid]; up > 1; up = parentOf.count(up) ? parentOf[up] : 0)
            if (up == getpid()) found.insert(pid);
    }
    return found;
}

class BrowserPaneTest : public MainWindowTest {
protected:
    void ClickOn(wxWindow* control, wxPoint at = wxDefaultPosition) {
        if (at == wxDefaultPosition) at = wxPoint(control->GetSize().x / 2, control->GetSize().y / 2);
        m_person.MouseMove(control->ClientToScreen(at));
        Settle();
        m_person.MouseClick();
        Settle();
    }
    /// Waits up to `seconds` for `done`, letting the window work meanwhile.
    template <typename Done>
    bool WaitFor(Done done, double seconds) {
        auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            wxYield();
        }
        return done();
    }

    std::set<int> m_before = WebProcesses();  // taken before the window exists
    wxUIActionSimulator m_person;
};

TEST_F(BrowserPaneTest, WebEngineStartsWithTheStylePanelAndAPickWaitsForIt) {
    CWebBrowser2* pane = m_dialog->BrowserPane();
    WaitFor([] { return false; }, 0.5);  // idle time after start-up
    EXPECT_FALSE(pane->HasWebView());
    EXPECT_EQ(WebProcesses(), m_before) << "a web process started with the window";

    m_dialog->Raise();
    ClickOn(Get(IDC_ADVANCED),
            wxPoint(Get(IDC_ADVANCED)->GetSize().x - 6, Get(IDC_ADVANCED)->GetSize().y / 2));
    ASSERT_TRUE(Get<wxCheckBox>(IDC_ADVANCED)->GetValue());
    ASSERT_TRUE(WaitFor([&] { return pane->HasWebView(); }, 2)) << "no web view after the panel opened";
    if (!pane->WebViewAvailable()) GTEST_SKIP() << "no web engine on this system";

    // Picked while the blank page still loads: the swatch follows it, once.
    ASSERT_TRUE(pane->IsLoading());
    ClickOn(Get(IDC_PICK_FONT_COLOR));
    wxOwnerDrawnComboBox* combo = m_dialog->PickListControl(PickList::Color);
    ASSERT_TRUE(combo->IsPopupShown());
    auto* box = dynamic_cast<wxVListBox*>(combo->GetPopupControl()->GetControl());
    ASSERT_NE(box, nullptr);
    size_t navy = static_cast<size_t>(combo->FindString("navy"));
    box->ScrollToRow(navy);
    Settle();
    wxRect row = box->GetItemRect(navy);
    ClickOn(box, row.GetPosition() + wxPoint(10, row.height / 2));
    EXPECT_EQ(Get<wxTextCtrl>(IDC_FONT_COLOR)->GetValue(), "navy");

    EXPECT_TRUE(WaitFor([&] { return !pane->IsLoading(); }, 10));
    EXPECT_EQ(pane->PagesLoaded(), 1);
    auto* view = dynamic_cast<wxWebView*>(pane->GetChildren().front());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetCurrentURL(), FileUrlOf(m_dir.string() + "/colorFile.htm"));
    EXPECT_FALSE(WebProcesses().empty()) << "no web process after the panel opened";
}

}  // namespace
}  // namespace menulark::testing
