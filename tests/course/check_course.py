#!/usr/bin/env python3
"""Checks the course sources as a teacher would before shipping them.

coursepack already refuses files it cannot build; this looks at the shape of each paper instead:
questions, blanks and marks within the subject's limits, answer keys well formed for their type,
no question written twice, every picture present and every reading passage kept on the same page
as its questions. In English also: the marking flags each task needs, and no word to be spelt
printed elsewhere in its paper. In Science and Mathematics also: no group paying twice for one
idea, no accepted answer standing in its own line, and in Mathematics no problem twice in a paper
and at least 100 different problems in every topic.

Usage: check_course.py COURSE_FOLDER      (prints every problem, exits 1 if there is any)
"""

import html
import json
import os
import re
import sys

# Limits per paper: (fewest, most) questions, blanks and marks. "topic" is every topic but the
# last ("Mock Examination"); "topics" overrides it for one topic by name.
# reading: topics whose every question file must carry a passage of (min, max) words.
# mock_passage: each mock paper needs at least one passage of this many words.
# unique: no two question files of the subject may hold the same text.
# growing: marks may not fall from paper 1 to paper 5 of a topic (mock papers are equals).
LIMITS = {
    "English": {
        "topic": {"questions": (12, 21), "blanks": (15, 60), "marks": (25, 60)},
        "topics": {"Comprehension": {"questions": (1, 3), "blanks": (15, 45), "marks": (25, 60)}},
        "mock": {"questions": (20, 40), "blanks": (40, 70), "marks": (60, 100)},
        "reading": {"Comprehension": (300, 600)},
        "mock_passage": 300,
        "unique": True,
        "growing": True,
    },
    "Mathematics": {
        "topic": {"questions": (20, 40), "blanks": (20, 70), "marks": (20, 100)},
        "mock": {"questions": (40, 60), "blanks": (40, 70), "marks": (60, 100)},
        "unique": True,
        "growing": True,
    },
    "Science": {
        "topic": {"questions": (12, 25), "blanks": (12, 60), "marks": (15, 70)},
        "mock": {"questions": (25, 50), "blanks": (40, 70), "marks": (60, 100)},
        "unique": True,
        "growing": True,
    },
}

BLANK = re.compile(r"<blank\b([^>]*)>(.*?)</blank>", re.S | re.I)
ATTR = re.compile(r'(\w+)\s*=\s*"([^"]*)"')
PASSAGE = re.compile(r'<div class="passage">(.*?)</div>', re.S)
PASSAGE_TAG = re.compile(r'<passage\b[^>]*?\bsrc\s*=\s*"([^"]*)"[^>]*?/?>(?:\s*</passage\s*>)?', re.I)
IMG = re.compile(r'<img\b[^>]*\bsrc\s*=\s*"([^"]+)"', re.I)
NUMBER = re.compile(r"-?\d+(\.\d+)?$")
FRACTION = re.compile(r"\d+/\d+$")
MIXED = re.compile(r"(\d+|\d+ \d+/\d+|\d+/\d+)$")


def words(fragment):
    return len(re.sub(r"<[^>]+>", " ", html.unescape(fragment)).split())


def alternatives(key):
    return [a.strip() for a in key.split(";")[1:]]


