#!/usr/bin/python3
"""The program as a screen reader meets it, through the desktop's accessibility bus.

    a11y.py PROGRAM FOLDER            every screen's accessibility tree, one file a screen
    a11y.py PROGRAM FOLDER STORY...   also plays each story (see STORIES) and writes what
                                      a screen reader would have said, in FOLDER/STORY.said

Run inside its own D-Bus session (dbus-run-session); it starts a private X server,
the accessibility bus and the program, opens every screen from the menu with the
buttons' own press actions, writes its tree, and closes it with its exit button.
"""

import os
import subprocess
import sys
import time

import pyatspi

SPOKEN_STATES = {
    pyatspi.STATE_FOCUSABLE: "focusable",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_EDITABLE: "editable",
}


def start_display():
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read)
    return xvfb, ":" + number.decode().strip()


def start_bus():
    for folder in ("/usr/libexec", "/usr/lib/at-spi2-core"):
        launcher = os.path.join(folder, "at-spi-bus-launcher")
        if os.path.exists(launcher):
            return subprocess.Popen([launcher, "--launch-immediately"], stderr=subprocess.DEVNULL)
    raise SystemExit("at-spi-bus-launcher not found: install at-spi2-core")


def wait_for(what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        found = what()
        if found:
            return found
        time.sleep(0.1)
    return None


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def frames(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def states(acc):
    s = acc.getState()
    return [word for state, word in SPOKEN_STATES.items() if s.contains(state)] + (
        [] if s.contains(pyatspi.STATE_ENABLED) else ["disabled"])


def actions(acc):
    try:
        a = acc.queryAction()
        return [a.getName(i) for i in range(a.nActions)]
    except NotImplementedError:
        return []


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, -1)
    except NotImplementedError:
        return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def describe(acc):
    parts = [acc.getRoleName(), repr(acc.name)]
    if acc.description:
        parts.append("description=" + repr(acc.description))
    if acc.getRole() in (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT) and acc.getState().contains(pyatspi.STATE_EDITABLE):
        parts.append("text=" + repr(text_of(acc)))
    parts += states(acc)
    if actions(acc):
        parts.append("actions=" + ",".join(actions(acc)))
    return " ".join(parts)


def dump(acc, out, depth=0):
    """What is shown: a screen reader passes over what is not."""
    out.write("  " * depth + describe(acc) + "\n")
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None and showing(child):
            dump(child, out, depth + 1)


def find(acc, test):
    if test(acc):
        return acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            hit = find(child, test)
            if hit is not None:
                return hit
    return None


def find_all(acc, test, out=None):
    out = [] if out is None else out
    if test(acc):
        out.append(acc)
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            find_all(child, test, out)
    return out


def press(acc, action=None):
    a = acc.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    a.doAction(names.index(action) if action else 0)


def button(frame, name):
    return find(frame, lambda a: a.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM)
                and a.name == name and showing(a))


class Listener:
    """What a screen reader would say: the focused control as it gets the focus,
    notifications as they show, a window's title as it becomes active."""

    def __init__(self):
        self.said = []
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:focused",
                                               "object:state-changed:showing", "window:activate",
                                               "object:property-change:accessible-name",
                                               "object:state-changed:checked")

    def on_event(self, e):
        src = e.source
        try:
            if e.type.startswith("window:activate"):
                self.said.append("window: " + src.name)
            elif e.type == "object:state-changed:focused" and e.detail1:
                self.said.append("focus: " + describe(src))
            elif e.type == "object:state-changed:showing" and e.detail1 and src.getRole() == pyatspi.ROLE_NOTIFICATION:
                self.said.append("notification: " + src.name)
            elif e.type == "object:state-changed:checked" and src.getState().contains(pyatspi.STATE_FOCUSED):
                self.said.append("checked: " + describe(src))
            elif e.type.startswith("object:property-change:accessible-name") and src.getState().contains(
                    pyatspi.STATE_FOCUSED):
                self.said.append("name: " + describe(src))
        except Exception as err:  # an object gone before its event is read
            self.said.append("(gone: %s)" % err)

    def pump(self, seconds=0.6):
        end = time.time() + seconds
        while time.time() < end:
            # Runs the listener's main loop briefly, so events arrive in order.
            from gi.repository import GLib
            ctx = GLib.MainContext.default()
            while ctx.pending():
                ctx.iteration(False)
            time.sleep(0.02)


def keys(display, *names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], env=dict(os.environ, DISPLAY=display),
                       check=True)
        time.sleep(0.15)


def open_screen(app, menu, caption):
    before = {f.name for f in frames(app)}
    if menu.name.startswith(caption) or caption == "":
        return menu
    target = button(menu, caption)
    if target is None:
        return None
    press(target)
    return wait_for(lambda: next((f for f in frames(app) if f.name not in before and showing(f)), None), 10)


def close_screen(frame):
    exit_button = button(frame, "خروج") or button(frame, "موافق") or find(
        frame, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "OK")
    if exit_button is not None:
        press(exit_button)
        time.sleep(0.5)


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    program, folder = sys.argv[1], sys.argv[2]
    stories = sys.argv[3:]
    os.makedirs(folder, exist_ok=True)
    xvfb, display = start_display()
    bus = start_bus()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    env.pop("WAYLAND_DISPLAY", None)
    time.sleep(1)
    prog = subprocess.Popen([program], env=env)
    try:
        app = wait_for(lambda: application(os.path.basename(program)))
        if app is None:
            raise SystemExit("the program never showed on the accessibility bus")
        menu = wait_for(lambda: next((f for f in frames(app) if showing(f)), None))
        time.sleep(1)
        lessons = [b.name for b in find_all(menu, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                            and showing(a) and a.name != "خروج")]
        written = []
        with open(os.path.join(folder, "frmgroub0.tree"), "w") as out:
            dump(menu, out)
        written.append("frmgroub0.tree")
        for i, caption in enumerate(lessons):
            frame = open_screen(app, menu, caption)
            if frame is None:
                print("no window opened for", caption, file=sys.stderr)
                continue
            time.sleep(0.8)
            name = "lesson%d.tree" % (i + 1)
            with open(os.path.join(folder, name), "w") as out:
                out.write("# opened by " + repr(caption) + "\n")
                dump(frame, out)
            written.append(name)
            close_screen(frame)
        about = find(menu, lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name.startswith("حول"))
        if about is not None:
            before = {f.name for f in frames(app)}
            press(about)
            frame = wait_for(lambda: next((f for f in frames(app) if f.name not in before and showing(f)), None), 10)
            if frame is not None:
                time.sleep(0.5)
                with open(os.path.join(folder, "frmAboutgroup.tree"), "w") as out:
                    dump(frame, out)
                written.append("frmAboutgroup.tree")
                close_screen(frame)
        for story in stories:
            import a11y_stories
            listener = Listener()
            a11y_stories.play(story, app, menu, display, listener, sys.modules[__name__])
            listener.pump()
            with open(os.path.join(folder, story + ".said"), "w") as out:
                out.write("\n".join(listener.said) + "\n")
            written.append(story + ".said")
        print("Written to %s: %s" % (folder, " ".join(written)))
    finally:
        prog.terminate()
        prog.wait(10)
        bus.terminate()
        xvfb.terminate()


if __name__ == "__main__":
    main()
