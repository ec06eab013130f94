"""More kinds of question for Fractions, Decimals, Percentage and Ratio, Geometry and Data and
Measurement, so that a topic's 140 questions draw on many different problems and a paper never
needs one problem twice. Each function is (question, random, level), as elsewhere."""

import math
from fractions import Fraction as Fr

from core import F_SIMPLEST, X_MIXED, Retry, dec, frac, ftext, mixed, money, num, pounds
from whole_fraction_decimal import NAMES, mk, rdec

POUNDS = "Give your answer in pounds, without the &pound; sign."


def proper(r, dens):
    d = r.choice(dens)
    n = r.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        raise Retry()
    return Fr(n, d)


# =============================================================================================
# Fractions


def fr_part_of_measure(q, r, L):
    x = proper(r, [3, 4, 5, 8, 10] if L < 4 else [6, 8, 12, 15])
    whole = x.denominator * r.randint(3, 12 if L < 4 else 25)
    what, unit, verb = r.choice([("A ribbon is %s cm long.", "cm", "cuts off"), ("A bag holds %s g of flour.", "g", "uses"),
                                 ("A jug holds %s ml of juice.", "ml", "pours out"), ("A walk is %s m long.", "m", "has walked")])
    q.p("%s %s %s %s of it. How much is that? Give your answer in %s." % (what % num(whole), r.choice(NAMES), verb, frac(x), unit))
    q.p("%s %s" % (q.b("N", dec(x * whole), mk(L)), unit))


def fr_how_many_parts(q, r, L):
    d = r.choice([2, 3, 4, 5, 8, 10])
    w = r.randint(2, 6 if L < 3 else 12)
    word = {2: "halves", 3: "thirds", 4: "quarters", 5: "fifths", 8: "eighths", 10: "tenths"}[d]
    q.p(r.choice(["How many %s are there in %d whole ones?", "How many %s make %d wholes?",
                  "Some cakes are each cut into %s. How many pieces are there in %d cakes?"]) % (word, w))
    q.p(q.b("N", d * w, 1))


def fr_order_three(q, r, L):
    fs = set()
    while len(fs) < 3:
        fs.add(proper(r, [3, 4, 5, 6, 8, 10, 12]))
    fs = list(fs)
    r.shuffle(fs)
    big = r.random() < 0.5
    q.p("Write these fractions in order, %s first: %s." % ("largest" if big else "smallest", ", ".join(frac(f) for f in fs)))
    q.p(" &nbsp; ".join(q.b("T", frac(f), 1) for f in sorted(fs, reverse=big)))


def fr_make_one(q, r, L):
    x = proper(r, [4, 5, 7, 8, 9, 10, 12])
    whole = 1 if L < 4 else r.randint(2, 3)
    if whole == 1 and r.random() < 0.6:
        q.p(r.choice(["A jug is %s full of water. What fraction of the jug is empty? %s",
                      "%s of a fence is painted. What fraction of the fence is still to paint? %s"]) % (frac(x), F_SIMPLEST))
    else:
        q.p("What must be added to %s to make %d? %s" % (frac(x), whole, F_SIMPLEST if whole == 1 else X_MIXED))
    q.p(q.b("F" if whole == 1 else "X", frac(1 - x) if whole == 1 else mixed(whole - x), mk(L)))


def fr_halfway(q, r, L):
    d = r.choice([4, 5, 6, 8, 10])
    a = r.randint(1, d - 2)
    b = r.randint(a + 1, d - 1)
    if math.gcd(a, d) != 1 or math.gcd(b, d) != 1:
        raise Retry()  # both fractions as a pupil would write them, in their simplest form
    mid = (Fr(a, d) + Fr(b, d)) / 2
    q.p(r.choice(["Which fraction is exactly halfway between %d/%d and %d/%d? %s",
                  "On a number line, which number is exactly halfway between %d/%d and %d/%d? %s",
                  "One snail has crawled %d/%d of a path and another %d/%d of it. A beetle is exactly halfway between "
                  "them. What fraction of the path is that? %s"]) % (a, d, b, d, F_SIMPLEST))
    q.p(q.b("F", frac(mid), mk(L)))


