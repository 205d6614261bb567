"""What a screen reader reads of Resomar, over AT-SPI.

Starts the program, waits for its main window, and checks in the accessibility tree that every
control on show has a name no other control of its tab shares, that every tab shows a named
caption, that captions follow the program's changes with name-change events, and that the text
of a message box reaches the tree. Every wait polls a condition until a deadline.
"""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

TIMEOUT = 20.0
CONTROLS = {
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_PAGE_TAB,
}

failures = []
renamed = set()  # the names objects took, as name-change events told them


def check(condition, message):
    if not condition:
        failures.append(message)


def wait_for(what, condition, timeout=TIMEOUT):
    """Returns condition()'s first true value, pumping AT-SPI events meanwhile."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            result = condition()
        except GLib.Error:
            result = None  # an object that went away between two calls
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(0.02)


def on_name_change(event):
    # Qt's event names the object, not its new name: read it now, while it is fresh.
    try:
        renamed.add(event.source.name)
    except GLib.Error:
        pass


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node):
    """Every descendant of node on show, depth first; hidden subtrees are left out."""
    for child in node:
        if child is not None and showing(child):
            yield child
            yield from walk(child)


def find(root, role, name=None):
    """The first node on show under root with that role, and that name if one is given."""
    return next((n for n in walk(root) if n.getRole() == role and name in (None, n.name)), None)


def windows(app):
    return [window for window in app if window is not None and showing(window)]


def names(root, roles):
    return [node.name for node in walk(root) if node.getRole() in roles]


def captions(root):
    """The captions on show: the program's painted captions (panels, frames) and its labels."""
    return names(root, {pyatspi.ROLE_PANEL, pyatspi.ROLE_LABEL})


def main_window(app):
    """The window on show with the tabs (the splash comes first, alone)."""
    return next((w for w in windows(app) if find(w, pyatspi.ROLE_PAGE_TAB_LIST)), None)


def show(tab_list, tab):
    press(tab)
    wait_for(f"the tab {tab.name}", lambda: tab_list.name == tab.name)  # named after it


def forget_events(window):
    """Drops the events received so far. The program's events reach us in the order it sent
    them, so once a call to it has been answered, those sent before are here."""
    window.name
    pump()
    renamed.clear()


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def press(node):
    """The node's first action (press, toggle, switch), as a screen reader user would."""
    action = node.queryAction()
    check(action.nActions > 0, f"{node.getRoleName()} '{node.name}' has no action")
    action.doAction(0)


def type_over(node, keys):
    """Clicks in the middle of node and types keys over its text as a user would, not over AT-SPI:
    a modal box the typing opens would hold an AT-SPI call in its event loop until it closes."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
    subprocess.run(["xdotool", "type", "--delay", "20", keys], check=True)


def close_box(app, title, text):
    """Waits for the message box titled title whose text is text, presses its OK button, as a
    screen reader user would, and waits for it to go."""
    window = wait_for(
        f"a message box '{text}'",
        lambda: next((w for w in windows(app) if w.name == title and find(w, pyatspi.ROLE_LABEL, text)), None),
    )
    ok = find(window, pyatspi.ROLE_PUSH_BUTTON, "OK")
    check(ok is not None, "a message box without its OK button")
    press(ok)
    wait_for("the message box to close", lambda: window not in windows(app))


def main(program):
    # Listening before the program starts: Qt sends only the events someone listens to, and
    # learns of the listeners when it connects.
    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    # A call waits as long as a wait does: the program may be busy with its animation.
    Atspi.set_timeout(int(TIMEOUT * 1000), int(TIMEOUT * 1000))
    process = subprocess.Popen([program])
    try:
        run(process)
    except TimeoutError as timeout:
        # Where the wait was stuck: the windows on show and their labels.
        app = application(process.pid)
        shown = [(w.name, names(w, {pyatspi.ROLE_LABEL})) for w in windows(app)] if app else "no program"
        failures.append(f"timed out waiting for {timeout}; on show: {shown}")
    finally:
        process.terminate()
        process.wait(timeout=TIMEOUT)
    for failure in failures:
        print("AT-SPI test:", failure)
    print(f"AT-SPI test: {'failed' if failures else 'passed'}")
    return 1 if failures else 0


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.get_process_id() == pid), None)


def run(process):
    app = wait_for("the program on the accessibility bus", lambda: application(process.pid))
    app.set_cache_mask(Atspi.Cache.NONE)  # every name read afresh from the program
    window = wait_for("the main window", lambda: main_window(app))
    tab_list = find(window, pyatspi.ROLE_PAGE_TAB_LIST)
    tabs = [t for t in tab_list if t.getRole() == pyatspi.ROLE_PAGE_TAB]  # less the arrows
    # One page tab per page, named after its caption less the access key's "&".
    pages = find(tab_list.parent, pyatspi.ROLE_LAYERED_PANE)
    check(pages and pages.childCount == len(tabs), f"{len(tabs)} page tabs for the pages {pages}")
    for tab in tabs:
        check(tab.name.strip() and "&" not in tab.name, f"a page tab named '{tab.name}'")

    # Each tab: every control and caption named, no two controls alike. Only the page on show
    # is walked: the others are hidden.
    for index, tab in enumerate(tabs):
        show(tab_list, tab)
        controls = [n for n in walk(window) if n.getRole() in CONTROLS]
        # Something on the page besides the row of page tabs, however few controls a tab has.
        check(len(controls) > len(tabs), f"tab {index}: only {len(controls)} controls")
        seen = set()
        for control in controls:
            check(control.name.strip(), f"tab {index}: a {control.getRoleName()} without a name")
            check(control.name not in seen, f"tab {index}: two controls named '{control.name}'")
            seen.add(control.name)
        # The painted captions are panels named after them (their texts are the program's own).
        panels = names(window, {pyatspi.ROLE_PANEL})
        check(any(name.strip() for name in panels), f"tab {index}: no named caption in {panels}")

    # The class found reaches the frame's caption, with an event.
    show(tab_list, tabs[0])
    octet = find(window, pyatspi.ROLE_TEXT, "1er réseau, adresse, octet 1")
    classe_c = "Adresse IP - Type classe C"
    forget_events(window)
    type_over(octet, "192")
    wait_for(f"a caption '{classe_c}'", lambda: classe_c in captions(window))
    wait_for(f"a name-change event to '{classe_c}'", lambda: classe_c in renamed)

    # A refusal: the text of its message box is in the tree.
    second = find(window, pyatspi.ROLE_TEXT, "2ème réseau, adresse, octet 1")
    type_over(second, "300")
    close_box(app, "Erreur de saisie", "La valeur doit être comprise entre 0 et 255.")

    # The binary panel: its caption, following the network on show.
    press(find(window, pyatspi.ROLE_CHECK_BOX, "Affichage binaire"))
    panel = "Affichage Binaire 1er Réseau IP"
    wait_for(f"a caption '{panel}'", lambda: panel in captions(window))
    forget_events(window)
    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Afficher l'autre réseau en binaire"))
    switched = "Affichage Binaire 2ème Réseau IP"
    wait_for(f"a name-change event to '{switched}'", lambda: switched in renamed)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
