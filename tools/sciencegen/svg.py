"""SVG drawings for the Science questions: plain shapes, black lines on white, labels in Arial.

Every function returns the text of a complete SVG file. Letters or names for labels are passed
in by the question, so one drawing serves "name part B" and "which letter is the petal?" alike.
Output is 7-bit ASCII; the degree sign is a character reference."""

import math

INK = "#222222"
BLUE = "#6fa8dc"
PALE = "#d9e7f5"
GREEN = "#6aa84f"
LEAF = "#b6d7a8"
RED = "#c0504d"
SAND = "#f6e7c1"
GREY = "#999999"
DEG = "&#176;"


def f(x):
    return ("%.1f" % x).rstrip("0").rstrip(".")


def doc(w, h, body):
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
        'font-family="Arial, Helvetica, sans-serif" font-size="15">\n'
        '<rect x="0" y="0" width="%d" height="%d" fill="white"/>\n%s</svg>\n' % (w, h, w, h, w, h, body)
    )


def text(x, y, s, anchor="middle", size=None, weight=None, fill=INK):
    extra = ""
    if size:
        extra += ' font-size="%d"' % size
    if weight:
        extra += ' font-weight="%s"' % weight
    return '<text x="%s" y="%s" text-anchor="%s" fill="%s"%s>%s</text>\n' % (f(x), f(y), anchor, fill, extra, s)


def line(x1, y1, x2, y2, width=2, color=INK, dash=None):
    d = ' stroke-dasharray="%s"' % dash if dash else ""
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"%s/>\n' % (
        f(x1), f(y1), f(x2), f(y2), color, width, d)


def rect(x, y, w, h, fill="none", width=2, rx=0, color=INK):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" stroke="%s" stroke-width="%s"/>\n' % (
        f(x), f(y), f(w), f(h), rx, fill, color, width)


def circle(x, y, r, fill="none", width=2, color=INK):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="%s"/>\n' % (
        f(x), f(y), f(r), fill, color, width)


def poly(points, fill="none", width=2, color=INK, closed=True):
    pts = " ".join("%s,%s" % (f(x), f(y)) for x, y in points)
    tag = "polygon" if closed else "polyline"
    return '<%s points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>\n' % (
        tag, pts, fill, color, width)


def path(d, fill="none", width=2, color=INK):
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>\n' % (d, fill, color, width)


def arrow(x1, y1, x2, y2, width=2.5, color=INK, head=11):
    """A straight arrow whose point is at (x2, y2)."""
    a = math.atan2(y2 - y1, x2 - x1)
    bx, by = x2 - head * math.cos(a), y2 - head * math.sin(a)
    px, py = -math.sin(a) * head * 0.5, math.cos(a) * head * 0.5
    return line(x1, y1, bx, by, width, color) + poly([(x2, y2), (bx + px, by + py), (bx - px, by - py)], fill=color, width=1, color=color)


def label(px, py, lx, ly, s, anchor=None):
    """A thin leader line from a point on the drawing to a label."""
    if anchor is None:
        anchor = "start" if lx >= px else "end"
    dx = 4 if anchor == "start" else -4
    return line(px, py, lx, ly, width=1.2) + circle(px, py, 2, fill=INK, width=1) + text(lx + dx, ly + 5, s, anchor=anchor, weight="bold")


def labelled(w, h, body, spots, labels):
    """Adds leader-line labels and widens the drawing so that long names fit on either side."""
    left = right = 0
    for part, s in labels.items():
        px, py, lx, ly = spots[part]
        need = len(s) * 9 + 14
        if lx < px:
            left = max(left, need - lx)
        else:
            right = max(right, lx + need - w)
        body += label(px, py, lx, ly, s)
    left, right = int(left), int(right)
    if left:
        body = '<g transform="translate(%d,0)">\n%s</g>\n' % (left, body)
    return doc(w + left + right, h, body)


def wrap(s, size=15, box=100):
    """Split a name into at most two lines that fit a box of the given width."""
    words = s.split()
    if len(s) * size * 0.55 <= box or len(words) == 1:
        return [s]
    best = None
    for i in range(1, len(words)):
        a, b = " ".join(words[:i]), " ".join(words[i:])
        m = max(len(a), len(b))
        if best is None or m < best[0]:
            best = (m, [a, b])
    return best[1]


def boxed(cx, cy, s, w=110, h=44, fill=PALE):
    body = rect(cx - w / 2, cy - h / 2, w, h, fill=fill, rx=8)
    rows = wrap(s, box=w - 8)
    # a long single word gets a smaller font rather than touching the box
    size = 13 if max(len(r) for r in rows) * 15 * 0.55 > w - 12 else None
    for i, r in enumerate(rows):
        body += text(cx, cy + 5 + (i - (len(rows) - 1) / 2) * 17, r, size=size)
    return body


# --- living things ------------------------------------------------------------------------------


def food_chain(names):
    """Boxes in a row joined by arrows pointing from the food to the eater."""
    n = len(names)
    w, gap = (110, 40) if n <= 3 else (100, 30)
    total = n * w + (n - 1) * gap
    x0 = 20
    body = ""
    for i, s in enumerate(names):
        cx = x0 + w / 2 + i * (w + gap)
        body += boxed(cx, 45, s, w, fill=LEAF if i == 0 else PALE)
        if i:
            body += arrow(cx - w / 2 - gap + 3, 45, cx - w / 2 - 3, 45)
    return doc(total + 40, 90, body)


def food_web(nodes, eats):
    """nodes: name -> (column, row), row 0 at the top; eats: (food, eater) pairs, arrows point to the eater."""
    cols = max(c for c, r in nodes.values()) + 1
    rows = max(r for c, r in nodes.values()) + 1
    cw, rh = 140, 95
    pos = {k: (20 + cw / 2 + c * cw, 35 + r * rh) for k, (c, r) in nodes.items()}
    body = ""
    for a, b in eats:
        (x1, y1), (x2, y2) = pos[a], pos[b]
        d = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / d, (y2 - y1) / d
        # stop at the box edge: boxes are 116 x 40
        def cut(ux, uy):
            tx = 60 / abs(ux) if ux else 1e9
            ty = 22 / abs(uy) if uy else 1e9
            return min(tx, ty) + 3
        body += arrow(x1 + ux * cut(ux, uy), y1 + uy * cut(ux, uy), x2 - ux * cut(ux, uy), y2 - uy * cut(ux, uy), width=2)
    eaters = set(b for a, b in eats)
    for k, (x, y) in pos.items():
        # producers (green) are the living things that eat nothing in the web
        body += boxed(x, y, k, 116, 40, fill=PALE if k in eaters else LEAF)
    return doc(40 + cols * cw, 10 + rows * rh, body)


