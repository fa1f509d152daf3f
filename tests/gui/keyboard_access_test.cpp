// The window with the keyboard alone: Tab, Escape, Enter and the menu key,
// pressed as real keys.
#include <gtk/gtk.h>
#include <wx/uiaction.h>

#include "app/window_geometry.h"
#include "gui_fixture.h"
#include "resources/string_table.h"

namespace menulark::testing {
namespace {

class KeyboardAccessTest : public MainWindowTest {
protected:
    /// The layout control that holds the focus (or a part of it); 0 for none.
    int FocusedControl() {
        for (wxWindow* w = wxWindow::FindFocus(); w && w != m_dialog; w = w->GetParent())
            if (w->GetId() != wxID_ANY && m_dialog->Control(w->GetId()) == w) return w->GetId();
        // wx does not follow the focus into the inner button of a drop-down
        // or of a check box with its text on the left; GTK knows where it is.
        GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(m_dialog->GetHandle()));
        for (GtkWidget* w = focus; w; w = gtk_widget_get_parent(w))
            for (const ControlSpec& spec : MainWindowLayout())
                if (spec.id != IDC_LABEL && m_dialog->Control(spec.id)->GetHandle() == w) return spec.id;
        return 0;
    }

    /// Where the focus goes on `presses` presses of Tab (Shift+Tab when `back`).
    std::vector<int> TabStops(size_t presses, bool back = false) {
        std::vector<int> stops;
        wxUIActionSimulator keyboard;
        for (size_t i = 0; i < presses; ++i) {
            int before = FocusedControl();
            keyboard.Char(WXK_TAB, back ? wxMOD_SHIFT : wxMOD_NONE);
            SettleUntil([&] { return FocusedControl() != before; });
            stops.push_back(FocusedControl());
        }
        return stops;
    }

    /// The controls a person can reach: every tab stop of the layout, in its
    /// order, that is shown inside the visible window and enabled.
    std::vector<int> VisibleStops() {
        std::vector<int> stops;
        for (const ControlSpec& spec : MainWindowLayout()) {
            if (spec.kind == ControlKind::Label || spec.kind == ControlKind::SunkenTitle ||
                spec.kind == ControlKind::BrowserPane)
                continue;
            if (CanClick(Get(spec.id))) stops.push_back(spec.id);
        }
        return stops;
    }

