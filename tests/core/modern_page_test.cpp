// The page for current browsers: escaping of every kind of value, the page's
// structure in both looks, and that the classic page is untouched by it.
#include "page/modern_page.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "page/create_page.h"
#include "page/embedded_web_files.h"
#include "page/page_generator.h"
#include "page/web_escape.h"
#include "tests/core/expected_pages.h"
#include "tests/core/recording_desktop.h"
#include "tests/core/temp_dir.h"
#include "tools/page_command.h"

namespace menulark {
namespace {

using expected::OnDisk;
using testing_support::ReadBytes;
using testing_support::RecordingDesktop;
using testing_support::TempDir;

// Strings that try to leave every context a value can land in.
const std::vector<std::string>& HostileValues() {
    static const std::vector<std::string> values{
        "plain",
        "",
        "say \"hi\" and 'bye'",
        "</script><script>alert(1)</script>",
        "<b>bold</b> & <i>",
        "red; } body { display: none",
        "x\"></a><a href=\"evil",
        "a\\\"b\\'c\\",
        "line\nbreak\r\ntab\there",
        "/* comment",
        "*/ } </style><img src=x onerror=alert(1)>",
        "url(http://example.org/x.png)",
        "calc(1px + (2px",
        "rgb(1, 2, 3))",
        "&amp; &#39; &lt;",
        "caf\xC3\xA9 \xE2\x82\xAC",
        std::string("nul\0byte", 8),
        "@import 'x'; !important",
    };
    return values;
}

// --- test-side decoders, written from the HTML and CSS rules, not from the code

std::string DecodeHtmlReferences(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        size_t semi = text.find(';', i);
        EXPECT_NE(semi, std::string::npos) << "bare & in " << text;
        if (semi == std::string::npos) return out;
        std::string name = text.substr(i + 1, semi - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (!name.empty() && name[0] == '#')
            out += static_cast<char>(std::stoi(name.substr(1)));
        else
            ADD_FAILURE() << "unknown reference &" << name << ";";
        i = semi;
    }
    return out;
}

// Undoes CSS hex escapes ("\" + hex digits + one optional blank); any other
// backslash is a failure, since the escaper writes only hex escapes.
std::string DecodeCssEscapes(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && j - i <= 6 && std::isxdigit(static_cast<unsigned char>(text[j]))) ++j;
        EXPECT_GT(j, i + 1) << "backslash without hex digits in " << text;
        out += static_cast<char>(std::stoi(text.substr(i + 1, j - i - 1), nullptr, 16));
        if (j < text.size() && text[j] == ' ') ++j;
        i = j - 1;
    }
    return out;
}

// The bytes of `css` outside its hex escapes.
std::string CssOutsideEscapes(const std::string& css) {
    std::string out;
    for (size_t i = 0; i < css.size(); ++i) {
        if (css[i] == '\\') {
            size_t j = i + 1;
            while (j < css.size() && std::isxdigit(static_cast<unsigned char>(css[j]))) ++j;
            if (j < css.size() && css[j] == ' ') ++j;
            i = j - 1;
        } else {
            out += css[i];
        }
    }
    return out;
}

// The bytes of `css` outside its quoted strings and hex escapes. The escaper
// never leaves a raw double quote inside a string, so the next one ends it.
std::string CssOutsideStrings(const std::string& css) {
    std::string bare = CssOutsideEscapes(css);
    std::string out;
    bool inString = false;
    for (char c : bare) {
        if (c == '"')
            inString = !inString;
        else if (!inString)
            out += c;
    }
    EXPECT_FALSE(inString) << "unterminated string in " << css;
    return out;
}

size_t CountOf(const std::string& haystack, const std::string& needle) {
    size_t count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1))
        ++count;
    return count;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// --- escaping

TEST(WebEscapeTest, HtmlTextHasNoMarkupAndDecodesToTheValue) {
    for (const std::string& value : HostileValues()) {
        std::string escaped = EscapeHtmlText(value);
        EXPECT_EQ(escaped.find('<'), std::string::npos) << value;
        EXPECT_EQ(escaped.find('>'), std::string::npos) << value;
        EXPECT_EQ(DecodeHtmlReferences(escaped), value);
    }
}

