#!/usr/bin/python3
"""The main window as a screen reader reads it, over the AT-SPI bus.

Started by scripts/run-a11y-test inside a private D-Bus session. Opens the
program with the example menu file (styled, so the style panel is open) and
checks, open and then collapsed: every shown actionable control has a name,
every push button and text box a description (its tooltip), the menu button
says that it opens a menu, every text box and list names the label that names it, the entry list shows
its rows and selection (both ways), and each pick list shows its entries.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")

ACTIONABLE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PUSH_BUTTON_MENU, pyatspi.ROLE_CHECK_BOX,
              pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_TEXT,
              pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}
LABELLED = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST}
DESCRIBED = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PUSH_BUTTON_MENU, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)


def wait_for(find, what, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("window_a11y_test: gave up waiting for " + what)


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def labels_of(obj):
    return [r.getTarget(i).name for r in obj.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]


def main_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "menulark":
            for window in app:
                if window is not None and "Menulark" in window.name and showing(window):
                    return window
    return None


def shown_controls(window):
    """Each shown actionable control as 'role: name [label]'."""
    lines = []
    for obj in walk(window):
        if obj.getRole() not in ACTIONABLE or not showing(obj):
            continue
        role = obj.getRoleName()
        check(obj.name.strip() != "", "a %s without a name" % role)
        labels = labels_of(obj)
        if obj.getRole() in LABELLED:
            check(labels, "%s '%s' names no label" % (role, obj.name))
        if obj.getRole() in DESCRIBED:
            check(obj.description.strip() != "", "%s '%s' has no description" % (role, obj.name))
        line = "%s: %s%s" % (role, obj.name, " [%s]" % labels[0] if labels else "")
        lines.append(line.replace("\n", "\\n"))
    return lines


def expected(name):
    with open(os.path.join(DATA, name), encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip()]


def compare(actual, wanted_file):
    wanted = expected(wanted_file)
    check(sorted(actual) == sorted(wanted),
          "%s differs:\n  missing %s\n  unexpected %s" % (wanted_file, sorted(set(wanted) - set(actual)),
                                                          sorted(set(actual) - set(wanted))))


def find(window, role, name):
    for obj in walk(window):
        if obj.getRole() == role and obj.name == name:
            return obj
    return None


def main():
    program = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="menulark-a11y.")
    try:
        # A copy of its own: the program writes beside itself.
        shutil.copy2(program, folder)
        menu = os.path.join(folder, "example.menu.json")
        shutil.copy2(os.path.join(DATA, "example.menu.json"), menu)
        env = dict(os.environ)
        env.pop("NO_AT_BRIDGE", None)
        process = subprocess.Popen([os.path.join(folder, os.path.basename(program)), menu], env=env)
        try:
            run_checks()
        finally:
            process.terminate()
            process.wait(timeout=10)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    if failures:
        sys.exit("window_a11y_test: %d failures" % len(failures))
    print("window_a11y_test: passed")


def run_checks():
    window = wait_for(main_window, "the main window")
    # The style panel is open: the example menu has the styled look.
    wait_for(lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "Pick font colour"), "the style panel")
    compare(shown_controls(window), "a11y_controls_expanded.txt")

    # The entry list: its rows, and a selection made through the bus reaches the window.
    entries = find(window, pyatspi.ROLE_LIST, "Menu")
    check(entries is not None, "no entry list named Menu")
    if entries is not None:
        rows = [entries.getChildAtIndex(i).name for i in range(entries.childCount)]
        check(rows == expected("a11y_entry_rows.txt"), "entry rows are %s" % rows)
        selection = entries.querySelection()
        check(selection.nSelectedChildren == 0, "a row is selected at start")
        selection.selectChild(1)
        row = entries.getChildAtIndex(1)
        wait_for(lambda: row.getState().contains(pyatspi.STATE_SELECTED) or None, "the selected row")
        check(selection.nSelectedChildren == 1 and selection.getSelectedChild(0).name == rows[1],
              "the selection does not show the second row")
        label = wait_for(lambda: find(window, pyatspi.ROLE_LABEL, "Selected item: 2"), "the window's own note")
        check(label is not None, "the window did not take the selection")

    # Each pick list shows its entries, though hidden until a picker opens it.
    for name, count, first in (("Colors", 140, "aliceblue"), ("Sizes", 20, "1"), ("Fonts", 28, "Arial"),
                               ("Border styles", 10, "none")):
        picklist = find(window, pyatspi.ROLE_LIST_BOX, name)
        check(picklist is not None and picklist.childCount == count and
              picklist.getChildAtIndex(0).name == first, "pick list %s does not show its entries" % name)

    # Collapsed, the panel's controls are gone from what can be reached.
    advanced = find(window, pyatspi.ROLE_CHECK_BOX, "Advanced setting...")
    advanced.queryAction().doAction(0)
    wait_for(lambda: not showing(find(window, pyatspi.ROLE_PUSH_BUTTON, "Pick font colour")) or None,
             "the panel to collapse")
    compare(shown_controls(window), "a11y_controls_collapsed.txt")


if __name__ == "__main__":
    main()
