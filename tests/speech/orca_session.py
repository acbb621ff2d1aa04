#!/usr/bin/env python3
"""Plays the game with Debian's own screen reader, Orca, as a blind player would: keys only, on a
private X server, and reads what Orca says from its debug log (its `SPEECH OUTPUT` lines).

Everything lives in one temporary folder: the X server, the session bus, HOME and the XDG folders,
Orca's settings and the game's program folder (a copy of the built game, so the high-score file it
writes stays there). Orca is started through its own modules, not its launcher: the launcher ends
or refuses to run beside any other Orca of the same user, and other people's runs on this machine
are none of this one's business.

    orca_session.py GAME_FOLDER PICTURE [--transcript] [--whole-slide]

It checks what the player hears for a start refused for want of a picture, the picture loaded,
entering the board, a move, a refused press and the end of a game, and exits 1 on the first phrase
that does not come. --whole-slide plays the Slide game to the formed picture too; --transcript
prints every key pressed and what Orca said.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import slide_solver

# Every wait below is for a sign that something is ready or was said: an X display number, a bus
# name owned, a socket, a file the window manager touches, a phrase in Orca's log. The deadline
# only ends a hang; a busy machine (the sanitizer build beside a parallel suite) takes as long as it
# takes, well within it.
HANG = 180.0


class Session:
    def __init__(self, game_folder, picture):
        self.folder = tempfile.mkdtemp(prefix="tavlora-orca-")
        self.processes = []
        self.log = os.path.join(self.folder, "orca.log")
        self.read_up_to = 0
        self.matched = -1
        self.env = self._private_environment()
        self.game_dir = os.path.join(self.folder, "game")
        os.makedirs(self.game_dir)
        for name in ("tavlora", "tavlora-decode", "HAND-M.CUR", "hiscore.mdb"):
            source = os.path.join(game_folder, name)
            if os.path.exists(source):
                shutil.copy2(source, self.game_dir)
        if os.path.isdir(os.path.join(game_folder, "translations")):
            shutil.copytree(os.path.join(game_folder, "translations"),
                            os.path.join(self.game_dir, "translations"))
        self.picture = os.path.join(self.folder, os.path.basename(picture))
        shutil.copy2(picture, self.picture)

    def _private_environment(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "XDG_", "AT_SPI", "WAYLAND", "QT_", "GTK_"))}
        for name in ("home", "config", "data", "cache", "runtime"):
            os.makedirs(os.path.join(self.folder, name), mode=0o700)
        env.update({
            "HOME": os.path.join(self.folder, "home"),
            "XDG_CONFIG_HOME": os.path.join(self.folder, "config"),
            "XDG_DATA_HOME": os.path.join(self.folder, "data"),
            "XDG_CACHE_HOME": os.path.join(self.folder, "cache"),
            "XDG_RUNTIME_DIR": os.path.join(self.folder, "runtime"),
            "LANG": "C.UTF-8", "LANGUAGE": "",
            "GTK_MODULES": "", "NO_AT_BRIDGE": "0",
        })
        return env

    def start(self, arguments=()):
        self._start_x_server()
        self._start_session_bus()
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._start_window_manager()
        self._wait_until("the accessibility bus", lambda: self._bus_name_owned("org.a11y.Bus"))
        self._start_speech_server()
        self._start_orca()
        self.wait_for(r"Screen reader on", what="that it is on")
        game_env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                        QT_ACCESSIBILITY="1")
        self._spawn([os.path.join(self.game_dir, "tavlora")] + list(arguments), env=game_env)
        return self.wait_for(r"Tavlora Software", what="the window")

    def _start_x_server(self):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

    def _start_session_bus(self):
        out = subprocess.run(["dbus-daemon", "--session", "--print-address=1", "--print-pid=1",
                              "--fork"], env=self.env, capture_output=True, text=True, check=True)
        address, pid = out.stdout.split()[:2]
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.bus_pid = int(pid)

    def _bus_name_owned(self, name):
        out = subprocess.run(["dbus-send", "--session", "--print-reply=literal",
                              "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                             env=self.env, capture_output=True, text=True)
        return out.returncode == 0 and "true" in out.stdout.split()

    def _start_window_manager(self):
        # Openbox runs its start-up command once it manages the screen. On a loaded machine it
        # has been seen to end at once (status 1) now and then; it is started again then, and
        # what it said is in the error if it never comes up.
        ready = os.path.join(self.folder, "openbox-ready")
        for attempt in range(3):
            openbox = self._spawn(["openbox", "--sm-disable", "--startup", "touch " + ready])
            try:
                self._wait_until("the window manager", lambda: os.path.exists(ready))
                return
            except RuntimeError:
                if openbox.poll() is None or attempt == 2:
                    with open(os.path.join(self.folder, "stderr.log")) as said:
                        raise RuntimeError("openbox never came up: " + said.read()[-2000:])
                self.processes.remove(openbox)

    def _wait_until(self, what, ready):
        end = time.monotonic() + HANG
        while not ready():
            for process in self.processes:
                if process.poll() is not None:
                    raise RuntimeError("%s ended (%s) before %s was ready" % (
                        process.args[0], process.returncode, what))
            if time.monotonic() > end:
                raise RuntimeError(what + " never came up")
            time.sleep(0.05)

    def _start_speech_server(self):
        # Orca hands its phrases to speech-dispatcher; a module that makes no sound is enough, and
        # the phrases are in Orca's log either way.
        config = os.path.join(self.folder, "speechd")
        shutil.copytree("/etc/speech-dispatcher", config)
        with open(os.path.join(config, "speechd.conf"), "a") as f:
            f.write('\nAddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                    'AudioOutputMethod "alsa"\n')
        # ALSA's null device: no sound card and no sound server needed.
        with open(os.path.join(self.env["HOME"], ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        # speech-dispatcher 0.12 (Debian 13) ends at once when its log folder is missing.
        logs = os.path.join(self.folder, "speechd-log")
        os.makedirs(logs, exist_ok=True)
        self._spawn(["speech-dispatcher", "-s", "-t", "0", "-C", config, "-L", logs, "-S", socket])
        self._wait_until("speech-dispatcher's socket", lambda: os.path.exists(socket))

    def _start_orca(self):
        prefs = os.path.join(self.folder, "orca-prefs")
        os.makedirs(prefs)
        # Orca 43 (Debian 12) hands out its settings manager from its main module; Orca 48
        # (Debian 13) from a module of its own, with the methods renamed, and its modules load
        # only in the order its own launcher loads them.
        launcher = (
            "import importlib.util, sys\n"
            "from orca import debug\n"
            "debug.debugLevel = debug.LEVEL_ALL\n"
            "debug.eventDebugLevel = debug.LEVEL_OFF\n"
            "debug.debugFile = open(sys.argv[1], 'w', buffering=1)\n"
            "if importlib.util.find_spec('orca.debugging_tools_manager'):\n"
            "    from orca import debugging_tools_manager, messages, settings, script_manager\n"
            "    from orca import settings_manager\n"
            "    manager = settings_manager.get_manager()\n"
            "    folder = manager.get_prefs_dir\n"
            "else:\n"
            "    from orca import orca\n"
            "    manager = orca.getSettingsManager()\n"
            "    folder = manager.getPrefsDir\n"
            "manager.activate(sys.argv[2], {})\n"
            "sys.path.insert(0, folder())\n"
            "from orca import orca\n"
            "sys.exit(orca.main())\n")
        # Orca's modules belong to the interpreter its own launcher names.
        with open(shutil.which("orca") or "/usr/bin/orca") as f:
            interpreter = f.readline()[2:].split()
        self._spawn(interpreter + ["-c", launcher, self.log, prefs])

    def _spawn(self, command, env=None, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", open(os.path.join(self.folder, "stderr.log"), "a"))
        process = subprocess.Popen(command, env=env or self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if getattr(self, "bus_pid", None):
            try:
                os.kill(self.bus_pid, 15)
            except ProcessLookupError:
                pass
        if os.environ.get("TAVLORA_KEEP_ORCA_LOG") and os.path.exists(self.log):
            shutil.copy2(self.log, os.environ["TAVLORA_KEEP_ORCA_LOG"])
        shutil.rmtree(self.folder, ignore_errors=True)

    def spoken(self):
        """What Orca said since the last call."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                f.seek(self.read_up_to)
                text = f.read()
        except FileNotFoundError:
            return []
        end = text.rfind("\n") + 1
        self.read_up_to += len(text[:end].encode("utf-8", errors="replace"))
        # A phrase can hold line breaks (a box's text); each ends with the voice it is said in.
        return [" ".join(phrase.split()) for phrase in
                re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", text[:end], re.DOTALL)]

    def wait_for(self, pattern, what, heard=None, after=None, deadline=HANG):
        """Waits until Orca says something that matches, after line `after` of `heard` (by default
        after the line the last wait matched); returns `heard` with everything said meanwhile, and
        leaves the matching line's place in `self.matched`."""
        if heard is None:
            heard, after = [], -1
        elif after is None:
            after = self.matched
        end = time.monotonic() + deadline
        while True:
            heard += self.spoken()
            for i in range(after + 1, len(heard)):
                if re.search(pattern, heard[i]):
                    self.matched = i
                    return heard
            if time.monotonic() > end:
                break
            self._check_running()
            time.sleep(0.05)
        raise AssertionError("Orca never said %s (/%s/) in %d s; it said: %s" % (
            what, pattern, deadline, heard))

    def _check_running(self):
        for process in self.processes:
            if process.poll() is not None:
                raise AssertionError("%s ended (%s)" % (
                    os.path.basename(process.args[0]), process.returncode))

    def settle(self, quiet=1.0, deadline=HANG):
        """Everything Orca says until it has been quiet for a while: only for checking that
        something is NOT said, never to wait for what is."""
        heard = []
        last = time.monotonic()
        end = last + deadline
        while time.monotonic() < end:
            new = self.spoken()
            if new:
                heard += new
                last = time.monotonic()
            elif time.monotonic() - last > quiet:
                break
            time.sleep(0.05)
        return heard

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), env=self.env, check=True)

    def type(self, text):
        """Types `text` and waits until Orca has echoed its last letters. Orca 43 falls behind on
        a busy machine (a file box sends several events a letter), and when more than 50 events
        wait and the focus moves, it drops every waiting "showing" event: a notice that came
        meanwhile would go unsaid. A player hears the echo before going on, and so does this one."""
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)
        last = list(re.search(r"[a-z0-9]{1,3}$", text).group(0))
        heard, after = [], -1
        while True:
            heard = self.wait_for(r"^%s$" % last[-1], "the echo of %r" % text, heard=heard,
                                  after=after)
            after = self.matched
            if heard[after - len(last) + 1:after + 1] == last:
                return heard


