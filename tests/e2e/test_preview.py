#!/usr/bin/env python3
"""F3 shows the picture in its solved arrangement, F4 gives back the game
exactly; each key does nothing while its menu item is grey."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, format_board  # noqa: E402


def test_f3_shows_the_solved_arrangement_and_f4_resumes_the_game(session):
    game = session.start_game(session.game_directory())
    game.wait_window()
    board = game.wait_board()
    solved = driver.solved_board()

    game.key("F3")
    preview = game.wait_board(differs_from=board)
    check(preview == solved, "the preview shows %s" % format_board(preview))
    game.key("F3")  # grey during the preview; acting would park the solved arrangement
    game.click_cell((3, 2))  # clicks do nothing during the preview
    game.assert_board_stays(solved)

    game.key("F4")
    resumed = game.wait_board(differs_from=solved)
    check(resumed == board, "F4 gave back %s instead of %s"
          % (format_board(resumed), format_board(board)))

    # clicks work again; F4 is grey outside the preview and must not bring
    # back the board parked before this move
    moved = game.move_tile(board, (3, 2))
    game.key("F4")
    game.move_tile(moved, (2, 2))


if __name__ == "__main__":
    sys.exit(driver.main([test_f3_shows_the_solved_arrangement_and_f4_resumes_the_game]))
