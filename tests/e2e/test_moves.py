#!/usr/bin/env python3
"""Clicks on the board: a press and release on a tile next to the empty cell
slides it there; every other click leaves the board alone."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, format_board  # noqa: E402


def lighten(value):
    return min(255, value + 20)


def darken(value):
    return max(0, value - 20)


def test_a_click_slides_the_tile_into_the_empty_cell(session):
    game = session.start_game(session.game_directory())
    game.wait_window()
    board = game.wait_board()
    # left of the empty cell, then from above it: both axes
    board = game.move_tile(board, (3, 2))
    board = game.move_tile(board, (2, 2))

    # the moved tile is drawn with its bevel in its new cell
    tile = board[3 * 4 + 2]
    _, index, pic_w, pic_h = game.picture()
    colour = driver.tile_colour(index, tile // 4, tile % 4)
    ox, oy = game.client_origin()
    cell_w, cell_h = pic_w // 4, pic_h // 4
    shot = session.screenshot(ox + 2 * cell_w, oy + 3 * cell_h, cell_w, cell_h)
    check(shot.pixel(0, 0) == tuple(lighten(v) for v in colour), "top-left corner not lightened")
    check(shot.pixel(cell_w - 1, cell_h - 1) == tuple(darken(v) for v in colour),
          "bottom-right corner not darkened")
    check(shot.pixel(1, cell_h // 2) == colour, "the tile's inside is not the picture's")
    empty = session.screenshot(ox + 2 * cell_w, oy + 2 * cell_h, cell_w, cell_h)
    check(all(pixel == driver.BLACK for pixel in empty.pixels()),
          "the cell the tile left is not all black")


def test_clicks_against_the_rule_do_nothing(session):
    game = session.start_game(session.game_directory())
    game.wait_window()
    board = game.wait_board()
    game.click_cell((3, 1))  # two cells from the empty one
    game.click_cell((2, 2))  # diagonal neighbour
    game.click_cell((3, 3))  # the empty cell itself
    game.drag_between((3, 2), (2, 3))  # press and release on two movable tiles
    # Input is handled in order: had any click above moved a tile, this move
    # would not give the board that one move makes from the first.
    game.move_tile(board, (2, 3))


if __name__ == "__main__":
    sys.exit(driver.main([test_a_click_slides_the_tile_into_the_empty_cell,
                          test_clicks_against_the_rule_do_nothing]))
