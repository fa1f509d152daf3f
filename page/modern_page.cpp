#include "page/modern_page.h"

#include <string_view>

#include "page/web_escape.h"

namespace menulark {
namespace {

constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Right-click menu</title>
<style>
html { min-height: 100%; }
#menu { position: fixed; left: 0; top: 0; z-index: 2147483647; margin: 0; padding: 0; cursor: pointer; }
#menu[hidden] { display: none; }
#menu:focus { outline: none; }
#menu a { display: block; color: inherit; text-decoration: none; }
#menu a:focus { outline: none; }
)";

// The classic simple look: 210 px wide, 19 px per entry; the frame's height
// follows after this block, from the number of entries.
constexpr std::string_view kSimpleLookCss =
    R"(#menu { width: 210px; overflow-x: hidden; overflow-y: auto; background-color: lightsteelblue; color: darkblue; font-weight: 600; font-size: 14px; font-family: "MS Sans Serif", sans-serif; border: 0.05cm groove lightsteelblue; }
#menu a { box-sizing: border-box; height: 19px; line-height: 17px; border: 0.03cm outset steelblue; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
#menu a:hover, #menu a:focus { background-color: red; }
)";

constexpr std::string_view kBodyOpen = R"(</style>
</head>
<body>
<div id="menu" role="menu" aria-label="Menu" tabindex="-1" hidden>
)";

// The behaviour reads everything it needs from the page, so no author value
// is ever written into the script.
constexpr std::string_view kBodyClose = R"(</div>
Right-click on the body.
<script>
(function () {
  "use strict";
  var menu = document.getElementById("menu");
  var items = Array.prototype.slice.call(menu.querySelectorAll('[role="menuitem"]'));
  var OFFSET_X = 15;
  var returnFocus = null;
  var lastPointer = { x: 0, y: 0 };
  var keyboardOpenedAt = -Infinity;

  function isOpen() { return !menu.hidden; }

  // The area the menu covers on screen: its box, and with visible overflow
  // also the entries that stand out of it.
  function extent() {
    var box = menu.getBoundingClientRect();
    var right = box.right, bottom = box.bottom;
    if (getComputedStyle(menu).overflowY === "visible") {
      items.forEach(function (item) {
        var r = item.getBoundingClientRect();
        right = Math.max(right, r.right);
        bottom = Math.max(bottom, r.bottom);
      });
    }
    return { width: right - box.left, height: bottom - box.top };
  }

  // Shows the menu with its top-left corner at (x, y), moved left and up as
  // far as needed to stay inside the viewport.
  function openAt(x, y) {
    if (!isOpen()) returnFocus = document.activeElement;
    menu.style.left = "0px";
    menu.style.top = "0px";
    menu.hidden = false;
    menu.scrollTop = 0;
    var size = extent();
    var view = document.documentElement;
    var left = Math.max(0, Math.min(x, view.clientWidth - size.width));
    var top = Math.max(0, Math.min(y, view.clientHeight - size.height));
    menu.style.left = left + "px";
    menu.style.top = top + "px";
  }

  function close(restoreFocus) {
    if (!isOpen()) return;
    menu.hidden = true;
    var target = returnFocus;
    returnFocus = null;
    if (!restoreFocus) return;
    if (target && target !== document.body && target.isConnected && typeof target.focus === "function") {
      target.focus({ preventScroll: true });
    } else if (document.activeElement && document.activeElement !== document.body) {
      document.activeElement.blur();
    }
  }

  function focusItem(index) {
    if (items.length === 0) return;
    var count = items.length;
    items[((index % count) + count) % count].focus({ preventScroll: true });
  }

  function keyboardAnchor() {
    var el = document.activeElement;
    if (el && el !== document.body && el !== document.documentElement && !menu.contains(el)) {
      var r = el.getBoundingClientRect();
      return { x: r.left, y: r.bottom };
    }
    return lastPointer;
  }

  document.addEventListener("contextmenu", function (e) {
    var byKeyboard = performance.now() - keyboardOpenedAt < 1000;
    if (e.shiftKey && !byKeyboard) return;  // Shift leaves the browser's own menu
    e.preventDefault();
    if (byKeyboard || (isOpen() && menu.contains(e.target))) return;
    openAt(e.clientX + OFFSET_X, e.clientY);
    menu.focus({ preventScroll: true });
  });

  document.addEventListener("keydown", function (e) {
    if (e.key === "ContextMenu" || (e.key === "F10" && e.shiftKey)) {
      e.preventDefault();
      keyboardOpenedAt = performance.now();
      if (!isOpen()) {
        var at = keyboardAnchor();
        openAt(at.x + OFFSET_X, at.y);
      }
      focusItem(0);
      return;
    }
    if (!isOpen()) return;
    var current = items.indexOf(document.activeElement);
    switch (e.key) {
      case "ArrowDown": e.preventDefault(); focusItem(current < 0 ? 0 : current + 1); break;
      case "ArrowUp": e.preventDefault(); focusItem(current < 0 ? -1 : current - 1); break;
      case "Home": e.preventDefault(); focusItem(0); break;
      case "End": e.preventDefault(); focusItem(-1); break;
      case "Escape": e.preventDefault(); close(true); break;
      case "Tab": close(true); break;
      case " ":
        if (current >= 0) { e.preventDefault(); items[current].click(); }
        break;
    }
  });

  document.addEventListener("pointerdown", function (e) {
    lastPointer = { x: e.clientX, y: e.clientY };
    keyboardOpenedAt = -Infinity;  // the context menu event that follows comes from the pointer
    if (isOpen() && !menu.contains(e.target)) close(true);
  }, true);
  document.addEventListener("mousemove", function (e) { lastPointer = { x: e.clientX, y: e.clientY }; });
  menu.addEventListener("click", function (e) {
    if (e.target.closest && e.target.closest('[role="menuitem"]')) close(true);
  });
  menu.addEventListener("focusout", function (e) {
    if (e.relatedTarget && !menu.contains(e.relatedTarget)) close(false);
  });
  window.addEventListener("scroll", function () { close(true); });
  window.addEventListener("resize", function () { close(true); });
  window.addEventListener("blur", function () { close(true); });
  window.addEventListener("pagehide", function () { close(false); });
})();
</script>
</body>
</html>
)";

