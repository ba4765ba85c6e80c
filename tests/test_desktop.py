#!/usr/bin/python3
# The real program on a private desktop, for what only a real window system shows: X11 under
# Xvfb with openbox, driven by xdotool, or Wayland as a native client of a headless sway, driven by
# wtype. Each scenario runs the program afresh and performs its steps; then, unless the program
# has ended by itself, closes the window as the window manager's close box does. Every run must end
# with status 0. Prints the time from the close request to the end of the process; the bound of
# 10 s only guards against a hang.
#
# Usage: test_desktop.py x11|wayland PATH_TO_HANOI
# Needs Xvfb, openbox, xdotool and python3-xlib, or sway, wtype and Qt's Wayland plugin.
import json, os, re, shutil, subprocess, sys, tempfile, time  # noqa: E401
from Xlib import X, display, protocol

# A scenario is a name and its steps: key:K[,K...] presses keys at once (alt+i, Return, Next for
# Page Down); type:T types an answer into the open box, then Enter; box:TITLE waits for a box so
# titled; boxes:N counts the open boxes; size:WxH waits for the window to have that size, the
# screen's for "screen" (where the board is three times its size, as the offscreen tests check);
# ends: the program ends by itself. On X11 only: click:X clicks the
# button centred at x = X. On Wayland only: focus has the compositor give the main window the
# keyboard focus. A first step "--OPTION" starts the program with it. Wayland adds 20 starts and
# closes, which once could hang.
SCENARIOS = """
the ring question open | key:alt+i boxes:1
Invalid number of rings open | key:alt+i type:9 boxes:1
About open, Auto Solve disabled | key:alt+a boxes:1
Speed open during automatic play | key:alt+i type:8 key:alt+s key:Return key:Tab,Tab,Tab,Tab,Return box:^Time.Delay$
the message of the last move open | key:alt+i type:1 key:alt+s key:Next box:^Tower.of.Hanoi$
the answer 0 | key:alt+i type:0 ends
full screen and back, zoomed and back | key:F11 size:screen key:F11 size:564x341 \
  key:ctrl+plus,ctrl+plus size:1128x682 key:ctrl+0 size:564x341
started full screen, closed in a game | --full-screen size:screen key:alt+i type:3 key:alt+s
Alt+I, a click on Initialize: one question | key:alt+i click:280 boxes:1
the focus taken from a question | key:alt+i box:^Tower.of.Hanoi$ focus key:3,Return boxes:0
"""
MAIN, BOXES, SCREEN = "^Tower of Hanoi by Tandrovek$", "^(Tower of Hanoi|Time Delay)$", (1920, 1080)


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def wait(check, seconds=10):
    end = time.monotonic() + seconds
    while not check():
        assert time.monotonic() < end, "timed out"
        time.sleep(0.01)


class X11:
    def __init__(self):
        self.server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "%dx%dx24" % SCREEN],
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        os.environ.update(DISPLAY=":" + self.server.stdout.readline().decode().strip())
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"):  # as an X session has it
            os.environ.pop(name, None)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.d = display.Display()
        check = self.d.intern_atom("_NET_SUPPORTING_WM_CHECK")  # set once the manager runs
        wait(lambda: self.d.screen().root.get_full_property(check, X.AnyPropertyType))

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

    def size(self):
        return self.win.get_geometry().width, self.win.get_geometry().height

    def close(self):  # WM_DELETE_WINDOW, then a round trip: with only a flush it is now and then lost
        data = (32, [self.d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])
        self.win.send_event(protocol.event.ClientMessage(
            window=self.win, data=data, client_type=self.d.intern_atom("WM_PROTOCOLS")))
        self.d.sync()


