#!/usr/bin/env python3
"""Checks a release zip as a user would receive it.

    release_check.py ZIP TEXTS_CPP

- the zip holds exactly OrvexLog/OrvexLog.exe and OrvexLog/readme.txt;
- readme.txt is Shift-JIS (CP932) with CRLF line ends only, and quotes the
  program's captions, messages and the maker's addresses exactly as
  src/text/texts.cpp spells them (menu items as shown, without "&");
- OrvexLog.exe is a 32-bit Windows GUI program without a symbol table, and
  its version resource carries the zip's version and the product name.
"""
import re
import struct
import sys
import zipfile

EXPECTED_ENTRIES = ["OrvexLog/OrvexLog.exe", "OrvexLog/readme.txt"]

# Texts the readme must quote. Menu items are quoted as the menu shows them.
MENU_TEXTS = ["kMenuSave", "kMenuAutoSave", "kMenuProperties", "kMenuExit"]
QUOTED_TEXTS = [
    "kProductName", "kVersionText", "kAppTitle", "kNoticeCaption",
    "kOk", "kCancel", "kUpdateSettings",
    "kPageFileName", "kPageSave", "kPageAction", "kPageVersion",
    "kFileNameGroup", "kPrefixLabel", "kYearCheck", "kYear2Radio", "kYear4Radio",
    "kMonthCheck", "kDayCheck", "kNumberCheck", "kNumberLabel", "kPlainCheck",
    "kPlainRadio1", "kPlainRadio2", "kPlainRadio3", "kSampleDesigned",
    "kTextTypeGroup", "kRichTextRadio", "kPlainTextRadio", "kSaveFolderGroup",
    "kBrowseButton", "kAutoSaveGroup", "kAutoSaveCheck", "kAutoSaveMenuCheck",
    "kSaveTimeLabel",
    "kSettingGroup", "kCreateCheck", "kDeleteQuorlaPathButton", "kDialogCheck",
    "kAutoSaveOnCheck", "kDblClickGroup", "kSaveRadio", "kMainFormRadio", "kNoneRadio",
    "kNoLogWindow", "kNoSourceArea", "kCannotCreateFileFmt", "kStreamWriteFailed",
    "kCannotWriteFmt", "kBadPrefix", "kAskCreateFolder", "kFolderNotCreated",
    "kQuorlaInstalledNoPath", "kSpecifyOrvexExe", "kOnlyQuorlaExe", "kOnlyOrvexExe",
    "kQuorlaDialogTitle", "kOrvexDialogTitle",
    "kCopyText", "kMailAddress", "kHomePageAddress", "kFreeSoftware",
]

failures = []


def check(ok, what):
    if ok:
        print("ok:", what)
    else:
        print("FAIL:", what, file=sys.stderr)
        failures.append(what)