def fr_to_decimal(q, r, L):
    x = r.choice([Fr(1, 2), Fr(1, 4), Fr(3, 4), Fr(1, 5), Fr(2, 5), Fr(3, 5), Fr(4, 5), Fr(7, 10), Fr(3, 10), Fr(9, 10)]
                 + ([Fr(1, 8), Fr(3, 8), Fr(7, 20), Fr(11, 25)] if L >= 3 else []))
    q.p(r.choice(["Change the fraction %s into a decimal.", "A piece of string is %s of a metre long. Write its length "
                  "in metres as a decimal.", "A parcel weighs %s of a kilogram. Write its mass in kg as a decimal."]) % frac(x))
    q.p(q.b("N", dec(x), 1))


def fr_not_chosen(q, r, L):
    x = proper(r, [3, 4, 5, 6, 8])
    total = x.denominator * r.randint(3, 10)
    things, word = r.choice([("beads in a jar", "red"), ("children in a club", "girls"), ("cars in a car park", "blue")])
    q.p("There are %d %s. %s of them are %s. How many are not %s?" % (total, things, frac(x), word, word))
    q.p(q.b("N", total - x * total, mk(L)))


def fr_from_unit_part(q, r, L):
    d = r.choice([3, 4, 5, 6, 8])
    n = r.randint(2, d - 1)
    unit = r.randint(3, 12)
    q.p(r.choice(["1/%d of a number is %d. What is %d/%d of the same number?",
                  "1/%d of the pupils in a school hall is %d pupils. How many pupils make %d/%d of the hall?",
                  "1/%d of a bag of sweets is %d sweets. How many sweets are %d/%d of the bag?"]) % (d, unit, n, d))
    q.p(q.b("N", n * unit, mk(L)))


def fr_of_hour(q, r, L):
    x, period, minutes = r.choice([(Fr(3, 4), "an hour", 60), (Fr(2, 3), "an hour", 60), (Fr(1, 6), "an hour", 60),
                                   (Fr(5, 12), "an hour", 60), (Fr(1, 4), "a day", 24 * 60), (Fr(3, 10), "an hour", 60),
                                   (Fr(3, 4), "a year", 12), (Fr(5, 6), "a year", 12), (Fr(2, 3), "a day", 24 * 60)])
    if period == "a year":
        q.p("How many months are there in %s of a year?" % frac(x))
        q.p(q.b("N", x * 12, 1))
    elif period == "a day":
        q.p("How many hours are there in %s of a day?" % frac(x))
        q.p(q.b("N", x * 24, 1))
    else:
        q.p("How many minutes are there in %s of %s?" % (frac(x), period))
        q.p(q.b("N", x * minutes, 1))


def fr_larger_of_two(q, r, L):
    a = Fr(r.randint(5, 19), r.choice([3, 4, 5, 6]))
    b = Fr(r.randint(5, 19), r.choice([3, 4, 5, 6]))
    if a == b or a.denominator == 1 or b.denominator == 1 or a < 1 or b < 1:
        raise Retry()
    big = r.random() < 0.5
    q.p("Which is %s, %s or %s? Write it as it is written here." % ("larger" if big else "smaller", frac(a), mixed(b)))
    q.p(q.b("T", frac(a) if (a > b) == big else mixed(b), mk(L)))


def fr_money_part(q, r, L):
    x = proper(r, [2, 4, 5, 10] if L < 4 else [3, 4, 5, 8, 10])
    whole = Fr(x.denominator * r.randint(2, 40), 4 if L >= 3 else 1)
    if (x * whole * 100).denominator != 1:
        raise Retry()
    q.p(r.choice(["How much money is %s of %s? %s", "%s of the %s a class raised goes to a charity. How much is that? %s",
                  "A bike is sold for %s of its price of %s. How much is it sold for? %s"]) % (frac(x), money(whole), POUNDS))
    q.p(q.b("N", dec(x * whole), mk(L)))


def fr_recipe_cups(q, r, L):
    x = proper(r, [2, 3, 4])
    n = r.randint(3, 7)
    what = r.choice(["cup of milk", "cup of oats", "spoon of honey"])
    q.p("One batch of pancakes needs %s of a %s. How much is needed for %d batches? %s" % (frac(x), what, n, X_MIXED))
    q.p(q.b("X", mixed(x * n), mk(L)))


