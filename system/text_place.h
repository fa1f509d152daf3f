#pragma once
// How messages name a place in an input and quote a piece of it: one way
// for menu files, entry lists and command-line values alike.

#include <cstddef>
#include <string>
#include <string_view>

namespace menulark {

/// A place in a text, each part counted from 1. Lines end in LF, CR LF or a
/// CR alone; `column` counts characters within the line, `byte` bytes.
struct TextPlace {
    size_t line = 1;
    size_t column = 1;
    size_t byte = 1;
};

/// The place of byte `offset` of `text` (the end when past it).
TextPlace PlaceOf(std::string_view text, size_t offset);

/// "line L, column C" of byte `offset`.
std::string LineAndColumn(std::string_view text, size_t offset);

/// The most characters a message quotes from its input.
inline constexpr size_t kExcerptCharacters = 40;

/// `text` as a message quotes it: whole when short, else its first
/// kExcerptCharacters characters (cut between characters) and "…".
std::string Excerpt(std::string_view text);

}  // namespace menulark