def program_texts(path):
    """kName -> text, from the C++ string literals of texts.cpp."""
    source = open(path, encoding="utf-8").read()
    texts = {}
    for name, body in re.findall(r"const char\* const (k\w+)\s*=\s*((?:\"(?:[^\"\\]|\\.)*\"\s*)+);", source):
        pieces = re.findall(r"\"((?:[^\"\\]|\\.)*)\"", body)
        text = "".join(pieces)
        text = re.sub(r"\\(.)", lambda m: {"r": "\r", "n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)
        texts[name] = text
    return texts


def check_readme(data, texts):
    try:
        text = data.decode("cp932")
    except UnicodeDecodeError as e:
        check(False, f"readme.txt decodes as CP932 ({e})")
        return
    check(True, "readme.txt decodes as CP932")
    check(not text.startswith("\ufeff"), "readme.txt has no byte-order mark")
    bare = len(re.findall(r"\r(?!\n)|(?<!\r)\n", text))
    check(bare == 0 and text.endswith("\r\n"), f"readme.txt has CRLF line ends only ({bare} bare CR or LF)")

    # Captions may be wrapped across lines: compare with the line breaks and
    # indentation taken out.
    flat = "".join(line.strip() for line in text.split("\r\n"))
    missing = []
    for name in MENU_TEXTS + QUOTED_TEXTS:
        if name not in texts:
            missing.append(f"{name} (not in texts.cpp)")
            continue
        wanted = texts[name].replace("&", "") if name in MENU_TEXTS else texts[name]
        for line in wanted.split("\r\n"):
            for piece in line.split("%s"):
                if piece.strip() and piece.strip() not in flat:
                    missing.append(f"{name}: {piece.strip()}")
    check(not missing, "readme.txt quotes the program's texts" + "".join("\n    missing " + m for m in missing))


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        (self.machine, nsections, _, self.symtab, self.nsymbols, optsize, _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        ndirs = struct.unpack_from("<I", data, opt + 92)[0]
        self.rsrc_rva = struct.unpack_from("<I", data, opt + 96 + 2 * 8)[0] if ndirs > 2 else 0
        self.sections = []
        for i in range(nsections):
            s = opt + optsize + 40 * i
            name = data[s:s + 8].rstrip(b"\0").decode("latin-1")
            vsize, va, rawsize, raw = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((name, va, max(vsize, rawsize), raw))

    def offset(self, rva):
        for _, va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError(f"RVA {rva:#x} outside the sections")

    def resource(self, type_id):
        """The data of the first resource of a type (first name, first language)."""
        if self.rsrc_rva == 0:
            return None
        base = self.offset(self.rsrc_rva)
        entry_dir = base
        key = type_id
        for _ in range(3):
            named, ids = struct.unpack_from("<HH", self.data, entry_dir + 12)
            for i in range(named + ids):
                ident, target = struct.unpack_from("<II", self.data, entry_dir + 16 + 8 * i)
                if key is None or ident == key:
                    break
            else:
                return None
            key = None
            if target & 0x80000000:
                entry_dir = base + (target & 0x7FFFFFFF)
            else:
                break
        rva, size = struct.unpack_from("<II", self.data, base + target)
        at = self.offset(rva)
        return self.data[at:at + size]


def version_info(block):
    """(fixed file version (ms, ls), {string name: value}) from a VS_VERSIONINFO."""
    strings = {}
    fixed = None

    def walk(at, end, depth):
        nonlocal fixed
        while at < end:
            length, value_length, kind = struct.unpack_from("<HHH", block, at)
            if length == 0:
                return
            key_end = at + 6
            while block[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = block[at + 6:key_end].decode("utf-16-le")
            value_at = (key_end + 2 + 3) & ~3
            if depth == 0 and value_length:
                signature, _, ms, ls = struct.unpack_from("<IIII", block, value_at)
                if signature == 0xFEEF04BD:
                    fixed = (ms, ls)
            if depth == 3:
                raw = block[value_at:value_at + 2 * value_length].decode("utf-16-le")
                strings[key] = raw.rstrip("\0")
                children = end  # strings have no children
            else:
                value_bytes = value_length * (2 if kind == 1 else 1)
                children = (value_at + value_bytes + 3) & ~3
            if depth < 3:
                walk(children, at + length, depth + 1)
            at = (at + length + 3) & ~3

    walk(0, len(block), 0)
    return fixed, strings


def check_program(data, version, texts):
    try:
        pe = Pe(data)
    except (ValueError, struct.error) as e:
        check(False, f"OrvexLog.exe is a Windows program ({e})")
        return
    check(pe.machine == 0x14C and pe.magic == 0x10B, "OrvexLog.exe is a 32-bit x86 program")
    check(pe.subsystem == 2, "OrvexLog.exe is a GUI program (no console window)")
    debug = [s[0] for s in pe.sections if s[0].startswith((".debug", "/"))]
    check(pe.symtab == 0 and pe.nsymbols == 0 and not debug,
          f"OrvexLog.exe is stripped (symbols {pe.nsymbols}, debug sections {debug})")

    block = pe.resource(16)  # RT_VERSION
    if block is None:
        check(False, "OrvexLog.exe has a version resource")
        return
    fixed, strings = version_info(block)
    major, minor = (int(p) for p in version.split("."))
    check(fixed is not None and fixed[0] == (major << 16 | minor),
          f"fixed file version is {version} (got {fixed and f'{fixed[0] >> 16}.{fixed[0] & 0xFFFF}'})")
    for key in ("FileVersion", "ProductVersion"):
        check(strings.get(key) == version, f"{key} is {version} (got {strings.get(key)!r})")
    check(strings.get("ProductName") == texts["kProductName"],
          f"ProductName is {texts['kProductName']} (got {strings.get('ProductName')!r})")


def main():
    zip_path, texts_path = sys.argv[1], sys.argv[2]
    m = re.search(r"OrvexLog-(\d+\.\d+)\.zip$", zip_path)
    check(m is not None, f"zip name carries the version: {zip_path}")
    version = m.group(1) if m else "?"
    texts = program_texts(texts_path)
    check(texts.get("kVersionText") == f"Version {version}",
          f"the program's version text matches the zip ({texts.get('kVersionText')!r})")

    with zipfile.ZipFile(zip_path) as z:
        check(z.testzip() is None, "every entry's CRC is right")
        names = [i.filename for i in z.infolist()]
        check(sorted(names) == EXPECTED_ENTRIES, f"the zip holds exactly {EXPECTED_ENTRIES} (got {names})")
        if "OrvexLog/readme.txt" in names:
            check_readme(z.read("OrvexLog/readme.txt"), texts)
        if "OrvexLog/OrvexLog.exe" in names:
            check_program(z.read("OrvexLog/OrvexLog.exe"), version, texts)

    if failures:
        print(f"{len(failures)} release check(s) failed", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