TEST(WebEscapeTest, HtmlAttributeCannotEndItsQuotesAndKeepsLinesWhole) {
    for (const std::string& value : HostileValues()) {
        std::string escaped = EscapeHtmlAttribute(value);
        for (char forbidden : {'"', '\'', '<', '>', '\n', '\r'})
            EXPECT_EQ(escaped.find(forbidden), std::string::npos) << "'" << forbidden << "' in " << escaped;
        EXPECT_EQ(DecodeHtmlReferences(escaped), value);
    }
}

TEST(WebEscapeTest, CssValueCannotLeaveItsDeclaration) {
    for (const std::string& value : HostileValues()) {
        std::string escaped = EscapeCssValue(value);
        std::string bare = CssOutsideEscapes(escaped);
        for (char forbidden :
             {';', '{', '}', '<', '>', '"', '\'', '\\', '/', ':', '@', '!', '\n', '\r', '\0'})
            EXPECT_EQ(bare.find(forbidden), std::string::npos) << "'" << forbidden << "' in " << escaped;
        int depth = 0;
        for (char c : bare) {
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            EXPECT_GE(depth, 0) << escaped;
        }
        EXPECT_EQ(depth, 0) << "unclosed bracket in " << escaped;
        EXPECT_EQ(Lower(bare).find("url("), std::string::npos) << escaped;
        EXPECT_EQ(DecodeCssEscapes(escaped), value);
    }
}

TEST(WebEscapeTest, CssValueKeepsOrdinaryValuesAsTheyAre) {
    for (const char* value : {"lightsteelblue", "#ff00aa", "rgb(10, 20, 30)", "hsl(120, 50%, 50%)", "1.5em",
                              "-2px", "calc(100% - (2 * 3px))", "bold", "window-inset", "caf\xC3\xA9"}) {
        EXPECT_EQ(EscapeCssValue(value), value);
    }
}

TEST(WebEscapeTest, LengthsGetPixelsOnlyWhenPlainNumbers) {
    struct Case {
        const char* value;
        const char* css;
    };
    for (const Case& c : {Case{"200", "200px"}, Case{"0", "0px"}, Case{"12.5", "12.5px"}, Case{"50%", "50%"},
                          Case{"10em", "10em"}, Case{"auto", "auto"}, Case{"", ""}, Case{".", "."},
                          Case{"1.2.3", "1.2.3"}, Case{"-5", "-5"}}) {
        EXPECT_EQ(CssLength(c.value), c.css) << c.value;
    }
    EXPECT_EQ(CssLength("1;x"), EscapeCssValue("1;x"));
}

// Splits a font-family list as the browser reads it: quoted strings and bare
// keywords separated by commas. Fails on anything else.
std::vector<std::string> ParseFontFamilyList(const std::string& css) {
    std::vector<std::string> names;
    size_t i = 0;
    while (i < css.size()) {
        if (css[i] == '"') {
            size_t end = css.find('"', i + 1);
            EXPECT_NE(end, std::string::npos) << css;
            if (end == std::string::npos) break;
            std::string inner = css.substr(i + 1, end - i - 1);
            for (char forbidden : {'<', '>', '\n', '\r'})
                EXPECT_EQ(inner.find(forbidden), std::string::npos) << css;
            EXPECT_EQ(CssOutsideEscapes(inner).find('\\'), std::string::npos) << css;
            names.push_back(DecodeCssEscapes(inner));
            i = end + 1;
        } else {
            size_t end = css.find(',', i);
            if (end == std::string::npos) end = css.size();
            std::string keyword = css.substr(i, end - i);
            EXPECT_TRUE(std::regex_match(keyword, std::regex("[a-z-]+"))) << "bare word '" << keyword << "'";
            names.push_back(keyword);
            i = end;
        }
        if (i < css.size()) {
            EXPECT_EQ(css.compare(i, 2, ", "), 0) << css;
            i += 2;
        }
    }
    return names;
}

