#include "system/text_place.h"

#include <algorithm>

namespace menulark {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

TextPlace PlaceOf(std::string_view text, size_t offset) {
    offset = std::min(offset, text.size());
    TextPlace place;
    size_t lineStart = 0;
    for (size_t i = 0; i < offset; ++i) {
        const char c = text[i];
        // A CR directly before an LF ends its line together with the LF.
        if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++place.line;
            lineStart = i + 1;
        }
    }
    for (size_t i = lineStart; i < offset; ++i)
        if (!IsContinuationByte(text[i])) ++place.column;
    place.byte = offset - lineStart + 1;
    return place;
}

std::string LineAndColumn(std::string_view text, size_t offset) {
    TextPlace place = PlaceOf(text, offset);
    return "line " + std::to_string(place.line) + ", column " + std::to_string(place.column);
}

std::string Excerpt(std::string_view text) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i])) continue;
        if (characters++ == kExcerptCharacters) return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

}  // namespace menulark
