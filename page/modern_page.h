#pragma once
// The menu page for current browsers: the same entries and looks as the
// classic page, written as a standards-based, self-contained HTML page.

#include <string>

#include "page/menu_item_list.h"
#include "page/page_generator.h"
#include "page/style_settings.h"

namespace menulark {

/// The modern page for `items` in the look `mode` (`style` is only read in
/// the styled look). Lines end in a single line feed. Every author value is
/// escaped for the place it lands in (see page/web_escape.h); no value goes
/// into the script, which reads the entries from the page itself.
std::string BuildModernPage(const MenuItemList& items, PageMode mode, const StyleSettings& style);

}  // namespace menulark