def life_cycle(stages, title=None):
    """Stages round a circle, clockwise from the top, with arrows from each stage to the next."""
    n = len(stages)
    cx, cy, r = 230, 170 if title else 155, 115
    body = text(cx, 24, title, weight="bold") if title else ""
    pts = []
    for i in range(n):
        a = -math.pi / 2 + 2 * math.pi * i / n
        pts.append((cx + r * 1.25 * math.cos(a), cy + r * math.sin(a)))
    for i in range(n):
        (x1, y1), (x2, y2) = pts[i], pts[(i + 1) % n]
        d = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / d, (y2 - y1) / d
        sx = min(62 / abs(ux) if ux else 1e9, 24 / abs(uy) if uy else 1e9) + 4
        body += arrow(x1 + ux * sx, y1 + uy * sx, x2 - ux * sx, y2 - uy * sx, width=2)
    for (x, y), s in zip(pts, stages):
        body += boxed(x, y, s, 120, 44)
    return doc(460, int(cy + r + 45), body)


def key_tree(tree):
    """A branching key. tree is a name, or (question, yes_tree, no_tree)."""
    leaves = []

    def count(t):
        return 1 if isinstance(t, str) else count(t[1]) + count(t[2])

    def depth(t):
        return 0 if isinstance(t, str) else 1 + max(depth(t[1]), depth(t[2]))

    n, dmax = count(tree), depth(tree)
    lw, rh = 124, 90
    body = []

    def place(t, left, d):
        """Returns the x of this node's centre; draws it and its branches."""
        y = 40 + d * rh
        if isinstance(t, str):
            x = 20 + left * lw + lw / 2
            leaves.append((x, y, t))
            return x
        xa = place(t[1], left, d + 1)
        xb = place(t[2], left + count(t[1]), d + 1)
        x = (xa + xb) / 2
        for xc, word in ((xa, "yes"), (xb, "no")):
            body.append(line(x, y + 22, xc, y + rh - 22, width=1.8))
            body.append(text((x + xc) / 2 + (-8 if xc < x else 8), y + rh / 2 + 4, word,
                             anchor="end" if xc < x else "start", size=13, fill=RED))
        rows = wrap(t[0], 14, 200)
        w = max(len(r) for r in rows) * 7.4 + 20
        body.append(rect(x - w / 2, y - 22, w, 44, fill=SAND, rx=6))
        for i, r in enumerate(rows):
            body.append(text(x, y + 5 + (i - (len(rows) - 1) / 2) * 16, r, size=14))
        return x

    place(tree, 0, 0)
    for x, y, s in leaves:
        body.append(boxed(x, y, s, lw - 12, 40))
    return doc(40 + n * lw, 70 + dmax * rh, "".join(body))


# --- plants -----------------------------------------------------------------------------------


def flower(labels):
    """A flower cut in half. labels: part -> text for petal, sepal, anther, filament, stigma, style,
    ovary, stalk. Parts not named are drawn but not labelled."""
    cx = 230
    body = ""
    body += path("M 200 330 Q 230 280 230 250 Q 230 280 260 330", width=0)
    body += rect(225, 250, 10, 110, fill=GREEN, width=1.5)  # stalk
    body += path("M 230 262 Q 180 262 160 235 Q 200 240 230 250 Z", fill=GREEN)  # sepals
    body += path("M 230 262 Q 280 262 300 235 Q 260 240 230 250 Z", fill=GREEN)
    body += path("M 226 248 Q 140 250 120 140 Q 170 170 215 235 Z", fill="#f4b6c2")  # petals
    body += path("M 234 248 Q 320 250 340 140 Q 290 170 245 235 Z", fill="#f4b6c2")
    body += path("M 205 250 Q 198 215 222 205 L 238 205 Q 262 215 255 250 Z", fill=LEAF)  # ovary
    body += circle(222, 230, 5, fill="white", width=1.5) + circle(238, 230, 5, fill="white", width=1.5)
    body += rect(226, 130, 8, 76, fill=LEAF, width=1.5)  # style
    body += path("M 214 132 Q 230 112 246 132 Z", fill="#e6b84c")  # stigma
    for sx, tx in ((200, 172), (260, 288)):
        body += line(sx, 236, tx, 150, width=2)  # filament
        body += '<ellipse cx="%s" cy="%s" rx="9" ry="15" fill="#f1c232" stroke="%s" stroke-width="1.5" transform="rotate(%d %s %s)"/>\n' % (
            tx, 140, INK, -20 if tx < cx else 20, tx, 140)
    spots = {"stigma": (230, 125, 380, 60), "style": (230, 165, 380, 110), "anther": (288, 140, 380, 160),
             "filament": (276, 185, 380, 205), "ovary": (240, 238, 80, 250), "petal": (140, 160, 80, 120),
             "sepal": (172, 243, 80, 290), "stalk": (230, 320, 380, 320)}
    return labelled(460, 370, body, spots, labels)


def plant(labels, pot=False):
    """A whole flowering plant. labels: part -> text for flower, leaf, stem, root, soil."""
    body = rect(40, 300, 380, 90, fill=SAND, width=0) + line(40, 300, 420, 300, width=2)
    body += line(230, 300, 230, 110, width=6, color=GREEN)
    for dx, dy, x2, y2 in ((0, 0, 180, 370), (0, 0, 270, 365), (0, 0, 230, 385), (-25, 40, 190, 345), (20, 35, 265, 345)):
        body += path("M 230 300 Q %s %s %s %s" % (230 + dx, 330 + dy / 4, x2, y2), width=2.5, color="#8b5a2b")
    body += path("M 230 240 Q 160 200 130 230 Q 170 265 230 240 Z", fill=LEAF)
    body += path("M 230 190 Q 300 150 330 180 Q 290 215 230 190 Z", fill=LEAF)
    for i in range(6):
        a = 2 * math.pi * i / 6
        body += circle(230 + 26 * math.cos(a), 90 + 26 * math.sin(a), 18, fill="#f4b6c2", width=1.5)
    body += circle(230, 90, 15, fill="#f1c232", width=1.5)
    spots = {"flower": (252, 80, 360, 60), "leaf": (160, 228, 80, 200), "stem": (230, 270, 360, 260),
             "root": (200, 340, 80, 350), "soil": (330, 330, 380, 350)}
    return labelled(460, 400, body, spots, labels)


