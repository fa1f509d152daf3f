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
/// that lands inside a double-quoted attribute is written as &quot;.
std::string BuildPage(const MenuItemList& items, PageMode mode, const StyleSettings& style);

/// The colour swatch page for `color`.
std::string BuildSwatchPage(const std::string& color);

}  // namespace menulark
