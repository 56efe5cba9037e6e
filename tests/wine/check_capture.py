#!/usr/bin/env python3
"""Checks a captured log against the stand-in's sample.

    check_capture.py rtf SAMPLE.rtf CAPTURED.rtf
        The capture is Rich Text whose text, character by character, and the
        colour of every character equal the sample's; it ends with the
        closing brace (no NUL after it).
    check_capture.py text SAMPLE.txt CAPTURED.txt
        The capture is the sample's CP932 text, byte for byte (a final line
        end may be missing).

Exits 1 with a message naming the first difference.
"""
import re
import sys

# Groups whose content is not document text.
SKIPPED_DESTINATIONS = {b"fonttbl", b"colortbl", b"stylesheet", b"info", b"generator", b"pict"}

TOKEN = re.compile(rb"\\'([0-9a-fA-F]{2})|\\([a-zA-Z]+)(-?\d+)? ?|\\(.)|([{}])|([\r\n]+)|([^\\{}\r\n]+)", re.S)


def colour_table(rtf):
    m = re.search(rb"\{\\colortbl\s*;?(.*?)\}", rtf, re.S)
    if not m:
        return None
    table = [None]  # index 0: the automatic colour
    for entry in m.group(1).split(b";"):
        parts = dict(re.findall(rb"\\(red|green|blue)(\d+)", entry))
        if parts:
            table.append((int(parts[b"red"]), int(parts[b"green"]), int(parts[b"blue"])))
    return table


def text_runs(rtf):
    """The document's text as CP932 bytes and the colour of each byte.

    Handles what the rich edit writes: \\'xx escapes, \\uN with its \\ucN
    fallback, \\par and \\line, groups, and skipped destinations."""
    table = colour_table(rtf) or [None]
    out = bytearray()
    colours = []
    state = {"cf": 0, "skip": False, "uc": 1}
    stack = []
    pending_skip = 0  # fallback characters still to drop after \uN

    def emit(data):
        nonlocal pending_skip
        if state["skip"]:
            return
        for b in data:
            if pending_skip:
                pending_skip -= 1
                continue
            out.append(b)
            cf = state["cf"]
            colours.append(table[cf] if 0 < cf < len(table) else None)

    first_in_group = False
    for m in TOKEN.finditer(rtf):
        hexbyte, word, num, symbol, brace, newline, text = m.groups()
        if brace == b"{":
            stack.append(dict(state))
            first_in_group = True
            continue
        if brace == b"}":
            if stack:
                state = stack.pop()
            first_in_group = False
            continue
        if symbol == b"*" and first_in_group:
            state["skip"] = True
            continue
        if word is not None and first_in_group and word in SKIPPED_DESTINATIONS:
            state["skip"] = True
        first_in_group = False
        if hexbyte is not None:
            emit(bytes([int(hexbyte, 16)]))
        elif word is not None:
            if word == b"cf":
                state["cf"] = int(num or 0)
            elif word in (b"par", b"line"):
                emit(b"\r\n")
            elif word == b"tab":
                emit(b"\t")
            elif word == b"uc":
                state["uc"] = int(num or 0)
            elif word == b"u" and not state["skip"]:
                code = int(num) % 65536
                emit(chr(code).encode("cp932", errors="replace"))
                pending_skip = state["uc"]
        elif symbol is not None:
            emit(symbol)
        elif text is not None:
            emit(text)
        # raw line breaks are not text in Rich Text
    return bytes(out), colours


def trim_end(data, colours):
    while data.endswith(b"\r\n"):
        data, colours = data[:-2], colours[:-2]
    return data, colours


def fail(message):
    print("check_capture: " + message, file=sys.stderr)
    sys.exit(1)


def check_rtf(sample_path, captured_path):
    captured = open(captured_path, "rb").read()
    sample = open(sample_path, "rb").read()
    if not captured.startswith(b"{\\rtf"):
        fail("not Rich Text: starts with %r" % captured[:16])
    if captured.endswith(b"\0"):
        fail("ends with a NUL byte")
    if not captured.rstrip(b"\r\n").endswith(b"}"):
        fail("does not end with the closing brace: %r" % captured[-16:])
    if colour_table(captured) is None:
        fail("no colour table")
    want, want_colours = trim_end(*text_runs(sample))
    got, got_colours = trim_end(*text_runs(captured))
    try:
        got.decode("cp932")
    except UnicodeDecodeError as e:
        fail("text is not valid CP932: %s" % e)
    if got != want:
        at = next((i for i in range(min(len(got), len(want))) if got[i] != want[i]), min(len(got), len(want)))
        fail("text differs at byte %d: got %r, want %r" % (at, got[at:at + 40], want[at:at + 40]))
    for i, (g, w) in enumerate(zip(got_colours, want_colours)):
        # The automatic colour and explicit black look the same.
        if (g or (0, 0, 0)) != (w or (0, 0, 0)):
            fail("colour differs at byte %d (%r): got %r, want %r" % (i, got[i:i + 20], g, w))
    distinct = {c for c in got_colours if c}
    if len(distinct) < 3:
        fail("only %d colours in the text" % len(distinct))
    print("rtf ok: %d text bytes, %d colours, %d bytes of Rich Text" % (len(got), len(distinct), len(captured)))


def check_text(sample_path, captured_path):
    captured = open(captured_path, "rb").read()
    sample = open(sample_path, "rb").read()
    if captured.rstrip(b"\r\n") != sample.rstrip(b"\r\n"):
        fail("text differs from the sample (%d bytes, sample %d)" % (len(captured), len(sample)))
    captured.decode("cp932")
    print("text ok: %d bytes" % len(captured))


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("rtf", "text"):
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    (check_rtf if sys.argv[1] == "rtf" else check_text)(sys.argv[2], sys.argv[3])


if __name__ == "__main__":
    main()
