#!/usr/bin/python3
"""The real window on the demo facility, driven as a person clicks it.

usage: scenarios.py SCENARIO MEALCARDS MAKE_DEMO_FACILITY
Each scenario starts its own X server; exit 0 when it held, 1 with the
reason when it did not.
"""
import os
import subprocess
import sys

from window_driver import Desktop, Failure, safe_role, scratch

DATE = "12-07-26"
# The boxes a print from the window asks on the way, and the button a
# person presses to go on.
GO_ON = [("Start Date on Cards will be", "OK")]


def demo(folder):
    subprocess.run([GENERATOR, folder], check=True, stdout=subprocess.DEVNULL)


def mealcards(args, **kw):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.pop("MEALCARDS_DRIVES", None)
    return subprocess.run([MEALCARDS] + args, env=env, capture_output=True, text=True, timeout=300, **kw)


def pages(pdf):
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True, text=True).stdout
    return text.split("\f")


def trace(path, facility):
    # The trace names picture files by where the facility lies.
    with open(path) as f:
        return [line.replace(facility, "<facility>") for line in f]


def expect_same_print(window, command):
    """The window's PDF and trace against the command line's, page by page."""
    for kind in ("pdf", "trace"):
        for run in (window, command):
            if not os.path.getsize(run + "." + kind):
                raise Failure("%s.%s is empty" % (run, kind))
    a, b = pages(window + ".pdf"), pages(command + ".pdf")
    if len(a) != len(b):
        raise Failure("the window printed %d pages, the command %d" % (len(a), len(b)))
    for n, (x, y) in enumerate(zip(a, b), 1):
        if x != y:
            raise Failure("page %d differs:\n--- window\n%s\n--- command\n%s" % (n, x, y))
    ta, tb = trace(window + ".trace", window), trace(command + ".trace", command)
    if ta != tb:
        first = next(i for i, (x, y) in enumerate(zip(ta + [""], tb + [""])) if x != y)
        raise Failure("the traces differ at line %d:\n%s%s" % (first + 1, ta[first:first + 1], tb[first:first + 1]))
    return len(a)


def print_from_window(name, press, command_args):
    home = scratch(name)
    window, command = os.path.join(home, "window"), os.path.join(home, "command")
    demo(window)
    demo(command)
    with Desktop() as desktop:
        program = desktop.start(MEALCARDS, ["--drives", window, "--date", DATE, "--pdf", window + ".pdf",
                                            "--trace", window + ".trace", "gui"], home)
        press(program)
        code = program.wait_exit(timeout=240, answers=GO_ON)
        if code != 0:
            program.fail("the window ended with exit %d" % code)
    r = mealcards(["--drives", command, "--date", DATE, "--pdf", command + ".pdf", "--trace", command + ".trace",
                   "print"] + command_args)
    if r.returncode != 0:
        raise Failure("print %s ended with %d: %s" % (command_args, r.returncode, r.stderr))
    print("%s: %d pages alike" % (name, expect_same_print(window, command)))


def print_all():
    print_from_window("print-all", lambda p: p.press("push button", "Print ALL Tray Cards", within=p.window(EASY)), [])


def print_one_unit():
    def press(p):
        p.press("push button", "Print One NUnit", within=p.window(EASY))
        box = p.box("Print Which Nursing Unit NUMBER")
        p.type_into(box, "2")
        p.answer(box, "OK")
        p.answer(p.box("Print Tray Cards for ALL Residents on"), "Yes")
    print_from_window("print-one-unit", press, ["--unit", "2"])


MAIN = "Meal Card & Select Menu Printing Program"
EASY = "[ EASY ]"


def started(name):
    home = scratch(name)
    facility = os.path.join(home, "facility")
    demo(facility)
    return home, facility


def exit_from(p, window):
    p.press("push button", "Exit", within=window)
    code = p.wait_exit(timeout=60)
    if code != 0:
        p.fail("Exit ended the program with %d" % code)


def advanced_brings_the_main_window():
    home, facility = started("advanced")
    with Desktop() as desktop:
        p = desktop.start(MEALCARDS, ["--drives", facility, "gui"], home)
        overlay = p.window(EASY)
        main = p.window(MAIN)
        p.press("push button", "Advanced", within=overlay)
        active = desktop.atspi.STATE_ACTIVE
        p.wait_for(lambda: main.getState().contains(active) and not p.showing_state(overlay),
                   "the main window to come to the front and the overlay to go")
        # A caption with an Alt key shows it underlined, never as "&".
        stray = [n.name for n in p.walk(main) if safe_role(n) == "label" and "&" in (n.name or "")]
        if stray:
            p.fail("labels show a literal '&': %s" % stray)
        for caption in ("Residents", "Menu Days", "Dining Loc"):
            p.find("label", caption, within=main, timeout=5)
        exit_from(p, main)


SET_RECORD = 300


def settings_record(facility, n):
    with open(os.path.join(facility, "c", "dnv", "setup", "Mcardset.MGC"), "rb") as f:
        f.seek((n - 1) * SET_RECORD)
        return f.read(SET_RECORD).decode("cp1252")


# The ranges' fields of a set record by first column (units, last
# resident, locations; first resident), as the window shows them after
# start-up on the demo: units 1-1, residents 3-3, locations 1-1.
WINDOW_RANGES = {1: "1 ", 3: "1 ", 7: "3  ", 16: "1  ", 19: "1  ", 293: "3  "}
RANGES = {c + i for c, text in WINDOW_RANGES.items() for i in range(len(text))}


