#!/usr/bin/env python3
"""Runs the real numberlark binary natively on Wayland, under a private Weston
compositor, checks that its window is laid out for its outer size, and takes
the three-question test of take_a_whole_test.py there.

Weston runs with its X11 backend inside a private Xvfb: xdotool's key presses
reach Weston as a real keyboard, and Weston passes them to the focused Wayland
client. The program gets WAYLAND_DISPLAY and no DISPLAY, so it cannot fall
back to X11. On Weston, Qt draws the window's title bar and border itself
(client-side decorations), and the layout must count them in the outer size.
A screenshot finds the title banner and the clock picture pixel for pixel:
the banner is centred on the outer width and the clock anchored to the outer
height, so their places give the size the window was laid out for, which must
be the size of the whole window on screen.

Usage: play_under_weston.py PATH_TO_NUMBERLARK RENDERED_PICTURES_FOLDER
"""

import os
import re
import subprocess
import sys
import time
from pathlib import Path

from e2e_support import ProgramUnderTest, fail, require_tools, skip, stop
from take_a_whole_test import QUESTIONS, check_results, take_test

OUTPUT_SIZE = (1024, 768)
BACKGROUND = bytes((0x20, 0x40, 0x60))
# A plain background, no panel and no on-screen keyboard: only the window
# differs from the background.
WESTON_INI = """[core]
idle-time=0

[shell]
background-color=0xff204060
panel-position=none
locking=false

[input-method]
path=
"""
START_TIMEOUT_S = 20
# Generous: sanitizer builds start slowly, and other tests share the machine.
WINDOW_TIMEOUT_S = 60

# Pictures as the layout places them, in pixels (15 twips each): the banner's
# design top, the clock's design left, and how far the clock's bottom sits
# above H (970 twips).
TITLE = ("title", 416, 127)
CLOCK = ("clock", 288, 66)
TITLE_TOP = 8
CLOCK_LEFT = 22
CLOCK_BOTTOM_ABOVE_H = 970 / 15


class Screenshot:
    def __init__(self, display):
        env = dict(os.environ, DISPLAY=display)
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=env,
                              capture_output=True, check=True, timeout=30).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        if header is None:
            fail("import gave no PPM picture")
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = data[header.end():]

    def row(self, y, width):
        start = y * self.width * 3
        return self.pixels[start:start + width * 3]

    def find(self, picture_row, row_in_picture, left_in_picture):
        """Top-left corner of the picture whose row is picture_row, or None."""
        at = self.pixels.find(picture_row)
        while at >= 0 and at % 3:
            at = self.pixels.find(picture_row, at + 1)
        if at < 0:
            return None
        pixel = at // 3
        return pixel % self.width - left_in_picture, pixel // self.width - row_in_picture

    def window_rect(self):
        """(left, top, right, bottom) of what is not background on Weston's
        output; rows narrower than the window (the pointer) do not count."""
        width, height = OUTPUT_SIZE
        plain = BACKGROUND * width
        rows = []
        for y in range(height):
            row = self.row(y, width)
            left = common_pixels(row, plain)
            right = width - common_pixels(row[::-1], plain[::-1])
            if right - left > 100:
                rows.append((y, left, right))
        if not rows:
            return None
        return (min(r[1] for r in rows), rows[0][0], max(r[2] for r in rows), rows[-1][0] + 1)


def common_pixels(a, b):
    """How many leading pixels a and b share (binary search on the prefix)."""
    low, high = 0, min(len(a), len(b)) // 3
    while low < high:
        middle = (low + high + 1) // 2
        if a[:middle * 3] == b[:middle * 3]:
            low = middle
        else:
            high = middle - 1
    return low


