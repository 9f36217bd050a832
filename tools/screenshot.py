#!/usr/bin/env python3
"""Makes docs/screenshot.png: the real game under Wine and Xvfb, a new 4x4
game of the first sample picture, two clicks in (a row of three tiles slid,
then a column of three), its moves and time in the caption. After a build of the win32 preset:
    tools/screenshot.py [--exe build/win32/Puzzle.exe] [--wine-dir build/win32/wine]
It starts and stops the test environment itself, plays through the end-to-end
tests' driver and writes the whole window, frame and caption included."""
import argparse
import os
import subprocess
import sys

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "e2e"))
import puzzle_driver as driver  # noqa: E402

CLICKS = [(3, 0), (0, 0)]  # (row, column): the empty cell starts at the bottom right


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
        directory = session.game_dir(pictures=session.samples[:1])
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
