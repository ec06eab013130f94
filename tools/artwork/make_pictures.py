#!/usr/bin/python3
"""Draws every interface picture of Larkspur (items 1-37 and 41-92) into pictures/.

Run with Debian's own Python (it needs python3-cairo and python3-pil):

    /usr/bin/python3 tools/artwork/make_pictures.py [OUTPUT_DIR [ICON_DIR]]

It also draws the program icon for the desktop's hicolor icon theme into
icons/hicolor/ (PNG at 16 to 256 px, and a scalable SVG).

All drawing is vector work in cairo (anti-aliased); Pillow only writes the
file formats the windows load: 24-bit BMP, multi-size ICO, GIF with a
transparent colour. The output is committed, so the build never runs this.

Everything that decides the look lives in the PALETTE and SIZE tables below;
each picture is one small function, so a change is made in one place.
"""

import math
import os
import sys

import cairo
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "DejaVu Sans"

# ---------------------------------------------------------------- palette
# Colours are (r, g, b) in 0..255. PAGE is the background the windows paint
# behind the toolbar strip, status bar, handle strip and pages, so every
# opaque picture that is not rectangular in look is matted onto it.
PAGE = (244, 245, 235)
WHITE = (255, 255, 255)
INK = (40, 52, 70)  # dark text on light pictures
OUTLINE = (52, 86, 130)  # the window's outermost line, active or not
TITLE_TOP = (86, 150, 228)  # active title bar, top row
TITLE_BOT = (36, 100, 190)  # active title bar, bottom row
TITLE_SHINE = (140, 190, 245)  # 1 px highlight under the outline
IDLE_TOP = (255, 255, 255)  # inactive title bar
IDLE_BOT = (234, 238, 245)
IDLE_LINE = (196, 206, 222)  # inactive bar's bottom rule
SIDE_FILL = (170, 195, 228)  # side and bottom strips
SIDE_INNER = (214, 226, 242)
BLUE = (45, 108, 196)
BLUE_LIGHT = (120, 172, 235)
GREEN = (46, 160, 90)
RED = (218, 68, 58)
ORANGE = (238, 132, 52)
YELLOW = (250, 196, 60)
STEEL = (92, 118, 152)
VIOLET = (112, 86, 200)
HOVER_FILL = (222, 235, 252)
HOVER_EDGE = (130, 172, 228)
PRESS_FILL = (190, 214, 245)
PRESS_EDGE = (72, 124, 196)
PANEL_TOP = (255, 255, 255)
PANEL_BOT = (234, 239, 246)
PANEL_EDGE = (176, 192, 214)

# ------------------------------------------------------------------ sizes
# (width, height) in pixels; the windows show pictures at natural size.
TOOL = (44, 45)  # toolbar buttons; icon in the top 31 rows, caption below
TITLE_BUTTON = (19, 19)
TITLE_BUTTON_TOP = 4  # (28 - 19) / 2 in whole pixels: where it sits on the bar
TITLE_H = 28
TAB_BACK = (79, 26)
TAB_FRONT = (79, 27)
BUTTON = (80, 25)
LOAD_BUTTON = (35, 14)
STATUS_PANELS = {  # status bar panels of the practice window (bar is 25 px high)
    "bottombg1.bmp": (120, 21),  # second take: the "Second Attempt" heading
    "bottombg2.bmp": (140, 21),  # "Qns left:" and the remaining-questions list
    "bottombg3.bmp": (92, 21),  # answered count, date, clock
    "bottombg4.bmp": (200, 21),  # marking progress: holds 15 progressbar.bmp
}
PROGRESS = (11, 13)  # one progress segment; pitch 12 px, first at (10, 4)
COLUMN_HEADS = {"columnhead1.bmp": (160, 22), "columnhead2.bmp": (224, 22)}
REPORT_BAR = (388, 22)  # bar.bmp: report-card header bars
PEN_PANEL = (117, 41)  # PaperSum, 1755 x 615 twips
BULLET = (11, 11)
HANDLE = (6, 40)
GRABBER = (8, 8)
INFO = (32, 27)
LOGO = (240, 72)
INSTRUCTION = (257, 89)
DIALOG_CORNER = (6, 7)


# ---------------------------------------------------------------- helpers
def rgb(c, a=1.0):
    return (c[0] / 255.0, c[1] / 255.0, c[2] / 255.0, a)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def canvas(w, h, bg=None):
    surf = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    c = cairo.Context(surf)
    c.set_antialias(cairo.ANTIALIAS_BEST)
    if bg is not None:
        c.set_source_rgba(*rgb(bg))
        c.paint()
    return surf, c


def to_image(surf):
    surf.flush()
    w, h = surf.get_width(), surf.get_height()
    return Image.frombuffer("RGBA", (w, h), bytes(surf.get_data()), "raw", "BGRa",
                            surf.get_stride(), 1)


