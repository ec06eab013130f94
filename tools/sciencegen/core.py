"""The question builder: turns the short question notation used in the topic files into the
course's question files (HTML fragments with <blank> elements).

Notation, one paragraph a line:
  {T:answer}  {L:longer answer}  {N2:12}  {M:leaf;leaves;plant}  {G2:a;b;c} {G}
      a blank: type letter, optional mark (default 1), then the key. M and G list the accepted
      answers separated by ";"; a further blank of the same group is written {G} (or {G2}).
  *3 first | second | third | fourth       multiple choice, option 3 right (worth 1 mark);
  *3:2 ...                                  the same, worth 2 marks
  | Heading | Heading                       table rows (the first row is the heading row)
  ~ hint                                    a small grey note
  @                                         where the picture goes (default: after the first line)
"""

import html
import re

# answers that never take "the" in front: yes/no, phrases starting with a verb or preposition
STOP = re.compile(r"(the|a|an|yes|no|it|its|they|their|your|my|our|his|her|to|by|in|on|at|from|into|towards|toward|"
                  r"more|less|up|down|go|goes|gets|stays|same|both|so|because|with|\d+|"
                  r"one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve|twenty)\b")
# "the" goes only before a thing's name: never before a question word, preposition, verb or a
# lone describing word ("the how many snails", "the under the trees", "the warm" read as nonsense)
NOT_FIRST = set("""how what where when why which who whose there not under over below above behind beside
    near inside outside through across around after before between somewhere nowhere everywhere self lots
    keep cook dry cover wash use make let put take stop turn run eat eaten get grow grows rise rises fall
    falls sink sinks melt melts freeze freezes boil boils condense condenses evaporate evaporates
    attract attracts repel repels protect protects hold holds spin spins rotate rotates move moves speeds
    accelerates disappear disappears shrink shrinks release solidify germinate pollinate fertilise
    fertilize be does doesn't can cannot has have leftwards rightwards southwards northwards easy fewer
    refrigerate explosive solar tidal geothermal hydroelectric stainless brush clean chew grind buzz hotter
    stuck blown increases wooden work tear rip""".split())
NOT_LAST = set("""warm warmer hot hotter cold colder cool cooler sunny windy dark darker dim dimmer bright
    brighter fainter louder quieter higher lower bigger smaller larger large small taller shorter longer
    heavier faster slower stronger weaker hard soft strong shiny rare malleable attractive valuable
    lustrous rigid durable tough waterproof humid protected transparent opaque translucent flexible
    magnetic nocturnal extinct reversible irreversible reversable irreversable constant saturated clean
    clear full empty same different red orange yellow green blue purple white black pink brown
    decrease increase decline drop rise fall fewer more less up down apart together off solar tidal
    geothermal hydroelectric explosive stainless refrigerate wooden digestive circulatory respiratory gibbous
    first""".split())
# clause words: an answer holding one is a sentence, not a name ("seeds are spread")
CLAUSE = set("are is was were would will can could eat eats do does doesn't has have should get gets be".split())
# words ending in -ing or -ed that are names of things
ING_ED_NOUNS = set("""ceiling spring string ring wing king building lightning clothing evening morning pudding
    seedling sapling duckling wedding bedding icing shed sled""".split())


def names_a_thing(answer):
    """Whether a pupil would write "the" before this answer: a noun or a noun phrase."""
    low = answer.lower()
    if re.match(STOP, low) or answer[0].isupper() or len(low) <= 2 or re.search(r"[,\d]| - ", low):
        return False
    words = low.split()
    if len(words) > 1 and words[1] in ("the", "a", "an", "my", "your", "their", "its", "them", "it", "us"):
        return False  # a verb and its object: "brush your teeth"
    if words[0] in NOT_FIRST or words[-1] in NOT_LAST or any(w in CLAUSE for w in words):
        return False
    head = words[0] if len(words) == 1 else None
    if head and head not in ING_ED_NOUNS and (head.endswith("ing") or (head.endswith("ed") and not head.endswith("eed"))):
        return False
    if len(words) > 1 and words[0].endswith("ed") and not words[0].endswith("eed") and words[0] != "red":
        return False
    if len(words) > 1 and words[0].endswith("ing") and words[0] not in ("hiding", "germinating", "boiling",
                                                                          "melting", "freezing"):
        return False
    return True


