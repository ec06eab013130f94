# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the built program through the accessibility bus, as a screen reader does.

It runs inside a D-Bus session (dbus-run-session) on an X server (xvfb-run): the bus launcher
starts the accessibility bus on demand, the program joins it and this client reads and drives the
windows through AT-SPI only. Each cycle opens a paper from the home window, reads its question,
types answers, saves and marks through the buttons' actions, answers the dialogs, reads the hint
line and closes the paper; the next cycle opens another one. The program must not crash, and every
action must be answered at once (a handler that runs a modal box before replying freezes the screen
reader).

    atspi_client.py PROGRAM [--cycles N] [--data-dir DIR]

For looking into a crash of an older build: --wrap "gdb -batch -ex run -ex bt --args" runs the
program under a debugger, --no-wait sends the actions without waiting for their replies (a program
whose handlers block would stall the client) and --skip-document leaves the question's text out.

The exit status is 0 only when every cycle passed; the last line reads "N passed, N failed".
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi, GLib

# An action's reply, measured on this side: a functional limit (the reply must not wait for a
# modal box), far above the few milliseconds a queued action takes.
ACTION_REPLY_LIMIT_S = 1.0
# The question's text must be in the tree this soon after its page shows.
DOCUMENT_TEXT_LIMIT_S = 1.0
# The first paper also waits for the HTML engine to start.
FIRST_OPEN_LIMIT_S = 30.0


class Failure(Exception):
    pass


def log(*parts):
    print(*parts, flush=True)


def safe(fn, default=None):
    try:
        return fn()
    except (GLib.Error, RuntimeError, LookupError):
        return default


def children(acc):
    count = safe(lambda: acc.childCount, 0) or 0
    out = []
    for i in range(count):
        child = safe(lambda i=i: acc.getChildAtIndex(i))
        if child is not None:
            out.append(child)
    return out


def walk(acc, depth=0, limit=40):
    yield acc
    if depth >= limit:
        return
    for child in children(acc):
        yield from walk(child, depth + 1, limit)


def role(acc):
    return safe(lambda: acc.getRoleName(), "")


def name(acc):
    return (safe(lambda: acc.name, "") or "") if acc is not None else ""


def description(acc):
    return safe(lambda: acc.description, "") or ""


def showing(acc):
    states = safe(lambda: acc.getState())
    return bool(states) and states.contains(pyatspi.STATE_SHOWING)


def enabled(acc):
    states = safe(lambda: acc.getState())
    return bool(states) and states.contains(pyatspi.STATE_ENABLED)


def label_of(acc):
    """What a screen reader says for a button: its name, else its caption, else its tip."""
    n = name(acc)
    if n:
        return n
    for child in children(acc):
        if role(child) == "label" and name(child):
            return name(child)
    return description(acc)


def text_of(acc):
    text = safe(lambda: acc.queryText())
    if text is None:
        return ""
    return safe(lambda: text.getText(0, -1), "") or ""


def wait_for(what, fn, timeout):
    deadline = time.monotonic() + timeout
    while True:
        value = fn()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


class Program:
    def __init__(self, path, data_dir, wrapper=()):
        env = dict(os.environ)
        # The program joins the accessibility bus as it would for a running screen reader.
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        env["QT_QPA_PLATFORM"] = "xcb"
        self.proc = subprocess.Popen([*wrapper, path, "--data-dir", data_dir], env=env)
        self.app = None
        self.wrapped = bool(wrapper)

    def alive(self):
        return self.proc.poll() is None

    def ended(self):
        code = self.proc.poll()
        if code is None:
            return ""
        sig = -code if code < 0 else 0
        return "the program ended (%s)" % (signal.Signals(sig).name if sig else "status %d" % code)

    def check_alive(self):
        if not self.alive():
            raise Failure(self.ended())

    def find_app(self, timeout=30):
        def look():
            self.check_alive()
            desktop = pyatspi.Registry.getDesktop(0)
            for app in children(desktop):
                pid = safe(lambda: app.get_process_id())
                # Under a debugger the program is a child of the process started here.
                if pid == self.proc.pid or (self.wrapped and "larkspur" in name(app).lower()):
                    return app
            return None

        self.app = wait_for("the program on the accessibility bus", look, timeout)
        # Every read goes to the program: a cached tree would hide a dead object.
        safe(lambda: self.app.set_cache_mask(Atspi.Cache.NONE))
        return self.app

    def windows(self):
        self.check_alive()
        return [w for w in children(self.app) if showing(w)]

    def showing(self, window):
        """Whether that window is still on screen (objects compared by their path)."""
        return any(w.path == window.path for w in self.windows())

    def window_with(self, predicate, what, timeout=10):
        def look():
            for w in self.windows():
                for acc in walk(w):
                    if predicate(acc):
                        return w
            return None

        return wait_for(what, look, timeout)

    def stop(self):
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def find(root, predicate, what, timeout=5):
    def look():
        for acc in walk(root):
            if predicate(acc):
                return acc
        return None

    return wait_for(what, look, timeout)


