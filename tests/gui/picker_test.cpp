#include <wx/odcombo.h>

#include "gui_fixture.h"
#include "page/page_generator.h"
#include "style/web_browser.h"
#include "system/text_file.h"

namespace menulark::testing {
namespace {

class PickerTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // These tests are about what the pane is asked to show, not about
        // the web engine; one test below runs the engine itself.
        if (!UseWebView()) m_dialog->BrowserPane()->DisableWebView();
        // The panel holds the pickers; open it as an author would.
        Toggle(IDC_ADVANCED);
    }

    virtual bool UseWebView() const { return false; }

    wxOwnerDrawnComboBox* ListControl(PickList list) { return m_dialog->PickListControl(list); }

    std::vector<PickList> VisibleLists() {
        std::vector<PickList> visible;
        for (PickList list : kPickLists)
            if (ListControl(list)->IsShown()) visible.push_back(list);
        return visible;
    }

    wxString Field(int id) { return Get<wxTextCtrl>(id)->GetValue(); }
    std::filesystem::path SwatchFile() { return m_dir / "colorFile.htm"; }
    void CloseDropDowns() {
        for (PickList list : kPickLists) CloseDropDown(list);
    }
    void TearDown() override {
        CloseDropDowns();
        MainWindowTest::TearDown();
    }
};

TEST_F(PickerTest, ColourPickFillsTheFieldWritesTheSwatchAndShowsIt) {
    Click(IDC_PICK_FONT_COLOR);
    EXPECT_EQ(m_dialog->Picker().Target(), 3);
    EXPECT_EQ(VisibleLists(), std::vector<PickList>{PickList::Color});
    EXPECT_TRUE(ListControl(PickList::Color)->IsPopupShown());

    PickEntry(PickList::Color, "navy");
    EXPECT_EQ(Field(IDC_FONT_COLOR), "navy");
    EXPECT_TRUE(VisibleLists().empty());
    EXPECT_EQ(wxWindow::FindFocus(), Get(IDC_FONT_COLOR));
    EXPECT_EQ(m_dialog->Picker().Target(), 3);

    std::string swatch = ReadFile(SwatchFile());
    EXPECT_EQ(swatch, WithCrLf(BuildSwatchPage("navy")));
    EXPECT_NE(swatch.find("bgcolor=\"navy\""), std::string::npos);
    EXPECT_NE(swatch.find("\r\n"), std::string::npos);
    EXPECT_EQ(m_dialog->BrowserPane()->LastNavigation(), m_dir.string() + "/colorFile.htm");
    EXPECT_EQ(m_dialog->BrowserPane()->FallbackColor(), wxColour(0, 0, 128));
}

TEST_F(PickerTest, ListKeepsItsLastPickForTheNextTargetAndTheTargetDecidesTheField) {
    Click(IDC_PICK_FONT_COLOR);
    PickEntry(PickList::Color, "navy");
    Click(IDC_PICK_BORDER_COLOR);
    EXPECT_EQ(ListControl(PickList::Color)
                  ->GetString(static_cast<unsigned>(ListControl(PickList::Color)->GetSelection())),
              "navy");
    PickEntry(PickList::Color, "red");
    EXPECT_EQ(Field(IDC_BORDER_COLOR), "red");
    EXPECT_EQ(Field(IDC_FONT_COLOR), "navy");

    // Two picks in a row leave only the second in the swatch file.
    EXPECT_EQ(ReadFile(SwatchFile()), WithCrLf(BuildSwatchPage("red")));
}

TEST_F(PickerTest, SwitchingTargetBeforeChoosingSendsThePickToTheNewTarget) {
    Click(IDC_PICK_FONT_SIZE);
    CloseDropDown(PickList::Size);
    Click(IDC_PICK_BORDER_SIZE);
    EXPECT_EQ(VisibleLists(), std::vector<PickList>{PickList::Size});
    EXPECT_EQ(m_dialog->Picker().Target(), 4);
    PickEntry(PickList::Size, "7");
    EXPECT_EQ(Field(IDC_BORDER_SIZE), "7");
    EXPECT_EQ(Field(IDC_FONT_SIZE), "14");

    Click(IDC_PICK_BACKGROUND);
    CloseDropDown(PickList::Color);
    Click(IDC_PICK_FONT_FAMILY);
    EXPECT_EQ(VisibleLists(), std::vector<PickList>{PickList::Font});
    PickEntry(PickList::Font, "Verdana");
    EXPECT_EQ(Field(IDC_FONT_FAMILY), "Verdana");
    EXPECT_EQ(Field(IDC_BACKGROUND_COLOR), "lightsteelblue");
}

TEST_F(PickerTest, SizeFontAndStylePicksLeaveTheSwatchAlone) {
    struct Case {
        int button;
        PickList list;
        const char* entry;
        int field;
    } cases[] = {
        {IDC_PICK_FONT_SIZE, PickList::Size, "12", IDC_FONT_SIZE},
        {IDC_PICK_FONT_FAMILY, PickList::Font, "Georgia", IDC_FONT_FAMILY},
        {IDC_PICK_BORDER_STYLE, PickList::BorderStyle, "window-inset", IDC_BORDER_STYLE},
    };
    for (const Case& c : cases) {
        Type(c.field, "typed by hand");
        Click(c.button);
        PickEntry(c.list, c.entry);
        EXPECT_EQ(Field(c.field), c.entry);  // a pick replaces the whole text
    }
    EXPECT_FALSE(std::filesystem::exists(SwatchFile()));
    EXPECT_EQ(m_dialog->BrowserPane()->LastNavigation(), "");
}

