#pragma once
// The files under page/web/, built into the library byte for byte as they
// are in the source tree (cmake/EmbedFile.cmake writes the definitions).

#include <string_view>

namespace menulark::embedded {

std::string_view MenuJs();     ///< page/web/menu.js
std::string_view MenuCss();    ///< page/web/menu.css, its placeholders not filled in
std::string_view SubmenuJs();  ///< page/web/submenu.js, run inside menu.js for a menu with structure
std::string_view PreviewJs();  ///< page/web/preview.js, the window's preview only

}  // namespace menulark::embedded