// Appends "  property: value;" unless the value is empty: an empty style
// value leaves its property to the browser.
void AppendDeclaration(std::string& css, std::string_view property, const std::string& value) {
    if (value.empty()) return;
    css += ' ';
    css += property;
    css += ": ";
    css += value;
    css += ';';
}

// "window-inset" is in the border style list but current browsers know only
// its plain form.
std::string BorderStyleValue(const std::string& value) {
    if (value == "window-inset") return "inset";
    return EscapeCssValue(value);
}

void AppendBorder(std::string& css, const StyleSettings& s) {
    AppendDeclaration(css, "border-width", CssLength(s.borderSize));
    AppendDeclaration(css, "border-style", BorderStyleValue(s.borderStyle));
    AppendDeclaration(css, "border-color", EscapeCssValue(s.borderColor));
}

std::string StyledLookCss(const StyleSettings& s) {
    std::string css = "#menu {";
    // Without scroll-bar colours the classic frame lets its entries stand out
    // of it instead of scrolling.
    css += s.scrollbarColors ? " overflow-x: hidden; overflow-y: auto;" : " overflow: visible;";
    AppendDeclaration(css, "width", CssLength(s.width));
    AppendDeclaration(css, "height", CssLength(s.height));
    AppendDeclaration(css, "background-color", EscapeCssValue(s.backgroundColor));
    AppendDeclaration(css, "color", EscapeCssValue(s.fontColor));
    AppendDeclaration(css, "font-weight", EscapeCssValue(s.fontWeight));
    AppendDeclaration(css, "font-size", CssLength(s.fontSize));
    AppendDeclaration(css, "font-family", CssFontFamilyList(s.fontFamily, "sans-serif"));
    AppendBorder(css, s);
    // Current browsers colour a scroll bar's thumb and track only; the 3D
    // light and shadow colours have no counterpart.
    if (s.scrollbarColors && !s.scrollbarArrowColor.empty() && !s.scrollbarHighlightColor.empty()) {
        AppendDeclaration(
            css, "scrollbar-color",
            EscapeCssValue(s.scrollbarArrowColor) + " " + EscapeCssValue(s.scrollbarHighlightColor));
    }
    css += " }\n#menu a {";
    AppendBorder(css, s);
    css += " }\n#menu a:hover, #menu a:focus {";
    AppendDeclaration(css, "background-color", EscapeCssValue(s.itemHighlightColor));
    css += " }\n";
    return css;
}

std::string SimpleLookCss(size_t rows) {
    std::string css(kSimpleLookCss);
    css += "#menu { height: " + std::to_string(PopupHeight(rows)) + "px; }\n";
    return css;
}

void AppendEntry(std::string& page, const MenuItem& item) {
    page += "<a href=\"";
    page += EscapeHtmlAttribute(item.url);
    page += "\" title=\"";
    page += EscapeHtmlAttribute(item.explanation);
    page += "\" role=\"menuitem\">";
    page += EscapeHtmlText(item.title);
    page += "</a>\n";
}

}  // namespace

std::string BuildModernPage(const MenuItemList& items, PageMode mode, const StyleSettings& style) {
    std::string page;
    page.reserve(kHead.size() + kSimpleLookCss.size() + kBodyOpen.size() + kBodyClose.size() +
                 128 * items.size());
    page += kHead;
    page += mode == PageMode::Styled ? StyledLookCss(style) : SimpleLookCss(items.size());
    page += kBodyOpen;
    for (const MenuItem& item : items) AppendEntry(page, item);
    page += kBodyClose;
    return page;
}

}  // namespace menulark
