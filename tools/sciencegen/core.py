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
                  r"one|two|three|four|five|six|seven|eight|nine|ten)\b")
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
                alts = []
                for a in (a.strip() for a in key.split(";")):
                    # the marking ignores case, so "Earth" and "earth" are one answer
                    if a and a.lower() not in (x.lower() for x in alts):
                        alts.append(a)
                if kind == "M":
                    # pupils often write "the" in front of a naming answer to a question (not
                    # in a gap inside a sentence, where the words around it are given)
                    before = m.string[:m.start()].rstrip()
                    naming = not before or before[-1] in "?:." or before.endswith("</th>")
                    low = set(a.lower() for a in alts)
                    for a in list(alts) if naming else []:
                        w = a.lower()
                        if not re.match(STOP, w) and not a[0].isupper() and len(w) > 2 and "the " + w not in low:
                            alts.append("the " + a)
                            low.add("the " + w)
                if kind == "M" and len(alts) < 2:
                    # a single accepted answer is an ordinary text blank
                    kind, key = "T", alts[0]
                else:
                    key = ";" + ";".join(alts)
        elif key is None or not key.strip():
            raise ValueError("blank without key: " + self.text[:60])
        if kind == "N" and not re.fullmatch(r"-?\d+(\.\d+)?", key):
            raise ValueError("N key must be a plain number: " + key)
        self.blanks.append((kind, mark, key))
        return '<blank type="%s" mark="%d">%s</blank>' % (kind, mark, key)

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
