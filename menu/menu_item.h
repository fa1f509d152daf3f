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

}  // namespace menulark
