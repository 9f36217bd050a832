#!/usr/bin/env python3
"""The caption counts a game's moves and time from its first move, in the preview too, to its
win; the records of its grid size, each kept on its own, show before the next game's first move,
also after a restart; beside a damaged score the stored game plays uncounted, the next one counted."""
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


def store_game(session, directory, empty_column, record_4x4, cut=0):
    """A counted game near its win (the gap on the bottom row), no move yet, and a record of 4x4;
    the score `cut` bytes short."""
    record = driver.near_solved(directory + "/Puzzle1.bmp", empty_column=empty_column)
    session.store(record)
    mark = fingerprint(record)
    score = struct.pack("<12I", 1, mark % 2 ** 32, mark >> 32, 1, 0, 0, 0, 0, *record_4x4, 0, 0)
    session.run("wine", "reg", "add", driver.STATE_KEY, "/v", "Score", "/t", "REG_BINARY", "/d",
                score[:len(score) - cut].hex(), "/f")


def wait_caption(game, pattern):
    return driver.poll(lambda: re.fullmatch(re.escape(TITLE) + pattern, game.caption()),
                       "the caption %r, not %r" % (pattern, game.caption()), game).group(0)


def test_a_game_is_counted_to_its_win_and_its_records_show_at_the_next_game_and_start(session):
    directory = session.game_dir(session.samples[:1])
    store_game(session, directory, empty_column=0, record_4x4=(5, 0))
    game = session.start(directory)
    game.wait_window()
    check(game.caption() == TITLE + " - rekord 4x4: 5 ruchów, 0:00", "at the start: %r" % game.caption())
    game.click_cell(3, 1)
    wait_caption(game, " - 1 ruch, 0:00")
    game.keys("F3")
    driver.poll(lambda: any(game.cell(3, 1)), "the preview", game)
    wait_caption(game, " - 1 ruch, 0:0[2-9]")  # looking at the picture costs time
    game.keys("F4")
    game.click_cell(3, 2)
    game.click_cell(3, 3)
    won = wait_caption(game, " - ułożone: 3 ruchy, 0:0[2-9] - nowy rekord")
    time.sleep(1.5)
    check(game.caption() == won, "the clock ran on after the win: %r" % game.caption())
    game.keys("F2")
    record = " - rekord 4x4: 3 ruchy, 0:00"  # fewer moves; the shorter time kept
    wait_caption(game, re.escape(record))
    game.close_by_menu()
    check(game.wait_exit() == 0, "the game did not end well")
    game = session.start(directory)
    game.wait_window()
    check(game.caption() == TITLE + record, "after a restart: %r" % game.caption())


def test_beside_a_damaged_score_the_stored_game_plays_uncounted_until_a_new_game(session):
    directory = session.game_dir(session.samples[:1])
    store_game(session, directory, empty_column=1, record_4x4=(1, 0), cut=1)
    game = session.start(directory)
    game.wait_window()
    check(game.caption() == TITLE, "with a damaged score: %r" % game.caption())
    game.click_cell(3, 2)
    game.click_cell(3, 3)
    driver.poll(lambda: any(game.cell(3, 3)), "the win", game)
    won = game.wait_board()
    check(game.caption() == TITLE, "an uncounted game's win: %r" % game.caption())
    game.keys("F2")
    game.wait_board(differs_from=won)
    check(game.caption() == TITLE, "a record beside a damaged score: %r" % game.caption())
    game.click_cell(3, 2)
    wait_caption(game, " - 1 ruch, 0:00")


if __name__ == "__main__":
    driver.run(test_a_game_is_counted_to_its_win_and_its_records_show_at_the_next_game_and_start,
               test_beside_a_damaged_score_the_stored_game_plays_uncounted_until_a_new_game)