TEST(WebEscapeTest, FontFamiliesBecomeStringsAndGenericKeywords) {
    struct Case {
        std::string value;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases{
        {"MS Sans Serif", {"MS Sans Serif", "sans-serif"}},
        {"Arial, serif", {"Arial", "serif"}},
        {"'Times New Roman', \"Georgia\" ,MONOSPACE", {"Times New Roman", "Georgia", "monospace"}},
        {"\"serif\"", {"serif", "sans-serif"}},  // quoted: a family called serif, so a generic is added
        {"", {"sans-serif"}},
        {" , ,", {"sans-serif"}},
        {"x\"; } </style><script>alert(1)</script>",
         {"x\"; } </style><script>alert(1)</script>", "sans-serif"}},
        {"back\\slash\nline", {"back\\slash\nline", "sans-serif"}},
    };
    for (const Case& c : cases) {
        std::string css = CssFontFamilyList(c.value, "sans-serif");
        EXPECT_EQ(ParseFontFamilyList(css), c.names) << c.value << " -> " << css;
        EXPECT_EQ(CssOutsideStrings(css).find_first_of(";{}<>"), std::string::npos) << css;
    }
}

// --- the page

MenuItemList Items(const std::vector<MenuItem>& rows) {
    MenuItemList list;
    for (const MenuItem& row : rows) EXPECT_TRUE(list.AddItem(row.title, row.url, row.explanation));
    return list;
}

const std::vector<MenuItem>& HostileRows() {
    static const std::vector<MenuItem> rows{
        {"Home", "https://example.org/", "Go home"},
        {"<b>bold</b>", "https://example.org/?a=1&b=\"2\"", "say \"hi\" & 'bye'"},
        {"</script><script>alert(1)</script>", "javascript:alert('x')", "</style>"},
        {"x\"></a><a href=\"evil", "page two.htm", "line\nbreak"},
    };
    return rows;
}

struct PageEntry {
    std::string url, explanation, title;
};

// The menu's entries as a browser would read them back.
std::vector<PageEntry> EntriesOf(const std::string& page) {
    std::vector<PageEntry> entries;
    size_t menu = page.find("role=\"menu\"");
    size_t end = page.find("</div>", menu);
    EXPECT_NE(menu, std::string::npos);
    if (menu == std::string::npos || end == std::string::npos) return entries;
    std::string body = page.substr(menu, end - menu);
    static const std::regex entry(
        "<a href=\"([^\"<>]*)\" title=\"([^\"<>]*)\" role=\"menuitem\" tabindex=\"-1\" dir=\"auto\">([^<]*)</a>");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), entry); it != std::sregex_iterator();
         ++it) {
        entries.push_back(
            {DecodeHtmlReferences((*it)[1]), DecodeHtmlReferences((*it)[2]), DecodeHtmlReferences((*it)[3])});
    }
    EXPECT_EQ(CountOf(body, "<a "), entries.size()) << "an entry that does not have the expected form";
    return entries;
}

std::string StyleElementOf(const std::string& page) {
    size_t open = page.find("<style>");
    size_t close = page.find("</style>");
    EXPECT_NE(open, std::string::npos);
    EXPECT_NE(close, std::string::npos);
    return page.substr(open, close - open);
}

TEST(ModernPageTest, HasTheStructureOfAStandardsPageInBothLooks) {
    StyleSettings style;
    for (PageMode mode : {PageMode::Simple, PageMode::Styled}) {
        std::string page = BuildModernPage(Items(HostileRows()), mode, style);
        EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
        size_t head = page.find("<head>");
        ASSERT_NE(head, std::string::npos);
        EXPECT_EQ(page.find('<', head + 6), page.find("<meta charset=\"utf-8\">"))
            << "charset is not first in head";
        EXPECT_TRUE(std::regex_search(page, std::regex("<title>[^<]+</title>")));
        EXPECT_EQ(page.find('\r'), std::string::npos) << "lines end in a line feed in memory";
        EXPECT_NE(page.find("\n<p>Right-click on the body. On a touch screen, press and hold.</p>\n"),
                  std::string::npos);
        EXPECT_EQ(page.find("<html lang=\"en\">\n"), 16u);
        EXPECT_EQ(CountOf(page, "role=\"menu\""), 1u);
        EXPECT_TRUE(std::regex_search(
            page, std::regex("<div id=\"menu\" role=\"menu\" aria-label=\"Menu\"[^>]* hidden>")));
        // Self-contained: nothing loaded from elsewhere.
        for (const char* external : {"<script src", "<link", "@import", "url(", "@font-face"})
            EXPECT_EQ(page.find(external), std::string::npos) << external;
    }
}

