"""SVG diagrams of the Mathematics questions. Plain ASCII SVG; the degree sign is written as
a character reference so every file stays 7-bit."""

import math

DEG = "&#176;"
SHADE = "#6fa8dc"
INK = "#222222"
ACCENT = "#c0504d"


def doc(w, h, body):
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
        'font-family="Arial, Helvetica, sans-serif" font-size="15">\n'
        '<rect x="0" y="0" width="%d" height="%d" fill="white"/>\n%s</svg>\n'
        % (w, h, w, h, w, h, body)
    )


def f(x):
    return ("%.1f" % x).rstrip("0").rstrip(".")


def text(x, y, s, anchor="middle", size=None, weight=None, fill=INK):
    extra = ""
    if size:
        extra += ' font-size="%d"' % size
    if weight:
        extra += ' font-weight="%s"' % weight
    return '<text x="%s" y="%s" text-anchor="%s" fill="%s"%s>%s</text>\n' % (
        f(x), f(y), anchor, fill, extra, s)


def line(x1, y1, x2, y2, width=2, color=INK, dash=None):
    d = ' stroke-dasharray="%s"' % dash if dash else ""
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>\n' % (
        f(x1), f(y1), f(x2), f(y2), color, width, d)


def polygon(points, fill="none", width=2):
    pts = " ".join("%s,%s" % (f(x), f(y)) for x, y in points)
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s"/>\n' % (
        pts, fill, INK, width)


# --- fractions and percentages -----------------------------------------------------------------