CELL = re.compile(r"Row (\d), column (\d): (?:piece (\d+)|the gap)")
DESCRIPTION = r"belongs in row \d, column \d|in place"
SLIDE_RULE = r"A tile moves into the gap"


class Player:
    """A blind player: presses keys, and knows only what Orca said."""

    def __init__(self, session, transcript=None):
        self.s = session
        self.transcript = transcript
        self.row, self.column = 1, 1
        self.pieces = {}  # (row, column) -> piece number, 0 for the gap
        self.homes = {}   # (row, column) -> (row, column) the piece there belongs in

    def press(self, keys, expect, what, then=(), describe=False):
        """Presses `keys` (xdotool names, space-separated) and waits until Orca says `expect`, then
        each of `then` in turn; with `describe`, also the description of the cell it named.

        What Orca says late about the key before is added to that key's transcript, not to this
        one's: each press hears only what came after it.
        """
        self._heard_late()
        self.s.key(*keys.split())
        heard = self.s.wait_for(expect, what)
        for pattern in then:  # in the same phrase as the one before, or later
            heard = self.s.wait_for(pattern, what, heard=heard, after=self.s.matched - 1)
        if describe:
            named = [i for i, line in enumerate(heard) if CELL.match(line)]
            if named and CELL.match(heard[named[-1]]).group(3):  # the gap has no description
                heard = self.s.wait_for(DESCRIPTION, "the description of " + heard[named[-1]],
                                        heard=heard, after=named[-1])
        if self.transcript is not None:
            self.transcript.append((keys, heard))
        self._learn(heard)
        return heard

    def _heard_late(self):
        late = self.s.spoken()
        if late and self.transcript:
            self.transcript[-1][1].extend(late)

    def _learn(self, heard):
        for i, line in enumerate(heard):
            match = CELL.match(line)
            if not match:
                continue
            cell = (int(match.group(1)), int(match.group(2)))
            self.pieces[cell] = int(match.group(3) or 0)
            # Its description, said after it: where the piece belongs. Without one, what was
            # known stays.
            for later in heard[i + 1:]:
                if CELL.match(later):
                    break
                home = re.search(r"belongs in row (\d), column (\d)", later)
                if home:
                    self.homes[cell] = (int(home.group(1)), int(home.group(2)))
                    break
                if "in place" in later:
                    self.homes[cell] = cell
                    break

    def go(self, row, column):
        while (self.row, self.column) != (row, column):
            if self.row != row:
                key, self.row = ("Down", self.row + 1) if row > self.row else ("Up", self.row - 1)
            else:
                key, self.column = (("Right", self.column + 1) if column > self.column
                                    else ("Left", self.column - 1))
            self.press(key, r"Row %d, column %d:" % (self.row, self.column),
                       "the cell at row %d, column %d" % (self.row, self.column), describe=True)

    def read_board(self):
        for row in range(1, 5):
            columns = range(1, 5) if row % 2 else range(4, 0, -1)
            for column in columns:
                self.go(row, column)


