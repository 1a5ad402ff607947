#!/usr/bin/env python3
"""Runs the benchmarks at five screen sizes and at a device pixel ratio of 2, the start-up
comparison and the key-to-pixels measurement under Xvfb, and prints one table: every figure,
its baseline, the ratio and the verdict against its budget.

usage: bench.py BUILD_DIR [--quick] [--startup] [--pixels] [--in-process] [--screen=WxH[xDPR]]
(--startup, --pixels or --in-process: only that part; --screen: the key-to-pixels table at that
screen alone, such as 3840x2160x2)
"""
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1])
QUICK = "--quick" in sys.argv
STARTUP_ONLY = "--startup" in sys.argv
PIXELS_ONLY = "--pixels" in sys.argv
IN_PROCESS_ONLY = "--in-process" in sys.argv
SCREEN = next((a.split("=", 1)[1] for a in sys.argv if a.startswith("--screen=")), None)
# (width, height, device pixel ratio): the logical size, and at DPR 2 a 3840x2160 screen.
SIZES = [(800, 600, 1), (1024, 768, 1), (1280, 1024, 1), (1920, 1080, 1), (3840, 2160, 1),
         (1920, 1080, 2)]
PROBE = os.path.join(BUILD, "bench", "key_to_pixels")
BENCH = os.path.join(BUILD, "bench", "zarvo_bench")
BARE = os.path.join(BUILD, "bench", "bare_window")
ZARVOK = os.path.join(BUILD, "zarvok")

rows = []  # (size, figure, value, baseline name, baseline value, ratio, budget text, verdict)


