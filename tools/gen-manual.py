#!/usr/bin/env python3
"""Writes the user manual data/help/manual/<lang>/*.html from one source per
language, tools/manual/<lang>.txt, with the stylesheet
data/help/manual/manual.css. The screenshots in data/help/manual/img/<lang>/
come from `make manual` (tools/make-manual-shots.sh); a page shows the
English picture when its language has none.

    tools/gen-manual.py [SOURCE_DIR]

The source is plain text, one page after the other:

    @lang en                      settings of the language (lang, title,
    @title Corvel User Manual     contents, previous, next)
    @group Getting started        a heading of the contents; the pages below
                                  belong to it
    === page.html | Page title    a page begins
    ## Heading {#anchor}          headings (h2, h3); the anchor is optional
    - item / 1. item              lists (a line indented by two blanks goes on
                                  with the item above)
    | a | b |                     a table; its first row is the heading row
    |---|---|                     (a line of dashes under it is left out)
    > text                        a note
        code                      four blanks: a preformatted block
    [[picture.png]]               a screenshot (from img/<lang>/, else img/en/)
    [[?picture.png]]              the same, left out while there is none
    [[contents]]                  the contents of the whole manual

Inline: [text](page.html#anchor) links, `code`, **bold**, {{Ctrl+S}} keys.
Everything else is text. Exits 1 with the line of a fault in the source.
"""
import html
import os
import re
import struct
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
SOURCES = os.path.join(ROOT, "tools", "manual")
OUT = os.path.join(ROOT, "data", "help", "manual")
LANGUAGES = ("en", "chs")

STYLE = """body { font-family: sans-serif; font-size: 10.5pt; margin: 0 auto; max-width: 56em; padding: 0 1em; line-height: 1.45; }
nav { font-size: 9pt; color: #555555; border-bottom: 1px solid #cccccc; padding: 6px 0; }
nav.bottom { border-top: 1px solid #cccccc; border-bottom: none; margin-top: 2em; }
nav a { margin-right: 1.2em; }
h1 { font-size: 16pt; margin-top: 0.6em; }
h2 { font-size: 12.5pt; margin-top: 1.4em; border-bottom: 1px solid #dddddd; }
h3 { font-size: 11pt; margin-top: 1.2em; }
table { border-collapse: collapse; margin: 0.6em 0; }
th { background-color: #dde3ea; text-align: left; }
td, th { border: 1px solid #b8c0c8; padding: 3px 6px; vertical-align: top; }
code, kbd, pre { font-family: monospace; font-size: 10pt; }
kbd { border: 1px solid #aaaaaa; border-radius: 3px; padding: 0 3px; background-color: #f4f4f4; }
pre { background-color: #f4f4f4; padding: 6px; }
p.note { background-color: #fff8dc; border-left: 4px solid #e0c060; padding: 4px 8px; }
p.picture img { border: 1px solid #cccccc; }
ul.contents li { margin: 2px 0; }
"""


