#!/usr/bin/env python3
"""clang-tidy on src/ with the checks of .clang-tidy, in two passes that
together run every check on every file once:

- the static analyser (clang-analyzer-*), which looks only at the functions
  of the file it is given, on each source file alone;
- every other check on a few files that each include many sources of one
  build target. Those checks look at every declaration the compiler sees,
  the system headers' as much as ours, so reading <windows.h> and the C++
  library once for many sources instead of once per source saves nine
  tenths of the time; a finding is reported at the same line either way.
  Sources whose file-local names clash (two `kClassName` in anonymous
  namespaces) go into separate files, and a source that defines functions
  of the C++ library itself (the program's error throwers) is read alone,
  as its definitions would come before the library's declarations.

The portable core and the simulated desktop are read through the native
clang build's compile commands, the Win32 layer and the composition root
(src/platform/win32, src/main) through the clang Windows build's; both
builds need only be configured. Prints each finding once and
"tidy: N findings"; any finding fails.
    scripts/tidy.py [NATIVE_BUILD_DIR] [WIN32_BUILD_DIR]   (build/clang, build/win32-clang)
TIDY_JOBS sets how many clang-tidy processes run at once (2).
"""
import json
import os
import re
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "tidy")
ANALYSER = "-*,clang-analyzer-*"
OTHERS = "-clang-analyzer-*"
FINDING = re.compile(r"^(/[^:]+):\d+:\d+: (warning|error): ")
ANSI = re.compile(r"\x1b\[[0-9;]*m")


def compile_entries(build, pattern):
    path = os.path.join(build, "compile_commands.json")
    if not os.path.isfile(path):
        sys.exit(f"tidy: no {path} (configure that build first)")
    chosen = {}
    for entry in json.load(open(path)):
        name = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if not re.match(pattern, name):
            continue
        args = entry.get("arguments") or shlex.split(entry["command"])
        # A source built by two targets (the desktop, also in the Windows
        # tests) is read once, with the product's flags, not a test's.
        for_tests = re.search(r"CMakeFiles/[^/ ]*tests\.dir/", " ".join(args)) is not None
        if name not in chosen or (chosen[name][2] and not for_tests):
            chosen[name] = (entry["directory"], without_pch(args), for_tests)
    for name, (_, args, _) in chosen.items():
        # A header left in would hide a missing include: stop rather than pass.
        if any("cmake_pch" in a for a in args):
            sys.exit(f"tidy: cannot take the precompiled header out of the command for {name}")
    return {name: (directory, args) for name, (directory, args, _) in chosen.items()}


def without_pch(args):
    """The command without the build's precompiled header: each source is
    read with its own includes alone, so that a missing one is found (and
    the header need not be built yet)."""
    kept, i = [], 0
    while i < len(args):
        if args[i:i + 2] in (["-Xclang", "-include-pch"], ["-Xclang", "-include"]) and "cmake_pch" in args[i + 3]:
            i += 4
        elif args[i] in ("-include", "-include-pch") and "cmake_pch" in args[i + 1]:
            i += 2
        else:
            kept.append(args[i])
            i += 1
    return kept


def flags_of(args, name):
    """The command without its source, object and dependency files."""
    kept, skip = [], False
    for a in args:
        if skip:
            skip = False
        elif a in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif a not in ("-c", "-MD", "-MMD") and os.path.normpath(a) != name:
            kept.append(a)
    return kept


def clashes(directory, flags, sources):
    """The sources whose definitions clash with an earlier one's when
    compiled as one file (empty when they compile together)."""
    text = "".join(f'#include "{s}"\n' for s in sources)
    result = subprocess.run(flags + ["-fsyntax-only", "-x", "c++", "-"], cwd=directory, input=text,
                            capture_output=True, text=True)
    if result.returncode == 0:
        return set()
    bad = {m.group(1) for m in map(FINDING.match, ANSI.sub("", result.stderr).splitlines())
           if m and m.group(2) == "error" and m.group(1) in sources}
    if not bad:
        sys.exit("tidy: these sources do not compile together:\n" + result.stderr[-3000:])
    return bad


