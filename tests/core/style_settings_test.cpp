#include "menu/style_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "style/style_lists.h"

namespace menulark {
namespace {

struct FieldCase {
    std::string_view name;
    std::string StyleSettings::*member;
    const char* defaultValue;
};

const FieldCase kFields[] = {
    {"width", &StyleSettings::width, "200"},
    {"height", &StyleSettings::height, "75"},
    {"backgroundColor", &StyleSettings::backgroundColor, "lightsteelblue"},
    {"itemHighlightColor", &StyleSettings::itemHighlightColor, "red"},
    {"fontWeight", &StyleSettings::fontWeight, "600"},
    {"fontSize", &StyleSettings::fontSize, "14"},
    {"fontFamily", &StyleSettings::fontFamily, "MS Sans Serif"},
    {"fontColor", &StyleSettings::fontColor, "darkblue"},
    {"borderSize", &StyleSettings::borderSize, "1"},
    {"borderStyle", &StyleSettings::borderStyle, "groove"},
    {"borderColor", &StyleSettings::borderColor, "lightsteelblue"},
    {"scrollbarArrowColor", &StyleSettings::scrollbarArrowColor, "steelblue"},
    {"scrollbarHighlightColor", &StyleSettings::scrollbarHighlightColor, "lightsteelblue"},
    {"scrollbar3dlightColor", &StyleSettings::scrollbar3dlightColor, "lightslategray"},
    {"scrollbarShadowColor", &StyleSettings::scrollbarShadowColor, "darkblue"},
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class StyleFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(StyleFieldTest, HasItsDefault) {
    StyleSettings settings;
    EXPECT_EQ(settings.*GetParam().member, GetParam().defaultValue);
}

TEST_P(StyleFieldTest, IsFoundByItsName) {
    StyleSettings settings;
    std::string* field = FindStyleField(settings, GetParam().name);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field, &(settings.*GetParam().member));
}

TEST_P(StyleFieldTest, TakesPartInEquality) {
    StyleSettings changed;
    (changed.*GetParam().member) += "x";
    EXPECT_NE(changed, StyleSettings{});
}

INSTANTIATE_TEST_SUITE_P(All, StyleFieldTest, ::testing::ValuesIn(kFields),
                         [](const ::testing::TestParamInfo<FieldCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StyleSettingsTest, SwitchesDefaultToSimpleLookWithScrollbarColours) {
    StyleSettings settings;
    EXPECT_FALSE(settings.styledMode);
    EXPECT_TRUE(settings.scrollbarColors);
}

TEST(StyleSettingsTest, SwitchesTakePartInEquality) {
    StyleSettings styled;
    styled.styledMode = true;
    StyleSettings plain;
    plain.scrollbarColors = false;
    EXPECT_NE(styled, StyleSettings{});
    EXPECT_NE(plain, StyleSettings{});
    EXPECT_EQ(StyleSettings{}, StyleSettings{});
}

TEST(StyleSettingsTest, FieldListHasTheFifteenNamesInOrder) {
    const auto& fields = StyleFields();
    ASSERT_EQ(fields.size(), std::size(kFields));
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].name, kFields[i].name);
        EXPECT_EQ(fields[i].member, kFields[i].member) << kFields[i].name;
    }
}

TEST(StyleSettingsTest, UnknownNamesFindNothing) {
    StyleSettings settings;
    for (std::string_view name : {"", "Width", "WIDTH", "width ", " width", "color", "font", "styledMode",
                                  "scrollbarColors", "scrollbar3DlightColor", "widthx"})
        EXPECT_EQ(FindStyleField(settings, name), nullptr) << '"' << name << '"';
}

template <size_t N>
std::vector<std::string_view> AsVector(const std::array<std::string_view, N>& list) {
    return std::vector<std::string_view>(list.begin(), list.end());
}

template <size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

TEST(StyleListsTest, CountsOfTheSevenLists) {
    EXPECT_EQ(WidthChoices.size(), 6u);
    EXPECT_EQ(HeightChoices.size(), 22u);
    EXPECT_EQ(WeightChoices.size(), 13u);
    EXPECT_EQ(ColorList.size(), 140u);
    EXPECT_EQ(SizeList.size(), 20u);
    EXPECT_EQ(FontList.size(), 28u);
    EXPECT_EQ(BorderStyleList.size(), 10u);
}

