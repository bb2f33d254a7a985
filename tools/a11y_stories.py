"""One exercise a lesson, done as a pupil with a screen reader does it: controls
reached by their names, pressed by their actions, digits typed on the keyboard.
Each story is played by a11y.py, which records what a screen reader would say."""

import time

import pyatspi


def named(frame, tools, name, role=None):
    hit = tools.wait_for(lambda: tools.find(frame, lambda a: a.name == name and tools.showing(a)
                                            and (role is None or a.getRole() == role)), 5)
    if hit is None:
        raise SystemExit("no control named %r" % name)
    return hit


def point_at(acc, display):
    """The pointer over the control, so that the keys go to its window (no window manager here)."""
    import os
    import subprocess
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2)],
                   env=dict(os.environ, DISPLAY=display), check=True)


def focus_and_type(frame, tools, display, name, keys):
    box = named(frame, tools, name)
    point_at(box, display)
    box.queryComponent().grabFocus()
    time.sleep(0.3)
    tools.keys(display, *keys)


def press(frame, tools, name, action=None):
    tools.press(named(frame, tools, name), action)
    time.sleep(0.5)


def answer_message(app, tools):
    """Presses the OK button of the message box that opened, as Enter would."""
    box = tools.wait_for(lambda: next((f for f in tools.frames(app) if tools.showing(f) and tools.find(
        f, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name in ("OK", "موافق", "&OK"))
        and f.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)), None), 5)
    if box is None:
        return
    ok = tools.find(box, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    tools.press(ok)
    time.sleep(0.5)


def expressing(frame, app, display, tools, listener):
    # Problem 1: the digits of 44552, written with the keyboard, box after box.
    focus_and_type(frame, tools, display, "المسألة 1، الخانة 1 من 8", ["4", "Tab", "5", "Tab", "2", "Tab", "5"])
    press(frame, tools, "تحقق من المسألة 1")
    press(frame, tools, "الحل")


def listing(frame, app, display, tools, listener):
    # Row 1 (the set س): the current box takes each pressed number in turn.
    first = tools.find(frame, lambda a: a.getRole() in (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT) and a.name.endswith("، 1 من 8"))
    point_at(first, display)
    first.queryComponent().grabFocus()
    time.sleep(0.3)
    numbers = tools.find_all(frame, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and "في س" in a.name)
    for n in numbers:
        tools.press(n)
        time.sleep(0.3)
    check = tools.find(frame, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "(1) تحقق من الصف")
    tools.press(check)
    time.sleep(0.6)


def membership(frame, app, display, tools, listener):
    for symbol in ["ينتمي إلى", "لا ينتمي إلى", "مجموعة جزئية من", "ينتمي إلى", "ينتمي إلى"]:
        press(frame, tools, symbol)
    press(frame, tools, "التصحيح")


def venn(frame, app, display, tools, listener):
    press(frame, tools, "شكل فن لمجموعتين متقاطعتين", "Toggle")
    tools.press(named(frame, tools, "موافق"))
    answer_message(app, tools)
    focus_and_type(frame, tools, display, "الخانة 1 من 3 في س وفي ص معا", ["1"])
    press(frame, tools, "تقويم")


STORIES = {
    "expressing": ("التعبير", expressing),
    "listing": ("التقاطع   والاتحاد  (تمارين1", listing),
    "membership": ("الانتماء", membership),
    "venn": ("ارسم شكل فن", venn),
}


def play(story, app, menu, display, listener, tools):
    caption, run = STORIES[story]
    target = tools.find(menu, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name.startswith(caption))
    before = {f.name for f in tools.frames(app)}
    tools.press(target)
    frame = tools.wait_for(lambda: next((f for f in tools.frames(app) if f.name not in before
                                         and tools.showing(f)), None), 10)
    time.sleep(1)
    listener.pump()
    run(frame, app, display, tools, listener)
    listener.pump(1.5)
    tools.close_screen(frame)
