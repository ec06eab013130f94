"""Question makers of the second edition: word problems of more than one step for every topic,
simple algebra, remainders that must be interpreted, chance, nets, symmetry, reflection and
translation. Each topic's list at the end says at which levels a kind is used."""

import math
from fractions import Fraction as Fr

import svg
from core import F_SIMPLEST, Retry, dec, frac, money, multistep, num, time24_key
from whole_fraction_decimal import NAMES, mk, rdec

PLACES = ["Hollybank", "Marsh End", "Kingsford", "Ashby Cross", "Riverside", "Elm Park", "Castle Hill",
          "Northgate", "Willow Green", "Seaton", "Brookfield", "Oldmill"]


def two_names(r):
    return r.sample(NAMES, 2)


def clock(minutes):
    return "%02d:%02d" % divmod(minutes % (24 * 60), 60)


# =============================================================================================
# Whole Numbers: remainders in context, two-step stories, letters for numbers


UP_CONTEXTS = [
    ("{n} pupils are going on a school trip. Each minibus can carry {k} pupils. "
     "How many minibuses are needed so that every pupil can go?", "How many empty seats will there be on the minibuses?"),
    ("{n} guests are coming to a wedding. Each table seats {k} guests. How many tables are needed?",
     "How many empty places will there be at the tables?"),
    ("A scout group of {n} people is going camping. Each tent sleeps {k} people. How many tents are needed?",
     "How many spare places will there be in the tents?"),
    ("A school needs {n} new books. The books come in boxes of {k}. How many boxes must the school order?",
     "How many spare books will there be?"),
    ("{n} people are waiting for a cable car. The cable car takes {k} people each trip. "
     "How many trips are needed to take everyone up?", "How many empty places are there on the last trip?"),
    ("A baker has to make {n} cupcakes. A baking tray holds {k} cupcakes. How many trays of cupcakes must be baked?",
     "How many spaces are left empty on the last tray?"),
]
DOWN_CONTEXTS = [
    ("A farm has {n} eggs. Eggs are packed in boxes of {k}. How many boxes can be filled?",
     "How many eggs are left over?"),
    ("{who} has {n} photos to stick in an album. Each page holds {k} photos. How many pages can be filled completely?",
     "How many photos are left over?"),
    ("A florist has {n} roses. Each bunch has {k} roses. How many full bunches can the florist make?",
     "How many roses are left over?"),
    ("A ribbon is {n} cm long. {who} cuts it into pieces {k} cm long. How many pieces of that length can be cut?",
     "How many centimetres of ribbon are left over?"),
    ("{who} has {n} pounds to spend on tickets that cost {k} pounds each. How many tickets can {who} buy?",
     "How many pounds are left over?"),
    ("A school has {n} chairs to set out in rows of {k} for a concert. How many full rows can be made?",
     "How many chairs are left over?"),
]


