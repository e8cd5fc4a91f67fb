"""The command table of qv-cli as the program itself prints it: each
command's name, synopsis and description from `qv-cli --help` and
`qv-cli COMMAND --help`, and the synopsis read into options, option values
and positional arguments. Used by make-man-pages.py and
make-bash-completion.py."""
import os
import re
import subprocess


def _run(program, args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([program] + args, capture_output=True, text=True, env=env,
                         timeout=60, check=True)
    return out.stdout


def commands(program):
    """[(name, synopsis lines, description lines)] in the order of --help."""
    listing = _run(program, ["--help"]).splitlines()
    names = []
    inside = False
    for line in listing:
        if line.strip() == "commands:":
            inside = True
        elif inside and line.startswith("  ") and line.strip():
            names.append(line.split()[0])
        elif inside and not line.strip() and names:
            break
    table = []
    for name in names:
        text = _run(program, [name, "--help"]).rstrip("\n").splitlines()
        text[0] = re.sub(r"^usage: qv-cli ", "", text[0])
        synopsis = [text[0]]
        rest = text[1:]
        # A synopsis goes on in lines indented further than the description's four spaces.
        while rest and re.match(r"^ {5,}\S", rest[0]):
            synopsis.append(rest.pop(0).strip())
        table.append((name, synopsis, [l[4:] if l.startswith("    ") else l for l in rest]))
    return table


def parse_synopsis(synopsis):
    """(options {name: value placeholder or None}, positional placeholders)."""
    text = " ".join(synopsis)
    text = re.sub(r"([\[\]()])", r" \1 ", text)
    tokens = [t for t in text.split()[1:] if t != "..."]
    options, positionals = {}, []
    i = 0
    while i < len(tokens):
        t = tokens[i]
        if t.startswith("-"):
            value = None
            if i + 1 < len(tokens) and not re.match(r"^(-|\||\[|\]|\(|\))", tokens[i + 1]):
                value = tokens[i + 1]
                i += 1
            options[t] = value
        elif t not in ("|", "[", "]", "(", ")"):
            positionals.append(t)
        i += 1
    return options, positionals


def value_kind(placeholder):
    """How a value is completed: ('ext', [exts]), ('port',), ('dir',), ('file',),
    ('words', [words]) or ('none',)."""
    if placeholder is None:
        return ("none",)
    m = re.search(r"\.([a-z]+)$", placeholder)
    if m:
        return ("ext", [m.group(1)])
    if placeholder == "PORT":
        return ("port",)
    if placeholder == "DIR":
        return ("dir",)
    if placeholder == "FILE":
        return ("file",)
    if "|" in placeholder:
        return ("words", placeholder.split("|"))
    return ("none",)
