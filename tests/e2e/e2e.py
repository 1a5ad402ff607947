#!/usr/bin/env python3
"""The real zarvok program under a real X server (Xvfb), bare or with a window manager, driven with
real key events from xdotool and checked by window titles, screenshots and printed PDFs.

usage: e2e.py ZARVOK_BINARY {bare|openbox|icewm|xfwm4|marco|mutter|metacity|kwin} [SCENARIO ...]
Under xfwm4, marco, mutter, metacity and kwin only window_manager and (xfwm4) randr run.
On a failure the screenshot is kept and its path printed.
"""
import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BINARY = os.path.abspath(sys.argv[1])
MODE = sys.argv[2]
ONLY = sys.argv[3:]
KEEP = os.environ.get("ZARVO_E2E_KEEP", os.path.join(tempfile.gettempdir(), "zarvo-e2e"))
os.makedirs(KEEP, exist_ok=True)

WHITE, BLACK = (255, 255, 255), (0, 0, 0)
BLUE, GREEN, RED, MAGENTA = (0, 0, 255), (0, 255, 0), (255, 0, 0), (255, 0, 255)


class Failure(Exception):
    pass


# ---------------------------------------------------------------- the board's geometry
# The scenarios run on a 1024x768 screen, where the client is 1024 wide and more than 700 high
# with or without a title bar: the size table's second row, units 12 and 12 (its worked example
# 1024 x 720 gives 12/12). The positions below are the geometry table's at those units, worked
# out by hand; the header row at 192 and the text panel at 439 are the design's own example.
def layout(w, h):
    if not (780 <= w <= 1024 and 700 < h):
        raise Failure(f"client {w}x{h}: the scenarios expect a 1024-wide client over 700 high")
    cy = h // 2
    return {
        "g": 12, "t": 12,
        "grid": (348, cy - 300, 948, cy + 300),
        "moves_box": (24, 48, 84, 72),
        "score_box": (96, 48, 156, 72),
        "circle": (66, 96, 114, 144),
        "prompt_box": (24, 463, 310, 631),
        "text_panel": (24, 439, w - 24, h),
    }


# ---------------------------------------------------------------- X servers and the program
# Xorg with its dummy video driver: a real X server whose screen RandR can resize, as a monitor
# or a display setting would (Xvfb's single mode cannot change).
DUMMY_XORG_CONF = """
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "1280x1024" 108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1280x1024" "1024x768"
        Virtual 1280 1024
    EndSubSection
EndSection
"""


def dummy_xorg_missing():
    """Why a RandR-capable X server cannot be started here, or None."""
    if not shutil.which("Xorg") or not glob.glob("/usr/lib/xorg/modules/drivers/dummy_drv.so"):
        return "Xorg's dummy driver is not installed (apt-get install xserver-xorg-video-dummy)"
    if os.geteuid() != 0:
        return "Xorg with a configuration of the test's own needs root"
    return None


# How each window manager is started, as its desktop does (each checks that it may take over).
WINDOW_MANAGERS = {
    "openbox": ["openbox", "--sm-disable"],
    "icewm": ["icewm"],
    "xfwm4": ["xfwm4", "--replace"],
    "marco": ["marco", "--replace", "--sm-disable"],
    "mutter": ["mutter", "--replace", "--x11", "--sm-disable"],
    "metacity": ["metacity", "--replace", "--sm-disable"],
    "kwin": ["kwin_x11", "--replace"],
}


class XServer:
    def __init__(self, width, height, wm, randr=False):
        self.width, self.height = width, height
        self.procs = []
        # The server picks a free display number itself and tells it on a pipe once it is ready.
        read_end, write_end = os.pipe()
        if randr:
            folder = tempfile.mkdtemp(prefix="zarvo-xorg-")
            with open(os.path.join(folder, "xorg.conf"), "w") as f:
                f.write(DUMMY_XORG_CONF)
            command = ["Xorg", "-displayfd", str(write_end), "-config",
                       os.path.join(folder, "xorg.conf"), "-logfile",
                       os.path.join(folder, "Xorg.log"), "-noreset", "-nolisten", "tcp",
                       "-novtswitch", "-sharevts"]
        else:
            command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                       f"{width}x{height}x24", "-nolisten", "tcp"]
        self.procs.append(subprocess.Popen(command, pass_fds=(write_end,),
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end) as answer:
            number = answer.readline().strip()
        if not number.isdigit():
            raise Failure(f"{command[0]} did not start")
        self.display = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        for name in ("LANGUAGE", "LC_ALL"):  # English unless a scenario asks for a language
            self.env.pop(name, None)
        self.env["LC_MESSAGES"] = "C.UTF-8"
        self.wm = wm
        if wm:
            self.start_window_manager(wm)

    def start_window_manager(self, wm):
        """Starts `wm` as a desktop would, on a session bus of its own, and waits until it
        manages the screen."""
        if wm not in WINDOW_MANAGERS:
            raise Failure(f"unknown window manager {wm}")
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=self.env)
        self.procs.append(bus)
        config = tempfile.mkdtemp(prefix=f"zarvo-{wm}-")
        self.env.update(DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(), HOME=config,
                        XDG_CONFIG_HOME=os.path.join(config, "config"), XDG_RUNTIME_DIR=config,
                        XDG_CACHE_HOME=os.path.join(config, "cache"), ICEWM_PRIVCFG=config)
        wm_env = dict(self.env, QT_QPA_PLATFORM="xcb")  # kwin_x11 is a Qt program itself
        for attempt in (1, 2):  # once more should it fall over while starting on a busy machine
            log = open(os.path.join(config, f"{wm}-{attempt}.log"), "w")
            self.procs.append(subprocess.Popen(WINDOW_MANAGERS[wm], env=wm_env, stdout=log, stderr=log, cwd=config))
            deadline = time.time() + 30
            while "_NET_SUPPORTING_WM_CHECK(WINDOW)" not in self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]):
                if time.time() > deadline or self.procs[-1].poll() is not None:
                    break
                time.sleep(0.1)
            else:
                break
            if attempt == 2:
                raise Failure(f"{wm} did not start (log: {log.name})")
        time.sleep(1.5)  # its theme, keys and work area

    def x(self, args, check=False):
        r = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        if check and r.returncode != 0:
            raise Failure(f"{' '.join(args)} failed: {r.stderr}")
        return r.stdout

    def close(self):
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


class Screenshot:
    def __init__(self, path):
        self.path = path
        with open(path, "rb") as f:
            data = f.read()
        fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.w, self.h = int(fields.group(1)), int(fields.group(2))
        self.pixels = data[fields.end():]

    def at(self, x, y):
        i = 3 * (y * self.w + x)
        return tuple(self.pixels[i:i + 3])

    def count(self, rect, colour, ox=0, oy=0):
        l, t, r, b = rect
        n = 0
        for y in range(max(t + oy, 0), min(b + oy, self.h)):
            row = 3 * y * self.w
            for x in range(max(l + ox, 0), min(r + ox, self.w)):
                if tuple(self.pixels[row + 3 * x:row + 3 * x + 3]) == colour:
                    n += 1
        return n

    def crop(self, rect, ox, oy):
        l, t, r, b = rect
        return b"".join(self.pixels[3 * ((y + oy) * self.w + l + ox):3 * ((y + oy) * self.w + r + ox)]
                        for y in range(t, b))


