#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace menulark {

/// The offset of the first byte that does not start a well-formed UTF-8
/// sequence (an overlong form, a surrogate, a code point above U+10FFFF, a
/// stray continuation byte, a sequence cut short), or nothing when all of
/// `text` is UTF-8.
std::optional<size_t> FirstInvalidUtf8(std::string_view text);

}  // namespace menulark