def seed_test(items, title=""):
    """Pots in a row, each with a caption underneath (for fair-test questions about plants).
    items: (caption, height) or (caption, height, "pale") for a seedling grown in the dark,
    which grows tall and thin with small yellow leaves."""
    n = len(items)
    body = text(20 + n * 65, 22, title, weight="bold") if title else ""
    for i, item in enumerate(items):
        cap, height = item[0], item[1]
        pale = len(item) > 2 and item[2] == "pale"
        x = 20 + i * 130 + 65
        body += poly([(x - 40, 200), (x + 40, 200), (x + 30, 260), (x - 30, 260)], fill="#d99058")
        if height:
            stem, leaf, scale = ("#d8cc6a", "#ece08c", 0.6) if pale else (GREEN, LEAF, 1.0)
            body += line(x, 200, x, 200 - height, width=2 if pale else 4, color=stem)
            body += path("M %s %s q %s %s %s %s q %s %s %s %s Z" % (x, 200 - height * 0.7, -22 * scale, -12 * scale, -30 * scale, 4 * scale,
                                                                  14 * scale, 10 * scale, 30 * scale, -4 * scale), fill=leaf, width=1.5)
            body += path("M %s %s q %s %s %s %s q %s %s %s %s Z" % (x, 200 - height * 0.9, 22 * scale, -12 * scale, 30 * scale, 4 * scale,
                                                                  -14 * scale, 10 * scale, -30 * scale, -4 * scale), fill=leaf, width=1.5)
        for j, r in enumerate(wrap(cap, 14, 120)):
            body += text(x, 282 + j * 17, r, size=14)
    return doc(40 + n * 130, 320, body)


# --- the human body --------------------------------------------------------------------------


def skeleton(labels):
    """A simple front view of the skeleton. labels: part -> text for skull, ribs, spine, pelvis,
    humerus, femur, kneecap, shin."""
    body = '<ellipse cx="200" cy="55" rx="32" ry="38" fill="#f7f3e8" stroke="%s" stroke-width="2"/>\n' % INK
    body += circle(188, 50, 6, fill=INK, width=0) + circle(212, 50, 6, fill=INK, width=0)
    body += rect(184, 76, 32, 14, fill="#f7f3e8", rx=4)
    body += line(200, 92, 200, 270, width=7, color="#cfc6ad")  # spine
    for y in range(100, 272, 12):
        body += line(195, y, 205, y, width=1.2)
    body += line(140, 108, 260, 108, width=5, color="#cfc6ad")  # collar bones
    for i in range(6):
        y = 124 + i * 17
        body += path("M 198 %d Q %d %d %d %d Q %d %d 200 %d" % (y, 140 - i * 2, y - 4, 146 + i * 3, y + 14, 170, y + 14, y + 6), width=2)
        body += path("M 202 %d Q %d %d %d %d Q %d %d 200 %d" % (y, 260 + i * 2, y - 4, 254 - i * 3, y + 14, 230, y + 14, y + 6), width=2)
    body += path("M 160 270 Q 200 250 240 270 L 232 300 Q 200 290 168 300 Z", fill="#f7f3e8")  # pelvis
    for s in (-1, 1):
        body += line(200 + s * 60, 112, 200 + s * 78, 200, width=6, color="#cfc6ad")  # humerus
        body += line(200 + s * 78, 200, 200 + s * 90, 280, width=5, color="#cfc6ad")
        body += circle(200 + s * 92, 292, 9, fill="#f7f3e8")
        body += line(200 + s * 20, 298, 200 + s * 26, 400, width=8, color="#cfc6ad")  # femur
        body += circle(200 + s * 26, 408, 7, fill="#f7f3e8")  # kneecap
        body += line(200 + s * 26, 416, 200 + s * 28, 510, width=6, color="#cfc6ad")  # shin
        body += path("M %d 512 l %d 8 l 0 6 l %d 0 Z" % (200 + s * 28, s * 22, -s * 26), fill="#f7f3e8")
    spots = {"skull": (225, 40, 320, 40), "spine": (200, 236, 320, 236), "ribs": (150, 150, 60, 150),
             "pelvis": (180, 288, 60, 318), "humerus": (268, 160, 320, 150), "femur": (178, 360, 60, 360),
             "kneecap": (226, 408, 320, 408), "shin": (228, 470, 320, 470), "collarbone": (150, 108, 60, 100)}
    return labelled(420, 540, body, spots, labels)


def circulation(labels):
    """Heart, lungs and body as boxes with the blood's path drawn as arrows.
    labels: place -> text for lungs, heart, body (text replaces the name)."""
    body = ""
    names = {"lungs": "lungs", "heart": "heart", "body": "rest of the body"}
    names.update(labels)
    body += rect(150, 20, 160, 50, fill="#f4cccc", rx=10) + text(230, 51, names["lungs"], weight="bold")
    body += rect(170, 140, 120, 60, fill="#ea9999", rx=14) + text(230, 176, names["heart"], weight="bold")
    body += rect(130, 270, 200, 50, fill=PALE, rx=10) + text(230, 301, names["body"], weight="bold")
    body += arrow(195, 140, 195, 74, color=BLUE, width=3) + arrow(265, 72, 265, 138, color=RED, width=3)
    body += arrow(265, 202, 265, 266, color=RED, width=3) + arrow(195, 268, 195, 204, color=BLUE, width=3)
    body += line(330, 120, 360, 120, color=RED, width=4) + text(368, 125, "blood rich in oxygen", anchor="start", size=13)
    body += line(330, 150, 360, 150, color=BLUE, width=4) + text(368, 155, "blood low in oxygen", anchor="start", size=13)
    return doc(520, 340, body)