TEST(StyleListsTest, ChoiceListsInTheirOrder) {
    EXPECT_EQ(AsVector(WidthChoices),
              (std::vector<std::string_view>{"100", "200", "300", "400", "500", "600"}));
    EXPECT_EQ(AsVector(HeightChoices),
              (std::vector<std::string_view>{"10",  "15",  "20",  "25",  "50",  "75",  "100", "125",
                                             "150", "200", "225", "250", "275", "300", "325", "350",
                                             "375", "400", "425", "450", "475", "500"}));
    EXPECT_EQ(AsVector(WeightChoices),
              (std::vector<std::string_view>{"normal", "bold", "bolder", "lighter", "100", "200", "300",
                                             "400", "500", "600", "700", "800", "900"}));
    EXPECT_FALSE(Contains(HeightChoices, "175"));
}

TEST(StyleListsTest, PickListsInTheirOrder) {
    for (size_t i = 0; i < SizeList.size(); ++i) EXPECT_EQ(SizeList[i], std::to_string(i + 1)) << i;

    EXPECT_EQ(AsVector(FontList), (std::vector<std::string_view>{"Arial",
                                                                 "Arial Black",
                                                                 "Comic Sans MS",
                                                                 "Courier",
                                                                 "Courier New",
                                                                 "Fixedsys",
                                                                 "Georgia",
                                                                 "Impact",
                                                                 "Lucida Console",
                                                                 "Lucida Sans Unicode",
                                                                 "Microsoft Sans Serif",
                                                                 "Modern",
                                                                 "MS Gothic",
                                                                 "MS Mincho",
                                                                 "MS PGothic",
                                                                 "MS PMincho",
                                                                 "MS Sans Serif",
                                                                 "MS Serif",
                                                                 "MS UI Gothic",
                                                                 "Palatino Linotype",
                                                                 "Roman",
                                                                 "Script",
                                                                 "Small Fonts",
                                                                 "System",
                                                                 "Tahoma",
                                                                 "Times New Roman",
                                                                 "Trebuchet MS",
                                                                 "Verdana"}));
    EXPECT_EQ(AsVector(BorderStyleList),
              (std::vector<std::string_view>{"none", "dotted", "dashed", "solid", "double", "groove", "ridge",
                                             "inset", "window-inset", "outset"}));
}

TEST(StyleListsTest, ColorListIsTheHundredAndFortyNamedColours) {
    const std::vector<std::string_view> expected{"aliceblue",
                                                 "antiquewhite",
                                                 "aqua",
                                                 "aquamarine",
                                                 "azure",
                                                 "beige",
                                                 "bisque",
                                                 "black",
                                                 "blanchedalmond",
                                                 "blue",
                                                 "blueviolet",
                                                 "brown",
                                                 "burlywood",
                                                 "cadetblue",
                                                 "chartreuse",
                                                 "chocolate",
                                                 "coral",
                                                 "cornflowerblue",
                                                 "cornsilk",
                                                 "crimson",
                                                 "cyan",
                                                 "darkblue",
                                                 "darkcyan",
                                                 "darkgoldenrod",
                                                 "darkgray",
                                                 "darkgreen",
                                                 "darkkhaki",
                                                 "darkmagenta",
                                                 "darkolivegreen",
                                                 "darkorange",
                                                 "darkorchid",
                                                 "darkred",
                                                 "darksalmon",
                                                 "darkseagreen",
                                                 "darkslateblue",
                                                 "darkslategray",
                                                 "darkturquoise",
                                                 "darkviolet",
                                                 "deeppink",
                                                 "deepskyblue",
                                                 "dimgray",
                                                 "dodgerblue",
                                                 "firebrick",
                                                 "floralwhite",
                                                 "forestgreen",
                                                 "fuchsia",
                                                 "gainsboro",
                                                 "ghostwhite",
                                                 "gold",
                                                 "goldenrod",
                                                 "gray",
                                                 "green",
                                                 "greenyellow",
                                                 "honeydew",
                                                 "hotpink",
                                                 "indianred",
                                                 "indigo",
                                                 "ivory",
                                                 "khaki",
                                                 "lavender",
                                                 "lavenderblush",
                                                 "lawngreen",
                                                 "lemonchiffon",
                                                 "lightblue",
                                                 "lightcoral",
                                                 "lightcyan",
                                                 "lightgoldenrodyellow",
                                                 "lightgreen",
                                                 "lightgrey",
                                                 "lightpink",
                                                 "lightsalmon",
                                                 "lightseagreen",
                                                 "lightskyblue",
                                                 "lightslategray",
                                                 "lightsteelblue",
                                                 "lightyellow",
                                                 "lime",
                                                 "limegreen",
                                                 "linen",
                                                 "magenta",
                                                 "maroon",
                                                 "mediumaquamarine",
                                                 "mediumblue",
                                                 "mediumorchid",
                                                 "mediumpurple",
                                                 "mediumseagreen",
                                                 "mediumslateblue",
                                                 "mediumspringgreen",
                                                 "mediumturquoise",
                                                 "mediumvioletred",
                                                 "midnightblue",
                                                 "mintcream",
                                                 "mistyrose",
                                                 "moccasin",
                                                 "navajowhite",
                                                 "navy",
                                                 "oldlace",
                                                 "olive",
                                                 "olivedrab",
                                                 "orange",
                                                 "orangered",
                                                 "orchid",
                                                 "palegoldenrod",
                                                 "palegreen",
                                                 "paleturquoise",
                                                 "palevioletred",
                                                 "papayawhip",
                                                 "peachpuff",
                                                 "peru",
                                                 "pink",
                                                 "plum",
                                                 "powderblue",
                                                 "purple",
                                                 "red",
                                                 "rosybrown",
                                                 "royalblue",
                                                 "saddlebrown",
                                                 "salmon",
                                                 "sandybrown",
                                                 "seagreen",
                                                 "seashell",
                                                 "sienna",
                                                 "silver",
                                                 "skyblue",
                                                 "slateblue",
                                                 "slategray",
                                                 "snow",
                                                 "springgreen",
                                                 "steelblue",
                                                 "tan",
                                                 "teal",
                                                 "thistle",
                                                 "tomato",
                                                 "turquoise",
                                                 "violet",
                                                 "wheat",
                                                 "white",
                                                 "whitesmoke",
                                                 "yellow",
                                                 "yellowgreen"};
    ASSERT_EQ(expected.size(), 140u);
    EXPECT_EQ(AsVector(ColorList), expected);
}

