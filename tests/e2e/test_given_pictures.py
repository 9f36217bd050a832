#!/usr/bin/env python3
"""A picture of the player's own, in one gesture: named on the command line
("Open with"; any name, relative or quoted; the first of several that loads),
handed by a second start to the running game, or dropped on the window (a real
XDnD drop, which Wine turns into WM_DROPFILES). What does not load changes
nothing but for the warning sound; a restart continues the given picture."""
import os
import subprocess
import tempfile
import time

import puzzle_driver as driver
from puzzle_driver import check

DROP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "xdnd_drop.py")


def photo(path, width, height):
    driver.write_picture(path, width, height, [bytes(v for x in range(width) for v in (x, y, 99))
                                               for y in range(height)])
    return path


def not_pictures(directory):
    """A folder and a text file, both named as pictures."""
    os.mkdir(directory + "/a folder.png")
    with open(directory + "/notes.png", "w") as notes:
        notes.write("not a picture\n")
    return [directory + "/a folder.png", directory + "/notes.png"]


def size(game):
    return game.client()[2:4]


def traced_start(session, directory):
    """A game whose calls of MessageBeep Wine writes to its log (beeps counts them)."""
    session.run("wine", "reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude", "/t", "REG_SZ",
                "/d", "user32.MessageBeep", "/f")
    game = session.start(directory, winedebug="+relay")
    game.log = directory + "/wine.log"
    return game


def beeps(game):
    with open(game.log, errors="replace") as log:
        return log.read().count("Call user32.MessageBeep(00000030)")


def settled(game):
    """The board once anything sent to the game has had time to arrive."""
    time.sleep(1)
    return game.wait_board()


def test_the_first_picture_on_the_command_line_that_loads_is_the_first_game_and_continues(session):
    directory, elsewhere = session.game_dir(), tempfile.mkdtemp(dir=session.scratch)
    samples = {driver.picture_size(sample) for sample in session.samples}
    picture = "Z:" + photo(elsewhere + "/holiday photo.png", 150, 120).replace("/", "\\")
    bad = not_pictures(directory) + ["CON", "NUL", "y" * 30000]
    game = session.start(directory, arguments=[os.path.basename(path) for path in bad] + [picture, "Puzzle1.bmp"])
    board = game.wait_window()
    check(size(game) == (150, 120), "the named picture is not the first game: %s" % (size(game),))
    left, top, right, bottom = session.probe()["window"]
    screen = session.probe()["work"]
    check(abs(left + right - screen[0] - screen[2]) <= 1 and abs(top + bottom - screen[1] - screen[3]) <= 1,
          "the window is not centred for the named picture")
    game.close_by_menu()
    check(game.wait_exit() == 0, "the game did not end with 0")

    again = session.start(directory)
    check(again.wait_window() == board and size(again) == (150, 120), "the restart did not continue it")
    again.keys("F2")
    again.wait_board(differs_from=board)
    check(size(again) in samples, "F2 did not take a picture of the catalogue")


def test_beside_no_picture_a_named_one_plays_by_any_name_and_a_bad_one_gives_the_box(session):
    directory = session.game_dir(pictures=[])
    photo(directory + "/фото моря.png", 200, 90)
    game = session.start(directory, arguments=["", '"фото моря.png"'])
    game.wait_window()
    check(size(game) == (200, 90), "the picture of a Cyrillic name did not play: %s" % (size(game),))
    game.close_by_menu()  # a stored game whose picture loads does not count as one beside the game
    check(game.wait_exit() == 0, "the game did not end with 0")
    check(session.start(directory, arguments=["missing.png"]).close_error_box() == 0,
          "a path that does not load beside no picture did not end in the error box")


def test_a_second_start_hands_its_picture_to_the_running_game(session):
    first = session.start(session.game_dir())
    board = first.wait_window()
    shown = first.geometry()
    first.click_caption(driver.MINIMISE_BOX)
    driver.poll(lambda: first.geometry() != shown, "the window to be minimised")

    other = session.game_dir(pictures=[])
    photo(other + "/handed.png", 180, 140)
    check(session.start(other, arguments=["handed.png"]).wait_exit() == 0, "the second start did not end with 0")
    driver.poll(lambda: session.windows(visible=True) == [first.window], "the first window restored")
    handed = first.wait_board(differs_from=board)
    check(size(first) == (180, 140), "the running game did not play the handed picture: %s" % (size(first),))
    check(session.windows() == [first.window], "another game window exists")

    check(session.start(other, arguments=["missing.png"]).wait_exit() == 0, "a bad second start did not end with 0")
    check(settled(first) == handed, "a path that does not load changed the running game")


def drop(game, *paths):
    x, y, width, height = game.client()
    result = subprocess.run(["/usr/bin/python3", DROP, str(game.window), str(x + width // 2),
                             str(y + height // 2), *paths], env=game.session.env, capture_output=True, timeout=30)
    check(result.returncode == 0, "the drop failed: %s" % result.stderr.decode())


def test_files_dropped_on_the_window_play_the_first_picture_among_them(session):
    game = traced_start(session, session.game_dir())
    board = game.wait_window()
    game.keys("F3")
    game.wait_board(differs_from=board)
    files = tempfile.mkdtemp(dir=session.scratch)
    bad = not_pictures(files)
    drop(game, *bad, photo(files + "/zdjęcie żółwia.png", 160, 100), photo(files + "/second.png", 120, 100))
    driver.poll(lambda: size(game) == (160, 100), "the dropped picture to play")
    played = game.wait_board()
    check(beeps(game) == 0, "a drop that played warned")

    drop(game, *bad, *("%s/gone %d.png" % (files, i) for i in range(1000)))
    check(settled(game) == played and size(game) == (160, 100), "a drop of no picture changed the game")
    check(beeps(game) == 1, "a drop of no picture gave %d warning sounds, not one" % beeps(game))


if __name__ == "__main__":
    driver.run(test_the_first_picture_on_the_command_line_that_loads_is_the_first_game_and_continues,
               test_beside_no_picture_a_named_one_plays_by_any_name_and_a_bad_one_gives_the_box,
               test_a_second_start_hands_its_picture_to_the_running_game,
               test_files_dropped_on_the_window_play_the_first_picture_among_them)
