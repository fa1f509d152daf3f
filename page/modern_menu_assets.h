#pragma once
// The modern menu's own files, whole: its script (page/web/menu.js) and its
// style sheet (page/web/menu.css) filled in for one menu. The modern page
// writes both inline; each can as well be served as a file of its own.

#include <string>
#include <string_view>

#include "menu/style_settings.h"
#include "page/page_generator.h"

namespace menulark {

/// The script's text, from "(function () {" to its closing "})();" and a
/// line feed. It reads everything it needs from the markup right before it
/// (the menu element, and for a snippet the style element before that), so
/// no author value is ever written into it, and it declares no global name.
/// With `rich` (a menu with separators, headings or submenus), it carries
/// page/web/submenu.js too, run inside it before its end.
std::string_view ModernMenuScript(bool rich = false);

/// The style sheet of the menu that `menuSelector` selects ("#menu" on a
/// page, the snippet's class in a snippet) in the look `mode`; `style` is
/// only read in the styled look, and an empty style value leaves its
/// property to the browser. Every author value is escaped for its place
/// (page/web_escape.h). Lines end in a single line feed. With `rich`, it
/// styles submenus, separators, headings and icons too.
std::string ModernMenuStyleSheet(PageMode mode, const StyleSettings& style, std::string_view menuSelector,
                                 bool rich = false);

}  // namespace menulark
