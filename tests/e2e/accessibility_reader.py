#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running program from the desktop accessibility bus as a screen reader
# does: finds its application on the desktop, reads the open page in order
# (printing what it reads), checks its headings, buttons, pictures and
# animations, starts an animation and listens for its description to change, and
# moves between pages by doing the buttons' press actions.
# Usage: accessibility_reader.py PID
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


def print_reading(title, node):
    """Prints the page in reading order, with what each picture shows."""
    print(title)
    for child in children(node):
        if not showing(child):
            continue
        line = "  %s: %s" % (child.getRoleName(), child.name)
        if child.description:
            line += " (%s)" % child.description
        inside = [grandchild.name for grandchild in children(child)]
        if inside:
            line += " [%s]" % ", ".join(inside)
        print(line)


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
    # The warm-up that follows start-up builds and drops windows no one sees: a
    # screen reader does not meet them either.
    pump(1.0)
    check([(c.getRoleName(), c.name) for c in children(app)] == [("frame", "Ventiro")],
          "after the warm-up the program shows only its main frame")

    # The home page: its title, each group heading with its picture buttons, then
    # the exit button and the credit line.
    page, surface = wait_for(page_named(pid, "Ventiro"), "the home page, named by its title")
    home = [
        ("heading", "Ventiro"),
        ("heading", "Compressors"), ("push button", "Compr. Pistons"), ("push button", "Compr. Paletes"),
        ("heading", "Condicionament"), ("push button", "Filtre"), ("push button", "Regulador Pressió"),
        ("push button", "Lubricador"),
        ("heading", "Distribuïdors"), ("push button", "Vàlvula 3/2"), ("push button", "Vàlvula 4/2"),
        ("push button", "Vàlvula 5/2"),
        ("heading", "Regulació, control i bloqueig"), ("push button", "AND"), ("push button", "OR"),
        ("push button", "Antiretorn"), ("push button", "Limitadora"), ("push button", "Reguladora"),
        ("push button", "Escapament Ràpid"),
        ("push button", "Sortir"),
        ("label", "Ventiro     Quelmar"),
    ]
    print_reading("The home page reads:", surface)
    check(reading(surface) == home, "the home page reads in the order of its layout, with its headings")

    # A picture button's press action opens its page, as a click does.
    press(surface, "Vàlvula 3/2")
    found = wait_for(page_named(pid, "Vàlvula distribuïdora 3/2"), "the 3/2 valve page")
    if found is None:
        return 1
    page, surface = found
    print_reading("The 3/2 valve page reads:", surface)
    valve = "Animació de la vàlvula distribuïdora 3/2"
    expected = [
        ("heading", "VÀLVULA DISTRIBUÏDORA 3/2"),
        ("animation", valve),
        ("push button", "Simulació"),
        ("push button", "Parar l'animació de la vàlvula distribuïdora 3/2"),
        ("heading", "FUNCIONAMENT"),
        ("label", "Per comandar cilindres de simple efecte, s'utilitzen vàlvules distribuïdores 3/2, "
                  "on les obertures que tenen són per:"),
        ("label", "P = Entrada de pressió         A = Sortida al cilindre         R = Escapament"),
        ("heading", "CIRCUIT"),
        ("animation", "Animació del circuit"),
        ("push button", "Simular"),
        ("push button", "Parar l'animació del circuit"),
        ("heading", "SÍMBOL"),
        ("image", "Símbol de la vàlvula distribuïdora 3/2"),
        ("push button", "Sortir"),
    ]
    check(reading(surface) == expected,
          "the 3/2 valve page reads its title, then each half whole, each heading before what it heads")
    symbol = [child for child in children(surface) if child.getRoleName() == "image"]
    check(symbol and symbol[0].description, "the symbol says what it shows: %r"
          % (symbol[0].description if symbol else None))

    # Started through the bus with its "Simulació" button, the valve's animation
    # steps: the one object that stands for it tells the next frame in words, and
    # the desktop hears that its description changed.
    def animation_named(name):
        found = [child for child in children(surface) if child.name == name]
        return found[0] if len(found) == 1 else None
    animation = animation_named(valve)
    check(animation is not None, "the valve's animation is one object on the bus")
    if animation is None:
        return 1
    changes = []
    def on_description(event):
        if event.source is not None and event.source.name == valve:
            changes.append(event.source.description)
    pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
    before = animation.description
    inside_before = [child.name for child in children(animation)]
    press(surface, "Simulació")
    deadline = time.monotonic() + 5
    while not changes and time.monotonic() < deadline:
        pump(0.1)
    pyatspi.Registry.deregisterEventListener(on_description, "object:property-change:accessible-description")
    after = animation_named(valve).description
    print("the valve's animation said %r, then %r" % (before, after))
    check(changes, "the desktop heard the animation's description change: %r" % changes[:3])
    check(after and after != before, "the description changed to the next frame's words")
    check(not changes or changes[-1] == after, "the last change heard is what the animation reads now")
    check(inside_before and set(inside_before) <= {"A", "Pressió", "Escapament"},
          "the port names drawn in the frame on screen are read with the animation: %s" % inside_before)

    # The page's exit button returns home, and the home page's exits the program.
    press(surface, "Sortir")
    found = wait_for(page_named(pid, "Ventiro"), "the home page again")
    if found is None:
        return 1
    check(reading(found[1]) == home, "back on the home page, it reads as before")
    press(found[1], "Sortir")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
