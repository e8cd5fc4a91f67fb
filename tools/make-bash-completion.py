#!/usr/bin/env python3
"""Writes the bash completion of qv-cli from its command table (the commands
it lists, each command's synopsis): command names, each command's options,
project packages (.cgp), runtime images (.bin) and backups (.rtfbak) where a
command takes them, the serial ports of the machine after --port.

usage: make-bash-completion.py QV_CLI OUT"""
import importlib.util
import os
import sys

found = importlib.util.spec_from_file_location(
    "cli_commands", os.path.join(os.path.dirname(__file__), "cli-commands.py"))
cli = importlib.util.module_from_spec(found)
found.loader.exec_module(cli)


def completion_call(kind):
    if kind[0] == "ext":
        return '_qv_cli_files "%s"' % " ".join(kind[1])
    if kind[0] == "port":
        return '_qv_cli_words "$(qv-cli ports 2>/dev/null)"'
    if kind[0] == "dir":
        return "_qv_cli_dirs"
    if kind[0] == "file":
        return '_qv_cli_files ""'
    if kind[0] == "words":
        return '_qv_cli_words "%s"' % " ".join(kind[1])
    return "COMPREPLY=()"


def main():
    program, out = sys.argv[1], sys.argv[2]
    table = cli.commands(program)
    names = [name for name, _, _ in table]
    lines = [
        "# bash completion for qv-cli; generated from the program's command table",
        "# by tools/make-bash-completion.py: edit the commands, not this file.",
        "",
        "# The words of $1 (blank-separated) that start with the current one.",
        "_qv_cli_words()",
        "{",
        "    local -a list",
        "    read -ra list -d '' <<<\"$1\"",
        "    local IFS=$'\\n'",
        '    COMPREPLY=($(compgen -W "${list[*]}" -- "$cur"))',
        "}",
        "",
        "# Files with one of the extensions $1 (any file when empty), and folders.",
        "_qv_cli_files()",
        "{",
        "    local -a exts",
        "    read -ra exts <<<\"$1\"",
        "    local IFS=$'\\n' ext",
        "    compopt -o filenames 2>/dev/null",
        "    COMPREPLY=($(compgen -d -- \"$cur\"))",
        "    if ((${#exts[@]} == 0)); then",
        "        COMPREPLY+=($(compgen -f -- \"$cur\"))",
        "        return",
        "    fi",
        "    for ext in \"${exts[@]}\"; do",
        "        COMPREPLY+=($(compgen -f -X \"!*.$ext\" -- \"$cur\"))",
        "    done",
        "}",
        "",
        "_qv_cli_dirs()",
        "{",
        "    local IFS=$'\\n'",
        "    compopt -o filenames 2>/dev/null",
        "    COMPREPLY=($(compgen -d -- \"$cur\"))",
        "}",
        "",
        "_qv_cli()",
        "{",
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}",
        "    if ((COMP_CWORD == 1)); then",
        '        _qv_cli_words "%s --help --version"' % " ".join(names),
        "        return",
        "    fi",
        '    case "${COMP_WORDS[1]} $prev" in',
    ]
    per_command = []
    for name, synopsis, _ in table:
        options, positionals = cli.parse_synopsis(synopsis)
        for option, value in options.items():
            if value is not None:
                lines.append('    "%s %s") %s; return ;;' % (name, option,
                                                           completion_call(cli.value_kind(value))))
        exts = []
        for p in positionals:
            kind = cli.value_kind(p)
            if kind[0] == "ext":
                exts += [e for e in kind[1] if e not in exts]
        per_command.append((name, sorted(options) + ["--help"], exts))
    lines += ["    esac", '    case ${COMP_WORDS[1]} in']
    for name, options, exts in per_command:
        lines.append("    %s)" % name)
        lines.append("        if [[ $cur == -* ]]; then")
        lines.append('            _qv_cli_words "%s"' % " ".join(options))
        lines.append("        else")
        lines.append('            %s' % ('_qv_cli_files "%s"' % " ".join(exts) if exts
                                       else "COMPREPLY=()"))
        lines.append("        fi")
        lines.append("        ;;")
    lines += ["    esac", "}", "complete -F _qv_cli qv-cli", ""]
    with open(out + ".tmp", "w") as f:
        f.write("\n".join(lines))
    os.replace(out + ".tmp", out)


if __name__ == "__main__":
    main()