def chest(labels):
    """Windpipe, lungs, heart and diaphragm. labels: part -> text for windpipe, lung, heart,
    diaphragm, ribs."""
    body = path("M 100 300 Q 90 120 200 70 Q 310 120 300 300", width=2, color=GREY)
    for i in range(5):
        y = 120 + i * 36
        body += path("M 110 %d Q 200 %d 290 %d" % (y + 20, y - 10, y + 20), width=1.5, color=GREY)
    body += rect(192, 20, 16, 70, fill="#f4cccc")
    body += path("M 200 90 L 160 120 M 200 90 L 240 120", width=4)
    body += path("M 190 110 Q 110 110 115 280 Q 150 300 185 280 Z", fill="#f4cccc")
    body += path("M 210 110 Q 290 110 285 280 Q 250 300 215 280 Z", fill="#f4cccc")
    body += path("M 200 180 Q 240 170 235 220 Q 225 260 195 270 Q 175 230 180 200 Z", fill="#e06666")
    body += path("M 95 300 Q 200 250 305 300", width=5, color="#8b5a2b")
    spots = {"windpipe": (200, 45, 330, 40), "lung": (140, 200, 40, 180), "heart": (215, 230, 330, 210),
             "diaphragm": (130, 290, 40, 320), "ribs": (288, 140, 330, 130)}
    return labelled(440, 340, body, spots, labels)


def teeth(names):
    """An incisor, a canine and a molar side by side, each with the caption given (letter or name)."""
    body = ""
    shapes = [
        "M 45 40 L 95 40 L 92 120 Q 86 210 72 230 Q 62 210 55 120 Z",  # incisor: flat blade
        "M 170 20 L 195 60 L 192 120 Q 186 220 172 240 Q 160 220 150 120 L 147 60 Z",  # canine: point
        "M 250 40 Q 262 28 275 40 Q 288 28 300 40 Q 313 28 325 40 L 320 120 Q 315 200 300 215 L 290 150 L 285 150 L 275 215 Q 258 200 255 120 Z",
    ]
    for s in shapes:
        body += path(s, fill="#fbfaf3")
    body += line(30, 120, 340, 120, width=1.5, color=RED, dash="6,4") + text(345, 124, "gum", anchor="start", size=13, fill=RED)
    for x, s in zip((70, 171, 288), names):
        body += text(x, 270, s, weight="bold")
    return doc(400, 290, body)


def digestive(labels):
    """Mouth, gullet, stomach, small and large intestine. labels: part -> text."""
    body = path("M 200 30 Q 170 30 170 55 Q 200 70 230 55 Q 230 30 200 30 Z", fill="#f4cccc")
    body += path("M 196 62 L 196 170 M 208 62 L 208 165", width=2.5)
    body += path("M 196 170 Q 150 190 170 240 Q 230 260 260 210 Q 280 160 208 165", fill="#ea9999")
    # large intestine: a wide tube up the right, across and down the left, framing the small one
    body += path("M 300 390 L 300 270 Q 300 258 288 258 L 132 258 Q 120 258 120 270 L 120 380 Q 120 392 160 392",
                 width=18, color="#f9cb9c")
    body += path("M 300 390 L 300 270 Q 300 258 288 258 L 132 258 Q 120 258 120 270 L 120 380 Q 120 392 160 392",
                 width=1.2, color="#b45f06")
    # small intestine: a long coiled tube
    d = "M 235 245 " + " ".join("Q %d %d %d %d" % (270 if i % 2 == 0 else 150, 282 + i * 16, 210, 290 + i * 16) for i in range(6))
    body += path(d, width=9, color="#e6b8af")
    body += path(d, width=1, color="#a61c00")
    spots = {"mouth": (200, 45, 320, 40), "gullet": (202, 110, 320, 110), "stomach": (215, 225, 320, 200),
             "small intestine": (240, 320, 340, 320), "large intestine": (120, 330, 40, 330)}
    return labelled(460, 410, body, spots, labels)


# --- electricity ------------------------------------------------------------------------------


def _symbol(kind, x, y, horizontal=True):
    """Draws a component centred on (x, y) on a horizontal wire of width 60."""
    b = ""
    if kind == "cell":
        b += rect(x - 30, y - 24, 60, 48, fill="white", width=0, color="white")
        b += line(x - 30, y, x - 5, y) + line(x + 5, y, x + 30, y)
        b += line(x - 5, y - 20, x - 5, y + 20, width=2.5) + line(x + 5, y - 10, x + 5, y + 10, width=6)
    elif kind == "battery":
        b += rect(x - 30, y - 24, 60, 48, fill="white", width=0, color="white")
        b += line(x - 30, y, x - 15, y) + line(x + 15, y, x + 30, y)
        for dx in (-15, 7):
            b += line(x + dx, y - 20, x + dx, y + 20, width=2.5) + line(x + dx + 8, y - 10, x + dx + 8, y + 10, width=6)
        b += line(x - 7, y, x + 7, y, width=1.5, dash="2,3")
    elif kind == "lamp":
        b += circle(x, y, 16, fill="white")
        d = 16 / math.sqrt(2)
        b += line(x - d, y - d, x + d, y + d) + line(x - d, y + d, x + d, y - d)
    elif kind in ("switch_open", "switch_closed"):
        b += rect(x - 30, y - 30, 60, 34, fill="white", width=0, color="white")
        b += circle(x - 18, y, 3, fill=INK) + circle(x + 18, y, 3, fill=INK)
        b += line(x - 30, y, x - 18, y) + line(x + 18, y, x + 30, y)
        b += line(x - 18, y, x + 16, y - 18) if kind == "switch_open" else line(x - 18, y, x + 18, y)
    elif kind == "buzzer":
        b += rect(x - 30, y - 30, 60, 34, fill="white", width=0, color="white")
        b += line(x - 30, y, x - 10, y) + line(x + 10, y, x + 30, y)
        b += line(x - 10, y, x - 10, y - 12) + line(x + 10, y, x + 10, y - 12)
        b += path("M %s %s A 18 18 0 0 1 %s %s Z" % (x - 18, y - 12, x + 18, y - 12), fill="white")
    elif kind == "motor":
        b += circle(x, y, 16, fill="white") + text(x, y + 6, "M", weight="bold", size=17)
    elif kind == "gap":
        b += rect(x - 30, y - 10, 60, 20, fill="white", width=0, color="white")
        b += line(x - 30, y, x - 12, y) + line(x + 12, y, x + 30, y)
    elif kind == "wire":
        pass
    # the kind is named on the group so a checker can read the circuit back from the drawing
    return '<g class="%s">\n%s</g>\n' % (kind, b)


