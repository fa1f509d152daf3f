#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace menulark::fuzz {

void Fail(std::string_view what) {
    std::fprintf(stderr, "\nPROPERTY VIOLATED: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

std::string Printable(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0x0f];
        }
    }
    return out;
}

void RequireEqual(std::string_view expected, std::string_view actual, std::string_view what) {
    if (expected == actual) return;
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    size_t from = at > 40 ? at - 40 : 0;
    std::string message(what);
    message += "\n  lengths: expected " + std::to_string(expected.size()) + ", got " +
               std::to_string(actual.size()) + "; first difference at byte " + std::to_string(at);
    message +=
        "\n  expected: ..." + Printable(expected.substr(from, std::min<size_t>(120, expected.size() - from)));
    message +=
        "\n  got:      ..." + Printable(actual.substr(from, std::min<size_t>(120, actual.size() - from)));
    Fail(message);
}

std::vector<std::string> SplitBytes(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (true) {
        size_t cut = text.find(separator, start);
        if (cut == std::string_view::npos) break;
        pieces.emplace_back(text.substr(start, cut - start));
        start = cut + 1;
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

}  // namespace menulark::fuzz
