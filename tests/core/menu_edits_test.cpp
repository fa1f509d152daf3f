#include "menu/menu_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace menulark {
namespace {

const std::string kSelectMenu = "Please make sure that Menu is selected.";
const std::string kFillAll = "Please make sure that all text boxes are filled out.";

MenuItemList ListOf(std::initializer_list<const char*> titles) {
    MenuItemList list;
    for (const char* title : titles)
        EXPECT_TRUE(list.AddItem(title, std::string("http://") + title, "about"));
    return list;
}

std::vector<std::string> Titles(const MenuItemList& list) {
    std::vector<std::string> titles;
    for (const MenuItem& item : list) titles.push_back(item.title);
    return titles;
}

struct ReplaceCase {
    const char* name;
    int select;   // -1: no row selected
    int deletes;  // Delete presses before the edit
    std::string title, url, explanation;
    EditOutcome outcome;
    int row;
    std::string message;
    std::vector<MenuItem> after;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, ReplacesTheRememberedRowOrSaysWhyNot) {
    const ReplaceCase& c = GetParam();
    MenuItemList list = ListOf({"A", "B", "C"});
    list.NoteSelection(c.select);
    for (int i = 0; i < c.deletes; ++i) list.DeleteSelected();
    const int remembered = list.SelectedRow();

    EditResult opened = RowToEdit(list);
    EXPECT_EQ(opened.outcome,
              c.outcome == EditOutcome::NoSelection ? EditOutcome::NoSelection : EditOutcome::Done);
    EXPECT_EQ(opened.row, c.outcome == EditOutcome::NoSelection ? -1 : c.row);

    EditResult result = ReplaceSelected(list, c.title, c.url, c.explanation);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.row, c.row);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.label, std::nullopt) << "the row keeps its place, so the label keeps its text";
    EXPECT_EQ(list.Items(), c.after);
    EXPECT_EQ(list.SelectedRow(), remembered);
}

const MenuItem kA{"A", "http://A", "about"}, kB{"B", "http://B", "about"}, kC{"C", "http://C", "about"};

