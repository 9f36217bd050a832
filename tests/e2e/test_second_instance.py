#!/usr/bin/env python3
"""A second start brings the running game back and ends with 0, touching
neither the game nor the stored state."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, format_board  # noqa: E402


def test_a_second_start_restores_the_minimised_first_and_ends(session):
    directory = session.game_directory()
    first = session.start_game(directory)
    first.wait_window()
    board = first.wait_board()
    shown = first.geometry()
    first.click_minimise_box()
    driver.poll(lambda: True if first.geometry() != shown else None, 10,
                "the window to be minimised")

    second = session.start_game(directory)
    code = second.wait_exit()
    check(code == 0, "the second start ended with %d, expected 0" % code)
    driver.poll(lambda: True if first.geometry() == shown else None, 10,
                "the first window to be restored where it was")
    check(session.windows_named(driver.TITLE, visible=False) == [first.window],
          "more than the first game window exists")
    check(first.wait_board() == board, "the first game's board changed")
    check(not session.key_exists(driver.MAKER_KEY), "the second start stored a state")

    first.close_through_menu()
    check(first.wait_exit() == 0, "the first game did not end with 0")
    check(session.stored_record().board() == board, "the first game's state was not stored")


def test_a_second_start_without_pictures_shows_the_error_box(session):
    first = session.start_game(session.game_directory())
    first.wait_window()
    board = first.wait_board()
    # the pictures are looked for before the running game
    second = session.start_game(session.game_directory(pictures=()))
    second.close_error_box(second.wait_error_box())
    check(first.running() and first.wait_board() == board, "the first game was disturbed")
    first.close_through_menu()
    check(first.wait_exit() == 0, "the first game did not end with 0")


if __name__ == "__main__":
    sys.exit(driver.main([test_a_second_start_restores_the_minimised_first_and_ends,
                          test_a_second_start_without_pictures_shows_the_error_box]))
