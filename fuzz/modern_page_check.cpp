#include "fuzz/modern_page_check.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "page/modern_page.h"

namespace menulark::fuzz {
namespace {

// The page's own parts, taken from a page with one plain entry and the
// default style: what comes before the style sheet, between it and the
// first entry, and after the entries.
struct FixedParts {
    std::string head;
    std::string bodyOpen;
    std::string tail;
    std::string css;  // the style sheet of that page, to compare rules with
    size_t openBrackets = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\n' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

size_t CountOf(std::string_view haystack, std::string_view needle) {
    size_t count = 0;
    for (size_t at = haystack.find(needle); at != std::string_view::npos; at = haystack.find(needle, at + 1))
        ++count;
    return count;
}

// Occurrences of the tag opening `needle` ("<" and lower-case letters) in
// `haystack`, in any case.
size_t CountOfIgnoringCase(std::string_view haystack, std::string_view needle) {
    size_t count = 0;
    for (size_t at = haystack.find('<'); at != std::string_view::npos; at = haystack.find('<', at + 1)) {
        if (haystack.size() - at < needle.size()) break;
        size_t i = 1;
        while (i < needle.size() && std::tolower(static_cast<unsigned char>(haystack[at + i])) == needle[i])
            ++i;
        if (i == needle.size()) ++count;
    }
    return count;
}

const FixedParts& Fixed(PageMode mode, bool scrollbarColors) {
    static std::optional<FixedParts> cache[2][2];
    std::optional<FixedParts>& slot = cache[mode == PageMode::Styled][scrollbarColors];
    if (slot) return *slot;

    MenuItemList one;
    one.AddItem("t", "u", "e");
    StyleSettings defaults;
    defaults.scrollbarColors = scrollbarColors;
    const std::string page = BuildModernPage(one, mode, defaults);
    const size_t styleOpen = page.find("<style>");
    const size_t styleClose = page.find("</style>");
    const size_t entryStart = page.find("<a ", styleClose);
    const size_t entryEnd = page.find("</a>", entryStart);
    Require(styleOpen != std::string::npos && styleClose != std::string::npos &&
                entryStart != std::string::npos && entryEnd != std::string::npos,
            "the modern page of one plain entry has no style sheet or no link");

    FixedParts parts;
    parts.head = page.substr(0, styleOpen + 7);
    parts.css = page.substr(styleOpen + 7, styleClose - styleOpen - 7);
    parts.bodyOpen = page.substr(styleClose, entryStart - styleClose);
    std::string_view tail = std::string_view(page).substr(entryEnd + 4);
    while (!tail.empty() && IsBlank(tail.front())) tail.remove_prefix(1);  // what separates the entries
    parts.tail = std::string(tail);
    parts.openBrackets = CountOf(page, "<");
    slot = parts;
    return *slot;
}

// --- HTML ---------------------------------------------------------------

// Reads a character reference at `text[at]` ('&'); nullopt when there is none.
std::optional<std::string> ReadReference(std::string_view text, size_t& at) {
    size_t semicolon = text.find(';', at);
    if (semicolon == std::string_view::npos || semicolon - at > 10) return std::nullopt;
    std::string_view name = text.substr(at + 1, semicolon - at - 1);
    static const std::map<std::string_view, char> kNamed{
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    if (auto named = kNamed.find(name); named != kNamed.end()) {
        out = named->second;
    } else if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty()) return std::nullopt;
        unsigned long code = 0;
        for (char c : digits) {
            if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
                      : std::isdigit(static_cast<unsigned char>(c))))
                return std::nullopt;
            code = code * (hex ? 16 : 10) +
                   static_cast<unsigned long>(std::isdigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
        }
        if (code > 0x7f) return std::nullopt;  // the escaping only ever writes ASCII references
        out = static_cast<char>(code);
    } else {
        return std::nullopt;
    }
    at = semicolon + 1;
    return out;
}

// Decodes the references of `text`; every & must start one, and none of
// `forbidden` may stand raw.
std::string DecodeHtml(std::string_view text, std::string_view forbidden, std::string_view where) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        char c = text[at];
        if (forbidden.find(c) != std::string_view::npos)
            Fail(std::string(where) + ": raw \"" + Printable(std::string_view(&c, 1)) + "\" in " +
                 Printable(text));
        if (c != '&') {
            out += c;
            ++at;
            continue;
        }
        std::optional<std::string> decoded = ReadReference(text, at);
        if (!decoded) Fail(std::string(where) + ": a raw & that starts no reference in " + Printable(text));
        out += *decoded;
    }
    return out;
}

struct Link {
    std::map<std::string, std::string> attributes;  // raw values, as written
    std::string text;
};

