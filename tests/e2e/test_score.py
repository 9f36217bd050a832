#!/usr/bin/env python3
"""The caption counts a game's moves and time from its first move, in the preview too, to its
win; the record of its grid size shows before the next game's first move, also after a restart;
a worse game keeps the record, and a damaged score leaves the stored game playable but uncounted
until the next new game."""
import re
import struct
import time

import puzzle_driver as driver
from puzzle_driver import check

TITLE = driver.TITLE


def fingerprint(record):
    """FNV-1a of 64 bits: how the stored score names the record it counts."""
    mark = 0xCBF29CE484222325
    for byte in record:
        mark = ((mark ^ byte) * 0x100000001B3) % 2 ** 64
    return mark


def store_game(session, directory, empty_column, record_4x4=(0, 0)):
    """A counted game near its win (the gap on the bottom row), no move yet, and a record of 4x4."""
    record = driver.near_solved(directory + "/Puzzle1.bmp", empty_column=empty_column)
    session.store(record)
    mark = fingerprint(record)
    score = struct.pack("<12I", 1, mark % 2 ** 32, mark >> 32, 1, 0, 0, 0, 0, *record_4x4, 0, 0)
    session.run("wine", "reg", "add", driver.STATE_KEY, "/v", "Score", "/t", "REG_BINARY", "/d", score.hex(), "/f")
    return score


def wait_caption(game, pattern):
    return driver.poll(lambda: re.fullmatch(re.escape(TITLE) + pattern, game.caption()),
                       "the caption %r, not %r" % (pattern, game.caption()), game)


def test_a_game_is_counted_to_its_win_and_its_record_shows_at_the_next_game_and_start(session):
    directory = session.game_dir(session.samples[:1])
    store_game(session, directory, empty_column=0)
    game = session.start(directory)
    game.wait_window()
    check(game.caption() == TITLE, "before the first move without a record: %r" % game.caption())
    game.click_cell(3, 1)
    wait_caption(game, " - 1 ruch, 0:00")
    game.keys("F3")
    driver.poll(lambda: any(game.cell(3, 1)), "the preview", game)
    wait_caption(game, " - 1 ruch, 0:0[1-9]")  # looking at the picture costs time
    game.keys("F4")
    game.click_cell(3, 2)
    game.click_cell(3, 3)
    shown = wait_caption(game, " - ułożone: 3 ruchy, (0:0[1-9]) - nowy rekord").group(1)
    time.sleep(1.5)
    check(game.caption().endswith(shown + " - nowy rekord"), "the clock ran on after the win")
    game.keys("F2")
    record = " - rekord 4x4: 3 ruchy, " + shown
    wait_caption(game, re.escape(record))
    game.close_by_menu()
    check(game.wait_exit() == 0, "the game did not end well")
    game = session.start(directory)
    game.wait_window()
    check(game.caption() == TITLE + record, "after a restart: %r" % game.caption())


def win_in_two_and_start_anew(game, caption):
    """Wins the stored game, waits for the caption after the win, and gives the next game's."""
    game.click_cell(3, 2)
    game.click_cell(3, 3)
    driver.poll(lambda: any(game.cell(3, 3)), "the win", game)
    wait_caption(game, caption)
    won = game.wait_board()
    game.keys("F2")
    game.wait_board(differs_from=won)
    return game.caption()


def test_a_worse_game_keeps_the_record_and_a_damaged_score_counts_nothing(session):
    directory = session.game_dir(session.samples[:1])
    score = store_game(session, directory, empty_column=1, record_4x4=(1, 0))
    game = session.start(directory)
    game.wait_window()
    record = " - rekord 4x4: 1 ruch, 0:00"
    check(game.caption() == TITLE + record, "before the first move: %r" % game.caption())
    after = win_in_two_and_start_anew(game, r" - ułożone: 2 ruchy, 0:0\d")
    check(after == TITLE + record, "the next game's caption: %r" % after)
    game.close_by_menu()
    check(game.wait_exit() == 0, "the game did not end well")

    store_game(session, directory, empty_column=1)
    session.run("wine", "reg", "add", driver.STATE_KEY, "/v", "Score", "/t", "REG_BINARY", "/d",
                score[:-1].hex(), "/f")
    game = session.start(directory)
    game.wait_window()
    check(game.caption() == TITLE, "with a damaged score: %r" % game.caption())
    after = win_in_two_and_start_anew(game, "")
    check(after == TITLE, "an uncounted game set a record: %r" % after)
    game.click_cell(3, 2)
    wait_caption(game, " - 1 ruch, 0:00")  # the next new game is counted


if __name__ == "__main__":
    driver.run(test_a_game_is_counted_to_its_win_and_its_record_shows_at_the_next_game_and_start,
               test_a_worse_game_keeps_the_record_and_a_damaged_score_counts_nothing)
