#include "page/modern_page.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "page/modern_menu_script.h"
#include "page/web_escape.h"

namespace menulark {
namespace {

// In the style sheets below "&" stands for the menu's own selector: "#menu"
// on the page, the snippet's prefixed class in a snippet.

// What both looks share: a fixed box never larger than the visible area
// (the script sets the two limits when it opens), scrolling inside, and
// rows at least 24 px tall that grow with their text. Closed, it keeps its
// layout: content-visibility skips its entries (no painting, no focus, not
// in the accessibility tree) without discarding them, and the empty box
// waits off screen. Opening a long menu then lays nothing out anew, where
// display or visibility would restyle every entry.
constexpr std::string_view kBaseCss =
    R"(& { position: fixed; left: 0; top: 0; z-index: 2147483647; box-sizing: border-box; margin: 0; max-width: var(--mlk-max-width, 100vw); max-height: var(--mlk-max-height, 100vh); overflow-x: hidden; overflow-y: auto; overscroll-behavior: contain; text-align: start; cursor: default; user-select: none; -webkit-user-select: none; -webkit-touch-callout: none; }
&[hidden] { display: block; content-visibility: hidden; opacity: 0; transform: translateX(-200vw); }
&:focus { outline: none; }
& a { display: block; box-sizing: border-box; min-height: 24px; color: inherit; text-decoration: none; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
& a:focus { outline: none; }
)";

// The simple look: a light menu of 30 px rows with a soft shadow, a subtle
// tint on the active row and a ring while the keyboard leads; dark when the
// reader's system is. Every text colour here keeps at least 4.5:1 against
// the background it stands on.
constexpr std::string_view kSimpleLookCss =
    R"(& { min-width: 180px; max-width: min(320px, var(--mlk-max-width, 100vw)); padding: 4px; background-color: #ffffff; color: #1b1b1f; font-family: system-ui, "Segoe UI", Roboto, sans-serif; font-size: 14px; font-weight: 400; line-height: 20px; border: 1px solid rgba(0, 0, 0, 0.16); border-radius: 8px; box-shadow: 0 8px 24px rgba(0, 0, 0, 0.14), 0 2px 6px rgba(0, 0, 0, 0.1); color-scheme: light; }
& a { padding: 5px 12px; border-radius: 4px; }
& a:focus { background-color: #e4ebf6; }
&[data-keys] a:focus { outline: 2px solid #1f5fbf; outline-offset: -2px; }
@media (prefers-color-scheme: dark) {
& { background-color: #2b2c30; color: #ececf1; border-color: rgba(255, 255, 255, 0.16); box-shadow: 0 8px 24px rgba(0, 0, 0, 0.5), 0 2px 6px rgba(0, 0, 0, 0.3); color-scheme: dark; }
& a:focus { background-color: #3e4553; }
&[data-keys] a:focus { outline-color: #8fb8ff; }
}
@media (pointer: coarse) {
& a { min-height: 44px; padding-top: 12px; padding-bottom: 12px; }
}
)";

// The styled look's rows: the author's font, centred in at least 24 px
// (44 px on touch screens), the ring in the author's text colour.
constexpr std::string_view kStyledRowsCss =
    R"(& a { padding: max(0.3em, calc(12px - 0.625em)) 0.5em; line-height: 1.25; }
&[data-keys] a:focus { outline: 2px solid currentColor; outline-offset: -2px; }
@media (pointer: coarse) {
& a { min-height: 44px; padding-top: max(0.3em, calc(22px - 0.625em)); padding-bottom: max(0.3em, calc(22px - 0.625em)); }
}
)";

// Forced colours (high contrast themes): the system's own highlight pair and
// a ring, whatever the look.
constexpr std::string_view kForcedColorsCss = R"(@media (forced-colors: active) {
& { border: 1px solid CanvasText; }
& a:focus, &[data-keys] a:focus { forced-color-adjust: none; background-color: Highlight; color: HighlightText; outline: 2px solid CanvasText; outline-offset: -2px; }
}
)";

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

// Appends `css` with every "&" replaced by `selector`.
void AppendRules(std::string& out, std::string_view css, std::string_view selector) {
    for (char c : css) {
        if (c == '&')
            out += selector;
        else
            out += c;
    }
}

// Appends " property: value;" unless the value is empty: an empty style
// value leaves its property to the browser.
void AppendDeclaration(std::string& css, std::string_view property, const std::string& value) {
    if (value.empty()) return;
    css += ' ';
    css += property;
    css += ": ";
    css += value;
    css += ';';
}

// "window-inset" is in the border style list but current browsers know only
// its plain form.
std::string BorderStyleValue(const std::string& value) {
    if (value == "window-inset") return "inset";
    return EscapeCssValue(value);
}

// The author's values. The border goes around the menu, not around every
// entry. Without scroll-bar colours the height is the least the menu takes:
// it grows with its entries instead of letting them stand out of it.
std::string StyledLookCss(const StyleSettings& s) {
    std::string css = "& {";
    AppendDeclaration(css, "width", CssLength(s.width));
    AppendDeclaration(css, s.scrollbarColors ? "height" : "min-height", CssLength(s.height));
    AppendDeclaration(css, "background-color", EscapeCssValue(s.backgroundColor));
    AppendDeclaration(css, "color", EscapeCssValue(s.fontColor));
    AppendDeclaration(css, "font-weight", EscapeCssValue(s.fontWeight));
    AppendDeclaration(css, "font-size", CssLength(s.fontSize));
    AppendDeclaration(css, "font-family", CssFontFamilyList(s.fontFamily, "sans-serif"));
    AppendDeclaration(css, "border-width", CssLength(s.borderSize));
    AppendDeclaration(css, "border-style", BorderStyleValue(s.borderStyle));
    AppendDeclaration(css, "border-color", EscapeCssValue(s.borderColor));
    // Current browsers colour a scroll bar's thumb and track only; the 3D
    // light and shadow colours have no counterpart.
    if (s.scrollbarColors && !s.scrollbarArrowColor.empty() && !s.scrollbarHighlightColor.empty()) {
        AppendDeclaration(
            css, "scrollbar-color",
            EscapeCssValue(s.scrollbarArrowColor) + " " + EscapeCssValue(s.scrollbarHighlightColor));
    }
    css += " }\n& a:focus {";
    AppendDeclaration(css, "background-color", EscapeCssValue(s.itemHighlightColor));
    css += " }\n";
    css += kStyledRowsCss;
    return css;
}

void AppendStyleSheet(std::string& out, PageMode mode, const StyleSettings& style, std::string_view selector) {
    AppendRules(out, kBaseCss, selector);
    if (mode == PageMode::Styled)
        AppendRules(out, StyledLookCss(style), selector);
    else
        AppendRules(out, kSimpleLookCss, selector);
    AppendRules(out, kForcedColorsCss, selector);
}

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
    for (const MenuItem& item : items) bytes += 64 + item.title.size() + item.url.size() + item.explanation.size();
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

std::string BuildModernPage(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                            const ModernPageOptions& options) {
    std::string page;
    page.reserve(8192 + EntryBytes(items));
    if (options.snippet) {
        const std::string prefix = SnippetPrefix(items, mode, style, options);
        page += "<style>\n";
        AppendStyleSheet(page, mode, style, "." + prefix);
        page += "</style>\n<div class=\"" + prefix + "\" role=\"menu\" aria-label=\"";
        page += EscapeHtmlAttribute(options.label);
        page += "\" lang=\"";
        page += EscapeHtmlAttribute(options.lang);
        page += "\" tabindex=\"-1\" aria-hidden=\"true\" data-target=\"";
        page += EscapeHtmlAttribute(options.target);
        page += "\" hidden>\n";
        AppendEntriesAndScript(page, items);
        page += "</script>\n";
        return page;
    }
    page += kPageHeadStart;
    page += EscapeHtmlAttribute(options.lang);
    page += kPageHeadEnd;
    AppendStyleSheet(page, mode, style, "#menu");
    page += kPageBodyStart;
    page += EscapeHtmlAttribute(options.label);
    page += "\" tabindex=\"-1\" aria-hidden=\"true\" hidden>\n";
    AppendEntriesAndScript(page, items);
    page += kPageEnd;
    return page;
}

}  // namespace menulark