// Reads one <a ...>text</a> at `at`, which it moves past the link.
Link ReadLink(std::string_view html, size_t& at) {
    if (html.substr(at, 2) != "<a") Fail("an entry is not a link: " + Printable(html.substr(at, 60)));
    at += 2;
    Link link;
    while (true) {
        if (at >= html.size()) Fail("a link's start tag never closes");
        if (IsBlank(html[at])) {
            ++at;
            continue;
        }
        if (html[at] == '>') {
            ++at;
            break;
        }
        size_t nameEnd = at;
        while (nameEnd < html.size() &&
               (std::isalpha(static_cast<unsigned char>(html[nameEnd])) || html[nameEnd] == '-'))
            ++nameEnd;
        std::string name(html.substr(at, nameEnd - at));
        if (name.empty() || html.substr(nameEnd, 2) != "=\"")
            Fail("a link's start tag holds something other than name=\"value\": " +
                 Printable(html.substr(at, 60)));
        size_t valueEnd = html.find('"', nameEnd + 2);
        if (valueEnd == std::string_view::npos) Fail("an attribute value never closes");
        if (!link.attributes.emplace(name, std::string(html.substr(nameEnd + 2, valueEnd - nameEnd - 2)))
                 .second)
            Fail("attribute " + name + " stands twice in a link");
        at = valueEnd + 1;
        if (at < html.size() && !IsBlank(html[at]) && html[at] != '>')
            Fail("an attribute value ends early: " + Printable(html.substr(valueEnd, 60)));
    }
    size_t textEnd = html.find('<', at);
    if (textEnd == std::string_view::npos || html.substr(textEnd, 4) != "</a>")
        Fail("a link's text is followed by something other than </a>: " +
             Printable(html.substr(at, textEnd == std::string_view::npos ? 60 : textEnd - at + 20)));
    link.text = std::string(html.substr(at, textEnd - at));
    at = textEnd + 4;
    return link;
}

void CheckLinks(std::string_view region, const MenuItemList& items) {
    size_t at = 0;
    for (const MenuItem& item : items.Items()) {
        while (at < region.size() && IsBlank(region[at])) ++at;
        Link link = ReadLink(region, at);
        auto value = [&](const char* name) -> std::string {
            auto found = link.attributes.find(name);
            if (found == link.attributes.end()) Fail(std::string("a link has no ") + name + " attribute");
            return DecodeHtml(found->second, "<>\"'\t\n\r", std::string(name) + " attribute");
        };
        RequireEqual(item.url, value("href"), "a link's href does not read back as the entry's URL");
        RequireEqual(item.explanation, value("title"),
                     "a link's title does not read back as the explanation");
        RequireEqual("menuitem", value("role"), "a link is not a menu item");
        for (const auto& attribute : link.attributes)
            DecodeHtml(attribute.second, "<>\"'\t\n\r", attribute.first);
        RequireEqual(item.title, DecodeHtml(link.text, "<>", "link text"),
                     "a link's text does not read back as the entry's title");
    }
    Require(Trim(region.substr(std::min(at, region.size()))).empty(),
            "the menu holds more than its entries: " + Printable(region.substr(at, 80)));
}

// --- CSS ----------------------------------------------------------------

struct Declaration {
    std::string property;
    std::string value;  // as written
};

struct Rule {
    std::string selector;
    std::vector<Declaration> declarations;
};

bool IsHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Bytes that may stand raw in a declaration value outside a string; anything
// else has to be escaped.
bool IsPlainValueByte(unsigned char c) {
    return c >= 0x80 || std::isalnum(c) ||
           std::string_view(" #.,%+-_*()").find(static_cast<char>(c)) != std::string_view::npos;
}

// Reads a CSS escape at `css[at]` ('\'); returns the byte it stands for.
char ReadCssEscape(std::string_view css, size_t& at) {
    ++at;
    if (at >= css.size() || css[at] == '\n') Fail("a CSS escape at the end of a line or of the style sheet");
    if (!IsHex(css[at])) return css[at++];
    unsigned long code = 0;
    size_t digits = 0;
    while (at < css.size() && digits < 6 && IsHex(css[at])) {
        const char d = css[at];
        code = code * 16 + static_cast<unsigned long>(d <= '9' ? d - '0' : (d | 0x20) - 'a' + 10);
        ++at;
        ++digits;
    }
    if (at < css.size() && IsBlank(css[at])) ++at;
    if (code > 0xff) Fail("a CSS escape beyond one byte");
    return static_cast<char>(code);
}

