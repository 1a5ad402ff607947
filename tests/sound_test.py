#!/usr/bin/env python3
"""The game's sound cues over a lesson, heard through a real PulseAudio server.

usage: sound_test.py [--short] SOUND_LESSON_BINARY CUE_FOLDER

Starts a PulseAudio daemon of its own (no default script, so nothing suspends on idle) with a
null sink at the clips' rate and without rewinds, records the sink's monitor with parec from a
second before the first cue, runs the lesson (tests/sound_lesson.cpp) against it, and reads the
recording back: every cue must be there, whole, in the order the lesson played them, and a
cue cut off by the next must be heard sample for sample as its clip up to there.
"""
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SHORT = sys.argv[1:2] == ["--short"]
LESSON, CUES = sys.argv[1 + SHORT], sys.argv[2 + SHORT]
GAMES, REFUSALS = (2, 10) if SHORT else (20, 100)
RATE = 22050
THRESHOLD = 300  # of 32768: quieter than any cue's body, louder than silence
MERGE = RATE * 8 // 1000  # gaps shorter than 8 ms are inside one sound (zero crossings, a fading tail)


def fail(message):
    print(f"sound: {message}")
    print("0 passed, 1 failed")
    sys.exit(1)


def read_wave(path):
    """The clip's first channel, one 16-bit value per frame, and its loudness per frame (the
    larger of its channels)."""
    with open(path, "rb") as f:
        data = f.read()
    channels, rate, bits = struct.unpack_from("<H I 6x H", data, 22)
    pos = 12
    while data[pos:pos + 4] != b"data":
        pos += 8 + struct.unpack_from("<I", data, pos + 4)[0]
    size = struct.unpack_from("<I", data, pos + 4)[0]
    body = data[pos + 8:pos + 8 + size]
    if bits == 8:
        values = [(b - 128) * 256 for b in body]
    else:
        values = list(struct.unpack(f"<{len(body) // 2}h", body))
    assert rate == RATE
    return values[::channels], [max(abs(v) for v in values[i:i + channels])
                                for i in range(0, len(values), channels)]


def bursts(levels):
    """Runs of sound as (first frame, frame count), short gaps merged."""
    found, start, last = [], None, None
    for i, v in enumerate(levels):
        if v > THRESHOLD:
            if start is None:
                start = i
            elif i - last > MERGE:
                found.append((start, last + 1 - start))
                start = i
            last = i
    if start is not None:
        found.append((start, last + 1 - start))
    return found


def cut_off_series(left, start, clip, count):
    """Faults in `count` plays of `clip` from frame `start` on, each cut off by the next: each
    must begin as the clip does and go on exactly as it until the next begins (or fall silent
    first), none may sound longer than the 70 ms a key gap allows, and the last must be whole.
    The server writes a stream's samples as they are, so anything mixed in shows."""
    lead = next(i for i, v in enumerate(clip) if abs(v) > THRESHOLD)
    key = clip[lead:lead + 16]
    begins = [i - lead for i in range(start, len(left) - len(key))
              if left[i] == key[0] and list(left[i:i + len(key)]) == key]
    if len(begins) != count:
        return [f"{len(begins)} of {count} buzzes cut off one by one began as the clip does"]
    faults = []
    for n, (at, end) in enumerate(zip(begins, begins[1:] + [begins[-1] + len(clip)])):
        if end - at > RATE * 70 // 1000 and n + 1 < count:
            faults.append(f"buzz {n + 1} of the series at {at / RATE:.2f} s was not cut off: "
                          f"the next began {end - at} frames later")
        heard = left[at:end]
        same = next((j for j, (got, want) in enumerate(zip(heard, clip)) if got != want),
                    len(heard))
        rest = [v for v in heard[same:] if abs(v) > THRESHOLD]
        if n + 1 == count and same < len(clip) - lead:
            faults.append(f"the last buzz of the series at {at / RATE:.2f} s stopped after "
                          f"{same} of {len(clip)} frames")
        elif rest:
            faults.append(f"buzz {n + 1} of the series at {at / RATE:.2f} s turned into another "
                          f"sound after {same} frames")
    return faults