    /// Moves the focus to `id` with Tab from the title box.
    void TabTo(int id) {
        ClickOn(Get(IDC_TITLE));
        for (int i = 0; i < 60 && FocusedControl() != id; ++i) TabStops(1);
        ASSERT_EQ(FocusedControl(), id);
    }
};

TEST_F(KeyboardAccessTest, TabReachesEveryVisibleControlInReadingOrderAndNothingHidden) {
    for (bool expanded : {false, true}) {
        SCOPED_TRACE(expanded ? "expanded" : "collapsed");
        if (expanded) Toggle(IDC_ADVANCED);
        std::vector<int> expected = VisibleStops();
        ASSERT_EQ(expected.front(), IDC_TITLE);
        ClickOn(Get(IDC_TITLE));
        // Round the window once and back to the start, then back again.
        std::vector<int> forward = TabStops(expected.size());
        std::vector<int> wanted(expected.begin() + 1, expected.end());
        wanted.push_back(IDC_TITLE);
        EXPECT_EQ(forward, wanted);
        std::vector<int> backward = TabStops(expected.size(), true);
        std::vector<int> reversed(expected.rbegin(), expected.rend());
        EXPECT_EQ(backward, reversed);
    }
}

TEST_F(KeyboardAccessTest, AccessKeysOfTheLabelsLeadToTheirControls) {
    struct Case {
        char key;
        int id;
        bool inPanel;
    } cases[] = {{'u', IDC_URL, false},
                 {'x', IDC_EXPLANATION, false},
                 {'n', IDC_MENU_LIST, false},
                 {'t', IDC_TITLE, false},
                 {'w', IDC_WIDTH, true},
                 {'g', IDC_HEIGHT, true},
                 {'k', IDC_BACKGROUND_COLOR, true},
                 {'e', IDC_FONT_WEIGHT, true},
                 {'z', IDC_FONT_SIZE, true},
                 {'3', IDC_SCROLLBAR_3DLIGHT, true},
                 {'r', IDC_BORDER_COLOR, true}};
    ClickOn(Get(IDC_TITLE));
    for (bool expanded : {false, true}) {
        if (expanded) Toggle(IDC_ADVANCED);
        for (const Case& c : cases) {
            if (c.inPanel != expanded) continue;
            SCOPED_TRACE(::testing::Message() << "Alt+" << c.key);
            wxUIActionSimulator().Char(c.key, wxMOD_ALT);
            EXPECT_TRUE(SettleUntil([&] { return FocusedControl() == c.id; }))
                << "focus on " << FocusedControl();
        }
    }
}

TEST_F(KeyboardAccessTest, EscapeInAnOpenPickListClosesOnlyTheList) {
    Toggle(IDC_ADVANCED);
    Click(IDC_PICK_FONT_COLOR);
    wxOwnerDrawnComboBox* colors = m_dialog->PickListControl(PickList::Color);
    ASSERT_TRUE(colors->IsPopupShown());
    wxUIActionSimulator keyboard;
    // Were the window closing, its question would come up with the list left
    // open behind it; Cancel keeps the window, and the list shows the fault.
    wxTEST_DIALOG(keyboard.Char(WXK_ESCAPE); SettleUntil([&] { return !colors->IsPopupShown(); }),
                                             wxExpectModal<wxMessageDialog>(wxID_CANCEL).Optional());
    EXPECT_FALSE(colors->IsPopupShown());
    EXPECT_TRUE(m_dialog->IsShown());
    EXPECT_EQ(Get<wxTextCtrl>(IDC_FONT_COLOR)->GetValue(), StyleSettings().fontColor);  // nothing picked
    // With the list closed, Escape closes the window as before (the open
    // panel counts as a change, so it asks first).
    wxTEST_DIALOG(keyboard.Char(WXK_ESCAPE);
                  SettleUntil([&] { return !m_dialog->IsShown(); }), wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->GetReturnCode(), kResultCancel);
}

TEST_F(KeyboardAccessTest, EnterKeepsTheWindowOnEveryControlButAPushButton) {
    AddItem("A", "http://a", "a");
    Toggle(IDC_ADVANCED);
    for (int id : {IDC_MENU_LIST, IDC_MODERN, IDC_ADVANCED, IDC_WIDTH, IDC_SCROLLBAR, IDC_FONT_SIZE}) {
        SCOPED_TRACE(::testing::Message() << "Enter on control " << id);
        TabTo(id);
        auto* box = dynamic_cast<wxCheckBox*>(Get(id));
        bool checked = box && box->GetValue();
        wxUIActionSimulator().Char(WXK_RETURN);
        SettleInput();
        EXPECT_TRUE(m_dialog->IsShown());
        if (box) {
            EXPECT_EQ(box->GetValue(), checked);
        }
        EXPECT_EQ(m_dialog->Items().RowCount(), 1);
    }
    // On a push button Enter presses it.
    TabTo(IDC_OK);
    wxTEST_DIALOG(wxUIActionSimulator().Char(WXK_RETURN);
                  SettleUntil([&] { return !m_dialog->IsShown(); }), wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->GetReturnCode(), kResultOk);
}

TEST_F(KeyboardAccessTest, MenuKeyInATextBoxOpensTheWindowMenu) {
    ClickOn(Get(IDC_TITLE));
    wxTEST_DIALOG(ChooseFromWindowMenu(kAboutCommand, WXK_MENU, wxMOD_NONE),
                  wxExpectModal<CAboutBox>(IDC_OK));
    EXPECT_TRUE(m_dialog->IsShown());
}

TEST_F(KeyboardAccessTest, MenuButtonOpensTheWindowMenuBelowItselfAndEveryButtonAndBoxExplainsItself) {
    wxWindow* button = Get(IDC_MENU_BUTTON);
    ASSERT_TRUE(CanClick(button));
    // It moves nothing: every control stands where the layout table puts it,
    // and none shares the button's place.
    DialogUnitScale scale;
    scale.contentScale = m_dialog->FromDIP(1000) / 1000.0;
    for (const ControlSpec& spec : MainWindowLayout()) {
        if (spec.id == IDC_LABEL) continue;
        PixelRect place = ToPixels(spec, scale);
        EXPECT_EQ(Get(spec.id)->GetPosition(), wxPoint(place.x, place.y)) << spec.id;
        if (spec.id != IDC_MENU_BUTTON && Get(spec.id)->IsShown()) {
            EXPECT_FALSE(Get(spec.id)->GetRect().Intersects(button->GetRect())) << spec.id;
        }
    }
    // Every push button and box of the window says on hover what it does.
    for (wxWindow* child : m_dialog->GetChildren()) {
        if (dynamic_cast<wxButton*>(child) || dynamic_cast<wxTextCtrl*>(child)) {
            EXPECT_FALSE(child->GetToolTipText().empty()) << child->GetId();
        }
    }
    EXPECT_EQ(button->GetToolTipText(), StringText(IDS_TIP_MENU_BUTTON));

    // Tab reaches it in layout order, right after the entry list.
    TabTo(IDC_MENU_LIST);
    EXPECT_EQ(TabStops(1), std::vector<int>{IDC_MENU_BUTTON});

    // A click opens the window menu just below the button, and a command
    // chosen there runs.
    wxPoint menuCorner;
    auto where = [&](wxMenu* menu) {
        GtkWidget* popup = gtk_widget_get_toplevel(menu->m_menu);
        gdk_window_get_origin(gtk_widget_get_window(popup), &menuCorner.x, &menuCorner.y);
    };
    auto click = [&] { ClickOn(button); };
    wxTEST_DIALOG(ChooseFromWindowMenuOpenedBy(kAboutCommand, click, where),
                  wxExpectModal<CAboutBox>(IDC_OK));
    wxRect below = button->GetScreenRect();
    EXPECT_LE(std::abs(menuCorner.x - below.x), 2);
    EXPECT_LE(std::abs(menuCorner.y - below.GetBottom()), 2);
}

}  // namespace
}  // namespace menulark::testing
