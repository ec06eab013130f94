#!/usr/bin/env python3
"""Writes the English and Science parts of the shipped course (course/english, course/science)
and the course file course/course.json from the compact question lists beside this script.

Usage: tools/coursegen/english_science.py [--check]

The question lists (english_science_data/*.txt) use a small line format, so that hundreds of
questions stay readable and easy to edit:

  = Topic Name | folder            starts a topic (five papers follow)
  == 3                             starts paper 3 of the topic
  Q stem | opt1 | opt2 | opt3 | opt4 | 2      multiple-choice question, answer option 2
  Q*3 ...                          the same worth 3 marks
  P text with {T=ran} blanks       starts a free question with one paragraph
  + more text                      adds a paragraph to the current question
  +Q stem | o1 | o2 | o3 | o4 | 1  adds a multiple-choice part to the current question
  // ...                           comment

Blanks inside text: {T=key}, {N=42}, {M=;alt1;alt2}, {G=;a;b;c} (group head), {G} (group
continuation). A "*N" suffix sets the mark: {T=ran*1}; "Q*3" does the same for a choice. Without --check the course folders are rewritten;
either way every paper is checked and faults are printed (exit status 1 on any fault).
"""

import html
import json
import os
import re
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
COURSE = os.path.join(ROOT, "course")
DATA = os.path.join(HERE, "english_science_data")

COURSE_FILE = {
    "name": "Larkspur Primary Practice",
    "code": "LPP",
    "subjects": [
        {"name": "English", "folder": "english", "firstId": 11001},
        {"name": "Mathematics", "folder": "mathematics", "firstId": 17001},
        {"name": "Science", "folder": "science", "firstId": 24001},
    ],
}

# Multiple-choice answers are worth 2 marks and written answers 3 unless a "*N" suffix says
# otherwise; with five to seven questions a paper then totals the usual 15 to 40 marks.
CHOICE_MARK = 2
DEFAULT_MARK = 3
BLANK_RE = re.compile(r"\{([A-Z])(?:=([^}]*?))?(?:\*(\d+))?\}")


class Fault(Exception):
    pass


def blank_html(code, key, mark):
    if code == "G" and key is None:
        key = " "
    if key is None:
        raise Fault("blank {%s} without a key" % code)
    return '<blank type="%s" mark="%d">%s</blank>' % (code, mark, html.escape(key, quote=False))


def expand(text, blanks, where):
    """Turns {C=key*m} markers into blank elements and records (code, key, mark)."""

    def repl(m):
        code, key, mark = m.group(1), m.group(2), m.group(3)
        mark = int(mark) if mark else DEFAULT_MARK
        if code == "G" and key is None:
            key = " "
        blanks.append((code, key, mark, where))
        return blank_html(code, key, mark)

    return BLANK_RE.sub(repl, text)


def choice_part(line, mark, blanks, where):
    parts = [p.strip() for p in line.split("|")]
    if len(parts) != 6:
        raise Fault("%s: a choice question needs stem | four options | answer, got %d parts"
                    % (where, len(parts)))
    stem, opts, ans = parts[0], parts[1:5], parts[5]
    blanks.append(("Q", ans, mark, where))
    out = ["<p>%s</p>" % expand(stem, blanks, where)]
    out.append('<ol class="choices">' + "".join("<li>%s</li>" % o for o in opts) + "</ol>")
    out.append("<p>Write the number of the correct answer. %s</p>" % blank_html("Q", ans, mark))
    return out, len(opts)


def parse(path):
    """Returns [(topic name, folder, [paper: [question: (html, blanks, option counts)]])]."""
    topics = []
    paper = None
    question = None
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            line = raw.rstrip("\n").strip()
            where = "%s:%d" % (os.path.basename(path), n)
            if not line or line.startswith("//"):
                continue
            if line.startswith("== "):
                paper = []
                topics[-1][2].append(paper)
                question = None
            elif line.startswith("= "):
                name, folder = [p.strip() for p in line[2:].split("|")]
                topics.append((name, folder, []))
                paper = None
            elif line.startswith("+Q"):
                mark, body = split_mark(line[2:])
                html_parts, nopt = choice_part(body, mark, question["blanks"], where)
                question["html"].extend(html_parts)
                question["options"].append(nopt)
            elif line.startswith("Q"):
                mark, body = split_mark(line[1:])
                question = {"html": [], "blanks": [], "options": [], "where": where}
                paper.append(question)
                html_parts, nopt = choice_part(body, mark, question["blanks"], where)
                question["html"].extend(html_parts)
                question["options"].append(nopt)
            elif line.startswith("P "):
                question = {"html": [], "blanks": [], "options": [], "where": where}
                paper.append(question)
                question["html"].append("<p>%s</p>" % expand(line[2:].strip(), question["blanks"], where))
            elif line.startswith("+ "):
                question["html"].append("<p>%s</p>" % expand(line[2:].strip(), question["blanks"], where))
            else:
                raise Fault("%s: cannot read line: %s" % (where, line))
    return topics


def split_mark(rest):
    m = re.match(r"\*(\d+)\s", rest)
    if m:
        return int(m.group(1)), rest[m.end():]
    return CHOICE_MARK, rest.strip()


