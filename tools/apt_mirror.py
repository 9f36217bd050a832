#!/usr/bin/env python3
"""The Debian mirror and proxy that this machine's own apt uses.

Prints two lines: the first http or https URI of the first enabled `deb`
entry for the host's own codename, in apt's order of its source files, and
the proxy apt takes for that URI; either line is empty where there is none.
    apt_mirror.py [--root DIR] [--codename NAME] [--apt-config-dump FILE]
"""
import argparse
import os
import re
import subprocess
import sys
from urllib.parse import urlsplit

USABLE_SCHEMES = ("http", "https")  # debootstrap cannot read the others
FALSE_WORDS = ("no", "false", "off", "without", "disable")
FILE_NAME = re.compile(r"^[A-Za-z0-9_.-]+\.(list|sources)$")  # as apt filters them
ONE_LINE = re.compile(r"^\s*(\S+)\s+(?:\[[^\]]*\]\s*)?(\S+)\s+(\S+)")


def source_files(root):
    """/etc/apt/sources.list, then sources.list.d's files by name, as apt reads them."""
    etc = os.path.join(root, "etc/apt")
    parts = os.path.join(etc, "sources.list.d")
    names = sorted(filter(FILE_NAME.match, os.listdir(parts))) if os.path.isdir(parts) else []
    return [os.path.join(etc, "sources.list")] + [os.path.join(parts, n) for n in names]


def one_line_entries(text):
    """(types, URIs, suites) of each entry of a one-line sources file."""
    for line in text.splitlines():
        match = ONE_LINE.match(line)
        if match:
            yield [match[1]], [match[2]], [match[3]]


def deb822_entries(text):
    """(types, URIs, suites) of each enabled stanza of a .sources file."""
    lines = [line for line in text.splitlines() if not line.startswith("#")]
    for stanza in re.split(r"\n\s*\n", "\n".join(lines)):
        fields = dict(
            (name.strip().lower(), value.split())
            for name, value in re.findall(r"^([^\s:][^:\n]*):(.*(?:\n[ \t].*)*)", stanza, re.M))
        if fields.get("enabled", ["yes"])[0].lower() not in FALSE_WORDS:
            yield fields.get("types", []), fields.get("uris", []), fields.get("suites", [])


def pick_mirror(root, codename):
    for path in source_files(root):
        try:
            with open(path, encoding="utf-8", errors="replace") as file:
                text = file.read()
        except OSError:
            continue
        entries = deb822_entries(text) if path.endswith(".sources") else one_line_entries(text)
        for types, uris, suites in entries:
            if "deb" not in types or codename not in suites:
                continue
            for uri in uris:
                if urlsplit(uri).scheme in USABLE_SCHEMES:
                    return uri.rstrip("/")
    return ""


def proxy_for(uri, dump):
    """apt's proxy for URI from `apt-config dump`: per host first, https falling back to http."""
    settings = {key.lower(): value for key, value in re.findall(r'^(\S+) "(.*)";$', dump, re.M)}
    parts = urlsplit(uri)
    methods = ("https", "http") if parts.scheme == "https" else ("http",)
    for method in methods:
        general = f"acquire::{method}::proxy"
        for key in (f"{general}::{parts.hostname}", general):
            if settings.get(key):
                return "" if settings[key] == "DIRECT" else settings[key]
    return ""


def host_codename(root):
    try:
        with open(os.path.join(root, "etc/os-release"), encoding="utf-8") as file:
            return re.search(r"^VERSION_CODENAME=\"?([^\"\n]*)", file.read(), re.M)[1]
    except (OSError, TypeError):
        return ""


def apt_config_dump():
    try:
        return subprocess.run(["apt-config", "dump"], capture_output=True, text=True).stdout
    except OSError:
        return ""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default="/")
    parser.add_argument("--codename")
    parser.add_argument("--apt-config-dump", type=argparse.FileType("r"))
    args = parser.parse_args()
    mirror = pick_mirror(args.root, args.codename or host_codename(args.root))
    dump = args.apt_config_dump.read() if args.apt_config_dump else apt_config_dump()
    print(mirror)
    print(proxy_for(mirror, dump))


if __name__ == "__main__":
    sys.exit(main())
