#pragma once
// The page templates written out a second time, independently of the string
// table, plus small helpers that assemble expected pages from them. Tests
// compare what the program produces with pages built here, so a slip in the
// table or in the generator shows up as a difference.

#include <initializer_list>
#include <string>
#include <string_view>

namespace menulark::expected {

// Template 105.
inline constexpr std::string_view kSimpleHead =
    "<HTML>\n"
    "<HEAD>\n"
    "<SCRIPT language=\"Javascript\">\n"
    "var popm =  window.createPopup();\n"
    "function popshow()\n"
    "{\n"
    "var oSc = window.event.srcElement;\n"
    "\tvar leftposi = event.offsetY;\n"
    "\tvar topposi = event.offsetX+15;\n"
    "\tpopm.document.body.innerHTML = oCont.innerHTML; \n"
    "\tpopm.show(topposi, leftposi, 210, %i, oSc);\n"
    "}\n"
    "function navi(url)\n"
    "{\n"
    "\tlocation.href = url;\n"
    "}\n"
    "</SCRIPT>\n"
    "<STYLE>\n"
    "#oCont{display:none;}\n"
    "</STYLE>\n"
    "</HEAD>\n"
    "<BODY oncontextmenu=\"popshow(); return false\">\n"
    "<div id=oCont  style=\"position:absolute;\">\n"
    "<div "
    "style=\"height:76;overflow-x:hidden;overflow:auto;cursor:hand;background-color:lightsteelblue;color:"
    "darkblue;font:600 14px MS Sans Serif;border:0.05cm groove lightsteelblue;\">";

// Template 106.
inline constexpr std::string_view kSimpleEntry =
    "<div title=\"%s\" name=\"%s\" onclick=\"parent.navi(this.name);\" "
    "onmouseover=\"this.style.backgroundColor = 'red';\" onmouseout=\"this.style.backgroundColor = "
    "'lightsteelblue';\" style=\"border:0.03cm outset steelblue;\">%s</div>";

// Template 107.
inline constexpr std::string_view kSimpleTail =
    "</div>\n"
    "</div>\n"
    "Right-click on the body.\n"
    "</BODY>\n"
    "</HTML>";

// Template 109.
inline constexpr std::string_view kStyledHead =
    "<HTML>\n"
    "<HEAD>\n"
    "<SCRIPT language=\"Javascript\">\n"
    "function popshow(i, url)\n"
    "{\n"
    "\tswitch (i)\n"
    "\t{\n"
    "\tcase 1: \n"
    "\t\tvar topposi = event.y;\n"
    "\t\tvar leftposi = event.x+15;\n"
    "\t\toCont.style.posLeft =leftposi;\n"
    "\t\toCont.style.posTop = topposi;\n"
    "\t\toCont.style.display = \"\";\n"
    "\t\tbreak;\n"
    "\tcase 2: \n"
    "\t\tif (url != \"\")\n"
    "\t\t{\n"
    "\t\t\tlocation.href = url;\n"
    "\t\t}\n"
    "\t\tbreak;\n"
    "\tdefault:\n"
    "\t\tbreak;\n"
    "\t}\n"
    "}\n"
    "function checkOBJ()\n"
    "{\n"
    "\tvar so = event.srcElement.tagName;\n"
    "\tif (so == \"BODY\")\n"
    "\t{\n"
    "\t\toCont.style.display='none';\n"
    "\t}\n"
    "}\n"
    "</SCRIPT>\n"
    "</HEAD>\n"
    "<BODY oncontextmenu=\"popshow(1, ''); return false\" onclick=\"checkOBJ();\">\n"
    "<!--Menus-->\n"
    "<div id=oCont style=\"display:none;position:absolute;\">";

// Template 113.
inline constexpr std::string_view kStyledFrame =
    "\n"
    "<div "
    "style=\"overflow-x:hidden;overflow-y:auto;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;"
    "font:%s %spx %s;border:%s %s "
    "%s;scrollbar-arrow-color:%s;scrollbar-highlight-color:%s;scrollbar-3dlight-color:%s;scrollbar-shadow-"
    "color:%s;\">\n";

// Template 120.
inline constexpr std::string_view kStyledFramePlain =
    "\n"
    "<div "
    "style=\"overflow-x:hidden;overflow-y:visible;width:%s;height:%s;cursor:hand;background-color:%s;color:%"
    "s;font:%s %spx %s;border:%s %s %s;\">\n";

// Template 111.
inline constexpr std::string_view kStyledEntry =
    "<div title=\"%s\" name=\"%s\" onclick=\"popshow(%i, this.name);\" "
    "onmouseover=\"this.style.backgroundColor = '%s'; \" onmouseout=\"this.style.backgroundColor = '%s';\" "
    "style=\"border:%s %s %s;\">%s</div>\n";

// Template 112.
inline constexpr std::string_view kStyledClose =
    "</div>\n"
    "</div>\n";

// Template 115.
inline constexpr std::string_view kStyledTail =
    "Right-click on the body.\n"
    "</BODY>\n"
    "</HTML>";

// Template 121.
inline constexpr std::string_view kSwatchPage =
    "<HTML>\n"
    "<BODY bgcolor=\"%s\" style=\"overflow:hidden;border:0;\" oncontextmenu=\"return false;\">\n"
    "</BODY>\n"
    "</HTML>";

/// `text` with its "%s" / "%i" placeholders replaced, left to right, by
/// `values` (numbers already written in decimal). Deliberately naive.
inline std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    auto value = values.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'i') &&
            value != values.end()) {
            out += *value++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

/// `text` as it must be on disk: every line feed preceded by a carriage return.
inline std::string OnDisk(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

}  // namespace menulark::expected
