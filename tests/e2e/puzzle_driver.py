"""Drives the real Puzzle.exe under Wine and Xvfb the way a player would.

The scripts beside this file are run by CTest inside the wine fixture (an Xvfb,
a test prefix with Managed=N and a persistent wine server under --wine-dir):

    python3 test_x.py --exe PATH/Puzzle.exe --wine-dir BUILD/wine --source-dir REPO

Each game runs from a fresh temporary directory holding a copy of Puzzle.exe
and generated pictures in which every 4x4 cell is one flat colour, so a
screenshot of the client area reads back as a board of tile numbers. Input
goes through xdotool, pixels come from ImageMagick's `import`, and the stored
state is read and written with `wine reg`. Every wait is a poll with a limit.
"""
import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import traceback

TITLE = "Zelvany - Puzzle"
ERROR_CAPTION = "Błąd"
MAKER_KEY = r"HKCU\Software\Ostrevik"
STATE_KEY = r"HKCU\Software\Ostrevik\Kelvaris\Puzzle"
STATE_VALUE = "Data"
RECORD_SIZE = 476
EMPTY = -1
BLACK = (0, 0, 0)


class TestFailure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def poll(probe, timeout, what, interval=0.05):
    """Calls probe until it gives something other than None; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result is not None:
            return result
        if time.monotonic() > deadline:
            raise TestFailure("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(interval)


# ---------------------------------------------------------------- pictures

def tile_colour(picture, row, column):
    """The flat colour of the cell (row, column) of test picture number `picture`."""
    return (30 + 60 * column, 30 + 60 * row, 70 + 120 * picture)


def write_grid_picture(path, picture, width, height, grid=4):
    """A bottom-up 24-bit BMP whose grid cells are each one flat colour."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    cell_w, cell_h = width // grid, height // grid
    for y in range(height):
        line = bytearray()
        for x in range(width):
            r, g, b = tile_colour(picture, min(y // cell_h, grid - 1), min(x // cell_w, grid - 1))
            line += bytes((b, g, r))
        line += b"\0" * (row_size - len(line))
        rows.append(bytes(line))
    data = b"".join(reversed(rows))
    with open(path, "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54))
        out.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data),
                              2835, 2835, 0, 0))
        out.write(data)


# Two test pictures of different sizes: the window size tells them apart, and
# so does the blue channel of every tile.
PICTURES = {"Puzzle1.bmp": (0, 400, 300), "Puzzle2.bmp": (1, 320, 240)}


# ---------------------------------------------------------------- boards

def solved_board(n=4):
    return [r * n + c for r in range(n) for c in range(n)][:-1] + [EMPTY]


def won_board(n=4):
    return list(range(n * n))


def is_solvable(board, n=4):
    """With the empty cell bottom-right, a board can be solved when its tiles
    form an even permutation."""
    tiles = [t for t in board if t != EMPTY]
    inversions = sum(1 for i in range(len(tiles)) for j in range(i + 1, len(tiles))
                     if tiles[i] > tiles[j])
    return inversions % 2 == 0


def format_board(board, n=4):
    return " / ".join(" ".join("%2d" % board[r * n + c] for c in range(n)) for r in range(n))


def movable_cells(board, n=4):
    """Cells (row, column) holding a tile next to the empty cell in its row or column."""
    empty = board.index(EMPTY)
    er, ec = divmod(empty, n)
    return [(r, c) for r, c in ((er - 1, ec), (er, ec - 1), (er, ec + 1), (er + 1, ec))
            if 0 <= r < n and 0 <= c < n]


def after_move(board, cell, n=4):
    """The board after the tile in `cell` slid into the empty cell."""
    result = list(board)
    empty = result.index(EMPTY)
    index = cell[0] * n + cell[1]
    result[empty], result[index] = result[index], EMPTY
    return result


