"""Drives the real Puzzle.exe under Wine and Xvfb as a player would.

CTest runs the scripts beside this one in the wine fixture with --exe Puzzle.exe
--wine-dir BUILD/wine --source-dir REPO. A script calls run(scenario, ...): each
scenario(session) starts with no stored state, its games are killed after it, and
a failed check ends the script with a traceback.
    session.game_dir(pictures=None)  fresh directory: Puzzle.exe, copies of the pictures
    session.start(directory, winedebug=None, arguments=())  runs directory/Puzzle.exe
                                     (with those arguments): a Game; Wine's messages
                                     (those channels) in directory/wine.log
    session.key_exists()             whether the game stored anything; picture_size(path)
    session.probe()                  the game window's Win32 geometry (client, window, work, dpi)
    write_picture(path, width, height, rows)  a picture from rows of RGB bytes by ImageMagick,
                                     in the format of path's extension; read_picture(path)
    session.store(record)            the stored state before a start, e.g. near_solved(...)
    game.wait_window(), game.wait_board(differs_from)  steady client pixels (RGB bytes)
    game.pixels(x, y, w, h), cell(row, column, grid), click(x, y), click_cell(row, column), caption()
    game.keys("F3", ...), click_caption(CLOSE_BOX or MINIMISE_BOX), close_by_menu()
    game.wait_exit() gives the exit code; so does game.close_error_box(), which waits
    for the box "Błąd" with its error icon and presses Enter
Every wait is a poll with a limit.
"""
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

TITLE, ERROR_CAPTION = "Zelvany - Puzzle", "Błąd"
MAKER_KEY = r"HKCU\Software\Ostrevik"
STATE_KEY = MAKER_KEY + r"\Kelvaris\Puzzle"
GRID = 4  # of a new game
# Wine draws the frame (Managed=N): an X window is the whole window, a frame of 3 pixels,
# and above the client area the caption and a one-line menu bar (pictures over 130 wide),
# each a pixel higher than the prefix's metric (their heights differ between Wines).
FRAME = 3
METRICS_KEY = r"HKCU\Control Panel\Desktop\WindowMetrics"
CLOSE_BOX, MINIMISE_BOX = 0, 2  # caption buttons, counted from the right edge


CONVERT = "/usr/bin/convert"  # ImageMagick's own, whatever else is on PATH


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def poll(probe, what, game=None, timeout=15):
    """Calls probe until it gives a true value, and gives that; fails when `game` ends."""
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        check(time.monotonic() < deadline, "timed out after %d s waiting for %s" % (timeout, what))
        check(not game or game.process.poll() is None, "Puzzle.exe ended (%s) before %s"
              % (game and game.process.returncode, what))
        time.sleep(0.05)
    return result


def near_solved(picture, grid=GRID, empty_column=None):
    """The 476-byte record of a game in play, sound on, with the picture at `picture`: the
    solved arrangement but for the empty cell moved along the bottom row to `empty_column`
    (the last one when None)."""
    board = [row * grid + column if max(row, column) < grid else 0
             for row in range(5) for column in range(5)]
    bottom = list(range((grid - 1) * grid, grid * grid - 1))
    bottom.insert(grid - 1 if empty_column is None else empty_column, -1)
    board[(grid - 1) * 5:(grid - 1) * 5 + grid] = bottom
    path = ("Z:" + picture.replace("/", "\\")).encode()
    return struct.pack("<2i260s27i100x", 1, grid, path, 0, 0, *board)


def picture_size(path):
    """(width, height) from a bitmap file's header."""
    with open(path, "rb") as picture:
        return struct.unpack("<ii", picture.read(26)[18:26])


def write_picture(path, width, height, rows, *options):
    """Writes rows (RGB bytes, top row first) as the picture at path, a BMP3 for .bmp."""
    with open(path + ".ppm", "wb") as ppm:
        ppm.write(b"P6\n%d %d\n255\n" % (width, height) + b"".join(rows))
    target = ("BMP3:" if path.lower().endswith(".bmp") else "") + path
    subprocess.run([CONVERT, path + ".ppm", *options, target], check=True)
    os.remove(path + ".ppm")


