#pragma once
// Checks that a modern page keeps every author value inside the place it was
// written to: each entry is one link whose attributes and text read back as
// the entry's values, the style sheet holds only the page's own rules and
// properties with values that call nothing and end nothing early, and the
// rest of the page is the same whatever the values.

#include <string>

#include "menu/menu_item_list.h"
#include "menu/style_settings.h"
#include "page/page_generator.h"

namespace menulark::fuzz {

void CheckModernPage(const std::string& page, const MenuItemList& items, PageMode mode,
                     const StyleSettings& style);

}  // namespace menulark::fuzz
