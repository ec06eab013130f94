"""Checks of the generated Science subject (course/science).

Readings, circuits, forces, magnets and planet names are worked out here from the committed
drawings themselves, not from the generator's data, so a drawing that does not match its key
shows up as a failure."""

import json
import re
import subprocess
import sys
import tempfile
import unittest
import filecmp
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SCI = ROOT / "course" / "science"
GENERATOR = ROOT / "tools" / "sciencegen" / "sciencegen.py"
SVGNS = "{http://www.w3.org/2000/svg}"
BLANK = re.compile(r'<blank type="(\w)" mark="(\d+)">(.*?)</blank>')
PLANETS = ["Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"]


def load():
    """[(topic, [[(path, html, svg root or None)]])] in paper order."""
    out = []
    for topic in json.loads((SCI / "subject.json").read_text(encoding="utf-8"))["topics"]:
        papers = []
        for pf in topic["papers"]:
            qs = []
            for line in (SCI / pf).read_text(encoding="utf-8").splitlines():
                if line.strip() and not line.startswith("#"):
                    q = (SCI / pf).parent / line.strip()
                    html = q.read_text(encoding="utf-8")
                    m = re.search(r'<img src="([^"]+)"', html)
                    svg = ET.parse(q.parent / m.group(1)).getroot() if m else None
                    qs.append((q, html, svg))
            papers.append(qs)
        out.append((topic["name"], papers))
    return out


def texts(svg):
    return [(float(t.get("x")), float(t.get("y")), t.get("text-anchor"), (t.text or "").strip())
            for t in svg.iter(SVGNS + "text")]


def number_key(html):
    """The number a question's first number blank expects: an N key, or the first form of an M
    key that also lists the number with its unit ("35;35 °C;...")."""
    return next(k if t == "N" else first_alternative(k) for t, _, k in BLANK.findall(html)
                if t == "N" or (t == "M" and re.match(r";-?\d+(\.\d+)?;", k)))


def first_alternative(key):
    return key.strip(";").split(";")[0].lower()


