#!/usr/bin/env python3
"""A click on the tile beside the empty cell slides it there: the clicked cell
turns black and the empty cell shows the tile as it was drawn before."""

import puzzle_driver as driver
from puzzle_driver import check


def test_a_click_slides_the_tile_into_the_empty_cell(session):
    game = session.start(session.game_dir())
    game.wait_window()
    check(not any(game.cell(3, 3)), "a new game's bottom-right cell is not empty")
    tile = game.cell(3, 2)
    game.click_cell(3, 2)
    driver.poll(lambda: not any(game.cell(3, 2)), "the clicked cell to turn black")
    check(game.cell(3, 3) == tile, "the empty cell does not show the tile that was clicked")


if __name__ == "__main__":
    driver.run(test_a_click_slides_the_tile_into_the_empty_cell)
