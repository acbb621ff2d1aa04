#!/usr/bin/python3
"""How long the game's window keeps a screen reader waiting while a large picture loads.

    measure-reader-wait.py make-bmp FILE
    measure-reader-wait.py measure GAME PICTURE FOLDER

`measure` runs inside a private session bus (measure-reader-wait.sh starts it with
dbus-run-session): it starts a private X server and the AT-SPI bus, starts GAME, presses
"Load Picture" with the mouse, types PICTURE into the file box and presses Return. From that
Return until the game tells screen readers "Picture NAME loaded", it asks the window for its
name through AT-SPI every 5 ms (with AT-SPI's cache off, so every question goes to the game) and
records how long each answer took. FOLDER holds the X server's and the game's output.
"""

import os
import statistics
import subprocess
import sys
import time

PERIOD_MS = 5
HANG = 300.0  # seconds; bounds a hang only, never a measurement


def make_bmp(path, width=10000, height=10000):
    """A 24-bit BMP with a gradient: blue across, green down, red across the other way."""
    stride = (width * 3 + 3) & ~3
    size = 54 + stride * height
    header = b"BM" + size.to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little")
    info = ((40).to_bytes(4, "little") + width.to_bytes(4, "little", signed=True) +
            height.to_bytes(4, "little", signed=True) + (1).to_bytes(2, "little") +
            (24).to_bytes(2, "little") + bytes(4) + (stride * height).to_bytes(4, "little") +
            (2835).to_bytes(4, "little") * 2 + bytes(8))
    row = bytearray(stride)
    row[0:width * 3:3] = bytes(x * 255 // (width - 1) for x in range(width))
    row[2:width * 3:3] = bytes(255 - x * 255 // (width - 1) for x in range(width))
    with open(path, "wb") as f:
        f.write(header + info)
        for y in range(height):  # bottom row first
            row[1:width * 3:3] = bytes((y * 255 // (height - 1),)) * width
            f.write(row)


def wait_until(what, check, deadline=HANG, period=0.02):
    end = time.monotonic() + deadline
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > end:
            raise RuntimeError("gave up waiting for " + what)
        time.sleep(period)


def start_x(folder, env):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1024x768x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL,
                              stderr=open(os.path.join(folder, "xvfb.log"), "w"))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()  # written once the server takes connections
    if not number:
        raise RuntimeError("Xvfb did not start")
    env["DISPLAY"] = ":" + number
    return server


def bus_name_owned(name, env):
    out = subprocess.run(["dbus-send", "--session", "--print-reply=literal",
                          "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                         env=env, capture_output=True, text=True)
    return out.returncode == 0 and "true" in out.stdout


def measure(game, picture, folder):
    env = dict(os.environ)
    processes = [start_x(folder, env)]
    os.environ["DISPLAY"] = env["DISPLAY"]
    try:
        processes.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(folder, "atspi.log"), "w")))
        wait_until("the AT-SPI bus", lambda: bus_name_owned("org.a11y.Bus", env))
        game_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                        QT_QPA_PLATFORM="xcb")
        log = open(os.path.join(folder, "game.log"), "w")
        game_process = subprocess.Popen([game], env=game_env, cwd=folder, stdout=log,
                                        stderr=log)
        processes.append(game_process)
        return run_load(game_process, picture, env)
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
        for process in reversed(processes):
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def run_load(game_process, picture, env):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi

    # A question the game is slow to answer is measured, not abandoned after AT-SPI's 0.8 s.
    Atspi.set_timeout(int(HANG * 1000), int(HANG * 1000))

    def the_window():
        if game_process.poll() is not None:
            raise RuntimeError("the game ended (%s)" % game_process.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for frame in app:
                if frame is not None and frame.name == "Tavlora Software":
                    return frame
        return None

    def find(root, role, name=None, state=None):
        return pyatspi.findDescendant(
            root, lambda a: a is not None and a.getRole() == role
            and (name is None or a.name == name)
            and (state is None or a.getState().contains(state)))

    window = wait_until("the game's window", the_window)
    button = wait_until("the Load Picture button", lambda: find(
        window, pyatspi.ROLE_PUSH_BUTTON, "Load Picture", pyatspi.STATE_SHOWING))
    app = window.getApplication()

    def dialog():
        for frame in app:
            if frame is not None and frame.name != "Tavlora Software" and \
                    frame.getState().contains(pyatspi.STATE_SHOWING):
                return frame
        return None

    extents = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 2),
                    str(extents.y + extents.height // 2), "click", "1"], env=env, check=True)
    box = wait_until("the file box", dialog)
    name_field = wait_until("the file box's focused name field", lambda: find(
        box, pyatspi.ROLE_TEXT, state=pyatspi.STATE_FOCUSED) or find(
        box, pyatspi.ROLE_ENTRY, state=pyatspi.STATE_FOCUSED))
    # The box's file list can still be filling and take the first keys: type until the field
    # holds exactly the path.
    def typed():
        subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], env=env, check=True)
        subprocess.run(["xdotool", "type", "--delay", "10", picture], env=env, check=True)
        text = name_field.queryText()
        return text.getText(0, -1) == picture
    wait_until("the path typed into the file box", typed, period=0.5)

    # Every question from here is timed; the load begins with Return.
    app.set_cache_mask(Atspi.Cache.NONE)
    loaded_text = "Picture %s loaded" % os.path.basename(picture)
    state = {"begin": None, "end": None, "replies": [], "error": None}
    loop = GLib.MainLoop()

    def heard(event):
        if state["begin"] is None or state["end"] is not None:
            return
        text = event.any_data if isinstance(event.any_data, str) else None
        if text is None:
            try:
                text = event.source.name
            except Exception:
                return
        if text == loaded_text:
            state["end"] = time.monotonic()

    events = ("object:state-changed:showing", "object:children-changed:add",
              "object:announcement", "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(heard, *events)

    def ask():
        if state["end"] is not None:
            loop.quit()
            return False
        before = time.monotonic()
        try:
            window.name
        except Exception as error:
            state["error"] = error
            loop.quit()
            return False
        after = time.monotonic()
        if state["begin"] is not None:
            state["replies"].append((before, after - before))
            if after - state["begin"] > HANG:
                state["error"] = RuntimeError("the picture never loaded")
                loop.quit()
                return False
        return True

    def press_return():
        state["begin"] = time.monotonic()
        subprocess.Popen(["xdotool", "key", "Return"], env=env)
        return False

    GLib.timeout_add(PERIOD_MS, ask)
    GLib.timeout_add(200, press_return)  # a few questions first, so the loop is running
    loop.run()
    pyatspi.Registry.deregisterEventListener(heard, *events)
    if state["error"] is not None:
        raise state["error"]
    replies = [reply * 1000 for _, reply in state["replies"]]
    worst = max(state["replies"], key=lambda asked: asked[1])
    print("queries: %d" % len(replies))
    print("max reply: %.1f ms (asked %.0f ms after Return)" % (
        max(replies), (worst[0] - state["begin"]) * 1000))
    print("median reply: %.2f ms" % statistics.median(replies))
    print("load (Return to \"%s\"): %.0f ms" % (loaded_text, (state["end"] - state["begin"]) * 1000))
    return 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "make-bmp":
        make_bmp(sys.argv[2])
        return 0
    if len(sys.argv) == 5 and sys.argv[1] == "measure":
        return measure(*sys.argv[2:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
