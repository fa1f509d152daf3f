#pragma once
// The seven fixed lists of the style panel, in the order the window shows them.

#include <array>
#include <string_view>

namespace menulark {

// The lists read best packed as they are.
// clang-format off

inline constexpr std::array<std::string_view, 6> WidthChoices{"100", "200", "300", "400", "500", "600"};

// Steps by 5 up to 25, then by 25; there is no "175".
inline constexpr std::array<std::string_view, 22> HeightChoices{
    "10",  "15",  "20",  "25",  "50",  "75",  "100", "125", "150", "200", "225",
    "250", "275", "300", "325", "350", "375", "400", "425", "450", "475", "500"};

inline constexpr std::array<std::string_view, 13> WeightChoices{
    "normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600", "700", "800", "900"};

// The named colours of HTML and CSS, alphabetical.
inline constexpr std::array<std::string_view, 140> ColorList{
    "aliceblue", "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black",
    "blanchedalmond", "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse",
    "chocolate", "coral", "cornflowerblue", "cornsilk", "crimson", "cyan", "darkblue", "darkcyan",
    "darkgoldenrod", "darkgray", "darkgreen", "darkkhaki", "darkmagenta", "darkolivegreen",
    "darkorange", "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue",
    "darkslategray", "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray",
    "dodgerblue", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite",
    "gold", "goldenrod", "gray", "green", "greenyellow", "honeydew", "hotpink", "indianred",
    "indigo", "ivory", "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon",
    "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgreen", "lightgrey",
    "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray",
    "lightsteelblue", "lightyellow", "lime", "limegreen", "linen", "magenta", "maroon",
    "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen",
    "mediumslateblue", "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue",
    "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "oldlace", "olive", "olivedrab",
    "orange", "orangered", "orchid", "palegoldenrod", "palegreen", "paleturquoise",
    "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue", "purple",
    "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen",
    "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "snow", "springgreen",
    "steelblue", "tan", "teal", "thistle", "tomato", "turquoise", "violet", "wheat", "white",
    "whitesmoke", "yellow", "yellowgreen"};

inline constexpr std::array<std::string_view, 20> SizeList{
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};

// Alphabetical without regard to case.
inline constexpr std::array<std::string_view, 28> FontList{
    "Arial", "Arial Black", "Comic Sans MS", "Courier", "Courier New", "Fixedsys", "Georgia",
    "Impact", "Lucida Console", "Lucida Sans Unicode", "Microsoft Sans Serif", "Modern",
    "MS Gothic", "MS Mincho", "MS PGothic", "MS PMincho", "MS Sans Serif", "MS Serif",
    "MS UI Gothic", "Palatino Linotype", "Roman", "Script", "Small Fonts", "System", "Tahoma",
    "Times New Roman", "Trebuchet MS", "Verdana"};

// Not alphabetical: this is the order the list shows.
inline constexpr std::array<std::string_view, 10> BorderStyleList{
    "none", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "window-inset", "outset"};

// clang-format on

}  // namespace menulark
