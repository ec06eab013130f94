"""Energy and Forces: light and shadows, seeing and reflection, sound, electrical circuits,
forces (gravity, friction, air and water resistance), magnets, simple machines, energy sources."""

from core import Q
import svg as S

YES = "yes;yes it will;it will light;it lights;yes it lights"
NO = "no;no it will not;no it won't;it will not light;it won't light;no it doesn't"
N = "newtons;newton;N"

P1 = [
    Q("""Look at the circuit. Will the lamp light? {M:""" + YES + """}""",
      S.circuit(["cell", "lamp"], ["switch_closed"]), "a circuit of a cell, a lamp and a closed switch in a complete loop"),
    Q("""Look at the circuit. The switch is open. Will the lamp light? {M:""" + NO + """}""",
      S.circuit(["cell", "lamp"], ["switch_open"]), "a circuit of a cell, a lamp and an open switch"),
    Q("""Which of these is a source of light?
*3 the Moon | a mirror | a candle flame | a window"""),
    Q("""We need light to see. Light from a lamp bounces off a book and goes into our {M:eyes;eye}."""),
    Q("""Look at the picture. The post blocks the light and makes a dark area on the screen. What is this dark area called?
{M:shadow;a shadow;shadows}""",
      S.shadow("post", 2), "a lamp shining on a post in front of a screen; the post's shadow falls on the screen"),
    Q("""Which force pulls things down towards the Earth?
*1 gravity | friction | magnetism | push"""),
    Q("""Look at the magnets. Will they attract or repel? {M:attract;attraction;they attract;pull together;pull}""",
      S.magnets("NS", "NS"), "two bar magnets in a line: N S, then N S, so the S of the first faces the N of the second"),
    Q("""Sounds are made when something {M:vibrates;vibrate;vibrating;vibrations;shakes;moves back and forth}."""),
    Q("""Look at the forces on the box. Which way will the box move? {M:right;to the right;right side;rightwards;towards the right}""",
      S.forces("box", [("right", 12, "12 N"), ("left", 4, "4 N")]), "a box with a 12 newton arrow pointing right and a 4 newton arrow pointing left"),
    Q("""Which material would make a lamp light if it joined a gap in a circuit?
*2 plastic ruler | metal spoon | rubber band | wooden stick"""),
    Q("""A push or a pull is a {M:force;forces}."""),
    Q("""Why is it harder to walk on ice than on a carpet?
*4 ice is colder | carpet is softer | ice is heavier | there is less friction on ice"""),
    Q("""Which of these is a source of energy that will not run out?
*1 the wind | coal | oil | gas"""),
    Q("""Priya rolled a toy car down a ramp onto different floors and measured how far it went.
| Floor | Distance (cm)
| carpet | 40
| wood | 130
| tiles | 150
On which floor did it go furthest? {M:tiles;the tiles;tile}
How much further did it go on tiles than on carpet? {N2:110} cm""",
      S.ramp("20 cm", "floor surface"), "a toy car at the top of a ramp leading onto a floor", ws=True),
]

