#!/usr/bin/env python3
"""Writes a copy of a UTF-8 C++ source whose string and character literals
hold their non-ASCII characters as CP932 (Shift-JIS) bytes, spelt as octal
escapes, so that a compiler without a CP932 execution character set (clang)
builds the same bytes as GCC's -fexec-charset=CP932.

    cp932_literals.py IN.cpp OUT.cpp

Octal escapes, three digits each, because a hex escape would swallow a
following hex digit, and a raw second byte of 0x5C would read as a backslash.
A character with no CP932 form fails the build.
"""
import os
import sys


def convert(source):
    out = []
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            i = end
        elif c in "\"'":
            out.append(c)
            i += 1
            while i < n and source[i] != c:
                if source[i] == "\\":
                    out.append(source[i:i + 2])
                    i += 2
                    continue
                if ord(source[i]) < 0x80:
                    out.append(source[i])
                else:
                    out.append("".join("\\%03o" % b for b in source[i].encode("cp932")))
                i += 1
            out.append(c)
            i += 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main():
    source_path, out_path = sys.argv[1:3]
    with open(source_path, encoding="utf-8") as f:
        source = f.read()
    try:
        text = convert(source)
    except UnicodeEncodeError as e:
        sys.exit("%s: %r has no CP932 form" % (source_path, e.object[e.start:e.end]))
    text = '// Generated from %s by tools/cp932_literals.py.\n#line 1 "%s"\n%s' % (source_path, source_path, text)
    os.makedirs(os.path.dirname(out_path) or ".", exist_ok=True)
    with open(out_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