class Game:
    def __init__(self, server, args=(), home=None, extra_env=None):
        self.server = server
        self.home = home or tempfile.mkdtemp(prefix="zarvo-home-")
        env = dict(server.env, HOME=self.home, ZARVOK_REPORT_FIRST_PAINT="1",
                   XDG_RUNTIME_DIR=self.home, **(extra_env or {}))
        self.errfile = open(os.path.join(self.home, "stderr.txt"), "w+")
        self.proc = subprocess.Popen([BINARY, *args], env=env, stdout=subprocess.DEVNULL,
                                     stderr=self.errfile)
        self.shots = 0
        deadline = time.time() + 20
        while True:
            self.errfile.seek(0)
            m = re.search(r"view at (-?\d+),(-?\d+) size (\d+)x(\d+)", self.errfile.read())
            if m:
                break
            if self.proc.poll() is not None:
                return  # ended before painting (the caller checks)
            if time.time() > deadline:
                raise Failure("no first paint within 20 s")
            time.sleep(0.05)
        self.ox, self.oy, self.w, self.h = map(int, m.groups())
        self.window = self.find_window(r"Z611")
        self.lay = layout(self.w, self.h) if 780 <= self.w <= 1024 and self.h > 700 else None

    def find_window(self, pattern, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            ids = self.server.x(["xdotool", "search", "--all", "--pid", str(self.proc.pid), "--name", pattern]).split()
            if not ids:
                ids = self.server.x(["xdotool", "search", "--name", pattern]).split()
            if ids:
                return ids[0]
            time.sleep(0.1)
        return None

    def title(self):
        return self.server.x(["xdotool", "getwindowname", self.window]).strip()

    def keys(self, *keys, delay=20):
        self.server.x(["xdotool", "key", "--delay", str(delay), *keys], check=True)
        time.sleep(0.25)

    def shot(self, name=None):
        self.shots += 1
        path = os.path.join(self.home, f"shot{self.shots}.ppm")
        self.server.x(["import", "-window", "root", "-depth", "8", path], check=True)
        s = Screenshot(path)
        s.name = name or f"shot{self.shots}"
        return s

    def print_results(self, dialog_title="^Print$", label=None, offered="Zarvok results.pdf"):
        """Ctrl+P, then the print dialog accepted as it comes: the path of the PDF it wrote,
        under the file name the dialog offers."""
        self.keys("ctrl+p")
        dialog = self.find_window(dialog_title, timeout=10)
        check(dialog is not None, "Ctrl+P opened no print dialog", self.shot())
        if label:
            keep(self.shot(), label)
        self.server.x(["xdotool", "windowactivate", "--sync", dialog])
        self.keys("Return")
        pdf = os.path.join(self.home, offered)
        deadline = time.time() + 15
        while not os.path.exists(pdf) and time.time() < deadline:
            time.sleep(0.2)
        time.sleep(0.5)
        check(os.path.exists(pdf), "accepting the print dialog wrote no PDF", self.shot())
        return pdf

    def client_crop(self, shot):
        return shot.crop((0, 0, self.w, self.h), self.ox, self.oy)

    def wait_end(self, timeout=10):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.errfile.close()
        shutil.rmtree(self.home, ignore_errors=True)  # kept screenshots were copied out


def keep(shot, label):
    dest = os.path.join(KEEP, f"{MODE}-{label}.png")
    subprocess.run(["convert", shot.path, dest], check=False)
    return dest


def check(cond, message, shot=None):
    if not cond:
        if shot is not None:
            message += f" (screenshot kept: {keep(shot, re.sub('[^a-z0-9]+', '-', message.lower())[:40])})"
        raise Failure(message)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


SOLVE_21 = ["Up"] * 17 + ["Tab", "Up", "Tab", "Up", "Up"]


# ---------------------------------------------------------------- scenarios
def scenario_startup(server):
    g = Game(server, ["--problem", "21"])
    try:
        check(g.proc.poll() is None, "the program ended at start-up")
        s = g.shot()
        if MODE == "bare":
            check((g.ox, g.w) == (0, server.width), f"view at {g.ox} width {g.w}: not the screen's width")
            check(g.oy + g.h == server.height, f"view ends at {g.oy + g.h}, not the screen's bottom")
        else:  # maximized into the window manager's work area (icewm keeps a task bar below)
            area = re.search(r"= (\d+), (\d+), (\d+), (\d+)", server.x(["xprop", "-root", "_NET_WORKAREA"]))
            bottom = int(area.group(2)) + int(area.group(4)) if area else server.height
            check(g.w == server.width, f"view width {g.w}, not maximized to {server.width}")
            check(g.oy + g.h == bottom, f"view ends at {g.oy + g.h}, not the work area's bottom {bottom}")
        check(re.fullmatch(r".* -- \d{1,2}/\d{1,2}/\d\d \d{1,2}:\d\d:\d\d -- Version Z611", g.title()),
              f"title banner {g.title()!r}")
        cx, cy = centre(g.lay["circle"])
        check(s.at(cx + g.ox, cy + g.oy) == BLUE, "the colour disc is not blue", s)
        check(s.count(g.lay["text_panel"], BLACK, g.ox, g.oy) > 2000, "no story overlay in the lower panel", s)
        check(s.count(g.lay["prompt_box"], RED, g.ox, g.oy) == 0, "the start prompt shows under the overlay", s)
        return g.client_crop(s)
    finally:
        g.close()


def scenario_keys(server):
    g = Game(server, ["--problem", "21"])
    try:
        lay, ox, oy = g.lay, g.ox, g.oy
        start = g.shot()
        moves0 = start.crop(lay["moves_box"], ox, oy)
        g.keys("space")
        s = g.shot()
        check(s.count(lay["text_panel"], BLACK, ox, oy) < 300, "Space left the overlay up", s)
        check(s.count(lay["prompt_box"], RED, ox, oy) > 50, "the red start prompt is not back", s)
        cx, cy = centre(lay["circle"])
        for colour, name in ((GREEN, "green"), (RED, "red"), (BLUE, "blue")):
            g.keys("Tab")
            s = g.shot()
            check(s.at(cx + ox, cy + oy) == colour, f"Tab did not turn the disc {name}", s)
        before = g.client_crop(s)
        g.keys("Down")
        s = g.shot()
        check(g.client_crop(s) == before, "a refused Down changed the screen", s)
        g.keys("Home")
        s = g.shot()
        check(g.client_crop(s) == before, "Home while playing changed the screen", s)
        g.keys("Up")
        s = g.shot()
        gx, gy = lay["grid"][0], lay["grid"][3]
        check(s.at(gx + ox, gy + oy) == BLUE, "no blue dot at the corner after an Up", s)
        check(s.crop(lay["moves_box"], ox, oy) != moves0, "the move count did not change", s)
    finally:
        g.close()


def scenario_solve_print_home(server):
    g = Game(server, ["--problem", "21"], extra_env={"PAPERSIZE": "letter"})
    try:
        lay, ox, oy = g.lay, g.ox, g.oy
        s0 = g.shot()
        moves0, score0 = s0.crop(lay["moves_box"], ox, oy), s0.crop(lay["score_box"], ox, oy)
        g.keys("ctrl+p")
        check(g.find_window("^Print$", timeout=1.5) is None, "Ctrl+P opened a dialog before the win")
        g.keys(*SOLVE_21)
        s = g.shot()
        check(s.count(lay["prompt_box"], BLUE, ox, oy) > 50, "no blue game-over prompt", s)
        check(s.count(lay["score_box"], MAGENTA, ox, oy) > 20, "no score in the score box", s)
        gx, gy = lay["grid"][2], lay["grid"][1]
        check(s.at(gx + ox, gy + oy) == RED, "the line does not end at the upper right corner", s)
        score100 = s.crop(lay["score_box"], ox, oy)
        g.keys("Up", "Tab", "F1", "space")  # all ignored once the game is over
        check(g.client_crop(g.shot()) == g.client_crop(s), "keys after the win changed the screen")

        pdf = os.path.join(g.home, "Zarvok results.pdf")
        for answer in ("Escape", "Return"):  # cancelled first: nothing is printed
            g.keys("ctrl+p")
            dialog = g.find_window("^Print$", timeout=10)
            check(dialog is not None, "Ctrl+P after the win opened no print dialog", g.shot())
            g.server.x(["xdotool", "windowactivate", "--sync", dialog])
            g.keys(answer)
            if answer == "Escape":
                time.sleep(0.5)
                check(not os.path.exists(pdf), "a cancelled print dialog printed")
                check(g.client_crop(g.shot()) == g.client_crop(s), "a cancelled print changed the game")
        deadline = time.time() + 15
        while not os.path.exists(pdf) and time.time() < deadline:
            time.sleep(0.2)
        time.sleep(0.5)
        check(os.path.exists(pdf), "accepting the print dialog wrote no PDF", g.shot())
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        check(re.search(r"Pages:\s+1\n", info), f"the PDF is not one page: {info}")
        check(re.search(r"Page size:\s+612 x 792 pts", info), f"PAPERSIZE=letter did not print on Letter: {info}")
        check(re.search(r"Title:\s+Untitled\n", info), f"the PDF's title is not the document's: {info}")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
        for piece in ("-- Version Z611", "Your score was: 100 -- Your solution was:",
                      "17 boxes weighing 30 pounds each.", "1 box weighing 110 pounds.",
                      "2 boxes weighing 190 pounds each.", "A truck carrying 20 boxes", "demo version"):
            check(piece in text, f"the printed page lacks {piece!r}")
        shutil.copy(pdf, os.path.join(KEEP, f"{MODE}-results.pdf"))

        g.keys("Home")
        s = g.shot()
        check(s.count(lay["text_panel"], BLACK, ox, oy) > 2000, "Home showed no story overlay", s)
        check(s.crop(lay["moves_box"], ox, oy) == moves0, "Home did not bring 0 moves back", s)
        check(s.crop(lay["score_box"], ox, oy) == score0, "Home did not bring score 0 back", s)
        g.keys("ctrl+p")
        check(g.find_window("^Print$", timeout=1.5) is None, "Ctrl+P opened a dialog after Home")
        return score100
    finally:
        g.close()


def scenario_longer_solution(server, score100):
    g = Game(server, ["--problem", "21"])
    try:
        lay, ox, oy = g.lay, g.ox, g.oy
        g.keys(*(["Up"] * 18 + ["Down"] + SOLVE_21[17:]))  # one Down: 22 moves, 91
        s = g.shot()
        check(s.count(lay["prompt_box"], BLUE, ox, oy) > 50, "the longer solution did not end the game", s)
        check(s.count(lay["score_box"], MAGENTA, ox, oy) > 20, "no score after the longer solution", s)
        check(s.crop(lay["score_box"], ox, oy) != score100, "a 22-move solution shows the same score as 20", s)
    finally:
        g.close()


def scenario_about(server):
    g = Game(server, ["--problem", "4"])
    try:
        g.keys("alt+h")
        g.keys("Return")
        about = g.find_window("^About Zarvok$", timeout=5)
        check(about is not None, "Help, About by keyboard opened no About box", g.shot())
        g.server.x(["xdotool", "windowactivate", "--sync", about])
        g.keys("Escape")
        time.sleep(0.3)
        ids = g.server.x(["xdotool", "search", "--all", "--onlyvisible", "--name", "^About Zarvok$"]).split()
        check(not ids, "Escape did not close the About box", g.shot())
        check(g.proc.poll() is None, "the program ended with the About box")
    finally:
        g.close()


LANGUAGES = {
    "de": dict(title="Zarvo, ein Rätsel vom Zarvo-Team -- ", date=r"\d\d\.\d\d\.\d\d \d\d:\d\d:\d\d",
               help="alt+h", about="^Über Zarvok$", print="^Drucken$",
               pdf="Zarvok-Ergebnisse.pdf", pdf_title="Unbenannt",
               page=("Deine Punktzahl: 100 -- Deine Lösung:", "17 Kisten mit je 30 Pfund.",
                     "1 Kiste mit 110 Pfund.", "2 Kisten mit je 190 Pfund.",
                     "Ein Lastwagen mit 20 Kisten", "Demoversion")),
    "es": dict(title="Zarvo, un acertijo del equipo Zarvo -- ", date=r"\d\d?/\d\d?/\d\d \d\d:\d\d:\d\d",
               help="alt+y", about="^Acerca de Zarvok$", print="^Imprimir$",
               pdf="Resultados de Zarvok.pdf", pdf_title="Sin título",
               page=("Tu puntuación: 100 -- Tu solución:", "17 cajas de 30 libras cada una.",
                     "1 caja de 110 libras.", "2 cajas de 190 libras cada una.",
                     "Un camión con 20 cajas", "versión de demostración")),
    "fr": dict(title="Zarvo, un casse-tête de l'équipe Zarvo -- ", date=r"\d\d/\d\d/\d{4} \d\d:\d\d:\d\d",
               help="alt+a", about="^À propos de Zarvok$", print="^Imprimer$",
               pdf="Résultats Zarvok.pdf", pdf_title="Sans titre",
               page=("Ton score : 100 -- Ta solution :", "17 caisses de 30 livres chacune.",
                     "1 caisse de 110 livres.", "2 caisses de 190 livres chacune.",
                     "Un camion transportant 20 caisses", "version de démonstration")),
    "pt_BR": dict(title="Zarvo, um quebra-cabeça da equipe Zarvo -- ", date=r"\d\d/\d\d/\d{4} \d\d:\d\d:\d\d",
                  help="alt+j", about="^Sobre o Zarvok$", print="^Imprimir$",
                  pdf="Resultados do Zarvok.pdf", pdf_title="Sem título",
                  page=("Sua pontuação: 100 -- Sua solução:", "17 caixas de 30 libras cada uma.",
                        "1 caixa de 110 libras.", "2 caixas de 190 libras cada uma.",
                        "Um caminhão com 20 caixas", "versão de demonstração")),
}


def scenario_languages(server):
    """The whole game in every language it speaks, chosen by LANGUAGE as a desktop sets it: the
    title's banner and date, the story, the About box, the print dialog, the PDF file it offers
    and the page with its title."""
    for lang, want in LANGUAGES.items():
        g = Game(server, ["--problem", "21"], extra_env={"LANGUAGE": lang, "PAPERSIZE": "a4"})
        try:
            title = g.title()
            check(title.startswith(want["title"]) and re.search(want["date"], title),
                  f"{lang}: the title is {title!r}")
            s = g.shot()
            check(s.count(g.lay["text_panel"], BLACK, g.ox, g.oy) > 2000, f"{lang}: no story", s)
            keep(s, f"{lang}-start")
            g.keys(want["help"])
            g.keys("Return")
            about = g.find_window(want["about"], timeout=5)
            check(about is not None, f"{lang}: Help, About opened no About box", g.shot())
            keep(g.shot(), f"{lang}-about")
            g.server.x(["xdotool", "windowactivate", "--sync", about])
            g.keys("Escape")
            g.server.x(["xdotool", "windowactivate", "--sync", g.window])
            g.keys(*SOLVE_21)
            s = g.shot()
            check(s.count(g.lay["prompt_box"], BLUE, g.ox, g.oy) > 50, f"{lang}: not solved", s)
            keep(s, f"{lang}-solved")
            pdf = g.print_results(want["print"], f"{lang}-print-dialog", offered=want["pdf"])
            info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
            check(re.search(r"Pages:\s+1\n", info), f"{lang}: the PDF is not one page: {info}")
            check(re.search(rf"Title:\s+{want['pdf_title']}\n", info), f"{lang}: the PDF's title: {info}")
            text = " ".join(subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                                           text=True).stdout.split())
            for piece in want["page"]:
                check(piece in text, f"{lang}: the printed page lacks {piece!r}")
            shutil.copy(pdf, os.path.join(KEEP, f"{MODE}-{lang}-results.pdf"))
        finally:
            g.close()


