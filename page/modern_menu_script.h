#pragma once
// The behaviour of the modern menu: one script, the same for the whole page
// and for the snippet an author pastes into a page of their own.

#include <string_view>

namespace menulark {

/// The script's text, from "(function () {" to its closing "})();" and a
/// line feed. It reads everything it needs from the markup right before it
/// (the menu element, and for a snippet the style element before that), so
/// no author value is ever written into it, and it declares no global name.
std::string_view ModernMenuScript();

}  // namespace menulark