P2 = [
    Q("""Look at the circuit. There is a gap in the wire. Will the lamp light? {M:""" + NO + """}
Why?
*2 the cell is too big | the circuit is not complete | the lamp is too small | the wire is too long""",
      S.circuit(["cell", "gap", "lamp"]), "a circuit of a cell and a lamp with a gap in the wire"),
    Q("""Look at the circuit symbols. Write the letter of each.
A lamp: {T:C}
A cell: {T:A}
An open switch: {T:D}""",
      S.circuit_symbols(["cell", "battery", "lamp", "switch_open"], ["A", "B", "C", "D"]), "four circuit symbols labelled A to D"),
    Q("""Look at the magnets. The two N poles face each other. What will happen?
*3 they attract | nothing | they repel (push apart) | they stick together""",
      S.magnets("SN", "NS"), "two bar magnets with their north poles facing each other"),
    Q("""Look at the forces on the car. Which force slows it down? {M:friction;air resistance;drag;friction 20 N}""",
      S.forces("car", [("right", 0, "engine"), ("left", 5, "friction 20 N")]), "a car with an arrow forwards labelled engine and an arrow backwards labelled friction 20 N"),
    Q("""Light travels in {M:straight lines;a straight line;straight line;lines;straight}."""),
    Q("""Look at the picture. Why does the post make a shadow?
*1 the post is opaque and blocks the light | the post is transparent | the lamp is off | the screen makes light""",
      S.shadow("post", 1), "a lamp close to a post with a large shadow on the screen"),
    Q("""Which of these objects is transparent?
*2 a book | clear glass | a wooden door | a brick"""),
    Q("""A guitar string is plucked. The sound gets quieter as the vibrations get {M:smaller;weaker;less;smaller vibrations;less strong}."""),
    Q("""Which unit do we use to measure force? {M:""" + N + """}"""),
    Q("""Look at the force meter. What force does it show? {N:3} N""",
      S.forcemeter(3), "a force meter with its pointer at 3 newtons"),
    Q("""Which is the best material for a parachute?
*4 stone | metal sheet | wood | thin, light fabric"""),
    Q("""Two identical spoons are dropped at the same time, one in a tall jar of water and one in air. Which one falls more slowly? {M:the one in water;the spoon in water;spoon in water;in water;water;the one in the water;the spoon in the water}
Why? Water gives more {M:resistance;water resistance;drag;friction;push back} than air."""),
    Q("""Sanjay tested how many paper clips different magnets could hold.
Which magnet was strongest? {M:horseshoe;horseshoe magnet;the horseshoe magnet;the horseshoe}
How many more clips did the bar magnet hold than the fridge magnet? {M:9;nine}""",
      S.bar_chart(["bar", "horseshoe", "ring", "fridge"], [12, 20, 8, 3], "paper clips held", 20, 4, "Strength of magnets"),
      "a bar chart of paper clips held: bar 12, horseshoe 20, ring 8, fridge 3", ws=True),
    Q("""Which of these is NOT attracted to a magnet?
*3 an iron nail | a steel paper clip | an aluminium can | a piece of nickel"""),
    Q("""Name a device that uses electricity from the mains and one that uses a battery.
Mains: {M:kettle;fridge;television;TV;washing machine;oven;cooker;toaster;microwave;lamp;computer;hairdryer;hair dryer;iron;vacuum cleaner;dishwasher;freezer}
Battery: {M:torch;phone;mobile phone;remote control;watch;calculator;clock;laptop;toy;radio;tablet;smoke alarm}"""),
    Q("""Lena wants to find out which shoe has the best grip. Which of these must she keep the same in a fair test?
*2 the type of shoe | the slope and the surface | the amount of grip | the colour of the slope""", ws=True),
]

