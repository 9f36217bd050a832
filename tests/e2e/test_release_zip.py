#!/usr/bin/env python3
"""The release archive beside the built Puzzle.exe holds exactly the game (the
one just built), the sample pictures and two readmes that Notepad reads on
every Windows; unpacked into an empty folder, the game starts there on its own
and shows one of the pictures."""
import os
import re
import struct
import tempfile
import zipfile

import puzzle_driver as driver
from puzzle_driver import check

BOM = b"\xef\xbb\xbf"
READMES = ["CZYTAJ.txt", "README.txt"]


def project_version(session):
    with open(os.path.join(session.source_dir, "CMakeLists.txt")) as top:
        return re.search(r"project\(Puzzle VERSION (\S+)", top.read()).group(1)


def archive(session):
    """Puzzle-<project version>-<win32|win64>.zip beside the executable: 32-bit or
    64-bit as the executable's PE header says."""
    with open(session.exe, "rb") as built:
        header = built.read(4096)
    machine = struct.unpack_from("<H", header, struct.unpack_from("<I", header, 0x3C)[0] + 4)[0]
    platform = {0x14C: "win32", 0x8664: "win64"}[machine]
    path = os.path.join(os.path.dirname(session.exe),
                        "Puzzle-%s-%s.zip" % (project_version(session), platform))
    check(os.path.isfile(path), "no release archive " + path)
    return zipfile.ZipFile(path)


def test_the_archive_holds_the_game_the_samples_and_the_readmes(session):
    with archive(session) as packed:
        expected = sorted(["Puzzle.exe"] + READMES + [os.path.basename(p) for p in session.samples])
        check(sorted(packed.namelist()) == expected,
              "the archive holds %s, not %s" % (sorted(packed.namelist()), expected))
        with open(session.exe, "rb") as built:
            game = built.read()
            check(packed.read("Puzzle.exe") == game, "the archive's Puzzle.exe is stale")
        # The version resource carries the project's version; the manifest the visual style.
        for key in ("ProductVersion", "FileVersion"):  # UTF-16, NUL-ended, padded to 4 bytes
            value = re.escape(key.encode("utf-16-le")) + b"(\0\0){1,2}" + \
                re.escape(project_version(session).encode("utf-16-le")) + b"\0\0"
            check(re.search(value, game), key + " is not the project's version")
        check(b'level="asInvoker"' in game and b"Microsoft.Windows.Common-Controls" in game,
              "the executable carries no application manifest")
        check(b"<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, System<"
              in game, "the manifest does not ask for per-monitor DPI awareness")
        for name in READMES:
            text = packed.read(name)
            check(text.startswith(BOM), name + " has no byte-order mark")
            check(text.count(b"\n") > 10 and text.count(b"\n") == text.count(b"\r\n"),
                  name + " does not end every line with CRLF")
            check(b"@VERSION@" not in text, name + " still holds the version placeholder")
            text.decode("utf-8")


def test_the_unpacked_game_starts_and_shows_a_picture(session):
    directory = tempfile.mkdtemp(dir=session.scratch)
    with archive(session) as packed:
        packed.extractall(directory)
    game = session.start(directory)
    game.wait_window()
    sizes = [driver.picture_size(sample) for sample in session.samples]
    check(game.client()[2:] in sizes, "the window is not sized for a sample picture")


if __name__ == "__main__":
    driver.run(test_the_archive_holds_the_game_the_samples_and_the_readmes,
               test_the_unpacked_game_starts_and_shows_a_picture)
