#include "system/utf8_check.h"

namespace menulark {
namespace {

// The length of the well-formed sequence at text[pos], or 0. The ranges of
// the second byte are what rule out overlong forms (E0, F0), surrogates
// (ED) and code points above U+10FFFF (F4).
size_t SequenceLength(std::string_view text, size_t pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::optional<size_t> FirstInvalidUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t length = SequenceLength(text, pos);
        if (length == 0) return pos;
        pos += length;
    }
    return std::nullopt;
}

}  // namespace menulark
