"""Building blocks of the Mathematics generator: exact number formatting, the question
builder with its answer blanks, multiple-choice options and the paper assembler."""

import html
import math
import re
from fractions import Fraction as Fr


class Retry(Exception):
    """Raised by a question maker when its random draw does not give a good question."""


def multistep(maker):
    """Marks a maker whose questions are word problems of more than one step; papers 3 to 5
    draw a share of their questions from these."""
    maker.multistep = True
    return maker


def is_multistep(maker):
    return getattr(maker, "multistep", False)


# ---------------------------------------------------------------------------------------------
# Numbers as text. Keys use the canonical forms the marking compares against; question text may
# group thousands with commas for readability.


def dec(x):
    """Exact decimal text of a rational with a terminating expansion: no trailing zeros."""
    x = Fr(x)
    sign = "-" if x < 0 else ""
    x = abs(x)
    for k in range(0, 12):
        scaled = x * 10**k
        if scaled.denominator == 1:
            digits = str(scaled.numerator)
            if k == 0:
                return sign + digits
            digits = digits.rjust(k + 1, "0")
            return sign + digits[:-k] + "." + digits[-k:]
    raise ValueError("not a terminating decimal: %s" % x)


def num(x):
    """Decimal text for the question body, thousands grouped with commas."""
    s = dec(x)
    sign = ""
    if s.startswith("-"):
        sign, s = "-", s[1:]
    whole, _, frac = s.partition(".")
    if len(whole) > 3:
        whole = "{:,}".format(int(whole))
    return sign + whole + ("." + frac if frac else "")


