"""Orca, the screen reader Debian ships, as a blind student meets the game: Orca at its default
settings speaking through speech-dispatcher and espeak-ng into a PulseAudio server of the
test's own, with a session bus and an accessibility bus of the test's own too.

What Orca said, and when, is read from speech-dispatcher's own log: every message Orca handed
it, and its END and STOP notifications, so that a key can wait until the last sentence has
been spoken. (Orca's debug file, kept when the scenario fails, is written in blocks and
lags behind.)

Used by e2e.py's screen_reader scenario.
"""
import datetime
import html
import os
import re
import shutil
import subprocess
import tempfile
import time

# What Orca's default punctuation level reads aloud: none of it belongs in a sentence of ours.
PUNCTUATION_READ_ALOUD = set(":;()[]{}<>\"-_|`~#$%&*/=@^\\")
# A message as speech-dispatcher's log shows it queued: its time and its SSML.
QUEUED = re.compile(r"\[\w+ \w+ +\d+ (\d\d):(\d\d):(\d\d) \d+ : (\d+)\] speechd:\s+"
                    r"Queueing message \|(.*)\| with priority")
# Orca's echo of a key it knows by name ("tab ", "space ", "F1 ", "left alt ").
ECHO = re.compile(r"^\w+( \w+)? $")


class ScreenReaderMissing(Exception):
    pass


def missing():
    """Why Orca cannot be run here, or None."""
    for tool in ("orca", "speech-dispatcher", "pulseaudio", "dbus-daemon"):
        if not shutil.which(tool):
            return f"{tool} is missing (Debian packages orca, speech-dispatcher, espeak-ng, pulseaudio, dbus)"
    for path in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"):
        if not os.path.exists(path):
            return f"{path} is missing (Debian packages at-spi2-core and speech-dispatcher-espeak-ng)"
    return None


class Utterance:
    def __init__(self, stamp, text):
        self.stamp, self.text = stamp, text

    def __repr__(self):
        return repr(self.text)


class Orca:
    """Orca and everything it speaks through, for an X server's environment `base_env`."""

    def __init__(self, base_env):
        self.work = tempfile.mkdtemp(prefix="zarvo-orca-")
        self.procs = []
        self.orca_log = os.path.join(self.work, "orca.log")
        self.read_to, self.utterances = 0, []
        self.notified = {"225": set(), "702": set(), "703": set()}
        self.sd_log = os.path.join(self.work, "speechd", "speech-dispatcher.log")
        os.makedirs(os.path.join(self.work, "config", "speech-dispatcher"))
        os.makedirs(os.path.join(self.work, "speechd"))
        # speech-dispatcher as Debian sets it up, but logging every message's end to our folder
        # and playing into our sound server.
        with open(os.path.join(self.work, "config", "speech-dispatcher", "speechd.conf"), "w") as f:
            f.write(f'LogLevel 5\nLogDir "{self.work}/speechd"\nAudioOutputMethod "pulse"\n'
                    'DefaultModule espeak-ng\n')
        env = dict(base_env, HOME=self.work, XDG_RUNTIME_DIR=self.work,
                   XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                   XDG_DATA_HOME=os.path.join(self.work, "data"),
                   XDG_CACHE_HOME=os.path.join(self.work, "cache"))
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                         stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        socket = os.path.join(self.work, "pulse.sock")
        env["PULSE_SERVER"] = f"unix:{socket}"
        self.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                    "--disallow-exit", "--log-target=stderr", "--log-level=error",
                    "-L", "module-null-sink sink_name=speakers",
                    "-L", f"module-native-protocol-unix socket={socket} auth-anonymous=1"], env)
        deadline = time.time() + 15
        while subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode != 0:
            if time.time() > deadline:
                raise ScreenReaderMissing("the PulseAudio server did not start")
            time.sleep(0.1)
        subprocess.run(["pactl", "set-default-sink", "speakers"], env=env, capture_output=True)
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)
        time.sleep(0.5)
        self.env = env
        self.start(["orca", "--replace", "--debug-file", self.orca_log], env)
        self.wait_for(lambda said: any(u.text == "Screen reader on." for u in said), 30,
                      "Orca did not start")
        self.wait_quiet()

    def start(self, command, env, stdout=subprocess.DEVNULL):
        p = subprocess.Popen(command, env=env, stdout=stdout, stderr=subprocess.DEVNULL, text=True)
        self.procs.append(p)
        return p

    def close(self, keep=None):
        """Ends them all; `keep` is a path to keep Orca's debug file at."""
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(12)  # Orca says "Screen reader off." before it goes
            except subprocess.TimeoutExpired:
                p.kill()
        subprocess.run(["pkill", "-f", f"speech-dispatcher.*{self.work}"], capture_output=True)
        if keep and os.path.exists(self.orca_log):
            shutil.copy(self.orca_log, keep)
        shutil.rmtree(self.work, ignore_errors=True)

    # ------------------------------------------------------------ what was said, and when
    def refresh(self):
        """Reads what speech-dispatcher logged since the last look (its log grows by thousands
        of lines a second while it speaks)."""
        try:
            with open(self.sd_log, "rb") as f:
                f.seek(self.read_to)
                chunk = f.read()
        except FileNotFoundError:
            return
        complete = chunk.rfind(b"\n") + 1
        self.read_to += complete
        for line in chunk[:complete].decode(errors="replace").splitlines():
            m = QUEUED.match(line)
            if m:
                h, mi, s, us, ssml = m.groups()
                text = html.unescape(re.sub(r"<[^>]*>", "", ssml))
                self.utterances.append(Utterance(clock(int(h), int(mi), int(s) + int(us) / 1e6), text))
                continue
            m = re.search(r"REPLY:\|(225|702|703)-(\d+)", line)
            if m:
                self.notified[m.group(1)].add(int(m.group(2)))

    def said(self):
        """Everything Orca handed to speech-dispatcher so far."""
        self.refresh()
        return list(self.utterances)

    def messages(self):
        """speech-dispatcher's messages: queued ids, and the ids that ended (702) or were stopped
        or cancelled (703)."""
        self.refresh()
        return set(self.notified["225"]), set(self.notified["702"]), set(self.notified["703"])

    def wait_for(self, condition, timeout, failure):
        deadline = time.time() + timeout
        while True:
            said = self.said()
            if condition(said):
                return said
            if time.time() > deadline:
                raise ScreenReaderMissing(f"{failure}; Orca said {[u.text for u in said[-5:]]}")
            time.sleep(0.05)

    def wait_quiet(self, timeout=240):
        """Until every message given to speech-dispatcher has been spoken to its end or stopped."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            queued, ended, stopped = self.messages()
            if queued and queued <= ended | stopped:
                time.sleep(0.3)  # Orca may follow one message with the next
                if self.messages()[0] == queued:
                    return
            time.sleep(0.1)
        raise ScreenReaderMissing("speech did not end")


def clock(h, m, s):
    """A time of day in Orca's log as seconds since the epoch (today, local time)."""
    now = datetime.datetime.now()
    t = now.replace(hour=h, minute=m, second=int(s), microsecond=int((s % 1) * 1e6)).timestamp()
    return t - 86400 if t > now.timestamp() + 3600 else t


def is_echo(utterance):
    return bool(ECHO.match(utterance.text))


def plain(text):
    """The marks in `text` that Orca would read aloud."""
    return "".join(sorted(set(text) & PUNCTUATION_READ_ALOUD))
