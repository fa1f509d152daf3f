#pragma once
// The line-feed translation shared by the platforms' file writers.

#include <cstddef>

namespace menulark {

/// Copies text[0, size) into out with every line feed as CR LF; out must have
/// room for twice the size. Returns the end of what was written.
char* TranslateLineFeeds(const char* text, size_t size, char* out);

}  // namespace menulark