def read_picture(path):
    """(width, height, RGB bytes) of a picture's stored pixels, as ImageMagick decodes it."""
    size = subprocess.run([CONVERT, path + "[0]", "-format", "%w %h", "info:"], capture_output=True,
                          check=True).stdout.split()
    pixels = subprocess.run([CONVERT, path + "[0]", "-depth", "8", "rgb:-"], capture_output=True,
                            check=True).stdout
    return int(size[0]), int(size[1]), pixels


class Session:
    def __init__(self, options):
        # The Wine environment (prefix, architecture, loaders, display) is set in one place.
        wine_dir, script = options["--wine-dir"], options["--source-dir"] + "/tools/wine-env.sh"
        listing = subprocess.run(["bash", "-c", 'source "$0" environment "$1" && env -0',
                                  script, wine_dir], stdout=subprocess.PIPE, check=True).stdout
        self.env = dict(item.split("=", 1) for item in listing.decode().split("\0") if item)
        self.exe, self.games, self.probe_exe = options["--exe"], [], options.get("--probe")
        self.source_dir = options["--source-dir"]
        self.samples = sorted(glob.glob(self.source_dir + "/app/assets/samples/Puzzle*.bmp"))
        self.scratch = tempfile.mkdtemp(prefix="puzzle-e2e-")
        self.client_top = FRAME + self.metric("CaptionHeight") + 1 + self.metric("MenuHeight") + 1

    def metric(self, name):
        """A window metric of the prefix, in pixels (negative values are in twips)."""
        value = int(self.run("wine", "reg", "query", METRICS_KEY, "/v", name).stdout.split()[-1])
        return value if value >= 0 else -value // 15

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, timeout=30)

    def xdotool(self, *arguments):
        result = self.run("xdotool", *map(str, arguments))
        check(result.returncode == 0, "xdotool %s: %s" % (arguments, result.stderr))
        return result.stdout.decode()

    def geometry(self, window):
        """(x, y, width, height) of a whole window."""
        values = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def windows(self, name=None, visible=False):
        """The game's windows: captioned the title, alone or followed by " - " and its score, and
        owned by no window (the About box is); with a name, the windows captioned exactly so."""
        pattern = "^%s$" % name if name else "^%s( - .*)?$" % TITLE
        command = ["xdotool", "search"] + ["--onlyvisible"] * visible + ["--name", pattern]
        found = [int(window) for window in self.run(*command).stdout.split()]
        return found if name else [window for window in found if not self.owned(window)]

    def owned(self, window):
        return b"WM_TRANSIENT_FOR(WINDOW)" in self.run("xprop", "-id", str(window), "WM_TRANSIENT_FOR").stdout

    def screen(self, x, y, width, height):
        return self.run("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (
            width, height, x, y), "+repage", "-depth", "8", "rgb:-").stdout

    def game_dir(self, pictures=None):
        directory = tempfile.mkdtemp(dir=self.scratch)
        for path in [self.exe] + (self.samples if pictures is None else list(pictures)):
            shutil.copy(path, directory)
        return directory

    def start(self, directory, winedebug=None, arguments=()):
        self.games.append(Game(self, directory, winedebug, arguments))
        return self.games[-1]

    def probe(self):
        """{"client": (w, h), "window": (l, t, r, b), "work": (l, t, r, b), "dpi": (d,)}"""
        lines = self.run("wine", self.probe_exe).stdout.decode().splitlines()
        return {line.split()[0]: tuple(map(int, line.split()[1:])) for line in lines if line.strip()}

    def store(self, record):
        check(self.run("wine", "reg", "add", STATE_KEY, "/v", "Data", "/t", "REG_BINARY",
                       "/d", record.hex(), "/f").returncode == 0, "the record was not stored")

    def key_exists(self):
        return self.run("wine", "reg", "query", MAKER_KEY).returncode == 0

    def end_games(self):
        for game in self.games:
            game.process.kill()
            game.process.wait()
        poll(lambda: not self.windows(), "every game window to close")
        self.run("wine", "reg", "delete", MAKER_KEY, "/f")


