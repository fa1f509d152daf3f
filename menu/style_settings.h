#pragma once

#include <array>
#include <string>
#include <string_view>

namespace menulark {

/// The values that dress the styled look. Plain text throughout: nothing is
/// checked or converted, what the author typed is what the page gets.
struct StyleSettings {
    std::string width = "200";
    std::string height = "75";
    std::string backgroundColor = "lightsteelblue";
    std::string itemHighlightColor = "red";
    std::string fontWeight = "600";
    std::string fontSize = "14";
    std::string fontFamily = "MS Sans Serif";
    std::string fontColor = "darkblue";
    std::string borderSize = "1";
    std::string borderStyle = "groove";
    std::string borderColor = "lightsteelblue";
    std::string scrollbarArrowColor = "steelblue";
    std::string scrollbarHighlightColor = "lightsteelblue";
    std::string scrollbar3dlightColor = "lightslategray";
    std::string scrollbarShadowColor = "darkblue";
    bool styledMode = false;
    bool scrollbarColors = true;

    bool operator==(const StyleSettings& o) const;
    bool operator!=(const StyleSettings& o) const { return !(*this == o); }
};

/// One of the fifteen text values, by its name.
struct StyleField {
    std::string_view name;
    std::string StyleSettings::*member;
};

/// The fifteen text fields in declaration order.
const std::array<StyleField, 15>& StyleFields();

/// The field called `name`, or nullptr when there is none.
std::string* FindStyleField(StyleSettings& settings, std::string_view name);

}  // namespace menulark