def circuit(top, bottom=(), captions=None):
    """A series circuit: components along the top wire and along the bottom wire, left to right.
    Kinds: cell, battery, lamp, switch_open, switch_closed, buzzer, motor, gap (a break in the wire).
    captions: list of texts for the components in order top then bottom (or None)."""
    n = max(len(top), len(bottom), 1)
    w = max(260, 90 + n * 100)
    x0, x1, y0, y1 = 40, 40 + w - 80, 50, 190
    body = rect(x0, y0, x1 - x0, y1 - y0, width=2)
    k = 0
    caps = captions or []
    for row, y, dy in ((top, y0, -30), (bottom, y1, 46)):
        for i, kind in enumerate(row):
            x = x0 + (x1 - x0) * (i + 1) / (len(row) + 1)
            body += _symbol(kind, x, y)
            if k < len(caps) and caps[k]:
                body += text(x, y + dy, caps[k], weight="bold")
            k += 1
    return doc(w, 250, body)


def circuit_symbols(kinds, captions):
    """A row of separate symbols with captions under them."""
    body = ""
    for i, (kind, cap) in enumerate(zip(kinds, captions)):
        x = 55 + i * 90
        body += _symbol(kind, x, 50)
        body += text(x, 100, cap, weight="bold")
    return doc(20 + len(kinds) * 90, 120, body)


# --- forces, magnets, light and sound -------------------------------------------------------------


def forces(obj, arrows, ground=True):
    """An object in a box with force arrows. arrows: (direction, newtons, caption) with direction
    left, right, up or down; an arrow's length grows with its size."""
    cx, cy = 260, 150
    body = ""
    if ground:
        body += line(40, cy + 40, 480, cy + 40, width=2) + rect(40, cy + 40, 440, 12, fill="#e6e0d0", width=0)
    body += rect(cx - 55, cy - 40, 110, 80, fill=PALE, rx=6)
    for i, r in enumerate(wrap(obj, 15, 100)):
        body += text(cx, cy + 5 + (i - (len(wrap(obj, 15, 100)) - 1) / 2) * 17, r)
    for d, n, cap in arrows:
        ln = 30 + 9 * n if n else 70
        ln = min(ln, 170)
        if d in ("right", "left"):
            sgn = 1 if d == "right" else -1
            body += arrow(cx + sgn * 55, cy, cx + sgn * (55 + ln), cy, color=RED, width=4, head=14)
            # a long caption goes on two lines above its arrow so it never runs into the object
            rows = wrap(cap, 14, max(ln, 70))
            for i, r in enumerate(rows):
                body += text(cx + sgn * (55 + max(ln, 70) / 2), cy - 12 - (len(rows) - 1 - i) * 16, r, size=14)
        elif d == "up":
            body += arrow(cx, cy - 40, cx, cy - 40 - min(ln, 95), color=RED, width=4, head=14)
            body += text(cx + 12, cy - 50 - min(ln, 95) / 2, cap, anchor="start", size=14)
        else:
            body += arrow(cx, cy + 20, cx, cy + 20 + min(ln, 95), color=RED, width=4, head=14)
            body += text(cx + 12, cy + 30 + min(ln, 95) / 2, cap, anchor="start", size=14)
    return doc(520, 290, body)


def magnets(left, right, gap_label=None):
    """Two bar magnets end to end. left and right are the pole letters in order, e.g. "NS", "SN"."""
    body = ""
    for x, poles in ((40, left), (290, right)):
        for i, p in enumerate(poles):
            fill = "#e06666" if p == "N" else BLUE
            body += rect(x + i * 80, 40, 80, 50, fill=fill)
            body += text(x + i * 80 + 40, 72, p, weight="bold", size=20, fill="white")
    if gap_label:
        body += text(265, 125, gap_label, size=14)
    return doc(500, 140, body)


def shadow(obj="tree", dist=1, screen=True):
    """A lamp on the left, an opaque object, a screen on the right, rays from the lamp past the top
    of the object. dist 1 to 3 places the object nearer to or further from the lamp."""
    lx, ly = 50, 160
    ox = {1: 170, 2: 250, 3: 330}[dist]
    top, base, sx = 130, 240, 470
    body = rect(lx - 28, ly - 20, 30, 40, fill="#444444", width=1.5) + circle(lx + 6, ly, 8, fill="#ffe599")
    body += text(lx - 10, ly + 45, "lamp", size=13)
    body += line(20, base, 500, base, width=2)
    body += rect(ox - 8, top, 16, base - top, fill="#8b5a2b")
    body += text(ox, base + 22, obj, size=13)
    if screen:
        body += rect(sx, 30, 10, base - 30, fill="#eeeeee")
        body += text(sx + 5, base + 22, "screen", size=13)
        k = (top - ly) / (ox - lx)
        ytop = ly + k * (sx - lx)
        ytop = max(ytop, 30)
        body += rect(sx, ytop, 10, base - ytop, fill="#555555", width=1)
        body += line(lx + 10, ly, sx, ly + k * (sx - lx) if ly + k * (sx - lx) > 30 else 30, width=1.5, color="#cc9900", dash="6,4")
    return doc(520, 270, body)


def mirror(incoming_deg=45, show_reflected=True, letters=None):
    """A plane mirror on the ground line with a ray coming in from the left. letters: captions for
    up to three possible reflected rays drawn at 30, 45 and 60 degrees."""
    mx, my = 250, 200
    body = rect(100, my, 300, 10, fill="#cfe2f3") + line(100, my, 400, my, width=3)
    for x in range(110, 400, 18):
        body += line(x, my + 10, x - 8, my + 18, width=1)
    body += line(mx, my, mx, 40, width=1.2, dash="5,4", color=GREY)
    a = math.radians(incoming_deg)
    sx, sy = mx - 170 * math.sin(a), my - 170 * math.cos(a)
    body += arrow(sx, sy, mx - 3, my - 3, color=RED, width=3)
    body += circle(sx, sy, 10, fill="#ffe599") + text(sx, sy - 16, "torch", size=13)
    if letters:
        for deg, s in zip((30, 45, 60), letters):
            r = math.radians(deg)
            ex, ey = mx + 170 * math.sin(r), my - 170 * math.cos(r)
            body += arrow(mx + 3, my - 3, ex, ey, color=INK, width=2)
            body += text(ex + 12, ey, s, weight="bold")
    elif show_reflected:
        ex, ey = mx + 170 * math.sin(a), my - 170 * math.cos(a)
        body += arrow(mx + 3, my - 3, ex, ey, color=RED, width=3)
    return doc(480, 240, body)


