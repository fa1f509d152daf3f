#pragma once
// The menu page for current browsers: the same entries and looks as the
// classic page, written as a standards-based, self-contained HTML page, or
// as a snippet to paste into a page of one's own.

#include <string>
#include <vector>

#include "menu/menu_item_list.h"
#include "menu/style_settings.h"
#include "page/page_generator.h"

namespace menulark {

/// What a modern page says about itself and where its menu goes. The
/// defaults give the stand-alone page.
struct ModernPageOptions {
    std::string label = "Menu";  ///< the menu's accessible name
    std::string lang = "en";     ///< the language of the page (of the menu, in a snippet)
    bool snippet = false;        ///< one style element, the menu and one script, nothing else
    std::string target;          ///< snippet only: a CSS selector of the elements served; empty: all
    /// Snippet only: where the page finds the menu's style sheet and script
    /// (a folder or URL prefix; see SnippetFiles); empty: both inline.
    std::string assetsUrl{};
};

/// A file of its own beside a snippet: its name and text.
struct SnippetFile {
    std::string name;
    std::string text;
};

/// The modern page for `items` in the look `mode` (`style` is only read in
/// the styled look). Lines end in a single line feed. Every author value is
/// escaped for the place it lands in (see page/web_escape.h); no value goes
/// into the script, which reads the entries from the page itself.
std::string BuildModernPage(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                            const ModernPageOptions& options = {});

/// The prefix of the class a snippet's menu carries: "mlk-" and eight hex
/// digits drawn from everything the snippet holds, so that two different
/// snippets on one page keep apart.
/// The snippet's style sheet and script as files of their own, for a
/// snippet with `assetsUrl`: "<prefix>.css" and "<prefix>.js" (see
/// SnippetPrefix), so that two menus can share a folder. Lines end in a
/// single line feed.
std::vector<SnippetFile> SnippetFiles(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                                      const ModernPageOptions& options);

/// `base` and `name` joined by a slash, unless `base` ends in one already
/// (or in a backslash, a Windows folder).
std::string JoinedPath(const std::string& base, const std::string& name);

std::string SnippetPrefix(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                          const ModernPageOptions& options);

}  // namespace menulark