FRACTIONS_MORE = [
    (fr_part_of_measure, 1, 5), (fr_how_many_parts, 1, 3), (fr_order_three, 2, 5), (fr_make_one, 2, 5),
    (fr_halfway, 3, 5), (fr_to_decimal, 1, 4), (fr_not_chosen, 1, 4), (fr_from_unit_part, 2, 5),
    (fr_of_hour, 1, 4), (fr_larger_of_two, 3, 5), (fr_money_part, 2, 5), (fr_recipe_cups, 3, 5),
]


# =============================================================================================
# Decimals


def de_pour_together(q, r, L):
    unit, things = r.choice([("litres", "Two jugs hold %s litres and %s litres of water. All the water is poured into a bowl."),
                             ("kg", "A bag of apples weighs %s kg and a bag of pears weighs %s kg. Both go in one box."),
                             ("m", "A red rope is %s m long and a blue rope is %s m long. They are laid end to end.")])
    a, b = rdec(r, 0.2, 5, 2 if L >= 3 else 1), rdec(r, 0.2, 5, 1 if L < 4 else 2)
    q.p(things % (dec(a), dec(b)) + " How much is that altogether? Give your answer in %s." % unit)
    q.p("%s %s" % (q.b("N", dec(a + b), mk(L)), unit))


def de_up_to_one(q, r, L):
    x = rdec(r, 0.01, 0.99, 2 if L >= 2 else 1)
    whole = 1 if L < 4 else r.choice([1, 10])
    q.p(r.choice(["How much more than %s is %d?", "A runner has run %s km of a %d km race. How many km are still to run?",
                  "%s litres are poured out of a %d litre bottle of water. How many litres are left?"]) % (dec(x), whole))
    q.p(q.b("N", dec(whole - x), 1))


def de_cut_equal(q, r, L):
    k = r.choice([2, 4, 5, 8] if L >= 3 else [2, 4, 5])
    piece = rdec(r, 0.3, 3, 2 if L >= 3 else 1)
    what, unit, size = r.choice([("plank of wood", "m", "m"), ("ribbon", "m", "m"), ("bottle of juice", "litres", "litre"),
                                 ("bar of chocolate", "kg", "kg")])
    verb = "shared out" if unit == "litres" else "cut"
    q.p("A %s %s %s is %s into %d equal parts. How much is each part? Give your answer in %s." % (
        dec(piece * k), size, what, verb, k, unit))
    q.p("%s %s" % (q.b("N", dec(piece), mk(L)), unit))


def de_many_the_same(q, r, L):
    k = r.randint(3, 9)
    each = rdec(r, 0.1, 2.5, 2 if L >= 3 else 1)
    thing, unit = r.choice([("bottle holds", "litres"), ("parcel weighs", "kg"), ("tile is", "m long")])
    q.p("One %s %s %s. How much do %d of them make together? Give your answer in %s." % (
        thing, dec(each), unit, k, unit.split()[0]))
    q.p("%s %s" % (q.b("N", dec(each * k), mk(L)), unit.split()[0]))


def de_round_pounds(q, r, L):
    x = rdec(r, 1, 60, 2)
    if (x * 100) % 100 == 50:
        raise Retry()
    q.p(r.choice(["A bill comes to %s. Round it to the nearest pound. %s", "A football costs %s. What is that to the "
                  "nearest pound? %s", "A school fair made %s. Round this amount to the nearest pound. %s"]) % (money(x), POUNDS))
    q.p(q.b("N", dec(math.floor(x + Fr(1, 2))), 1))


def de_hundredths_digit(q, r, L):
    x = rdec(r, 1, 99, 3 if L >= 3 else 2)
    s = dec(x)
    place, k = r.choice([("tenths", 1), ("hundredths", 2)] + ([("thousandths", 3)] if L >= 3 else []))
    digits = s.split(".")[1] if "." in s else ""
    if len(digits) < k:
        raise Retry()
    q.p("Which digit of %s is in the %s place?" % (s, place))
    q.p(q.b("N", digits[k - 1], 1))


def de_heaviest(q, r, L):
    base = r.randint(1, 4)
    vals = {base + Fr(t, 100) for t in r.sample([5, 40, 45, 50, 4, 54], 4)}
    if len(vals) < 4:
        raise Retry()
    vals = list(vals)
    r.shuffle(vals)
    unit, word = r.choice([("kg", "heaviest"), ("m", "longest"), ("litres", "largest amount")])
    q.choice(r, "Which is the %s?" % word, "%s %s" % (dec(max(vals)), unit),
             ["%s %s" % (dec(v), unit) for v in vals if v != max(vals)])