def check(subject, topics, want_topics):
    faults = []
    if len(topics) != want_topics:
        faults.append("%s: %d topics, want %d" % (subject, len(topics), want_topics))
    if topics and topics[-1][0] != "Mock Examination":
        faults.append("%s: last topic is not Mock Examination" % subject)
    for name, folder, papers in topics:
        if len(papers) != 5:
            faults.append("%s/%s: %d papers" % (subject, name, len(papers)))
        for pn, paper in enumerate(papers, 1):
            tag = "%s/%s paper %d" % (subject, folder, pn)
            if len(paper) < 3:
                faults.append("%s: only %d questions" % (tag, len(paper)))
            total = 0
            nblanks = 0
            for q in paper:
                text = "\n".join(q["html"])
                try:
                    text.encode("cp1252")
                except UnicodeEncodeError as e:
                    faults.append("%s: not Windows-1252: %s" % (q["where"], e))
                if not q["blanks"]:
                    faults.append("%s: question without blanks" % q["where"])
                if len(q["blanks"]) > 20:
                    faults.append("%s: more than 20 blanks" % q["where"])
                nblanks += len(q["blanks"])
                bl = q["blanks"]
                for i, (code, key, mark, where) in enumerate(bl):
                    total += mark
                    if not 1 <= mark <= 3:
                        faults.append("%s: mark %d" % (where, mark))
                    if code not in "QTLNFXRMG":
                        faults.append("%s: unknown type %s" % (where, code))
                    if any(c in key for c in ">#\r\n"):
                        faults.append("%s: key holds > # or a line break: %r" % (where, key))
                    if code == "Q" and key not in ("1", "2", "3", "4"):
                        faults.append("%s: Q key %r" % (where, key))
                    if code == "N" and not re.fullmatch(r"-?\d+(\.\d+)?", key):
                        faults.append("%s: N key %r" % (where, key))
                    if code in "TL" and (not key.strip() or key != key.strip()):
                        faults.append("%s: T key %r empty or padded" % (where, key))
                    if code == "M":
                        alts = key.split(";")[1:]
                        if not key.startswith(";") or len(alts) < 2 or not all(a.strip() for a in alts):
                            faults.append("%s: M key %r" % (where, key))
                    if code == "G" and key != " ":
                        alts = key.split(";")[1:]
                        size = 1
                        while i + size < len(bl) and bl[i + size][1] == " ":
                            size += 1
                        if not key.startswith(";") or not all(a.strip() for a in alts):
                            faults.append("%s: G head key %r" % (where, key))
                        if len(alts) < size:
                            faults.append("%s: group of %d blanks has %d alternatives"
                                          % (where, size, len(alts)))
                        low = [a.strip().lower() for a in alts]
                        if len(set(low)) != len(low):
                            faults.append("%s: repeated alternative in %r" % (where, key))
                    if key == " " and (i == 0 or code != "G"):
                        faults.append("%s: group continuation without head" % where)
                for nopt in q["options"]:
                    if nopt != 4:
                        faults.append("%s: %d options" % (q["where"], nopt))
                if text.count('<ol class="choices">') != sum(1 for b in bl if b[0] == "Q"):
                    faults.append("%s: choice lists and Q blanks differ" % q["where"])
            if nblanks > 70:
                faults.append("%s: %d blanks" % (tag, nblanks))
            if not 15 <= total <= 100:
                faults.append("%s: total marks %d outside 15..100" % (tag, total))
    return faults


def write(subject_folder, topics):
    base = os.path.join(COURSE, subject_folder)
    if os.path.isdir(base):
        shutil.rmtree(base)
    os.makedirs(base)
    subject = {"topics": []}
    for name, folder, papers in topics:
        os.makedirs(os.path.join(base, folder))
        entry = {"name": name, "papers": []}
        for pn, paper in enumerate(papers, 1):
            lines = []
            for qn, q in enumerate(paper, 1):
                fname = "p%dq%02d.html" % (pn, qn)
                with open(os.path.join(base, folder, fname), "w", encoding="utf-8", newline="\n") as f:
                    f.write("\n".join(q["html"]) + "\n")
                lines.append(fname)
            pname = "paper%d.txt" % pn
            with open(os.path.join(base, folder, pname), "w", encoding="utf-8", newline="\n") as f:
                f.write("\n".join(lines) + "\n")
            entry["papers"].append("%s/%s" % (folder, pname))
        subject["topics"].append(entry)
    with open(os.path.join(base, "subject.json"), "w", encoding="utf-8", newline="\n") as f:
        json.dump(subject, f, indent=2)
        f.write("\n")


def course_json():
    """The course file laid out as the authoring guide shows it: one line per subject."""
    rows = ",\n".join('    { "name": %s, "folder": %s, "firstId": %d }'
                      % (json.dumps(s["name"]), json.dumps(s["folder"]), s["firstId"])
                      for s in COURSE_FILE["subjects"])
    return ('{\n  "name": %s,\n  "code": %s,\n  "subjects": [\n%s\n  ]\n}\n'
            % (json.dumps(COURSE_FILE["name"]), json.dumps(COURSE_FILE["code"]), rows))


def summary(subject, topics):
    for name, folder, papers in topics:
        counts = []
        for paper in papers:
            marks = sum(b[2] for q in paper for b in q["blanks"])
            nb = sum(len(q["blanks"]) for q in paper)
            counts.append("%dq/%db/%dm" % (len(paper), nb, marks))
        print("%-8s %-28s %s" % (subject, name, "  ".join(counts)))


def main():
    only_check = "--check" in sys.argv[1:]
    faults = []
    parsed = {}
    for subject, folder, want in (("English", "english", 6), ("Science", "science", 7)):
        try:
            topics = parse(os.path.join(DATA, folder + ".txt"))
        except Fault as e:
            faults.append(str(e))
            continue
        parsed[folder] = topics
        faults += check(subject, topics, want)
        summary(subject, topics)
    for f in faults:
        print("fault:", f)
    if not only_check and not faults:
        os.makedirs(COURSE, exist_ok=True)
        with open(os.path.join(COURSE, "course.json"), "w", encoding="utf-8", newline="\n") as f:
            f.write(course_json())
        for folder, topics in parsed.items():
            write(folder, topics)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
