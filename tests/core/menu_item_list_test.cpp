#include "menu/menu_item_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace menulark {
namespace {

std::vector<std::string> Titles(const MenuItemList& list) {
    std::vector<std::string> titles;
    for (int r = 0; r < list.RowCount(); ++r) titles.push_back(list.Row(r).title);
    return titles;
}

MenuItemList ListOf(std::initializer_list<const char*> titles) {
    MenuItemList list;
    for (const char* title : titles)
        EXPECT_TRUE(list.AddItem(title, std::string("http://") + title, "about"));
    return list;
}

struct AddCase {
    const char* name;
    std::string title, url, explanation;
    bool accepted;
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.name;
}

class AddItemTest : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddItemTest, AcceptsOnlyNonEmptyFieldsAndStoresThemAsTyped) {
    const AddCase& c = GetParam();
    MenuItemList list = ListOf({"first"});
    list.NoteSelection(0);

    EXPECT_EQ(list.AddItem(c.title, c.url, c.explanation), c.accepted);

    if (c.accepted) {
        ASSERT_EQ(list.RowCount(), 2);
        EXPECT_EQ(list.Row(1), (MenuItem{c.title, c.url, c.explanation}));
    } else {
        ASSERT_EQ(list.RowCount(), 1);
        EXPECT_EQ(list.Row(0).title, "first");
    }
    EXPECT_EQ(list.SelectedRow(), 0) << "adding never moves the remembered row";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AddItemTest,
    ::testing::Values(AddCase{"Ordinary", "Home", "http://example.org/", "Go home", true},
                      AddCase{"UrlLeftAtItsInitialText", "Home", "http://", "Go home", true},
                      AddCase{"BlankTitle", " ", "http://a/", "x", true},
                      AddCase{"BlankUrlAndExplanation", "t", " ", "\t", true},
                      AddCase{"KeptUntrimmed", "  Home  ", " http://a/ ", " tip ", true},
                      AddCase{"MarkupAndQuotesKept", "<b>\"A\" & 'B'</b>", "x?a=1&b=2", "say \"hi\"", true},
                      AddCase{"EmptyTitle", "", "http://a/", "x", false},
                      AddCase{"EmptyUrl", "t", "", "x", false},
                      AddCase{"EmptyExplanation", "t", "http://a/", "", false},
                      AddCase{"AllEmpty", "", "", "", false}),
    [](const ::testing::TestParamInfo<AddCase>& info) { return info.param.name; });

TEST(MenuItemListTest, StartsEmptyWithNoRememberedRow) {
    MenuItemList list;
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_EQ(list.DeleteSelected().outcome, DeleteOutcome::NoSelection);
}

TEST(MenuItemListTest, AddingTheSameTextsTwiceGivesTwoIdenticalRowsInOrder) {
    MenuItemList list;
    ASSERT_TRUE(list.AddItem("A", "http://a/", "a"));
    ASSERT_TRUE(list.AddItem("B", "http://b/", "b"));
    ASSERT_TRUE(list.AddItem("B", "http://b/", "b"));
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", "B", "B"}));
    EXPECT_EQ(list.Row(1), list.Row(2));
}

TEST(MenuItemListTest, NoteSelectionGivesTheOneBasedLabel) {
    struct Case {
        int row;
        const char* label;
    };
    for (const Case& c : {Case{0, "Selected item: 1"}, Case{1, "Selected item: 2"},
                          Case{9, "Selected item: 10"}, Case{122, "Selected item: 123"}}) {
        MenuItemList list;
        std::optional<std::string> label = list.NoteSelection(c.row);
        ASSERT_TRUE(label.has_value()) << c.row;
        EXPECT_EQ(*label, c.label);
        EXPECT_EQ(list.SelectedRow(), c.row);
        EXPECT_EQ(SelectionLabel(c.row), c.label);
    }
}

TEST(MenuItemListTest, ClearedSelectionKeepsTheRememberedRowAndLabel) {
    MenuItemList list = ListOf({"A", "B", "C"});
    ASSERT_TRUE(list.NoteSelection(2).has_value());

    EXPECT_EQ(list.NoteSelection(-1), std::nullopt) << "the label keeps its text";
    EXPECT_EQ(list.SelectedRow(), 2);

    DeleteResult result = list.DeleteSelected();
    EXPECT_EQ(result.outcome, DeleteOutcome::Removed);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", "B"}));
}

TEST(MenuItemListTest, NoteSelectionMinusOneOnAFreshListChangesNothing) {
    MenuItemList list = ListOf({"A"});
    EXPECT_EQ(list.NoteSelection(-1), std::nullopt);
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_EQ(list.DeleteSelected().outcome, DeleteOutcome::NoSelection);
    EXPECT_EQ(list.RowCount(), 1);
}

TEST(MenuItemListTest, DeleteBeforeAnySelectionReportsNoSelectionAndKeepsRows) {
    MenuItemList list = ListOf({"A", "B"});
    DeleteResult result = list.DeleteSelected();
    EXPECT_EQ(result.outcome, DeleteOutcome::NoSelection);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", "B"}));
}

// Rows A, B, C with B selected: Delete removes B, then C (which moved up into
// row 1), then finds nothing at row 1 and leaves the list alone. The
// remembered row and its label stay at 1 / "Selected item: 2" throughout.
TEST(MenuItemListTest, RepeatedDeleteFollowsTheRememberedRow) {
    MenuItemList list = ListOf({"A", "B", "C"});
    std::optional<std::string> label = list.NoteSelection(1);
    ASSERT_EQ(label, std::optional<std::string>("Selected item: 2"));

    struct Step {
        DeleteOutcome outcome;
        int row;
        std::vector<std::string> titlesAfter;
    };
    const Step steps[] = {
        {DeleteOutcome::Removed, 1, {"A", "C"}},
        {DeleteOutcome::Removed, 1, {"A"}},
        {DeleteOutcome::OutOfRange, -1, {"A"}},
        {DeleteOutcome::OutOfRange, -1, {"A"}},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("delete #" + std::to_string(++n));
        DeleteResult result = list.DeleteSelected();
        EXPECT_EQ(result.outcome, step.outcome);
        EXPECT_EQ(result.row, step.row);
        EXPECT_EQ(Titles(list), step.titlesAfter);
        EXPECT_EQ(list.SelectedRow(), 1);
        EXPECT_EQ(SelectionLabel(list.SelectedRow()), "Selected item: 2");
    }
}

TEST(MenuItemListTest, SeveralSelectedRowsRememberTheLowest) {
    // The window passes the lowest selected row; rows 0 and 2 selected give 0.
    MenuItemList list = ListOf({"A", "B", "C"});
    EXPECT_EQ(list.NoteSelection(0), std::optional<std::string>("Selected item: 1"));
    EXPECT_EQ(list.DeleteSelected().row, 0);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"B", "C"}));
}

TEST(MenuItemListTest, RowsAddedAfterOutOfRangeBecomeDeletableAgain) {
    MenuItemList list = ListOf({"A", "B"});
    list.NoteSelection(1);
    ASSERT_EQ(list.DeleteSelected().outcome, DeleteOutcome::Removed);
    ASSERT_EQ(list.DeleteSelected().outcome, DeleteOutcome::OutOfRange);

    ASSERT_TRUE(list.AddItem("D", "http://d/", "d"));
    DeleteResult result = list.DeleteSelected();
    EXPECT_EQ(result.outcome, DeleteOutcome::Removed);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"A"}));
}

}  // namespace
}  // namespace menulark
