// The window's decisions that need no window: the base directory, the
// picker state machine, the swatch colours and the layout tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/about_command.h"
#include "app/access_keys.h"
#include "app/base_directory.h"
#include "app/key_routing.h"
#include "app/page_folder_note.h"
#include "app/preview_pacer.h"
#include "app/style_controls.h"
#include "app/text_conversion.h"
#include "app/window_commands.h"
#include "app/window_geometry.h"
#include "page/css_colors.h"
#include "page/page_templates.h"
#include "resources/dialog_layout.h"
#include "resources/string_table.h"
#include "style/picker_logic.h"
#include "style/style_lists.h"

namespace menulark {
namespace {

struct PathCase {
    const char* path;
    const char* baseDirectory;
    const char* applicationName;
};

class BaseDirectoryTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(BaseDirectoryTest, IsDriveAndDirectoryWithTheirSeparator) {
    const PathCase& c = GetParam();
    EXPECT_EQ(BaseDirectoryOf(c.path), c.baseDirectory);
    EXPECT_EQ(ApplicationNameOf(c.path), c.applicationName);
    // Joining a file name directly gives a path in the same folder.
    EXPECT_EQ(SplitPath(BaseDirectoryOf(c.path) + "Popup.htm").name, "Popup");
}

INSTANTIATE_TEST_SUITE_P(Paths, BaseDirectoryTest,
                         ::testing::Values(PathCase{"C:\\Tools\\Pop\\app.exe", "C:\\Tools\\Pop\\", "app"},
                                           PathCase{"C:\\app.exe", "C:\\", "app"},
                                           PathCase{"\\\\server\\share\\tools\\menulark.exe",
                                                    "\\\\server\\share\\tools\\", "menulark"},
                                           PathCase{"/home/ann/.local/lib/menulark/menulark",
                                                    "/home/ann/.local/lib/menulark/", "menulark"},
                                           PathCase{"/menulark", "/", "menulark"},
                                           PathCase{"/opt/my.tools/menulark", "/opt/my.tools/", "menulark"},
                                           PathCase{"/opt/tools/menulark.bin", "/opt/tools/", "menulark"}));

TEST(BaseDirectoryTest, SplitKeepsEveryPart) {
    PathParts parts = SplitPath("D:\\a\\b.c\\name.tar.gz");
    EXPECT_EQ(parts.drive, "D:");
    EXPECT_EQ(parts.directory, "\\a\\b.c\\");
    EXPECT_EQ(parts.name, "name.tar");
    EXPECT_EQ(parts.extension, ".gz");
    // No length limit: a path far beyond 260 characters splits the same way.
    std::string deep = "/" + std::string(5000, 'd') + "/menulark";
    EXPECT_EQ(BaseDirectoryOf(deep), "/" + std::string(5000, 'd') + "/");
}

TEST(AboutCommandTest, IgnoresTheLowFourBitsOnly) {
    for (unsigned long value : {16ul, 17ul, 20ul, 31ul})
        EXPECT_TRUE(IsSystemMenuCommand(value, kAboutCommand)) << value;
    for (unsigned long value : {0ul, 15ul, 32ul, 0xF060ul, 0xF010ul})
        EXPECT_FALSE(IsSystemMenuCommand(value, kAboutCommand)) << value;
}

TEST(TextConversionTest, CoreTextThatIsNotUtf8StillShows) {
    const struct {
        std::string core;
        wxString shown;
    } cases[] = {{"", ""},
                 {"caf\xc3\xa9", wxString::FromUTF8("caf\xc3\xa9")},
                 {"Cannot write /home/caf\xe9/Popup.htm", "Cannot write /home/caf\\351/Popup.htm"}};
    for (const auto& c : cases) EXPECT_EQ(FromCoreText(c.core), c.shown) << c.core;
}

TEST(WindowMenuTest, EveryCommandHasALetterOfItsOwn) {
    // A letter shared by two commands only moves between them in the menu.
    std::set<char> letters;
    for (const WindowMenuEntry& entry : kWindowMenu) {
        if (entry.command == 0) continue;
        std::string_view text = StringTableText(entry.text);
        size_t amp = text.find('&');
        ASSERT_TRUE(amp != std::string_view::npos && amp + 1 < text.size()) << text;
        EXPECT_TRUE(
            letters.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])))).second)
            << text;
    }
    // In each window an access key leads to one control only: its buttons,
    // check boxes and the labels of its boxes and lists.
    for (const DialogLayout* layout : {&MainWindowLayout(), &AboutBoxLayout(), &EditEntryLayout()}) {
        std::set<char> keys;
        for (const ControlSpec& c : *layout) {
            char key = c.text ? AccessKeyOf(c.text) : 0;
            if (key != 0) {
                EXPECT_TRUE(keys.insert(key).second) << layout->caption << ": " << c.text;
            }
        }
    }
}

