#include "menu/style_settings.h"

namespace menulark {

const std::array<StyleField, 15>& StyleFields() {
    static const std::array<StyleField, 15> fields{{
        {"width", &StyleSettings::width},
        {"height", &StyleSettings::height},
        {"backgroundColor", &StyleSettings::backgroundColor},
        {"itemHighlightColor", &StyleSettings::itemHighlightColor},
        {"fontWeight", &StyleSettings::fontWeight},
        {"fontSize", &StyleSettings::fontSize},
        {"fontFamily", &StyleSettings::fontFamily},
        {"fontColor", &StyleSettings::fontColor},
        {"borderSize", &StyleSettings::borderSize},
        {"borderStyle", &StyleSettings::borderStyle},
        {"borderColor", &StyleSettings::borderColor},
        {"scrollbarArrowColor", &StyleSettings::scrollbarArrowColor},
        {"scrollbarHighlightColor", &StyleSettings::scrollbarHighlightColor},
        {"scrollbar3dlightColor", &StyleSettings::scrollbar3dlightColor},
        {"scrollbarShadowColor", &StyleSettings::scrollbarShadowColor},
    }};
    return fields;
}

std::string* FindStyleField(StyleSettings& settings, std::string_view name) {
    for (const StyleField& field : StyleFields())
        if (field.name == name) return &(settings.*field.member);
    return nullptr;
}

bool StyleSettings::operator==(const StyleSettings& o) const {
    for (const StyleField& field : StyleFields())
        if (this->*field.member != o.*field.member) return false;
    return styledMode == o.styledMode && scrollbarColors == o.scrollbarColors;
}

}  // namespace menulark
