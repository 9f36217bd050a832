#!/usr/bin/env python3
"""The very first start: sound on, 4x4, a shuffled board with the bottom-right
cell empty, the window placed for the first picture found; closing through
the caption's close box stores that game."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, format_board  # noqa: E402


def screen_size(session):
    fields = dict(line.strip().partition(":")[::2] for line in
                  session.run(["xwininfo", "-root"]).stdout.decode().splitlines() if ":" in line)
    return int(fields["Width"]), int(fields["Height"])


def test_first_run_starts_a_shuffled_4x4_game(session):
    directory = session.game_directory()
    game = session.start_game(directory)
    game.wait_window()
    board = game.wait_board()
    check(sorted(board) == [driver.EMPTY] + list(range(15)),
          "the board %s is not the 15 tiles and one empty cell" % format_board(board))
    check(board[15] == driver.EMPTY, "the empty cell is not bottom-right: %s"
          % format_board(board))
    check(board != driver.solved_board(), "the board is not shuffled")
    check(driver.is_solvable(board), "the board %s cannot be solved" % format_board(board))

    # The top-left corner is where a window for the first picture found
    # (PUZZLE1.BMP, 400x300) is centred, whichever picture is played.
    x, y, width, height = game.geometry()
    _, _, pic_w, pic_h = game.picture()
    screen_w, screen_h = screen_size(session)
    first_w, first_h = 400 + width - pic_w, 300 + height - pic_h
    check((x, y) == ((screen_w - first_w) // 2, (screen_h - first_h) // 2),
          "window at %d,%d, not centred for the first picture" % (x, y))
    check(not session.key_exists(driver.MAKER_KEY), "the state was stored before the end")

    name = game.picture()[0]
    game.click_close_box()
    code = game.wait_exit()
    check(code == 0, "exit code %d after the close box, expected 0" % code)
    record = session.stored_record()
    check((record.sound_on, record.grid_size, record.preview_on, record.solved) == (1, 4, 0, 0),
          "stored soundOn, gridSize, previewOn, solved = %d, %d, %d, %d" % (
              record.sound_on, record.grid_size, record.preview_on, record.solved))
    check(record.picture_path == session.windows_path(os.path.join(directory, name)),
          "stored picture %r, expected the one shown (%s)" % (record.picture_path, name))
    check(record.board() == board, "stored board %s, shown %s"
          % (format_board(record.board()), format_board(board)))
    outside = [record.full_board[r * 5 + c] for r in range(5) for c in range(5)
               if r == 4 or c == 4]
    check(outside == [0] * 9, "cells outside the 4x4 grid were written: %s" % outside)


if __name__ == "__main__":
    sys.exit(driver.main([test_first_run_starts_a_shuffled_4x4_game]))
