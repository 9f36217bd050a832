#!/usr/bin/env python3
"""A click on the tile beside the empty cell slides it there, along a row or
down a column: the clicked cell turns black and the empty cell shows the tile
as it was drawn before."""

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


if __name__ == "__main__":
    driver.run(test_a_click_slides_the_tile_into_the_empty_cell)
