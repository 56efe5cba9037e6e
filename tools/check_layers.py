#!/usr/bin/env python3
"""Checks that the files of src/ are layered: no files that use each other,
directly or round a circle, and no two folders that do.

    tools/check_layers.py SOURCE_DIR [BUILD_DIR ...]

A unit is one file stem: x.hpp and x.cpp of one folder are one unit. Unit A
uses unit B when a file of A includes a file of B, or, for each BUILD_DIR,
when an object file of A refers to a symbol that an object of B defines (a
call through a declaration written by hand, which no include shows). The
C++ library's own functions are left out: a file that replaces one (the
program's error throwers) is not used by the code that calls the library.

The folders stand in three layers, lowest first: the ports and the texts
(src/ports, src/text), the portable core, and the adapters with the
composition root (src/platform/..., src/main). No folder uses one of a
layer above its own.

Prints the layers, the folders by level, lowest first (a folder uses only
its own level's folder and those below), and each loop or use upward found;
exits 1 on any.
"""
import os
import re
import subprocess
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# An object file of ours, as CMake names it: <target>.dir/src/<path>.cpp.o(bj)
OBJECT = re.compile(r"\.dir/(src/.+)\.cpp\.o(bj)?$")
# Mangled names in namespace std, with or without the leading underscore of
# 32-bit Windows.
LIBRARY_SYMBOL = re.compile(r"^_{1,2}ZN?St")


def unit_of(path):
    return os.path.splitext(path)[0]


def source_files(root):
    found = []
    for folder, _, names in os.walk(os.path.join(root, "src")):
        found += [os.path.relpath(os.path.join(folder, n), root) for n in names
                  if n.endswith((".cpp", ".hpp", ".h"))]
    return sorted(found)


def include_uses(root, files):
    uses = defaultdict(set)
    for f in files:
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as text:
            for name in INCLUDE.findall(text.read()):
                for base in (os.path.dirname(f), "src"):
                    target = os.path.normpath(os.path.join(base, name))
                    if os.path.isfile(os.path.join(root, target)):
                        if target.startswith("src" + os.sep) and unit_of(target) != unit_of(f):
                            uses[unit_of(f)].add(unit_of(target))
                        break
    return uses


def symbol_uses(root, build):
    objects = []
    for folder, _, names in os.walk(build):
        for n in names:
            path = os.path.join(folder, n).replace(os.sep, "/")
            match = OBJECT.search(path)
            # An object of a file since moved or deleted is not looked at.
            if match and os.path.isfile(os.path.join(root, match.group(1) + ".cpp")):
                objects.append((match.group(1), path))
    nm = "i686-w64-mingw32-nm" if any(p.endswith(".obj") for _, p in objects) else "nm"
    defined, wanted = {}, defaultdict(set)
    for unit, path in objects:
        listing = subprocess.run([nm, path], capture_output=True, text=True, check=True).stdout
        for line in listing.splitlines():
            parts = line.split()
            if len(parts) == 2 and parts[0] == "U" and not LIBRARY_SYMBOL.match(parts[1]):
                wanted[unit].add(parts[1])
            elif len(parts) == 3 and parts[1] in "TDBR":
                defined.setdefault(parts[2], unit)
    uses = defaultdict(set)
    for unit, symbols in wanted.items():
        for s in symbols:
            owner = defined.get(s)
            if owner and owner != unit:
                uses[unit].add(owner)
    return uses, len(objects)


def loops(nodes, edges):
    """Strongly connected groups of more than one node (Tarjan)."""
    index, low, stack, on, found = {}, {}, [], set(), []
    sys.setrecursionlimit(10000)

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in edges.get(v, ()):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for v in sorted(nodes):
        if v not in index:
            visit(v)
    return found


LAYERS = ["the ports and the texts", "the core", "the adapters and the composition root"]


def layer_of(folder):
    top = folder.split("/")[1] if "/" in folder else folder
    if top in ("ports", "text"):
        return 0
    return 2 if top in ("platform", "main") else 1


def levels(nodes, edges):
    level = {}

    def depth(v):
        if v not in level:
            level[v] = 0  # a loop, already reported, stops here
            level[v] = 1 + max((depth(w) for w in edges.get(v, ()) if w != v), default=-1)
        return level[v]

    by_level = defaultdict(list)
    for v in nodes:
        by_level[depth(v)].append(v)
    return [sorted(by_level[n]) for n in sorted(by_level)]


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    root = os.path.abspath(sys.argv[1])
    files = source_files(root)
    units = {unit_of(f) for f in files}
    uses = include_uses(root, files)
    read = ["includes"]
    for build in sys.argv[2:]:
        found, count = symbol_uses(root, build)
        read.append(f"the symbols of {count} objects in {build}")
        for a, bs in found.items():
            uses[a] |= bs
    print(f"{len(units)} units in {len(files)} files of src/; uses from " + ", ".join(read))

    failed = False
    for group in loops(units, uses):
        failed = True
        print("FILES IN A LOOP: " + " <-> ".join(group))

    folders = {os.path.dirname(u) for u in units}
    folder_uses, why = defaultdict(set), defaultdict(list)
    for a, bs in uses.items():
        for b in bs:
            fa, fb = os.path.dirname(a), os.path.dirname(b)
            if fa != fb:
                folder_uses[fa].add(fb)
                why[(fa, fb)].append(f"{a} -> {b}")
    for group in loops(folders, folder_uses):
        failed = True
        print("FOLDERS IN A LOOP: " + ", ".join(group))
        for fa in group:
            for fb in sorted(folder_uses[fa] & set(group)):
                print(f"    {fa} uses {fb}: " + "; ".join(sorted(why[(fa, fb)])[:3]))
    for fa in sorted(folder_uses):
        for fb in sorted(folder_uses[fa]):
            if layer_of(fb) > layer_of(fa):
                failed = True
                print(f"USE UPWARD: {fa} ({LAYERS[layer_of(fa)]}) uses {fb} ({LAYERS[layer_of(fb)]}): " +
                      "; ".join(sorted(why[(fa, fb)])[:3]))
    print("layers, lowest first:")
    for n, name in enumerate(LAYERS):
        print(f"  {name}: " + "  ".join(sorted(f for f in folders if layer_of(f) == n)))
    print("folders by level, lowest first:")
    for n, level in enumerate(levels(folders, folder_uses)):
        print(f"  {n}: " + "  ".join(level))
    print("layers: " + ("FAULTS FOUND" if failed else "no loop of files or folders, no use upward"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