def record_bytes(sound_on, grid_size, picture_path, preview_on, solved, board, saved_board,
                 n=4):
    """A 476-byte GameState record with 5x5 boards built from n x n ones."""
    def cells(small):
        full = [0] * 25
        for r in range(n):
            for c in range(n):
                full[r * 5 + c] = small[r * n + c]
        return struct.pack("<25i", *full)
    path = picture_path.encode("ascii")
    check(len(path) < 260, "picture path too long for a record")
    return (struct.pack("<ii", sound_on, grid_size) + path + b"\0" * (260 - len(path)) +
            struct.pack("<ii", preview_on, solved) + cells(board) + cells(saved_board))


class Record:
    """The fields of a stored GameState record."""

    def __init__(self, data):
        check(len(data) == RECORD_SIZE, "record of %d bytes" % len(data))
        self.raw = data
        self.sound_on, self.grid_size = struct.unpack_from("<ii", data, 0)
        self.picture_path = data[8:268].split(b"\0", 1)[0].decode("latin-1")
        self.preview_on, self.solved = struct.unpack_from("<ii", data, 268)
        self.full_board = list(struct.unpack_from("<25i", data, 276))
        self.full_saved_board = list(struct.unpack_from("<25i", data, 376))

    def board(self, n=4):
        return [self.full_board[r * 5 + c] for r in range(n) for c in range(n)]

    def saved_board(self, n=4):
        return [self.full_saved_board[r * 5 + c] for r in range(n) for c in range(n)]


# ---------------------------------------------------------------- environment

class Shot:
    """Pixels read from the screen: pixel(x, y) gives (r, g, b)."""

    def __init__(self, width, height, data):
        check(len(data) >= width * height * 3, "short screenshot")
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def pixels(self):
        return (self.pixel(x, y) for y in range(self.height) for x in range(self.width))


