// The live preview as a person uses it: F5 opens it beside the window, it
// follows what is typed and added, writes nothing, and opens again after
// it was closed. The page's entries are read back from the web view.
#include "app/preview_window.h"

#include <wx/webview.h>

#include <chrono>
#include <string>

#include "gui_fixture.h"

namespace menulark::testing {
namespace {

// How soon an update shows is measured in bench/preview_bench.cpp; here a
// loaded machine may take its time, but the update must come.
constexpr std::chrono::seconds kUpdateTime{5};

class PreviewWindowTest : public MainWindowTest {
protected:
    PreviewFrame* Preview() {
        return dynamic_cast<PreviewFrame*>(wxWindow::FindWindowByName(kPreviewWindowName, m_dialog));
    }

    /// F5 in the title box.
    void PressF5() {
        ClickOn(Get(IDC_TITLE));
        wxUIActionSimulator().Char(WXK_F5);
        SettleInput();
    }

    /// The titles of the page's entries, one a line, read from the page.
    static std::string Entries(wxWebView* view) {
        wxString titles;
        if (!view->RunScript("Array.prototype.map.call(document.querySelectorAll('[role=\"menuitem\"]'),"
                             " function (a) { return a.textContent; }).join('\\n')",
                             &titles))
            return "(no answer)";
        return ToCoreText(titles);
    }

    /// Waits up to `time` for the page to list `expected`; how long it took.
    template <typename Duration>
    static ::testing::AssertionResult ShowsWithin(wxWebView* view, const std::string& expected,
                                                  Duration time) {
        auto start = std::chrono::steady_clock::now();
        std::string shown;
        do {
            shown = Entries(view);
            if (shown == expected) return ::testing::AssertionSuccess();
            wxMilliSleep(5);
            Settle();
        } while (std::chrono::steady_clock::now() - start < time);
        return ::testing::AssertionFailure()
               << "the page lists \"" << shown << "\", not \"" << expected << "\"";
    }
};

TEST_F(PreviewWindowTest, F5OpensALivePreviewThatFollowsAndWritesNothing) {
    AddItem("Home", "https://example.org/", "Start");
    PressF5();
    if (!m_desktop.messages.empty()) {
        EXPECT_EQ(m_desktop.messages.back(), StringTableText(IDS_PREVIEW_NO_ENGINE));
        GTEST_SKIP() << "no web engine on this system";
    }
    PreviewFrame* preview = Preview();
    ASSERT_NE(preview, nullptr) << "F5 opened no preview";
    ASSERT_TRUE(SettleUntil([&] { return preview->IsShownOnScreen(); }));
    EXPECT_EQ(preview->GetTitle(), "Menulark preview");
    wxWebView* view = preview->WebView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(ShowsWithin(view, "Home", kUpdateTime));

    // The entry being typed shows as it will once added; after Add it stays,
    // although the title box no longer holds it.
    AddItem("News", "https://example.org/news", "Latest");
    Type(IDC_TITLE, "");
    EXPECT_TRUE(ShowsWithin(view, "Home\nNews", kUpdateTime));
    EXPECT_TRUE(m_dialog->IsEnabled()) << "the preview is not modal";

    // F5 again brings it to the front, Ctrl+W closes it; F5 opens it again,
    // showing what changed meanwhile.
    PressF5();
    ASSERT_TRUE(SettleUntil([&] { return preview->IsActive(); }))
        << "F5 did not bring the preview to the front";
    wxUIActionSimulator().Char('w', wxMOD_CONTROL);
    ASSERT_TRUE(SettleUntil([&] { return !preview->IsShown(); })) << "Ctrl+W did not close the preview";
    AddItem("Shop", "https://example.org/shop", "Buy");
    Type(IDC_TITLE, "");
    PressF5();
    ASSERT_EQ(Preview(), preview);
    ASSERT_TRUE(SettleUntil([&] { return preview->IsShownOnScreen(); }));
    EXPECT_TRUE(ShowsWithin(view, "Home\nNews\nShop", kUpdateTime));

    // Nothing was written: no Popup.htm, no file at all.
    EXPECT_TRUE(std::filesystem::is_empty(m_dir)) << "the preview wrote into the page folder";
}

}  // namespace
}  // namespace menulark::testing
