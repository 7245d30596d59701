"""Drives the real mealcards window as a person does, through its
accessibility tree: an X server, a session bus and an accessibility bus of
its own, the program started on them, and its buttons, fields and boxes
found by role and name.

Every wait polls with a deadline; a node that vanishes while it is read is
skipped, so one closing box never hides the rest of the tree.
"""
import ctypes
import ctypes.util
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib


class Failure(AssertionError):
    pass


def safe_role(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def _kill_group(process):
    """Ends a process we started and whatever it started in its session."""
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=5)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


class Desktop:
    """Xvfb at a laptop's size with the buses the accessibility tree needs."""

    def __init__(self, width=1366, height=740):
        self.size = (width, height)
        self.processes = []
        self.dbus_pid = None
        self.env = dict(os.environ)

    def __enter__(self):
        read, write = os.pipe()
        # The screen is kept in a file too, for pictures of what went wrong.
        self.fbdir = tempfile.mkdtemp(prefix="mealcards-screen-")
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % self.size, "-nolisten", "tcp",
             "-fbdir", self.fbdir],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write)
        self.processes.append(xvfb)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            self.env.pop(name, None)
        out = subprocess.run(["dbus-launch", "--sh-syntax", "--exit-with-x11"], env=self.env, check=True,
                             capture_output=True, text=True, timeout=20).stdout
        for line in out.splitlines():
            key, _, value = line.partition("=")
            value = value.rstrip(";").strip("'")
            if key == "DBUS_SESSION_BUS_ADDRESS":
                self.env[key] = value
            elif key == "DBUS_SESSION_BUS_PID":
                self.dbus_pid = int(value)
        launcher = "/usr/libexec/at-spi-bus-launcher"
        self.processes.append(subprocess.Popen([launcher, "--launch-immediately"], env=self.env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                               start_new_session=True))
        # pyatspi connects at import, to the buses named in our environment.
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi  # noqa: E402  (Debian's module, for /usr/bin/python3)
        self.atspi = pyatspi
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            _kill_group(process)
        if self.dbus_pid:
            try:
                os.kill(self.dbus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.fbdir, ignore_errors=True)
        return False

    def screenshot(self, path):
        """The screen as a PNG picture (Xvfb keeps it as a 32-bit XWD file)."""
        with open(os.path.join(self.fbdir, "Xvfb_screen0"), "rb") as f:
            data = f.read()
        head = struct.unpack(">25I", data[:100])
        header_size, width, height, bpl, ncolors = head[0], head[4], head[5], head[12], head[19]
        pixels = data[header_size + 12 * ncolors:]
        rows = bytearray()
        for y in range(height):
            row = pixels[y * bpl:y * bpl + width * 4]
            rgb = bytearray(width * 3)
            rgb[0::3], rgb[1::3], rgb[2::3] = row[2::4], row[1::4], row[0::4]
            rows += b"\0" + rgb

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                    chunk(b"IDAT", zlib.compress(bytes(rows))) + chunk(b"IEND", b""))

    def resize(self, title, width, height):
        """Gives the top-level windows titled `title` a new size,
        as a person drags a corner; with no window manager the X server does
        it itself. Returns how many windows it resized."""
        c = ctypes
        x11 = c.CDLL(c.util.find_library("X11"))
        x11.XOpenDisplay.restype = c.c_void_p
        x11.XOpenDisplay.argtypes = [c.c_char_p]
        x11.XDefaultRootWindow.restype = c.c_ulong
        x11.XDefaultRootWindow.argtypes = [c.c_void_p]
        x11.XInternAtom.restype = c.c_ulong
        x11.XInternAtom.argtypes = [c.c_void_p, c.c_char_p, c.c_int]
        x11.XQueryTree.argtypes = [c.c_void_p, c.c_ulong] + [c.c_void_p] * 4
        x11.XGetWindowProperty.argtypes = [c.c_void_p, c.c_ulong, c.c_ulong, c.c_long, c.c_long, c.c_int,
                                           c.c_ulong] + [c.c_void_p] * 5
        x11.XResizeWindow.argtypes = [c.c_void_p, c.c_ulong, c.c_uint, c.c_uint]
        x11.XFree.argtypes = [c.c_void_p]
        x11.XSync.argtypes = [c.c_void_p, c.c_int]
        x11.XCloseDisplay.argtypes = [c.c_void_p]
        display = x11.XOpenDisplay(self.env["DISPLAY"].encode())
        if not display:
            raise Failure("cannot open the test's X display " + self.env["DISPLAY"])
        title_atom = x11.XInternAtom(display, b"_NET_WM_NAME", 0)
        root, parent, children, count = c.c_ulong(), c.c_ulong(), c.POINTER(c.c_ulong)(), c.c_uint()
        x11.XQueryTree(display, x11.XDefaultRootWindow(display), c.byref(root), c.byref(parent),
                       c.byref(children), c.byref(count))
        resized = 0
        for i in range(count.value):
            kind, bits, items, left, value = c.c_ulong(), c.c_int(), c.c_ulong(), c.c_ulong(), c.c_void_p()
            if x11.XGetWindowProperty(display, children[i], title_atom, 0, 1024, 0, 0, c.byref(kind),
                                      c.byref(bits), c.byref(items), c.byref(left), c.byref(value)) != 0:
                continue
            if value.value:
                name = c.string_at(value.value, items.value).decode("utf-8", "replace")
                x11.XFree(value)
                if name == title:
                    x11.XResizeWindow(display, children[i], width, height)
                    resized += 1
        if children:
            x11.XFree(children)
        x11.XSync(display, 0)
        x11.XCloseDisplay(display)
        return resized

    def start(self, program, args, home, extra_env=None):
        """The program on this desktop, with its accessibility on and its
        remembered settings kept under `home`."""
        env = dict(self.env)
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                    "XDG_CONFIG_HOME": os.path.join(home, "config"), "HOME": home})
        env.pop("MEALCARDS_DRIVES", None)
        # Qt's own dialogs, whatever desktop the machine would offer.
        env.pop("XDG_CURRENT_DESKTOP", None)
        env["QT_QPA_PLATFORMTHEME"] = ""
        env.update(extra_env or {})
        log = open(os.path.join(home, "program.log"), "w")
        process = subprocess.Popen([program] + args, env=env, stdout=log, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        self.processes.append(process)
        return Program(self, process, os.path.join(home, "program.log"))


class Program:
    def __init__(self, desktop, process, log):
        self.desktop = desktop
        self.process = process
        self.log = log

    def output(self):
        with open(self.log, errors="replace") as f:
            return f.read()

    def fail(self, message):
        picture = os.path.join(os.path.dirname(self.log), "screen.png")
        try:
            self.desktop.screenshot(picture)
            message += "\n-- the screen: " + picture
        except Exception:
            pass
        raise Failure(message + "\n-- the program said:\n" + self.output())

    def app(self):
        """The program's node in the desktop's tree, or None."""
        desktop = self.desktop.atspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            try:
                child = desktop.getChildAtIndex(i)
                if child is not None and child.get_process_id() == self.process.pid:
                    return child
            except Exception:
                continue
        return None

    def window(self, contains, timeout=60):
        """The showing window (or box) of the program whose title holds `contains`."""
        deadline = time.monotonic() + timeout
        while True:
            root = self.app()
            for i in range(root.childCount if root is not None else 0):
                try:
                    node = root.getChildAtIndex(i)
                    if contains in (node.name or "") and self.showing_state(node):
                        return node
                except Exception:
                    continue
            if self.process.poll() is not None:
                self.fail("the program ended (exit %s) while the window %r was awaited" %
                          (self.process.returncode, contains))
            if time.monotonic() > deadline:
                self.fail("no window %r within %d s; showing: %s" % (contains, timeout, self.showing()))
            time.sleep(0.4)

    def nodes(self):
        """Every node of the program's showing windows, read defensively."""
        root = self.app()
        if root is None:
            return
        stack = [root]
        while stack:
            node = stack.pop()
            yield node
            try:
                count = node.childCount
            except Exception:
                continue
            for i in range(count - 1, -1, -1):
                try:
                    child = node.getChildAtIndex(i)
                except Exception:
                    continue
                if child is not None:
                    stack.append(child)

    def find(self, role, name=None, contains=None, timeout=30, within=None):
        """The first showing node of the role (and name) found before the
        deadline. `within` limits the search to one window's subtree."""
        deadline = time.monotonic() + timeout
        while True:
            for node in (self.walk(within) if within is not None else self.nodes()):
                try:
                    if node.getRoleName() != role:
                        continue
                    if name is not None and node.name != name:
                        continue
                    if contains is not None and contains not in node.name:
                        continue
                    if not node.getState().contains(self.desktop.atspi.STATE_SHOWING):
                        continue
                    return node
                except Exception:
                    continue
            if self.process.poll() is not None:
                self.fail("the program ended (exit %s) while a %s %r was awaited" %
                          (self.process.returncode, role, name or contains))
            if time.monotonic() > deadline:
                self.fail("no %s %r within %d s; showing: %s" % (role, name or contains, timeout, self.showing()))
            time.sleep(0.4)

    def walk(self, root):
        stack = [root]
        while stack:
            node = stack.pop()
            yield node
            try:
                children = [node.getChildAtIndex(i) for i in range(node.childCount)]
            except Exception:
                continue
            stack.extend(c for c in reversed(children) if c is not None)

    def showing_box(self, text):
        """The showing message box, question or input box whose text holds
        `text`, or None."""
        root = self.app()
        for i in range(root.childCount if root is not None else 0):
            try:
                node = root.getChildAtIndex(i)
                if node.getRoleName() not in ("dialog", "alert") or not self.showing_state(node):
                    continue
                if any(text in self.text_of(n) for n in self.walk(node) if safe_role(n) == "label"):
                    return node
            except Exception:
                continue
        return None

    def box(self, text, timeout=30):
        deadline = time.monotonic() + timeout
        while True:
            node = self.showing_box(text)
            if node is not None:
                return node
            if self.process.poll() is not None:
                self.fail("the program ended (exit %s) while a box saying %r was awaited" %
                          (self.process.returncode, text))
            if time.monotonic() > deadline:
                self.fail("no box saying %r within %d s; showing: %s" % (text, timeout, self.showing()))
            time.sleep(0.4)

    def showing_state(self, node):
        return node.getState().contains(self.desktop.atspi.STATE_SHOWING)

    @staticmethod
    def text_of(node):
        try:
            text = node.queryText()
            return text.getText(0, text.characterCount)
        except Exception:
            return node.name or ""

    def press(self, role, name, within=None, timeout=30):
        node = self.find(role, name, within=within, timeout=timeout)
        node.queryAction().doAction(0)
        return node

    def answer(self, box, button, timeout=30):
        self.press("push button", button, within=box, timeout=timeout)

    def type_into(self, box, text):
        field = self.find("text", within=box)
        field.queryEditableText().setTextContents(text)

    def wait_for(self, condition, what, timeout=30):
        deadline = time.monotonic() + timeout
        while True:
            try:
                if condition():
                    return
            except Exception:
                pass
            if self.process.poll() is not None:
                self.fail("the program ended (exit %s) while waiting for %s" % (self.process.returncode, what))
            if time.monotonic() > deadline:
                self.fail("waited %d s for %s; showing: %s" % (timeout, what, self.showing()))
            time.sleep(0.3)

    def showing(self):
        names = []
        root = self.app()
        for i in range(root.childCount if root is not None else 0):
            try:
                node = root.getChildAtIndex(i)
                if self.showing_state(node):
                    names.append("%s %r" % (node.getRoleName(), node.name))
            except Exception:
                continue
        return ", ".join(names) or "nothing"

    def wait_exit(self, timeout=120, answers=()):
        """Waits for the program to end, answering the boxes it shows on
        the way: `answers` pairs a text a box holds with the button to press."""
        deadline = time.monotonic() + timeout
        while self.process.poll() is None:
            if time.monotonic() > deadline:
                self.fail("the program did not end within %d s; showing: %s" % (timeout, self.showing()))
            for text, button in answers:
                node = self.showing_box(text)
                if node is not None:
                    try:
                        self.answer(node, button, timeout=2)
                    except Failure:
                        pass  # the box went while it was answered
            time.sleep(0.4)
        return self.process.returncode


def scratch(name):
    """A fresh folder for one scenario, under the build tree when CTest runs us."""
    base = os.environ.get("WINDOW_TEST_SCRATCH") or tempfile.gettempdir()
    path = os.path.join(base, name)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path