INSTANTIATE_TEST_SUITE_P(
    Edit, ReplaceTest,
    ::testing::Values(
        ReplaceCase{"Replaced",
                    1,
                    0,
                    "B2",
                    "http://b2/",
                    "new",
                    EditOutcome::Done,
                    1,
                    "",
                    {kA, {"B2", "http://b2/", "new"}, kC}},
        ReplaceCase{"KeptAsTyped",
                    0,
                    0,
                    " <b>\"x\"</b> ",
                    " ",
                    "\t",
                    EditOutcome::Done,
                    0,
                    "",
                    {{" <b>\"x\"</b> ", " ", "\t"}, kB, kC}},
        ReplaceCase{"EmptyUrl", 2, 0, "C2", "", "x", EditOutcome::EmptyField, 2, kFillAll, {kA, kB, kC}},
        ReplaceCase{
            "EmptyTitle", 0, 0, "", "http://x/", "x", EditOutcome::EmptyField, 0, kFillAll, {kA, kB, kC}},
        ReplaceCase{"NoRowSelected",
                    -1,
                    0,
                    "X",
                    "http://x/",
                    "x",
                    EditOutcome::NoSelection,
                    -1,
                    kSelectMenu,
                    {kA, kB, kC}},
        ReplaceCase{"RememberedRowDeleted",
                    2,
                    1,
                    "X",
                    "http://x/",
                    "x",
                    EditOutcome::NoSelection,
                    -1,
                    kSelectMenu,
                    {kA, kB}}),
    [](const ::testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

// Rows A, B, C, D with B selected: B goes up to the top, stays there, then
// down to the bottom and stays there; the remembered row and its label follow.
TEST(MoveTest, TheRememberedRowAndItsLabelFollowTheMovedEntry) {
    MenuItemList list = ListOf({"A", "B", "C", "D"});
    list.NoteSelection(1);
    struct Step {
        MoveDirection direction;
        EditOutcome outcome;
        int row;
        std::optional<std::string> label;
        std::vector<std::string> titles;
    };
    const Step steps[] = {
        {MoveDirection::Up, EditOutcome::Done, 0, "Selected item: 1", {"B", "A", "C", "D"}},
        {MoveDirection::Up, EditOutcome::AtEdge, 0, std::nullopt, {"B", "A", "C", "D"}},
        {MoveDirection::Down, EditOutcome::Done, 1, "Selected item: 2", {"A", "B", "C", "D"}},
        {MoveDirection::Down, EditOutcome::Done, 2, "Selected item: 3", {"A", "C", "B", "D"}},
        {MoveDirection::Down, EditOutcome::Done, 3, "Selected item: 4", {"A", "C", "D", "B"}},
        {MoveDirection::Down, EditOutcome::AtEdge, 3, std::nullopt, {"A", "C", "D", "B"}},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("move #" + std::to_string(++n));
        EditResult result = MoveSelected(list, step.direction);
        EXPECT_EQ(result.outcome, step.outcome);
        EXPECT_EQ(result.row, step.row);
        EXPECT_EQ(result.label, step.label);
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(Titles(list), step.titles);
        EXPECT_EQ(list.SelectedRow(), step.row);
    }
    // Delete still removes the remembered row: the moved entry.
    EXPECT_EQ(list.DeleteSelected().row, 3);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", "C", "D"}));
}

TEST(MoveTest, WithoutARememberedRowNothingMovesAndTheUserIsTold) {
    for (int deletes : {0, 1}) {
        MenuItemList list = ListOf({"A", "B"});
        if (deletes) {  // the remembered row is past the end after the Delete
            list.NoteSelection(1);
            list.DeleteSelected();
        }
        const std::vector<std::string> before = Titles(list);
        for (MoveDirection direction : {MoveDirection::Up, MoveDirection::Down}) {
            EditResult result = MoveSelected(list, direction);
            EXPECT_EQ(result.outcome, EditOutcome::NoSelection);
            EXPECT_EQ(result.message, kSelectMenu);
            EXPECT_EQ(result.label, std::nullopt);
            EXPECT_EQ(Titles(list), before);
        }
    }
}

// The structure commands in one walk: each step acts on the remembered row
// and leaves the rows (title and depth, "-" a separator) and remembered row shown.
TEST(StructureTest, IndentOutdentInsertAndDeleteKeepAValidTree) {
    MenuItemList list = ListOf({"A", "B", "C", "D"});
    MenuItem heading;
    heading.kind = EntryKind::Heading;
    heading.title = "H";
    MenuItem separator;
    separator.kind = EntryKind::Separator;
    MenuItem untitled = heading;
    untitled.title.clear();
    enum Op { Select, Indent, Outdent, InsertHeading, InsertSeparator, InsertUntitled, Delete, Up };
    struct Step {
        Op op;
        int select;  // for Select
        EditOutcome outcome;
        int row;
        std::string rows;
    };
    const Step steps[] = {
        {Indent, 0, EditOutcome::NoSelection, -1, "A0 B0 C0 D0"},
        {Select, 0, EditOutcome::Done, 0, "A0 B0 C0 D0"},
        {Indent, 0, EditOutcome::AtEdge, 0, "A0 B0 C0 D0"},  // no entry above
        {Select, 2, EditOutcome::Done, 2, "A0 B0 C0 D0"},
        {Indent, 0, EditOutcome::Done, 2, "A0 B0 C1 D0"},
        {Indent, 0, EditOutcome::AtEdge, 2, "A0 B0 C1 D0"},  // first of its submenu
        {Select, 3, EditOutcome::Done, 3, "A0 B0 C1 D0"},
        {Indent, 0, EditOutcome::Done, 3, "A0 B0 C1 D1"},
        {Indent, 0, EditOutcome::Done, 3, "A0 B0 C1 D2"},
        {Select, 1, EditOutcome::Done, 1, "A0 B0 C1 D2"},
        {Indent, 0, EditOutcome::Done, 1, "A0 B1 C2 D3"},  // with its whole submenu
        {InsertSeparator, 0, EditOutcome::Done, 4, "A0 B1 C2 D3 -1"},
        {InsertUntitled, 0, EditOutcome::EmptyField, 4, "A0 B1 C2 D3 -1"},
        {Select, 2, EditOutcome::Done, 2, "A0 B1 C2 D3 -1"},
        {Outdent, 0, EditOutcome::Done, 2, "A0 B1 C1 D2 -1"},           // out, just after B's submenu
        {InsertHeading, 0, EditOutcome::Done, 4, "A0 B1 C1 D2 H1 -1"},  // after C's submenu
        {Indent, 0, EditOutcome::Done, 4, "A0 B1 C1 D2 H2 -1"},
        {Select, 1, EditOutcome::Done, 1, "A0 B1 C1 D2 H2 -1"},
        {Outdent, 0, EditOutcome::Done, 5, "A0 C1 D2 H2 -1 B0"},  // just after A's submenu
        {Select, 1, EditOutcome::Done, 1, "A0 C1 D2 H2 -1 B0"},
        {Delete, 0, EditOutcome::Done, 1, "A0 D1 H1 -1 B0"},  // its submenu stays, one level up
        {Select, 3, EditOutcome::Done, 3, "A0 D1 H1 -1 B0"},
        {Outdent, 0, EditOutcome::Done, 3, "A0 D1 H1 -0 B0"},
        {Up, 0, EditOutcome::Done, 2, "A0 D1 -0 H0 B0"},  // nothing goes below a separator
        {Select, 0, EditOutcome::Done, 0, "A0 D1 -0 H0 B0"},
        {Outdent, 0, EditOutcome::AtEdge, 0, "A0 D1 -0 H0 B0"},  // already at the top
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("step #" + std::to_string(++n));
        EditResult result{EditOutcome::Done, step.select, {}, std::nullopt};
        switch (step.op) {
            case Select:
                list.NoteSelection(step.select);
                break;
            case Indent:
                result = IndentSelected(list);
                break;
            case Outdent:
                result = OutdentSelected(list);
                break;
            case InsertHeading:
                result = InsertEntry(list, heading);
                break;
            case InsertSeparator:
                result = InsertEntry(list, separator);
                break;
            case InsertUntitled:
                result = InsertEntry(list, untitled);
                break;
            case Delete:
                result.row = list.DeleteSelected().row;
                break;
            case Up:
                result = MoveSelected(list, MoveDirection::Up);
                break;
        }
        EXPECT_EQ(result.outcome, step.outcome);
        EXPECT_EQ(result.row, step.row);
        if (step.outcome == EditOutcome::Done && step.op != Delete) {
            EXPECT_EQ(list.SelectedRow(), step.row);
        }
        std::string rows;
        for (const MenuItem& item : list)
            rows += (rows.empty() ? "" : " ") + (item.kind == EntryKind::Separator ? "-" : item.title) +
                    std::to_string(item.depth);
        EXPECT_EQ(rows, step.rows);
    }
}

}  // namespace
}  // namespace menulark
