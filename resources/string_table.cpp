#include "resources/string_table.h"

#include <algorithm>
#include <iterator>

namespace menulark {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// Sorted by id. In the page templates "%s" takes a text and "%i" a decimal
// integer; they hold no other conversion and no other percent sign.
constexpr StringEntry kStrings[] = {
    {101, "&About Menulark..."},
    {102, "Please make sure that all text boxes are filled out."},
    // simple look: head, script, hidden container and its scrolling frame
    {105,
     "<HTML>\n<HEAD>\n<SCRIPT language=\"Javascript\">\nvar popm =  window.createPopup();\nfunction popshow()\n{\nvar oSc = window.event.srcElement;\n\tvar leftposi = event.offsetY;\n\tvar topposi = event.offsetX+15;\n\tpopm.document.body.innerHTML = oCont.innerHTML; \n\tpopm.show(topposi, leftposi, 210, %i, oSc);\n}\nfunction navi(url)\n{\n\tlocation.href = url;\n}\n</SCRIPT>\n<STYLE>\n#oCont{display:none;}\n</STYLE>\n</HEAD>\n<BODY oncontextmenu=\"popshow(); return false\">\n<div id=oCont  style=\"position:absolute;\">\n<div style=\"height:76;overflow-x:hidden;overflow:auto;cursor:hand;background-color:lightsteelblue;color:darkblue;font:600 14px MS Sans Serif;border:0.05cm groove lightsteelblue;\">"},
    // simple look: one entry (explanation, url, title); no line end
    {106,
     "<div title=\"%s\" name=\"%s\" onclick=\"parent.navi(this.name);\" onmouseover=\"this.style.backgroundColor = 'red';\" onmouseout=\"this.style.backgroundColor = 'lightsteelblue';\" style=\"border:0.03cm outset steelblue;\">%s</div>"},
    // simple look: closes frame and container, page text, end
    {107,
     "</div>\n</div>\nRight-click on the body.\n</BODY>\n</HTML>"},
    {108, "Please add the items first."},
    // styled look: head, script, opens the hidden container
    {109,
     "<HTML>\n<HEAD>\n<SCRIPT language=\"Javascript\">\nfunction popshow(i, url)\n{\n\tswitch (i)\n\t{\n\tcase 1: \n\t\tvar topposi = event.y;\n\t\tvar leftposi = event.x+15;\n\t\toCont.style.posLeft =leftposi;\n\t\toCont.style.posTop = topposi;\n\t\toCont.style.display = \"\";\n\t\tbreak;\n\tcase 2: \n\t\tif (url != \"\")\n\t\t{\n\t\t\tlocation.href = url;\n\t\t}\n\t\tbreak;\n\tdefault:\n\t\tbreak;\n\t}\n}\nfunction checkOBJ()\n{\n\tvar so = event.srcElement.tagName;\n\tif (so == \"BODY\")\n\t{\n\t\toCont.style.display='none';\n\t}\n}\n</SCRIPT>\n</HEAD>\n<BODY oncontextmenu=\"popshow(1, ''); return false\" onclick=\"checkOBJ();\">\n<!--Menus-->\n<div id=oCont style=\"display:none;position:absolute;\">"},
    // styled look: one entry
    {111,
     "<div title=\"%s\" name=\"%s\" onclick=\"popshow(%i, this.name);\" onmouseover=\"this.style.backgroundColor = '%s'; \" onmouseout=\"this.style.backgroundColor = '%s';\" style=\"border:%s %s %s;\">%s</div>\n"},
    // styled look: closes frame and container
    {112,
     "</div>\n</div>\n"},
    // styled look: frame with scroll-bar colours
    {113,
     "\n<div style=\"overflow-x:hidden;overflow-y:auto;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;font:%s %spx %s;border:%s %s %s;scrollbar-arrow-color:%s;scrollbar-highlight-color:%s;scrollbar-3dlight-color:%s;scrollbar-shadow-color:%s;\">\n"},
    // styled look: page text, end
    {115,
     "Right-click on the body.\n</BODY>\n</HTML>"},
    {118, "Please make sure that Menu is selected."},
    // styled look: frame without scroll-bar colours
    {120,
     "\n<div style=\"overflow-x:hidden;overflow-y:visible;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;font:%s %spx %s;border:%s %s %s;\">\n"},
    // colour swatch page
    {121,
     "<HTML>\n<BODY bgcolor=\"%s\" style=\"overflow:hidden;border:0;\" oncontextmenu=\"return false;\">\n</BODY>\n</HTML>"},
    {200, "The page could not be written.\n\nFile: %s\nReason: %s"},
    {201, "Menulark writes its pages into its own program folder, and that folder is not writable. Install Menulark into a folder of your own, for example with \"make install\", which puts it into ~/.local/lib/menulark/."},
    {202, "The help file was not found:\n%s"},
    {203, "Selected item:"},
    {204, "Title"},
    {205, "URL"},
    {206, "Explanation"},
    {207, "Menulark writes its pages into its own program folder, and that folder is not writable. Install Menulark into a folder of your own, for example with its setup program, which puts it into AppData\\Local\\Programs\\Menulark in your user folder."},
};

constexpr int kIds[] = {
    101, 102, 105, 106, 107, 108, 109, 111, 112, 113, 115, 118, 120, 121, 200, 201, 202, 203, 204, 205, 206, 207,
};

}  // namespace

std::string_view StringTableText(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id) return {};
    return it->text;
}

const int* StringTableIds(int* count) {
    *count = static_cast<int>(std::size(kIds));
    return kIds;
}

}  // namespace menulark
