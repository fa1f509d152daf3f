#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/odcombo.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include "app/about_box.h"
#include "app/about_command.h"
#include "app/contrast_note.h"
#include "app/text_conversion.h"
#include "app/window_commands.h"
#include "gui_fixture.h"
#include "page/modern_page.h"
#include "page/page_generator.h"
#include "resources/string_table.h"
#include "system/text_file.h"
#include "tests/core/expected_pages.h"

namespace menulark::testing {
namespace {

constexpr int kFullClientWidth = 641;
constexpr int kFullClientHeight = 458;
constexpr int kCollapse = 170;

TEST_F(MainWindowTest, OpensCollapsedWithEveryDefaultInPlace) {
    EXPECT_EQ(m_dialog->GetTitle(), "Menulark");
    EXPECT_EQ(m_dialog->GetClientSize(), wxSize(kFullClientWidth, kFullClientHeight - kCollapse));
    EXPECT_FALSE(m_dialog->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(m_dialog->HasFlag(wxMINIMIZE_BOX));
    EXPECT_FALSE(m_dialog->HasFlag(wxMAXIMIZE_BOX));

    EXPECT_EQ(Get<wxTextCtrl>(IDC_TITLE)->GetValue(), "");
    EXPECT_EQ(Get<wxTextCtrl>(IDC_URL)->GetValue(), "http://");
    EXPECT_EQ(Get<wxTextCtrl>(IDC_EXPLANATION)->GetValue(), "");
    EXPECT_EQ(Get<wxStaticText>(IDC_SELECTED_ITEM)->GetLabel(), "Selected item:");

    auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
    EXPECT_EQ(list->GetItemCount(), 0);
    ASSERT_EQ(list->GetColumnCount(), 3);
    const char* headings[] = {"Title", "URL", "Explanation"};
    const int widths[] = {100, 200, 200};
    for (int c = 0; c < 3; ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_WIDTH);
        list->GetColumn(c, column);
        EXPECT_EQ(column.GetText(), headings[c]);
        EXPECT_EQ(column.GetWidth(), widths[c]);
    }
    EXPECT_FALSE(list->HasFlag(wxLC_SINGLE_SEL));
    EXPECT_FALSE(list->HasFlag(wxLC_EDIT_LABELS));

    EXPECT_EQ(m_dialog->ReadStyleSettings(), StyleSettings());
    EXPECT_FALSE(Get<wxCheckBox>(IDC_ADVANCED)->GetValue());
    EXPECT_TRUE(Get<wxCheckBox>(IDC_SCROLLBAR)->GetValue());
    EXPECT_FALSE(Get<wxCheckBox>(IDC_MODERN)->GetValue());
    for (PickList pickList : kPickLists) EXPECT_FALSE(m_dialog->PickListControl(pickList)->IsShown());
    EXPECT_EQ(m_dialog->Picker().Target(), 0);
    EXPECT_EQ(wxWindow::FindFocus(), Get(IDC_TITLE));
}

TEST_F(MainWindowTest, PickListsHoldTheirEntriesWithNothingSelected) {
    struct Case {
        PickList list;
        unsigned count;
        const char* first;
        const char* last;
    } cases[] = {
        {PickList::Color, 140, "aliceblue", "yellowgreen"},
        {PickList::Size, 20, "1", "20"},
        {PickList::Font, 28, "Arial", "Verdana"},
        {PickList::BorderStyle, 10, "none", "outset"},
    };
    for (const Case& c : cases) {
        wxOwnerDrawnComboBox* combo = m_dialog->PickListControl(c.list);
        ASSERT_EQ(combo->GetCount(), c.count);
        EXPECT_EQ(combo->GetString(0), c.first);
        EXPECT_EQ(combo->GetString(c.count - 1), c.last);
        EXPECT_EQ(combo->GetSelection(), wxNOT_FOUND);
    }
    EXPECT_EQ(Get<wxChoice>(IDC_HEIGHT)->GetCount(), 22u);
    EXPECT_EQ(Get<wxChoice>(IDC_HEIGHT)->FindString("175"), wxNOT_FOUND);
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayoutTable) {
    std::vector<int> expected;
    for (const ControlSpec& spec : MainWindowLayout())
        if (spec.id != IDC_LABEL) expected.push_back(spec.id);
    std::vector<int> actual;
    for (wxWindow* child : m_dialog->GetChildren())
        if (m_dialog->Control(child->GetId()) == child) actual.push_back(child->GetId());
    EXPECT_EQ(actual, expected);
    // Read as laid out: "For modern browsers" stands above "Create/Finish".
    auto position = [&](int id) {
        return std::find(expected.begin(), expected.end(), id) - expected.begin();
    };
    EXPECT_EQ(position(IDC_MODERN) + 1, position(IDC_CREATE));
}

TEST_F(MainWindowTest, AdvancedSettingExpandsAndCollapsesWithoutMovingTheWindow) {
    m_dialog->Move(37, 53);
    Settle();
    wxPoint corner = m_dialog->GetPosition();

    const wxSize expanded(kFullClientWidth, kFullClientHeight);
    const wxSize collapsed(kFullClientWidth, kFullClientHeight - kCollapse);
    Toggle(IDC_ADVANCED);
    SettleUntil([&] { return m_dialog->GetClientSize() == expanded; });
    EXPECT_EQ(m_dialog->GetClientSize(), expanded);
    EXPECT_EQ(m_dialog->GetPosition(), corner);

    // Collapsing keeps the panel's values.
    Type(IDC_FONT_COLOR, "navy");
    Toggle(IDC_ADVANCED);
    SettleUntil([&] { return m_dialog->GetClientSize() == collapsed; });
    EXPECT_EQ(m_dialog->GetClientSize(), collapsed);
    EXPECT_EQ(m_dialog->GetPosition(), corner);
    Toggle(IDC_ADVANCED);
    EXPECT_EQ(Get<wxTextCtrl>(IDC_FONT_COLOR)->GetValue(), "navy");
}

TEST_F(MainWindowTest, AddRefusesEmptyBoxesWithTheFillAllBoxesMessageAndKeepsTheirText) {
    struct Case {
        const char *title, *url, *explanation;
    } refused[] = {{"", "http://a", "x"}, {"T", "", "x"}, {"T", "http://a", ""}};
    for (const Case& c : refused) {
        m_desktop.messages.clear();
        AddItem(c.title, c.url, c.explanation);
        ASSERT_EQ(m_desktop.messages.size(), 1u);
        EXPECT_EQ(m_desktop.messages[0], StringTableText(IDS_FILL_ALL_BOXES));
        EXPECT_EQ(Get<wxListCtrl>(IDC_MENU_LIST)->GetItemCount(), 0);
        EXPECT_EQ(Get<wxTextCtrl>(IDC_TITLE)->GetValue(), c.title);
    }
}

TEST_F(MainWindowTest, AddedRowsShowTheItemsInOrderAndTwiceAddsTwice) {
    AddItem(" ", "http://", "blank title");
    Click(IDC_ADD_MENU);
    AddItem(FromCoreText("Café"), "http://b", "B");
    auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
    ASSERT_EQ(list->GetItemCount(), 3);
    ASSERT_EQ(m_dialog->Items().RowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const MenuItem& item = m_dialog->Items().Row(r);
        EXPECT_EQ(list->GetItemText(r, 0), FromCoreText(item.title));
        EXPECT_EQ(list->GetItemText(r, 1), FromCoreText(item.url));
        EXPECT_EQ(list->GetItemText(r, 2), FromCoreText(item.explanation));
    }
    EXPECT_EQ(m_dialog->Items().Row(0), m_dialog->Items().Row(1));
    EXPECT_EQ(m_dialog->Items().Row(2).title, "Caf\xc3\xa9");  // UTF-8 bytes reach the core
    EXPECT_TRUE(m_desktop.messages.empty());
}

TEST_F(MainWindowTest, DeleteFollowsTheRememberedRow) {
    Click(IDC_DELETE);
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_EQ(m_desktop.messages[0], StringTableText(IDS_SELECT_MENU));

    AddItem("A", "http://a", "a");
    AddItem("B", "http://b", "b");
    AddItem("C", "http://c", "c");
    SelectRows({1});
    auto* label = Get<wxStaticText>(IDC_SELECTED_ITEM);
    EXPECT_EQ(label->GetLabel(), "Selected item: 2");

    auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
    Click(IDC_DELETE);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(1), "C");
    Click(IDC_DELETE);
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0), "A");
    Click(IDC_DELETE);  // past the end: nothing, silently
    EXPECT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_EQ(label->GetLabel(), "Selected item: 2");
    EXPECT_EQ(m_dialog->Items().RowCount(), list->GetItemCount());
}

