"""Matter and Materials: properties and uses of materials, rocks and soils, solids, liquids and
gases, changes of state and the water cycle, dissolving, separating mixtures, reversible and
irreversible changes."""

from core import Q
import svg as S

EVAP = "evaporation;evaporate;evaporating;evaporates;evaporated"
COND = "condensation;condense;condensing;condenses;condensed"
MELT = "melting;melt;melts;melted"
FREEZE = "freezing;freeze;freezes;froze;frozen;solidifying;solidify"
PRECIP = "precipitation;rain;raining;rainfall;falling as rain;rain, snow or hail;snow;hail"
C = "&deg;C"

P1 = [
    Q("""Look at the boxes of particles. Which box, A, B or C, shows a solid? {T:A}""",
      S.particles(["solid", "liquid", "gas"], ["A", "B", "C"]), "three boxes of particles: A packed in rows, B close but jumbled, C far apart"),
    Q("""Which material is best for a window?
*2 wood | glass | brick | cardboard"""),
    Q("""Glass lets light through. We say glass is {M:transparent;see-through;see through;clear}."""),
    Q("""Which of these is a liquid at room temperature?
*3 ice | steam | milk | stone"""),
    Q("""What happens to an ice lolly on a hot day? It {M:melts;melt;melting;turns to liquid;turns into a liquid;goes runny}."""),
    Q("""Name a material that is attracted to a magnet. {M:iron;steel;nickel;cobalt}"""),
    Q("""A raincoat must keep you dry. Which property must its material have?
*1 waterproof | transparent | magnetic | soft"""),
    Q("""Look at the thermometer. What temperature does it show? {N:20} """ + C,
      S.thermometer(20), "a thermometer reading 20 degrees Celsius"),
    Q("""Water turns to ice when it is very cold. This change is called {M:""" + FREEZE + """}."""),
    Q("""Which of these is a gas?
*4 sand | water | wood | the air we breathe"""),
    Q("""Why are saucepans made of metal?
*2 metal is see-through | metal lets heat through easily | metal is soft | metal floats"""),
    Q("""Puddles dry up on a sunny day. The water {M:""" + EVAP + """;dries up;goes into the air;turns into water vapour} into the air."""),
    Q("""Name a natural material that comes from trees. {M:wood;timber;paper;cork;rubber;bark}"""),
    Q("""Kai dropped a ball on four floors and measured how high it bounced.
| Floor | Bounce height (cm)
| carpet | 20
| wood | 45
| concrete | 60
| grass | 15
On which floor did it bounce highest? {M:concrete;the concrete}
How much higher did it bounce on wood than on carpet? {N:25} cm""", ws=True),
]

P2 = [
    Q("""Look at the particles. Which box shows a gas? {T:C}
In which box are the particles close together but able to move past each other? {T:B}""",
      S.particles(["solid", "liquid", "gas"], ["A", "B", "C"]), "three boxes of particles labelled A, B and C"),
    Q("""Liquids can be poured and they take the shape of their {M:container;containers;pot;the container they are in;cup;jug}."""),
    Q("""Which of these is a property of a gas?
*3 it keeps its shape | it always has a fixed volume | it spreads out to fill its container | it can be held in your hand"""),
    Q("""Look at the measuring cylinder. How much water is in it? {N:40} ml""",
      S.cylinder(40), "a measuring cylinder filled to 40 millilitres"),
    Q("""Water boils at {N:100} """ + C + """ and freezes at {N:0} """ + C + """."""),
    Q("""Which of these rocks is formed from layers of sand pressed together?
*1 sandstone | granite | marble | basalt"""),
    Q("""Soil is made from tiny bits of rock mixed with dead plants and animals. This rotted material is called
{M:humus;compost;organic matter}."""),
    Q("""Electricity passes easily through copper. Copper is a good electrical {M:conductor;conductors}."""),
    Q("""Plastic covers electrical wires. Plastic is a good electrical {M:insulator;insulators}."""),
    Q("""Sugar stirred into tea seems to disappear. What has happened to it?
*2 it has melted | it has dissolved | it has evaporated | it has frozen"""),
    Q("""A mixture of sand and water is poured through filter paper. What stays in the paper? {M:sand;the sand}""",
      S.filtering({"paper": "filter paper", "residue": "?"}), "a filter funnel with filter paper over a beaker; the solid left in the paper is marked with a question mark"),
    Q("""How could you separate paper clips from sand?
*4 with a sieve of big holes | by adding water | by heating | with a magnet"""),
    Q("""Look at the thermometer. What temperature does it show? {N:-4} """ + C + """
~ Remember temperatures below zero have a minus sign.""",
      S.thermometer(-4, -10, 30, 10, 2), "a thermometer reading 4 degrees below zero"),
    Q("""Mo tested which material kept a cup of hot water warm longest. He measured the temperature after 20 minutes.
Which material kept the water warmest? {M:wool;the wool}
Which material was the worst insulator? {M:foil;the foil;tin foil;aluminium foil}""",
      S.bar_chart(["no cover", "foil", "cotton", "wool"], [30, 32, 41, 52], "temperature after 20 minutes (" + S.DEG + "C)", 60, 10, "Keeping water warm"),
      "a bar chart of temperature after 20 minutes: no cover 30, foil 32, cotton 41, wool 52 degrees", ws=True),
    Q("""What should Mo keep the same in his test? Name two things.
{G:amount of water|volume of water|water;starting temperature|temperature of water;type of cup|cup;size of cup;time;thickness of material;place|room} {G}
~ One or two words each.""", ws=True),
    Q("""Why are bricks used to build houses?
*1 they are strong and hard | they are see-through | they are soft and bendy | they dissolve in rain"""),
]

