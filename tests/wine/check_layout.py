#!/usr/bin/env python3
"""Checks the properties window's layout, as props_driver.exe dumps it,
against the designed places (96-DPI pixels, scaled to the screen's DPI).

    check_layout.py DUMP DPI

Kinds of check:
  exact  left, top, width and height are the designed ones
  box    check box or radio button: left, top and height designed; the width
         at least the designed one (it grows where the font sets the caption
         wider)
  label  auto-sized label: left and top designed (right edge instead for a
         right-aligned one); the size follows the caption
Besides: every control lies inside its container, and no two controls on a
page overlap by more than their designed places do (rows of check boxes
touch by design), give or take a few pixels of a neighbour's blank margin.
"""
import sys

DESIGN = {
    # name: (left, top, width, height, kind)
    "PageControl": (0, 0, 406, 225, "exact"),
    "OK_Button": (51, 230, 97, 25, "exact"),
    "Cancel_Button": (155, 230, 97, 25, "exact"),
    "Save_Button": (259, 230, 97, 25, "exact"),
    "FileName_GroupBox": (6, 8, 386, 185, "exact"),
    "TopFileName_Label": (16, 20, 256, 12, "label"),
    "TopFileName_Edit": (280, 16, 97, 20, "exact"),
    "Year_CheckBox": (16, 36, 145, 17, "box"),
    "Year2_RadioButton": (32, 52, 153, 17, "box"),
    "Year4_RadioButton": (184, 52, 145, 17, "box"),
    "Month_CheckBox": (16, 68, 145, 17, "box"),
    "Day_CheckBox": (16, 84, 145, 17, "box"),
    "Number_CheckBox": (16, 100, 153, 17, "box"),
    "Number_Label": (32, 117, 267, 12, "label"),
    "Plain_CheckBox": (16, 132, 145, 17, "box"),
    "Divide_Panel": (32, 148, 249, 17, "exact"),
    "Plain_RadioButton2": (76, 0, 73, 17, "box"),
    "Plain_RadioButton1": (0, 0, 73, 17, "box"),
    "Plain_RadioButton3": (152, 0, 89, 17, "box"),
    "FileNameSample_Label": (184, 166, 14, 12, "label"),
    "TextType_GroupBox": (6, 8, 386, 57, "exact"),
    "Plain_RadioButton": (16, 32, 129, 17, "box"),
    "RichText_RadioButton": (16, 16, 361, 17, "box"),
    "SaveFolder_GroupBox": (6, 72, 386, 49, "exact"),
    "SaveFolder_Edit": (16, 16, 281, 20, "exact"),
    "SaveFolder_Button": (304, 16, 75, 20, "exact"),
    "AutoSave_GroupBox": (6, 128, 386, 65, "exact"),
    "AutoSave_CheckBox": (16, 16, 169, 17, "box"),
    "AutoSaveMenu_CheckBox": (200, 16, 161, 17, "box"),
    "AutoSave_TrackBar": (104, 34, 241, 25, "exact"),
    "SaveTime_Label": (16, 40, 84, 12, "label"),
    "AutoSave_Label": (348, 40, 30, 12, "right-label"),
    "Setting_GroupBox": (6, 8, 386, 105, "exact"),
    "Create_CheckBox": (16, 16, 265, 17, "box"),
    "DeleteQuorlaPath_Button": (72, 34, 241, 25, "exact"),
    "Dialog_CheckBox": (16, 64, 249, 17, "box"),
    "AutoSaveOn_CheckBox": (16, 80, 209, 17, "box"),
    "DblClick_GroupBox": (6, 120, 386, 73, "exact"),
    "Save_RadioButton": (16, 16, 97, 17, "box"),
    "MainForm_RadioButton": (16, 32, 129, 17, "box"),
    "None_RadioButton": (16, 48, 113, 17, "box"),
    "TitlePanel": (6, 13, 386, 180, "exact"),
    "TitleLabel": (88, 24, 210, 27, "label"),
    "VersionLabel": (151, 54, 84, 13, "label"),
    "Copy_Text": (102, 84, 182, 13, "label"),
    "MailTitle_Label": (71, 104, 34, 12, "label"),
    "Mail_Label": (144, 104, 108, 12, "label"),
    "HomePageTitle_Label": (71, 120, 54, 12, "label"),
    "HomePage_Label": (143, 120, 172, 12, "label"),
    "FreeLabel": (82, 144, 222, 12, "label"),
}


