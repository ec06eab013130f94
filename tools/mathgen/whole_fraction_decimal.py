"""Question makers for Whole Numbers, Fractions and Decimals. Each maker fills a Question from
a random draw at a level from 1 (Paper 1) to 5 (Paper 5) and computes every answer."""

import math
from fractions import Fraction as Fr

import svg
from core import (F_SIMPLEST, X_MIXED, X_WHOLE, Retry, dec, frac, ftext, is_prime, listing, mixed, money,
                  num, round_to)

NAMES = ["Amy", "Ben", "Chloe", "Daniel", "Ella", "Finn", "Grace", "Harry", "Isla", "Jack",
         "Kiran", "Leah", "Mohammed", "Nia", "Oscar", "Priya", "Ravi", "Sophie", "Tom", "Zara",
         "Aisha", "Callum", "Freya", "Joshua", "Maya", "Noah", "Ruby", "Samuel", "Tara", "Yusuf",
         "Ada", "Bilal", "Chen", "Dev", "Eilidh", "Femi", "Gabriel", "Hana", "Ines", "Jamal",
         "Kasia", "Luca", "Mei", "Niamh", "Olu", "Pavel", "Rhys", "Sana", "Tomasz", "Uma",
         "Wei", "Yasmin", "Zainab", "Aled", "Beatriz", "Cormac", "Darcey", "Emeka", "Fatima", "Hamza"]

WORK = ["Work out", "Calculate", "Find the value of"]


def work(r, expr):
    """A plain calculation stem; the expression is written out in full."""
    return "%s %s." % (r.choice(WORK), expr) if r.random() < 0.75 else "What is %s?" % expr


def mk(L, easy=1, hard=2, hardest=None):
    if L >= 5 and hardest:
        return hardest
    return hard if L >= 3 else easy


def digits(r, n):
    return r.randint(10 ** (n - 1), 10**n - 1)


# =============================================================================================
# Whole Numbers


def digitwise(a, b, op):
    """a and b combined column by column without carrying or borrowing: the usual slip."""
    sa, sb = str(a), str(b).rjust(len(str(a)), "0")
    return int("".join(str(op(int(x), int(y))) for x, y in zip(sa, sb)))


def wn_add(q, r, L):
    n = [3, 4, 4, 5, 6][L - 1]
    a, b = digits(r, n), digits(r, n - r.randint(0, 1))
    a, b = max(a, b), min(a, b)
    if r.random() < 0.3:
        v = a + b
        q.choice(r, "What is %s + %s?" % (num(a), num(b)), num(v),
                 [num(digitwise(a, b, lambda x, y: (x + y) % 10)), num(v + 10), num(v - 10), num(v + 100), num(v - 100)])
        return
    q.p(work(r, "%s + %s" % (num(a), num(b))))
    q.p(q.b("N", a + b, mk(L)))


def wn_sub(q, r, L):
    n = [3, 4, 4, 5, 6][L - 1]
    a = digits(r, n)
    b = r.randint(10 ** (n - 2), a - 1)
    if L >= 3 and r.random() < 0.5:  # a zero in the middle makes borrowing across it necessary
        a = int(str(a)[0] + "0" * (n - 2) + str(a)[-1])
        b = r.randint(10 ** (n - 2), a - 1)
    if r.random() < 0.3:
        v = a - b
        q.choice(r, "What is %s - %s?" % (num(a), num(b)), num(v),
                 [num(digitwise(a, b, lambda x, y: abs(x - y))), num(v + 10), num(v - 10), num(v + 100), num(a + b)])
        return
    q.p(work(r, "%s - %s" % (num(a), num(b))))
    q.p(q.b("N", a - b, mk(L)))