// Splits the style sheet into rules, failing on anything that could end a
// value, a declaration or a rule early, open a comment, or fetch something.
std::vector<Rule> ParseCss(std::string_view css) {
    std::vector<Rule> rules;
    size_t at = 0;
    std::string group;  // the open @media block's condition, which prefixes its rules' selectors
    while (true) {
        size_t open = css.find('{', at);
        size_t groupEnd = group.empty() ? std::string_view::npos : css.find('}', at);
        if (groupEnd != std::string_view::npos && (open == std::string_view::npos || groupEnd < open)) {
            Require(Trim(css.substr(at, groupEnd - at)).empty(),
                    "text before the end of a media block: " + Printable(css.substr(at, 80)));
            group.clear();
            at = groupEnd + 1;
            continue;
        }
        if (open == std::string_view::npos) {
            Require(group.empty(), "a media block never closes");
            Require(Trim(css.substr(at)).empty(),
                    "text after the last CSS rule: " + Printable(css.substr(at, 80)));
            return rules;
        }
        std::string selector(Trim(css.substr(at, open - at)));
        at = open + 1;
        if (selector.rfind("@media ", 0) == 0) {
            // Only the page's own conditions open a block; the comparison with
            // the page's own rules below checks that.
            Require(group.empty(), "a media block inside a media block");
            group = selector;
            continue;
        }
        Rule rule;
        rule.selector = group.empty() ? selector : group + " " + selector;
        std::string raw;        // the declaration as written
        std::string unescaped;  // as the browser tokenises it; escaped syntax as an inert letter
        auto finish = [&] {
            std::string_view whole = Trim(raw);
            if (whole.empty()) return;
            size_t colon = unescaped.find(':');
            if (colon == std::string::npos) Fail("a CSS declaration without a colon: " + Printable(raw));
            // The property name has no escapes (it is the page's own text).
            std::string property(Trim(std::string_view(raw).substr(0, raw.find(':'))));
            for (char c : property)
                if (!(std::islower(static_cast<unsigned char>(c)) || c == '-'))
                    Fail("a CSS property name that is not the page's own: " + Printable(property));
            std::string_view value = std::string_view(unescaped).substr(colon + 1);
            if (value.find(':') != std::string_view::npos)
                Fail("a raw colon in a CSS value: " + Printable(raw));
            int depth = 0;
            for (size_t i = 0; i < value.size(); ++i) {
                if (value[i] == '(') {
                    ++depth;
                    size_t start = i;
                    while (start > 0 && (std::isalnum(static_cast<unsigned char>(value[start - 1])) ||
                                         value[start - 1] == '-' || value[start - 1] == '_'))
                        --start;
                    if (Lower(value.substr(start, i - start)) == "url")
                        Fail("a CSS value calls url(): " + Printable(raw));
                }
                if (value[i] == ')' && --depth < 0)
                    Fail("a CSS value closes a bracket it never opened: " + Printable(raw));
            }
            if (depth != 0) Fail("a CSS value leaves a bracket open: " + Printable(raw));
            rule.declarations.push_back(
                {property, std::string(Trim(std::string_view(raw).substr(raw.find(':') + 1)))});
        };
        while (true) {
            if (at >= css.size()) Fail("a CSS rule never closes");
            unsigned char c = static_cast<unsigned char>(css[at]);
            if (c == '}') {
                finish();
                ++at;
                break;
            }
            if (c == ';') {
                finish();
                raw.clear();
                unescaped.clear();
                ++at;
                continue;
            }
            size_t from = at;
            if (c == '\\') {
                // An escaped byte is part of a word, never syntax; escaped
                // letters still spell the word (u\72 l( calls url()).
                const unsigned char byte = static_cast<unsigned char>(ReadCssEscape(css, at));
                unescaped += std::isalnum(byte) || byte == '-' || byte == '_' ? static_cast<char>(byte) : 'x';
            } else if (c == '"') {
                ++at;
                while (true) {
                    if (at >= css.size()) Fail("a CSS string never closes");
                    char s = css[at];
                    if (s == '"') break;
                    if (s == '\\') {
                        ReadCssEscape(css, at);
                        continue;
                    }
                    if (s == '\n' || s == '\r' || s == '<' || s == '>')
                        Fail("a raw line end or angle bracket in a CSS string: " +
                             Printable(css.substr(from, 80)));
                    ++at;
                }
                ++at;
                unescaped += "\"\"";
            } else if (c == ':' || IsPlainValueByte(c)) {
                unescaped += static_cast<char>(c);
                ++at;
            } else {
                Fail("a raw \"" + Printable(css.substr(at, 1)) +
                     "\" inside a CSS rule: " + Printable(css.substr(from > 40 ? from - 40 : 0, 80)));
            }
            raw += css.substr(from, at - from);
        }
        rules.push_back(std::move(rule));
    }
}