P3 = [
    Q("""Water can be ice, liquid water or water vapour. Write the state of each.
| Form | State
| ice | {M:solid;a solid}
| water | {M:liquid;a liquid}
| water vapour | {M:gas;a gas}"""),
    Q("""Look at the water cycle. Name the process at A, where the Sun warms the sea. {M:""" + EVAP + """}
Name the process at B, where vapour cools to form clouds. {M:""" + COND + """}""",
      S.water_cycle(["A", "B", "C", "D"]), "the water cycle with A over the sea, B at the cloud, C at the rain and D at the river"),
    Q("""In the water cycle, rain, snow and hail falling from clouds is called {M:precipitation;percipitation}.""",
      S.water_cycle(["", "", "?", ""]), "the water cycle with a question mark where rain falls from the cloud"),
    Q("""A cold can of drink from the fridge gets wet on the outside. Where does the water come from?
*3 it leaks through the can | it comes from the drink's bubbles | water vapour in the air condenses on the cold can | the fridge sprays it on"""),
    Q("""Chocolate melts at about 35 """ + C + """. Would it melt in your hand (about 35 """ + C + """) or in a fridge (5 """ + C + """)?
{M:hand;in your hand;your hand;in the hand;my hand}"""),
    Q("""Look at the thermometer. Read the temperature. {N:37} """ + C,
      S.thermometer(37, 30, 45, 5, 1), "a thermometer with a scale from 30 to 45 reading 37 degrees Celsius"),
    Q("""Look at the apparatus used to separate sand from water.
Name part A. {M:funnel;filter funnel}
Name part B. {M:filter paper;paper;filter}""",
      S.filtering({"funnel": "A", "paper": "B", "beaker": "C"}), "filtering apparatus with A funnel, B filter paper, C beaker"),
    Q("""Salt dissolved in water cannot be filtered out. How can you get the salt back?
*2 sieve it | evaporate the water by heating | freeze it | stir it faster"""),
    Q("""Isla stirred sugar into water at different temperatures and timed how long it took to dissolve.
| Water temperature (°C) | Time to dissolve (s)
| 20 | 95
| 40 | 60
| 60 | 35
| 80 | 20
Complete the conclusion: the hotter the water, the {M2:faster;quicker;less time;more quickly;shorter the time} the sugar dissolves.
Predict the time at 30 °C.
*2 about 20 s | about 75 s | about 120 s | about 5 s""".replace("°C", C), ws=True),
    Q("""In Isla's test, which should she keep the same?
*4 the water temperature | the time taken | the colour of the spoon only | the amount of sugar and water""", ws=True),
    Q("""Which of these changes can be reversed?
*1 melting butter | burning paper | baking a cake | frying an egg"""),
    Q("""When wood burns, new materials are made, such as ash and smoke. This is an {M:irreversible;irreversible change;non-reversible;not reversible} change."""),
    Q("""Iron nails left outside in the rain turn orange-brown. This is called {M:rusting;rust;rusted;rusts;corrosion}."""),
    Q("""Grace tested which rock soaked up the most water.
Which rock soaked up the most? {M:chalk;the chalk}
Which rock would be best for a doorstep that stays dry? {M2:granite;the granite;slate;the slate}""",
      S.bar_chart(["granite", "chalk", "sandstone", "slate"], [1, 14, 8, 1], "water soaked up (g)", 16, 2, "Water soaked up by 50 g of rock"),
      "a bar chart of water soaked up: granite 1 g, chalk 14 g, sandstone 8 g, slate 1 g", ws=True),
    Q("""A material that lets water soak through it is called {M:permeable;porous}."""),
    Q("""Look at the measuring cylinder. How much liquid does it hold? {N:64} ml""",
      S.cylinder(64), "a measuring cylinder filled to 64 millilitres"),
    Q("""Which two materials would you use to make a saucepan? One for the pan and one for the handle.
Pan: {M:metal;steel;iron;aluminium;copper;stainless steel}
Handle: {M:plastic;wood;rubber;silicone;wooden}"""),
    Q("""Why is a handle of wood or plastic better than a metal handle for a saucepan?
*3 it is heavier | it is shinier | it is a thermal insulator, so it stays cool | it conducts heat well"""),
]