def scenario_exits(server):
    # Alt+F4 and File, Exit end the program with status 0.
    for how in (["alt+F4"], ["alt+f", "Up", "Return"]):
        g = Game(server, ["--problem", "4"])
        try:
            g.server.x(["xdotool", "windowactivate", "--sync", g.window])
            g.keys(*how, delay=150)
            status = g.wait_end()
            check(status == 0, f"{' '.join(how)} ended with {status}")
        finally:
            g.close()


def scenario_randr():
    """A real change of the screen's size through RandR ends the program, with status 0."""
    why = dummy_xorg_missing()
    if why:
        return f"skipped: {why}"
    server = XServer(1280, 1024, None if MODE == "bare" else MODE, randr=True)
    try:
        server.x(["xrandr", "-s", "1280x1024"], check=True)
        g = Game(server, ["--problem", "4"])
        try:
            check(g.w == 1280, f"the view is {g.w} wide on a 1280x1024 screen")
            g.keys("Up", "Up")
            server.x(["xrandr", "-s", "1024x768"], check=True)
            status = g.wait_end()
            check(status == 0, f"changing the screen to 1024x768 ended the program with {status}")
        finally:
            g.close()
    finally:
        server.close()


def maximized(server, window):
    state = server.x(["xprop", "-id", window, "_NET_WM_STATE"])
    return "MAXIMIZED_VERT" in state and "MAXIMIZED_HORZ" in state