def seeing(source, obj, ways):
    """Sun or lamp, an object and an eye. ways: "right" draws light from the source to the object
    and on to the eye; "eye" draws arrows leaving the eye (a common mistake); "none" no arrows."""
    body = ""
    if source == "Sun":
        body += circle(70, 60, 30, fill="#ffe599") + text(70, 110, "Sun", size=13)
    else:
        body += rect(50, 40, 40, 30, fill="#444444") + circle(90, 55, 9, fill="#ffe599") + text(70, 95, source, size=13)
    body += rect(220, 170, 70, 60, fill=LEAF) + text(255, 250, obj, size=13)
    body += path("M 400 110 Q 420 90 440 110 Q 420 130 400 110 Z", fill="white") + circle(418, 110, 6, fill=INK)
    body += text(420, 150, "eye", size=13)
    if ways == "right":
        body += arrow(100, 80, 215, 170, color=RED, width=2.5) + arrow(295, 170, 395, 115, color=RED, width=2.5)
    elif ways == "eye":
        body += arrow(395, 115, 295, 170, color=RED, width=2.5) + arrow(100, 80, 215, 170, color=RED, width=2.5)
    return doc(480, 270, body)


def sound_wave(amplitude, waves, caption=""):
    """A sound wave trace: taller waves are louder, more waves are higher in pitch."""
    body = rect(20, 20, 440, 140, fill="#f3f3f3", width=1.5) + line(20, 90, 460, 90, width=1, color=GREY)
    pts = []
    for i in range(441):
        pts.append((20 + i, 90 - amplitude * math.sin(2 * math.pi * waves * i / 440)))
    body += poly(pts, closed=False, width=2.5, color=RED)
    if caption:
        body += text(240, 185, caption, weight="bold")
    return doc(480, 200 if caption else 180, body)


def sound_pair(a, b):
    """Two sound traces, one above the other. a and b: (amplitude, waves, caption)."""
    body = ""
    for k, (amp, waves, cap) in enumerate((a, b)):
        y0 = 20 + k * 170
        body += rect(60, y0, 420, 140, fill="#f3f3f3", width=1.5) + line(60, y0 + 70, 480, y0 + 70, width=1, color=GREY)
        pts = [(60 + i, y0 + 70 - amp * math.sin(2 * math.pi * waves * i / 420)) for i in range(421)]
        body += poly(pts, closed=False, width=2.5, color=RED)
        body += text(30, y0 + 76, cap, weight="bold", size=18)
    return doc(500, 350, body)


# --- materials --------------------------------------------------------------------------------


def particles(states, captions):
    """A row of boxes of particles: solid (packed in rows), liquid (touching, jumbled), gas (spread)."""
    body = ""
    for k, (st, cap) in enumerate(zip(states, captions)):
        x0 = 20 + k * 160
        body += rect(x0, 20, 130, 130, width=2)
        pts = []
        if st == "solid":
            pts = [(x0 + 23 + c * 21, 41 + r * 21) for r in range(5) for c in range(5)]
        elif st == "liquid":
            seq = [(0, 0), (1, 0.2), (2, -0.1), (3, 0.15), (4, 0), (0.4, 1), (1.5, 0.95), (2.5, 1.1), (3.6, 0.9),
                   (0.1, 2), (1.1, 2.05), (2.1, 1.95), (3.2, 2.1), (4.1, 1.9), (0.6, 2.95), (1.7, 3), (2.8, 3), (3.9, 2.95)]
            pts = [(x0 + 22 + a * 21.5, 143 - 10 - (3 - b) * 0 - b * 0 - 10 - 21 * (3 - b) + 0) for a, b in seq]
            pts = [(x0 + 22 + a * 21.5, 60 + b * 21 + 8) for a, b in seq]
        else:
            pts = [(x0 + a, 20 + b) for a, b in ((25, 30), (95, 22), (60, 70), (110, 95), (30, 110), (80, 118))]
        for px, py in pts:
            body += circle(px, py, 9, fill=BLUE, width=1.2)
        body += text(x0 + 65, 175, cap, weight="bold")
    return doc(40 + len(states) * 160 - 30, 190, body)


def thermometer(value, lo=-10, hi=50, step=10, minor=2):
    """A thermometer with a scale in degrees Celsius, read at value."""
    def y(v):
        return 330 - (v - lo) * 280 / (hi - lo)
    body = rect(100, 20, 40, 330, fill="#f7f7f7", rx=20) + circle(120, 360, 20, fill="#e06666")
    body += rect(115, y(value), 10, 345 - y(value), fill="#e06666", width=0)
    v = lo
    while v <= hi:
        big = (v - lo) % step == 0
        body += line(140, y(v), 152 if big else 147, y(v), width=1.5 if big else 1)
        if big:
            body += text(158, y(v) + 5, str(v), anchor="start", size=14)
        v += minor
    body += text(200, 30, DEG + "C", size=14)
    return doc(240, 395, body)


def cylinder(value, top=100, step=10, minor=2, unit="ml"):
    """A measuring cylinder filled to value."""
    def y(v):
        return 330 - v * 280 / top
    body = rect(90, y(value), 70, 330 - y(value), fill=PALE, width=0)
    body += line(90, y(value), 160, y(value), width=2, color=BLUE)
    body += path("M 90 30 L 90 330 L 160 330 L 160 30", width=2.5) + rect(70, 330, 110, 12, fill="#dddddd")
    v = 0
    while v <= top:
        big = v % step == 0
        body += line(90, y(v), 106 if big else 100, y(v), width=1.5 if big else 1)
        if big and v:
            body += text(112, y(v) + 5, str(v), anchor="start", size=13)
        v += minor
    body += text(200, 40, unit, size=14)
    return doc(240, 360, body)


def forcemeter(value, top=10, step=1, minor=0.5):
    """A spring force meter, hanging, with its pointer at value newtons."""
    def y(v):
        return 60 + v * 240 / top
    body = rect(90, 40, 80, 280, fill="#fff6d5", rx=8) + line(130, 10, 130, 40, width=3)
    body += path("M 125 45 l 10 6 l -10 6 l 10 6 l -10 6 l 10 6 l -10 6 l 10 6 l -10 6", width=1.5)
    v = 0.0
    while v <= top + 1e-9:
        big = abs(v - round(v / step) * step) < 1e-9
        body += line(90, y(v), 104 if big else 98, y(v), width=1.5 if big else 1)
        if big:
            body += text(110, y(v) + 5, f(v), anchor="start", size=13)
        v += minor
    body += line(84, y(value), 150, y(value), width=3, color=RED)
    body += line(130, 320, 130, 350, width=2) + rect(105, 350, 50, 40, fill=GREY)
    body += text(130, 16 + 0, "", size=13) + text(210, 60, "N", size=14)
    return doc(240, 400, body)