def defines_library_functions(source):
    with open(source, encoding="utf-8", errors="replace") as text:
        return re.search(r"^namespace (std|__gnu_cxx) \{", text.read(), re.M) is not None


def batches(directory, flags, sources):
    """Sources split into groups that compile as one file, fewest groups first."""
    alone = [s for s in sources if defines_library_functions(s)]
    done, pending = [[s] for s in alone], [sorted(s for s in sources if s not in alone)]
    while pending:
        group = pending.pop(0)
        bad = clashes(directory, flags, group)
        if not bad:
            done.append(group)
            continue
        if len(group) == 1:
            sys.exit(f"tidy: {group[0]} does not compile")
        kept = [s for s in group if s not in bad]
        pending[:0] = [kept, sorted(bad)] if kept else [[s] for s in group]
    return done


def tidy(database, source, checks):
    result = subprocess.run(["clang-tidy", "-quiet", "-p", database, f"--checks={checks}", source],
                            capture_output=True, text=True)
    return result.returncode, ANSI.sub("", result.stdout + result.stderr)


def main():
    native = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "clang"))
    win32 = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "build", "win32-clang"))
    src = re.escape(os.path.join(ROOT, "src"))
    halves = {"native": compile_entries(native, src + "/"),
              "win32": compile_entries(win32, src + "/(platform/win32|main)/")}

    pool = ThreadPoolExecutor(int(os.environ.get("TIDY_JOBS", "2")))
    jobs = []  # (database, source, checks, future)

    def submit(database, source, checks):
        jobs.append((database, source, checks, pool.submit(tidy, database, source, checks)))

    def write_database(database, commands):
        # Written whole, then renamed: the analyser's runs read this file.
        with open(os.path.join(database, "compile_commands.json.new"), "w") as out:
            json.dump(commands, out, indent=1)
        os.replace(os.path.join(database, "compile_commands.json.new"),
                   os.path.join(database, "compile_commands.json"))

    databases, commands = {}, {}
    for half, entries in halves.items():
        databases[half] = os.path.join(WORK, half)
        os.makedirs(databases[half], exist_ok=True)
        # The sources as chosen above; the files of many sources join them below.
        commands[half] = [{"directory": directory, "file": name, "arguments": args}
                          for name, (directory, args) in sorted(entries.items())]
        write_database(databases[half], commands[half])
    # The analyser starts at once; grouping the sources (a syntax check per
    # group) goes on beside it.
    for half, entries in halves.items():
        for name in sorted(entries):
            submit(databases[half], name, ANALYSER)

    for half, entries in halves.items():
        database = databases[half]
        units = []
        # One group per distinct command line (a target's flags).
        groups = {}
        for name, (directory, args) in entries.items():
            key = (directory, tuple(flags_of(args, name)))
            groups.setdefault(key, []).append(name)
        for n, ((directory, flags), sources) in enumerate(sorted(groups.items())):
            for m, group in enumerate(batches(directory, list(flags), sources)):
                unit = os.path.join(database, f"sources_{n}_{m}.cpp")
                with open(unit, "w") as out:
                    out.writelines(f'#include "{s}"\n' for s in group)
                commands[half].append({"directory": directory, "file": unit,
                                 "arguments": list(flags) + ["-c", unit]})
                units.append(unit)
        write_database(database, commands[half])
        for unit in units:
            submit(database, unit, OTHERS)
    pool.shutdown(wait=True)

    findings, failures = set(), []
    for _, source, _, future in jobs:
        status, output = future.result()
        reported = [line for line in output.splitlines() if FINDING.match(line)]
        # bugprone-suspicious-include finds the includes of the files of many
        # sources; in them, but for that, there is nothing else.
        findings |= {line for line in reported if not line.startswith(WORK + os.sep)}
        if status != 0 and not reported:
            failures.append(f"clang-tidy failed on {source}:\n" + output[-2000:])
    for line in sorted(findings):
        print(line)
    for failure in failures:
        print(failure)
    count = len(findings) + len(failures)
    print(f"tidy: {count} findings ({len(jobs)} runs of clang-tidy)")
    return 1 if count else 0


if __name__ == "__main__":
    sys.exit(main())