std::string DecodeCssValue(std::string_view value) {
    std::string out;
    size_t at = 0;
    while (at < value.size()) {
        if (value[at] == '\\')
            out += ReadCssEscape(value, at);
        else
            out += value[at++];
    }
    return out;
}

std::string TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

// The styled look's colours must come through as typed: `selector` holds
// `property` exactly when the value is not blank, and it decodes to the value.
void CheckColour(const std::vector<Rule>& rules, std::string_view selector, std::string_view property,
                 const std::string& typed) {
    const Declaration* found = nullptr;
    for (const Rule& rule : rules) {
        if (rule.selector != selector) continue;
        for (const Declaration& declaration : rule.declarations) {
            if (declaration.property != property) continue;
            if (found) Fail(std::string(selector) + " sets " + std::string(property) + " twice");
            found = &declaration;
        }
    }
    const std::string what = std::string(selector) + " { " + std::string(property) + " }";
    if (typed.empty()) {
        Require(!found, what + " is set although its value is empty");
        return;
    }
    if (!found) Fail(what + " is missing although the value is " + Printable(typed));
    RequireEqual(TrimSpaces(typed), TrimSpaces(DecodeCssValue(found->value)),
                 what + " does not read back as typed");
}

void CheckCss(std::string_view css, const FixedParts& fixed, PageMode mode, const StyleSettings& style) {
    const std::vector<Rule> rules = ParseCss(css);
    static std::map<const FixedParts*, std::vector<Rule>> ownRules;  // the page's own rules, parsed once
    auto cached = ownRules.find(&fixed);
    if (cached == ownRules.end()) cached = ownRules.emplace(&fixed, ParseCss(fixed.css)).first;
    const std::vector<Rule>& own = cached->second;
    Require(rules.size() == own.size(), "the style sheet has " + std::to_string(rules.size()) +
                                            " rules instead of " + std::to_string(own.size()));
    for (size_t i = 0; i < rules.size(); ++i) {
        RequireEqual(own[i].selector, rules[i].selector, "a CSS rule has another selector");
        for (const Declaration& declaration : rules[i].declarations) {
            bool known =
                std::any_of(own[i].declarations.begin(), own[i].declarations.end(),
                            [&](const Declaration& d) { return d.property == declaration.property; });
            Require(known, "rule " + rules[i].selector + " sets " + declaration.property +
                               ", which the page's own rule does not");
        }
    }
    if (mode != PageMode::Styled) return;
    CheckColour(rules, "#menu", "background-color", style.backgroundColor);
    CheckColour(rules, "#menu", "color", style.fontColor);
    CheckColour(rules, "#menu", "border-color", style.borderColor);
    CheckColour(rules, "#menu a", "border-color", "");  // the border goes around the menu only
    CheckColour(rules, "#menu a:focus", "background-color", style.itemHighlightColor);
}

}  // namespace

void CheckModernPage(const std::string& page, const MenuItemList& items, PageMode mode,
                     const StyleSettings& style) {
    const FixedParts& fixed = Fixed(mode, style.scrollbarColors);
    const std::string_view html(page);
    const std::string what = mode == PageMode::Styled ? "modern styled page" : "modern simple page";

    Require(html.substr(0, fixed.head.size()) == fixed.head,
            what + ": the head before the style sheet differs");
    Require(html.size() >= fixed.head.size() + fixed.tail.size() &&
                html.substr(html.size() - fixed.tail.size()) == fixed.tail,
            what + ": the end of the page (script included) differs");
    const size_t styleClose = html.find("</style>", fixed.head.size());
    Require(styleClose != std::string_view::npos, what + ": the style sheet never closes");
    Require(html.substr(styleClose, fixed.bodyOpen.size()) == fixed.bodyOpen,
            what + ": the text between the style sheet and the entries differs");

    // Only the entries add tags: two per link.
    const size_t rows = items.Items().size();
    Require(CountOf(html, "<") + 2 == fixed.openBrackets + 2 * rows,
            what + ": the values added or removed a tag");
    for (std::string_view tag : {"<script", "</script", "<style", "</style"})
        Require(CountOfIgnoringCase(html, tag) == 1,
                what + ": " + std::string(tag) + " does not stand exactly once");

    const size_t entriesStart = styleClose + fixed.bodyOpen.size();
    const size_t entriesEnd = html.size() - fixed.tail.size();
    Require(entriesStart <= entriesEnd, what + ": the menu overlaps the end of the page");
    CheckLinks(html.substr(entriesStart, entriesEnd - entriesStart), items);
    CheckCss(html.substr(fixed.head.size(), styleClose - fixed.head.size()), fixed, mode, style);
}

}  // namespace menulark::fuzz
