"""Question makers for Percentage and Ratio, Measurement, and Geometry and Data."""

import math
from fractions import Fraction as Fr

import svg
from core import ORDINAL_KEYS, F_SIMPLEST, Retry, dec, frac, listing, money, num, pounds, time24_key
from whole_fraction_decimal import NAMES, mk, rdec

# =============================================================================================
# Percentage and Ratio

NICE_PERCENTS = [[10, 50, 25], [10, 20, 25, 50, 75], [5, 15, 30, 40, 60, 75],
                 [12, 35, 45, 65, 85, 95], [2.5, 17.5, 12.5, 35, 65, 8]]


def pc_of_amount(q, r, L):
    p = Fr(str(r.choice(NICE_PERCENTS[L - 1])))
    base = r.choice([20, 40, 60, 80, 120, 200, 240, 360, 400, 640, 800])
    v = p * base / 100
    if (v * 100).denominator != 1:
        raise Retry()
    if r.random() < 0.5:
        q.p("Find %s%% of %s." % (dec(p), num(base)))
        q.p(q.b("N", dec(v), mk(L)))
    else:
        q.p("Find %s%% of &pound;%s. Give your answer in pounds, without the &pound; sign." % (dec(p), num(base)))
        q.p(q.b("N", dec(v), mk(L)))


def pc_convert(q, r, L):
    p = r.choice([5, 10, 15, 20, 25, 30, 35, 40, 45, 55, 60, 65, 70, 75, 80, 85, 90, 95, 12, 48, 64])
    kind = r.choice(["dec", "frac", "pct"])
    if kind == "dec":
        q.p("Write %d%% as a decimal." % p)
        q.p(q.b("N", dec(Fr(p, 100)), 1))
    elif kind == "frac":
        q.p("Write %d%% as a fraction. %s" % (p, F_SIMPLEST))
        q.p(q.b("F", frac(Fr(p, 100)), mk(L)))
    else:
        x = Fr(p, 100)
        q.p("Write %s as a percentage." % frac(x))
        q.p("%s %%" % q.b("N", p, mk(L)))


def pc_three_forms(q, r, L):
    p = r.choice([10, 20, 25, 30, 40, 45, 60, 70, 75, 80, 90, 35, 65])
    x = Fr(p, 100)
    q.p("Complete the table. Give the fraction in its simplest form.")
    q.p("Percentage: %d%%" % p)
    q.p("Decimal: %s" % q.b("N", dec(x), 1))
    q.p("Fraction: %s" % q.b("F", frac(x), 1))


def pc_increase(q, r, L):
    p = r.choice([10, 20, 25, 50, 5, 15, 30, 40, 12, 35][: [3, 4, 6, 8, 10][L - 1]])
    price = r.choice([20, 40, 60, 80, 120, 150, 240, 300, 360, 480])
    up = r.random() < 0.4
    item = r.choice(["coat", "bike", "television", "tent", "guitar", "watch", "scooter"])
    if up:
        q.p("A %s costs &pound;%d. Its price goes up by %d%%. What is the new price? Give your answer in pounds, without the &pound; sign." % (item, price, p))
        v = Fr(price) * (100 + p) / 100
    else:
        q.p("A %s costs &pound;%d. In a sale the price is cut by %d%%. What is the sale price? Give your answer in pounds, without the &pound; sign." % (item, price, p))
        v = Fr(price) * (100 - p) / 100
    q.p(q.b("N", dec(v), mk(L, 1, 2, 3)))


def pc_grid(q, r, L):
    k = r.randint(5, 95)
    q.picture(svg.shaded_grid(10, 10, k, r), "a grid of 100 squares with %d shaded" % k)
    if L >= 3 and r.random() < 0.5:
        q.p("What percentage of the grid is <b>not</b> shaded?")
        q.p("%s %%" % q.b("N", 100 - k, 1))
    else:
        q.p("What percentage of the grid is shaded?")
        q.p("%s %%" % q.b("N", k, 1))


