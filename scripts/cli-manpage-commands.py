#!/usr/bin/env python3
"""Rewrites the COMMANDS section of docs/kinvale-cli.1 from `kinvale-cli --help`.

Usage: scripts/cli-manpage-commands.py KINVALE_CLI [PAGE]
The packaging test checks that the page and --help say the same; run this after changing a
command's usage or description.
"""
import re
import subprocess
import sys


def roff_escape(text):
    return text.replace("\\", "\\e").replace("-", "\\-")


def synopsis(words):
    out = []
    for word in words.split(" "):
        # Options bold, placeholders in capitals italic, the rest (brackets, bars) plain.
        parts = re.split(r"(--?[a-z][a-z-]*|[A-Z][A-Z0-9.|]*[A-Z0-9])", word)
        piece = ""
        for part in parts:
            if re.fullmatch(r"--?[a-z][a-z-]*", part):
                piece += "\\fB" + roff_escape(part) + "\\fR"
            elif re.fullmatch(r"[A-Z][A-Z0-9.]*", part):
                piece += "\\fI" + roff_escape(part) + "\\fR"
            else:
                piece += roff_escape(part)
        out.append(piece)
    return " ".join(out)


def main():
    cli = sys.argv[1]
    page = sys.argv[2] if len(sys.argv) > 2 else "docs/kinvale-cli.1"
    help_text = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True).stdout
    lines = help_text.split("\n")
    entries = []
    on = False
    for line in lines:
        if line.startswith("Commands:"):
            on = True
            continue
        if not on:
            continue
        if re.match(r"^  [^ ]", line):
            entries.append([line.strip(), []])
        elif line.startswith("      ") and entries:
            entries[-1][1].append(line.strip())
    section = [".SH COMMANDS"]
    for usage, description in entries:
        name, _, rest = usage.partition(" ")
        tag = "\\fB" + roff_escape(name) + "\\fR"
        if rest:
            tag += " " + synopsis(rest)
        section.append(".TP")
        section.append(tag)
        section.extend(roff_escape(d) for d in description)
    with open(page, encoding="utf-8") as f:
        text = f.read()
    start = text.index(".SH COMMANDS\n")
    end = text.index("\n.SH ", start + 1) + 1
    text = text[:start] + "\n".join(section) + "\n" + text[end:]
    with open(page, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
