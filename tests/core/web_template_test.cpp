// The filling of the web files under page/web/: named placeholders, the
// declarations an empty value leaves out, sections, notes, and that the
// built-in files are the ones in the source tree.
#include "page/web_template.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "page/embedded_web_files.h"
#include "page/modern_menu_assets.h"
#include "page/modern_page.h"
#include "tests/core/expected_pages.h"

namespace menulark {
namespace {

TEST(WebTemplateTest, FillsNamedValuesLeavesOutEmptyDeclarationsSectionsAndNotes) {
    const WebTemplateValues values{{"sel", "#m"},
                                   {"a", "1px"},
                                   {"none", ""},
                                   {"prop", "min-height"},
                                   {"on", "yes"},
                                   {"off", ""},
                                   {"tricky", "{{a}}; x: {{none}};"}};
    struct Case {
        const char* text;
        const char* filled;
    };
    const std::vector<Case> cases{
        {"{{sel}} { width: {{a}}; }\n", "#m { width: 1px; }\n"},
        {"{{sel}} { a: {{a}}; b: {{none}}; c: {{a}}; }\n", "#m { a: 1px; c: 1px; }\n"},
        {"{{sel}} { b: {{none}}; }\n", "#m { }\n"},
        {"{{sel}} { {{prop}}: {{none}}; {{prop}}: {{a}}; }\n", "#m { min-height: 1px; }\n"},
        // Only a whole value goes: text around an empty placeholder stays.
        {"{{sel}} { b: x{{none}}; c: {{none}} y; }\n", "#m { b: x; c:  y; }\n"},
        {"{{sel}}{{none}}[x]\n", "#m[x]\n"},
        // Values are written as they are, never read for placeholders.
        {"x {{tricky}}\n", "x {{a}}; x: {{none}};\n"},
        {"/* a note\n   {{unknown}} on two lines */\n\n  \nrule\n/* one line */\n", "rule\n"},
        {"{{#on}}\nkept\n{{#off}}\ndropped {{unknown}}\n{{/off}}\n{{/on}}\n"
         "{{#off}}\n{{#on}}\nx\n{{/on}}\n{{/off}}\n",
         "kept\n"},
        {"last line", "last line"},
    };
    for (const Case& c : cases) EXPECT_EQ(FillWebTemplate(c.text, values), c.filled) << c.text;

    // Faults of the file, not of an author's value.
    for (const char* broken : {"{{unknown}}\n", "{{sel\n", "{{#on}}\nx\n", "{{/on}}\n", "{{#on}}\n{{/off}}\n",
                               "/* never closed\nx\n", "{{#unknown}}\n{{/unknown}}\n"})
        EXPECT_THROW(FillWebTemplate(broken, values), std::logic_error) << broken;
}

TEST(WebTemplateTest, BuiltInFilesAreTheSourceTreesAndThePagesHoldThemWhole) {
    // Rebuilt from the files whenever they change: no stale copy.
    EXPECT_EQ(embedded::MenuJs(), expected::SourceFile("page/web/menu.js"));
    EXPECT_EQ(embedded::MenuCss(), expected::SourceFile("page/web/menu.css"));
    EXPECT_EQ(ModernMenuScript(), embedded::MenuJs());

    StyleSettings navy;
    navy.fontColor = "navy";
    struct Case {
        PageMode mode;
        StyleSettings style;
        const char* page;
    };
    for (const Case& c : {Case{PageMode::Simple, StyleSettings{}, "modern_simple"},
                          Case{PageMode::Styled, navy, "modern_styled_font_navy"}}) {
        MenuItemList items;
        items.AddItem("Home", "http://example.org/", "Go home");
        items.AddItem("News", "http://example.org/news", "Latest \"news\" & <more>");
        const std::string page = BuildModernPage(items, c.mode, c.style);
        EXPECT_EQ(expected::OnDisk(page), expected::Page(c.page));
        const std::string css = ModernMenuStyleSheet(c.mode, c.style, "#menu");
        EXPECT_NE(page.find("<style>\nhtml { min-height: 100%; }\n" + css + "</style>"), std::string::npos);
        EXPECT_NE(page.find("<script>\n" + std::string(ModernMenuScript()) + "</script>"), std::string::npos);
    }
}

}  // namespace
}  // namespace menulark
