#!/usr/bin/env python3
"""The arrow keys play as clicks on the tile beside the empty cell, the arrow
naming the way the tile moves; the keypad's 4 is Left with Num Lock on and off,
Shift and Ctrl change nothing; Alt with an arrow, and arrows during the preview
or after the win, move nothing. A key held down moves one tile per key-down
message. The key-down messages the window handled are read in Wine's trace."""

import re

import puzzle_driver as driver
from puzzle_driver import check

TRACE = "+message"
# The X keycode of the keypad's 4 / Left key, sent as such: given one of the key's
# names, xdotool presses Num Lock on its own.
KEYPAD_4 = "83"
VK_LEFT, VK_RIGHT, VK_NUMPAD4, EXTENDED, REPEATED = 0x25, 0x27, 0x64, 1 << 24, 1 << 30
ARROWS = {VK_LEFT, 0x26, VK_RIGHT, 0x28, 0x62, VK_NUMPAD4, 0x66, 0x68}
KEY_MESSAGE = re.compile(r'spy_(enter|exit)_message +\(\w+\) L"[^"]*" \[\w+\] '
                         r'(WM_(?:SYS)?KEY(?:DOWN|UP)) (?:dispatched +wp=(\w+) lp=(\w+))?')


def handled_keys(log):
    """(message, virtual key, lParam) of the key messages that the window procedure has
    returned from, in order (the default procedure's nested lines name no window)."""
    keys, handled = [], 0
    for line in open(log, errors="replace"):
        if found := KEY_MESSAGE.search(line):
            if found[1] == "enter":
                keys.append((found[2], int(found[3], 16), int(found[4], 16)))
            else:
                handled = len(keys)
    return keys[:handled]


def arrow_downs(log):
    return [key for key in handled_keys(log) if "DOWN" in key[0] and key[1] in ARROWS]


def press(game, log, *keys):
    """Presses keys, one of them an arrow: its key-down, once handled, and the board then."""
    before = len(arrow_downs(log))
    game.keys(*keys)
    down = driver.poll(lambda: (downs := arrow_downs(log))[before:] and downs[-1],
                       "the window to handle %s" % (keys,), game)
    return down, game.wait_board()


def test_arrows_play_to_the_win_and_move_nothing_with_alt_in_the_preview_or_after(session):
    directory = session.game_dir()
    session.store(driver.near_solved(directory + "/Puzzle1.bmp", empty_column=2))
    log = directory + "/wine.log"
    game = session.start(directory, TRACE)
    board = game.wait_window()
    down, shown = press(game, log, "alt+Left")
    check(down[0] == "WM_SYSKEYDOWN" and shown == board, "Alt+Left was not left to the system")
    game.keys("F3")
    preview = game.wait_board(differs_from=board)
    check(press(game, log, "Right")[1] == preview, "an arrow moved a tile during the preview")
    game.keys("F4")
    check(game.wait_board(differs_from=preview) == board, "the game after the preview changed")

    keypad = []
    # The tiles left of and above the empty cell at (3, 2), each there and back.
    for keys, tile_cell, empty in ((["shift+Right"], (3, 1), (3, 2)), ([KEYPAD_4], (3, 2), (3, 1)),
                                   (["ctrl+Down"], (2, 2), (3, 2)), (["Up"], (3, 2), (2, 2))):
        tile = game.cell(*tile_cell)
        down, _ = press(game, log, *keys)
        keypad += [down[1:]] * (keys == [KEYPAD_4])
        check(game.cell(*empty) == tile and not any(game.cell(*tile_cell)),
              "%s did not slide the tile at %s into %s" % (keys, tile_cell, empty))
    tile = game.cell(3, 3)
    down, board = press(game, log, "Num_Lock", KEYPAD_4)
    keypad.append(down[1:])
    check(game.cell(3, 2) == tile and any(game.cell(3, 3)), "the keypad's 4 did not win the game")
    check({(key, lp & EXTENDED) for key, lp in keypad} == {(VK_LEFT, 0), (VK_NUMPAD4, 0)},
          "the keypad's 4 did not come once with Num Lock off and once on: %s" % keypad)
    check(press(game, log, "Left")[1] == board, "an arrow moved a tile after the win")


def test_a_held_arrow_moves_one_tile_per_key_down_message(session):
    directory = session.game_dir()
    session.store(driver.near_solved(directory + "/Puzzle1.bmp", grid=5))  # empty at (4, 4)
    log = directory + "/wine.log"
    game = session.start(directory, TRACE)
    game.wait_window()
    # The X server repeats a held key after 660 ms, then every 40 ms: held 0.72 s, it
    # comes down about three times. Four tiles lie left of the empty cell; a key-down
    # after the fourth move finds the empty cell at the edge.
    session.xdotool("windowfocus", "--sync", game.window, "keydown", "Right", "sleep", 0.72,
                    "keyup", "Right")
    driver.poll(lambda: ("WM_KEYUP", VK_RIGHT) in [key[:2] for key in handled_keys(log)],
                "the window to handle the release", game)
    game.wait_board()
    downs = arrow_downs(log)
    empty = [column for column in range(5) if not any(game.cell(4, column, 5))]
    check(sum(lp & REPEATED != 0 for _, _, lp in downs) >= 2, "fewer than two repeats: %s" % downs)
    check(empty == [4 - min(len(downs), 4)],
          "%d key-down messages moved the empty cell to column %s" % (len(downs), empty))


if __name__ == "__main__":
    driver.run(test_arrows_play_to_the_win_and_move_nothing_with_alt_in_the_preview_or_after,
               test_a_held_arrow_moves_one_tile_per_key_down_message)
