#!/usr/bin/env python3
"""Writes the Mathematics subject of the shipped course (course/mathematics): subject.json,
one folder per topic with five paper files, the question sources and their SVG diagrams.

Every expected answer is computed here; nothing is typed by hand. The output depends only on
SEED, so running the generator again reproduces the committed files byte for byte.

    python3 tools/mathgen/mathgen.py [--out DIR]
"""

import argparse
import json
import os
import random
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import core  # noqa: E402
from core import assemble  # noqa: E402
from more import DECIMALS_MORE, FRACTIONS_MORE, GEOMETRY_DATA_MORE, PERCENT_RATIO_MORE  # noqa: E402
from percent_measure_geometry import GEOMETRY_DATA, MEASUREMENT, PERCENT_RATIO  # noqa: E402
from problems import (DECIMALS_NEW, FRACTIONS_NEW, GEOMETRY_DATA_NEW, MEASUREMENT_NEW,  # noqa: E402
                      PERCENT_RATIO_NEW, WHOLE_NUMBERS_NEW)
from whole_fraction_decimal import DECIMALS, FRACTIONS, NAMES, WHOLE_NUMBERS  # noqa: E402

core.NAMES.update(NAMES)

SEED = "larkspur-mathematics-2"

TOPICS = [
    ("Whole Numbers", "whole-numbers", WHOLE_NUMBERS + WHOLE_NUMBERS_NEW),
    ("Fractions", "fractions", FRACTIONS + FRACTIONS_NEW + FRACTIONS_MORE),
    ("Decimals", "decimals", DECIMALS + DECIMALS_NEW + DECIMALS_MORE),
    ("Percentage and Ratio", "percentage-and-ratio", PERCENT_RATIO + PERCENT_RATIO_NEW + PERCENT_RATIO_MORE),
    ("Measurement", "measurement", MEASUREMENT + MEASUREMENT_NEW),
    ("Geometry and Data", "geometry-and-data", GEOMETRY_DATA + GEOMETRY_DATA_NEW + GEOMETRY_DATA_MORE),
]
MOCK = ("Mock Examination", "mock-examination")

# Questions per paper: later papers are longer as well as harder.
TOPIC_COUNTS = [22, 25, 28, 31, 34]
MOCK_COUNTS = [44, 47, 50, 53, 56]
# Levels a mock paper draws its questions from.
MOCK_LEVELS = [(1, 3), (2, 4), (2, 5), (3, 5), (4, 5)]
# Share of multi-step word problems in Papers 1 to 5 (of topics and of the mock examination).
# A fifth, so that every topic has enough kinds of them for none to come more than twice in a paper.
MULTI_SHARE = [0, 0, 0.2, 0.2, 0.2]


def at_level(maker, lo, hi):
    """A maker bound to a random level within [lo, hi] for mixed papers."""

    def bound(q, r, _level):
        return maker(q, r, r.randint(lo, hi))

    bound.__name__ = maker.__name__
    bound.multistep = getattr(maker, "multistep", False)
    return bound


def topic_papers(makers, seed_name, seen):
    papers = []
    shapes = set()  # the topic's problems so far: each paper prefers new ones
    for level in range(1, 6):
        r = random.Random("%s/%s/%d" % (SEED, seed_name, level))
        eligible = [m for m, lo, hi in makers if lo <= level <= hi]
        papers.append(assemble(r, eligible, level, TOPIC_COUNTS[level - 1], seen,
                               multi_share=MULTI_SHARE[level - 1], topic=shapes))
    return papers


def mock_papers(seen):
    papers = []
    for k in range(1, 6):
        r = random.Random("%s/mock/%d" % (SEED, k))
        plo, phi = MOCK_LEVELS[k - 1]
        per_topic = []
        for _, _, makers in TOPICS:
            group = [at_level(m, max(lo, plo), min(hi, phi)) for m, lo, hi in makers if lo <= phi and hi >= plo]
            r.shuffle(group)
            per_topic.append(group)
        # Deal the makers out topic by topic so that every topic is represented evenly.
        pool = []
        while any(per_topic):
            for group in per_topic:
                if group:
                    pool.append(group.pop())
        count = MOCK_COUNTS[k - 1]
        questions = assemble(r, pool, 3, count, seen, shuffle=False, multi_share=MULTI_SHARE[k - 1])
        r.shuffle(questions)
        papers.append(questions)
    return papers


def write_topic(out, folder, name, papers):
    tdir = os.path.join(out, folder)
    os.makedirs(tdir, exist_ok=True)
    files = []
    for k, questions in enumerate(papers, start=1):
        lines = ["# %s, Paper %d: written by tools/mathgen/mathgen.py, do not edit by hand" % (name, k)]
        for i, q in enumerate(questions, start=1):
            base = "p%dq%02d" % (k, i)
            body, pictures = q.render(base)
            with open(os.path.join(tdir, base + ".html"), "w", encoding="utf-8", newline="\n") as fh:
                fh.write(body)
            for pname, text in pictures:
                with open(os.path.join(tdir, pname), "w", encoding="ascii", newline="\n") as fh:
                    fh.write(text)
            lines.append(base + ".html")
        with open(os.path.join(tdir, "paper%d.txt" % k), "w", encoding="utf-8", newline="\n") as fh:
            fh.write("\n".join(lines) + "\n")
        files.append("%s/paper%d.txt" % (folder, k))
    return {"name": name, "papers": files}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", default=os.path.join(here, "..", "..", "course", "mathematics"))
    args = ap.parse_args()
    out = os.path.normpath(args.out)
    # The folder is entirely generated. Write a fresh copy beside it and swap it in at the end,
    # so no stale question is left behind and a failed run leaves the old folder untouched.
    work = out + ".new"
    if os.path.isdir(work):
        shutil.rmtree(work)
    os.makedirs(work)
    topics = []
    seen = set()  # no question of the subject reads like another, mock papers included
    for name, folder, makers in TOPICS:
        topics.append(write_topic(work, folder, name, topic_papers(makers, folder, seen)))
    topics.append(write_topic(work, MOCK[1], MOCK[0], mock_papers(seen)))
    with open(os.path.join(work, "subject.json"), "w", encoding="utf-8", newline="\n") as fh:
        json.dump({"topics": topics}, fh, indent=2)
        fh.write("\n")
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.rename(work, out)


if __name__ == "__main__":
    main()
