#!/usr/bin/env python3
"""Rows for tools/check_layers.py: a small layered tree of its own passes, and
the same tree with one loop planted fails, naming the loop.

    check_layers_test.py CXX

CXX compiles the rows' object files (the native build's compiler), laid out
as CMake lays out a target's objects, for the loops only calls show.
"""
import os
import subprocess
import sys
import tempfile
import unittest

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "check_layers.py")
CXX = sys.argv.pop(1) if len(sys.argv) > 1 and not sys.argv[1].startswith("-") else "c++"

# Two folders, high above low, used one way only: by includes (across and
# within a folder) and by a call.
CLEAN = {
    "src/low/a.hpp": "int a();\n",
    "src/low/a.cpp": '#include "low/a.hpp"\nint a() { return 1; }\n',
    "src/low/c.hpp": '#include "a.hpp"\n',
    "src/high/b.cpp": '#include "low/a.hpp"\nint b() { return a() + 1; }\n',
}

# name, files planted into the clean tree, whether the objects are read,
# the lines the check must print (a loop, or a use of a layer above).
ROWS = [
    ("two files of one folder including each other",
     {"src/low/h.hpp": '#include "i.hpp"\n', "src/low/i.hpp": '#include "low/h.hpp"\n'},
     False, ["FILES IN A LOOP: src/low/h <-> src/low/i"]),
    ("two folders using each other through files that do not",
     {"src/low/f.hpp": '#include "high/g.hpp"\n', "src/high/g.hpp": "int g();\n"},
     False, ["FOLDERS IN A LOOP: src/high, src/low"]),
    ("a port using a folder of the core, a layer above",
     {"src/ports/p.hpp": '#include "low/a.hpp"\n'},
     False, ["USE UPWARD: src/ports (the ports and the texts) uses src/low (the core): src/ports/p -> src/low/a"]),
    ("two objects calling each other through declarations written by hand",
     {"src/low/d.cpp": "int e();\nint d() { return e() + 1; }\n",
      "src/low/e.cpp": "int d();\nint e() { return d() - 1; }\n"},
     True, ["FILES IN A LOOP: src/low/d <-> src/low/e"]),
]


def make_tree(root, files, objects):
    for path, text in files.items():
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(root, path), "w", encoding="utf-8") as f:
            f.write(text)
    if not objects:
        return []
    build = os.path.join(root, "build")
    for path in files:
        if path.endswith(".cpp"):
            out = os.path.join(build, "rows.dir", path + ".o")
            os.makedirs(os.path.dirname(out), exist_ok=True)
            subprocess.run([CXX, "-c", "-I", os.path.join(root, "src"), os.path.join(root, path), "-o", out],
                           check=True)
    return [build]


def check(files, objects):
    """The checker's exit code and the loops it printed."""
    with tempfile.TemporaryDirectory(prefix="orvexlog-layers-") as root:
        builds = make_tree(root, files, objects)
        run = subprocess.run([sys.executable, CHECKER, root] + builds, capture_output=True, text=True)
    loops = [line for line in run.stdout.splitlines() if " IN A LOOP: " in line or line.startswith("USE UPWARD: ")]
    return run.returncode, loops, run.stdout + run.stderr


class CheckLayers(unittest.TestCase):
    def test_the_clean_tree_passes_with_its_includes_and_calls_read(self):
        code, loops, output = check(CLEAN, objects=True)
        self.assertEqual((code, loops), (0, []), output)
        self.assertIn("the symbols of 2 objects", output)

    def test_each_planted_loop_fails_the_check_and_is_named(self):
        for name, planted, objects, expected in ROWS:
            with self.subTest(name):
                code, loops, output = check({**CLEAN, **planted}, objects)
                self.assertEqual((code, loops), (1, expected), output)

    def test_a_loop_of_calls_alone_is_seen_only_in_the_objects(self):
        # The row above fails for its objects, not for anything in its text.
        _, planted, _, _ = ROWS[-1]
        code, loops, output = check({**CLEAN, **planted}, objects=False)
        self.assertEqual((code, loops), (0, []), output)


if __name__ == "__main__":
    unittest.main()
