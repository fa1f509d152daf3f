// Write faults and large inputs, end to end through the window.
#include <signal.h>
#include <sys/resource.h>
#include <wx/filedlg.h>
#include <wx/odcombo.h>

#include "app/text_conversion.h"
#include "gui_fixture.h"
#include "menu/menu_file.h"
#include "page/page_generator.h"
#include "style/web_browser.h"
#include "system/text_file.h"
#include "tests/core/expected_pages.h"

namespace menulark::testing {
namespace {

using FaultsTest = MainWindowTest;

/// Caps the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

TEST_F(FaultsTest, MissingBaseDirectoryIsReportedWithFileAndReason) {
    std::filesystem::path gone = m_dir / "gone";
    m_dialog->Destroy();
    OpenWindow(gone.string() + "/");
    AddItem("A", "http://", "a");
    Click(IDC_CREATE);
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_NE(m_desktop.messages[0].find((gone / "Popup.htm").string()), std::string::npos);
    EXPECT_NE(m_desktop.messages[0].find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(m_desktop.opened.empty());
}

TEST_F(FaultsTest, PageThatFillsTheDiskPartWayLeavesThePreviousPageWhole) {
    AddItem("Home", "http://example.com/", "Start");
    Click(IDC_CREATE);
    std::string previous = ReadFile(m_dir / "Popup.htm");
    ASSERT_FALSE(previous.empty());

    Type(IDC_TITLE, wxString(wxT('x'), 20000));
    Click(IDC_ADD_MENU);
    m_desktop.opened.clear();
    {
        FileSizeLimit limit(8192);
        Click(IDC_CREATE);
    }
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_NE(m_desktop.messages[0].find((m_dir / "Popup.htm").string()), std::string::npos);
    EXPECT_NE(m_desktop.messages[0].find("File too large"), std::string::npos);
    EXPECT_TRUE(m_desktop.opened.empty());
    EXPECT_EQ(ReadFile(m_dir / "Popup.htm"), previous);
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir)) entries += entry.is_regular_file();
    EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
}

TEST_F(FaultsTest, SwatchThatFillsTheDiskStillShowsTheColourSilently) {
    m_dialog->BrowserPane()->DisableWebView();
    Toggle(IDC_ADVANCED);
    Click(IDC_PICK_FONT_COLOR);
    {
        FileSizeLimit limit(10);
        PickEntry(PickList::Color, "teal");
    }
    EXPECT_TRUE(m_desktop.messages.empty());
    EXPECT_EQ(Get<wxTextCtrl>(IDC_FONT_COLOR)->GetValue(), "teal");
    EXPECT_EQ(m_dialog->BrowserPane()->LastPageText(), BuildSwatchPage("teal"));
    EXPECT_EQ(m_dialog->BrowserPane()->FallbackColor(), wxColour(0, 128, 128));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "colorFile.htm"));
}

using LargeInputTest = MainWindowTest;

TEST_F(LargeInputTest, MegabyteValuesArriveWhole) {
    const size_t kMegabyte = 1 << 20;
    wxString title(wxT('t'), kMegabyte), url("http://example.com/" + wxString(wxT('u'), kMegabyte)),
        explanation(FromCoreText("é") + wxString(wxT('e'), kMegabyte));
    AddItem(title, url, explanation);
    ASSERT_EQ(m_dialog->Items().RowCount(), 1);
    EXPECT_EQ(m_dialog->Items().Row(0).title.size(), kMegabyte);
    EXPECT_EQ(m_dialog->Items().Row(0).url.size(), kMegabyte + 19);
    EXPECT_EQ(m_dialog->Items().Row(0).explanation.size(), kMegabyte + 2);
    Toggle(IDC_ADVANCED);
    Click(IDC_CREATE);
    using expected::Fill;
    std::string explanationBytes = ToCoreText(explanation);
    std::string page =
        expected::kStyledHead +
        Fill(expected::kStyledFrame,
             {"200", "75", "lightsteelblue", "darkblue", "600", "14", "MS Sans Serif", "1", "groove",
              "lightsteelblue", "steelblue", "lightsteelblue", "lightslategray", "darkblue"}) +
        Fill(expected::kStyledEntry, {explanationBytes, ToCoreText(url), "2", "red", "lightsteelblue", "1",
                                      "groove", "lightsteelblue", ToCoreText(title)}) +
        expected::kStyledClose + expected::kStyledTail;
    EXPECT_EQ(ReadFile(m_dir / "Popup.htm"), expected::OnDisk(page));
}

TEST_F(LargeInputTest, TenThousandRowsStayInStepAndMakeOnePage) {
    // 9,999 entries come from a menu file (Ctrl+O, as a person with that
    // many would), the 10,000th from Add.
    MenuDocument menu;
    for (int i = 0; i < 9999; ++i) menu.entries.AddItem("Entry", "http://example.com/", "An entry");
    const std::string file = (m_dir / "large.menu.json").string();
    ASSERT_TRUE(SaveMenuFile(file, menu));
    Type(IDC_TITLE, "Entry");
    wxUIActionSimulator keyboard;
    wxTEST_DIALOG((keyboard.Char('O', wxMOD_CONTROL), SettleInput()), wxExpectModal<wxFileDialog>(file));
    ASSERT_EQ(Get<wxListCtrl>(IDC_MENU_LIST)->GetItemCount(), 9999);
    Type(IDC_URL, "http://example.com/");
    Type(IDC_EXPLANATION, "An entry");
    Click(IDC_ADD_MENU);
    ASSERT_EQ(Get<wxListCtrl>(IDC_MENU_LIST)->GetItemCount(), 10000);
    SelectRows({9999});
    Click(IDC_DELETE);
    EXPECT_EQ(Get<wxListCtrl>(IDC_MENU_LIST)->GetItemCount(), 9999);
    Click(IDC_CREATE);
    std::string page = ReadFile(m_dir / "Popup.htm");
    std::string entry = expected::Fill(expected::kSimpleEntry, {"An entry", "http://example.com/", "Entry"});
    std::string rows;
    for (int i = 0; i < 9999; ++i) rows += entry;
    EXPECT_EQ(page,
              expected::OnDisk(expected::Fill(expected::kSimpleHead, {"76"}) + rows + expected::kSimpleTail));
    size_t entries = 0;
    for (size_t at = page.find(">Entry</div>"); at != std::string::npos;
         at = page.find(">Entry</div>", at + 1))
        ++entries;
    EXPECT_EQ(entries, 9999u);
}

}  // namespace
}  // namespace menulark::testing