TEST(WindowMenuTest, HelpPageListsEveryCommandWithItsShortcut) {
    std::ifstream in(MENULARK_HELP_PAGE, std::ios::binary);
    ASSERT_TRUE(in) << MENULARK_HELP_PAGE;
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const WindowMenuEntry& entry : kWindowMenu) {
        if (entry.command == 0) continue;
        std::string text = SpokenLabel(StringTableText(entry.text));
        std::string row = "<tr><td>" + text + "</td><td>";
        if (entry.key != 0)
            row += "<kbd>" + ToCoreText(wxAcceleratorEntry(entry.modifiers, entry.key).ToString()) + "</kbd>";
        row += "</td>";
        EXPECT_NE(page.find(row), std::string::npos) << row;
    }
}

TEST(WindowMenuTest, KeysReachTheWindowOnlyWhereTheyShould) {
    struct Case {
        int key, modifiers;
        FocusKind focus;
        bool pickListOpen;
        KeyAction action;
    } cases[] = {
        {WXK_ESCAPE, 0, FocusKind::Other, false, KeyAction::CloseWindow},
        {WXK_ESCAPE, 0, FocusKind::Other, true, KeyAction::ClosePickList},
        {WXK_RETURN, 0, FocusKind::Other, false, KeyAction::Nothing},  // a box, check box or list
        {WXK_NUMPAD_ENTER, 0, FocusKind::Other, false, KeyAction::Nothing},
        {WXK_RETURN, 0, FocusKind::PushButton, false, KeyAction::Pass},
        {WXK_RETURN, 0, FocusKind::Other, true, KeyAction::Pass},  // the open list's choice
        {WXK_MENU, 0, FocusKind::Other, false, KeyAction::WindowMenu},
        {WXK_WINDOWS_MENU, 0, FocusKind::Other, false, KeyAction::WindowMenu},
        {WXK_WINDOWS_MENU, wxMOD_SHIFT, FocusKind::Other, false, KeyAction::WindowMenu},
        {WXK_F10, wxMOD_SHIFT, FocusKind::Other, false, KeyAction::WindowMenu},
        {WXK_F10, 0, FocusKind::Other, false, KeyAction::Pass},
        {WXK_F10, wxMOD_SHIFT | wxMOD_CONTROL, FocusKind::Other, false, KeyAction::Pass},
        {'M', wxMOD_SHIFT, FocusKind::Other, false, KeyAction::Pass},
        {'a', 0, FocusKind::Other, false, KeyAction::Pass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RouteWindowKey(c.key, c.modifiers, c.focus, c.pickListOpen), c.action) << c.key;
}

TEST(DialogLayoutTest, EveryControlHasANameForScreenReaders) {
    EXPECT_EQ(SpokenLabel("Bac&kground-\ncolor:"), "Background-color");
    EXPECT_EQ(SpokenLabel("Advanced &setting..."), "Advanced setting...");
    EXPECT_EQ(AccessKeyOf("Fish && &Chips"), 'c');
    for (const DialogLayout* layout : {&MainWindowLayout(), &EditEntryLayout()}) {
        std::set<int> labelled;
        for (const ControlSpec& c : *layout) {
            if (c.labelFor == 0) continue;
            EXPECT_EQ(c.kind, ControlKind::Label);
            // Just before its control, so that the label's key leads there on every platform.
            ASSERT_LT(&c + 1, layout->end());
            EXPECT_EQ((&c + 1)->id, c.labelFor) << c.text;
            labelled.insert(c.labelFor);
        }
        for (const ControlSpec& c : *layout) {
            bool ownText = c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultPushButton ||
                           c.kind == ControlKind::MenuButton || c.kind == ControlKind::CheckBox ||
                           c.kind == ControlKind::CheckBoxTextLeft;
            bool textBoxOrList = c.kind == ControlKind::Edit || c.kind == ControlKind::LongEdit ||
                                 c.kind == ControlKind::DropDownList || c.kind == ControlKind::ListView;
            if (textBoxOrList) {
                EXPECT_TRUE(labelled.count(c.id)) << c.id << " has no label";
            }
            if (c.kind == ControlKind::PickerButton || c.kind == ControlKind::PickList) {
                EXPECT_TRUE(c.accessibleName && *c.accessibleName) << c.id << " has no name";
            }
            if (ownText) {
                EXPECT_FALSE(SpokenLabel(c.text).empty()) << c.id;
            }
        }
    }
}

TEST(DialogLayoutTest, EveryButtonAndBoxExplainsItselfAndPickersNameTheirField) {
    for (const DialogLayout* layout : {&MainWindowLayout(), &AboutBoxLayout(), &EditEntryLayout()}) {
        for (const ControlSpec& c : *layout) {
            bool explained = c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultPushButton ||
                             c.kind == ControlKind::MenuButton || c.kind == ControlKind::PickerButton ||
                             c.kind == ControlKind::Edit || c.kind == ControlKind::LongEdit;
            std::string_view tip = StringTableText(c.tip);
            EXPECT_EQ(!tip.empty(), explained) << layout->caption << ": " << c.id;
            // A shortcut named in the tip is the control's own access key or its label's.
            size_t alt = tip.find("(Alt+");
            if (alt == std::string_view::npos) continue;
            const char* keyText = c.text && *c.text ? c.text : (&c - 1)->text;
            char key = static_cast<char>(std::toupper(static_cast<unsigned char>(AccessKeyOf(keyText))));
            EXPECT_EQ(tip[alt + 5], key) << tip;
        }
    }
    // A picker's tip names the field its list fills: its name says the same.
    for (const ControlSpec& c : MainWindowLayout()) {
        if (c.kind != ControlKind::PickerButton) continue;
        std::string name = c.accessibleName, tip(StringTableText(c.tip));
        EXPECT_EQ(tip, "Pick the " + name.substr(5)) << c.id;
    }
}

TEST(StyleControlsTest, EveryStyleTextHasOneControlOfItsOwn) {
    // A value without a control would be lost on the way to a menu file and back.
    std::vector<StyleControl> controls(std::begin(kStyleEdits), std::end(kStyleEdits));
    controls.insert(controls.end(), std::begin(kStyleChoices), std::end(kStyleChoices));
    std::set<int> ids;
    for (const StyleControl& control : controls) EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    for (const StyleField& field : StyleFields()) {
        auto holds = [&](const StyleControl& control) { return control.field == field.member; };
        EXPECT_EQ(std::count_if(controls.begin(), controls.end(), holds), 1) << field.name;
    }
    EXPECT_EQ(controls.size(), StyleFields().size());
}

TEST(PickerTargetsTest, TableMatchesButtonsFieldsAndLists) {
    const int buttons[] = {
        IDC_PICK_FONT_SIZE,        IDC_PICK_FONT_FAMILY,         IDC_PICK_FONT_COLOR,
        IDC_PICK_BORDER_SIZE,      IDC_PICK_BORDER_STYLE,        IDC_PICK_BORDER_COLOR,
        IDC_PICK_SCROLLBAR_ARROW,  IDC_PICK_SCROLLBAR_HIGHLIGHT, IDC_PICK_SCROLLBAR_3DLIGHT,
        IDC_PICK_SCROLLBAR_SHADOW, IDC_PICK_BACKGROUND,          IDC_PICK_ITEM_HIGHLIGHT};
    const int edits[] = {1036, 1037, 1038, 1039, 1040, 1041, 1042, 1044, 1043, 1045, 1035, 1047};
    const int lists[] = {1030, 1031, 1020, 1030, 1057, 1020, 1020, 1020, 1020, 1020, 1020, 1020};
    for (int t = 1; t <= 12; ++t) {
        const PickerTargetInfo* info = FindPickerTarget(t);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->target, t);
        EXPECT_EQ(info->buttonId, buttons[t - 1]) << t;
        EXPECT_EQ(info->editId, edits[t - 1]) << t;
        EXPECT_EQ(static_cast<int>(info->list), lists[t - 1]) << t;
    }
    EXPECT_EQ(FindPickerTarget(0), nullptr);
    EXPECT_EQ(FindPickerTarget(13), nullptr);
}

