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
INITIALIZE, SOLVE = (280, 316), (56, 316)


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
    xsession.click(window, *SOLVE)
    time.sleep(0.3)


def automatic_play(window):
    move_pending(window)
    xsession.key("Return", window)  # Auto Solve
    time.sleep(1.2)


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
                sent = xsession.request_close(window)
                code = proc.wait(timeout=10)
                ms = (time.perf_counter() - sent) * 1000
                verdict = "ok" if code == 0 else "FAIL"
                failures += code != 0
                print(f"{verdict}: {state.__name__}: status {code}, ended {ms:.1f} ms after the close request")
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
