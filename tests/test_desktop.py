#!/usr/bin/python3
# The real program on a private desktop, driven as a user would: X11 under Xvfb with xdotool, or
# Wayland as a native client of a headless sway with wtype. Each scenario runs the program afresh
# and performs its steps; then, unless the program has ended by itself, closes the window as the
# window manager's close box does. Every run must end with status 0. Prints the time from the close
# request to the end of the process; the bound of 10 s only guards against a hang.
#
# Usage: test_desktop.py x11|wayland PATH_TO_HANOI
# Needs Xvfb, xdotool and python3-xlib, or sway, grim, wtype and Qt's Wayland plugin.
import os, re, shutil, subprocess, sys, tempfile, time  # noqa: E401
from Xlib import X, display, protocol

# A scenario is a name and its steps: key:K[,K...] presses keys at once (alt+i, Return, Tab);
# type:T types an answer into the open box, then Enter; box:TITLE waits for a box so titled;
# boxes:N counts the open boxes, atmost:N as many or fewer (or the program has ended by itself);
# board:A,B,C compares the board with the worked values, rings bottom to top by pole; wait:S lets
# seconds pass; ends: the program ends by itself. On X11 only: click:X clicks the button centred
# at x = X; cover covers and uncovers the window. On Wayland only: focus has the compositor give
# the main window the keyboard focus. Wayland adds 20 starts and closes, which once could hang.
# In the game by keyboard, the first Enter comes while Auto Solve is disabled and must do nothing.
INIT8 = "key:alt+i type:8 board:12345678,,"
SCENARIOS = """
before Initialize |
the ring question open | key:alt+i boxes:1
Invalid number of rings open | key:alt+i type:9 boxes:1
Alt+A at start: About open | key:alt+a boxes:1
Enter on a focused button: Speed open | key:Tab,Tab,Tab,Return box:^Time.Delay$
the answer 0 | key:alt+i type:0 ends
a game by keyboard | key:alt+i type:3 board:123,, key:Return key:alt+s board:123,, key:alt+n board:12,,3 \
  key:alt+n board:1,2,3 key:alt+n key:alt+n key:alt+n key:alt+n key:alt+n box:^Tower.of.Hanoi$ key:Return board:,,123
a move pending, Speed open | INIT8 key:alt+s wait:1 board:12345678,, key:alt+s boxes:1
automatic play by Enter, Speed 0.001 | INIT8 key:alt+s key:Return key:alt+s type:0.001 box:^Tower.of.Hanoi$
Speed 0 holds automatic play | INIT8 key:alt+s key:alt+s type:0 key:alt+a wait:1.2 board:12345678,, \
  key:alt+s type:0.001 box:^Tower.of.Hanoi$ key:Return board:,,12345678
Alt+I, Enter on Initialize: one question | key:Tab key:alt+i,Return atmost:1
Alt+I, a click on Initialize: one question | key:alt+i click:280 boxes:1
Alt+S, a click on Speed: the delay holds | INIT8 key:alt+s click:392 type:0.001 key:alt+a box:^Tower.of.Hanoi$
covered and uncovered | key:alt+i type:5 cover
the focus taken from a question | key:alt+i box:^Tower.of.Hanoi$ focus key:3,Return board:123,,
""".replace("INIT8", INIT8)
MAIN, BOXES = "^Tower of Hanoi by Tandrovek$", "^(Tower of Hanoi|Time Delay)$"
# The worked values, twips: bases and poles, then rings 1 to 8 by pole A, B, C, 322 high.
TOWERS = [(c + dx, top, w, h, colour) for c in (1614, 4035, 6456)
          for dx, top, w, h, colour in ((-807, 3612, 1614, 161, 0x808000), (-40, 498, 80, 3115, 0))]
LEFTS = [(888, 3308, 5730), (968, 3390, 5810), (1049, 3470, 5891), (1130, 3551, 5972),
         (1210, 3632, 6052), (1291, 3712, 6133), (1372, 3793, 6214), (1452, 3874, 6294)]
