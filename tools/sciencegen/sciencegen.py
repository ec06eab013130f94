#!/usr/bin/env python3
"""Writes the Science subject of the shipped course from the topic files beside this script.

    python3 tools/sciencegen/sciencegen.py [COURSE_DIR]      (default: course/ of this repository)

Each topic module holds PAPERS, five lists of questions (see core.py for the notation). The
script checks the rules the course keeps (counts growing from paper 1 to 5, mock sizes, no
question repeated word for word) and then rewrites course/science/ and prints a summary."""

import importlib
import json
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

TOPICS = [
    ("Living Things", "living-things", "t_living"),
    ("Plants", "plants", "t_plants"),
    ("The Human Body", "the-human-body", "t_body"),
    ("Matter and Materials", "matter-and-materials", "t_matter"),
    ("Energy and Forces", "energy-and-forces", "t_forces"),
    ("Earth and Space", "earth-and-space", "t_space"),
    ("Mock Examination", "mock-examination", "t_mock"),
]


def check(name, papers, problems):
    if len(papers) != 5:
        problems.append("%s: %d papers, not 5" % (name, len(papers)))
        return
    sizes = [(len(p), sum(len(q.blanks) for q in p), sum(q.marks for q in p)) for p in papers]
    for i, (nq, nb, nm) in enumerate(sizes, 1):
        if not 15 <= nm <= 100:
            problems.append("%s paper %d: %d marks (a paper holds 15 to 100)" % (name, i, nm))
        if nb > 80:
            problems.append("%s paper %d: %d blanks (at most 80)" % (name, i, nb))
        if name == "Mock Examination" and not (40 <= nb <= 70 and 60 <= nm <= 100):
            problems.append("%s paper %d: %d blanks, %d marks (want 40-70, 60-100)" % (name, i, nb, nm))
    if name != "Mock Examination":
        for i in range(4):
            a, b = sizes[i], sizes[i + 1]
            if not (b[0] > a[0] and b[2] > a[2]):
                problems.append("%s: paper %d (%s) does not grow from paper %d (%s)" % (name, i + 2, b, i + 1, a))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "course")
    out = os.path.join(root, "science")
    problems, seen = [], {}
    loaded = []
    for name, folder, module in TOPICS:
        try:
            mod = importlib.import_module(module)
        except ModuleNotFoundError:
            print("%s: not written yet, its folder is left as it is" % name)
            continue
        check(name, mod.PAPERS, problems)
        for pi, paper in enumerate(mod.PAPERS, 1):
            for qi, q in enumerate(paper, 1):
                key = q.plain()
                where = "%s paper %d question %d" % (folder, pi, qi)
                if key in seen:
                    problems.append("%s repeats %s word for word" % (where, seen[key]))
                seen[key] = where
        loaded.append((name, folder, mod.PAPERS))
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1

    subject = {"topics": []}
    total = pics = ws = blanks = marks = 0
    for name, folder, papers in loaded:
        shutil.rmtree(os.path.join(out, folder), ignore_errors=True)
        os.makedirs(os.path.join(out, folder))
        subject["topics"].append({"name": name, "papers": ["%s/paper%d.txt" % (folder, i) for i in range(1, 6)]})
        line = []
        for pi, paper in enumerate(papers, 1):
            files = []
            for qi, q in enumerate(paper, 1):
                stem = "p%dq%02d" % (pi, qi)
                body = q.body
                if q.pic is not None:
                    with open(os.path.join(out, folder, stem + ".svg"), "w", encoding="ascii", newline="\n") as fh:
                        fh.write(q.pic)
                    body = body.replace("%PIC%", stem + ".svg")
                    pics += 1
                with open(os.path.join(out, folder, stem + ".html"), "w", encoding="utf-8", newline="\n") as fh:
                    fh.write(body)
                files.append(stem + ".html")
                ws += q.ws
            with open(os.path.join(out, folder, "paper%d.txt" % pi), "w", encoding="utf-8", newline="\n") as fh:
                fh.write("# %s, paper %d\n" % (name, pi) + "\n".join(files) + "\n")
            nb, nm = sum(len(q.blanks) for q in paper), sum(q.marks for q in paper)
            line.append("%dq/%db/%dm" % (len(paper), nb, nm))
            total += len(paper)
            blanks += nb
            marks += nm
        print("%-22s %s" % (name, "  ".join(line)))
    if len(loaded) == len(TOPICS):
        with open(os.path.join(out, "subject.json"), "w", encoding="utf-8", newline="\n") as fh:
            fh.write(json.dumps(subject, indent=2) + "\n")
    print("questions %d, blanks %d, marks %d, with a diagram %d, working scientifically %d" % (total, blanks, marks, pics, ws))
    return 0


if __name__ == "__main__":
    sys.exit(main())
