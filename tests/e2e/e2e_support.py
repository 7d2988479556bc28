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

import atexit
import contextlib
import datetime
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

KEY_DELAY_MS = "40"
DISPLAY_RANGE = range(100, 200)
MAIN_WINDOW_TITLE = "^Number Lark$"
SCREEN = "1280x1024x24"
# The progress window names itself for whom it shows ("Progress of Sam").
PROGRESS_WINDOW = {"title_pattern": "^Progress$", "accessible_name": "^Progress( of .+)?$"}
# The practice window names itself by the question it asks first.
PRACTICE_WINDOW = {"title_pattern": "^Practice$", "accessible_name": r"^Who is practising\?$"}
RATE = 44100
SINK = "numberlark_test"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT_S = 10.0
ORCA_SETTLE_S = 2.0


def fail(message):
    print(f"e2e: {message}", file=sys.stderr)
    sys.exit(1)


def skip(message):
    """Ends the test as skipped; CTest maps exit code 77 to 'skipped'. In CI
    (CI=true) a missing part fails the run instead: it must be there."""
    if os.environ.get("CI", "").lower() == "true":
        fail(f"missing in CI: {message}")
    print(f"e2e: skipped: {message}")
    sys.exit(77)


def wait_until(condition, what, timeout=WAIT_S, step=0.1):
    """Polls `condition` until it returns something true, which it returns;
    fails naming `what` when `timeout` passes first."""
    deadline = time.monotonic() + timeout
    while True:
        found = condition()
        if found:
            return found
        if time.monotonic() >= deadline:
            fail(f"waited {timeout:g} s in vain for {what}")
        time.sleep(step)


def accessible_nodes(desktop, depth_limit=12):
    """Every accessible node of the program's windows, as AT-SPI shows them."""
    def walk(node, depth):
        yield node
        if depth < depth_limit:
            for index in range(node.get_child_count()):
                child = node.get_child_at_index(index)
                if child is not None:
                    yield from walk(child, depth + 1)
    # No main loop runs here to bring the bus's change events, so what
    # libatspi keeps of a node (its states above all) is read afresh.
    from gi.repository import GLib
    while GLib.MainContext.default().iteration(False):
        pass
    desktop.clear_cache()
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_name() == "Numberlark":
            app.clear_cache()
            yield from walk(app, 0)


def has_states(node, states):
    """Whether the node has every AT-SPI state named, as "showing" or "active"."""
    from gi.repository import Atspi
    state_set = node.get_state_set()
    return all(state_set.contains(getattr(Atspi.StateType, state.upper())) for state in states)


def wait_for_accessible(desktop, pattern, not_this=None, role=None, states=(), timeout=WAIT_S,
                        depth_limit=12):
    """Waits for a node whose name matches `pattern` (and is not `not_this`),
    of `role` when given, in every state of `states`, and returns the match."""
    def found():
        for node in accessible_nodes(desktop, depth_limit):
            name = node.get_name() or ""
            match = pattern.match(name)
            if match and name != not_this and role in (None, node.get_role_name()) and \
                    has_states(node, states):
                return match
        return None
    return wait_until(found, f"a {role or 'node'} like {pattern.pattern} on screen", timeout,
                      step=0.2)


SYSTEM_PYTHON = "/usr/bin/python3"