def cardinals(server, name, window=None):
    out = server.x(["xprop", *(["-id", window] if window else ["-root"]), name])
    return [int(v) for v in re.findall(r"-?\d+", out.split("=", 1)[1])] if "=" in out else []


def work_area(server):
    area = cardinals(server, "_NET_WORKAREA")
    return tuple(area[:4]) if len(area) >= 4 else (0, 0, server.width, server.height)


def client_geometry(server, window):
    return tuple(map(int, re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)",
                                     server.x(["xwininfo", "-id", window]))))


class Dock:
    """A panel along the screen's bottom, as a desktop's task bar is: a dock window that
    reserves its strip of the screen with _NET_WM_STRUT_PARTIAL, so that the work area shrinks
    while it is there."""

    def __init__(self, server, height=32):
        import ctypes
        x = self.x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
        x.XCreateSimpleWindow.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                      ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
        for f in (x.XMapWindow, x.XDestroyWindow):
            f.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        for f in (x.XFlush, x.XCloseDisplay):
            f.argtypes = [ctypes.c_void_p]
        self.dpy = x.XOpenDisplay(server.display.encode())
        check(self.dpy, f"cannot open {server.display}")
        w, h = server.width, server.height
        self.window = x.XCreateSimpleWindow(self.dpy, x.XDefaultRootWindow(self.dpy), 0, h - height, w,
                                            height, 0, 0, 0x808080)
        atom = lambda name: x.XInternAtom(self.dpy, name.encode(), 0)

        def put(name, kind, values):
            data = (ctypes.c_long * len(values))(*values)  # format 32 is passed as longs
            x.XChangeProperty(self.dpy, self.window, atom(name), kind, 32, 0, data, len(values))

        put("_NET_WM_WINDOW_TYPE", 4, [atom("_NET_WM_WINDOW_TYPE_DOCK")])  # 4: ATOM
        put("_NET_WM_STRUT", 6, [0, 0, 0, height])  # 6: CARDINAL
        put("_NET_WM_STRUT_PARTIAL", 6, [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, w - 1])
        x.XMapWindow(self.dpy, self.window)
        x.XFlush(self.dpy)

    def close(self):
        if self.dpy:
            self.x.XDestroyWindow(self.dpy, self.window)
            self.x.XCloseDisplay(self.dpy)
            self.dpy = None


def wait_for(what, timeout):
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = what()
        if value:
            return value
        time.sleep(0.1)
    return what()


def settled(server, g, timeout=8):
    """Waits until the window manager has done with the frame: maximized (or minimized, or
    gone), and the client's place unchanged for half a second. Its geometry, or None."""
    last, since, deadline = None, time.time(), time.time() + timeout
    while time.time() < deadline and g.proc.poll() is None:
        now = client_geometry(server, g.window) if maximized(server, g.window) else None
        if now != last:
            last, since = now, time.time()
        elif now and time.time() - since > 0.5:
            return now
        time.sleep(0.1)
    return last


def client_crop(shot, place):
    """The client window's pixels (the menu bar and the view) in a screenshot."""
    x, y, w, h = place
    return shot.crop((0, 0, w, h), x, y)


def view_report(g):
    """Where the view was when the board was last laid out, as the program reported it."""
    g.errfile.seek(0)
    found = re.findall(r"view at (-?\d+),(-?\d+) size (\d+)x(\d+)", g.errfile.read())
    return tuple(map(int, found[-1]))


def startup_fault(server, g):
    """What is wrong with a game just started under a window manager, or None: it must come up
    maximized inside the work area with its title bar on the screen, the board laid out for the
    view it really has, and the first key must draw where that layout puts the line."""
    if g.proc.poll() is not None:
        return f"ended ({g.proc.poll()})"
    client = settled(server, g)
    if not client:
        return "not maximized: " + "x".join(map(str, client_geometry(server, g.window)[2:]))
    x, y, w, h = client
    ax, ay, aw, ah = work_area(server)
    left, right, top, bottom = (cardinals(server, "_NET_FRAME_EXTENTS", g.window) + [0] * 4)[:4]
    # The frame covers the work area, the client lies inside it and so does the title bar (the
    # frame's top less its border, which some window managers push off the screen).
    if not (x - left <= ax and x + w + right >= ax + aw and y - top <= ay and y + h + bottom >= ay + ah):
        return f"client {w}x{h}+{x}+{y} does not fill the work area {aw}x{ah}+{ax}+{ay}"
    if x < ax or y - (top - left) < ay or x + w > ax + aw or y + h > ay + ah:
        return f"client {w}x{h}+{x}+{y} (under a {top - left} px title) reaches out of the work area {aw}x{ah}+{ax}+{ay}"
    vx, vy, vw, vh = view_report(g)
    if (vx, vw, vy + vh) != (x, w, y + h) or vy <= y:  # the menu bar lies above the view
        return f"board laid out for a {vw}x{vh} view, the client is {w}x{h}"
    gx, gy = 29 * 14, vh // 2 + 25 * 14  # the grid's lower left corner (units 14 at 1280 wide)
    shots = []
    for _ in range(2):  # a second Up, should a busy machine have lost the first on its way
        g.keys("Up")
        if wait_for(lambda: shots.append(g.shot()) or shots[-1].at(vx + gx, vy + gy) == BLUE, 3):
            return None
    return f"Up drew no blue box at the grid's corner ({keep(shots[-1], MODE + '-startup')})"