def check_key(kind, key, problems, where):
    """Key form by answer type; the first G blank of a group is checked with its group."""
    if not key.strip() and kind != "G":
        problems.append(f"{where}: empty {kind} key")
    elif kind == "Q" and key.strip() not in ("1", "2", "3", "4"):
        problems.append(f'{where}: Q key "{key}" is not an option number 1 to 4')
    elif kind == "N" and not NUMBER.match(key.strip()):
        problems.append(f'{where}: N key "{key}" is not a plain number')
    elif kind in "FR" and not FRACTION.match(key.strip()):
        problems.append(f'{where}: {kind} key "{key}" is not a fraction a/b')
    elif kind == "X" and not MIXED.match(key.strip()):
        problems.append(f'{where}: X key "{key}" is not a whole or mixed number')
    elif kind in "TL" and (key.startswith(";") or key != key.strip()):
        problems.append(f'{where}: {kind} key "{key}" has outer spaces or reads as a list')
    elif kind == "M":
        alts = alternatives(key)
        lowered = [a.lower() for a in alts]
        if not key.startswith(";") or len(alts) < 2 or "" in alts:
            problems.append(f'{where}: M key "{key}" needs two or more ";"-led alternatives')
        elif len(set(lowered)) != len(lowered):
            problems.append(f'{where}: M key "{key}" repeats an alternative')
    elif kind not in "QNFRXTLMG":
        problems.append(f'{where}: unknown answer type "{kind}"')


def read_question(path, problems, used_passages=None):
    """The question's text with every <passage src="..."/> replaced by its file, as built."""
    text = open(path, encoding="utf-8").read()

    def passage(match):
        source = os.path.join(os.path.dirname(path), match.group(1))
        if not os.path.isfile(source):
            problems.append(f'{path}: missing passage "{match.group(1)}"')
            return '<div class="passage"></div>'
        if used_passages is not None:
            used_passages.add(os.path.normpath(source))
        return '<div class="passage">' + open(source, encoding="utf-8").read() + "</div>"

    return PASSAGE_TAG.sub(passage, text)


def check_question(path, where, problems, used_passages=None):
    """Returns (blanks, marks, passage word counts) of one question file."""
    text = read_question(path, problems, used_passages)
    blanks = BLANK.findall(text)
    marks = 0
    group = []  # keys of the G run in progress

    def close_group():
        if group:
            first, rest = group[0], group[1:]
            alts = alternatives(first)
            if not first.startswith(";") or len(alts) < len(group) or "" in alts:
                problems.append(f"{where}: G group of {len(group)} needs as many alternatives")
            if any(k != " " for k in rest):
                problems.append(f"{where}: later G blanks of a group must hold a single space")
            group.clear()

    for attrs, key in blanks:
        attr = dict(ATTR.findall(attrs))
        kind, mark = attr.get("type", "?"), attr.get("mark", "1")
        if not mark.isdigit() or not 1 <= int(mark) <= 99:
            problems.append(f'{where}: mark "{mark}" is not a whole number 1 to 99')
            mark = "0"
        marks += int(mark)
        if any(c in key for c in "<>#\n"):
            problems.append(f'{where}: key "{key}" holds a tag, ">", "#" or a line break')
        if kind == "G":
            if key.startswith(";"):
                close_group()
            elif not group:
                problems.append(f"{where}: G blank without the first blank of its group")
            group.append(key)
        else:
            close_group()
            check_key(kind, key, problems, where)
        if kind == "Q" and 'class="choices"' not in text:
            problems.append(f"{where}: Q blank without a list of choices")
    close_group()
    if not blanks or len(blanks) > 20:
        problems.append(f"{where}: {len(blanks)} blanks; a question holds 1 to 20")
    passages = [words(p) for p in PASSAGE.findall(text)]
    if passages and not blanks:
        problems.append(f"{where}: a passage without questions")
    for src in IMG.findall(text):
        if not os.path.isfile(os.path.join(os.path.dirname(path), src)):
            problems.append(f'{where}: missing picture "{src}"')
    return len(blanks), marks, passages, re.sub(r"\s+", " ", text).strip()


