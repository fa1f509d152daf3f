#include "page/modern_page.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

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

// An entry's icon, before its title: text the reader's screen reader skips
// (the title names the entry), or an image with an empty alt.
void AppendIcon(std::string& page, const std::string& icon) {
    if (icon.empty()) return;
    if (IsImageIcon(icon)) {
        page += "<img src=\"";
        page += EscapeHtmlAttribute(icon);
        page += "\" alt=\"\">";
    } else {
        page += "<span aria-hidden=\"true\">";
        page += EscapeHtmlText(icon);
        page += "</span>";
    }
}

// One entry. A flat menu's entries carry nothing more than href, title and
// the role; the rest only comes with what the entry uses.
void AppendEntry(std::string& page, const MenuItem& item, bool parent = false) {
    page += "<a";
    if (!parent || !item.url.empty()) {
        page += " href=\"";
        page += EscapeHtmlAttribute(item.url);
        page += "\"";
    }
    if (!parent || !item.explanation.empty()) {
        page += " title=\"";
        page += EscapeHtmlAttribute(item.explanation);
        page += "\"";
    }
    page += " role=\"menuitem\" tabindex=\"-1\" dir=\"auto\"";
    if (item.newTab) page += " target=\"_blank\" rel=\"noopener\"";
    if (parent) page += " aria-haspopup=\"menu\" aria-expanded=\"false\"";
    page += ">";
    AppendIcon(page, item.icon);
    page += EscapeHtmlText(item.title);
    page += "</a>\n";
}

// Writes the rows from `r` that belong to one level (`depth`) and returns
// the first row after them. A heading opens a group labelled by it, up to
// the next separator or heading; a link with deeper rows after it is a
// parent whose submenu follows it, inside an element of no role of its own.
size_t AppendLevel(std::string& page, const std::vector<MenuItem>& rows, size_t r, int depth,
                   const std::string& idBase, int& headings) {
    bool inGroup = false;
    auto endGroup = [&] {
        if (inGroup) page += "</div>\n";
        inGroup = false;
    };
    while (r < rows.size() && rows[r].depth >= depth) {
        const MenuItem& item = rows[r];
        if (item.kind == EntryKind::Separator) {
            endGroup();
            page += "<div role=\"separator\"></div>\n";
            ++r;
        } else if (item.kind == EntryKind::Heading) {
            endGroup();
            const std::string id = EscapeHtmlAttribute(idBase + "-heading-" + std::to_string(++headings));
            page += "<div role=\"group\" aria-labelledby=\"" + id + "\">\n<div id=\"" + id +
                    "\" role=\"presentation\" dir=\"auto\">";
            page += EscapeHtmlText(item.title);
            page += "</div>\n";
            inGroup = true;
            ++r;
        } else if (r + 1 < rows.size() && rows[r + 1].depth > item.depth) {
            page += "<div role=\"none\">\n";
            AppendEntry(page, item, true);
            page += "<div role=\"menu\" aria-label=\"";
            page += EscapeHtmlAttribute(item.title);
            page += "\" tabindex=\"-1\" hidden>\n";
            r = AppendLevel(page, rows, r + 1, item.depth + 1, idBase, headings);
            page += "</div>\n</div>\n";
        } else {
            AppendEntry(page, item);
            ++r;
        }
    }
    endGroup();
    return r;
}

bool IsRichMenu(const MenuItemList& items) {
    return std::any_of(items.begin(), items.end(), [](const MenuItem& item) { return item.IsRich(); });
}

// The entries and the end of the menu element. `idBase` keeps the ids of
// headings apart from those of the host page.
void AppendEntries(std::string& page, const MenuItemList& items, const std::string& idBase) {
    if (IsRichMenu(items)) {
        std::vector<MenuItem> rows = items.Items();
        NormalizeDepths(rows);
        int headings = 0;
        AppendLevel(page, rows, 0, 0, idBase, headings);
    } else {
        for (const MenuItem& item : items) AppendEntry(page, item);
    }
    page += "</div>\n";
}

void AppendEntriesAndScript(std::string& page, const MenuItemList& items, const std::string& idBase) {
    AppendEntries(page, items, idBase);
    page += "<script>\n";
    page += ModernMenuScript(IsRichMenu(items));
}

size_t EntryBytes(const MenuItemList& items) {
    size_t bytes = 0;
    for (const MenuItem& item : items)
        bytes += 64 + item.title.size() + item.url.size() + item.explanation.size() + item.icon.size();
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
        if (item.IsRich()) {  // a flat menu keeps the prefix it always had
            digest.Add(std::to_string(static_cast<int>(item.kind)) + (item.newTab ? "+" : "-") +
                       std::to_string(item.depth));
            digest.Add(item.icon);
        }
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(digest.Value()));
    return std::string("mlk-") + hex;
}

std::vector<SnippetFile> SnippetFiles(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                                      const ModernPageOptions& options) {
    const std::string prefix = SnippetPrefix(items, mode, style, options);
    const bool rich = IsRichMenu(items);
    return {{prefix + ".css", ModernMenuStyleSheet(mode, style, "." + prefix, rich)},
            {prefix + ".js", std::string(ModernMenuScript(rich))}};
}

std::string JoinedPath(const std::string& base, const std::string& name) {
    if (base.empty() || base.back() == '/' || base.back() == '\\') return base + name;
    return base + "/" + name;
}

std::string BuildModernPage(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                            const ModernPageOptions& options) {
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
            page += ModernMenuStyleSheet(mode, style, "." + prefix, IsRichMenu(items));
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
            AppendEntries(page, items, prefix);
            page += "<script src=\"";
            page += EscapeHtmlAttribute(JoinedPath(options.assetsUrl, prefix + ".js"));
            page += "\"></script>\n";
            return page;
        }
        AppendEntriesAndScript(page, items, prefix);
        page += "</script>\n";
        return page;
    }
    page += kPageHeadStart;
    page += EscapeHtmlAttribute(options.lang);
    page += kPageHeadEnd;
    page += ModernMenuStyleSheet(mode, style, "#menu", IsRichMenu(items));
    page += kPageBodyStart;
    page += EscapeHtmlAttribute(options.label);
    page += "\" tabindex=\"-1\" aria-hidden=\"true\" hidden>\n";
    AppendEntriesAndScript(page, items, "menu");
    page += kPageEnd;
    return page;
}

}  // namespace menulark
