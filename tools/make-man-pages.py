#!/usr/bin/env python3
"""Writes the manual pages qv.1.gz, qv-cli.1.gz and qv-panel.1.gz with
help2man from each program's --help and --version, the description and
examples kept in data/man, and, for qv-cli, a section COMMANDS made of
every `qv-cli COMMAND --help`.

usage: make-man-pages.py BIN_DIR INCLUDE_DIR OUT_DIR"""
import gzip
import importlib.util
import os
import subprocess
import sys

found = importlib.util.spec_from_file_location(
    "cli_commands", os.path.join(os.path.dirname(__file__), "cli-commands.py"))
cli = importlib.util.module_from_spec(found)
found.loader.exec_module(cli)


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def commands_section(program):
    lines = ["[COMMANDS]"]
    for _, synopsis, description in cli.commands(program):
        lines.append(".TP")
        lines.append("\\fB" + roff(synopsis[0]) + "\\fR")
        for more in synopsis[1:]:
            lines.append(".br")
            lines.append("\\fB" + roff(more) + "\\fR")
        for line in description:
            lines.append(".br" if not line.strip() else roff(line.strip()))
    return "\n".join(lines) + "\n"


def main():
    bin_dir, include_dir, out_dir = sys.argv[1:4]
    os.makedirs(out_dir, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for name in ("qv", "qv-cli", "qv-panel"):
        program = os.path.join(bin_dir, name)
        includes = [os.path.join(include_dir, name + ".h2m")]
        if name == "qv-cli":
            extra = os.path.join(out_dir, "qv-cli-commands.h2m")
            with open(extra, "w") as f:
                f.write(commands_section(program))
            includes.append(extra)
        page = os.path.join(out_dir, name + ".1")
        command = ["help2man", "--no-info", "--section=1", "--output=" + page]
        for include in includes:
            command += ["--include=" + include]
        subprocess.run(command + [program], check=True, env=env)
        with open(page, "rb") as f:
            content = f.read()
        # Reproducible: no file name or time in the gzip header.
        with open(page + ".gz.tmp", "wb") as raw:
            with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9,
                               mtime=0) as z:
                z.write(content)
        os.replace(page + ".gz.tmp", page + ".gz")


if __name__ == "__main__":
    main()
