#!/usr/bin/env python3
"""The web page in Debian's chromium, headless, through chromedriver, against the page served
on 127.0.0.1: whole problems played with real key events, the canvas compared with the
desktop's offscreen drawing of the same state, the screen reader's sentences (and Orca speaking
them, in a chromium on a desktop), the too-small message and a new layout at every size,
printing, the sound cues, and the touch keys.

usage: web_test.py SITE_DIR RENDER_STATE [SCENARIO ...]
Exits 77 (skipped) where chromium, chromedriver or selenium are missing."""
import base64
import gzip
import http.server
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
except ImportError:
    sys.path.append("/usr/lib/python3/dist-packages")
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
    except ImportError:
        print("web_test: python3-selenium is missing: skipped")
        sys.exit(77)

SITE = os.path.abspath(sys.argv[1])
RENDER = os.path.abspath(sys.argv[2])
KEEP = os.environ.get("ZARVO_WEB_KEEP")
VK = {"Up": 38, "Down": 40, "Tab": 9, "F1": 112, "Space": 32, "Home": 36}
SELENIUM_KEY = {"Up": Keys.ARROW_UP, "Down": Keys.ARROW_DOWN, "Tab": Keys.TAB, "F1": Keys.F1,
                "Space": Keys.SPACE, "Home": Keys.HOME}
# Problem 21 takes 17 blue, 1 green and 2 red boxes.
SOLVE_21 = ["Up"] * 17 + ["Tab", "Up", "Tab", "Up", "Up"]
BAR = 29  # the page's row under the board (its About button), with its border
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]


class Quiet(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=SITE, **kwargs)

    def log_message(self, *args):
        pass


def serve():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Quiet)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Failure(Exception):
    pass


def check(cond, message):
    if not cond:
        raise Failure(message)


class Page:
    """One headless chromium with a new empty profile, at a client size and pixel ratio."""

    def __init__(self, port, width, height, dpr=1, query="?problem=21", touch=False):
        self.profile = tempfile.mkdtemp(prefix="zarvo-web-")
        options = webdriver.ChromeOptions()
        for flag in FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profile)
        options.add_argument("--autoplay-policy=no-user-gesture-required")
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")),
                                       options=options)
        self.resize(width, height, dpr)
        if touch:
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                        {"enabled": True, "maxTouchPoints": 5})
        self.driver.get(f"http://127.0.0.1:{port}/{query}")
        self.wait("window.zarvoPage && zarvoPage.ready && zarvoPage.paints > 0")

    def resize(self, width, height, dpr=1):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": dpr, "mobile": False})

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, seconds=30):
        end = time.time() + seconds
        while time.time() < end:
            if self.js("return !!(" + condition + ")"):
                return
            time.sleep(0.05)
        raise Failure("timed out waiting for " + condition)

    def keys(self, *names):
        for name in names:
            ActionChains(self.driver).send_keys(SELENIUM_KEY[name]).perform()

    def ctrl_p(self):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("p").key_up(
            Keys.CONTROL).perform()

    def sentence(self):
        return self.js("return document.getElementById('sentence').textContent")

    def layout(self):
        return self.js("return zarvoPage.layout()")

    def pixels(self, selector="#board"):
        """The canvas's device pixels as (width, height, RGB bytes)."""
        w, h, data = self.js("""
            const c = document.querySelector(arguments[0]);
            const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            const rgb = new Uint8Array(c.width * c.height * 3);
            for (let i = 0, j = 0; i < d.length; i += 4) {
              rgb[j++] = d[i]; rgb[j++] = d[i + 1]; rgb[j++] = d[i + 2];
            }
            let s = '';
            for (let i = 0; i < rgb.length; i += 32768)
              s += String.fromCharCode.apply(null, rgb.subarray(i, i + 32768));
            return [c.width, c.height, btoa(s)];""", selector)
        return w, h, base64.b64decode(data)

    def console_errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def shot(self, label):
        if KEEP:
            os.makedirs(KEEP, exist_ok=True)
            self.driver.save_screenshot(os.path.join(KEEP, label + ".png"))

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


