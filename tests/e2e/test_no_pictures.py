#!/usr/bin/env python3
"""Without a picture that loads the start ends in the error box, with exit code 0
and the registry left alone; a damaged picture that sorts first does not keep a
good one from starting the game."""
import os
import shutil

import puzzle_driver as driver
from puzzle_driver import check


def damaged_copy(sample, path):
    """The sample cut off in the middle of its pixels, as a broken download leaves it."""
    shutil.copyfile(sample, path)
    with open(path, "r+b") as picture:
        picture.truncate(os.path.getsize(path) // 2)


def test_without_pictures_the_error_box_ends_the_start(session):
    game = session.start(session.game_dir(pictures=[]))
    check(game.close_error_box() == 0, "the error box did not end the program with 0")
    check(not session.key_exists(), "the registry key was created")


def test_only_damaged_pictures_give_the_error_box(session):
    directory = session.game_dir(pictures=[])
    with open(os.path.join(directory, "Puzzle1.bmp"), "w") as text:
        text.write("not a bitmap\n")
    damaged_copy(session.samples[0], os.path.join(directory, "Puzzle2.bmp"))
    check(session.start(directory).close_error_box() == 0, "no error box for damaged pictures")
    check(not session.key_exists(), "the registry key was created")


def test_a_damaged_first_picture_still_starts_the_game(session):
    directory = session.game_dir(pictures=[session.samples[0]])
    damaged_copy(session.samples[0], os.path.join(directory, "Puzzle0.bmp"))
    game = session.start(directory)
    game.wait_window()
    check(game.client()[2:] == driver.picture_size(session.samples[0]),
          "the window is not sized for the good picture")


if __name__ == "__main__":
    driver.run(test_without_pictures_the_error_box_ends_the_start,
               test_only_damaged_pictures_give_the_error_box,
               test_a_damaged_first_picture_still_starts_the_game)
