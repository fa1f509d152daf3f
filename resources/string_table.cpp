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
    {IDS_ABOUTBOX, "&About Menulark..."},
    {IDS_FILL_ALL_BOXES, "Please make sure that all text boxes are filled out."},
    // simple look: head, script, hidden container and its scrolling frame
    {IDS_SIMPLE_HEAD,
     "<HTML>\n<HEAD>\n<SCRIPT language=\"Javascript\">\nvar popm =  window.createPopup();\nfunction popshow()\n{\nvar oSc = window.event.srcElement;\n\tvar leftposi = event.offsetY;\n\tvar topposi = event.offsetX+15;\n\tpopm.document.body.innerHTML = oCont.innerHTML; \n\tpopm.show(topposi, leftposi, 210, %i, oSc);\n}\nfunction navi(url)\n{\n\tlocation.href = url;\n}\n</SCRIPT>\n<STYLE>\n#oCont{display:none;}\n</STYLE>\n</HEAD>\n<BODY oncontextmenu=\"popshow(); return false\">\n<div id=oCont  style=\"position:absolute;\">\n<div style=\"height:76;overflow-x:hidden;overflow:auto;cursor:hand;background-color:lightsteelblue;color:darkblue;font:600 14px MS Sans Serif;border:0.05cm groove lightsteelblue;\">"},
    // simple look: one entry (explanation, url, title); no line end
    {IDS_SIMPLE_ENTRY,
     "<div title=\"%s\" name=\"%s\" onclick=\"parent.navi(this.name);\" onmouseover=\"this.style.backgroundColor = 'red';\" onmouseout=\"this.style.backgroundColor = 'lightsteelblue';\" style=\"border:0.03cm outset steelblue;\">%s</div>"},
    // simple look: closes frame and container, page text, end
    {IDS_SIMPLE_TAIL,
     "</div>\n</div>\nRight-click on the body.\n</BODY>\n</HTML>"},
    {IDS_ADD_ITEMS_FIRST, "Please add the items first."},
    // styled look: head, script, opens the hidden container
    {IDS_STYLED_HEAD,
     "<HTML>\n<HEAD>\n<SCRIPT language=\"Javascript\">\nfunction popshow(i, url)\n{\n\tswitch (i)\n\t{\n\tcase 1: \n\t\tvar topposi = event.y;\n\t\tvar leftposi = event.x+15;\n\t\toCont.style.posLeft =leftposi;\n\t\toCont.style.posTop = topposi;\n\t\toCont.style.display = \"\";\n\t\tbreak;\n\tcase 2: \n\t\tif (url != \"\")\n\t\t{\n\t\t\tlocation.href = url;\n\t\t}\n\t\tbreak;\n\tdefault:\n\t\tbreak;\n\t}\n}\nfunction checkOBJ()\n{\n\tvar so = event.srcElement.tagName;\n\tif (so == \"BODY\")\n\t{\n\t\toCont.style.display='none';\n\t}\n}\n</SCRIPT>\n</HEAD>\n<BODY oncontextmenu=\"popshow(1, ''); return false\" onclick=\"checkOBJ();\">\n<!--Menus-->\n<div id=oCont style=\"display:none;position:absolute;\">"},
    // styled look: one entry
    {IDS_STYLED_ENTRY,
     "<div title=\"%s\" name=\"%s\" onclick=\"popshow(%i, this.name);\" onmouseover=\"this.style.backgroundColor = '%s'; \" onmouseout=\"this.style.backgroundColor = '%s';\" style=\"border:%s %s %s;\">%s</div>\n"},
    // styled look: closes frame and container
    {IDS_STYLED_CLOSE,
     "</div>\n</div>\n"},
    // styled look: frame with scroll-bar colours
    {IDS_STYLED_FRAME,
     "\n<div style=\"overflow-x:hidden;overflow-y:auto;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;font:%s %spx %s;border:%s %s %s;scrollbar-arrow-color:%s;scrollbar-highlight-color:%s;scrollbar-3dlight-color:%s;scrollbar-shadow-color:%s;\">\n"},
    // styled look: page text, end
    {IDS_STYLED_TAIL,
     "Right-click on the body.\n</BODY>\n</HTML>"},
    {IDS_SELECT_MENU, "Please make sure that Menu is selected."},
    // styled look: frame without scroll-bar colours
    {IDS_STYLED_FRAME_PLAIN,
     "\n<div style=\"overflow-x:hidden;overflow-y:visible;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;font:%s %spx %s;border:%s %s %s;\">\n"},
    // colour swatch page
    {IDS_SWATCH_PAGE,
     "<HTML>\n<BODY bgcolor=\"%s\" style=\"overflow:hidden;border:0;\" oncontextmenu=\"return false;\">\n</BODY>\n</HTML>"},
    {IDS_WRITE_FAILED, "The page could not be written.\n\nFile: %s\nReason: %s"},
    {IDS_INSTALL_HINT, "Menulark writes its pages into its own program folder, and that folder is not writable. Install Menulark into a folder of your own, for example with \"make install\", which puts it into ~/.local/lib/menulark/."},
    {IDS_HELP_MISSING, "The help file was not found:\n%s"},
    {IDS_SELECTED_ITEM, "Selected item:"},
    {IDS_COLUMN_TITLE, "Title"},
    {IDS_COLUMN_URL, "URL"},
    {IDS_COLUMN_EXPLANATION, "Explanation"},
    {IDS_INSTALL_HINT_WINDOWS, "Menulark writes its pages into its own program folder, and that folder is not writable. Install Menulark into a folder of your own, for example with its setup program, which puts it into AppData\\Local\\Programs\\Menulark in your user folder."},
    {IDS_OPEN_MENU, "&Open menu..."},
    {IDS_SAVE_MENU, "&Save menu"},
    {IDS_SAVE_MENU_AS, "Save &menu as..."},
    {IDS_SAVE_PAGE_AS, "Save pa&ge as..."},
    {IDS_EDIT_ENTRY, "&Edit entry..."},
    {IDS_MOVE_ENTRY_UP, "Move entry &up"},
    {IDS_MOVE_ENTRY_DOWN, "Move entry &down"},
    {IDS_MENU_FILE_TYPES, "Menu files (*.menu.json)|*.menu.json|JSON files (*.json)|*.json|All files|*"},
    {IDS_PAGE_FILE_TYPES, "Web pages (*.htm;*.html)|*.htm;*.html|All files|*"},
    {IDS_OPEN_FAILED, "The menu file could not be opened.\n\nFile: %s\nReason: %s"},
    {IDS_SAVE_FAILED, "The menu file could not be saved.\n\nFile: %s\nReason: %s"},
    {IDS_SAVE_CHANGES, "The menu has changes that are not saved in a menu file. Save them?"},
    {IDS_SAVE_BUTTON, "&Save"},
    {IDS_DONT_SAVE_BUTTON, "Do&n't save"},
    {IDS_CANCEL_BUTTON, "Cancel"},
    {IDS_OPEN_MENU_TITLE, "Open menu"},
    {IDS_SAVE_MENU_TITLE, "Save menu"},
    {IDS_SAVE_PAGE_TITLE, "Save page"},
    {IDS_LOW_CONTRAST_BACKGROUND, "The font colour %s on the background colour %s has a contrast of only %s:1; text needs at least 4.5:1."},
    {IDS_LOW_CONTRAST_HIGHLIGHT, "The font colour %s on the highlight colour %s has a contrast of only %s:1; text needs at least 4.5:1."},
    {IDS_COPY_PAGE_CODE, "&Copy page code"},
    {IDS_PAGE_FOLDER_NOTE, "Menulark may not write into its program folder (%s), so it writes its pages into %s and opens them from there."},
    {IDS_SAVE_PAGE_CODE_FILES, "Save page code &files..."},
    {IDS_SAVE_PAGE_CODE_TITLE, "Save page code files into a folder"},
    {IDS_INSERT_SEPARATOR, "&Insert separator"},
    {IDS_INSERT_HEADING, "Insert &heading"},
    {IDS_INDENT_ENTRY, "Inde&nt"},
    {IDS_OUTDENT_ENTRY, "Ou&tdent"},
    {IDS_KIND_LINK, "Link"},
    {IDS_KIND_SEPARATOR, "Separator"},
    {IDS_KIND_HEADING, "Heading"},
    {IDS_BAD_ICON, "An icon is one or two characters (an emoji) or the address of a small image."},
    {IDS_PREVIEW, "&Preview"},
    {IDS_PREVIEW_TITLE, "Menulark preview"},
    {IDS_PREVIEW_NO_ENGINE, "The preview needs a web engine to show the page, and this system has none (on Linux, install WebKitGTK)."},
    {IDS_PREVIEW_SCRIPT_LINK, "%s (a link that runs script: not run in the preview)"},
    {IDS_PREVIEW_PAGE_NAME, "The menu's page"},
    {IDS_PREVIEW_STATUS_NAME, "Link target"},
    {IDS_TIP_TITLE, "The entry's text, as the menu shows it (Alt+T)"},
    {IDS_TIP_URL, "The address the entry opens (Alt+U)"},
    {IDS_TIP_EXPLANATION, "The tooltip the page shows on the entry (Alt+X)"},
    {IDS_TIP_MENU_BUTTON, "Shows every command: menu files, entries, page code, preview (Alt+F)"},
    {IDS_TIP_OK, "Closes Menulark (Alt+O)"},
    {IDS_TIP_ADD_MENU, "Adds the three boxes' texts as a new entry (Alt+A)"},
    {IDS_TIP_DELETE, "Deletes the selected entry (Alt+D)"},
    {IDS_TIP_HELP, "Opens the help page (Alt+H, F1)"},
    {IDS_TIP_CREATE, "Writes Popup.htm and opens it (Alt+C)"},
    {IDS_TIP_BACKGROUND, "The menu's background colour (Alt+K)"},
    {IDS_TIP_PICK_BACKGROUND, "Pick the background colour"},
    {IDS_TIP_ITEM_HIGHLIGHT, "The colour of the entry under the pointer (Alt+I)"},
    {IDS_TIP_PICK_ITEM_HIGHLIGHT, "Pick the highlight colour"},
    {IDS_TIP_FONT_SIZE, "The font size in pixels (Alt+Z)"},
    {IDS_TIP_PICK_FONT_SIZE, "Pick the font size"},
    {IDS_TIP_FONT_FAMILY, "The font family (Alt+Y)"},
    {IDS_TIP_PICK_FONT_FAMILY, "Pick the font style"},
    {IDS_TIP_FONT_COLOR, "The text colour (Alt+L)"},
    {IDS_TIP_PICK_FONT_COLOR, "Pick the font colour"},
    {IDS_TIP_BORDER_SIZE, "The border's width"},
    {IDS_TIP_PICK_BORDER_SIZE, "Pick the border size"},
    {IDS_TIP_BORDER_STYLE, "The border's line, such as solid or dotted"},
    {IDS_TIP_PICK_BORDER_STYLE, "Pick the border style"},
    {IDS_TIP_BORDER_COLOR, "The border's colour (Alt+R)"},
    {IDS_TIP_PICK_BORDER_COLOR, "Pick the border colour"},
    {IDS_TIP_SCROLLBAR_ARROW, "The colour of the scroll bar's arrows"},
    {IDS_TIP_PICK_SCROLLBAR_ARROW, "Pick the scroll-bar arrow colour"},
    {IDS_TIP_SCROLLBAR_HIGHLIGHT, "The scroll bar's highlight colour"},
    {IDS_TIP_PICK_SCROLLBAR_HIGHLIGHT, "Pick the scroll-bar highlight colour"},
    {IDS_TIP_SCROLLBAR_3DLIGHT, "The scroll bar's 3D light colour (Alt+3)"},
    {IDS_TIP_PICK_SCROLLBAR_3DLIGHT, "Pick the scroll-bar 3dlight colour"},
    {IDS_TIP_SCROLLBAR_SHADOW, "The scroll bar's shadow colour"},
    {IDS_TIP_PICK_SCROLLBAR_SHADOW, "Pick the scroll-bar shadow colour"},
    {IDS_TIP_ENTRY_ICON, "One or two characters (an emoji) or the address of a small image (Alt+I)"},
    {IDS_TIP_ENTRY_OK, "Keeps the changes (Enter)"},
    {IDS_TIP_ENTRY_CANCEL, "Leaves the entry as it was (Esc)"},
    {IDS_TIP_ABOUT_OK, "Closes this box (Enter, Esc)"},
};