@multistep
def wn_remainder_context(q, r, L):
    up = r.random() < 0.5
    k = r.randint(4, [9, 12, 16, 24, 32][L - 1])
    n = k * r.randint(3, [8, 12, 20, 30, 40][L - 1]) + r.randint(1, k - 1)
    stem, second = r.choice(UP_CONTEXTS if up else DOWN_CONTEXTS)
    q.p(stem.format(n=num(n), k=k, who=r.choice(NAMES)))
    q.p(q.b("N", -(-n // k) if up else n // k, mk(L, 1, 2)))
    if L >= 3:
        q.p(second + " " + q.b("N", -(-n // k) * k - n if up else n % k, mk(L, 1, 1, 2)))


STOCK = [("boxes", "pencils", "given out to pupils"), ("crates", "bottles of water", "sold at a fun run"),
         ("packs", "exercise books", "handed out"), ("trays", "seedlings", "planted in the school garden"),
         ("bags", "potatoes", "used in the kitchen"), ("boxes", "tiles", "used on a bathroom floor"),
         ("reels", "metres of thread", "used"), ("packets", "balloons", "blown up for a party")]


@multistep
def wn_stock_left(q, r, L):
    a, b = r.randint(4, [9, 12, 20, 30, 48][L - 1]), r.randint(6, [12, 24, 36, 48, 75][L - 1])
    box, item, verb = r.choice(STOCK)
    c = r.randint(a * b // 4, a * b - 2)
    q.p("There are %d %s with %d %s in each. %s %s are %s. How many %s are left?" % (a, box, b, item, num(c), item, verb, item))
    left = a * b - c
    q.p(q.b("N", left, mk(L, 2, 2, 3)))
    if L >= 4:
        shares = [d for d in (2, 3, 4, 5, 6) if left % d == 0]
        if not shares:
            raise Retry()
        d = r.choice(shares)
        q.p("The %s that are left are shared equally between %d classes. How many does each class get? %s" % (item, d, q.b("N", left // d, 2)))


VENUES = ["zoo", "castle", "aquarium", "science museum", "water park", "theatre", "farm park", "ice rink"]


@multistep
def wn_tickets(q, r, L):
    adult, child = r.randint(8, 25), r.randint(4, 15)
    if child >= adult:
        raise Retry()
    na, nc = r.randint(1, 4), r.randint(2, 6)
    total = na * adult + nc * child
    pay = (total // 10 + 1) * 10 + r.choice([0, 0, 10, 20])
    who = r.choice(NAMES)
    q.p("Tickets for the %s cost &pound;%d for an adult and &pound;%d for a child. %s buys tickets for %d adult%s and %d children."
        % (r.choice(VENUES), adult, child, who, na, "" if na == 1 else "s", nc))
    q.p("How much do the tickets cost altogether? Give your answer in pounds, without the &pound; sign. %s" % q.b("N", total, mk(L, 2, 2, 3)))
    q.p("%s pays with &pound;%d. How much change does %s get? Give your answer in pounds, without the &pound; sign. %s" % (
        who, pay, who, q.b("N", pay - total, mk(L, 1, 1, 2))))


@multistep
def wn_think_number(q, r, L):
    x = r.randint(3, [12, 15, 20, 25, 30][L - 1])
    a = r.randint(2, 9)
    b = r.randint(2, 30)
    add = r.random() < 0.5 or a * x <= b
    c = a * x + b if add else a * x - b
    who = r.choice(NAMES)
    q.p("%s thinks of a number. %s multiplies it by %d and then %s %d. The answer is %d. What number did %s think of?" % (
        who, who, a, "adds" if add else "subtracts", b, c, who))
    q.p(q.b("N", x, mk(L, 2, 2, 3)))


LETTERS = "abcdeghkmnpqrstwxyz"


def wn_letters(q, r, L):
    """A letter standing for an unknown number."""
    _algebra(q, r, L, r.choice([["add", "times"], ["add", "times"], ["add", "times", "two"], ["times", "two"], ["two"]][L - 1]))


def wn_substitute(q, r, L):
    """The value of an expression when its letters are given."""
    _algebra(q, r, L, "substitute")


def wn_formula(q, r, L):
    """A formula in words and letters, used forwards or backwards."""
    _algebra(q, r, L, "formula" if L <= 3 or r.random() < 0.5 else "formula_back")


def _algebra(q, r, L, kind):
    x = r.choice(LETTERS)
    if kind == "add":
        v, a = r.randint(4, [20, 50, 99, 150, 250][L - 1]), r.randint(5, [20, 50, 99, 150, 250][L - 1])
        if r.random() < 0.5:
            q.p("In this number sentence the letter <i>%s</i> stands for a number: <b>%s + %d = %d</b>. What is %s?" % (x, x, a, v + a, x))
        else:
            q.p("In this number sentence the letter <i>%s</i> stands for a number: <b>%d - %s = %d</b>. What is %s?" % (x, v + a, x, a, x))
        q.p(q.b("N", v, mk(L)))
    elif kind == "times":
        v, a = r.randint(2, 12), r.randint(2, 12)
        if r.random() < 0.5:
            q.p("In this number sentence the letter <i>%s</i> stands for a number: <b>%d &times; %s = %d</b>. What is %s?" % (x, a, x, a * v, x))
        else:
            q.p("In this number sentence the letter <i>%s</i> stands for a number: <b>%s &divide; %d = %d</b>. What is %s?" % (x, x, a, v, x))
            v = a * v
        q.p(q.b("N", v, mk(L)))
    elif kind == "two":
        v, a, b = r.randint(2, 15), r.randint(2, 9), r.randint(1, 30)
        q.p("Solve the equation <b>%d%s + %d = %d</b>. (%d%s means %d &times; %s.) What is %s?" % (a, x, b, a * v + b, a, x, a, x, x))
        q.p(q.b("N", v, mk(L, 2, 2, 3)))
    elif kind == "substitute":
        x, y = r.sample(LETTERS, 2)
        vx, vy = r.randint(2, 12), r.randint(2, 12)
        a, c = r.randint(2, 9), r.randint(1, 20)
        expr, value = r.choice([
            ("%d%s + %s" % (a, x, y), a * vx + vy),
            ("%d%s - %s" % (a, x, y), a * vx - vy),
            ("%s &times; %s + %d" % (x, y, c), vx * vy + c),
            ("%d(%s + %s)" % (a, x, y), a * (vx + vy)),
        ])
        if value < 0:
            raise Retry()
        q.p("If %s = %d and %s = %d, what is the value of <b>%s</b>?" % (x, vx, y, vy, expr))
        q.p(q.b("N", value, mk(L, 1, 2)))
    else:
        what, var, unit = r.choice([
            ("A taxi firm works out the cost of a journey", "m", "m is the number of miles"),
            ("A bike shop works out the cost of hiring a bike", "h", "h is the number of hours"),
            ("A bowling alley works out the cost of a party", "p", "p is the number of people"),
            ("A garden centre works out the cost of a hedge", "n", "n is the number of plants"),
            ("A printer works out the cost of a batch of posters", "k", "k is the number of posters"),
        ])
        a, b = r.randint(2, 9), r.randint(3, 20)
        n = r.randint(3, 15)
        q.p("%s with the formula <b>C = %d%s + %d</b>, where C is the cost in pounds and %s." % (what, a, var, b, unit))
        if kind == "formula":
            q.p("Find C when %s = %d. %s" % (var, n, q.b("N", a * n + b, mk(L, 1, 2))))
        else:
            q.p("Find %s when C = %d. %s" % (var, a * n + b, q.b("N", n, mk(L, 2, 2, 3))))


# =============================================================================================
# Fractions

GROUPS = [("pupils", "class", "walk to school", "come by bus", "come by car"),
          ("children", "holiday club", "chose football", "chose art", "chose swimming"),
          ("people", "choir", "sing soprano", "sing alto", "sing tenor or bass"),
          ("trees", "park", "are oaks", "are beeches", "are of other kinds"),
          ("books", "book sale", "are stories", "are about animals", "are about history"),
          ("runners", "fun run", "wear red", "wear blue", "wear green")]


@multistep
def fr_class_split(q, r, L):
    d1, d2 = r.sample([2, 3, 4, 5, 6, 8, 10], 2)
    f1, f2 = Fr(r.randint(1, d1 - 1), d1), Fr(r.randint(1, d2 - 1), d2)
    if f1 + f2 >= 1 or f1.denominator != d1 or f2.denominator != d2:
        raise Retry()
    lcm = d1 * d2 // math.gcd(d1, d2)
    total = lcm * r.randint(1, max(1, 120 // lcm))
    if total < 12:
        raise Retry()
    things, group, a, b, rest = r.choice(GROUPS)
    q.p("There are %d %s in a %s. %s of them %s and %s of them %s. The rest %s." % (total, things, group, frac(f1), a, frac(f2), b, rest))
    q.p("How many %s %s? %s" % (things, a, q.b("N", f1 * total, mk(L))))
    if L >= 4:
        q.p("How many %s %s? %s" % (things, b, q.b("N", f2 * total, 1)))
    q.p("How many %s %s? %s" % (things, rest, q.b("N", total * (1 - f1 - f2), mk(L, 2, 2, 3))))


@multistep
def fr_spend(q, r, L):
    f1 = r.choice([Fr(1, 2), Fr(1, 3), Fr(1, 4), Fr(2, 3), Fr(3, 4), Fr(1, 5), Fr(2, 5)])
    f2 = r.choice([Fr(1, 2), Fr(1, 3), Fr(1, 4), Fr(3, 4), Fr(2, 3)])
    m = f1.denominator * f2.denominator * r.randint(2, 12)
    rest = m * (1 - f1)
    if (rest * f2).denominator != 1:
        raise Retry()
    who = r.choice(NAMES)
    a, b = r.sample(["a jacket", "a computer game", "a bike lock", "a concert ticket", "a pair of trainers",
                     "a book", "a present for a friend", "a swimming lesson", "a cinema ticket"], 2)
    q.p("%s has &pound;%d. %s spends %s of it on %s and then %s of what is left on %s." % (who, m, who, frac(f1), a, frac(f2), b))
    q.p("How much does %s cost? Give your answer in pounds, without the &pound; sign. %s" % (b.replace("a ", "the ", 1), q.b("N", rest * f2, mk(L, 2, 2, 3))))
    q.p("How much money does %s have left? Give your answer in pounds, without the &pound; sign. %s" % (who, q.b("N", rest * (1 - f2), mk(L, 1, 2))))


@multistep
def fr_tank(q, r, L):
    d = r.choice([4, 5, 6, 8, 10])
    c = d * r.randint(2, 12) * r.choice([1, 2, 5])
    n1 = r.randint(1, d - 2)
    j = r.randint(1, d - 1 - n1)  # tenths, quarters... poured in, so it is not full yet
    now = Fr(n1 + j, d)
    if Fr(n1, d).denominator != d:
        raise Retry()  # "2/4 full" would not be said
    what = r.choice([("water tank", "water"), ("rain barrel", "rainwater"), ("fish tank", "water"), ("paddling pool", "water")])
    who = r.choice(NAMES)
    q.p("A %s holds %d litres when it is full. It is %s full. %s pours in another %d litres of %s. "
        "What fraction of the %s is full now? %s" % (what[0], c, frac(Fr(n1, d)), who, c // d * j, what[1], what[0], F_SIMPLEST))
    q.p(q.b("F", frac(now), mk(L, 2, 2, 3)))


COUNTER_COLOURS = ["red", "blue", "green", "yellow", "white", "black"]


def fr_probability(q, r, L):
    cols = r.sample(COUNTER_COLOURS, 3)
    counts = [r.randint(1, 9) for _ in cols]
    total = sum(counts)
    i = r.randrange(3)
    neg = L >= 4 and r.random() < 0.4
    p = Fr(total - counts[i] if neg else counts[i], total)
    if p.denominator == 1:
        raise Retry()
    who = r.choice(NAMES)
    q.p("A bag holds %d %s, %d %s and %d %s counters. %s takes one counter without looking. "
        "What is the probability that it is %s%s? %s" % (counts[0], cols[0], counts[1], cols[1], counts[2], cols[2], who,
                                                      "not " if neg else "", cols[i], F_SIMPLEST))
    q.p(q.b("F", frac(p), mk(L)))


# =============================================================================================
# Decimals

PLURAL_ITEMS = [("notebooks", 0.8, 3), ("apples", 0.2, 0.6), ("pens", 0.4, 2), ("cartons of juice", 0.6, 1.5),
                ("birthday cards", 1, 3), ("packets of seeds", 0.9, 2.5), ("bread rolls", 0.25, 0.8),
                ("comics", 1.5, 4), ("balls of wool", 1.8, 4), ("tins of soup", 0.7, 1.6), ("postcards", 0.3, 0.9),
                ("plant pots", 1.2, 3.5), ("candles", 0.5, 2), ("bars of soap", 0.6, 1.8)]


@multistep
def de_shop_change(q, r, L):
    (i1, lo1, hi1), (i2, lo2, hi2) = r.sample(PLURAL_ITEMS, 2)
    p1, p2 = Fr(r.randint(int(lo1 * 20), int(hi1 * 20)), 20), Fr(r.randint(int(lo2 * 20), int(hi2 * 20)), 20)
    n1, n2 = r.randint(2, 6), r.randint(2, 5)
    total = n1 * p1 + n2 * p2
    # the smallest note that pays for it all: the change is never negative
    notes = [n for n in (5, 10, 20, 50) if n > total]
    if not notes:
        raise Retry()
    note = notes[0]
    who = r.choice(NAMES)
    q.p("%s buys %d %s at %s each and %d %s at %s each." % (who, n1, i1, money(p1), n2, i2, money(p2)))
    q.p("How much does %s spend altogether? Give your answer in pounds, without the &pound; sign. %s" % (who, q.b("N", dec(total), mk(L, 2, 2, 3))))
    q.p("%s pays with a &pound;%d note. How much change does %s get? Give your answer in pounds, without the &pound; sign. %s" % (
        who, note, who, q.b("N", dec(note - total), mk(L, 1, 2))))


PRODUCE = ["apples", "pears", "carrots", "tomatoes", "grapes", "potatoes", "onions", "plums", "cherries", "mushrooms"]


@multistep
def de_per_kg(q, r, L):
    a, b = r.sample(PRODUCE, 2)
    pa, pb = Fr(r.randint(6, 40), 10), Fr(r.randint(6, 40), 10)
    wa, wb = Fr(r.randint(5, 40), 10), Fr(r.randint(2, 30), 10)
    if wa.denominator == 1 and wb.denominator == 1:
        raise Retry()
    total = pa * wa + pb * wb
    who = r.choice(NAMES)
    q.p("At a market, %s cost %s per kg and %s cost %s per kg. %s buys %s kg of %s and %s kg of %s. "
        "How much does %s pay altogether? Give your answer in pounds, without the &pound; sign." % (
            a, money(pa), b, money(pb), who, num(wa), a, num(wb), b, who))
    q.p(q.b("N", dec(total), mk(L, 2, 2, 3)))


@multistep
def de_rope(q, r, L):
    piece = rdec(r, 0.2, 1.5, [1, 1, 1, 2, 2][L - 1])
    n = r.randint(2, 6)
    total = piece * n + rdec(r, 0.3, 4, 1)
    thing = r.choice(["rope", "length of ribbon", "roll of fabric", "piece of string", "plank of wood", "strip of paper"])
    who = r.choice(NAMES)
    q.p("A %s is %s m long. %s cuts %d pieces from it, each %s m long. How long is the piece that is left? Give your answer in m." % (
        thing, num(total), who, n, num(piece)))
    left = total - n * piece
    q.p(q.b("N", dec(left), mk(L, 2, 2, 3)))
    if L >= 4:
        if left < piece:
            raise Retry()  # "none" would be a dull second answer
        q.p("How many more whole pieces, each %s m long, could be cut from what is left? %s" % (num(piece), q.b("N", left // piece, 2)))


# =============================================================================================
# Percentage and Ratio

SALE_ITEMS = ["coat", "bike", "tent", "guitar", "watch", "scooter", "desk lamp", "rucksack", "pair of boots",
              "skateboard", "fishing rod", "sleeping bag", "microscope", "football kit"]


@multistep
def pc_sale_change(q, r, L):
    p = r.choice([10, 20, 25, 30, 40, 15, 35][: [3, 4, 5, 6, 7][L - 1]])
    price = r.choice([20, 30, 40, 50, 60, 80, 90, 120, 150, 180, 240])
    sale = Fr(price * (100 - p), 100)
    if (sale * 100).denominator != 1:
        raise Retry()
    pay = (int(sale) // 10 + 1) * 10 + r.choice([0, 10, 20])
    who = r.choice(NAMES)
    item = r.choice(SALE_ITEMS)
    q.p("A %s costs &pound;%d. In a sale its price is cut by %d%%. %s buys it in the sale and pays with &pound;%d." % (item, price, p, who, pay))
    q.p("What is the sale price? Give your answer in pounds, without the &pound; sign. %s" % q.b("N", dec(sale), mk(L, 2, 2, 2)))
    q.p("How much change does %s get? Give your answer in pounds, without the &pound; sign. %s" % (who, q.b("N", dec(pay - sale), mk(L, 1, 2))))


RATIO_GROUPS = [("choir", "boys", "girls", "singers"), ("bag", "red beads", "blue beads", "beads"),
                ("car park", "cars", "vans", "vehicles"), ("garden", "tulips", "daffodils", "flowers"),
                ("library", "picture books", "novels", "books"), ("pond", "frogs", "newts", "animals")]


@multistep
def pc_ratio_difference(q, r, L):
    a, b = r.randint(1, 6), r.randint(2, 9)
    if a >= b or math.gcd(a, b) != 1:
        raise Retry()
    k = r.randint(2, 12)
    place, x, y, all_ = r.choice(RATIO_GROUPS)
    q.p("In a %s the ratio of %s to %s is %d : %d. There are %d more %s than %s." % (place, x, y, a, b, (b - a) * k, y, x))
    q.p("How many %s are there? %s" % (x, q.b("N", a * k, mk(L, 2, 2, 3))))
    q.p("How many %s are there altogether? %s" % (all_, q.b("N", (a + b) * k, mk(L, 1, 2))))


@multistep
def pc_survey(q, r, L):
    n = r.choice([40, 60, 80, 120, 150, 200, 240, 300, 400, 500])
    p1, p2 = r.sample([5, 10, 15, 20, 25, 30, 35, 40, 45], 2)
    if p1 <= p2 or p1 + p2 >= 100 or (n * p1) % 100 or (n * p2) % 100:
        raise Retry()
    a, b, c = r.choice([("walk", "cycle", "come another way"), ("chose pizza", "chose pasta", "chose something else"),
                        ("play football", "play netball", "play another sport"), ("have a dog", "have a cat", "have no pet or another pet"),
                        ("learn the piano", "learn the violin", "learn no instrument or another one"),
                        ("voted for a new library", "voted for a new garden", "voted for a climbing wall"),
                        ("read comics", "read magazines", "read neither"), ("like summer best", "like winter best", "like spring or autumn best"),
                        ("swim every week", "skate every week", "do neither"), ("have a packed lunch", "go home for lunch", "have school dinners")])
    where = "year group" if n <= 120 else "school"
    q.p("There are %d pupils in a %s. %d%% of them %s and %d%% %s. The rest %s." % (n, where, p1, a, p2, b, c))
    q.p("How many more pupils %s than %s? %s" % (a, b, q.b("N", n * (p1 - p2) // 100, mk(L, 2, 2, 3))))
    q.p("How many pupils %s? %s" % (c, q.b("N", n * (100 - p1 - p2) // 100, mk(L, 1, 2))))


# =============================================================================================
# Measurement

@multistep
def me_speed_time(q, r, L):
    kind = r.randint(0, 2)
    who = r.choice(NAMES)
    if kind == 0:
        v = r.choice([6, 8, 10, 12, 15, 16, 18, 20, 24])
        mins = r.choice([15, 20, 30, 40, 45, 90])
        d = Fr(v * mins, 60)
        if (d * 10).denominator != 1:
            raise Retry()
        q.p("%s cycles at a steady speed of %d km per hour. How far does %s cycle in %d minutes? Give your answer in km." % (who, v, who, mins))
        q.p(q.b("N", dec(d), mk(L, 2, 2, 3)))
    elif kind == 1:
        v = r.choice([40, 48, 50, 60, 64, 80])
        t = Fr(r.randint(3, 14), 4)
        d = v * t
        if d.denominator != 1:
            raise Retry()
        q.p("A coach travels %d km at a steady speed of %d km per hour. How long does the journey take?" % (d, v))
        q.p("%s hours %s minutes" % (q.b("N", int(t), mk(L, 1, 2)), q.b("N", (t - int(t)) * 60, mk(L, 1, 2))))
    else:
        v = r.choice([30, 40, 60, 80, 90, 120])
        t = r.choice([15, 20, 30, 45, 75, 90, 100, 150])
        d = Fr(v * t, 60)
        if d.denominator != 1:
            raise Retry()
        start = r.randint(6 * 60, 20 * 60) // 5 * 5
        what = r.choice(["train", "ferry", "coach", "tram"])
        q.p("A %s leaves %s at %s and travels %d km at a steady speed of %d km per hour. "
            "At what time does it arrive? Write the time in the 24-hour clock." % (what, r.choice(PLACES), clock(start), d, v))
        q.p(q.b("M", time24_key(start + t), mk(L, 2, 2, 3)))


@multistep
def me_journey(q, r, L):
    a, b, c = r.sample(PLACES, 3)
    start = r.randint(6 * 60, 21 * 60)
    t1, w, t2 = r.randint(12, 55), r.randint(3, 15), r.randint(12, 70)
    what = r.choice(["bus", "train", "coach", "boat"])
    q.p("A %s leaves %s at %s. It takes %d minutes to reach %s, waits there for %d minutes, and then takes %d minutes to reach %s." % (
        what, a, clock(start), t1, b, w, t2, c))
    q.p("At what time does it reach %s? Write the time in the 24-hour clock. %s" % (c, q.b("M", time24_key(start + t1 + w + t2), mk(L, 2, 2, 3))))
    if L >= 4:
        q.p("How long does the whole journey take? Give your answer in minutes. %s" % q.b("N", t1 + w + t2, 1))


@multistep
def me_fence(q, r, L):
    a = Fr(r.randint(8, 40), 2) if L >= 4 else Fr(r.randint(4, 20))
    b = Fr(r.randint(6, 30), 2) if L >= 4 else Fr(r.randint(3, 15))
    if a <= b:
        raise Retry()  # the length is the longer side
    cost = r.randint(3, 15)
    what = r.choice(["garden", "field", "play area", "vegetable patch", "paddock", "school pond area"])
    per = 2 * (a + b)
    q.p("A rectangular %s is %s m long and %s m wide. Fencing costs &pound;%d per metre." % (what, num(a), num(b), cost))
    q.p("How many metres of fencing are needed to go all the way round? Give your answer in m. %s" % q.b("N", dec(per), mk(L, 1, 2)))
    q.p("What does the fencing cost? Give your answer in pounds, without the &pound; sign. %s" % q.b("N", dec(per * cost), mk(L, 2, 2, 3)))


@multistep
def me_cooler(q, r, L):
    c = r.randint(5, 25)
    ml = r.choice([150, 200, 250, 300, 350])
    n = r.randint(4, c * 1000 // ml - 1)
    what = r.choice(["A water cooler", "A large teapot", "An urn of lemonade", "A drinks dispenser", "A bucket"])
    if what == "A large teapot" and c > 6:
        raise Retry()
    q.p("%s holds %d litres. %d cups of %d ml are filled from it. How much is left? Give your answer in litres." % (what, c, n, ml))
    q.p(q.b("N", dec(Fr(c * 1000 - n * ml, 1000)), mk(L, 2, 2, 3)))


@multistep
def me_box_mass(q, r, L):
    n = r.randint(6, 24)
    g = r.randint(120, 650)
    box = r.randint(150, 900)
    what = r.choice(["tins of beans", "jars of jam", "bags of rice", "bottles of oil", "packs of butter", "cartons of soup"])
    q.p("A box holds %d %s. Each one has a mass of %d g. The empty box has a mass of %d g. "
        "What is the total mass of the box and everything in it? Give your answer in kg." % (n, what, g, box))
    q.p(q.b("N", dec(Fr(n * g + box, 1000)), mk(L, 2, 2, 3)))


# =============================================================================================
# Geometry and Data

COUNT_WORDS = ["", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"]


@multistep
def ge_mean_missing(q, r, L):
    n = r.randint(4, [5, 5, 6, 7, 8][L - 1])
    m = r.randint(8, 60)
    vals = [m + r.randint(-7, 7) for _ in range(n - 1)]
    last = m * n - sum(vals)
    if last <= 0:
        raise Retry()
    who = r.choice(NAMES)
    what, unit = r.choice([("test scores", ""), ("scores in a quiz", ""), ("lap times", "seconds"),
                           ("long jumps", "cm"), ("points in a game", ""), ("throws of a beanbag", "metres")])
    shown = ", ".join(str(v) for v in vals[:-1]) + " and " + str(vals[-1])
    q.p("The mean of %s's %s %s is %d%s. %s of them are %s. What is the other one?%s" % (
        who, COUNT_WORDS[n], what, m, " " + unit if unit else "", COUNT_WORDS[n - 1].capitalize(), shown,
        " Give your answer in %s." % unit if unit else ""))
    q.p(q.b("N", last, mk(L, 2, 2, 3)))


@multistep
def ge_paint_wall(q, r, L):
    w, h = r.randint(3, 12), r.randint(2, 4)
    a, b = r.randint(1, 3), r.randint(1, 2)
    cover = r.choice([4, 5, 6, 8, 10])
    area = w * h - a * b
    if area <= cover or area % cover == 0:
        raise Retry()
    who = r.choice(NAMES)
    q.p("%s is painting a wall that is %d m long and %d m high. The wall has a window %d m wide and %d m high, which is not painted." % (who, w, h, a, b))
    q.p("What area of the wall is painted? Give your answer in m&sup2;. %s" % q.b("N", area, mk(L, 2, 2, 2)))
    q.p("One tin of paint covers %d m&sup2;. How many tins does %s need to buy? %s" % (cover, who, q.b("N", -(-area // cover), mk(L, 1, 2))))


@multistep
def ge_lawn(q, r, L):
    a, b = r.randint(6, 20), r.randint(5, 15)
    s = r.randint(1, min(a, b) - 3)
    price = r.randint(2, 9)
    if a == b:
        raise Retry()
    feature = r.choice(["square pond", "square patio", "square sandpit", "square flower bed"])
    q.p("A rectangular garden is %d m long and %d m wide. It has a %s with sides of %d m, and the rest is lawn." % (a, b, feature, s))
    q.p("What is the area of the lawn? Give your answer in m&sup2;. %s" % q.b("N", a * b - s * s, mk(L, 2, 2, 2)))
    q.p("Lawn seed costs &pound;%d for each m&sup2;. What does the seed for the lawn cost? Give your answer in pounds, without the &pound; sign. %s" % (
        price, q.b("N", (a * b - s * s) * price, mk(L, 1, 2))))


@multistep
def ge_isosceles(q, r, L):
    if r.random() < 0.5:
        top = r.randrange(20, 141, 2)
        q.p("In an isosceles triangle the angle between the two equal sides is %d&deg;. "
            "What size is each of the other two angles? Give your answer in degrees." % top)
        q.p(q.b("N", (180 - top) // 2, mk(L, 2, 2, 3)))
    else:
        base = r.randint(25, 85)
        q.p("An isosceles triangle has two equal angles of %d&deg; each. What size is its third angle? Give your answer in degrees." % base)
        q.p(q.b("N", 180 - 2 * base, mk(L, 2, 2, 3)))


def _unit_nets():
    """Nets in grid units: name -> list of builders (r -> faces)."""

    def sq(x, y, w=1, h=1):
        return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]

    def cube(r):
        a, b = r.randrange(4), r.randrange(4)
        return [sq(i, 1) for i in range(4)] + [sq(a, 0), sq(b, 2)]

    def cuboid(r):
        l, w, h = r.choice([(2, 1, 1.5), (2, 1.5, 1), (2.5, 1, 1.5), (2, 1, 2.5)])
        xs = [0, l, l + w, 2 * l + w]
        widths = [l, w, l, w]
        faces = [sq(x, w, wd, h) for x, wd in zip(xs, widths)]
        a, b = r.choice([0, 2]), r.choice([0, 2])
        return faces + [sq(xs[a], 0, l, w), sq(xs[b], w + h, l, w)]

    def pyramid(r):
        s, t = 2, r.choice([1.5, 2])
        return [sq(t, t, s, s), [(t, t), (t + s, t), (t + s / 2, 0)], [(t + s, t), (t + s, t + s), (2 * t + s, t + s / 2)],
                [(t + s, t + s), (t, t + s), (t + s / 2, 2 * t + s)], [(t, t + s), (t, t), (0, t + s / 2)]]

    def prism(r):
        s, h = 1.6, r.choice([2.5, 3])
        k = math.sqrt(3) / 2 * s
        i, j = r.randrange(3), r.randrange(3)
        rects = [sq(n * s, k, s, h) for n in range(3)]
        return rects + [[(i * s, k), (i * s + s, k), (i * s + s / 2, 0)],
                        [(j * s, k + h), (j * s + s, k + h), (j * s + s / 2, 2 * k + h)]]

    def tetra(r):
        s = 2
        k = math.sqrt(3) / 2 * s
        A, B, C = (0, 2 * k), (2 * s, 2 * k), (s, 0)
        mab, mbc, mca = (s, 2 * k), (1.5 * s, k), (0.5 * s, k)
        return [[A, mab, mca], [mab, B, mbc], [mca, mbc, C], [mca, mab, mbc]]

    return {"cube": cube, "cuboid": cuboid, "square-based pyramid": pyramid, "triangular prism": prism,
            "tetrahedron": tetra}


NETS = _unit_nets()
SOLID_FACTS = {"cube": (6, 12, 8), "cuboid": (6, 12, 8), "square-based pyramid": (5, 8, 5),
               "triangular prism": (5, 9, 6), "tetrahedron": (4, 6, 4)}


def ge_net(q, r, L):
    name = r.choice(list(NETS))
    q.picture(svg.net(NETS[name](r)), "the net of a 3-D shape")
    wrong = [n for n in NETS if n != name] + ["cylinder", "cone"]
    r.shuffle(wrong)
    q.choice(r, r.choice(["This is the net of a 3-D shape. Which shape does it fold up to make?",
                          "The net below is folded along its lines. Which 3-D shape does it make?",
                          "Which 3-D shape can be made by folding this net?"]), name, wrong)
    if L >= 3:
        which = r.randrange(3)
        q.p("How many %s does that shape have? %s" % (["faces", "edges", "vertices"][which], q.b("N", SOLID_FACTS[name][which], mk(L))))


SYMMETRY_SHAPES = [
    ("rectangle", [(0, 0), (5, 0), (5, 3), (0, 3)], 2),
    ("square", [(0, 0), (4, 0), (4, 4), (0, 4)], 4),
    ("isosceles triangle", [(0, 4), (4, 4), (2, 0)], 1),
    ("kite", [(2, 0), (4, 2), (2, 6), (0, 2)], 1),
    ("parallelogram", [(1, 0), (6, 0), (5, 3), (0, 3)], 0),
    ("rhombus", [(3, 0), (6, 2), (3, 4), (0, 2)], 2),
    ("isosceles trapezium", [(1, 0), (4, 0), (5, 3), (0, 3)], 1),
    ("right-angled triangle", [(0, 0), (5, 0), (0, 3)], 0),
    ("arrow", [(0, 1), (3, 1), (3, 0), (5, 2), (3, 4), (3, 3), (0, 3)], 1),
    ("cross", [(1, 0), (2, 0), (2, 1), (3, 1), (3, 2), (2, 2), (2, 3), (1, 3), (1, 2), (0, 2), (0, 1), (1, 1)], 4),
    ("T shape", [(0, 0), (5, 0), (5, 1), (3, 1), (3, 4), (2, 4), (2, 1), (0, 1)], 1),
    ("H shape", [(0, 0), (1, 0), (1, 2), (3, 2), (3, 0), (4, 0), (4, 5), (3, 5), (3, 3), (1, 3), (1, 5), (0, 5)], 2),
    ("L shape", [(0, 0), (1, 0), (1, 3), (4, 3), (4, 4), (0, 4)], 1),
    ("step shape", [(0, 0), (2, 0), (2, 1), (3, 1), (3, 2), (0, 2)], 0),
]


def ge_symmetry(q, r, L):
    name, pts, lines = r.choice(SYMMETRY_SHAPES)
    if r.random() < 0.5:  # the same shape the other way up reads as a new picture
        pts = [(y, x) for x, y in pts]
    q.picture(svg.shape(pts), "a flat shape")
    q.p(r.choice(["How many lines of symmetry does this shape have?",
                  "Count the lines of symmetry of this shape. How many are there?",
                  "%s draws every line of symmetry on this shape. How many lines does %s draw?" % ((r.choice(NAMES),) * 2)]))
    q.p(q.b("N", lines, mk(L)))


def _triangle_on_grid(r, xs=(1, 9), ys=(1, 9)):
    """Corners kept off the edges of the grid, so their labels stay clear of the axis numbers."""
    for _ in range(50):
        pts = [(r.randint(*xs), r.randint(*ys)) for _ in range(3)]
        (x1, y1), (x2, y2), (x3, y3) = pts
        area2 = abs((x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1))
        if area2 >= 8 and len(set(pts)) == 3:
            return pts
    raise Retry()


def ge_reflect(q, r, L):
    axis = r.choice(["x", "y"])
    k = r.randint(3, 7)
    # The whole shape lies on one side of the mirror and its image fits on the grid.
    side = (max(1, 2 * k - 9), k - 1) if r.random() < 0.5 else (k + 1, min(9, 2 * k - 1))
    tri = _triangle_on_grid(r, side) if axis == "x" else _triangle_on_grid(r, (1, 9), side)
    names = ["A", "B", "C"]
    q.picture(svg.grid_shape(list(zip(names, *zip(*tri))), mirror=(axis, k)), "triangle ABC on a grid with a dashed mirror line")
    q.p("Triangle ABC is reflected in the dashed mirror line, the line %s = %d." % (axis, k))
    asked = r.sample(range(3), 2 if L >= 4 else 1)
    for i in asked:
        x, y = tri[i]
        ix, iy = (2 * k - x, y) if axis == "x" else (x, 2 * k - y)
        q.p("What are the coordinates of the image of corner %s?" % names[i])
        q.p("( %s , %s )" % (q.b("N", ix, 1), q.b("N", iy, 1)))


def ge_translate(q, r, L):
    tri = _triangle_on_grid(r)
    # A move that keeps every corner on the grid; from Paper 3 it goes both across and up or down.
    xs, ys = [x for x, _ in tri], [y for _, y in tri]
    dxs = [d for d in range(1 - min(xs), 10 - max(xs)) if d or L < 3]
    dys = [d for d in range(1 - min(ys), 10 - max(ys)) if d or L < 3]
    if not dxs or not dys:
        raise Retry()
    dx, dy = r.choice(dxs), r.choice(dys)
    if dx == 0 and dy == 0:
        raise Retry()
    moves = []
    if dx:
        moves.append("%d square%s %s" % (abs(dx), "" if abs(dx) == 1 else "s", "right" if dx > 0 else "left"))
    if dy:
        moves.append("%d square%s %s" % (abs(dy), "" if abs(dy) == 1 else "s", "up" if dy > 0 else "down"))
    names = ["P", "Q", "R"]
    q.picture(svg.grid_shape(list(zip(names, *zip(*tri)))), "triangle PQR on a grid")
    q.p("Triangle PQR is translated %s." % " and ".join(moves))
    for i in r.sample(range(3), 2 if L >= 4 else 1):
        x, y = tri[i]
        q.p("What are the coordinates of the image of corner %s?" % names[i])
        q.p("( %s , %s )" % (q.b("N", x + dx, 1), q.b("N", y + dy, 1)))


CHANCE_WORDS = ["impossible", "unlikely", "even chance", "likely", "certain"]


def chance_word(k, n):
    return "impossible" if k == 0 else "certain" if k == n else "even chance" if 2 * k == n else \
        "unlikely" if 2 * k < n else "likely"


NUMBER_EVENTS = [("an even number", lambda v: v % 2 == 0), ("an odd number", lambda v: v % 2 == 1),
                 ("a number less than 10", lambda v: v < 10), ("a number greater than 10", lambda v: v > 10)]


def ge_chance(q, r, L):
    n = r.choice([4, 6, 8])
    if r.random() < 0.5:
        cols = r.sample(list(svg.SPINNER_COLOURS)[:6], r.randint(2, 3))
        labels = [r.choice(cols) for _ in range(n)]
        target = r.choice(cols + ["purple" if "purple" not in cols else "white"])
        k = labels.count(target)
        event = "lands on %s" % target
    else:
        start = r.randint(1, 3)
        labels = [str(v) for v in range(start, start + n)]
        m = r.randint(2, n + start - 1)
        events = NUMBER_EVENTS + [("a number greater than %d" % m, lambda v: v > m), ("a number less than %d" % m, lambda v: v < m)]
        event_name, test = r.choice(events)
        k = sum(1 for v in labels if test(int(v)))
        event = "lands on %s" % event_name
    q.picture(svg.spinner(labels), "a spinner with %d equal sections" % n)
    word = chance_word(k, n)
    q.choice(r, "The spinner is spun once. Which word best describes the chance that it %s?" % event, word,
             [w for w in r.sample(CHANCE_WORDS, 5) if w != word])
    if L >= 3 and 0 < k < n:
        q.p("What is the probability that it %s? %s %s" % (event, F_SIMPLEST, q.b("F", frac(Fr(k, n)), mk(L))))


# Word problems of two steps added so that no paper needs one kind of problem more than twice.

@multistep
def fr_compare_parts(q, r, L):
    f1, f2 = r.sample([Fr(1, 2), Fr(1, 3), Fr(2, 3), Fr(1, 4), Fr(3, 4), Fr(2, 5), Fr(3, 5), Fr(3, 8), Fr(5, 8), Fr(1, 6)], 2)
    if f1 == f2 or f1 + f2 > 1:
        raise Retry()
    f1, f2 = max(f1, f2), min(f1, f2)
    lcm = f1.denominator * f2.denominator // math.gcd(f1.denominator, f2.denominator)
    total = lcm * r.randint(2, max(2, 300 // lcm))
    who = r.choice(NAMES)
    q.p("%s is reading a book of %d pages. %s reads %s of the book on Saturday and %s of it on Sunday." % (
        who, total, who, frac(f1), frac(f2)))
    q.p("How many pages does %s read on Saturday? %s" % (who, q.b("N", f1 * total, mk(L))))
    q.p("How many more pages does %s read on Saturday than on Sunday? %s" % (who, q.b("N", (f1 - f2) * total, mk(L, 2, 2, 3))))


@multistep
def fr_whole_from_part(q, r, L):
    f = r.choice([Fr(1, 3), Fr(2, 3), Fr(1, 4), Fr(3, 4), Fr(2, 5), Fr(3, 5), Fr(3, 8), Fr(5, 8), Fr(5, 6), Fr(3, 10)])
    total = f.denominator * r.randint(3, max(3, 400 // f.denominator))
    place, things, a, b = r.choice([("school", "pupils", "boys", "girls"), ("car park", "vehicles", "cars", "vans"),
                                    ("orchard", "trees", "apple trees", "pear trees"),
                                    ("library", "books", "story books", "information books"),
                                    ("zoo", "animals", "birds", "mammals")])
    q.p("In %s %s, %s of the %s are %s and the rest are %s. There are %d %s." % (
        "an" if place[0] in "aeiou" else "a", place, frac(f), things, a, b, f * total, a))
    q.p("How many %s are there altogether? %s" % (things, q.b("N", total, mk(L, 2, 2, 3))))
    q.p("How many %s are there? %s" % (b, q.b("N", total * (1 - f), mk(L))))


@multistep
def de_relay(q, r, L):
    legs = [Fr(r.randint(120, 180), 10) for _ in range(4)]
    if len(set(legs)) < 4:
        raise Retry()
    team = r.choice(["Red", "Blue", "Green", "Yellow"])
    q.p("The four runners of the %s team run their legs of a relay in %s seconds." % (team, ", ".join(dec(x) for x in legs[:3]) + " and " + dec(legs[3])))
    q.p("What is the team's total time? Give your answer in seconds. %s" % q.b("N", dec(sum(legs)), mk(L, 2, 2, 3)))
    q.p("How many seconds quicker was the fastest leg than the slowest? %s" % q.b("N", dec(max(legs) - min(legs)), mk(L)))


@multistep
def pc_test_scores(q, r, L):
    n = r.choice([20, 25, 40, 50])
    p = r.choice([40, 45, 50, 55, 60, 65, 70, 75, 80])
    right = Fr(n * p, 100)
    more = r.randint(1, 6)
    if right.denominator != 1 or right + more > n or Fr((right + more) * 100, n).denominator != 1:
        raise Retry()
    a, b = two_names(r)
    q.p("A test has %d questions. %s gets %d%% of them right. %s gets %d more questions right than %s." % (n, a, p, b, more, a))
    q.p("How many questions does %s get right? %s" % (a, q.b("N", right, mk(L))))
    q.p("What percentage of the questions does %s get right? %s %%" % (b, q.b("N", (right + more) * 100 / n, mk(L, 2, 2, 3))))


# =============================================================================================
# Which makers each topic adds, with the levels that use them.

WHOLE_NUMBERS_NEW = [(wn_remainder_context, 2, 5), (wn_stock_left, 3, 5), (wn_tickets, 3, 5), (wn_think_number, 3, 5),
                     (wn_letters, 2, 5), (wn_substitute, 3, 5), (wn_formula, 3, 5)]
FRACTIONS_NEW = [(fr_class_split, 3, 5), (fr_spend, 3, 5), (fr_tank, 4, 5), (fr_probability, 3, 5),
                 (fr_compare_parts, 3, 5), (fr_whole_from_part, 3, 5)]
DECIMALS_NEW = [(de_shop_change, 3, 5), (de_per_kg, 3, 5), (de_rope, 3, 5), (de_relay, 3, 5)]
PERCENT_RATIO_NEW = [(pc_sale_change, 3, 5), (pc_ratio_difference, 3, 5), (pc_survey, 3, 5), (pc_test_scores, 3, 5)]
MEASUREMENT_NEW = [(me_speed_time, 3, 5), (me_journey, 3, 5), (me_fence, 3, 5), (me_cooler, 3, 5), (me_box_mass, 4, 5)]
GEOMETRY_DATA_NEW = [(ge_mean_missing, 3, 5), (ge_paint_wall, 3, 5), (ge_lawn, 3, 5), (ge_isosceles, 3, 5),
                     (ge_net, 2, 5), (ge_symmetry, 1, 4), (ge_reflect, 3, 5), (ge_translate, 2, 5), (ge_chance, 1, 4)]
