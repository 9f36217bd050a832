#!/usr/bin/env python3
"""The mirror and proxy that the Wine 10 root is made from, picked as apt reads its sources."""
import os
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools")
sys.path.insert(0, TOOLS)
import apt_mirror  # noqa: E402

MIRROR = "http://mirror.example/debian"
OTHER = "https://other.example/debian"


def stanza(uris, suites="bookworm", more=""):
    return f"Types: deb\nURIs: {uris}\nSuites: {suites}\n{more}"


# (what the case shows, {path under /etc/apt: text}, the mirror picked for bookworm)
SOURCES = [
    ("one-line entry with options",
     {"sources.list": f"deb [ arch=amd64 signed-by=/k.gpg ] {MIRROR}/ bookworm main\n"}, MIRROR),
    ("security and updates suites listed first",
     {"sources.list": f"deb {OTHER}-security bookworm-security main\n"
                      f"deb {OTHER} bookworm-updates main\ndeb {MIRROR} bookworm main\n"}, MIRROR),
    ("comments, source entries and other releases passed over",
     {"sources.list": f"# deb {OTHER} bookworm main\ndeb-src {OTHER} bookworm main\n"
                      f"deb {OTHER} trixie main\ndeb {MIRROR} bookworm main # the one\n"}, MIRROR),
    ("schemes debootstrap cannot use",
     {"sources.list": "deb cdrom:[Debian 12]/ bookworm main\ndeb file:/srv/debian bookworm main\n"
                      f"deb mirror+file:/etc/apt/m.txt bookworm main\ndeb {OTHER} bookworm main\n"},
     OTHER),
    ("several URIs and suites in one stanza",
     {"sources.list.d/debian.sources":
      f"Types: deb deb-src\nURIs: mirror+file:/etc/apt/m.txt\n {MIRROR} {OTHER}\n"
      "Suites: bookworm-updates bookworm\nComponents: main\n"}, MIRROR),
    ("disabled and commented stanzas",
     {"sources.list.d/debian.sources":
      stanza(OTHER, more="Enabled: no\n") + f"\n# Types: deb\n# URIs: {OTHER}\n\n"
      + stanza(OTHER).replace("deb", "deb-src", 1)
      + f"\ntypes: deb\nuris:\n# {OTHER}\n {MIRROR}\nsuites: bookworm\n"},
     MIRROR),
    ("sources.list before sources.list.d",
     {"sources.list": f"deb {OTHER} bookworm main\n", "sources.list.d/a.sources": stanza(MIRROR)},
     OTHER),
    ("a .sources file named before a .list file, files apt ignores passed over",
     {"sources.list.d/a.sources": stanza(MIRROR),
      "sources.list.d/b.list": f"deb {OTHER} bookworm main\n",
      "sources.list.d/0.list.disabled": f"deb {OTHER} bookworm main\n"}, MIRROR),
    ("no usable entry", {"sources.list": f"deb {OTHER}-security bookworm-security main\n"}, ""),
]

DUMP = ('Acquire::http::Proxy "http://proxy.example:3128/";\n'
        'Acquire::http::Proxy::other.example "DIRECT";\n')
# (mirror, apt-config dump, the proxy taken)
PROXIES = [
    (MIRROR, DUMP, "http://proxy.example:3128/"),
    (OTHER, DUMP, ""),
    ("https://far.example/debian", DUMP, "http://proxy.example:3128/"),
    (OTHER, DUMP + 'Acquire::https::Proxy "http://tls.example:8080";\n', "http://tls.example:8080"),
    (MIRROR, 'Acquire::http::Proxy::mirror.example "http://near.example:3142";\n' + DUMP,
     "http://near.example:3142"),
    (MIRROR, 'Acquire::Retries "3";\n', ""),
    ("", DUMP, "http://proxy.example:3128/"),
]


def lay_out(root, files):
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w") as file:
            file.write(text)


class PickerTest(unittest.TestCase):
    def test_mirror_picked_from_apt_sources(self):
        for what, files, expected in SOURCES:
            with self.subTest(what), tempfile.TemporaryDirectory() as root:
                lay_out(root, {f"etc/apt/{path}": text for path, text in files.items()})
                self.assertEqual(apt_mirror.pick_mirror(root, "bookworm"), expected)

    def test_proxy_taken_as_apt_would(self):
        for mirror, dump, expected in PROXIES:
            with self.subTest(mirror=mirror, dump=dump):
                self.assertEqual(apt_mirror.proxy_for(mirror, dump), expected)

    def test_command_reads_the_host_codename_and_prints_mirror_then_proxy(self):
        with tempfile.TemporaryDirectory() as root:
            lay_out(root, {"etc/os-release": 'ID=debian\nVERSION_CODENAME="trixie"\n', "dump": DUMP,
                           "etc/apt/sources.list": f"deb {OTHER} bookworm main\n"
                                                   f"deb {MIRROR} trixie main\n"})
            printed = subprocess.run(
                [sys.executable, os.path.join(TOOLS, "apt_mirror.py"), "--root", root,
                 "--apt-config-dump", os.path.join(root, "dump")],
                capture_output=True, text=True, check=True).stdout
        self.assertEqual(printed, f"{MIRROR}\nhttp://proxy.example:3128/\n")


if __name__ == "__main__":
    unittest.main()
