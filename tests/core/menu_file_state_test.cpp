#include "menu/menu_file_state.h"

#include <gtest/gtest.h>

#include <string>

namespace menulark {
namespace {

MenuDocument TwoEntries() {
    MenuDocument document;
    document.entries.AddItem("A", "http://a/", "a");
    document.entries.AddItem("B", "http://b/", "b");
    return document;
}

TEST(MenuFileStateTest, CaptionAndChangesFollowTheLastOpenOrSave) {
    // Before any file, changes count from the start state.
    MenuFileState state{MenuDocument{}};
    MenuDocument current = TwoEntries();
    EXPECT_EQ(state.Caption("Menulark"), "Menulark");
    EXPECT_EQ(state.Path(), "");
    EXPECT_EQ(state.SuggestedName(), "menu.menu.json");
    EXPECT_EQ(state.Folder(), "");
    EXPECT_FALSE(state.HasUnsavedChanges(MenuDocument{})) << "an untouched window has nothing to lose";
    EXPECT_TRUE(state.HasUnsavedChanges(current)) << "typed entries are not lost unasked";

    state.Remember("/home/author/site/shop.menu.json", current);
    EXPECT_EQ(state.Path(), "/home/author/site/shop.menu.json");
    EXPECT_EQ(state.Caption("Menulark"), "shop.menu.json - Menulark");
    EXPECT_EQ(state.SuggestedName(), "shop.menu.json");
    EXPECT_EQ(state.Folder(), "/home/author/site");
    EXPECT_FALSE(state.HasUnsavedChanges(current));

    // Each kind of change counts; undoing it by hand counts as no change.
    using Change = void (*)(MenuDocument&);
    const Change changes[] = {
        [](MenuDocument& d) { d.entries.AddItem("C", "http://c/", "c"); },
        [](MenuDocument& d) { d.entries.ReplaceRow(0, "A", "http://a/", "changed"); },
        [](MenuDocument& d) { d.entries.SwapRows(0, 1, 0); },
        [](MenuDocument& d) { d.style.fontColor = "red"; },
        [](MenuDocument& d) { d.style.styledMode = true; },
        [](MenuDocument& d) { d.style.scrollbarColors = false; },
        [](MenuDocument& d) { d.flavor = PageFlavor::Modern; },
        [](MenuDocument& d) { d.modernLabel = "Links"; },
        [](MenuDocument& d) { d.modernLanguage = "de"; },
    };
    for (Change change : changes) {
        MenuDocument changed = current;
        change(changed);
        EXPECT_TRUE(state.HasUnsavedChanges(changed));
    }
    MenuDocument selected = current;
    selected.entries.NoteSelection(1);
    EXPECT_FALSE(state.HasUnsavedChanges(selected)) << "selecting a row changes nothing worth saving";

    current.style.fontColor = "red";
    current.style.fontColor = "darkblue";
    EXPECT_FALSE(state.HasUnsavedChanges(current));
}

TEST(MenuFileStateTest, ClosingAsksOnlyWithSomethingToLoseAndFollowsTheAnswer) {
    struct Case {
        const char* name;
        bool changed;
        CloseAnswer answer;
        bool saveWorks;
        bool asked, saved, closes;
    };
    const Case cases[] = {
        {"nothing to lose", false, CloseAnswer::Cancel, true, false, false, true},
        {"save", true, CloseAnswer::Save, true, true, true, true},
        {"save fails or is cancelled", true, CloseAnswer::Save, false, true, true, false},
        {"don't save", true, CloseAnswer::DontSave, true, true, false, true},
        {"cancel", true, CloseAnswer::Cancel, true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuFileState state{TwoEntries()};
        MenuDocument current = TwoEntries();
        if (c.changed) current.entries.AddItem("C", "http://c/", "c");
        bool asked = false, saved = false;
        bool closes = state.MayClose(
            current,
            [&] {
                asked = true;
                return c.answer;
            },
            [&] {
                saved = true;
                return c.saveWorks;
            });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(closes, c.closes);
    }
}

}  // namespace
}  // namespace menulark