TEST(ModernPageTest, EntriesAreLinksInListOrderWithEveryValueIntact) {
    for (PageMode mode : {PageMode::Simple, PageMode::Styled}) {
        std::string page = BuildModernPage(Items(HostileRows()), mode, StyleSettings{});
        std::vector<PageEntry> entries = EntriesOf(page);
        ASSERT_EQ(entries.size(), HostileRows().size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].title, HostileRows()[i].title);
            EXPECT_EQ(entries[i].url, HostileRows()[i].url);
            EXPECT_EQ(entries[i].explanation, HostileRows()[i].explanation);
        }
        // The author's values never add elements: one of each, ours.
        EXPECT_EQ(CountOf(page, "<script"), 1u);
        EXPECT_EQ(CountOf(page, "</script"), 1u);
        EXPECT_EQ(CountOf(page, "</style"), 1u);
        EXPECT_EQ(CountOf(page, "<b>"), 0u);
    }
}

TEST(ModernPageTest, SimpleLookReadsNoStyleValueAndNoRowCount) {
    // Its rows size to their text and the menu to the visible area, so the
    // style sheet is the same for any number of entries and any style.
    StyleSettings odd;
    odd.width = "999";
    odd.backgroundColor = "tomato";
    const std::vector<MenuItem> five(5, MenuItem{"t", "u", "e"});
    const std::string one = StyleElementOf(BuildModernPage(Items({five[0]}), PageMode::Simple, {}));
    EXPECT_EQ(StyleElementOf(BuildModernPage(Items(five), PageMode::Simple, odd)), one);
    for (const char* absent : {"999", "tomato", "76px", "19px", "outset", "groove"})
        EXPECT_EQ(one.find(absent), std::string::npos) << absent;
}

TEST(ModernPageTest, StyledLookUsesTheAuthorsSettings) {
    StyleSettings style;
    style.width = "300";
    style.height = "50%";
    style.backgroundColor = "navy";
    style.itemHighlightColor = "#ff8800";
    style.fontWeight = "bold";
    style.fontSize = "16";
    style.fontFamily = "Verdana, Black & White";  // an "&" is the name's own, whatever the selector
    style.fontColor = "white";
    style.borderSize = "3";
    style.borderStyle = "dashed";
    style.borderColor = "gold";
    style.scrollbarArrowColor = "orange";
    style.scrollbarHighlightColor = "teal";

    struct Case {
        bool scrollbar;
        std::vector<std::string> present, absent;
    };
    const std::vector<Case> cases{
        {true, {"overflow-y: auto", "scrollbar-color: orange teal"}, {"overflow: visible"}},
        {false, {"min-height: 50%"}, {"scrollbar-color", "overflow: visible", "orange", "teal"}},
    };
    for (const Case& c : cases) {
        style.scrollbarColors = c.scrollbar;
        std::string css = StyleElementOf(BuildModernPage(Items(HostileRows()), PageMode::Styled, style));
        std::vector<std::string> present{"width: 300px",
                                         "height: 50%;",
                                         "background-color: navy",
                                         "color: white",
                                         "font-weight: bold",
                                         "font-size: 16px",
                                         "font-family: \"Verdana\", \"Black & White\", sans-serif",
                                         "border-width: 3px",
                                         "border-style: dashed",
                                         "border-color: gold",
                                         "background-color: #ff8800"};
        present.insert(present.end(), c.present.begin(), c.present.end());
        for (const std::string& part : present) EXPECT_NE(css.find(part), std::string::npos) << part;
        for (const std::string& part : c.absent) EXPECT_EQ(css.find(part), std::string::npos) << part;
        EXPECT_EQ(CountOf(css, "border-style: dashed"), 1u) << "the border goes around the menu only";
        EXPECT_EQ(css.find("lightsteelblue"), std::string::npos)
            << "a fixed colour of the simple look leaked in";
    }
}

TEST(ModernPageTest, HostileStyleValuesStayInsideTheirDeclarations) {
    const size_t rules =
        CountOf(StyleElementOf(BuildModernPage(Items(HostileRows()), PageMode::Styled, {})), "{");
    for (const std::string& value : HostileValues()) {
        StyleSettings style;
        for (const StyleField& field : StyleFields()) style.*field.member = value;
        std::string page = BuildModernPage(Items(HostileRows()), PageMode::Styled, style);
        std::string css = StyleElementOf(page);
        // The page's own rules, each opened and closed once, and nothing
        // outside them; the media conditions are the page's own text.
        std::string bare =
            std::regex_replace(CssOutsideStrings(css), std::regex("@media \\([a-z-]+: [a-z-]+\\)"), "@media");
        EXPECT_EQ(CountOf(bare, "{"), CountOf(bare, "}")) << value;
        EXPECT_EQ(CountOf(bare, "{"), rules) << value;
        EXPECT_EQ(CountOf(bare, ";"), CountOf(bare, ": ")) << "one semicolon per declaration: " << value;
        EXPECT_EQ(CountOf(bare, "/*"), 0u) << value;
        EXPECT_EQ(CountOf(page, "</style"), 1u) << value;
        EXPECT_EQ(CountOf(page, "<script"), 1u) << value;
        EXPECT_EQ(EntriesOf(page).size(), HostileRows().size()) << value;
    }
}

