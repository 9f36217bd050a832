#!/usr/bin/env python3
"""A click on the tile beside the empty cell slides it there, along a row or
down a column: the clicked cell turns black and the empty cell shows the tile
as it was drawn before. A click further along the empty cell's row or column
slides every tile between, together; a click off both lines moves nothing,
and an arrow still moves one tile."""

import puzzle_driver as driver
from puzzle_driver import check


def click_line(game, cells):
    """Clicks cells[0], in line with the empty cell cells[-1]: waits for the clicked cell to
    turn black and checks that each tile went one cell on along the line."""
    line = [game.cell(*cell) for cell in cells]
    game.click_cell(*cells[0])
    driver.poll(lambda: not any(game.cell(*cells[0])), "cell %s to turn black" % (cells[0],), game)
    check([game.cell(*cell) for cell in cells[1:]] == line[:-1],
          "the tiles from %s did not slide one cell on towards %s" % (cells[0], cells[-1]))


def test_a_click_slides_every_tile_between_it_and_the_empty_cell(session):
    game = session.start(session.game_dir())
    game.wait_window()
    check(not any(game.cell(3, 3)), "a new game's bottom-right cell is not empty")
    click_line(game, [(3, 2), (3, 3)])  # the tile beside the empty cell
    click_line(game, [(2, 2), (3, 2)])
    click_line(game, [(2, 0), (2, 1), (2, 2)])  # along a row
    click_line(game, [(0, 0), (1, 0), (2, 0)])  # down the left column
    unmoved = [(row, column) for row in range(4) for column in range(4) if row or column > 1]
    board = [game.cell(*cell) for cell in unmoved]
    tile = game.cell(0, 1)
    game.click_cell(2, 2)  # off both lines of the empty cell at (0, 0)
    game.keys("Left")  # handled after the click
    driver.poll(lambda: not any(game.cell(0, 1)), "Left to move the tile at (0, 1)", game)
    check(game.cell(0, 0) == tile, "Left did not move one tile into the empty cell")
    check([game.cell(*cell) for cell in unmoved] == board, "the click off the empty cell's lines moved a tile")


if __name__ == "__main__":
    driver.run(test_a_click_slides_every_tile_between_it_and_the_empty_cell)