def pc_score(q, r, L):
    out_of = r.choice([10, 20, 25, 50, 40, 80, 200][: [4, 4, 5, 7, 7][L - 1]])
    score = r.randint(1, out_of - 1)
    if (Fr(score * 100, out_of)).denominator != 1:
        raise Retry()
    who = r.choice(NAMES)
    q.p("%s scored %d out of %d in a test. What percentage is that?" % (who, score, out_of))
    q.p("%s %%" % q.b("N", score * 100 // out_of, mk(L)))


def pc_share(q, r, L):
    a, b = r.randint(1, [3, 4, 5, 7, 9][L - 1]), r.randint(1, [4, 5, 7, 9, 11][L - 1])
    if math.gcd(a, b) != 1 or a == b:
        raise Retry()
    each = r.randint(2, [5, 8, 12, 20, 25][L - 1])
    total = (a + b) * each
    p1, p2 = r.sample(NAMES, 2)
    thing = r.choice(["sweets", "marbles", "stickers", "pounds", "stamps", "shells", "conkers", "football cards"])
    if thing == "pounds":
        q.p("%s and %s share &pound;%d in the ratio %d : %d. How much does each of them get? "
            "Give your answers in pounds, without the &pound; sign." % (p1, p2, total, a, b))
    else:
        q.p("%s and %s share %d %s in the ratio %d : %d. How many does each of them get?" % (p1, p2, total, thing, a, b))
    q.p("%s: %s" % (p1, q.b("N", a * each, mk(L))))
    q.p("%s: %s" % (p2, q.b("N", b * each, mk(L))))


def pc_simplify_ratio(q, r, L):
    a, b = r.randint(1, 9), r.randint(1, 9)
    if math.gcd(a, b) != 1 or a == b:
        raise Retry()
    k = r.randint(2, [5, 6, 8, 12, 15][L - 1])
    q.p("Write the ratio %d : %d in its simplest form." % (a * k, b * k))
    q.p("%s : %s" % (q.b("N", a, 1), q.b("N", b, 1)))


def pc_recipe(q, r, L):
    people = r.choice([2, 4, 5, 6, 8])
    new = r.choice([x for x in (2, 3, 4, 6, 8, 10, 12, 15, 20) if x != people])
    per = r.choice([50, 100, 150, 200, 250, 300, 400, 500, 600])
    v = Fr(per * new, people)
    if v.denominator != 1:
        raise Retry()
    ing = r.choice([("flour", "g"), ("sugar", "g"), ("milk", "ml"), ("rice", "g"), ("stock", "ml")])
    q.p("A recipe for %d people uses %d %s of %s. How much %s is needed for %d people? Give your answer in %s." % (
        people, per, ing[1], ing[0], ing[0], new, ing[1]))
    q.p(q.b("N", dec(v), mk(L, 1, 2)))


def pc_unitary(q, r, L):
    n = r.randint(2, 8)
    unit = Fr(r.randint(15, 180), 20)
    m = r.randint(2, 12)
    if m == n:
        raise Retry()
    item = r.choice(["pens", "notebooks", "apples", "bus tickets", "cupcakes", "postcards"])
    q.p("%d %s cost %s. How much do %d %s cost? Give your answer in pounds, without the &pound; sign." % (n, item, money(unit * n), m, item))
    q.p(q.b("N", dec(unit * m), mk(L, 1, 2, 3)))


def pc_ratio_part(q, r, L):
    a, b = r.randint(1, 6), r.randint(2, 9)
    if math.gcd(a, b) != 1 or a == b:
        raise Retry()
    k = r.randint(2, 10)
    q.p("In a class the ratio of boys to girls is %d : %d. There are %d girls. How many boys are there?" % (a, b, b * k))
    q.p(q.b("N", a * k, mk(L)))


def pc_fraction_ratio(q, r, L):
    a, b = r.randint(2, 12), r.randint(2, 12)
    if a == b:
        raise Retry()
    c1, c2 = r.sample(["red", "blue", "green", "yellow", "white"], 2)
    g = math.gcd(a, b)
    q.p("A bag holds %d %s beads and %d %s beads." % (a, c1, b, c2))
    q.p("What fraction of the beads are %s? %s %s" % (c1, F_SIMPLEST, q.b("F", frac(Fr(a, a + b)), mk(L))))
    q.p("Write the ratio of %s beads to %s beads in its simplest form: %s : %s" % (
        c1, c2, q.b("N", a // g, 1), q.b("N", b // g, 1)))


def pc_same_as(q, r, L):
    p = r.choice([20, 25, 40, 50, 60, 75, 80, 10, 30, 70, 90])
    x = Fr(p, 100)
    wrong = ["%s" % dec(Fr(p, 1000)), "1/%d" % (p // 10 if p % 10 == 0 and p > 10 else 4), "%d/%d" % (x.denominator, x.numerator) if x.numerator > 1 else "%d/10" % (p // 5 % 10 or 3),
             "%s" % dec(Fr(p, 10)), "%d/%d" % (p, 1000)]
    wrong = [w for w in wrong if (Fr(w) if "/" in w else Fr(w)) != x]
    q.choice(r, "Which of these is the same as %d%%?" % p, frac(x) if r.random() < 0.5 else dec(x), wrong)


def pc_scale(q, r, L):
    scale = r.choice([1000, 5000, 10000, 25000, 50000, 100000])
    cm = r.randint(2, 12)
    real_m = cm * scale // 100
    if real_m >= 1000:
        q.p("A map has a scale of 1 : %s. Two towns are %d cm apart on the map. How far apart are they really? Give your answer in km." % (num(scale), cm))
        q.p(q.b("N", dec(Fr(real_m, 1000)), mk(L, 2, 2, 3)))
    else:
        q.p("A plan has a scale of 1 : %s. A path is %d cm long on the plan. How long is the real path? Give your answer in m." % (num(scale), cm))
        q.p(q.b("N", real_m, mk(L, 2, 2, 3)))


def pc_reverse(q, r, L):
    p = r.choice([10, 20, 25, 40, 50])
    orig = r.choice([40, 60, 80, 120, 160, 200, 240, 300])
    sale = Fr(orig * (100 - p), 100)
    if sale.denominator != 1:
        raise Retry()
    item = r.choice(["jacket", "rucksack", "pair of trainers", "lamp", "board game", "bike helmet", "camera"])
    q.p("In a sale everything is %d%% off. A %s now costs %s. What was its price before the sale? Give your answer in pounds, without the &pound; sign." % (p, item, pounds(sale)))
    q.p(q.b("N", orig, 3))


def pc_compare(q, r, L):
    p = r.choice([10, 20, 25, 50, 75])
    a = r.choice([40, 60, 80, 120, 200])
    fr_ = r.choice([Fr(1, 2), Fr(1, 3), Fr(1, 4), Fr(2, 3), Fr(3, 4), Fr(1, 5)])
    b = fr_.denominator * r.randint(4, 30)
    va, vb = Fr(p * a, 100), fr_ * b
    if va == vb:
        raise Retry()
    q.p("Work out both amounts.")
    q.p("%d%% of %d = %s" % (p, a, q.b("N", dec(va), 1)))
    q.p("%s of %d = %s" % (frac(fr_), b, q.b("N", dec(vb), 1)))
    q.p("Which is larger? Write <i>first</i> or <i>second</i>. %s" % q.b("M", ORDINAL_KEYS["first" if va > vb else "second"], 1))


def pc_better_buy(q, r, L):
    price = r.choice([40, 50, 60, 80, 120, 150, 200])
    p = r.choice([10, 15, 20, 25, 30])
    off = Fr(price * p, 100) + r.choice([-3, -2, -1, 1, 2, 3])
    item = r.choice(["game", "scooter", "keyboard", "tent", "pair of skates", "telescope", "tablet case"])
    q.p("A %s costs &pound;%d in two shops. Shop A takes %d%% off the price. Shop B takes %s off the price." % (item, price, p, pounds(off)))
    q.p("How much is the %s in shop A? Give your answer in pounds, without the &pound; sign. %s" % (item, q.b("N", dec(price - Fr(price * p, 100)), 1)))
    q.p("How much is the %s in shop B? Give your answer in pounds, without the &pound; sign. %s" % (item, q.b("N", dec(price - off), 1)))
    cheaper = "A" if Fr(price * p, 100) > off else "B"
    q.p("Which shop is cheaper? Write A or B. %s" % q.b("M", ";%s;shop %s" % (cheaper, cheaper), 1))


def pc_ratio_fraction(q, r, L):
    a, b = r.randint(1, 7), r.randint(1, 7)
    if a == b:
        raise Retry()
    x, y = r.sample(["cats", "dogs", "rabbits", "hamsters"], 2)
    q.p("At a pet show the ratio of %s to %s is %d : %d. There are no other animals. "
        "What fraction of the animals are %s? %s" % (x, y, a, b, x, F_SIMPLEST))
    q.p(q.b("F", frac(Fr(a, a + b)), mk(L)))


def pc_rest(q, r, L):
    parts = r.sample(range(5, 60, 5), 2)
    if sum(parts) >= 100:
        raise Retry()
    a, b = r.sample(["walk", "cycle", "come by bus"], 2)
    q.p("In a survey %d%% of the pupils %s to school, %d%% %s and the rest come by car. "
        "What percentage come by car?" % (parts[0], a, parts[1], b))
    q.p("%s %%" % q.b("N", 100 - sum(parts), mk(L)))


def pc_enlarge(q, r, L):
    w, h = r.randint(2, 9), r.randint(2, 9)
    k = r.randint(2, 5)
    if w == h:
        raise Retry()
    q.p("A photo is %d cm wide and %d cm tall. It is enlarged so that every length is %d times as long." % (w, h, k))
    q.p("New width in cm: %s" % q.b("N", w * k, 1))
    q.p("New height in cm: %s" % q.b("N", h * k, 1))


PERCENT_RATIO = [
    (pc_of_amount, 1, 5), (pc_convert, 1, 4), (pc_three_forms, 1, 4), (pc_increase, 2, 5),
    (pc_grid, 1, 3), (pc_score, 2, 5), (pc_share, 1, 5), (pc_simplify_ratio, 1, 5),
    (pc_recipe, 1, 5), (pc_unitary, 2, 5), (pc_ratio_part, 2, 5), (pc_fraction_ratio, 1, 5),
    (pc_same_as, 1, 3), (pc_scale, 4, 5), (pc_reverse, 5, 5), (pc_compare, 3, 5),
    (pc_better_buy, 3, 5), (pc_ratio_fraction, 2, 5), (pc_rest, 1, 4), (pc_enlarge, 1, 3),
]


# =============================================================================================
# Measurement

CONVERSIONS = [("km", "m", 1000), ("m", "cm", 100), ("cm", "mm", 10), ("m", "mm", 1000),
               ("kg", "g", 1000), ("l", "ml", 1000)]
UNIT_NAMES = {"km": "km", "m": "m", "cm": "cm", "mm": "mm", "kg": "kg", "g": "g", "l": "litres", "ml": "ml"}


def me_convert(q, r, L):
    big, small, factor = r.choice(CONVERSIONS)
    dp = [0, 1, 1, 2, 3][L - 1]
    x = rdec(r, 1, 20, dp) if dp else Fr(r.randint(1, 20))
    if r.random() < 0.5:
        q.p("Change %s %s into %s." % (num(x), UNIT_NAMES[big], UNIT_NAMES[small]))
        q.p("%s %s" % (q.b("N", dec(x * factor), 1), UNIT_NAMES[small]))
    else:
        y = x * factor
        q.p("Change %s %s into %s." % (num(y), UNIT_NAMES[small], UNIT_NAMES[big]))
        q.p("%s %s" % (q.b("N", dec(x), mk(L)), UNIT_NAMES[big]))


def me_convert_multi(q, r, L):
    picks = r.sample(CONVERSIONS, 3)
    q.p("Fill in the missing numbers.")
    for big, small, factor in picks:
        x = rdec(r, 0.1, 9.9, [1, 1, 1, 2, 2][L - 1])
        if r.random() < 0.5:
            q.p("%s %s = %s %s" % (num(x), UNIT_NAMES[big], q.b("N", dec(x * factor), 1), UNIT_NAMES[small]))
        else:
            q.p("%s %s = %s %s" % (num(x * factor), UNIT_NAMES[small], q.b("N", dec(x), 1), UNIT_NAMES[big]))


def me_choose_unit(q, r, L):
    things = [("the length of a football pitch", "m", ["km", "mm", "cm"]),
              ("the distance from London to Paris", "km", ["m", "cm", "mm"]),
              ("the thickness of a coin", "mm", ["km", "m", "kg"]),
              ("the mass of an apple", "g", ["kg", "ml", "cm"]),
              ("the mass of a car", "kg", ["g", "ml", "mm"]),
              ("the amount of water in a bath", "litres", ["ml", "g", "km"]),
              ("the amount of medicine on a spoon", "ml", ["litres", "kg", "m"]),
              ("the length of a pencil", "cm", ["km", "m", "kg"])]
    what, right, wrong = r.choice(things)
    q.choice(r, "Which unit would you use to measure %s?" % what, right, wrong)


def me_abbrev(q, r, L):
    pairs = [("kilometres", "km"), ("millimetres", "mm"), ("centimetres", "cm"), ("kilograms", "kg"),
             ("millilitres", "ml"), ("grams", "g"), ("metres", "m")]
    full, short = r.choice(pairs)
    if r.random() < 0.5:
        q.p("Write the short form (the abbreviation) of the unit <i>%s</i>." % full)
        q.p(q.b("T", short, 1))
    else:
        facts = [("There are 1,000 grams in one", ";kilogram;kilogramme"), ("There are 100 centimetres in one", ";metre;meter"),
                 ("There are 1,000 millilitres in one", ";litre;liter"), ("There are 1,000 metres in one", ";kilometre;kilometer"),
                 ("There are 10 millimetres in one", ";centimetre;centimeter")]
        stem, word = r.choice(facts)
        q.p("Complete the sentence with the name of a unit, written in full: %s %s." % (stem, q.b("M", word, 1)))


def me_clock(q, r, L):
    h = r.randint(1, 12)
    m = r.choice([[0, 30], [0, 15, 30, 45], list(range(0, 60, 5)), list(range(0, 60, 5)), list(range(0, 60, 1))][L - 1])
    if m == 0 and L >= 3:
        raise Retry()
    def t(hh, mm):
        return "%d:%02d" % ((hh - 1) % 12 + 1, mm % 60)
    wrong = [t(m // 5 if m else 12, h * 5), t(h + 1, m), t(h - 1, m), t(h, (60 - m) % 60), t(h, m + 5)]
    q.picture(svg.clock(h, m), "a clock face")
    q.choice(r, "What time does the clock show?", t(h, m), wrong)


def me_duration(q, r, L):
    sh, sm = r.randint(8, 19), r.choice(range(0, 60, 5))
    length = r.randint(20, [60, 90, 150, 200, 260][L - 1])
    if L <= 2:
        length -= length % 5
    e = sh * 60 + sm + length
    eh, em = divmod(e, 60)
    what = r.choice(["A film", "A football match", "A school trip", "A concert", "A swimming lesson"])
    q.p("%s starts at %02d:%02d and ends at %02d:%02d. How long does it last? Give your answer in minutes." % (what, sh, sm, eh, em))
    q.p(q.b("N", length, mk(L)))


def me_time_convert(q, r, L):
    kind = r.randint(0, 3)
    if kind == 0:
        h = Fr(r.randint(2, 12), 2) if L >= 2 else Fr(r.randint(1, 6))
        q.p("How many minutes are there in %s hours?" % (dec(h) if h.denominator == 1 else "%d and a half" % int(h)))
        q.p(q.b("N", dec(h * 60), 1))
    elif kind == 1:
        mnt = r.randint(2, 15)
        q.p("How many seconds are there in %d minutes?" % mnt)
        q.p(q.b("N", mnt * 60, 1))
    elif kind == 2:
        w = r.randint(2, 12)
        q.p("How many days are there in %d weeks?" % w)
        q.p(q.b("N", w * 7, 1))
    else:
        mins = r.randint(70, 300)
        q.p("Write %d minutes in hours and minutes." % mins)
        q.p("%s hours %s minutes" % (q.b("N", mins // 60, 1), q.b("N", mins % 60, 1)))


def me_24h(q, r, L):
    h, m = r.randint(1, 11), r.choice(range(5, 60, 5))
    pm = r.random() < 0.7
    hh = h + 12 if pm else h
    if r.random() < 0.5:
        q.p("Write %d:%02d %s as a 24-hour clock time." % (h, m, "pm" if pm else "am"))
        q.p(q.b("M", time24_key(hh * 60 + m), 1))
    else:
        q.choice(r, "Which 24-hour clock time is the same as %d:%02d %s?" % (h, m, "pm" if pm else "am"),
                 "%02d:%02d" % (hh, m), ["%02d:%02d" % (h + 10 if pm else h + 12, m), "%02d:%02d" % ((h + 2) % 24, m),
                                        "%02d:%02d" % (h if pm else h + 12, m), "%02d:%02d" % (hh, (m + 30) % 60)])


def me_ruler(q, r, L):
    start = 0 if L <= 2 else r.choice([0, 10, 20, 30])
    length = r.randint(3, 9) * 10 if L == 1 else r.randint(25, 95)
    if L == 2:
        length -= length % 5
    what = r.choice(["pencil", "ribbon", "crayon", "nail", "leaf stalk", "straw"])
    q.picture(svg.ruler(start, length, what=what), "a %s beside a centimetre ruler" % what)
    q.p("How long is the %s? Give your answer in cm." % what)
    q.p(q.b("N", dec(Fr(length, 10)), mk(L)))


def me_volume(q, r, L):
    l, w, h = r.randint(2, [5, 8, 10, 12, 15][L - 1]), r.randint(2, 8), r.randint(2, 9)
    q.picture(svg.cuboid(l, w, h), "a cuboid %d cm by %d cm by %d cm" % (l, w, h))
    q.p("A cuboid measures %d cm by %d cm by %d cm. What is its volume? Give your answer in cm&sup3;." % (l, w, h))
    q.p(q.b("N", l * w * h, mk(L)))


def me_mass_story(q, r, L):
    bag = rdec(r, 1, 5, 1)
    used = r.randint(1, int(bag * 1000) // 100 - 1) * 100 + (r.choice([0, 50]) if L >= 3 else 0)
    if used >= bag * 1000:
        raise Retry()
    what = r.choice(["flour", "sugar", "potatoes", "rice", "oats"])
    q.p("A bag of %s weighs %s kg. %s uses %d g of it. How much is left? Give your answer in grams." % (
        what, dec(bag), r.choice(NAMES), used))
    q.p(q.b("N", dec(bag * 1000 - used), mk(L)))


def me_capacity_story(q, r, L):
    jug = Fr(r.randint(2, 12), 2)
    glass = r.choice([100, 125, 200, 250, 500])
    n = jug * 1000 / glass
    if n.denominator != 1:
        raise Retry()
    q.p("A jug holds %s %s of juice. How many %d ml glasses can be filled from the jug?" % (
        dec(jug), "litre" if jug == 1 else "litres", glass))
    q.p(q.b("N", int(n), mk(L)))


def me_longest(q, r, L):
    base = Fr(r.randint(80, 250), 100)  # metres
    vals = {base, base + Fr(r.randint(1, 9), 100), base - Fr(r.randint(1, 9), 100), base + Fr(r.randint(1, 15), 1000)}
    if len(vals) < 4:
        raise Retry()
    vals = sorted(vals)
    shown = []
    units = r.sample(["m", "cm", "mm", "m"], 4)
    for v, u in zip(vals, units):
        shown.append((v, {"m": num(v) + " m", "cm": num(v * 100) + " cm", "mm": num(v * 1000) + " mm"}[u]))
    big = r.random() < 0.6
    correct = shown[-1] if big else shown[0]
    q.choice(r, "Which length is the %s?" % ("longest" if big else "shortest"), correct[1],
             [s for v, s in shown if s != correct[1]])


# Things a pupil might buy, with the price range (in pence) each really comes in.
SHOP_ITEMS = [("a book", 399, 899), ("a ruler", 45, 150), ("a game", 499, 1499), ("a ball", 199, 699),
              ("a puzzle", 299, 899), ("a torch", 250, 799), ("a kite", 399, 999), ("a cap", 350, 899),
              ("a water bottle", 199, 699), ("a skipping rope", 150, 450), ("a paintbrush", 60, 250),
              ("a yo-yo", 99, 399), ("a pencil case", 150, 599), ("a bag of marbles", 120, 350),
              ("a frisbee", 199, 599), ("a hairband", 50, 250), ("a compass", 150, 450), ("a calculator", 299, 899),
              ("a plant pot", 99, 499), ("a bird feeder", 250, 999), ("a badge", 50, 199), ("a map", 199, 599)]


def me_money_total(q, r, L):
    k = r.randint(2, 4)
    chosen = r.sample(SHOP_ITEMS, k)
    prices = [Fr(r.randint(lo, hi), 100) for _, lo, hi in chosen]
    who = r.choice(NAMES)
    listed = listing("%s at %s" % (it, money(p)) for (it, _, _), p in zip(chosen, prices))
    q.p("%s buys %s. What is the total cost? Give your answer in pounds, without the &pound; sign." % (who, listed))
    q.p(q.b("N", dec(sum(prices)), mk(L)))


def me_speed(q, r, L):
    sp = r.choice([30, 40, 45, 50, 60, 70, 80])
    h = r.randint(2, 5)
    if r.random() < 0.5:
        q.p("A car travels at a steady %d km per hour. How far does it go in %d hours? Give your answer in km." % (sp, h))
        q.p(q.b("N", sp * h, mk(L, 2, 2, 3)))
    else:
        q.p("A train travels %d km in %d hours at a steady speed. What is its speed? Give your answer in km per hour." % (sp * h, h))
        q.p(q.b("N", sp, mk(L, 2, 2, 3)))


def me_calendar(q, r, L):
    months = [("January", 31), ("March", 31), ("April", 30), ("May", 31), ("June", 30), ("July", 31),
              ("September", 30), ("October", 31), ("November", 30)]
    m1, d1 = r.choice(months)
    start = r.randint(d1 - 12, d1 - 1)
    q.p("How many days are there from %d %s to the end of %s, counting both the first and the last day?"
        % (start, m1, m1))
    q.p(q.b("N", d1 - start + 1, mk(L)))


def me_jug(q, r, L):
    capacity, step, every = r.choice([(500, 50, 100), (1000, 100, 200), (1000, 50, 250), (2000, 100, 500),
                                      (500, 25, 100)][: [2, 3, 4, 5, 5][L - 1]])
    level = step * r.randint(1, capacity // step - 1)
    q.picture(svg.jug(capacity, step, every, level), "a measuring jug with some water")
    q.p(r.choice(["How much water is in the jug? Give your answer in ml.",
                  "Read the scale. How many millilitres of water are in the jug? Give your answer in ml."]))
    q.p(q.b("N", level, mk(L)))


def me_arrival(q, r, L):
    h, m = r.randint(6, 18), r.choice(range(0, 60, 5))
    dh, dm = r.randint(0, 3), r.choice(range(5, 60, 5))
    end = h * 60 + m + dh * 60 + dm
    what = r.choice(["A train leaves", "A coach leaves", "A ferry sails", "A plane takes off"])
    q.p("%s at %02d:%02d. The journey takes %s%d minutes. At what time does it arrive? "
        "Write the time in the 24-hour clock." % (what, h, m, "%d hour%s " % (dh, "" if dh == 1 else "s") if dh else "", dm))
    q.p(q.b("M", time24_key(end), mk(L)))


def me_mixed_perimeter(q, r, L):
    a = rdec(r, 1, 3, 1)
    b = r.randint(20, 95)
    what = r.choice(["rug", "tablecloth", "noticeboard", "flower bed", "banner", "doormat", "window", "poster",
                     "bath mat", "paddling pool cover", "garden bench seat", "bookshelf"])
    q.p("A rectangular %s is %s m long and %d cm wide. What is its perimeter? Give your answer in cm." % (what, num(a), b))
    q.p(q.b("N", dec(2 * (a * 100 + b)), mk(L, 1, 2, 3)))


def me_race(q, r, L):
    a = rdec(r, 12, 20, 1 if L < 4 else 2)
    b = a + rdec(r, 0.1, 2.5, 1 if L < 4 else 2)
    p1, p2 = r.sample(NAMES, 2)
    q.p("%s runs 100 m in %s seconds. %s takes %s seconds. How many seconds faster is %s?" % (p1, num(a), p2, num(b), p1))
    q.p(q.b("N", dec(b - a), mk(L)))


MEASUREMENT = [
    (me_convert, 1, 5), (me_convert_multi, 2, 5), (me_choose_unit, 1, 3), (me_abbrev, 1, 2),
    (me_clock, 1, 5), (me_duration, 1, 5), (me_time_convert, 1, 3), (me_24h, 1, 4),
    (me_ruler, 1, 5), (me_volume, 2, 5), (me_mass_story, 2, 5), (me_capacity_story, 2, 5),
    (me_longest, 2, 5), (me_money_total, 1, 5), (me_speed, 4, 5), (me_calendar, 3, 5),
    (me_jug, 1, 5), (me_arrival, 2, 5), (me_mixed_perimeter, 3, 5), (me_race, 2, 5),
]


# =============================================================================================
# Geometry and Data


def ge_triangle(q, r, L):
    a = r.randint(25, 95)
    b = r.randint(25, 150 - a)
    c = 180 - a - b
    q.picture(svg.triangle_angles(a, b, ["%d%s" % (a, svg.DEG), "%d%s" % (b, svg.DEG), "?"]), "a triangle with two angles marked")
    q.p("Two angles of a triangle are %d&deg; and %d&deg;. Work out the size of the third angle. Give your answer in degrees." % (a, b))
    q.p(q.b("N", c, mk(L)))


def ge_straight(q, r, L):
    a = r.randint(20, 160)
    if a == 90:
        raise Retry()
    q.picture(svg.angles_on_line(a, "x"), "angles on a straight line")
    q.p("The angles lie on a straight line. One angle is %d&deg;. Work out angle x. Give your answer in degrees." % a)
    q.p(q.b("N", 180 - a, mk(L)))


def ge_point(q, r, L):
    a, b = r.randint(60, 150), r.randint(60, 150)
    if not 50 <= 360 - a - b <= 160:
        raise Retry()  # an angle near 180 degrees would look like a straight line
    q.picture(svg.angles_at_point(a, b, "y"), "three angles around a point")
    q.p("Three angles meet at a point. Two of them are %d&deg; and %d&deg;. Work out angle y. Give your answer in degrees." % (a, b))
    q.p(q.b("N", 360 - a - b, mk(L, 1, 2, 3)))


def ge_angle_type(q, r, L):
    kind = r.choice(["acute", "obtuse", "reflex"] if L >= 2 else ["acute", "obtuse"])
    size = {"acute": r.randint(20, 80), "obtuse": r.randint(100, 170), "reflex": r.randint(200, 330)}[kind]
    q.picture(svg.single_angle(size, r.choice([0, 10, 20, 30])), "an angle")
    q.p("Look at the angle marked in the diagram%s. Is it acute, obtuse or reflex? Write one word."
        % r.choice(["", " below", " of this shape", " drawn by " + r.choice(NAMES)]))
    q.p(q.b("M", ";%s;%s angle;%s %s angle" % (kind, kind, "an" if kind[0] in "aeiou" else "a", kind), 1))


POLYGONS = {3: "triangle", 4: "square", 5: "pentagon", 6: "hexagon", 7: "heptagon", 8: "octagon"}
# What a teacher accepts for a regular polygon's name, the plain name first.
POLYGON_KEYS = {n: ";%s;regular %s" % (name, name) for n, name in POLYGONS.items()}
POLYGON_KEYS[3] += ";equilateral triangle"
POLYGON_KEYS[4] += ";regular quadrilateral"
POLYGON_KEYS[7] += ";septagon;regular septagon"


def ge_polygon(q, r, L):
    n = r.choice([3, 4, 5, 6, 8] if L <= 2 else [5, 6, 7, 8])
    q.picture(svg.regular_polygon(n), "a regular shape")
    q.p(r.choice(["This is a regular shape. What is its name? Write one word.",
                  "All the sides and angles of this shape are equal. What is the shape called? Write one word.",
                  "Name this regular polygon. Write one word."]))
    q.p(q.b("M", POLYGON_KEYS[n], 1))
    if L >= 2:
        q.p("How many lines of symmetry does it have? %s" % q.b("N", n, 1))


def ge_rectangle(q, r, L):
    w, h = r.randint(3, [10, 12, 15, 20, 25][L - 1]), r.randint(2, [8, 10, 12, 15, 18][L - 1])
    if w == h:
        raise Retry()
    unit = r.choice(["cm", "m"])
    q.picture(svg.rectangle(w, h, "%d %s" % (w, unit), "%d %s" % (h, unit)), "a rectangle %d %s by %d %s" % (w, unit, h, unit))
    q.p("A rectangle is %d %s long and %d %s wide." % (w, unit, h, unit))
    q.p("Work out its perimeter. Give your answer in %s. %s" % (unit, q.b("N", 2 * (w + h), 1)))
    q.p("Work out its area. Give your answer in %s&sup2;. %s" % (unit, q.b("N", w * h, mk(L))))


def ge_square_reverse(q, r, L):
    s = r.randint(3, 15)
    if r.random() < 0.5:
        q.p("A square has a perimeter of %d cm. How long is one side? Give your answer in cm." % (4 * s))
        q.p(q.b("N", s, mk(L)))
    else:
        q.p("A square has an area of %d cm&sup2;. How long is one side? Give your answer in cm." % (s * s))
        q.p(q.b("N", s, mk(L)))


def ge_l_shape(q, r, L):
    W, H = r.randint(8, 16), r.randint(7, 14)
    cw, ch = r.randint(2, W - 3), r.randint(2, H - 3)
    q.picture(svg.l_shape(W, H, cw, ch, ["%d cm" % W, "%d cm" % H, "%d cm" % (W - cw), "%d cm" % ch]),
              "an L-shape with measures")
    q.p("The shape is made from rectangles. It is %d cm wide and %d cm tall; the top part is %d cm wide, "
        "and the cut-out corner is %d cm deep. All corners are right angles." % (W, H, W - cw, ch))
    q.p("Work out the area of the shape. Give your answer in cm&sup2;. %s" % q.b("N", W * H - cw * ch, mk(L, 2, 2, 3)))
    q.p("Work out the perimeter of the shape. Give your answer in cm. %s" % q.b("N", 2 * (W + H), mk(L, 1, 2)))


def ge_triangle_area(q, r, L):
    b, h = r.randint(4, 20), r.randint(3, 14)
    if (b * h) % 2:
        raise Retry()
    q.picture(svg.triangle_base_height(b, h, "%d cm" % b, "%d cm" % h), "a triangle with its base and height")
    q.p("A triangle has a base of %d cm and a height of %d cm. What is its area? Give your answer in cm&sup2;." % (b, h))
    q.p(q.b("N", b * h // 2, mk(L, 2, 2, 3)))


def ge_triangle_type(q, r, L):
    kind = r.choice(["equilateral", "isosceles", "scalene"])
    a = r.randint(4, 12)
    sides = {"equilateral": [a, a, a], "isosceles": [a, a, r.choice([x for x in range(3, 2 * a) if x != a])],
             "scalene": r.sample(range(4, 13), 3)}[kind]
    s = sorted(sides)
    if s[0] + s[1] <= s[2]:
        raise Retry()
    r.shuffle(sides)
    q.p("A triangle has sides of %d cm, %d cm and %d cm. Is it equilateral, isosceles or scalene? Write one word." % tuple(sides))
    q.p(q.b("M", ";%s;%s triangle;%s %s triangle" % (kind, kind, "an" if kind[0] in "aeiou" else "a", kind), 1))


def ge_3d(q, r, L):
    shapes = [("cube", 6, 12, 8), ("cuboid", 6, 12, 8), ("square-based pyramid", 5, 8, 5),
              ("triangular prism", 5, 9, 6), ("tetrahedron", 4, 6, 4), ("pentagonal prism", 7, 15, 10)]
    name, fc, ed, vx = r.choice(shapes[: [3, 4, 5, 6, 6][L - 1]])
    q.p(r.choice(["A %s is a 3-D shape. Fill in its number of faces, edges and vertices.",
                  "Think of a %s. How many faces, edges and vertices does it have?"]) % name)
    q.p("Faces: %s" % q.b("N", fc, 1))
    q.p("Edges: %s" % q.b("N", ed, 1))
    q.p("Vertices: %s" % q.b("N", vx, 1))


def ge_quadrilateral(q, r, L):
    a, b, c = r.randint(60, 120), r.randint(60, 130), r.randint(50, 120)
    d = 360 - a - b - c
    if not 40 <= d <= 170:
        raise Retry()
    q.p("Three angles of a quadrilateral are %d&deg;, %d&deg; and %d&deg;. What is the fourth angle? Give your answer in degrees." % (a, b, c))
    q.p(q.b("N", d, mk(L, 1, 2, 3)))


def ge_mean(q, r, L):
    n = r.randint(3, [4, 5, 6, 7, 8][L - 1])
    mean = r.randint(4, 40)
    vals = [mean + r.randint(-6, 6) for _ in range(n - 1)]
    last = mean * n - sum(vals)
    if last <= 0:
        raise Retry()
    vals.append(last)
    r.shuffle(vals)
    shown = ", ".join(str(v) for v in vals[:-1]) + " and " + str(vals[-1])
    q.p("Find the mean of %s." % shown)
    q.p(q.b("N", mean, mk(L)))


def ge_averages(q, r, L):
    n = r.choice([5, 7])
    vals = [r.randint(1, 20) for _ in range(n - 1)]
    vals.append(r.choice(vals))  # make sure there is a mode
    counts = {v: vals.count(v) for v in vals}
    top = max(counts.values())
    if list(counts.values()).count(top) > 1:
        raise Retry()
    mode = [v for v in vals if counts[v] == top][0]
    srt = sorted(vals)
    r.shuffle(vals)
    q.p("Here are the scores of %d pupils: %s." % (len(vals), ", ".join(map(str, vals))))
    q.p("What is the mode? %s" % q.b("N", mode, 1))
    q.p("What is the median? %s" % q.b("N", srt[len(srt) // 2], mk(L)))
    q.p("What is the range? %s" % q.b("N", srt[-1] - srt[0], 1))


BAR_TOPICS = [
    ("Favourite fruit", ["apple", "banana", "grape", "pear", "mango"], "the favourite fruit of some pupils",
     "How many pupils chose %s?", "How many more pupils chose %s than %s?",
     "How many pupils were asked altogether?", "Which fruit did the fewest pupils choose?"),
    ("Pets owned", ["cat", "dog", "fish", "rabbit", "bird"], "the pets owned by the pupils of a school",
     "How many pupils own a %s?", "How many more pupils own a %s than a %s?",
     "How many pets are shown altogether?", "Which pet is owned by the fewest pupils?"),
    ("Books read", ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday"], "how many books a class read each day",
     "How many books were read on %s?", "How many more books were read on %s than on %s?",
     "How many books were read in the whole week?", "On which day were the fewest books read?"),
    ("Goals scored", ["Reds", "Blues", "Greens", "Golds"], "the goals scored by four teams",
     "How many goals did the %s score?", "How many more goals did the %s score than the %s?",
     "How many goals were scored altogether?", "Which team scored the fewest goals?"),
]


def ge_bar_chart(q, r, L):
    step = r.choice([1, 2, 5, 10][: [2, 3, 4, 4, 4][L - 1]])
    title, labels, about, one, diff, total, fewest = r.choice(BAR_TOPICS)
    vals = [step * r.randint(1, 9) for _ in labels]
    if len(set(vals)) < len(vals):
        raise Retry()
    q.picture(svg.bar_chart(title, labels, vals, step), "a bar chart of %s" % title.lower())
    i, j = r.sample(range(len(labels)), 2)
    if vals[i] < vals[j]:
        i, j = j, i
    q.p("The bar chart shows %s." % about)
    q.p("%s %s" % (one % labels[i], q.b("N", vals[i], 1)))
    q.p("%s %s" % (diff % (labels[i], labels[j]), q.b("N", vals[i] - vals[j], 1)))
    if L >= 2:
        q.p("%s %s" % (total, q.b("N", sum(vals), mk(L))))
    if L >= 4:
        label = labels[vals.index(min(vals))]
        forms = [label] + ([label + "s"] if label.islower() and not label.endswith("s") else [])
        q.p("%s Write its label as it is on the chart. %s" % (fewest, q.b("M", ";" + ";".join(forms), 1) if len(forms) > 1
                                                               else q.b("T", label, 1)))


def ge_line_chart(q, r, L):
    hours = ["8 am", "9 am", "10 am", "11 am", "midday", "1 pm", "2 pm"]
    step = r.choice([1, 2])
    start = r.randint(2, 10) // step * step
    temps = [start]
    for _ in range(len(hours) - 1):
        temps.append(max(0, temps[-1] + step * r.randint(-1, 2)))
    ymin = min(temps) // (step * 2) * step * 2
    if len(set(temps)) < 4 or temps[-1] == temps[0]:
        raise Retry()
    q.picture(svg.line_chart("Temperature (&#176;C)", hours, temps, step, ymin, "degrees C"), "a line graph of temperature")
    i = r.randrange(len(hours))
    q.p("The line graph shows the temperature in a garden during one day.")
    q.p("What was the temperature at %s? Give your answer in &deg;C. %s" % (hours[i], q.b("N", temps[i], 1)))
    q.p("What was the highest temperature? Give your answer in &deg;C. %s" % q.b("N", max(temps), 1))
    if L >= 3:
        q.p("By how many degrees did the temperature change from %s to %s? %s" % (
            hours[0], hours[-1], q.b("N", abs(temps[-1] - temps[0]), mk(L))))


def ge_pie(q, r, L):
    total = r.choice([24, 36, 40, 60, 72, 120, 180])
    degs = r.choice([[180, 90, 90], [90, 90, 120, 60], [120, 120, 60, 60], [180, 60, 120], [90, 45, 45, 180]])
    labels = r.sample(["walk", "car", "bus", "bike", "train"], len(degs))
    if any((Fr(d, 360) * total).denominator != 1 for d in degs):
        raise Retry()
    q.picture(svg.pie_chart("How %d pupils travel" % total, labels, degs), "a pie chart")
    i = r.randrange(len(degs))
    q.p("The pie chart shows how %d pupils travel to school. The %s sector is %d&deg;." % (total, labels[i], degs[i]))
    q.p("How many pupils %s? %s" % ({"walk": "walk", "car": "come by car", "bus": "come by bus", "bike": "cycle",
                                    "train": "come by train"}[labels[i]], q.b("N", degs[i] * total // 360, mk(L, 1, 2))))


def ge_coordinates(q, r, L):
    x, y = r.randint(1, 8), r.randint(1, 8)
    dx, dy = r.randint(-x + 1, 9 - x), r.randint(-y + 1, 9 - y)
    if dx == 0 or dy == 0:
        raise Retry()
    q.picture(svg.coordinate_grid([("A", x, y)]), "a grid with point A")
    q.p("Point A is plotted on the grid. Point A moves %d %s and %d %s. What are its new coordinates?" % (
        abs(dx), "right" if dx > 0 else "left", abs(dy), "up" if dy > 0 else "down"))
    q.p("x: %s &nbsp; y: %s" % (q.b("N", x + dx, 1), q.b("N", y + dy, 1)))


PYRAMID_KEY = ";pyramid;square-based pyramid;square based pyramid;square pyramid;square-base pyramid"


def ge_name3d(q, r, L):
    items = [("It has 6 square faces, all the same size.", "cube"),
             ("It has 8 vertices and 12 edges, and every face is a square.", "cube"),
             ("It has one curved surface and no edges or vertices.", "sphere"),
             ("It is perfectly round, like a football.", "sphere"),
             ("It has two circular faces and one curved surface.", "cylinder"),
             ("It is the shape of a tin of beans.", "cylinder"),
             ("It has one circular face, one curved surface and one vertex.", "cone"),
             ("It is the shape of an ice-cream cone or a traffic cone.", "cone"),
             ("It has 4 triangular faces and 1 square face.", PYRAMID_KEY),
             ("It has 5 vertices: four around a square base and one at the top.", PYRAMID_KEY),
             ("It has 6 rectangular faces, and not all of them are the same.", "cuboid"),
             ("It is the shape of a shoebox.", "cuboid")]
    clue, name = r.choice(items)
    q.p("Name the 3-D shape. %s Write its name." % clue)
    if not name.startswith(";"):
        name = ";%s;a %s" % (name, name)  # "a cube" is the same answer
    q.p(q.b("M", name, 1))


GEOMETRY_DATA = [
    (ge_triangle, 1, 5), (ge_straight, 1, 4), (ge_point, 2, 5), (ge_angle_type, 1, 3),
    (ge_polygon, 1, 3), (ge_rectangle, 1, 4), (ge_square_reverse, 2, 5), (ge_l_shape, 3, 5),
    (ge_triangle_area, 3, 5), (ge_triangle_type, 1, 3), (ge_3d, 1, 4), (ge_quadrilateral, 3, 5),
    (ge_mean, 2, 5), (ge_averages, 3, 5), (ge_bar_chart, 1, 5), (ge_line_chart, 1, 5),
    (ge_pie, 3, 5), (ge_coordinates, 1, 3), (ge_name3d, 1, 3),
]