TEST_F(MainWindowTest, SelectionLabelShowsTheLowestSelectedRowAndSurvivesDeselection) {
    AddItem("A", "http://a", "a");
    AddItem("B", "http://b", "b");
    AddItem("C", "http://c", "c");
    SelectRows({0, 2});
    EXPECT_EQ(Get<wxStaticText>(IDC_SELECTED_ITEM)->GetLabel(), "Selected item: 1");
    SelectRows({1});
    EXPECT_EQ(Get<wxStaticText>(IDC_SELECTED_ITEM)->GetLabel(), "Selected item: 2");
    SelectRows({});
    EXPECT_EQ(Get<wxStaticText>(IDC_SELECTED_ITEM)->GetLabel(), "Selected item: 2");
    Click(IDC_DELETE);
    auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(0), "A");
    EXPECT_EQ(list->GetItemText(1), "C");
}

TEST_F(MainWindowTest, CreateWritesTheChosenPageAndOpensIt) {
    Click(IDC_CREATE);
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_EQ(m_desktop.messages[0], StringTableText(IDS_ADD_ITEMS_FIRST));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Popup.htm"));

    // The entries of tests/data/entries.tsv, as the expected pages have them.
    AddItem("Home", "http://example.org/", "Go home");
    AddItem("News", "http://example.org/news", "Latest \"news\" & <more>");
    std::string page = (m_dir / "Popup.htm").string();

    struct Case {
        bool advanced, modern;
        const char* expected;
    } cases[] = {{false, false, "simple"},
                 {true, false, "styled_font_navy"},
                 {true, true, "modern_styled_font_navy"},
                 {false, true, "modern_simple"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "advanced " << c.advanced << " modern " << c.modern);
        if (Get<wxCheckBox>(IDC_ADVANCED)->GetValue() != c.advanced) Toggle(IDC_ADVANCED);
        if (Get<wxCheckBox>(IDC_MODERN)->GetValue() != c.modern) Toggle(IDC_MODERN);
        if (c.advanced) Type(IDC_FONT_COLOR, "navy");  // kept while collapsed
        m_desktop.opened.clear();
        Click(IDC_CREATE);

        EXPECT_EQ(ReadFile(page), expected::Page(c.expected));
        ASSERT_EQ(m_desktop.opened.size(), 1u);
        EXPECT_EQ(m_desktop.opened[0], page);
    }
    EXPECT_EQ(m_desktop.messages.size(), 1u);
}

