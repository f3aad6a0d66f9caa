#!/usr/bin/python3
"""The window as a screen reader sees it, through AT-SPI.

Run inside an X server and a session bus of the test's own (see
run-screen-reader.sh): starts the main window with COM1 led to a
pseudo-terminal, checks that every control a user can reach has a name and
that each page tab says when it is the selected one, then sets up a printer
through AT-SPI actions and values alone and reads what the printer would
have received.

    screen_reader.py WINDOW_PROGRAM SETUP_PROGRAM
"""

import os
import pty
import select
import subprocess
import sys
import time
import tty

import pyatspi

# Roles a user moves to and works with; each needs a name to be told apart.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_LINK,
}

PAGES = ["Communication Settings", "Printer Configuration", "Calibration", "Data Storage",
         "Binary Transfer", "About"]


def wait_for(what, condition, seconds=20):
    """The condition's first true value, or the test fails after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    sys.exit(f"FAIL: gave up waiting for {what}")


def walk(node, depth=0):
    yield node, depth
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1)


def state(node, which):
    return node.getState().contains(which)


def spoken(name):
    """A name without the colon and spaces that end a label on screen."""
    return name.strip().rstrip(':').strip()


def find(root, role, name, showing=True):
    """The one object of `role` and `name`, shown on screen when `showing`; a
    control the last action brought up may take a moment to appear."""
    def matches():
        return [node for node, _ in walk(root) if node.getRole() == role
                and spoken(node.name) == name
                and (not showing or state(node, pyatspi.STATE_SHOWING))]
    return wait_for(f"one {pyatspi.Role(role)} named {name!r}",
                    lambda: len(matches()) == 1 and matches()[0], seconds=10)


def act(node, *actions):
    """Does the first of `actions` the object offers, as an assistive tool would."""
    offered = node.queryAction()
    names = [offered.getName(index) for index in range(offered.nActions)]
    for action in actions:
        if action in names:
            offered.doAction(names.index(action))
            return
    sys.exit(f"FAIL: {node.name!r} offers {names}, none of {actions}")


class Printer:
    """A pseudo-terminal: the window writes to its slave side, we read the master."""

    def __init__(self):
        self.master, self.slave = pty.openpty()
        tty.setraw(self.slave)
        self.path = os.ttyname(self.slave)
        self.bytes = b''

    def read(self, quiet_seconds=0.5, seconds=20):
        """What arrived until the line has been quiet for a while."""
        end = time.monotonic() + seconds
        last = time.monotonic()
        while time.monotonic() < end and time.monotonic() - last < quiet_seconds:
            ready, _, _ = select.select([self.master], [], [], 0.05)
            if ready:
                self.bytes += os.read(self.master, 65536)
                last = time.monotonic()
        taken, self.bytes = self.bytes, b''
        return taken


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def check_names(root):
    unnamed = [f"{pyatspi.Role(node.getRole())} under {node.parent.name!r}"
               for node, _ in walk(root) if node.getRole() in INTERACTIVE and not node.name.strip()]
    count = sum(1 for _ in walk(root))
    print(f"{count} objects, {len(unnamed)} interactive without a name")
    for line in unnamed:
        print("  unnamed:", line)
    return not unnamed


def check_windows(app):
    """The Find Printers dialog and the send log, opened and closed as a user would."""
    sound = True
    act(find(app, pyatspi.ROLE_PAGE_TAB, "Communication Settings", showing=False), "Press")
    act(find(app, pyatspi.ROLE_RADIO_BUTTON, "Network"), "Press", "Toggle")
    for opener, title in (("Find Printers…", "Find Printers"), ("Log", "Send Log")):
        act(find(app, pyatspi.ROLE_PUSH_BUTTON, opener), "Press")
        window = wait_for(title, lambda: [app.getChildAtIndex(i) for i in range(app.childCount)
                                          if app.getChildAtIndex(i).name == title])[0]
        print(f"{title}:", end=" ")
        sound = check_names(window) and sound
        act(find(window, pyatspi.ROLE_PUSH_BUTTON, "Close"), "Press")
        wait_for(f"{title} closed", lambda: not state(window, pyatspi.STATE_SHOWING))
    return sound


def check_pages(app):
    tabs = [node for node, _ in walk(app) if node.getRole() == pyatspi.ROLE_PAGE_TAB]
    if [tab.name for tab in tabs] != PAGES:
        sys.exit(f"FAIL: page tabs {[tab.name for tab in tabs]}")
    sound = True
    for tab in tabs:
        act(tab, "Press")
        wait_for(f"{tab.name} selected", lambda: state(tab, pyatspi.STATE_SELECTED))
        selected = [other.name for other in tabs if state(other, pyatspi.STATE_SELECTED)]
        if selected != [tab.name]:
            print(f"FAIL: after pressing {tab.name!r} the selected tabs are {selected}")
            sound = False
    return sound


def set_up_printer(app, printer, setup_program):
    """Serial link on COM1, darkness 30, the configuration sent, a test label printed."""
    find_tab = lambda name: find(app, pyatspi.ROLE_PAGE_TAB, name, showing=False)
    act(find_tab("Communication Settings"), "Press")
    act(find(app, pyatspi.ROLE_RADIO_BUTTON, "Serial Communications"), "Press", "Toggle")
    # A combo box is called by its value; its edit field by the label.
    find(app, pyatspi.ROLE_TEXT, "COM").queryEditableText().setTextContents("1")
    act(find(app, pyatspi.ROLE_PUSH_BUTTON, "Apply"), "Press")

    act(find_tab("Printer Configuration"), "Press")
    act(find(app, pyatspi.ROLE_CHECK_BOX, "Darkness"), "Toggle", "Press")
    slider = find(app, pyatspi.ROLE_SLIDER, "Darkness")
    slider.queryValue().currentValue = 30
    wait_for("the darkness shown", lambda: slider.queryValue().currentValue == 30)
    act(find(app, pyatspi.ROLE_PUSH_BUTTON, "Upload Settings to Printer"), "Press")
    config = printer.read()
    expected = b"! 0 0 0 0\r\nVARIABLE DARKNESS 30\r\nVARIABLE WRITE\r\nEND"
    if config != expected:
        sys.exit(f"FAIL: the printer received {config!r}, not {expected!r}")

    act(find_tab("Calibration"), "Press")
    act(find(app, pyatspi.ROLE_RADIO_BUTTON, "4X3 Label"), "Press", "Toggle")
    act(find(app, pyatspi.ROLE_PUSH_BUTTON, "Print Label"), "Press")
    label = printer.read()
    # The command line sends the same label: one set of bytes for both.
    expected = subprocess.run([setup_program, "--test-label", "1", "--dry-run"], check=True,
                              capture_output=True).stdout
    if label != expected:
        sys.exit(f"FAIL: the test label arrived as {label!r}, not {expected!r}")


def main():
    window_program, setup_program = sys.argv[1:3]
    printer = Printer()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    window = subprocess.Popen([window_program, printer.path], env=env)
    try:
        app = wait_for("the window on the accessibility bus", lambda: application(window.pid))
        wait_for("the page tabs", lambda: any(
            node.getRole() == pyatspi.ROLE_PAGE_TAB for node, _ in walk(app)))
        named = check_names(app)
        pages = check_pages(app)
        named = check_windows(app) and named
        set_up_printer(app, printer, setup_program)
    finally:
        window.terminate()
        window.wait(10)
    if not (named and pages):
        sys.exit("FAIL")


if __name__ == "__main__":
    main()