class Wayland:
    def __init__(self):  # sway runs as nobody when root, which it refuses (and still exits 0)
        home, app = tempfile.mkdtemp(dir="/tmp"), tempfile.mkdtemp()
        with open(f"{home}/config", "w") as config:
            config.write("default_floating_border none\nxwayland disable\noutput * mode %dx%d\n" % SCREEN)
        sway = ["sway", "-c", f"{home}/config"]
        if os.getuid() == 0:
            shutil.chown(home, "nobody", "nogroup")
            sway = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] + sway
        os.environ.update(SWAYSOCK=f"{home}/ipc", WAYLAND_DISPLAY=f"{home}/wayland-1", DISPLAY="",
                          XDG_RUNTIME_DIR=app, QT_QPA_PLATFORM="wayland", QT_SCALE_FACTOR="1")
        self.server = subprocess.Popen(sway, stderr=subprocess.DEVNULL, env=dict(
            os.environ, XDG_RUNTIME_DIR=home, WLR_BACKENDS="headless", WLR_RENDERER="pixman"))
        wait(lambda: "true" in run("swaymsg", "seat seat0 cursor set 1900 1060"))  # off the window
        # One virtual keyboard all along: keys of one that appears later come before Qt binds it.
        self.wm = subprocess.Popen(["wtype", "-s", "86400000", "-k", "Shift_L"])

    def started(self):  # then moved to the top left, unless it is full screen
        wait(lambda: self.windows(MAIN))
        run("swaymsg", f'[title="{MAIN}"] move position 0 0')
        time.sleep(0.5)  # Qt takes the keyboard a round trip after the compositor gives it

    def windows(self, title, node=None):  # those so titled, in sway's tree
        node = node or json.loads(run("swaymsg", "-t", "get_tree"))
        found = [node] if node.get("pid") and re.search(title, node.get("name") or "") else []
        return found + [n for c in node["nodes"] + node.get("floating_nodes", []) for n in self.windows(title, c)]

    def keys(self, *keys, text=None):
        for key in keys:
            mod, _, key = key.rpartition("+")
            run("wtype", *(["-M", mod, "-k", key, "-m", mod] if mod else [text] * bool(text) + ["-k", key]))

    def size(self):
        return self.windows(MAIN)[0]["rect"]["width"], self.windows(MAIN)[0]["rect"]["height"]

    def close(self, command="kill"):
        run("swaymsg", f'[title="{MAIN}"] {command}')


def step(desk, proc, action):  # an action at once, or a check once the program has had time
    verb, _, arg = action.partition(":")
    time.sleep(0.5 if verb == "boxes" else 0)
    if verb in ("box", "type"):  # and give it time to take the keyboard
        wait(lambda: desk.windows(arg if verb == "box" else BOXES))
        time.sleep(0.2)
    if verb in ("key", "type"):
        desk.keys(*(arg.split(",") if verb == "key" else ["Return"]), text=verb == "type" and arg)
        time.sleep(0.5 if verb == "type" else 0)  # the box closes, and the window takes the keys
    elif verb == "boxes":
        assert len(desk.windows(BOXES)) == int(arg), f"{len(desk.windows(BOXES))} boxes open"
    elif verb == "size":
        size = SCREEN if arg == "screen" else tuple(int(v) for v in arg.split("x"))
        wait(lambda: desk.size() == size, 5)
    elif verb in ("click", "focus", "ends"):
        {"click": lambda: desk.click(int(arg)), "focus": lambda: desk.close("focus"),
         "ends": lambda: proc.wait(10)}[verb]()


def main(x11):
    os.environ.update(LANGUAGE="", LC_ALL="C.UTF-8")  # the scenarios are in English
    desk, failures = X11() if x11 else Wayland(), 0
    scenarios = [[part.strip() for part in line.split("|")] for line in SCENARIOS.strip().split("\n")]
    for name, steps in [s for s in scenarios if not re.search("focus" if x11 else "click", s[1])] \
            + [("start and close", "")] * (0 if x11 else 20):
        options = [step for step in steps.split() if step.startswith("--")]
        proc, action = subprocess.Popen([sys.argv[2], *options], stderr=subprocess.DEVNULL), "start"
        try:
            desk.started()
            for action in steps.split()[len(options):]:
                step(desk, proc, action)
            action, sent, ended = "close", time.monotonic(), proc.poll() is not None
            assert not ended or "ends" in steps, "ended before the close"
            desk.close() if not ended else None
            assert proc.wait(10) == 0, f"status {proc.returncode}"
            print(f"ok: {name}: " + ("ended by itself" if ended else
                                     f"ended {(time.monotonic() - sent) * 1000:.1f} ms after the close"))
        except (AssertionError, subprocess.SubprocessError, IndexError) as error:
            failures += 1
            print(f"FAIL: {name}: at {action}: {error or 'a check failed'}")
            proc.kill(), proc.wait()
    desk.server.kill(), desk.wm.kill()
    return f"{failures} failed" if failures else 0


sys.exit(main(sys.argv[1] == "x11"))