def de_as_percent(q, r, L):
    x = rdec(r, 0.01, 0.99, 2)
    q.p(r.choice(["Write the decimal %s as a percentage.", "The lawn covers %s of a garden. What percentage of the garden "
                  "is that?", "A bottle is %s full. What percentage of the bottle is full?"]) % dec(x))
    q.p("%s %%" % q.b("N", dec(x * 100), 1))


def de_fraction_tenths(q, r, L):
    d = r.choice([10, 100] if L < 3 else [10, 100, 1000])
    n = r.randint(1, d - 1)
    if n % 10 == 0 and d > 10:
        raise Retry()
    q.p("Write %d/%d as a decimal number." % (n, d))
    q.p(q.b("N", dec(Fr(n, d)), 1))


DECIMALS_MORE = [
    (de_pour_together, 1, 5), (de_up_to_one, 1, 5), (de_cut_equal, 2, 5), (de_many_the_same, 2, 5),
    (de_round_pounds, 1, 4), (de_hundredths_digit, 1, 4), (de_heaviest, 2, 5), (de_as_percent, 2, 5),
    (de_fraction_tenths, 1, 4),
]


# =============================================================================================
# Percentage and Ratio


def pc_part_grams(q, r, L):
    p = r.choice([10, 20, 25, 30, 40, 50, 5, 15, 35][: 6 if L < 3 else 9])
    whole, text, unit = r.choice([(r.choice([200, 300, 400, 500, 600]), "A %s g bowl of cereal is %d%% sugar. How much sugar is in the bowl?", "g"),
                                  (r.choice([200, 400, 500, 1000]), "A %s ml carton of drink is %d%% fruit juice. How much fruit juice is in it?", "ml"),
                                  (r.choice([20, 40, 60, 80]), "A %s km cycle route is %d%% uphill. How far is uphill?", "km")])
    q.p((text % (num(whole), p)) + " Give your answer in %s." % unit)
    q.p("%s %s" % (q.b("N", dec(Fr(p * whole, 100)), mk(L)), unit))


def pc_what_percent(q, r, L):
    total = r.choice([20, 25, 50, 40, 200])
    part = r.randint(1, total - 1)
    if (Fr(part * 100, total)).denominator != 1:
        raise Retry()
    text = r.choice(["%d of the %d apples in a box are green. What percentage of the apples are green?",
                     "%d of the %d seats on a bus are taken. What percentage of the seats are taken?",
                     "A garden has %d roses among its %d plants. What percentage of the plants are roses?"])
    q.p(text % (part, total))
    q.p("%s %%" % q.b("N", Fr(part * 100, total), mk(L)))


def pc_still_to_do(q, r, L):
    p = r.randint(5, 95) if L >= 2 else r.choice([10, 20, 25, 50, 75])
    text = r.choice(["%s has read %d%% of a book. What percentage is still to read?",
                     "A download is %d%% done. What percentage is still to come?",
                     "A tank is %d%% full. What percentage of it is empty?"])
    q.p(text % (r.choice(NAMES), p) if text.startswith("%s") else text % p)
    q.p("%s %%" % q.b("N", 100 - p, 1))


def pc_largest_form(q, r, L):
    vals = [Fr(r.randint(1, 19), 20) for _ in range(3)]
    if len(set(vals)) < 3:
        raise Retry()
    forms = ["%s%%" % dec(vals[0] * 100), dec(vals[1]), frac(vals[2])]
    big = max(vals)
    correct = forms[vals.index(big)]
    wrong = [f for f, v in zip(forms, vals) if v != big] + ["%s%%" % dec(min(vals) * 50)]
    q.choice(r, "Which of these is the largest amount?", correct, wrong)


def pc_mix_parts(q, r, L):
    a, b = r.choice([(1, 4), (1, 5), (2, 3), (1, 3), (3, 5), (2, 5)])
    k = r.randint(2, 12)
    first, second, unit = r.choice([("squash", "water", "ml"), ("cement", "sand", "kg"), ("blue paint", "white paint", "litres")])
    q.p("A mix is made with %d part%s of %s to %d parts of %s. How much %s goes with %d %s of %s? Give your answer in %s." % (
        a, "" if a == 1 else "s", first, b, second, second, a * k * (10 if unit == "ml" else 1), unit, first, unit))
    q.p("%s %s" % (q.b("N", b * k * (10 if unit == "ml" else 1), mk(L)), unit))


