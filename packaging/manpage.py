#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Larkspur developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a section-1 manual page from a program's --help text, so that the options, the
environment and the exit codes are written down once, in the program.

The help text is the one Qt's command-line parser writes: a "Usage:" line, the description,
then sections that open with a line "Title:" and hold entries "  term  text", whose text may go
on over indented lines. Plain lines in a section are paragraphs.

Usage: manpage.py PROGRAM NAME SUMMARY VERSION DATE OUTPUT
"""

import os
import re
import subprocess
import sys


def escape(text):
    """Roff-safe text: backslashes doubled, option names bold with real minus signs, <value>
    in italics."""
    text = text.replace("\\", "\\e")
    text = re.sub(r"(?<![\w-])(--?[A-Za-z][\w-]*)",
                  lambda m: "\\fB" + m.group(1).replace("-", "\\-") + "\\fR", text)
    text = re.sub(r"<([\w-]+)>", r"\\fI\1\\fR", text)
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def convert(help_text, name, summary, version, date):
    lines = help_text.rstrip("\n").split("\n")
    usage = re.match(r"Usage: (\S+)(.*)$", lines[0])
    if not usage:
        raise ValueError("the help text does not start with 'Usage:'")
    out = [
        '.TH %s 1 "%s" "%s" "User Commands"' % (name.upper(), date, version),
        ".SH NAME",
        "%s \\- %s" % (name, escape(summary)),
        ".SH SYNOPSIS",
        ".B %s" % name,
    ]
    if usage.group(2).strip():
        out.append(escape(usage.group(2).strip()))
    out.append(".SH DESCRIPTION")
    entry = re.compile(r"^  (\S.*?)(?: {2,}(\S.*))?$")
    following = re.compile(r"^ {3,}(\S.*)$")
    in_entry = False
    paragraph_open = True
    for line in lines[1:]:
        heading = re.match(r"^(\S.*):$", line)
        if not line.strip():
            in_entry = False
            paragraph_open = False
        elif heading:
            out.append(".SH " + escape(heading.group(1).upper()))
            in_entry = False
            paragraph_open = True
        elif in_entry and following.match(line):
            out.append(escape(following.match(line).group(1)))
        elif entry.match(line):
            term, text = entry.match(line).groups()
            out += [".TP", escape(term)]
            if text:
                out.append(escape(text))
            in_entry = True
        else:
            if not paragraph_open:
                out.append(".PP")
                paragraph_open = True
            out.append(escape(line.strip()))
            in_entry = False
    return "\n".join(out) + "\n"


def main():
    program, name, summary, version, date, output = sys.argv[1:7]
    env = dict(os.environ)
    # A sanitizer build's leak check has nothing to say about printing the help.
    env["ASAN_OPTIONS"] = "detect_leaks=0"
    help_text = subprocess.run([program, "--help"], check=True, capture_output=True,
                               text=True, env=env).stdout
    with open(output, "w", encoding="utf-8") as page:
        page.write(convert(help_text, name, summary, version, date))


if __name__ == "__main__":
    main()
