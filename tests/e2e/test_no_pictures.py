#!/usr/bin/env python3
"""Without a picture that loads the start ends in the error box, with exit code 0
and the registry left alone."""
import os
import shutil

import puzzle_driver as driver
from puzzle_driver import check


def test_without_pictures_the_error_box_ends_the_start(session):
    game = session.start(session.game_dir(pictures=[]))
    check(game.close_error_box() == 0, "the error box did not end the program with 0")
    check(not session.key_exists(), "the registry key was created")


def test_only_damaged_pictures_give_the_error_box(session):
    directory = session.game_dir(pictures=[])
    with open(os.path.join(directory, "Puzzle1.bmp"), "w") as text:
        text.write("not a bitmap\n")
    damaged = os.path.join(directory, "Puzzle2.bmp")  # cut off in its pixels, as a broken download leaves it
    shutil.copyfile(session.samples[0], damaged)
    with open(damaged, "r+b") as picture:
        picture.truncate(os.path.getsize(damaged) // 2)
    check(session.start(directory).close_error_box() == 0, "no error box for damaged pictures")
    check(not session.key_exists(), "the registry key was created")


if __name__ == "__main__":
    driver.run(test_without_pictures_the_error_box_ends_the_start,
               test_only_damaged_pictures_give_the_error_box)