# Marking flags the English course relies on. A task whose skill is capital letters or speech
# punctuation is judged with case; a key that is a whole sentence is a sentence blank, so that a
# missing full stop costs nothing where punctuation is not the skill.
CAPITAL_TASK = re.compile(r"capital letter|speech marks", re.I)
SENTENCE_KEY = re.compile(r"\S+ \S+ .*(?<![ap]\.m)[.?!][\"']?$")
# A question that wants its answer without punctuation; every other text answer, a word too, is a
# sentence blank so that a full stop after it ("went.") costs nothing.
NO_PUNCTUATION = re.compile(r"without punctuation", re.I)
# Questions whose answer is chosen from words the stem shows: "in this sentence", a list, or
# "Write X or Y". Elsewhere a key word standing beside its own gap gives the answer away.
PICK_FROM_STEM = re.compile(r"in (this|each|the) sentence|from (the|this) (list|sentence)|"
                            r"\bWrite\s+\w+(,\s*\w+)*\s+or\s+\w+|\bwhich word|\bthe word in", re.I)
CHOICE_IN_BRACKETS = re.compile(r"\([^()]*/[^()]*\)")
PARAGRAPH = re.compile(r"<(p|li|td)\b[^>]*>(.*?)</\1>", re.S)
ARTICLE = re.compile(r"^(the|a|an) ", re.I)
# Keys that stand in their stem by design: the plural of "sheep" is "sheep".
KEY_IN_STEM_ALLOWED = {"spelling-and-punctuation/p4q17.html": {"sheep"}}


def forms(key):
    """The accepted forms of a key: ;-alternatives, each split at | into the forms of one set."""
    if not key.startswith(";"):
        return [[key]]
    return [[f.strip() for f in alt.split("|")] for alt in key.split(";")[1:]]


def same_idea(a, b):
    """True when b only adds an article or a plural ending to a (or the other way round)."""
    a, b = (ARTICLE.sub("", x.lower().strip()) for x in (a, b))
    if len(a) > len(b):
        a, b = b, a
    return a == b or b in (a + "s", a + "es") or (a.endswith("y") and b == a[:-1] + "ies")


def check_english_question(path, problems):
    """Flags and keys of one English question, as a teacher would mark them."""
    text = read_question(path, [])
    instruction = re.sub(r"<[^>]+>", " ", BLANK.sub(" ", text))
    capital_task = bool(CAPITAL_TASK.search(instruction))
    for attrs, key in BLANK.findall(text):
        attr = dict(ATTR.findall(attrs))
        kind, raw = attr.get("type", "?"), html.unescape(key)
        if kind in "QNFXR" or raw == " ":
            continue
        if capital_task and attr.get("case") != "exact":
            problems.append(f'{path}: "{raw}" answers a capital-letter task: write case="exact"')
        whole = [f for alt in forms(raw) for f in alt if SENTENCE_KEY.match(f)]
        if kind in "TLM" and whole and attr.get("sentence") != "yes":
            problems.append(f'{path}: "{whole[0]}" is a whole sentence: write sentence="yes"')
        elif (kind in "TLM" and attr.get("sentence") != "yes"
              and not NO_PUNCTUATION.search(instruction)):
            problems.append(f'{path}: "{raw}" would refuse a full stop after the answer: '
                            'write sentence="yes"')
        if attr.get("punctuation") and attr.get("sentence") != "yes":
            problems.append(f'{path}: punctuation="counts" needs sentence="yes"')
        if kind == "G":
            sets = forms(raw)
            for i, one in enumerate(sets):
                for other in sets[i + 1:]:
                    pair = next(((a, b) for a in one for b in other if same_idea(a, b)), None)
                    if pair:
                        problems.append(f'{path}: group alternatives "{pair[0]}" and '
                                        f'"{pair[1]}" are one idea: join them with |')
    if PICK_FROM_STEM.search(instruction):
        return
    allowed = next((v for k, v in KEY_IN_STEM_ALLOWED.items() if path.endswith(k)), set())
    for _, paragraph in PARAGRAPH.findall(text):
        blanks = BLANK.findall(paragraph)
        stem = html.unescape(re.sub(r"<[^>]+>", " ", BLANK.sub(" ", paragraph)))
        stem = CHOICE_IN_BRACKETS.sub(" ", stem)
        for attrs, key in blanks:
            kind = dict(ATTR.findall(attrs)).get("type", "?")
            if kind in "QNFXR":
                continue
            for form in (f for alt in forms(html.unescape(key)) for f in alt):
                if len(form) < 4 or form.lower() in allowed:
                    continue
                if re.search(r"(?<![\w-])" + re.escape(form) + r"(?![\w-])", stem, re.I):
                    problems.append(f'{path}: the key "{form}" stands in its own stem')
                    break


