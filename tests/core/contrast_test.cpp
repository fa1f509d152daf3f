// Contrast of the author's colours: CSS colour values read as the browser
// reads them, WCAG's ratio, and which pairs of the styled look fall short.
#include "page/contrast.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace menulark {
namespace {

bool Same(std::optional<Rgb> a, std::optional<Rgb> b) {
    if (!a || !b) return a.has_value() == b.has_value();
    return a->r == b->r && a->g == b->g && a->b == b->b;
}

TEST(ContrastTest, ReadsTheColourValuesAnAuthorTypes) {
    struct Case {
        const char* value;
        std::optional<Rgb> rgb;
    };
    const std::vector<Case> cases{
        {"white", Rgb{255, 255, 255}},
        {"  DarkBlue ", Rgb{0, 0, 139}},
        {"#f80", Rgb{255, 136, 0}},
        {"#FF8800", Rgb{255, 136, 0}},
        {"#f80f", Rgb{255, 136, 0}},
        {"#ff8800ff", Rgb{255, 136, 0}},
        {"rgb(255, 136, 0)", Rgb{255, 136, 0}},
        {"RGB(100% 0% 50%)", Rgb{255, 0, 128}},
        {"rgba(1, 2, 3, 1)", Rgb{1, 2, 3}},
        // Nothing to judge: see-through, unknown or malformed.
        {"", std::nullopt},
        {"transparent", std::nullopt},
        {"#ff880080", std::nullopt},
        {"rgba(1, 2, 3, 0.5)", std::nullopt},
        {"rgb(256, 0, 0)", std::nullopt},
        {"rgb(1, 2)", std::nullopt},
        {"#ff88", std::nullopt},
        {"#ggg", std::nullopt},
        {"var(--x)", std::nullopt},
        {"Highlight", std::nullopt},
        {"redd", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_TRUE(Same(ParseCssColor(c.value), c.rgb)) << c.value;
}

TEST(ContrastTest, RatiosMatchWcagsFormula) {
    struct Case {
        const char *a, *b;
        double ratio;
    };
    // Figures from WCAG's examples and common checkers.
    for (const Case& c :
         {Case{"black", "white", 21.0}, Case{"white", "white", 1.0}, Case{"#767676", "white", 4.54},
          Case{"white", "orange", 1.97}, Case{"darkblue", "red", 3.83}, Case{"#777", "#fff", 4.48}}) {
        EXPECT_NEAR(ContrastRatio(*ParseCssColor(c.a), *ParseCssColor(c.b)), c.ratio, 0.005)
            << c.a << " " << c.b;
        EXPECT_DOUBLE_EQ(ContrastRatio(*ParseCssColor(c.a), *ParseCssColor(c.b)),
                         ContrastRatio(*ParseCssColor(c.b), *ParseCssColor(c.a)));
    }
}

TEST(ContrastTest, FindsTheStyledLooksPairsBelowFourAndAHalf) {
    struct Case {
        const char *font, *background, *highlight;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"white",
         "navy",
         "orange",
         {"The font colour white on the highlight colour orange has a contrast of only 1.97:1; text needs at "
          "least 4.5:1."}},
        {"white",
         "orange",
         "orange",
         {"The font colour white on the background colour orange has a contrast of only 1.97:1; text needs "
          "at least 4.5:1.",
          "The font colour white on the highlight colour orange has a contrast of only 1.97:1; text needs at "
          "least 4.5:1."}},
        // #777 on white is 4.48: rounded down, never up to a passing figure.
        {"#777",
         "",
         "",
         {"The font colour #777 on the background colour white has a contrast of only 4.47:1; "
          "text needs at least 4.5:1."}},
        {"",
         "black",
         "",
         {"The font colour black on the background colour black has a contrast of only "
          "1.00:1; text needs at least 4.5:1."}},
        {"black", "white", "#767676", {}},
        {"white", "var(--x)", "transparent", {}},
        {"currentcolor", "white", "white", {}},
    };
    for (const Case& c : cases) {
        StyleSettings style;
        style.fontColor = c.font;
        style.backgroundColor = c.background;
        style.itemHighlightColor = c.highlight;
        style.styledMode = true;
        EXPECT_EQ(LowContrastNotes(style), c.messages)
            << c.font << " / " << c.background << " / " << c.highlight;
        style.styledMode = false;
        EXPECT_TRUE(LowContrastNotes(style).empty()) << "the simple look's colours are fixed";
    }
}

}  // namespace
}  // namespace menulark
