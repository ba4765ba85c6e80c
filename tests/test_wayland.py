#!/usr/bin/python3
# The real program as a native Wayland client under a private headless sway (pixman renderer, no
# input devices, output scale 1): a whole 3-ring game played by keyboard, the board compared pixel
# for pixel with the worked values after Initialize and after the first move, the completion
# message; then closes, each of which must end the program with status 0 within 1 s of the
# request: after the game, in the middle of a solution, with the ring question open, by the
# answer 0, and in HANOI_CYCLES (20) start-and-close cycles, which once hung in Qt's Wayland
# teardown. Stops at the first failure, with the reason.
#
# Usage: test_wayland.py PATH_TO_HANOI [SWAY_COMMAND]
#   SWAY_COMMAND is run on the main window while the game's ring question is open, before the
#   answer is typed. With `focus` the compositor moves the keyboard focus to the main window, and
#   the keys typed next must still reach the question.
# Needs sway, grim, wtype and Qt's Wayland plugin (Debian: sway grim wtype qt6-wayland).
import os, pathlib, shutil, subprocess, sys, tempfile, time  # noqa: E401

# sway's criteria for the window and for the message and input boxes.
MAIN, BOX = '[title="^Tower of Hanoi by Tandrovek$"]', '[title="^Tower of Hanoi$"]'
# Columns and rows of the window: the board from the poles' top row down (the letters above them
# depend on the font), and the Auto Solve button, which Solve enables.
BOARD, AUTO = (range(12, 546), range(47, 283)), (range(120, 217), range(296, 337))
# Bases and poles as left, top, width, height (twips), colour and 0 for copy mode...
TOWERS = [(c + dx, top, w, h, colour, 0) for c in (1614, 4035, 6456)
          for dx, top, w, h, colour in ((-807, 3612, 1614, 161, 0x808000), (-40, 498, 80, 3115, 0))]
# ...and rings, 322 twips high, drawn in xor mode.
INIT = ((888, 3291, 1453, 0x008080), (968, 2969, 1291, 0x800000), (1049, 2647, 1130, 0x800080))
MOVED = INIT[:2] + ((5891, 3291, 1130, 0x800080),)  # the first move: ring 3 from A to C
KILL = ("swaymsg", MAIN, "kill")  # the close request, as from the window's close box
started = []  # sway, the keyboard, then the programs; the last is the one under test


def run(*command):  # the output, or False when the command fails
    done = subprocess.run(command, capture_output=True)
    return done.returncode == 0 and done.stdout


# Presses at once, and again every 2 s until `check` holds (for 10 s at most): a key that arrives
# before Qt has made the window active, which it does one round trip after the compositor gave
# it the keyboard, is lost. Each check runs a program, so the loop needs no sleep.
def wait(check, what, press=lambda: None):
    for end in (time.monotonic() + 2 for _ in range(5)):
        press()
        while time.monotonic() < end:
            if check():
                return
    raise AssertionError(what)


def board(rings):  # the expected pixels of BOARD, at 15 twips a pixel, row by row
    pixels = {(x, y): 0xFFFFFF for y in BOARD[1] for x in BOARD[0]}
    for left, top, width, height, colour, xor in TOWERS + [(*r[:3], 322, r[3], 1) for r in rings]:
        for y in range(14 + top // 15, 15 + (top + height - 1) // 15):
            for x in range(12 + left // 15, 13 + (left + width - 1) // 15):
                pixels[x, y] = colour ^ (pixels[x, y] if xor else 0)
    return b"".join(pixel.to_bytes(3, "big") for pixel in pixels.values())


def shot(area):  # the window stands at 0,0
    geometry = f"{area[0][0]},{area[1][0]} {len(area[0])}x{len(area[1])}"
    return run("grim", "-t", "ppm", "-g", geometry, "-").split(b"\n", 3)[3]


def alt(letter, area=None):  # then waits until the picture of `area` changes, or for a box
    before = area and shot(area)
    wait(lambda: shot(area) != before if area else run("swaymsg", BOX, "nop"), f"Alt+{letter}",
         lambda: run("wtype", "-M", "alt", letter, "-m", "alt"))


def start(*letters):
    started.append(subprocess.Popen([sys.argv[1]]))
    wait(lambda: run("swaymsg", MAIN, "move position 0 0"), "no window")
    for letter in letters:
        alt(letter)


def ends_on(*request):
    sent, _ = time.monotonic(), run(*request)
    status, seconds = started[-1].wait(10), time.monotonic() - sent
    assert status == 0 and seconds <= 1, f"status {status}, {seconds:.2f} s after {request}"


def play():
    for finish in (True, False):  # the whole game, then a close in the middle of a solution
        start("i")
        run("swaymsg", MAIN, *sys.argv[2:] or ["nop"])
        run("wtype", "3", "-k", "Return")
        wait(lambda: shot(BOARD) == board(INIT), "no three rings on A")
        alt("s", AUTO)
        alt("n", BOARD)
        wait(lambda: shot(BOARD) == board(MOVED), "ring 3 did not move to C")
        for area in (BOARD,) * 5 + (None,) if finish else ():  # the last move opens the message
            alt("n", area)
        ends_on(*KILL)
    closes = [(KILL, "i"), (("wtype", "0", "-k", "Return"), "i")]  # with the ring question open
    for request, letters in closes + [(KILL, "")] * int(os.environ.get("HANOI_CYCLES", 20)):
        start(*letters)
        ends_on(*request)


with tempfile.TemporaryDirectory(dir="/tmp") as home, tempfile.TemporaryDirectory() as app:
    pathlib.Path(home, "config").write_text("default_floating_border none\nxwayland disable\n")
    sway = ["sway", "-c", f"{home}/config"]
    if os.getuid() == 0:  # sway refuses to run as root (and then still exits 0)
        shutil.chown(home, "nobody", "nogroup")
        sway = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] + sway
    os.environ.update(SWAYSOCK=f"{home}/ipc", WAYLAND_DISPLAY=f"{home}/wayland-1", DISPLAY="",
                      XDG_RUNTIME_DIR=app, QT_QPA_PLATFORM="wayland", QT_SCALE_FACTOR="1")
    started.append(subprocess.Popen(sway, env=dict(
        os.environ, XDG_RUNTIME_DIR=home, WLR_BACKENDS="headless", WLR_RENDERER="pixman")))
    try:
        # The pointer off the window, since grim draws it.
        wait(lambda: run("swaymsg", "seat", "seat0", "cursor", "set", "1200", "700"), "no sway")
        # Keys come from wtype's virtual keyboards. One stays open all along: the keys of a
        # keyboard that appears while the program runs arrive before Qt has bound it.
        started.append(subprocess.Popen(["wtype", "-s", "86400000", "-k", "Shift_L"]))
        play()
    finally:
        for proc in started:
            proc.kill()
