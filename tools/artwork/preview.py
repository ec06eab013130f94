#!/usr/bin/python3
"""Assembles the pictures into mock windows so the set can be judged as a whole.

    /usr/bin/python3 tools/artwork/preview.py [PICTURES_DIR] [OUTPUT_DIR]

Writes mock_home.png (active and inactive), mock_practice.png and
mock_dialog.png, placed by the same frame rules the windows use (title pieces,
stretched centre, side strips, bottom corners, buttons centred in the bar).
Text is drawn with DejaVu Sans where the windows put their labels.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
PAGE = (244, 245, 235)
FONT = "DejaVuSans.ttf"  # Pillow finds it among the system fonts
BOLD = "DejaVuSans-Bold.ttf"


class Mock:
    def __init__(self, pics, w, h, bg=PAGE):
        self.pics = pics
        self.img = Image.new("RGBA", (w, h), bg + (255,))
        self.d = ImageDraw.Draw(self.img)
        self.w, self.h = w, h

    def pic(self, name):
        im = Image.open(os.path.join(self.pics, name))
        if name.endswith(".ico"):
            im.size = (16, 16) if (16, 16) in im.info.get("sizes", {(16, 16)}) else im.size
        return im.convert("RGBA")

    def put(self, name, x, y, size=None):
        im = self.pic(name)
        if size:
            im = im.resize(size, Image.NEAREST)
        self.img.alpha_composite(im, (int(x), int(y)))
        return im.size

    def text(self, s, x, y, size=11, fill=(0, 0, 0), bold=False, anchor="la"):
        f = ImageFont.truetype(BOLD if bold else FONT, size)
        self.d.text((x, y), s, font=f, fill=fill, anchor=anchor)

    def frame(self, active, title, icon, buttons, dialog=False):
        w, h = self.w, self.h
        pre = "border_" if active else "border_white_"
        self.put(pre + "top_left.bmp", 0, 0)
        self.put(pre + "top_center.bmp", 48, 0, (w - 96, 28))
        self.put(pre + "top_right.bmp", w - 48, 0)
        if dialog:
            bl, br, ch = "Border_bot_left.gif", "Border_bot_right.gif", 7
        else:
            bl, br, ch = "border_left_corners.bmp", "border_right_corners.bmp", 4
        self.put("border_left.bmp", 0, 28, (4, h - 28 - ch))
        self.put("border_right.bmp", w - 4, 28, (4, h - 28 - ch))
        self.put(bl, 0, h - ch)
        self.put(br, w - 6, h - ch)
        self.put("border_bot.bmp", 6, h - 4, (w - 12, 4))
        if icon:
            ico = Image.open(os.path.join(self.pics, icon))
            ico.size = (16, 16)
            self.img.alpha_composite(ico.convert("RGBA").resize((16, 16)), (9, 6))
        colour = (255, 255, 255) if active or dialog else (128, 128, 128)
        self.text(title, 16 if dialog else 30, 14, 13, colour, bold=True, anchor="lm")
        x = w - 19 - (4 if not dialog else 4)
        for b in buttons:
            self.put(b, x, 4)
            x -= 19 + 2
        # the window outline clips the top corners
        mask = Image.new("L", (w, h), 255)
        md = ImageDraw.Draw(mask)
        pts = [(0, 5), (1, 3), (2, 2), (3, 1), (5, 0), (w - 5, 0), (w - 3, 1), (w - 2, 2),
               (w - 1, 3), (w, 5)]
        if dialog:
            pts += [(w, h - 7), (w - 2, h - 3), (w - 3, h - 2), (w - 7, h), (7, h), (3, h - 2),
                    (2, h - 3), (0, h - 7)]
        else:
            pts += [(w, h), (0, h)]
        md.rectangle((0, 0, w, h), fill=0)
        md.polygon(pts, fill=255)
        out = Image.new("RGBA", (w, h), (60, 60, 60, 255))
        out.paste(self.img, (0, 0), mask)
        self.img = out
        self.d = ImageDraw.Draw(self.img)


def home(pics, active):
    m = Mock(pics, 404, 492)
    # tabs over the strip: the selected one last
    x = 2
    strip_top = 60
    tabs = ["English", "Mathematics", "Science", "Help"]
    for i, name in enumerate(tabs):
        if i != 0:
            m.put("tabs_back_on.bmp" if i == 2 else "tabs_back_off.bmp", x, strip_top - 26 + 2)
            m.text(name, x + 39, strip_top - 12, 11, (40, 52, 70), anchor="mm")
        x += 79 - 4
    m.d.rectangle((2, strip_top, 401, strip_top + 52), fill=PAGE)
    m.d.line((2, strip_top, 401, strip_top), fill=(128, 156, 196))
    m.d.line((2, strip_top + 52, 401, strip_top + 52), fill=(200, 208, 220))
    m.put("tabs_front_off.bmp", 2, strip_top - 27 + 2)
    m.text(tabs[0], 2 + 39, strip_top - 12, 11, (20, 40, 80), bold=True, anchor="mm")
    for i, (pic, cap) in enumerate([("home_pressed.bmp", "Home"), ("report_on.bmp", "Report"),
                                    ("print_off.bmp", "Print"), ("close_off.bmp", "Close")]):
        bx = 8 + i * 52
        m.put(pic, bx, strip_top + 4)
        m.text(cap, bx + 22, strip_top + 4 + 38, 10, (40, 52, 70), anchor="mm")
    top = strip_top + 60
    m.put("columnhead1.bmp", 10, top)
    m.text("Select a Topic", 18, top + 11, 11, (20, 40, 80), bold=True, anchor="lm")
    m.put("columnhead2.bmp", 172, top)
    m.text("Fractions", 180, top + 11, 11, (20, 40, 80), bold=True, anchor="lm")
    topics = ["Whole Numbers", "Fractions", "Decimals", "Measurement", "Geometry", "Data",
              "Mock Examination"]
    for i, t in enumerate(topics):
        y = top + 32 + i * 22
        m.put("bullet.bmp", 14, y)
        m.text(t, 30, y + 5, 11, (45, 108, 196) if i == 1 else (40, 52, 70), bold=i == 1,
               anchor="lm")
    for n in range(5):
        y = top + 32 + n * 40
        m.text(f"Paper {n + 1}", 180, y + 6, 11, (40, 52, 70), bold=True, anchor="lm")
        m.text("1st Attempt:    80 %", 250, y + 6, 10, (40, 52, 70), anchor="lm")
        m.text("2nd Attempt:    90 %", 250, y + 22, 10, (40, 52, 70), anchor="lm")
        m.put("loadbutton_on.bmp" if n == 1 else "loadbutton_off.bmp", 358, y)
        if n < 3:
            m.put("loadbutton_off.bmp", 358, y + 16)
    m.put("bar.bmp", 8, 410)
    m.text("Overall Results", 16, 421, 11, (20, 40, 80), bold=True, anchor="lm")
    m.put("button_off.bmp", 60, 448)
    m.text("Erase", 100, 460, 11, anchor="mm")
    m.put("button_on.bmp", 160, 448)
    m.text("Yes", 200, 460, 11, anchor="mm")
    m.put("button_pressed.bmp", 260, 448)
    m.text("No", 300, 460, 11, anchor="mm")
    buttons = (["prog_blueoff_close.bmp", "prog_blue_min.bmp"] if active
               else ["prog_white_close.bmp", "prog_white_min.bmp"])
    m.frame(active, "Larkspur Primary Practice", "LSicon.ico", buttons)
    return m.img


def practice(pics):
    m = Mock(pics, 800, 600)
    strip_top, strip_h = 28, 51
    caps = [("save_off.bmp", "Save"), ("mark_on.bmp", "Mark"), ("print_off.bmp", "Print"),
            ("close_off.bmp", "Close")]
    for i, (pic, cap) in enumerate(caps):
        bx = 4 + 8 + i * 52
        m.put(pic, bx, strip_top + 4)
        m.text(cap, bx + 22, strip_top + 4 + 38, 10, (40, 52, 70), anchor="mm")
    m.put("pen.bmp", 800 - 273, strip_top + 4)
    m.text("Your score", 800 - 273 + 36, strip_top + 16, 10, (40, 52, 70), anchor="lm")
    m.text("85.5 %", 800 - 273 + 36, strip_top + 31, 12, (45, 108, 196), bold=True, anchor="lm")
    for i, (pic, cap) in enumerate([("back_disabled.bmp", "Back"), ("forward_pressed.bmp", "Next")]):
        bx = 800 - 4 - 8 - 44 - (1 - i) * 52
        m.put(pic, bx, strip_top + 4)
        m.text(cap, bx + 22, strip_top + 4 + 38, 10, (40, 52, 70), anchor="mm")
    body_top = strip_top + strip_h
    ans_l = 800 - 273 - 4
    m.d.rectangle((4, body_top, ans_l - 8, 600 - 4 - 25), fill=(255, 255, 255))
    m.text("Question 3", 16, body_top + 14, 13, (45, 108, 196), bold=True, anchor="lm")
    m.text("Write 0.75 as a fraction in its simplest form.   (a) ______", 16, body_top + 44, 12,
           (40, 52, 70), anchor="lm")
    m.d.rectangle((ans_l - 7, body_top, ans_l - 1, 596), fill=PAGE)
    m.put("Handle.bmp", ans_l - 7, body_top + 96)
    m.d.rectangle((ans_l, body_top, 795, 595), fill=(255, 255, 255))
    m.text("Answer sheet", ans_l + 10, body_top + 14, 12, (45, 108, 196), bold=True, anchor="lm")
    for i, ch in enumerate("abc"):
        y = body_top + 34 + i * 28
        m.text(f"({ch})", ans_l + 10, y + 10, 11, (40, 52, 70), anchor="lm")
        m.d.rectangle((ans_l + 40, y, ans_l + 200, y + 20), outline=(178, 217, 246), fill=None)
    m.put("instruction.gif", ans_l, 596 - 89)
    sb = 600 - 4 - 25
    m.d.rectangle((4, sb, ans_l - 8, 596), fill=PAGE)
    x = 8
    # while marking runs the progress panel takes the place of "Qns left"
    for name, s in (("bottombg3.bmp", "12 / 20"), ("bottombg3.bmp", "12/05/2025"),
                    ("bottombg3.bmp", "0:4:37")):
        size = m.put(name, x, sb + 2)
        m.text(s, x + size[0] / 2, sb + 12, 10, (40, 52, 70), anchor="mm")
        x += size[0] + 4
    fx = x
    m.put("bottombg4.bmp", fx, sb + 2)
    for i in range(9):
        m.put("progressbar.bmp", fx + 10 + 12 * i, sb + 2 + 4)
    m.put("statusgrabber.bmp", 800 - 8 - 2, 600 - 8 - 2)
    m.frame(True, "Larkspur Primary Practice", "pencil.ico",
            ["prog_blue_close.bmp", "prog_blueoff_max.bmp", "prog_blueoff_min.bmp"])
    return m.img


def dialog(pics):
    m = Mock(pics, 265, 150)
    m.put("info_mark.gif", 16, 44)
    m.text("Do you want to mark your", 58, 44, 11, anchor="la")
    m.text("practice now?", 58, 58, 11, anchor="la")
    m.put("button_on.bmp", 58, 109)
    m.text("Yes", 98, 121, 11, anchor="mm")
    m.put("button_off.bmp", 148, 109)
    m.text("No", 188, 121, 11, anchor="mm")
    m.frame(True, "Marking", None, [], dialog=True)
    return m.img


def contact_sheet(pics):
    """Every picture at twice its size on a grey ground, named and measured."""
    names = sorted(os.listdir(pics), key=str.lower)
    cells = []
    for n in names:
        im = Image.open(os.path.join(pics, n))
        if n.endswith(".ico"):
            im.size = max(im.info.get("sizes", {im.size}))
        im = im.convert("RGBA")
        cells.append((n, im.size, im.resize((im.width * 2, im.height * 2), Image.NEAREST)))
    font = ImageFont.truetype(FONT, 10)
    width, pad = 1100, 10
    x = y = pad
    row_h = 0
    placed = []
    for n, size, im in cells:
        cw = max(im.width, 130)
        if x + cw > width:
            x, y = pad, y + row_h + pad
            row_h = 0
        placed.append((x, y, n, size, im))
        x += cw + pad
        row_h = max(row_h, im.height + 26)
    sheet = Image.new("RGBA", (width, y + row_h + pad), (200, 200, 200, 255))
    d = ImageDraw.Draw(sheet)
    for x, y, n, size, im in placed:
        sheet.alpha_composite(im, (x, y))
        d.text((x, y + im.height + 2), n, font=font, fill=(0, 0, 0))
        d.text((x, y + im.height + 13), f"{size[0]} x {size[1]}", font=font, fill=(70, 70, 70))
    return sheet


def main():
    pics = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "pictures")
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "preview")
    os.makedirs(out, exist_ok=True)
    a, b = home(pics, True), home(pics, False)
    both = Image.new("RGBA", (a.width * 2 + 20, a.height), (60, 60, 60, 255))
    both.paste(a, (0, 0))
    both.paste(b, (a.width + 20, 0))
    both.save(os.path.join(out, "mock_home.png"))
    practice(pics).save(os.path.join(out, "mock_practice.png"))
    d = dialog(pics)
    d.resize((d.width * 3, d.height * 3), Image.NEAREST).save(os.path.join(out, "mock_dialog.png"))
    contact_sheet(pics).save(os.path.join(out, "contact_sheet.png"))
    print("mock windows and contact sheet written to", out)


if __name__ == "__main__":
    main()
