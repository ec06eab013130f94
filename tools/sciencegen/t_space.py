"""Earth and Space: the Sun, Earth and Moon, day and night, the year and the seasons, the
phases of the Moon, the planets, shadows through the day, exploring space."""

from core import Q
import svg as S

ALL = [p for p, r in S.PLANETS]
PH = ["new", "waxing crescent", "first quarter", "waxing gibbous", "full", "waning gibbous", "last quarter", "waning crescent"]


def planets(hide):
    """The planet names with those at the given positions (0-7) replaced by letters."""
    out, k = [], 0
    for i, name in enumerate(ALL):
        if i in hide:
            out.append("ABCDEFGH"[k])
            k += 1
        else:
            out.append(name)
    return out


P1 = [
    Q("""Look at the solar system. Which planet, marked A, is third from the Sun? {M:Earth;the Earth;earth}""",
      S.solar_system(planets([2])), "the Sun and the eight planets with the third planet marked A"),
    Q("""The Earth spins once on its axis every
*2 hour | day (24 hours) | week | year"""),
    Q("""Look at the picture. Is it day or night at point B, on the side away from the Sun? {M:night;night time;nighttime;night-time}""",
      S.day_night(["A", "B"]), "sunlight falling on the left half of the Earth; point A is in the light, point B in the dark"),
    Q("""The Sun is a {M:star;a star}."""),
    Q("""What is the shape of the Earth, the Sun and the Moon?
*3 flat discs | cubes | roughly spheres (balls) | rings"""),
    Q("""The Moon travels around the {M:Earth;the Earth;earth;planet Earth}."""),
    Q("""Which of these gives out its own light?
*1 the Sun | the Moon | the Earth | Mars"""),
    Q("""Look at the Moon pictures. Which one, A to D, shows a full Moon? {T:C}""",
      S.moon_phases(["new", "first quarter", "full", "last quarter"], ["A", "B", "C", "D"]), "four Moon pictures: A dark, B right half lit, C fully lit, D left half lit"),
    Q("""In which direction does the Sun rise? {M:east;the east;E;in the east}"""),
    Q("""It is dangerous to look straight at the Sun because it can damage your {M:eyes;eye;eyesight;sight}."""),
    Q("""Which planet is the largest in our solar system?
*4 Earth | Mars | Mercury | Jupiter"""),
    Q("""How many planets are there in our solar system? {M:8;eight}"""),
    Q("""The Moon seems to shine at night. Where does its light come from?
*2 it makes its own light | it reflects light from the Sun | from the Earth's lamps | from other stars"""),
    Q("""Rosa measured the length of a stick's shadow at different times on a sunny day.
| Time | Shadow length (cm)
| 9 am | 90
| midday | 30
| 3 pm | 70
When was the shadow shortest? {M:midday;at midday;noon;12 noon;12 o'clock;at noon;12:00;12.00;12 midday;12 pm;12pm}
How much shorter was it at midday than at 9 am? {N2:60} cm""", ws=True),
]

P2 = [
    Q("""Look at the solar system. Name planets A and B.
A: {M:Mercury;mercury}
B: {M:Mars;mars}""",
      S.solar_system(planets([0, 3])), "the Sun and the planets with the first planet marked A and the fourth marked B"),
    Q("""Look at the picture. At point A it is daytime. Why?
*3 A is nearest the Moon | A is at the North Pole | A faces the Sun | A is in the sea""",
      S.day_night(["A", "B"]), "sunlight on the Earth with point A on the lit side and point B on the dark side"),
    Q("""Day and night happen because the Earth {M:spins;rotates;turns;spins on its axis;rotates on its axis;turns on its axis;rotation}."""),
    Q("""The Earth travels around the Sun. One full orbit takes about one {M:year;a year}."""),
    Q("""In which direction does the Sun set? {M:west;the west;W;in the west}"""),
    Q("""Look at the stick pictures. Which picture, A, B or C, shows midday, when the Sun is highest? {T:B}""",
      S.stick_shadows([(22, "left", "A"), (70, "left", "B"), (22, "right", "C")]), "three pictures of a stick and its shadow: A Sun low on the left, B Sun high, C Sun low on the right"),
    Q("""Which planet is known as the red planet?
*2 Venus | Mars | Saturn | Neptune"""),
    Q("""Which planet has large bright rings that are easy to see in pictures?
*3 Mercury | Earth | Saturn | Mars"""),
    Q("""The Moon takes about four weeks to go around the Earth. About how many days is this?
*4 7 | 14 | 365 | 28"""),
    Q("""Look at the Moon pictures. Which one, A to D, shows a new Moon, when we cannot see the lit side? {T:A}""",
      S.moon_phases(["new", "waxing crescent", "first quarter", "full"], ["A", "B", "C", "D"]), "four Moon pictures: A dark, B thin lit crescent on the right, C right half lit, D fully lit"),
    Q("""Yuri Gagarin was the first person to travel into space, in 1961. Which country was he from?
*1 the Soviet Union (now Russia) | France | Brazil | Japan"""),
    Q("""Neil Armstrong and Buzz Aldrin walked on the {M:Moon;the Moon;moon} in 1969."""),
    Q("""Which of these is a planet?
*2 the Sun | Venus | the Moon | a comet"""),
    Q("""Ahmed worked out the hours of daylight in the middle of four months.
| Month | Hours of daylight
| December | 8
| March | 12
| June | 17
| September | 12
Which month had the most daylight? {M:June;june}
How many more hours of daylight were there in June than in December? {M2:9;nine}""", ws=True),
    Q("""In the UK, summer days are {M:longer;long;longer than winter days;lighter} than winter days."""),
    Q("""Jake wants to know how the length of a shadow changes during the day. What should he keep the same?
*3 the time | the weather on different days | the stick and where it stands | the shadow length""", ws=True),
]