def filtering(labels):
    """Filter funnel with filter paper over a beaker. labels: part -> text for funnel, paper,
    beaker, residue, filtrate."""
    body = poly([(140, 60), (300, 60), (230, 170), (210, 170)], fill="#f3f3f3")
    body += poly([(150, 66), (290, 66), (220, 160)], fill="white", width=1.5, color=GREY)
    body += path("M 180 120 Q 220 110 260 120 L 220 160 Z", fill="#b99a6b", width=1)
    body += rect(210, 170, 20, 50, fill="#f3f3f3")
    body += path("M 140 210 L 140 340 L 300 340 L 300 210", width=2.5)
    body += rect(142, 290, 156, 48, fill=PALE, width=0)
    spots = {"funnel": (285, 70, 360, 60), "paper": (180, 80, 60, 80), "residue": (225, 130, 360, 130),
             "beaker": (298, 250, 360, 240), "filtrate": (200, 315, 60, 320)}
    return labelled(440, 360, body, spots, labels)


# --- earth and space --------------------------------------------------------------------------

PLANETS = [("Mercury", 5), ("Venus", 9), ("Earth", 9.5), ("Mars", 7), ("Jupiter", 22), ("Saturn", 18),
           ("Uranus", 12), ("Neptune", 12)]


def solar_system(captions):
    """The Sun at the left and the eight planets in order; captions replace the planet names."""
    body = '<circle cx="-40" cy="100" r="100" fill="#ffd966" stroke="%s" stroke-width="2"/>\n' % INK
    body += text(28, 105, "Sun", weight="bold")
    for i, ((name, r), cap) in enumerate(zip(PLANETS, captions)):
        x = 92 + i * 58
        body += circle(x, 100, r, fill="#f6b26b" if name in ("Mars", "Jupiter") else "#cfe2f3", width=1.5)
        if name == "Saturn":
            body += '<ellipse cx="%s" cy="100" rx="29" ry="7" fill="none" stroke="%s" stroke-width="1.5"/>\n' % (x, INK)
        body += text(x, 160 + (i % 2) * 22, cap, size=14, weight="bold")
    return doc(92 + 7 * 58 + 50, 200, body)


def _moon(cx, cy, r, phase):
    """phase: new, waxing crescent, first quarter, waxing gibbous, full, waning gibbous,
    last quarter, waning crescent (as seen from Britain: waxing is lit on the right)."""
    dark, lit = "#444444", "#fff2b3"
    order = ["new", "waxing crescent", "first quarter", "waxing gibbous", "full", "waning gibbous",
             "last quarter", "waning crescent"]
    k = order.index(phase)
    if k == 0:
        return circle(cx, cy, r, fill=dark)
    if k == 4:
        return circle(cx, cy, r, fill=lit)
    right = k < 4
    # lit fraction cosine: terminator ellipse half-width
    t = {1: 0.55, 2: 0.0, 3: -0.55, 5: -0.55, 6: 0.0, 7: 0.55}[k]
    b = circle(cx, cy, r, fill=dark)
    s = 1 if right else 0
    rx = abs(t) * r
    # lit half-disc on one side, then the terminator bulges into or out of it
    sweep_t = (0 if t > 0 else 1) if right else (1 if t > 0 else 0)
    d = "M %s %s A %s %s 0 0 %d %s %s A %s %s 0 0 %d %s %s Z" % (
        f(cx), f(cy - r), f(r), f(r), s, f(cx), f(cy + r), f(max(rx, 0.01)), f(r), sweep_t, f(cx), f(cy - r))
    b += path(d, fill=lit, width=1)
    return b + circle(cx, cy, r, width=2)