def button(root, label, timeout=5):
    return find(
        root,
        lambda a: role(a) == "push button" and label_of(a) == label and showing(a),
        "button " + label,
        timeout,
    )


# Set by --no-wait: actions are sent without waiting for their reply (a client of a program that
# blocks in its action handlers would otherwise stall on each press).
NO_WAIT = {"address": None, "skip_document": False}


def a11y_bus_address():
    out = subprocess.run(
        ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
         "--method", "org.a11y.Bus.GetAddress"],
        check=True, capture_output=True, text=True,
    ).stdout
    return out.strip()[2:-3]  # ('unix:path=...',)


def press(acc, what, timings):
    """Presses through the action interface and measures the reply."""
    if NO_WAIT["address"]:
        subprocess.Popen(
            ["gdbus", "call", "--address", NO_WAIT["address"], "--dest", acc.app.bus_name,
             "--object-path", acc.path, "--method", "org.a11y.atspi.Action.DoAction", "0"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        )
        time.sleep(0.2)
        return
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not names:
        raise Failure(what + " has no action")
    start = time.monotonic()
    try:
        action.doAction(0)
    except GLib.Error as e:
        raise Failure("%s: no reply (%s)" % (what, e.message))
    elapsed = time.monotonic() - start
    timings.append((what, elapsed))
    if elapsed > ACTION_REPLY_LIMIT_S:
        raise Failure("%s answered after %.2f s" % (what, elapsed))


def answer_dialog(program, message_part, answer, timings):
    """Finds the program's message box that says `message_part` and presses `answer`."""
    dialog = program.window_with(
        lambda a: role(a) == "label" and message_part in name(a), "dialog '%s'" % message_part
    )
    press(button(dialog, answer), "dialog " + answer, timings)
    wait_for(
        "dialog '%s' to close" % message_part,
        lambda: not program.showing(dialog),
        10,
    )


def practice_window(program, timeout):
    return program.window_with(
        lambda a: role(a) == "push button" and label_of(a) == "Mark", "the practice window", timeout
    )


def document(window):
    """The question's document (the web page) in the window's tree."""
    for acc in walk(window):
        if role(acc) in ("document web", "document frame"):
            return acc
    return None


def question_text(window, timeout):
    """The question document's text as the tree offers it."""

    def look():
        for acc in walk(window):
            if role(acc) in ("document web", "document frame"):
                words = [text_of(a) or name(a) for a in walk(acc) if a is not acc]
                text = " ".join(w for w in words if w).strip()
                if text:
                    return text
        return None

    return wait_for("the question's text", look, timeout)


def answer_boxes(window):
    return [
        a
        for a in walk(window)
        if role(a) == "text" and name(a).startswith("Answer ") and showing(a)
    ]


def hint_line(window):
    for acc in walk(window):
        if role(acc) == "label" and name(acc).startswith("Hint") and showing(acc):
            return name(acc)
    return None


def check_hint_line(window):
    """A hint told to the screen reader in a box's description is on the screen too."""
    hints = []
    for box in answer_boxes(window):
        said = description(box)
        if said.startswith("Marked wrong. "):
            hints.append(said[len("Marked wrong. "):])
    line = hint_line(window)
    if not hints:
        if line:
            raise Failure("a hint line without a hint: " + line)
        return
    if not line or not any(line.endswith(": " + h) for h in hints):
        raise Failure("the hint line %r shows none of %r" % (line, hints))


def is_paper_button(acc, number=None, second_take=None):
    """A paper's button, named like "Paper 2, 1st attempt, 40%"."""
    if role(acc) != "push button" or not showing(acc):
        return False
    n = r"\d+" if number is None else str(number)
    take = {None: "(1st|2nd)", False: "1st", True: "2nd"}[second_take]
    return re.match(r"Paper %s, %s attempt" % (n, take), name(acc)) is not None


def home_window(program):
    return program.window_with(lambda a: is_paper_button(a), "the home window", 30)


def open_paper(program, home, number, second_take, timings):
    # The topic first, as a pupil picks it: a list item pressed through its action.
    topics = [a for a in walk(home) if role(a) == "list item" and showing(a)]
    if topics:
        press(topics[0], "topic " + name(topics[0]), timings)
    paper = find(home, lambda a: is_paper_button(a, number, second_take),
                 "paper %d's button" % number)
    press(paper, label_of(paper), timings)


def run_cycle(program, cycle, timings):
    home = home_window(program)
    # What a screen reader finds there: the subjects as page tabs, the topics as list items, the
    # papers as named buttons.
    shown = [a for a in walk(home) if showing(a)]
    tabs = [name(a) for a in shown if role(a) == "page tab"]
    topics = [name(a) for a in shown if role(a) == "list item"]
    papers = [a for a in shown if is_paper_button(a)]
    if len(tabs) < 2 or not all(tabs) or not topics or not all(topics) or len(papers) < 5:
        raise Failure("the home window reads as tabs %r, topics %r, %d papers"
                      % (tabs, topics, len(papers)))
    # Papers 1 to 5 of the first topic, then their second takes (all were marked with slips).
    number = cycle % 5 + 1
    second = cycle // 5 % 2 == 1
    open_paper(program, home, number, second, timings)
    window = practice_window(program, FIRST_OPEN_LIMIT_S if cycle == 0 else 10)
    question = "" if NO_WAIT["skip_document"] else question_text(
        window, FIRST_OPEN_LIMIT_S if cycle == 0 else 5)
    mark = button(window, "Mark")
    if enabled(mark):
        boxes = answer_boxes(window)
        if not boxes:
            raise Failure("no answer box on paper %d" % number)
        for box in boxes:
            if not safe(lambda: box.getState().contains(pyatspi.STATE_EDITABLE), False):
                continue
            box.queryEditableText().setTextContents("7")
            if text_of(box) != "7":
                raise Failure("typing into '%s' did not land" % name(box))
        # The next question's page shows (its document takes the page's title), and its text is
        # in the tree within a second of that.
        nxt = button(window, "Next")
        if enabled(nxt) and not NO_WAIT["skip_document"]:
            title = name(document(window))
            press(nxt, "Next", timings)
            wait_for("the next question's page", lambda: name(document(window)) != title, 10)
            start = time.monotonic()
            wait_for(
                "the next question's text",
                lambda: (question_text(window, 5) or "") != question,
                DOCUMENT_TEXT_LIMIT_S,
            )
            timings.append(("next question's text", time.monotonic() - start))
        press(button(window, "Save"), "Save", timings)
        answer_dialog(program, "Paper saved", "OK", timings)
        press(button(window, "Mark"), "Mark", timings)
        answer_dialog(program, "mark", "Yes", timings)
        wait_for("the paper to be marked", lambda: not enabled(button(window, "Save")), 20)
        check_hint_line(window)
    press(button(window, "Close"), "Close", timings)
    answer_dialog(program, "Confirm?", "Yes", timings)
    wait_for("the practice window to close", lambda: not program.showing(window), 10)
    program.check_alive()
    return question


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--cycles", type=int, default=20)
    parser.add_argument("--data-dir")
    parser.add_argument("--wrap", default="")
    parser.add_argument("--no-wait", action="store_true")
    parser.add_argument("--skip-document", action="store_true")
    args = parser.parse_args()

    data_dir = args.data_dir or tempfile.mkdtemp(prefix="larkspur-atspi-")
    program = Program(args.program, data_dir, args.wrap.split())
    NO_WAIT["skip_document"] = args.skip_document
    if args.no_wait:
        NO_WAIT["address"] = a11y_bus_address()
    passed = failed = 0
    timings = []
    try:
        program.find_app()
        for cycle in range(args.cycles):
            try:
                question = run_cycle(program, cycle, timings)
            except (Failure, NotImplementedError, GLib.Error) as e:
                what = str(e) or type(e).__name__
                if not program.alive():
                    what += "; " + program.ended()
                log("cycle %d: FAILED: %s" % (cycle + 1, what))
                # The cycles after a failure are not run: they count as failed.
                failed = args.cycles - cycle
                break
            passed += 1
            log("cycle %d: ok (%d characters of question text)" % (cycle + 1, len(question)))
    except Failure as e:
        log("FAILED:", e)
        failed = args.cycles - passed
    finally:
        program.stop()
        if not args.data_dir:
            shutil.rmtree(data_dir, ignore_errors=True)
    replies = [t for t in timings if t[0] != "next question's text"]
    texts = [t[1] for t in timings if t[0] == "next question's text"]
    if replies:
        slowest = max(replies, key=lambda t: t[1])
        log("%d action replies, the slowest %.3f s (%s)" % (len(replies), slowest[1], slowest[0]))
    if texts:
        log("next question's text in the tree after %.3f s at most" % max(texts))
    log("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed == args.cycles else 1


if __name__ == "__main__":
    sys.exit(main())
