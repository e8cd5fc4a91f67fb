#!/usr/bin/env python3
"""Checks the language files against each other and against the dialogs:
QV_Str.en and QV_Str.chs hold the same sections with the same keys, and every
control of a Designer form that carries a control number (and a text other
than "...") has its text in a section that the form's class applies.

    tools/check-language-files.py [SOURCE_DIR]

Prints each fault and exits 1 when there is any."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")


def read_sections(path):
    sections, current = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            m = re.match(r"^\[(.+)\]$", line)
            if m:
                current = m.group(1)
                sections.setdefault(current, {})
            elif current and "=" in line and not line.startswith(";"):
                key, value = line.split("=", 1)
                sections[current][key] = value
    return sections


def numbered_controls(ui_path):
    controls = {}
    for widget in ET.parse(ui_path).getroot().iter("widget"):
        number, text = None, None
        for prop in widget.findall("property"):
            if prop.get("name") == "controlId":
                number = prop.find("number").text
            elif prop.get("name") in ("text", "title") and prop.find("string") is not None:
                text = prop.find("string").text
        for attr in widget.findall("attribute"):
            if attr.get("name") == "title" and attr.find("string") is not None:
                text = attr.find("string").text
        if number and text and text.strip() != "...":
            controls[number] = (widget.get("name"), text)
    return controls


def main():
    faults = []
    data = os.path.join(ROOT, "data")
    languages = {code: read_sections(os.path.join(data, "QV_Str." + code)) for code in ("en", "chs")}
    en, chs = languages["en"], languages["chs"]
    for name in sorted(set(en) | set(chs)):
        a, b = en.get(name), chs.get(name)
        if a is None or b is None:
            faults.append("section [%s] is only in QV_Str.%s" % (name, "en" if b is None else "chs"))
            continue
        for key in sorted(set(a) ^ set(b)):
            faults.append("[%s] %s is only in QV_Str.%s" % (name, key, "en" if key in a else "chs"))

    applied = re.compile(r"(?:DialogTexts::Apply|SetUpDialog)\([^;]*?\b(IDD_DLG_[A-Z0-9_]+)\s*\)")
    for ui in sorted(glob.glob(os.path.join(ROOT, "src", "ui", "*", "*.ui"))):
        source = ui[:-3] + ".cpp"
        if not os.path.exists(source):
            continue
        with open(source, encoding="utf-8") as f:
            sections = applied.findall(f.read())
        if not sections:
            continue  # a page whose dialog applies the texts
        for number, (widget, text) in sorted(numbered_controls(ui).items()):
            for code, language in languages.items():
                if not any(number in language.get(s, {}) for s in sections):
                    faults.append("%s: %s (%s, \"%s\") has no text in [%s] of QV_Str.%s"
                                  % (os.path.relpath(ui, ROOT), number, widget, text, "], [".join(sections), code))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