class Session:
    """One test run: the Wine environment, a scratch directory and the games started."""

    def __init__(self, args):
        wine_dir = os.path.abspath(args.wine_dir)
        self.exe = os.path.abspath(args.exe)
        self.source_dir = os.path.abspath(args.source_dir)
        self.env = dict(os.environ)
        with open(os.path.join(wine_dir, "arch")) as f:
            arch = f.read().strip()
        bin_dir = os.path.join(wine_dir, "bin")
        self.env.update(WINEPREFIX=os.path.join(wine_dir, "prefix"), WINEARCH=arch,
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d",
                        PATH=bin_dir + os.pathsep + self.env["PATH"],
                        WINELOADER="/usr/lib/wine/" + ("wine64" if arch == "win64" else "wine"),
                        WINESERVER="/usr/lib/wine/wineserver" + ("64" if arch == "win64" else "32"))
        display_file = os.path.join(wine_dir, "display")
        check(os.path.isfile(display_file), "no display file in %s: is the wine fixture up?"
              % wine_dir)
        with open(display_file) as f:
            self.env["DISPLAY"] = f.read().strip()
        self.scratch = tempfile.mkdtemp(prefix="puzzle-e2e-")
        self.games = []

    # -- commands

    def run(self, command, timeout=30, check_rc=True):
        result = subprocess.run(command, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=timeout)
        if check_rc and result.returncode != 0:
            raise TestFailure("%s failed (%d): %s" % (" ".join(command), result.returncode,
                                                      result.stderr.decode(errors="replace")))
        return result

    def xdotool(self, *arguments):
        return self.run(["xdotool"] + [str(a) for a in arguments]).stdout.decode()

    # -- directories

    def game_directory(self, pictures=tuple(PICTURES)):
        """A new directory with Puzzle.exe and the named test pictures."""
        directory = tempfile.mkdtemp(prefix="game-", dir=self.scratch)
        shutil.copy(self.exe, os.path.join(directory, "Puzzle.exe"))
        for name in pictures:
            index, width, height = PICTURES[name]
            write_grid_picture(os.path.join(directory, name), index, width, height)
        return directory

    @staticmethod
    def windows_path(path):
        """The upper-case path under which the program's catalogue holds a file."""
        return ("Z:" + os.path.abspath(path).replace("/", "\\")).upper()

    # -- registry

    def delete_stored_state(self):
        self.run(["wine", "reg", "delete", MAKER_KEY, "/f"], check_rc=False)
        check(not self.key_exists(MAKER_KEY), "could not delete " + MAKER_KEY)

    def key_exists(self, key):
        return self.run(["wine", "reg", "query", key], check_rc=False).returncode == 0

    def stored_value(self):
        """(type, bytes) of the stored value, or None when there is none."""
        result = self.run(["wine", "reg", "query", STATE_KEY, "/v", STATE_VALUE],
                          check_rc=False)
        if result.returncode != 0:
            return None
        for line in result.stdout.decode(errors="replace").splitlines():
            fields = line.split()
            if len(fields) >= 2 and fields[0] == STATE_VALUE:
                data = fields[2] if len(fields) > 2 else ""
                if fields[1] == "REG_BINARY":
                    return fields[1], bytes.fromhex(data)
                return fields[1], data
        raise TestFailure("unexpected reg query output: %r" % result.stdout)

    def stored_record(self):
        value = self.stored_value()
        check(value is not None, "no value %s under %s" % (STATE_VALUE, STATE_KEY))
        kind, data = value
        check(kind == "REG_BINARY", "stored value is of type %s" % kind)
        check(len(data) == RECORD_SIZE, "stored value has %d bytes, not %d"
              % (len(data), RECORD_SIZE))
        return Record(data)

    def store_value(self, type_code, data):
        """Stores `data` as the value, with any registry type (3 is REG_BINARY),
        through a .reg file: `reg add` cannot give arbitrary bytes other types."""
        path = os.path.join(self.scratch, "state.reg")
        key = STATE_KEY.replace("HKCU", "HKEY_CURRENT_USER")
        hex_bytes = ",".join("%02x" % b for b in data)
        with open(path, "w", newline="") as out:
            out.write('Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"%s"=hex(%x):%s\r\n'
                      % (key, STATE_VALUE, type_code, hex_bytes))
        self.run(["wine", "reg", "import", path])

    # -- windows

    def windows_named(self, name, visible=True):
        command = ["xdotool", "search"] + (["--onlyvisible"] if visible else []) + \
            ["--name", "^%s$" % name]
        result = self.run(command, check_rc=False)
        return [int(w) for w in result.stdout.split()]

    def wait_no_game_window(self, timeout=10):
        poll(lambda: True if not self.windows_named(TITLE, visible=False) else None,
             timeout, "every game window to close")

    def screenshot(self, x, y, width, height):
        """The pixels of a rectangle of the screen."""
        data = self.run(["import", "-window", "root", "-crop",
                         "%dx%d+%d+%d" % (width, height, x, y), "+repage", "-depth", "8", "ppm:-"]).stdout
        fields, position = [], 0
        while len(fields) < 4:  # magic, width, height, maxval
            while data[position:position + 1].isspace():
                position += 1
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        position += 1
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
        return Shot(int(fields[1]), int(fields[2]), data[position:])

    # -- games

    def start_game(self, directory):
        game = Game(self, directory)
        self.games.append(game)
        return game

    def close(self):
        for game in self.games:
            game.kill()
        shutil.rmtree(self.scratch, ignore_errors=True)