TEST(ModernPageTest, EmptyStyleValuesLeaveTheirPropertiesOut) {
    StyleSettings style;
    style.backgroundColor.clear();
    style.fontSize.clear();
    style.scrollbarHighlightColor.clear();
    std::string css = StyleElementOf(BuildModernPage(Items(HostileRows()), PageMode::Styled, style));
    EXPECT_EQ(css.find("background-color: ;"), std::string::npos);
    EXPECT_EQ(css.find("font-size"), std::string::npos);
    EXPECT_EQ(css.find("scrollbar-color"), std::string::npos);
    EXPECT_NE(css.find("color: darkblue"), std::string::npos);
}

// --- options and the snippet

MenuItemList TwoItemsForOptions() {
    return Items({{"Home", "http://example.org/", "Go home"}, {"News", "news.htm", "Latest"}});
}

// The value of attribute `name` in the first tag that has it, decoded.
std::string AttributeOf(const std::string& page, const std::string& name) {
    const std::regex attribute(" " + name + "=\"([^\"<>]*)\"");
    std::smatch match;
    EXPECT_TRUE(std::regex_search(page, match, attribute)) << name;
    return match.empty() ? std::string() : DecodeHtmlReferences(match[1]);
}

TEST(ModernPageTest, LabelLanguageAndTargetLandEscapedWhereTheyBelong) {
    const std::string hostile = "x\"><script>alert(1)</script>&";
    for (bool snippet : {false, true}) {
        for (const ModernPageOptions& given :
             {ModernPageOptions{},
              ModernPageOptions{"Men\xC3\xBC", "de-CH", snippet, snippet ? "#main .a" : ""},
              ModernPageOptions{hostile, hostile, snippet, snippet ? hostile : ""}}) {
            ModernPageOptions options = given;
            options.snippet = snippet;
            const std::string page = BuildModernPage(TwoItemsForOptions(), PageMode::Simple, {}, options);
            EXPECT_EQ(AttributeOf(page, "aria-label"), options.label);
            EXPECT_EQ(AttributeOf(page, "lang"), options.lang);
            if (snippet) {
                EXPECT_EQ(AttributeOf(page, "data-target"), options.target);
            }
            EXPECT_EQ(page.find(" data-target=\"") != std::string::npos, snippet);
            EXPECT_EQ(CountOf(page, "<script"), 1u);
            EXPECT_EQ(EntriesOf(page).size(), 2u);
        }
    }
}