def desktop(width, height, dpr, problem, lang, keys):
    """The desktop's offscreen picture of the same state: (layout, width, height, RGB bytes)."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "board.ppm")
        run = subprocess.run([RENDER, str(width), str(height), str(dpr), str(problem), lang, out]
                             + [str(VK[k]) for k in keys], capture_output=True, text=True,
                             check=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        with open(out, "rb") as f:
            data = f.read()
    # P6, width, height, 255, one blank, then the bytes.
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    return run.stdout.strip(), int(fields[1]), int(fields[2]), data[at + 1:]


LINE_COLOURS = [(0, 0, 255), (0, 255, 0), (255, 0, 0)]


def compare(page, keys, lang="en", problem=21):
    """The page's canvas against the desktop's drawing of the same keys at the same size."""
    client = page.js("return [zarvoPage.lastPaint.width, zarvoPage.lastPaint.height, "
                     "zarvoPage.lastPaint.dpr]")
    layout, dw, dh, want = desktop(client[0], client[1], client[2], problem, lang, keys)
    check(layout == page.layout(), f"layout {page.layout()} is not the desktop's {layout}")
    w, h, got = page.pixels()
    check((w, h) == (dw, dh), f"canvas {w}x{h}, desktop {dw}x{dh}")
    # Every pixel of the line in the desktop's colour of a segment is that colour on the page
    # within one pixel (the page smooths the dots' edges), and the other way round.
    rects = [list(map(int, r.split())) for r in layout.split(";") if r]
    dpr = client[2]
    gx0, gy0 = int((rects[2][0]) * dpr), int(rects[2][1] * dpr)
    gx1, gy1 = int(rects[2][2] * dpr), int(rects[2][3] * dpr)

    def line_pixels(data):
        found = set()
        for y in range(gy0, min(gy1, h)):
            row = y * w * 3
            for x in range(gx0, min(gx1, w)):
                i = row + 3 * x
                if (data[i], data[i + 1], data[i + 2]) in LINE_COLOURS:
                    found.add((x, y))
        return found

    def near(p, others):
        return any((p[0] + dx, p[1] + dy) in others for dx in (-1, 0, 1) for dy in (-1, 0, 1))

    mine, theirs = line_pixels(got), line_pixels(want)
    for a, b, what in ((theirs, mine, "missing on the page"), (mine, theirs, "only on the page")):
        stray = [p for p in a if not near(p, b)]
        check(len(stray) <= max(4, len(a) // 100),
              f"{len(stray)} of {len(a)} line pixels {what}, e.g. {stray[:5]}")
    # Everything else matches within a pixel: text is smoothed by another rasterizer, which
    # places its letters at fractions of a pixel.
    def close(i, j):
        return max(abs(got[i] - want[j]), abs(got[i + 1] - want[j + 1]),
                   abs(got[i + 2] - want[j + 2])) <= 96

    differ = 0
    for i in range(0, len(got), 3):
        if close(i, i):
            continue
        x, y = (i // 3) % w, (i // 3) // w
        if not any(close(i, 3 * ((y + dy) * w + x + dx)) for dx in (-1, 0, 1) for dy in (-1, 0, 1)
                   if 0 <= x + dx < w and 0 <= y + dy < h):
            differ += 1
    check(differ <= w * h // 5000, f"{differ} of {w * h} pixels differ from the desktop's")


# Scenarios ---------------------------------------------------------------------------------


def scenario_solve(port):
    """A whole problem at 1024x768, 1920x1080 and at DPR 2, with the canvas compared with the
    desktop's drawing at the start, midway and solved; the title is the banner."""
    for width, height, dpr in ((1024, 768, 1), (1920, 1080, 1), (1024, 768, 2)):
        page = Page(port, width, height, dpr)
        try:
            check(page.js("return document.title").startswith("Zarvo, a puzzle from the Zarvo"),
                  "the title is not the banner")
            compare(page, [])
            page.keys(*SOLVE_21[:10])
            compare(page, SOLVE_21[:10])
            page.keys(*SOLVE_21[10:])
            check("100" in page.sentence(), "the win was not said: " + page.sentence())
            compare(page, SOLVE_21)
            page.shot(f"solved-{width}x{height}@{dpr}")
            check(not page.console_errors(), f"console errors: {page.console_errors()}")
        finally:
            page.close()


