#!/usr/bin/env python3
"""The release archive beside the built Puzzle.exe: it holds exactly the game
(the one just built), the sample pictures and two readmes that Notepad reads
on every Windows; unpacked into an empty folder, the game starts there on its
own and shows one of the pictures."""
import glob
import os
import re
import struct
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import puzzle_driver as driver  # noqa: E402
from puzzle_driver import check, poll  # noqa: E402

BOM = b"\xef\xbb\xbf"
READMES = ("CZYTAJ.txt", "README.txt")


def archive_path(session):
    """Puzzle-<project version>-<win32|win64>.zip beside the executable."""
    with open(os.path.join(session.source_dir, "CMakeLists.txt")) as f:
        version = re.search(r"project\(Puzzle VERSION (\S+)", f.read()).group(1)
    path = os.path.join(os.path.dirname(session.exe),
                        "Puzzle-%s-%s.zip" % (version, session.env["WINEARCH"]))
    check(os.path.isfile(path), "no release archive %s" % path)
    return path


def sample_sizes(session):
    """{name: (width, height)} of the sample pictures in the source tree."""
    sizes = {}
    for path in glob.glob(os.path.join(session.source_dir, "app", "assets", "samples", "Puzzle*.bmp")):
        with open(path, "rb") as f:
            sizes[os.path.basename(path)] = struct.unpack_from("<ii", f.read(26), 18)
    return sizes


def test_the_archive_holds_the_game_the_samples_and_the_readmes(session):
    with zipfile.ZipFile(archive_path(session)) as archive:
        expected = sorted(["Puzzle.exe", *READMES, *sample_sizes(session)])
        check(sorted(archive.namelist()) == expected,
              "the archive holds %s, expected %s" % (sorted(archive.namelist()), expected))
        with open(session.exe, "rb") as built:
            check(archive.read("Puzzle.exe") == built.read(), "the archive's Puzzle.exe is stale")
        for name in READMES:
            text = archive.read(name)
            check(text.startswith(BOM), "%s has no byte-order mark" % name)
            check(text.count(b"\n") > 10 and text.count(b"\n") == text.count(b"\r\n"),
                  "%s does not end every line with CRLF" % name)
            check(b"@VERSION@" not in text, "%s still holds the version placeholder" % name)
            text.decode("utf-8")


def test_the_unpacked_game_starts_and_shows_a_picture(session):
    directory = tempfile.mkdtemp(prefix="unpacked-", dir=session.scratch)
    with zipfile.ZipFile(archive_path(session)) as archive:
        archive.extractall(directory)
    game = session.start_game(directory)

    def shown():
        game.check_running("showing its window")
        windows = session.windows_named(driver.TITLE)
        return windows[0] if len(windows) == 1 else None
    game.window = poll(shown, 20, "the window \"%s\"" % driver.TITLE)

    # Wine draws the frame (Managed=N): equal side frames, a caption and a menu
    # bar above the client area, which has the picture's size.
    x, y, width, height = game.geometry()
    fitting = []
    for picture_w, picture_h in sample_sizes(session).values():
        frame, odd = divmod(width - picture_w, 2)
        top = height - picture_h - frame
        if not odd and 0 < frame <= 8 and frame + 20 <= top <= frame + 80:
            fitting.append((picture_w, picture_h, frame))
    check(len(fitting) == 1, "a %dx%d window fits no single sample picture" % (width, height))
    picture_w, picture_h, frame = fitting[0]

    def painted():
        shot = session.screenshot(x + frame, y + height - frame - picture_h, picture_w, picture_h)
        return True if len(set(shot.pixels())) > 12 else None
    poll(painted, 10, "a picture in the client area")

    game.close_through_menu()
    code = game.wait_exit()
    check(code == 0, "exit code %d after Gra > Zamknij, expected 0" % code)


if __name__ == "__main__":
    sys.exit(driver.main([test_the_archive_holds_the_game_the_samples_and_the_readmes,
                          test_the_unpacked_game_starts_and_shows_a_picture]))
