#!/usr/bin/env python3
"""Makes docs/screenshot.png: the real game under Wine and Xvfb, a game of the
first sample picture a few moves in. After a build of the win32 preset:
    tools/screenshot.py [--exe build/win32/Puzzle.exe] [--wine-dir build/win32/wine]
It starts and stops the test environment itself, plays through the end-to-end
tests' driver and writes the whole window, frame and caption included."""
import argparse
import os
import struct
import subprocess
import sys

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "e2e"))
import puzzle_driver as driver  # noqa: E402

# A solvable 4x4 game in play, row by row (-1 the empty cell), and three
# clicks that each slide a tile into the empty cell.
BOARD = [4, 0, 2, 3, 8, 1, 5, 7, 12, 9, 6, 11, 13, 10, 14, -1]
CLICKS = [(3, 2), (3, 1), (2, 1)]  # (row, column)


def record(picture):
    cells = [0] * 25
    for index, tile in enumerate(BOARD):
        cells[index // 4 * 5 + index % 4] = tile
    path = ("Z:" + picture.replace("/", "\\")).encode()
    return struct.pack("<2i260s27i100x", 1, 4, path, 0, 0, *cells)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", default=os.path.join(SOURCE_DIR, "build/win32/Puzzle.exe"))
    parser.add_argument("--wine-dir", default=os.path.join(SOURCE_DIR, "build/win32/wine"))
    parser.add_argument("--output", default=os.path.join(SOURCE_DIR, "docs/screenshot.png"))
    options = parser.parse_args()
    environment = [os.path.join(SOURCE_DIR, "tools/wine-env.sh")]
    subprocess.run(environment + ["start", options.wine_dir], check=True)
    session = driver.Session({"--exe": options.exe, "--wine-dir": options.wine_dir,
                              "--source-dir": SOURCE_DIR})
    try:
        session.end_games()
        directory = session.game_dir()
        session.store(record(os.path.join(directory, "PUZZLE1.BMP")))
        game = session.start(directory)
        board = game.wait_window()
        for row, column in CLICKS:
            game.click_cell(row, column)
            board = game.wait_board(differs_from=board)
        x, y, width, height = game.geometry()
        rgb = session.screen(x, y, width, height)
        subprocess.run([driver.CONVERT, "-size", "%dx%d" % (width, height), "-depth", "8", "rgb:-",
                        options.output], input=rgb, check=True)
        print("wrote", options.output, "(%dx%d)" % (width, height))
    finally:
        session.end_games()
        subprocess.run(environment + ["stop", options.wine_dir])


if __name__ == "__main__":
    main()