# units printed after a number gap, and the ways pupils write each
UNIT_FORMS = {
    "&deg;C": ["°C", "° C", "degrees", "degrees C", "C", "°"], "°C": ["°C", "° C", "degrees", "degrees C", "C", "°"],
    "degrees": ["degrees", "°"], "cm": ["cm", "centimetres"], "mm": ["mm", "millimetres"], "m": ["m", "metres"],
    "km": ["km", "kilometres"], "ml": ["ml", "millilitres"], "g": ["g", "grams"], "kg": ["kg", "kilograms"],
    "N": ["N", "newtons", "newton"], "s": ["s", "seconds", "secs"], "V": ["V", "volts"], "minutes": ["minutes", "mins"],
    "days": ["days"], "cells": ["cells"], "times": ["times"], "o'clock": ["o'clock", ":00"],
    "beats per minute": ["beats per minute", "bpm", "beats"], "breaths a minute": ["breaths a minute", "breaths"],
}

NUMBER_WORDS = "zero one two three four five six seven eight nine ten eleven twelve".split()
# "how many more ..." words that come before the thing counted
COUNT_SKIP = {"more", "fewer", "different", "complete", "extra", "whole"}
IRREGULAR_PLURALS = {"children", "people", "teeth", "mice", "geese", "sheep", "fish"}


def counted_thing(before):
    """What a "How many ...?" question counts, as pupils write it after the number: "days",
    "food chains" (and "chains"); None when the question does not name it."""
    # only the question that the gap answers: "How many ...?" and then nothing but the gap
    m = re.search(r"[Hh]ow many ((?:[A-Za-z]+ ){0,3})[^?]*\?(?:\s*Give your answer[^.?]*\.)?\s*$", before)
    if m is None:
        return []
    words = m.group(1).split()
    while words and words[0] in COUNT_SKIP:
        words = words[1:]
    if not words or "and" in words[1:2]:
        return []  # "How many worms and slugs": the count is of both
    pluralish = lambda w: (w.endswith("s") and not w.endswith("ss")) or w in IRREGULAR_PLURALS
    if len(words) > 1 and not pluralish(words[0]) and pluralish(words[1]) and words[1].islower():
        return [words[0] + " " + words[1]] + ([words[1]] if words[0][0].isupper() else [])
    return [words[0]] if pluralish(words[0]) and words[0].islower() else []


def article(phrase):
    """ "a" or "an" as it goes before this name."""
    w = phrase.lower()
    return "an" if w[0] in "aeio" or (w[0] == "u" and not w.startswith(("uni", "use", "usu"))) else "a"



def plural(word):
    """The regular plural of a noun: "toad" -> "toads", "ostrich" -> "ostriches"."""
    if re.search(r"[^aeiou]y$", word):
        return word[:-1] + "ies"
    return word + ("es" if re.search(r"(s|sh|ch|x|z)$", word) else "s")


# nouns whose plural is the word itself, or irregular ones a pupil rarely writes
SAME_PLURAL = {"trout", "fish", "sheep", "deer", "salmon", "pupa", "larva", "buzz"}


def bare(answer):
    """An answer without "the"/"a" in front or a plural ending: "the lamps" -> "lamp"."""
    w = re.sub(r"^(the|a|an) ", "", answer.lower().strip())
    for end, repl in (("ies", "y"), ("ses", "s"), ("shes", "sh"), ("ches", "ch"), ("xes", "x"), ("s", "")):
        if w.endswith(end) and len(w) > len(end) + 2 and not w.endswith("ss"):
            return w[: -len(end)] + repl
    return w


BLANK = re.compile(r"\{([QTLNFXRMG])(\d*)(?::([^{}]*))?\}")


