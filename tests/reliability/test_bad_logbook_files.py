#!/usr/bin/python3
"""The real program on a bad logbook file: one box with the engine's text, a non-zero exit,
and the file's bytes unchanged.

The program runs on the xcb platform of an X server of the test's own (xvfb-run), with Qt's
accessibility bridge on; the box is found, read and answered through the accessibility bus,
as a screen reader would, so the program carries no code of its own for the test.

Usage (from CTest): xvfb-run -a dbus-run-session -- /usr/bin/python3 this.py <program> <schema>
"""

import hashlib
import os
import random
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi

PROGRAM = sys.argv[1] if len(sys.argv) > 1 else ""
SCHEMA = sys.argv[2] if len(sys.argv) > 2 else ""

# The splash stays 3 s before the logbook opens the file, and a lock is waited on for 2 s;
# a program under a sanitizer starts several times slower.
BOX_WAIT_S = 90
EXIT_WAIT_S = 30
POLL_S = 0.1


def make_logbook(path):
    with open(SCHEMA, encoding="utf-8") as schema:
        statements = schema.read()
    connection = sqlite3.connect(path)
    connection.executescript(statements)
    connection.close()


def zero_byte(path):
    open(path, "wb").close()


def random_bytes(path):
    with open(path, "wb") as file:
        file.write(random.Random(11).randbytes(64 * 1024))


def without_aircraft_table(path):
    make_logbook(path)
    connection = sqlite3.connect(path)
    connection.execute("DROP TABLE Tbl_Avions")
    connection.commit()
    connection.close()


def flights_without_comments(path):
    make_logbook(path)
    connection = sqlite3.connect(path)
    connection.execute(
        "INSERT INTO Tbl_Vols (Date, Avion, \"Durée\", Vol) VALUES ('2024-05-01', 'F-GABC', 60, 'S')")
    connection.execute("ALTER TABLE Tbl_Vols DROP COLUMN Commentaires")
    connection.commit()
    connection.close()


def read_only(path):
    make_logbook(path)
    os.chmod(path, 0o444)


def missing(path):
    pass


def digest(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


class WriteLocker:
    """Another process that holds the logbook's write lock until released."""

    def __init__(self, path):
        code = ("import sqlite3, sys\n"
                "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                "c.execute('BEGIN IMMEDIATE')\n"
                "print('locked', flush=True)\n"
                "sys.stdin.read()\n")
        self.process = subprocess.Popen([sys.executable, "-c", code, path],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        if self.process.stdout.readline().strip() != "locked":
            raise RuntimeError("the locker could not take the write lock")

    def release(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)
        self.process.stdout.close()


def application_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        try:
            if application is not None and application.get_process_id() == pid:
                return application
        except Exception:  # an application that went away while we looked
            continue
    return None


def boxes_of(application):
    return [child for child in application
            if child is not None and child.getRole() == pyatspi.ROLE_ALERT]


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def box_text(box):
    return [node.name for node in descendants(box)
            if node.getRole() == pyatspi.ROLE_LABEL and node.name]


def has_button(box, caption):
    return any(node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == caption
               for node in descendants(box))


def press(box, caption):
    for node in descendants(box):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == caption:
            node.queryAction().doAction(0)
            return
    raise AssertionError(f"no button {caption!r} in the box")


class BadLogbookFileTest(unittest.TestCase):
    files_tried = 0

    @classmethod
    def setUpClass(cls):
        # The accessibility bus of this X display; Qt's bridge finds it through the session bus.
        cls.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                   start_new_session=True, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 30
        while subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                              "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode:
            if time.monotonic() > deadline:
                raise RuntimeError("the accessibility bus did not start")
            time.sleep(POLL_S)

    @classmethod
    def tearDownClass(cls):
        os.killpg(cls.bus.pid, signal.SIGTERM)
        cls.bus.wait(timeout=30)
        print(f"{cls.files_tried} bad logbook files tried with the real program")

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="tarvelin-badfile-")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.program = os.path.join(self.folder, "tarvelin")
        shutil.copy2(PROGRAM, self.program)
        self.database = os.path.join(self.folder, "Zivada.mdb")

    def start(self):
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           LANG="fr_FR.UTF-8", TZ="Europe/Paris",
                           QT_LOGGING_RULES="qt.multimedia*=false;qt.accessibility*=false")
        process = subprocess.Popen([self.program], cwd=self.folder, env=environment,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.addCleanup(self.stop, process)
        return process

    @staticmethod
    def stop(process):
        if process.poll() is None:
            process.kill()
        process.wait()
        process.stderr.close()

    def wait_for_box(self, process):
        deadline = time.monotonic() + BOX_WAIT_S
        while time.monotonic() < deadline:
            if process.poll() is not None:
                self.fail(f"the program ended with code {process.returncode} without a box: "
                          f"{process.stderr.read().decode(errors='replace')}")
            application = application_of(process.pid)
            if application is not None:
                boxes = boxes_of(application)
                # A box shows on the bus before its text and button do.
                if boxes and all(box_text(box) and has_button(box, "OK") for box in boxes):
                    return application, boxes
            time.sleep(POLL_S)
        self.fail("no message box appeared")

    def run_program(self):
        """Starts the program, returns the texts of the boxes it showed and its exit code."""
        process = self.start()
        application, boxes = self.wait_for_box(process)
        self.assertEqual(len(boxes), 1)
        box = boxes[0]
        self.assertEqual(box.name, "Tarvelin")
        texts = box_text(box)
        press(box, "OK")
        try:
            process.wait(timeout=EXIT_WAIT_S)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end after its error box")
        return texts, process.returncode

    def check(self, make, engine_text, locked=False):
        make(self.database)
        before = digest(self.database)
        locker = WriteLocker(self.database) if locked else None
        try:
            texts, code = self.run_program()
        finally:
            if locker:
                locker.release()
        BadLogbookFileTest.files_tried += 1
        self.assertEqual(texts, [engine_text])
        self.assertNotEqual(code, 0)
        self.assertEqual(digest(self.database), before)
        # Nothing left beside it: no journal, and a missing logbook is not created.
        self.assertEqual(sorted(os.listdir(self.folder)),
                         sorted(["tarvelin"] + (["Zivada.mdb"] if before else [])))

    def test_zero_byte_file(self):
        self.check(zero_byte, "no such table: Tbl_Vols")

    def test_random_bytes(self):
        self.check(random_bytes, "file is not a database")

    def test_no_aircraft_table(self):
        self.check(without_aircraft_table, "no such table: Tbl_Avions")

    def test_flights_table_lacking_a_field(self):
        self.check(flights_without_comments, "no such column: Commentaires")

    @unittest.skipIf(os.geteuid() == 0, "root writes to a read-only file all the same")
    def test_read_only_file(self):
        self.check(read_only, "attempt to write a readonly database")

    def test_write_locked_by_another_process(self):
        self.check(make_logbook, "database is locked", locked=True)

    def test_missing_file(self):
        self.check(missing, "unable to open database file")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
