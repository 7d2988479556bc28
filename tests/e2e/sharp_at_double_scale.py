#!/usr/bin/env python3
"""Photographs the start screen of the real binary under Xvfb at scale
factors 1 and 2, and checks that at 2 the pictures and the text are drawn
at full resolution and stand where they stood, twice as far out.

Sharpness of a region is its edge steepness: the sum of squared differences
between neighbouring pixels over the sum of their absolute differences, that
is the average step across an edge per device pixel. A picture drawn from
its own 2x bitmap keeps the steepness it has at 1x; a 1x bitmap blown up to
2x spreads every edge over twice the pixels and loses about half of it.

Usage: sharp_at_double_scale.py PATH_TO_NUMBERLARK
"""

import collections
import subprocess
import sys
import time

from e2e_support import ProgramUnderTest, fail, require_tools

SCREEN = "2560x2048x24"
# Where each item is looked for on the start screen, in logical pixels from
# the window's top-left corner: (left, top, right, bottom).
REGIONS = [
    ("title picture", (0, 25, 736, 160)),
    ("clock picture", (0, 440, 310, 565)),
    ("opening text", (0, 170, 200, 240)),
]
# Sharp pictures measure about 1.0 of their 1x steepness, blown-up ones 0.4 to 0.5.
LEAST_STEEPNESS_RATIO = 0.75
# Text is laid out afresh at each scale, so its outline may move a pixel more.
POSITION_TOLERANCE_PX = 4
BACKGROUND_TOLERANCE = 16
SETTLE_TRIES = 40


class Shot:
    """An RGB screenshot of the root window, read from ImageMagick's PPM."""

    def __init__(self, display):
        data = subprocess.run(
            ["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"],
            capture_output=True, check=True).stdout
        _, size, maxval, self.pixels = data.split(b"\n", 3)
        self.width, self.height = map(int, size.split())
        if maxval != b"255" or len(self.pixels) != 3 * self.width * self.height:
            fail("the screenshot is not an 8-bit PPM")

    def rgb(self, x, y):
        i = 3 * (y * self.width + x)
        return self.pixels[i:i + 3]


def settled_shot(display):
    """A screenshot once two taken a moment apart agree: drawing has ended."""
    previous = Shot(display)
    for _ in range(SETTLE_TRIES):
        time.sleep(0.25)
        shot = Shot(display)
        if shot.pixels == previous.pixels:
            return shot
        previous = shot
    fail("the screen kept changing")


def window_origin(run):
    window = run.keyboard.focus_window()
    shell = run.keyboard.xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in shell.split())
    return int(values["X"]), int(values["Y"])


def photograph(binary, scale):
    env = {"QT_SCALE_FACTOR": str(scale)}
    with ProgramUnderTest(binary, env=env, screen=SCREEN, start=False) as run:
        run.start(focus=False)
        origin = window_origin(run)
        return settled_shot(run.display), origin


def differs(a, b, tolerance):
    return max(abs(p - q) for p, q in zip(a, b)) > tolerance


def bounding_box(shot, band):
    """The box around everything in `band` that is not its commonest colour;
    it must lie wholly inside the band, or the band cuts the item off."""
    left, top, right, bottom = band
    points = [(x, y) for y in range(top, bottom) for x in range(left, right)]
    background = collections.Counter(shot.rgb(x, y) for x, y in points).most_common(1)[0][0]
    inside = [(x, y) for x, y in points
              if differs(shot.rgb(x, y), background, BACKGROUND_TOLERANCE)]
    if not inside:
        fail(f"nothing found in {band}")
    xs, ys = zip(*inside)
    box = min(xs), min(ys), max(xs) + 1, max(ys) + 1
    if box[0] == left or box[1] == top or box[2] == right or box[3] == bottom:
        fail(f"the item found in {band} reaches its edge; has the layout moved?")
    return box


def steepness(shot, box):
    left, top, right, bottom = box
    squares = total = 0
    for y in range(top, bottom - 1):
        for x in range(left, right - 1):
            here = shot.rgb(x, y)
            for there in (shot.rgb(x + 1, y), shot.rgb(x, y + 1)):
                for p, q in zip(here, there):
                    step = abs(p - q)
                    squares += step * step
                    total += step
    return squares / total if total else 0.0


def measure(shot, origin, scale, band):
    ox, oy = origin
    left, top, right, bottom = band
    box = bounding_box(shot, (ox + left * scale, oy + top * scale,
                              ox + right * scale, oy + bottom * scale))
    relative = (box[0] - ox, box[1] - oy, box[2] - ox, box[3] - oy)
    return relative, steepness(shot, box)


def main():
    if len(sys.argv) != 2:
        fail("usage: sharp_at_double_scale.py PATH_TO_NUMBERLARK")
    require_tools("import")
    shots = {scale: photograph(sys.argv[1], scale) for scale in (1, 2)}
    problems = []
    for name, band in REGIONS:
        box1, steep1 = measure(*shots[1], 1, band)
        box2, steep2 = measure(*shots[2], 2, band)
        ratio = steep2 / steep1
        print(f"e2e: {name}: at 1x {box1} steepness {steep1:.1f}; "
              f"at 2x {box2} steepness {steep2:.1f} ({ratio:.2f} of 1x)")
        if ratio < LEAST_STEEPNESS_RATIO:
            problems.append(f"{name} is blurry at 2x: {ratio:.2f} of its 1x edge steepness")
        if any(abs(b - 2 * a) > POSITION_TOLERANCE_PX for a, b in zip(box1, box2)):
            problems.append(f"{name} stands at {box2} at 2x, not at twice {box1}")
    if problems:
        fail("; ".join(problems))


if __name__ == "__main__":
    main()