TEST_F(PickerTest, EveryColourTargetFillsItsOwnField) {
    const int colourButtons[][2] = {
        {IDC_PICK_FONT_COLOR, IDC_FONT_COLOR},
        {IDC_PICK_BORDER_COLOR, IDC_BORDER_COLOR},
        {IDC_PICK_SCROLLBAR_ARROW, IDC_SCROLLBAR_ARROW},
        {IDC_PICK_SCROLLBAR_HIGHLIGHT, IDC_SCROLLBAR_HIGHLIGHT},
        {IDC_PICK_SCROLLBAR_3DLIGHT, IDC_SCROLLBAR_3DLIGHT},
        {IDC_PICK_SCROLLBAR_SHADOW, IDC_SCROLLBAR_SHADOW},
        {IDC_PICK_BACKGROUND, IDC_BACKGROUND_COLOR},
        {IDC_PICK_ITEM_HIGHLIGHT, IDC_ITEM_HIGHLIGHT},
    };
    const char* colours[] = {"aqua", "beige", "coral", "gold", "khaki", "linen", "peru", "tan"};
    for (size_t i = 0; i < 8; ++i) {
        Click(colourButtons[i][0]);
        PickEntry(PickList::Color, colours[i]);
    }
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(Field(colourButtons[i][1]), colours[i]);
    StyleSettings style = m_dialog->ReadStyleSettings();
    EXPECT_EQ(style.fontColor, "aqua");
    EXPECT_EQ(style.itemHighlightColor, "tan");
}

TEST_F(PickerTest, ShownListStillFillsADisabledScrollbarField) {
    Click(IDC_PICK_SCROLLBAR_ARROW);
    CloseDropDown(PickList::Color);
    Toggle(IDC_SCROLLBAR);
    EXPECT_FALSE(Get(IDC_PICK_SCROLLBAR_ARROW)->IsEnabled());
    EXPECT_EQ(VisibleLists(), std::vector<PickList>{PickList::Color});
    PickEntry(PickList::Color, "plum");
    EXPECT_EQ(Field(IDC_SCROLLBAR_ARROW), "plum");
}

TEST_F(PickerTest, ChoiceWithoutTargetChangesNothing) {
    StyleSettings before = m_dialog->ReadStyleSettings();
    ListControl(PickList::Color)->Show();
    PickEntry(PickList::Color, "navy");
    EXPECT_EQ(m_dialog->ReadStyleSettings(), before);
    EXPECT_FALSE(std::filesystem::exists(SwatchFile()));
}

TEST_F(PickerTest, CollapsingThePanelKeepsAShownList) {
    Click(IDC_PICK_FONT_FAMILY);
    CloseDropDowns();
    wxSize expanded = m_dialog->GetClientSize();
    Toggle(IDC_ADVANCED);
    EXPECT_LT(m_dialog->GetClientSize().y, expanded.y) << "the panel did not collapse";
    EXPECT_FALSE(CanClick(ListControl(PickList::Font)));
    EXPECT_EQ(VisibleLists(), std::vector<PickList>{PickList::Font});
    Toggle(IDC_ADVANCED);
    PickEntry(PickList::Font, "Tahoma");
    EXPECT_EQ(Field(IDC_FONT_FAMILY), "Tahoma");
}

TEST_F(PickerTest, ReadOnlySwatchFileStaysAndThePaneStillShowsTheColour) {
    { std::ofstream(SwatchFile()) << "old swatch"; }
    std::filesystem::permissions(SwatchFile(), std::filesystem::perms::owner_read);
    Click(IDC_PICK_BACKGROUND);
    PickEntry(PickList::Color, "navy");
    EXPECT_EQ(ReadFile(SwatchFile()), "old swatch");
    EXPECT_EQ(Field(IDC_BACKGROUND_COLOR), "navy");
    EXPECT_EQ(m_dialog->BrowserPane()->LastPageText(), BuildSwatchPage("navy"));
    EXPECT_EQ(m_dialog->BrowserPane()->FallbackColor(), wxColour(0, 0, 128));
    EXPECT_TRUE(m_desktop.messages.empty());
}

TEST_F(PickerTest, ClickingTheAlreadySelectedEntryPicksAgain) {
    // Choosing the selected entry again must reach the handler, so that
    // "navy" can go to a second field.
    Click(IDC_PICK_FONT_COLOR);
    PickEntry(PickList::Color, "navy");
    EXPECT_EQ(Field(IDC_FONT_COLOR), "navy");
    Click(IDC_PICK_BORDER_COLOR);
    PickEntry(PickList::Color, "navy");
    EXPECT_EQ(Field(IDC_BORDER_COLOR), "navy");
}

class WebViewPaneTest : public PickerTest {
protected:
    bool UseWebView() const override { return true; }
};

TEST_F(WebViewPaneTest, PaneLoadsTheSwatchFileInTheWebEngine) {
    Click(IDC_PICK_FONT_COLOR);
    PickEntry(PickList::Color, "navy");
    CWebBrowser2* pane = m_dialog->BrowserPane();
    if (!pane->HasWebView()) GTEST_SKIP() << "no web engine on this system; the pane paints the colour";
    EXPECT_EQ(pane->LastNavigation(), m_dir.string() + "/colorFile.htm");
}

}  // namespace
}  // namespace menulark::testing
