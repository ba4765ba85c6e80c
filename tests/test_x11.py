#!/usr/bin/python3
# The real program under a private X server, driven as a user would with xdotool: each scenario
# runs the program afresh, performs its steps, then closes the window as a window manager's close
# box does and expects status 0. Prints the time from the close request to the end of the process;
# the bound only guards against a hang.
#
# Usage: test_x11.py PATH_TO_HANOI      Needs Xvfb, xdotool and python3-xlib.
import os
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.protocol import event

BUTTONS = {"Solve": 56, "Auto": 168, "Initialize": 280, "Speed": 392, "About": 504}  # x; y is 316
# Points of the board in client pixels (twip x, y is at 12 + x / 15, 14 + y / 15) and the colour
# each shows: a ring drawn by xor shows the complement of its colour over white.
POINTS = {"ring8A": (110, 89, 0xFF7FFF), "ring7A": (107, 114, 0x7FFF7F), "ring1C": (412, 240, 0xFF7F7F),
          "no8A": (110, 89, 0xFFFFFF), "no7A": (107, 114, 0xFFFFFF)}


class X11:
    # A private Xvfb, the program's window on it, and what a user and a window manager do to it.
    def __init__(self):
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = ":" + self.xvfb.stdout.readline().decode().strip()
        os.environ.pop("QT_QPA_PLATFORM", None)
        self.d = display.Display()

    def start(self, program):
        self.proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.win = self.windows("^Tower of Hanoi by Tandrovek$", wait=True)[0]
        self.xdo("mousemove", "--window", self.win, "200", "150", "click", "1")  # activates it

    def windows(self, title="^(Tower of Hanoi|Time Delay)$", wait=False):
        for _ in range(1000 if wait else 1):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                   capture_output=True, text=True).stdout.split()
            if found or not wait:
                return found
            time.sleep(0.01)
        raise RuntimeError(f"no window {title}")

    def xdo(self, *args):
        subprocess.run(["xdotool", *args], check=True)

    def pixels(self, x, y, w=1, h=1):
        window = self.d.create_resource_object("window", int(self.win))
        return window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data

    def close(self):  # WM_DELETE_WINDOW; the exit status and the seconds it took
        window = self.d.create_resource_object("window", int(self.win))
        data = (32, [self.d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])
        sent = time.perf_counter()
        window.send_event(event.ClientMessage(window=window, data=data,
                                              client_type=self.d.intern_atom("WM_PROTOCOLS")))
        self.d.sync()  # a round trip: with only a flush the message is now and then lost
        return self.proc.wait(timeout=10), time.perf_counter() - sent

    def step(self, action):  # an action at once, or a check once the program has had time
        verb, _, arg = action.partition(":")
        time.sleep(0.5 if verb in ("boxes", "atmost", "sees", "cover") else 0)
        if verb == "click":
            self.xdo("mousemove", "--window", self.win, str(BUTTONS[arg]), "316", "click", "1")
        elif verb == "key":
            self.xdo("key", *arg.split(","))
        elif verb == "type":  # an answer to the open box, then Enter
            self.windows(wait=True)
            time.sleep(0.1)
            self.xdo("type", arg)
            self.xdo("key", "Return")
        elif verb in ("box", "wait"):  # a box so titled opens; some time passes
            self.windows(arg, wait=True) if verb == "box" else time.sleep(float(arg))
        elif verb in ("boxes", "atmost"):  # boxes open (at most: or the program ended)
            n = len(self.windows())
            assert n == int(arg) or verb == "atmost" and n < int(arg), f"{n} boxes open"
        elif verb == "sees":
            px, py, colour = POINTS[arg]
            actual = int.from_bytes(self.pixels(px, py)[:3], "little")
            assert actual == colour, f"{arg}: {actual:06x}"
        elif verb == "cover":  # a window over the board, then away: the board is as it was
            before, root = self.pixels(12, 14, 534, 269), self.d.screen().root
            cover = root.create_window(0, 0, 1024, 768, 0, self.d.screen().root_depth)
            cover.map(), self.d.sync(), time.sleep(0.3), cover.destroy(), self.d.sync()
            time.sleep(0.3)
            assert self.pixels(12, 14, 534, 269) == before, "the board changed when uncovered"


INIT8 = "key:alt+i type:8 sees:ring8A"
SCENARIOS = {
    "before Initialize": "",
    "the ring question open": "key:alt+i boxes:1",
    "Invalid number of rings open": "key:alt+i type:9 boxes:1",
    "About open": "key:Escape boxes:1",
    "a move pending, covered and uncovered": f"{INIT8} key:alt+s sees:ring8A cover",
    "Speed open, a move pending": f"{INIT8} key:alt+s click:Speed boxes:1",
    "automatic play": f"{INIT8} key:alt+s sees:ring7A key:alt+a wait:1.3 sees:no8A sees:no7A",
    "the completion message open": "key:alt+i type:1 key:alt+s key:alt+n box:^Tower.of.Hanoi$",
    "after completion": "key:alt+i type:1 key:alt+s key:alt+n box:^Tower.of.Hanoi$ key:Return "
                        "boxes:0 sees:ring1C",
    "Alt+I, a click on Initialize: one question": "key:alt+i click:Initialize boxes:1",
    # The Enter reaches the question once it has the focus (an empty answer ends the program),
    # or is dropped if it comes before.
    "Alt+I, Enter on Initialize: one question": "key:Tab key:alt+i,Return atmost:1",
    "Alt+S, a click on Speed: the delay holds": f"{INIT8} key:alt+s click:Speed type:0.001 "
                                                "key:alt+a box:^Tower.of.Hanoi$",
}


def main():
    x, failures = X11(), 0
    for name, steps in SCENARIOS.items():
        x.start(sys.argv[1])
        try:
            for action in steps.split():
                x.step(action)
            if x.proc.poll() is None:
                note = "ended %.1f ms after the close request" % (x.close()[1] * 1000)
            else:
                assert "atmost" in steps, "ended early"
                note = "ended by the empty answer"
            assert x.proc.returncode == 0, f"status {x.proc.returncode}"
            print(f"ok: {name}: {note}")
        except (AssertionError, RuntimeError, subprocess.TimeoutExpired) as error:
            failures += 1
            print(f"FAIL: {name}: {error}")
            x.proc.kill()
            x.proc.wait()
    x.xvfb.terminate()
    print(f"{len(SCENARIOS) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