TEST(ModernPageTest, SnippetIsOneStyleTheMenuAndOneScriptUnderItsOwnPrefix) {
    ModernPageOptions options;
    options.snippet = true;
    options.target = ".card";
    for (PageMode mode : {PageMode::Simple, PageMode::Styled}) {
        const std::string snippet = BuildModernPage(Items(HostileRows()), mode, {}, options);
        const std::string prefix = SnippetPrefix(Items(HostileRows()), mode, {}, options);
        ASSERT_TRUE(std::regex_match(prefix, std::regex("mlk-[0-9a-f]{8}"))) << prefix;
        EXPECT_EQ(snippet.rfind("<style>\n", 0), 0u);
        const size_t styleEnd = snippet.find("</style>\n<div class=\"" + prefix + "\" role=\"menu\"");
        EXPECT_NE(styleEnd, std::string::npos);
        const size_t scriptStart = snippet.find("</div>\n<script>\n");
        EXPECT_NE(scriptStart, std::string::npos);
        EXPECT_EQ(snippet.size() - snippet.rfind("</script>\n"), 10u) << "ends with its script";
        for (const char* tag : {"<style", "</style", "<script", "</script", "role=\"menu\""})
            EXPECT_EQ(CountOf(snippet, tag), 1u) << tag;
        for (const char* pageOnly : {"<html", "<head", "<body", "<p>", " id=\"", "#menu", "html {"})
            EXPECT_EQ(snippet.find(pageOnly), std::string::npos) << pageOnly;
        EXPECT_EQ(EntriesOf(snippet).size(), HostileRows().size());
        // Every rule's selectors start with the prefix: nothing for the host page.
        const std::string css = CssOutsideStrings(snippet.substr(8, styleEnd - 8));
        static const std::regex selectors("(^|\n|\\})\\s*([^{}@\\n][^{}\\n]*)\\{");
        size_t rules = 0;
        for (auto it = std::sregex_iterator(css.begin(), css.end(), selectors); it != std::sregex_iterator();
             ++it) {
            std::string list = (*it)[2];
            for (size_t at = 0; at != std::string::npos; at = list.find(", ", at) == std::string::npos
                                                                  ? std::string::npos
                                                                  : list.find(", ", at) + 2) {
                // A rule of no weight of its own names the menu inside :where().
                const size_t start = list.compare(at, 7, ":where(") == 0 ? at + 7 : at;
                EXPECT_EQ(list.compare(start, prefix.size() + 1, "." + prefix), 0) << list;
                ++rules;
            }
        }
        EXPECT_GT(rules, 5u);
        // The page and the snippet share one script.
        const std::string page = BuildModernPage(Items(HostileRows()), mode, {});
        const std::string script = snippet.substr(scriptStart + 15);
        EXPECT_EQ(page.find(script.substr(0, script.size() - 10)) != std::string::npos, true);
    }
    // Snippets of different content, look or target get different prefixes.
    const MenuItemList items = Items(HostileRows());
    const std::string base = SnippetPrefix(items, PageMode::Simple, {}, options);
    ModernPageOptions otherTarget = options;
    otherTarget.target = ".card2";
    EXPECT_EQ(SnippetPrefix(items, PageMode::Simple, {}, options), base);
    EXPECT_NE(SnippetPrefix(items, PageMode::Styled, {}, options), base);
    EXPECT_NE(SnippetPrefix(items, PageMode::Simple, {}, otherTarget), base);
    EXPECT_NE(SnippetPrefix(TwoItemsForOptions(), PageMode::Simple, {}, options), base);
}

// --- the classic page stays as it was

MenuItemList TwoItems() {
    return Items({{"Home", "http://example.org/", "Go home"}, {"News", "news.htm", "Latest"}});
}

TEST(ModernPageTest, CreatePageWritesTheFlavorAskedForAndTheClassicPageByDefault) {
    struct Case {
        bool defaultArgument;
        PageFlavor flavor;
    };
    StyleSettings style;
    style.width = "300";
    for (PageMode mode : {PageMode::Simple, PageMode::Styled}) {
        style.styledMode = mode == PageMode::Styled;
        for (const Case& c : {Case{true, PageFlavor::Classic}, Case{false, PageFlavor::Classic},
                              Case{false, PageFlavor::Modern}}) {
            TempDir dir;
            RecordingDesktop desktop;
            MenuItemList items = TwoItems();
            PageRequest request{items, style};
            request.outputPath = dir / "Popup.htm";
            if (!c.defaultArgument) request.flavor = c.flavor;
            CreateResult result = CreatePage(request, desktop);
            ASSERT_EQ(result.outcome, CreateOutcome::Opened);
            std::string bytes = ReadBytes(dir / "Popup.htm");
            if (c.flavor == PageFlavor::Classic) {
                EXPECT_EQ(bytes, OnDisk(BuildPage(items, mode, style)));
                EXPECT_EQ(bytes.rfind("<HTML>\r\n<HEAD>\r\n<SCRIPT", 0), 0u);
            } else {
                EXPECT_EQ(bytes, OnDisk(BuildModernPage(items, mode, style)));
                EXPECT_EQ(bytes.rfind("<!DOCTYPE html>\r\n<html", 0), 0u);
            }
            EXPECT_EQ(desktop.opened,
                      std::vector<std::string>{testing_support::NativePath(dir / "Popup.htm")});
        }
    }
}