def opaque_row(folder, name, width, height):
    """The longest run of fully opaque pixels in the middle rows of a picture
    the build rendered (premultiplied ARGB32, so opaque pixels are exact), as
    screen bytes: (row, left, RGB bytes)."""
    argb = (Path(folder) / f"{name}@1x.argb").read_bytes()
    if len(argb) != width * height * 4:
        fail(f"{name}@1x.argb is not {width} x {height}")
    best = (0, 0, 0)
    for y in range(height // 4, 3 * height // 4):
        run = 0
        for x in range(width):
            run = run + 1 if argb[(y * width + x) * 4 + 3] == 255 else 0
            if run > best[2]:
                best = (y, x - run + 1, run)
    y, left, run = best
    rgb = bytearray()
    for x in range(left, left + run):
        blue, green, red = argb[(y * width + x) * 4:(y * width + x) * 4 + 3]
        rgb += bytes((red, green, blue))
    return y, left, bytes(rgb)


class ProgramUnderWeston(ProgramUnderTest):
    def __init__(self, binary, settings):
        super().__init__(binary, settings=settings, start=False, readable=True)
        self.weston = None
        self.socket = f"numberlark-{os.getpid()}"

    def __enter__(self):
        super().__enter__()
        self.runtime = self.root / "runtime"
        self.runtime.mkdir(mode=0o700, exist_ok=True)
        self.start_weston()
        self.start(focus=False)
        return self

    def start_weston(self):
        ini = self.root / "weston.ini"
        ini.write_text(WESTON_INI)
        log = self.root / "weston.log"
        env = {k: v for k, v in os.environ.items() if not k.startswith(("WAYLAND", "XDG_"))}
        env.update(DISPLAY=self.display, XDG_RUNTIME_DIR=str(self.runtime))
        width, height = OUTPUT_SIZE
        self.weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", f"--socket={self.socket}",
             f"--width={width}", f"--height={height}", "--use-pixman",
             f"--config={ini}", f"--log={log}"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + START_TIMEOUT_S
        while time.monotonic() < deadline and self.weston.poll() is None:
            if (self.runtime / self.socket).exists():
                return
            time.sleep(0.1)
        stop(self.weston)
        reason = log.read_text(errors="replace").strip().splitlines()[-3:] if log.exists() else []
        self.__exit__(None, None, None)
        skip("weston could not start: " + (" / ".join(reason) or "no log"))

    def environment(self):
        env = super().environment()
        del env["DISPLAY"]
        env.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=self.socket)
        return env

    def focus_weston(self):
        found = self.keyboard.xdotool("search", "--sync", "--class", "Weston Compositor")
        self.keyboard.xdotool("windowfocus", "--sync", found.split()[0])

    def __exit__(self, *exc):
        stop(self.program)
        stop(self.weston)
        return super().__exit__(*exc)


def wait_for_window(run, rows):
    """The first screenshot that shows the window with both pictures."""
    deadline = time.monotonic() + WINDOW_TIMEOUT_S
    while time.monotonic() < deadline:
        if run.program.poll() is not None:
            fail(f"the program ended with exit code {run.program.returncode} on Wayland")
        shot = Screenshot(run.display)
        found = {name: shot.find(row, y, x) for name, (y, x, row) in rows.items()}
        frame = shot.window_rect()
        if frame and all(found.values()):
            return frame, found
        time.sleep(0.5)
    fail("the main window with its title banner and clock never appeared under Weston")


def check_layout(frame, found):
    left, top, right, bottom = frame
    title_x, title_y = found["title"]
    clock_x, clock_y = found["clock"]
    client_left, client_top = clock_x - CLOCK_LEFT, title_y - TITLE_TOP
    if client_left <= left:
        fail("the window has no border of its own: Qt drew no client-side decorations")
    laid_out_width = 2 * (title_x - client_left) + TITLE[1]
    laid_out_height = clock_y + CLOCK[2] + CLOCK_BOTTOM_ABOVE_H - client_top
    print(f"e2e: window {right - left} x {bottom - top} on screen, client area at "
          f"{client_left - left}, {client_top - top} inside it; laid out for "
          f"{laid_out_width} x {laid_out_height:.1f}")
    if abs(laid_out_width - (right - left)) > 1 or abs(laid_out_height - (bottom - top)) > 1:
        fail(f"laid out for {laid_out_width} x {laid_out_height:.1f} pixels, but the whole "
             f"window is {right - left} x {bottom - top}")
    if clock_y + CLOCK[2] > bottom or title_x < left or title_x + TITLE[1] > right:
        fail("a picture lies outside the window")


def main():
    if len(sys.argv) != 3:
        fail("usage: play_under_weston.py PATH_TO_NUMBERLARK RENDERED_PICTURES_FOLDER")
    require_tools("weston", "import")
    rows = {name: opaque_row(sys.argv[2], name, width, height)
            for name, width, height in (TITLE, CLOCK)}
    settings = {"allow_saving": 1, "num_of_questions": QUESTIONS}
    with ProgramUnderWeston(sys.argv[1], settings) as run:
        check_layout(*wait_for_window(run, rows))
        run.focus_weston()
        take_test(run.keyboard)
        run.wait_for_exit()
        check_results(run.work)


if __name__ == "__main__":
    main()