def fraction_bar(parts, shaded, rng=None):
    """A bar cut into equal parts; the shaded ones are the first `shaded` or a scattered set."""
    w = min(56, 480 // parts)
    total = w * parts
    order = list(range(parts))
    if rng is not None:
        rng.shuffle(order)
    dark = set(order[:shaded]) if rng is not None else set(range(shaded))
    body = ""
    x0 = (520 - total) / 2
    for i in range(parts):
        body += '<rect class="part" x="%s" y="20" width="%d" height="60" fill="%s" stroke="%s" stroke-width="2"/>\n' % (
            f(x0 + i * w), w, SHADE if i in dark else "white", INK)
    return doc(520, 100, body)


def shaded_grid(rows, cols, shaded, rng):
    """A rectangle of rows x cols squares with `shaded` of them shaded."""
    s = min(32, 320 // max(rows, cols))
    cells = list(range(rows * cols))
    dark = set(cells[:shaded])
    body = ""
    for i in cells:
        rr, cc = divmod(i, cols)
        body += '<rect class="part" x="%d" y="%d" width="%d" height="%d" fill="%s" stroke="%s" stroke-width="1.5"/>\n' % (
            20 + cc * s, 20 + rr * s, s, s, SHADE if i in dark else "white", INK)
    return doc(40 + cols * s, 40 + rows * s, body)


def number_line(lo, hi, ticks, value_index, labels):
    """A number line from lo to hi with `ticks` intervals and an arrow at tick value_index.
    labels maps tick index -> text."""
    x0, x1, y = 40, 520, 70
    body = line(x0 - 15, y, x1 + 15, y)
    for i in range(ticks + 1):
        x = x0 + (x1 - x0) * i / ticks
        big = i in labels
        body += line(x, y - (14 if big else 8), x, y + (14 if big else 8))
        if big:
            body += text(x, y + 34, labels[i])
    ax = x0 + (x1 - x0) * value_index / ticks
    body += line(ax, 12, ax, y - 18, width=3, color=ACCENT)
    body += polygon([(ax - 8, y - 30), (ax + 8, y - 30), (ax, y - 16)], fill=ACCENT, width=1)
    return doc(560, 120, body)


# --- measuring ------------------------------------------------------------------------------


def ruler(start_mm, length_mm, cm=12, what="pencil"):
    """A centimetre ruler with an object lying from start_mm to start_mm + length_mm."""
    px = 40  # pixels per centimetre
    x0, y0 = 30, 80
    body = '<rect x="%d" y="%d" width="%d" height="50" fill="#fff6d5" stroke="%s" stroke-width="2"/>\n' % (
        x0 - 10, y0, cm * px + 20, INK)
    for mm in range(cm * 10 + 1):
        x = x0 + mm * px / 10
        h = 22 if mm % 10 == 0 else (14 if mm % 5 == 0 else 8)
        body += line(x, y0, x, y0 + h, width=1.5 if mm % 10 == 0 else 1)
        if mm % 10 == 0:
            body += text(x, y0 + 40, str(mm // 10), size=13)
    a = x0 + start_mm * px / 10
    b = x0 + (start_mm + length_mm) * px / 10
    body += '<rect x="%s" y="36" width="%s" height="22" rx="4" fill="%s" stroke="%s" stroke-width="1.5"/>\n' % (
        f(a), f(b - a), SHADE, INK)
    body += line(a, 36, a, y0, width=1, dash="4,3")
    body += line(b, 36, b, y0, width=1, dash="4,3")
    body += text(x0 + cm * px / 2, 24, what, size=14)
    body += text(x0 + cm * px + 14, y0 + 22, "cm", anchor="start", size=13)
    return doc(cm * px + 80, 150, body)


def clock(h, m):
    cx, cy, rad = 110, 110, 95
    body = '<circle cx="%d" cy="%d" r="%d" fill="white" stroke="%s" stroke-width="4"/>\n' % (cx, cy, rad, INK)
    for i in range(60):
        a = math.radians(i * 6)
        r1 = rad - (12 if i % 5 == 0 else 6)
        body += line(cx + r1 * math.sin(a), cy - r1 * math.cos(a), cx + (rad - 2) * math.sin(a),
                     cy - (rad - 2) * math.cos(a), width=2.5 if i % 5 == 0 else 1)
    for n in range(1, 13):
        a = math.radians(n * 30)
        body += text(cx + (rad - 27) * math.sin(a), cy - (rad - 27) * math.cos(a) + 6, str(n), size=17)
    ha = math.radians(((h % 12) + m / 60) * 30)
    ma = math.radians(m * 6)
    body += line(cx, cy, cx + 50 * math.sin(ha), cy - 50 * math.cos(ha), width=7)
    body += line(cx, cy, cx + 78 * math.sin(ma), cy - 78 * math.cos(ma), width=4)
    body += '<circle cx="%d" cy="%d" r="6" fill="%s"/>\n' % (cx, cy, INK)
    return doc(220, 220, body)


def cuboid(l, w, h, unit="cm"):
    scale = min(200 / l, 120 / h, 240 / (l + w)) if l and h else 20
    L, H, D = l * scale, h * scale, w * scale * 0.5
    x0, y0 = 80, 60 + D * 0.7 + H
    front = [(x0, y0), (x0 + L, y0), (x0 + L, y0 - H), (x0, y0 - H)]
    dx, dy = D * 0.9, -D * 0.7
    body = polygon(front, fill="#d9e7f5")
    body += polygon([(x0, y0 - H), (x0 + dx, y0 - H + dy), (x0 + L + dx, y0 - H + dy), (x0 + L, y0 - H)], fill="#eaf2fa")
    body += polygon([(x0 + L, y0), (x0 + L + dx, y0 + dy), (x0 + L + dx, y0 - H + dy), (x0 + L, y0 - H)], fill="#c3d8ee")
    body += text(x0 + L / 2, y0 + 22, "%s %s" % (l, unit))
    body += text(x0 - 8, y0 - H / 2 + 5, "%s %s" % (h, unit), anchor="end")
    body += text(x0 + L + dx / 2 + 10, y0 + dy / 2 + 12, "%s %s" % (w, unit), anchor="start")
    return doc(int(x0 + L + dx + 90), int(y0 + 40), body)


# --- shapes with measures -------------------------------------------------------------------


def rectangle(w, h, wl, hl, square=False):
    scale = min(300 / w, 180 / h)
    W, H = w * scale, h * scale
    x0, y0 = 90, 30
    body = polygon([(x0, y0), (x0 + W, y0), (x0 + W, y0 + H), (x0, y0 + H)], fill="#eaf2fa")
    body += text(x0 + W / 2, y0 + H + 24, wl)
    body += text(x0 - 10, y0 + H / 2 + 5, hl, anchor="end")
    return doc(int(x0 + W + 40), int(y0 + H + 45), body)


def l_shape(W, H, cw, ch, labels):
    """An L shape: a W x H rectangle with a cw x ch rectangle cut from its top right corner.
    labels: texts for (bottom W, left H, top part width W-cw, inner height ch)."""
    scale = min(320 / W, 220 / H)
    x0, y0 = 80, 30
    pts = [(0, 0), (W - cw, 0), (W - cw, ch), (W, ch), (W, H), (0, H)]
    pts = [(x0 + x * scale, y0 + y * scale) for x, y in pts]
    body = polygon(pts, fill="#eaf2fa")
    body += text(x0 + W * scale / 2, y0 + H * scale + 24, labels[0])
    body += text(x0 - 10, y0 + H * scale / 2 + 5, labels[1], anchor="end")
    body += text(x0 + (W - cw) * scale / 2, y0 - 8, labels[2])
    body += text(x0 + (W - cw) * scale + 8, y0 + ch * scale / 2 + 5, labels[3], anchor="start")
    return doc(int(x0 + W * scale + 60), int(y0 + H * scale + 45), body)


def triangle_base_height(base, height, bl, hl):
    scale = min(300 / base, 180 / height)
    B, Hh = base * scale, height * scale
    x0, y0 = 40, 30 + Hh
    apex = (x0 + B * 0.35, y0 - Hh)
    body = polygon([(x0, y0), (x0 + B, y0), apex], fill="#eaf2fa")
    body += line(apex[0], apex[1], apex[0], y0, width=1.5, dash="6,4")
    body += '<rect x="%s" y="%s" width="10" height="10" fill="none" stroke="%s" stroke-width="1"/>\n' % (
        f(apex[0]), f(y0 - 10), INK)
    body += text(x0 + B / 2, y0 + 24, bl)
    body += text(apex[0] + 8, y0 - Hh / 2, hl, anchor="start")
    return doc(int(x0 + B + 40), int(y0 + 40), body)


def regular_polygon(n):
    cx, cy, rad = 120, 120, 95
    if n == 4:
        pts = [(cx - 70, cy - 70), (cx + 70, cy - 70), (cx + 70, cy + 70), (cx - 70, cy + 70)]
    else:
        pts = [(cx + rad * math.sin(2 * math.pi * i / n), cy - rad * math.cos(2 * math.pi * i / n)) for i in range(n)]
    return doc(240, 240, polygon(pts, fill="#eaf2fa", width=3))


# --- angles ---------------------------------------------------------------------------------


def _arc(cx, cy, r, a1, a2):
    """Arc from direction a1 to a2 (degrees, counter-clockwise, maths convention)."""
    x1, y1 = cx + r * math.cos(math.radians(a1)), cy - r * math.sin(math.radians(a1))
    x2, y2 = cx + r * math.cos(math.radians(a2)), cy - r * math.sin(math.radians(a2))
    large = 1 if (a2 - a1) % 360 > 180 else 0
    return '<path d="M %s %s A %s %s 0 %d 0 %s %s" fill="none" stroke="%s" stroke-width="1.5"/>\n' % (
        f(x1), f(y1), f(r), f(r), large, f(x2), f(y2), ACCENT)


def _label_at(cx, cy, r, a1, a2, s):
    mid = math.radians(a1 + ((a2 - a1) % 360) / 2)
    return text(cx + r * math.cos(mid), cy - r * math.sin(mid) + 5, s)


def single_angle(size, turn=0):
    """Two arms meeting at a point, the angle between them `size` degrees (may be reflex)."""
    arm = 120
    # Fit the picture to the arms (and to the arc of a reflex angle) so no empty half is left.
    pts = [(0, 0)] + [(arm * math.cos(math.radians(a)), -arm * math.sin(math.radians(a))) for a in (turn, turn + size)]
    pts += [(34 * math.cos(math.radians(a)), -34 * math.sin(math.radians(a))) for a in range(turn, turn + size + 1, 5)]
    minx, miny = min(x for x, _ in pts), min(y for _, y in pts)
    maxx, maxy = max(x for x, _ in pts), max(y for _, y in pts)
    cx, cy = 30 - minx, 30 - miny
    body = ""
    for a in (turn, turn + size):
        body += line(cx, cy, cx + arm * math.cos(math.radians(a)), cy - arm * math.sin(math.radians(a)), width=3)
    body += _arc(cx, cy, 34, turn, turn + size)
    return doc(int(maxx - minx + 60), int(maxy - miny + 60), body)


def angles_on_line(known, unknown_label="x"):
    """A straight line with a ray; the angle on the left is known, the one on the right unknown."""
    cx, cy = 220, 150
    ray = 180 - known
    body = line(40, cy, 400, cy, width=3)
    body += line(cx, cy, cx + 140 * math.cos(math.radians(ray)), cy - 140 * math.sin(math.radians(ray)), width=3)
    body += _arc(cx, cy, 34, ray, 180)
    body += _arc(cx, cy, 46, 0, ray)
    body += _label_at(cx, cy, 62, ray, 180, "%d%s" % (known, DEG))
    body += _label_at(cx, cy, 72, 0, ray, unknown_label)
    return doc(440, 180, body)


def angles_at_point(a, b, unknown_label="y"):
    """Three rays from a point: angles a, b and the unknown rest of the full turn."""
    cx, cy = 180, 160
    dirs = [20, 20 + a, 20 + a + b]
    body = ""
    for d in dirs:
        body += line(cx, cy, cx + 130 * math.cos(math.radians(d)), cy - 130 * math.sin(math.radians(d)), width=3)
    body += _arc(cx, cy, 30, dirs[0], dirs[1]) + _label_at(cx, cy, 56, dirs[0], dirs[1], "%d%s" % (a, DEG))
    body += _arc(cx, cy, 38, dirs[1], dirs[2]) + _label_at(cx, cy, 64, dirs[1], dirs[2], "%d%s" % (b, DEG))
    body += _arc(cx, cy, 46, dirs[2], dirs[0] + 360) + _label_at(cx, cy, 72, dirs[2], dirs[0] + 360, unknown_label)
    return doc(360, 320, body)


def triangle_angles(A, B, labels):
    """A triangle with angles A (bottom left) and B (bottom right); labels for A, B, C."""
    C = 180 - A - B
    base = 320.0
    # Law of sines: side from the left corner to the apex.
    side = base * math.sin(math.radians(B)) / math.sin(math.radians(C))
    ax, ay = side * math.cos(math.radians(A)), side * math.sin(math.radians(A))
    scale = min(1.0, 200 / ay) if ay > 0 else 1.0
    base *= scale
    ax, ay = ax * scale, ay * scale
    minx = min(0, ax)
    x0 = 40 - minx
    y0 = 40 + ay
    P = [(x0, y0), (x0 + base, y0), (x0 + ax, y0 - ay)]
    body = polygon(P, fill="#eaf2fa")
    body += _arc(P[0][0], P[0][1], 30, 0, A) + _label_at(P[0][0], P[0][1], 52, 0, A, labels[0])
    body += _arc(P[1][0], P[1][1], 30, 180 - B, 180) + _label_at(P[1][0], P[1][1], 52, 180 - B, 180, labels[1])
    body += _arc(P[2][0], P[2][1], 24, 180 + A, 360 - B) + _label_at(P[2][0], P[2][1], 46, 180 + A, 360 - B, labels[2])
    w = max(x0 + base, x0 + ax) + 40
    return doc(int(w), int(y0 + 30), body)


# --- charts ---------------------------------------------------------------------------------


def bar_chart(title, labels, values, step, ylabel=""):
    top = max(values)
    ymax = ((top + step - 1) // step + (1 if top % step == 0 else 0)) * step
    ymax = max(ymax, step * 2)
    x0, y0, ph = 70, 290, 240
    bw = min(60, 380 // len(labels))
    gap = bw // 2
    pw = len(labels) * (bw + gap) + gap
    body = text(x0 + pw / 2, 24, title, weight="bold")
    v = 0
    while v <= ymax:
        y = y0 - ph * v / ymax
        body += line(x0, y, x0 + pw, y, width=1, color="#bbbbbb")
        body += text(x0 - 8, y + 5, str(v), anchor="end", size=13)
        v += step
    for i, (lab, val) in enumerate(zip(labels, values)):
        x = x0 + gap + i * (bw + gap)
        hgt = ph * val / ymax
        body += '<rect class="bar" x="%s" y="%s" width="%d" height="%s" fill="%s" stroke="%s" stroke-width="1.5"/>\n' % (
            f(x), f(y0 - hgt), bw, f(hgt), SHADE, INK)
        body += text(x + bw / 2, y0 + 20, lab, size=13)
    body += line(x0, y0, x0 + pw, y0) + line(x0, y0, x0, y0 - ph - 5)
    if ylabel:
        body += '<text x="18" y="%s" text-anchor="middle" transform="rotate(-90 18 %s)" fill="%s" font-size="13">%s</text>\n' % (
            f(y0 - ph / 2), f(y0 - ph / 2), INK, ylabel)
    return doc(int(x0 + pw + 30), 320, body)


def line_chart(title, labels, values, step, ymin, ylabel=""):
    top = max(values)
    ymax = ((top - ymin) // step + 1) * step + ymin
    x0, y0, ph = 70, 290, 240
    dx = min(70, 420 // max(1, len(labels) - 1))
    pw = dx * (len(labels) - 1) + 40
    body = text(x0 + pw / 2, 24, title, weight="bold")
    v = ymin
    while v <= ymax:
        y = y0 - ph * (v - ymin) / (ymax - ymin)
        body += line(x0, y, x0 + pw, y, width=1, color="#bbbbbb")
        body += text(x0 - 8, y + 5, str(v), anchor="end", size=13)
        v += step
    pts = []
    for i, (lab, val) in enumerate(zip(labels, values)):
        x = x0 + 20 + i * dx
        y = y0 - ph * (val - ymin) / (ymax - ymin)
        pts.append((x, y))
        body += line(x, y0, x, y0 + 6, width=1)
        body += text(x, y0 + 22, lab, size=12)
    for (xa, ya), (xb, yb) in zip(pts, pts[1:]):  # segments rather than a polyline: no closing line
        body += line(xa, ya, xb, yb, width=2.5, color=ACCENT)
    for x, y in pts:
        body += '<circle cx="%s" cy="%s" r="4" fill="%s"/>\n' % (f(x), f(y), ACCENT)
    body += line(x0, y0, x0 + pw, y0) + line(x0, y0, x0, y0 - ph - 5)
    if ylabel:
        body += '<text x="18" y="%s" text-anchor="middle" transform="rotate(-90 18 %s)" fill="%s" font-size="13">%s</text>\n' % (
            f(y0 - ph / 2), f(y0 - ph / 2), INK, ylabel)
    return doc(int(x0 + pw + 30), 320, body)


def pie_chart(title, labels, degrees):
    cx, cy, rad = 150, 170, 110
    colours = ["#6fa8dc", "#f6b26b", "#93c47d", "#e06666", "#b4a7d6", "#ffd966"]
    body = text(cx + 60, 24, title, weight="bold")
    start = 90
    for i, (lab, deg) in enumerate(zip(labels, degrees)):
        a1, a2 = math.radians(start), math.radians(start - deg)
        x1, y1 = cx + rad * math.cos(a1), cy - rad * math.sin(a1)
        x2, y2 = cx + rad * math.cos(a2), cy - rad * math.sin(a2)
        large = 1 if deg > 180 else 0
        body += '<path d="M %d %d L %s %s A %d %d 0 %d 1 %s %s Z" fill="%s" stroke="%s" stroke-width="2"/>\n' % (
            cx, cy, f(x1), f(y1), rad, rad, large, f(x2), f(y2), colours[i % len(colours)], INK)
        start -= deg
    for i, lab in enumerate(labels):
        body += '<rect x="290" y="%d" width="16" height="16" fill="%s" stroke="%s"/>\n' % (
            70 + 28 * i, colours[i % len(colours)], INK)
        body += text(314, 84 + 28 * i, lab, anchor="start")
    return doc(440, 300, body)


def coordinate_grid(points, size=10):
    """A first-quadrant grid 0..size with labelled points [(name, x, y)]."""
    s = 26
    x0, y0 = 40, 20 + size * s
    body = ""
    for i in range(size + 1):
        body += line(x0 + i * s, y0, x0 + i * s, y0 - size * s, width=1, color="#bbbbbb")
        body += line(x0, y0 - i * s, x0 + size * s, y0 - i * s, width=1, color="#bbbbbb")
        body += text(x0 + i * s, y0 + 18, str(i), size=12)
        if i:
            body += text(x0 - 8, y0 - i * s + 4, str(i), anchor="end", size=12)
    body += line(x0, y0, x0 + size * s + 8, y0) + line(x0, y0, x0, y0 - size * s - 8)
    for name, x, y in points:
        px, py = x0 + x * s, y0 - y * s
        body += line(px - 6, py - 6, px + 6, py + 6, width=2.5, color=ACCENT)
        body += line(px - 6, py + 6, px + 6, py - 6, width=2.5, color=ACCENT)
        body += text(px + 9, py - 7, name, anchor="start", weight="bold")
    return doc(x0 + size * s + 30, y0 + 35, body)


def jug(capacity, step, label_every, level):
    """A measuring jug marked every `step` ml up to `capacity`, numbered every `label_every` ml,
    filled to `level` ml."""
    x0, x1, ybot, ytop = 90, 230, 300, 40
    body = line(x0, ytop - 10, x0, ybot, width=3) + line(x0, ybot, x1, ybot, width=3)
    body += line(x1, ybot, x1, ytop - 10, width=3)
    body += '<path d="M %d %d Q %d %d %d %d" fill="none" stroke="%s" stroke-width="3"/>\n' % (
        x1, ytop + 20, x1 + 50, ytop + 60, x1, ytop + 150, INK)
    yl = ybot - (ybot - ytop) * level / capacity
    body += '<rect class="water" x="%d" y="%s" width="%d" height="%s" fill="#cfe2f3" stroke="none"/>\n' % (
        x0 + 2, f(yl), x1 - x0 - 4, f(ybot - yl - 2))
    v = step
    while v <= capacity:
        y = ybot - (ybot - ytop) * v / capacity
        big = v % label_every == 0
        body += line(x0, y, x0 + (30 if big else 16), y, width=2 if big else 1)
        if big:
            body += text(x0 - 8, y + 5, "%d ml" % v, anchor="end", size=13)
        v += step
    body += line(x0 + 2, yl, x1 - 2, yl, width=2, color="#3d85c6")
    return doc(300, 320, body)


# --- nets, symmetry, moves on a grid, spinners ------------------------------------------------


def net(faces, unit=40):
    """A net drawn from faces given as point lists in grid units; every face is its own
    polygon so the folds show."""
    xs = [x for face in faces for x, _ in face]
    ys = [y for face in faces for _, y in face]
    minx, miny = min(xs), min(ys)
    body = ""
    for face in faces:
        pts = " ".join("%s,%s" % (f(30 + (x - minx) * unit), f(30 + (y - miny) * unit)) for x, y in face)
        body += '<polygon class="face" points="%s" fill="#eaf2fa" stroke="%s" stroke-width="2"/>\n' % (pts, INK)
    return doc(int((max(xs) - minx) * unit + 60), int((max(ys) - miny) * unit + 60), body)


def shape(points, unit=30):
    """A flat shape from points in grid units, for questions about its symmetry."""
    xs, ys = [x for x, _ in points], [y for _, y in points]
    minx, miny = min(xs), min(ys)
    pts = " ".join("%s,%s" % (f(30 + (x - minx) * unit), f(30 + (y - miny) * unit)) for x, y in points)
    body = '<polygon class="shape" points="%s" fill="#eaf2fa" stroke="%s" stroke-width="3"/>\n' % (pts, INK)
    return doc(int((max(xs) - minx) * unit + 60), int((max(ys) - miny) * unit + 60), body)


def grid_shape(vertices, mirror=None, size=10):
    """A first-quadrant grid 0..size with a shape whose corners [(name, x, y)] are labelled, and
    an optional mirror line ("x", k) or ("y", k) drawn dashed."""
    s = 26
    x0, y0 = 40, 20 + size * s
    body = ""
    for i in range(size + 1):
        body += line(x0 + i * s, y0, x0 + i * s, y0 - size * s, width=1, color="#bbbbbb")
        body += line(x0, y0 - i * s, x0 + size * s, y0 - i * s, width=1, color="#bbbbbb")
        body += text(x0 + i * s, y0 + 18, str(i), size=12)
        if i:
            body += text(x0 - 8, y0 - i * s + 4, str(i), anchor="end", size=12)
    body += line(x0, y0, x0 + size * s + 8, y0) + line(x0, y0, x0, y0 - size * s - 8)
    if mirror:
        axis, k = mirror
        if axis == "x":
            a, b = (x0 + k * s, y0 + 4), (x0 + k * s, y0 - size * s - 4)
        else:
            a, b = (x0 - 4, y0 - k * s), (x0 + size * s + 4, y0 - k * s)
        body += '<line class="mirror" x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="3" stroke-dasharray="8,5"/>\n' % (
            f(a[0]), f(a[1]), f(b[0]), f(b[1]), ACCENT)
    pts = [(x0 + x * s, y0 - y * s) for _, x, y in vertices]
    body += polygon(pts, fill="#cfe2f3", width=2.5)
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    for (name, _, _), (px, py) in zip(vertices, pts):
        # Labels sit just outside the corner, away from the middle of the shape.
        dx, dy = px - cx, py - cy
        d = math.hypot(dx, dy) or 1
        body += '<circle class="vertex" cx="%s" cy="%s" r="3.5" fill="%s"/>\n' % (f(px), f(py), INK)
        body += text(px + 14 * dx / d, py + 14 * dy / d + 5, name, weight="bold")
    return doc(x0 + size * s + 30, y0 + 35, body)


SPINNER_COLOURS = {"red": "#e06666", "blue": "#6fa8dc", "green": "#93c47d", "yellow": "#ffd966",
                   "orange": "#f6b26b", "purple": "#b4a7d6", "white": "#ffffff"}


def spinner(labels):
    """A spinner of equal sections, each with its label written in it (colour names are also
    painted in their colour)."""
    cx, cy, rad = 150, 150, 120
    n = len(labels)
    body = ""
    for i, lab in enumerate(labels):
        a1, a2 = math.radians(90 - 360 * i / n), math.radians(90 - 360 * (i + 1) / n)
        x1, y1 = cx + rad * math.cos(a1), cy - rad * math.sin(a1)
        x2, y2 = cx + rad * math.cos(a2), cy - rad * math.sin(a2)
        fill = SPINNER_COLOURS.get(lab, "#ffffff" if i % 2 else "#eaf2fa")
        body += '<path d="M %d %d L %s %s A %d %d 0 0 1 %s %s Z" fill="%s" stroke="%s" stroke-width="2"/>\n' % (
            cx, cy, f(x1), f(y1), rad, rad, f(x2), f(y2), fill, INK)
    for i, lab in enumerate(labels):
        mid = math.radians(90 - 360 * (i + 0.5) / n)
        body += '<text class="sector" x="%s" y="%s" text-anchor="middle" fill="%s" font-size="17">%s</text>\n' % (
            f(cx + rad * 0.66 * math.cos(mid)), f(cy - rad * 0.66 * math.sin(mid) + 6), INK, lab)
    # A short pointer, so it never covers a section's label.
    ux, uy = math.sin(math.radians(20)), -math.cos(math.radians(20))
    tip, base = 50, 34
    body += line(cx, cy, cx + base * ux, cy + base * uy, width=4)
    body += polygon([(cx + base * ux - 7 * uy, cy + base * uy + 7 * ux), (cx + base * ux + 7 * uy, cy + base * uy - 7 * ux),
                     (cx + tip * ux, cy + tip * uy)], fill=INK, width=1)
    body += '<circle cx="%d" cy="%d" r="7" fill="%s"/>\n' % (cx, cy, INK)
    return doc(300, 300, body)