TEST(StyleListsTest, ColorListIsStrictlyAlphabetical) {
    for (size_t i = 1; i < ColorList.size(); ++i) EXPECT_LT(ColorList[i - 1], ColorList[i]) << i;
}

TEST(StyleListsTest, FontListIsAlphabeticalIgnoringCase) {
    auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    for (size_t i = 1; i < FontList.size(); ++i) EXPECT_LT(lower(FontList[i - 1]), lower(FontList[i])) << i;
    // Case-blind order puts "Microsoft ..." and "Modern" before "MS ...".
    auto at = [](std::string_view name) { return std::find(FontList.begin(), FontList.end(), name); };
    EXPECT_LT(at("Microsoft Sans Serif"), at("MS Gothic"));
    EXPECT_LT(at("Modern"), at("MS Gothic"));
}

TEST(StyleListsTest, EveryDefaultIsAnEntryOfItsList) {
    StyleSettings defaults;
    EXPECT_TRUE(Contains(WidthChoices, defaults.width));
    EXPECT_TRUE(Contains(HeightChoices, defaults.height));
    EXPECT_TRUE(Contains(WeightChoices, defaults.fontWeight));
    EXPECT_TRUE(Contains(SizeList, defaults.fontSize));
    EXPECT_TRUE(Contains(SizeList, defaults.borderSize));
    EXPECT_TRUE(Contains(FontList, defaults.fontFamily));
    EXPECT_TRUE(Contains(BorderStyleList, defaults.borderStyle));
    for (const std::string* colour :
         {&defaults.backgroundColor, &defaults.itemHighlightColor, &defaults.fontColor, &defaults.borderColor,
          &defaults.scrollbarArrowColor, &defaults.scrollbarHighlightColor, &defaults.scrollbar3dlightColor,
          &defaults.scrollbarShadowColor})
        EXPECT_TRUE(Contains(ColorList, *colour)) << *colour;
}

TEST(StyleListsTest, NoListHoldsAnEntryTwiceOrAnEmptyEntry) {
    auto check = [](const auto& list, const char* name) {
        std::vector<std::string_view> sorted(list.begin(), list.end());
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << name;
        EXPECT_EQ(std::count(sorted.begin(), sorted.end(), std::string_view{}), 0) << name;
    };
    check(WidthChoices, "WidthChoices");
    check(HeightChoices, "HeightChoices");
    check(WeightChoices, "WeightChoices");
    check(ColorList, "ColorList");
    check(SizeList, "SizeList");
    check(FontList, "FontList");
    check(BorderStyleList, "BorderStyleList");
}

}  // namespace
}  // namespace menulark