TEST(PickerStateTest, ButtonShowsItsListAndHidesTheOtherThree) {
    PickerState state;
    ShowDecision shown = state.ShowPickList(2, PickList::Font);
    EXPECT_EQ(shown.show, PickList::Font);
    std::set<PickList> hidden(shown.hide.begin(), shown.hide.end());
    EXPECT_EQ(hidden, (std::set<PickList>{PickList::Color, PickList::Size, PickList::BorderStyle}));
    EXPECT_EQ(state.Target(), 2);
    EXPECT_EQ(state.Visible(), PickList::Font);
}

TEST(PickerStateTest, PickFillsTheTargetsFieldAndKeepsTheTarget) {
    struct Case {
        int target;
        PickList list;
        int edit;
        bool colour;
    } cases[] = {
        {3, PickList::Color, IDC_FONT_COLOR, true},
        {1, PickList::Size, IDC_FONT_SIZE, false},
        {5, PickList::BorderStyle, IDC_BORDER_STYLE, false},
        {12, PickList::Color, IDC_ITEM_HIGHLIGHT, true},
        {2, PickList::Font, IDC_FONT_FAMILY, false},
        {9, PickList::Color, IDC_SCROLLBAR_3DLIGHT, true},
    };
    for (const Case& c : cases) {
        PickerState state;
        state.ShowPickList(c.target, c.list);
        auto pick = state.OnPickListChanged(true);
        ASSERT_TRUE(pick.has_value()) << c.target;
        EXPECT_EQ(pick->readFrom, c.list);
        EXPECT_EQ(pick->editId, c.edit);
        EXPECT_EQ(pick->focusId, c.edit);
        EXPECT_EQ(pick->hide, c.list);
        EXPECT_EQ(pick->previewColor, c.colour);
        EXPECT_EQ(state.Target(), c.target);
        EXPECT_EQ(state.Visible(), PickList::None);
    }
}

