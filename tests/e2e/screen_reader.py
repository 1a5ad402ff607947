#!/usr/bin/python3
"""Plays a whole problem of the running zarvok as a blind student would: only through what the
AT-SPI tree and its events say, never a pixel. It reads the story, works out a solution from
it, presses the keys with xdotool, and checks what the board says after each key, that the
events arrive, that the win is announced and that the About box exposes its texts.

Run by e2e.py's screen_reader scenario with DISPLAY and DBUS_SESSION_BUS_ADDRESS set.
Prints one line per fault and exits 1 if there was any.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

said = []  # the board's names, as their change events arrived
faults = []


def on_name_change(event):
    try:
        if event.source.getRole() == pyatspi.ROLE_CANVAS:
            said.append(event.source.name)
    except Exception:  # the object may be gone by now
        pass


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def find(obj, wanted, depth=0):
    if obj is None or depth > 12:
        return None
    try:
        if wanted(obj):
            return obj
        for child in obj:
            found = find(child, wanted, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def texts_of(obj, depth=0):
    out = []
    if obj is None or depth > 12:
        return out
    try:
        out.append(obj.name or "")
        for child in obj:
            out += texts_of(child, depth + 1)
    except Exception:
        pass
    return out


def app():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == "zarvok":
            return candidate
    return None


def press(key, expect=None, sentence_wanted=True):
    """Presses a key and returns what the board said after it."""
    before = len(said)
    subprocess.run(["xdotool", "key", key], check=True)
    deadline = time.time() + 5
    while len(said) == before and time.time() < deadline:
        pump(0.05)
    if len(said) == before:
        if sentence_wanted:
            faults.append(f"no name-change event after {key}")
        return ""
    sentence = said[-1]
    if expect is not None and not re.search(expect, sentence):
        faults.append(f"after {key} the board said {sentence!r}, not /{expect}/")
    return sentence


def main():
    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    deadline = time.time() + 20
    game = None
    while game is None and time.time() < deadline:
        game = app()
        pump(0.2)
    if game is None:
        print("screen reader: zarvok is not in the AT-SPI tree")
        return 1
    board = None
    while board is None and time.time() < deadline:
        board = find(game, lambda o: o.getRole() == pyatspi.ROLE_CANVAS
                     and o.getState().contains(pyatspi.STATE_FOCUSED))
        pump(0.2)
    if board is None:
        print("screen reader: no focused board in the tree")
        return 1
    if not board.name.startswith("Zarvo: New problem"):
        faults.append(f"the board's first name is {board.name!r}")
    if "The colour is blue" not in board.description or "The story is shown" not in board.description:
        faults.append(f"where-am-I says {board.description!r}")

    story = press("F1", r"^Zarvo: The story\. ")
    boxes = re.search(r"A truck carrying (\d+) boxes", story)
    weights = re.search(r"Some boxes weigh (\d+) pounds, some (\d+), and some (\d+)\.", story)
    if not boxes or not weights:
        print(f"screen reader: the story cannot be read: {story!r}")
        return 1
    n = int(boxes.group(1))
    w = [int(x) for x in weights.groups()]
    solution = next((b, g, n - b - g) for b in range(1, n) for g in range(1, n - b)
                    if b * w[0] + g * w[1] + (n - b - g) * w[2] == 1000)
    press("space", r"The story is hidden\.")
    press("Down", r"No blue boxes to take back\.")
    press("Tab", r"Green: 0 boxes so far\.")
    press("Up", r"Green comes after blue: add blue boxes first\.")
    press("Tab", r"Red: 0 boxes so far\.")
    press("Tab", r"Blue: 0 boxes so far\.")
    last = ""
    for colour, count in zip(("Blue", "Green", "Red"), solution):
        if colour != "Blue":
            press("Tab", rf"{colour}: 0 boxes so far\.")
        for i in range(1, count + 1):
            last = press("Up")
            if i < count or colour != "Red":
                box = "box" if i == 1 else "boxes"
                if not re.search(rf"{colour}: {i} {box} of {w[('Blue', 'Green', 'Red').index(colour)]} pounds", last):
                    faults.append(f"the {i}th {colour.lower()} box was told as {last!r}")
    if not re.search(rf"Solved in {n} moves! Your score is 100\.", last):
        faults.append(f"the win was told as {last!r}")
    pump(0.3)
    if "Solved" not in board.description:
        faults.append(f"where-am-I after the win says {board.description!r}")

    subprocess.run(["xdotool", "key", "--delay", "150", "alt+h", "Return"], check=True)
    about = None
    deadline = time.time() + 10
    while about is None and time.time() < deadline:
        pump(0.2)
        about = find(app(), lambda o: o.getRole() == pyatspi.ROLE_DIALOG and o.name == "About Zarvok")
    if about is None:
        faults.append("the About box is not in the tree")
    else:
        texts = " | ".join(texts_of(about))
        for wanted in ("Zarvok Version Z611", "Copyright (C) 2026 Zarvo team", "OK"):
            if wanted not in texts:
                faults.append(f"the About box does not expose {wanted!r}: {texts}")
        subprocess.run(["xdotool", "key", "--delay", "150", "Escape"], check=True)
        pump(0.5)
    press("Home", r"^Zarvo: New problem: a truck carried \d+ boxes")

    for fault in faults:
        print(f"screen reader: {fault}")
    print(f"screen reader: {len(said)} sentences heard, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