# What a user may do to the frame under each window manager: its own keys (the desktop's
# defaults) and title buttons. Actions that the window manager refuses are fine too.
WM_KEYS = {
    "mutter": [("super+Down", "super+Down"), ("super+Up after super+Down", "super+Down super+Up"),
               ("alt+F5", "alt+F5"), ("alt+F10", "alt+F10"), ("alt+F10 twice", "alt+F10 alt+F10"),
               ("alt+F8 resize", "alt+F8 Left Left Return"), ("alt+F7 move", "alt+F7 Right Right Return"),
               ("super+h minimize", "super+h"), ("super+Left tile", "super+Left")],
    "marco": [("alt+F5", "alt+F5"), ("alt+F10", "alt+F10"), ("alt+F10 twice", "alt+F10 alt+F10"),
              ("alt+F8 resize", "alt+F8 Left Left Return"), ("alt+F7 move", "alt+F7 Right Right Return"),
              ("alt+F9 minimize", "alt+F9")],
    "xfwm4": [("alt+F10", "alt+F10"), ("alt+F10 twice", "alt+F10 alt+F10"),
              ("alt+F8 resize", "alt+F8 Left Left Return"), ("alt+F7 move", "alt+F7 Right Right Return"),
              ("alt+F9 minimize", "alt+F9"), ("alt+F11 fullscreen and back", "alt+F11 alt+F11")],
    "kwin": [("meta+Page_Down minimize", "super+Next"), ("meta+Page_Up maximize", "super+Prior"),
             ("meta+Left tile", "super+Left")],
    "icewm": [("alt+F5", "alt+F5"), ("alt+F9 minimize", "alt+F9"), ("alt+F10", "alt+F10"),
              ("alt+F8 resize", "alt+F8 Left Left Return"), ("alt+F7 move", "alt+F7 Right Right Return"),
              ("alt+F12 roll up and down", "alt+F12 alt+F12"), ("alt+F11 fullscreen and back", "alt+F11 alt+F11")],
    "openbox": [],
}
# The title's buttons other than close, as each one's default theme places them (from the right
# edge of the screen, and from its top); mutter's and metacity's titles offer only closing.
WM_BUTTONS = {
    "openbox": [("restore", 27, 9), ("restore again", 27, 9), ("iconify", 43, 9)],
    "icewm": [("restore", 38, 10), ("restore again", 38, 10)],
    "marco": [("restore", 45, 14), ("restore again", 45, 14)],
    "xfwm4": [("restore", 33, 10), ("restore again", 33, 10), ("shade, then unshade", 57, 10)],
    "kwin": [("restore", 54, 20), ("restore again", 54, 20), ("minimize", 88, 20)],
    "mutter": [], "metacity": [],
}
WM_KEYS["metacity"] = [a for a in WM_KEYS["mutter"] if "tile" not in a[0]]