def rounded(c, x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    c.new_sub_path()
    c.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    c.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    c.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    c.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    c.close_path()


def vgrad(y0, y1, stops):
    g = cairo.LinearGradient(0, y0, 0, y1)
    for pos, col in stops:
        g.add_color_stop_rgba(pos, *rgb(col))
    return g


def text(c, s, x, y, size, col, bold=False, anchor="left"):
    c.select_font_face(FONT, cairo.FONT_SLANT_NORMAL,
                       cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    c.set_font_size(size)
    ext = c.text_extents(s)
    if anchor == "centre":
        x -= ext.x_advance / 2
    elif anchor == "right":
        x -= ext.x_advance
    c.move_to(x, y)
    c.set_source_rgba(*rgb(col))
    c.show_text(s)
    return ext.x_advance


def panel(c, x, y, w, h, r, top=PANEL_TOP, bot=PANEL_BOT, edge=PANEL_EDGE):
    rounded(c, x + 0.5, y + 0.5, w - 1, h - 1, r)
    c.set_source(vgrad(y, y + h, [(0, top), (1, bot)]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(edge))
    c.set_line_width(1)
    c.stroke()


# ------------------------------------------------------------ icon shapes
# Each icon draws into a 26 x 26 box at the origin. `col` maps role -> colour
# so the disabled look can swap in greys without a second drawing.
ICON = 26


def stroke_round(c, width):
    c.set_line_width(width)
    c.set_line_cap(cairo.LINE_CAP_ROUND)
    c.set_line_join(cairo.LINE_JOIN_ROUND)


def ball(c, col, cx=13, cy=13, r=11.5):
    c.arc(cx, cy, r, 0, 2 * math.pi)
    c.set_source(vgrad(cy - r, cy + r, [(0, mix(col, WHITE, 0.3)), (1, col)]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(col, (0, 0, 0), 0.25)))
    c.set_line_width(1)
    c.stroke()


def sheet(c, x, y, w, h, edge):
    rounded(c, x + 0.5, y + 0.5, w, h, 2)
    c.set_source_rgba(*rgb(WHITE))
    c.fill_preserve()
    c.set_source_rgba(*rgb(edge))
    c.set_line_width(1)
    c.stroke()


def icon_about(c, col):
    ball(c, col["blue"])
    c.set_source_rgba(*rgb(WHITE))
    c.arc(13, 7.6, 1.9, 0, 2 * math.pi)
    c.fill()
    rounded(c, 11.2, 10.6, 3.6, 9.6, 1.2)
    c.fill()


def arrow(c, col, left):
    ball(c, col["blue"])
    c.save()
    if left:
        c.translate(26, 0)
        c.scale(-1, 1)
    c.set_source_rgba(*rgb(WHITE))
    stroke_round(c, 3)
    c.move_to(7.5, 13)
    c.line_to(17.5, 13)
    c.stroke()
    c.move_to(13, 8)
    c.line_to(18.5, 13)
    c.line_to(13, 18)
    c.stroke()
    c.restore()


def icon_back(c, col):
    arrow(c, col, True)


def icon_forward(c, col):
    arrow(c, col, False)


def icon_close(c, col):
    rounded(c, 1.5, 1.5, 23, 23, 6)
    c.set_source(vgrad(1, 25, [(0, mix(col["red"], WHITE, 0.3)), (1, col["red"])]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(col["red"], (0, 0, 0), 0.25)))
    c.set_line_width(1)
    c.stroke()
    c.set_source_rgba(*rgb(WHITE))
    stroke_round(c, 3)
    for a, b in (((8, 8), (18, 18)), ((18, 8), (8, 18))):
        c.move_to(*a)
        c.line_to(*b)
        c.stroke()


def icon_home(c, col):
    # walls
    c.rectangle(5.5, 12.5, 15, 11)
    c.set_source_rgba(*rgb(WHITE))
    c.fill_preserve()
    c.set_source_rgba(*rgb(col["blue"]))
    c.set_line_width(1.6)
    c.stroke()
    # door and window
    rounded(c, 11, 16, 4.5, 7.5, 1)
    c.set_source_rgba(*rgb(col["blue"]))
    c.fill()
    c.rectangle(16.5, 15.5, 2.5, 2.5)
    c.fill()
    # chimney and roof
    c.rectangle(17, 3.5, 3, 6)
    c.set_source_rgba(*rgb(col["red"]))
    c.fill()
    c.move_to(1.5, 13.5)
    c.line_to(13, 2.5)
    c.line_to(24.5, 13.5)
    c.set_source_rgba(*rgb(col["orange"]))
    stroke_round(c, 3.2)
    c.stroke()


def icon_mark(c, col):
    sheet(c, 3, 2, 16, 21, col["steel"])
    c.set_source_rgba(*rgb(mix(col["steel"], WHITE, 0.55)))
    c.set_line_width(1)
    for y in (7.5, 11.5, 15.5):
        c.move_to(6, y)
        c.line_to(16, y)
        c.stroke()
    # the tick, drawn as by a pen
    c.set_source_rgba(*rgb(col["green"]))
    stroke_round(c, 3.6)
    c.move_to(8.5, 15.5)
    c.line_to(13, 20.5)
    c.line_to(23.5, 7.5)
    c.stroke()


def icon_print(c, col):
    sheet(c, 7, 1.5, 12, 9, col["steel"])
    rounded(c, 1.5, 8.5, 23, 11, 3)
    c.set_source(vgrad(8, 20, [(0, mix(col["steel"], WHITE, 0.35)), (1, col["steel"])]))
    c.fill()
    c.arc(20.5, 12, 1.2, 0, 2 * math.pi)
    c.set_source_rgba(*rgb(col["green"]))
    c.fill()
    sheet(c, 6, 15, 14, 9.5, col["steel"])
    c.set_source_rgba(*rgb(col["blue"]))
    c.set_line_width(1)
    for y in (18.5, 21.5):
        c.move_to(8.5, y)
        c.line_to(17.5, y)
        c.stroke()


def icon_report(c, col):
    sheet(c, 2, 2, 22, 22, col["steel"])
    for x, h, k in ((6, 8, "orange"), (11, 13, "blue"), (16, 17, "green")):
        rounded(c, x, 21 - h, 4, h, 1)
        c.set_source_rgba(*rgb(col[k]))
        c.fill()
    c.set_source_rgba(*rgb(col["steel"]))
    c.set_line_width(1)
    c.move_to(4.5, 21.5)
    c.line_to(21.5, 21.5)
    c.stroke()


def icon_save(c, col):
    rounded(c, 2.5, 2.5, 21, 21, 3)
    c.set_source(vgrad(2, 24, [(0, mix(col["blue"], WHITE, 0.2)), (1, col["blue"])]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(col["blue"], (0, 0, 0), 0.3)))
    c.set_line_width(1)
    c.stroke()
    rounded(c, 6.5, 2.5, 13, 8, 1)  # label
    c.set_source_rgba(*rgb(WHITE))
    c.fill()
    c.rectangle(15, 4, 2.5, 5)
    c.set_source_rgba(*rgb(col["blue"]))
    c.fill()
    rounded(c, 6, 14, 14, 9.5, 1.5)  # shutter
    c.set_source_rgba(*rgb(mix(col["steel"], WHITE, 0.7)))
    c.fill()


def icon_setup(c, col):
    cx = cy = 13
    teeth = 8
    c.new_path()
    for i in range(teeth * 4):
        a = i * 2 * math.pi / (teeth * 4)
        r = 11.5 if (i % 4) in (1, 2) else 8.5
        c.line_to(cx + r * math.cos(a), cy + r * math.sin(a))
    c.close_path()
    c.set_source(vgrad(1, 25, [(0, mix(col["steel"], WHITE, 0.3)), (1, col["steel"])]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(col["steel"], (0, 0, 0), 0.25)))
    c.set_line_width(1)
    c.set_line_join(cairo.LINE_JOIN_ROUND)
    c.stroke()
    c.arc(cx, cy, 3.8, 0, 2 * math.pi)
    c.set_source_rgba(*rgb(WHITE))
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(col["steel"], (0, 0, 0), 0.25)))
    c.stroke()


def icon_trash(c, col):
    body = col["steel"]
    c.move_to(5, 8)
    c.line_to(21, 8)
    c.line_to(19.5, 24)
    c.line_to(6.5, 24)
    c.close_path()
    c.set_source(vgrad(8, 24, [(0, mix(body, WHITE, 0.35)), (1, body)]))
    c.fill()
    c.set_source_rgba(*rgb(WHITE, 0.85))
    c.set_line_width(1.3)
    for x in (10, 13, 16):
        c.move_to(x, 11)
        c.line_to(x, 21.5)
        c.stroke()
    rounded(c, 3, 4.5, 20, 3.5, 1.5)  # lid
    c.set_source_rgba(*rgb(mix(body, (0, 0, 0), 0.15)))
    c.fill()
    rounded(c, 10, 2, 6, 3.5, 1.2)
    c.fill()


ICONS = {
    "about": icon_about, "back": icon_back, "close": icon_close,
    "forward": icon_forward, "home": icon_home, "mark": icon_mark,
    "print": icon_print, "report": icon_report, "save": icon_save,
    "setup": icon_setup, "trash": icon_trash,
}
LIVE = {"blue": BLUE, "green": GREEN, "red": RED, "orange": ORANGE, "steel": STEEL}
GREY = (168, 170, 172)
DEAD = {k: GREY for k in LIVE}

# Which toolbar pictures exist, in graphics-list order (name, looks).
TOOL_SET = [
    ("about", ["off", "on", "pressed"]),
    ("back", ["disabled", "off", "on", "pressed"]),
    ("close", ["off", "on", "pressed"]),
    ("forward", ["disabled", "off", "on", "pressed"]),
    ("home", ["off", "on", "pressed"]),
    ("mark", ["disabled", "off", "on", "pressed"]),
    ("print", ["off", "on", "pressed"]),
    ("report", ["off", "on", "pressed"]),
    ("save", ["disabled", "off", "on", "pressed"]),
    ("setup", ["off", "on", "pressed"]),
    ("trash", ["off", "on", "pressed"]),
]


def tool_picture(name, look):
    w, h = TOOL
    surf, c = canvas(w, h, PAGE)
    if look in ("on", "pressed"):
        fill, edge = (HOVER_FILL, HOVER_EDGE) if look == "on" else (PRESS_FILL, PRESS_EDGE)
        rounded(c, 1.5, 1.5, w - 3, h - 3, 6)
        top = mix(fill, WHITE, 0.6) if look == "on" else fill
        bot = fill if look == "on" else mix(fill, WHITE, 0.4)
        c.set_source(vgrad(1, h - 1, [(0, top), (1, bot)]))
        c.fill_preserve()
        c.set_source_rgba(*rgb(edge))
        c.set_line_width(1)
        c.stroke()
    shift = 1 if look == "pressed" else 0
    c.save()
    c.translate((w - ICON) / 2 + shift, 3 + shift)
    if look == "disabled":
        c.push_group()
        ICONS[name](c, DEAD)
        c.pop_group_to_source()
        c.paint_with_alpha(0.55)
    else:
        ICONS[name](c, LIVE)
    c.restore()
    return surf


# ------------------------------------------------------------ window frame
def title_colour(active, y):
    """Colour of title-bar row y (0..27) between the outline rows."""
    top, bot = (TITLE_TOP, TITLE_BOT) if active else (IDLE_TOP, IDLE_BOT)
    return mix(top, bot, max(0, y - 1) / (TITLE_H - 3))


def title_rows(c, w, active, y0=0, rows=TITLE_H):
    for y in range(y0, y0 + rows):
        c.rectangle(0, y - y0, w, 1)
        c.set_source_rgba(*rgb(title_colour(active, y)))
        c.fill()


def title_piece(w, active, part):
    """part is 'left', 'centre' or 'right'. Left and right pieces carry the
    rounded top corners (radius 5, as the window outline clips them) and the
    side outline; the centre piece is uniform across so it can be stretched."""
    surf, c = canvas(w, TITLE_H, PAGE)
    title_rows(c, w, active)
    shine = TITLE_SHINE if active else WHITE
    bottom = mix(TITLE_BOT, OUTLINE, 0.5) if active else IDLE_LINE
    # straight parts of the outline, shine and bottom rule
    c.set_source_rgba(*rgb(OUTLINE))
    c.rectangle(0, 0, w, 1)
    c.fill()
    c.set_source_rgba(*rgb(shine))
    c.rectangle(0, 1, w, 1)
    c.fill()
    c.set_source_rgba(*rgb(bottom))
    c.rectangle(0, TITLE_H - 1, w, 1)
    c.fill()
    if part == "centre":
        return surf
    c.save()
    if part == "right":
        c.translate(w, 0)
        c.scale(-1, 1)
    # clear the corner, then redraw it round
    c.rectangle(0, 0, 7, 7)
    c.set_source_rgba(*rgb(PAGE))
    c.fill()
    c.move_to(0, 7)
    c.line_to(0, 5.5)
    c.arc(5.5, 5.5, 5.5, math.pi, 3 * math.pi / 2)
    c.line_to(7, 0)
    c.line_to(7, 7)
    c.close_path()
    c.set_source_rgba(*rgb(title_colour(active, 3)))
    c.fill()
    c.arc(5.5, 5.5, 5.0, math.pi, 3 * math.pi / 2)
    c.set_source_rgba(*rgb(OUTLINE))
    c.set_line_width(1)
    c.stroke()
    c.arc(5.5, 5.5, 4.0, math.pi, 3 * math.pi / 2)
    c.set_source_rgba(*rgb(shine))
    c.stroke()
    c.rectangle(0, 5, 1, TITLE_H - 5)
    c.set_source_rgba(*rgb(OUTLINE))
    c.fill()
    c.rectangle(1, 5, 1, TITLE_H - 6)
    c.set_source_rgba(*rgb(shine, 0.6))
    c.fill()
    c.restore()
    return surf


SIDE_COLS = [OUTLINE, SIDE_FILL, SIDE_FILL, SIDE_INNER]  # outside -> inside


def side_strip(right):
    surf, c = canvas(4, 2)
    cols = SIDE_COLS[::-1] if right else SIDE_COLS
    for x, col in enumerate(cols):
        c.rectangle(x, 0, 1, 2)
        c.set_source_rgba(*rgb(col))
        c.fill()
    return surf


def bottom_strip():
    surf, c = canvas(2, 4)
    for y, col in enumerate(SIDE_COLS[::-1]):
        c.rectangle(0, y, 2, 1)
        c.set_source_rgba(*rgb(col))
        c.fill()
    return surf


def bottom_corner(right):
    """6 x 4 square corner: the side strip turns into the bottom strip."""
    surf, c = canvas(6, 4, SIDE_FILL)
    px = surf.get_width()

    def put(x, y, col):
        if right:
            x = px - 1 - x
        c.rectangle(x, y, 1, 1)
        c.set_source_rgba(*rgb(col))
        c.fill()

    for x in range(3, 6):
        put(x, 0, SIDE_INNER)
    for y in range(4):
        put(0, y, OUTLINE)
    for x in range(6):
        put(x, 3, OUTLINE)
    return surf


def dialog_corner(right):
    """6 x 7 rounded bottom corner of the message dialog (outline radius 7)."""
    w, h = DIALOG_CORNER
    surf, c = canvas(w, h)
    c.save()
    if right:
        c.translate(w, 0)
        c.scale(-1, 1)
    r = 7.0
    cx, cy = 7.0, 0.0  # centre of the corner arc, right of and above the piece
    # fill: every band from the outline inwards, like the side strip
    for off, col in ((0.0, OUTLINE), (1.0, SIDE_FILL), (3.0, SIDE_INNER)):
        c.new_path()
        c.arc_negative(cx, cy, r - off, math.pi, math.pi / 2)
        c.line_to(w + 1, h - off)
        c.line_to(w + 1, -1)
        c.line_to(off, -1)
        c.close_path()
        c.set_source_rgba(*rgb(col))
        c.fill()
    c.new_path()
    c.arc_negative(cx, cy, r - 4.0, math.pi, math.pi / 2)
    c.line_to(w + 1, h - 4.0)
    c.line_to(w + 1, -1)
    c.line_to(4.0, -1)
    c.close_path()
    c.set_source_rgba(*rgb(PAGE))
    c.fill()
    c.restore()
    return surf


def title_button(kind, look):
    """kind: close, max, min, norm. look: blueoff (active), blue (hovered),
    white (inactive). The background repeats the title bar rows the button
    covers, so the button blends in wherever its picture is opaque."""
    w, h = TITLE_BUTTON
    active = look != "white"
    surf, c = canvas(w, h)
    for y in range(h):
        c.rectangle(0, y, w, 1)
        c.set_source_rgba(*rgb(title_colour(active, y + TITLE_BUTTON_TOP)))
        c.fill()
    glyph = WHITE if active else (128, 128, 128)
    if look == "blue":
        rounded(c, 0.5, 0.5, w - 1, h - 1, 4)
        if kind == "close":
            c.set_source(vgrad(0, h, [(0, (236, 96, 82)), (1, (200, 50, 40))]))
            c.fill_preserve()
            c.set_source_rgba(*rgb((150, 30, 24)))
        else:
            c.set_source_rgba(*rgb(WHITE, 0.28))
            c.fill_preserve()
            c.set_source_rgba(*rgb(WHITE, 0.7))
        c.set_line_width(1)
        c.stroke()
    elif look == "blueoff":
        rounded(c, 0.5, 0.5, w - 1, h - 1, 4)
        c.set_source_rgba(*rgb(WHITE, 0.35))
        c.set_line_width(1)
        c.stroke()
    else:
        rounded(c, 0.5, 0.5, w - 1, h - 1, 4)
        c.set_source_rgba(*rgb((200, 206, 216)))
        c.set_line_width(1)
        c.stroke()
    c.set_source_rgba(*rgb(glyph))
    stroke_round(c, 1.8)
    if kind == "close":
        for a, b in (((6, 6), (13, 13)), ((13, 6), (6, 13))):
            c.move_to(*a)
            c.line_to(*b)
            c.stroke()
    elif kind == "min":
        c.move_to(5.5, 13)
        c.line_to(13.5, 13)
        c.stroke()
    elif kind == "max":
        c.set_line_width(1.4)
        c.rectangle(5.2, 5.2, 8.6, 8.6)
        c.stroke()
        c.rectangle(5.2, 5.2, 8.6, 2)
        c.fill()
    else:  # restore: two overlapping windows
        c.set_line_width(1.3)
        c.move_to(7.5, 5.5)
        c.line_to(13.5, 5.5)
        c.line_to(13.5, 11.5)
        c.stroke()
        c.rectangle(5.2, 8.2, 6.3, 6.3)
        c.stroke()
        c.rectangle(5.2, 8.2, 6.3, 1.6)
        c.fill()
    return surf


# --------------------------------------------------------- tabs and buttons
def tab(front, hover):
    w, h = TAB_FRONT if front else TAB_BACK
    surf, c = canvas(w, h, PAGE)
    if front:
        top = WHITE
        bot = PAGE
        edge = (128, 156, 196)
    else:
        top = (240, 245, 252) if hover else (226, 233, 243)
        bot = (214, 226, 242) if hover else (204, 214, 230)
        edge = (150, 170, 200)
    # outline: rounded top, open bottom (the strip lies over it)
    def shape():
        c.new_path()
        c.move_to(0.5, h + 1)
        c.line_to(0.5, 7)
        c.arc(7.5, 7.5, 7, math.pi, 3 * math.pi / 2)
        c.line_to(w - 7.5, 0.5)
        c.arc(w - 7.5, 7.5, 7, 3 * math.pi / 2, 2 * math.pi)
        c.line_to(w - 0.5, h + 1)

    shape()
    c.close_path()
    c.set_source(vgrad(0, h, [(0, top), (1, bot)]))
    c.fill()
    shape()
    c.set_source_rgba(*rgb(edge))
    c.set_line_width(1)
    c.stroke()
    if front:
        # a coloured lip on the selected tab; brighter when hovered
        c.new_path()
        c.move_to(3, 2.5)
        c.arc(7.5, 7.5, 5.5, 1.2 * math.pi, 3 * math.pi / 2)
        c.line_to(w - 7.5, 2)
        c.arc(w - 7.5, 7.5, 5.5, 3 * math.pi / 2, 1.8 * math.pi)
        c.set_source_rgba(*rgb(ORANGE if hover else BLUE_LIGHT))
        c.set_line_width(2.5)
        c.stroke()
    elif hover:
        c.move_to(6, 1.8)
        c.line_to(w - 6, 1.8)
        c.set_source_rgba(*rgb(WHITE))
        c.set_line_width(1)
        c.stroke()
    return surf


def push_button(look):
    w, h = BUTTON
    surf, c = canvas(w, h, PAGE)
    rounded(c, 0.5, 0.5, w - 1, h - 1, 5)
    if look == "off":
        g = vgrad(0, h, [(0, WHITE), (0.5, (240, 244, 250)), (1, (220, 228, 240))])
        edge = (128, 152, 188)
    elif look == "on":
        g = vgrad(0, h, [(0, (246, 250, 255)), (0.5, (222, 236, 252)), (1, (196, 220, 248))])
        edge = (74, 128, 200)
    else:
        g = vgrad(0, h, [(0, (180, 206, 240)), (1, (214, 230, 250))])
        edge = (52, 100, 170)
    c.set_source(g)
    c.fill_preserve()
    c.set_source_rgba(*rgb(edge))
    c.set_line_width(1)
    c.stroke()
    if look != "pressed":
        c.move_to(5, 1.6)
        c.line_to(w - 5, 1.6)
        c.set_source_rgba(*rgb(WHITE, 0.9))
        c.stroke()
    return surf


def load_button(hover):
    w, h = LOAD_BUTTON
    surf, c = canvas(w, h, PAGE)
    rounded(c, 0.5, 0.5, w - 1, h - 1, 6.5)
    top, bot = ((110, 200, 130), (40, 150, 80)) if hover else ((96, 156, 230), (40, 104, 192))
    c.set_source(vgrad(0, h, [(0, top), (1, bot)]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(bot, (0, 0, 0), 0.3)))
    c.set_line_width(1)
    c.stroke()
    # "go" mark: a play triangle
    c.move_to(14, 3.5)
    c.line_to(22, 7)
    c.line_to(14, 10.5)
    c.close_path()
    c.set_source_rgba(*rgb(WHITE))
    c.set_line_join(cairo.LINE_JOIN_ROUND)
    c.fill_preserve()
    c.set_line_width(1)
    c.stroke()
    return surf


# ----------------------------------------------------------- status panels
def status_panel(name):
    w, h = STATUS_PANELS[name]
    surf, c = canvas(w, h, PAGE)
    panel(c, 0, 0, w, h, 5)
    if name == "bottombg4.bmp":
        # sunken track for the fifteen progress segments
        rounded(c, 7.5, 2.5, w - 15, h - 5, 3)
        c.set_source_rgba(*rgb(WHITE))
        c.fill_preserve()
        c.set_source_rgba(*rgb((160, 176, 200)))
        c.stroke()
    return surf


def progress_segment():
    w, h = PROGRESS
    surf, c = canvas(w, h, WHITE)
    rounded(c, 0.5, 0.5, w - 1, h - 1, 2)
    c.set_source(vgrad(0, h, [(0, (120, 214, 140)), (0.5, (60, 176, 96)), (1, (36, 140, 72))]))
    c.fill_preserve()
    c.set_source_rgba(*rgb((30, 120, 60)))
    c.set_line_width(1)
    c.stroke()
    return surf


def grabber():
    surf, c = canvas(*GRABBER, WHITE)
    for x, y in ((6, 2), (6, 4), (4, 4), (6, 6), (4, 6), (2, 6)):
        c.arc(x, y, 0.9, 0, 2 * math.pi)
        c.set_source_rgba(*rgb((140, 156, 180)))
        c.fill()
    return surf


def column_head(name):
    w, h = COLUMN_HEADS[name]
    surf, c = canvas(w, h, PAGE)
    rounded(c, 0.5, 0.5, w - 1, h + 6, 5)
    c.set_source(vgrad(0, h, [(0, (232, 241, 253)), (1, (204, 222, 246))]))
    c.fill_preserve()
    c.set_source_rgba(*rgb((150, 178, 216)))
    c.set_line_width(1)
    c.stroke()
    c.rectangle(0, h - 2, w, 2)
    c.set_source_rgba(*rgb(BLUE))
    c.fill()
    return surf


def report_bar():
    w, h = REPORT_BAR
    surf, c = canvas(w, h, PAGE)
    rounded(c, 0.5, 0.5, w - 1, h - 1, 4)
    c.set_source(vgrad(0, h, [(0, (236, 243, 253)), (1, (200, 220, 246))]))
    c.fill_preserve()
    c.set_source_rgba(*rgb((140, 170, 212)))
    c.set_line_width(1)
    c.stroke()
    # chevron: the panel below opens on a click
    c.set_source_rgba(*rgb(BLUE))
    stroke_round(c, 2)
    c.move_to(w - 18, 9)
    c.line_to(w - 13, 14)
    c.line_to(w - 8, 9)
    c.stroke()
    return surf


def bullet():
    surf, c = canvas(*BULLET, PAGE)
    c.arc(5.5, 5.5, 4.5, 0, 2 * math.pi)
    g = cairo.RadialGradient(4, 4, 0.5, 5.5, 5.5, 5)
    g.add_color_stop_rgba(0, *rgb((170, 210, 255)))
    g.add_color_stop_rgba(1, *rgb(BLUE))
    c.set_source(g)
    c.fill_preserve()
    c.set_source_rgba(*rgb(mix(BLUE, (0, 0, 0), 0.25)))
    c.set_line_width(0.8)
    c.stroke()
    return surf


def handle():
    w, h = HANDLE
    surf, c = canvas(w, h, PAGE)
    rounded(c, 0.5, 0.5, w - 1, h - 1, 2.5)
    c.set_source(vgrad(0, h, [(0, (204, 220, 242)), (1, (170, 196, 230))]))
    c.fill_preserve()
    c.set_source_rgba(*rgb((110, 140, 184)))
    c.set_line_width(1)
    c.stroke()
    for y in (14, 17, 20, 23, 26):
        c.arc(3, y, 0.9, 0, 2 * math.pi)
        c.set_source_rgba(*rgb((70, 100, 150)))
        c.fill()
    return surf


def pen_glyph(c, x, y, s, col_body=BLUE):
    """A pencil pointing down-left, in an s x s box at (x, y)."""
    c.save()
    c.translate(x + s / 2, y + s / 2)
    c.rotate(-math.pi / 4)
    k = s / 26.0
    c.scale(k, k)
    # body
    c.rectangle(-4, -11, 8, 15)
    c.set_source(vgrad(-11, 4, [(0, YELLOW), (1, ORANGE)]))
    c.fill()
    c.rectangle(-4, -11, 8, 15)
    c.set_source_rgba(*rgb(mix(ORANGE, (0, 0, 0), 0.35)))
    c.set_line_width(1 / k)
    c.stroke()
    # eraser and band
    rounded(c, -4, -15, 8, 4.5, 1.5)
    c.set_source_rgba(*rgb((236, 120, 150)))
    c.fill()
    c.rectangle(-4, -11.5, 8, 2)
    c.set_source_rgba(*rgb((160, 168, 180)))
    c.fill()
    # wood tip and lead
    c.move_to(-4, 4)
    c.line_to(4, 4)
    c.line_to(0, 12)
    c.close_path()
    c.set_source_rgba(*rgb((240, 214, 170)))
    c.fill()
    c.move_to(-1.6, 8.8)
    c.line_to(1.6, 8.8)
    c.line_to(0, 12)
    c.close_path()
    c.set_source_rgba(*rgb(INK))
    c.fill()
    c.restore()


def pen_panel():
    w, h = PEN_PANEL
    surf, c = canvas(w, h, PAGE)
    panel(c, 0, 1, w, h - 2, 6)
    pen_glyph(c, 4, 7, 28)
    return surf


# --------------------------------------------------------------- the GIFs
def info_mark():
    w, h = INFO
    surf, c = canvas(w, h)
    c.translate((w - 26) / 2, 0.5)
    icon_about(c, LIVE)
    return surf


def larkspur_spike(c, x, y, scale):
    """The program's emblem: a larkspur flower spike."""
    c.save()
    c.translate(x, y)
    c.scale(scale, scale)
    c.set_source_rgba(*rgb(GREEN))
    stroke_round(c, 2.2)
    c.move_to(16, 46)
    c.curve_to(15, 36, 17, 20, 16, 4)
    c.stroke()
    c.move_to(16, 38)
    c.curve_to(10, 36, 7, 40, 5, 44)
    c.line_to(12, 42)
    c.close_path()
    c.fill()
    flowers = [(16, 6, 3.2), (12, 13, 4.2), (20, 18, 4.6), (11, 25, 5.0), (21, 31, 5.2)]
    for fx, fy, r in flowers:
        for i in range(5):
            a = i * 2 * math.pi / 5 - math.pi / 2
            c.arc(fx + r * 0.55 * math.cos(a), fy + r * 0.55 * math.sin(a), r * 0.55, 0,
                  2 * math.pi)
            c.set_source(vgrad(fy - r, fy + r, [(0, (150, 130, 235)), (1, VIOLET)]))
            c.fill()
        c.arc(fx, fy, r * 0.28, 0, 2 * math.pi)
        c.set_source_rgba(*rgb(WHITE))
        c.fill()
    c.restore()


def logo():
    w, h = LOGO
    surf, c = canvas(w, h)
    larkspur_spike(c, 6, 6, 1.25)
    text(c, "Larkspur", 56, 42, 30, BLUE, bold=True)
    text(c, "practice papers", 58, 60, 12.5, STEEL)
    return surf


def stacked_fraction(c, whole, num, den, x, y, col):
    """Draws a mixed number as written on paper; y is the fraction bar."""
    if whole:
        x += text(c, whole, x, y + 5, 14, col, bold=True) + 2
    c.select_font_face(FONT, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    c.set_font_size(10.5)
    wn = max(c.text_extents(num).x_advance, c.text_extents(den).x_advance)
    text(c, num, x + wn / 2 + 1, y - 2, 10.5, col, bold=True, anchor="centre")
    text(c, den, x + wn / 2 + 1, y + 10, 10.5, col, bold=True, anchor="centre")
    c.rectangle(x, y - 0.5, wn + 2, 1.2)
    c.set_source_rgba(*rgb(col))
    c.fill()


def typed_box(c, s, x, y, w):
    rounded(c, x + 0.5, y + 0.5, w, 18, 3)
    c.set_source_rgba(*rgb((250, 251, 246)))
    c.fill_preserve()
    c.set_source_rgba(*rgb((150, 170, 200)))
    c.set_line_width(1)
    c.stroke()
    c.select_font_face("DejaVu Sans Mono", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    c.set_font_size(12)
    c.set_source_rgba(*rgb(INK))
    c.move_to(x + (w - c.text_extents(s).x_advance) / 2 + 0.5, y + 14)
    c.show_text(s)


def instruction():
    w, h = INSTRUCTION
    surf, c = canvas(w, h, WHITE)
    panel(c, 0, 0, w, h, 7, top=(250, 252, 255), bot=(238, 244, 252), edge=(170, 192, 222))
    text(c, "How to type fractions", 10, 16, 10.5, BLUE, bold=True)
    rows = [("Fraction", "3/4", None, "3", "4", 39), ("Mixed number", "2 1/3", "2", "1", "3", 64)]
    for label, typed, whole, num, den, y in rows:
        text(c, label, 10, y, 9.5, INK)
        typed_box(c, typed, 98, y - 13, 52)
        text(c, "for", 160, y, 9.5, (110, 120, 136))
        stacked_fraction(c, whole, num, den, 186, y - 4.5, BLUE)
    text(c, "Leave one space after the whole number.", 10, 82, 8.5, (96, 106, 122))
    pen_glyph(c, 220, 30, 30)
    return surf


# ---------------------------------------------------------------- the ICOs
def program_icon(size):
    surf, c = canvas(size, size)
    draw_program_icon(c, size)
    return surf


def draw_program_icon(c, size):
    """The program's icon on any cairo surface (bitmap or SVG), size x size."""
    s = size / 32.0
    c.scale(s, s)
    if size >= 32:
        rounded(c, 1, 1, 30, 30, 7)
        c.set_source(vgrad(1, 31, [(0, (98, 160, 236)), (1, (34, 92, 180))]))
        c.fill()
        larkspur_spike(c, 5.5, 3, 0.6)
        return
    # 16 px sits on the blue or white title bar: a light tile reads on both
    rounded(c, 1.5, 1.5, 29, 29, 7)
    c.set_source(vgrad(1, 31, [(0, WHITE), (1, (226, 232, 250))]))
    c.fill_preserve()
    c.set_source_rgba(*rgb(OUTLINE))
    c.set_line_width(2.2)
    c.stroke()
    c.set_source_rgba(*rgb(GREEN))
    stroke_round(c, 3)
    c.move_to(16, 28)
    c.line_to(16, 12)
    c.stroke()
    for fx, fy, r in ((16, 8, 5), (10, 15.5, 4.8), (22, 20, 4.8)):
        c.arc(fx, fy, r, 0, 2 * math.pi)
        c.set_source_rgba(*rgb(VIOLET))
        c.fill()
        c.arc(fx, fy, r * 0.32, 0, 2 * math.pi)
        c.set_source_rgba(*rgb(WHITE))
        c.fill()


def pencil_icon(size):
    surf, c = canvas(size, size)
    s = size / 32.0
    c.scale(s, s)
    sheet(c, 3, 2, 20, 27, STEEL)
    c.set_source_rgba(*rgb(mix(STEEL, WHITE, 0.5)))
    c.set_line_width(1.2)
    for y in (8, 13, 18):
        c.move_to(7, y)
        c.line_to(19, y)
        c.stroke()
    pen_glyph(c, 9, 6, 26)
    return surf


def hand_icon(size):
    """Pointing hand, as over a link."""
    surf, c = canvas(size, size)
    s = size / 32.0
    c.scale(s, s)
    c.new_path()
    c.move_to(11, 16)
    c.line_to(11, 4.5)
    c.arc(13, 4.5, 2, math.pi, 0)
    c.line_to(15, 13)
    c.arc(17, 13.5, 2, math.pi, 0)
    c.arc(21, 14.5, 2, math.pi, 0)
    c.arc(25, 15.5, 2, math.pi, 0)
    c.line_to(27, 23)
    c.curve_to(27, 28, 24, 30, 19, 30)
    c.line_to(16, 30)
    c.curve_to(12, 30, 10, 28, 7, 23)
    c.line_to(4.5, 18.5)
    c.arc(6.5, 17.2, 2.3, 0.9 * math.pi, 1.8 * math.pi)
    c.close_path()
    c.set_source_rgba(*rgb(WHITE))
    c.fill_preserve()
    c.set_source_rgba(*rgb(INK))
    c.set_line_width(1.6)
    c.set_line_join(cairo.LINE_JOIN_ROUND)
    c.stroke()
    c.set_line_width(1.1)
    for x in (15, 19, 23):
        c.move_to(x, 14.5)
        c.line_to(x, 19)
        c.stroke()
    return surf


# ---------------------------------------------------------------- writers
def save_bmp(surf, path, bg=PAGE):
    img = to_image(surf)
    base = Image.new("RGBA", img.size, bg + (255,))
    base.alpha_composite(img)
    base.convert("RGB").save(path, "BMP")  # RGB mode writes a 24-bit bitmap


def save_gif(surf, path, matte=PAGE):
    """GIF with one transparent colour: edge pixels are blended onto `matte`
    (the colour the picture normally sits on), fully clear pixels vanish."""
    img = to_image(surf)
    alpha = img.getchannel("A")
    flat = Image.new("RGBA", img.size, matte + (255,))
    flat.alpha_composite(img)
    pal = flat.convert("RGB").quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                                       dither=Image.Dither.NONE)
    palette = pal.getpalette()[: 255 * 3]
    palette += [255, 0, 255]  # index 255: transparent
    pal.putpalette(palette)
    px = pal.load()
    a = alpha.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            if a[x, y] < 8:
                px[x, y] = 255
    pal.save(path, "GIF", transparency=255)


def save_ico(draw, path, sizes):
    """Writes classic icon entries (32-bit BGRA DIB plus AND mask), the form
    every icon reader understands, rather than PNG-compressed entries."""
    import struct

    frames = [to_image(draw(s)) for s in sizes]
    blobs = []
    for img in frames:
        w, h = img.size
        px = img.load()
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = bytearray()
        for y in range(h - 1, -1, -1):  # bottom-up rows
            for x in range(w):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
        row = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            bits = bytearray(row)
            for x in range(w):
                if px[x, y][3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        blobs.append(header + bytes(xor) + bytes(mask))
    out = struct.pack("<HHH", 0, 1, len(frames))
    offset = 6 + 16 * len(frames)
    for img, blob in zip(frames, blobs):
        w, h = img.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def build(out):
    os.makedirs(out, exist_ok=True)
    made = []

    def bmp(name, surf, bg=PAGE):
        save_bmp(surf, os.path.join(out, name), bg)
        made.append(name)

    def gif(name, surf, matte=PAGE):
        save_gif(surf, os.path.join(out, name), matte)
        made.append(name)

    for name, looks in TOOL_SET:  # items 1-37
        for look in looks:
            bmp(f"{name}_{look}.bmp", tool_picture(name, look))
    bmp("tabs_back_off.bmp", tab(False, False))  # 41-44
    bmp("tabs_back_on.bmp", tab(False, True))
    bmp("tabs_front_off.bmp", tab(True, False))
    bmp("tabs_front_on.bmp", tab(True, True))
    bmp("border_bot.bmp", bottom_strip())  # 45-49
    bmp("border_left.bmp", side_strip(False))
    bmp("border_left_corners.bmp", bottom_corner(False))
    bmp("border_right.bmp", side_strip(True))
    bmp("border_right_corners.bmp", bottom_corner(True))
    bmp("border_top_center.bmp", title_piece(2, True, "centre"))  # 50-55
    bmp("border_top_left.bmp", title_piece(48, True, "left"))
    bmp("border_top_right.bmp", title_piece(48, True, "right"))
    bmp("border_white_top_center.bmp", title_piece(1, False, "centre"))
    bmp("border_white_top_left.bmp", title_piece(48, False, "left"))
    bmp("border_white_top_right.bmp", title_piece(48, False, "right"))
    for look in ("blue", "blueoff", "white"):  # 56-67
        for kind in ("close", "max", "min", "norm"):
            bmp(f"prog_{look}_{kind}.bmp", title_button(kind, look))
    bmp("loadbutton_on.bmp", load_button(True))  # 68-69
    bmp("loadbutton_off.bmp", load_button(False))
    for look in ("off", "on", "pressed"):  # 70-72
        bmp(f"button_{look}.bmp", push_button(look))
    for name in sorted(STATUS_PANELS):  # 73-76
        bmp(name, status_panel(name))
    for name in sorted(COLUMN_HEADS):  # 77-78
        bmp(name, column_head(name))
    bmp("progressbar.bmp", progress_segment())  # 79
    bmp("statusgrabber.bmp", grabber(), WHITE)  # 80
    bmp("bullet.bmp", bullet())  # 81
    bmp("Handle.bmp", handle())  # 82
    bmp("pen.bmp", pen_panel())  # 83
    bmp("bar.bmp", report_bar())  # 84
    save_ico(program_icon, os.path.join(out, "LSicon.ico"), [16, 32, 48])  # 85
    save_ico(pencil_icon, os.path.join(out, "pencil.ico"), [16, 32])  # 86
    save_ico(hand_icon, os.path.join(out, "hand.ico"), [16, 32])  # 87
    made += ["LSicon.ico", "pencil.ico", "hand.ico"]
    gif("info_mark.gif", info_mark())  # 88
    gif("Logo.gif", logo())  # 89
    gif("instruction.gif", instruction(), WHITE)  # 90: on the white answer sheet
    gif("Border_bot_left.gif", dialog_corner(False))  # 91-92
    gif("Border_bot_right.gif", dialog_corner(True))
    return made


# ------------------------------------------------- the desktop's icon theme
# The menu entry's icon: the window icon (LSicon.ico) drawn at the sizes of the
# desktop's hicolor theme, plus a scalable SVG. Named after the program's
# desktop entry, as the desktops look it up.
APP_ID = "org.larkspur.Larkspur"
HICOLOR_SIZES = [16, 32, 48, 64, 128, 256]
SCALABLE_SIZE = 256  # the SVG's nominal size; any size above 32 draws the same design


def build_desktop_icons(out):
    made = []
    for size in HICOLOR_SIZES:
        folder = os.path.join(out, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        to_image(program_icon(size)).save(os.path.join(folder, APP_ID + ".png"), "PNG")
        made.append(f"{size}x{size}")
    folder = os.path.join(out, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    svg = cairo.SVGSurface(os.path.join(folder, APP_ID + ".svg"), SCALABLE_SIZE, SCALABLE_SIZE)
    svg.set_document_unit(cairo.SVGUnit.PX)
    draw_program_icon(cairo.Context(svg), SCALABLE_SIZE)
    svg.finish()
    made.append("scalable")
    return made


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "pictures")
    names = build(target)
    print(f"{len(names)} pictures written to {target}")
    icons = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "icons", "hicolor")
    sizes = build_desktop_icons(icons)
    print(f"program icon ({', '.join(sizes)}) written to {icons}")