TEST(ModernPageTest, EmptyListGivesTheSameMessageInTheModernFlavor) {
    TempDir dir;
    RecordingDesktop desktop;
    MenuItemList none;
    StyleSettings styled;
    styled.styledMode = true;
    CreateResult result = CreatePage({none, styled, PageFlavor::Modern, dir / "Popup.htm"}, desktop);
    EXPECT_EQ(result.outcome, CreateOutcome::NoItems);
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Please add the items first."});
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(ModernPageCommandTest, ModernOptionChoosesThePageAndIsDocumented) {
    EXPECT_FALSE(ParsePageCommandArgs({"--styled"}).value->modern);
    EXPECT_TRUE(ParsePageCommandArgs({"--modern", "--styled"}).value->modern);
    EXPECT_NE(PageCommandUsage().find("--modern"), std::string::npos);

    const std::string input = "Home\thttp://example.org/\tGo home\nNews\tnews.htm\tLatest\n";
    for (bool modern : {false, true}) {
        TempDir dir;
        std::istringstream in(input);
        std::ostringstream out, err;
        CommandDesktop desktop(out, err);
        std::vector<std::string> args{"-o", dir / "page.htm"};
        if (modern) args.insert(args.begin(), "--modern");
        ASSERT_EQ(RunPageCommand(args, in, desktop), kStatusOk) << err.str();
        std::string bytes = ReadBytes(dir / "page.htm");
        if (modern) {
            EXPECT_EQ(bytes.rfind("<!DOCTYPE html>\r\n", 0), 0u);
            EXPECT_EQ(CountOf(bytes, "\n"), CountOf(bytes, "\r\n"));
            EXPECT_EQ(EntriesOf(bytes).size(), 2u);
        } else {
            EXPECT_EQ(bytes, OnDisk(BuildPage(TwoItems(), PageMode::Simple, StyleSettings{})));
            EXPECT_EQ(bytes.rfind("<HTML>\r\n", 0), 0u);
        }
    }
}

TEST(ModernPageCommandTest, SnippetLabelLanguageAndTargetOptions) {
    struct Case {
        std::vector<std::string> args;
        std::string error;  // empty: parses
        ModernPageOptions expected;
    };
    const std::vector<Case> cases{
        {{"--modern"}, "", {}},
        {{"--modern", "--snippet"}, "", {"Menu", "en", true, ""}},
        {{"--modern", "--snippet", "--target", "#a, .b", "--label", "Men\xC3\xBC", "--lang", "pt-BR"},
         "",
         {"Men\xC3\xBC", "pt-BR", true, "#a, .b"}},
        {{"--label", "x", "--modern"}, "", {"x", "en", false, ""}},
        {{"--snippet"}, "option --snippet needs --modern", {}},
        {{"--lang", "de"}, "option --lang needs --modern", {}},
        {{"--modern", "--target", "#a"}, "option --target needs --snippet", {}},
        {{"--modern", "--label", ""}, "option --label needs a value", {}},
        {{"--modern", "--snippet", "--target"}, "option --target needs a value", {}},
        {{"--modern", "--lang", "en us"},
         "--lang takes a language code such as en or pt-BR, got \"en us\"",
         {}},
        {{"--modern", "--lang", "-en"}, "--lang takes a language code such as en or pt-BR, got \"-en\"", {}},
        {{"--modern", "--snippet", "--assets", "web"}, "", {"Menu", "en", true, "", "web"}},
        {{"--modern", "--snippet", "--assets", "web", "--assets-url", "https://example.org/m/"},
         "",
         {"Menu", "en", true, "", "https://example.org/m/"}},
        {{"--modern", "--csp"}, "", {}},
        {{"--modern", "--assets", "web"}, "option --assets needs --snippet", {}},
        {{"--modern", "--snippet", "--assets-url", "x"}, "option --assets-url needs --assets", {}},
        {{"--modern", "--snippet", "--assets", ""}, "option --assets needs a file name", {}},
        {{"--csp"}, "option --csp needs --modern", {}},
        {{"--modern", "--snippet", "--csp", "--assets", "web"},
         "option --csp needs inline code, and --assets leaves none in the snippet",
         {}},
    };
    for (const Case& c : cases) {
        Parsed<PageCommandOptions> parsed = ParsePageCommandArgs(c.args);
        EXPECT_EQ(parsed.error, c.error) << c.args.back();
        if (!c.error.empty() || !parsed.value) continue;
        const ModernPageOptions& page = parsed.value->page;
        EXPECT_EQ(page.snippet, c.expected.snippet);
        EXPECT_EQ(page.target, c.expected.target);
        EXPECT_EQ(page.label, c.expected.label);
        EXPECT_EQ(page.lang, c.expected.lang);
        EXPECT_EQ(page.assetsUrl, c.expected.assetsUrl);
    }
    for (const char* option : {"--snippet", "--target SELECTOR", "--label TEXT", "--lang CODE",
                               "--assets DIR", "--assets-url URL", "--csp"})
        EXPECT_NE(PageCommandUsage().find(option), std::string::npos) << option;
}

TEST(ModernPageCommandTest, ColoursBelowFourAndAHalfWarnButTheModernPageIsWritten) {
    const std::string input = "Home\thttp://example.org/\tGo home\n";
    const std::vector<std::string> lowContrast{"--styled", "--set", "fontColor=white", "--set",
                                               "itemHighlightColor=orange"};
    struct Case {
        std::vector<std::string> flavour;
        std::vector<std::string> style;
        size_t warnings;
    };
    for (const Case& c : {Case{{"--modern"}, lowContrast, 2}, Case{{"--modern", "--snippet"}, lowContrast, 2},
                          Case{{}, lowContrast, 0}, Case{{"--modern"}, {}, 0}}) {
        TempDir dir;
        std::istringstream in(input);
        std::ostringstream out, err;
        std::vector<std::string> args = c.flavour;
        args.insert(args.end(), c.style.begin(), c.style.end());
        args.insert(args.end(), {"-o", dir / "page.htm"});
        CommandDesktop desktop(out, err);
        ASSERT_EQ(RunPageCommand(args, in, desktop), kStatusOk);
        EXPECT_FALSE(ReadBytes(dir / "page.htm").empty());
        EXPECT_EQ(CountOf(err.str(), "menulark-page: warning: The font colour white on the "), c.warnings)
            << err.str();
        EXPECT_EQ(CountOf(err.str(), "\n"), c.warnings);
    }
}

// What stands inside the tags of `page`, the text between them left out.
std::string InsideTags(const std::string& page) {
    std::string inside;
    bool inTag = false;
    for (char c : page) {
        if (c == '<' || c == '>') inTag = c == '<';
        if (inTag) inside += c;
    }
    return inside;
}

// A menu with structure: wherever an author value lands (a heading, a
// submenu's name, an emoji or an image icon, a snippet's heading ids), it
// adds no tag and no attribute, whatever it holds (a quote stays text
// between tags, where it ends nothing); and only such a page carries the
// submenus' script.
TEST(ModernPageTest, StructureKeepsEveryValueInItsPlace) {
    auto richMenu = [](const std::string& value) {
        std::vector<MenuItem> rows(6);
        rows[0] = {value, "", ""};
        rows[1].kind = EntryKind::Heading;
        rows[1].title = value;
        rows[2] = {value, value, value};
        rows[2].icon = "x";  // text, with the value's bytes that would make it an image's URL left out
        for (char c : value)
            if (c != '/' && c != '.' && c != ':') rows[2].icon += c;
        rows[3].kind = EntryKind::Separator;
        rows[4] = {value, "https://example.org/" + value, value};
        rows[4].icon = "images/" + value + ".png";
        rows[4].newTab = true;
        rows[5] = {value, "a.htm", value};
        for (size_t r = 1; r < 5; ++r) rows[r].depth = 1;
        MenuItemList list;
        for (MenuItem& row : rows) list.AppendEntry(row);
        return list;
    };
    for (bool snippet : {false, true}) {
        ModernPageOptions options;
        options.snippet = snippet;
        const std::string plain = BuildModernPage(richMenu("plain"), PageMode::Simple, {}, options);
        EXPECT_NE(plain.find("aria-haspopup=\"menu\""), std::string::npos);
        EXPECT_NE(plain.find(std::string(embedded::SubmenuJs())), std::string::npos);
        EXPECT_EQ(BuildModernPage(Items(HostileRows()), PageMode::Simple, {}, options)
                      .find(std::string(embedded::SubmenuJs()).substr(0, 40)),
                  std::string::npos);
        for (const std::string& value : HostileValues()) {
            const std::string page = BuildModernPage(richMenu(value), PageMode::Simple, {}, options);
            EXPECT_EQ(CountOf(page, "<"), CountOf(plain, "<")) << value;
            EXPECT_EQ(CountOf(page, ">"), CountOf(plain, ">")) << value;
            EXPECT_EQ(CountOf(InsideTags(page), "\""), CountOf(InsideTags(plain), "\"")) << value;
        }
    }
}

}  // namespace
}  // namespace menulark
