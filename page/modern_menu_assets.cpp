#include "page/modern_menu_assets.h"

#include <stdexcept>
#include <string>

#include "page/embedded_web_files.h"
#include "page/web_escape.h"
#include "page/web_template.h"

namespace menulark {
namespace {

// "window-inset" is in the border style list but current browsers know only
// its plain form.
std::string BorderStyleValue(const std::string& value) {
    if (value == "window-inset") return "inset";
    return EscapeCssValue(value);
}

// The styled look's values, named as in the style settings, each escaped
// for a CSS declaration.
void AddStyledValues(WebTemplateValues& values, const StyleSettings& s) {
    values["width"] = CssLength(s.width);
    values["heightProperty"] = s.scrollbarColors ? "height" : "min-height";
    values["height"] = CssLength(s.height);
    values["backgroundColor"] = EscapeCssValue(s.backgroundColor);
    values["fontColor"] = EscapeCssValue(s.fontColor);
    values["fontWeight"] = EscapeCssValue(s.fontWeight);
    values["fontSize"] = CssLength(s.fontSize);
    values["fontFamily"] = CssFontFamilyList(s.fontFamily, "sans-serif");
    values["borderSize"] = CssLength(s.borderSize);
    values["borderStyle"] = BorderStyleValue(s.borderStyle);
    values["borderColor"] = EscapeCssValue(s.borderColor);
    values["itemHighlightColor"] = EscapeCssValue(s.itemHighlightColor);
    // Only with both colours: a thumb without a track is no valid value.
    std::string scrollbar;
    if (s.scrollbarColors && !s.scrollbarArrowColor.empty() && !s.scrollbarHighlightColor.empty())
        scrollbar = EscapeCssValue(s.scrollbarArrowColor) + " " + EscapeCssValue(s.scrollbarHighlightColor);
    values["scrollbarColor"] = scrollbar;
}

}  // namespace

std::string_view ModernMenuScript(bool rich) {
    if (!rich) return embedded::MenuJs();
    // The submenus' part goes in before the closing "})();" line, where it
    // sees and takes over the menu's own functions.
    static const std::string withSubmenus = [] {
        std::string text(embedded::MenuJs());
        const size_t end = text.rfind("})();");
        if (end == std::string::npos) throw std::logic_error("page/web/menu.js does not end in })();");
        return text.insert(end, embedded::SubmenuJs());
    }();
    return withSubmenus;
}

std::string ModernMenuStyleSheet(PageMode mode, const StyleSettings& style, std::string_view menuSelector,
                                 bool rich) {
    const bool styled = mode == PageMode::Styled;
    WebTemplateValues values{{"menu", std::string(menuSelector)},
                             {"simple", styled ? "" : "simple"},
                             {"styled", styled ? "styled" : ""},
                             {"rich", rich ? "rich" : ""}};
    if (styled) AddStyledValues(values, style);
    return FillWebTemplate(embedded::MenuCss(), values);
}

}  // namespace menulark