def accessibility_bindings():
    """The GObject bindings that read the accessibility bus, or None when they
    are not installed. Debian's belong to the system's interpreter: under
    another one the script starts again under that."""
    try:
        import gi
        return gi
    except ImportError:
        if sys.executable != SYSTEM_PYTHON and Path(SYSTEM_PYTHON).exists():
            os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
        return None


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
    def __init__(self, display, desktop=None):
        self.env = dict(os.environ, DISPLAY=display)
        self.desktop = desktop  # the AT-SPI desktop, when the test reads the screen

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

    def choose_table(self, table):
        """From TEST: Tab twice reaches the selected 9 times table, Left selects
        the 3 times table beside it, and the arrows select along that column
        (the 2 to 7 times tables). The focus stays in the table group."""
        self.keys("Tab", "Tab", "Left", *(["Down"] * (table - 3) if table >= 3 else ["Up"]))

    def focus_window(self, title_pattern=MAIN_WINDOW_TITLE, accessible_name=None):
        """Focuses the window of that title and waits until the program has
        made it its active window; with an accessibility bus, that window is
        found by `accessible_name` (its title unless it names itself)."""
        window = self.xdotool("search", "--sync", "--onlyvisible", "--name", title_pattern)
        window_id = window.split()[0]
        self.xdotool("windowfocus", "--sync", window_id)
        if self.desktop is None:
            time.sleep(0.5)
        else:
            # Keys reach a window's widgets only once the program has made it
            # its active window, some time after the focus arrived.
            wait_for_accessible(self.desktop, re.compile(accessible_name or title_pattern),
                                states=("active",), depth_limit=1)
        return window_id

    def wait_for_window_gone(self, title_pattern):
        wait_until(lambda: not self.xdotool_ok("search", "--onlyvisible", "--name",
                                               title_pattern),
                   f"the window {title_pattern} to close")

    def choose_from_menu(self, menu_key, item_key):
        """Opens a menu by its access key and picks an item once the menu's
        items are on screen (on the accessibility bus, when there is one)."""
        self.keys(menu_key)
        if self.desktop is not None:
            wait_for_accessible(self.desktop, re.compile(".+"), role="menu item",
                                states=("showing",))
        self.keys(item_key)

    def close_window(self, title_pattern, *keys):
        """Closes a secondary window by `keys` and, once it is gone, gives the
        main window the focus back, as a window manager would."""
        self.keys(*keys)
        self.wait_for_window_gone(title_pattern)
        return self.focus_window()


class ProgramUnderTest:
    """The real binary in a private world: temporary HOME, XDG folders,
    working directory `work`, and its own Xvfb display."""

    def __init__(self, binary, settings=None, env=None, start=True, screen=SCREEN, desktop=None,
                 readable=False):
        """readable: the program is read through a private accessibility bus,
        so the test can wait for what is on screen."""
        self.binary = Path(binary).resolve()
        self.desktop = desktop or (shared_desktop() if readable else None)
        self.screen = screen
        self.settings = settings or {}
        self.extra_env = dict(ACCESSIBLE_ENV if self.desktop is not None else {}, **(env or {}))
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
        self.keyboard = Keyboard(self.display, self.desktop)
        if self.autostart:
            self.start()
        return self

    def environment(self):
        # Never the desktop's own session manager: a test brings its own.
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "WAYLAND", "SESSION_MANAGER", "ICEAUTHORITY"))}
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
        # No sound card either, so nothing but the X bell is left to ring.
        (folder / "alsa.conf").write_text("")
        (folder / "daemon.pa").write_text(
            DAEMON_SCRIPT.format(socket=self.socket, sink=SINK, rate=RATE))
        self.env = {"PULSE_SERVER": f"unix:{self.socket}",
                    "PULSE_CLIENTCONFIG": str(folder / "client.conf"),
                    "PULSE_RUNTIME_PATH": str(folder),
                    "ALSA_CONFIG_PATH": str(folder / "alsa.conf")}
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