constexpr int kIds[] = {
    IDS_ABOUTBOX, IDS_FILL_ALL_BOXES, IDS_SIMPLE_HEAD, IDS_SIMPLE_ENTRY, IDS_SIMPLE_TAIL,
    IDS_ADD_ITEMS_FIRST, IDS_STYLED_HEAD, IDS_STYLED_ENTRY, IDS_STYLED_CLOSE, IDS_STYLED_FRAME,
    IDS_STYLED_TAIL, IDS_SELECT_MENU, IDS_STYLED_FRAME_PLAIN, IDS_SWATCH_PAGE, IDS_WRITE_FAILED,
    IDS_INSTALL_HINT, IDS_HELP_MISSING, IDS_SELECTED_ITEM, IDS_COLUMN_TITLE, IDS_COLUMN_URL,
    IDS_COLUMN_EXPLANATION, IDS_INSTALL_HINT_WINDOWS, IDS_OPEN_MENU, IDS_SAVE_MENU, IDS_SAVE_MENU_AS, IDS_SAVE_PAGE_AS,
    IDS_EDIT_ENTRY, IDS_MOVE_ENTRY_UP, IDS_MOVE_ENTRY_DOWN, IDS_MENU_FILE_TYPES, IDS_PAGE_FILE_TYPES,
    IDS_OPEN_FAILED, IDS_SAVE_FAILED, IDS_SAVE_CHANGES, IDS_SAVE_BUTTON, IDS_DONT_SAVE_BUTTON,
    IDS_CANCEL_BUTTON, IDS_OPEN_MENU_TITLE, IDS_SAVE_MENU_TITLE, IDS_SAVE_PAGE_TITLE,
    IDS_LOW_CONTRAST_BACKGROUND, IDS_LOW_CONTRAST_HIGHLIGHT, IDS_COPY_PAGE_CODE,
    IDS_PAGE_FOLDER_NOTE, IDS_SAVE_PAGE_CODE_FILES, IDS_SAVE_PAGE_CODE_TITLE,
    IDS_INSERT_SEPARATOR, IDS_INSERT_HEADING, IDS_INDENT_ENTRY, IDS_OUTDENT_ENTRY,
    IDS_KIND_LINK, IDS_KIND_SEPARATOR, IDS_KIND_HEADING, IDS_BAD_ICON,
    IDS_PREVIEW, IDS_PREVIEW_TITLE, IDS_PREVIEW_NO_ENGINE, IDS_PREVIEW_SCRIPT_LINK,
    IDS_PREVIEW_PAGE_NAME, IDS_PREVIEW_STATUS_NAME,
    IDS_TIP_TITLE, IDS_TIP_URL, IDS_TIP_EXPLANATION, IDS_TIP_MENU_BUTTON, IDS_TIP_OK, IDS_TIP_ADD_MENU,
    IDS_TIP_DELETE, IDS_TIP_HELP, IDS_TIP_CREATE, IDS_TIP_BACKGROUND, IDS_TIP_PICK_BACKGROUND,
    IDS_TIP_ITEM_HIGHLIGHT, IDS_TIP_PICK_ITEM_HIGHLIGHT, IDS_TIP_FONT_SIZE, IDS_TIP_PICK_FONT_SIZE,
    IDS_TIP_FONT_FAMILY, IDS_TIP_PICK_FONT_FAMILY, IDS_TIP_FONT_COLOR, IDS_TIP_PICK_FONT_COLOR,
    IDS_TIP_BORDER_SIZE, IDS_TIP_PICK_BORDER_SIZE, IDS_TIP_BORDER_STYLE, IDS_TIP_PICK_BORDER_STYLE,
    IDS_TIP_BORDER_COLOR, IDS_TIP_PICK_BORDER_COLOR, IDS_TIP_SCROLLBAR_ARROW, IDS_TIP_PICK_SCROLLBAR_ARROW,
    IDS_TIP_SCROLLBAR_HIGHLIGHT, IDS_TIP_PICK_SCROLLBAR_HIGHLIGHT, IDS_TIP_SCROLLBAR_3DLIGHT,
    IDS_TIP_PICK_SCROLLBAR_3DLIGHT, IDS_TIP_SCROLLBAR_SHADOW, IDS_TIP_PICK_SCROLLBAR_SHADOW,
    IDS_TIP_ENTRY_ICON, IDS_TIP_ENTRY_OK, IDS_TIP_ENTRY_CANCEL, IDS_TIP_ABOUT_OK,
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
