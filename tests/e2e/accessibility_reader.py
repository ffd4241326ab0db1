#!/usr/bin/python3
# Reads the running program from the desktop accessibility bus as a screen reader
# does: finds its application on the desktop, walks the tree of the open page,
# checks the texts and buttons it finds, and moves between pages by doing the
# buttons' press actions. Usage: accessibility_reader.py PID
import sys
import time

import pyatspi
from gi.repository import GLib

failures = 0


def fail(message):
    global failures
    failures += 1
    print("FAIL:", message)


def check(condition, message):
    if condition:
        print("ok:", message)
    else:
        fail(message)


def wait_for(find, what, seconds=10):
    deadline = time.monotonic() + seconds
    while True:
        found = find()
        if found is not None or time.monotonic() > deadline:
            if found is None:
                fail("not found on the bus: " + what)
            return found
        pump(0.1)


def pump(seconds):
    """Waits, handing the bus's events to their listeners meanwhile."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def children(node):
    return [child for child in node if child is not None]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def open_page(app):
    """The page shown in the frame's workspace: (its window, its client area)."""
    for frame in children(app):
        for pane in children(frame):
            if pane.getRole() != pyatspi.ROLE_LAYERED_PANE:
                continue
            for page in children(pane):
                if showing(page) and page.childCount == 1:
                    return page, page[0]
    return None


def page_named(pid, caption):
    def find():
        app = application(pid)
        page = open_page(app) if app else None
        return page if page and page[0].name == caption else None
    return find


def reading(node):
    """The page as a screen reader lists it: (role, name) of every child shown."""
    return [(child.getRoleName(), child.name) for child in children(node) if showing(child)]


def press(node, name):
    for child in children(node):
        if child.name == name and showing(child):
            action = child.queryAction()
            for i in range(action.nActions):
                if action.getName(i) == "Press":
                    action.doAction(i)
                    print("pressed:", name)
                    return
    fail("no button to press: " + name)


def main():
    pid = int(sys.argv[1])
    app = wait_for(lambda: application(pid), "the program's application", seconds=20)
    if app is None:
        return 1
    check(app[0].getRoleName() == "frame" and app[0].name == "Ventiro", "the main frame is called Ventiro")

    # The home page: titles, the credit line and a button per component page.
    page, surface = wait_for(page_named(pid, ""), "the home page")
    home = [
        ("push button", "Sortir"),
        ("push button", "Escapament Ràpid"),
        ("push button", "Lubricador"),
        ("push button", "Regulador Pressió"),
        ("push button", "Filtre"),
        ("label", "Condicionament"),
        ("label", "Regulació, control i bloqueig"),
        ("label", "Distribuïdors"),
        ("label", "Compressors"),
        ("push button", "Compr. Pistons"),
        ("push button", "Compr. Paletes"),
        ("push button", "Reguladora"),
        ("push button", "Limitadora"),
        ("push button", "Antiretorn"),
        ("push button", "OR"),
        ("push button", "AND"),
        ("push button", "Vàlvula 5/2"),
        ("push button", "Vàlvula 4/2"),
        ("push button", "Vàlvula 3/2"),
        ("label", "Ventiro     Quelmar"),
        ("label", "Ventiro"),
    ]
    read = reading(surface)
    print("home page reads:", read)
    check(read == home, "the home page reads its texts and buttons in stored order")

    # A picture button's press action opens its page, as a click does.
    press(surface, "Vàlvula 3/2")
    found = wait_for(page_named(pid, "Vàlvula distribuïdora 3/2"), "the 3/2 valve page")
    if found is None:
        return 1
    page, surface = found
    read = reading(surface)
    print("3/2 valve page reads:", read)
    labels = [name for role, name in read if role == "label"]
    check(labels == ["SÍMBOL", "CIRCUIT", "FUNCIONAMENT",
                     "P = Entrada de pressió         A = Sortida al cilindre         R = Escapament",
                     "Per comandar cilindres de simple efecte, s'utilitzen vàlvules distribuïdores 3/2, "
                     "on les obertures que tenen són per:",
                     "VÀLVULA DISTRIBUÏDORA 3/2"],
          "the 3/2 valve page reads its labels in stored order")
    buttons = [name for role, name in read if role == "push button"]
    check(buttons == ["Sortir", "Parar", "Simular", "Parar", "Simulació"],
          "the 3/2 valve page's push buttons are read without their access marks")
    check(("image", "Símbol de la vàlvula distribuïdora 3/2") in read, "the symbol picture is named")
    animations = {name for role, name in read if role == "animation"}
    check(animations == {"Animació de la vàlvula distribuïdora 3/2", "Animació del circuit"},
          "the frames shown are named for what their animation shows")

    # Started with its "Simulació" button, the valve's animation steps: the frames
    # read as shown change with it, and the labels drawn in a frame are read with it.
    def valve_frames_shown():
        return {child.description for child in children(surface)
                if child.name == "Animació de la vàlvula distribuïdora 3/2" and showing(child)}
    # Like a screen reader, listen for parts of the page coming and going.
    shown_events = []
    def on_showing(event):
        if event.source is not None and event.source.getRole() == pyatspi.ROLE_ANIMATION:
            shown_events.append((event.source.description, event.detail1))
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    first = valve_frames_shown()
    press(surface, "Simulació")
    deadline = time.monotonic() + 4
    now = first
    while now == first and time.monotonic() < deadline:
        pump(0.1)
        now = valve_frames_shown()
    check(now != first, "the valve's frames read as shown follow the animation: %s, then %s"
          % (sorted(first), sorted(now)))
    check(shown_events, "the bus told the listener of frames shown and hidden: %s" % shown_events[:4])
    pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
    frames_with_text = [[child.name for child in children(frame)] for frame in children(surface)
                        if frame.getRole() == pyatspi.ROLE_ANIMATION and frame.childCount]
    check(["A", "Escapament"] in frames_with_text and ["A", "Pressió"] in frames_with_text,
          "the port names drawn inside the valve's frames are read with their frame")

    # The page's exit button returns home, and the home page's exits the program.
    press(surface, "Sortir")
    found = wait_for(page_named(pid, ""), "the home page again")
    if found is None:
        return 1
    check(reading(found[1]) == home, "back on the home page, it reads as before")
    press(found[1], "Sortir")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