def run_benchmarks(w, h, tmp, dpr=1):
    config = os.path.join(tmp, f"screen-{w}x{h}-{dpr}.json")
    with open(config, "w") as f:
        json.dump({"screens": [{"name": "bench", "x": 0, "y": 0, "width": w, "height": h,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": dpr}]}, f)
    env = dict(os.environ, QT_QPA_PLATFORM=f"offscreen:configfile={config}",
               ZARVO_BENCH_SIZE=f"{w}x{h}", XDG_RUNTIME_DIR=tmp)
    out = os.path.join(tmp, f"bench-{w}x{h}-{dpr}.json")
    args = [BENCH, f"--benchmark_out={out}", "--benchmark_out_format=json",
            f"--benchmark_min_time={0.05 if QUICK else 0.3}",
            f"--benchmark_repetitions={1 if QUICK else 3}", "--benchmark_report_aggregates_only=true"]
    subprocess.run(args, env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(out) as f:
        data = json.load(f)["benchmarks"]
    times, counters = {}, {}
    for b in data:
        name = b["run_name"].split("/")[0].removeprefix("BM_")
        if b.get("aggregate_name", "median") != "median":
            continue
        times[name] = b["real_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3}[b["time_unit"]]
        counters[name] = b
    return times, counters


def verdict(ok):
    return "ok" if ok else "MISSED"


def fmt_time(seconds):
    return f"{seconds * 1e6:10.1f} us" if seconds < 1e-2 else f"{seconds * 1e3:10.2f} ms"


def add(size, figure, value, base_name, base_value, budget=None, limit=None):
    ratio = value / base_value if base_value else float("nan")
    rows.append((size, figure, fmt_time(value), base_name, fmt_time(base_value), f"{ratio:6.2f}x",
                 f"<= {limit}x" if limit else "-", verdict(ratio <= limit) if limit else "info"))


def startup(tmp, runs):
    display_env = dict(os.environ)
    display_env.pop("QT_QPA_PLATFORM", None)
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as answer:
        display_env["DISPLAY"] = ":" + answer.readline().strip()
    display_env["XDG_RUNTIME_DIR"] = tmp
    display_env["ZARVOK_REPORT_FIRST_PAINT"] = "exit"
    results = {"zarvok": ([], []), "bare": ([], []), "menu": ([], [])}
    try:
        for _ in range(runs):
            for name, argv in (("bare", [BARE]), ("menu", [BARE, "--menu"]),
                               ("zarvok", [ZARVOK, "--problem", "4"])):
                err = os.path.join(tmp, "startup.err")
                with open(err, "w") as e:
                    start = time.monotonic_ns()
                    p = subprocess.Popen(argv, env=display_env, stdout=subprocess.DEVNULL, stderr=e)
                    _, status, usage = os.wait4(p.pid, 0)
                with open(err) as e:
                    m = re.search(r"first paint done at (\d+) ns", e.read())
                if not m or status != 0:
                    raise RuntimeError(f"{name} did not report its first paint")
                results[name][0].append((int(m.group(1)) - start) / 1e9)
                results[name][1].append(usage.ru_maxrss)  # KiB
    finally:
        xvfb.terminate()
        xvfb.wait()
    return {k: (statistics.median(v[0]), statistics.median(v[1])) for k, v in results.items()}


def x_server(w, h):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{w}x{h}x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as answer:
        return xvfb, ":" + answer.readline().strip()


def probe(env, window, count, key, *setup):
    out = subprocess.run([PROBE, window, str(count), key, *setup], env=env, capture_output=True,
                         text=True, timeout=600, check=True).stdout
    samples = [line.split() for line in out.splitlines()]
    return [(int(s[1]) / 1e6, int(s[2]), tuple(map(int, s[3:7]))) for s in samples]


def started(argv, env, ready, tmp):
    err = open(os.path.join(tmp, "pixels.err"), "w+")
    p = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=err)
    deadline = time.time() + 30
    while time.time() < deadline:
        err.seek(0)
        if ready in err.read():
            time.sleep(0.5)
            return p
        if p.poll() is not None:
            break
        time.sleep(0.05)
    p.kill()
    err.seek(0)
    raise RuntimeError(f"{argv[0]} did not start (exit status {p.wait()}):\n{err.read()[-2000:]}")


def window_of(env, pid):
    ids = subprocess.run(["xdotool", "search", "--all", "--pid", str(pid), "--onlyvisible", "--name", "."],
                         env=env, capture_output=True, text=True).stdout.split()
    return ids[-1]


# Home follows a finished game after a pause, in which the game prepares the next problem.
HOME_PAUSE_MS = 500

# The first solution of problem 0 (10, 20 and 120 pounds, 50 boxes), for Home.
SOLVE_0 = ["Up"] * 10 + ["Tab"] + ["Up"] * 39 + ["Tab", "Up"]


def key_to_pixels(tmp):
    # The figures and their baselines are taken in alternating rounds, a third of the presses
    # each, so that a machine that speeds up or slows down over the minutes of a run weighs on
    # both sides of every ratio alike.
    rounds = 2 if QUICK else 3
    per_round = (8 if QUICK else 30) // rounds
    homes_per_round = 1 if QUICK else per_round  # Home follows a finished game: a fresh start each
    for w, h, scale in ((1024, 768, 1), (1920, 1080, 1), (3840, 2160, 1), (3840, 2160, 2)):
        if SCREEN and SCREEN not in (f"{w}x{h}x{scale}", f"{w}x{h}" if scale == 1 else None):
            continue
        size = f"{w}x{h} X" + (" DPR2" if scale == 2 else "")
        xvfb, display = x_server(w, h)
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=tmp, HOME=tmp)
        env.pop("QT_QPA_PLATFORM", None)
        if scale != 1:
            env["QT_SCALE_FACTOR"] = str(scale)
        game_env = dict(env, ZARVOK_REPORT_FIRST_PAINT="1")

        # The baseline: a bare Qt window, a small square, the whole window, or a rectangle of
        # `area_wh`.
        def baseline(count, area_wh=None, key="Up", *setup):
            bare = started([BARE, "--keys"] + ([f"{area_wh[0]}x{area_wh[1]}"] if area_wh else []),
                           env, "bare: ready", tmp)
            try:
                return probe(env, window_of(env, bare.pid), count, key, *setup)
            finally:
                bare.kill()
                bare.wait()

        # A key's figure is compared with a bare update of the same area as the key damaged.
        def same_area(samples):
            area = int(statistics.median(s[1] for s in samples))
            x0, y0, x1, y1 = samples[len(samples) // 2][2]
            bw = max(1, min(w * scale, x1 - x0))
            return bw // scale, max(1, area // bw) // scale

        figures, small, whole, same, unpaused = {}, [], [], {}, []
        try:
            for _ in range(rounds):
                game = started([ZARVOK, "--problem", "0"], game_env, "first paint done", tmp)
                win = window_of(env, game.pid)
                subprocess.run(["xdotool", "key", "space"], env=env)
                time.sleep(0.3)
                measured = {}
                measured["Up (partial)"] = probe(env, win, per_round, "Up", "Down")
                # Up after Up, as a student adds boxes; the Up after a Down above follows a
                # full redraw of the graph, which clears part of the title's box too.
                measured["Up after Up"] = probe(env, win, per_round, "Up")
                subprocess.run(["xdotool", "key", "--delay", "5", *["Down"] * per_round], env=env)
                time.sleep(0.3)
                measured["Up, overlay up"] = probe(env, win, per_round, "Up", "Down", "F1")
                measured["Down"] = probe(env, win, per_round, "Down", "Up")
                measured["Tab"] = probe(env, win, per_round, "Tab")
                measured["Space"] = probe(env, win, per_round, "space")
                measured["F1"] = probe(env, win, per_round, "F1", "space")
                game.kill()
                game.wait()
                measured["Home"] = []
                for _ in range(homes_per_round):
                    game = started([ZARVOK, "--problem", "0"], game_env, "first paint done", tmp)
                    win = window_of(env, game.pid)
                    subprocess.run(["xdotool", "key", "--delay", "5", *SOLVE_0], env=env)
                    time.sleep(HOME_PAUSE_MS / 1000)
                    measured["Home"] += probe(env, win, 1, "Home")
                    game.kill()
                    game.wait()
                for figure, samples in measured.items():
                    figures.setdefault(figure, []).extend(samples)

                small += baseline(per_round)
                whole += baseline(per_round, key="Down")
                for figure, samples in figures.items():
                    if figure in ("Up (partial)", "Up after Up", "Tab"):
                        continue
                    if int(statistics.median(s[1] for s in samples)) == 0:
                        continue
                    count = per_round if figure != "Home" else max(per_round, homes_per_round)
                    # Home comes after a pause, and so does each of its bare updates: on some
                    # machines a pause alone makes the next drawing twice as slow or more.
                    pause = [f"wait:{HOME_PAUSE_MS}"] if figure == "Home" else []
                    same.setdefault(figure, []).extend(
                        baseline(count, same_area(samples), "Left", *pause))
                    if figure == "Home":  # shown beside it, for what the pause weighs here
                        unpaused += baseline(count, same_area(samples), "Left")

            small_time = statistics.median(s[0] for s in small)
            for figure, samples in figures.items():
                times = sorted(s[0] for s in samples)
                median, p90 = statistics.median(times), times[min(len(times) - 1, int(0.9 * len(times)))]
                area = int(statistics.median(s[1] for s in samples))
                x0, y0, x1, y1 = samples[len(samples) // 2][2]
                label = f"{figure}: p90 {p90 * 1e3:.1f} ms, {area / 1000:.0f} kpx of {x1 - x0}x{y1 - y0}"
                if figure in ("Up (partial)", "Up after Up", "Tab"):
                    # The toolkit's floor: a small update, on the large screens and at DPR 2;
                    # and a key shows little of the window.
                    limit = None if w < 1920 else 1.5
                    add(size, label, median, "bare: 8x8 square", small_time, limit=limit)
                    share = 100 * area / (w * h)  # the X screen's own pixels
                    rows.append((size, f"{figure}: damage", f"{share:8.2f} %", "the window",
                                 f"{w}x{h}", "-", "< 5%", verdict(share < 5)))
                elif figure not in same:
                    # The key drew again just what was there, and the screen got nothing.
                    rows.append((size, f"{figure}: changes no pixel", "-", "-", "-", "-", "-", "info"))
                else:
                    # A new story's large glyphs at 4K are allowed more than a plain update.
                    limit = 3 if figure in ("Home", "F1") and w >= 3840 else 1.5
                    add(size, label, median, "bare: same area" + (", paused" if figure == "Home" else ""),
                        statistics.median(s[0] for s in same[figure]), limit=limit)
                    if figure == "Home" and unpaused:
                        add(size, "Home", median, "bare: same area, no pause",
                            statistics.median(s[0] for s in unpaused))
            add(size, "bare: whole window", statistics.median(s[0] for s in whole), "bare: 8x8 square",
                small_time)
        finally:
            xvfb.terminate()
            xvfb.wait()


def main():
    with tempfile.TemporaryDirectory() as tmp:
        for w, h, dpr in ([] if STARTUP_ONLY or PIXELS_ONLY else SIZES):
            size = f"{w}x{h}" + (" DPR2" if dpr == 2 else "")
            t, c = run_benchmarks(w, h, tmp, dpr)
            add(size, "key Up, partial redraw", t["key_up_partial"], "bare key path", t["key_baseline"])
            add(size, "key Up, caches emptied", t["key_up_cold"], "bare key path, caches emptied",
                t["key_baseline_cold"])
            add(size, "key Up, hides the overlay", t["key_up_overlay"], "bare key path", t["key_baseline"])
            add(size, "key Down", t["key_down"], "bare key path", t["key_baseline"])
            add(size, "key Tab", t["key_tab"], "bare key path", t["key_baseline"])
            add(size, "key Space", t["key_space"], "bare key path", t["key_baseline"])
            add(size, "draw_board full", t["board_full"], "same primitives", t["board_baseline"], limit=1.5)
            add(size, "draw_board partial", t["board_partial"], "draw_board full", t["board_full"], limit=0.5)
            add(size, "F1 overlay with fit", t["overlay_f1"], "one wrapped draw", t["overlay_baseline"], limit=3)
            add(size, "overlay fit for a new story", t["overlay_refit"], "one wrapped draw", t["overlay_baseline"])
            add(size, "first paint of a game", t["first_paint"], "same primitives", t["board_baseline"])
            add(size, "key Home, the next problem", t["home"], "first paint of a game", t["first_paint"])
            add(size, "results page to PDF", t["page_pdf"], "texts drawn directly", t["page_baseline"])
            if size == "1024x768":
                mem = c["games_memory"]
                r10, r200 = mem["rss_after_10_kib"], mem["rss_after_200_kib"]
                rows.append((size, "RSS after 200 games", f"{r200 / 1024:10.1f} MiB", "after 10 games",
                             f"{r10 / 1024:10.1f} MiB", f"{r200 / r10:6.2f}x", "<= 1.05x",
                             verdict(r200 / r10 <= 1.05)))
        if not PIXELS_ONLY and not IN_PROCESS_ONLY:
            s = startup(tmp, 3 if QUICK else 21)
            (zt, zm), (bt, bm), (mt, mm) = s["zarvok"], s["bare"], s["menu"]
            add("1024x768 X", "start-up to first paint", zt, "bare Qt window", bt, limit=1.3)
            add("1024x768 X", "start-up to first paint", zt, "bare window, menu bar", mt)
            add("1024x768 X", "bare window, menu bar", mt, "bare Qt window", bt)
            for figure, value, base, base_value, limit in (
                    ("peak resident memory", zm, "bare Qt window", bm, 1.3),
                    ("peak resident memory", zm, "bare window, menu bar", mm, None),
                    ("bare window, menu bar", mm, "bare Qt window", bm, None)):
                ratio = value / base_value
                rows.append(("1024x768 X", figure, f"{value / 1024:10.1f} MiB", base, f"{base_value / 1024:10.1f} MiB",
                             f"{ratio:6.2f}x", f"<= {limit}x" if limit else "-",
                             verdict(ratio <= limit) if limit else "info"))
        if not STARTUP_ONLY and not IN_PROCESS_ONLY and os.path.exists(PROBE):
            key_to_pixels(tmp)

    header = ("screen", "figure", "time", "baseline", "baseline time", "ratio", "budget", "verdict")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "  ".join(str(v).ljust(widths[i]) for i, v in enumerate(r))
    print(line(header))
    print("  ".join("-" * w for w in widths))
    for r in rows:
        print(line(r))
    missed = sum(r[-1] == "MISSED" for r in rows)
    print(f"\n{len([r for r in rows if r[-1] != 'info'])} budgets, {missed} missed")


if __name__ == "__main__":
    main()
