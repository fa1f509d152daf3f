#include "page/url_scheme.h"

namespace menulark {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string UrlScheme(std::string_view url) {
    size_t pos = 0;
    while (pos < url.size() && static_cast<unsigned char>(url[pos]) <= 0x20) ++pos;
    std::string scheme;
    for (; pos < url.size(); ++pos) {
        char c = url[pos];
        if (c == '\t' || c == '\n' || c == '\r') continue;
        if (c == ':') return scheme.empty() ? std::string() : scheme;
        bool allowed =
            IsAsciiLetter(c) || (!scheme.empty() && (IsAsciiDigit(c) || c == '+' || c == '-' || c == '.'));
        if (!allowed) return {};
        scheme += IsAsciiLetter(c) ? static_cast<char>(c | 0x20) : c;
    }
    return {};
}

bool IsScriptScheme(std::string_view scheme) {
    return scheme == "javascript" || scheme == "vbscript" || scheme == "data";
}

}  // namespace menulark
