#!/usr/bin/env python3
"""A click on the tile beside the empty cell slides it there, along a row or
down a column: the clicked cell turns black and the empty cell shows the tile
as it was drawn before. A click further along the empty cell's row or column
slides every tile between, together; a click off both lines moves nothing,
and an arrow still moves one tile. A strip can win the game."""

import puzzle_driver as driver
from puzzle_driver import check


def test_a_click_slides_the_tile_into_the_empty_cell(session):
    game = session.start(session.game_dir())
    game.wait_window()
    check(not any(game.cell(3, 3)), "a new game's bottom-right cell is not empty")
    for clicked, gap in ((3, 2), (3, 3)), ((2, 2), (3, 2)):
        tile = game.cell(*clicked)
        game.click_cell(*clicked)
        driver.poll(lambda: not any(game.cell(*clicked)), "cell %s to turn black" % (clicked,))
        check(game.cell(*gap) == tile, "cell %s does not show the tile clicked" % (gap,))


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
    click_line(game, [(3, 0), (3, 1), (3, 2), (3, 3)])  # along the bottom row
    click_line(game, [(0, 0), (1, 0), (2, 0), (3, 0)])  # down the left column
    unmoved = [(row, column) for row in range(4) for column in range(4) if row or column > 1]
    board = [game.cell(*cell) for cell in unmoved]
    tile = game.cell(0, 1)
    game.click_cell(2, 2)  # off both lines of the empty cell at (0, 0)
    game.keys("Left")  # handled after the click
    driver.poll(lambda: not any(game.cell(0, 1)), "Left to move the tile at (0, 1)", game)
    check(game.cell(0, 0) == tile, "Left did not move one tile into the empty cell")
    check([game.cell(*cell) for cell in unmoved] == board, "the click off the empty cell's lines moved a tile")


def test_a_strip_that_puts_every_tile_in_place_wins(session):
    directory = session.game_dir()
    session.store(driver.near_solved(directory + "/Puzzle1.bmp", empty_column=0))
    game = session.start(directory)
    game.wait_window()
    tiles = [game.cell(3, column) for column in (1, 2, 3)]
    game.click_cell(3, 3)
    driver.poll(lambda: any(game.cell(3, 3)) and game.cell(3, 3) not in tiles, "the last tile to be put in", game)
    check([game.cell(3, column) for column in (0, 1, 2)] == tiles, "the bottom row did not slide left")


if __name__ == "__main__":
    driver.run(test_a_click_slides_the_tile_into_the_empty_cell,
               test_a_click_slides_every_tile_between_it_and_the_empty_cell,
               test_a_strip_that_puts_every_tile_in_place_wins)
