#!/usr/bin/env python3
"""Plays the game under Xvfb with openbox at four screen sizes and keeps two screenshots of
each: the start (with the story) and a solved game.

usage: screenshots.py ZARVOK_BINARY OUTDIR
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
sys.argv = [sys.argv[0], sys.argv[1], "openbox"] + sys.argv[2:]
import e2e  # noqa: E402  (the same X server and game harness as the end-to-end tests)

out = os.path.abspath(sys.argv[3] if len(sys.argv) > 3 else "screenshots")
os.makedirs(out, exist_ok=True)
for w, h in ((800, 600), (1024, 768), (1280, 1024), (1920, 1080)):
    server = e2e.XServer(w, h, "openbox")
    try:
        game = e2e.Game(server, ["--problem", "21"])
        try:
            time.sleep(0.3)
            for name, keys in (("start", []), ("solved", e2e.SOLVE_21)):
                if keys:
                    game.keys(*keys)
                path = os.path.join(out, f"zarvok-{w}x{h}-{name}.png")
                server.x(["import", "-window", "root", path], check=True)
                print(path)
        finally:
            game.close()
    finally:
        server.close()