P3 = [
    Q("""Look at the solar system. Name planets A, B and C.
A: {M:Venus;venus}
B: {M:Jupiter;jupiter}
C: {M:Neptune;neptune}""",
      S.solar_system(planets([1, 4, 7])), "the Sun and the planets with the second, fifth and eighth marked A, B and C"),
    Q("""Write the planets in order from the Sun, starting with the nearest: Earth, Mercury, Venus.
{M2:Mercury, Venus, Earth;Mercury Venus Earth;Mercury,Venus,Earth;Mercury - Venus - Earth}
~ Write the three names, separated by commas."""),
    Q("""Which planet is closest to the Sun? {M:Mercury;mercury}
Which is furthest from the Sun? {M:Neptune;neptune}"""),
    Q("""The Earth takes 365 and a quarter days to go round the Sun. Every fourth year has an extra day. What is this year called?
{M:leap year;a leap year;leap}"""),
    Q("""How many days are there in a leap year? {N:366}"""),
    Q("""Look at the Moon phases. Name phase B. {M:crescent;waxing crescent;crescent moon;a crescent}
Name phase C. {M:first quarter;half moon;half;quarter;first quarter moon;a half moon}""",
      S.moon_phases(["new", "waxing crescent", "first quarter", "waxing gibbous", "full"], ["A", "B", "C", "D", "E"]), "five Moon pictures from new to full labelled A to E"),
    Q("""Why does the Moon seem to change shape during a month?
*2:2 clouds cover parts of it | we see different amounts of its sunlit half as it orbits the Earth | the Moon shrinks and grows | the Earth's shadow falls on it every night"""),
    Q("""Look at the picture. The Earth spins so that point A moves into the dark. Which way does the Earth spin?
*1 from west to east (anticlockwise seen from above the North Pole) | from north to south | it does not spin | from east to west""",
      S.day_night(["A", "B"]), "sunlight on the Earth with point A on the lit side and B on the dark side"),
    Q("""The Sun appears to move across the sky during the day. What really moves?
*4 the Sun | the clouds | the Moon | the Earth, spinning"""),
    Q("""Look at the graph of a stick's shadow during the day.
At what time was the shadow shortest? {N:12} o'clock
How long was the shadow at 10 o'clock? {N:60} cm
Predict the length at 5 o'clock in the afternoon (17:00).
*3:2 10 cm | 40 cm | 130 cm | 0 cm""",
      S.line_graph([8, 10, 12, 14, 16], [110, 60, 40, 60, 105], "time of day (hours)", "shadow length (cm)", 18, 2, 140, 20),
      "a line graph of shadow length: 110 cm at 8, 60 at 10, 40 at 12, 60 at 14, 105 at 16 hours", ws=True),
    Q("""Which of these is NOT in our solar system?
*2 Jupiter | the North Star (Polaris) | the Moon | Mercury"""),
    Q("""Why do we have seasons?
*3:2 the Earth gets nearer to and further from the Sun each day | the Moon blocks the Sun in winter | the Earth's axis is tilted, so each half leans towards the Sun for part of the year | the Sun gets hotter in summer"""),
    Q("""When it is summer in the UK, what season is it in Australia? {M:winter}""".replace("{M:winter}", "{M:winter;wintertime;winter time}")),
    Q("""Ancient people thought the Sun went around the Earth. Who suggested in the 1500s that the Earth goes around the Sun?
*1 Nicolaus Copernicus | Isaac Newton | Charles Darwin | Marie Curie"""),
    Q("""Mae Jemison flew into space in 1992. She was the first African-American woman in space. Astronauts float in a spacecraft in orbit. Which force still pulls on them?
{M:gravity;gravitational pull;weight}"""),
    Q("""Tim Peake, a British astronaut, lived on the International Space Station. How does the Space Station stay up?
*2:2 it floats on air | it moves very fast around the Earth while gravity pulls it, so it keeps falling round | it is held by cables | there is no gravity in space"""),
    Q("""Gemma recorded the Moon's shape at the same time every few nights.
| Night | Lit part seen
| 1 | thin crescent on the right
| 4 | right half
| 8 | almost full
| 11 | full
| 18 | left half
About how many days after night 1 was the Moon full? {M2:10;ten}
Predict what she would see around night 26. *2:2 full Moon | new Moon (nothing or almost nothing) | right half | almost full""".replace("Predict what she would see around night 26. *2:2", "Predict what she would see around night 26.\n*2:2"), ws=True),
    Q("""The Earth is about 150 million km from the Sun. The Moon is about 384 thousand km from the Earth. Which is closer to the Earth?
{M:Moon;the Moon;moon}"""),
]

