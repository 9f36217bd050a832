#!/usr/bin/env python3
"""Without a usable picture the program shows its error box, ends with 0 when
the box is closed, and leaves the registry alone; a damaged picture is one
that does not load, also when it is the first one found."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check  # noqa: E402


def write_damaged_picture(path):
    """A 120x90 picture cut off in the middle of its pixels."""
    driver.write_grid_picture(path, 0, 120, 90)
    with open(path, "r+b") as picture:
        picture.truncate(54 + 120 * 90 * 3 // 2)


def error_box_then_exit(session, directory):
    game = session.start_game(directory)
    box = game.wait_error_box()
    check(session.windows_named(driver.TITLE, visible=False) == [],
          "a game window exists next to the error box")
    game.close_error_box(box)
    check(not session.key_exists(driver.MAKER_KEY), "the registry key was created")


def test_empty_directory_shows_the_error_box(session):
    error_box_then_exit(session, session.game_directory(pictures=()))


def test_only_unloadable_pictures_show_the_error_box(session):
    directory = session.game_directory(pictures=())
    with open(os.path.join(directory, "Puzzle1.bmp"), "w") as damaged:
        damaged.write("not a bitmap\n")
    open(os.path.join(directory, "Puzzle2.bmp"), "w").close()
    write_damaged_picture(os.path.join(directory, "Puzzle3.bmp"))
    error_box_then_exit(session, directory)


def test_a_damaged_first_picture_still_starts_the_game(session):
    directory = session.game_directory(pictures=("Puzzle1.bmp",))
    write_damaged_picture(os.path.join(directory, "Puzzle0.bmp"))
    game = session.start_game(directory)
    game.wait_window()
    check(game.picture()[0] == "Puzzle1.bmp", "the window is not sized for the good picture")


if __name__ == "__main__":
    sys.exit(driver.main([test_empty_directory_shows_the_error_box,
                          test_only_unloadable_pictures_show_the_error_box,
                          test_a_damaged_first_picture_still_starts_the_game]))