def pc_for_every(q, r, L):
    a, b = r.choice([(1, 2), (2, 3), (1, 3), (3, 4), (2, 5), (3, 5)])
    k = r.randint(3, 10)
    first, second, total = r.choice([("boys", "girls", "children"), ("cats", "dogs", "pets"), ("red cars", "white cars", "cars")])
    q.p("For every %d %s there are %d %s. There are %d %s in all. How many are %s?" % (a, first, b, second, (a + b) * k, total, second))
    q.p(q.b("N", b * k, mk(L)))


def pc_used_up(q, r, L):
    p = r.choice([10, 20, 25, 40, 50, 75])
    whole, unit, small, factor = r.choice([(2, "kg", "g", 1000), (3, "litres", "ml", 1000), (5, "m", "cm", 100)])
    q.p("%s has %d %s of %s and uses %d%% of it. How much is left? Give your answer in %s." % (
        r.choice(NAMES), whole, unit, {"kg": "flour", "litres": "paint", "m": "string"}[unit], p, small))
    q.p("%s %s" % (q.b("N", dec(Fr(whole * factor * (100 - p), 100)), mk(L)), small))


def pc_better_pack(q, r, L):
    n1, n2 = r.sample([2, 3, 4, 5, 6, 8], 2)
    u1, u2 = r.randint(20, 90), r.randint(20, 90)
    if u1 == u2:
        raise Retry()
    item = r.choice(["pens", "rolls", "batteries", "pencils"])
    q.p("Pack A has %d %s for %s. Pack B has %d %s for %s." % (n1, item, money(Fr(n1 * u1, 100)), n2, item, money(Fr(n2 * u2, 100))))
    q.p("How much does one of the %s in pack A cost? %s %s" % (item, POUNDS, q.b("N", dec(Fr(u1, 100)), 1)))
    best = "A" if u1 < u2 else "B"
    q.p("Which pack is better value? Write A or B. %s" % q.b("M", ";%s;pack %s" % (best, best), 1))


def pc_fraction_of_class(q, r, L):
    p = r.choice([10, 20, 25, 40, 50, 60, 75, 80, 5, 35, 45])
    what = r.choice(["have a pet", "walk to school", "play an instrument"])
    q.p("In a class, %d%% of the children %s. What fraction of the class is that? %s" % (p, what, F_SIMPLEST))
    q.p(q.b("F", frac(Fr(p, 100)), mk(L)))


def pc_grows(q, r, L):
    p = r.choice([10, 20, 25, 50, 5, 15][: 4 if L < 4 else 6])
    start = r.choice([20, 40, 60, 80, 120])
    text, unit = r.choice([("A sunflower is %d cm tall. It grows by %d%%. How tall is it now?", "cm"),
                           ("A puppy weighs %d kg. Its weight goes up by %d%%. What does it weigh now?", "kg"),
                           ("A path is %d m long. It is made %d%% longer. How long is it now?", "m")])
    q.p(text % (start, p) + " Give your answer in %s." % unit)
    q.p("%s %s" % (q.b("N", dec(start + Fr(start * p, 100)), mk(L)), unit))


def pc_class_ratio(q, r, L):
    g = r.randint(2, 6)
    a, b = r.sample(range(1, 8), 2)
    if math.gcd(a, b) != 1:
        raise Retry()
    first, second, where = r.choice([("boys", "girls", "A class has"), ("apples", "oranges", "A bowl holds"),
                                     ("swings", "slides", "A park has")])
    q.p("%s %d %s and %d %s. Write the ratio of %s to %s in its simplest form." % (where, a * g, first, b * g, second, first, second))
    q.p("%s : %s" % (q.b("N", a, 1), q.b("N", b, 1)))


def pc_map_reverse(q, r, L):
    scale = r.choice([10000, 20000, 25000, 50000, 100000])
    cm = r.randint(2, 12)
    km = Fr(cm * scale, 100000)
    q.p("A map has a scale of 1 : %s. Two villages are %s km apart. How far apart are they on the map? Give your answer in cm." % (
        num(scale), dec(km)))
    q.p("%s cm" % q.b("N", cm, mk(L)))