TEST(PickerStateTest, SwitchingTargetsBeforeAChoiceSendsThePickToTheLastTarget) {
    PickerState state;
    state.ShowPickList(1, PickList::Size);
    state.ShowPickList(4, PickList::Size);  // SizeList stays shown, target moves
    EXPECT_EQ(state.Visible(), PickList::Size);
    auto pick = state.OnPickListChanged(true);
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->editId, IDC_BORDER_SIZE);

    state.ShowPickList(11, PickList::Color);
    state.ShowPickList(2, PickList::Font);
    EXPECT_EQ(state.Visible(), PickList::Font);
    EXPECT_EQ(state.TargetList(), PickList::Font);
    pick = state.OnPickListChanged(true);
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->editId, IDC_FONT_FAMILY);
    EXPECT_FALSE(pick->previewColor);
}

TEST(PickerStateTest, NothingHappensWithoutTargetOrSelection) {
    PickerState state;
    EXPECT_FALSE(state.OnPickListChanged(true));
    EXPECT_EQ(state.TargetList(), PickList::None);
    state.ShowPickList(6, PickList::Color);
    EXPECT_FALSE(state.OnPickListChanged(false));
    EXPECT_EQ(state.Visible(), PickList::Color);  // a closed drop-down leaves the list shown
    EXPECT_TRUE(state.OnPickListChanged(true));
    EXPECT_TRUE(state.OnPickListChanged(true));  // the target stays for the next pick
}

TEST(CssColorTest, EveryListedColourHasItsValue) {
    for (std::string_view name : ColorList) EXPECT_TRUE(CssColor(name).has_value()) << name;
    struct Case {
        const char* name;
        Rgb rgb;
    } known[] = {{"navy", {0, 0, 128}},
                 {"lightsteelblue", {0xB0, 0xC4, 0xDE}},
                 {"red", {255, 0, 0}},
                 {"aliceblue", {0xF0, 0xF8, 0xFF}},
                 {"yellowgreen", {0x9A, 0xCD, 0x32}},
                 {"lightgrey", {0xD3, 0xD3, 0xD3}}};
    for (const Case& c : known) {
        auto rgb = CssColor(c.name);
        ASSERT_TRUE(rgb) << c.name;
        EXPECT_EQ(rgb->r, c.rgb.r) << c.name;
        EXPECT_EQ(rgb->g, c.rgb.g) << c.name;
        EXPECT_EQ(rgb->b, c.rgb.b) << c.name;
    }
    EXPECT_FALSE(CssColor("#336699"));
    EXPECT_FALSE(CssColor("Navy"));
    EXPECT_FALSE(CssColor(""));
}

