#include "page/page_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/core/expected_pages.h"

namespace menulark {
namespace {

using expected::Fill;

MenuItemList ListOf(const std::vector<MenuItem>& items) {
    MenuItemList list;
    for (const MenuItem& item : items) EXPECT_TRUE(list.AddItem(item.title, item.url, item.explanation));
    return list;
}

std::vector<MenuItem> NumberedItems(int count) {
    std::vector<MenuItem> items;
    for (int i = 1; i <= count; ++i) {
        std::string n = std::to_string(i);
        items.push_back({"Item " + n, "http://example.org/" + n, "Explains " + n});
    }
    return items;
}

// The simple page assembled from the template texts: head with the height,
// the entries with (explanation, URL, title), the fixed end.
std::string ExpectedSimplePage(const std::vector<MenuItem>& items, const std::string& height) {
    std::string page = Fill(expected::kSimpleHead, {height});
    for (const MenuItem& item : items)
        page += Fill(expected::kSimpleEntry, {item.explanation, item.url, item.title});
    page += expected::kSimpleTail;
    return page;
}

std::string ExpectedStyledPage(const std::vector<MenuItem>& items, const StyleSettings& s) {
    std::string page(expected::kStyledHead);
    if (s.scrollbarColors) {
        page += Fill(expected::kStyledFrame,
                     {s.width, s.height, s.backgroundColor, s.fontColor, s.fontWeight, s.fontSize,
                      s.fontFamily, s.borderSize, s.borderStyle, s.borderColor, s.scrollbarArrowColor,
                      s.scrollbarHighlightColor, s.scrollbar3dlightColor, s.scrollbarShadowColor});
    } else {
        page += Fill(expected::kStyledFramePlain,
                     {s.width, s.height, s.backgroundColor, s.fontColor, s.fontWeight, s.fontSize,
                      s.fontFamily, s.borderSize, s.borderStyle, s.borderColor});
    }
    for (const MenuItem& item : items) {
        page += Fill(expected::kStyledEntry,
                     {item.explanation, item.url, "2", s.itemHighlightColor, s.backgroundColor, s.borderSize,
                      s.borderStyle, s.borderColor, item.title});
    }
    page += expected::kStyledClose;
    page += expected::kStyledTail;
    return page;
}

// Every text value different, so that a swapped placeholder shows.
StyleSettings DistinctStyle() {
    StyleSettings s;
    int n = 0;
    for (const StyleField& field : StyleFields())
        s.*field.member = "v" + std::to_string(++n) + std::string(field.name);
    return s;
}

size_t LineFeeds(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

struct HeightCase {
    int rows;
    const char* height;
};

void PrintTo(const HeightCase& c, std::ostream* os) {
    *os << c.rows << " rows";
}

class SimplePageByRowsTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(SimplePageByRowsTest, MatchesTheTemplatesWithTheCappedPopupHeight) {
    std::vector<MenuItem> items = NumberedItems(GetParam().rows);
    std::string page = BuildPage(ListOf(items), PageMode::Simple, StyleSettings{});
    EXPECT_EQ(page, ExpectedSimplePage(items, GetParam().height));
    EXPECT_NE(page.find(std::string("popm.show(topposi, leftposi, 210, ") + GetParam().height + ", oSc);"),
              std::string::npos);
    EXPECT_EQ(std::to_string(PopupHeight(static_cast<size_t>(GetParam().rows))), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Heights, SimplePageByRowsTest,
                         ::testing::Values(HeightCase{1, "19"}, HeightCase{2, "38"}, HeightCase{3, "57"},
                                           HeightCase{4, "76"}, HeightCase{5, "76"}, HeightCase{10, "76"}),
                         [](const ::testing::TestParamInfo<HeightCase>& info) {
                             return std::to_string(info.param.rows) + "Rows";
                         });

TEST(PopupHeightTest, StaysAtTheCapForHugeLists) {
    EXPECT_EQ(PopupHeight(0), 0);
    EXPECT_EQ(PopupHeight(1000000), 76);
    EXPECT_EQ(PopupHeight(static_cast<size_t>(-1)), 76);
}

TEST(SimplePageTest, EntriesShareOneLineAndThePageEndsWithHtml) {
    std::string one = BuildPage(ListOf(NumberedItems(1)), PageMode::Simple, StyleSettings{});
    std::string seven = BuildPage(ListOf(NumberedItems(7)), PageMode::Simple, StyleSettings{});
    EXPECT_EQ(LineFeeds(one), LineFeeds(seven));
    for (const std::string* page : {&one, &seven}) {
        ASSERT_GE(page->size(), 7u);
        EXPECT_EQ(page->substr(page->size() - 7), "</HTML>");
    }
}

TEST(SimplePageTest, IgnoresEveryStyleValue) {
    MenuItemList items = ListOf(NumberedItems(3));
    StyleSettings changed = DistinctStyle();
    changed.styledMode = true;
    changed.scrollbarColors = false;
    EXPECT_EQ(BuildPage(items, PageMode::Simple, changed),
              BuildPage(items, PageMode::Simple, StyleSettings{}));
}

TEST(SimplePageTest, KeepsListOrderAndLeavesDeletedRowsOut) {
    MenuItemList list = ListOf(NumberedItems(4));
    list.NoteSelection(1);
    ASSERT_EQ(list.DeleteSelected().outcome, DeleteOutcome::Removed);

    std::vector<MenuItem> remaining = NumberedItems(4);
    remaining.erase(remaining.begin() + 1);
    std::string page = BuildPage(list, PageMode::Simple, StyleSettings{});
    EXPECT_EQ(page, ExpectedSimplePage(remaining, "57"));
    EXPECT_EQ(page.find("Item 2"), std::string::npos);
    EXPECT_LT(page.find(">Item 1<"), page.find(">Item 3<"));
    EXPECT_LT(page.find(">Item 3<"), page.find(">Item 4<"));
}

struct StyledCase {
    const char* name;
    StyleSettings style;
    int rows;
};

StyleSettings With(StyleSettings s, void (*change)(StyleSettings&)) {
    change(s);
    return s;
}

void PrintTo(const StyledCase& c, std::ostream* os) {
    *os << c.name;
}

class StyledPageByStyleTest : public ::testing::TestWithParam<StyledCase> {};

TEST_P(StyledPageByStyleTest, MatchesTheTemplates) {
    std::vector<MenuItem> items = NumberedItems(GetParam().rows);
    EXPECT_EQ(BuildPage(ListOf(items), PageMode::Styled, GetParam().style),
              ExpectedStyledPage(items, GetParam().style));
}

INSTANTIATE_TEST_SUITE_P(
    Looks, StyledPageByStyleTest,
    ::testing::Values(
        StyledCase{"Defaults", StyleSettings{}, 1}, StyledCase{"DefaultsThreeRows", StyleSettings{}, 3},
        StyledCase{"DistinctValues", DistinctStyle(), 2},
        StyledCase{"DistinctValuesWithoutScrollbarColours",
                   With(DistinctStyle(), [](StyleSettings& s) { s.scrollbarColors = false; }), 2},
        StyledCase{"EmptyFontSize", With(StyleSettings{}, [](StyleSettings& s) { s.fontSize.clear(); }), 1},
        StyledCase{"AllEmpty",
                   With(StyleSettings{},
                        [](StyleSettings& s) {
                            for (const StyleField& f : StyleFields()) (s.*f.member).clear();
                        }),
                   2},
        StyledCase{"ManyRowsNoCap", StyleSettings{}, 12}),
    [](const ::testing::TestParamInfo<StyledCase>& info) { return info.param.name; });

TEST(StyledPageTest, EmptyFontSizeLeavesOnlyPx) {
    StyleSettings s;
    s.fontSize.clear();
    std::string page = BuildPage(ListOf(NumberedItems(1)), PageMode::Styled, s);
    EXPECT_NE(page.find(";font:600 px MS Sans Serif;"), std::string::npos);
}

std::string StyleSettings::*const kScrollbarColours[] = {
    &StyleSettings::scrollbarArrowColor, &StyleSettings::scrollbarHighlightColor,
    &StyleSettings::scrollbar3dlightColor, &StyleSettings::scrollbarShadowColor};

TEST(StyledPageTest, ScrollbarSwitchChoosesTheFrame) {
    StyleSettings s = DistinctStyle();
    MenuItemList items = ListOf(NumberedItems(2));

    std::string with = BuildPage(items, PageMode::Styled, s);
    EXPECT_NE(with.find("overflow-y:auto;"), std::string::npos);
    for (std::string StyleSettings::*colour : kScrollbarColours)
        EXPECT_NE(with.find(s.*colour), std::string::npos) << s.*colour;

    s.scrollbarColors = false;
    std::string without = BuildPage(items, PageMode::Styled, s);
    EXPECT_NE(without.find("overflow-y:visible;"), std::string::npos);
    EXPECT_EQ(without.find("scrollbar-"), std::string::npos);
    for (std::string StyleSettings::*colour : kScrollbarColours)
        EXPECT_EQ(without.find(s.*colour), std::string::npos) << s.*colour;
}

TEST(StyledPageTest, OneLinePerEntryAndCaseNumberTwo) {
    std::string two = BuildPage(ListOf(NumberedItems(2)), PageMode::Styled, StyleSettings{});
    std::string five = BuildPage(ListOf(NumberedItems(5)), PageMode::Styled, StyleSettings{});
    EXPECT_EQ(LineFeeds(five) - LineFeeds(two), 3u);
    EXPECT_EQ(expected::kStyledHead.find("popshow(2, this.name)"), std::string_view::npos);
    size_t calls = 0;
    for (size_t at = five.find("onclick=\"popshow(2, this.name);\""); at != std::string::npos;
         at = five.find("onclick=\"popshow(2, this.name);\"", at + 1))
        ++calls;
    EXPECT_EQ(calls, 5u);
    EXPECT_EQ(five.substr(five.size() - 7), "</HTML>");
}

// A double quote in a value that lands in a double-quoted attribute is written
// as &quot;. The title is element content and stays as typed, markup and all.
TEST(QuoteEscapingTest, ItemFieldsInBothLooks) {
    const MenuItem raw{"<b>\"Big\"</b> & 'small'", "http://x/?q=\"a\"&r='b'", "Say \"hi\" <now> & 'then'"};
    const MenuItem escaped{raw.title, "http://x/?q=&quot;a&quot;&r='b'", "Say &quot;hi&quot; <now> & 'then'"};
    MenuItemList list = ListOf({raw});

    EXPECT_EQ(BuildPage(list, PageMode::Simple, StyleSettings{}), ExpectedSimplePage({escaped}, "19"));
    EXPECT_EQ(BuildPage(list, PageMode::Styled, StyleSettings{}),
              ExpectedStyledPage({escaped}, StyleSettings{}));
}

TEST(QuoteEscapingTest, EveryStyleValue) {
    for (bool scrollbarColors : {true, false}) {
        for (const StyleField& field : StyleFields()) {
            SCOPED_TRACE(std::string(field.name) + (scrollbarColors ? " with" : " without") +
                         " scroll-bar colours");
            StyleSettings raw;
            raw.scrollbarColors = scrollbarColors;
            raw.*field.member = "x\"y' <z> & \"";
            StyleSettings escaped = raw;
            escaped.*field.member = "x&quot;y' <z> & &quot;";

            std::vector<MenuItem> items = NumberedItems(1);
            std::string page = BuildPage(ListOf(items), PageMode::Styled, raw);
            EXPECT_EQ(page, ExpectedStyledPage(items, escaped));
            EXPECT_EQ(page.find("x\"y"), std::string::npos);
        }
    }
}

TEST(QuoteEscapingTest, NothingButDoubleQuotesChanges) {
    const std::string value = "it's <a href=x>&amp;</a> %s %n \\ \t";
    const std::vector<MenuItem> items{{value, value, value}};
    StyleSettings s;
    for (const StyleField& field : StyleFields()) s.*field.member = value;
    MenuItemList list = ListOf(items);
    EXPECT_EQ(BuildPage(list, PageMode::Simple, s), ExpectedSimplePage(items, "19"));
    EXPECT_EQ(BuildPage(list, PageMode::Styled, s), ExpectedStyledPage(items, s));
}

TEST(SwatchPageTest, PutsTheColourIntoTheBackground) {
    EXPECT_EQ(BuildSwatchPage("navy"), Fill(expected::kSwatchPage, {"navy"}));
    EXPECT_EQ(BuildSwatchPage(""), Fill(expected::kSwatchPage, {""}));
    EXPECT_EQ(BuildSwatchPage("a\"b"), Fill(expected::kSwatchPage, {"a&quot;b"}));
}

}  // namespace
}  // namespace menulark
