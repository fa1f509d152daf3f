#pragma once
// Property checks of the fuzz targets: a failed check prints what went wrong
// and aborts, so that libFuzzer stops and keeps the input that caused it.

#include <string>
#include <string_view>
#include <vector>

namespace menulark::fuzz {

[[noreturn]] void Fail(std::string_view what);

inline void Require(bool holds, std::string_view what) {
    if (!holds) Fail(what);
}

/// Fails with the first differing position and the text around it.
void RequireEqual(std::string_view expected, std::string_view actual, std::string_view what);

/// `text` cut at every `separator` byte (n separators give n + 1 pieces).
std::vector<std::string> SplitBytes(std::string_view text, char separator);

/// Non-printable bytes as \xhh, for messages.
std::string Printable(std::string_view text);

}  // namespace menulark::fuzz