def main():
    for tool in ("pulseaudio", "parec"):
        if not shutil.which(tool):
            fail(f"{tool} is missing (Debian packages pulseaudio and pulseaudio-utils)")
    expected, clips = {}, {}
    for cue, name in ((101, "click"), (102, "buzz"), (103, "chime")):
        clips[name], levels = read_wave(os.path.join(CUES, f"{cue}.wav"))
        b = bursts(levels)
        expected[name] = b[-1][0] + b[-1][1] - b[0][0]

    work = tempfile.mkdtemp(prefix="zarvo-sound-")
    socket = os.path.join(work, "native")
    env = dict(os.environ, HOME=work, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work,
               PULSE_SERVER=f"unix:{socket}", QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    daemon = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "--disallow-exit", "--log-target=stderr", "--log-level=error",
         "-L", f"module-null-sink sink_name=lesson rate={RATE} channels=2 format=s16le norewinds=1",
         "-L", f"module-native-protocol-unix socket={socket} auth-anonymous=1"],
        env=env, stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "daemon.txt"), "w"))
    recorder = lesson = None
    try:
        deadline = time.time() + 15
        while subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode != 0:
            if daemon.poll() is not None or time.time() > deadline:
                with open(os.path.join(work, "daemon.txt")) as f:
                    fail("the PulseAudio daemon did not start: " + f.read()[-500:])
            time.sleep(0.1)
        subprocess.run(["pactl", "set-default-sink", "lesson"], env=env, check=True)
        raw = os.path.join(work, "recording.raw")
        recorder = subprocess.Popen(
            ["parec", "--device=lesson.monitor", f"--rate={RATE}", "--channels=2",
             "--format=s16le", "--latency-msec=20", "--raw", raw], env=env)
        time.sleep(1.0)
        started = time.time()
        lesson = subprocess.run([LESSON] + ["--short"] * SHORT, env=env, capture_output=True, text=True, timeout=300)
        elapsed = time.time() - started
        time.sleep(0.5)
        recorder.send_signal(signal.SIGINT)
        recorder.wait(10)
        if lesson.returncode != 0:
            fail(f"the lesson did not play through: {lesson.stdout}{lesson.stderr[-800:]}")
        with open(raw, "rb") as f:
            data = f.read()
    finally:
        for p in (recorder, daemon):
            if p and p.poll() is None:
                p.kill()
                p.wait()
        shutil.rmtree(work, ignore_errors=True)

    samples = struct.unpack(f"<{len(data) // 2}h", data[:len(data) // 4 * 4])
    levels = [max(abs(samples[i]), abs(samples[i + 1])) for i in range(0, len(samples), 2)]
    heard = bursts(levels)
    print(f"sound: {len(heard)} sounds in {len(levels) / RATE:.1f} s of recording "
          f"(lesson {elapsed:.1f} s); clips: click {expected['click']}, buzz {expected['buzz']}, "
          f"chime {expected['chime']} frames")

    # What the lesson played, in order: 20 (or 2) times 19 clicks and a chime (the click of the
    # winning move is cut off by the chime at once), 100 (or 10) buzzes, then 30 buzzes 50 ms
    # apart, each cut off by the next, the last one whole: one sound, read apart below.
    plan = []
    for _ in range(GAMES):
        plan += [("click", expected["click"])] * 19 + [("chime", expected["chime"])]
    plan += [("buzz", expected["buzz"])] * REFUSALS

    faults = []
    i = 0
    for n, (name, want) in enumerate(plan):
        if i >= len(heard):
            faults.append(f"sound {n + 1} ({name}) never came: {len(heard)} sounds heard")
            break
        at, got = heard[i]
        if (name == "chime" and got <= expected["click"] and i + 1 < len(heard)
                and heard[i + 1][0] - at < RATE * 60 // 1000):
            i += 1  # the winning move's click, cut off by the chime a moment later
            at, got = heard[i]
        i += 1
        low = high = max(RATE * 3 // 1000, want // 50)
        if name == "chime":
            high += RATE * 12 // 1000  # the winning move's click, cut off by the chime
        if not want - low <= got <= want + high:
            faults.append(f"sound {n + 1} ({name}) at {at / RATE:.2f} s lasted {got} frames, "
                          f"not {want}")
    if not faults:
        if i == len(heard):
            faults.append("the buzzes cut off one by one never came")
        else:
            left = samples[::2]
            faults += cut_off_series(left, heard[i][0], clips["buzz"], 30)
            end = heard[i][0] + RATE * 3
            later = [b for b in heard[i:] if b[0] > end]
            if later and not faults:
                faults.append(f"{len(later)} more sounds than played, the first at "
                              f"{later[0][0] / RATE:.2f} s lasting {later[0][1]} frames")
    if os.environ.get("ZARVO_SOUND_DUMP"):
        for at, n in heard[i - 1:]:
            print(f"  {at / RATE:8.3f} s  {n:6d} frames")
    for fault in faults[:12]:
        print(f"sound: {fault}")
    if len(faults) > 12:
        print(f"sound: ... and {len(faults) - 12} more")
    print(f"{0 if faults else 1} passed, {1 if faults else 0} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