def scenario_sentences(port):
    """The live region after each kind of key, in English and German; a key that does nothing
    says nothing new; Home after a win opens the next game."""
    page = Page(port, 1024, 768, query="?problem=21&lang=de")
    try:
        check(page.js("return document.documentElement.lang") == "de", "the page is not German")
        check("Zarvo" in page.js("return document.title") and "Version" in
              page.js("return document.title"), "no banner in German")
        opening = page.sentence()
        check(opening, "the opening sentence is missing")
        story = page.js("return document.getElementById('story').textContent")
        check(len(story) > 200, "the story cannot be read as text")
        said = []
        for key in ("Down", "Up", "Tab", "F1", "Space", "Tab", "Tab", "Up"):
            page.keys(key)
            said.append(page.sentence())
        check(all(said), f"a key said nothing: {said}")
        check(len(set(said[:5])) == 5, f"the kinds of key say the same: {said[:5]}")
        check(said[3].endswith(story.strip()[-40:]) or story.strip()[:40] in said[3],
              "F1 does not read the story")
        check(page.js("return document.getElementById('board').getAttribute('aria-label')")
              .startswith("Zarvo: "), "the board has no accessible name")
        compare(page, ["Down", "Up", "Tab", "F1", "Space", "Tab", "Tab", "Up"], lang="de")
        page.shot("sentences-de")
        page.driver.find_element("id", "about-button").click()
        check(page.js("return document.getElementById('about').open"), "About did not open")
        about = page.driver.find_element("id", "about").text
        check("Zarvok Version Z611" in about and "Zarvo-Team" in about, f"About says {about!r}")
        check(page.driver.find_element("id", "about-ok").text == "OK", "About's button")
        page.keys("Up")
        check(page.sentence() == said[-1], "a key reached the game behind About")
        ActionChains(page.driver).send_keys(Keys.ESCAPE).perform()
        check(not page.js("return document.getElementById('about').open"), "About stays open")
        page.keys("Up")
        check(page.sentence() != said[-1], "the game does not take keys after About")
    finally:
        page.close()
    page = Page(port, 1024, 768)
    try:
        page.keys(*SOLVE_21)
        won = page.sentence()
        page.keys("Up", "Tab")
        check(page.sentence() == won, "keys after the win said something new")
        page.keys("Home")
        check(page.sentence() != won and page.sentence(), "Home did not open a game")
        check(page.js("return zarvoPage.layout()").startswith("0 0 1024 739"), "no new layout")
    finally:
        page.close()
    page = Page(port, 1024, 768, query="?problem=28&lang=xx")
    try:
        notice = page.js("return document.getElementById('notice').textContent")
        check("'28'" in notice and "'xx'" in notice and re.search(r"\bde, en\b", notice),
              f"no clear message for a wrong address: {notice!r}")
        page.keys("Up")
        check("1" in page.sentence(), "the game does not play after a wrong address")
    finally:
        page.close()


