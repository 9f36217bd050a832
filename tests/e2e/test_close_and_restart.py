#!/usr/bin/env python3
"""Both ways of closing store the game; the next start continues it, also in
the middle of the preview; a malformed stored value is ignored and replaced."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, format_board  # noqa: E402


def start(session, directory):
    game = session.start_game(directory)
    game.wait_window()
    return game, game.wait_board()


def check_exit_code(game, how):
    code = game.wait_exit()
    check(code == 0, "exit code %d after closing through %s, expected 0" % (code, how))


def test_closing_through_the_caption_stores_the_game_and_a_restart_continues_it(session):
    directory = session.game_directory()
    game, board = start(session, directory)
    board = game.move_tile(board, driver.movable_cells(board)[0])
    picture = game.picture()[0]
    game.click_close_box()
    check_exit_code(game, "the close box")
    record = session.stored_record()
    check(record.board() == board and (record.preview_on, record.solved) == (0, 0),
          "stored board %s (preview %d, solved %d), shown %s" % (
              format_board(record.board()), record.preview_on, record.solved,
              format_board(board)))

    again, restored = start(session, directory)
    check(again.picture()[0] == picture, "the restart shows another picture")
    check(restored == board, "the restart shows %s instead of %s"
          % (format_board(restored), format_board(board)))

    # Even without a move the end of the run writes the record, creating
    # every level of the key.
    session.delete_stored_state()
    again.close_through_menu()
    check_exit_code(again, "\"Zam&knij\"")
    check(session.stored_record().raw == record.raw, "the record stored again differs")


def test_closing_through_the_menu_during_the_preview_restarts_in_the_preview(session):
    directory = session.game_directory()
    game, board = start(session, directory)
    game.key("F3")
    check(game.wait_board(differs_from=board) == driver.solved_board(), "no preview")
    game.close_through_menu()
    check_exit_code(game, "\"Zam&knij\"")
    record = session.stored_record()
    check((record.preview_on, record.solved) == (1, 0), "stored previewOn %d, solved %d"
          % (record.preview_on, record.solved))
    check(record.board() == driver.solved_board() and record.saved_board() == board,
          "stored board %s and saved board %s" % (format_board(record.board()),
                                                 format_board(record.saved_board())))

    again, restored = start(session, directory)
    check(restored == driver.solved_board(), "the restart shows %s, not the preview"
          % format_board(restored))
    again.key("F4")
    resumed = again.wait_board(differs_from=restored)
    check(resumed == board, "F4 after the restart gave %s instead of %s"
          % (format_board(resumed), format_board(board)))
    again.close_through_menu()
    check_exit_code(again, "\"Zam&knij\"")


def test_a_malformed_stored_value_is_ignored_and_replaced(session):
    directory = session.game_directory()
    won = driver.record_bytes(1, 4, session.windows_path(os.path.join(directory, "Puzzle1.bmp")),
                              0, 1, driver.won_board(), driver.won_board())
    for type_code, data, what in ((3, won[:475], "475 bytes"), (3, won + b"\0", "477 bytes"),
                                  (0, won, "476 bytes of type REG_NONE")):
        session.store_value(type_code, data)
        game, board = start(session, directory)
        check(board[15] == driver.EMPTY and board != driver.won_board(),
              "a stored value of %s was taken: the board is %s" % (what, format_board(board)))
        game.close_through_menu()
        check_exit_code(game, "\"Zam&knij\"")
        record = session.stored_record()
        check(record.board() == board and record.solved == 0,
              "after a value of %s the stored game is not the one played" % what)


if __name__ == "__main__":
    sys.exit(driver.main([
        test_closing_through_the_caption_stores_the_game_and_a_restart_continues_it,
        test_closing_through_the_menu_during_the_preview_restarts_in_the_preview,
        test_a_malformed_stored_value_is_ignored_and_replaced]))