P4 = [
    Q("""Look at the solar system. Name the planets marked A to D.
A {M:Mercury;mercury}
B {M:Earth;earth;the Earth}
C {M:Saturn;saturn}
D {M:Uranus;uranus}""",
      S.solar_system(planets([0, 2, 5, 6])), "the Sun and the planets with the first, third, sixth and seventh marked A to D"),
    Q("""Which of the planets are gas giants? Name two.
{G2:Jupiter;Saturn;Uranus;Neptune} {G2}"""),
    Q("""Which planets are rocky? Name two.
{G2:Mercury;Venus;Earth;Mars} {G2}"""),
    Q("""The table shows how long each planet takes to go around the Sun.
| Planet | Time for one orbit (Earth years)
| Mercury | 0.24
| Earth | 1
| Mars | 1.9
| Jupiter | 12
| Saturn | 29
How many Earth years does Saturn take? {N:29}
Complete the pattern: the further a planet is from the Sun, the {M2:longer;more time;slower;longer it takes;longer its year} its orbit takes.
How many orbits does Mercury make in about one Earth year? *4:2 1 | 2 | 3 | 4""".replace("How many orbits does Mercury make in about one Earth year? *4:2", "How many orbits does Mercury make in about one Earth year?\n*4:2"), ws=True),
    Q("""Look at the Moon phases. Name phase E. {M:full;full moon;a full moon}
Name phase G. {M2:last quarter;third quarter;half moon;half;last quarter moon;waning half}""",
      S.moon_phases(PH, list("ABCDEFGH")), "the eight phases of the Moon labelled A to H, from new to waning crescent"),
    Q("""How long does it take the Moon to go from one full Moon to the next?
*3:2 1 day | 1 week | about 29 and a half days | 1 year"""),
    Q("""Earth orbits the Sun once in a year. How many days are there in a year that is not a leap year? {N2:365}"""),
    Q("""Look at the picture. Point A is in Britain, where it is about midday. What will it be like at A two hours later?
*1:2 still daylight | dark | sunset | midnight""",
      S.day_night(["A", "B"]), "sunlight on the Earth with point A on the lit side facing the Sun and point B in the dark"),
    Q("""When it is midday in London, it is 9 pm in Tokyo. Why is the time different?
*2:2 Japan uses different clocks | the Earth spins, so the Sun is in a different place in the sky for each country | Japan is closer to the Sun | the Moon blocks the Sun in Japan"""),
    Q("""Look at the shadows A, B and C. Put them in order from morning to evening.
{M2:A, B, C;A B C;ABC;A,B,C;A-B-C}
~ Write the three letters in order, separated by commas. The Sun rises in the east, on the left.""",
      S.stick_shadows([(20, "left", "A"), (70, "left", "B"), (25, "right", "C")]), "three stick pictures: A Sun low on the left, B Sun high, C Sun low on the right"),
    Q("""A sundial uses a shadow to tell the time. Why does the shadow move round during the day?
*4:2 the stick moves | the Moon pulls it | the ground turns faster than the Earth | the Sun's position in the sky changes as the Earth spins"""),
    Q("""Look at the graph of daylight hours in London through the year.
Which month has the most daylight? {M:June;june}
About how many hours of daylight are there in December? {M:8;eight}
About how many more hours of daylight are there in June than in December? {M2:8;eight}""",
      S.line_graph([2, 4, 6, 8, 10, 12], [10, 13, 16, 15, 11, 8], "month", "hours of daylight", 12, 1, 18, 2, months=True),
      "a line graph of daylight hours: 10 in February, 13 in April, 16 in June, 15 in August, 11 in October, 8 in December", ws=True),
    Q("""Venus is closer to the Sun than Earth. Would you expect it to be hotter or colder than Earth? {M2:hotter;warmer;hot;hotter than Earth}"""),
    Q("""Why are stars other than the Sun seen only at night?
*3:2 they switch off in the day | they move away in the day | the Sun's bright light hides them in the day | they are below the ground in the day"""),
    Q("""Pluto was called a planet until 2006. It is now called a dwarf planet. Why do scientists sometimes change their ideas?
*1:2 new evidence is found | they get bored | someone votes on what to believe, with no evidence | old ideas are always wrong"""),
    Q("""A year on Mars lasts 687 Earth days. How many more days is this than an Earth year of 365 days? {N2:322}"""),
    Q("""Asha set up a torch (the Sun) and a ball (the Earth) in a dark room. She marked her home country on the ball with a sticker.
What should she do to show day and night?
*2:2 move the torch round the room quickly | spin the ball slowly on its axis | move the ball up and down | switch the torch on and off""", ws=True),
    Q("""Write the name of the closest star to Earth. {M:the Sun;Sun;sun}"""),
    Q("""The Moon has no air. Which of these is true on the Moon?
*4 there is rain | there is wind | there are clouds | footprints left by astronauts stay for many years"""),
    Q("""Which force keeps the Moon in orbit around the Earth? {M2:gravity;gravitational force;the Earth's gravity;gravitational pull}"""),
]

