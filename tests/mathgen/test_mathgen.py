"""Checks of the generated Mathematics subject (course/mathematics).

The answers are re-derived here from the question text (and from the diagrams) with code of
its own, not by calling the generator, so a slip in a maker shows up as a mismatch."""

import filecmp
import math
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET
from fractions import Fraction as Fr
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
MATH = ROOT / "course" / "mathematics"
GENERATOR = ROOT / "tools" / "mathgen" / "mathgen.py"

TOPIC_NAMES = ["Whole Numbers", "Fractions", "Decimals", "Percentage and Ratio", "Measurement",
               "Geometry and Data", "Mock Examination"]

BLANK = re.compile(r'<blank\s+type="(\w)"(?:\s+mark="(\d+)")?\s*>(.*?)</blank>', re.S)
CHOICES = re.compile(r'<ol class="choices">(.*?)</ol>', re.S)
LI = re.compile(r"<li>(.*?)</li>", re.S)
IMG = re.compile(r'<img\s+src="([^"]+)"')

ENTITIES = {"&times;": "*", "&divide;": "/:", "&deg;": "", "&pound;": "", "&sup2;": "", "&sup3;": "",
            "&nbsp;": " ", "&#9633;": "?"}


def load():
    """[(topic name, [(paper path, [(question path, html)])])] from the committed files."""
    import json
    subject = json.loads((MATH / "subject.json").read_text(encoding="utf-8"))
    out = []
    for topic in subject["topics"]:
        papers = []
        for pf in topic["papers"]:
            ppath = MATH / pf
            qs = []
            for line in ppath.read_text(encoding="utf-8").splitlines():
                line = line.strip()
                if not line or line.startswith("#"):
                    continue
                qpath = ppath.parent / line
                qs.append((qpath, qpath.read_text(encoding="utf-8")))
            papers.append((ppath, qs))
        out.append((topic["name"], papers))
    return out


def plain(html):
    """Question text without tags or blanks, entities made plain."""
    t = BLANK.sub(" __ ", html)
    for k, v in ENTITIES.items():
        t = t.replace(k, v)
    t = re.sub(r"<[^>]+>", " ", t)
    return re.sub(r"\s+", " ", t).strip()


def blanks(html):
    return [(t, int(m or 1), k) for t, m, k in BLANK.findall(html)]


# --- an expression evaluator of its own -------------------------------------------------------

TOKEN = re.compile(r"\s*(\d+ \d+/\d+|\d+/\d+|\d[\d,]*(?:\.\d+)?|[-+*()]|/:)")


def evaluate(expr):
    """Evaluates + - * /: ( ) over whole numbers, decimals, fractions "a/b" and mixed numbers
    "w a/b" exactly. Returns None when the text is not such an expression."""
    tokens, pos = [], 0
    expr = expr.strip()
    while pos < len(expr):
        m = TOKEN.match(expr, pos)
        if not m:
            return None
        tokens.append(m.group(1))
        pos = m.end()

    def atom(tok):
        if " " in tok:
            w, f = tok.split(" ")
            return Fr(int(w)) + Fr(f)
        return Fr(tok.replace(",", ""))

    i = 0

    def factor():
        nonlocal i
        if tokens[i] == "(":
            i += 1
            v = total()
            assert tokens[i] == ")"
            i += 1
            return v
        v = atom(tokens[i])
        i += 1
        return v

    def term():
        nonlocal i
        v = factor()
        while i < len(tokens) and tokens[i] in ("*", "/:"):
            op = tokens[i]
            i += 1
            w = factor()
            v = v * w if op == "*" else v / w
        return v

    def total():
        nonlocal i
        v = term()
        while i < len(tokens) and tokens[i] in ("+", "-"):
            op = tokens[i]
            i += 1
            w = term()
            v = v + w if op == "+" else v - w
        return v

    try:
        v = total()
    except (AssertionError, IndexError, ValueError, ZeroDivisionError):
        return None
    return v if i == len(tokens) else None


# a unit or the things counted, as pupils write them after the number ("12 cm", "16 beads")
UNIT_WORDS = r"(?: ?[A-Za-z°%][A-Za-z°%/ ²³23]*)?"


def key_value(type_, key):
    """The value a key stands for, checking that it is in the canonical form of its type. A
    number gap with a unit beside it lists the number's forms (M): its first is the canonical
    number, and every other is the same number with the unit or the pound sign."""
    if type_ in "NM" and key.startswith(";") and re.fullmatch(r"-?\d+(\.\d+)?", key.split(";")[1]):
        alts = key.split(";")[1:]
        for a in alts:
            m = re.fullmatch(r"\u00a3?(-?[\d,]*\.?\d+)" + UNIT_WORDS, a)
            assert m and Fr(m.group(1).replace(",", "")) == Fr(alts[0]), "%r is not %s" % (a, alts[0])
        type_, key = "N", alts[0]
    if type_ == "N":
        assert re.fullmatch(r"-?(0|[1-9]\d*)(\.\d*[1-9])?", key), "N key %r" % key
        return Fr(key)
    if type_ == "F":
        m = re.fullmatch(r"([1-9]\d*)/([1-9]\d*)", key)
        assert m, "F key %r" % key
        n, d = int(m.group(1)), int(m.group(2))
        assert d > 1 and math.gcd(n, d) == 1, "F key %r not in simplest form" % key
        return Fr(n, d)
    if type_ == "X":
        m = re.fullmatch(r"([1-9]\d*)(?: ([1-9]\d*)/([1-9]\d*))?", key)
        assert m, "X key %r" % key
        if m.group(2) is None:
            return Fr(int(m.group(1)))
        n, d = int(m.group(2)), int(m.group(3))
        assert n < d and math.gcd(n, d) == 1, "X key %r not in simplest form" % key
        return int(m.group(1)) + Fr(n, d)
    raise AssertionError("no value for type " + type_)


def number(s):
    return Fr(s.replace(",", ""))


NUM = r"(\d[\d,]*(?:\.\d+)?)"


POLY_SIDES = {"equilateral triangle": 3, "square": 4, "regular pentagon": 5, "regular hexagon": 6, "regular octagon": 8}
COMPASS = ["north", "east", "south", "west"]


def fourth_corner(three):
    """The corner that completes a rectangle with sides along the grid lines."""
    xs, ys = [p[0] for p in three], [p[1] for p in three]
    return [next(x for x in xs if xs.count(x) == 1), next(y for y in ys if ys.count(y) == 1)]


def round_half_up(x, unit):
    return Fr(math.floor(x / unit + Fr(1, 2))) * unit