WIDTHS, COLOURS = (1453, 1291, 1130, 968, 807, 646, 484, 323), (0x008080, 0x800000, 0x800080, 0x008000)
BOARD = (12, 47, 534, 236)  # the client pixels of the board below the letters, which the font places


def board(stacks):  # RGB of BOARD at 15 twips a pixel; "123,,": rings 1, 2, 3 on pole A
    pixels = {(x, y): 0xFFFFFF for y in range(47, 283) for x in range(12, 546)}
    rings = [(LEFTS[int(r) - 1][p], 3291 - 322 * i, WIDTHS[int(r) - 1], 322, COLOURS[(int(r) - 1) % 4])
             for p, pole in enumerate(stacks.split(",")) for i, r in enumerate(pole)]
    for n, (left, top, width, height, colour) in enumerate(TOWERS + rings):
        for y in range(14 + top // 15, 15 + (top + height - 1) // 15):
            for x in range(12 + left // 15, 13 + (left + width - 1) // 15):
                pixels[x, y] = colour ^ (pixels[x, y] if n >= len(TOWERS) else 0)  # rings by xor
    return b"".join(pixel.to_bytes(3, "big") for pixel in pixels.values())


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def wait(check, seconds=10):
    end = time.monotonic() + seconds
    while not check():
        assert time.monotonic() < end, "timed out"
        time.sleep(0.01)


class X11:
    def __init__(self):
        self.server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24"],
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        os.environ.update(DISPLAY=":" + self.server.stdout.readline().decode().strip())
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"):  # as an X session has it
            os.environ.pop(name, None)
        self.d = display.Display()

    def started(self):  # then activated by a click on the board
        wait(lambda: self.windows(MAIN))
        self.win = self.d.create_resource_object("window", int(self.windows(MAIN)[0]))
        self.click(200, 150)

    def windows(self, title):
        return run("xdotool", "search", "--onlyvisible", "--name", title).split()

    def click(self, x, y=316):
        run("xdotool", "mousemove", "--window", str(self.win.id), str(x), str(y), "click", "1")

    def keys(self, *keys, text=None):
        run("xdotool", "type", text) if text else None
        run("xdotool", "key", *keys)

    def pixels(self, x, y, w, h):  # RGB
        bgrx = self.win.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
        return bytes(v for i in range(0, len(bgrx), 4) for v in (bgrx[i + 2], bgrx[i + 1], bgrx[i]))

    def close(self):  # WM_DELETE_WINDOW, then a round trip: with only a flush it is now and then lost
        data = (32, [self.d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])
        self.win.send_event(protocol.event.ClientMessage(
            window=self.win, data=data, client_type=self.d.intern_atom("WM_PROTOCOLS")))
        self.d.sync()

    def cover(self):
        cover = self.d.screen().root.create_window(0, 0, 1024, 768, 0, self.d.screen().root_depth)
        cover.map(), self.d.sync(), time.sleep(0.3), cover.destroy(), self.d.sync()


class Wayland:
    def __init__(self):  # sway runs as nobody when root, which it refuses (and still exits 0)
        home, app = tempfile.mkdtemp(dir="/tmp"), tempfile.mkdtemp()
        with open(f"{home}/config", "w") as config:
            config.write("default_floating_border none\nxwayland disable\n")
        sway = ["sway", "-c", f"{home}/config"]
        if os.getuid() == 0:
            shutil.chown(home, "nobody", "nogroup")
            sway = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] + sway
        os.environ.update(SWAYSOCK=f"{home}/ipc", WAYLAND_DISPLAY=f"{home}/wayland-1", DISPLAY="",
                          XDG_RUNTIME_DIR=app, QT_QPA_PLATFORM="wayland", QT_SCALE_FACTOR="1")
        self.server = subprocess.Popen(sway, stderr=subprocess.DEVNULL, env=dict(
            os.environ, XDG_RUNTIME_DIR=home, WLR_BACKENDS="headless", WLR_RENDERER="pixman"))
        wait(lambda: "true" in run("swaymsg", "seat seat0 cursor set 1500 900"))  # off the window
        # One virtual keyboard all along: keys of one that appears later come before Qt binds it.
        self.keyboard = subprocess.Popen(["wtype", "-s", "86400000", "-k", "Shift_L"])

    def started(self):
        wait(lambda: "true" in run("swaymsg", f'[title="{MAIN}"] move position 0 0'))
        time.sleep(0.5)  # Qt takes the keyboard a round trip after the compositor gives it

    def windows(self, title):  # a window's name is its title
        return re.findall(f'"name": "{title.strip("^$")}"', run("swaymsg", "-t", "get_tree"))

    def keys(self, *keys, text=None):
        for key in keys:
            mod, _, key = key.rpartition("+")
            run("wtype", *(["-M", mod, key, "-m", mod] if mod else [text] * bool(text) + ["-k", key]))

    def pixels(self, x, y, w, h):
        return subprocess.run(["grim", "-t", "ppm", "-g", f"{x},{y} {w}x{h}", "-"],
                              capture_output=True).stdout.split(b"\n", 3)[3]

    def close(self, command="kill"):
        run("swaymsg", f'[title="{MAIN}"] {command}')


def step(desk, proc, action):  # an action at once, or a check once the program has had time
    verb, _, arg = action.partition(":")
    time.sleep(0.5 if verb in ("boxes", "atmost") else 0)
    if verb in ("box", "type"):  # and give it time to take the keyboard
        wait(lambda: desk.windows(arg if verb == "box" else BOXES))
        time.sleep(0.2)
    if verb in ("key", "type"):
        desk.keys(*(arg.split(",") if verb == "key" else ["Return"]), text=verb == "type" and arg)
    elif verb in ("boxes", "atmost"):
        n = len(desk.windows(BOXES))
        assert n == int(arg) or verb == "atmost" and n < int(arg), f"{n} boxes open"
    elif verb in ("board", "cover"):  # the board settles within a second and a half
        expected = board(arg) if verb == "board" else desk.pixels(*BOARD)
        desk.cover() if verb == "cover" else None
        wait(lambda: desk.pixels(*BOARD) == expected, 1.5)
    elif verb in ("click", "focus", "wait", "ends"):
        {"click": lambda: desk.click(int(arg)), "focus": lambda: desk.close("focus"),
         "wait": lambda: time.sleep(float(arg)), "ends": lambda: proc.wait(10)}[verb]()


def main(x11):
    os.environ.update(LANGUAGE="", LC_ALL="C.UTF-8")  # the scenarios are in English
    desk, failures = X11() if x11 else Wayland(), 0
    scenarios = [[part.strip() for part in line.split("|")] for line in SCENARIOS.strip().split("\n")]
    for name, steps in [s for s in scenarios if not re.search("focus" if x11 else "click|cover", s[1])] \
            + [("start and close", "")] * (0 if x11 else 20):
        proc, action = subprocess.Popen([sys.argv[2]], stderr=subprocess.DEVNULL), "start"
        try:
            desk.started()
            for action in steps.split():
                step(desk, proc, action)
            action, sent, ended = "close", time.monotonic(), proc.poll() is not None
            assert not ended or re.search("ends|atmost", steps), "ended before the close"
            desk.close() if not ended else None
            assert proc.wait(10) == 0, f"status {proc.returncode}"
            print(f"ok: {name}: " + ("ended by itself" if ended else
                                     f"ended {(time.monotonic() - sent) * 1000:.1f} ms after the close"))
        except (AssertionError, subprocess.SubprocessError, IndexError) as error:
            failures += 1
            print(f"FAIL: {name}: at {action}: {error or 'a check failed'}")
            proc.kill(), proc.wait()
    desk.server.kill(), getattr(desk, "keyboard", desk.server).kill()
    return f"{failures} failed" if failures else 0


sys.exit(main(sys.argv[1] == "x11"))
