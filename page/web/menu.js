(function () {
  "use strict";
  var script = document.currentScript;
  var menu = script && script.previousElementSibling;
  if (!menu || menu.getAttribute("role") !== "menu") return;
  var items = Array.prototype.slice.call(menu.querySelectorAll('[role="menuitem"]'));
  var OFFSET_X = 15;
  var PRESS_MS = 500;
  var PRESS_SLOP = 10;
  var TYPE_AHEAD_MS = 500;

  // A snippet says which elements it serves (empty: the whole document) and
  // moves its style sheet (a style element, or a link to its own file) and
  // menu into a shadow root of their own, where the host page's rules cannot
  // reach them and from where they cannot restyle the host page. Styles go
  // through the CSSOM only, which a strict Content-Security-Policy allows.
  var targetSelector = menu.getAttribute("data-target") || "";
  if (menu.hasAttribute("data-target")) {
    var style = menu.previousElementSibling;
    var host = document.createElement("div");
    host.style.setProperty("all", "initial", "important");
    host.style.setProperty("display", "contents", "important");
    var shadow = host.attachShadow({ mode: "open" });
    if (style && (style.localName === "style" || (style.localName === "link" && style.rel === "stylesheet")))
      shadow.appendChild(style);
    shadow.appendChild(menu);
    (document.body || document.documentElement).appendChild(host);
  }
  if (targetSelector) {
    try {
      document.querySelector(targetSelector);
    } catch (error) {
      console.warn("Menu: \"" + targetSelector + "\" is not a CSS selector, so the menu opens nowhere.");
      return;
    }
  }
  var root = menu.getRootNode();  // the document, or the snippet's shadow root

  // Where the browser has a top layer for popovers, the open menu goes there:
  // no z-index, overflow or transform of the host page can cover, clip or
  // shift it. The popover is manual: closing stays the script's own.
  var topLayer = typeof menu.showPopover === "function";
  if (topLayer) menu.popover = "manual";

  var returnFocus = null;
  var lastPointer = { x: 0, y: 0 };
  var keyboardOpenedAt = -Infinity;
  var pressOpenedAt = -Infinity;
  var press = null;
  var swallowClick = false;
  var rightPress = null;  // where the last press was, and whether on selected text
  var typed = "";
  var typedAt = -Infinity;
  var labels = null;

  function isOpen() { return !menu.hidden; }
  function isInside(e) { return e.composedPath().indexOf(menu) >= 0; }
  function activeItem() {
    var el = root.activeElement;
    return el && el.parentNode === menu ? el : null;
  }

  // The element the menu serves that holds `node`, or null.
  function targetOf(node) {
    if (!targetSelector) return document.documentElement;
    var el = node && node.nodeType === 1 ? node : node && node.parentElement;
    return el ? el.closest(targetSelector) : null;
  }

  // The text field, editable element or link that holds `node`, or null:
  // there the reader needs the browser's own menu (Paste, Open in new tab).
  var NOT_TEXT_INPUT = /^(?:button|checkbox|color|file|hidden|image|radio|range|reset|submit)$/;
  function browserMenuHolder(node) {
    var el = node && node.nodeType === 1 ? node : node && node.parentElement;
    for (; el; el = el.parentElement || (el.getRootNode().host || null)) {
      if (el.isContentEditable || el.localName === "textarea" ||
          (el.localName === "input" && !NOT_TEXT_INPUT.test(el.type)) ||
          (el.localName === "a" && el.hasAttribute("href"))) return el;
    }
    return null;
  }

  // The element the menu opens for at `node` (`inner`: the same place
  // inside the shadow roots of the host page), or null: outside its targets,
  // and in a field or link, unless the target names that very element (or
  // one inside it) on purpose.
  function menuHolderAt(node, inner) {
    var holder = targetOf(node);
    var reserved = holder && browserMenuHolder(inner || node);
    return reserved && !reserved.contains(holder) ? null : holder;
  }

  // Whether (x, y) lies on selected text: the reader wants Copy there.
  function isOnSelection(x, y) {
    var selection = window.getSelection();
    if (!selection || selection.isCollapsed) return false;
    for (var i = 0; i < selection.rangeCount; i++) {
      var rects = selection.getRangeAt(i).getClientRects();
      for (var j = 0; j < rects.length; j++) {
        var r = rects[j];
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return true;
      }
    }
    return false;
  }

  // The focus ring shows while the keyboard leads; the pointer hides it.
  function usingKeys(on) {
    if (on) menu.setAttribute("data-keys", "");
    else menu.removeAttribute("data-keys");
  }

  // What the reader sees of the page: the visual viewport, so that a
  // pinch-zoomed page gets the menu where it is looked at.
  function visibleArea() {
    var v = window.visualViewport;
    if (v) return { left: v.offsetLeft, top: v.offsetTop, width: v.width, height: v.height };
    var d = document.documentElement;
    return { left: 0, top: 0, width: d.clientWidth, height: d.clientHeight };
  }

  // The menu's largest size. A closed menu keeps its layout, so that opening
  // it only moves it; a new limit lays out every entry again, so it is set
  // only when the visible area has changed.
  var limits = { width: "", height: "" };
  function limitTo(area) {
    var width = Math.floor(area.width) + "px";
    var height = Math.floor(area.height) + "px";
    if (width !== limits.width) menu.style.setProperty("--mlk-max-width", limits.width = width);
    if (height !== limits.height) menu.style.setProperty("--mlk-max-height", limits.height = height);
  }
  limitTo(visibleArea());
  // Lays the entries out once now, while the page loads, rather than at the
  // first opening.
  menu.style.contentVisibility = "visible";
  menu.getBoundingClientRect();
  menu.style.contentVisibility = "";

  // The start of a box of `size` on one axis between `low` and `high`:
  // `preferred` where it fits, else `flipped` (the other side of the
  // pointer), else shifted from `preferred` only as far as needed.
  function fit(preferred, flipped, size, low, high) {
    if (preferred >= low && preferred + size <= high) return preferred;
    if (flipped >= low && flipped + size <= high) return flipped;
    return Math.max(low, Math.min(preferred, high - size));
  }

  // Shows the menu: in the top layer where there is one, else where it is.
  function showMenu() {
    menu.hidden = false;
    if (!topLayer || menu.matches(":popover-open")) return;
    try {
      menu.showPopover();
    } catch (error) {
      topLayer = false;  // a document that refuses popovers: the fixed box it is
    }
  }

  function hideMenu() {
    if (topLayer && menu.matches(":popover-open")) menu.hidePopover();
    menu.hidden = true;
  }

  // Shows the menu beside (x, y): after it in the reading direction and
  // below it. The menu is never larger than the visible area; it scrolls.
  // Placed at 0, 0 first, its box tells where that is: not the corner of
  // the viewport when a transform, filter or will-change of an ancestor
  // makes that ancestor its containing block.
  function openAt(x, y) {
    if (!isOpen()) returnFocus = document.activeElement;
    var area = visibleArea();
    limitTo(area);
    menu.style.left = "0px";
    menu.style.top = "0px";
    showMenu();
    menu.removeAttribute("aria-hidden");
    menu.scrollTop = 0;
    var box = menu.getBoundingClientRect();
    var rtl = getComputedStyle(menu).direction === "rtl";
    var after = rtl ? x - OFFSET_X - box.width : x + OFFSET_X;
    var before = rtl ? x + OFFSET_X : x - OFFSET_X - box.width;
    menu.style.left = fit(after, before, box.width, area.left, area.left + area.width) - box.left + "px";
    menu.style.top = fit(y, y - box.height, box.height, area.top, area.top + area.height) - box.top + "px";
  }

  function close(restoreFocus) {
    if (!isOpen()) return;
    hideMenu();
    menu.setAttribute("aria-hidden", "true");
    usingKeys(false);
    var target = returnFocus;
    returnFocus = null;
    if (!restoreFocus) return;
    if (target && target !== document.body && target.isConnected && typeof target.focus === "function") {
      target.focus({ preventScroll: true });
    } else if (document.activeElement && document.activeElement !== document.body) {
      document.activeElement.blur();
    }
    // Firefox leaves the focus inside a shadow root when its host is blurred:
    // no entry of the closed menu keeps it.
    var kept = root.activeElement;
    if (kept && root !== document && menu.contains(kept)) kept.blur();
  }

  // Scrolls the menu, and only the menu, so that `item` shows whole.
  function reveal(item) {
    var top = item === items[0] ? 0 : item.offsetTop;
    var bottom = item === items[items.length - 1] ? menu.scrollHeight : item.offsetTop + item.offsetHeight;
    if (top < menu.scrollTop) menu.scrollTop = top;
    else if (bottom > menu.scrollTop + menu.clientHeight) menu.scrollTop = bottom - menu.clientHeight;
  }

  function focusItem(index) {
    var count = items.length;
    if (count === 0) return;
    var item = items[((index % count) + count) % count];
    item.focus({ preventScroll: true });
    reveal(item);
  }

  // Type-ahead: a character moves to the next entry that starts with it;
  // characters typed in quick succession match the start of an entry.
  function typeAhead(key, current) {
    var now = performance.now();
    typed = (now - typedAt > TYPE_AHEAD_MS ? "" : typed) + key.toLocaleLowerCase();
    typedAt = now;
    if (!labels) labels = items.map(function (item) { return item.textContent.trim().toLocaleLowerCase(); });
    var chars = Array.from(typed);
    var repeated = chars.every(function (c) { return c === chars[0]; });
    var search = repeated ? chars[0] : typed;
    var start = repeated || current < 0 ? current + 1 : current;
    for (var i = 0; i < items.length; i++) {
      var index = (start + i) % items.length;
      if (labels[index].lastIndexOf(search, 0) === 0) {
        focusItem(index);
        return;
      }
    }
  }

  // The focused element, inside the shadow roots of the host page too.
  function deepActiveElement() {
    var el = document.activeElement;
    while (el && el.shadowRoot && el.shadowRoot.activeElement) el = el.shadowRoot.activeElement;
    return el;
  }

  function keyboardAnchor() {
    var el = document.activeElement;
    if (el && el !== document.body && el !== document.documentElement) {
      var r = el.getBoundingClientRect();
      return { x: getComputedStyle(el).direction === "rtl" ? r.right : r.left, y: r.bottom };
    }
    return lastPointer;
  }

  document.addEventListener("contextmenu", function (e) {
    var now = performance.now();
    var byKeyboard = now - keyboardOpenedAt < 1000;
    if (e.shiftKey && !byKeyboard) return;  // Shift leaves the browser's own menu
    if (isOpen() && (byKeyboard || isInside(e))) {
      e.preventDefault();
      return;
    }
    var onSelection = rightPress && rightPress.x === e.clientX && rightPress.y === e.clientY
      ? rightPress.onSelection : isOnSelection(e.clientX, e.clientY);
    if (onSelection || !menuHolderAt(e.target, e.composedPath()[0])) return;
    e.preventDefault();
    if (press || now - pressOpenedAt < 1000) return;  // a long press opens it, or has opened it
    openAt(e.clientX, e.clientY);
    usingKeys(false);
    menu.focus({ preventScroll: true });
  });

  document.addEventListener("keydown", function (e) {
    if (e.key === "ContextMenu" || (e.key === "F10" && e.shiftKey)) {
      if (!isOpen() && !menuHolderAt(document.activeElement, deepActiveElement())) return;
      e.preventDefault();
      keyboardOpenedAt = performance.now();
      if (!isOpen()) {
        var at = keyboardAnchor();
        openAt(at.x, at.y);
      }
      usingKeys(true);
      focusItem(0);
      return;
    }
    if (!isOpen()) return;
    var current = items.indexOf(activeItem());
    switch (e.key) {
      case "ArrowDown": focusItem(current < 0 ? 0 : current + 1); break;
      case "ArrowUp": focusItem(current < 0 ? -1 : current - 1); break;
      case "Home": case "PageUp": focusItem(0); break;
      case "End": case "PageDown": focusItem(-1); break;
      case "Escape": e.preventDefault(); close(true); return;
      case "Tab": close(true); return;
      case " ":
        if (current >= 0) { e.preventDefault(); items[current].click(); }
        return;
      default:
        if (e.ctrlKey || e.metaKey || e.altKey || Array.from(e.key).length !== 1) return;
        typeAhead(e.key, current);
    }
    e.preventDefault();
    usingKeys(true);
  });

  // --- the pointer; a long press stands in for devices without a context menu event

  function cancelPress() {
    if (!press) return;
    clearTimeout(press.timer);
    press.holder.style.webkitTouchCallout = press.callout;
    press = null;
  }

  function startPress(e) {
    cancelPress();
    var holder = menuHolderAt(e.target, e.composedPath()[0]);
    if (!holder || rightPress.onSelection) return;
    var current = { id: e.pointerId, x: e.clientX, y: e.clientY, holder: holder,
      callout: holder.style.webkitTouchCallout || "", fired: false };
    holder.style.webkitTouchCallout = "none";  // no link preview while the finger is down
    current.timer = setTimeout(function () {
      current.fired = true;
      pressOpenedAt = performance.now();
      openAt(current.x, current.y);
      usingKeys(false);
      menu.focus({ preventScroll: true });
    }, PRESS_MS);
    press = current;
  }

  function liftPress(e) {
    if (!press || e.pointerId !== press.id) return;
    if (press.fired) {
      // The menu stays open; the click the lift may send is not for the page.
      pressOpenedAt = performance.now();
      swallowClick = true;
      setTimeout(function () { swallowClick = false; }, 400);
    }
    cancelPress();
  }

  document.addEventListener("pointerdown", function (e) {
    lastPointer = { x: e.clientX, y: e.clientY };
    // Before the press's own default, which on some systems selects the word
    // under the pointer: only a selection that was there already counts.
    rightPress = { x: e.clientX, y: e.clientY, onSelection: isOnSelection(e.clientX, e.clientY) };
    keyboardOpenedAt = -Infinity;  // the context menu event that follows comes from the pointer
    var inside = isInside(e);
    if (isOpen() && !inside) close(true);
    if (!e.isPrimary) cancelPress();  // a second finger: a pinch, no long press
    else if (e.pointerType !== "mouse" && !inside) startPress(e);
  }, true);
  document.addEventListener("pointermove", function (e) {
    if (press && e.pointerId === press.id && !press.fired &&
        Math.abs(e.clientX - press.x) + Math.abs(e.clientY - press.y) > PRESS_SLOP) cancelPress();
  }, true);
  document.addEventListener("pointerup", liftPress, true);
  document.addEventListener("pointercancel", liftPress, true);
  document.addEventListener("click", function (e) {
    if (swallowClick && !isInside(e)) {
      e.preventDefault();
      e.stopPropagation();
    }
    swallowClick = false;
  }, true);
  document.addEventListener("mousemove", function (e) { lastPointer = { x: e.clientX, y: e.clientY }; });

  // Hover and focus are one: the entry under the mouse takes the focus.
  menu.addEventListener("pointermove", function (e) {
    if (e.pointerType !== "mouse") return;
    usingKeys(false);
    var item = e.target.closest ? e.target.closest('[role="menuitem"]') : null;
    if (item && item !== activeItem()) item.focus({ preventScroll: true });
  });
  menu.addEventListener("pointerleave", function (e) {
    if (e.pointerType === "mouse" && activeItem() && !menu.hasAttribute("data-keys")) menu.focus({ preventScroll: true });
  });
  menu.addEventListener("click", function (e) {
    if (e.target.closest && e.target.closest('[role="menuitem"]')) close(true);
  });
  menu.addEventListener("focusout", function (e) {
    if (e.relatedTarget && !menu.contains(e.relatedTarget)) close(false);
  });
  window.addEventListener("scroll", function () { close(true); });
  window.addEventListener("resize", function () { close(true); });
  if (window.visualViewport) window.visualViewport.addEventListener("resize", function () { close(true); });
  window.addEventListener("blur", function () { close(true); });
  window.addEventListener("pagehide", function () { close(false); });
})();
