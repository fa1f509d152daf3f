#include "page/modern_page.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "page/modern_menu_assets.h"
#include "page/web_escape.h"

namespace menulark {
namespace {

constexpr std::string_view kPageHeadStart = R"(<!DOCTYPE html>
<html lang=")";

constexpr std::string_view kPageHeadEnd = R"(">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Right-click menu</title>
<style>
html { min-height: 100%; }
)";

constexpr std::string_view kPageBodyStart = R"(</style>
</head>
<body>
<p>Right-click on the body. On a touch screen, press and hold.</p>
<div id="menu" role="menu" aria-label=")";

constexpr std::string_view kPageEnd = R"(</script>
</body>
</html>
)";

void AppendEntry(std::string& page, const MenuItem& item) {
    page += "<a href=\"";
    page += EscapeHtmlAttribute(item.url);
    page += "\" title=\"";
    page += EscapeHtmlAttribute(item.explanation);
    page += "\" role=\"menuitem\" tabindex=\"-1\" dir=\"auto\">";
    page += EscapeHtmlText(item.title);
    page += "</a>\n";
}

void AppendEntriesAndScript(std::string& page, const MenuItemList& items) {
    for (const MenuItem& item : items) AppendEntry(page, item);
    page += "</div>\n<script>\n";
    page += ModernMenuScript();
}

size_t EntryBytes(const MenuItemList& items) {
    size_t bytes = 0;
    for (const MenuItem& item : items)
        bytes += 64 + item.title.size() + item.url.size() + item.explanation.size();
    return bytes;
}

// FNV-1a, 32 bits: a short, stable digest, not a secret.
class Digest {
public:
    void Add(std::string_view text) {
        for (char c : text) {
            m_hash ^= static_cast<unsigned char>(c);
            m_hash *= 16777619u;
        }
        m_hash ^= 0x1fu;  // keeps "ab","c" apart from "a","bc"
        m_hash *= 16777619u;
    }
    std::uint32_t Value() const { return m_hash; }

private:
    std::uint32_t m_hash = 2166136261u;
};

}  // namespace

std::string SnippetPrefix(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                          const ModernPageOptions& options) {
    Digest digest;
    digest.Add(mode == PageMode::Styled ? "styled" : "simple");
    if (mode == PageMode::Styled) {
        for (const StyleField& field : StyleFields()) digest.Add(style.*field.member);
        digest.Add(style.scrollbarColors ? "scroll-bar colours" : "plain");
    }
    digest.Add(options.label);
    digest.Add(options.lang);
    digest.Add(options.target);
    for (const MenuItem& item : items) {
        digest.Add(item.title);
        digest.Add(item.url);
        digest.Add(item.explanation);
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(digest.Value()));
    return std::string("mlk-") + hex;
}

std::vector<SnippetFile> SnippetFiles(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                                      const ModernPageOptions& options) {
    const std::string prefix = SnippetPrefix(items, mode, style, options);
    return {{prefix + ".css", ModernMenuStyleSheet(mode, style, "." + prefix)},
            {prefix + ".js", std::string(ModernMenuScript())}};
}

std::string JoinedPath(const std::string& base, const std::string& name) {
    if (base.empty() || base.back() == '/' || base.back() == '\\') return base + name;
    return base + "/" + name;
}

std::string BuildModernPage(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                            const ModernPageOptions& options) {
    // Separators, headings, submenus, new tabs and icons are not shown here
    // yet: such a menu gives the page of its links in order, as the classic
    // page does, and the command and the window say so.
    if (std::any_of(items.begin(), items.end(), [](const MenuItem& i) { return i.IsRich(); }))
        return BuildModernPage(FlattenForClassicPage(items), mode, style, options);
    std::string page;
    page.reserve(8192 + EntryBytes(items));
    if (options.snippet) {
        const std::string prefix = SnippetPrefix(items, mode, style, options);
        const bool files = !options.assetsUrl.empty();
        if (files) {
            page += "<link rel=\"stylesheet\" href=\"";
            page += EscapeHtmlAttribute(JoinedPath(options.assetsUrl, prefix + ".css"));
            page += "\">\n";
        } else {
            page += "<style>\n";
            page += ModernMenuStyleSheet(mode, style, "." + prefix);
            page += "</style>\n";
        }
        page += "<div class=\"" + prefix + "\" role=\"menu\" aria-label=\"";
        page += EscapeHtmlAttribute(options.label);
        page += "\" lang=\"";
        page += EscapeHtmlAttribute(options.lang);
        page += "\" tabindex=\"-1\" aria-hidden=\"true\" data-target=\"";
        page += EscapeHtmlAttribute(options.target);
        page += "\" hidden>\n";
        if (files) {
            for (const MenuItem& item : items) AppendEntry(page, item);
            page += "</div>\n<script src=\"";
            page += EscapeHtmlAttribute(JoinedPath(options.assetsUrl, prefix + ".js"));
            page += "\"></script>\n";
            return page;
        }
        AppendEntriesAndScript(page, items);
        page += "</script>\n";
        return page;
    }
    page += kPageHeadStart;
    page += EscapeHtmlAttribute(options.lang);
    page += kPageHeadEnd;
    page += ModernMenuStyleSheet(mode, style, "#menu");
    page += kPageBodyStart;
    page += EscapeHtmlAttribute(options.label);
    page += "\" tabindex=\"-1\" aria-hidden=\"true\" hidden>\n";
    AppendEntriesAndScript(page, items);
    page += kPageEnd;
    return page;
}

}  // namespace menulark
