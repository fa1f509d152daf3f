#include "page/web_escape.h"

#include <array>
#include <cctype>
#include <vector>

namespace menulark {
namespace {

void AppendCssHexEscape(std::string& out, unsigned char byte) {
    static const char kHex[] = "0123456789abcdef";
    out += '\\';
    if (byte >= 0x10) out += kHex[byte >> 4];
    out += kHex[byte & 0x0f];
    out += ' ';  // ends the escape, so a following hex digit stays a character of its own
}

bool IsAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

bool IsPlainCssByte(unsigned char c) {
    static constexpr std::string_view kPlainPunctuation = " #.,%+-_*";
    return c >= 0x80 || IsAsciiAlnum(c) ||
           kPlainPunctuation.find(static_cast<char>(c)) != std::string_view::npos;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Brackets may stay only when each opens before it closes and none is left
// open: an open bracket would swallow the ; and } that follow the value.
bool BracketsMayStay(std::string_view value) {
    if (AsciiLower(value).find("url(") != std::string::npos) return false;  // no fetching from a style value
    int depth = 0;
    for (char c : value) {
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) return false;
    }
    return depth == 0;
}

bool IsGenericFamily(std::string_view lowerName) {
    static constexpr std::array<std::string_view, 13> kGeneric{
        "serif",         "sans-serif",   "monospace",  "cursive", "fantasy", "system-ui", "ui-serif",
        "ui-sans-serif", "ui-monospace", "ui-rounded", "math",    "emoji",   "fangsong"};
    for (std::string_view generic : kGeneric)
        if (lowerName == generic) return true;
    return false;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

void AppendCssString(std::string& out, std::string_view text) {
    out += '"';
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f || c == '"' || c == '\\' || c == '<' || c == '>')
            AppendCssHexEscape(out, c);
        else
            out += static_cast<char>(c);
    }
    out += '"';
}

// The character reference that stands for `c` in HTML text, or nullptr.
const char* TextReference(char c) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        default:
            return nullptr;
    }
}

// The same inside a quoted attribute value: quotes too, and the line and
// tab characters, so that the page keeps its own lines.
const char* AttributeReference(char c) {
    switch (c) {
        case '"':
            return "&quot;";
        case '\'':
            return "&#39;";
        case '\t':
            return "&#9;";
        case '\n':
            return "&#10;";
        case '\r':
            return "&#13;";
        default:
            return TextReference(c);
    }
}

std::string ReplaceEach(std::string_view value, const char* (*reference)(char)) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (const char* replacement = reference(c))
            out += replacement;
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string EscapeHtmlText(std::string_view value) {
    return ReplaceEach(value, TextReference);
}

std::string EscapeHtmlAttribute(std::string_view value) {
    return ReplaceEach(value, AttributeReference);
}

std::string EscapeCssValue(std::string_view value) {
    const bool keepBrackets = BracketsMayStay(value);
    std::string out;
    out.reserve(value.size());
    for (unsigned char c : value) {
        if (IsPlainCssByte(c) || (keepBrackets && (c == '(' || c == ')')))
            out += static_cast<char>(c);
        else
            AppendCssHexEscape(out, c);
    }
    return out;
}

bool IsPlainNumber(std::string_view value) {
    bool digit = false;
    bool point = false;
    for (char c : value) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::string CssLength(std::string_view value) {
    if (IsPlainNumber(value)) return std::string(value) + "px";
    return EscapeCssValue(value);
}

std::string CssFontFamilyList(std::string_view value, std::string_view fallbackGeneric) {
    std::string out;
    bool hasGeneric = false;
    size_t start = 0;
    while (start <= value.size()) {
        size_t comma = value.find(',', start);
        if (comma == std::string_view::npos) comma = value.size();
        std::string_view name = TrimBlanks(value.substr(start, comma - start));
        start = comma + 1;

        bool quoted =
            name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front();
        if (quoted) name = name.substr(1, name.size() - 2);
        if (name.empty()) continue;

        if (!out.empty()) out += ", ";
        std::string lower = AsciiLower(name);
        if (!quoted && IsGenericFamily(lower)) {
            out += lower;
            hasGeneric = true;
        } else {
            AppendCssString(out, name);
        }
    }
    if (!hasGeneric && !fallbackGeneric.empty()) {
        if (!out.empty()) out += ", ";
        out += fallbackGeneric;
    }
    return out;
}

}  // namespace menulark