def wm_actions(server, window):
    """The actions on the frame of the game whose window `window()` names."""
    w, h = server.width, server.height
    mouse = lambda *args: server.x(["xdotool", *args], check=True)
    wmctrl = lambda *args: lambda: server.x(["wmctrl", "-i", "-r", window(), *args], check=True)
    both = lambda first, then: lambda: (first(), time.sleep(0.8), then())
    left, right, top, bottom = (cardinals(server, "_NET_FRAME_EXTENTS", window()) + [0] * 4)[:4]
    title_y = max(client_geometry(server, window())[1] - (top - left) // 2, 2)
    click = lambda x, y, n=1: lambda: mouse("mousemove", str(x), str(y), "click", "--repeat", str(n),
                                            "--delay", "80", "1")

    def drag(x0, y0, x1, y1, modifier=None):
        def act():
            if modifier:
                mouse("keydown", modifier)
            mouse("mousemove", str(x0), str(y0), "mousedown", "1", "mousemove", str((x0 + x1) // 2),
                  str((y0 + y1) // 2), "mousemove", str(x1), str(y1), "mouseup", "1")
            if modifier:
                mouse("keyup", modifier)
        return act

    def quick_drags(x0, y0, times):
        # Quick drags, the next once the frame is maximized again.
        def act():
            for _ in range(times):
                mouse("mousemove", str(x0), str(y0), "mousedown", "1")
                for k in range(1, 6):  # a step each few milliseconds, as a hand moves
                    mouse("mousemove", str(x0 + 30 * k), str(y0 + 34 * k))
                mouse("mouseup", "1")
                time.sleep(0.8)
                if not wait_for(lambda: maximized(server, window()), 3):
                    return
        return act

    def desktop_and_back():
        mouse("set_desktop_for_window", window(), "1")
        time.sleep(0.5)
        mouse("set_desktop_for_window", window(), "0")
        mouse("set_desktop", "0")
        mouse("windowactivate", window())

    if MODE == "bare":  # no window manager: only other programs move and resize the window
        return [("another client resizes it", lambda: mouse("windowsize", window(), "640", "480")),
                ("another client moves it", lambda: mouse("windowmove", window(), "100", "100"))]
    pressed = lambda x, y, times: lambda: [(click(x, y)(), time.sleep(1)) for _ in range(times)]
    actions = [(f"the {name} button", pressed(w - x, y, 2 if "then" in name else 1))
               for name, x, y in WM_BUTTONS[MODE]]
    actions += [(f"keys {name}", (lambda keys: lambda: mouse("key", "--delay", "150", *keys.split()))(keys))
                for name, keys in WM_KEYS[MODE]]
    actions += [("a double-click on the title", click(w // 2, title_y, 2)),
                ("wmctrl un-maximize", wmctrl("-b", "remove,maximized_vert,maximized_horz")),
                ("wmctrl maximize", wmctrl("-b", "add,maximized_vert,maximized_horz")),
                ("wmctrl toggle", wmctrl("-b", "toggle,maximized_vert,maximized_horz")),
                ("wmctrl move and resize", wmctrl("-e", "0,100,100,640,480")),
                ("wmctrl shade", both(wmctrl("-b", "add,shaded"), wmctrl("-b", "remove,shaded"))),
                ("wmctrl fullscreen", both(wmctrl("-b", "add,fullscreen"), wmctrl("-b", "remove,fullscreen"))),
                ("minimize", lambda: mouse("windowminimize", window())),
                ("a drag of the bottom border", drag(w // 2, h - 1, w // 2, h - 200)),
                ("a drag of the lower right corner", drag(w - 1, h - 1, w - 300, h - 250)),
                # kwin may pass over the game's request to be maximized again while a quick
                # drag from the title's lower half still moves the frame: one such drag in ten
                # left the frame where it was dropped.
                ("quick drags of the title", quick_drags(w // 3, title_y + 10, 10)),
                ("an alt+drag", drag(w // 2, h // 2, w // 2 + 150, h // 2 + 100, "alt")),
                ("a super+drag", drag(w // 2, h // 2, w // 2 + 150, h // 2 + 100, "super")),
                ("another desktop and back", desktop_and_back)]
    return actions


def scenario_window_manager():
    """The game under a window manager on a 1280x1024 screen, with every column of the table
    the program must keep: start-ups, the window manager's actions, and a dock that appears and
    goes away. Prints one line per cell and fails if any cell is wrong."""
    server = XServer(1280, 1024, None if MODE == "bare" else MODE)
    cells, faults = [], []

    def cell(column, verdict, good):
        cells.append((column, verdict))
        print(f"[{MODE}] window manager: {column}: {verdict}", flush=True)
        if not good:
            faults.append(f"{column}: {verdict}")

    try:
        runs = int(os.environ.get("ZARVO_E2E_STARTUPS", "10"))
        wrong = []
        for _ in range(runs):
            g = Game(server, ["--problem", "21"])
            try:
                fault = startup_fault(server, g)
                if fault:
                    wrong.append(fault)
            finally:
                g.close()
        cell(f"start-up x{runs}", "kept" if not wrong else f"{len(wrong)} of {runs}: {wrong[0]}", not wrong)

        # Each action on a game that stands maximized with a few moves made; after a fault
        # the next action gets a new game, so that every cell tells of its own action.
        def fresh():
            for _ in range(3):  # a start-up that failed is counted above already
                game = Game(server, ["--problem", "21"])
                place = settled(server, game)
                if place:
                    game.keys("Up", "Up", "Tab", "Up", "space")
                    return game, client_crop(game.shot(), place), place
                game.close()
            raise Failure("three start-ups in a row did not come up maximized")

        mouse_key = lambda key: server.x(["xdotool", "key", key])
        g, before, home = fresh()
        fault_seen = False
        try:
            for name, act in wm_actions(server, lambda: g.window):
                if fault_seen or g.proc.poll() is not None or client_geometry(server, g.window) != home:
                    g.close()
                    g, before, home = fresh()
                act()
                time.sleep(0.5)
                mouse_key("Escape")  # closes a menu the window manager may have opened (icewm's on Super)
                server.x(["xdotool", "mousemove", "640", "600"])  # off the title, where tooltips show
                if "minimize" in name or "iconify" in name:  # the user brings it back from the task bar
                    time.sleep(0.5)
                    server.x(["xdotool", "windowactivate", g.window])
                now = settled(server, g, 6)
                if g.proc.poll() is not None:
                    cell(name, f"ended ({g.proc.poll()})", False)
                elif now != home:
                    shown = client_geometry(server, g.window)
                    cell(name, f"left {'x'.join(map(str, shown[2:]))}+{shown[0]}+{shown[1]}, "
                               f"{'maximized' if now else 'not maximized'} "
                               f"({keep(g.shot(), MODE + '-' + name)})", False)
                else:
                    after = g.shot()
                    same = client_crop(after, home) == before
                    cell(name, "kept" if same else f"the board looks different ({keep(after, MODE + '-' + name)})",
                         same)
                    server.x(["xdotool", "windowactivate", g.window])
                fault_seen = faults and faults[-1].startswith(name + ":")
            if g.proc.poll() is None and client_geometry(server, g.window) == home:
                g.keys("Up")
                drawn = wait_for(lambda: client_crop(g.shot(), home) != before, 3)
                cell("the next key", "draws" if drawn else "draws nothing", drawn)
        finally:
            g.close()

        # The work area changes: the game ends, with status 0, whichever way it goes. (Without
        # a window manager there is no work area; scenario_randr changes the screen.)
        dock = None if MODE != "bare" else "none"
        try:
            for column in ("dock appears", "dock goes away") if MODE != "bare" else ():
                g = Game(server, ["--problem", "4"])
                try:
                    fault = startup_fault(server, g)  # the second starts with the dock there
                    if fault:
                        cell(f"start-up before {column}", fault, False)
                    g.keys("Up", "Up")
                    if dock is None:
                        dock = Dock(server)
                    else:
                        dock.close()
                    status = g.wait_end(10)
                    cell(column, "kept, still running" if status is None else f"ended, status {status}",
                         status == 0)
                finally:
                    g.close()
                time.sleep(1)
        finally:
            if isinstance(dock, Dock):
                dock.close()
    finally:
        server.close()
    print(f"[{MODE}] table: " + " | ".join(f"{c}: {v}" for c, v in cells), flush=True)
    check(not faults, "; ".join(faults))


def scenario_menus(server):
    # Closing a menu gives the game the keyboard back; Alt alone opens nothing; keys held with
    # Alt do nothing in the game; F10 opens the File menu for all to see.
    g = Game(server, ["--problem", "21"])
    try:
        lay, ox, oy = g.lay, g.ox, g.oy
        g.keys("space")
        moves = lambda shot: shot.crop(lay["moves_box"], ox, oy)
        before = g.shot()
        g.keys("alt+f", "Escape", "alt+f", "Escape", "Escape", "Escape", delay=150)
        g.keys("Up")
        one = g.shot()
        check(moves(one) != moves(before), "an Up after closing the menus never reached the game", one)
        g.keys("alt", delay=150)
        g.keys("Up")
        two = g.shot()
        check(moves(two) != moves(one), "after Alt alone the Up did not reach the game", two)
        g.keys("alt+Up", "alt+Down", "alt+space", "alt+F1", delay=100)
        g.keys("Escape")  # in case a window manager's menu opened
        check(g.client_crop(g.shot()) == g.client_crop(two), "a key held with Alt acted in the game")
        g.keys("F10", delay=150)
        opened = g.shot()
        menu_area = (0, 0, 160, 120)
        check(opened.crop(menu_area, ox, oy) != two.crop(menu_area, ox, oy),
              "F10 showed no menu", opened)
        g.keys("Up")
        check(moves(g.shot()) == moves(two), "an Up with the menu open reached the game")
        g.keys("Escape", delay=150)
        g.keys("Up")
        three = g.shot()
        check(moves(three) != moves(two), "the Up after closing F10's menu did not reach the game", three)
        check(g.proc.poll() is None, "the program ended in the menus")
    finally:
        g.close()


def scenario_save(server):
    # Save makes a new empty file; Qt's file dialog leaves no settings in the home folder; a
    # second Save says the file is saved already.
    g = Game(server, ["--problem", "4"])
    try:
        g.keys("ctrl+s", delay=150)
        dialog = g.find_window("^Save As$", timeout=10)
        check(dialog is not None, "Ctrl+S opened no Save As dialog", g.shot())
        g.server.x(["xdotool", "windowactivate", "--sync", dialog])
        target = os.path.join(g.home, "lesson.zarvok")
        g.keys("ctrl+a", delay=100)
        g.server.x(["xdotool", "type", "--delay", "20", target], check=True)
        g.keys("Return", delay=150)
        deadline = time.time() + 10
        while not os.path.exists(target) and time.time() < deadline:
            time.sleep(0.1)
        check(os.path.exists(target) and os.path.getsize(target) == 0, "Save made no empty file")
        time.sleep(0.5)
        written = [os.path.relpath(os.path.join(d, f), g.home) for d, _, files in os.walk(g.home)
                   for f in files if f not in ("stderr.txt", "lesson.zarvok") and not f.startswith("shot")]
        check(not written, f"the program left files in the home folder: {written}")
        g.server.x(["xdotool", "windowactivate", "--sync", g.window])
        g.keys("ctrl+s", delay=150)
        box = g.find_window("^Zarvok$", timeout=10)
        check(box is not None, "a second Ctrl+S said nothing", g.shot())
        g.server.x(["xdotool", "windowactivate", "--sync", box])
        g.keys("Return", delay=150)
        check(g.proc.poll() is None, "the program ended while saving")
    finally:
        g.close()


def scenario_damage():
    # What reaches the screen after a key, as the X server's damage reports tell it, on a
    # 1920x1080 screen where the board (units 16 and 14) leaves the upper right of the window
    # unused: Tab shows the colour disc alone, an Up the digits and the line it changed, Space
    # with the story down (the board drawn again as it stands) nothing, and no key ever touches
    # the unused part.
    probe = os.path.join(os.path.dirname(BINARY), "bench", "key_to_pixels")
    if not os.path.exists(probe):
        raise Failure(f"{probe} is missing (the benchmarks were not built)")
    server = XServer(1920, 1080, None)
    try:
        g = Game(server, ["--problem", "0"])
        try:
            ox, oy = g.ox, g.oy
            # Right of the grid's last axis number (the grid ends at 79 g = 1264, the number
            # reaches 16 further) and above the story's panel (the table's top 12 t + 4 g = 232,
            # its bottom 18 g - 5 lower, and the panel 3 g below that: 563), less the 8 pixels
            # by which the screen may be shown anew around what was drawn.
            unused = (ox + 1264 + 16 + 8, oy, ox + 1920, oy + 563 - 8)
            circle = (ox + 120 - 32, oy + 112, ox + 120 + 32, oy + 168)  # m = 120, 8t to 12t

            def damage(key, *setup):
                out = subprocess.run([probe, "--inside", ",".join(map(str, unused)), g.window, "1", key, *setup],
                                     env=server.env, capture_output=True, text=True, timeout=60).stdout.split()
                check(len(out) == 8, f"no damage report for {key}")
                return int(out[2]), tuple(map(int, out[3:7])), int(out[7])

            for key, setup in (("Up", ["F1"]), ("space", []), ("Up", []), ("Down", []), ("Tab", []),
                               ("F1", ["space"]), ("F1", [])):
                area, box, in_unused = damage(key, *setup)
                if key == "space":
                    check(area == 0, f"space with the story down showed {area} pixels")
                    continue
                check(area > 0, f"{key} after {setup} showed nothing")
                check(in_unused == 0, f"{key} after {setup} damaged {in_unused} pixels of the unused area")
                if key == "Tab":
                    check(circle[0] - 32 <= box[0] and box[2] <= circle[2] + 32 and circle[1] - 32 <= box[1]
                          and box[3] <= circle[3] + 32, f"Tab damaged {box}, not just the colour disc {circle}")
                if key == "Up" and not setup:
                    check(area <= 0.02 * g.w * g.h, f"a partial Up damaged {area} pixels of {g.w * g.h}")
            # Home after a win: the one blue box taken back (the colour is green now), then
            # problem 0 solved as 10, 39 and 1.
            g.keys(*(["Tab"] * 2 + ["Down"]), delay=5)
            g.keys(*(["Up"] * 10 + ["Tab"] + ["Up"] * 39 + ["Tab", "Up"]), delay=5)
            area, _, in_unused = damage("Home")
            check(area > 0 and in_unused == 0, f"Home damaged {in_unused} pixels of the unused area")
        finally:
            g.close()
    finally:
        server.close()


def scenario_screen_reader(server):
    """A whole problem played with Orca as a blind student would: every key is answered in
    speech within a second, once; where-am-I reads the whole state, also after a menu, the About
    box and the print dialog; the story is cut short by the next key. Each key waits for the
    last speech to end, and the transcript is kept."""
    import screen_reader as sr
    why = sr.missing()
    if why:
        raise Failure(why)
    try:
        orca = sr.Orca(server.env)
    except sr.ScreenReaderFault as e:
        raise Failure(str(e))
    transcript = []
    saved = server.env
    passed = False
    try:
        server.env = orca.env
        started = time.time()
        g = Game(server, ["--problem", "21"])
        server.env = saved
        said = orca.wait_for(lambda s: any(u.text.startswith("New problem") for u in s), 20,
                             "the game's opening sentence was not spoken")
        orca.wait_quiet()
        opening = [u for u in said if u.stamp >= started]
        transcript.append(("(start)", " / ".join(u.text for u in opening), time.time() - started))
        check(time.time() - started < 20, f"the opening took {time.time() - started:.1f} s to hear")
        check([u.text for u in opening][:2] == ["Zarvo frame.", opening[-1].text] and len(opening) == 2,
              f"at start-up Orca said {opening}")

        # A game key is answered within a second, in one sentence without a mark read aloud; the
        # menus and dialogs are the toolkit's own, and Orca says of them what it always does.
        def press(key, expect, where_am_i=False, game=True):
            before = len(orca.said())
            t = time.time()
            server.x(["xdotool", "key", key], check=True)
            orca.wait_for(lambda s: any(not sr.is_echo(u) for u in s[before:]), 5,
                          f"Orca said nothing after {key}")
            orca.wait_quiet()
            ours = [u for u in orca.said()[before:] if not sr.is_echo(u)]
            delay = ours[0].stamp - t
            transcript.append((key, " / ".join(u.text for u in ours), delay))
            check(len(ours) == 1 or not game, f"after {key} Orca said {ours}, not one sentence")
            text = ours[0].text
            check(re.search(expect, text), f"after {key} Orca said {text!r}, not /{expect}/")
            check(delay < (1.0 if game else 3.0), f"after {key} Orca spoke {delay:.2f} s late")
            marks = sr.plain(text[:-len(" selected.")] if where_am_i else text)
            check(not marks or not game, f"after {key} Orca read the marks {marks!r} aloud in {text!r}")
            return text

        def where_am_i(expect):
            # The whole state, which Orca reads as a text selection: "selected" is its own word.
            text = press("KP_Enter", r"^Zarvo\. The colour is \w+\. Blue, \d+ box.* Moves, \d+\. "
                                     r"Score, \d+\..* selected\.$", where_am_i=True)
            check(re.search(expect, text), f"where-am-I said {text!r}, not /{expect}/")

        # The story, cut short by the next key.
        before = orca.messages()[2]
        server.x(["xdotool", "key", "F1"], check=True)
        t = time.time()
        said = orca.wait_for(lambda s: any(u.text.startswith("The story.") for u in s), 5,
                             "F1 did not read the story")
        story = next(u for u in said if u.text.startswith("The story."))
        transcript.append(("F1", story.text[:60] + " ...", story.stamp - t))
        check(story.stamp - t < 1.0, f"F1 was read {story.stamp - t:.2f} s late")
        check(not sr.plain(story.text), f"the story reads {sr.plain(story.text)!r} aloud")
        time.sleep(2)
        press("space", r"^The story is hidden\.$")
        check(len(orca.messages()[2]) > len(before), "the story went on after the next key")
        boxes = re.search(r"A truck carrying (\d+) boxes", story.text)
        weights = re.search(r"Some boxes weigh (\d+) pounds, some (\d+), and some (\d+)\.", story.text)
        check(boxes and weights, f"the story cannot be read: {story.text[:200]!r}")
        n, w = int(boxes.group(1)), [int(x) for x in weights.groups()]
        solution = next((b, gr, n - b - gr) for b in range(1, n) for gr in range(1, n - b)
                        if b * w[0] + gr * w[1] + (n - b - gr) * w[2] == 1000)

        press("Down", r"^No blue boxes to take back\.$")
        press("Tab", r"^Green, 0 boxes so far\.$")
        press("Up", r"^Green comes after blue, add blue boxes first\.$")
        press("Tab", r"^Red, 0 boxes so far\.$")
        press("Tab", r"^Blue, 0 boxes so far\.$")
        placed = 0
        for c, (colour, count) in enumerate(zip(("Blue", "Green", "Red"), solution)):
            if c:
                press("Tab", rf"^{colour}, 0 boxes so far\.$")
            for i in range(1, count + 1):
                placed += 1
                if placed == n:
                    press("Up", rf"^Solved in {n} moves! Your score is 100\. Press Ctrl and P")
                    break
                box = "box" if i == 1 else "boxes"
                press("Up", rf"^{colour}, {i} {box} of {w[c]} pounds, {i * w[c]} pounds\. "
                            rf"{n - placed} box(es)? and \d+ pounds left\.$")
                if placed == 2:
                    # Orca's review of the screen starts at the last move, not the one before.
                    press("KP_Up", r"^Blue, 2 boxes of 30 pounds, 60 pounds\.")
                    press("F10", r"^File\.$", game=False)
                    press("Escape", r"^Blue, 2 boxes of", game=False)
                    where_am_i(r" Blue, 2 boxes of")
        where_am_i(r" Solved in")

        press("alt+h", r"^About Zarvok", game=False)
        press("Return", r"^About Zarvok dialog Zarvok Version Z611 Copyright", game=False)
        press("Escape", r"^Zarvo frame\.", game=False)
        where_am_i(r" Solved in")
        press("ctrl+p", r"^Print dialog", game=False)
        press("Escape", r"^Zarvo frame\.", game=False)
        where_am_i(r" Solved in")
        press("Home", r"^New problem, a truck carried \d+ boxes")
        g.close()
    finally:
        server.env = saved
        with open(os.path.join(KEEP, f"{MODE}-screen-reader-transcript.txt"), "w") as f:
            for key, text, delay in transcript:
                f.write(f"{key}\t{delay:.2f} s\t{text}\n")
        orca.close(None if passed else os.path.join(KEEP, f"{MODE}-screen-reader-orca.log"))


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1))


def scenario_key_storm(server):
    # Up and Down held down for ten seconds, auto-repeating fast: the game keeps up, stays
    # consistent and does not grow.
    g = Game(server, ["--problem", "0"])
    try:
        lay, ox, oy = g.lay, g.ox, g.oy
        g.server.x(["xset", "r", "rate", "120", "80"], check=True)
        g.keys("space")
        rss_before = rss_kib(g.proc.pid)
        end = (lay["grid"][2] + ox, lay["grid"][3] - 25 * lay["g"] + oy)  # 50 blue boxes of 10 pounds
        for key in ("Up", "Down", "Up", "Down"):
            g.server.x(["xdotool", "keydown", key])
            time.sleep(2.5)
            g.server.x(["xdotool", "keyup", key])
            if key == "Up":
                time.sleep(0.3)
                s = g.shot()
                check(s.at(*end) == BLUE, "holding Up did not fill the line with 50 boxes", s)
        time.sleep(0.5)
        s1 = g.shot()
        time.sleep(0.7)
        s2 = g.shot()
        check(g.client_crop(s1) == g.client_crop(s2), "the screen still changed after the storm: keys queued up", s2)
        check(g.proc.poll() is None, "the storm ended the program")
        # Consistent: the last Down storm took the line back to the corner, so the screen is
        # the empty board again after a full repaint (Space).
        g.keys("space")
        s3 = g.shot()
        gx, gy = lay["grid"][0], lay["grid"][3]
        check(s3.count((gx + 3, lay["grid"][1], lay["grid"][2], gy - 3), BLUE, ox, oy) == 0,
              "blue boxes left on the line after the Down storm", s3)
        rss_after = rss_kib(g.proc.pid)
        check(rss_after <= rss_before * 1.05 + 2048, f"memory grew from {rss_before} to {rss_after} KiB")
    finally:
        g.server.x(["xset", "r", "rate"])
        g.close()


def scenario_too_small():
    server = XServer(640, 480, None if MODE == "bare" else MODE)
    try:
        g = Game(server, ["--problem", "4"])
        try:
            s = g.shot()
            check(s.at(g.ox + 3, g.oy + 3) == RED, "the too-small screen is not red", s)
            check(s.count((0, 0, g.w, g.h), BLUE, g.ox, g.oy) > 500, "no blue message text", s)
            before = g.client_crop(s)
            g.keys("Up", "Tab", "F1", "Home", "space")
            check(g.client_crop(g.shot()) == before, "keys changed the too-small screen")
            g.server.x(["xdotool", "windowactivate", "--sync", g.window])
            g.keys("alt+F4", delay=150)
            status = g.wait_end()
            check(status == 0, f"Alt+F4 on the too-small screen ended with {status}")
        finally:
            g.close()
    finally:
        server.close()


# The window managers of the common desktops: the suite there covers what they do to the frame
# (window_manager), and under xfwm4 a change of the screen's size (randr) too.
DESKTOP_WMS = ("xfwm4", "marco", "mutter", "metacity", "kwin")


def main():
    if MODE != "bare" and not shutil.which(WINDOW_MANAGERS[MODE][0]):
        print(f"[{MODE}] skipped: {WINDOW_MANAGERS[MODE][0]} is not installed")
        return 77
    shared = []

    def server():  # the 1024x768 screen most scenarios share, started when first needed
        if not shared:
            shared.append(XServer(1024, 768, None if MODE == "bare" else MODE))
        return shared[0]

    results = []
    try:
        steps = [
            ("startup", lambda: scenario_startup(server())),
            ("keys", lambda: scenario_keys(server())),
            ("solve_print_home", lambda: scenario_solve_print_home(server())),
            ("about", lambda: scenario_about(server())),
            ("menus", lambda: scenario_menus(server())),
            ("save", lambda: scenario_save(server())),
            ("exits", lambda: scenario_exits(server())),
            ("window_manager", scenario_window_manager),
            ("key_storm", lambda: scenario_key_storm(server())),
            ("too_small", scenario_too_small),
            ("randr", scenario_randr),
            ("damage", scenario_damage),
            ("screen_reader", lambda: scenario_screen_reader(server())),
            ("languages", lambda: scenario_languages(server())),
        ]
        score100 = None
        for name, step in steps:
            if ONLY and name not in ONLY:
                continue
            if (name in ("key_storm", "damage", "languages") and MODE != "bare" and name not in ONLY) \
                    or (name == "screen_reader" and "screen_reader" not in ONLY) \
                    or (MODE in DESKTOP_WMS and name not in ("window_manager", "randr")) \
                    or (name == "randr" and MODE not in ("bare", "openbox", "xfwm4")):
                continue
            t0 = time.time()
            try:
                value = step()
                if name == "solve_print_home":
                    score100 = value
                    scenario_longer_solution(server(), score100)
                if isinstance(value, str) and value.startswith("skipped: "):
                    results.append((name, "skipped", time.time() - t0, value[9:]))
                else:
                    results.append((name, "passed", time.time() - t0, ""))
            except Failure as e:
                results.append((name, "failed", time.time() - t0, str(e)))
    finally:
        for s in shared:
            s.close()
    failed = 0
    for name, verdict, secs, why in results:
        print(f"[{MODE}] {name}: {verdict} ({secs:.1f} s){' - ' + why if why else ''}")
        failed += verdict == "failed"
    skipped = sum(verdict == "skipped" for _, verdict, _, _ in results)
    print(f"{len(results) - failed - skipped} passed, {failed} failed, {skipped} skipped")
    return 1 if failed else 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    sys.exit(main())
