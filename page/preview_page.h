#pragma once
// The page the window's live preview shows: the modern page of the menu as
// the window holds it, with the entry being typed, links that run script
// disabled, and a small script that keeps an open menu open across the
// preview's reloads. Nothing here is ever written to a file.

#include <string>
#include <string_view>

#include "menu/menu_file.h"
#include "menu/menu_item_list.h"

namespace menulark {

/// The texts of the entry boxes (title, URL, explanation).
struct TypedEntry {
    std::string title;
    std::string url;
    std::string explanation;
    bool operator==(const TypedEntry& o) const {
        return title == o.title && url == o.url && explanation == o.explanation;
    }
};

/// Everything the preview shows.
struct PreviewContent {
    MenuDocument menu;
    TypedEntry typed;
    bool operator==(const PreviewContent& o) const { return menu == o.menu && typed == o.typed; }
    bool operator!=(const PreviewContent& o) const { return !(*this == o); }
};

/// Put in front of a link that runs script, so that the preview shows the
/// link but a click on it runs nothing (the browser sees a scheme it does
/// not know, and the preview stops every navigation anyway).
inline constexpr std::string_view kDisabledLinkScheme = "menulark-disabled:";

/// The entries the preview shows: the menu's, then the typed entry as "Add"
/// would add it, when Add would take it (no box empty) and the menu does not
/// hold the same entry already (as right after Add, which leaves the boxes
/// filled). Each link that runs script (IsScriptScheme) is disabled.
MenuItemList PreviewEntries(const MenuItemList& entries, const TypedEntry& typed);

/// The modern page of PreviewEntries, in the menu's look, with its label and
/// language (whichever flavour Create/Finish would write), and the preview's
/// script in its head.
std::string BuildPreviewPage(const PreviewContent& content);

/// What the preview's status line says when the reader follows a link to
/// `url`: the URL, or for a disabled link the URL as written and why it
/// does not run.
std::string PreviewLinkNote(std::string_view url);

}  // namespace menulark