class ScienceCourse(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.topics = load()
        cls.questions = [q for _, papers in cls.topics for p in papers for q in p]

    def test_generator_reproduces_the_committed_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            subprocess.run([sys.executable, str(GENERATOR), tmp], check=True, capture_output=True)
            cmp = filecmp.dircmp(tmp + "/science", SCI)
            stack, diffs = [cmp], []
            while stack:
                c = stack.pop()
                diffs += c.left_only + c.right_only + c.diff_files
                stack += c.subdirs.values()
            self.assertEqual(diffs, [], "edit tools/sciencegen and rerun it; do not edit course/science")

    def test_sizes_limits_and_growth(self):
        self.assertEqual(len(self.topics), 7)
        self.assertEqual(self.topics[-1][0], "Mock Examination")
        self.assertGreaterEqual(len(self.questions), 647)
        for name, papers in self.topics:
            sizes = []
            for paper in papers:
                keys = [b for _, html, _ in paper for b in BLANK.findall(html)]
                marks = sum(int(m) for _, m, _ in keys)
                sizes.append((len(paper), marks))
                self.assertLessEqual(len(keys), 80)
                self.assertTrue(15 <= marks <= 100, (name, marks))
                if name == "Mock Examination":
                    self.assertTrue(40 <= len(keys) <= 70 and 60 <= marks <= 100, (name, len(keys), marks))
            if name != "Mock Examination":
                for a, b in zip(sizes, sizes[1:]):
                    self.assertTrue(b[0] > a[0] and b[1] > a[1], (name, sizes))

    def test_keys_are_well_formed(self):
        for path, html, _ in self.questions:
            found = BLANK.findall(html)
            self.assertTrue(1 <= len(found) <= 20, path)
            groups = [k for t, _, k in found if t == "G"]
            if groups:
                self.assertGreaterEqual(len(groups[0].strip(";").split(";")), len(groups), path)
            choices = re.findall(r'<ol class="choices">(.*?)</ol>', html)
            for t, _, k in found:
                self.assertFalse(re.search(r"[<>#]", k), path)
                if t == "Q":
                    self.assertIn(k, "1234", path)
                elif t == "N":
                    self.assertRegex(k, r"^-?\d+(\.\d+)?$", path)
                elif t == "M":
                    self.assertTrue(k.startswith(";") and len(k.strip(";").split(";")) >= 2, path)
            for c in choices:
                self.assertEqual(c.count("<li>"), 4, path)
            html.encode("cp1252")

    def test_no_question_is_repeated(self):
        seen = {}
        for path, html, _ in self.questions:
            words = re.sub(r"\s+", " ", re.sub(r"<[^>]+>", " ", BLANK.sub("_", html))).strip().lower()
            self.assertNotIn(words, seen, "%s repeats %s" % (path, seen.get(words)))
            seen[words] = path

    def test_pictures_have_alt_text_and_enough_questions_show_one(self):
        with_pic = [h for _, h, svg in self.questions if svg is not None]
        self.assertGreaterEqual(len(with_pic), 150)
        for h in with_pic:
            self.assertRegex(h, r'alt="[^"]{10,}"')

    def test_lamp_lights_only_in_a_closed_circuit(self):
        checked = 0
        for path, html, svg in self.questions:
            if "Will the lamp light?" in html:
                kinds = [g.get("class") for g in svg.iter(SVGNS + "g")]
                broken = "switch_open" in kinds or "gap" in kinds
                self.assertEqual(first_alternative(BLANK.findall(html)[0][2]), "no" if broken else "yes", path)
                checked += 1
        self.assertGreaterEqual(checked, 3)

    def test_resultant_force_matches_the_arrows(self):
        checked = 0
        for path, html, svg in self.questions:
            if "resultant" not in html:
                continue
            total = 0
            for x, _, anchor, s in texts(svg):
                m = re.search(r"(\d+) N$", s)
                if m and anchor == "middle" and s != "":
                    total += int(m.group(1)) if x > 260 else -int(m.group(1))
            key = number_key(html)
            self.assertEqual(abs(total), int(key), path)
            checked += 1
        self.assertGreaterEqual(checked, 3)

    def test_magnets_attract_unlike_poles(self):
        for path, html, svg in self.questions:
            if "attract or repel" not in html:
                continue
            poles = [s for x, _, _, s in sorted(texts(svg)) if s in ("N", "S")]
            answer = first_alternative(next(k for t, _, k in BLANK.findall(html) if t == "M"))
            self.assertEqual(answer, "repel" if poles[1] == poles[2] else "attract", path)

    def test_planet_letters_name_the_right_planets(self):
        checked = 0
        for path, html, svg in self.questions:
            if svg is None or "Sun" not in [s for *_, s in texts(svg)] or "planet" not in html:
                continue
            caps = [s for x, _, _, s in sorted(texts(svg)) if s and s != "Sun"]
            if len(caps) != 8:
                continue
            for letter, key in re.findall(r"(?:^|>|\n)\s*([A-H]):? <blank type=\"[MT]\" mark=\"\d\">([^<]*)", html):
                planet = PLANETS[caps.index(letter)]
                self.assertIn(planet.lower(), key.lower().split(";"), (path, letter))
                checked += 1
        self.assertGreaterEqual(checked, 10)

    def test_scale_readings_match_the_keys(self):
        """Thermometers, measuring cylinders and force meters: the marker's height read against
        the printed scale."""
        checked = 0
        for path, html, svg in self.questions:
            if svg is None or not re.search(r"thermometer|measuring cylinder|force meter", html):
                continue
            if "Look at" not in html or "Read" not in html and "What" not in html and "How much" not in html:
                continue
            scale = sorted((y, float(s)) for x, y, a, s in texts(svg) if a == "start" and re.fullmatch(r"-?\d+(\.\d+)?", s))
            marker = None
            for el in svg.iter():
                if el.tag == SVGNS + "rect" and el.get("fill") == "#e06666" and el.get("stroke-width") == "0":
                    marker = float(el.get("y"))
                if el.tag == SVGNS + "line" and el.get("stroke") in ("#6fa8dc", "#c0504d") and el.get("x1") in ("90", "84"):
                    marker = float(el.get("y1"))
            (y0, v0), (y1, v1) = scale[0], scale[-1]
            reading = v0 + (marker + 5 - y0) * (v1 - v0) / (y1 - y0)
            key = float(number_key(html))
            poured = re.search(r"(\d+) ml of liquid is poured out", html)
            self.assertAlmostEqual(reading - (int(poured.group(1)) if poured else 0), key, delta=0.05, msg=str(path))
            checked += 1
        self.assertGreaterEqual(checked, 12)


if __name__ == "__main__":
    unittest.main()
