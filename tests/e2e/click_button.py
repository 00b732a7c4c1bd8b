#!/usr/bin/python3
"""Clicks a button of a program's window with the pointer, as an operator would.

click_button.py <program> <seconds> <button text> [<text of its window>]

Finds, through the accessibility bus, a showing button of the program whose
text is the button text (alternatives separated by "|"), in a window that shows
the given text when one is given (a message box by its message), waiting for it
to appear up to the given seconds, and clicks its middle with xdotool. The
pointer is used rather than the button's accessible action, which would block
while the program shows a modal box from inside the click. Exit code 0 once
clicked, 1 when no such button appeared.
"""
import subprocess
import sys
import time

import pyatspi

BUTTON_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON}


def descendants(node):
    try:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield child
                yield from descendants(child)
    except Exception:  # a widget that went away while being looked at
        return


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def shows_text(window, text):
    for node in descendants(window):
        try:
            if text in (node.name or "") and showing(node):
                return True
        except Exception:
            pass
    return False


def find_button(app, names, window_text):
    for window in app:
        if window is None or (window_text and not shows_text(window, window_text)):
            continue
        for node in descendants(window):
            try:
                if node.getRole() in BUTTON_ROLES and node.name in names and showing(node):
                    return node
            except Exception:
                pass
    return None


def main():
    program, seconds, names = sys.argv[1], float(sys.argv[2]), set(sys.argv[3].split("|"))
    window_text = sys.argv[4] if len(sys.argv) > 4 else ""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != program:
                continue
            button = find_button(app, names, window_text)
            if button is None:
                continue
            box = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                            str(box.y + box.height // 2), "click", "1"], check=True)
            return 0
        time.sleep(0.2)
    return 1


if __name__ == "__main__":
    sys.exit(main())