P3 = [
    Q("""Look at the circuit. There are two lamps in a complete circuit with one cell. Will both lamps light? {M:""" + YES + """;both light;yes both}""",
      S.circuit(["cell", "lamp", "lamp"], ["switch_closed"]), "a circuit with a cell, two lamps and a closed switch"),
    Q("""Look at the circuit. It has a cell, a switch and a buzzer. The switch is closed. What will you hear?
{M:buzzing;a buzz;the buzzer;buzz;buzzer;the buzzer buzzing;a buzzing sound;sound;a buzzing noise;buzzing noise;noise;a noise}""",
      S.circuit(["cell", "buzzer"], ["switch_closed"]), "a circuit with a cell, a buzzer and a closed switch"),
    Q("""Look at the circuit symbols. Write the letter of the buzzer and the motor.
Buzzer: {T:E}
Motor: {T:F}""",
      S.circuit_symbols(["cell", "battery", "lamp", "switch_open", "buzzer", "motor"], ["A", "B", "C", "D", "E", "F"]), "six circuit symbols labelled A to F"),
    Q("""What does a switch do in a circuit?
*1 opens or closes the circuit | makes the cell last longer | stores electricity | makes the wires longer"""),
    Q("""Look at the shadows. The object was moved nearer to the lamp. What happens to the shadow?
{M:gets bigger;bigger;larger;it gets bigger;grows;gets larger;it grows}""",
      S.shadow("object", 1), "a lamp with an object close to it and a large shadow on the screen"),
    Q("""Esme moved a torch away from a toy and measured the shadow's height on the wall.
| Torch to toy (cm) | Shadow height (cm)
| 10 | 60
| 20 | 38
| 30 | 52
| 40 | 22
| 50 | 18
Which result is the anomaly? Give the distance. {N2:30} cm
Complete the conclusion: the further the torch from the toy, the {M2:smaller;shorter;less tall;lower} the shadow.""", ws=True),
    Q("""Look at the mirror. The light ray hits the mirror. Which letter shows the reflected ray? {T:B}""",
      S.mirror(45, letters="ABC"), "a ray of light from a torch hitting a mirror at 45 degrees, with three possible reflected rays A, B and C"),
    Q("""A periscope uses two {M:mirrors;mirror} to let you see over a wall."""),
    Q("""Look at the picture. Which shows correctly how we see the ball?
*2 light goes from the eye to the ball | light goes from the Sun to the ball, then from the ball into the eye | light goes from the ball to the Sun | we see without light""",
      S.seeing("Sun", "ball", "right"), "light from the Sun reflects off a ball into an eye, shown with arrows"),
    Q("""Look at the two sound traces. Which sound, A or B, is louder? {T:A}""",
      S.sound_pair((60, 3, "A"), (25, 3, "B")), "two sound traces: A has tall waves, B has short waves, both with three waves"),
    Q("""A drum is hit harder. What happens to the sound? It becomes {M:louder;loud;more loud}."""),
    Q("""Short, tight strings make sounds with a {M:high;higher;high pitch;higher pitch} pitch."""),
    Q("""Look at the forces on the parachutist. Which force acts upwards? {M:air resistance;drag;air;air resistance 600 N;resistance}
Which force acts downwards? {M:gravity;weight;gravity 600 N;weight 600 N}""",
      S.forces("parachutist", [("up", 0, "air resistance 600 N"), ("down", 0, "weight 600 N")], ground=False), "a parachutist with an upward air resistance arrow and a downward weight arrow"),
    Q("""The forces on the parachutist are equal. What is the parachutist's speed doing?
*3:2 speeding up | slowing down | staying the same | stopping at once"""),
    Q("""Look at the force meter. What does it read? {N:6.5} N""",
      S.forcemeter(6.5), "a force meter with its pointer halfway between 6 and 7 newtons"),
    Q("""Levers, pulleys and gears are machines that let a small force have a bigger {M:effect;push;pull;turning effect}."""),
    Q("""Ollie dropped paper spinners with different wing lengths from 2 metres and timed their fall.
| Wing length (cm) | Time to fall (s)
| 4 | 1.2
| 6 | 1.6
| 8 | 2.0
| 10 | 2.4
Predict the time for a wing length of 12 cm. {N2:2.8} s
What did he change? {M:wing length;the wing length;length of wings;wings;the length of the wings;length}""", ws=True),
    Q("""Name the force that acts between two surfaces rubbing together. {M:friction}""".replace("{M:friction}", "{M:friction;frictional force}")),
]

