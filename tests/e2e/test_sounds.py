#!/usr/bin/env python3
"""With sound on, each accepted move plays the whole move sound and the winning
move the whole win sound after its own; with sound off ("Opcje" -> "Dźwięk") or
on a refused click nothing plays. Heard in Wine's traces: each PlaySound call,
and the frames its playback handed to the audio device, the test environment's
PulseAudio server, against the frames of the WAVE file behind the resource."""

import os
import re
import wave

import puzzle_driver as driver
from puzzle_driver import check

MOVE, WIN, ASYNC_RESOURCE = 109, 110, 0x40005  # SND_RESOURCE | SND_ASYNC
TRACES = "trace+winmm,trace+pulse,trace+mmdevapi"
CALL = re.compile(r":MULTIMEDIA_PlaySound pszSound='(\w+)' hmod=\w+ fdwSound=(\w+)")
# The render client's, in the audio driver or in mmdevapi by the Wine version.
FRAMES = re.compile(r"ReleaseBuffer \(\w+\)->\((\d+), \w+\)")


def sounds(log):
    """[resource, flags, frames, ended] of each PlaySound call. A call's playback
    starts only once the one before it has ended (and so is cut short)."""
    heard, playing = [], -1
    for line in open(log, errors="replace"):
        if call := CALL.search(line):
            heard.append([int(call[1], 16), int(call[2], 16), 0, False])
        elif ":proc_PlaySound SoundName=" in line:
            playing += 1
        elif frames := FRAMES.search(line):
            heard[playing][2] += int(frames[1])
        elif ":proc_PlaySound Done playing=" in line:
            heard[playing][3] = True
    return heard


def hear(log, expected):
    """Waits until as many sounds as expected have ended and compares (resource,
    frames) with them, frames None where a sound may be cut short."""
    heard = driver.poll(lambda: (calls := sounds(log)) and len(calls) >= len(expected)
                        and all(call[3] for call in calls) and calls,
                        "%d sounds played to their end" % len(expected))
    got = [(resource, frames if length else None)
           for (resource, _, frames, _), (_, length) in zip(heard, expected)]
    check(len(heard) == len(expected) and got == expected
          and all(flags == ASYNC_RESOURCE for _, flags, _, _ in heard),
          "heard %s (resource, flags, frames, ended), expected %s" % (heard, expected))


def streams(server_log):
    """Playback streams the server was given, Wine's format probes left out."""
    return len(re.findall(r'Created input \d+ "(?!format test stream")', open(server_log).read()))


def toggle_sound(game):
    game.keys("alt+o", "Up", "Return")  # "&Opcje", its last item


def test_accepted_moves_and_the_win_play_whole_sounds_unless_sound_is_off(session):
    directory = session.game_dir()
    # 4 x 4, solved but for the gap at (3, 2) and tile 14 at (3, 3)
    session.store(driver.near_solved(directory + "/Puzzle1.bmp", empty_column=2))
    move, win = (wave.open(session.source_dir + "/app/assets/" + name).getnframes()
                 for name in ("move.wav", "solved.wav"))
    server_log = os.path.dirname(session.env["PULSE_CLIENTCONFIG"]) + "/server.log"
    streams_before = streams(server_log)
    game = session.start(directory, TRACES)
    board = game.wait_window()
    check(not any(game.cell(3, 2)), "the stored game was not continued")

    toggle_sound(game)
    for cell in (2, 2), (3, 2):  # there and back
        game.click_cell(*cell)
        board = game.wait_board(differs_from=board)
    toggle_sound(game)
    game.click_cell(0, 0)  # refused: not beside the empty cell
    expected = []
    for cell, played in ((2, 2), [(MOVE, move)]), ((3, 2), [(MOVE, move)]), \
                        ((3, 3), [(MOVE, None), (WIN, win)]):
        game.click_cell(*cell)
        hear(directory + "/wine.log", expected := expected + played)
    check(streams(server_log) - streams_before == len(expected),
          "the PulseAudio server was not given a stream for each sound")


if __name__ == "__main__":
    driver.run(test_accepted_moves_and_the_win_play_whole_sounds_unless_sound_is_off)
