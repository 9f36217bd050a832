#!/usr/bin/env python3
"""Start to window as a player waits, and the game's memory, for pictures of
several sizes and formats: the time from the process's start to its window
shown with the board (best and median of five starts, taken in turn), and the
working set (VmRSS) of the game's process once the board is shown. Prints
figures; passes or fails nothing. Inside a started test environment:
    tools/wine-env.sh start build/win32/wine
    python3 bench/startup_bench.py --exe build/win32/Puzzle.exe --wine-dir build/win32/wine \
        --source-dir . [--huge]
    tools/wine-env.sh stop build/win32/wine
"""
import ctypes
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import puzzle_driver as driver  # noqa: E402

RUNS = 9
BLUE = b"\x60"  # of every pixel of the pictures, which tells them from anything else
HUGE = "--huge" in sys.argv  # an 8000x6000 BMP too


def picture(session, name, width, height):
    """A picture whose red follows the columns and green the rows; never black."""
    reds = bytes(x * 255 // width for x in range(width))
    rows = []
    for y in range(height):
        row = bytearray(3 * width)
        row[0::3], row[1::3], row[2::3] = reds, bytes([y * 255 // height]) * width, BLUE * width
        rows.append(bytes(row))
    path = os.path.join(session.scratch, name)
    driver.write_picture(path, width, height, rows)
    return path


class ScreenCentre:
    """The pixel at the middle of the screen, read straight from the X server: the board
    shows there (the window is centred) when it is painted, and reading it costs the game
    no processor time, as spawning a tool at every poll would."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.x11.XOpenDisplay.restype = self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.display = self.x11.XOpenDisplay(display.encode())
        self.root = self.x11.XDefaultRootWindow(ctypes.c_void_p(self.display))
        screen = ctypes.c_void_p(self.display), 0
        self.x = self.x11.XDisplayWidth(*screen) // 2
        self.y = self.x11.XDisplayHeight(*screen) // 2

    def lit(self):
        image = self.x11.XGetImage(self.display, self.root, self.x, self.y, 1, 1, 0xFFFFFFFF, 2)
        # Blue is the picture's there, 20 off on a bevel, a few off in a JPEG. (A 1x1
        # image is left over.)
        blue = self.x11.XGetPixel(image, 0, 0) & 0xFF if image else 0
        return any(abs(blue - BLUE[0] - bevel) <= 3 for bevel in (-20, 0, 20))


def start_once(session, centre, directory):
    driver.check(not centre.lit(), "the middle of the screen shows a picture before the start")
    started = time.monotonic()
    game = session.start(directory)
    while not centre.lit():
        driver.check(time.monotonic() - started < 60 and game.process.poll() is None, "no board")
        time.sleep(0.005)
    elapsed = time.monotonic() - started
    with open("/proc/%d/status" % game.process.pid) as status:
        resident = next(int(line.split()[1]) for line in status if line.startswith("VmRSS"))
    session.end_games()
    return elapsed, resident / 1024


def bench(session):
    pictures = [("240x180 BMP", picture(session, "PuzzleS.bmp", 240, 180)),
                ("4000x3000 BMP", picture(session, "PuzzleL.bmp", 4000, 3000)),
                ("4000x3000 JPEG", picture(session, "PuzzleL.jpg", 4000, 3000))]
    if HUGE:
        pictures.append(("8000x6000 BMP", picture(session, "PuzzleH.bmp", 8000, 6000)))
    directories = {name: session.game_dir([path]) for name, path in pictures}
    times, memory = {name: [] for name, _ in pictures}, {}
    centre = ScreenCentre(session.env["DISPLAY"])
    for _ in range(RUNS):
        for name, _ in pictures:
            elapsed, resident = start_once(session, centre, directories[name])
            times[name].append(elapsed)
            memory[name] = resident
    base = min(times[pictures[0][0]])
    print("start to window (best / median of %d, ms), working set once shown (MB):" % RUNS)
    for name, _ in pictures:
        best = min(times[name])
        print("  %-15s %7.0f / %7.0f ms  %5.2fx the smallest  %7.1f MB" % (
            name, best * 1000, statistics.median(times[name]) * 1000, best / base, memory[name]))


if __name__ == "__main__":
    sys.argv = [argument for argument in sys.argv if argument != "--huge"]
    driver.run(bench)