SPELLING_TASK = re.compile(r"spelt|spelling|write (each|the) word(s)? correctly", re.I)


def check_spelling_in_paper(paths, problems):
    """A word a pupil must spell correctly must not be printed elsewhere in the same paper."""
    texts = {p: read_question(p, []) for p in paths}
    printed = {p: html.unescape(re.sub(r"<[^>]+>", " ", BLANK.sub(" ", t)))
               for p, t in texts.items()}
    for path, text in texts.items():
        if not SPELLING_TASK.search(printed[path]):
            continue
        for _, key in BLANK.findall(text):
            word = html.unescape(key).strip()
            if len(word) < 5 or not re.fullmatch(r"[A-Za-z]+", word):
                continue
            pattern = re.compile(r"(?<![\w-])" + word + r"(?![\w-])", re.I)
            for other, shown in printed.items():
                if other != path and pattern.search(shown):
                    problems.append(f'{path}: "{word}" is to be spelt, but {other} prints it')
                    break


def check_subject(folder, name, problems):
    limits = LIMITS.get(name)
    if limits is None:
        problems.append(f"{folder}: no limits for subject {name}")
        return 0
    topics = json.load(open(os.path.join(folder, "subject.json"), encoding="utf-8"))["topics"]
    seen = {}
    used_passages = set()
    count = 0
    for t, topic in enumerate(topics):
        mock = t == len(topics) - 1
        rule = limits["mock"] if mock else limits.get("topics", {}).get(
            topic["name"], limits["topic"])
        reading = limits.get("reading", {}).get(topic["name"])
        previous_marks = 0
        for number, paper in enumerate(topic["papers"], 1):
            paper_path = os.path.join(folder, paper)
            lines = [l.strip() for l in open(paper_path, encoding="utf-8")]
            files = [l for l in lines if l and not l.startswith("#")]
            totals = {"questions": len(files), "blanks": 0, "marks": 0}
            longest = 0
            for file in files:
                path = os.path.join(os.path.dirname(paper_path), file)
                blanks, marks, passages, text = check_question(path, path, problems,
                                                               used_passages)
                if name == "English":
                    check_english_question(path, problems)
                totals["blanks"] += blanks
                totals["marks"] += marks
                longest = max([longest] + passages)
                if reading and not any(reading[0] <= w <= reading[1] for w in passages):
                    problems.append(f"{path}: no passage of {reading[0]} to {reading[1]} "
                                    f"words beside these questions (found {passages})")
                if limits.get("unique") and text in seen:
                    problems.append(f"{path}: same text as {seen[text]}")
                seen.setdefault(text, path)
            if name == "English":
                check_spelling_in_paper(
                    [os.path.join(os.path.dirname(paper_path), f) for f in files], problems)
            for what, (low, high) in rule.items():
                if not low <= totals[what] <= high:
                    problems.append(f'{paper_path}: {totals[what]} {what}; "{topic["name"]}" '
                                    f"papers hold {low} to {high}")
            if mock and longest < limits.get("mock_passage", 0):
                problems.append(f"{paper_path}: no passage of {limits['mock_passage']} words")
            # Mock papers are equals, each a whole examination; topic papers build up.
            if limits.get("growing") and not mock and totals["marks"] < previous_marks:
                problems.append(f"{paper_path}: {totals['marks']} marks, fewer than paper "
                                f"{number - 1} ({previous_marks})")
            previous_marks = totals["marks"]
            count += totals["questions"]
    for root, _, files in os.walk(folder):
        for name in sorted(files):
            source = os.path.normpath(os.path.join(root, name))
            if name.endswith(".passage.html") and source not in used_passages:
                problems.append(f"{source}: a passage no question shows")
    return count