def money(x):
    """Pounds with two decimals for the question body: &pound;3.50."""
    x = Fr(x)
    if (x * 100).denominator != 1:
        raise ValueError("not whole pence")
    pence = int(x * 100)
    return "&pound;%s.%02d" % ("{:,}".format(pence // 100), pence % 100)


def pounds(x):
    """An amount in the question body: "&pound;48" for whole pounds, else "&pound;14.50"."""
    x = Fr(x)
    return "&pound;%s" % num(x) if x.denominator == 1 else money(x)


def time24_key(minutes):
    """M key of a 24-hour clock time: the forms pupils write, "03:35", "3:35", "03.35", "0335"..."""
    h, m = divmod(minutes % (24 * 60), 60)
    forms = ["%02d:%02d" % (h, m), "%02d.%02d" % (h, m), "%02d%02d" % (h, m)]
    if h < 10:
        forms += ["%d:%02d" % (h, m), "%d.%02d" % (h, m)]
    return ";" + ";".join(forms)


ORDINAL_KEYS = {"first": ";first;1st;the first", "second": ";second;2nd;the second"}


def frac(x):
    """Fraction key form: "5/14" (also for improper fractions, "11/4")."""
    x = Fr(x)
    if x.denominator == 1:
        raise ValueError("whole number is not a fraction form")
    return "%d/%d" % (x.numerator, x.denominator)


def mixed(x):
    """Mixed or whole number key form: "1 2/3" or "86"."""
    x = Fr(x)
    if x < 0:
        raise ValueError("negative mixed number")
    w, r = divmod(x.numerator, x.denominator)
    if r == 0:
        return str(w)
    if w == 0:
        return "%d/%d" % (r, x.denominator)
    return "%d %d/%d" % (w, r, x.denominator)


def ftext(x):
    """A fraction or mixed number as it appears in the question body."""
    x = Fr(x)
    if x.denominator == 1:
        return str(x.numerator)
    if abs(x) < 1:
        return frac(x)
    return mixed(x)


def round_to(x, unit):
    """Round half up to a multiple of unit, as taught in school."""
    x, unit = Fr(x), Fr(unit)
    return math.floor(x / unit + Fr(1, 2)) * unit


def listing(items):
    """"a, b and c": a list of things as a sentence says it."""
    items = list(items)
    return items[0] if len(items) == 1 else ", ".join(items[:-1]) + " and " + items[-1]


def is_prime(n):
    if n < 2:
        return False
    return all(n % p for p in range(2, int(n**0.5) + 1))


# ---------------------------------------------------------------------------------------------
# The question builder.

F_SIMPLEST = "Give your answer as a fraction in its simplest form."
X_MIXED = "Give your answer as a mixed number in its simplest form."
X_WHOLE = "Give your answer as a whole number."

CHOICE_PROMPTS = [
    "Write the number of the correct answer.",
    "Write the number (1, 2, 3 or 4) of your choice.",
    "Choose the correct answer and write its number.",
    "Write the number of the right option.",
]


class Question:
    """One question document in the making. Blanks and pictures are kept as placeholders until
    the question is written, so the paper can still adjust marks and name the files."""

    def __init__(self):
        self.parts = []
        self.blanks = []  # [type, key, mark]
        self.svgs = []  # [svg text, alt text]
        self.kind = ""

    def p(self, text):
        self.parts.append("<p>%s</p>" % text)

    def raw(self, text):
        self.parts.append(text)

    def b(self, type_, key, mark=1):
        key = str(key)
        if type_ == "N":
            float(key)  # a number key must be a plain numeral
        self.blanks.append([type_, key, mark])
        return "\x00B%d\x00" % (len(self.blanks) - 1)

    def img(self, svg, alt):
        self.svgs.append([svg, alt])
        return "\x00I%d\x00" % (len(self.svgs) - 1)

    def picture(self, svg, alt):
        self.p(self.img(svg, alt))

    def choice(self, r, stem, correct, wrong, mark=1, prompt=None):
        """A multiple-choice part: stem, four options (the correct one at a random place) and
        the blank for its number. wrong holds candidate distractors, most typical first."""
        correct = str(correct)
        picked = []
        for w in wrong:
            w = str(w)
            if w != correct and w not in picked:
                picked.append(w)
            if len(picked) == 3:
                break
        if len(picked) < 3:
            raise Retry()
        pos = r.randrange(4)
        options = picked[:]
        r.shuffle(options)
        options.insert(pos, correct)
        if stem:
            self.p(stem)
        self.raw('<ol class="choices">%s</ol>' % "".join("<li>%s</li>" % o for o in options))
        self.p("%s %s" % (prompt or r.choice(CHOICE_PROMPTS), self.b("Q", pos + 1, mark)))

    def text_signature(self):
        """What a pupil reads: the text and the pictures' descriptions (not the keys)."""
        return "".join(self.parts) + "|" + "|".join(alt for _, alt in self.svgs)

    def render(self, base):
        """The HTML fragment and the pictures [(file name, svg)] for a question file base name."""
        names = []
        for i, (svg, alt) in enumerate(self.svgs):
            names.append("%s%s.svg" % (base, "" if len(self.svgs) == 1 else chr(ord("a") + i)))
        out = "\n".join(self.parts) + "\n"
        for i, (t, key, mark) in enumerate(self.blanks):
            if t == "N":
                t, key = number_with_unit(key, out, "\x00B%d\x00" % i)
            elif t == "M":
                key = count_with_thing(key, out, "\x00B%d\x00" % i)
            out = out.replace(
                "\x00B%d\x00" % i,
                '<blank type="%s" mark="%d">%s</blank>' % (t, mark, html.escape(key, quote=False)),
            )
        for i, (svg, alt) in enumerate(self.svgs):
            out = out.replace(
                "\x00I%d\x00" % i, '<img src="%s" alt="%s">' % (names[i], html.escape(alt))
            )
        assert "\x00" not in out
        out.encode("cp1252")
        return out, [(names[i], s) for i, (s, _) in enumerate(self.svgs)]


# units printed after a number gap, and the ways pupils copy each into the gap
GAP_UNITS = {
    "cm": ["cm", "centimetres"], "mm": ["mm", "millimetres"], "km": ["km", "kilometres"], "m": ["m", "metres"],
    "kg": ["kg", "kilograms"], "g": ["g", "grams"], "ml": ["ml", "millilitres"], "litres": ["litres", "l"],
    "minutes": ["minutes", "mins"], "hours": ["hours", "hrs"], "%": ["%", "percent", "per cent"],
    "&deg;": ["°", "degrees"],
    "cm&sup2;": ["cm²", "cm2", "square centimetres", "sq cm"], "m&sup2;": ["m²", "m2", "square metres", "sq m"],
    "cm&sup3;": ["cm³", "cm3", "cubic centimetres"], "m&sup3;": ["m³", "m3", "cubic metres"],
    "&deg;C": ["°C", "° C", "degrees", "C", "°"], "degrees": ["degrees", "°"], "grams": ["grams", "g"],
    "seconds": ["seconds", "s", "secs"], "km per hour": ["km per hour", "km/h", "kph", "km an hour"],
}
SINGULAR = {"centimetres": "centimetre", "millimetres": "millimetre", "kilometres": "kilometre", "metres": "metre",
            "kilograms": "kilogram", "grams": "gram", "millilitres": "millilitre", "litres": "litre",
            "minutes": "minute", "mins": "min", "hours": "hour", "hrs": "hr", "degrees": "degree"}
GAP_UNIT = re.compile(r"\s*(%s)(?![\w;&])" % "|".join(map(re.escape, sorted(GAP_UNITS, key=len, reverse=True))))


GIVE_IN = re.compile(r"(?:Give your answer in (?:the )?|\bin )(%s)[.:]\s*$" % "|".join(map(re.escape, sorted(GAP_UNITS, key=len, reverse=True))))
ABBREVIATIONS = {"centimetres": "cm", "millimetres": "mm", "kilometres": "km", "metres": "m", "kilograms": "kg",
                 "grams": "g", "millilitres": "ml", "degrees": "°"}
COUNT_SKIP = {"more", "fewer", "different", "complete", "full", "whole", "extra", "of", "the"}
IRREGULAR_PLURALS = {"children", "people", "teeth", "mice", "sheep", "fish", "geese"}


def counted_thing(before):
    """What "How many ...?" counts, as a pupil writes it after the number ("16 beads", "178
    metres", "8 full boxes"); empty when the gap is not the answer to such a question or the
    question names no plural thing."""
    m = re.search(r"[Hh]ow many (?:\d+ [a-z]+ )?((?:[A-Za-z]+ ){1,3})[^?]*\?\s*$", before)
    if not m:
        return []
    words = m.group(1).split()
    lead = []
    while words and words[0] in COUNT_SKIP:
        lead.append(words.pop(0))
    if not words or not words[0].islower():
        return []
    w = words[0]
    if len(words) > 1 and words[1].islower() and words[1].endswith("s") and not w.endswith("s"):
        w = w + " " + words[1]  # "pear trees", "story books"
    if not ((w.endswith("s") and not w.endswith("ss")) or w in IRREGULAR_PLURALS):
        return []
    full = [x for x in lead if x not in ("more", "fewer", "of", "the")]
    return [w] + ([" ".join(full + [w])] if full else [])


NUMBER_WORDS = "zero one two three four five six seven eight nine ten eleven twelve".split()


def count_with_thing(key, text, placeholder):
    """An M key of a count ("2;two") to "How many pairs ...?" also takes "2 pairs"."""
    alts = key.split(";")[1:]
    if not all(re.fullmatch(r"\d+", a) or a.lower() in NUMBER_WORDS for a in alts):
        return key
    at = text.find(placeholder)
    if at < 0 or re.match(r"\s*[A-Za-z&%]", text[at + len(placeholder):]):
        return key
    things = counted_thing(re.sub(r"<[^>]+>", " ", text[:at]))
    forms = alts + [a + " " + th for a in alts for th in things]
    return ";" + ";".join(dict.fromkeys(forms))


def number_forms(key):
    """The ways one number is written that the number rule takes as it: "5070", "5,070";
    "0.9", ".9", "0.90"."""
    forms = [key, num(key)]
    if re.fullmatch(r"-?0\.\d+", key):
        forms.append(key.replace("0.", ".", 1))
    if re.fullmatch(r"-?\d+\.\d", key):
        forms.append(key + "0")
    return list(dict.fromkeys(forms))


def number_with_unit(key, text, placeholder):
    """A number gap with a unit printed after it ("__ cm"), or an amount asked for "without the
    pound sign", as an M blank: pupils copy the unit or the sign into the gap ("12 cm", "12cm",
    "£6.55") and a teacher gives the mark. The number rule refuses words, so the blank lists the
    forms; other gaps keep the number rule."""
    at = text.find(placeholder)
    after = text[at + len(placeholder):] if at >= 0 else ""
    before = re.sub(r"<[^>]+>", " ", text[:at] if at >= 0 else "")
    unit = GAP_UNIT.match(after)
    numbers = number_forms(key)
    forms = list(numbers)
    if unit:
        words = GAP_UNITS[unit.group(1)]
        if Fr(key) == 1:
            words = words + [SINGULAR[w] for w in words if w in SINGULAR]
        for n in numbers:
            for w in words:
                forms.append(n + " " + w)
                if len(w) <= 3 or not w[0].isalpha():
                    forms.append(n + w)
    elif GIVE_IN.search(before):
        unit = GIVE_IN.search(before).group(1)
        return number_with_unit(key, placeholder + " " + unit, placeholder)
    elif counted_thing(before):
        things = counted_thing(before)
        for n in numbers:
            for thing in things:
                forms.append(n + " " + thing)
                short = ABBREVIATIONS.get(thing)
                if short:
                    forms += [n + " " + short, n + short]
    elif re.search(r"without the &pound; sign\.?\s*$", before):
        # whole pounds and tens of pence are also written with two decimals: 36.00, 136.70
        pence = [key + ".00"] if "." not in key else [key + "0"] if re.fullmatch(r"\d+\.\d", key) else []
        forms += pence
        forms += ["\u00a3" + n for n in numbers + pence]
    else:
        return "N", key
    return "M", ";" + ";".join(dict.fromkeys(forms))


SHAPE_NUMBER = re.compile(r"(?:&pound;|\u00a3)?-?\d[\d,]*(?:\.\d+)?(?:\s*/\s*\d+)?(?:\s*[:.]\s*\d\d)?")
WORD = re.compile(r"[A-Za-z][A-Za-z'-]*")


def shape(q, names):
    """The problem a question sets, without its numbers and names: two questions of one shape
    differ only in those ("Amy has 30 stickers" and "Ben has 45 stickers")."""
    t = re.sub(r"\x00B\d+\x00", " _ ", "".join(q.parts))
    t = re.sub(r"\x00I\d+\x00", " ", t)
    t = html.unescape(re.sub(r"<[^>]+>", " ", t))
    t = SHAPE_NUMBER.sub("#", t)
    t = re.sub(r"#(?:\s+#)+", "#", t)

    def name(m):
        w = m.group(0)
        before = t[: m.start()].rstrip()
        inside = before and before[-1] not in ".?!:"
        return "N" if w.split("'")[0] in names or (inside and w[0].isupper() and len(w) > 1) else w

    t = WORD.sub(name, t)
    return re.sub(r"\s+", " ", t).strip().lower()


def marks_of(q):
    return sum(b[2] for b in q.blanks)


# ---------------------------------------------------------------------------------------------
# Paper assembly.


def make_question(r, maker, level, tries=40):
    for _ in range(tries):
        q = Question()
        try:
            maker(q, r, level)
        except Retry:
            continue
        if not q.blanks:
            raise AssertionError("%s made no blank" % maker.__name__)
        q.kind = maker.__name__
        return q
    raise AssertionError("%s found no question in %d tries" % (maker.__name__, tries))


# Names of people, towns and shops the makers use; a shape replaces them (filled in by mathgen).
NAMES = set()


def pick(r, makers, level, count, seen, room, reserve=0, paper=(), topic=None):
    """Draws count questions from makers (functions (q, r, level)), using every maker about
    equally often, none reading like a question already in seen (the whole subject so far),
    with at most room blanks, leaving reserve blanks for the questions drawn after these."""
    pool = list(makers)
    used = {m.__name__: 0 for m in pool}
    questions = []
    blanks = 0
    cursor = 0
    stalls = 0
    # Within a paper no problem comes twice, not even with other numbers or names.
    shapes = {shape(q, NAMES) for q in paper}
    while len(questions) < count:
        least = min(used.values())
        candidates = [m for m in pool if used[m.__name__] == least]
        maker = candidates[cursor % len(candidates)]
        cursor += 1
        for attempt in range(30):
            q = make_question(r, maker, level)
            sig = q.text_signature()
            left = room - blanks - (count - len(questions) - 1) - reserve
            # A problem the topic has not asked yet is preferred, while the maker has one.
            fresh = topic is None or attempt >= 15 or shape(q, NAMES) not in topic
            if sig not in seen and shape(q, NAMES) not in shapes and len(q.blanks) <= left and fresh:
                break
        else:
            used[maker.__name__] += 1
            stalls += 1
            if stalls > 50 * len(pool):
                raise AssertionError("no new question left among %s" % [m.__name__ for m in pool])
            continue
        seen.add(sig)
        shapes.add(shape(q, NAMES))
        if topic is not None:
            topic.add(shape(q, NAMES))
        used[maker.__name__] += 1
        questions.append(q)
        blanks += len(q.blanks)
    return questions, blanks


def assemble(r, makers, level, count, seen, max_blanks=70, max_marks=100, shuffle=True, multi_share=0.0, topic=None):
    """A paper of count questions from makers. With multi_share, at least that share of the
    questions comes from the multi-step makers; the rest from the others. The order is mixed."""
    pool = list(makers)
    if shuffle:
        r.shuffle(pool)
    multi = [m for m in pool if is_multistep(m)]
    need = math.ceil(count * multi_share) if multi and multi_share else 0
    rest = [m for m in pool if not is_multistep(m)] if need else pool
    first, used = pick(r, multi, level, need, seen, max_blanks, reserve=count - need, topic=topic) if need else ([], 0)
    second, _ = pick(r, rest, level, count - need, seen, max_blanks - used, paper=first, topic=topic)
    questions = first + second
    if need:
        r.shuffle(questions)
    # Keep the paper within its marks: take marks off the heaviest blanks, later ones first.
    allb = [b for q in questions for b in q.blanks]
    while sum(b[2] for b in allb) > max_marks:
        top = max(b[2] for b in allb)
        for b in reversed(allb):
            if b[2] == top:
                b[2] -= 1
                break
    return questions