TEST_F(MainWindowTest, CreateReportsAPageThatCannotBeWritten) {
    AddItem("Home", "http://example.com/", "Start");
    std::filesystem::path page = m_dir / "Popup.htm";
    { std::ofstream(page) << "old page"; }
    std::filesystem::permissions(page, std::filesystem::perms::owner_read);
    Click(IDC_CREATE);
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_NE(m_desktop.messages[0].find(page.string()), std::string::npos);
    EXPECT_NE(m_desktop.messages[0].find("read-only"), std::string::npos);
    EXPECT_TRUE(m_desktop.opened.empty());
    EXPECT_EQ(ReadFile(page), "old page");
}

TEST_F(MainWindowTest, ScrollbarSwitchDisablesItsEightControlsAndKeepsTheirText) {
    const int controls[] = {IDC_SCROLLBAR_ARROW,        IDC_SCROLLBAR_HIGHLIGHT,
                            IDC_SCROLLBAR_3DLIGHT,      IDC_SCROLLBAR_SHADOW,
                            IDC_PICK_SCROLLBAR_ARROW,   IDC_PICK_SCROLLBAR_HIGHLIGHT,
                            IDC_PICK_SCROLLBAR_3DLIGHT, IDC_PICK_SCROLLBAR_SHADOW};
    Toggle(IDC_ADVANCED);  // the switch is in the style panel
    Toggle(IDC_SCROLLBAR);
    for (int id : controls) EXPECT_FALSE(Get(id)->IsEnabled()) << id;
    EXPECT_FALSE(CanClick(Get(IDC_PICK_SCROLLBAR_ARROW)));  // the test clicks refuse it too
    EXPECT_TRUE(Get(IDC_BORDER_COLOR)->IsEnabled());
    EXPECT_FALSE(m_dialog->ReadStyleSettings().scrollbarColors);
    EXPECT_EQ(m_dialog->ReadStyleSettings().scrollbarArrowColor, "steelblue");

    Toggle(IDC_SCROLLBAR);
    for (int id : controls) EXPECT_TRUE(Get(id)->IsEnabled()) << id;
    StyleSettings defaults;
    defaults.styledMode = true;
    EXPECT_EQ(m_dialog->ReadStyleSettings(), defaults);
}

