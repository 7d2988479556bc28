#!/usr/bin/env python3
"""Listens to the end of a one-question test on a real sound server.

A private PulseAudio daemon (unix socket in the test's own folder, no network)
plays into a null sink whose monitor is recorded while the real binary, under
Xvfb, finishes a test. With sound on the recording must hold twelve separate
bells; with sound off it must be silent.

Usage: bells_at_completion.py PATH_TO_NUMBERLARK
"""

import array
import os
import subprocess
import sys
import time

from e2e_support import ProgramUnderTest, fail, require_tools, skip, stop

TABLE = 7
RATE = 44100
SINK = "numberlark_test"
# From the last answer key to the last bell's end: the completion's pause,
# twelve bells at most 0.5 s apart, and room to spare.
LISTEN_AFTER_TEST_S = 9.0
WINDOW_S = 0.005
# Bells peak near a quarter of full scale; silence on a null sink is exactly 0.
LOUD = 1500
QUIET = LOUD // 3
# A bell has ended only after this long below QUIET; the gaps between
# bells are longer, the dips inside one bell shorter.
ENDED_S = 0.03
ENDED_WINDOWS = round(ENDED_S / WINDOW_S)

CASES = [
    # (what, allow_sound, bells expected)
    ("sound on", 1, 12),
    ("sound off", 0, 0),
]

DAEMON_SCRIPT = """\
load-module module-native-protocol-unix socket={socket} auth-anonymous=1
load-module module-null-sink sink_name={sink} norewinds=1 rate={rate}
set-default-sink {sink}
"""


class SoundServer:
    """A PulseAudio daemon of the test's own, reachable only by its socket."""

    def __init__(self, folder):
        self.folder = folder
        folder.mkdir(mode=0o700)
        self.socket = folder / "native"
        (folder / "client.conf").write_text("autospawn = no\n")
        (folder / "daemon.pa").write_text(
            DAEMON_SCRIPT.format(socket=self.socket, sink=SINK, rate=RATE))
        self.env = {"PULSE_SERVER": f"unix:{self.socket}",
                    "PULSE_CLIENTCONFIG": str(folder / "client.conf"),
                    "PULSE_RUNTIME_PATH": str(folder)}
        self.daemon = None

    def client_env(self):
        env = {k: v for k, v in os.environ.items() if not k.startswith(("PULSE_", "DISPLAY"))}
        env.update(self.env, HOME=str(self.folder), XDG_RUNTIME_DIR=str(self.folder))
        return env

    def start(self):
        self.log = open(self.folder / "daemon.log", "w")
        self.daemon = subprocess.Popen(
            ["pulseaudio", "--system=false", "-n", "-F", str(self.folder / "daemon.pa"),
             "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
             "--disable-shm=yes", "--log-target=stderr"],
            env=self.client_env(), stdout=self.log, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline and self.daemon.poll() is None:
            if subprocess.run(["pactl", "info"], env=self.client_env(),
                              capture_output=True).returncode == 0:
                return
            time.sleep(0.2)
        log = (self.folder / "daemon.log").read_text()[-600:]
        self.stop()
        skip(f"the private PulseAudio daemon did not start:\n{log}")

    def record(self, path):
        return subprocess.Popen(
            ["parec", f"--device={SINK}.monitor", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=20", "--raw", str(path)],
            env=self.client_env(), stderr=subprocess.DEVNULL)

    def stop(self):
        stop(self.daemon)
        self.log.close()


def finish_one_question_test(keyboard):
    """Chooses the 7 times table, presses TEST and tries the ten products."""
    keyboard.keys("Tab", "Tab", *(["Down"] * 5), "space", "shift+Tab", "shift+Tab", "space")
    time.sleep(0.5)
    for multiplier in range(1, 11):
        keyboard.keys("ctrl+a", *str(multiplier * TABLE), "Return")


def envelope(path):
    samples = array.array("h")
    samples.frombytes(path.read_bytes())
    step = int(RATE * WINDOW_S)
    return [max(map(abs, samples[i:i + step]), default=0) for i in range(0, len(samples), step)]


def count_bells(levels):
    """Rises above LOUD, each after at least ENDED_S below QUIET."""
    bells, quiet, ended = 0, 0, True
    for level in levels:
        quiet = quiet + 1 if level < QUIET else 0
        ended = ended or quiet >= ENDED_WINDOWS
        if level > LOUD and ended:
            bells, ended = bells + 1, False
    return bells


def listen(binary, allow_sound):
    settings = {"allow_sound": allow_sound, "num_of_questions": 1, "allow_printing": 0}
    with ProgramUnderTest(binary, settings=settings, start=False) as run:
        server = SoundServer(run.root / "pulse")
        server.start()
        recording = run.root / "monitor.raw"
        recorder = server.record(recording)
        try:
            run.extra_env.update(server.env)
            run.start()
            finish_one_question_test(run.keyboard)
            time.sleep(LISTEN_AFTER_TEST_S)
        finally:
            stop(recorder)
            server.stop()
        levels = envelope(recording)
        if len(levels) * WINDOW_S < LISTEN_AFTER_TEST_S:
            fail(f"the recording holds only {len(levels) * WINDOW_S:.1f} s")
        return count_bells(levels), max(levels, default=0)


def main():
    if len(sys.argv) != 2:
        fail("usage: bells_at_completion.py PATH_TO_NUMBERLARK")
    require_tools("pulseaudio", "pactl", "parec")
    for what, allow_sound, expected in CASES:
        bells, peak = listen(sys.argv[1], allow_sound)
        print(f"e2e: {what}: {bells} bells heard, peak level {peak}")
        if bells != expected:
            fail(f"{what}: expected {expected} bells, heard {bells}")


if __name__ == "__main__":
    main()
