#!/usr/bin/env python3
"""Runs the benchmarks at four screen sizes and the start-up comparison under Xvfb, and prints
one table: every figure, its baseline, the ratio and the verdict against its budget.

usage: bench.py BUILD_DIR [--quick] [--startup]
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
SIZES = [(800, 600), (1024, 768), (1280, 1024), (1920, 1080)]
BENCH = os.path.join(BUILD, "bench", "zarvo_bench")
BARE = os.path.join(BUILD, "bench", "bare_window")
ZARVOK = os.path.join(BUILD, "zarvok")

rows = []  # (size, figure, value, baseline name, baseline value, ratio, budget text, verdict)


def run_benchmarks(w, h, tmp):
    config = os.path.join(tmp, f"screen-{w}x{h}.json")
    with open(config, "w") as f:
        json.dump({"screens": [{"name": "bench", "x": 0, "y": 0, "width": w, "height": h,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}, f)
    env = dict(os.environ, QT_QPA_PLATFORM=f"offscreen:configfile={config}",
               ZARVO_BENCH_SIZE=f"{w}x{h}", XDG_RUNTIME_DIR=tmp)
    out = os.path.join(tmp, f"bench-{w}x{h}.json")
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


def main():
    with tempfile.TemporaryDirectory() as tmp:
        for w, h in ([] if STARTUP_ONLY else SIZES):
            size = f"{w}x{h}"
            t, c = run_benchmarks(w, h, tmp)
            add(size, "key Up, partial redraw", t["key_up_partial"], "bare key path", t["key_baseline"])
            add(size, "key Up, hides the overlay", t["key_up_overlay"], "bare key path", t["key_baseline"])
            add(size, "key Down", t["key_down"], "bare key path", t["key_baseline"])
            add(size, "key Tab", t["key_tab"], "bare key path", t["key_baseline"])
            add(size, "key Space", t["key_space"], "bare key path", t["key_baseline"])
            add(size, "draw_board full", t["board_full"], "same primitives", t["board_baseline"], limit=1.5)
            add(size, "draw_board partial", t["board_partial"], "draw_board full", t["board_full"], limit=0.5)
            add(size, "F1 overlay with fit", t["overlay_f1"], "one wrapped draw", t["overlay_baseline"], limit=3)
            add(size, "overlay fit for a new story", t["overlay_refit"], "one wrapped draw", t["overlay_baseline"])
            add(size, "first paint of a game", t["first_paint"], "same primitives", t["board_baseline"])
            add(size, "results page to PDF", t["page_pdf"], "texts drawn directly", t["page_baseline"])
            if size == "1024x768":
                mem = c["games_memory"]
                r10, r200 = mem["rss_after_10_kib"], mem["rss_after_200_kib"]
                rows.append((size, "RSS after 200 games", f"{r200 / 1024:10.1f} MiB", "after 10 games",
                             f"{r10 / 1024:10.1f} MiB", f"{r200 / r10:6.2f}x", "<= 1.05x",
                             verdict(r200 / r10 <= 1.05)))
        s = startup(tmp, 3 if QUICK else 7)
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