def load_from_the_window(player, picture):
    """From the board: Start Game refuses with no picture, then Load Picture loads `picture`."""
    player.press("shift+Tab", r"High Scores", "the High Scores button")
    player.press("shift+Tab", r"Start Game", "the Start Game button")
    player.press("space", r"No picture is loaded", "the refusal to start")
    player.press("shift+Tab", r"Load Picture", "the Load Picture button")
    player.press("space", r"Add File", "the file box")
    player.s.type(picture)
    player.press("Return", r"Picture %s loaded" % re.escape(os.path.basename(picture)),
                 "the picture loaded, by name")


def start_game(player, path=(("shift+Tab", "High Scores"), ("shift+Tab", "Start Game")),
               then=()):
    """Goes to Start Game (from the board, by default) and presses Space."""
    for key, said in path:
        player.press(key, said, said)
    player.row, player.column = 1, 1
    return player.press("space", r"Arrow keys move", "the cell under the cursor and how to play",
                        then=then)


def play_swap_to_the_end(player):
    player.read_board()
    for row in range(1, 5):
        for column in range(1, 5):
            if player.homes.get((row, column)) == (row, column):
                continue
            source = next(cell for cell, home in player.homes.items() if home == (row, column))
            player.go(row, column)
            player.press("space", r"chosen", "the chosen tile")
            player.go(*source)
            # What was here is now at `source`, and the piece that belongs here is home.
            player.homes[source] = player.homes[(row, column)]
            player.homes[(row, column)] = (row, column)
            # The exchange that forms the picture ends the game: the score comes with the name box.
            formed = all(home == cell for cell, home in player.homes.items())
            moved = r"moved to row %d, column %d" % (row, column)
            heard = player.press("space", r"\bScore\b" if formed else moved,
                                 "the score" if formed else "where the piece went")
            if formed:
                return heard
    raise AssertionError("the picture never formed")