P4 = [
    Q("""Look at the particles.
Which box, A, B or C, shows the state of water in a kettle's steam? {T:C}
What happens to the particles in box A when it is heated until it melts?
*2:2 they stop moving | they move faster and can move past each other | they disappear | they get bigger and bigger""",
      S.particles(["solid", "liquid", "gas"], ["A", "B", "C"]), "three boxes of particles labelled A, B and C"),
    Q("""Look at the water cycle.
What happens at C? {M:""" + PRECIP + """}
Water flowing back to the sea in rivers, at D, is called {M:collection;run-off;runoff;collecting;surface run-off}.
What gives the energy to make the water cycle work? {M2:the Sun;sun;sunlight;heat from the sun;the sun's heat;solar energy}""",
      S.water_cycle(["A", "B", "C", "D"]), "the water cycle with letters A to D"),
    Q("""Amber put water in a sunny place and a shady place and measured the water left each day.
| Day | Water left in sun (ml) | Water left in shade (ml)
| 0 | 200 | 200
| 1 | 170 | 190
| 2 | 140 | 180
| 3 | 110 | 185
| 4 | 80 | 165
How much water evaporated in the sun in 4 days? {N2:120} ml
Complete: water evaporates {M2:faster;quicker;more quickly} when it is warmer.
Which shade reading looks like it might be an error? Day {N2:3}
~ In the shade the water fell by about 10 ml each day.""", ws=True),
    Q("""Look at the graph of a cup of tea cooling.
What was the temperature after 4 minutes? {N:55} """ + C + """
How much did it cool in the first 2 minutes? {N2:14} """ + C + """
When did it cool fastest?
*1 in the first two minutes | between 6 and 8 minutes | in the last two minutes | it cooled at the same speed all the time""",
      S.line_graph([0, 2, 4, 6, 8, 10], [80, 66, 55, 46, 40, 36], "time (minutes)", "temperature (" + S.DEG + "C)", 10, 2, 90, 10),
      "a line graph of tea cooling: 80 degrees at 0 minutes, 66 at 2, 55 at 4, 46 at 6, 40 at 8, 36 at 10", ws=True),
    Q("""Oxygen, carbon dioxide and water vapour are all {M:gases;gas}.
Which of these shows that air has mass (weight)?
*3:2 air is invisible | we breathe air | a blown-up balloon weighs more than a flat one | air is cold"""),
    Q("""Name the process in which a gas turns into a liquid. {M2:""" + COND + """}"""),
    Q("""Write the melting point or boiling point.
The melting point of ice is {N:0} """ + C + """.
The boiling point of water is {N:100} """ + C + """."""),
    Q("""Which of these is a mixture that could be separated with a sieve?
*2 salt and water | rice and flour | sugar and tea | ink"""),
    Q("""Look at the filtering apparatus. Name the solid left in the paper, D, and the liquid collected, E.
D is the {M2:residue;solid;sand;residues}
E is the {M2:filtrate;liquid;water;clear liquid}""",
      S.filtering({"funnel": "A", "paper": "B", "residue": "D", "filtrate": "E"}), "filtering apparatus with A funnel, B filter paper, D the solid, E the liquid"),
    Q("""A solid that dissolves in a liquid is soluble. A solid that does not dissolve is {M2:insoluble;not soluble}."""),
    Q("""Which of these will dissolve in water?
*4 sand | chalk | marbles | salt"""),
    Q("""Ben mixed bicarbonate of soda with vinegar. It fizzed and a gas was made. What kind of change is this?
*1:2 irreversible, because a new material is made | reversible, because it can be undone | a change of state | melting"""),
    Q("""Which material would be best for a see-through lunch box lid that does not shatter?
*3 glass | steel | clear plastic | cardboard"""),
    Q("""Look at the thermometer. Read the temperature. {N:-6} """ + C + """
Is this above or below the freezing point of water? {M:below;below freezing;under}""",
      S.thermometer(-6, -20, 20, 5, 1), "a thermometer from minus 20 to 20 reading 6 degrees below zero"),
    Q("""Rocks can be igneous, sedimentary or metamorphic. Marble is made when limestone is changed by heat and pressure.
Marble is a {M2:metamorphic;metamorphic rock} rock."""),
    Q("""Which of these is a fossil fuel?
*2 wood | coal | wind | water"""),
    Q("""Vikram tested how well different fabrics soak up water. He dipped each in water for one minute and measured the water taken up.
What did he change? {M:fabric;type of fabric;the fabric;material;the material;kind of fabric}
What did he measure?
*1:2 the amount of water each fabric took up | the time in the water | the colour of each fabric | the size of each piece
Which should he keep the same?
*3:2 the type of fabric | the amount of water taken up | the size of each piece of fabric | nothing""", ws=True),
    Q("""Why are car tyres made of rubber?
*4 rubber is see-through | rubber is magnetic | rubber dissolves | rubber is flexible, hard-wearing and grips the road"""),
    Q("""Look at the measuring cylinder. How much liquid does it hold? {N:35} ml
How much more liquid is needed to fill it to 50 ml? {N2:15} ml""",
      S.cylinder(35, 50, 10, 1), "a measuring cylinder marked to 50 millilitres, filled to 35"),
    Q("""When candle wax burns, some changes happen. Which one is reversible?
*2:2 the wick turns to ash | wax melts and sets again | smoke is made | carbon dioxide is made"""),
]

