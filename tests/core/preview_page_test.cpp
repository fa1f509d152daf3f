// The live preview's page: which entries it shows (the one being typed
// included), links that run script disabled, the modern page whatever the
// flavour, and what the status line says of a followed link.
#include "page/preview_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/create_page.h"
#include "page/embedded_web_files.h"
#include "page/modern_page.h"

namespace menulark {
namespace {

MenuItemList ListOf(const std::vector<MenuItem>& items) {
    MenuItemList list;
    for (const MenuItem& item : items) list.AddItem(item.title, item.url, item.explanation);
    return list;
}

TEST(PreviewPageTest, ShowsTheTypedEntryOnceAndDisablesScriptLinks) {
    const MenuItem home{"Home", "https://example.org/", "Start"};
    const MenuItem script{"Print", "javascript:print()", "Prints"};
    const struct {
        const char* what;
        std::vector<MenuItem> entries;
        TypedEntry typed;
        std::vector<MenuItem> shown;
    } cases[] = {
        {"typed entry appended",
         {home},
         {"News", "https://example.org/news", "Latest"},
         {home, {"News", "https://example.org/news", "Latest"}}},
        {"a box still empty", {home}, {"News", "http://", ""}, {home}},
        {"boxes untouched", {}, {"", "http://", ""}, {}},
        {"just added: the boxes still hold it", {home}, {"Home", "https://example.org/", "Start"}, {home}},
        {"script links, listed and typed",
         {script},
         {"Data", " DaTa:text/html,<b>", "Inline"},
         {{"Print", "menulark-disabled:javascript:print()", "Prints"},
          {"Data", "menulark-disabled: DaTa:text/html,<b>", "Inline"}}},
        {"a scheme that only starts like one",
         {{"Js", "javascripts://x/", "J"}},
         {},
         {{"Js", "javascripts://x/", "J"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PreviewEntries(ListOf(c.entries), c.typed).Items(), c.shown) << c.what;
    }
}

TEST(PreviewPageTest, IsTheModernPageOfTheShownEntriesWithThePreviewScriptInItsHead) {
    PreviewContent content;
    content.menu.entries =
        ListOf({{"Home", "https://example.org/", "Start"}, {"Run", "javascript:x()", "X"}});
    content.menu.flavor = PageFlavor::Classic;  // the preview shows the modern page all the same
    content.menu.modernLabel = "Site menu";
    content.menu.modernLanguage = "de";
    content.typed = {"News", "https://example.org/news", "Latest"};
    for (bool styled : {false, true}) {
        content.menu.style.styledMode = styled;
        content.menu.style.fontColor = "navy";
        std::string page = BuildPreviewPage(content);

        std::string script = "<script>\n" + std::string(embedded::PreviewJs()) + "</script>\n";
        size_t at = page.find(script);
        ASSERT_NE(at, std::string::npos) << styled;
        EXPECT_EQ(page.compare(at + script.size(), 7, "</head>"), 0) << styled;
        ModernPageOptions options;
        options.label = "Site menu";
        options.lang = "de";
        std::string modern = BuildModernPage(PreviewEntries(content.menu.entries, content.typed),
                                             PageModeOf(content.menu.style), content.menu.style, options);
        EXPECT_EQ(page.erase(at, script.size()), modern) << styled;
        EXPECT_NE(page.find(">News</a>"), std::string::npos);
        EXPECT_EQ(page.find("href=\"javascript:"), std::string::npos);
    }
}

TEST(PreviewPageTest, StatusLineNamesTheLinkAndWhyAScriptLinkDoesNotRun) {
    EXPECT_EQ(PreviewLinkNote("https://example.org/a?b=1"), "https://example.org/a?b=1");
    EXPECT_EQ(PreviewLinkNote("menulark-disabled:javascript:print()"),
              "javascript:print() (a link that runs script: not run in the preview)");
}

}  // namespace
}  // namespace menulark