def wn_mul(q, r, L):
    da, db = [(2, 1), (3, 1), (3, 2), (3, 2), (4, 2)][L - 1]
    a, b = digits(r, da), digits(r, db)
    if db == 1 and b < 3:
        b = r.randint(3, 9)
    if db == 2 and r.random() < 0.35:
        v = a * b
        # Forgetting the zero of the tens row is the classic long-multiplication slip.
        q.choice(r, "What is %s &times; %s?" % (num(a), num(b)), num(v),
                 [num(a * (b // 10) + a * (b % 10)), num(v + a), num(v - a), num(v * 10), num(v + 100)])
        return
    q.p(work(r, "%s &times; %s" % (num(a), num(b))))
    q.p(q.b("N", a * b, mk(L, 1, 2, 3)))


def wn_div(q, r, L):
    dq, dd = [(2, 1), (3, 1), (3, 1), (3, 2), (3, 2)][L - 1]
    d = r.randint(3, 9) if dd == 1 else r.randint(11, 35)
    quo = digits(r, dq)
    q.p(work(r, "%s &divide; %s" % (num(quo * d), num(d))))
    q.p(q.b("N", quo, mk(L, 1, 2, 3)))


def wn_place_value(q, r, L):
    n = [4, 5, 6, 7, 7][L - 1]
    while True:
        x = digits(r, n)
        s = str(x)
        pos = r.randrange(n - 1)
        if s[pos] != "0" and s.count(s[pos]) == 1:
            break
    d = int(s[pos])
    value = d * 10 ** (n - 1 - pos)
    if r.random() < 0.5:
        q.p("What is the value of the digit %d in the number %s?" % (d, num(x)))
        q.p(q.b("N", value, 1))
    else:
        wrong = [d * 10 ** (n - pos), d * 10 ** max(0, n - 2 - pos), d, d * 10 ** (n - 1 - pos) * 100]
        q.choice(r, "In the number %s, what does the digit %d stand for?" % (num(x), d),
                 num(value), [num(w) for w in wrong])


def wn_round(q, r, L):
    units = [(10, "ten"), (100, "hundred"), (1000, "thousand"), (10000, "ten thousand")]
    unit, name = r.choice(units[: [2, 3, 3, 4, 4][L - 1]])
    n = max(len(str(unit)) + 1, [3, 4, 5, 6, 6][L - 1])
    x = digits(r, n)
    if x % unit == 0:
        raise Retry()
    q.p(r.choice(["Round %s to the nearest %s.", "Write %s rounded to the nearest %s."]) % (num(x), name))
    q.p(q.b("N", round_to(x, unit), 1))


def wn_round_multi(q, r, L):
    x = digits(r, [4, 4, 5, 6, 6][L - 1])
    if x % 10 == 0:
        raise Retry()
    q.p("Round the number %s" % num(x))
    q.p("to the nearest ten: %s" % q.b("N", round_to(x, 10), 1))
    q.p("to the nearest hundred: %s" % q.b("N", round_to(x, 100), 1))
    q.p("to the nearest thousand: %s" % q.b("N", round_to(x, 1000), 1))


def wn_largest(q, r, L):
    n = [3, 4, 5, 6, 6][L - 1]
    ds = r.sample(range(1, 10), n)
    base = int("".join(map(str, ds)))
    opts = {base}
    while len(opts) < 5:
        p = ds[:]
        r.shuffle(p)  # the same digits in another order: place value decides
        opts.add(int("".join(map(str, p))))
    opts = sorted(opts)[-4:] if r.random() < 0.5 else sorted(opts)[:4]
    big = r.random() < 0.5
    correct = max(opts) if big else min(opts)
    q.choice(r, "Which of these numbers is the %s?" % ("largest" if big else "smallest"),
             num(correct), [num(o) for o in opts if o != correct])


def wn_add_story(q, r, L):
    a, b = digits(r, [3, 3, 4, 4, 5][L - 1]), digits(r, [3, 3, 4, 4, 5][L - 1])
    who = r.choice(NAMES)
    story = r.choice([
        ("A school library has %s fiction books and %s non-fiction books. How many books does it have altogether?", "books"),
        ("On Saturday %s people visited a museum and on Sunday %s people visited. How many visitors were there over the two days?", "visitors"),
        ("%s walks %s steps in the morning and %s steps in the afternoon. How many steps does %s walk in total?", "steps"),
        ("A farmer picks %s apples from one orchard and %s apples from another. How many apples is that altogether?", "apples"),
    ])[0]
    if story.count("%s") == 4:
        text = story % (who, num(a), num(b), who)
    else:
        text = story % (num(a), num(b))
    q.p(text)
    q.p(q.b("N", a + b, mk(L)))


def wn_sub_story(q, r, L):
    n = [3, 4, 4, 5, 5][L - 1]
    who = r.choice(NAMES)
    # Each context has the sizes it really comes in: a long book has hundreds of pages, not tens of thousands.
    t, size = r.choice([
        ("A stadium holds %s people. %s seats are already sold. How many seats are still free?", n),
        ("A printer has %s sheets of paper. It prints %s sheets. How many sheets are left?", n),
        ("A charity wants to raise %s pounds. So far it has raised %s pounds. How many more pounds does it need?", n),
        ("A book has %s pages. " + who + " has read %s pages. How many pages are still to be read?", 3),
        ("A school field is %s m long. " + who + " has already run %s m of it. How many metres are left to run?", 3),
        ("A mountain is %s m high. A group of walkers has climbed %s m. How many more metres must they climb?", 4),
        ("A swimming pool holds %s litres of water. %s litres are drained out. How many litres are left in the pool?", n),
        ("A warehouse had %s bags of crisps. It sent out %s bags. How many bags are left?", n),
    ])
    a = digits(r, size)
    b = r.randint(a // 5, a - 1)
    q.p(t % (num(a), num(b)))
    q.p(q.b("N", a - b, mk(L)))


def wn_mul_story(q, r, L):
    grow = [0.3, 0.5, 0.7, 0.85, 1][L - 1]  # later papers use more of each context's range
    # Each context with the sizes it really comes in (a show ticket is not 200 pounds).
    text, (alo, ahi), (blo, bhi) = r.choice([
        ("A box holds %d pencils. How many pencils are there in %d boxes?", (12, 144), (6, 60)),
        ("A bus has %d seats. How many seats are there on %d buses?", (24, 72), (6, 40)),
        ("Tickets for a show cost %d pounds each. How many pounds do %d tickets cost?", (8, 45), (6, 99)),
        ("A bakery makes %d rolls every hour. How many rolls does it make in %d hours?", (24, 240), (3, 12)),
        ("A hen house collects %d eggs a week. How many eggs is that in %d weeks?", (12, 90), (4, 52)),
        ("A theatre has %d seats in each row. How many seats are there in %d rows?", (14, 48), (8, 40)),
        ("A lorry carries %d crates. How many crates do %d lorries carry?", (18, 96), (4, 25)),
        ("A packet holds %d seeds. How many seeds are there in %d packets?", (15, 250), (6, 48)),
    ])
    a = r.randint(alo, max(alo + 2, int(alo + (ahi - alo) * grow)))
    b = r.randint(blo, max(blo + 2, int(blo + (bhi - blo) * grow)))
    q.p(text % (a, b))
    q.p(q.b("N", a * b, mk(L, 1, 2, 3)))


def wn_div_remainder(q, r, L):
    size = r.randint(4, [8, 9, 12, 24, 36][L - 1])
    full = r.randint(5, [12, 25, 40, 60, 80][L - 1])
    rem = r.randint(1, size - 1)
    total = size * full + rem
    item, box = r.choice([("eggs", "boxes"), ("cakes", "trays"), ("cards", "packs"),
                          ("pupils", "teams"), ("bottles", "crates")])
    q.p("There are %s %s. They are put into %s of %d. "
        "How many full %s are there, and how many %s are left over?" % (num(total), item, box, size, box, item))
    q.p("Number of full %s: %s" % (box, q.b("N", full, mk(L))))
    q.p("Number of %s left over: %s" % (item, q.b("N", rem, 1)))


def wn_hcf_lcm(q, r, L):
    while True:
        g = r.randint(2, [4, 6, 8, 12, 15][L - 1])
        a, b = g * r.randint(2, 9), g * r.randint(2, 9)
        if a != b and math.gcd(a, b) == g and a * b // g <= 200:
            break
    if r.random() < 0.5:
        q.p("What is the highest common factor of %d and %d?" % (a, b))
        q.p(q.b("N", g, mk(L)))
    else:
        q.p("What is the lowest common multiple of %d and %d?" % (a, b))
        q.p(q.b("N", a * b // g, mk(L)))


def wn_prime(q, r, L):
    hi = [30, 50, 70, 100, 150][L - 1]
    primes = [p for p in range(11, hi) if is_prime(p)]
    fakes = [x for x in [9, 15, 21, 25, 27, 33, 35, 39, 45, 49, 51, 57, 63, 69, 77, 81, 87, 91,
                         93, 111, 117, 119, 121, 133, 143] if x < hi + 20]
    r.shuffle(fakes)
    q.choice(r, r.choice(["Which of these numbers is a prime number?", "Which one of these is prime?"]),
             str(r.choice(primes)), [str(x) for x in fakes])


def wn_squares(q, r, L):
    n = r.randint(3, [9, 12, 15, 20, 25][L - 1])
    if r.random() < 0.5:
        q.p(r.choice(["What is %d squared?", "Work out the square of %d."]) % n)
        q.p(q.b("N", n * n, 1))
    else:
        near = [n * n + d for d in r.sample([-3, -2, 2, 3, 5, -5, 7], 4)] + [n * 2]
        # 3 x 3 - 5 = 4 is a square too: only numbers that are not squares may be offered as wrong.
        q.choice(r, "Which of these numbers is a square number?", str(n * n),
                 [str(w) for w in near if w > 0 and math.isqrt(w) ** 2 != w])


def wn_order_ops(q, r, L):
    a, b, c = r.randint(2, 20), r.randint(2, 12), r.randint(2, 12)
    forms = [
        ("%d + %d &times; %d" % (a, b, c), a + b * c, (a + b) * c),
        ("%d &times; %d - %d" % (b, c, a), b * c - a, None),
        ("(%d + %d) &times; %d" % (a, b, c), (a + b) * c, a + b * c),
        ("%d - %d + %d" % (a + b + c, b, c), a + 2 * c, a),
    ]
    if L >= 3:
        d = r.randint(2, 6)
        forms.append(("%d + %d &divide; %d" % (a, b * d, d), a + b, (a + b * d) // d if (a + b * d) % d == 0 else None))
        forms.append(("%d &times; %d - %d &times; %d" % (b, c, d, a), b * c - d * a, None))
    expr, value, wrong = r.choice(forms)
    if value < 0:
        raise Retry()
    if wrong is not None and wrong != value and r.random() < 0.5:
        q.choice(r, "What is %s?" % expr, str(value), [str(wrong), str(value + 1), str(value - 1), str(value + 10)])
    else:
        q.p(work(r, expr))
        q.p(q.b("N", value, mk(L)))


WORD_UNITS = ["", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
              "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen",
              "eighteen", "nineteen"]
WORD_TENS = ["", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"]


def words_below_1000(n):
    parts = []
    h, rest = divmod(n, 100)
    if h:
        parts.append(WORD_UNITS[h] + " hundred")
    if rest:
        if rest < 20:
            w = WORD_UNITS[rest]
        else:
            w = WORD_TENS[rest // 10] + ("-" + WORD_UNITS[rest % 10] if rest % 10 else "")
        parts.append(("and " if h else "") + w)
    return " ".join(parts)


def words(n):
    out = []
    m, rest = divmod(n, 1000000)
    if m:
        out.append(words_below_1000(m) + " million")
    t, rest = divmod(rest, 1000)
    if t:
        out.append(words_below_1000(t) + " thousand")
    if rest:
        w = words_below_1000(rest)
        if (m or t) and rest < 100:
            w = "and " + w
        out.append(w)
    return " ".join(out)


def wn_words(q, r, L):
    n = [4, 5, 6, 6, 7][L - 1]
    x = digits(r, n)
    s = list(str(x))
    for i in r.sample(range(1, n), n // 3):  # zeros make the place value the point
        s[i] = "0"
    x = int("".join(s))
    q.p("Write this number in figures: <i>%s</i>." % words(x))
    q.p(q.b("N", x, 1))


def wn_odd_even(q, r, L):
    x = digits(r, [3, 4, 5, 5, 6][L - 1])
    q.p("Is %s an odd or an even number? Write <i>odd</i> or <i>even</i>." % num(x))
    word = "even" if x % 2 == 0 else "odd"
    q.p(q.b("M", ";%s;%s number;an %s number" % (word, word, word), 1))


def wn_missing(q, r, L):
    total = r.choice([100, 1000, 500, 10000, 2000][: [2, 3, 4, 5, 5][L - 1]])
    a = r.randint(total // 10, total - 1)
    if a % 10 == 0 and L >= 2:
        a += r.randint(1, 9)
    if a >= total:
        raise Retry()
    q.p(r.choice(["What number must be added to %s to make %s?", "How much more than %s is %s?"])
        % ((num(a), num(total))))
    q.p(q.b("N", total - a, 1))


def wn_sequence(q, r, L):
    start, step = r.randint(1, 60), r.choice([3, 4, 6, 7, 8, 9, 11, 12, 15, 25][: [4, 6, 8, 10, 10][L - 1]])
    if L >= 3 and r.random() < 0.5:
        step = -step
        start = start + 10 * abs(step)
    seq = [start + i * step for i in range(6)]
    if min(seq) < 0:
        raise Retry()
    shown = ", ".join(num(x) for x in seq[:4])
    q.p("Here is a number sequence: %s, ..." % shown)
    q.p("What are the next two numbers?")
    q.p("%s, %s" % (q.b("N", seq[4], 1), q.b("N", seq[5], 1)))


def wn_roman(q, r, L):
    n = r.randint([5, 10, 20, 40, 90][L - 1], [20, 40, 99, 200, 2030][L - 1])
    vals = [(1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"), (50, "L"),
            (40, "XL"), (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]
    s, x = "", n
    for v, sym in vals:
        while x >= v:
            s, x = s + sym, x - v
    if r.random() < 0.5:
        q.p("Write the number %d in Roman numerals." % n)
        q.p(q.b("T", s, mk(L)))
    else:
        q.p("What number is written in Roman numerals as %s?" % s)
        q.p(q.b("N", n, mk(L)))


def wn_negative(q, r, L):
    t = r.randint(-6, 9)
    drop = r.randint(max(2, t + 1), max(2, t + 1) + 10)  # always a real fall, often below zero
    if r.random() < 0.5:
        q.p("At 6 pm the temperature was %d &deg;C. By midnight it had fallen by %d degrees. "
            "What was the temperature at midnight? Give your answer in &deg;C." % (t, drop))
        q.p(q.b("N", t - drop, mk(L)))
    else:
        low = t - drop
        q.p("The temperature in the morning was %d &deg;C and in the afternoon it was %d &deg;C. "
            "By how many degrees did the temperature rise?" % (low, t))
        q.p(q.b("N", drop, mk(L)))


def wn_factors(q, r, L):
    n = r.choice([12, 18, 20, 24, 28, 30, 36, 40, 42, 48, 60, 72][: [5, 7, 9, 12, 12][L - 1]])
    fs = [d for d in range(1, n + 1) if n % d == 0]
    nonf = [d for d in range(2, n) if n % d and d not in (n // 2 + 1,)]
    r.shuffle(nonf)
    if r.random() < 0.5:
        q.p("How many factors does %d have? Count 1 and %d as well." % (n, n))
        q.p(q.b("N", len(fs), mk(L)))
    else:
        q.choice(r, "Which of these numbers is <b>not</b> a factor of %d?" % n, str(nonf[0]),
                 [str(d) for d in r.sample(fs[1:-1], min(3, len(fs) - 2))])


def wn_estimate(q, r, L):
    a, b = r.randint(21, 99), r.randint(11, 49)
    if a % 10 in (0, 5) or b % 10 in (0, 5):
        raise Retry()
    ra, rb = round_to(a, 10), round_to(b, 10)
    q.choice(r, "Round each number to the nearest ten to estimate %d &times; %d. Which is the best estimate?" % (a, b),
             num(ra * rb), [num(ra * rb * 10), num(ra * rb // 10) if ra * rb >= 100 else num(ra + rb),
                            num((ra + 10) * (rb + 10)), num(ra + rb)])


WHOLE_NUMBERS = [
    (wn_add, 1, 5), (wn_sub, 1, 5), (wn_mul, 1, 5), (wn_div, 1, 5), (wn_place_value, 1, 5),
    (wn_round, 1, 5), (wn_round_multi, 3, 5), (wn_largest, 1, 3), (wn_add_story, 1, 3),
    (wn_sub_story, 1, 5), (wn_mul_story, 2, 5), (wn_div_remainder, 2, 5), (wn_hcf_lcm, 3, 5),
    (wn_prime, 2, 5), (wn_squares, 1, 4), (wn_order_ops, 2, 5), (wn_words, 1, 4),
    (wn_odd_even, 1, 2), (wn_missing, 1, 3), (wn_sequence, 1, 5), (wn_roman, 2, 5),
    (wn_negative, 3, 5), (wn_factors, 2, 5), (wn_estimate, 3, 5),
]


# =============================================================================================
# Fractions


def rand_proper(r, maxden, minden=2):
    d = r.randint(minden, maxden)
    n = r.randint(1, d - 1)
    return Fr(n, d), n, d


def fr_shaded(q, r, L):
    parts = r.choice([[4, 6, 8, 10], [6, 8, 10, 12], [8, 10, 12, 15], [9, 12, 15, 16], [12, 15, 16, 18, 20]][L - 1])
    k = r.randint(1, parts - 1)
    if math.gcd(k, parts) == 1 and L >= 2 and r.random() < 0.7:
        raise Retry()  # most bars need simplifying
    if r.random() < 0.55 or parts > 12:
        pic = svg.fraction_bar(parts, k, r if L >= 3 else None)
        what = "bar"
    else:
        rows = r.choice([x for x in (2, 3, 4) if parts % x == 0] or [1])
        pic = svg.shaded_grid(rows, parts // rows, k, r)
        what = "rectangle"
    q.picture(pic, "a %s cut into %d equal parts, %d of them shaded" % (what, parts, k))
    q.p("What fraction of the %s is shaded? %s" % (what, F_SIMPLEST))
    q.p(q.b("F", frac(Fr(k, parts)), mk(L)))


def fr_simplify(q, r, L):
    x, n, d = rand_proper(r, [8, 10, 12, 15, 20][L - 1])
    k = r.randint(2, [3, 5, 6, 8, 9][L - 1])
    q.p(r.choice(["Write %d/%d in its simplest form.", "Simplify the fraction %d/%d. " + F_SIMPLEST,
                  "Write the fraction %d/%d in its simplest form."]) % (n * k, d * k))
    q.p(q.b("F", frac(x), 1))


def fr_equivalent(q, r, L):
    x, n, d = rand_proper(r, [6, 8, 10, 12, 12][L - 1])
    x = Fr(n, d)
    k = r.randint(2, [4, 6, 8, 9, 12][L - 1])
    if r.random() < 0.5:
        q.p("Fill in the missing numerator: %d/%d = &#9633;/%d" % (x.numerator, x.denominator, x.denominator * k))
        q.p(q.b("N", x.numerator * k, 1))
    else:
        q.p("Fill in the missing denominator: %d/%d = %d/&#9633;" % (x.numerator, x.denominator, x.numerator * k))
        q.p(q.b("N", x.denominator * k, 1))


def fr_compare(q, r, L):
    for _ in range(50):
        fs = list({rand_proper(r, [6, 8, 10, 12, 12][L - 1])[0] for _ in range(6)})
        if len(fs) >= 4:
            break
    fs = fs[:4]
    big = r.random() < 0.6
    correct = max(fs) if big else min(fs)
    others = [x for x in fs if x != correct]
    strs = {x: "%d/%d" % (x.numerator, x.denominator) for x in fs}
    q.choice(r, "Which of these fractions is the %s?" % ("largest" if big else "smallest"),
             strs[correct], [strs[o] for o in others])


def _op_answer(q, r, L, value, mark):
    if value.denominator == 1:
        raise Retry()
    if value > 1:
        q.p(X_MIXED)
        q.p(q.b("X", mixed(value), mark))
    else:
        q.p(F_SIMPLEST)
        q.p(q.b("F", frac(value), mark))


def fr_add_same(q, r, L):
    d = r.randint(5, [9, 12, 12, 15, 15][L - 1])
    a, b = r.randint(1, d - 1), r.randint(1, d - 1)
    if r.random() < 0.5 and a > b:
        q.p(work(r, "%d/%d - %d/%d" % (a, d, b, d)))
        _op_answer(q, r, L, Fr(a - b, d), 1)
    else:
        q.p(work(r, "%d/%d + %d/%d" % (a, d, b, d)))
        _op_answer(q, r, L, Fr(a + b, d), 1)


def fr_add_diff(q, r, L):
    x, _, _ = rand_proper(r, [6, 8, 10, 12, 12][L - 1])
    y, _, _ = rand_proper(r, [6, 8, 10, 12, 12][L - 1])
    if x.denominator == y.denominator:
        raise Retry()
    if L <= 2 and x.denominator % y.denominator and y.denominator % x.denominator:
        raise Retry()  # one denominator a multiple of the other at first
    sub = r.random() < 0.45
    if sub:
        x, y = max(x, y), min(x, y)
        if x == y:
            raise Retry()
    if r.random() < 0.3:
        v = x - y if sub else x + y
        sign = -1 if sub else 1
        # Adding tops and bottoms is the mistake most pupils make first.
        naive = Fr(abs(x.numerator + sign * y.numerator), x.denominator + y.denominator)
        wrong = [naive, Fr(abs(x.numerator + sign * y.numerator), x.denominator * y.denominator),
                 Fr(abs(x.numerator + sign * y.numerator), max(x.denominator, y.denominator)),
                 v + Fr(1, v.denominator), v - Fr(1, v.denominator), 2 * v]
        q.choice(r, "What is %s %s %s?" % (frac(x), "-" if sub else "+", frac(y)), ftext(v),
                 [ftext(w) for w in wrong if w > 0 and w != v])
        return
    q.p(work(r, "%s %s %s" % (frac(x), "-" if sub else "+", frac(y))))
    _op_answer(q, r, L, x - y if sub else x + y, mk(L, 1, 2))


def nice_proper(r):
    d = r.choice([2, 3, 4, 5, 6, 8, 10, 12])
    return Fr(r.randint(1, d - 1), d)


def fr_mixed_ops(q, r, L):
    a = Fr(r.randint(1, 4)) + nice_proper(r)
    b = Fr(r.randint(1, 3)) + nice_proper(r)
    if (a + b).denominator > 24:
        raise Retry()
    sub = r.random() < 0.5
    if sub:
        a, b = max(a, b), min(a, b)
        if a - b <= 1:
            raise Retry()
    v = a - b if sub else a + b
    if v.denominator == 1:
        raise Retry()
    q.p(work(r, "%s %s %s" % (mixed(a), "-" if sub else "+", mixed(b))))
    q.p(X_MIXED)
    q.p(q.b("X", mixed(v), mk(L, 1, 2, 3)))


def fr_times_whole(q, r, L):
    x, n, d = rand_proper(r, [6, 8, 10, 12, 12][L - 1], 3)
    k = r.randint(2, 9)
    v = x * k
    if v.denominator == 1:
        raise Retry()
    q.p(work(r, "%s &times; %d" % (frac(x), k)))
    _op_answer(q, r, L, v, mk(L))


def fr_multiply(q, r, L):
    x = rand_proper(r, [6, 8, 9, 10, 12][L - 1])[0]
    y = rand_proper(r, [6, 8, 9, 10, 12][L - 1])[0]
    q.p(work(r, "%s &times; %s" % (frac(x), frac(y))))
    _op_answer(q, r, L, x * y, mk(L))


def fr_divide(q, r, L):
    x = rand_proper(r, [6, 8, 9, 10, 12][L - 1])[0]
    if L >= 5 and r.random() < 0.5:
        y = rand_proper(r, 9)[0]
        q.p(work(r, "%s &divide; %s" % (frac(x), frac(y))))
        _op_answer(q, r, L, x / y, 3)
    else:
        k = r.randint(2, 6)
        q.p(work(r, "%s &divide; %d" % (frac(x), k)))
        _op_answer(q, r, L, x / k, mk(L))


def fr_of_amount(q, r, L):
    x, n, d = rand_proper(r, [5, 8, 10, 12, 12][L - 1])
    x = Fr(n, d)
    amount = x.denominator * r.randint(2, [10, 12, 20, 30, 40][L - 1])
    v = x * amount
    ctx = r.choice([
        ("Find %s of %s." % (frac(x), num(amount)), None),
        ("A class has %s stickers. %s gets %s of them. How many stickers is that?" % (num(amount), r.choice(NAMES), frac(x)), None),
        ("Find %s of %s cm. Give your answer in cm." % (frac(x), num(amount)), "cm"),
        ("Find %s of %s kg. Give your answer in kg." % (frac(x), num(amount)), "kg"),
    ])
    q.p(ctx[0])
    q.p(q.b("N", dec(v), mk(L)))


def fr_to_mixed(q, r, L):
    d = r.randint(2, [5, 8, 10, 12, 12][L - 1])
    w, n = r.randint(1, [3, 5, 7, 9, 12][L - 1]), r.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        raise Retry()
    v = Fr(w * d + n, d)
    if L >= 3 and r.random() < 0.4:
        k = r.randint(2, 3)  # needs simplifying too
        top, bot = v.numerator * k, v.denominator * k
    else:
        top, bot = v.numerator, v.denominator
    q.p("Write %d/%d as a mixed number. %s" % (top, bot, X_MIXED))
    q.p(q.b("X", mixed(v), mk(L)))


def fr_to_whole(q, r, L):
    d = r.randint(2, 12)
    w = r.randint(2, [6, 9, 12, 15, 20][L - 1])
    q.p("Write %d/%d as a whole number. %s" % (w * d, d, X_WHOLE))
    q.p(q.b("X", str(w), 1))


def fr_to_improper(q, r, L):
    d = r.randint(2, [6, 8, 10, 12, 12][L - 1])
    w, n = r.randint(1, [3, 5, 7, 9, 11][L - 1]), r.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        raise Retry()
    v = Fr(w * d + n, d)
    q.p("Write %s as an improper fraction. Give your answer as a fraction in its simplest form." % mixed(v))
    q.p(q.b("F", frac(v), 1))


def fr_story_left(q, r, L):
    for _ in range(30):
        a, b = rand_proper(r, [4, 6, 8, 10, 12][L - 1], 2)[0], rand_proper(r, [4, 6, 8, 10, 12][L - 1], 2)[0]
        if a + b < 1 and a.denominator != b.denominator:
            break
    else:
        raise Retry()
    p1, p2 = r.sample(NAMES, 2)
    thing, verb = r.choice([("a pizza", "eats"), ("a birthday cake", "eats"), ("a bar of chocolate", "eats"),
                            ("a pie", "eats"), ("a melon", "eats"), ("a garden", "digs over"), ("a fence", "paints"),
                            ("a jigsaw", "finishes"), ("a box of crayons", "uses"), ("a roll of tape", "uses"),
                            ("a tank of water", "uses"), ("a field", "mows"), ("a wall", "paints"), ("a tray of flapjack", "eats")])
    q.p("%s %s %s of %s and %s %s %s of it. What fraction of %s is left? %s" % (
        p1, verb, frac(a), thing, p2, verb, frac(b), thing.replace("a ", "the ", 1), F_SIMPLEST))
    q.p(q.b("F", frac(1 - a - b), mk(L, 1, 2, 3)))


def fr_reverse(q, r, L):
    x = rand_proper(r, [5, 8, 10, 12, 12][L - 1])[0]
    whole = x.denominator * r.randint(2, 12)
    part = x * whole
    q.p("%s of a number is %s. What is the number?" % (frac(x), dec(part)))
    q.p(q.b("N", whole, mk(L, 1, 2, 3)))


def fr_time(q, r, L):
    mins = r.choice([5, 10, 12, 15, 20, 25, 30, 35, 40, 45, 48, 50, 55])
    q.p("What fraction of an hour is %d minutes? %s" % (mins, F_SIMPLEST))
    q.p(q.b("F", frac(Fr(mins, 60)), mk(L)))


def fr_two_part(q, r, L):
    d = r.choice([4, 6, 8, 10, 12])
    hi, lo = sorted(r.sample(range(1, d), 2), reverse=True)
    q.p("Give each answer as a fraction in its simplest form or, when it is more than 1, as a mixed number in its simplest form.")
    def put(expr, v):
        if v.denominator == 1 or v == 0:
            raise Retry()
        q.p("%s = %s" % (expr, q.b("X" if v > 1 else "F", mixed(v) if v > 1 else frac(v), mk(L))))
    put("%d/%d + %d/%d" % (hi, d, lo, d), Fr(hi + lo, d))
    put("%d/%d - %d/%d" % (hi, d, lo, d), Fr(hi - lo, d))


def fr_which_equal(q, r, L):
    x = rand_proper(r, [5, 6, 8, 8, 10][L - 1])[0]
    k = r.randint(2, 5)
    n, d = x.numerator, x.denominator
    correct = "%d/%d" % (n * k, d * k)
    wrong = ["%d/%d" % (n + k, d + k), "%d/%d" % (n * k, d + k), "%d/%d" % (n + 1, d * k),
             "%d/%d" % (d, n) if n > 1 else "%d/%d" % (n * k, d * k + 1), "%d/%d" % (n * k + 1, d * k)]
    q.choice(r, "Which fraction is equal to %d/%d?" % (n, d), correct,
             [w for w in wrong if Fr(*map(int, w.split("/"))) != x])


FRACTIONS = [
    (fr_shaded, 1, 4), (fr_simplify, 1, 5), (fr_equivalent, 1, 3), (fr_compare, 1, 5),
    (fr_add_same, 1, 3), (fr_add_diff, 2, 5), (fr_mixed_ops, 4, 5), (fr_times_whole, 2, 5),
    (fr_multiply, 3, 5), (fr_divide, 4, 5), (fr_of_amount, 1, 5), (fr_to_mixed, 1, 5),
    (fr_to_whole, 1, 3), (fr_to_improper, 2, 5), (fr_story_left, 3, 5), (fr_reverse, 3, 5),
    (fr_time, 2, 5), (fr_two_part, 1, 4), (fr_which_equal, 1, 4),
]


# =============================================================================================
# Decimals


def rdec(r, lo, hi, dp):
    return Fr(r.randint(int(lo * 10**dp), int(hi * 10**dp)), 10**dp)


def de_add(q, r, L):
    dp = [1, 1, 2, 2, 3][L - 1]
    db = r.randint(1, dp)
    a, b = rdec(r, 1, [20, 50, 100, 200, 500][L - 1], dp), rdec(r, 0.1, [10, 30, 60, 100, 100][L - 1], db)
    if dp > db and r.random() < 0.4:
        v = a + b
        # Lining the digits up on the right instead of at the decimal point.
        q.choice(r, "What is %s + %s?" % (num(a), num(b)), num(v),
                 [num(a + b / 10 ** (dp - db)), num(v + 1), num(v + Fr(1, 10)), num(v - Fr(1, 10)), num(v * 10)])
        return
    if r.random() < 0.5:
        q.p(work(r, "%s + %s" % (num(a), num(b))))
        q.p(q.b("N", dec(a + b), mk(L)))
    else:
        a, b = max(a, b), min(a, b)
        q.p(work(r, "%s - %s" % (num(a), num(b))))
        q.p(q.b("N", dec(a - b), mk(L)))


def de_mul(q, r, L):
    a = rdec(r, 0.1, [5, 10, 20, 50, 50][L - 1], [1, 1, 2, 2, 2][L - 1])
    if L >= 4 and r.random() < 0.5:
        b = rdec(r, 0.1, 0.9, 1)
        q.choice(r, "What is %s &times; %s?" % (num(a), num(b)), num(a * b),
                 [num(a * b * 10), num(a * b / 10), num(a * b * 100), num(a + b)])
        return
    k = r.randint(3, [9, 9, 12, 25, 36][L - 1])
    q.p(work(r, "%s &times; %d" % (num(a), k)))
    q.p(q.b("N", dec(a * k), mk(L)))


def de_div(q, r, L):
    k = r.randint(2, [5, 8, 9, 12, 12][L - 1])
    quo = rdec(r, 0.1, [5, 10, 20, 40, 60][L - 1], [1, 1, 2, 2, 2][L - 1])
    q.p(work(r, "%s &divide; %d" % (num(quo * k), k)))
    q.p(q.b("N", dec(quo), mk(L)))


def de_powers10(q, r, L):
    x = rdec(r, 0.1, 99, [1, 2, 2, 3, 3][L - 1])
    ops = r.sample([("&times;", 10), ("&times;", 100), ("&times;", 1000), ("&divide;", 10), ("&divide;", 100),
                    ("&divide;", 1000)], 3 if L >= 2 else 2)
    q.p("Fill in the answers.")
    for sym, p in ops:
        v = x * p if sym == "&times;" else x / p
        q.p("%s %s %s = %s" % (num(x), sym, num(p), q.b("N", dec(v), 1)))


def de_round(q, r, L):
    dp = [1, 2, 2, 3, 3][L - 1]
    x = rdec(r, 1, 100, dp)
    targets = [(1, "the nearest whole number"), (Fr(1, 10), "one decimal place")]
    if dp >= 3:
        targets.append((Fr(1, 100), "two decimal places"))
    unit, name = r.choice(targets)
    if (x / unit).denominator == 1:
        raise Retry()
    q.p("Round %s to %s." % (num(x), name))
    q.p(q.b("N", dec(round_to(x, unit)), 1))


def de_place(q, r, L):
    dp = [2, 2, 3, 3, 3][L - 1]
    while True:
        x = rdec(r, 1, 99, dp)
        s = dec(x)
        if "." not in s or len(s.split(".")[1]) != dp:
            continue
        i = r.randrange(len(s.split(".")[0]) + 1, len(s))
        if s[i] != "0" and s.count(s[i]) == 1:
            break
    d = int(s[i])
    place = i - s.index(".")
    v = Fr(d, 10**place)
    q.choice(r, "What is the value of the digit %d in %s?" % (d, s), dec(v),
             [dec(v * 10), dec(v / 10), str(d), dec(v * 100), "%d/%d" % (d, 10 ** (place + 1))])


def de_order(q, r, L):
    base = r.randint(0, 9)
    pool = {Fr(base) + Fr(r.randint(1, 99), 100) for _ in range(3)}
    pool.add(Fr(base) + Fr(r.randint(1, 9), 10))
    pool.add(Fr(base) + Fr(r.randint(1, 999), 1000))
    pool = list(pool)
    if len(pool) < 4:
        raise Retry()
    pool = pool[:4]
    big = r.random() < 0.5
    correct = max(pool) if big else min(pool)
    q.choice(r, "Which of these numbers is the %s?" % ("largest" if big else "smallest"), dec(correct),
             [dec(p) for p in pool if p != correct])


def de_to_fraction(q, r, L):
    den = r.choice([10, 100, 100, 1000][: [1, 2, 3, 4, 4][L - 1]])
    n = r.randint(1, den - 1)
    if math.gcd(n, den) == 1 and L >= 2:
        raise Retry()
    x = Fr(n, den)
    q.p("Write %s as a fraction. %s" % (dec(x), F_SIMPLEST))
    q.p(q.b("F", frac(x), mk(L)))


def de_from_fraction(q, r, L):
    d = r.choice([2, 4, 5, 10, 20, 25, 8, 50][: [4, 5, 6, 8, 8][L - 1]])
    n = r.randint(1, d - 1)
    x = Fr(n, d)
    q.p("Write %d/%d as a decimal." % (n, d))
    q.p(q.b("N", dec(x), 1))


def de_money(q, r, L):
    items = [("a sandwich", 2, 4), ("a drink", 0.5, 2), ("a magazine", 2, 5), ("a notebook", 1, 3),
             ("a bag of apples", 1, 3), ("a comic", 1, 4), ("a pen", 0.3, 2), ("a loaf of bread", 1, 2),
             ("a pot of paint", 2, 6), ("a packet of seeds", 0.8, 2), ("a birthday card", 1, 3),
             ("a bunch of bananas", 0.8, 2), ("a tube of glue", 0.5, 2), ("a roll of tape", 0.6, 2),
             ("a box of tissues", 0.8, 2), ("a jar of honey", 2, 5), ("a bottle of shampoo", 1, 4),
             ("a set of batteries", 2, 6), ("a pair of socks", 1, 4), ("a sketchbook", 2, 5)]
    k = [2, 2, 3, 3, 4][L - 1]
    chosen = r.sample(items, k)
    prices = [Fr(r.randint(int(lo * 20), int(hi * 20)), 20) for _, lo, hi in chosen]
    total = sum(prices)
    note = 10 if total < 10 else 20
    who = r.choice(NAMES)
    names = listing("%s for %s" % (n, money(p)) for (n, _, _), p in zip(chosen, prices))
    q.p("%s buys %s. %s pays with a &pound;%d note. How much change does %s get? Give your answer in pounds, without the &pound; sign." % (
        who, names, who, note, who))
    q.p(q.b("N", dec(note - total), mk(L, 1, 2, 3)))


def de_number_line(q, r, L):
    lo = r.randint(0, 9)
    if L >= 3 and r.random() < 0.5:
        step, ticks = Fr(1, 100), 10
        lo = Fr(lo) + Fr(r.randint(0, 9), 10)
    else:
        step, ticks = Fr(1, 10), 10
    k = r.randint(1, ticks - 1)
    if k == 5:
        k = r.choice([3, 7])
    labels = {0: dec(lo), ticks: dec(lo + step * ticks)}
    q.picture(svg.number_line(0, 1, ticks, k, labels), "a number line from %s to %s with an arrow" % (labels[0], labels[ticks]))
    q.p(r.choice(["What number is the arrow pointing to?", "Which number does the arrow show?"]))
    q.p(q.b("N", dec(lo + step * k), mk(L)))


def de_missing(q, r, L):
    total = r.choice([1, 10, 10, 100][: [2, 3, 3, 4, 4][L - 1]])
    a = rdec(r, 0.01, total - 0.01, [1, 2, 2, 2, 3][L - 1])
    q.p("What must be added to %s to make %s?" % (num(a), num(total)))
    q.p(q.b("N", dec(total - a), mk(L)))


def de_story(q, r, L):
    a = rdec(r, 1, 3, 2)
    b = rdec(r, 0.2, 1, 2)
    who, other = r.sample(NAMES, 2)
    if r.random() < 0.5:
        q.p("%s jumps %s m. %s jumps %s m further than %s. How far does %s jump? Give your answer in m."
            % (who, num(a), other, num(b), who, other))
        v = a + b
    else:
        q.p("A plank is %s m long. %s cuts off %s m. How long is the piece that is left? Give your answer in m."
            % (num(a), who, num(b)))
        v = a - b
    q.p(q.b("N", dec(v), mk(L, 1, 2)))


def de_compare_two(q, r, L):
    a = rdec(r, 0.1, 9.9, 2)
    b = rdec(r, 0.1, 9.9, 1)
    if a == b:
        raise Retry()
    q.p("Which number is greater, %s or %s? Write the greater number." % (dec(a), dec(b)))
    q.p(q.b("N", dec(max(a, b)), 1))


def de_mul_dec(q, r, L):
    a = rdec(r, 0.1, [0.9, 0.9, 2, 5, 9][L - 1], 1)
    b = rdec(r, 0.1, 0.9, 1) if L < 5 else rdec(r, 0.01, 0.99, 2)
    q.p(work(r, "%s &times; %s" % (num(a), num(b))))
    q.p(q.b("N", dec(a * b), mk(L)))


def de_halfway(q, r, L):
    dp = [1, 1, 1, 2, 2][L - 1]
    a = rdec(r, 0.1, 20, dp)
    b = a + Fr(2 * r.randint(1, 20), 10**dp)
    q.p(r.choice(["What number is halfway between %s and %s?", "Which number lies exactly halfway between %s and %s?"])
        % (num(a), num(b)))
    q.p(q.b("N", dec((a + b) / 2), mk(L)))


def de_grid(q, r, L):
    k = r.randint(3, 97)
    if k % 10 == 0:
        raise Retry()
    q.picture(svg.shaded_grid(10, 10, k, r), "a grid of 100 squares, %d shaded" % k)
    q.p("The grid is one whole. Write the shaded part as a decimal.")
    q.p(q.b("N", dec(Fr(k, 100)), 1))


def de_share_bill(q, r, L):
    n = r.randint(2, [4, 5, 6, 8, 8][L - 1])
    each = Fr(r.randint(150, 2500), 100 if L >= 3 else 10)
    if (each * 100).denominator != 1:
        raise Retry()
    who = r.choice(["friends", "cousins", "classmates", "neighbours"])
    q.p("%s %s share a bill of %s equally. How much does each of them pay? Give your answer in pounds, without the &pound; sign."
        % (["Two", "Three", "Four", "Five", "Six", "Seven", "Eight"][n - 2], who, money(each * n)))
    q.p(q.b("N", dec(each), mk(L, 1, 2, 3)))


def counted(n, word):
    """"1 tenth", "3 tenths", "1 one", "0 ones"."""
    return "%d %s%s" % (n, word, "" if n == 1 else "s")


def de_tenths(q, r, L):
    units, t, h = r.randint(0, 9), r.randint(0, 9), r.randint(1, 9)
    if L <= 2:
        q.p("Write %s, %s and %s as a decimal number." % (counted(units, "one"), counted(t, "tenth"), counted(h, "hundredth")))
    else:
        q.p("Write %s and %s and %s as a decimal number." % (counted(h, "hundredth"), counted(t, "tenth"), counted(units, "one")))
    q.p(q.b("N", dec(units + Fr(t, 10) + Fr(h, 100)), 1))


def de_order_list(q, r, L):
    base = r.randint(0, 5)
    vals = sorted({Fr(base) + Fr(r.randint(1, 9), 10), Fr(base) + Fr(r.randint(1, 99), 100),
                   Fr(base) + Fr(r.randint(1, 999), 1000)})
    if len(vals) < 3:
        raise Retry()
    right = ", ".join(dec(v) for v in vals)
    by_length = ", ".join(dec(v) for v in sorted(vals, key=lambda v: (len(dec(v)), v)))
    rev = ", ".join(dec(v) for v in reversed(vals))
    swapped = ", ".join(dec(v) for v in [vals[1], vals[0], vals[2]])
    other = ", ".join(dec(v) for v in [vals[0], vals[2], vals[1]])
    q.choice(r, "Which list is in order from the smallest to the largest?", right, [by_length, rev, swapped, other])


def de_difference(q, r, L):
    a = rdec(r, 1, 9, 2)
    b = rdec(r, 0.5, 8, r.randint(1, 2))
    if a == b:
        raise Retry()
    a, b = max(a, b), min(a, b)
    kind = r.choice([("parcel", "heavier", "kg"), ("ribbon", "longer", "m"), ("bottle", "fuller", "litres")])
    if kind[0] == "bottle":
        q.p("One bottle holds %s litres and another holds %s litres. How much more does the first bottle hold? Give your answer in litres." % (num(a), num(b)))
    else:
        q.p("A %s is %s %s and another %s is %s %s. How much %s is the first %s? Give your answer in %s." % (
            kind[0], num(a), kind[2], kind[0], num(b), kind[2], kind[1], kind[0], kind[2]))
    q.p(q.b("N", dec(a - b), mk(L)))


DECIMALS = [
    (de_add, 1, 5), (de_mul, 1, 5), (de_div, 2, 5), (de_powers10, 1, 5), (de_round, 1, 5),
    (de_place, 1, 5), (de_order, 1, 5), (de_to_fraction, 1, 5), (de_from_fraction, 1, 3),
    (de_money, 1, 5), (de_number_line, 1, 5), (de_missing, 1, 5), (de_story, 2, 5),
    (de_compare_two, 1, 2), (de_mul_dec, 3, 5), (de_halfway, 2, 5), (de_grid, 1, 3),
    (de_share_bill, 2, 5), (de_tenths, 1, 3), (de_order_list, 2, 5), (de_difference, 1, 5),
]