def scenario_resize(port):
    """Too small says so; a larger page lays the board out anew and the game goes on."""
    page = Page(port, 700, 500)
    try:
        check(page.js("return zarvoPage.lastPaint.result") == "too_small", "not too small")
        w, h, data = page.pixels()
        red = sum(1 for i in range(0, len(data), 3) if data[i] == 255 and data[i + 1] == 0)
        check(red > w * h // 2, "the too-small message's red page is missing")
        page.resize(1024, 768)
        page.wait("zarvoPage.lastPaint.result === 'drawn' && zarvoPage.lastPaint.width === 1024")
        page.keys("Up", "Up", "Up")
        page.resize(1920, 1080)
        page.wait("zarvoPage.lastPaint.width === 1920")
        compare(page, ["Up", "Up", "Up"])
        page.keys("Up")
        check("4" in page.sentence(), "the game did not go on after the resize")
        page.resize(800, 560)
        page.wait("zarvoPage.lastPaint.width === 800")
        check(page.js("return zarvoPage.lastPaint.result") == "too_small",
              "800x560 less the row under the board is not too small")
        page.keys("Up")
        page.resize(800, 600)
        page.wait("zarvoPage.lastPaint.height === 571")
        compare(page, ["Up"] * 4)
        page.resize(1280, 1024)
        page.wait("zarvoPage.lastPaint.width === 1280")
        compare(page, ["Up"] * 4)
        # A Down puts back the graph's paper as kept at this size, with the line drawn over it.
        page.keys("Down", "Up", "Down")
        compare(page, ["Up"] * 4 + ["Down", "Up", "Down"])
        check(not page.console_errors(), f"console errors: {page.console_errors()}")
    finally:
        page.close()


def scenario_print(port):
    """Ctrl+P does nothing before a win; after it the results page is drawn at print size and
    the print dialog opens."""
    page = Page(port, 1024, 768)
    try:
        page.js("window.print = () => { zarvoPage.printCalls = (zarvoPage.printCalls||0) + 1 }")
        page.ctrl_p()
        time.sleep(0.3)
        check(page.js("return zarvoPage.printed") == 0, "printed before a win")
        page.keys(*SOLVE_21)
        page.ctrl_p()
        page.wait("zarvoPage.printCalls === 1")
        w, h, data = page.pixels("#printout canvas")
        letter = page.js("return navigator.language") in ("en-US", "en-CA")
        paper = 8.5 / 11 if letter else 210 / 297
        check(abs(w / h - paper) < 0.01 and w >= 1600, f"the page is {w}x{h} (Letter: {letter})")
        # The page's frame: a margin of 3/40 of the width each side, 1/30 of the height at top.
        left, right = (w - 17 * w // 20) // 2, (w - 17 * w // 20) // 2 + 17 * w // 20
        top = (h - 9 * h // 10) // 3
        ink = [0] * h
        outside = 0
        for y in range(h):
            row = data[y * w * 3:(y + 1) * w * 3]
            for x in range(0, w, 2):
                if row[3 * x] < 128:
                    ink[y] += 1
                    if x < left - 2 or x > right + 2 or y < top - 2:
                        outside += 1
        check(outside == 0, f"{outside} dark pixels outside the page's frame")
        check(sum(ink[top:top + h // 40]) > 100, "no banner at the top of the page")
        check(sum(ink[top + h // 20:h // 3]) > 1000, "no result or story on the page")
        page.shot("printed")
    finally:
        page.close()


def scenario_sound(port):
    """The three clips decode, every key with a cue starts one once audio is unlocked, and a
    new cue cuts the one still playing."""
    page = Page(port, 1024, 768)
    try:
        page.keys("Space")  # unlocks audio; Space has no cue
        page.wait("zarvoPage.clipsDecoded === 3")
        page.keys("Down", "Up", "Up")
        cues = page.js("return zarvoPage.cues")
        check([c["id"] for c in cues] == [102, 101, 101], f"cues {cues}")
        check(all(c["played"] for c in cues), f"a cue did not start: {cues}")
        check(cues[1]["cut"], f"the click did not cut the buzz still playing: {cues}")
        page.keys(*SOLVE_21[2:])
        ids = [c["id"] for c in page.js("return zarvoPage.cues")]
        check(ids[-2:] == [101, 103], f"the win's cues: {ids[-2:]}")
    finally:
        page.close()


def scenario_touch(port):
    """On a touch screen the key row sits under the board, plays, and goes on a physical key."""
    page = Page(port, 1024, 768, touch=True)
    try:
        check(page.js("return document.body.classList.contains('touch')"), "no touch keys")
        board, bar = page.js("""return [document.getElementById('board').getBoundingClientRect(),
            document.getElementById('bar').getBoundingClientRect()]""")
        check(bar["top"] >= board["bottom"] and bar["bottom"] <= 768, "the key row covers the board")
        check(bar["height"] >= 60, "the touch keys are small")
        page.shot("touch")
        for label in ("Up", "Up", "Tab", "Up"):
            page.driver.find_element("xpath", f"//button[contains(., '{label}')]").click()
        check("Green" in page.sentence(), f"touch keys did not play: {page.sentence()}")
        height = page.js("return zarvoPage.lastPaint.height")
        page.keys("Tab")
        page.wait("!document.body.classList.contains('touch')")
        page.wait(f"zarvoPage.lastPaint.height > {height}")
        compare(page, ["Up", "Up", "Tab", "Up", "Tab"])
        check(not page.console_errors(), f"console errors: {page.console_errors()}")
    finally:
        page.close()


def scenario_offline(port):
    """Once loaded, the page plays without the network; all its files come under 2 MB
    compressed."""
    total = 0
    for folder, _, files in os.walk(SITE):
        for name in files:
            with open(os.path.join(folder, name), "rb") as f:
                total += len(gzip.compress(f.read(), 9))
    check(total < 2 * 1024 * 1024, f"the page's files are {total} bytes compressed")
    page = Page(port, 1024, 768)
    try:
        page.wait("navigator.serviceWorker.controller || (location.reload(), false)", 20)
        page.wait("window.zarvoPage && zarvoPage.ready")
        page.driver.execute_cdp_cmd("Network.enable", {})
        page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        page.driver.get(f"http://127.0.0.1:{port}/?problem=21&lang=es")
        page.wait("window.zarvoPage && zarvoPage.ready && zarvoPage.paints > 0")
        page.keys(*SOLVE_21)
        check("100" in page.sentence(), "the page did not play offline")
        compare(page, SOLVE_21, lang="es")
    finally:
        page.close()


def scenario_screen_reader(port):
    """Orca, Debian's screen reader, with chromium on a desktop (Xvfb and openbox): the page
    opens in Orca's focus mode, so that the arrow keys reach the game and not Orca's browse
    mode, and Orca speaks each key's sentence from the live region, once."""
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
    import screen_reader as sr
    why = sr.missing() or (None if shutil.which("Xvfb") and shutil.which("openbox") and
                           shutil.which("xdotool") else "Xvfb, openbox or xdotool is missing")
    if why:
        raise Failure(why)
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        env = dict(os.environ, DISPLAY=":" + f.readline().strip())
    wm = subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL)
    profile = tempfile.mkdtemp(prefix="zarvo-web-orca-")
    orca = browser = None
    try:
        orca = sr.Orca(env)
        browser = orca.start(["chromium", "--no-sandbox", "--no-first-run", "--disable-gpu",
                              "--disable-background-networking", "--disable-sync",
                              "--force-renderer-accessibility", f"--user-data-dir={profile}",
                              f"--app=http://127.0.0.1:{port}/?problem=21"], orca.env)
        orca.wait_for(lambda said: any(u.text.startswith("New problem") for u in said), 60,
                      "the opening sentence was not spoken")
        orca.wait_quiet()
        check("Focus mode" in [u.text for u in orca.said()], "the page did not open in focus mode")
        for key, expect in (("Up", r"^Blue: 1 box of 30 pounds"), ("Up", r"^Blue: 2 boxes"),
                            ("Tab", r"^Green: 0 boxes so far"), ("Up", r"^Green: 1 box of 110"),
                            ("Down", r"^Green: 0 boxes of 110")):
            before = len(orca.said())
            subprocess.run(["xdotool", "key", key], env=env, check=True)
            orca.wait_for(lambda said: any(not sr.is_echo(u) for u in said[before:]), 10,
                          f"Orca said nothing after {key}")
            orca.wait_quiet()
            ours = [u.text for u in orca.said()[before:] if not sr.is_echo(u)]
            check(len(ours) == 1 and re.search(expect, ours[0]),
                  f"after {key} Orca said {ours}, not one sentence like /{expect}/")
    except sr.ScreenReaderFault as e:
        raise Failure(str(e))
    finally:
        if browser:
            browser.terminate()
        if orca:
            orca.close()
        wm.terminate()
        xvfb.terminate()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    if not shutil.which("chromedriver") or not (shutil.which("chromium")):
        print("web_test: chromium or chromedriver is missing: skipped")
        return 77
    names = sys.argv[3:] or ["solve", "sentences", "resize", "print", "sound", "touch", "offline",
                             "screen_reader"]
    server = serve()
    port = server.server_address[1]
    failed = 0
    for name in names:
        start = time.time()
        try:
            globals()["scenario_" + name](port)
            print(f"{name}: passed ({time.time() - start:.1f} s)")
        except Failure as e:
            failed += 1
            print(f"{name}: FAILED: {e}")
    server.shutdown()
    print(f"{len(names) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