class CourseStructure(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.topics = load()

    def test_topics_and_papers(self):
        self.assertEqual([t for t, _ in self.topics], TOPIC_NAMES)
        total = 0
        for name, papers in self.topics:
            self.assertEqual(len(papers), 5, name)
            marks = []
            for ppath, qs in papers:
                lo, hi = (40, 60) if name == "Mock Examination" else (15, 40)
                self.assertTrue(lo <= len(qs) <= hi, "%s: %d questions" % (ppath, len(qs)))
                bl = [b for _, h in qs for b in blanks(h)]
                self.assertLessEqual(len(bl), 70, ppath)
                m = sum(b[1] for b in bl)
                self.assertTrue(15 <= m <= 100, "%s: %d marks" % (ppath, m))
                self.assertTrue(all(1 <= b[1] <= 3 for b in bl), ppath)
                marks.append(m)
                total += len(qs)
            self.assertEqual(marks, sorted(marks), "%s: papers should grow in marks" % name)
        self.assertGreaterEqual(total, 1000)

    def test_questions_are_well_formed(self):
        types = set()
        positions = [0, 0, 0, 0]
        for name, papers in self.topics:
            for ppath, qs in papers:
                texts = set()
                for qpath, h in qs:
                    bl = blanks(h)
                    self.assertTrue(1 <= len(bl) <= 20, qpath)
                    h.encode("cp1252")  # the documents are stored as Windows-1252
                    # Amounts of money show pence in full, counts agree with their noun, times of
                    # day say midday, and days are written out in the text.
                    self.assertNotRegex(h, r"&pound;\d[\d,]*\.\d(?!\d)", qpath)
                    self.assertNotRegex(h, r"\b1 (?:ones|tenths|hundredths|thousandths)\b", qpath)
                    self.assertNotRegex(h, r"\b12 pm\b|\b(?:Mon|Tue|Wed|Thu|Fri)\b", qpath)
                    self.assertNotIn("\u2212", h)
                    body = plain(h)
                    self.assertNotIn(body, texts, "%s repeats a question of its paper" % qpath)
                    texts.add(body)
                    qcount = sum(1 for b in bl if b[0] == "Q")
                    lists = CHOICES.findall(h)
                    self.assertEqual(qcount, len(lists), qpath)
                    for opts in lists:
                        items = LI.findall(opts)
                        self.assertEqual(len(items), 4, qpath)
                        self.assertEqual(len(set(items)), 4, "%s has equal options" % qpath)
                    for t, m, key in bl:
                        types.add(t)
                        self.assertNotIn(">", key)
                        self.assertNotIn("#", key)
                        self.assertEqual(key, key.strip(), qpath)
                        if t == "Q":
                            self.assertIn(key, ["1", "2", "3", "4"], qpath)
                            positions[int(key) - 1] += 1
                        elif t in "NFX":
                            key_value(t, key)
                        elif t == "T":
                            self.assertTrue(key, qpath)
                        elif t == "M":
                            alts = key.split(";")
                            self.assertEqual(alts[0], "", "%s: M key %r" % (qpath, key))
                            self.assertGreaterEqual(len(alts), 3, qpath)
                            self.assertTrue(all(a.strip() for a in alts[1:]), qpath)
                            self.assertEqual(len(set(a.lower() for a in alts[1:])), len(alts) - 1, qpath)
                        else:
                            self.fail("%s: unexpected type %s" % (qpath, t))
                        if t == "F":
                            self.assertRegex(plain(h), r"simplest form|improper fraction", qpath)
                        if t == "X":
                            self.assertRegex(plain(h), r"mixed number|whole number", qpath)
                    for src in IMG.findall(h):
                        pic = qpath.parent / src
                        self.assertTrue(pic.is_file(), "%s: missing %s" % (qpath, src))
                        ET.parse(pic)  # well-formed SVG
                        pic.read_bytes().decode("ascii")
        # No question of the subject repeats another word for word, mock papers included.
        seen = {}
        for name, papers in self.topics:
            for ppath, qs in papers:
                for qpath, h in qs:
                    body = re.sub(r'src="[^"]+"', "", h)
                    self.assertNotIn(body, seen, "%s repeats %s" % (qpath, seen.get(body)))
                    seen[body] = qpath
        self.assertTrue({"Q", "N", "F", "X", "T", "M"} <= types, types)
        # The right option must not sit in one place.
        q_total = sum(positions)
        for p in positions:
            self.assertGreater(p, q_total // 8, positions)

    def test_generator_reproduces_committed_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            out = Path(tmp) / "mathematics"
            env = dict(os.environ, PYTHONHASHSEED="123")
            subprocess.run([sys.executable, str(GENERATOR), "--out", str(out)], check=True, env=env)
            cmp = filecmp.dircmp(MATH, out)
            self.assertFalse(_differences(cmp), "course/mathematics is not what the generator writes")


def _differences(cmp):
    found = cmp.left_only + cmp.right_only + cmp.diff_files + cmp.funny_files
    for sub in cmp.subdirs.values():
        found += _differences(sub)
    return found


class AnswersRederived(unittest.TestCase):
    """Recomputes the answers of every question whose wording says what to compute."""

    @classmethod
    def setUpClass(cls):
        cls.checked = 0
        cls.multistep = set()
        cls.questions = [(q, h) for _, papers in load() for _, qs in papers for q, h in qs]

    def expect(self, qpath, type_, key, value):
        self.assertEqual(key_value(type_, key), value, "%s: key %s, computed %s" % (qpath, key, value))
        type(self).checked += 1

    def expect_time(self, qpath, type_, key, minutes):
        """A 24-hour clock key: M with the forms pupils write, all of them the same time."""
        self.assertEqual(type_, "M", qpath)
        hh, mm = divmod(minutes % 1440, 60)
        alts = key.split(";")[1:]
        want = {"%02d:%02d" % (hh, mm), "%02d.%02d" % (hh, mm), "%02d%02d" % (hh, mm)}
        if hh < 10:
            want |= {"%d:%02d" % (hh, mm), "%d.%02d" % (hh, mm)}
        self.assertEqual(set(alts), want, "%s: key %s for %02d:%02d" % (qpath, key, hh, mm))
        type(self).checked += 1

    def options(self, h):
        return [plain(o) for o in LI.findall(CHOICES.findall(h)[0])]

    def test_rederive(self):
        for qpath, h in self.questions:
            with self.subTest(question=str(qpath.relative_to(ROOT))):
                self.rederive(qpath, h, plain(h), blanks(h))
        # Most of the course must be covered by the checks above, not just a handful.
        total = sum(len(blanks(h)) for _, h in self.questions)
        self.assertGreater(self.checked, total * 2 // 3, "only %d of %d blanks re-derived" % (self.checked, total))
        if os.environ.get("MATHGEN_SHOW_UNCHECKED"):
            print("re-derived %d of %d blanks" % (self.checked, total))
        # Papers 3 to 5 of every topic are at least a fifth multi-step word problems, each one
        # recognised and re-derived above.
        for name, papers in load():
            for ppath, qs in papers[2:]:
                multi = sum(1 for q, _ in qs if q in self.multistep)
                self.assertGreaterEqual(multi * 5, len(qs), "%s: %d multi-step of %d" % (ppath, multi, len(qs)))

    def rederive(self, qpath, h, t, bl):
        # a number gap whose key lists the number with its unit is still a number gap
        types = ["N" if b[0] == "M" and re.fullmatch(r";-?\d+(\.\d+)?(;.*)?", b[2]) else b[0] for b in bl]
        keys = [b[2] for b in bl]
        if self.rederive_problems(qpath, h, t, types, keys) or self.rederive_extra(qpath, h, t, types, keys):
            return

        m = re.match(r"(?:Work out|Calculate|Find the value of) (.+?)\. (?:Give|__)|What is ([^?]+)\?", t)
        if m and len(bl) == 1:
            v = evaluate(m.group(1) or m.group(2))
            if v is not None:
                if types[0] == "Q":
                    values = [evaluate(o) for o in self.options(h)]
                    self.assertEqual(values[int(keys[0]) - 1], v, qpath)
                    self.assertEqual(values.count(v), 1, "%s: another option is right too" % qpath)
                    type(self).checked += 1
                else:
                    self.expect(qpath, types[0], keys[0], v)
                return

        m = re.match(r"(?:Round|Write) " + NUM + r" (?:rounded )?to (?:the nearest )?(ten thousand|ten|hundred|thousand|whole number|one decimal place|two decimal places)", t)
        if m:
            unit = {"ten": 10, "hundred": 100, "thousand": 1000, "ten thousand": 10000, "whole number": 1,
                    "one decimal place": Fr(1, 10), "two decimal places": Fr(1, 100)}[m.group(2)]
            self.expect(qpath, "N", keys[0], round_half_up(number(m.group(1)), unit))
            return
        m = re.match(r"Round the number " + NUM + " to the nearest ten: __ to the nearest hundred: __ to the nearest thousand: __", t)
        if m:
            for key, unit in zip(keys, (10, 100, 1000)):
                self.expect(qpath, "N", key, round_half_up(number(m.group(1)), unit))
            return
        m = re.match(r"Find " + NUM + r"% of " + NUM, t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) * number(m.group(2)) / 100)
            return
        m = re.match(r"Find (\d+/\d+) of " + NUM, t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(m.group(1)) * number(m.group(2)))
            return
        m = re.match(r"(?:Write|Simplify) (?:the fraction )?(\d+)/(\d+)(?: in its simplest form|\. Give your answer as a fraction in its simplest form)", t)
        if m:
            self.expect(qpath, "F", keys[0], Fr(int(m.group(1)), int(m.group(2))))
            return
        m = re.match(r"Write (\d+)/(\d+) as a (?:mixed|whole) number", t)
        if m:
            self.expect(qpath, "X", keys[0], Fr(int(m.group(1)), int(m.group(2))))
            return
        m = re.match(r"Write (\d+) (\d+)/(\d+) as an improper fraction", t)
        if m:
            self.expect(qpath, "F", keys[0], int(m.group(1)) + Fr(int(m.group(2)), int(m.group(3))))
            return
        m = re.match(r"Write " + NUM + r"% as a (decimal|fraction)", t)
        if m:
            self.expect(qpath, types[0], keys[0], number(m.group(1)) / 100)
            return
        m = re.match(r"Write (\d+/\d+|" + NUM + r") as a (decimal|percentage)", t)
        if m:
            v = Fr(m.group(1))
            self.expect(qpath, "N", keys[0], v * 100 if m.group(3) == "percentage" else v)
            return
        m = re.search(r"Two angles of a triangle are (\d+) and (\d+)\.", t)
        if m:
            self.expect(qpath, "N", keys[0], 180 - int(m.group(1)) - int(m.group(2)))
            return
        m = re.search(r"straight line\. One angle is (\d+)\.", t)
        if m:
            self.expect(qpath, "N", keys[0], 180 - int(m.group(1)))
            return
        m = re.search(r"meet at a point\. Two of them are (\d+) and (\d+)\.", t)
        if m:
            for angle in (int(m.group(1)), int(m.group(2)), 360 - int(m.group(1)) - int(m.group(2))):
                self.assertTrue(30 <= angle <= 165, "%s: a %d degree angle looks like a straight line" % (qpath, angle))
            self.expect(qpath, "N", keys[0], 360 - int(m.group(1)) - int(m.group(2)))
            return
        m = re.search(r"angles of a quadrilateral are (\d+), (\d+) and (\d+)\.", t)
        if m:
            self.expect(qpath, "N", keys[0], 360 - sum(int(x) for x in m.groups()))
            return
        m = re.search(r"A rectangle is (\d+) \w+ long and (\d+) \w+ wide\.", t)
        if m:
            a, b = int(m.group(1)), int(m.group(2))
            self.expect(qpath, "N", keys[0], 2 * (a + b))
            self.expect(qpath, "N", keys[1], a * b)
            return
        m = re.search(r"triangle has a base of (\d+) cm and a height of (\d+) cm", t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(int(m.group(1)) * int(m.group(2)), 2))
            return
        m = re.match(r"Find the mean of ([\d, ]+) and (\d+)\.", t)
        if m:
            vals = [int(x) for x in m.group(1).split(",")] + [int(m.group(2))]
            self.expect(qpath, "N", keys[0], Fr(sum(vals), len(vals)))
            return
        m = re.match(r"What is the (highest common factor|lowest common multiple) of (\d+) and (\d+)\?", t)
        if m:
            a, b = int(m.group(2)), int(m.group(3))
            g = max(d for d in range(1, min(a, b) + 1) if a % d == 0 and b % d == 0)
            self.expect(qpath, "N", keys[0], g if m.group(1).startswith("highest") else a * b // g)
            return
        m = re.search(r"share (\d+)(?: [\w ]+)? in the ratio (\d+) : (\d+)\.", t)
        if m:
            total, a, b = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(total * a, a + b))
            self.expect(qpath, "N", keys[1], Fr(total * b, a + b))
            return
        m = re.match(r"Write the ratio (\d+) : (\d+) in its simplest form", t)
        if m:
            a, b = int(m.group(1)), int(m.group(2))
            g = math.gcd(a, b)
            self.expect(qpath, "N", keys[0], a // g)
            self.expect(qpath, "N", keys[1], b // g)
            return
        m = re.match(r"Change " + NUM + r" (\w+) into (\w+)\.", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) * scale(m.group(2)) / scale(m.group(3)))
            return
        if t.startswith("Fill in the missing numbers.") and "N" in types:
            rows = re.findall(NUM + r" (\w+) = __ (\w+)", t)
            self.assertEqual(len(rows), len(keys), qpath)
            for key, (x, u1, u2) in zip(keys, rows):
                self.expect(qpath, "N", key, number(x) * scale(u1) / scale(u2))
            return
        m = re.match(r"Which of these numbers is a prime number\?|Which one of these is prime\?", t)
        if m:
            opts = [int(o) for o in self.options(h)]
            for i, o in enumerate(opts):
                self.assertEqual(is_prime(o), i == int(keys[0]) - 1, "%s option %d" % (qpath, o))
            type(self).checked += 1
            return
        m = re.match(r"Which of these (?:numbers|fractions) is the (largest|smallest)\?", t)
        if m:
            vals = [Fr(o.replace(",", "")) for o in self.options(h)]
            best = max(vals) if m.group(1) == "largest" else min(vals)
            self.assertEqual(vals[int(keys[0]) - 1], best, qpath)
            self.assertEqual(vals.count(best), 1, qpath)
            type(self).checked += 1
            return
        if "What fraction of the" in t and "shaded" in t:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            parts = re.findall(r'<rect class="part"[^>]*fill="([^"]+)"', svg)
            shaded = sum(1 for f in parts if f != "white")
            self.expect(qpath, "F", keys[0], Fr(shaded, len(parts)))
            return
        if "percentage of the grid is" in t:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            parts = re.findall(r'<rect class="part"[^>]*fill="([^"]+)"', svg)
            shaded = sum(1 for f in parts if f != "white")
            self.assertEqual(len(parts), 100)
            self.expect(qpath, "N", keys[0], 100 - shaded if "not" in t else shaded)
            return
        if t.startswith("What time does the clock show?"):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            self.assertEqual(self.options(h)[int(keys[0]) - 1], clock_time(svg), qpath)
            type(self).checked += 1
            return
        if self.rederive_more(qpath, h, t, types, keys):
            return
        if self.rederive_basics(qpath, h, t, types, keys):
            return
        if os.environ.get("MATHGEN_SHOW_UNCHECKED"):
            print("UNCHECKED", qpath.relative_to(MATH), t[:110])

    def rederive_extra(self, qpath, h, t, types, keys):
        """The problems of tools/mathgen/more.py, one pattern each, answers worked out here."""
        F = r"(\d+/\d+)"
        M2 = r"(\d+(?: \d+/\d+)?|\d+/\d+)"
        rules = [
            # Fractions
            (r"(?:A ribbon is|A bag holds|A jug holds|A walk is) " + NUM + r" \w+.*? \w+ (?:cuts off|uses|pours out|has walked) " + F + " of it",
             lambda g: [number(g[0]) * Fr(g[1])]),
            (r"How many (halves|thirds|quarters|fifths|eighths|tenths) (?:are there in|make) (\d+) whole",
             lambda g: [{"halves": 2, "thirds": 3, "quarters": 4, "fifths": 5, "eighths": 8, "tenths": 10}[g[0]] * int(g[1])]),
            (r"Some cakes are each cut into (halves|thirds|quarters|fifths|eighths|tenths)\. How many pieces are there in (\d+) cakes",
             lambda g: [{"halves": 2, "thirds": 3, "quarters": 4, "fifths": 5, "eighths": 8, "tenths": 10}[g[0]] * int(g[1])]),
            (r"What must be added to " + F + r" to make (\d+)\?", lambda g: [int(g[1]) - Fr(g[0])]),
            (r"A jug is " + F + r" full of water\. What fraction of the jug is empty", lambda g: [1 - Fr(g[0])]),
            (F + r" of a fence is painted\. What fraction", lambda g: [1 - Fr(g[0])]),
            (r"(?:Which fraction is exactly halfway between|On a number line, which number is exactly halfway between) " + F + " and " + F,
             lambda g: [(Fr(g[0]) + Fr(g[1])) / 2]),
            (r"One snail has crawled " + F + r" of a path and another " + F, lambda g: [(Fr(g[0]) + Fr(g[1])) / 2]),
            (r"(?:Change the fraction|A piece of string is|A parcel weighs) " + F + r"(?: into| of a)", lambda g: [Fr(g[0])]),
            (r"There are (\d+) [\w ]+\. " + F + r" of them are (\w+)\. How many are not", lambda g: [int(g[0]) - Fr(g[1]) * int(g[0])]),
            (r"1/(\d+) of (?:a number|the pupils in a school hall|a bag of sweets) is (\d+)\D+ (\d+)/(\d+) of",
             lambda g: [int(g[2]) * int(g[1])]),
            (r"How many minutes are there in " + F + " of an hour", lambda g: [Fr(g[0]) * 60]),
            (r"How many hours are there in " + F + " of a day", lambda g: [Fr(g[0]) * 24]),
            (r"How many months are there in " + F + " of a year", lambda g: [Fr(g[0]) * 12]),
            (r"(?:How much money is|A bike is sold for) " + F + r" of (?:its price of )?" + NUM, lambda g: [Fr(g[0]) * number(g[1])]),
            (F + r" of the " + NUM + r" a class raised", lambda g: [Fr(g[0]) * number(g[1])]),
            (r"One batch of pancakes needs " + F + r" of a [\w ]+\. How much is needed for (\d+) batches", lambda g: [Fr(g[0]) * int(g[1])]),
            # Decimals
            (r"(?:Two jugs hold|A bag of apples weighs|A red rope is) " + NUM + r" \w+ (?:and|long and) (?:a \w+ \w+ (?:weighs|is) )?" + NUM,
             lambda g: [number(g[0]) + number(g[1])]),
            (r"How much more than " + NUM + r" is (\d+)\?", lambda g: [int(g[1]) - number(g[0])]),
            (r"A runner has run " + NUM + r" km of a (\d+) km race", lambda g: [int(g[1]) - number(g[0])]),
            (NUM + r" litres are poured out of a (\d+) litre bottle", lambda g: [int(g[1]) - number(g[0])]),
            (r"A " + NUM + r" (?:m|litre|kg) [\w ]+ is (?:cut|shared out) into (\d+) equal parts", lambda g: [number(g[0]) / int(g[1])]),
            (r"One (?:bottle holds|parcel weighs|tile is) " + NUM + r" [\w ]+?\. How much do (\d+) of them", lambda g: [number(g[0]) * int(g[1])]),
            (r"(?:A bill comes to|A football costs|A school fair made) " + NUM, lambda g: [round_half_up(number(g[0]), 1)]),
            (r"(?:Write the decimal|The lawn covers|A bottle is) " + NUM + r" (?:as a percentage|of a garden|full\. What percentage)",
             lambda g: [number(g[0]) * 100]),
            (r"Write (\d+)/(\d+) as a decimal number", lambda g: [Fr(int(g[0]), int(g[1]))]),
            # Percentage and ratio
            (r"A " + NUM + r" (?:g bowl of cereal|ml carton of drink|km cycle route) is " + NUM + "%", lambda g: [number(g[0]) * number(g[1]) / 100]),
            (r"(\d+) of the (\d+) (?:apples in a box|seats on a bus) are", lambda g: [Fr(int(g[0]) * 100, int(g[1]))]),
            (r"A garden has (\d+) roses among its (\d+) plants", lambda g: [Fr(int(g[0]) * 100, int(g[1]))]),
            (r"(?:has read|A download is|A tank is) (\d+)% ", lambda g: [100 - int(g[0])]),
            (r"A mix is made with (\d+) parts? of [\w ]+ to (\d+) parts of [\w ]+\. How much [\w ]+ goes with (\d+) ",
             lambda g: [Fr(int(g[2]) * int(g[1]), int(g[0]))]),
            (r"For every (\d+) [\w ]+ there are (\d+) [\w ]+\. There are (\d+) ", lambda g: [Fr(int(g[2]) * int(g[1]), int(g[0]) + int(g[1]))]),
            (r"has (\d+) (kg|litres|m) of \w+ and uses (\d+)% of it", lambda g: [Fr(int(g[0]) * {"kg": 1000, "litres": 1000, "m": 100}[g[1]]
                                                                                   * (100 - int(g[2])), 100)]),
            (r"In a class, (\d+)% of the children", lambda g: [Fr(int(g[0]), 100)]),
            (r"(?:A sunflower is|A puppy weighs|A path is) (\d+) \w+(?: \w+)?\. (?:It grows by|Its weight goes up by|It is made) (\d+)%",
             lambda g: [int(g[0]) * (100 + int(g[1])) / Fr(100)]),
            (r"(?:A class has|A bowl holds|A park has) (\d+) \w+ and (\d+) \w+\. Write the ratio",
             lambda g: [int(g[0]) // math.gcd(int(g[0]), int(g[1])), int(g[1]) // math.gcd(int(g[0]), int(g[1]))]),
            (r"A map has a scale of 1 : " + NUM + r"\. Two villages are " + NUM + " km apart", lambda g: [number(g[1]) * 100000 / number(g[0])]),
            # Geometry and data
            (r"Each side of an? (%s) is (\d+) cm long" % "|".join(POLY_SIDES), lambda g: [POLY_SIDES[g[0]] * int(g[1])]),
            (r"An? (%s) has a perimeter of (\d+) cm\. How long is each side" % "|".join(POLY_SIDES),
             lambda g: [Fr(int(g[1]), POLY_SIDES[g[0]])]),
            (r"(?:At|A clock shows) (\d+) o'clock", lambda g: [min(int(g[0]), 12 - int(g[0])) * 30]),
            (r"How many degrees are there in a (quarter|half|three-quarter|whole) turn",
             lambda g: [{"quarter": 90, "half": 180, "three-quarter": 270, "whole": 360}[g[0]]]),
            (r"(?:Three angles of a four-sided shape are|Three of its corners measure) (\d+), (\d+) and (\d+)\.",
             lambda g: [360 - int(g[0]) - int(g[1]) - int(g[2])]),
            (r"(\d+) (?:cubes along its length|cubes long|bricks long),? (?:and )?(\d+) (?:along its width|cubes wide|bricks thick),? "
             r"(?:and )?(\d+) (?:layers?|bricks)", lambda g: [int(g[0]) * int(g[1]) * int(g[2])]),
            (r"Here are the numbers of [\w ]+: ([\d, ]+)\. What is the difference",
             lambda g: [max(map(int, g[0].split(", "))) - min(map(int, g[0].split(", ")))]),
            (r"A square (?:has an area of|garden has an area of|tile covers) (\d+) ", lambda g: [Fr(math.isqrt(int(g[0])))]),
            (r"has a perimeter of (\d+) c?m\. One of its sides is (\d+) c?m long", lambda g: [Fr(int(g[0]), 2) - int(g[1])]),
            (r"A (?:square|rectangle) has three of its corners at \((\d+), (\d+)\), \((\d+), (\d+)\) and \((\d+), (\d+)\)",
             lambda g: fourth_corner([(int(g[0]), int(g[1])), (int(g[2]), int(g[3])), (int(g[4]), int(g[5]))])),
        ]
        for pattern, solve in rules:
            m = re.search(pattern, t)
            if m:
                for key, type_, value in zip(keys, types, solve(m.groups())):
                    self.expect(qpath, type_, key, Fr(value))
                return True
        m = re.search(r"Write these fractions in order, (largest|smallest) first: ([\d/, ]+)\.", t)
        if m:
            fs = sorted((Fr(x) for x in m.group(2).split(", ")), reverse=m.group(1) == "largest")
            self.assertEqual(keys, ["%d/%d" % (f.numerator, f.denominator) for f in fs], qpath)
            type(self).checked += len(keys)
            return True
        m = re.search(r"Which is (larger|smaller), (\d+/\d+) or (\d+ \d+/\d+)\?", t)
        if m:
            a, b = Fr(m.group(2)), evaluate(m.group(3))
            self.assertEqual(keys[0], m.group(2) if (a > b) == (m.group(1) == "larger") else m.group(3), qpath)
            type(self).checked += 1
            return True
        m = re.search(r"Which digit of " + NUM + r" is in the (tenths|hundredths|thousandths) place", t)
        if m:
            digit = m.group(1).split(".")[1][["tenths", "hundredths", "thousandths"].index(m.group(2))]
            self.expect(qpath, "N", keys[0], Fr(int(digit)))
            return True
        m = re.search(r"faces (north|east|south|west) and turns (\d+) (clockwise|anticlockwise)", t)
        if m:
            steps = int(m.group(2)) // 90 * (1 if m.group(3) == "clockwise" else -1)
            way = COMPASS[(COMPASS.index(m.group(1)) + steps) % 4]
            self.assertEqual(keys[0].split(";")[1], way, qpath)
            type(self).checked += 1
            return True
        m = re.search(r"How many pairs of parallel sides does a ([\w ]+) have", t)
        if m:
            want = {"rectangle": 2, "parallelogram": 2, "trapezium": 1, "rhombus": 2, "square": 2, "regular hexagon": 3, "kite": 0}
            self.assertIn(str(want[m.group(1)]), keys[0].split(";"), qpath)
            type(self).checked += 1
            return True
        m = re.search(r"Pack A has (\d+) \w+ for " + NUM + r"\. Pack B has (\d+) \w+ for " + NUM, t)
        if m:
            a, b = number(m.group(2)) / int(m.group(1)), number(m.group(4)) / int(m.group(3))
            self.expect(qpath, "N", keys[0], a)
            want = "A" if a < b else "B"
            self.assertEqual(keys[1], ";%s;pack %s" % (want, want), qpath)
            return True
        m = re.search(r"The table shows .*? Number ((?:\w+ \d+ ){4})What is the total of all four numbers\? __ How many more (\w+) than (\w+)\?", t)
        if m:
            counts = dict(re.findall(r"(\w+) (\d+)", m.group(1)))
            self.expect(qpath, "N", keys[0], Fr(sum(int(v) for v in counts.values())))
            self.expect(qpath, "N", keys[1], Fr(int(counts[m.group(2)]) - int(counts[m.group(3)])))
            return True
        if t.startswith("Which is the heaviest?") or t.startswith("Which is the longest?") or t.startswith("Which is the largest amount?"):
            values = [number(o.split()[0]) for o in self.options(h)]
            self.assertEqual(values[int(keys[0]) - 1], max(values), qpath)
            type(self).checked += 1
            return True
        if t.startswith("Which of these is the largest amount?"):
            def value(o):
                o = o.strip()
                return number(o[:-1]) / 100 if o.endswith("%") else Fr(o) if "/" in o else number(o)
            values = [value(o) for o in self.options(h)]
            self.assertEqual(values[int(keys[0]) - 1], max(values), qpath)
            self.assertEqual(values.count(max(values)), 1, qpath)
            type(self).checked += 1
            return True
        return False

    def rederive_more(self, qpath, h, t, types, keys):
        """The story, table and diagram questions. Returns True when the question was checked."""
        m = re.match(r"What is the value of the digit (\d) in (?:the number )?" + NUM, t) or \
            re.match(r"In the number " + NUM + r", what does the digit (\d) stand for", t)
        if m:
            d, x = (m.group(1), m.group(2)) if t.startswith("What") else (m.group(2), m.group(1))
            x = x.replace(",", "")
            i = x.index(d)
            point = x.index(".") if "." in x else len(x)
            place = point - i - 1 if i < point else point - i
            v = int(d) * Fr(10) ** place
            if types[0] == "Q":
                self.assertEqual(evaluate(self.options(h)[int(keys[0]) - 1]), v, qpath)
                type(self).checked += 1
            else:
                self.expect(qpath, "N", keys[0], v)
            return True
        m = re.search(r"pays with a (\d+) note\. How much change|What is the total cost\?", t)
        if m:
            prices = [number(x) for x in re.findall(r"(?:for|at) (\d+\.\d\d)", t)]
            self.assertGreaterEqual(len(prices), 2, qpath)
            if m.group(1):
                self.assertGreater(int(m.group(1)), sum(prices), "%s: the note does not pay for it" % qpath)
            self.expect(qpath, "N", keys[0], int(m.group(1)) - sum(prices) if m.group(1) else sum(prices))
            return True
        m = re.match(r"(?:What number is|Which number lies exactly) halfway between " + NUM + " and " + NUM, t)
        if m:
            self.expect(qpath, "N", keys[0], (number(m.group(1)) + number(m.group(2))) / 2)
            return True
        if t.startswith("The grid is one whole. Write the shaded part as a decimal."):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            parts = re.findall(r'<rect class="part"[^>]*fill="([^"]+)"', svg)
            self.expect(qpath, "N", keys[0], Fr(sum(1 for f in parts if f != "white"), len(parts)))
            return True
        m = re.match(r"(\w+) \w+ share a bill of " + NUM + " equally", t)
        if m:
            n = ["two", "three", "four", "five", "six", "seven", "eight"].index(m.group(1).lower()) + 2
            self.expect(qpath, "N", keys[0], number(m.group(2)) / n)
            return True
        m = re.match(r"Write (\d+) (ones?|hundredths?), (\d+) tenths? and (\d+) (hundredths?|ones?)|"
                     r"Write (\d+) hundredths? and (\d+) tenths? and (\d+) ones?", t)
        if m:
            if m.group(1):
                v = int(m.group(1)) + Fr(int(m.group(3)), 10) + Fr(int(m.group(4)), 100)
            else:
                v = Fr(int(m.group(6)), 100) + Fr(int(m.group(7)), 10) + int(m.group(8))
            self.expect(qpath, "N", keys[0], v)
            return True
        if t.startswith("Which list is in order from the smallest to the largest?"):
            lists = [[Fr(x) for x in o.split(", ")] for o in self.options(h)]
            good = [lst == sorted(lst) for lst in lists]
            self.assertEqual(good.count(True), 1, qpath)
            self.assertTrue(good[int(keys[0]) - 1], qpath)
            type(self).checked += 1
            return True
        m = re.match(r"(?:A \w+ is|One bottle holds) " + NUM + r" \w+ and another (?:\w+ is|holds) " + NUM, t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) - number(m.group(2)))
            return True
        m = re.match(r"A [\w ]+ costs (\d+) in two shops\. Shop A takes (\d+)% off the price\. Shop B takes " + NUM + " off", t)
        if m:
            price, p, off = int(m.group(1)), int(m.group(2)), number(m.group(3))
            a, b = price - Fr(price * p, 100), price - off
            self.expect(qpath, "N", keys[0], a)
            self.expect(qpath, "N", keys[1], b)
            want = "A" if a < b else "B"
            self.assertEqual(keys[2], ";%s;shop %s" % (want, want), qpath)
            return True
        m = re.search(r"the ratio of \w+ to \w+ is (\d+) : (\d+)\. There are no other animals", t)
        if m:
            a, b = int(m.group(1)), int(m.group(2))
            self.expect(qpath, "F", keys[0], Fr(a, a + b))
            return True
        m = re.match(r"In a survey (\d+)% of the pupils [\w ]+ to school, (\d+)% ", t)
        if m:
            self.expect(qpath, "N", keys[0], 100 - int(m.group(1)) - int(m.group(2)))
            return True
        m = re.match(r"A photo is (\d+) cm wide and (\d+) cm tall\. It is enlarged so that every length is (\d+) times", t)
        if m:
            w, ht, k = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], w * k)
            self.expect(qpath, "N", keys[1], ht * k)
            return True
        if "water" in t and "jug" in t:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            marks = [(float(y), int(v)) for y, v in re.findall(r'<text x="82" y="([\d.]+)"[^>]*>(\d+) ml</text>', svg)]
            level = float(re.search(r'<rect class="water" x="\d+" y="([\d.]+)"', svg).group(1))
            (ya, va), (yb, vb) = marks[0], marks[-1]
            v = va + (vb - va) * (level - (ya - 5)) / ((yb - 5) - (ya - 5))
            self.expect(qpath, "N", keys[0], Fr(round(v)))
            return True
        m = re.search(r"at (\d\d):(\d\d)\. The journey takes (?:(\d+) hours? )?(\d+) minutes", t)
        if m:
            mins = int(m.group(1)) * 60 + int(m.group(2)) + int(m.group(3) or 0) * 60 + int(m.group(4))
            self.expect_time(qpath, types[0], keys[0], mins)
            return True
        m = re.match(r"A rectangular [\w ]+ is " + NUM + r" m long and (\d+) cm wide", t)
        if m:
            self.expect(qpath, "N", keys[0], 2 * (number(m.group(1)) * 100 + int(m.group(2))))
            return True
        m = re.match(r"\w+ runs 100 m in " + NUM + r" seconds\. \w+ takes " + NUM + " seconds", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(2)) - number(m.group(1)))
            return True
        m = re.search(r"temperature was (-?\d+) C\. By midnight it had fallen by (\d+) degrees", t)
        if m:
            self.assertGreater(int(m.group(2)), 0, qpath)
            self.expect(qpath, "N", keys[0], int(m.group(1)) - int(m.group(2)))
            return True
        m = re.search(r"morning was (-?\d+) C and in the afternoon it was (-?\d+) C\. By how many degrees did the temperature rise", t)
        if m:
            rise = int(m.group(2)) - int(m.group(1))
            self.assertGreater(rise, 0, qpath)
            self.expect(qpath, "N", keys[0], rise)
            return True
        m = re.match(r"Which of these is the same as (\d+)%\?", t)
        if m:
            values = [evaluate(o) for o in self.options(h)]
            v = Fr(int(m.group(1)), 100)
            self.assertEqual(values[int(keys[0]) - 1], v, qpath)
            self.assertEqual(values.count(v), 1, qpath)
            type(self).checked += 1
            return True
        m = re.match(r"Which fraction is equal to (\d+/\d+)\?", t)
        if m:
            values = [evaluate(o) for o in self.options(h)]
            v = Fr(m.group(1))
            self.assertEqual(values[int(keys[0]) - 1], v, qpath)
            self.assertEqual(values.count(v), 1, qpath)
            type(self).checked += 1
            return True
        m = re.match(r"How many days are there from (\d+) (\w+) to the end of", t)
        if m:
            days = {"January": 31, "March": 31, "April": 30, "May": 31, "June": 30, "July": 31,
                    "August": 31, "September": 30, "October": 31, "November": 30, "December": 31}
            self.expect(qpath, "N", keys[0], days[m.group(2)] - int(m.group(1)) + 1)
            return True
        m = re.match(r"A triangle has sides of (\d+) cm, (\d+) cm and (\d+) cm", t)
        if m:
            n = len(set(m.groups()))
            self.assertEqual(keys[0].split(";")[1], {1: "equilateral", 2: "isosceles", 3: "scalene"}[n], qpath)
            type(self).checked += 1
            return True
        m = re.match(r"(?:What (?:number )?must be added to " + NUM + " to make " + NUM +
                     r"|How much more than " + NUM + " is " + NUM + ")", t)
        if m:
            g = [x for x in m.groups() if x]
            self.expect(qpath, "N", keys[0], number(g[1]) - number(g[0]))
            return True
        m = re.search(r"Percentage: (\d+)% Decimal: __ Fraction: __", t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(int(m.group(1)), 100))
            self.expect(qpath, "F", keys[1], Fr(int(m.group(1)), 100))
            return True
        m = re.match(r"Here is a number sequence: (\d+), (\d+), (\d+), (\d+), \.\.\.", t)
        if m:
            a = [int(x) for x in m.groups()]
            step = a[1] - a[0]
            self.assertEqual([a[2] - a[1], a[3] - a[2]], [step, step], qpath)
            self.expect(qpath, "N", keys[0], a[3] + step)
            self.expect(qpath, "N", keys[1], a[3] + 2 * step)
            return True
        m = re.match(r"Write this number in figures: ([a-z -]+)\.", t)
        if m:
            self.expect(qpath, "N", keys[0], words_to_number(m.group(1)))
            return True
        m = re.search(r"ratio of boys to girls is (\d+) : (\d+)\. There are (\d+) girls", t)
        if m:
            a, b, g = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(a * g, b))
            return True
        m = re.match(r"Here are the scores of \d+ pupils: ([\d, ]+)\.", t)
        if m:
            vals = sorted(int(x) for x in m.group(1).split(","))
            mode = max(set(vals), key=vals.count)
            self.expect(qpath, "N", keys[0], mode)
            self.expect(qpath, "N", keys[1], vals[len(vals) // 2])
            self.expect(qpath, "N", keys[2], vals[-1] - vals[0])
            return True
        m = re.match(r"What fraction of an hour is (\d+) minutes\?", t)
        if m:
            self.expect(qpath, "F", keys[0], Fr(int(m.group(1)), 60))
            return True
        sums = re.findall(r"([\d/.,%]+(?: of \d+)? (?:[-+*]|/:) [\d/.,]+|\d+% of \d+|\d+/\d+ of \d+) = __", t)
        if sums and len(sums) >= len([k for k, ty in zip(keys, types) if ty not in "TM"]):
            for key, ty, expr in zip(keys, types, sums):
                pm = re.fullmatch(r"(\d+)% of (\d+)", expr)
                fm = re.fullmatch(r"(\d+/\d+) of (\d+)", expr)
                v = (Fr(int(pm.group(1)) * int(pm.group(2)), 100) if pm else
                     Fr(fm.group(1)) * int(fm.group(2)) if fm else evaluate(expr))
                self.assertIsNotNone(v, "%s: %s" % (qpath, expr))
                self.expect(qpath, ty, key, v)
            if "M" in types:
                want = "first" if evaluate_pct(sums[0]) > evaluate_pct(sums[1]) else "second"
                self.assertEqual(types[-1], "M", qpath)
                self.assertEqual(keys[-1].split(";")[1:], [want, {"first": "1st", "second": "2nd"}[want], "the " + want], qpath)
            return True
        m = re.search(r"It is (\d+) cm wide and (\d+) cm tall; the top part is (\d+) cm wide, and the cut-out corner is (\d+) cm deep", t)
        if m:
            W, H, top, depth = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], W * H - (W - top) * depth)
            self.expect(qpath, "N", keys[1], 2 * (W + H))
            return True
        m = re.search(r"A square has an? (perimeter|area) of (\d+) cm", t)
        if m:
            x = int(m.group(2))
            self.expect(qpath, "N", keys[0], Fr(x, 4) if m.group(1) == "perimeter" else Fr(math.isqrt(x)))
            return True
        m = re.search(r"A cuboid measures (\d+) cm by (\d+) cm by (\d+) cm", t)
        if m:
            a, b, c = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], a * b * c)
            return True
        m = re.search(r"starts at (\d\d):(\d\d) and ends at (\d\d):(\d\d)", t)
        if m:
            a, b, c, d = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], (c * 60 + d) - (a * 60 + b))
            return True
        m = re.search(r"Write (\d+):(\d\d) (am|pm) as a 24-hour clock time|Which 24-hour clock time is the same as (\d+):(\d\d) (am|pm)", t)
        if m:
            g = [x for x in m.groups() if x]
            hh = int(g[0]) % 12 + (12 if g[2] == "pm" else 0)
            if types[0] == "Q":
                self.assertEqual(self.options(h)[int(keys[0]) - 1], "%02d:%s" % (hh, g[1]), qpath)
                type(self).checked += 1
            else:
                self.expect_time(qpath, types[0], keys[0], hh * 60 + int(g[1]))
            return True
        m = re.search(r"Which length is the (longest|shortest)\?", t)
        if m:
            vals = []
            for o in self.options(h):
                x, u = o.split(" ")
                vals.append(number(x) * scale(u))
            best = max(vals) if m.group(1) == "longest" else min(vals)
            self.assertEqual(vals[int(keys[0]) - 1], best, qpath)
            self.assertEqual(vals.count(best), 1, qpath)
            type(self).checked += 1
            return True
        m = re.search(r"shows how (\d+) pupils travel to school\. The \w+ sector is (\d+)\.", t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(int(m.group(1)) * int(m.group(2)), 360))
            return True
        m = re.search(r"recipe for (\d+) people uses (\d+) \w+ of \w+\. How much \w+ is needed for (\d+) people", t)
        if m:
            a, b, c = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(b * c, a))
            return True
        m = re.search(r"Point A moves (\d+) (right|left) and (\d+) (up|down)", t)
        if m:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            tm = re.search(r'<text x="([\d.]+)" y="([\d.]+)" text-anchor="start"[^>]*>A</text>', svg)
            x0 = round((float(tm.group(1)) - 9 - 40) / 26)
            y0 = round((20 + 10 * 26 - (float(tm.group(2)) + 7)) / 26)
            dx = int(m.group(1)) * (1 if m.group(2) == "right" else -1)
            dy = int(m.group(3)) * (1 if m.group(4) == "up" else -1)
            self.expect(qpath, "N", keys[0], x0 + dx)
            self.expect(qpath, "N", keys[1], y0 + dy)
            return True
        if re.match(r"This is a regular shape\.|All the sides and angles of this shape are equal\.|Name this regular polygon\.", t):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            corners = len(re.search(r'<polygon points="([^"]+)"', svg).group(1).split())
            names = {3: "triangle", 4: "square", 5: "pentagon", 6: "hexagon", 7: "heptagon", 8: "octagon"}
            self.assertIn(names[corners], keys[0].split(";"), qpath)
            type(self).checked += 1
            if len(keys) > 1:
                self.expect(qpath, "N", keys[1], corners)
            return True
        if re.search(r"Is it acute, obtuse or reflex\?", t):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            arms = re.findall(r'<line x1="([\d.-]+)" y1="([\d.-]+)" x2="([\d.-]+)" y2="([\d.-]+)"', svg)
            d = [math.degrees(math.atan2(float(y1) - float(y2), float(x2) - float(x1))) for x1, y1, x2, y2 in arms]
            size = (d[1] - d[0]) % 360
            want = "acute" if size < 90 else "obtuse" if size < 180 else "reflex"
            self.assertEqual(keys[0].split(";")[1], want, qpath)
            type(self).checked += 1
            return True
        m = re.search(r"How long is the ([\w ]+)\? Give your answer in cm\.", t)
        if m:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            rm = re.search(r'<rect x="([\d.]+)" y="36" width="([\d.]+)"', svg)
            self.expect(qpath, "N", keys[0], Fr(rm.group(2)) / 40)
            return True
        if re.search(r"What number is the arrow pointing to\?|Which number does the arrow show\?", t):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            labels = re.findall(r'<text x="([\d.]+)" y="104"[^>]*>([\d.]+)</text>', svg)
            (xa, va), (xb, vb) = labels[0], labels[-1]
            arrow = float(re.search(r'<line x1="([\d.]+)" y1="12"', svg).group(1))
            ticks = 10
            k = round((arrow - float(xa)) / (float(xb) - float(xa)) * ticks)
            self.expect(qpath, "N", keys[0], Fr(va) + (Fr(vb) - Fr(va)) * k / ticks)
            return True
        if t.startswith("The bar chart shows") or t.startswith("The line graph shows"):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            values = chart_values(svg)
            labels = re.findall(r'<text x="[\d.]+" y="31\d(?:\.\d)?" text-anchor="middle"[^>]*>([^<]+)</text>', svg)
            self.assertEqual(len(labels), len(values), qpath)
            data = dict(zip(labels, values))
            asked = [seg for seg in t.split("__")[:-1]]
            self.assertEqual(len(asked), len(keys), qpath)
            for seg, key, ty in zip(asked, keys, types):
                seg = seg.split("?")[-2] if seg.count("?") > 1 else seg
                named = sorted((seg.find(" %s" % lab), lab) for lab in labels if re.search(r"\b%s\b" % re.escape(lab), seg))
                named = [lab for _, lab in named]
                if ty in "TM":
                    self.assertIn("fewest", seg, qpath)
                    self.assertEqual(key if ty == "T" else key.split(";")[1], min(data, key=data.get), qpath)
                    type(self).checked += 1
                elif "highest" in seg:
                    self.expect(qpath, "N", key, max(values))
                elif len(named) == 2:
                    v = data[named[0]] - data[named[1]]
                    self.expect(qpath, "N", key, abs(v) if "change" in seg else v)
                elif len(named) == 1:
                    self.expect(qpath, "N", key, data[named[0]])
                elif re.search(r"altogether|whole week", seg):
                    self.expect(qpath, "N", key, sum(values))
                else:
                    self.fail("%s: unread chart question %r" % (qpath, seg))
            return True
        return False

    def rederive_basics(self, qpath, h, t, types, keys):
        """Conversions, facts about numbers and the one-step stories."""
        m = re.match(r"Write (\d*\.\d+) as a fraction\.", t)
        if m:
            self.expect(qpath, "F", keys[0], Fr(m.group(1)))
            return True
        m = re.search(r"holds " + NUM + r" litres? of juice\. How many (\d+) ml glasses", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) * 1000 / int(m.group(2)))
            return True
        m = re.match(r"Round each number to the nearest ten to estimate (\d+) \* (\d+)\.", t)
        if m:
            est = round_half_up(Fr(int(m.group(1))), 10) * round_half_up(Fr(int(m.group(2))), 10)
            self.assertEqual(number(self.options(h)[int(keys[0]) - 1]), est, qpath)
            type(self).checked += 1
            return True
        m = re.match(r"Is " + NUM + r" an odd or an even number\?", t)
        if m:
            self.assertEqual(keys[0].split(";")[1], "odd" if int(number(m.group(1))) % 2 else "even", qpath)
            type(self).checked += 1
            return True
        m = re.match(r"Fill in the missing (?:numerator|denominator): (\d+)/(\d+) = (\?|\d+)/(\?|\d+)", t)
        if m:
            x = Fr(int(m.group(1)), int(m.group(2)))
            self.expect(qpath, "N", keys[0], x * int(m.group(4)) if m.group(3) == "?" else int(m.group(3)) / x)
            return True
        m = re.match(r"(\d+/\d+) of a number is " + NUM + r"\. What is the number", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(2)) / Fr(m.group(1)))
            return True
        m = re.match(r"Which number is greater, " + NUM + " or " + NUM + r"\?", t)
        if m:
            self.expect(qpath, "N", keys[0], max(number(m.group(1)), number(m.group(2))))
            return True
        m = re.match(r"How many factors does (\d+) have\?", t)
        if m:
            n = int(m.group(1))
            self.expect(qpath, "N", keys[0], sum(1 for d in range(1, n + 1) if n % d == 0))
            return True
        m = re.match(r"Which of these numbers is not a factor of (\d+)\?", t)
        if m:
            n = int(m.group(1))
            opts = [int(o) for o in self.options(h)]
            self.assertEqual([i + 1 for i, o in enumerate(opts) if n % o], [int(keys[0])], qpath)
            type(self).checked += 1
            return True
        m = re.search(r"scale of 1 : " + NUM + r"\. (?:Two towns are|A path is) (\d+) cm (?:apart|long)[^?]*\?.*Give your answer in (km|m)\.", t)
        if m:
            cm = number(m.group(1)) * int(m.group(2))
            self.expect(qpath, "N", keys[0], cm / (100000 if m.group(3) == "km" else 100))
            return True
        m = re.match(r"A car travels at a steady (\d+) km per hour\. How far does it go in (\d+) hours|"
                     r"A train travels (\d+) km in (\d+) hours at a steady speed", t)
        if m:
            self.expect(qpath, "N", keys[0], int(m.group(1)) * int(m.group(2)) if m.group(1) else Fr(int(m.group(3)), int(m.group(4))))
            return True
        m = re.match(r"Write (\d+) minutes in hours and minutes\.", t)
        if m:
            self.expect(qpath, "N", keys[0], int(m.group(1)) // 60)
            self.expect(qpath, "N", keys[1], int(m.group(1)) % 60)
            return True
        m = re.match(r"How many (minutes|seconds|days) are there in (\d+)( and a half)? (hours|minutes|weeks)\?", t)
        if m:
            x = int(m.group(2)) + (Fr(1, 2) if m.group(3) else 0)
            self.expect(qpath, "N", keys[0], x * {"hours": 60, "minutes": 60, "weeks": 7}[m.group(4)])
            return True
        m = re.match(r"Write the number (\d+) in Roman numerals|What number is written in Roman numerals as ([IVXLCDM]+)\?", t)
        if m:
            if m.group(1):
                self.assertEqual(roman_value(keys[0]), int(m.group(1)), qpath)
                self.assertEqual(keys[0], min_roman(int(m.group(1))), qpath)
                type(self).checked += 1
            else:
                self.expect(qpath, "N", keys[0], roman_value(m.group(2)))
            return True
        m = re.match(r"What is (\d+) squared\?|Work out the square of (\d+)\.", t)
        if m:
            n = int(m.group(1) or m.group(2))
            self.expect(qpath, "N", keys[0], n * n)
            return True
        if t.startswith("Which of these numbers is a square number?"):
            opts = [int(o) for o in self.options(h)]
            self.assertEqual([i + 1 for i, o in enumerate(opts) if math.isqrt(o) ** 2 == o], [int(keys[0])], qpath)
            type(self).checked += 1
            return True
        m = re.match(r"There are " + NUM + r" \w+\. They are put into \w+ of (\d+)\.", t)
        if m:
            n, k = int(number(m.group(1))), int(m.group(2))
            self.expect(qpath, "N", keys[0], n // k)
            self.expect(qpath, "N", keys[1], n % k)
            return True
        m = re.search(r"scored (\d+) out of (\d+) in a test\. What percentage", t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(int(m.group(1)) * 100, int(m.group(2))))
            return True
        m = re.search(r"costs (\d+)\. (?:Its price goes up by (\d+)%|In a sale the price is cut by (\d+)%)\.", t)
        if m:
            p = int(m.group(2)) if m.group(2) else -int(m.group(3))
            self.expect(qpath, "N", keys[0], Fr(int(m.group(1)) * (100 + p), 100))
            return True
        m = re.search(r"everything is (\d+)% off\. An? [\w ]+ now costs " + NUM + r"\.", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(2)) * 100 / (100 - int(m.group(1))))
            return True
        m = re.match(r"(\d+) [\w ]+ cost " + NUM + r"\. How much do (\d+) [\w ]+ cost\?", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(2)) / int(m.group(1)) * int(m.group(3)))
            return True
        m = re.match(r"A bag holds (\d+) (\w+) beads and (\d+) (\w+) beads\.", t)
        if m:
            a, b = int(m.group(1)), int(m.group(3))
            self.expect(qpath, "F", keys[0], Fr(a, a + b))
            self.expect(qpath, "N", keys[1], a // math.gcd(a, b))
            self.expect(qpath, "N", keys[2], b // math.gcd(a, b))
            return True
        m = re.match(r"(?:A|Think of a) ([\w -]+?)(?: is a 3-D shape)?\. (?:Fill in its number of faces|How many faces, edges and vertices)", t)
        if m and m.group(1) in SOLIDS_ALL:
            for key, v in zip(keys, SOLIDS_ALL[m.group(1)]):
                self.expect(qpath, "N", key, v)
            return True
        m = re.match(r"\w+ [\w ]+? (\d+/\d+) of an? [\w ]+ and \w+ [\w ]+? (\d+/\d+) of it\. What fraction of the [\w ]+ is left\?", t)
        if m:
            self.expect(qpath, "F", keys[0], 1 - Fr(m.group(1)) - Fr(m.group(2)))
            return True
        m = re.search(r"weighs " + NUM + r" kg\. \w+ uses (\d+) g of it\. How much is left\? Give your answer in grams", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) * 1000 - int(m.group(2)))
            return True
        m = re.match(r"\w+ jumps " + NUM + r" m\. \w+ jumps " + NUM + r" m further|A plank is " + NUM + r" m long\. \w+ cuts off " + NUM + " m", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) + number(m.group(2)) if m.group(1) else number(m.group(3)) - number(m.group(4)))
            return True
        m = re.match(r"A class has " + NUM + r" stickers\. \w+ gets (\d+/\d+) of them", t)
        if m:
            self.expect(qpath, "N", keys[0], number(m.group(1)) * Fr(m.group(2)))
            return True
        # One-step stories: the two numbers and the operation the question's words ask for.
        story = re.match(r"([^?]*)\? __$", t)
        if story and len(keys) == 1 and types[0] == "N":
            nums = [number(x) for x in re.findall(r"\d[\d,]*(?:\.\d+)?", story.group(1))]
            if len(nums) == 2:
                a, b = nums
                if re.search(r"altogether\?|in total\?|over the two days\?", t):
                    self.expect(qpath, "N", keys[0], a + b)
                    return True
                if re.search(r"left\?|still free\?|still to be read\?|more pounds does it need\?|left to run\?|must they climb\?|left in the pool\?", t):
                    self.expect(qpath, "N", keys[0], a - b)
                    return True
                if re.search(r"How many \w+ (?:are there in|are there on|does it make in|is that in|do) \d+ \w+(?: carry| cost)?\?", t):
                    self.expect(qpath, "N", keys[0], a * b)
                    return True
        return False

    def rederive_problems(self, qpath, h, t, types, keys):
        """The multi-step word problems, algebra, chance, nets, symmetry and moves on a grid."""
        multi = type(self).multistep
        first = t.split("__")[0]
        up, down = re.search(UP_QUESTIONS, t), re.search(DOWN_QUESTIONS, t)
        if up or down:
            n, k = sorted((number(x) for x in re.findall(r"\d[\d,]*", first[: (up or down).start()])), reverse=True)
            groups = -(-n // k) if up else n // k
            self.expect(qpath, "N", keys[0], groups)
            if len(keys) > 1:
                self.expect(qpath, "N", keys[1], groups * k - n if up else n % k)
            multi.add(qpath)
            return True
        m = re.search(r"reading a book of (\d+) pages\. \w+ reads (\d+/\d+) of the book on Saturday and (\d+/\d+) of it on Sunday\.", t)
        if m:
            total, sat, sun = int(m.group(1)), Fr(m.group(2)), Fr(m.group(3))
            self.expect(qpath, "N", keys[0], sat * total)
            self.expect(qpath, "N", keys[1], (sat - sun) * total)
            multi.add(qpath)
            return True
        m = re.search(r"In an? [\w ]+, (\d+/\d+) of the \w+ are [\w ]+ and the rest are [\w ]+\. There are (\d+) [\w ]+\.", t)
        if m:
            whole = int(m.group(2)) / Fr(m.group(1))
            self.expect(qpath, "N", keys[0], whole)
            self.expect(qpath, "N", keys[1], whole - int(m.group(2)))
            multi.add(qpath)
            return True
        m = re.search(r"run their legs of a relay in " + NUM + ", " + NUM + ", " + NUM + " and " + NUM + " seconds\.", t)
        if m:
            legs = [number(x) for x in m.groups()]
            self.expect(qpath, "N", keys[0], sum(legs))
            self.expect(qpath, "N", keys[1], max(legs) - min(legs))
            multi.add(qpath)
            return True
        m = re.search(r"A test has (\d+) questions\. \w+ gets (\d+)% of them right\. \w+ gets (\d+) more questions right", t)
        if m:
            n, p, more = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(n * p, 100))
            self.expect(qpath, "N", keys[1], (Fr(n * p, 100) + more) * 100 / n)
            multi.add(qpath)
            return True
        m = re.search(r"There are (\d+) [\w ]+ with (\d+) [\w ]+ in each\. (\d[\d,]*) [\w ]+ are [\w ]+\. How many [\w ]+ are left\?", t)
        if m:
            left = int(m.group(1)) * int(m.group(2)) - number(m.group(3))
            self.expect(qpath, "N", keys[0], left)
            d = re.search(r"shared equally between (\d+) classes", t)
            if d:
                self.expect(qpath, "N", keys[1], left / int(d.group(1)))
            multi.add(qpath)
            return True
        m = re.search(r"cost (\d+) for an adult and (\d+) for a child\. \w+ buys tickets for (\d+) adults? and (\d+) children\..*pays with (\d+)\.", t)
        if m:
            a, c, na, nc, pay = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], a * na + c * nc)
            self.assertGreaterEqual(pay, a * na + c * nc, "%s: the money does not pay for it" % qpath)
            self.expect(qpath, "N", keys[1], pay - a * na - c * nc)
            multi.add(qpath)
            return True
        m = re.search(r"multiplies it by (\d+) and then (adds|subtracts) (\d+)\. The answer is (\d+)\.", t)
        if m:
            a, b, c = int(m.group(1)), int(m.group(3)), int(m.group(4))
            self.expect(qpath, "N", keys[0], Fr(c - b if m.group(2) == "adds" else c + b, a))
            multi.add(qpath)
            return True
        m = re.search(r"the letter ([a-z]) stands for a number: (.+?) = (\d+) \. What is|Solve the equation (.+?) = (\d+) \.", t)
        if m:
            letter = m.group(1) or re.search(r"[a-z]", m.group(4)).group(0)
            lhs, rhs = (m.group(2), m.group(3)) if m.group(1) else (m.group(4), m.group(5))
            found = [v for v in range(0, 2000) if evaluate(with_letters(lhs, {letter: v})) == int(rhs)]
            self.assertEqual(len(found), 1, "%s: %s" % (qpath, found))
            self.expect(qpath, "N", keys[0], found[0])
            return True
        m = re.search(r"If ([a-z]) = (\d+) and ([a-z]) = (\d+), what is the value of (.+?) \?", t)
        if m:
            v = evaluate(with_letters(m.group(5), {m.group(1): int(m.group(2)), m.group(3): int(m.group(4))}))
            self.assertIsNotNone(v, qpath)
            self.expect(qpath, "N", keys[0], v)
            return True
        m = re.search(r"formula C = (\d+)([a-z]) \+ (\d+) , where C is the cost in pounds.*Find (?:C when [a-z] = (\d+)|[a-z] when C = (\d+))\.", t)
        if m:
            a, b = int(m.group(1)), int(m.group(3))
            self.expect(qpath, "N", keys[0], a * int(m.group(4)) + b if m.group(4) else Fr(int(m.group(5)) - b, a))
            return True
        m = re.search(r"There are (\d+) \w+ in an? [\w ]+\. (\d+/\d+) of them [\w ]+ and (\d+/\d+) of them [\w ]+\. The rest", t)
        if m:
            n, f1, f2 = int(m.group(1)), Fr(m.group(2)), Fr(m.group(3))
            want = [f1 * n, f2 * n, (1 - f1 - f2) * n] if len(keys) == 3 else [f1 * n, (1 - f1 - f2) * n]
            for key, v in zip(keys, want):
                self.expect(qpath, "N", key, v)
            multi.add(qpath)
            return True
        m = re.search(r"has (\d+)\. \w+ spends (\d+/\d+) of it on [\w -]+ and then (\d+/\d+) of what is left on", t)
        if m:
            rest = int(m.group(1)) * (1 - Fr(m.group(2)))
            self.expect(qpath, "N", keys[0], rest * Fr(m.group(3)))
            self.expect(qpath, "N", keys[1], rest - rest * Fr(m.group(3)))
            multi.add(qpath)
            return True
        m = re.search(r"holds (\d+) litres when it is full\. It is (\d+/\d+) full\. \w+ pours in another (\d+) litres", t)
        if m:
            c = int(m.group(1))
            self.expect(qpath, "F", keys[0], (Fr(m.group(2)) * c + int(m.group(3))) / c)
            multi.add(qpath)
            return True
        m = re.search(r"A bag holds (\d+) (\w+), (\d+) (\w+) and (\d+) (\w+) counters\..*probability that it is (not )?(\w+)\?", t)
        if m:
            counts = {m.group(2): int(m.group(1)), m.group(4): int(m.group(3)), m.group(6): int(m.group(5))}
            k = counts[m.group(8)]
            total = sum(counts.values())
            self.expect(qpath, "F", keys[0], Fr(total - k if m.group(7) else k, total))
            return True
        m = re.search(r"buys (\d+) [\w ]+ at " + NUM + r" each and (\d+) [\w ]+ at " + NUM + r" each\..*pays with a (\d+) note", t)
        if m:
            total = int(m.group(1)) * number(m.group(2)) + int(m.group(3)) * number(m.group(4))
            self.expect(qpath, "N", keys[0], total)
            self.assertGreater(int(m.group(5)), total, "%s: the note does not pay for it" % qpath)
            self.expect(qpath, "N", keys[1], int(m.group(5)) - total)
            multi.add(qpath)
            return True
        m = re.search(r"(\w+) cost " + NUM + r" per kg and (\w+) cost " + NUM + r" per kg\. \w+ buys " + NUM + r" kg of (\w+) and " + NUM + r" kg of (\w+)\.", t)
        if m:
            price = {m.group(1): number(m.group(2)), m.group(3): number(m.group(4))}
            self.expect(qpath, "N", keys[0], number(m.group(5)) * price[m.group(6)] + number(m.group(7)) * price[m.group(8)])
            multi.add(qpath)
            return True
        m = re.search(r"is " + NUM + r" m long\. \w+ cuts (\d+) pieces from it, each " + NUM + r" m long\.", t)
        if m:
            piece = number(m.group(3))
            left = number(m.group(1)) - int(m.group(2)) * piece
            self.expect(qpath, "N", keys[0], left)
            if len(keys) > 1:
                self.expect(qpath, "N", keys[1], math.floor(left / piece))
            multi.add(qpath)
            return True
        m = re.search(r"costs (\d+)\. In a sale its price is cut by (\d+)%\. \w+ buys it in the sale and pays with (\d+)\.", t)
        if m:
            sale = Fr(int(m.group(1)) * (100 - int(m.group(2))), 100)
            self.expect(qpath, "N", keys[0], sale)
            self.assertGreaterEqual(int(m.group(3)), sale, "%s: the money does not pay for it" % qpath)
            self.expect(qpath, "N", keys[1], int(m.group(3)) - sale)
            multi.add(qpath)
            return True
        m = re.search(r"the ratio of [\w ]+ to [\w ]+ is (\d+) : (\d+)\. There are (\d+) more", t)
        if m:
            a, b, d = (int(x) for x in m.groups())
            share = Fr(d, b - a)
            self.expect(qpath, "N", keys[0], a * share)
            self.expect(qpath, "N", keys[1], (a + b) * share)
            multi.add(qpath)
            return True
        m = re.search(r"There are (\d+) pupils in a (?:school|year group)\. (\d+)% of them [\w ]+ and (\d+)% [\w ]+\. The rest", t)
        if m:
            n, p1, p2 = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(n * (p1 - p2), 100))
            self.expect(qpath, "N", keys[1], Fr(n * (100 - p1 - p2), 100))
            multi.add(qpath)
            return True
        m = re.search(r"cycles at a steady speed of (\d+) km per hour\. How far does \w+ cycle in (\d+) minutes", t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(int(m.group(1)) * int(m.group(2)), 60))
            multi.add(qpath)
            return True
        m = re.search(r"travels (\d+) km at a steady speed of (\d+) km per hour\. How long does the journey take", t)
        if m:
            mins = Fr(int(m.group(1)) * 60, int(m.group(2)))
            self.expect(qpath, "N", keys[0], mins // 60)
            self.expect(qpath, "N", keys[1], mins % 60)
            multi.add(qpath)
            return True
        m = re.search(r"at (\d\d):(\d\d) and travels (\d+) km at a steady speed of (\d+) km per hour\. At what time", t)
        if m:
            hh, mm, d, v = (int(x) for x in m.groups())
            self.expect_time(qpath, types[0], keys[0], hh * 60 + mm + Fr(d * 60, v))
            multi.add(qpath)
            return True
        m = re.search(r"at (\d\d):(\d\d)\. It takes (\d+) minutes to reach [\w ]+, waits there for (\d+) minutes, and then takes (\d+) minutes", t)
        if m:
            hh, mm, a, w, b = (int(x) for x in m.groups())
            self.expect_time(qpath, types[0], keys[0], hh * 60 + mm + a + w + b)
            if len(keys) > 1:
                self.expect(qpath, "N", keys[1], a + w + b)
            multi.add(qpath)
            return True
        m = re.search(r"A rectangular [\w ]+ is " + NUM + r" m long and " + NUM + r" m wide\. Fencing costs (\d+) per metre", t)
        if m:
            per = 2 * (number(m.group(1)) + number(m.group(2)))
            self.expect(qpath, "N", keys[0], per)
            self.expect(qpath, "N", keys[1], per * int(m.group(3)))
            multi.add(qpath)
            return True
        m = re.search(r"holds (\d+) litres\. (\d+) cups of (\d+) ml are filled from it", t)
        if m:
            c, n, ml = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(c * 1000 - n * ml, 1000))
            multi.add(qpath)
            return True
        m = re.search(r"A box holds (\d+) [\w ]+\. Each one has a mass of (\d+) g\. The empty box has a mass of (\d+) g", t)
        if m:
            n, g, b = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], Fr(n * g + b, 1000))
            multi.add(qpath)
            return True
        m = re.search(r"The mean of \w+'s (\w+) [\w ]+ is (\d+)(?: \w+)?\. (\w+) of them are ([\d, ]+) and (\d+)\.", t)
        if m:
            n, others = SMALL[m.group(1)], [int(x) for x in m.group(4).split(",")] + [int(m.group(5))]
            self.assertEqual(SMALL[m.group(3).lower()], n - 1, qpath)
            self.assertEqual(len(others), n - 1, qpath)
            self.expect(qpath, "N", keys[0], int(m.group(2)) * n - sum(others))
            multi.add(qpath)
            return True
        m = re.search(r"wall that is (\d+) m long and (\d+) m high\. The wall has a window (\d+) m wide and (\d+) m high.*One tin of paint covers (\d+) m", t)
        if m:
            w, ht, a, b, c = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], w * ht - a * b)
            self.expect(qpath, "N", keys[1], -(-(w * ht - a * b) // c))
            multi.add(qpath)
            return True
        m = re.search(r"garden is (\d+) m long and (\d+) m wide\. It has a [\w ]+ with sides of (\d+) m.*costs (\d+) for each m", t)
        if m:
            a, b, s, c = (int(x) for x in m.groups())
            self.expect(qpath, "N", keys[0], a * b - s * s)
            self.expect(qpath, "N", keys[1], (a * b - s * s) * c)
            multi.add(qpath)
            return True
        m = re.search(r"isosceles triangle the angle between the two equal sides is (\d+)\.|isosceles triangle has two equal angles of (\d+) each", t)
        if m:
            self.expect(qpath, "N", keys[0], Fr(180 - int(m.group(1)), 2) if m.group(1) else 180 - 2 * int(m.group(2)))
            multi.add(qpath)
            return True
        if re.search(r"\bnet\b", t) and IMG.findall(h):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            faces = points_of(svg, "face")
            tri = [f for f in faces if len(f) == 3]
            quads = [f for f in faces if len(f) == 4]
            sides = [sorted(round(math.dist(f[i], f[(i + 1) % 4]), 1) for i in range(4)) for f in quads]
            if len(faces) == 6 and not tri:
                solid = "cube" if all(s[0] == s[-1] == sides[0][0] for s in sides) else "cuboid"
            elif len(tri) == 4 and len(quads) == 1:
                solid = "square-based pyramid"
            elif len(tri) == 2 and len(quads) == 3:
                solid = "triangular prism"
            elif len(tri) == 4 and not quads:
                solid = "tetrahedron"
            else:
                self.fail("%s: a net of %d faces" % (qpath, len(faces)))
            self.assertEqual(self.options(h)[int(keys[0]) - 1], solid, qpath)
            type(self).checked += 1
            c = re.search(r"How many (faces|edges|vertices) does that shape have", t)
            if c:
                self.expect(qpath, "N", keys[1], SOLIDS[solid][["faces", "edges", "vertices"].index(c.group(1))])
            return True
        if re.search(r"lines? of symmetry", t) and IMG.findall(h) and \
                'class="shape"' in (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii"):
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            self.expect(qpath, "N", keys[0], symmetry_lines(points_of(svg, "shape")[0]))
            return True
        m = re.search(r"reflected in the dashed mirror line|is translated ((?:\d+ squares? (?:right|left|up|down)(?: and )?)+)\.", t)
        if m:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            corners = grid_points(svg)
            asked = re.findall(r"image of corner ([A-Z])\?", t)
            self.assertEqual(len(asked) * 2, len(keys), qpath)
            if m.group(1):
                dx = dy = 0
                for n, way in re.findall(r"(\d+) squares? (right|left|up|down)", m.group(1)):
                    dx += {"right": 1, "left": -1}.get(way, 0) * int(n)
                    dy += {"up": 1, "down": -1}.get(way, 0) * int(n)
                move = lambda x, y: (x + dx, y + dy)  # noqa: E731
            else:
                ml = re.search(r'<line class="mirror" x1="([\d.]+)" y1="([\d.]+)" x2="([\d.]+)" y2="([\d.]+)"', svg)
                x1, y1, x2, y2 = (float(v) for v in ml.groups())
                if x1 == x2:
                    k = (x1 - 40) / 26
                    move = lambda x, y: (2 * k - x, y)  # noqa: E731
                else:
                    k = (280 - y1) / 26
                    move = lambda x, y: (x, 2 * k - y)  # noqa: E731
            for i, name in enumerate(asked):
                ix, iy = move(*corners[name])
                self.expect(qpath, "N", keys[2 * i], Fr(ix).limit_denominator(2))
                self.expect(qpath, "N", keys[2 * i + 1], Fr(iy).limit_denominator(2))
            return True
        m = re.search(r"The spinner is spun once\. Which word best describes the chance that it lands on (.+?)\?", t)
        if m:
            svg = (qpath.parent / IMG.findall(h)[0]).read_text(encoding="ascii")
            labels = re.findall(r'<text class="sector"[^>]*>([^<]+)</text>', svg)
            event = m.group(1)
            num_event = re.fullmatch(r"an (even|odd) number|a number (less|greater) than (\d+)", event)
            if num_event:
                vals = [int(v) for v in labels]
                if num_event.group(1):
                    k = sum(1 for v in vals if v % 2 == (0 if num_event.group(1) == "even" else 1))
                else:
                    lim = int(num_event.group(3))
                    k = sum(1 for v in vals if (v < lim if num_event.group(2) == "less" else v > lim))
            else:
                k = labels.count(event)
            n = len(labels)
            word = "impossible" if k == 0 else "certain" if k == n else "even chance" if 2 * k == n else \
                "unlikely" if 2 * k < n else "likely"
            opts = self.options(h)
            self.assertEqual(opts[int(keys[0]) - 1], word, qpath)
            self.assertTrue(set(opts) <= set(CHANCE), qpath)
            type(self).checked += 1
            if len(keys) > 1:
                self.expect(qpath, "F", keys[1], Fr(k, n))
            return True
        return False


UP_QUESTIONS = (r"How many (?:minibuses are needed|tables are needed|tents are needed|boxes must the school order|"
                r"trips are needed|trays of cupcakes must be baked)")
DOWN_QUESTIONS = (r"How many (?:boxes can be filled|pages can be filled completely|full bunches can the florist make|"
                  r"pieces of that length can be cut|tickets can \w+ buy|full rows can be made)")
CHANCE = ["impossible", "unlikely", "even chance", "likely", "certain"]
# Faces, edges and vertices of the shapes a net can fold into.
SOLIDS = {"cube": (6, 12, 8), "cuboid": (6, 12, 8), "square-based pyramid": (5, 8, 5), "triangular prism": (5, 9, 6),
          "tetrahedron": (4, 6, 4)}


SOLIDS_ALL = dict(SOLIDS, **{"pentagonal prism": (7, 15, 10)})
ROMAN = [(1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"), (50, "L"), (40, "XL"),
         (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]


def roman_value(s):
    """Reads Roman numerals by the subtraction rule: a smaller letter before a larger takes away."""
    vals = {"I": 1, "V": 5, "X": 10, "L": 50, "C": 100, "D": 500, "M": 1000}
    total = 0
    for i, ch in enumerate(s):
        v = vals[ch]
        total += -v if i + 1 < len(s) and vals[s[i + 1]] > v else v
    return total


def min_roman(n):
    out = ""
    for v, sym in ROMAN:
        while n >= v:
            out, n = out + sym, n - v
    return out


def with_letters(expr, values):
    """An algebra expression made numeric: 3n -> 3*(7), 2(a + b) -> 2*((4) + (5))."""
    expr = re.sub(r"(\d)\s*(?=[a-z(])", r"\1*", expr)
    return re.sub(r"[a-z]", lambda m: "(%d)" % values[m.group(0)], expr)


def points_of(svg, cls):
    m = re.findall(r'<polygon class="%s" points="([^"]+)"' % cls, svg)
    return [[tuple(float(v) for v in p.split(",")) for p in pts.split()] for pts in m]


def symmetry_lines(pts):
    """Lines of symmetry of a polygon: axes through its centre and a corner or an edge midpoint
    that map the set of corners onto itself."""
    n = len(pts)
    cx, cy = sum(x for x, _ in pts) / n, sum(y for _, y in pts) / n
    through = pts + [((pts[i][0] + pts[(i + 1) % n][0]) / 2, (pts[i][1] + pts[(i + 1) % n][1]) / 2) for i in range(n)]
    corners = {(round(x, 3), round(y, 3)) for x, y in pts}
    axes = set()
    for px, py in through:
        dx, dy = px - cx, py - cy
        d = math.hypot(dx, dy)
        if d < 1e-9:
            continue
        ux, uy = dx / d, dy / d
        image = set()
        for x, y in pts:
            vx, vy = x - cx, y - cy
            dot = vx * ux + vy * uy
            image.add((round(cx + 2 * dot * ux - vx, 3), round(cy + 2 * dot * uy - vy, 3)))
        if image == corners:
            ang = round(math.degrees(math.atan2(uy, ux)) % 180, 3) % 180
            axes.add(ang)
    return len(axes)


def grid_points(svg):
    """Corners (name -> (x, y)) of the shape on a coordinate grid, read from the drawing."""
    circles = [(float(x), float(y)) for x, y in re.findall(r'<circle class="vertex" cx="([\d.]+)" cy="([\d.]+)"', svg)]
    names = re.findall(r'font-weight="bold">([A-Z])</text>', svg)
    return {n: (round((x - 40) / 26), round((280 - y) / 26)) for n, (x, y) in zip(names, circles)}


def scale(unit):
    return {"km": 1000000, "m": 1000, "cm": 10, "mm": 1, "kg": 1000, "g": 1, "litres": 1000, "l": 1000,
            "ml": 1}[unit]


def evaluate_pct(expr):
    pm = re.fullmatch(r"(\d+)% of (\d+)", expr)
    if pm:
        return Fr(int(pm.group(1)) * int(pm.group(2)), 100)
    fm = re.fullmatch(r"(\d+/\d+) of (\d+)", expr)
    return Fr(fm.group(1)) * int(fm.group(2)) if fm else evaluate(expr)


SMALL = {w: i for i, w in enumerate(
    "zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
    "fifteen sixteen seventeen eighteen nineteen".split())}
TENS = {w: 10 * (i + 2) for i, w in enumerate("twenty thirty forty fifty sixty seventy eighty ninety".split())}


def words_to_number(text):
    total, current = 0, 0
    for w in text.replace("-", " ").split():
        if w == "and":
            continue
        if w in SMALL:
            current += SMALL[w]
        elif w in TENS:
            current += TENS[w]
        elif w == "hundred":
            current *= 100
        elif w in ("thousand", "million"):
            total += current * (1000 if w == "thousand" else 1000000)
            current = 0
        else:
            raise ValueError(w)
    return total + current


def chart_values(svg):
    """Values of a bar chart's bars or a line graph's points, read off against the axis labels."""
    axis = [(float(y), int(v)) for y, v in re.findall(r'<text x="62" y="([\d.]+)" text-anchor="end"[^>]*>(\d+)</text>', svg)]
    (ya, va), (yb, vb) = axis[0], axis[-1]

    def value(y):
        return round(va + (vb - va) * (y - (ya - 5)) / ((yb - 5) - (ya - 5)))

    bars = re.findall(r'<rect class="bar" x="[\d.]+" y="([\d.]+)"', svg)
    if bars:
        return [value(float(y)) for y in bars]
    return [value(float(y)) for y in re.findall(r'<circle cx="[\d.]+" cy="([\d.]+)" r="4"', svg)]


def is_prime(n):
    return n > 1 and all(n % d for d in range(2, n))


def clock_time(svg):
    """Reads the time off a clock diagram from the direction of its two hands."""
    hands = re.findall(r'<line x1="110" y1="110" x2="([\d.-]+)" y2="([\d.-]+)" stroke="[^"]+" stroke-width="(\d+)"', svg)
    ang = {}
    for x, y, w in hands:
        a = math.degrees(math.atan2(float(x) - 110, 110 - float(y))) % 360
        ang[int(w)] = a
    minute = round(ang[4] / 6) % 60
    hour = int((ang[7] - minute * 0.5) / 30 + 0.5) % 12 or 12
    return "%d:%02d" % (hour, minute)


if __name__ == "__main__":
    unittest.main()