class SourceError(Exception):
    pass


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise SourceError("%s is not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def inline(text):
    out, pos = [], 0
    pattern = re.compile(r"\[([^\]]+)\]\(([^)\s]+)\)|`([^`]+)`|\*\*(.+?)\*\*|\{\{(.+?)\}\}")
    for m in pattern.finditer(text):
        out.append(html.escape(text[pos:m.start()], quote=False))
        if m.group(1) is not None:
            out.append('<a href="%s">%s</a>' % (html.escape(m.group(2)), inline(m.group(1))))
        elif m.group(3) is not None:
            out.append("<code>%s</code>" % html.escape(m.group(3), quote=False))
        elif m.group(4) is not None:
            out.append("<b>%s</b>" % inline(m.group(4)))
        else:
            out.append("<kbd>%s</kbd>" % html.escape(m.group(5), quote=False))
        pos = m.end()
    out.append(html.escape(text[pos:], quote=False))
    return "".join(out)


def heading(level, text):
    m = re.match(r"^(.*?)\s*\{#([A-Za-z0-9_.-]+)\}$", text)
    if m:
        return '<h%d id="%s">%s</h%d>' % (level, m.group(2), inline(m.group(1)), level)
    return "<h%d>%s</h%d>" % (level, inline(text), level)


class Page:
    def __init__(self, file, title, group, line):
        self.file, self.title, self.group, self.line = file, title, group, line
        self.lines = []


def read_source(lang):
    path = os.path.join(SOURCES, lang + ".txt")
    settings, pages, group = {}, [], ""
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n").rstrip()
            if line.startswith("@group "):
                group = line[7:].strip()
            elif line.startswith("@") and not pages:
                key, _, value = line[1:].partition(" ")
                settings[key] = value.strip()
            elif line.startswith("=== "):
                file, bar, title = line[4:].partition("|")
                if not bar or not re.match(r"^[a-z0-9-]+\.html$", file.strip()):
                    raise SourceError("%s:%d: a page begins with '=== name.html | Title'" % (path, number))
                pages.append(Page(file.strip(), title.strip(), group, number))
            elif pages:
                pages[-1].lines.append((number, line))
            elif line:
                raise SourceError("%s:%d: text before the first page" % (path, number))
    for key in ("lang", "title", "contents", "previous", "next"):
        if key not in settings:
            raise SourceError("%s: @%s is missing" % (path, key))
    files = [p.file for p in pages]
    for p in pages:
        if files.count(p.file) > 1:
            raise SourceError("%s:%d: the page %s comes twice" % (path, p.line, p.file))
    return path, settings, pages


def contents(pages):
    out, group = [], None
    for p in pages:
        if p.file == "index.html":
            continue
        if p.group != group:
            if group is not None:
                out.append("</ul>")
            group = p.group
            out.append("<h2>%s</h2>" % inline(group))
            out.append('<ul class="contents">')
        out.append('<li><a href="%s">%s</a></li>' % (p.file, inline(p.title)))
    if group is not None:
        out.append("</ul>")
    return out


def picture(lang, name, alt, where):
    optional = name.startswith("?")
    name = name.lstrip("?")
    for folder in (lang, "en"):
        path = os.path.join(OUT, "img", folder, name)
        if os.path.isfile(path):
            w, h = png_size(path)
            return '<p class="picture"><img src="../img/%s/%s" width="%d" height="%d" alt="%s"></p>' % (
                folder, name, w, h, html.escape(alt))
    if optional:
        return None
    raise SourceError("%s: the picture %s is missing (make manual draws the screenshots)" % (where, name))


def body(path, lang, page, pages):
    out, para, items, table = [], [], None, None

    def flush():
        nonlocal para, items, table
        if para:
            out.append("<p>%s</p>" % inline(" ".join(para)))
            para = []
        if items:
            tag = items[0]
            out.append("<%s>" % tag)
            out.extend("<li>%s</li>" % inline(" ".join(i)) for i in items[1])
            out.append("</%s>" % tag)
            items = None
        if table:
            out.append("<table>")
            for r, row in enumerate(table):
                cell = "th" if r == 0 else "td"
                out.append("<tr>" + "".join("<%s>%s</%s>" % (cell, inline(c), cell) for c in row) + "</tr>")
            out.append("</table>")
            table = None

    lines = page.lines
    i = 0
    while i < len(lines):
        number, line = lines[i]
        where = "%s:%d" % (path, number)
        i += 1
        if not line.strip():
            flush()
            continue
        if line.startswith("    ") and not para and not items and not table:
            block = [line[4:]]
            while i < len(lines) and (lines[i][1].startswith("    ") or not lines[i][1].strip()):
                block.append(lines[i][1][4:])
                i += 1
            while block and not block[-1].strip():
                block.pop()
            out.append("<pre>%s</pre>" % html.escape("\n".join(block), quote=False))
            continue
        if line.startswith("### "):
            flush()
            out.append(heading(3, line[4:]))
        elif line.startswith("## "):
            flush()
            out.append(heading(2, line[3:]))
        elif line == "[[contents]]":
            flush()
            out.extend(contents(pages))
        elif re.match(r"^\[\[[^\]]+\]\]$", line):
            flush()
            name, _, alt = line[2:-2].partition("|")
            shown = picture(lang, name.strip(), alt.strip() or page.title, where)
            if shown:
                out.append(shown)
        elif line.startswith("|"):
            if para or items:
                flush()
            row = [c.strip() for c in line.strip().strip("|").split("|")]
            if all(re.match(r"^:?-+:?$", c) for c in row):
                continue  # the line under the heading row
            if table is None:
                table = []
            elif len(row) != len(table[0]):
                raise SourceError("%s: the row has %d cells, the table %d" % (where, len(row), len(table[0])))
            table.append(row)
        elif line.startswith("> "):
            flush()
            note = [line[2:]]
            while i < len(lines) and lines[i][1].startswith("> "):
                note.append(lines[i][1][2:])
                i += 1
            out.append('<p class="note">%s</p>' % inline(" ".join(note)))
        elif re.match(r"^(- |\d+\. )", line):
            tag = "ul" if line.startswith("- ") else "ol"
            if para or table or (items and items[0] != tag):
                flush()
            if items is None:
                items = (tag, [])
            items[1].append([re.sub(r"^(- |\d+\. )", "", line)])
        elif line.startswith("  ") and items:
            items[1][-1].append(line.strip())
        else:
            if items or table:
                flush()
            para.append(line.strip())
    flush()
    return out


def navigation(settings, pages, index, css_class):
    links = []
    if pages[index].file != "index.html":
        links.append('<a href="index.html">%s</a>' % html.escape(settings["contents"]))
    if index > 0:
        links.append('<a href="%s">%s: %s</a>' % (pages[index - 1].file, html.escape(settings["previous"]),
                                                  inline(pages[index - 1].title)))
    if index + 1 < len(pages):
        links.append('<a href="%s">%s: %s</a>' % (pages[index + 1].file, html.escape(settings["next"]),
                                                  inline(pages[index + 1].title)))
    return '<nav class="%s">%s</nav>' % (css_class, " ".join(links))


def write_language(lang):
    path, settings, pages = read_source(lang)
    if not pages or pages[0].file != "index.html":
        raise SourceError("%s: the first page must be index.html" % path)
    folder = os.path.join(OUT, lang)
    os.makedirs(folder, exist_ok=True)
    written = set()
    for index, page in enumerate(pages):
        title = page.title if page.file != "index.html" else settings["title"]
        parts = ["<!DOCTYPE html>", '<html lang="%s">' % settings["lang"], "<head>", '<meta charset="utf-8">',
                 "<title>%s</title>" % html.escape(title if page.file == "index.html"
                                                     else "%s - %s" % (title, settings["title"])),
                 '<link rel="stylesheet" href="../manual.css">', "</head>", "<body>",
                 navigation(settings, pages, index, "top"), heading(1, page.title)]
        parts += body(path, lang, page, pages)
        parts += [navigation(settings, pages, index, "bottom"), "</body>", "</html>", ""]
        with open(os.path.join(folder, page.file), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(parts))
        written.add(page.file)
    # Pages that left the source leave the manual.
    for name in os.listdir(folder):
        if name.endswith(".html") and name not in written:
            os.remove(os.path.join(folder, name))


def main():
    try:
        for lang in LANGUAGES:
            write_language(lang)
        with open(os.path.join(OUT, "manual.css"), "w", encoding="utf-8", newline="\n") as f:
            f.write(STYLE)
    except SourceError as fault:
        print(fault, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
