#include "style/color_swatch.h"

#include "page/css_colors.h"
#include "page/page_generator.h"
#include "style/web_browser.h"
#include "system/text_file.h"

namespace menulark {

void ColorSwatchPreview::ShowColor(const std::string& color) {
    std::string page = BuildSwatchPage(color);
    if (auto rgb = CssColor(color)) m_pane->ShowFallbackColor(wxColour(rgb->r, rgb->g, rgb->b));
    std::string path = SwatchPath();
    if (WriteTextFile(path, page))
        m_pane->Navigate(path);
    else
        m_pane->ShowPage(page);  // never a stale colour from an old file
}

}  // namespace menulark