TEST(DialogLayoutTest, MainWindowHoldsEveryControlOnceInsideTheWindow) {
    const DialogLayout& layout = MainWindowLayout();
    EXPECT_EQ(layout.templateId, IDD_MENULARK_DIALOG);
    EXPECT_STREQ(layout.caption, "Menulark");
    EXPECT_EQ(layout.width, 427);
    EXPECT_EQ(layout.height, 282);
    std::set<int> ids;
    int labels = 0;
    for (const ControlSpec& c : layout) {
        if (c.id == IDC_LABEL) {
            ++labels;
        } else {
            EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << c.id;
        }
        EXPECT_GE(c.x, 0);
        EXPECT_GE(c.y, 0);
        EXPECT_LE(c.x + c.w, layout.width) << c.id;
        // Drop-down heights include the open list, which may reach past the window.
        if (c.kind != ControlKind::DropDownList && c.kind != ControlKind::PickList) {
            EXPECT_LE(c.y + c.h, layout.height) << c.id;
        }
    }
    EXPECT_EQ(ids.size(), 47u);  // the classic 45, the modern-page box and the menu button
    EXPECT_EQ(labels, 23);
    // The controls in creation order, which is the tab order: the layout read
    // left column first, then the right one; in the style panel group by group,
    // each picker just after its box.
    // clang-format off
    const int tabOrder[] = {
        IDC_TITLE, IDC_URL, IDC_EXPLANATION, IDC_MENU_LIST, IDC_MENU_BUTTON,
        IDC_OK, IDC_ADD_MENU, IDC_DELETE, IDC_HELP_BUTTON, IDC_MODERN, IDC_CREATE, IDC_ADVANCED,
        IDC_WIDTH, IDC_HEIGHT, IDC_BACKGROUND_COLOR, IDC_PICK_BACKGROUND, IDC_ITEM_HIGHLIGHT,
        IDC_PICK_ITEM_HIGHLIGHT,
        IDC_FONT_WEIGHT, IDC_FONT_SIZE, IDC_PICK_FONT_SIZE, IDC_FONT_FAMILY, IDC_PICK_FONT_FAMILY,
        IDC_FONT_COLOR, IDC_PICK_FONT_COLOR,
        IDC_BORDER_SIZE, IDC_PICK_BORDER_SIZE, IDC_BORDER_STYLE, IDC_PICK_BORDER_STYLE, IDC_BORDER_COLOR,
        IDC_PICK_BORDER_COLOR,
        IDC_SCROLLBAR, IDC_SCROLLBAR_ARROW, IDC_PICK_SCROLLBAR_ARROW, IDC_SCROLLBAR_HIGHLIGHT,
        IDC_PICK_SCROLLBAR_HIGHLIGHT, IDC_SCROLLBAR_3DLIGHT, IDC_PICK_SCROLLBAR_3DLIGHT, IDC_SCROLLBAR_SHADOW,
        IDC_PICK_SCROLLBAR_SHADOW,
        IDC_COLOR_LIST, IDC_BORDER_STYLE_LIST, IDC_SIZE_LIST, IDC_FONT_LIST};
    // clang-format on
    std::vector<int> stops;
    for (const ControlSpec& c : layout)
        if (c.kind != ControlKind::Label && c.kind != ControlKind::SunkenTitle &&
            c.kind != ControlKind::BrowserPane)
            stops.push_back(c.id);
    EXPECT_EQ(stops, std::vector<int>(std::begin(tabOrder), std::end(tabOrder)));
    const ControlSpec* modern = layout.Find(IDC_MODERN);
    ASSERT_NE(modern, nullptr);
    EXPECT_EQ(modern->x, 340);
    EXPECT_EQ(modern->y, 102);
    EXPECT_STREQ(modern->text, "For &modern browsers");
}

