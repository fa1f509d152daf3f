#include "page/page_templates.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "resources/string_table.h"
#include "tests/core/expected_pages.h"

namespace menulark {
namespace {

size_t Count(std::string_view text, std::string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

struct TemplateCase {
    int id;
    size_t length;
    size_t textSlots;    // "%s"
    size_t numberSlots;  // "%i"
    std::string_view expectedText;
};

const TemplateCase kTemplates[] = {
    {IDS_SIMPLE_HEAD, 667, 0, 1, expected::kSimpleHead},
    {IDS_SIMPLE_ENTRY, 218, 3, 0, expected::kSimpleEntry},
    {IDS_SIMPLE_TAIL, 54, 0, 0, expected::kSimpleTail},
    {IDS_STYLED_HEAD, 619, 0, 0, expected::kStyledHead},
    {IDS_STYLED_FRAME, 249, 14, 0, expected::kStyledFrame},
    {IDS_STYLED_FRAME_PLAIN, 145, 10, 0, expected::kStyledFramePlain},
    {IDS_STYLED_ENTRY, 192, 8, 1, expected::kStyledEntry},
    {IDS_STYLED_CLOSE, 14, 0, 0, expected::kStyledClose},
    {IDS_STYLED_TAIL, 40, 0, 0, expected::kStyledTail},
    {IDS_SWATCH_PAGE, 106, 1, 0, expected::kSwatchPage},
};

void PrintTo(const TemplateCase& c, std::ostream* os) {
    *os << "template " << c.id;
}

class TemplateTest : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(TemplateTest, HasItsLengthAndTextByteForByte) {
    const TemplateCase& c = GetParam();
    std::string_view text = PageTemplates::Text(c.id);
    EXPECT_EQ(text.size(), c.length);
    EXPECT_EQ(text, c.expectedText);
}

TEST_P(TemplateTest, HasItsPlaceholdersAndNoOtherPercentSign) {
    const TemplateCase& c = GetParam();
    std::string_view text = PageTemplates::Text(c.id);
    EXPECT_EQ(Count(text, "%s"), c.textSlots);
    EXPECT_EQ(Count(text, "%i"), c.numberSlots);
    EXPECT_EQ(Count(text, "%"), c.textSlots + c.numberSlots);

    const ParsedTemplate& parsed = PageTemplates::Parsed(c.id);
    EXPECT_EQ(parsed.PlaceholderCount(), c.textSlots + c.numberSlots);
    EXPECT_EQ(parsed.LiteralLength(), c.length - 2 * parsed.PlaceholderCount());
}

TEST_P(TemplateTest, IsSevenBitAsciiWithoutCarriageReturns) {
    for (char ch : PageTemplates::Text(GetParam().id)) {
        EXPECT_LT(static_cast<unsigned char>(ch), 0x80);
        EXPECT_NE(ch, '\r');
    }
}

INSTANTIATE_TEST_SUITE_P(All, TemplateTest, ::testing::ValuesIn(kTemplates),
                         [](const ::testing::TestParamInfo<TemplateCase>& info) {
                             return "Template" + std::to_string(info.param.id);
                         });

TEST(StringTableTest, MessagesAreExact) {
    struct Case {
        int id;
        std::string_view text;
    };
    for (const Case& c : {Case{IDS_ABOUTBOX, "&About Menulark..."},
                          Case{IDS_FILL_ALL_BOXES, "Please make sure that all text boxes are filled out."},
                          Case{IDS_ADD_ITEMS_FIRST, "Please add the items first."},
                          Case{IDS_SELECT_MENU, "Please make sure that Menu is selected."}}) {
        EXPECT_EQ(StringTableText(c.id), c.text) << "string " << c.id;
    }
}

TEST(StringTableTest, UnknownIdsHaveNoText) {
    for (int id : {0, 100, 103, 104, 110, 114, 116, 117, 119, 122, -1}) {
        EXPECT_TRUE(StringTableText(id).empty()) << id;
    }
}

TEST(StringTableTest, ListedIdsAscendAndAllHaveTexts) {
    int count = 0;
    const int* ids = StringTableIds(&count);
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) EXPECT_FALSE(StringTableText(ids[i]).empty()) << ids[i];
    for (int i = 1; i < count; ++i) EXPECT_LT(ids[i - 1], ids[i]);
}

TEST(PageTemplatesTest, FormatFillsLeftToRightWithTheSimpleEntryOrder) {
    // IDS_SIMPLE_ENTRY takes the explanation, then the URL, then the visible title.
    std::string entry = PageTemplates::Format(IDS_SIMPLE_ENTRY, {"Tip", "http://x/", "Shown"});
    EXPECT_EQ(entry, expected::Fill(expected::kSimpleEntry, {"Tip", "http://x/", "Shown"}));
    EXPECT_EQ(entry.find("<div title=\"Tip\" name=\"http://x/\""), 0u);
    EXPECT_NE(entry.find(">Shown</div>"), std::string::npos);
}

TEST(PageTemplatesTest, NumbersAreWrittenInPlainDecimal) {
    struct Case {
        int number;
        const char* digits;
    };
    for (const Case& c : {Case{0, "0"}, Case{19, "19"}, Case{76, "76"}, Case{-5, "-5"},
                          Case{2147483647, "2147483647"}, Case{-2147483647 - 1, "-2147483648"}}) {
        std::string head = PageTemplates::Format(IDS_SIMPLE_HEAD, {c.number});
        EXPECT_EQ(head, expected::Fill(expected::kSimpleHead, {c.digits}));
    }
}

TEST(PageTemplatesTest, PercentSequencesInValuesStayLiteral) {
    for (const char* value : {"%s", "%n", "%i", "%%", "100%", "%s%n%x%d"}) {
        std::string entry = PageTemplates::Format(IDS_SIMPLE_ENTRY, {value, value, value});
        EXPECT_EQ(entry, expected::Fill(expected::kSimpleEntry, {value, value, value})) << value;
        EXPECT_EQ(PageTemplates::Format(IDS_SWATCH_PAGE, {value}),
                  expected::Fill(expected::kSwatchPage, {value}))
            << value;
    }
}

TEST(PageTemplatesTest, EmptyValuesLeaveNothingAtTheirPlace) {
    std::string frame =
        PageTemplates::Format(IDS_STYLED_FRAME_PLAIN, {"", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(
        frame,
        "\n<div style=\"overflow-x:hidden;overflow-y:visible;width:;height:;cursor:hand;background-color:;"
        "color:;font: px ;border:  ;\">\n");
}

TEST(PageTemplatesTest, PlainValuesAreNotEscapedButAttributeValuesAreQuoteEscaped) {
    const std::string value = "a\"b'c<d>&e\"";
    EXPECT_EQ(PageTemplates::Format(IDS_SWATCH_PAGE, {value}),
              expected::Fill(expected::kSwatchPage, {value}));
    EXPECT_EQ(PageTemplates::Format(IDS_SWATCH_PAGE, {TemplateArg::Attribute(value)}),
              expected::Fill(expected::kSwatchPage, {"a&quot;b'c<d>&e&quot;"}));
}

TEST(PageTemplatesTest, AttributeLengthCountsEachQuoteAsItsEscape) {
    struct Case {
        std::string_view text;
        size_t length;
    };
    for (const Case& c : {Case{"", 0}, Case{"plain", 5}, Case{"\"", 6}, Case{"a\"b\"", 14},
                          Case{"\"\"\"", 18}, Case{"'<&>'", 5}}) {
        EXPECT_EQ(TemplateArg::AttributeLength(c.text), c.length) << c.text;
        std::string appended;
        TemplateArg::Attribute(c.text).AppendTo(appended);
        EXPECT_EQ(appended.size(), c.length) << c.text;
    }
}

TEST(PageTemplatesTest, ValuesThatDoNotFitThePlaceholdersAreRefused) {
    EXPECT_THROW(PageTemplates::Format(IDS_SIMPLE_ENTRY, {"a", "b"}), std::invalid_argument);
    EXPECT_THROW(PageTemplates::Format(IDS_SIMPLE_ENTRY, {"a", "b", "c", "d"}), std::invalid_argument);
    EXPECT_THROW(PageTemplates::Format(IDS_SIMPLE_HEAD, {"19"}), std::invalid_argument);
    EXPECT_THROW(PageTemplates::Format(IDS_SWATCH_PAGE, {7}), std::invalid_argument);
    EXPECT_THROW(PageTemplates::Format(IDS_SIMPLE_TAIL, {"x"}), std::invalid_argument);
    EXPECT_NO_THROW(PageTemplates::Format(IDS_SIMPLE_TAIL, {}));
}

TEST(PageTemplatesTest, UnknownTemplateIsAnError) {
    EXPECT_THROW(PageTemplates::Parsed(110), std::out_of_range);
    EXPECT_TRUE(PageTemplates::Text(110).empty());
}

TEST(ParsedTemplateTest, SplitsAtPlaceholdersOnly) {
    struct Case {
        std::string_view text;
        std::vector<ParsedTemplate::Slot> slots;
        size_t literalLength;
    };
    using Slot = ParsedTemplate::Slot;
    const Case cases[] = {
        {"", {}, 0},
        {"plain", {}, 5},
        {"%s", {Slot::Text}, 0},
        {"a%ib%sc", {Slot::Number, Slot::Text}, 3},
        {"trailing %", {}, 10},
        {"%d stays", {}, 8},
    };
    for (const Case& c : cases) {
        ParsedTemplate parsed(c.text);
        ASSERT_EQ(parsed.PlaceholderCount(), c.slots.size()) << c.text;
        for (size_t i = 0; i < c.slots.size(); ++i) EXPECT_EQ(parsed.SlotKind(i), c.slots[i]) << c.text;
        EXPECT_EQ(parsed.LiteralLength(), c.literalLength) << c.text;
    }
}

}  // namespace
}  // namespace menulark