def scale(value, dpi):
    # MulDiv(value, dpi, 96): rounded half away from zero.
    product = value * dpi
    return (product + 48) // 96 if product >= 0 else -((-product + 48) // 96)


def main():
    dump_path, dpi = sys.argv[1], int(sys.argv[2])
    rows = []  # (depth, name, cls, x, y, w, h, parent index)
    stack = []
    with open(dump_path, encoding="utf-8") as f:
        for line in f:
            depth, name, cls, x, y, w, h = line.rstrip("\n").split("\t")[:7]
            depth = int(depth)
            del stack[depth - 1:]
            parent = stack[-1] if stack else None
            rows.append((depth, name, cls, int(x), int(y), int(w), int(h), parent))
            stack.append(len(rows) - 1)

    failures = []
    seen = set()
    for depth, name, cls, x, y, w, h, parent in rows:
        if name not in DESIGN:
            continue
        seen.add(name)
        dx, dy, dw, dh, kind = DESIGN[name]
        want = tuple(scale(v, dpi) for v in (dx, dy, dw, dh))
        got = (x, y, w, h)
        if kind == "exact" and got != want:
            failures.append(f"{name}: at {got}, designed {want}")
        elif kind == "box" and (x, y, h) != (want[0], want[1], want[3]) or kind == "box" and w < want[2]:
            failures.append(f"{name}: at {got}, designed {want} (wider allowed)")
        elif kind == "label" and (x, y) != want[:2]:
            failures.append(f"{name}: at {got}, designed to start at {want[:2]}")
        elif kind == "right-label" and (x + w, y) != (want[0] + want[2], want[1]):
            failures.append(f"{name}: at {got}, designed to end at {want[0] + want[2]}, top {want[1]}")
        if parent is not None and depth >= 3:
            _, pname, _, _, _, pw, ph, _ = rows[parent]
            if x < 0 or y < 0 or x + w > pw or y + h > ph:
                failures.append(f"{name}: at {got} leaves its container {pname} ({pw} x {ph})")

    # Siblings on the pages overlap no more than designed.
    def overlap(a, b):
        ax, ay, aw, ah = a
        bx, by, bw, bh = b
        return max(0, min(ax + aw, bx + bw) - max(ax, bx)), max(0, min(ay + ah, by + bh) - max(ay, by))

    def designed(name):
        if name not in DESIGN:
            return None
        return tuple(scale(v, dpi) for v in DESIGN[name][:4])

    margin = scale(4, dpi)
    for i, (depth, name, cls, x, y, w, h, parent) in enumerate(rows):
        if depth < 3 or name == "GroupFrame":
            continue
        for j in range(i + 1, len(rows)):
            d2, n2, _, x2, y2, w2, h2, p2 = rows[j]
            if p2 != parent or n2 == "GroupFrame":
                continue
            ow, oh = overlap((x, y, w, h), (x2, y2, w2, h2))
            if ow == 0 or oh == 0:
                continue
            da, db = designed(name), designed(n2)
            dw, dh = overlap(da, db) if da and db else (0, 0)
            if (dw == 0 or dh == 0) and min(ow, oh) <= margin:
                continue
            if dw > 0 and dh > 0 and ow <= dw + margin and oh <= dh + margin:
                continue
            failures.append(f"{name} {(x, y, w, h)} overlaps {n2} {(x2, y2, w2, h2)}")

    missing = sorted(set(DESIGN) - seen)
    if missing:
        failures.append("not found: " + ", ".join(missing))
    for failure in failures:
        print("FAIL:", failure)
    print(f"layout at {dpi} DPI: {len(seen)} controls checked, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