PERCENT_RATIO_MORE = [
    (pc_part_grams, 1, 5), (pc_what_percent, 2, 5), (pc_still_to_do, 1, 4), (pc_largest_form, 2, 5),
    (pc_mix_parts, 2, 5), (pc_for_every, 2, 5), (pc_used_up, 3, 5), (pc_better_pack, 3, 5),
    (pc_fraction_of_class, 1, 5), (pc_grows, 3, 5), (pc_class_ratio, 1, 4), (pc_map_reverse, 4, 5),
]


# =============================================================================================
# Geometry and Data


POLY_NAMES = {3: "equilateral triangle", 4: "square", 5: "regular pentagon", 6: "regular hexagon", 8: "regular octagon"}


def a_an(noun):
    return ("an " if noun[0] in "aeiou" else "a ") + noun


def ge_regular_perimeter(q, r, L):
    n = r.choice(list(POLY_NAMES))
    side = r.randint(3, 15)
    if r.random() < 0.5 or L < 3:
        q.p("Each side of %s is %d cm long. What is its perimeter? Give your answer in cm." % (a_an(POLY_NAMES[n]), side))
        q.p("%s cm" % q.b("N", n * side, 1))
    else:
        q.p("%s has a perimeter of %d cm. How long is each side? Give your answer in cm." % (a_an(POLY_NAMES[n]).capitalize(), n * side))
        q.p("%s cm" % q.b("N", side, mk(L)))


def ge_clock_hands(q, r, L):
    h = r.randint(1, 11)
    angle = min(h, 12 - h) * 30
    q.p(r.choice(["At %d o'clock, what is the smaller angle between the hour hand and the minute hand of a clock? Give your "
                  "answer in degrees.", "A clock shows %d o'clock. How many degrees is the smaller turn from the minute hand "
                  "to the hour hand?"]) % h)
    q.p("%s &deg;" % q.b("N", angle, mk(L)))


def ge_turns(q, r, L):
    turn, deg = r.choice([("a quarter turn", 90), ("a half turn", 180), ("a three-quarter turn", 270), ("a whole turn", 360)])
    q.p("How many degrees are there in %s?" % turn)
    q.p("%s &deg;" % q.b("N", deg, 1))


COMPASS = ["north", "east", "south", "west"]


def ge_compass(q, r, L):
    start = r.randrange(4)
    quarters = r.choice([1, 2, 3])
    way = r.choice(["clockwise", "anticlockwise"])
    end = COMPASS[(start + (quarters if way == "clockwise" else -quarters)) % 4]
    who = r.choice(NAMES)
    q.p("%s faces %s and turns %d&deg; %s. Which way is %s facing now? Write north, east, south or west." % (
        who, COMPASS[start], 90 * quarters, way, who))
    q.p(q.b("M", ";%s;%s" % (end, end[0].upper()), 1))


def ge_table_total(q, r, L):
    title, head, rows = r.choice([("Pets owned by a class", "Pet", ["dogs", "cats", "fish", "rabbits"]),
                                  ("Fruit sold at a stall", "Fruit", ["apples", "pears", "plums", "bananas"]),
                                  ("Birds seen in a garden", "Bird", ["robins", "sparrows", "blackbirds", "starlings"])])
    counts = [r.randint(2, 30) for _ in rows]
    q.p("The table shows %s." % title.lower())
    q.raw("<table><tr><th>%s</th><th>Number</th></tr>%s</table>" % (
        head, "".join("<tr><td>%s</td><td>%d</td></tr>" % (a, c) for a, c in zip(rows, counts))))
    i, j = r.sample(range(4), 2)
    q.p("What is the total of all four numbers? %s" % q.b("N", sum(counts), 1))
    q.p("How many more %s than %s? %s" % (rows[i], rows[j], q.b("N", counts[i] - counts[j], 1)) if counts[i] > counts[j]
        else "How many more %s than %s? %s" % (rows[j], rows[i], q.b("N", counts[j] - counts[i], 1)))


def ge_parallel_sides(q, r, L):
    shape, pairs = r.choice([("rectangle", 2), ("parallelogram", 2), ("trapezium", 1), ("rhombus", 2), ("square", 2),
                             ("regular hexagon", 3), ("kite", 0)])
    q.p("How many pairs of parallel sides does a %s have?" % shape)
    q.p(q.b("M", {0: ";0;none;zero", 1: ";1;one", 2: ";2;two", 3: ";3;three"}[pairs], 1))


