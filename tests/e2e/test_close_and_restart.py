#!/usr/bin/env python3
"""Both ways of closing, the close box and "Gra" -> "Zamknij", store the game
and end with 0; the next start continues it, also in the middle of the preview."""

import puzzle_driver as driver
from puzzle_driver import check


def test_both_ways_of_closing_store_the_game_and_a_restart_continues_it(session):
    directory = session.game_dir()
    game = session.start(directory)
    first = game.wait_window()
    game.click_cell(3, 2)
    board = game.wait_board(differs_from=first)
    game.click_caption(driver.CLOSE_BOX)
    check(game.wait_exit() == 0, "closing by the close box did not end with 0")

    game = session.start(directory)
    check(game.wait_window() == board, "the restart does not show the game closed by its box")
    game.keys("F3")
    preview = game.wait_board(differs_from=board)
    game.close_by_menu()
    check(game.wait_exit() == 0, "closing by the menu did not end with 0")

    game = session.start(directory)
    check(game.wait_window() == preview, "the restart does not show the preview closed by menu")
    game.keys("F4")
    check(game.wait_board(differs_from=preview) == board, "F4 after the restart lost the game")
    game.close_by_menu()
    check(game.wait_exit() == 0, "closing by the menu did not end with 0")


if __name__ == "__main__":
    driver.run(test_both_ways_of_closing_store_the_game_and_a_restart_continues_it)