class Game:
    def __init__(self, session, directory, winedebug, arguments=()):
        self.session, self.window = session, None
        env = dict(session.env, WINEDEBUG=winedebug or session.env["WINEDEBUG"])
        with open(directory + "/wine.log", "wb") as log:
            self.process = subprocess.Popen(["wine", "Puzzle.exe", *arguments], cwd=directory, env=env,
                                            stdout=subprocess.DEVNULL, stderr=log)

    def wait_exit(self):
        return self.process.wait(15)

    def geometry(self):
        return self.session.geometry(self.window)

    def caption(self):
        return self.session.xdotool("getwindowname", self.window).rstrip("\n")

    def client(self):
        """(x, y, width, height) of the client area; geometry() gives the whole window's."""
        x, y, width, height = self.geometry()
        top = self.session.client_top
        return x + FRAME, y + top, width - 2 * FRAME, height - top - FRAME

    def pixels(self, x, y, width, height):
        left, top = self.client()[:2]
        return self.session.screen(left + x, top + y, width, height)

    def cell(self, row, column, grid=GRID):
        width, height = (size // grid for size in self.client()[2:4])
        return self.pixels(column * width, row * height, width, height)

    def wait_board(self, differs_from=None):
        """Client pixels read twice alike, unlike `differs_from` and not one flat colour."""
        last = [None]

        def probe():
            shot = self.pixels(0, 0, *self.client()[2:4])
            steady, last[0] = shot == last[0], shot
            return steady and shot != differs_from and shot != shot[:3] * (len(shot) // 3) and shot
        return poll(probe, "a steady board" + (" unlike the one before" if differs_from else ""))

    def wait_window(self):
        self.window = poll(lambda: self.session.windows(visible=True), "its window", self)[0]
        # A 64-bit prefix runs every program in a 64-bit process, 32-bit ones in WoW64 mode.
        with open("/proc/%d/exe" % self.process.pid, "rb") as loader:
            bits = {1: "32", 2: "64"}[loader.read(5)[4]]
        check(self.session.env["WINEARCH"] == "win" + bits,
              "the game runs in a %s-bit process under a %s prefix" % (bits, self.session.env["WINEARCH"]))
        return self.wait_board()

    def click(self, x, y):
        left, top = self.client()[:2]
        self.session.xdotool("mousemove", left + x, top + y, "click", 1)

    def click_cell(self, row, column):
        width, height = self.client()[2:4]
        self.click((2 * column + 1) * (width // GRID) // 2, (2 * row + 1) * (height // GRID) // 2)

    def click_caption(self, button):
        x, y, width, _ = self.geometry()  # buttons 18 pixels apart, 16 high
        self.session.xdotool("mousemove", x + width - 13 - 18 * button, y + 12, "click", 1)

    def keys(self, *keys):
        self.session.xdotool("windowfocus", "--sync", self.window, "key", *keys)

    def close_by_menu(self):
        self.keys("alt+g", "k")  # "&Gra", "Zam&knij"

    def close_error_box(self):
        self.window = poll(lambda: self.session.windows(ERROR_CAPTION, visible=True),
                           "its error box", self)[0]
        shot = self.session.screen(*self.geometry())
        red = sum(shot[i] > 150 and max(shot[i + 1:i + 3]) < 90 for i in range(0, len(shot), 3))
        check(red > 50, "the error box shows no error icon")
        self.keys("Return")
        return self.wait_exit()


def run(*scenarios):
    options = dict(zip(sys.argv[1::2], sys.argv[2::2]))
    for scenario in scenarios:
        session = Session(options)
        try:
            session.end_games()
            scenario(session)
        finally:
            session.end_games()
            shutil.rmtree(session.scratch, ignore_errors=True)
        print("PASS", scenario.__name__)
