#!/usr/bin/env python3
"""A second start restores the minimised first game and ends with 0, touching
neither the game nor the stored state; without pictures it shows the error box
instead, since the pictures are looked for before the running game."""

import puzzle_driver as driver
from puzzle_driver import check


def test_a_second_start_restores_the_minimised_first_and_ends(session):
    directory = session.game_dir()
    first = session.start(directory)
    board = first.wait_window()
    shown = first.geometry()
    first.click_caption(driver.MINIMISE_BOX)
    driver.poll(lambda: first.geometry() != shown, "the window to be minimised")

    check(session.start(directory).wait_exit() == 0, "the second start did not end with 0")
    # Without a window manager SetForegroundWindow moves no X focus: only the
    # restored window shows that the first game was brought back.
    driver.poll(lambda: first.geometry() == shown, "the first window restored where it was")
    check(first.wait_board() == board, "the first game's board changed")
    check(session.windows() == [first.window], "another game window exists")
    check(not session.key_exists(), "the second start stored a state")

    again = session.start(session.game_dir(pictures=[]))
    check(again.close_error_box() == 0, "a second start without pictures did not end with 0")
    check(first.process.poll() is None and first.wait_board() == board, "the first game changed")


if __name__ == "__main__":
    driver.run(test_a_second_start_restores_the_minimised_first_and_ends)
