  // --- submenus, separators and headings. This part is written into the
  // menu's script, before its end, for a menu with structure only, so that a
  // flat menu's page stays as it was. The script's own keys, type-ahead and
  // scrolling work in the level that is open: here `items` becomes that
  // level's entries, and the functions that knew one level learn them all.
  // Separators and headings are no menuitems, so the arrows and type-ahead
  // pass them by.
  var HOVER_MS = 200;  // resting on a parent this long opens its submenu
  var AIM_MS = 400;  // heading for an open submenu keeps it open this long at most
  var level = null;  // the level (a role="menu" element) the keys work in
  var openMenus = [];  // the open submenus, outermost first
  var levelEntries = new Map();
  var hoverTimer = 0;
  var aimTimer = 0;
  var trail = null;  // where the mouse was at its last move over the menu
  var lastPointerType = "mouse";

  function levelOf(el) { return el.closest('[role="menu"]'); }
  function isParent(el) { return !!el && el.getAttribute("aria-haspopup") === "menu"; }
  function submenuOf(parent) { return parent.nextElementSibling; }
  function parentOf(submenu) { return submenu.previousElementSibling; }
  function entriesOf(box) {
    var list = levelEntries.get(box);
    if (!list) {
      list = Array.prototype.filter.call(box.querySelectorAll('[role="menuitem"]'), function (item) {
        return levelOf(item) === box;
      });
      levelEntries.set(box, list);
    }
    return list;
  }
  // The title alone: an icon's text is no part of what the reader types.
  function titleOf(item) {
    return (item.lastChild ? item.lastChild.textContent : "").trim().toLocaleLowerCase();
  }
  function enterLevel(box) {
    if (box === level) return;
    level = box;
    items = entriesOf(box);
    labels = items.map(titleOf);
    typed = "";
  }
  enterLevel(menu);

  activeItem = function () {
    var el = root.activeElement;
    return el && el.getAttribute("role") === "menuitem" && menu.contains(el) ? el : null;
  };

  // Scrolls the level that holds `item`, and only that level.
  reveal = function (item) {
    var box = levelOf(item);
    var list = entriesOf(box);
    var top = item === list[0] ? 0 : item.offsetTop;
    var bottom = item === list[list.length - 1] ? box.scrollHeight : item.offsetTop + item.offsetHeight;
    if (top < box.scrollTop) box.scrollTop = top;
    else if (bottom > box.scrollTop + box.clientHeight) box.scrollTop = bottom - box.clientHeight;
  };

  // The open submenu whose parent is in `box`, or null.
  function openChildOf(box) {
    var index = box === menu ? 0 : openMenus.indexOf(box) + 1;
    return index > 0 || box === menu ? openMenus[index] || null : null;
  }

  // Closes the submenus deeper than `box`. With `keepFocus`, focus inside
  // one of them goes to the parent in `box` rather than to nowhere.
  function closeBelow(box, keepFocus) {
    var keep = box === menu ? 0 : openMenus.indexOf(box) + 1;
    if (keep === 0 && box !== menu) return;
    var focused = root.activeElement;
    var rescue = null;
    while (openMenus.length > keep) {
      var submenu = openMenus.pop();
      if (keepFocus && submenu.contains(focused)) rescue = parentOf(submenu);
      submenu.hidden = true;
      parentOf(submenu).setAttribute("aria-expanded", "false");
    }
    if (rescue) rescue.focus({ preventScroll: true });
  }

  // Places a submenu beside its parent's level, after it in the reading
  // direction, its first entry level with the parent; at the edge of the
  // visible area it goes to the other side, and it is never larger than
  // that area. Placed at 0, 0 first, as the top menu is (see openAt).
  function place(submenu) {
    var parent = parentOf(submenu);
    var area = visibleArea();
    submenu.style.maxHeight = Math.floor(area.height) + "px";
    submenu.style.left = "0px";
    submenu.style.top = "0px";
    var box = submenu.getBoundingClientRect();
    var row = parent.getBoundingClientRect();
    var outer = levelOf(parent).getBoundingClientRect();
    var rtl = getComputedStyle(levelOf(parent)).direction === "rtl";
    var after = rtl ? outer.left - box.width : outer.right;
    var before = rtl ? outer.right : outer.left - box.width;
    var top = row.top - submenu.clientTop - parseFloat(getComputedStyle(submenu).paddingTop);
    submenu.style.left = fit(after, before, box.width, area.left, area.left + area.width) - box.left + "px";
    submenu.style.top = fit(top, row.bottom - box.height, box.height, area.top, area.top + area.height) -
      box.top + "px";
  }

  function openSubmenu(parent, focusFirst) {
    var submenu = submenuOf(parent);
    closeBelow(levelOf(parent), false);
    if (submenu.hidden) {
      submenu.hidden = false;
      parent.setAttribute("aria-expanded", "true");
      openMenus.push(submenu);
      place(submenu);
      submenu.scrollTop = 0;
    }
    if (focusFirst) {
      enterLevel(submenu);
      focusItem(0);
    }
  }

  // Closes the submenu `box` and gives the focus back to its parent.
  function closeLevel(box) {
    var parent = parentOf(box);
    closeBelow(levelOf(parent), false);
    parent.focus({ preventScroll: true });
  }

  var closeMenu = close;
  close = function (restoreFocus) {
    closeBelow(menu, false);
    closeMenu(restoreFocus);
    enterLevel(menu);
  };
  var openMenuAt = openAt;
  openAt = function (x, y) {
    closeBelow(menu, false);
    enterLevel(menu);
    openMenuAt(x, y);
  };

  menu.addEventListener("focusin", function (e) {
    var box = levelOf(e.target);
    if (box) enterLevel(box);
  });

  // The keys for submenus; in a right-to-left level the two arrows swap.
  // Every other key goes on to the menu's own handler.
  menu.addEventListener("keydown", function (e) {
    if (e.ctrlKey || e.metaKey || e.altKey) return;
    var item = activeItem();
    var box = item ? levelOf(item) : level;
    var key = e.key;
    if (getComputedStyle(box).direction === "rtl")
      key = key === "ArrowLeft" ? "ArrowRight" : key === "ArrowRight" ? "ArrowLeft" : key;
    var opens = isParent(item) && (key === "ArrowRight" || key === "Enter" || key === " ");
    var backs = box !== menu && (key === "ArrowLeft" || key === "Escape");
    if (!opens && !backs) return;
    e.preventDefault();
    e.stopPropagation();
    usingKeys(true);
    if (opens) openSubmenu(item, true);
    else closeLevel(box);
  });

  // A click or tap on a parent opens its submenu (a second tap closes it);
  // it never follows the parent's own link.
  menu.addEventListener("pointerdown", function (e) { lastPointerType = e.pointerType; }, true);
  menu.addEventListener("click", function (e) {
    var parent = e.target.closest ? e.target.closest('[aria-haspopup="menu"]') : null;
    if (!parent) return;
    e.preventDefault();
    e.stopPropagation();
    clearTimeout(hoverTimer);
    if (!submenuOf(parent).hidden && lastPointerType !== "mouse") closeBelow(levelOf(parent), false);
    else openSubmenu(parent, false);
  }, true);

  // Whether the mouse, moving from `from` to `to`, heads for `submenu`:
  // `to` lies in the triangle between `from` and the submenu's near edge.
  function headsFor(from, to, submenu) {
    var box = submenu.getBoundingClientRect();
    var edge = box.left >= from.x ? box.left : box.right <= from.x ? box.right : NaN;
    if (isNaN(edge) || (to.x === from.x && to.y === from.y)) return false;
    function side(ax, ay, bx, by, cx, cy) { return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax); }
    var d1 = side(from.x, from.y, edge, box.top, to.x, to.y);
    var d2 = side(edge, box.top, edge, box.bottom, to.x, to.y);
    var d3 = side(edge, box.bottom, from.x, from.y, to.x, to.y);
    return !((d1 < 0 || d2 < 0 || d3 < 0) && (d1 > 0 || d2 > 0 || d3 > 0));
  }

  // Resting on an entry: after a moment its level shows its submenu, if
  // it has one, and no other.
  function hover(item) {
    clearTimeout(hoverTimer);
    if (!item) return;
    var box = levelOf(item);
    var child = openChildOf(box);
    if (child ? parentOf(child) === item : !isParent(item)) return;
    hoverTimer = setTimeout(function () {
      if (!isOpen()) return;
      closeBelow(box, false);
      if (isParent(item)) openSubmenu(item, false);
    }, HOVER_MS);
  }

  // Before the menu's own handler, which gives the focus to the entry under
  // the mouse: while the mouse heads for the open submenu, the entries it
  // crosses on the way take neither the focus nor the submenu's place.
  menu.addEventListener("pointermove", function (e) {
    if (e.pointerType !== "mouse") return;
    var from = trail;
    var to = { x: e.clientX, y: e.clientY };
    trail = to;
    clearTimeout(aimTimer);
    var item = e.target.closest ? e.target.closest('[role="menuitem"]') : null;
    var child = openChildOf(levelOf(e.target));
    if (child && from && item !== parentOf(child) && headsFor(from, to, child)) {
      e.stopPropagation();
      aimTimer = setTimeout(function () {
        var under = root.elementFromPoint(to.x, to.y);
        var rest = under && menu.contains(under) ? under.closest('[role="menuitem"]') : null;
        if (rest) rest.focus({ preventScroll: true });
        hover(rest);
      }, AIM_MS);
      return;
    }
    hover(item);
  }, true);
  menu.addEventListener("pointerleave", function () { trail = null; });

  // A level that scrolls takes its open submenu along.
  menu.addEventListener("scroll", function () { openMenus.forEach(place); }, true);