TEST(DialogLayoutTest, CollapsingHidesExactlyTheStylePanel) {
    const DialogLayout& layout = MainWindowLayout();
    EXPECT_EQ(layout.panelTop, 178);
    EXPECT_EQ(layout.collapsePixels, 170);
    // Collapsed at 96 dpi: the lower edge of the client area, in dialog-unit
    // pixels, lies below every control outside the panel and above the panel.
    DialogUnitScale scale;
    int collapsedBottom = scale.Y(layout.height) - CollapseHeight(layout, scale);
    for (const ControlSpec& c : layout) {
        bool inPanel = c.y >= layout.panelTop;
        if (inPanel) {
            EXPECT_GE(scale.Y(c.y), collapsedBottom) << c.id << " would show in the collapsed window";
        } else {
            EXPECT_LE(scale.Y(c.y + c.h), collapsedBottom) << c.id << " would be cut off";
        }
        bool panelControl =
            c.id == IDC_BROWSER_PANE || c.id == IDC_PANEL_TITLE ||
            (c.id >= IDC_PICK_FONT_SIZE && c.id <= IDC_PICK_ITEM_HIGHLIGHT && c.id != IDC_ADVANCED) ||
            c.id == IDC_BORDER_STYLE_LIST || c.id == IDC_SCROLLBAR;
        if (c.id != IDC_LABEL) {
            EXPECT_EQ(inPanel, panelControl) << c.id;
        }
    }
}

TEST(DialogLayoutTest, AboutBoxHasIconVersionAndOk) {
    const DialogLayout& about = AboutBoxLayout();
    EXPECT_EQ(about.templateId, IDD_ABOUTBOX);
    EXPECT_STREQ(about.caption, "About Menulark");
    ASSERT_EQ(about.count, 3u);
    EXPECT_EQ(about.controls[0].kind, ControlKind::Icon);
    EXPECT_STREQ(about.controls[1].text, "Menulark Version 1.0");
    EXPECT_EQ(about.controls[2].id, IDC_OK);
    EXPECT_EQ(about.controls[2].kind, ControlKind::DefaultPushButton);
}

TEST(PageFolderNoteTest, SaysBothFoldersOnlyWhenPagesLeaveTheProgramFolder) {
    const std::string user = "/home/a/.local/share/menulark/";
    const PageFolder moved = ChoosePageFolder("/usr/lib/menulark/", false, user);
    EXPECT_EQ(PageFolderNoteText(moved),
              PageTemplates::Format(IDS_PAGE_FOLDER_NOTE, {"/usr/lib/menulark/", user}));
    EXPECT_NE(PageFolderNoteText(moved).find(user), std::string::npos);
    EXPECT_EQ(PageFolderNoteText(ChoosePageFolder("/opt/m/", true, user)), "");
}

TEST(PreviewPacerTest, ShowsAfterAPauseOrTheLongestWaitAndNeverTwice) {
    // Milliseconds from the start, the title being typed, what the tick shows ("-": nothing).
    const struct {
        int ms;
        const char* typed;
        const char* shown;
    } steps[] = {
        {0, "a", "a"},                               // nothing shown yet: at once
        {40, "a", "-"},                              // unchanged
        {80, "ab", "-"},                             // a change waits for a pause
        {120, "abc", "-"},       {200, "abc", "-"},  // 80 ms quiet
        {240, "abc", "abc"},                         // 120 ms quiet
        {280, "d", "-"},                             // steady typing ...
        {320, "de", "-"},        {360, "def", "-"}, {440, "defg", "-"},
        {480, "defgh", "defgh"},  // ... shows once the first change waited 200 ms
        {520, "defgh", "-"},     {560, "x", "-"},   {600, "defgh", "-"},  // changed back to what is shown
        {800, "defgh", "-"},
    };
    PreviewPacer pacer;
    PreviewPacer::Clock::time_point start;
    for (const auto& step : steps) {
        PreviewContent content;
        content.typed.title = step.typed;
        auto shown = pacer.Tick(content, start + std::chrono::milliseconds(step.ms));
        EXPECT_EQ(shown ? shown->typed.title : "-", step.shown) << step.ms << " ms";
    }
    pacer.Reset();
    PreviewContent content;
    content.typed.title = "defgh";
    auto shown = pacer.Tick(content, start + std::chrono::milliseconds(840));
    ASSERT_TRUE(shown) << "a reopened preview shows at once";
    EXPECT_EQ(shown->typed.title, "defgh");
}

}  // namespace
}  // namespace menulark
