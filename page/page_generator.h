#pragma once

#include <cstddef>
#include <string>

#include "menu/menu_item_list.h"
#include "menu/style_settings.h"

namespace menulark {

enum class PageMode { Simple, Styled };

/// Height in pixels of the simple look's popup: 19 per entry, at most 76.
int PopupHeight(size_t rows);

/// The page text for `items`, lines ending in a single line feed and no line
/// end after the final "</HTML>". `style` is only read in the styled look.
/// Values land in the page as typed, except that a double quote in a value
/// that lands inside a double-quoted attribute is written as &quot;. A menu
/// with separators, headings or submenus is flattened first
/// (FlattenForClassicPage): the page never refuses.
std::string BuildPage(const MenuItemList& items, PageMode mode, const StyleSettings& style);

/// What the classic page, a flat list of links, cannot show of a menu.
struct ClassicFlattening {
    size_t separators = 0;
    size_t headings = 0;
    size_t submenus = 0;  ///< their entries are listed in order with the others
    size_t icons = 0;
    size_t newTabs = 0;  ///< such links open in the same window

    bool Empty() const { return separators + headings + submenus + icons + newTabs == 0; }
};

/// What the classic page leaves out of `items`; empty for a flat list of links.
ClassicFlattening ClassicPageLosses(const MenuItemList& items);

/// The links of `items` in order, submenus' entries included, as the classic
/// page lists them: separators, headings and entries without a URL left out.
MenuItemList FlattenForClassicPage(const MenuItemList& items);

/// The warning for what the classic page leaves out; empty when it leaves
/// nothing out.
std::string ClassicFlatteningWarning(const ClassicFlattening& losses);

/// The colour swatch page for `color`.
std::string BuildSwatchPage(const std::string& color);

}  // namespace menulark
