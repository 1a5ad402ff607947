#!/usr/bin/env python3
"""The web page's performance in headless chromium, against the native build in the same run:
a key's drawing in the page (Up and Down in turn, the board drawn in part and in full) against
the same keys drawn natively in-process at the same client size (budget: within 2x), and a
local load to the first paint, on a fresh profile and again with the page cached (budget: under
1 s). A benchmark, not a test: it prints a table and judges nothing but the budgets.

usage: web_bench.py SITE_DIR RENDER_STATE [--quick]"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
sys.argv = [sys.argv[0], sys.argv[1], sys.argv[2]] + sys.argv[3:]
import web_test  # noqa: E402  (the page, the server and chromium's flags)

QUICK = "--quick" in sys.argv
N = 100 if QUICK else 400
SIZES = [(1024, 768, 1), (1920, 1080, 1), (1024, 768, 2)]


def native_key_ms(width, height, dpr):
    out = subprocess.run([web_test.RENDER, str(width), str(height), str(dpr), "21", "en",
                          "--time", str(N), "38", "40"], capture_output=True, text=True,
                         check=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen",
                                              QT_SCALE_FACTOR=str(dpr)))
    return float(out.stdout.strip())


def page_key_ms(page):
    # The same sequence as the native run: a warming Up and Down (the first Up hides the story),
    # then Up and Down in turn. The pixels are read back once at the end, so that the canvas's
    # drawing is counted and not left for later. The native run has no sound output, so the
    # page plays no cue either: audio is never unlocked (a cue costs the page about 0.07 ms).
    return page.js("""
        window.AudioContext = undefined;
        const p = zarvoPage, n = arguments[0];
        p.press(38); p.press(40);
        const c = document.getElementById('board').getContext('2d');
        c.getImageData(0, 0, 1, 1);
        const t0 = performance.now();
        for (let i = 0; i < n; ++i) p.press(i % 2 ? 40 : 38);
        c.getImageData(0, 0, 1, 1);
        return (performance.now() - t0) / n;""", N)


def main():
    server = web_test.serve()
    port = server.server_address[1]
    rows = []
    web_test.Page(port, 1024, 768).close()  # the browser's own first start (its caches) apart
    for width, height, dpr in SIZES:
        page = web_test.Page(port, width, height, dpr)
        try:
            # The service worker's caching of the page's files is over first.
            page.driver.execute_async_script(
                "navigator.serviceWorker.ready.then(() => setTimeout(arguments[0], 300))")
            client = page.js("return [zarvoPage.lastPaint.width, zarvoPage.lastPaint.height]")
            web = min(page_key_ms(page) for _ in range(5))
        finally:
            page.close()
        native = min(native_key_ms(client[0], client[1], dpr) for _ in range(3))
        ratio = web / native
        rows.append((f"{width}x{height}@{dpr}", "key (Up/Down) in the page", f"{web:.3f} ms",
                     "native in-process", f"{native:.3f} ms", f"{ratio:.2f}",
                     "<= 2", "ok" if ratio <= 2 else "OVER"))
    for label, reloads in (("first visit", 0), ("cached", 1)):
        times = []
        for _ in range(1 if QUICK else 3):
            page = web_test.Page(port, 1024, 768)
            try:
                for _ in range(reloads):
                    page.wait("navigator.serviceWorker.controller || (location.reload(), false)",
                              20)
                    page.driver.refresh()
                    page.wait("window.zarvoPage && zarvoPage.ready")
                page.wait("zarvoPage.firstPaint")
                times.append(page.js("return zarvoPage.firstPaint"))
            finally:
                page.close()
        ms = min(times)
        rows.append(("1024x768@1", f"load to first paint, {label}", f"{ms:.0f} ms", "budget",
                     "1000 ms", f"{ms / 1000:.2f}", "< 1", "ok" if ms < 1000 else "OVER"))
    server.shutdown()
    header = ("size", "figure", "value", "baseline", "baseline value", "ratio", "budget",
              "verdict")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    for r in [header] + rows:
        print("  ".join(str(v).ljust(w) for v, w in zip(r, widths)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