def moon_phases(phases, captions):
    """A row of Moon pictures, or two rows of four when there are more than five."""
    per_row = 4 if len(phases) > 5 else len(phases)
    body = ""
    for i, (p, c) in enumerate(zip(phases, captions)):
        x, y = 60 + (i % per_row) * 100, 60 + (i // per_row) * 130
        body += _moon(x, y, 36, p)
        body += text(x, y + 65, c, weight="bold")
    rows = (len(phases) + per_row - 1) // per_row
    return doc(20 + per_row * 100, 10 + rows * 130, body)


def day_night(captions=None, tilt=0):
    """Sunlight from the left falling on the Earth; the far half is in darkness.
    captions: texts for the points A (day side) and B (night side). tilt: degrees the axis
    leans, negative towards the Sun (northern summer)."""
    body = ""
    for y in (50, 100, 150, 200, 250):
        body += arrow(20, y, 140, y, color="#cc9900", width=2)
    body += text(80, 290, "light from the Sun", size=13)
    body += circle(280, 150, 110, fill="#cfe2f3")
    body += path("M 280 40 A 110 110 0 0 1 280 260 Z", fill="#555555", width=1)
    body += circle(280, 150, 110, width=2)
    t = math.radians(tilt)
    ax, ay = 130 * math.sin(t), 130 * math.cos(t)
    body += line(280 - ax, 150 + ay, 280 + ax, 150 - ay, width=1.5, dash="6,4")
    body += text(280 + ax + 8, 150 - ay + 4, "N" if tilt else "axis", anchor="start", size=13, weight="bold" if tilt else None)
    if captions:
        body += circle(200, 120, 5, fill=RED) + text(190, 115, captions[0], anchor="end", weight="bold")
        body += circle(350, 170, 5, fill=RED) + text(362, 175, captions[1], anchor="start", weight="bold", fill="white")
    return doc(420, 300, body)


def water_cycle(captions):
    """Sea, Sun, cloud, hills and river; four arrows with the captions given, in the order
    evaporation (sea to sky), condensation (in the cloud), precipitation (rain), collection (river)."""
    body = rect(0, 250, 260, 90, fill=BLUE, width=0) + text(120, 300, "sea", fill="white", weight="bold")
    body += path("M 260 340 L 260 250 L 340 215 L 440 180 L 520 200 L 520 340 Z", fill=LEAF)
    body += path("M 450 195 Q 380 240 300 250 Q 270 254 250 262", width=5, color=BLUE)
    body += circle(60, 60, 32, fill="#ffd966")
    body += path("M 300 70 q 0 -35 40 -30 q 20 -30 55 -5 q 40 -5 40 30 q 5 25 -30 25 l -80 0 q -30 0 -25 -20 Z", fill="#eeeeee")
    cap = list(captions) + [""] * 4
    body += arrow(150, 235, 200, 110, color=RED, width=3) + text(190, 170, cap[0], anchor="start", weight="bold")
    body += arrow(215, 95, 290, 70, color=RED, width=3) + text(245, 70, cap[1], anchor="middle", weight="bold")
    for x in (350, 375, 400):
        body += line(x, 105, x - 8, 150, width=2, color=BLUE)
    body += text(415, 135, cap[2], anchor="start", weight="bold")
    body += text(380, 270, cap[3], anchor="start", weight="bold")
    return doc(520, 340, body)


def stick_shadows(cases):
    """Small scenes of a stick in the ground lit by the Sun. cases: (sun height in degrees,
    "left" or "right" for the Sun's side, caption). Every stick has the same height, short
    enough that the longest shadow is drawn whole, so the lengths can be compared."""
    body = ""
    room = 118  # from a stick set towards the Sun's side to the far edge of its panel
    h = min(50, room * math.tan(math.radians(min(deg for deg, _, _ in cases))))
    for i, (deg, side, cap) in enumerate(cases):
        x0 = 10 + i * 172
        sgn = -1 if side == "left" else 1
        cx, gy = x0 + 81 + sgn * 45, 170
        body += rect(x0, 10, 162, 200, fill="#f3f8fd", width=1)
        body += line(x0 + 5, gy, x0 + 157, gy, width=2)
        a = math.radians(deg)
        sx, sy = cx + sgn * 62 * math.cos(a), gy - 20 - 110 * math.sin(a) * 0.9
        body += circle(min(max(sx, x0 + 18), x0 + 144), max(sy, 28), 14, fill="#ffd966")
        ln = h / math.tan(a)
        body += line(cx, gy, cx - sgn * ln, gy, width=7, color="#666666")
        body += line(cx, gy, cx, gy - h, width=4, color="#8b5a2b")
        body += text(x0 + 81, 200, cap, weight="bold")
    return doc(20 + len(cases) * 172, 220, body)


def sun_shadows(captions):
    """A stick in the ground with its shadow at three times of day; captions label the shadows."""
    body = line(40, 200, 480, 200, width=2) + line(260, 200, 260, 120, width=5, color="#8b5a2b")
    for (dx, s) in zip((190, 60, -170), captions):
        body += line(260, 200, 260 + dx, 200, width=8, color="#666666")
        body += text(260 + dx, 225, s, weight="bold")
    body += text(40, 40, "W", weight="bold") + text(480, 40, "E", weight="bold")
    return doc(520, 240, body)


# --- working scientifically: graphs -----------------------------------------------------------


def bar_chart(cats, values, ylabel, top, step, title=""):
    n = len(cats)
    bw, gap = 54, 34
    x0, y0, h = 70, 270, 220
    w = x0 + n * (bw + gap) + 20
    body = text(w / 2, 22, title, weight="bold") if title else ""
    v = 0
    while v <= top + 1e-9:
        y = y0 - v * h / top
        body += line(x0, y, w - 10, y, width=1, color="#dddddd") + text(x0 - 8, y + 5, f(v), anchor="end", size=13)
        v += step
    for i, (c, val) in enumerate(zip(cats, values)):
        x = x0 + gap / 2 + i * (bw + gap)
        body += rect(x, y0 - val * h / top, bw, val * h / top, fill=BLUE, width=1.5)
        for j, r in enumerate(wrap(c, 13, bw + gap - 4)):
            body += text(x + bw / 2, y0 + 20 + j * 15, r, size=13)
    body += line(x0, y0, w - 10, y0) + line(x0, y0, x0, y0 - h - 10)
    body += '<text x="18" y="%d" text-anchor="middle" transform="rotate(-90 18 %d)" font-size="13">%s</text>\n' % (y0 - h / 2, y0 - h / 2, ylabel)
    return doc(int(w), 320, body)


MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def line_graph(xs, ys, xlabel, ylabel, xtop, xstep, ytop, ystep, title="", ybottom=0, months=False):
    """A line graph; with months=True the x values 1 to 12 are the months, named on the axis
    (numbers for months are read two ways, from 0 or from 1)."""
    x0, y0, w, h = 70, 260, 400, 210
    body = text(x0 + w / 2, 22, title, weight="bold") if title else ""

    def gy(v):
        return y0 - (v - ybottom) * h / (ytop - ybottom)

    v = ybottom
    while v <= ytop + 1e-9:
        body += line(x0, gy(v), x0 + w, gy(v), width=1, color="#dddddd") + text(x0 - 8, gy(v) + 5, f(v), anchor="end", size=13)
        v += ystep
    v = 0
    while v <= xtop + 1e-9:
        x = x0 + v * w / xtop
        name = (MONTHS[int(v) - 1] if 1 <= v <= 12 else "") if months else f(v)
        body += line(x, y0, x, y0 - h, width=1, color="#dddddd") + text(x, y0 + 20, name, size=11 if months else 13)
        v += xstep
    body += line(x0, y0, x0 + w, y0) + line(x0, y0, x0, y0 - h)
    pts = [(x0 + a * w / xtop, gy(b)) for a, b in zip(xs, ys)]
    body += poly(pts, closed=False, width=2.5, color=RED)
    for px, py in pts:
        body += circle(px, py, 4, fill=RED, width=1, color=RED)
    body += text(x0 + w / 2, y0 + 44, xlabel, size=13)
    body += '<text x="18" y="%d" text-anchor="middle" transform="rotate(-90 18 %d)" font-size="13">%s</text>\n' % (y0 - h / 2, y0 - h / 2, ylabel)
    return doc(500, 320, body)


def ramp(height_label, surface):
    """A toy car at the top of a ramp, for friction and slope investigations."""
    body = poly([(100, 220), (330, 220), (100, 100)], fill="#e6e0d0")
    body += line(330, 220, 540, 220, width=3) + text(435, 245, surface, size=13)
    body += rect(118, 80, 44, 20, fill="#e06666", rx=4, width=1.5) + circle(128, 104, 6, fill=INK) + circle(152, 106, 6, fill=INK)
    body += line(85, 100, 85, 220, width=1.5) + line(80, 100, 90, 100, width=1.5) + line(80, 220, 90, 220, width=1.5)
    body += text(78, 165, height_label, anchor="end", size=13)
    return doc(560, 260, body)
