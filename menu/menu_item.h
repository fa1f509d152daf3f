#pragma once

#include <string>

namespace menulark {

/// One entry of the popup menu. Stored fields are never empty.
struct MenuItem {
    std::string title;        ///< text shown on the entry
    std::string url;          ///< where the entry leads
    std::string explanation;  ///< tooltip

    bool operator==(const MenuItem& other) const {
        return title == other.title && url == other.url && explanation == other.explanation;
    }
};

/// Why a text read from a file cannot hold U+0000: a browser shows it in a
/// page as U+FFFD, so it is refused like a raw control character.
inline constexpr const char* kNulProblem = "a NUL character (U+0000) cannot go into a page";

}  // namespace menulark