class AccessibilityBus:
    """A private session bus with the AT-SPI bus launcher on it. Needs the
    system's GObject bindings (gi)."""

    def __enter__(self):
        self._temp = tempfile.TemporaryDirectory(prefix="numberlark-a11y-")
        self.daemon = self.launcher = None
        self.daemon = subprocess.Popen(
            ["dbus-daemon", "--session", f"--address=unix:path={self._temp.name}/bus",
             "--print-address", "--nofork"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            self.__exit__()
            skip("the private session bus did not start")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.address
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)  # never the desktop's own bus
        # The launcher puts the accessibility bus's socket under the runtime
        # folder, else at one fixed path in HOME that every other test's
        # launcher would share: a private folder keeps the bus the test's own.
        runtime = Path(self._temp.name) / "runtime"
        runtime.mkdir(mode=0o700)
        self.launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                         env=dict(os.environ, XDG_RUNTIME_DIR=str(runtime)),
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not self._wait_for_launcher():
            self.__exit__()
            skip("the accessibility bus launcher did not start")
        return self

    def _wait_for_launcher(self):
        from gi.repository import Gio, GLib
        connection = Gio.DBusConnection.new_for_address_sync(
            self.address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline and self.launcher.poll() is None:
            reply = connection.call_sync(
                "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                Gio.DBusCallFlags.NONE, -1, None)
            if reply.unpack()[0]:
                return True
            time.sleep(0.1)
        return False

    def __exit__(self, *exc):
        stop(self.launcher)
        stop(self.daemon)
        self._temp.cleanup()
        return False


SPEECHD_CONF = """\
AudioOutputMethod "pulse"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
LogLevel 5
LogDir "{log}"
"""
SPEECHD_LINE = re.compile(r"^\[\w+ (\w+ +\d+ [\d:]+ \d+) : (\d+)\] speechd: +(.*)$")
SPEECHD_MARK = re.compile(r'<mark name="([^"]+)"/>([^<]*)')
QUIET_S = 0.6  # speech-dispatcher logs every chunk it plays: a silent log is a silent reader


class Utterance:
    """One utterance as speech-dispatcher played it: its text, when its first
    samples went to the sound server, when each marked word was reached, and
    when it ended or was cut off."""

    def __init__(self, ssml):
        self.text = re.sub(r"<[^>]*>", "", ssml)
        self.marks = dict(SPEECHD_MARK.findall(ssml))
        self.words, self.start, self.end = [], None, None

    def __repr__(self):
        return f"{self.start:%H:%M:%S.%f}-{self.end:%H:%M:%S.%f} {self.text!r}"


class PlaybackLog:
    """Reads speech-dispatcher's own log (level 5) as it grows: what its
    playback thread sent to the sound server, utterance by utterance."""

    def __init__(self, path):
        self.path, self.offset, self.utterances, self._current = path, 0, [], None
        self._last = None
        self.changed_at = time.monotonic()

    def refresh(self):
        if not self.path.exists():
            return self.utterances
        with open(self.path, "rb") as log:
            log.seek(self.offset)
            chunk = log.read()
        complete = chunk[:chunk.rfind(b"\n") + 1]
        if complete:
            self.offset += len(complete)
            self.changed_at = time.monotonic()
        for line in complete.decode(errors="replace").splitlines():
            self._read(line)
        return self.utterances

    def _read(self, line):
        found = SPEECHD_LINE.match(line)
        if not found:
            return
        when = datetime.datetime.strptime(found[1], "%b %d %H:%M:%S %Y") + \
            datetime.timedelta(microseconds=int(found[2]))
        # Its seconds and microseconds come from two clock readings: across a
        # second's turn the seconds can lag behind.
        if self._last and when < self._last - datetime.timedelta(seconds=0.5):
            when += datetime.timedelta(seconds=1)
        self._last = when
        message, current = found[3], self._current
        if message.startswith("Incoming text: |"):
            self._current = Utterance(message[len("Incoming text: |"):].rstrip("|"))
        elif current is None:
            return
        elif message.startswith("speak_queue Sending") and current.start is None:
            current.start = when
        elif message.startswith("speak_queue reporting index mark |"):
            mark = message.split("|")[1]
            if mark in current.marks:
                current.words.append((when, current.marks[mark]))
        elif message.startswith(("speak_queue playback thread reporting end",
                                 "speak_queue Stop or pause.")) and current.start:
            current.end = when
            self.utterances.append(current)
            self._current = None

    def quiet(self):
        return time.monotonic() - self.changed_at >= QUIET_S


class Orca:
    """The real Orca screen reader speaking through speech-dispatcher and
    espeak-ng into a private PulseAudio null sink. Everything is private: the
    session bus is the caller's (AccessibilityBus), the runtime, home, config
    and data folders are under `folder`. Orca is never started with --replace,
    which would end every Orca of the user."""

    def __init__(self, folder, display, bus_address):
        self.folder = folder
        self.folder.mkdir(mode=0o700, parents=True, exist_ok=True)
        self.sound = SoundServer(folder / "pulse")
        self.debug_file = folder / "orca-debug.txt"
        self.playback = PlaybackLog(folder / "speechd" / "speech-dispatcher.log")
        for name in ("runtime", "home", "config", "data", "speechd", "speechd/modules"):
            (folder / name).mkdir(mode=0o700, exist_ok=True)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "XDG_", "PULSE_", "SPEECHD_"))}
        self.env.update(self.sound.env, DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=bus_address,
                        HOME=str(folder / "home"), XDG_RUNTIME_DIR=str(folder / "runtime"),
                        XDG_CONFIG_HOME=str(folder / "config"), XDG_DATA_HOME=str(folder / "data"))
        self.speechd = self.orca = None

    def __enter__(self):
        require_tools("orca", "speech-dispatcher", "gsettings", "pulseaudio")
        self.sound.start()
        conf = self.folder / "speechd"
        (conf / "speechd.conf").write_text(SPEECHD_CONF.format(log=conf))
        shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf", conf / "modules")
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface",
                        "toolkit-accessibility", "true"], env=self.env, check=True)
        self.speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", str(conf)],
                                        env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.log = open(self.folder / "orca.log", "w")
        self.orca = subprocess.Popen(
            ["orca", "--disable", "braille", f"--debug-file={self.debug_file}"],
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        return self

    def wait_until_listening(self, desktop):
        """Waits for Orca to join the accessibility bus; skips the test when
        it cannot start at all."""
        deadline = time.monotonic() + WAIT_S * 2
        while time.monotonic() < deadline and self.orca.poll() is None:
            apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
            if any(app is not None and app.get_name() == "orca" for app in apps):
                time.sleep(ORCA_SETTLE_S)
                return
            time.sleep(0.2)
        self.log.flush()
        skip("Orca did not start: " + (self.folder / "orca.log").read_text()[-600:])

    def wait_for_speech(self, since, heard=None, timeout=WAIT_S * 2):
        """Waits until something was played after `since` (a match of the
        pattern `heard`, when given) and the reader has fallen silent.
        Returns what was played from `since` on."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            played = [u for u in self.playback.refresh() if u.start >= since]
            if played and self.playback.quiet() and (
                    heard is None or any(re.search(heard, u.text) for u in played)):
                break
            time.sleep(0.1)
        return played

    def stop(self):
        """Ends Orca, which writes out its debug file, and returns every
        utterance in order as (time, text)."""
        if self.orca is not None and self.orca.poll() is None:
            self.orca.send_signal(signal.SIGINT)
            try:
                self.orca.wait(timeout=10)
            except subprocess.TimeoutExpired:
                stop(self.orca)
        self.log.close()
        text = self.debug_file.read_text(errors="replace") if self.debug_file.exists() else ""
        today = datetime.date.today()
        return [(datetime.datetime.combine(today, datetime.time.fromisoformat(when)), said)
                for when, said in re.findall(r"^(\S+) - SPEECH OUTPUT: '(.*?)'(?:\{.*\})?\s*$",
                                             text, re.MULTILINE)]

    def __exit__(self, *exc):
        self.stop()
        stop(self.speechd)
        self.sound.stop()
        return False
@contextlib.contextmanager
def private_classroom_server(program):
    """The tests' private PostgreSQL (tests/classroom/PrivateClassroomServer.cpp),
    told what to do with ask(), with one class, class_4b, for the logins a test
    makes; skips (fails in CI) without PostgreSQL."""
    server = subprocess.Popen([program], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    try:
        ready = server.stdout.readline().strip()
        if ready.startswith("missing"):
            skip(ready)
        if ready != "ready":
            fail(f"the private classroom server did not start: {ready}")
        ask(server, "sql CREATE ROLE class_4b NOLOGIN IN ROLE numberlark_class")
        yield server
    finally:
        server.stdin.close()
        server.wait(timeout=60)


def ask(server, line):
    server.stdin.write(line + "\n")
    server.stdin.flush()
    return server.stdout.readline().strip()


# One session, step by step, from the main window as it opens (TEST has the
# focus), so a scenario is a few calls.

QUESTION_ON_SCREEN = re.compile(r"^\s*-?\d+ x\s*-?\d+$")
# What the program needs to be read on the accessibility bus.
ACCESSIBLE_ENV = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}


def accessible_desktop():
    """The AT-SPI desktop on a private bus the caller opened with
    AccessibilityBus; skips (fails in CI) when the bindings are missing."""
    gi = accessibility_bindings()
    if gi is None or not Path(BUS_LAUNCHER).exists():
        skip("the AT-SPI bus (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed")
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
    Atspi.init()
    return Atspi.get_desktop(0)


_shared_bus = None


def shared_desktop():
    """The AT-SPI desktop on one private accessibility bus for the whole
    script: libatspi stays on the bus it first met, so every run of the
    program in the script joins that one."""
    global _shared_bus
    if _shared_bus is None:
        accessibility_bindings()
        _shared_bus = AccessibilityBus().__enter__()
        atexit.register(_shared_bus.__exit__)
    return accessible_desktop()


def wait_for_question(desktop):
    wait_for_accessible(desktop, QUESTION_ON_SCREEN, role="label", states=("showing",))


def wait_for_certificate(desktop, name_box="Your name"):
    """The answer box becomes the name box once the completion is over, and
    has the focus unless a key moved it on."""
    wait_for_accessible(desktop, re.compile(f"^{re.escape(name_box)}$"),
                        states=("showing", "focused"))


def choose_table(keyboard, table, desktop=None):
    """Selects the table's option (2 to 7), then goes back over Quit to TEST
    and starts; waits for the first question on screen."""
    keyboard.choose_table(table)
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    wait_for_question(desktop or keyboard.desktop)


def shown_question(desktop):
    """The two numbers of the question on screen, or None between questions."""
    for node in accessible_nodes(desktop):
        found = QUESTION_ON_SCREEN.match(node.get_name() or "")
        if found and node.get_role_name() == "label" and has_states(node, ("showing",)):
            return [int(n) for n in re.findall(r"-?\d+", found.group(0))]
    return None


def focused_text(desktop):
    """What the focused text box holds, or None when no box has the focus."""
    from gi.repository import Atspi
    for node in accessible_nodes(desktop):
        if node.get_role_name() == "text" and has_states(node, ("focused",)):
            return Atspi.Text.get_text(node, 0, -1)
    return None


def answer_questions(keyboard, questions, wrong_first=False, desktop=None):
    """Answers each question with the product of what it shows (a wrong "0"
    first if asked), each once the pause after the previous right answer is
    over, so no key is left over for the certificate. Only numbers are read,
    so it serves in every language."""
    desktop = desktop or keyboard.desktop
    for done in range(questions):
        first, second = wait_until(lambda: shown_question(desktop), "a question on screen")
        if wrong_first and done == 0:
            keyboard.keys("0", "Return")
            # A wrong answer leaves one space in the box, ready for the next try.
            wait_until(lambda: focused_text(desktop) == " ", "the box after a wrong answer")
        keyboard.keys("ctrl+a", *str(first * second), "Return")
        if done + 1 < questions:
            # "2 of 3" comes with the right answer, the emptied box after its pause.
            wait_for_accessible(desktop, re.compile(rf"^\s*{done + 2}\D+{questions}$"),
                                role="label")
            wait_until(lambda: focused_text(desktop) == "", "the end of the pause")


def finish_test(keyboard, questions=1, wrong_first=False, desktop=None, name_box="Your name"):
    """Answers every question and waits for the certificate's name box."""
    answer_questions(keyboard, questions, wrong_first, desktop)
    wait_for_certificate(desktop or keyboard.desktop, name_box)


def type_name(keyboard, name):
    """Types the name into the answer box, which the certificate leaves
    focused."""
    keyboard.keys("ctrl+a")
    keyboard.type(name)


def quit_from_name_box(keyboard):
    keyboard.keys("Tab", "space")


def take_a_test(keyboard, table, name, wrong_first=False, desktop=None):
    """A whole session: choose the table, finish the test, type the name,
    Quit."""
    choose_table(keyboard, table, desktop)
    finish_test(keyboard, wrong_first=wrong_first, desktop=desktop)
    type_name(keyboard, name)
    quit_from_name_box(keyboard)
