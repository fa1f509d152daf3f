// The window's live preview only, never in a written page. The preview loads
// the page again for every change; this keeps an open menu open across the
// reload: the window asks menularkPreview.state() before it loads the new
// page and hands the answer to menularkPreview.reopen() once it is loaded.
// It runs before the menu's own script, so that it still sees the menu open
// when the page loses the focus (the menu closes then, but the author who
// changes a colour in the main window wants to see it on the open menu).
(function () {
  "use strict";
  var opening = null;  // how the menu was last opened: a point, or "keys"
  var openAtBlur = false;
  var activeAtBlur = -1;

  function menu() { return document.querySelector('[role="menu"]'); }
  function isOpen() { var m = menu(); return !!m && !m.hidden; }
  function entries() {
    var m = menu();
    return m ? Array.prototype.slice.call(m.querySelectorAll('[role="menuitem"]')) : [];
  }
  function activeIndex() { return entries().indexOf(document.activeElement); }

  window.addEventListener("contextmenu", function (e) {
    if (!isOpen()) opening = { x: e.clientX, y: e.clientY };
  }, true);
  window.addEventListener("pointerdown", function (e) {
    if (!isOpen() && e.pointerType !== "mouse") opening = { x: e.clientX, y: e.clientY };
  }, true);
  window.addEventListener("keydown", function (e) {
    if (!isOpen() && (e.key === "ContextMenu" || (e.key === "F10" && e.shiftKey))) opening = "keys";
  }, true);
  window.addEventListener("blur", function () {
    openAtBlur = isOpen();
    activeAtBlur = activeIndex();
  });
  window.addEventListener("focus", function () { openAtBlur = false; });

  window.menularkPreview = {
    // "" when the menu is closed; otherwise how to open it again.
    state: function () {
      var open = isOpen();
      if (!(open || openAtBlur) || !opening) return "";
      var m = menu();
      return JSON.stringify({
        at: opening,
        active: open ? activeIndex() : activeAtBlur,
        keys: m.hasAttribute("data-keys")
      });
    },
    reopen: function (state) {
      if (!state || !state.at) return;
      if (state.at === "keys") {
        document.dispatchEvent(new KeyboardEvent("keydown",
          { key: "F10", shiftKey: true, bubbles: true, cancelable: true }));
      } else {
        opening = state.at;
        document.documentElement.dispatchEvent(new MouseEvent("contextmenu",
          { clientX: state.at.x, clientY: state.at.y, bubbles: true, cancelable: true }));
      }
      var list = entries();
      if (state.active >= 0 && state.active < list.length) list[state.active].focus({ preventScroll: true });
      if (state.keys) menu().setAttribute("data-keys", "");
      openAtBlur = !document.hasFocus() && isOpen();
      activeAtBlur = activeIndex();
    }
  };
})();
