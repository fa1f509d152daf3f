// The checks menulark-page applies to its input: UTF-8 validity and the
// scheme of a URL as a browser reads it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "page/url_scheme.h"
#include "system/utf8_check.h"

namespace menulark {
namespace {

TEST(FirstInvalidUtf8Test, FindsTheFirstByteOfTheFirstBadSequence) {
    struct Case {
        const char* what;
        std::string text;
        std::optional<size_t> offset;
    };
    const Case cases[] = {
        {"empty", "", std::nullopt},
        {"ASCII with NUL and controls", std::string("a\0\t\x7f", 4), std::nullopt},
        {"two, three and four bytes", "\xc2\x80 \xdf\xbf \xe0\xa0\x80 \xef\xbf\xbf \xf0\x90\x80\x80",
         std::nullopt},
        {"edges of the surrogates", "\xed\x9f\xbf\xee\x80\x80", std::nullopt},
        {"U+10FFFF", "\xf4\x8f\xbf\xbf", std::nullopt},
        {"FF and FE", "a\xff\xfe", 1},
        {"stray continuation byte", "ab\x80", 2},
        {"overlong two bytes C0", "\xc0\xaf", 0},
        {"overlong two bytes C1", "x\xc1\xbf", 1},
        {"overlong three bytes", "\xe0\x9f\xbf", 0},
        {"overlong four bytes", "\xf0\x8f\xbf\xbf", 0},
        {"high surrogate", "c\xed\xa0\x80", 1},
        {"low surrogate", "\xed\xbf\xbf", 0},
        {"above U+10FFFF", "\xf4\x90\x80\x80", 0},
        {"lead byte F5", "\xf5\x80\x80\x80", 0},
        {"cut short at the end", "ok\xe2\x82", 2},
        {"cut short before ASCII", "\xf0\x9f\x98x", 0},
        {"second sequence bad", "\xc3\xa9\xc3", 2},
        {"continuation byte out of range", "\xe2\x82\xc0", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstInvalidUtf8(c.text), c.offset) << c.what;
}

TEST(UrlSchemeTest, ReadsTheSchemeAsABrowserDoes) {
    struct Case {
        std::string url;
        const char* scheme;
        bool script;
    };
    const Case cases[] = {
        {"javascript:alert(1)", "javascript", true},
        {"JavaScript:alert(1)", "javascript", true},
        {"  \x01\x1f javascript:x", "javascript", true},
        {"java\tscr\nipt\r:x", "javascript", true},
        {std::string("\0javascript:x", 13), "javascript", true},
        {"vbscript:msgbox", "vbscript", true},
        {"DATA:text/html,<script>", "data", true},
        {"http://example.org/", "http", false},
        {"view-source+x.1:y", "view-source+x.1", false},
        {"javascript.htm", "", false},
        {"java script:x", "", false},
        {"\xc2\xa0javascript:x", "", false},  // a no-break space is not skipped
        {"1javascript:x", "", false},
        {":javascript:x", "", false},
        {"/a/javascript:x", "", false},
        {"", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UrlScheme(c.url), c.scheme) << c.url;
        EXPECT_EQ(IsScriptScheme(UrlScheme(c.url)), c.script) << c.url;
    }
}

}  // namespace
}  // namespace menulark
