#!/usr/bin/python3
"""Closes the real window in every state where it can be closed and checks that the program
ends with status 0 each time. Prints the time from the close request to the process's end;
the timeout only guards against a hang.

Usage: test_close_states.py PATH_TO_HANOI
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

TITLE = "^Tower of Hanoi by Tandrovek$"
BOX = "^Tower of Hanoi$"  # message and input boxes
SOLVE, AUTO, INITIALIZE = (56, 316), (168, 316), (280, 316)
# A point of ring 8 (green, so drawn 0xFF7FFF over white) while it is on pole A with 7 rings
# below it: the top ring of an 8-ring stack, and the first to move.
RING8_ON_A = (10 + 2 + 98, 12 + 2 + 75)
# Ring 7 (magenta, drawn 0x7FFF7F) on pole A under ring 8: the second ring to move.
RING7_ON_A = (10 + 2 + 95, 12 + 2 + 100)


def expect_pixel(window, point, colour, what):
    actual = xsession.pixel(window, *point)
    if actual != colour:
        raise RuntimeError(f"{what}: pixel {point} is {actual:06x}, expected {colour:06x}")


def initialize(window, rings):
    xsession.click(window, *INITIALIZE)
    xsession.find_window(BOX, timeout=10)
    xsession.type_text(str(rings))
    xsession.key("Return")
    time.sleep(0.3)


def before_initialize(window):
    pass


def after_initialize(window):
    initialize(window, 3)


def move_pending(window):
    initialize(window, 8)
    expect_pixel(window, RING8_ON_A, 0xFF7FFF, "eight rings on A")
    xsession.click(window, *SOLVE)
    time.sleep(0.3)
    expect_pixel(window, RING8_ON_A, 0xFF7FFF, "nothing moves until Next")


def automatic_play(window):
    move_pending(window)
    expect_pixel(window, RING7_ON_A, 0x7FFF7F, "ring 7 on A")
    xsession.click(window, *AUTO)
    time.sleep(1.3)  # two ticks at 500 ms
    expect_pixel(window, RING8_ON_A, 0xFFFFFF, "ring 8 moved off A by the timer")
    expect_pixel(window, RING7_ON_A, 0xFFFFFF, "ring 7 moved off A by the timer")


def after_completion(window):
    initialize(window, 1)
    xsession.click(window, *SOLVE)
    time.sleep(0.3)
    xsession.click(window, *SOLVE)  # Next: the one move, then the completion message
    xsession.find_window(BOX, timeout=10)
    xsession.key("Return")  # OK, which has the focus
    time.sleep(0.3)


def main():
    hanoi = sys.argv[1]
    xvfb = xsession.start_xvfb()
    failures = 0
    try:
        for state in (before_initialize, after_initialize, move_pending, automatic_play,
                      after_completion):
            env = dict(os.environ)
            env.pop("QT_QPA_PLATFORM", None)
            proc = subprocess.Popen([hanoi], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            try:
                window = xsession.find_window(TITLE)
                time.sleep(0.2)
                state(window)
                if proc.poll() is not None:
                    raise RuntimeError(f"ended early with status {proc.returncode}")
                code, seconds, requests = xsession.close_and_wait(window, proc)
                verdict = "ok" if code == 0 else "FAIL"
                failures += code != 0
                again = f" (request sent {requests} times)" if requests > 1 else ""
                print(f"{verdict}: {state.__name__}: status {code}, ended {seconds * 1000:.1f} ms "
                      f"after the close request{again}")
            except Exception as error:  # a hang or a missing window
                failures += 1
                print(f"FAIL: {state.__name__}: {error}")
                proc.kill()
                proc.wait()
    finally:
        xvfb.terminate()
    print(f"{5 - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