# --- Problem shapes (Mathematics) and keys of Science and Mathematics ---------------------------
# A paper should not ask the same problem twice with other numbers or another child's name, and
# a topic should not draw its 140 questions from a handful of problems.

SHAPE_FLOOR = {"Mathematics": 100}  # distinct problem shapes a (non-mock) topic holds at least
SHAPE_NUMBER = re.compile(r"(?:&pound;|\u00a3)?-?\d[\d,]*(?:\.\d+)?(?:\s*/\s*\d+)?(?:\s*[:.]\s*\d\d)?")
WORD = re.compile(r"[A-Za-z][A-Za-z'-]*")


def question_text(html_text):
    """What a pupil reads: the words without tags, each blank a "_"."""
    t = re.sub(r"<blank\b[^>]*>.*?</blank>", " _ ", html_text, flags=re.S)
    t = re.sub(r"<[^>]+>", " ", t)
    return html.unescape(t)


def sentence_start(text, at):
    """Whether the word at index at begins a sentence (or the text)."""
    before = text[:at].rstrip()
    return not before or before[-1] in ".?!:"


def name_words(texts):
    """Capitalised words that stand inside a sentence somewhere and are never written in small
    letters: the names of children, towns, days and months, whatever their place."""
    lower, inside = set(), set()
    for t in texts:
        for m in WORD.finditer(t):
            w = m.group(0)
            if w.islower():
                lower.add(w)
            elif w[0].isupper() and len(w) > 1 and not sentence_start(t, m.start()):
                inside.add(w)
    return {w for w in inside if w.lower() not in lower}


def problem_shape(text, names):
    """A question's text with its numbers and names replaced, so "Amy has 30 stickers" and
    "Ben has 45 stickers" are one shape."""
    t = SHAPE_NUMBER.sub("#", text)
    t = re.sub(r"#(?:\s+#)+", "#", t)
    t = WORD.sub(lambda m: "N" if m.group(0) in names else m.group(0), t)
    return re.sub(r"\s+", " ", t).strip().lower()


def subject_papers(folder):
    """[(topic name, [(paper path, [question path])])] of a subject folder."""
    out = []
    for topic in json.load(open(os.path.join(folder, "subject.json"), encoding="utf-8"))["topics"]:
        papers = []
        for paper in topic["papers"]:
            path = os.path.join(folder, paper)
            files = [l.strip() for l in open(path, encoding="utf-8") if l.strip() and not l.startswith("#")]
            papers.append((path, [os.path.join(os.path.dirname(path), f) for f in files]))
        out.append((topic["name"], papers))
    return out


def check_shapes(folder, name, problems):
    """No problem shape twice in one paper; at least SHAPE_FLOOR distinct shapes in a topic.
    Returns {topic: distinct shapes} for the report."""
    topics = subject_papers(folder)
    texts = {q: question_text(open(q, encoding="utf-8").read())
             for _, papers in topics for _, qs in papers for q in qs}
    names = name_words(texts.values())
    figures = {}
    for t, (topic, papers) in enumerate(topics):
        shapes = set()
        for paper, qs in papers:
            seen = {}
            for q in qs:
                shape = problem_shape(texts[q], names)
                if shape in seen:
                    problems.append(f"{q}: the same problem as {seen[shape]} with other numbers or names")
                seen.setdefault(shape, q)
                shapes.add(shape)
        figures[topic] = len(shapes)
        floor = SHAPE_FLOOR.get(name)
        if floor and t < len(topics) - 1 and len(shapes) < floor:
            problems.append(f"{folder}: {topic} holds {len(shapes)} distinct problem shapes, fewer than {floor}")
    return figures


