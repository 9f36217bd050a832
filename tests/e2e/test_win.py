#!/usr/bin/env python3
"""The winning move puts the last tile in and shows the whole picture; after
it clicks and F3 do nothing, and a restart shows the solved game."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, format_board  # noqa: E402


def test_the_winning_move_shows_the_whole_picture(session):
    directory = session.game_directory()
    path = session.windows_path(os.path.join(directory, "Puzzle1.bmp"))
    # one move from the end: tile 14 sits in the bottom-right cell
    one_away = driver.solved_board()[:14] + [driver.EMPTY, 14]
    session.store_value(3, driver.record_bytes(1, 4, path, 0, 0, one_away, one_away))

    game = session.start_game(directory)
    game.wait_window()
    check(game.picture()[0] == "Puzzle1.bmp", "the stored picture is not shown")
    board = game.wait_board()
    check(board == one_away, "the stored game shows as %s" % format_board(board))
    game.click_cell((3, 3))
    won = game.wait_board(differs_from=board)
    check(won == driver.won_board(), "after the winning move the board shows %s"
          % format_board(won))
    game.click_cell((3, 3))
    game.key("F3")  # no preview of a solved game
    game.assert_board_stays(won)

    game.close_through_menu()
    check(game.wait_exit() == 0, "exit code not 0")
    record = session.stored_record()
    check((record.solved, record.preview_on) == (1, 0) and record.board() == won,
          "stored solved %d, previewOn %d, board %s" % (record.solved, record.preview_on,
                                                        format_board(record.board())))

    again = session.start_game(directory)
    again.wait_window()
    check(again.wait_board() == won, "the restart does not show the solved game")
    again.close_through_menu()
    check(again.wait_exit() == 0, "exit code not 0")


if __name__ == "__main__":
    sys.exit(driver.main([test_the_winning_move_shows_the_whole_picture]))