class Q:
    def __init__(self, text, pic=None, alt="", ws=False):
        self.text = text
        self.pic = pic
        self.alt = alt
        self.ws = ws
        if pic is not None and not alt:
            raise ValueError("a picture needs its alt text: " + text[:60])
        self.blanks = []  # (type, mark)
        self.body = self._render()

    def _blank(self, m):
        kind, mark, key = m.group(1), int(m.group(2) or 1), m.group(3)
        if kind in "MG":
            if key is None:
                if kind != "G":
                    raise ValueError("M blank without answers: " + self.text[:60])
                key = " "
            else:
                if re.search(r"&#?\w+;", key):
                    # the ";" of an entity would split the answer in two; keys hold plain characters
                    raise ValueError("entity in an M or G key, write the character itself: " + key)
                # ";" separates ideas, "|" the forms of one idea (a group pays once an idea)
                sets, low = [], set()
                for part in key.split(";"):
                    forms = []
                    for a in (a.strip() for a in part.split("|")):
                        # the marking ignores case, so "Earth" and "earth" are one answer
                        if a and a.lower() not in low:
                            forms.append(a)
                            low.add(a.lower())
                    if forms:
                        sets.append(forms)
                # pupils often write "the" in front of a name given as the answer to a question
                # (not in a gap inside a sentence, where the words around it are given)
                before = re.sub(r"<[^>]+>", "", m.string[:m.start()]).strip()
                naming = (not before or before[-1] in "?:." or m.string[:m.start()].rstrip().endswith("</th>")
                          or re.fullmatch(r"[A-Z]\)?", before) is not None
                          or re.search(r"\d(st|nd|rd|th)$", before) is not None)
                # "yes it will" is written "yes, it will" as often as not
                for forms in sets:
                    for a in list(forms):
                        comma = re.sub(r"^(yes|no) (?=(it|they|both|there|i|we|he|she)\b)", r"\1, ", a, flags=re.I)
                        if comma != a and comma.lower() not in low:
                            forms.append(comma)
                            low.add(comma.lower())
                # a count answer to "How many days ...?" is also written with the thing counted
                after = m.string[m.end():]
                counted = counted_thing(before) if not re.match(r"\s*[A-Za-z&°]", after) else []
                numbers = [a for forms in sets for a in forms]
                if counted and all(re.fullmatch(r"-?\d+(\.\d+)?", a) or a.lower() in NUMBER_WORDS for a in numbers):
                    for forms in sets:
                        for a in list(forms):
                            for thing in counted:
                                if (a + " " + thing).lower() not in low:
                                    forms.append(a + " " + thing)
                                    low.add((a + " " + thing).lower())
                # answers that are lists ("grass, vole, owl") are orders, not names, in every form
                if any("," in a for forms in sets for a in forms):
                    naming = False
                for forms in sets if naming else []:
                    # "a toad" marks a thing that can be counted: "toads" names it as well
                    for a in list(forms):
                        one = re.fullmatch(r"(?:a|an) ([a-z]+)", a)
                        if (one and one.group(1) in low and plural(one.group(1)) not in low
                                and not re.search(r"(f|fe)$", one.group(1)) and one.group(1) not in SAME_PLURAL):
                            forms.append(plural(one.group(1)))
                            low.add(plural(one.group(1)))
                    # a name that is counted ("aphid" and "aphids" both accepted) is written with
                    # "a" or "an" too ("a ladybird"); not names of stuff ("an oxygen")
                    for a in list(forms):
                        last = a.split()[-1] if a.split() else ""
                        counted_form = " ".join(a.split()[:-1] + [plural(last)]) if last else ""
                        if (names_a_thing(a) and a.islower() and counted_form.lower() in low and counted_form != a
                                and (article(a) + " " + a).lower() not in low):
                            forms.append(article(a) + " " + a)
                            low.add((article(a) + " " + a).lower())
                    for a in list(forms):
                        if names_a_thing(a) and "the " + a.lower() not in low:
                            forms.append("the " + a)
                            low.add("the " + a.lower())
                if kind == "G":
                    self._check_sets(sets)
                    key = ";" + ";".join("|".join(forms) for forms in sets)
                else:
                    alts = [a for forms in sets for a in forms]
                    if len(alts) < 2:
                        # a single accepted answer is an ordinary text blank
                        kind, key = "T", alts[0]
                    else:
                        key = ";" + ";".join(alts)
        elif key is None or not key.strip():
            raise ValueError("blank without key: " + self.text[:60])
        if kind == "N" and not re.fullmatch(r"-?\d+(\.\d+)?", key):
            raise ValueError("N key must be a plain number: " + key)
        if kind == "N":
            # pupils often copy the unit printed beside the gap into it ("35 °C", "6.5N"); a
            # number rule refuses words, so such a blank lists the number with its unit as well
            unit = re.match(r"\s*(%s)(?![\w;])" % "|".join(map(re.escape, sorted(UNIT_FORMS, key=len, reverse=True))),
                            m.string[m.end():])
            if unit:
                forms = [key]
                for u in UNIT_FORMS[unit.group(1)]:
                    forms += ([key + u] if u.startswith(":") else
                              [key + " " + u] + ([key + u] if len(u) <= 2 or u.startswith("°") else []))
                kind, key = "M", ";" + ";".join(dict.fromkeys(forms))
            else:
                # "How many days ...? 366 days": the number with the thing it counts
                before = re.sub(r"<[^>]+>", "", m.string[:m.start()]).strip()
                counted = counted_thing(before) if not re.match(r"\s*[A-Za-z&°]", m.string[m.end():]) else []
                if counted:
                    kind, key = "M", ";" + ";".join([key] + [key + " " + c for c in counted])
        self.blanks.append((kind, mark, key))
        return '<blank type="%s" mark="%d">%s</blank>' % (kind, mark, key)

    def _check_sets(self, sets):
        """Two ideas of a group may not be one answer with "the" or a plural added: such forms
        belong in one "|" set, or the group pays twice for one idea."""
        seen = {}
        for i, forms in enumerate(sets):
            for a in forms:
                stem = bare(a)
                if seen.get(stem, i) != i:
                    raise ValueError('group pays twice for "%s": join its forms with "|": %s' % (a, self.text[:60]))
                seen[stem] = i

    def _render(self):
        out = []
        table = []
        placed = False
        lines = [ln.strip() for ln in self.text.strip().split("\n") if ln.strip()]

        def flush():
            if table:
                rows = ["<table>"]
                for i, cells in enumerate(table):
                    tag = "th" if i == 0 else "td"
                    rows.append("<tr>" + "".join("<%s>%s</%s>" % (tag, c, tag) for c in cells) + "</tr>")
                rows.append("</table>")
                out.append("\n".join(rows))
                table.clear()

        def picture():
            return '<p><img src="%%PIC%%" alt="%s"></p>' % html.escape(self.alt, quote=True)

        for n, ln in enumerate(lines):
            if ln.startswith("|"):
                table.append([BLANK.sub(self._blank, c.strip()) for c in ln.strip("|").split("|")])
                continue
            flush()
            if ln == "@":
                out.append(picture())
                placed = True
            elif ln.startswith("*"):
                m = re.match(r"\*(\d)(?::(\d))?\s+(.*)", ln)
                right, mark, opts = int(m.group(1)), int(m.group(2) or 1), [o.strip() for o in m.group(3).split("|")]
                if len(opts) != 4 or not 1 <= right <= 4:
                    raise ValueError("multiple choice needs four options: " + ln)
                out.append('<ol class="choices">' + "".join("<li>%s</li>" % o for o in opts) + "</ol>")
                self.blanks.append(("Q", mark, str(right)))
                out.append('<p>Write the number of the correct answer. <blank type="Q" mark="%d">%d</blank></p>' % (mark, right))
            elif ln.startswith("~"):
                out.append('<p class="note">%s</p>' % BLANK.sub(self._blank, ln[1:].strip()))
            else:
                out.append("<p>%s</p>" % BLANK.sub(self._blank, ln))
            if n == 0 and self.pic is not None and "@" not in lines:
                if not BLANK.search(ln) and not re.search(r"[.?:!][\"']?$", ln):
                    raise ValueError("the picture would split a sentence; place it with @: " + ln)
                out.append(picture())
                placed = True
        flush()
        if self.pic is not None and not placed:
            out.append(picture())
        if not self.blanks:
            raise ValueError("question without blanks: " + self.text[:60])
        groups = [b for b in self.blanks if b[0] == "G"]
        if groups:
            if groups[0][2] == " ":
                raise ValueError("group starts without its answers: " + self.text[:60])
            if len(groups[0][2].strip(";").split(";")) < len(groups):
                raise ValueError("group has fewer answers than blanks: " + self.text[:60])
        if len(self.blanks) > 20:
            raise ValueError("more than 20 blanks: " + self.text[:60])
        return "\n".join(out) + "\n"

    @property
    def marks(self):
        return sum(b[1] for b in self.blanks)

    def plain(self):
        """The question's words without markup, for spotting repeats."""
        s = re.sub(r"<blank[^>]*>[^<]*</blank>", "_", self.body)
        return re.sub(r"\s+", " ", re.sub(r"<[^>]+>", " ", s)).strip().lower()
