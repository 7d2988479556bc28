#!/usr/bin/env python3
"""Takes a whole three-question test in the real numberlark binary.

The program runs under its own Xvfb server with a private HOME, settings
(saving on, three questions) and working directory. Real X key events from
xdotool choose the 7 times table, press TEST, answer by trying the ten
products in turn (a wrong try only shows "wrong"), type a name and press
Quit. The results file must then hold exactly one line for that test.

Usage: take_a_whole_test.py PATH_TO_NUMBERLARK
"""

import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

QUESTIONS = 3
TABLE = 7
NAME = "Sam"
KEY_DELAY_MS = "40"
# Each round tries all ten products; every round in which a question stays
# on screen answers it, so twice the questions is ample.
ROUNDS = 2 * QUESTIONS
# Three pauses of the completion, with room to spare.
COMPLETION_WAIT_S = 3.0
DISPLAY_RANGE = range(100, 200)


def fail(message):
    print(f"e2e: {message}", file=sys.stderr)
    sys.exit(1)


def require_tools():
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            fail(f"{tool} is not installed; install it with scripts/install-deps.sh")


def start_xvfb():
    """Starts Xvfb on a free display number and returns (process, display)."""
    candidates = list(DISPLAY_RANGE)
    random.shuffle(candidates)
    for number in candidates:
        if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
            continue
        server = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and server.poll() is None:
            if Path(f"/tmp/.X11-unix/X{number}").exists():
                return server, f":{number}"
            time.sleep(0.1)
        stop(server)
    fail("could not start Xvfb on any free display")


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def write_settings(config_home):
    folder = config_home / "Numberlark"
    folder.mkdir(parents=True)
    (folder / "Numberlark.conf").write_text(
        f"[Settings]\nallow_saving=1\nnum_of_questions={QUESTIONS}\n")


def program_environment(root, display):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_", "WAYLAND"))}
    runtime = root / "runtime"
    runtime.mkdir(mode=0o700)
    env.update(DISPLAY=display, HOME=str(root / "home"), XDG_CONFIG_HOME=str(root / "config"),
               XDG_RUNTIME_DIR=str(runtime), QT_QPA_PLATFORM="xcb")
    return env


class Keyboard:
    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def xdotool(self, *args, timeout=20):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        if result.returncode != 0:
            fail(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def keys(self, *names):
        self.xdotool("key", "--delay", KEY_DELAY_MS, *names)

    def type(self, text):
        self.xdotool("type", "--delay", KEY_DELAY_MS, text)


def focus_main_window(keyboard):
    window = keyboard.xdotool("search", "--sync", "--onlyvisible", "--name", "^Number Lark$")
    window_id = window.split()[0]
    keyboard.xdotool("windowfocus", "--sync", window_id)
    time.sleep(0.5)


def take_test(keyboard):
    # TEST has the focus. Tab twice enters the table group at "2 times
    # table"; Down five times reaches "7 times table"; Space selects it.
    keyboard.keys("Tab", "Tab", *(["Down"] * 5), "space")
    # Back over Quit to TEST, and start.
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    time.sleep(0.5)
    for _ in range(ROUNDS):
        for multiplier in range(1, 11):
            keyboard.keys("ctrl+a", *str(multiplier * TABLE), "Return")
    time.sleep(COMPLETION_WAIT_S)
    # The answer box is now the name box; replace whatever the last tries left.
    keyboard.keys("ctrl+a")
    keyboard.type(NAME)
    # Tab leads from the name box to Quit.
    keyboard.keys("Tab", "space")


def check_results(work):
    results = work / "numberlark.csv"
    if not results.exists():
        fail("Quit wrote no results file")
    lines = results.read_bytes().split(b"\r\n")
    if lines[-1] != b"" or len(lines) != 2:
        fail(f"expected exactly one CR LF line, found {results.read_bytes()!r}")
    pattern = (rf'^"{NAME}",{TABLE},"times table",{QUESTIONS},"questions",-?\d+,"seconds",'
               r'"on [^"]+ at [^"]+"$')
    line = lines[0].decode()
    if not re.match(pattern, line):
        fail(f"unexpected results line: {line}")
    print(f"e2e: results line: {line}")


def main():
    if len(sys.argv) != 2:
        fail("usage: take_a_whole_test.py PATH_TO_NUMBERLARK")
    binary = Path(sys.argv[1]).resolve()
    require_tools()
    server = program = None
    with tempfile.TemporaryDirectory(prefix="numberlark-e2e-") as temp:
        root = Path(temp)
        work = root / "work"
        work.mkdir()
        (root / "home").mkdir()
        write_settings(root / "config")
        try:
            server, display = start_xvfb()
            program = subprocess.Popen([str(binary)], cwd=work,
                                       env=program_environment(root, display))
            keyboard = Keyboard(display)
            focus_main_window(keyboard)
            take_test(keyboard)
            try:
                code = program.wait(timeout=15)
            except subprocess.TimeoutExpired:
                fail("the program did not end after Quit")
            if code != 0:
                fail(f"the program ended with exit code {code}")
            check_results(work)
        finally:
            stop(program)
            stop(server)


if __name__ == "__main__":
    main()