def key_forms(kind, key):
    """The accepted answers of a T, L, M or G key, as [[forms of one idea], ...]."""
    if kind in "TL":
        return [[key]]
    return [part.split("|") for part in key.split(";")[1:]] if key.startswith(";") else []


def bare_answer(answer):
    """An answer without "the"/"a" in front or a plural ending: "the lamps" -> "lamp"."""
    w = re.sub(r"^(?:the|a|an) ", "", answer.lower().strip())
    for end, repl in (("ies", "y"), ("ses", "s"), ("shes", "sh"), ("ches", "ch"), ("xes", "x"), ("s", "")):
        if w.endswith(end) and len(w) > len(end) + 2 and not w.endswith("ss"):
            return w[: -len(end)] + repl
    return w


def offered_as_choice(word, line):
    """The line offers the word to choose ("attract or repel", "sand and water", "10 am,
    midday and 2 pm"), asks yes or no about it, or reads "the more ..., the ___"."""
    w = re.escape(word)
    return bool(re.search(rf"(?<![\w-]){w}(?:,| or | and )|(?:,| or | and ){w}(?![\w-])", line)
                or re.match(r"(?:is|are|does|do|can|will|would|was|were) ", line)
                or re.search(rf"\bthe {w} [^_]*, the _", line))


def check_key_words(path, where, problems):
    """A group pays once an idea: no alternative of one idea that only adds "the" or a plural
    to another idea's. No accepted answer stands in the words of the blank's own line."""
    text = open(path, encoding="utf-8").read()
    for attrs, key in BLANK.findall(text):
        attr = dict(ATTR.findall(attrs))
        if attr.get("type") == "G" and key.startswith(";"):
            owner = {}
            for i, forms in enumerate(key_forms("G", key)):
                for form in forms:
                    if owner.setdefault(bare_answer(form), i) != i:
                        problems.append(f'{where}: group pays twice for "{form}"; join its forms with "|"')
    for m in re.finditer(r"<(p|td|th|li)\b[^>]*>(.*?)</\1>", text, re.S):
        line = m.group(2)
        words = re.sub(r"\s+", " ", question_text(line)).strip().lower()
        for attrs, key in BLANK.findall(line):
            kind = dict(ATTR.findall(attrs)).get("type", "?")
            for form in (f for forms in key_forms(kind, html.unescape(key)) for f in forms):
                form = form.strip().lower()
                # numbers may recur (balanced forces: "the weight is 500 N"); words may not
                if (len(form) >= 3 and re.search("[a-z]", form) and not form[0].isdigit()
                        and re.search(rf"(?<![\w-]){re.escape(form)}(?![\w-])", words)
                        and not offered_as_choice(form, words)):
                    problems.append(f'{where}: the answer "{form}" stands in the line of its blank')


def check_science_maths_keys(course, problems):
    """The key and shape checks above, over the Science and Mathematics folders; prints the
    distinct problem shapes of each Mathematics topic."""
    descriptor = json.load(open(os.path.join(course, "course.json"), encoding="utf-8"))
    for subject in descriptor["subjects"]:
        if subject.get("name") not in ("Science", "Mathematics"):
            continue
        folder = os.path.join(course, subject["folder"])
        for _, papers in subject_papers(folder):
            for _, qs in papers:
                for q in qs:
                    check_key_words(q, q, problems)
        if subject["name"] == "Mathematics":
            figures = check_shapes(folder, subject["name"], problems)
            print("Mathematics distinct problem shapes: " +
                  ", ".join(f"{t} {n}" for t, n in figures.items()))


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    course = argv[1]
    problems = []
    descriptor = json.load(open(os.path.join(course, "course.json"), encoding="utf-8"))
    for subject in descriptor["subjects"]:
        if subject.get("name"):
            count = check_subject(os.path.join(course, subject["folder"]), subject["name"],
                                  problems)
            print(f'{subject["name"]}: {count} questions checked')
    check_science_maths_keys(course, problems)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
