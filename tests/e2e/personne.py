#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""One session with Ohmira as a person using a screen reader has it.

Run by run.sh, inside a session bus of its own and with DISPLAY on an X
server of its own: starts the accessibility bus (as a desktop session does,
with the screen-reader flag a screen reader sets), the openbox window
manager and the program. Acts only through xdotool, that is X keyboard and
mouse events; reads only what AT-SPI gives a screen reader: names, roles,
relations, the text of labels and fields, which window is active and which
control has the focus. Stops everything it started, by process id, however
the session ends.

Usage: personne.py OHMIRA WORK_DIR     Exit status 0 when every check holds.
       personne.py --reaper COMMAND...  (run.sh: see reaper())
"""

import ctypes
import json
import os
import re
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

PROGRAM, WORK = (sys.argv + ["", ""])[1:3]
SESSION_SECONDS = 50  # ctest gives the whole test 60 s (CMakeLists.txt)
MAIN_TITLE = "Ohmira 1.1"


class Failure(Exception):
    pass


# ---- Processes ----------------------------------------------------------------

started = []


def start(args, log, env=None):
    process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                               env=env)
    started.append(process)
    return process


def stop_everything():
    for process in reversed(started):
        if process.poll() is None:
            process.terminate()
    for process in reversed(started):
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def become_subreaper():
    """Makes the processes our children leave behind ours when their parent
    ends (the accessibility bus launcher's bus and registry), so that they
    too are stopped and reaped here."""
    PR_SET_CHILD_SUBREAPER = 36
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        print(f"note: not a subreaper ({os.strerror(ctypes.get_errno())})", file=sys.stderr)


def own_children():
    """Process ids whose parent is this process."""
    me = str(os.getpid())
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # pid (comm) state ppid ...; comm may hold spaces.
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if fields[1] == me:
            found.append(int(entry))
    return found


def stop_adopted():
    """Stops, by process id, what stop_everything left to us, and reaps it."""
    end = time.monotonic() + 5
    while True:
        while True:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return
            if pid == 0:
                break
        left = own_children()
        if not left:
            return
        late = time.monotonic() > end
        for pid in left:
            try:
                os.kill(pid, signal.SIGKILL if late else signal.SIGTERM)
            except ProcessLookupError:
                pass
        time.sleep(0.05)


def on_signal(number, _frame):
    raise SystemExit(128 + number)


def out_of_time(_number, _frame):
    raise Failure(f"the session took more than {SESSION_SECONDS} s")


# ---- Waiting ------------------------------------------------------------------

def wait_for(what, probe, timeout=10.0):
    """Polls probe() until it returns something true; returns that."""
    end = time.monotonic() + timeout
    last = None
    while True:
        try:
            last = probe()
        except (GLib.Error, RuntimeError, LookupError, AttributeError) as error:
            # Windows and their objects come and go while we look.
            last = error
        else:
            if last:
                return last
        if time.monotonic() > end:
            raise Failure(f"waited {timeout:.0f} s for {what}; last seen: {last!r}")
        time.sleep(0.05)


def wait_equal(what, read, expected, timeout=10.0):
    seen = []

    def probe():
        seen[:] = [read()]
        return seen[0] == expected

    try:
        wait_for(what, probe, timeout)
    except Failure:
        raise Failure(f"{what}: expected {expected!r}, read {seen[0] if seen else None!r}")
    print(f"ok  {what}: {expected!r}", flush=True)


# ---- Acting: X input events only ------------------------------------------------

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def press(*keys):
    xdotool("key", "--delay", "60", *keys)


def type_text(text):
    xdotool("type", "--delay", "60", text)


def click(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        raise Failure(f"{describe(accessible)} has no place on screen")
    xdotool("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", "1")


# ---- Reading the window manager's side: X properties ------------------------------
# Where windows stand and what the window manager makes of them is not
# AT-SPI's to say: it is read from the X server, as a task bar would.

def x_tool(*args):
    return subprocess.run(list(args), check=True, capture_output=True, text=True,
                          timeout=10).stdout


def x_window(pid, title):
    """The X window of the program's window with this title, among those the
    window manager manages."""
    found = []
    managed = x_tool("xprop", "-root", "-notype", "_NET_CLIENT_LIST")
    for window in re.findall(r"0x[0-9a-f]+", managed):
        said = x_tool("xprop", "-id", window, "-notype", "_NET_WM_PID", "_NET_WM_NAME")
        if (f"_NET_WM_PID = {pid}\n" in said and
                f"_NET_WM_NAME = {json.dumps(title, ensure_ascii=False)}\n" in said):
            found.append(int(window, 16))
    if len(found) != 1:
        raise LookupError(f"{len(found)} X windows titled {title!r}")
    return found[0]


def frame_of(window):
    """(left, top, width, height) of the window with its frame, on screen."""
    info = x_tool("xwininfo", "-id", str(window))

    def field(name):
        return int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))

    extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                        x_tool("xprop", "-id", str(window), "_NET_FRAME_EXTENTS"))
    if extents is None:
        raise LookupError("not framed yet")
    left, right, top, bottom = map(int, extents.groups())
    return (field("Absolute upper-left X") - left, field("Absolute upper-left Y") - top,
            field("Width") + left + right, field("Height") + top + bottom)


def wm_state(window):
    found = re.search(r"window state: (\w+)", x_tool("xprop", "-id", str(window), "WM_STATE"))
    return found.group(1) if found else None


def transient_for(window):
    found = re.search(r"window id # (0x[0-9a-f]+)",
                      x_tool("xprop", "-id", str(window), "WM_TRANSIENT_FOR"))
    return int(found.group(1), 16) if found else None


# ---- Reading: AT-SPI only ---------------------------------------------------------

class Program:
    """The program as the accessibility bus shows it."""

    def __init__(self, pid):
        self.pid = pid

    def application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.pid:
                # Read afresh: what we check is what the program says now.
                app.clearCache()
                return app
        return None

    def windows(self):
        app = self.application()
        if app is None:
            return []
        return [w for w in children(app)
                if w.getState().contains(pyatspi.STATE_SHOWING)]

    def window(self, title):
        for w in self.windows():
            if w.name == title:
                return w
        return None

    def main(self):
        main = self.window(MAIN_TITLE)
        if main is None:
            raise LookupError(f"no window {MAIN_TITLE!r}")
        return main

    def control(self, role, name):
        for a in descendants(self.main()):
            if a.getRole() == role and a.name == name:
                return a
        raise LookupError(f"no {role} named {name!r}")

    def colour_list(self, caption):
        """The drop-down list a caption label names (labelled-by relation)."""
        for a in descendants(self.main()):
            if a.getRole() == pyatspi.ROLE_COMBO_BOX and caption in labels_of(a):
                return a
        raise LookupError(f"no drop-down list labelled {caption!r}")

    def focused(self):
        """The control with the keyboard focus, among those on screen (the
        closed list of a drop-down keeps a focused entry of its own)."""
        for w in self.windows():
            for a in descendants(w, showing_only=True):
                if a.getState().contains(pyatspi.STATE_FOCUSED):
                    return a
        return None

    def active_window(self):
        for w in self.windows():
            if w.getState().contains(pyatspi.STATE_ACTIVE):
                return w
        return None


def children(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield child


def descendants(accessible, showing_only=False):
    for child in children(accessible):
        if showing_only and not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from descendants(child, showing_only)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def labels_of(accessible):
    names = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def describe(accessible):
    if accessible is None:
        return "nothing"
    return f"{accessible.getRoleName()} {accessible.name!r}"


def tree(accessible, depth=0):
    lines = [" " * depth + describe(accessible)]
    for child in children(accessible):
        lines += tree(child, depth + 2)
    return lines


# ---- The session ----------------------------------------------------------------

# What a screen reader announces for each control of the main window.
NAMES = [
    (pyatspi.ROLE_HEADING, "Montage d'une LED en série"),
    (pyatspi.ROLE_IMAGE, "Schéma du montage d'une LED en série"),
    (pyatspi.ROLE_LABEL, "Couleur de la LED (une LED en série)"),
    (pyatspi.ROLE_TEXT, "Tension du générateur en volts (une LED en série)"),
    (pyatspi.ROLE_PUSH_BUTTON, "Calculer la résistance (une LED en série)"),
    (pyatspi.ROLE_LABEL, "Résistance calculée, une LED en série"),
    (pyatspi.ROLE_LABEL, "Valeur normalisée, une LED en série"),
    (pyatspi.ROLE_SEPARATOR, "Séparation entre les deux montages"),
    (pyatspi.ROLE_HEADING, "Montage de plusieurs LEDs en parallèle"),
    (pyatspi.ROLE_IMAGE, "Schéma du montage de plusieurs LED en parallèle"),
    (pyatspi.ROLE_LABEL, "Couleur des LED en parallèle"),
    (pyatspi.ROLE_TEXT, "Tension du générateur en volts (LED en parallèle)"),
    (pyatspi.ROLE_TEXT, "Nombre de LED en parallèle"),
    (pyatspi.ROLE_PUSH_BUTTON, "Calculer la résistance (LED en parallèle)"),
    (pyatspi.ROLE_LABEL, "Résistance calculée, LED en parallèle"),
    (pyatspi.ROLE_LABEL, "Valeur normalisée, LED en parallèle"),
]
SERIE = "une LED en série"
PARALLELE = "LED en parallèle"

# The information windows: the menu item's letter, the window's title, what
# a screen reader finds in it, and its frame on screen (left, top, outer
# width and height).
INFO_WINDOWS = [
    ("i", "Image d'une LED", ["image \"Photographie d'une LED\""], (412, 145, 405, 580)),
    ("s", "Schéma - polarisation d'une LED", ["image \"Schéma de la polarisation d'une LED\""],
     (341, 103, 452, 597)),
    ("t", "Tableau récapitulatif",
     ["image 'Tableau des tensions de seuil par couleur'",
      "label \"Plus d'infos ici : ouvre une page web sur la tension de seuil\""],
     (282, 256, 713, 503)),
]
MAIN_PLACE = (127, 180)


def check_names(ohmira):
    for role, name in NAMES:
        ohmira.control(role, name)
    for a in descendants(ohmira.main()):
        role = a.getRole()
        if role in (pyatspi.ROLE_FILLER, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM,
                    pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU_ITEM):
            continue
        if not a.name:
            raise Failure(f"a {a.getRoleName()} without a name")
        if role == pyatspi.ROLE_IMAGE and not a.description:
            raise Failure(f"image {a.name!r} without a description")
    print(f"ok  every control of {MAIN_TITLE!r} has a name", flush=True)


def result_lines(ohmira, half):
    """The two result lines of one half, as a screen reader reads them: the
    text of each label, which also begins its description (what is said
    after its name); a line whose two differ is shown as both."""
    lines = []
    for what in ("Résistance calculée", "Valeur normalisée"):
        label = ohmira.control(pyatspi.ROLE_LABEL, f"{what}, {half}")
        shown, said = text_of(label), label.description
        lines.append(shown if said.split("\n")[0] == shown
                     else f"text {shown!r}, description {said!r}")
    return lines


def details(ohmira, half):
    """What the result lines' tooltip adds, as their descriptions say it."""
    said = [ohmira.control(pyatspi.ROLE_LABEL, f"{what}, {half}").description
            for what in ("Résistance calculée", "Valeur normalisée")]
    return [line.split("\n")[1:] for line in said]


def expect_details(ohmira, half, first):
    """The tooltip's details, said after both result lines of the half."""
    def probe():
        both = details(ohmira, half)
        return both[0] if both[0] and both[0] == both[1] else None

    lines = wait_for(f"the details of the results, {half}", probe)
    if not lines[0].startswith(first):
        raise Failure(f"details, {half}: {lines!r} do not begin with {first!r}")
    print(f"ok  details, {half}: {lines!r}", flush=True)


def wait_focus(ohmira, accessible, what):
    wait_equal(f"focus on {what}",
               lambda: describe(ohmira.focused()), describe(accessible))


def error_box(ohmira):
    """The error box, once it is the active window: (caption, its texts)."""
    window = ohmira.active_window()
    if window is None or window.name == MAIN_TITLE:
        return None
    texts = []
    for a in descendants(window):
        if a.getRole() == pyatspi.ROLE_LABEL and a.name:
            texts.append(a.name)
    return window.name, texts


def expect_error(ohmira, message, dismiss_key, focus_after):
    caption, texts = wait_for("the error box", lambda: error_box(ohmira))
    if caption != "Ohmira":
        raise Failure(f"error box captioned {caption!r}")
    if message not in texts:
        raise Failure(f"error box says {texts!r}, not {message!r}")
    print(f"ok  error box {caption!r}: {message!r}", flush=True)
    press(dismiss_key)
    wait_equal(f"active window after {dismiss_key}",
               lambda: describe(ohmira.active_window()), f"frame {MAIN_TITLE!r}")
    wait_focus(ohmira, focus_after, f"{describe(focus_after)} again")


def open_and_close_info_windows(ohmira, focus):
    menu = ohmira.control(pyatspi.ROLE_MENU_ITEM, "Infos sur les LED")
    popup = next(children(menu))
    main = x_window(ohmira.pid, MAIN_TITLE)
    for letter, title, contents, frame in INFO_WINDOWS:
        press("alt+i")
        wait_for("the menu 'Infos sur les LED' open",
                 lambda: popup.getState().contains(pyatspi.STATE_SHOWING))
        press(letter)
        wait_equal(f"active window after Alt+I {letter.upper()}",
                   lambda: describe(ohmira.active_window()), f"frame {title!r}")
        seen = {describe(a) for a in descendants(ohmira.window(title))}
        for expected in contents:
            if expected not in seen:
                raise Failure(f"{title!r} has no {expected}; it has {sorted(seen)}")
        info = x_window(ohmira.pid, title)
        wait_equal(f"frame of {title!r}", lambda: frame_of(info), frame)
        wait_equal(f"owner of {title!r}", lambda: transient_for(info), main)
        if letter == "i":
            minimise_together(ohmira, main, info, title)
        press("alt+F4")
        wait_for(f"{title!r} closed", lambda: ohmira.window(title) is None)
        wait_equal(f"active window after closing {title!r}",
                   lambda: describe(ohmira.active_window()), f"frame {MAIN_TITLE!r}")
        wait_focus(ohmira, focus, f"{describe(focus)}, unchanged")


def minimise_together(ohmira, main, info, title):
    """Minimising the information window minimises the program; the main
    window given back brings the information window back, active."""
    xdotool("windowminimize", str(info))
    wait_equal(f"after minimising {title!r}", lambda: (wm_state(main), wm_state(info)),
               ("Iconic", "Iconic"))
    xdotool("windowactivate", str(main))
    wait_equal(f"after restoring {MAIN_TITLE!r}", lambda: (wm_state(main), wm_state(info)),
               ("Normal", "Normal"))
    wait_equal("active window after restoring",
               lambda: describe(ohmira.active_window()), f"frame {title!r}")


def check_stays_in_place(ohmira):
    """The main window cannot be moved: the window manager offers no move,
    a drag by the title bar leaves it where it is, and a move asked by
    another program is undone."""
    main = x_window(ohmira.pid, MAIN_TITLE)
    actions = x_tool("xprop", "-id", str(main), "_NET_WM_ALLOWED_ACTIONS")
    if "_NET_WM_ACTION_MOVE" in actions:
        raise Failure(f"the window manager offers to move the main window: {actions.strip()}")
    print("ok  no move among the main window's actions", flush=True)
    left, top, width, _ = frame_of(main)
    xdotool("mousemove", "--sync", str(left + width // 2), str(top + 8), "mousedown", "1")
    xdotool("mousemove", "--sync", str(left + width // 2 + 150), str(top + 120))
    xdotool("mousemove", "--sync", str(left + width // 2 + 200), str(top + 160))
    time.sleep(0.3)
    during = frame_of(main)[:2]
    xdotool("mouseup", "1")
    if during != MAIN_PLACE:
        raise Failure(f"the main window followed the drag to {during}")
    wait_equal("main window's place after a drag", lambda: frame_of(main)[:2], MAIN_PLACE)
    xdotool("windowmove", str(main), "300", "300")
    time.sleep(0.3)
    wait_equal("main window's place after a move by another program",
               lambda: frame_of(main)[:2], MAIN_PLACE)


def check_edit_menu(ohmira, field):
    """The fields' edit menu, which Qt draws, is in French. A popup menu is
    not among the program's windows on the bus: its items are read as a
    screen reader hears them, from the focus events of the keyboard going
    down the menu."""
    heard = []

    def on_focus(event):
        if (event.type == "object:state-changed:focused" and event.detail1 and
                event.source.getRole() == pyatspi.ROLE_MENU_ITEM):
            heard.append(event.source.name.split("\t")[0])

    def listen():
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return heard

    # What a screen reader listens to; the program sends events only once
    # it has learnt that someone listens (the sleep).
    kinds = ("object:state-changed:focused", "focus:", "window:", "object:children-changed")
    for kind in kinds:
        pyatspi.Registry.registerEventListener(on_focus, kind)
    try:
        time.sleep(0.5)
        click(field)
        wait_equal("active window before the edit menu",
                   lambda: describe(ohmira.active_window()), f"frame {MAIN_TITLE!r}")
        press("ctrl+a", "ctrl+c")  # a selection, and something to paste
        box = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", "--sync", str(box.x + 10), str(box.y + box.height // 2),
                "click", "3")
        # Opened with the mouse, it has no item chosen until Down.
        press("Down")
        wait_for("the edit menu", listen)
        for _ in range(7):
            press("Down")
        wait_for("the edit menu's items", lambda: listen().count(heard[0]) > 1)
        press("Escape")
    finally:
        for kind in kinds:
            pyatspi.Registry.deregisterEventListener(on_focus, kind)
    items = heard[:heard.index(heard[0], 1)]  # once round
    for expected in ("Copier", "Coller"):
        if expected not in items:
            raise Failure(f"the edit menu reads {items!r}, no {expected!r}")
    print(f"ok  the edit menu reads {items!r}", flush=True)


def session(program):
    ohmira = Program(program.pid)
    def on_bus():
        if program.poll() is not None:
            raise Failure(f"the program ended with status {program.returncode} at start")
        return ohmira.window(MAIN_TITLE)

    wait_for(f"{MAIN_TITLE!r} on the accessibility bus", on_bus, 15)
    wait_equal("active window at start",
               lambda: describe(ohmira.active_window()), f"frame {MAIN_TITLE!r}")
    main = x_window(program.pid, MAIN_TITLE)
    wait_equal("main window's frame at start", lambda: frame_of(main)[:2], MAIN_PLACE)
    check_names(ohmira)

    liste_serie = ohmira.colour_list("Couleur de la LED (une LED en série)")
    liste_parallele = ohmira.colour_list("Couleur des LED en parallèle")
    tension_serie = ohmira.control(pyatspi.ROLE_TEXT,
                                   "Tension du générateur en volts (une LED en série)")
    tension_parallele = ohmira.control(pyatspi.ROLE_TEXT,
                                       "Tension du générateur en volts (LED en parallèle)")
    nombre = ohmira.control(pyatspi.ROLE_TEXT, "Nombre de LED en parallèle")
    calcul_serie = ohmira.control(pyatspi.ROLE_PUSH_BUTTON,
                                  "Calculer la résistance (une LED en série)")
    calcul_parallele = ohmira.control(pyatspi.ROLE_PUSH_BUTTON,
                                      "Calculer la résistance (LED en parallèle)")
    initial = ["Il vous faut une résistance de : ", "Soit en normalisé :"]
    wait_equal("result lines at start, one LED", lambda: result_lines(ohmira, SERIE), initial)
    wait_equal("result lines at start, in parallel",
               lambda: result_lines(ohmira, PARALLELE), initial)
    wait_equal("details at start", lambda: details(ohmira, SERIE) + details(ohmira, PARALLELE),
               [[], [], [], []])

    # The focus starts on the right half's list; colours are chosen by typing
    # their first letters, fields are reached with Tab and typed over.
    wait_focus(ohmira, liste_parallele, "the list of LEDs in parallel")
    type_text("ve")
    wait_equal("colour of the LEDs in parallel", lambda: liste_parallele.name, "Vert")
    press("Tab")
    wait_focus(ohmira, liste_serie, "the list of the one LED")
    type_text("bl")
    wait_equal("colour of the one LED", lambda: liste_serie.name, "Bleu")
    for field, typed in ((tension_serie, "12"), (tension_parallele, "12"), (nombre, "3")):
        press("Tab")
        wait_focus(ohmira, field, field.name)
        type_text(typed)
        wait_equal(field.name, lambda: text_of(field), typed)

    click(calcul_serie)
    serie = ["Il vous faut une resistance de : 475,00 Ohms", "Soit en normalisé : 510,00 Ohms"]
    wait_equal("result lines, one blue LED at 12 V", lambda: result_lines(ohmira, SERIE), serie)
    expect_details(ohmira, SERIE, "courant dans la LED : ")
    click(calcul_parallele)
    parallele = ["Il vous faut une resistance de : 163,33 Ohms",
                 "Soit en normalisé : 180,00 Ohms"]
    wait_equal("result lines, three green LEDs at 12 V",
               lambda: result_lines(ohmira, PARALLELE), parallele)
    expect_details(ohmira, PARALLELE, "courant par LED : ")

    # A point where the comma is expected: the box says so, Return closes it,
    # nothing was computed.
    click(tension_serie)
    wait_focus(ohmira, tension_serie, tension_serie.name)
    press("ctrl+a")
    type_text("12.5")
    wait_equal(tension_serie.name, lambda: text_of(tension_serie), "12.5")
    click(calcul_serie)
    expect_error(ohmira, "'12.5' n'est pas une valeur en virgule flottante correcte.",
                 "Return", calcul_serie)
    wait_equal("result lines after the error", lambda: result_lines(ohmira, SERIE), serie)

    # No LED at all, from the keyboard only: Escape closes the box.
    click(nombre)
    wait_focus(ohmira, nombre, nombre.name)
    press("ctrl+a")
    type_text("0")
    wait_equal(nombre.name, lambda: text_of(nombre), "0")
    press("Tab", "Tab")
    wait_focus(ohmira, calcul_parallele, calcul_parallele.name)
    press("space")
    expect_error(ohmira, "Division par zéro en virgule flottante.", "Escape", calcul_parallele)
    for key in ("Return", "KP_Enter"):  # as Space: they press the focused button
        press(key)
        expect_error(ohmira, "Division par zéro en virgule flottante.", "Escape",
                     calcul_parallele)
    wait_equal("result lines after the error",
               lambda: result_lines(ohmira, PARALLELE), parallele)

    open_and_close_info_windows(ohmira, calcul_parallele)
    check_stays_in_place(ohmira)
    wait_equal("result lines after the information windows",
               lambda: result_lines(ohmira, SERIE) + result_lines(ohmira, PARALLELE),
               serie + parallele)

    montage_sur_mesure(ohmira, calcul_parallele)
    check_edit_menu(ohmira, tension_serie)

    press("ctrl+q")
    try:
        status = program.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("Ctrl+Q did not end the program") from None
    if status != 0:
        raise Failure(f"the program ended with status {status}")
    print("ok  Ctrl+Q ended the program with status 0", flush=True)


def larger_fonts(log):
    """With fonts at 120 dpi on a 96 dpi screen the main window grows with
    its text height (15/13), not by Qt's 120/96 that would also stretch the
    pictures, and opens at the same place."""
    program = start([PROGRAM], log, dict(os.environ, QT_FONT_DPI="120"))
    main = wait_for(f"{MAIN_TITLE!r} at 120 dpi", lambda: x_window(program.pid, MAIN_TITLE), 15)
    wait_equal("main window's frame at 120 dpi", lambda: frame_of(main)[:2], MAIN_PLACE)
    info = x_tool("xwininfo", "-id", str(main))
    width = int(re.search(r"Width:\s+(\d+)", info).group(1))
    if not 840 < width < 1050:
        raise Failure(f"at 120 dpi the main window is {width} px wide")
    print(f"ok  main window at 120 dpi: {width} px wide (840 at 96 dpi)", flush=True)
    program.terminate()
    program.wait(timeout=10)


MONTAGE_TITLE = "Montage sur mesure"


def montage_sur_mesure(ohmira, focus):
    """Alt+O opens the array window beside the main one; a layout typed in
    is computed at once, its result and warning read as a screen reader
    reads them; Alt+F4 hides it and the main window has its focus back."""
    press("alt+o")
    press("m")
    wait_equal("active window after Alt+O M", lambda: describe(ohmira.active_window()),
               f"frame {MONTAGE_TITLE!r}")
    window = ohmira.window(MONTAGE_TITLE)

    def named(role, start):
        for a in descendants(window, showing_only=True):
            if a.getRole() == role and a.name.startswith(start):
                return a
        raise LookupError(f"no {role} named {start!r}...")

    for field, typed in (("Tension nominale de l'alimentation en volts", "4"),
                         ("Nombre de LED en série par branche", "2")):
        edit = named(pyatspi.ROLE_TEXT, field)
        click(edit)
        wait_focus(ohmira, edit, field)
        press("ctrl+a")
        type_text(typed)
        wait_equal(field, lambda: text_of(edit), typed)
    wait_equal("exact resistance, red LEDs two by two on 4 V",
               lambda: named(pyatspi.ROLE_LABEL, "Résistance exacte").description,
               "Il vous faut une resistance de : 40,00 Ohms")
    wait_equal("the warning, said first", lambda: named(pyatspi.ROLE_ALERT, "Avertissement").name,
               "Avertissement : À 4,00 V, il ne reste que 0,80 V pour la résistance, moins de 1 V : "
               "le courant dépend trop de la tension de seuil réelle des LED.")
    schema = named(pyatspi.ROLE_IMAGE, "Schéma du montage")
    if not schema.description.startswith("3 branches de 2 LED rouges, chacune avec une résistance de 43 Ohms"):
        raise Failure(f"schematic described as {schema.description!r}")
    print(f"ok  {MONTAGE_TITLE!r}: result, warning and schematic read", flush=True)
    check_alert(ohmira, named(pyatspi.ROLE_TEXT, "Tension nominale de l'alimentation en volts"),
                "Erreur sur la tension nominale")

    press("alt+F4")
    wait_for(f"{MONTAGE_TITLE!r} closed", lambda: ohmira.window(MONTAGE_TITLE) is None)
    wait_equal(f"active window after closing {MONTAGE_TITLE!r}",
               lambda: describe(ohmira.active_window()), f"frame {MAIN_TITLE!r}")
    wait_focus(ohmira, focus, f"{describe(focus)}, unchanged")


def check_alert(ohmira, edit, alert_name):
    """A text that cannot be read is announced: its message under the field
    is an alert, which a screen reader hears as it starts to show."""
    heard = []

    def on_showing(event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_ALERT:
            heard.append((event.source.name, event.source.description))

    def listen():
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return heard

    kind = "object:state-changed:showing"
    pyatspi.Registry.registerEventListener(on_showing, kind)
    try:
        time.sleep(0.5)  # the program sends events once it knows of a listener
        before = text_of(edit)
        click(edit)
        wait_focus(ohmira, edit, edit.name)
        press("End")
        type_text("x")
        expected = (alert_name, f"'{before}x' n'est pas une valeur en virgule flottante correcte.")
        wait_for(f"the alert {expected!r}", lambda: expected in listen())
        print(f"ok  a bad text is announced: {expected!r}", flush=True)
        press("BackSpace")
        wait_equal("the field, put right", lambda: text_of(edit), before)
    finally:
        pyatspi.Registry.deregisterEventListener(on_showing, kind)


def start_accessibility_bus(log):
    """The accessibility bus, as a desktop session starts it, with the flag
    a screen reader sets when it starts (Qt's accessibility follows it)."""
    env = dict(os.environ, GSETTINGS_BACKEND="memory")  # nothing saved
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], log, env)
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def owned():
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
        return reply.unpack()[0]

    wait_for("the accessibility bus", owned)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NO_AUTO_START, 5000, None)


def start_window_manager(log):
    ready = os.path.join(WORK, "openbox.ready")
    start(["openbox", "--sm-disable", "--startup", f"touch {ready}"], log)
    wait_for("openbox", lambda: os.path.exists(ready))


def main():
    with open(os.path.join(WORK, "personne.pid"), "w") as pid_file:
        pid_file.write(f"{os.getpid()}\n")
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(SESSION_SECONDS)
    become_subreaper()

    logs = {name: open(os.path.join(WORK, f"{name}.log"), "w")
            for name in ("at-spi", "openbox", "ohmira")}
    ohmira = None
    try:
        start_accessibility_bus(logs["at-spi"])
        start_window_manager(logs["openbox"])
        ohmira = start([PROGRAM], logs["ohmira"])
        session(ohmira)
        larger_fonts(logs["ohmira"])
        return 0
    except Failure as failure:
        print(f"FAIL {failure}", file=sys.stderr)
        if ohmira is not None and ohmira.poll() is None:
            try:
                app = Program(ohmira.pid).application()
                if app is not None:
                    print("What the accessibility bus shows:\n" + "\n".join(tree(app)),
                          file=sys.stderr)
            except Exception as error:  # the report must not hide the failure
                print(f"(no tree: {error})", file=sys.stderr)
        with open(os.path.join(WORK, "ohmira.log")) as log:
            messages = log.read().strip()
        if messages:
            print("The program said:\n" + messages, file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        stop_everything()
        stop_adopted()


def reaper(command):
    """Runs command (dbus-run-session and this script under it) as the
    subreaper of all it starts: the session bus that dbus-run-session stops
    but does not wait for ends here, and is reaped."""
    become_subreaper()
    child = subprocess.Popen(command)

    def forward(number, _frame):
        child.send_signal(number)

    signal.signal(signal.SIGTERM, forward)
    signal.signal(signal.SIGINT, forward)
    status = child.wait()
    stop_adopted()
    return status if status >= 0 else 128 - status


if __name__ == "__main__":
    if sys.argv[1] == "--reaper":
        sys.exit(reaper(sys.argv[2:]))
    sys.exit(main())
