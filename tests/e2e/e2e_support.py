"""What every end-to-end test of the real binary needs: a private Xvfb, a
private HOME, settings and working directory, and real key presses.

    with ProgramUnderTest(binary, settings={"allow_saving": 1}) as run:
        run.keyboard.keys("Tab", "space")
        run.wait_for_exit()
        run.work / "numberlark.csv"

Extra environment for the program goes in `env`; `start=False` leaves the
program unstarted so a test can prepare more (a printer, a sound server)
and call start() itself.
"""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

KEY_DELAY_MS = "40"
DISPLAY_RANGE = range(100, 200)
MAIN_WINDOW_TITLE = "^Number Lark$"
SCREEN = "1280x1024x24"
# The completion's pauses, bells and certificate, with room to spare.
COMPLETION_WAIT_S = 3.0


def fail(message):
    print(f"e2e: {message}", file=sys.stderr)
    sys.exit(1)


def skip(message):
    """Ends the test as skipped; CTest maps exit code 77 to 'skipped'."""
    print(f"e2e: skipped: {message}")
    sys.exit(77)


def require_tools(*tools):
    for tool in ("Xvfb", "xdotool", *tools):
        if shutil.which(tool) is None:
            fail(f"{tool} is not installed; install it with scripts/install-deps.sh")


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def start_xvfb(screen=SCREEN):
    """Starts Xvfb on a free display number and returns (process, display)."""
    candidates = list(DISPLAY_RANGE)
    random.shuffle(candidates)
    for number in candidates:
        if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
            continue
        server = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", screen, "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and server.poll() is None:
            if Path(f"/tmp/.X11-unix/X{number}").exists():
                return server, f":{number}"
            time.sleep(0.1)
        stop(server)
    fail("could not start Xvfb on any free display")


def write_settings(config_home, settings):
    folder = config_home / "Numberlark"
    folder.mkdir(parents=True, exist_ok=True)
    lines = "".join(f"{key}={value}\n" for key, value in settings.items())
    (folder / "Numberlark.conf").write_text(f"[Settings]\n{lines}")


class Keyboard:
    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def xdotool(self, *args, timeout=20):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        if result.returncode != 0:
            fail(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def xdotool_ok(self, *args, timeout=20):
        """Whether an xdotool command succeeds (a search that finds nothing fails)."""
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              timeout=timeout).returncode == 0

    def keys(self, *names):
        self.xdotool("key", "--delay", KEY_DELAY_MS, *names)

    def type(self, text):
        self.xdotool("type", "--delay", KEY_DELAY_MS, text)

    def try_every_product(self, table, rounds, multipliers=range(1, 11)):
        """Answers by trying the table's products in turn, each round once:
        a wrong try only shows "wrong", so every round in which a question
        stays on screen answers it."""
        for _ in range(rounds):
            for multiplier in multipliers:
                self.keys("ctrl+a", *str(multiplier * table), "Return")

    def focus_window(self, title_pattern=MAIN_WINDOW_TITLE):
        window = self.xdotool("search", "--sync", "--onlyvisible", "--name", title_pattern)
        window_id = window.split()[0]
        self.xdotool("windowfocus", "--sync", window_id)
        time.sleep(0.5)
        return window_id


class ProgramUnderTest:
    """The real binary in a private world: temporary HOME, XDG folders,
    working directory `work`, and its own Xvfb display."""

    def __init__(self, binary, settings=None, env=None, start=True, screen=SCREEN):
        self.binary = Path(binary).resolve()
        self.screen = screen
        self.settings = settings or {}
        self.extra_env = env or {}
        self.autostart = start
        self.server = self.program = None

    def __enter__(self):
        self._temp = tempfile.TemporaryDirectory(prefix="numberlark-e2e-")
        self.root = Path(self._temp.name)
        self.work = self.root / "work"
        self.work.mkdir()
        (self.root / "home").mkdir()
        self.config = self.root / "config"
        self.data = self.root / "data"
        write_settings(self.config, self.settings)
        self.server, self.display = start_xvfb(self.screen)
        self.keyboard = Keyboard(self.display)
        if self.autostart:
            self.start()
        return self

    def environment(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "WAYLAND"))}
        runtime = self.root / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        env.update(DISPLAY=self.display, HOME=str(self.root / "home"),
                   XDG_CONFIG_HOME=str(self.config), XDG_DATA_HOME=str(self.data),
                   XDG_RUNTIME_DIR=str(runtime), QT_QPA_PLATFORM="xcb")
        env.update(self.extra_env)
        return env

    def start(self, focus=True):
        self.program = subprocess.Popen([str(self.binary)], cwd=self.work,
                                        env=self.environment())
        if focus:
            self.keyboard.focus_window()

    def wait_for_exit(self, timeout=15):
        try:
            code = self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            fail("the program did not end after Quit")
        if code != 0:
            fail(f"the program ended with exit code {code}")

    def __exit__(self, *exc):
        stop(self.program)
        stop(self.server)
        self._temp.cleanup()
        return False


# One session, step by step, from the main window as it opens (TEST has the
# focus), so a scenario is a few calls.

def choose_table(keyboard, table):
    """Selects the table's option (2 to 12), then goes back over Quit to TEST
    and starts."""
    # Tab twice enters the table group at "2 times table".
    keyboard.keys("Tab", "Tab", *(["Down"] * (table - 2)), "space")
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    time.sleep(0.5)


def finish_test(keyboard, table, multipliers=range(1, 13), wrong_first=False):
    """Answers every question by trying the products in turn (a wrong "0"
    first if asked), and waits for the certificate."""
    if wrong_first:
        keyboard.keys("0", "Return")
    keyboard.try_every_product(table, 1, multipliers)
    time.sleep(COMPLETION_WAIT_S)


def type_name(keyboard, name):
    """Types the name into the answer box, which the certificate leaves
    focused."""
    keyboard.keys("ctrl+a")
    keyboard.type(name)


def quit_from_name_box(keyboard):
    keyboard.keys("Tab", "space")


def take_a_test(keyboard, table, name, wrong_first=False):
    """A whole session: choose the table, finish the test, type the name,
    Quit."""
    choose_table(keyboard, table)
    finish_test(keyboard, table, wrong_first=wrong_first)
    type_name(keyboard, name)
    quit_from_name_box(keyboard)
