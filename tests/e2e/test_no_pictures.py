#!/usr/bin/env python3
"""Without a picture the start ends in the error box, with exit code 0 and the
registry left alone."""

import puzzle_driver as driver
from puzzle_driver import check


def test_without_pictures_the_error_box_ends_the_start(session):
    game = session.start(session.game_dir(pictures=[]))
    check(game.close_error_box() == 0, "the error box did not end the program with 0")
    check(not session.key_exists(), "the registry key was created")


if __name__ == "__main__":
    driver.run(test_without_pictures_the_error_box_ends_the_start)
