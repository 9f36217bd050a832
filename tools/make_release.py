#!/usr/bin/env python3
"""Packs the release archive of the game: a flat zip for players to unpack
and play.

    make_release.py --version X.Y.Z --output ARCHIVE.zip FILE...

Each FILE goes into the archive's root under its own name. Text files
(*.txt, kept in the repository as UTF-8 with LF line ends) are written the
way Notepad reads them on every Windows: UTF-8 with a byte-order mark and
CRLF line ends, "@VERSION@" replaced by the version. Other files go in
unchanged.
"""
import argparse
import os
import sys
import zipfile

BOM = b"\xef\xbb\xbf"


def windows_text(path, version):
    with open(path, encoding="utf-8") as source:
        text = source.read().replace("@VERSION@", version)
    return BOM + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()

    names = [os.path.basename(path) for path in args.files]
    if len(set(name.lower() for name in names)) != len(names):
        sys.exit("make_release.py: two files share a name: %s" % " ".join(sorted(names)))

    partial = args.output + ".part"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path, name in zip(args.files, names):
            if name.lower().endswith(".txt"):
                info = zipfile.ZipInfo.from_file(path, name)
                info.compress_type = zipfile.ZIP_DEFLATED
                archive.writestr(info, windows_text(path, args.version))
            else:
                archive.write(path, name)
    os.replace(partial, args.output)


if __name__ == "__main__":
    main()