def save_settings_under_a_button():
    home, facility = started("save-settings")
    before = [settings_record(facility, n) for n in range(1, 7)]
    if all(before[2][i] == before[0][i] for i in range(SET_RECORD) if i + 1 not in RANGES):
        raise Failure("the demo's set 3 should differ from set 1, or saving under button 3 proves nothing")
    # "Grey" (Check10) is column 91 of a set record.
    if before[0][90] != "0" or before[2][90] != "0":
        raise Failure("the demo's sets 1 and 3 should start without Grey: %r %r" % (before[0][90], before[2][90]))
    with Desktop() as desktop:
        p = desktop.start(MEALCARDS, ["--drives", facility, "gui"], home)
        p.press("push button", "Advanced", within=p.window(EASY))
        main = p.window(MAIN)
        p.press("check box", "Grey", within=main)
        p.wait_for(lambda: settings_record(facility, 1)[90] == "1", "Grey to be saved into set 1 at once")
        p.press("push button", "Save Settings Z", within=main)
        box = p.box("Under Which Orange Button")
        p.type_into(box, "3")
        p.answer(box, "OK")
        p.answer(p.box("Current Settings Saved Under Button 3"), "OK")
        after = [settings_record(facility, n) for n in range(1, 7)]
        # Set 3 now holds what the window shows: set 1's settings, Grey
        # included, and the window's ranges, which only this save writes.
        outside = [i + 1 for i in range(SET_RECORD) if i + 1 not in RANGES and after[2][i] != after[0][i]]
        if outside or after[2][90] != "1":
            p.fail("set 3 differs from the window's settings in columns %s" % outside)
        ranges = {c: after[2][c - 1:c - 1 + len(text)] for c, text in WINDOW_RANGES.items()}
        if ranges != WINDOW_RANGES:
            p.fail("set 3's ranges are %r, not the window's units 1-1, residents 3-3, locations 1-1" % ranges)
        for n in (2, 4, 5, 6):
            if after[n - 1] != before[n - 1]:
                p.fail("set %d changed" % n)
        exit_from(p, main)


def check_shows_the_report():
    home, facility = started("check")
    expected = mealcards(["--drives", facility, "--date", DATE, "check"])
    if expected.returncode not in (0, 3) or not expected.stdout.strip():
        raise Failure("check ended with %d: %s" % (expected.returncode, expected.stderr))
    with Desktop() as desktop:
        p = desktop.start(MEALCARDS, ["--drives", facility, "--date", DATE, "gui"], home)
        overlay = p.window(EASY)
        p.press("push button", "Check", within=overlay)
        report = p.window(expected.stdout.splitlines()[0])
        shown = p.text_of(p.find("text", within=report))
        if shown.strip() != expected.stdout.strip():
            p.fail("the window's report differs from check's:\n--- window\n%s\n--- check\n%s" %
                   (shown, expected.stdout))
        p.press("push button", "Close", within=report)
        exit_from(p, overlay)


CHOOSER = "choose the facility folder"


def choose(p, folder):
    chooser = p.window(CHOOSER)
    fields = [n for n in p.walk(chooser) if safe_role(n) == "text"]
    if not fields:
        p.fail("the folder chooser has no field to type a folder into")
    fields[-1].queryEditableText().setTextContents(folder)
    p.press("push button", "Choose", within=chooser)


LEFT_AT = (1200, 660)


def size_of(desktop, node):
    box = node.queryComponent().getExtents(desktop.atspi.DESKTOP_COORDS)
    return box.width, box.height


def asks_for_a_facility():
    home, facility = started("asks-for-facility")
    # The likeliest slip: drive c's folder instead of the one holding it.
    wrong = os.path.join(facility, "c")
    with Desktop() as desktop:
        p = desktop.start(MEALCARDS, ["gui"], home)
        choose(p, wrong)
        told = p.box("holds no facility")
        said = " ".join(p.text_of(n) for n in p.walk(told) if safe_role(n) == "label")
        if facility + " holds a facility" not in said:
            p.fail("the refusal does not point to the folder above: " + said)
        p.answer(told, "OK")
        choose(p, facility)
        # Made smaller than it opened, as on a screen shared with another program.
        main = p.window(MAIN)
        if desktop.resize(main.name, *LEFT_AT) != 1:
            p.fail("found not one window titled %r to resize" % main.name)
        p.wait_for(lambda: size_of(desktop, main) == LEFT_AT, "the window to take the size it was given")
        exit_from(p, p.window(EASY))
        # The next start takes the folder and the size it remembers, without asking.
        p = desktop.start(MEALCARDS, ["gui"], home)
        overlay = p.window(EASY)
        if CHOOSER in p.showing():
            p.fail("the second start asked again: " + p.showing())
        main = p.window(MAIN)
        p.wait_for(lambda: size_of(desktop, main) == LEFT_AT, "the window to open at the size it was left at")
        exit_from(p, overlay)


SCENARIOS = {f.__name__: f for f in (print_all, print_one_unit, advanced_brings_the_main_window,
                                     save_settings_under_a_button, check_shows_the_report, asks_for_a_facility)}

if __name__ == "__main__":
    name, MEALCARDS, GENERATOR = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    try:
        SCENARIOS[name]()
    except Failure as e:
        print("FAILED %s: %s" % (name, e), file=sys.stderr)
        sys.exit(1)
    print("%s held" % name)
