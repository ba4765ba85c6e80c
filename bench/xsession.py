"""A private X server and the few things the benchmarks do to the program's real window:
find it, click it, type into it, and close it as a window manager's close box would.

Needs Xvfb, xdotool and python3-xlib (Debian: xvfb, xdotool, python3-xlib).
"""
import os
import subprocess
import time


def start_xvfb():
    """Starts Xvfb on the first free display from :90, sets DISPLAY and returns the process."""
    for n in range(90, 130):
        if os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
            continue
        proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(500):
            if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                os.environ["DISPLAY"] = f":{n}"
                return proc
            if proc.poll() is not None:
                break
            time.sleep(0.01)
        proc.kill()
    raise RuntimeError("could not start Xvfb")


def find_window(title, timeout=20.0, poll=0.002):
    """Id of the first visible window whose name matches the regular expression `title`."""
    end = time.perf_counter() + timeout
    while time.perf_counter() < end:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                             capture_output=True, text=True).stdout.split()
        if out:
            return out[0]
        time.sleep(poll)
    raise RuntimeError(f"no window {title!r} within {timeout} s")


def click(window, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"],
                   check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", text], check=True)


def key(name):
    """Presses a key in the window that has the keyboard focus."""
    subprocess.run(["xdotool", "key", name], check=True)


def pixel(window, x, y):
    """The window's pixel at (x, y) as 0xRRGGBB (24-bit TrueColor screens)."""
    from Xlib import X, display
    d = display.Display()
    w = d.create_resource_object("window", int(window, 0))
    data = w.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
    d.close()
    return int.from_bytes(data[:3], "little")


def close_and_wait(window, proc, timeout=10.0):
    """Sends WM_DELETE_WINDOW to the window, as a window manager's close box does, and waits for
    its process to end. Returns the exit status and the seconds from the request to the end."""
    from Xlib import X, display
    from Xlib.protocol import event
    d = display.Display()
    w = d.create_resource_object("window", int(window, 0))
    message = event.ClientMessage(window=w, client_type=d.intern_atom("WM_PROTOCOLS"),
                                  data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    sent = time.perf_counter()
    w.send_event(message, event_mask=X.NoEventMask)
    d.sync()  # a round trip: with only a flush the message is now and then lost on its way
    d.close()
    code = proc.wait(timeout=timeout)
    return code, time.perf_counter() - sent