class Game:
    """One running Puzzle.exe."""

    def __init__(self, session, directory):
        self.session = session
        self.directory = directory
        self.process = subprocess.Popen(["wine", "Puzzle.exe"], cwd=directory, env=session.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = None

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def wait_exit(self, timeout=15):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TestFailure("Puzzle.exe still running after %d s" % timeout)

    def running(self):
        return self.process.poll() is None

    def check_running(self, what):
        code = self.process.poll()
        check(code is None, "Puzzle.exe ended with %s before %s%s" % (
            code, what, " (5: it crashed)" if code == 5 else ""))

    # -- the start-up error box

    def wait_error_box(self, timeout=20):
        """Waits for the error box and checks that it carries the error icon."""
        def probe():
            self.check_running("showing its error box")
            return (self.session.windows_named(ERROR_CAPTION) or [None])[0]
        box = poll(probe, timeout, "the error box \"%s\"" % ERROR_CAPTION)
        values = dict(line.partition("=")[::2] for line in self.session.xdotool(
            "getwindowgeometry", "--shell", box).split())
        shot = self.session.screenshot(int(values["X"]), int(values["Y"]),
                                       int(values["WIDTH"]), int(values["HEIGHT"]))
        red = sum(1 for r, g, b in shot.pixels() if r > 150 and g < 90 and b < 90)
        check(red > 50, "the error box shows no error icon (%d red pixels)" % red)
        return box

    def close_error_box(self, box):
        """Closes the box with its default button; the program then ends with 0."""
        check(self.running(), "the program did not wait for the box to be closed")
        self.session.xdotool("windowfocus", box)
        self.session.xdotool("key", "Return")
        code = self.wait_exit()
        check(code == 0, "exit code %d after the error box, expected 0" % code)

    # -- the main window

    def wait_window(self, timeout=20):
        """Waits for the shown main window and a fully painted board."""
        def probe():
            self.check_running("showing its window")
            windows = self.session.windows_named(TITLE)
            return windows[0] if len(windows) == 1 else None
        self.window = poll(probe, timeout, "the window \"%s\"" % TITLE)
        self.wait_board(timeout)
        return self.window

    def geometry(self):
        """(x, y, width, height) of the whole window on the screen."""
        values = {}
        for line in self.session.xdotool("getwindowgeometry", "--shell", self.window).split():
            key, _, value = line.partition("=")
            values[key] = int(value)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def picture(self):
        """(name, index, width, height) of the test picture whose size the client area has.

        Wine draws the frame itself (Managed=N), so the X window is the whole
        window: the side frames are equal, and the client area sits at the
        bottom, above a bottom frame as thick as the side frames."""
        _, _, width, height = self.geometry()
        for name, (index, pic_w, pic_h) in PICTURES.items():
            frame = (width - pic_w) / 2
            top = height - pic_h - frame
            # a frame of a few pixels, a caption and menu bar above the client area
            if frame == int(frame) and 0 < frame <= 8 and frame + 20 <= top <= frame + 80:
                return name, index, pic_w, pic_h
        raise TestFailure("window of %dx%d fits none of the test pictures" % (width, height))

    def client_origin(self):
        x, y, width, height = self.geometry()
        _, _, pic_w, pic_h = self.picture()
        frame = (width - pic_w) // 2
        return x + frame, y + height - pic_h - frame

    def read_board(self, n=4):
        """The tile numbers on screen, read from the centre of every cell; None
        when some cell shows no known colour (for example mid-animation)."""
        _, index, pic_w, pic_h = self.picture()
        ox, oy = self.client_origin()
        shot = self.session.screenshot(ox, oy, pic_w, pic_h)
        cell_w, cell_h = pic_w // n, pic_h // n
        colours = {tile_colour(index, r, c): r * n + c for r in range(n) for c in range(n)}
        colours[BLACK] = EMPTY
        board = []
        for r in range(n):
            for c in range(n):
                tile = colours.get(shot.pixel(c * cell_w + cell_w // 2, r * cell_h + cell_h // 2))
                if tile is None:
                    return None
                board.append(tile)
        return board

    def wait_board(self, timeout=10, differs_from=None):
        """A board read twice the same in a row (and unlike `differs_from`)."""
        last = [None]

        def probe():
            board = self.read_board()
            stable = board is not None and board == last[0]
            last[0] = board
            if stable and board != differs_from:
                return board
            return None
        what = "a steady board" if differs_from is None else \
            "the board to change from %s" % format_board(differs_from)
        return poll(probe, timeout, what)

    def assert_board_stays(self, board, seconds=0.6):
        """For actions that must do nothing: the board stays as it was."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            now = self.read_board()
            check(now in (board, None), "board changed to %s, expected it to stay %s"
                  % (format_board(now), format_board(board)))
            time.sleep(0.05)
        check(self.wait_board() == board, "board changed")

    # -- input

    def focus(self):
        if int(self.session.xdotool("getwindowfocus").strip() or 0) != self.window:
            self.session.xdotool("windowfocus", self.window)

    def key(self, *keys):
        self.focus()
        for key in keys:
            self.session.xdotool("key", key)

    def cell_point(self, cell, n=4):
        """Screen coordinates of the centre of a board cell."""
        _, _, pic_w, pic_h = self.picture()
        ox, oy = self.client_origin()
        return (ox + cell[1] * (pic_w // n) + pic_w // n // 2,
                oy + cell[0] * (pic_h // n) + pic_h // n // 2)

    def click_cell(self, cell):
        x, y = self.cell_point(cell)
        self.session.xdotool("mousemove", x, y, "click", 1)

    def drag_between(self, from_cell, to_cell):
        """Press in one cell and release in another."""
        x0, y0 = self.cell_point(from_cell)
        x1, y1 = self.cell_point(to_cell)
        self.session.xdotool("mousemove", x0, y0, "mousedown", 1,
                             "mousemove", x1, y1, "mouseup", 1)

    def move_tile(self, board, cell):
        """Clicks a movable tile and checks that exactly that move happened."""
        expected = after_move(board, cell)
        self.click_cell(cell)
        now = self.wait_board(differs_from=board)
        check(now == expected, "after clicking %s the board is %s, expected %s"
              % (cell, format_board(now), format_board(expected)))
        return now

    def caption_buttons(self):
        """Screen rectangles (x0, x1, y) of the caption's button groups, right to
        left, found on the caption row: runs of pixels unlike the caption colour."""
        x, y, width, height = self.geometry()
        _, _, pic_w, pic_h = self.picture()
        frame = (width - pic_w) // 2
        top = height - pic_h - frame
        shot = self.session.screenshot(x, y, width, top)
        caption = shot.pixel(width // 2, frame)
        row_y = frame + (top - frame) // 4  # middle of the caption, above the menu bar
        runs, column = [], width - frame - 1
        while column > frame:
            if shot.pixel(column, row_y) != caption:
                end = column
                while column > frame and shot.pixel(column, row_y) != caption:
                    column -= 1
                runs.append((x + column + 1, x + end, y + row_y))
            column -= 1
        check(len(runs) >= 2, "caption buttons not found")
        return runs

    def click_close_box(self):
        x0, x1, y = self.caption_buttons()[0]
        self.session.xdotool("mousemove", (x0 + x1) // 2, y, "click", 1)

    def click_minimise_box(self):
        # the minimise and maximise boxes touch: the minimise box is the left half
        x0, x1, y = self.caption_buttons()[1]
        self.session.xdotool("mousemove", x0 + (x1 - x0) // 4, y, "click", 1)

    def close_through_menu(self):
        """"&Gra", then "Zam&knij", from the keyboard."""
        self.key("alt+g", "k")


# ---------------------------------------------------------------- test runner

def main(tests):
    """Runs the given test functions, each with a fresh Session and no stored
    state; exit code 1 when any fails."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--wine-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    args = parser.parse_args()
    failures = 0
    for test in tests:
        started = time.monotonic()
        session = Session(args)
        try:
            session.wait_no_game_window()
            session.delete_stored_state()
            test(session)
            print("PASS %s (%.1f s)" % (test.__name__, time.monotonic() - started))
        except Exception:  # noqa: BLE001 - every failure is reported the same way
            failures += 1
            print("FAIL %s" % test.__name__)
            traceback.print_exc(file=sys.stdout)
        finally:
            session.close()
            try:
                session.wait_no_game_window()
            except TestFailure:
                pass
            session.delete_stored_state()
        sys.stdout.flush()
    return 1 if failures else 0
