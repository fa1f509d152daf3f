#pragma once

#include <string>
#include <utility>

namespace menulark {

/// What an entry is: a link (which may hold a submenu), a line between
/// groups, or a group's label.
enum class EntryKind { Link, Separator, Heading };

/// One entry of the popup menu. A link's fields are never empty, except
/// that a link holding a submenu may leave out its URL and explanation; a
/// heading has a title only; a separator has no texts.
struct MenuItem {
    MenuItem() = default;
    MenuItem(std::string title_, std::string url_, std::string explanation_)
        : title(std::move(title_)), url(std::move(url_)), explanation(std::move(explanation_)) {}

    std::string title;        ///< text shown on the entry
    std::string url;          ///< where the entry leads
    std::string explanation;  ///< tooltip
    EntryKind kind = EntryKind::Link;
    bool newTab = false;  ///< the link opens in a new tab
    std::string icon;     ///< one or two characters, or the URL of a small image; empty: none
    int depth = 0;        ///< 0 at the top; the rows after a link that are one deeper are its submenu

    bool operator==(const MenuItem& other) const {
        return title == other.title && url == other.url && explanation == other.explanation &&
               kind == other.kind && newTab == other.newTab && icon == other.icon && depth == other.depth;
    }

    /// Whether the entry uses anything a flat list of links does not have.
    bool IsRich() const { return kind != EntryKind::Link || newTab || !icon.empty() || depth > 0; }
};

/// Why a text read from a file cannot hold U+0000: a browser shows it in a
/// page as U+FFFD, so it is refused like a raw control character.
inline constexpr const char* kNulProblem = "a NUL character (U+0000) cannot go into a page";

}  // namespace menulark
