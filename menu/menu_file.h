#pragma once
// The menu file: a menu's entries and every setting, kept as JSON text so
// that the window and menulark-page can share it and an author can read it.
// The README describes the format with a complete example.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menu/menu_item_list.h"
#include "menu/page_flavor.h"
#include "menu/style_settings.h"
#include "system/text_file.h"

namespace menulark {

/// The newest format version, which this program reads and writes. Version 1
/// had no "modern" object; such files still open, with the modern page's
/// defaults. Version 2 had flat lists of links: version 3 added separators,
/// headings, submenus, new tabs and icons to the entries.
inline constexpr int kMenuFileVersion = 3;

struct MenuDocument;
/// The version a save writes: 2 for a menu that uses none of what version 3
/// added, so that such a file stays byte for byte as before; else 3.
int MenuFileVersionFor(const MenuDocument& document);

/// The suggested ending of menu file names.
inline constexpr const char* kMenuFileExtension = ".menu.json";

/// A top-level key of a menu file that this program does not use, with its
/// value as compact JSON text, numbers as written. Kept so that a save
/// writes it back.
struct ExtraKey {
    std::string name;
    std::string json;
    bool operator==(const ExtraKey& o) const { return name == o.name && json == o.json; }
};

/// Everything a menu file holds.
struct MenuDocument {
    MenuItemList entries;  ///< in order; the remembered row is not part of the file
    StyleSettings style;   ///< the look is style.styledMode; both switches included
    PageFlavor flavor = PageFlavor::Classic;
    std::string modernLabel = "Menu";   ///< the modern page's accessible name of the menu
    std::string modernLanguage = "en";  ///< the modern page's language tag
    std::vector<ExtraKey> extraKeys;    ///< in file order; never one of the keys above

    /// Same entries, settings and extra keys (the remembered row is ignored).
    bool operator==(const MenuDocument& o) const;
    bool operator!=(const MenuDocument& o) const { return !(*this == o); }
};

/// A read menu file, or why there is none. The message names the place:
/// "line L, column C: ..." for text that is not JSON, or a JSON pointer such
/// as "/entries/3/url: ..." for a value that is wrong.
struct MenuFileRead {
    std::optional<MenuDocument> document;
    std::string error;
};

/// What ParseMenuFile says of a text with nothing but blanks and line ends.
inline constexpr const char* kEmptyFileProblem = "the file is empty";

/// Reads menu file text. Line ends may be LF, CR LF or CR; a UTF-8 byte order
/// mark is skipped. Strict: any fault gives a message and no document. A
/// message quotes at most a short excerpt of the text.
MenuFileRead ParseMenuFile(std::string_view text);

/// Reads the menu file at `path` (the message does not repeat the path); a
/// file larger than kInputLimitBytes is refused unread.
MenuFileRead ReadMenuFile(const std::string& path);

/// The file text for `document`: two-space indentation, keys in a fixed
/// order, lines ending in LF. Empty when a text is not valid UTF-8; `error`
/// (if given) then names its place.
std::string MenuFileText(const MenuDocument& document, std::string* error = nullptr);

/// Writes `document` to `path` through WriteTextFile (whole or not at all,
/// lines ending in CR LF like every file this program writes). A text that
/// is not valid UTF-8 is refused before anything is written.
WriteResult SaveMenuFile(const std::string& path, const MenuDocument& document);

/// Whether `text` is a menu file rather than tab-separated entries: its first
/// non-blank character is "{" and its first non-empty line holds no tab.
bool LooksLikeMenuFile(std::string_view text);

}  // namespace menulark