def ge_cubes_in_cuboid(q, r, L):
    a, b, c = r.randint(2, 5), r.randint(2, 5), r.randint(1, 4 if L < 4 else 6)
    text = r.choice(["A box is filled with 1 cm cubes: %d cubes along its length, %d along its width and %d layers high. "
                     "How many cubes are in the box?", "Sugar cubes are packed in a tray %d cubes long and %d cubes wide, %d "
                     "layers deep. How many sugar cubes are there?", "A wall of toy bricks is %d bricks long, %d bricks thick "
                     "and %d bricks high. How many bricks are in the wall?"]) % (a, b, c)
    q.p(text.replace(" 1 layers ", " 1 layer "))
    q.p(q.b("N", a * b * c, mk(L)))


def ge_range(q, r, L):
    vals = [r.randint(1, 40 if L >= 3 else 20) for _ in range(r.randint(5, 7))]
    what = r.choice(["goals scored by a team in its last %d matches", "children at a club on %d evenings",
                     "books a class read in %d weeks"]) % len(vals)
    q.p("Here are the numbers of %s: %s. What is the difference between the largest and the smallest number?" % (
        what, ", ".join(map(str, vals))))
    q.p(q.b("N", max(vals) - min(vals), 1))


def ge_angle_of_quadrilateral(q, r, L):
    a, b, c = r.randint(50, 130), r.randint(50, 130), r.randint(50, 130)
    d = 360 - a - b - c
    if not 30 <= d <= 170:
        raise Retry()
    q.p(r.choice(["Three angles of a four-sided shape are %d&deg;, %d&deg; and %d&deg;. How big is the fourth angle? Give "
                  "your answer in degrees.", "A field has four straight sides. Three of its corners measure %d&deg;, %d&deg; and "
                  "%d&deg;. What does the fourth corner measure, in degrees?"]) % (a, b, c))
    q.p("%s &deg;" % q.b("N", d, mk(L)))


def ge_square_side_area(q, r, L):
    s = r.randint(2, 12)
    unit, text = r.choice([("cm", "A square has an area of %d cm&sup2;. How long is each side? Give your answer in cm."),
                           ("m", "A square garden has an area of %d m&sup2;. How long is each side? Give your answer in m."),
                           ("cm", "A square tile covers %d cm&sup2;. How long is one edge of the tile? Give your answer in cm.")])
    q.p(text % (s * s))
    q.p("%s %s" % (q.b("N", s, mk(L)), unit))


def ge_other_side(q, r, L):
    a, b = r.randint(2, 15), r.randint(2, 15)
    if a == b:
        raise Retry()
    what = r.choice(["A rectangle", "A rectangular flower bed", "A rectangular photo frame"])
    unit = "m" if "bed" in what else "cm"
    q.p("%s has a perimeter of %d %s. One of its sides is %d %s long. How long is the side next to it? Give your answer in %s." % (
        what, 2 * (a + b), unit, a, unit, unit))
    q.p("%s %s" % (q.b("N", b, mk(L)), unit))


def ge_fourth_corner(q, r, L):
    x0, y0 = r.randint(0, 5), r.randint(0, 5)
    w, h = r.randint(2, 5), r.randint(2, 5)
    if L < 3:
        h = w
    corners = [(x0, y0), (x0 + w, y0), (x0 + w, y0 + h), (x0, y0 + h)]
    missing = r.randrange(4)
    given = [c for i, c in enumerate(corners) if i != missing]
    q.p("A %s has three of its corners at %s. What are the coordinates of its fourth corner?" % (
        "square" if w == h else "rectangle", ", ".join("(%d, %d)" % c for c in given[:-1]) + " and (%d, %d)" % given[-1]))
    q.p("x: %s &nbsp; y: %s" % (q.b("N", corners[missing][0], 1), q.b("N", corners[missing][1], 1)))


GEOMETRY_DATA_MORE = [(ge_other_side, 2, 5), (ge_fourth_corner, 2, 5),
    (ge_regular_perimeter, 1, 5), (ge_clock_hands, 2, 5), (ge_turns, 1, 3), (ge_compass, 1, 4),
    (ge_table_total, 1, 4), (ge_parallel_sides, 2, 5), (ge_cubes_in_cuboid, 2, 5), (ge_range, 2, 5),
    (ge_angle_of_quadrilateral, 3, 5), (ge_square_side_area, 3, 5),
]
