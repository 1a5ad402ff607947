#!/usr/bin/env python3
"""Mutation run: puts one small fault at a time into the game's code and sees whether the fast
tests notice.

usage: tools/mutate.py [--count N] [--seed S] [--work DIR] [--list]

The tree as it is now (tracked and untracked files git does not ignore) is copied to a scratch
folder, built there once, and then each sampled mutant is applied, built incrementally and run
against the fast test binaries (puzzle_tests, board_tests and the offscreen qt_tests; not the
end-to-end suites). A mutant is killed when a test fails or times out, survives when all pass,
and counts as neither when it does not compile. Mutants of the sound player (app/sound.cpp and
app/sound.h) are also played through a short lesson on a PulseAudio server of their own
(tests/sound_test.py --short).

A survivor that tools/mutate-equivalent.txt lists (by file, line and mutated line) is reported
as equivalent, with the reason given there, and left out of the score; every other survivor is
a fault the tests miss. The report gives the score and every survivor with its diff. Nothing in
the real tree is touched.
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ("puzzle", "board", "print", "app")
TESTS = ("puzzle_tests", "board_tests", "qt_tests")
TEST_TIMEOUT = 120
EQUIVALENT = os.path.join(TOP, "tools", "mutate-equivalent.txt")
# Files whose mutants also run a slower test: (file, build target, command in the copy).
SOUND_LESSON = ("sound_lesson", ["python3", "tests/sound_test.py", "--short",
                                 "{build}/tests/sound_lesson", "{build}/cues"])
SLOW = {"app/sound.cpp": SOUND_LESSON, "app/sound.h": SOUND_LESSON}

# ------------------------------------------------------------------ the mutation operators
SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
         "&&": "||", "||": "&&", "true": "false", "false": "true"}
OPERATOR = re.compile(r"(<=|>=|==|!=|&&|\|\||(?<![<>\-])<(?![<=])|(?<![<>\-])>(?![>=])|\btrue\b|\bfalse\b)")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
CALL_PAIR = re.compile(r"(?<=[\w>])\((\s*[\w.\->\[\]]+\s*),(\s*[\w.\->\[\]]+\s*)\)")
STATEMENT = re.compile(r"^\s*(?!return\b|case\b|default\b|break\b|using\b|namespace\b)"
                       r"[\w:.\->\[\]*&]+(\s*\([^;]*\)|\s*(\+\+|--|[+\-*/|&]?=)[^;]*)\s*;\s*$")
SKIP_LINE = re.compile(r"^\s*(#|//|\*|/\*|static_assert|template\b|class\b|struct\b|enum\b)")


def mask(line):
    """The line with string and character literals and the comment blanked out, so operators
    are only found in code; same length, same positions."""
    out, i, quote = [], 0, None
    while i < len(line):
        ch = line[i]
        if quote:
            if ch == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if ch != quote else ch)
            if ch == quote:
                quote = None
        elif ch in "\"'":
            quote = ch
            out.append(ch)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(ch)
        i += 1
    return "".join(out)[:len(line)]


TEMPLATE_ARGS = re.compile(r"\w\s*<[\w:\s,*&]*>")


def template_spans(code):
    # "std::vector<int>", "static_cast<int32_t>(" and the like are types, not comparisons.
    return [(m.start(), m.end()) for m in TEMPLATE_ARGS.finditer(code)]


def mutants_of(path, lines):
    for n, line in enumerate(lines):
        if SKIP_LINE.match(line):
            continue
        code = mask(line)
        if not code.strip():
            continue
        spans = template_spans(code)
        for m in OPERATOR.finditer(code):
            op = m.group(0)
            if op in ("<", ">") and any(a <= m.start() < b for a, b in spans):
                continue
            yield ("comparison" if op not in ("true", "false", "&&", "||") else "boolean",
                   n, m.start(), m.end(), SWAPS[op])
        for m in NUMBER.finditer(code):
            if re.search(r"(\[|int\d+_t|uint\d+_t|0x)$", code[:m.start()]) or code[m.end():m.end() + 1] == "]":
                continue
            value = int(m.group(1))
            for new in (value + 1, value - 1):
                if new >= 0:
                    yield ("constant", n, m.start(), m.end(), str(new))
        for m in CALL_PAIR.finditer(code):
            a, b = m.group(1), m.group(2)
            if a.strip() != b.strip():
                yield ("swapped arguments", n, m.start(), m.end(), f"({b.strip()}, {a.strip()})")
        if STATEMENT.match(code) and not line.rstrip().endswith(("{", ",")):
            previous = mask(lines[n - 1]).rstrip() if n > 0 else "{"
            if not previous.endswith((";", "{", "}")):
                continue  # a continued line, or the body of an if without braces
            yield ("dropped statement", n, 0, len(line.rstrip("\n")), "")


def all_mutants(tree):
    found = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(tree, folder))):
            if not name.endswith((".cpp", ".h")):
                continue
            rel = f"{folder}/{name}"
            with open(os.path.join(tree, rel)) as f:
                lines = f.readlines()
            for kind, n, start, end, new in mutants_of(rel, lines):
                found.append((rel, kind, n, start, end, new))
    return found


# ------------------------------------------------------------------ building and testing
def run(cmd, cwd, timeout=None, env=None):
    return subprocess.run(cmd, cwd=cwd, capture_output=True, text=True, errors="replace",
                          timeout=timeout, env=env)


def copy_tree(work):
    src = os.path.join(work, "src")
    shutil.rmtree(src, ignore_errors=True)
    files = run(["git", "ls-files", "--cached", "--others", "--exclude-standard"], TOP).stdout.split("\n")
    for rel in filter(None, files):
        if not os.path.isfile(os.path.join(TOP, rel)):
            continue
        os.makedirs(os.path.dirname(os.path.join(src, rel)) or src, exist_ok=True)
        shutil.copy2(os.path.join(TOP, rel), os.path.join(src, rel))
    return src


def build(src, build_dir, extra=()):
    r = run(["cmake", "--build", build_dir, "-j", str(os.cpu_count() or 2), "--target", *TESTS,
             *extra], src)
    return r.returncode == 0, r.stdout[-3000:] + r.stderr[-3000:]


def known_equivalents():
    """(file, line, mutated line) -> why, from the blocks of tools/mutate-equivalent.txt."""
    known = {}
    if not os.path.exists(EQUIVALENT):
        return known
    with open(EQUIVALENT) as f:
        blocks = f.read().split("\n\n")
    for block in blocks:
        fields = {}
        for line in block.splitlines():
            if line.startswith("#") or ":" not in line:
                continue
            key, value = line.split(":", 1)
            fields[key.strip()] = value.strip()
        if {"file", "from", "to", "why"} <= fields.keys():
            known[(fields["file"], fields["from"], fields["to"])] = fields["why"]
    return known


def slow_test_passes(rel, src, build_dir):
    if rel not in SLOW:
        return True, ""
    _, command = SLOW[rel]
    try:
        r = run([part.format(build=build_dir) for part in command], src, 300)
    except subprocess.TimeoutExpired:
        return False, f"{os.path.basename(command[1])}: timed out"
    return r.returncode == 0, "" if r.returncode == 0 else os.path.basename(command[1])


def tests_pass(build_dir):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               XDG_RUNTIME_DIR=os.path.join(build_dir, "tests", "runtime"))
    os.makedirs(env["XDG_RUNTIME_DIR"], exist_ok=True)
    for test in TESTS:
        try:
            r = run([os.path.join(build_dir, "tests", test), "--gtest_brief=1"],
                    os.path.join(build_dir, "tests"), TEST_TIMEOUT, env)
        except subprocess.TimeoutExpired:
            return False, f"{test}: timed out"
        if r.returncode != 0:
            failed = re.findall(r"\[  FAILED  \] (\S+)", r.stdout)
            return False, f"{test}: {', '.join(sorted(set(failed))) or 'exit ' + str(r.returncode)}"
    return True, ""


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=80, help="mutants to sample (default 80)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--work", default=os.path.join(tempfile.gettempdir(), "zarvo-mutate"),
                        help="scratch folder for the copy and its build")
    parser.add_argument("--list", action="store_true", help="only count the mutants per kind")
    args = parser.parse_args()

    os.makedirs(args.work, exist_ok=True)
    src = copy_tree(args.work)
    mutants = all_mutants(src)
    if args.list:
        kinds = {}
        for m in mutants:
            kinds[m[1]] = kinds.get(m[1], 0) + 1
        print(f"{len(mutants)} mutants: " + ", ".join(f"{v} {k}" for k, v in sorted(kinds.items())))
        return 0
    sample = random.Random(args.seed).sample(mutants, min(args.count, len(mutants)))

    build_dir = os.path.join(args.work, "build")
    slow_targets = sorted({SLOW[m[0]][0] for m in sample if m[0] in SLOW})
    r = run(["cmake", "-S", src, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Debug", "-DZARVO_BENCH=OFF"], src)
    if r.returncode != 0:
        sys.exit("mutate: the copy does not configure:\n" + r.stderr)
    ok, log = build(src, build_dir, slow_targets)
    if not ok:
        sys.exit("mutate: the unmutated copy does not build:\n" + log)
    ok, why = tests_pass(build_dir)
    for rel in {m[0] for m in sample if m[0] in SLOW}:
        ok, why = (ok, why) if not ok else slow_test_passes(rel, src, build_dir)
    if not ok:
        sys.exit(f"mutate: the unmutated copy fails its tests ({why})")

    equivalents = known_equivalents()
    killed, survived, equivalent, broken = [], [], [], []
    started = time.time()
    for i, (rel, kind, n, start, end, new) in enumerate(sample, 1):
        path = os.path.join(src, rel)
        with open(path) as f:
            original = f.read()
        lines = original.splitlines(keepends=True)
        old_line = lines[n]
        new_line = "\n" if kind == "dropped statement" else old_line[:start] + new + old_line[end:]
        lines[n] = new_line
        diff = f"--- {rel}:{n + 1}\n-{old_line.rstrip()}\n+{new_line.rstrip()}\n"
        with open(path, "w") as f:
            f.write("".join(lines))
        try:
            compiled, _ = build(src, build_dir, [SLOW[rel][0]] if rel in SLOW else [])
            if not compiled:
                verdict = "does not compile"
                broken.append(diff)
            else:
                passed, why = tests_pass(build_dir)
                if passed:
                    passed, why = slow_test_passes(rel, src, build_dir)
                if not passed:
                    verdict = f"killed by {why}"
                    killed.append(diff)
                elif (rel, old_line.strip(), new_line.strip()) in equivalents:
                    reason = equivalents[(rel, old_line.strip(), new_line.strip())]
                    verdict = "survived, equivalent"
                    equivalent.append((kind, diff, reason))
                else:
                    verdict = "survived"
                    survived.append((kind, diff))
        finally:
            with open(path, "w") as f:
                f.write(original)
        print(f"[{i}/{len(sample)}] {rel}:{n + 1} {kind}: {verdict}", flush=True)
    build(src, build_dir)  # leave the copy built as it was

    compiling = len(killed) + len(survived) + len(equivalent)
    counted = len(killed) + len(survived)
    score = 100.0 * len(killed) / counted if counted else 0.0
    print()
    print(f"mutants: {len(sample)} sampled (seed {args.seed}) of {len(mutants)}; "
          f"{len(broken)} do not compile; {compiling} compile")
    print(f"killed: {len(killed)}, survived: {len(survived)}, equivalent: {len(equivalent)} "
          f"({time.time() - started:.0f} s)")
    print(f"score: {score:.1f}% of the compiling mutants that are not equivalent were killed "
          f"({100.0 * len(killed) / compiling if compiling else 0.0:.1f}% of all compiling)")
    for kind, diff in survived:
        print(f"\nsurvivor ({kind}):\n{diff}", end="")
    for kind, diff, reason in equivalent:
        print(f"\nequivalent ({kind}): {reason}\n{diff}", end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