P4 = [
    Q("""Look at the circuit. It has two cells and one lamp.
@
Compared with a circuit of one cell and one lamp, the lamp will be
*2:2 dimmer | brighter | the same | off""",
      S.circuit(["cell", "cell", "lamp"], ["switch_closed"]), "a circuit with two cells, one lamp and a closed switch"),
    Q("""Look at the circuit. It has one cell and three lamps. Compared with one lamp, how bright will each lamp be?
{M2:dimmer;less bright;dim;not as bright;darker;fainter}""",
      S.circuit(["cell", "lamp", "lamp"], ["lamp", "switch_closed"]), "a circuit with one cell, three lamps and a closed switch"),
    Q("""Look at the circuit. Which sentence about it is true?
*3:2 only the motor works, because the battery has two cells | only the lamp works, because the motor needs its own cell | neither the lamp nor the motor works, because the switch is open | both work, because there is a battery""",
      S.circuit(["battery", "lamp"], ["switch_open", "motor"]), "a circuit with a battery, a lamp, an open switch and a motor"),
    Q("""Look at the circuit. The cell is 1.5 volts. If a second 1.5 V cell is added, what is the total voltage? {N2:3} V""",
      S.circuit(["cell", "motor"], ["switch_closed"], ["1.5 V", "", "switch"]), "a circuit with a 1.5 volt cell, a motor and a switch"),
    Q("""A motor turns faster when more {M2:cells;cell;voltage;batteries;battery;volts;power} are added in the circuit."""),
    Q("""Look at the forces on the box. What is the overall (resultant) force? {N2:8} N
Which way will the box move? {M:right;to the right;rightwards;towards the right}""",
      S.forces("box", [("right", 14, "14 N"), ("left", 6, "6 N")]), "a box with a 14 newton arrow to the right and a 6 newton arrow to the left"),
    Q("""Look at the forces on the sledge. The dog pulls with 50 N and friction is 50 N. What happens to the sledge's speed? {M2:stays the same;the same;same;constant;doesn't change;does not change;no change}""",
      S.forces("sledge", [("right", 10, "pull 50 N"), ("left", 10, "friction 50 N")]), "a sledge with a 50 newton pull forwards and a 50 newton friction backwards"),
    Q("""Isaac Newton wrote about gravity in 1687. Why does an apple fall from a tree?
*4 air pushes it down | the tree pushes it | magnets pull it | gravity pulls it towards the Earth"""),
    Q("""Your mass is 40 kg on Earth. On the Moon, gravity is weaker. What is your mass on the Moon?
*1:2 40 kg | 0 kg | 240 kg | 7 kg"""),
    Q("""Look at the mirror. The ray hits the mirror at 45 degrees to the dashed line. At what angle to the dashed line does it leave? {N2:45} degrees""",
      S.mirror(45), "a ray from a torch hitting a mirror and reflecting"),
    Q("""Look at the picture. One of the arrows is drawn the wrong way. Which sentence is right?
*3:2 both arrows should point at the lamp | the arrow from the eye to the toy is right | the arrows should go from the lamp to the toy and from the toy into the eye | no arrows are needed""",
      S.seeing("lamp", "toy", "eye"), "a lamp, a toy and an eye, with an arrow wrongly drawn leaving the eye"),
    Q("""Look at the two sound traces, A and B. Which has the higher pitch? {T:B}
~ Trace B has more waves in the same time.""",
      S.sound_pair((40, 3, "A"), (40, 7, "B")), "two sound traces of the same height: A has three waves, B has seven"),
    Q("""Sound travels through solids, liquids and gases. Why can't sound travel through space?
*2:2 space is too cold | there are no particles to vibrate | it is too dark | the Sun blocks it"""),
    Q("""Maya measured how far away she could hear a ticking clock through different materials over her ears.
Which material blocked sound best? {M:foam;the foam}
Which material blocked it least? {M:paper;the paper}""",
      S.bar_chart(["none", "paper", "cotton", "foam"], [8, 7, 4, 1], "distance clock heard (m)", 8, 2, "Muffling sound"),
      "a bar chart of distance the clock was heard: none 8 m, paper 7 m, cotton 4 m, foam 1 m", ws=True),
    Q("""Which is the best reason to use a longer lever to lift a heavy rock?
*1:2 the longer the lever, the less force you need | longer levers are lighter | it makes the rock lighter | it uses more energy"""),
    Q("""Look at the ramp. Alfie changed the height of the ramp and measured how far the car rolled.
| Ramp height (cm) | Distance (cm)
| 10 | 60
| 20 | 115
| 30 | 170
| 40 | 230
What did he change? {M:height;the height;ramp height;height of the ramp;the ramp height}
Predict the distance for 50 cm. *2:2 200 cm | about 285 cm | 60 cm | 500 cm""".replace("Predict the distance for 50 cm. *2:2", "Predict the distance for 50 cm.\n*2:2"),
      S.ramp("height", "floor"), "a car at the top of a ramp whose height is marked", ws=True),
    Q("""Streamlined shapes reduce air and water {M2:resistance;drag;friction}, so boats and planes use less fuel."""),
    Q("""Look at the magnets. The S pole of one faces the S pole of the other. Will they attract or repel? {M:repel;push apart;they repel;repulsion}""",
      S.magnets("NS", "SN"), "two bar magnets with their south poles facing each other"),
    Q("""A compass needle is a small magnet. Which way does the end marked N point? {M2:north;N;magnetic north;the north;towards north;to the north;north pole}"""),
    Q("""Which energy source is renewable and uses moving water?
*3 coal | gas | hydroelectric power | oil"""),
]