TEST_F(MainWindowTest, EnterInAnEditBoxKeepsTheWindowOpen) {
    AddItem("A", "http://a", "a");
    m_dialog->Raise();
    Get(IDC_TITLE)->SetFocus();
    Settle();
    ASSERT_EQ(wxWindow::FindFocus(), Get(IDC_TITLE));
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_RETURN);
    for (int i = 0; i < 10; ++i) Settle();
    EXPECT_TRUE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->Items().RowCount(), 1);
    EXPECT_EQ(Get<wxTextCtrl>(IDC_TITLE)->GetValue(), "A");

    // The same in a style box, which is a plain single-line entry.
    Toggle(IDC_ADVANCED);
    Get(IDC_FONT_COLOR)->SetFocus();
    Settle();
    keyboard.Char(WXK_RETURN);
    for (int i = 0; i < 10; ++i) Settle();
    EXPECT_TRUE(m_dialog->IsShown());
}

TEST_F(MainWindowTest, ItemBoxesHoldOneLine) {
    for (int id : {IDC_TITLE, IDC_URL, IDC_EXPLANATION}) {
        Type(id, "first\nsecond\r\nthird");
        EXPECT_EQ(Get<wxTextCtrl>(id)->GetValue(), "first second third") << id;
    }
}

TEST_F(MainWindowTest, OkAndEscapeCloseTheWindow) {
    Click(IDC_OK);
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->GetReturnCode(), kResultOk);

    m_dialog->Show();
    m_dialog->Raise();
    Get(IDC_TITLE)->SetFocus();
    Settle();
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_ESCAPE);
    for (int i = 0; i < 10 && m_dialog->IsShown(); ++i) SettleInput();
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->GetReturnCode(), kResultCancel);
}

TEST_F(MainWindowTest, AboutBoxOpensFromTheWindowMenu) {
    wxTEST_DIALOG(ChooseFromWindowMenu(kAboutCommand), wxExpectModal<CAboutBox>(IDC_OK));
    EXPECT_TRUE(m_dialog->IsShown());
}

// The text of the shown contrast note, or "" when none is shown.
std::string ShownContrastNote(wxWindow* parent) {
    wxWindow* note = wxWindow::FindWindowByName(kContrastNoteName, parent);
    if (!note || !note->IsShown()) return {};
    for (wxWindow* child : note->GetChildren())
        if (auto* text = dynamic_cast<wxStaticText*>(child)) return ToCoreText(text->GetLabel());
    return {};
}

