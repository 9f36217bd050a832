"""Drives the real Puzzle.exe under Wine and Xvfb as a player would.

CTest runs each script beside this one inside the wine fixture:
    python3 test_x.py --exe PATH/Puzzle.exe --wine-dir BUILD/wine --source-dir REPO
A script calls run(scenario, ...); each scenario(session) starts with no stored
state, its games are killed after it, and a failed check ends the script with 1.
    session.game_dir(pictures=None)  a fresh directory with Puzzle.exe and copies of
                                     the picture files (None: the committed samples)
    session.start(directory)         runs directory/Puzzle.exe: a Game
    session.stored_value(), session.store_value(data), session.key_exists()
    game.wait_window()               the shown window's client pixels, once steady
    game.wait_board(differs_from)    the client pixels, steady and unlike those given
    game.pixels(x, y, w, h), game.cell(row, column)   raw RGB bytes, client coordinates
    game.click(x, y), game.click_cell(row, column), game.keys("F3", ...)
    game.close_box(), game.close_by_menu(), game.minimise_box(), game.wait_exit()
    game.close_error_box()           the box "Błąd" with its error icon, closed by
                                     Enter; gives the exit code
Every wait is a poll with a limit; pixels come from ImageMagick's `import`.
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


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def poll(probe, what, timeout=15):
    """Calls probe until it gives a true value, and gives that."""
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        check(time.monotonic() < deadline, "timed out after %d s waiting for %s" % (timeout, what))
        time.sleep(0.05)
    return result


def picture_sizes(directory):
    sizes = []
    for path in glob.glob(os.path.join(directory, "*.[bB][mM][pP]")):
        with open(path, "rb") as picture:
            sizes.append(struct.unpack("<ii", picture.read(26)[18:].ljust(8, b"\0")))
    return sizes


class Session:
    def __init__(self, options):
        # The Wine environment (prefix, architecture, loaders, display) is set in one place.
        wine_dir, script = options["--wine-dir"], options["--source-dir"] + "/tools/wine-env.sh"
        check(os.path.isfile(wine_dir + "/display"), "the wine fixture is not up")
        listing = subprocess.run(["bash", "-c", 'source "$0" environment "$1" && env -0',
                                  script, wine_dir], stdout=subprocess.PIPE, check=True).stdout
        self.env = dict(item.split("=", 1) for item in listing.decode().split("\0") if item)
        self.exe, self.games = options["--exe"], []
        self.samples = glob.glob(options["--source-dir"] + "/app/assets/samples/Puzzle*.bmp")
        self.scratch = tempfile.mkdtemp(prefix="puzzle-e2e-")

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, timeout=30)

    def xdotool(self, *arguments):
        result = self.run("xdotool", *map(str, arguments))
        check(result.returncode == 0, "xdotool %s: %s" % (arguments, result.stderr))
        return result.stdout.decode()

    def windows(self, name=TITLE, visible=False):
        command = ["xdotool", "search"] + ["--onlyvisible"] * visible + ["--name", "^%s$" % name]
        return [int(window) for window in self.run(*command).stdout.split()]

    def screen(self, x, y, width, height):
        return self.run("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (
            width, height, x, y), "+repage", "-depth", "8", "rgb:-").stdout

    def game_dir(self, pictures=None):
        directory = tempfile.mkdtemp(dir=self.scratch)
        for path in [self.exe] + (self.samples if pictures is None else list(pictures)):
            shutil.copy(path, directory)
        return directory

    def start(self, directory):
        self.games.append(Game(self, directory))
        return self.games[-1]

    def key_exists(self):
        return self.run("wine", "reg", "query", MAKER_KEY).returncode == 0

    def stored_value(self):
        fields = self.run("wine", "reg", "query", STATE_KEY, "/v", "Data").stdout.split()
        if b"REG_BINARY" not in fields:
            return None
        return bytes.fromhex((fields[fields.index(b"REG_BINARY") + 1:] + [b""])[0].decode())

    def store_value(self, data):
        check(self.run("wine", "reg", "add", STATE_KEY, "/v", "Data", "/t", "REG_BINARY",
                       "/d", data.hex(), "/f").returncode == 0, "reg add failed")

    def end_games(self):
        for game in self.games:
            if game.process.poll() is None:
                game.process.kill()
                game.process.wait()
        poll(lambda: not self.windows(), "every game window to close")
        self.run("wine", "reg", "delete", MAKER_KEY, "/f")
        check(not self.key_exists(), "could not delete " + MAKER_KEY)


class Game:
    def __init__(self, session, directory):
        self.session, self.window, self.sizes = session, None, picture_sizes(directory)
        self.process = subprocess.Popen(["wine", "Puzzle.exe"], cwd=directory, env=session.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def alive(self, what):
        check(self.process.poll() is None, "Puzzle.exe ended (%s) before %s"
              % (self.process.returncode, what))
        return True

    def wait_exit(self):
        return poll(lambda: self.process.poll() is not None and [self.process.returncode],
                    "Puzzle.exe to end")[0]

    def geometry(self):
        """(x, y, width, height) of the whole window on the screen."""
        values = dict(line.split("=") for line in
                      self.session.xdotool("getwindowgeometry", "--shell", self.window).split())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def client(self):
        """x, y, width, height of the client area and the y of the caption's top edge.
        Wine draws the frame (Managed=N), so the X window is the whole window; the
        client area has a picture's size, at the bottom, framed as thick below as aside."""
        x, y, width, height = self.geometry()
        for picture_width, picture_height in self.sizes:
            side, top = (width - picture_width) // 2, height - picture_height
            if width - picture_width == 2 * side and 0 < side <= 8 and 20 < top - 2 * side < 80:
                return x + side, y + top - side, picture_width, picture_height, y + side
        raise AssertionError("a window of %dx%d fits none of the pictures" % (width, height))

    def pixels(self, x, y, width, height):
        left, top = self.client()[:2]
        return self.session.screen(left + x, top + y, width, height)

    def cell(self, row, column):
        width, height = (size // GRID for size in self.client()[2:4])
        return self.pixels(column * width, row * height, width, height)

    def wait_board(self, differs_from=None):
        """The client pixels once two reads in a row agree, unlike `differs_from`
        and not of one colour (not yet painted)."""
        last = [None]

        def probe():
            shot = self.pixels(0, 0, *self.client()[2:4])
            steady, last[0] = shot == last[0], shot
            return steady and shot != differs_from and shot != shot[:3] * (len(shot) // 3) and shot
        return poll(probe, "a steady board" + (" unlike the one before" if differs_from else ""))

    def wait_window(self):
        self.window = poll(lambda: self.alive("showing its window") and self.session.windows(
            visible=True), "the window")[0]
        return self.wait_board()

    def click(self, x, y):
        left, top = self.client()[:2]
        self.session.xdotool("mousemove", left + x, top + y, "click", 1)

    def click_cell(self, row, column):
        width, height = self.client()[2:4]
        self.click((2 * column + 1) * (width // GRID) // 2, (2 * row + 1) * (height // GRID) // 2)

    def caption_button(self, index):
        """Clicks a caption button, counted from the right edge."""
        left, _, width, _, caption = self.client()
        self.session.xdotool("mousemove", left + width - 10 - 18 * index, caption + 9, "click", 1)

    def close_box(self):
        self.caption_button(0)

    def minimise_box(self):
        self.caption_button(2)

    def keys(self, *keys):
        self.session.xdotool("windowfocus", "--sync", self.window)
        self.session.xdotool("key", *keys)

    def close_by_menu(self):
        self.keys("alt+g", "k")  # "&Gra", "Zam&knij"

    def close_error_box(self):
        self.window = poll(lambda: self.alive("showing its error box") and self.session.windows(
            ERROR_CAPTION, visible=True), "the error box")[0]
        shot = self.session.screen(*self.geometry())
        red = sum(1 for i in range(0, len(shot), 3) if shot[i] > 150 and max(shot[i + 1:i + 3]) < 90)
        check(red > 50, "the error box shows no error icon")
        self.keys("Return")
        return self.wait_exit()


def run(*scenarios):
    options = dict(zip(sys.argv[1::2], sys.argv[2::2]))
    for scenario in scenarios:
        session, started = Session(options), time.monotonic()
        try:
            session.end_games()
            scenario(session)
        finally:
            session.end_games()
            shutil.rmtree(session.scratch, ignore_errors=True)
        print("PASS %s (%.1f s)" % (scenario.__name__, time.monotonic() - started))