def play_slide_to_the_end(player, path):
    """Enters a Slide game, reads the board and forms the picture with moves the solver found."""
    start_game(player, path, then=(SLIDE_RULE,))
    player.read_board()
    cells = [player.pieces[(k // 4 + 1, k % 4 + 1)] for k in range(16)]
    for cell in slide_solver.presses(cells):
        gap = cells.index(0)
        piece = cells[cell]
        player.go(cell // 4 + 1, cell % 4 + 1)
        cells[gap], cells[cell] = piece, 0
        # The move that forms the picture ends the game: the score comes with the name box.
        formed = cells == list(range(1, 16)) + [0]
        moved = r"Piece %d moved to row %d, column %d" % (piece, gap // 4 + 1, gap % 4 + 1)
        heard = player.press("space", r"\bScore\b" if formed else moved,
                             "the score" if formed else "where the piece went")
        if formed:
            return heard
    raise AssertionError("the picture never formed")


def play_slide_a_little(player, path):
    """Enters a Slide game, plays a move and a refused press, asks for the counts and ends it."""
    start_game(player, path, then=(SLIDE_RULE,))
    player.read_board()
    gap = next(cell for cell, piece in player.pieces.items() if piece == 0)
    far = next(cell for cell in player.pieces
               if abs(cell[0] - gap[0]) + abs(cell[1] - gap[1]) > 1
               and abs((cell[0] * 4 + cell[1]) - (gap[0] * 4 + gap[1])) > 1)
    player.go(*far)
    player.press("space", r"Not next to the gap", "the refusal")
    near = (gap[0] - 1, gap[1]) if gap[0] > 1 else (gap[0] + 1, gap[1])
    player.go(*near)
    piece = player.pieces[near]
    player.press("space", r"Piece %d moved to row %d, column %d" % ((piece,) + gap), "the move")
    player.press("m", r"Moves: 1, time", "the moves and the time")
    player.go(1, player.column)
    player.press("Up", r"Edge of the board", "the edge")
    # The value boxes: the caption and the whole value once, nothing about a selection. What is
    # said of a box is looked at until Orca has been quiet a while: a check that nothing more
    # comes can only watch, and a slow machine can only make it see less, never fail.
    # Orca 43 says "Score panel. 0 label.", Orca 48 "0 Score.".
    heard = player.press("Tab", r"^[0-9.]+ (label|Score)\.", "the score box's value")
    heard += player.s.settle()
    assert "Score" in " ".join(heard) and not any("selected" in line for line in heard), heard
    heard = player.press("Tab", r"^\d\d:\d\d:\d\d (label|Timer)\.", "the whole time")
    heard += player.s.settle()
    assert not any("selected" in line for line in heard), heard
    # The clock ticks on, but a player resting on it does not hear every second (again only
    # watched, for long enough to see two ticks).
    time.sleep(2.5)
    ticks = player.s.spoken()
    assert not any(re.search(r"\d\d:\d\d:\d\d", line) for line in ticks), ticks
    # Back on the board, the cell under the cursor is named again.
    player.press("shift+Tab", r"Score", "the score box")
    player.press("shift+Tab", r"Row %d, column %d: " % (player.row, player.column),
                 "the cell under the cursor")
    player.press("shift+Tab", r"High Scores", "the High Scores button")
    player.press("shift+Tab", r"End Game", "the End Game button")
    player.press("space", r"Score .*, moves: 1, time", "the score with the name box")
    player.s.type("Orca")
    player.press("Return", r"Start Game|Puzzle board|No game", "the window again")


def main():
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("game_folder")
    parser.add_argument("picture")
    parser.add_argument("--transcript", action="store_true")
    parser.add_argument("--whole-slide", action="store_true",
                        help="play the Slide game to the formed picture, not a few moves")
    args = parser.parse_args()
    if not shutil.which("orca"):
        print("SKIPPED: no orca here")
        return 77
    version = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    session = Session(args.game_folder, args.picture)
    transcript = []
    player = Player(session, transcript)
    try:
        heard = session.start()
        transcript.append(("(the game starts, %s)" % version.strip(), heard))
        load_from_the_window(player, session.picture)
        to_slide = (("Tab", "Start Game"),)
        if args.whole_slide:
            play_slide_to_the_end(player, to_slide)
            player.s.type("Orca")
            player.press("Return", r"Congratulation", "the congratulation")
            # The picture formed on the board, and the board has the keyboard again.
            player.press("Return", r"No game is running", "the board again")
            to_start = (("shift+Tab", "High Scores"), ("shift+Tab", "Start Game"))
        else:
            play_slide_a_little(player, to_slide)
            to_start = ()
        to_swap = to_start + (("shift+Tab", "Load Picture"), ("shift+Tab", "Swap"),
                              ("space", "selected"), ("Tab", "Load Picture"), ("Tab", "Start Game"))
        start_game(player, to_swap)
        play_swap_to_the_end(player)
        player.s.type("Orca")
        player.press("Return", r"Congratulation", "the congratulation")
        player.press("Return", r".", "the window again")
    except AssertionError as failure:
        print("FAILED:", failure)
        return 1
    finally:
        session.stop()
        if args.transcript:
            for keys, heard in transcript:
                print("%s -> %s" % (keys, " | ".join(heard)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
