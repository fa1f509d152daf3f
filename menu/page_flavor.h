#pragma once
// Which page a menu is written as; kept with the menu so that a menu file
// remembers it.

namespace menulark {

/// The classic page for the old browser object model, or the same menu as a
/// standards-based page for current browsers.
enum class PageFlavor { Classic, Modern };

}  // namespace menulark