P5 = [
    Q("""Look at the solar system. Name the planets marked A to E.
A {M:Venus;venus}
B {M:Mars;mars}
C {M:Jupiter;jupiter}
D {M:Uranus;uranus}
E {M:Neptune;neptune}""",
      S.solar_system(planets([1, 3, 4, 6, 7])), "the Sun and the planets with five of them marked A to E"),
    Q("""A model of the solar system uses a football for the Sun. On this scale the Earth would be as small as a peppercorn. What does this show?
*2:2 the Earth is bigger than the Sun | the Sun is very much larger than the Earth | they are the same size | the Earth is a star"""),
    Q("""The table shows the average temperatures of some planets.
| Planet | Average temperature (°C)
| Venus | 465
| Earth | 15
| Mars | -65
| Jupiter | -110
| Neptune | -200
Which planet is coldest? {M:Neptune;neptune}
What is the difference between Earth and Mars? {N2:80} °C
Venus is further from the Sun than Mercury but is hotter. Thick clouds trap heat. Which conclusion is correct?
*3:2 the nearer a planet is to the Sun, the hotter it always is | all planets are hotter than Earth | distance from the Sun is not the only thing that affects temperature | Mars is hotter than Earth""".replace("°C", "&deg;C"), ws=True),
    Q("""Look at the Moon phases. Name phases D and H.
D {M2:waxing gibbous;gibbous;gibbous moon}
H {M2:waning crescent;crescent;old moon;crescent moon}
Which letter shows the Moon on the day after a new Moon? {T:B}""",
      S.moon_phases(PH, list("ABCDEFGH")), "the eight phases of the Moon labelled A to H"),
    Q("""A pupil says, "The Moon changes shape because the Earth's shadow covers it." Why is this wrong?
*1:3 phases are caused by how much of the Moon's sunlit half we see; the Earth's shadow only covers it in an eclipse | the Moon has no shadow | the Earth makes its own light | the Sun goes round the Moon"""),
    Q("""The Earth's axis is tilted. In June, the northern half leans towards the Sun.
In June, the UK has {M2:summer;summertime}.
Why are days warmer when the Sun is high in the sky?
*2:2 the Sun is closer to us then | the Sun's rays are more concentrated on each square metre of ground | clouds disappear | the Moon is not in the way""",
      S.day_night(tilt=-23), "sunlight from the left falling on the Earth, whose axis leans with the north end towards the Sun"),
    Q("""Look at the bar chart of midday shadows in summer and in winter.
Complete the conclusion: in winter, shadows at midday are {M2:longer;long;longer than in summer}.
Why?
*4:2 the Sun is brighter in winter | the Sun is closer in winter | the stick grows in winter | the Sun is lower in the sky in winter""",
      S.bar_chart(["summer midday", "winter midday"], [25, 95], "shadow of 1 m stick (cm)", 100, 20, "Shadow at midday"),
      "a bar chart of a metre stick's shadow at midday: summer 25 cm, winter 95 cm", ws=True),
    Q("""Felipe made a sundial. He marked the shadow every hour from 9 am to 3 pm on one day. Why might his sundial be less accurate a few months later?
*2:2 the stick gets shorter | the Sun's path across the sky changes with the seasons | the Earth stops spinning | shadows only form in summer""", ws=True),
    Q("""Light from the Sun takes about 8 minutes to reach Earth and about 4 hours to reach Neptune. How many times further from the Sun is Neptune than Earth?
Neptune is about {N2:30} times further from the Sun than Earth.
~ 4 hours = 240 minutes."""),
    Q("""The Moon takes about 27 days to spin once, and about 27 days to orbit the Earth once. What does this mean for what we see?
*3:2 we see every side each month | the Moon has no dark side | we always see the same side of the Moon | the Moon does not spin"""),
    Q("""Stargazers see patterns of stars called {M2:constellations;constellation}.
Name one. {M2:the Plough;Plough;the Great Bear;Great Bear;Ursa Major;Orion;Cassiopeia;the Big Dipper;Big Dipper;Ursa Minor;Little Bear;the Little Bear;Leo;Scorpio;Scorpius;Orion's Belt;Taurus;Gemini;the Southern Cross;Southern Cross;Pegasus;Cygnus;Draco}"""),
    Q("""Why did early astronomers find it hard to believe that the Earth moves?
*1:2 we do not feel it moving, and the Sun seems to move across the sky | they had telescopes | the Earth is small | the Moon is made of cheese"""),
    Q("""Galileo used a telescope in 1610 and saw four moons going around Jupiter. Why was this important evidence?
*4:3 it proved Jupiter was a star | it showed the Moon was a planet | it showed telescopes are useless | it showed not everything goes around the Earth"""),
    Q("""Look at the graph of daylight hours. In which two months are day and night about the same length, about 12 hours each?
{G2:March|Mar;September|Sept|Sep} {G2}""",
      S.line_graph([1, 3, 5, 6, 7, 9, 11, 12], [8, 12, 15, 16.5, 16, 12, 9, 7.5], "month", "hours of daylight", 12, 1, 18, 2, months=True),
      "a line graph of daylight hours in the UK: about 8 in January, 12 in March, 16 and a half in June, 12 in September, 7 and a half in December", ws=True),
    Q("""Mira wants to find out if the Moon rises at the same time every night. What should she record?
*3:2 the Moon's colour | the number of stars | the time the Moon rises each night for several weeks | the temperature at midnight""", ws=True),
    Q("""Near the North Pole in midsummer, the Sun does not set for weeks. Why?
*2:2 the Sun is hotter there | the North Pole is tilted towards the Sun, so it stays in sunlight as the Earth spins | the Moon reflects light there | there are no clouds"""),
    Q("""Space probes have visited all the planets. Why are there no people on Mars yet?
*1:2 it is very far, very cold, with thin air and no liquid water to drink | Mars is a star | Mars is too close | no one has a telescope"""),
    Q("""Jupiter spins once every 10 hours. How many times does it spin in one Earth day of 24 hours? Give your answer as a decimal. {N2:2.4}"""),
    Q("""A meteor is a rock from space that burns up as it falls through the air. What slows it down and heats it?
{M2:air resistance;friction;air;the atmosphere;atmosphere;drag}"""),
    Q("""Which of these is the best evidence that the Earth is a sphere?
*3:2 the horizon looks flat | the sky is blue | ships disappear hull first over the horizon, and the Earth's shadow on the Moon is round | it rains"""),
    Q("""Order these from smallest to largest: planet, star, moon.
{M2:moon, planet, star;moon planet star;moon,planet,star;moon - planet - star}
~ Write the three words in order, separated by commas. Think of our Moon, the Earth and the Sun."""),
    Q("""The Moon takes about 28 days to go from one new Moon to the next. First quarter comes after about 7 days, a quarter of the way through. Last quarter comes after about 21 days. What fraction of the way through is last quarter? Give your answer as a fraction in its simplest form. {F2:3/4}"""),
    Q("""A space station orbits Earth every 90 minutes. How many orbits does it make in 24 hours? {N2:16}"""),
]

PAPERS = [P1, P2, P3, P4, P5]