P5 = [
    Q("""Look at the particles. Explain why gases can be squashed but solids cannot.
*3:2 gas particles are smaller | gas particles are soft | gas particles are far apart, so they can be pushed closer | solid particles are far apart""",
      S.particles(["solid", "liquid", "gas"], ["solid", "liquid", "gas"]), "boxes of particles for a solid, a liquid and a gas"),
    Q("""Look at the water cycle. Name the processes at A, B and C.
A {M:""" + EVAP + """}
B {M:""" + COND + """}
C {M:""" + PRECIP + """}
Why does water evaporate faster from the sea on a hot, windy day?
*2:2 the sea is saltier | heat gives particles energy and wind carries the vapour away | clouds stop the wind | cold water evaporates faster""",
      S.water_cycle(["A", "B", "C", "D"]), "the water cycle with letters A to D"),
    Q("""Felix heated ice and measured its temperature every minute. Use the graph.
At what temperature did the reading stay the same while the ice melted? {N:0} """ + C + """
For how many minutes was the ice melting? {M2:4;four}
What happened from 8 to 12 minutes?
*3:2 the water froze | the ice stayed solid | the water warmed up | the water boiled away""",
      S.line_graph([0, 2, 4, 6, 8, 10, 12], [-20, -10, 0, 0, 0, 20, 40], "time (minutes)", "temperature (" + S.DEG + "C)", 12, 2, 40, 10, ybottom=-20),
      "a line graph: temperature rises from minus 20 to 0 by 4 minutes, stays at 0 until 8 minutes, then rises to 40 at 12 minutes", ws=True),
    Q("""Sea water is a solution of salt in water. Describe how to get pure water from it.
*1:2 boil it and cool the steam so it condenses | filter it | sieve it | freeze it and keep the ice and salt together"""),
    Q("""A mixture contains iron filings, salt and sand. Which order of steps separates all three?
*4:3 filter, then magnet, then dissolve, then evaporate | evaporate, then filter, then magnet | dissolve, then evaporate, then filter | magnet, then add water to dissolve the salt, filter out the sand, evaporate the water"""),
    Q("""Ruby dissolved sugar in 100 ml of water at 20 °C, one spoon at a time, until no more would dissolve. She did the same at 60 °C.
| Water | Spoons dissolved
| 20 °C | 8
| 60 °C | 14
What is the name for a solution in which no more solid can dissolve? {M2:saturated;saturated solution;a saturated solution}
How many more spoons dissolved at 60 °C? {M:6;six}
Write a conclusion. Complete: more sugar dissolves in {M2:hotter;warmer;hot;warm} water.""".replace("°C", C), ws=True),
    Q("""Name a change of state that needs heating and one that needs cooling.
Heating: {M2:melting;melt;melts;boiling;boil;boils;evaporation;evaporating;evaporate;evaporates}
Cooling: {M2:freezing;freeze;freezes;condensation;condensing;condense;condenses;solidifying;solidify}"""),
    Q("""Thermal insulators keep heat in or out. Which material is used in a cool box to keep picnic food cold?
*2 copper | polystyrene foam | aluminium | iron"""),
    Q("""Nell tested how long ice cubes took to melt when wrapped in different materials.
Which material kept the ice solid longest? {M:bubble wrap;bubblewrap;the bubble wrap}
Which material was the best thermal conductor? {M2:foil;tin foil;aluminium foil;the foil}
Why should she use ice cubes of the same size?
*2:2 so the ice melts faster | so that the material is the only thing that changes (a fair test) | so the bar chart is taller | so the ice is colder""",
      S.bar_chart(["none", "foil", "paper", "felt", "bubble wrap"], [20, 15, 35, 60, 75], "time to melt (minutes)", 80, 10, "Melting ice cubes"),
      "a bar chart of melting time: none 20 minutes, foil 15, paper 35, felt 60, bubble wrap 75", ws=True),
    Q("""The ice cube wrapped in foil melted faster than the one with no wrapping. Nell thought this might be an anomaly.
What should she do?
*1:2 repeat the test to check | leave it out without saying | change the graph | give up""", ws=True),
    Q("""Gold is used for jewellery. Give two properties that make it suitable.
{G2:shiny|lustrous|attractive;does not rust|doesn't rust|does not corrode|not rusting;rare;valuable;soft|malleable|can be shaped|easy to shape;hard-wearing} {G2}
~ One or two words each."""),
    Q("""Spencer Silver, a chemist, made a glue that was not very strong. Later it was used to make notes that stick and peel off. Which property made the weak glue useful?
*3:2 it was strong | it was magnetic | it could stick and unstick many times | it dissolved"""),
    Q("""Ruth Benerito, an American chemist, treated cotton so it did not crease. Why would this be useful in clothes?
*2 the clothes are heavier | the clothes need less ironing | the clothes are see-through | the clothes melt"""),
    Q("""Write whether each change is reversible or irreversible.
| Change | Type
| dissolving salt in water | {M:reversible;reversable}
| cooking an egg | {M:irreversible;irreversable;not reversible}
| burning a match | {M:irreversible;irreversable;not reversible}
| freezing orange juice | {M:reversible;reversable}"""),
    Q("""Baking powder makes cakes rise. A gas is made when it is heated with the wet mixture. Name the gas. {M2:carbon dioxide;CO2}"""),
    Q("""Why does a rusty iron gate need painting?
*4:2 paint makes it magnetic | paint conducts heat | paint makes it lighter | paint keeps water and air away from the iron"""),
    Q("""Look at the thermometer. Read the temperature. {N:23} """ + C + """
The water is heated and rises by 18 degrees. What is the new temperature? {N2:41} """ + C,
      S.thermometer(23, 0, 50, 10, 1), "a thermometer from 0 to 50 reading 23 degrees Celsius"),
    Q("""How is soil different from sand? Choose the best answer.
*1:2 soil has humus (rotted living things) and holds more water | soil is always orange | sand has worms in it | sand holds more water"""),
    Q("""Plan a test: does the amount of water affect how quickly washing dries?
What will you change? {M2:amount of water;the amount of water;how wet it is;water;how much water}
What will you measure?
*4:2 the amount of water | the size of the cloth | the temperature of the room | the time each cloth takes to dry
Name one thing you will keep the same. {M2:type of fabric;fabric;size;place;temperature;material;size of cloth;size of the cloth;kind of fabric;type of cloth;cloth;wind;where it dries;drying place}
~ One to four words.""", ws=True),
    Q("""Why is a mixture of oil and water easy to separate by pouring carefully?
*3:2 oil dissolves in water | oil is heavier | oil does not dissolve and floats on top of the water | water floats on oil"""),
    Q("""Stone, plastic, glass, metal and wood can all be recycled or reused. Give one reason recycling is better for the Earth.
*2:2 it makes more rubbish | it saves raw materials and energy | it uses more oil | it makes landfill bigger"""),
    Q("""A bottle holds 2 1/4 litres of water. Ali pours 3/4 of a litre into a tank to see how much evaporates in a week. How much water is left in the bottle? Give your answer in litres as a mixed number. {X2:1 1/2} litres"""),
    Q("""Look at the measuring cylinder. 20 ml of liquid is poured out. How much is left? {N2:52} ml""",
      S.cylinder(72), "a measuring cylinder filled to 72 millilitres"),
]

PAPERS = [P1, P2, P3, P4, P5]