TEST_F(MainWindowTest, CopyPageCodePutsTheSnippetOnTheClipboardAndHardColoursGetANote) {
    ChooseFromWindowMenu(kCopyPageCodeCommand);
    EXPECT_EQ(m_desktop.messages,
              std::vector<std::string>{std::string(StringTableText(IDS_ADD_ITEMS_FIRST))});

    AddItem("Home", "http://example.com/", "Start");
    struct Case {
        bool advanced;
        const char* highlight;
        bool note;
    };
    // Collapsed last: the panel's values stay, but the page does not use them.
    for (const Case& c :
         {Case{true, "darkgreen", false}, Case{true, "orange", true}, Case{false, "orange", false}}) {
        SCOPED_TRACE(c.highlight);
        if (Get<wxCheckBox>(IDC_ADVANCED)->GetValue() != c.advanced) Toggle(IDC_ADVANCED);
        if (c.advanced) {
            Type(IDC_FONT_COLOR, "white");
            Type(IDC_BACKGROUND_COLOR, "navy");
            Type(IDC_ITEM_HIGHLIGHT, c.highlight);
        }
        CloseContrastNote();
        ChooseFromWindowMenu(kCopyPageCodeCommand);
        Settle();
        StyleSettings style = m_dialog->ReadStyleSettings();
        ModernPageOptions snippet;
        snippet.snippet = true;
        wxTextDataObject pasted;
        ASSERT_TRUE(wxTheClipboard->Open());
        EXPECT_TRUE(wxTheClipboard->GetData(pasted));
        wxTheClipboard->Close();
        EXPECT_EQ(ToCoreText(pasted.GetText()),
                  BuildModernPage(m_dialog->Items(), c.advanced ? PageMode::Styled : PageMode::Simple, style,
                                  snippet));
        EXPECT_EQ(
            ShownContrastNote(m_dialog).find("white on the highlight colour orange") != std::string::npos,
            c.note);
        EXPECT_EQ(ShownContrastNote(m_dialog).empty(), !c.note);
    }

    // Create writes the modern page all the same, and notes the colours again.
    Toggle(IDC_ADVANCED);
    Toggle(IDC_MODERN);
    ASSERT_TRUE(Get<wxCheckBox>(IDC_MODERN)->GetValue());
    Click(IDC_CREATE);
    EXPECT_TRUE(std::filesystem::exists(m_dir / "Popup.htm"));
    EXPECT_EQ(m_desktop.opened.size(), 1u);
    EXPECT_NE(ShownContrastNote(m_dialog).find("white on the highlight colour orange"), std::string::npos);
    EXPECT_TRUE(m_dialog->IsShown());
}

TEST_F(MainWindowTest, HelpOpensTheReadmeOrSaysItIsMissing) {
    Click(IDC_HELP_BUTTON);
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_NE(m_desktop.messages[0].find(m_dir.string() + "/readme.htm"), std::string::npos);
    EXPECT_TRUE(m_desktop.opened.empty());

    { std::ofstream(m_dir / "readme.htm") << "<html></html>"; }
    Click(IDC_HELP_BUTTON);
    ASSERT_EQ(m_desktop.opened.size(), 1u);
    EXPECT_EQ(m_desktop.opened[0], m_dir.string() + "/readme.htm");
}

TEST_F(MainWindowTest, F1OpensTheHelpPage) {
    { std::ofstream(m_dir / "readme.htm") << "<html></html>"; }
    m_dialog->Raise();
    Get(IDC_TITLE)->SetFocus();
    Settle();
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_F1);
    for (int i = 0; i < 10 && m_desktop.opened.empty(); ++i) Settle();
    ASSERT_EQ(m_desktop.opened.size(), 1u);
    EXPECT_EQ(m_desktop.opened[0], m_dir.string() + "/readme.htm");
}

}  // namespace
}  // namespace menulark::testing
