#!/usr/bin/env python3
"""The real zarvok program on today's desktops: a Wayland compositor (weston, headless) and
scaled X screens (QT_SCALE_FACTOR 2 on 3840x2160, 1.5 on 2880x1620), compared with what the
same problem looks like on a plain X screen.

usage: desktops.py ZARVOK_BINARY {wayland|hidpi}
Exits 77 (skipped, with the reason) when weston or Qt's Wayland plugin is missing.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e  # noqa: E402  (reads the binary and the mode from the command line)
from e2e import BINARY, KEEP, MODE, SOLVE_21, Failure, Game, Screenshot, XServer, check  # noqa: E402

SKIPPED = 77


def first_paint(errfile, proc, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        with open(errfile) as f:
            m = re.search(r"view at (-?\d+),(-?\d+) size (\d+)x(\d+)", f.read())
        if m:
            return tuple(map(int, m.groups()))
        if proc.poll() is not None:
            raise Failure(f"zarvok ended before its first paint: {open(errfile).read()}")
        time.sleep(0.05)
    raise Failure("no first paint within 20 s")


def find(big, small_rows, w, h, xs, ys):
    """Where the picture `small_rows` (h rows of w pixels) stands in `big`, or None."""
    for y in ys:
        for x in xs:
            if all(big.crop((x, y + r, x + w, y + r + 1), 0, 0) == small_rows[r]
                   for r in range(0, h, max(1, h // 16))):
                return x, y
    return None


def scenario_wayland():
    plugin = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so")
    if not shutil.which("weston") or not shutil.which("weston-screenshooter") or not plugin:
        print("SKIPPED: the Wayland test needs weston and Qt's Wayland plugin "
              "(apt-get install weston qt6-wayland)")
        sys.exit(SKIPPED)
    runtime = tempfile.mkdtemp(prefix="zarvo-wayland-")
    os.chmod(runtime, 0o700)
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "WAYLAND_DISPLAY")}
    env.update(XDG_RUNTIME_DIR=runtime, HOME=runtime, LC_MESSAGES="C.UTF-8")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug", "--width=1024",
         "--height=768", "--socket=zarvo-wayland", "--idle-time=0"],
        env=env, cwd=runtime, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    game = None
    try:
        deadline = time.time() + 10
        while not os.path.exists(os.path.join(runtime, "zarvo-wayland")):
            check(time.time() < deadline and weston.poll() is None, "weston did not start")
            time.sleep(0.1)
        time.sleep(1)  # the shell's panel
        errfile = os.path.join(runtime, "stderr.txt")
        with open(errfile, "w") as err:
            game = subprocess.Popen(
                [BINARY, "--problem", "21"], stdout=subprocess.DEVNULL, stderr=err,
                env=dict(env, WAYLAND_DISPLAY="zarvo-wayland", QT_QPA_PLATFORM="wayland",
                         ZARVOK_REPORT_FIRST_PAINT="1"))
        vx, vy, w, h = first_paint(errfile, game)
        # Maximized: the window fills the output below weston's panel (32 pixels), less the
        # frame Qt draws itself and the menu bar.
        check(w >= 1024 - 12 and h >= 768 - 32 - vy - 40, f"not maximized: the view is {w}x{h}")
        time.sleep(1)
        for old in glob.glob(os.path.join(runtime, "wayland-screenshot-*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], env=dict(env, WAYLAND_DISPLAY="zarvo-wayland"),
                       cwd=runtime, check=True, timeout=20)
        png = glob.glob(os.path.join(runtime, "wayland-screenshot-*.png"))
        check(png, "weston-screenshooter wrote no picture")
        shutil.copy(png[0], os.path.join(KEEP, "wayland-first-paint.png"))
        wayland = Screenshot(convert_to_ppm(png[0]))

        # The same problem at the same client size on a plain X screen.
        server = XServer(w, h + vy, None)
        try:
            x11 = Game(server, ["--problem", "21"])
            try:
                check((x11.w, x11.h) == (w, h), f"X11 view {x11.w}x{x11.h}, Wayland {w}x{h}")
                s = x11.shot()
                rows = [s.crop((0, r, w, r + 1), x11.ox, x11.oy) for r in range(h)]
            finally:
                x11.close()
        finally:
            server.close()
        at = find(wayland, rows, w, h, range(0, 1024 - w + 1), range(0, 768 - h + 1))
        check(at is not None, "the Wayland first paint is not the X11 picture of the same problem",
              wayland)
        ox, oy = at
        differing = sum(wayland.crop((ox, oy + r, ox + w, oy + r + 1), 0, 0) != rows[r]
                        for r in range(h))
        check(differing == 0, f"{differing} rows differ from the X11 picture", wayland)
        print(f"[wayland] the view ({w}x{h}) stands at {ox},{oy} of the output and matches X11 "
              "row for row; above it weston's panel and the frame Qt draws itself")

        game.send_signal(15)
        try:
            status = game.wait(5)
        except subprocess.TimeoutExpired:
            raise Failure("SIGTERM did not end the game within 5 s")
        check(status == 0, f"SIGTERM ended the game with status {status}")
    finally:
        if game and game.poll() is None:
            game.kill()
        weston.terminate()
        weston.wait(5)
        shutil.rmtree(runtime, ignore_errors=True)


def convert_to_ppm(png):
    ppm = png[:-4] + ".ppm"
    subprocess.run(["convert", png, "-depth", "8", ppm], check=True)
    return ppm


def printed_text(game):
    game.keys(*SOLVE_21)
    pdf = game.print_results()
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
    size = re.search(r"Page size:.*", info).group(0)
    pages = re.search(r"Pages:\s+(\d+)", info).group(1)
    # The banner's time of day is the only thing that may differ between two prints.
    return pages, size, re.sub(r"\d+:\d\d:\d\d", "H:MM:SS", text)


def scenario_hidpi():
    reference = None
    for scale, width, height in (("1", 1920, 1080), ("2", 3840, 2160), ("1.5", 2880, 1620)):
        server = XServer(width, height, None)
        try:
            g = Game(server, ["--problem", "21"],
                     extra_env={"QT_SCALE_FACTOR": scale, "PAPERSIZE": "a4"})
            try:
                ratio = float(scale)
                # The layout is the logical size's: a 1920x1080 screen's, whatever the scale.
                check(g.w == 1920 and abs(g.oy + g.h - 1080) <= 1,
                      f"at {scale}: the view is {g.w}x{g.h} at {g.ox},{g.oy} (logical)")
                s = g.shot()
                check((s.w, s.h) == (width, height), f"at {scale}: the screen is {s.w}x{s.h}")
                gu = 16
                cy = g.h // 2
                left, top = 29 * gu, cy - 25 * gu  # the grid's left edge and top, logical
                dev = lambda v, o: int(round((v + o) * ratio))  # noqa: E731
                if scale == "2":
                    # A one-pixel line is two whole device pixels, with plain white each side.
                    y = dev(top + 3, g.oy)
                    x = dev(left, g.ox)
                    line = (0xC0, 0xC0, 0xC0)
                    check(s.at(x, y) == line and s.at(x + 1, y) == line,
                          f"the grid's left line is {s.at(x, y)} {s.at(x + 1, y)} at {x},{y}", s)
                    check(s.at(x - 1, y) == (255, 255, 255) and s.at(x + 2, y) == (255, 255, 255),
                          "the grid's left line bleeds into its neighbours", s)
                if scale != "1":
                    # Text drawn at device resolution: the "Moves" and "Score" labels are not
                    # 1x glyphs blown up, so many 2x2 device blocks in them are not one colour.
                    l, t, r, b = (dev(2 * gu, g.ox), dev(3 * 14 - 1, g.oy), dev(13 * gu, g.ox),
                                  dev(4 * 14 - 1, g.oy))
                    mixed = sum(len({s.at(x, y), s.at(x + 1, y), s.at(x, y + 1), s.at(x + 1, y + 1)}) > 1
                                for y in range(t - t % 2, b, 2) for x in range(l - l % 2, r, 2))
                    check(mixed > 40, f"at {scale}: the labels look scaled up ({mixed} mixed blocks)", s)
                e2e.keep(s, f"hidpi-{scale}")
                page = printed_text(g)
                check(page[0] == "1", f"at {scale}: the page is {page[0]} pages")
                if reference is None:
                    reference = page
                else:
                    check(page == reference, f"at {scale} the printed page differs from scale 1")
            finally:
                g.close()
        finally:
            server.close()


def main():
    try:
        {"wayland": scenario_wayland, "hidpi": scenario_hidpi}[MODE]()
    except Failure as e:
        print(f"[{MODE}] failed - {e}")
        return 1
    print(f"[{MODE}] passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