P5 = [
    Q("""Look at the circuit. Write what happens when the switch is closed.
The lamp will {M2:light;light up;come on;turn on;shine;glow}
The motor will {M2:turn;spin;work;run;go;move;rotate}
Which component would you take out, joining the wires again, to make the motor spin faster with the same battery? {M2:lamp;the lamp;bulb;the bulb}""",
      S.circuit(["battery", "lamp"], ["switch_closed", "motor"]), "a circuit with a battery, a lamp, a closed switch and a motor"),
    Q("""Look at the circuit. It has a cell, two lamps and an open switch. Which sentence is true?
*4:2 both lamps are bright | one lamp is on | the lamps are dim | neither lamp lights until the switch is closed""",
      S.circuit(["cell", "lamp", "lamp"], ["switch_open"]), "a circuit with a cell, two lamps and an open switch"),
    Q("""Four circuits use the same kind of cells and lamps. In which circuit will a lamp be brightest?
*3:2 A: one cell, two lamps | B: one cell, one lamp | C: two cells, one lamp | D: two cells, three lamps"""),
    Q("""Hana tested the brightness of a lamp with different numbers of cells, using a light meter.
| Cells | Brightness (units)
| 1 | 20
| 2 | 45
| 3 | 70
| 4 | 60
Which result does not fit the pattern? {N2:4} cells
Suggest a reason. *1:2 the lamp was starting to fail or a cell was flat | the cells were too new | she used a light meter | there were too few cells""".replace("Suggest a reason. *1:2", "Suggest a reason.\n*1:2"), ws=True),
    Q("""Why are wires made of copper covered in plastic?
*2:2 copper is an insulator and plastic a conductor | copper conducts electricity and plastic insulates to keep us safe | plastic makes the electricity faster | copper is magnetic"""),
    Q("""Look at the forces on the lorry. Engine force forward: 3000 N. Air resistance and friction backward: 1200 N.
What is the resultant force? {N2:1800} N
What happens to the lorry's speed? {M2:increases;speeds up;gets faster;it speeds up;goes up;accelerates;increase}""",
      S.forces("lorry", [("right", 14, "3000 N"), ("left", 6, "1200 N")]), "a lorry with a 3000 newton forward arrow and a 1200 newton backward arrow"),
    Q("""Look at the forces on the boat floating on water. The weight is 500 N. The boat is not sinking or rising. What is the upthrust? {N2:500} N""",
      S.forces("boat", [("up", 0, "upthrust ?"), ("down", 0, "weight 500 N")], ground=False), "a boat with an upward arrow labelled upthrust question mark and a downward arrow labelled weight 500 N"),
    Q("""Galileo Galilei is said to have dropped balls of different mass from a tower. They landed at the same time. What does this show?
*1:2 without air resistance, heavy and light objects fall at the same rate | heavy objects always fall faster | light objects fall faster | gravity only pulls on heavy things"""),
    Q("""Leah dropped a ball of modelling clay shaped as a sphere and as a flat sheet into a tube of water and timed the fall.
| Shape | Time 1 (s) | Time 2 (s) | Time 3 (s)
| sphere | 1.1 | 1.0 | 1.2
| flat sheet | 3.4 | 3.6 | 3.5
What is the mean time for the sphere? {N2:1.1} s
Why did the flat sheet fall more slowly? It had more {M2:water resistance;resistance;drag;surface area;friction}.
Why did she use the same amount of clay each time?
*4:2 to make it sink faster | so the times were longer | so the water stayed clean | so that only the shape changed (a fair test)""", ws=True),
    Q("""Look at the shadows of a stick. The shadow is shortest when the Sun is {M2:highest;high;highest in the sky;overhead;at its highest;high in the sky}.""",
      S.stick_shadows([(20, "left", "A"), (65, "left", "B"), (25, "right", "C")]), "three pictures of a stick and its shadow with the Sun low on the left, high, and low on the right"),
    Q("""Look at the shadow pictures. Which picture, A, B or C, is in the late afternoon? The Sun sets in the west, on the right of each picture. {T:C}""",
      S.stick_shadows([(20, "left", "A"), (65, "left", "B"), (25, "right", "C")]), "three pictures: A the Sun low in the east, B high, C low in the west"),
    Q("""A shadow puppet is 10 cm tall. Its shadow is 3 times as tall. How tall is the shadow? {N2:30} cm"""),
    Q("""Light from the Sun travels about 150 million km to reach Earth in about 8 minutes. Sound from thunder takes about 3 seconds to travel 1 km. What does this tell us?
*3:2 sound is faster than light | they travel at the same speed | light travels much faster than sound | sound cannot travel in air"""),
    Q("""Look at the two sound traces. Trace A and trace B have the same height but B has more waves. What is different about sound B?
*2:2 it is louder | it has a higher pitch | it is quieter | it has a lower pitch""",
      S.sound_pair((45, 3, "A"), (45, 6, "B")), "two sound traces of the same height: A has three waves, B has six"),
    Q("""Which sentence explains how we hear?
*4:2 our ears make sound | light goes into the ear | the brain shouts | vibrations travel through the air to the eardrum, which vibrates"""),
    Q("""Look at the force meter holding a bag of apples. What is the weight of the bag? {N:4.5} N
A second bag weighs twice as much. What would the meter read? {N2:9} N""",
      S.forcemeter(4.5), "a force meter with its pointer halfway between 4 and 5 newtons"),
    Q("""Gears are toothed wheels. A small gear with 10 teeth drives a big gear with 30 teeth. How many turns does the small gear make while the big gear turns once? {M2:3;three}"""),
    Q("""Name two renewable energy sources.
{G2:wind;solar|sun|sunlight;water|hydroelectric|hydro;tidal|tides;waves|wave;geothermal;biomass|wood} {G2}"""),
    Q("""Why do we try to use less energy from burning coal, oil and gas?
*1:2 burning them releases carbon dioxide, which adds to climate change, and they will run out | they are renewable | they make no pollution | they are made from wind"""),
    Q("""Zoe plans to test: "Does the mass of a toy car change how far it rolls off a ramp?"
What will she change? {M2:mass;the mass;mass of the car;weight;the weight;the mass of the car}
What will she measure? *3:2 the ramp height | the car's mass | the distance the car rolls | the floor surface
Name one thing to keep the same. {M2:ramp height;height;surface;floor;floor surface;car;same car;the height;the surface;the ramp;the floor;starting point;slope;angle;height of the ramp;the ramp height;release point}
~ One to three words.""".replace("What will she measure? *3:2", "What will she measure?\n*3:2"), ws=True),
    Q("""Two magnets are held apart with their N poles facing. A finger lets go of one. Describe its motion.
*2:2 it moves towards the other | it is pushed away from the other | it stays still | it spins round and attracts""",
      S.magnets("SN", "NS", "N faces N"), "two bar magnets with north poles facing each other"),
    Q("""The magnetic poles of the Earth are near the geographic poles. Which pole of a magnet is attracted to the Earth's north?
{M2:north pole;north;N;north-seeking pole;the north pole;north seeking pole;N pole}"""),
]

PAPERS = [P1, P2, P3, P4, P5]
