"""Mock Examination: five papers of new questions from every topic, in topic order within each
paper (living things, plants, the body, materials, energy and forces, Earth and space)."""

from core import Q
import svg as S

C = "&deg;C"

P1 = [
    # living things
    Q("""Look at the food chain. Name the producer. {M:leaves;leaf;plant;green plant;dandelion leaves;dandelion;dandelions;plants}
Name the secondary consumer, the animal that eats the first consumer. {M2:thrush;song thrush;thrushes}""",
      S.food_chain(["dandelion leaves", "snail", "thrush", "sparrowhawk"]), "a food chain: dandelion leaves, snail, thrush, sparrowhawk"),
    Q("""Which group does a salamander belong to? It has moist skin and lays eggs in water.
*2 reptiles | amphibians | mammals | fish"""),
    Q("""Use the key to name the bird with a hooked beak and no webbed feet. {M:eagle;an eagle;golden eagle}""",
      S.key_tree(("Does it have webbed feet?", ("Is its beak flat?", "duck", "puffin"), ("Is its beak hooked?", "eagle", "wren"))),
      "a branching key for duck, puffin, eagle and wren"),
    Q("""Some bacteria are helpful. Which job do helpful micro-organisms do in the soil?
*3 eat worms | make rocks | break down dead plants and animals | stop rain"""),
    # plants
    Q("""Look at the plant. Write the names of parts B and C.
B {M:leaf;leaves}
C {M:stem;stalk;the stem}""",
      S.plant({"flower": "A", "leaf": "B", "stem": "C", "root": "D"}), "a plant with letters A flower, B leaf, C stem, D root"),
    Q("""Hazelnuts are buried by squirrels that forget some of them. How does this help the hazel tree?
*1:2 it spreads the seeds away from the parent tree | it kills the seeds | it feeds the tree | it pollinates the flowers"""),
    Q("""Noor grew cress on cotton wool with different amounts of water each day for a week.
| Water each day (ml) | Height after a week (mm)
| 0 | 0
| 5 | 18
| 10 | 31
| 20 | 33
| 40 | 12
Which amount gave the tallest cress? {N:20} ml
Suggest why 40 ml gave short cress.
*2:2 the cress was too dry | too much water: the seeds were waterlogged and lacked air | the cress was too warm | there was too much light""", ws=True),
    Q("""A bee visits an apple flower for nectar. Pollen sticks to its hairy body. Which part of the next flower must the pollen reach for pollination?
{M:stigma;the stigma;stigmas}"""),
    # the body
    Q("""Look at the teeth. Name tooth B. {M:canine;canine tooth;canines}
What is it used for? {M:tearing;tearing food;ripping;gripping;tear;tearing meat;ripping food}""",
      S.teeth(["A", "B", "C"]), "three teeth labelled A, B and C"),
    Q("""Which food group should we eat least of?
*4 fruit and vegetables | starchy foods | proteins | foods high in fat, salt and sugar"""),
    Q("""Name the organ that controls the body and lets us think. {M:brain;the brain}"""),
    Q("""Theo counted his breaths in one minute for five minutes after a run.
| Minute | Breaths
| 1 | 40
| 2 | 32
| 3 | 25
| 4 | 19
| 5 | 18
By how much did his breathing rate fall from minute 1 to minute 5? {N2:22} breaths a minute
Predict his breaths in minute 6.
*2 about 40 | about 17 or 18 | about 0 | about 60""", ws=True),
    # materials
    Q("""Look at the particles. Which box shows a liquid? {T:B}""",
      S.particles(["gas", "liquid", "solid"], ["A", "B", "C"]), "three boxes of particles: A spread out, B close and jumbled, C packed in rows"),
    Q("""Why is steam from a kettle dangerous?
*1 it is very hot and can burn | it is poisonous | it is a solid | it is magnetic"""),
    Q("""What is the name of the change when a solid turns into a liquid? {M:melting;melt;melts;melted}"""),
    Q("""Which of these would make a good thermal insulator for the handle of a hot cup: steel, wood or plastic? Name one.
{M2:wood;wooden;plastic;a wooden handle;a plastic handle}"""),
    # forces and energy
    Q("""Look at the circuit. Will the lamp light? {M:no;no it will not;no it won't;it will not light;it won't light}
Give the reason.
*3:2 it has a buzzer | the cell is too weak | the switch is open, so the circuit is not complete | lamps need two cells""",
      S.circuit(["cell", "lamp"], ["switch_open", "buzzer"]), "a circuit with a cell, a lamp, an open switch and a buzzer"),
    Q("""Look at the forces on the trolley. What is the resultant force? {N2:15} N""",
      S.forces("trolley", [("right", 12, "push 25 N"), ("left", 5, "friction 10 N")]), "a trolley with a push of 25 newtons to the right and friction of 10 newtons to the left"),
    Q("""Which material is opaque?
*2 clear plastic | a wooden board | clean water | glass"""),
    Q("""A recorder makes a higher note when holes are uncovered, making the vibrating column of air {M2:shorter;short;smaller}."""),
    # Earth and space
    Q("""Look at the Moon pictures. Which shows a half Moon lit on the right (first quarter)? {T:B}""",
      S.moon_phases(["waxing crescent", "first quarter", "waxing gibbous", "full"], ["A", "B", "C", "D"]), "four Moon pictures: A thin crescent, B right half lit, C mostly lit, D full"),
    Q("""The Earth turns once on its axis in about 24 hours. How many complete turns does it make in one week? {M:7;seven}"""),
    Q("""Which planet is fourth from the Sun?
*3 Earth | Jupiter | Mars | Venus"""),
    Q("""Adam measured his shadow at 10 am, midday and 2 pm. At which time was it shortest? {M:midday;noon;12 noon;at midday;12 o'clock;12 pm;12pm;at noon;12:00;12.00;12 midday}""", ws=True),
]

P2 = [
    Q("""Look at the food web. How many food chains end with the fox? {M2:2;two}
Name an animal that eats more than one kind of food. {M:fox;blackbird;foxes;blackbirds}""",
      S.food_web({"fox": (1, 0), "rabbit": (0, 1), "blackbird": (1, 1), "vole": (2, 1), "grass": (0, 2), "berries": (1, 2), "seeds": (2, 2)},
                 [("grass", "rabbit"), ("berries", "blackbird"), ("seeds", "blackbird"), ("seeds", "vole"), ("rabbit", "fox"), ("vole", "fox")]),
      "a food web: grass, berries and seeds; rabbit, blackbird and vole; fox at the top"),
    Q("""Which of these animals is a mammal that lives in the sea?
*1 dolphin | shark | octopus | jellyfish"""),
    Q("""Look at the life cycle. What is the stage called between the larva and the adult ladybird? {M:pupa;chrysalis;pupae}""",
      S.life_cycle(["egg", "larva", "?", "adult ladybird"]), "the life cycle of a ladybird with one stage shown as a question mark"),
    Q("""A fossil of a fish was found high in the mountains. What does this suggest?
*4:2 fish once flew | someone carried it up | the fish liked climbing | the rock was once under water"""),
    Q("""What gas do plants take from the air to make food? {M:carbon dioxide;CO2}"""),
    Q("""Look at the flower. Which letter labels the part that becomes the fruit? {T:D}
Which letter labels the part that makes pollen? {T:C}""",
      S.flower({"petal": "A", "stigma": "B", "anther": "C", "ovary": "D"}), "half a flower with letters A petal, B stigma, C anther, D ovary"),
    Q("""Water moves up through a plant from the roots to the leaves in tiny tubes in the {M:stem;stalk;stems}."""),
    Q("""Iqbal put pondweed at different distances from a lamp and counted bubbles in a minute.
Complete the conclusion: the closer the lamp, the {M2:faster;more quickly;quicker;more} the pondweed makes bubbles.
Which gas is in the bubbles? {M:oxygen;O2}""",
      S.line_graph([10, 20, 30, 40, 50], [42, 30, 19, 11, 6], "distance from lamp (cm)", "bubbles in a minute", 50, 10, 50, 10),
      "a line graph: 42 bubbles at 10 cm, 30 at 20, 19 at 30, 11 at 40, 6 at 50 cm", ws=True),
    Q("""Look at the chest. Which letter labels the heart? {T:C}
What is the job of the ribs (E)? {M2:protect;protect the lungs;protect the heart;protect the heart and lungs;protection;protect organs;to protect}""",
      S.chest({"windpipe": "A", "lung": "B", "heart": "C", "diaphragm": "D", "ribs": "E"}), "a chest with letters A to E"),
    Q("""Which of these is a joint?
*2 skull | elbow | femur | rib"""),
    Q("""Name one thing that can harm your lungs. {M2:smoking;smoke;cigarettes;pollution;air pollution;vaping;dust;fumes;cigarette smoke;asbestos}"""),
    Q("""Oscar's class recorded how many portions of fruit and vegetables they ate in a day.
Which number of portions was most common? {M:3;three;3 portions;three portions}
How many children ate 5 or more portions? {M:4;four}""",
      S.bar_chart(["1", "2", "3", "4", "5 or more"], [3, 6, 9, 5, 4], "number of children", 10, 2, "Portions of fruit and vegetables"),
      "a bar chart: 1 portion 3 children, 2 portions 6, 3 portions 9, 4 portions 5, 5 or more 4", ws=True),
    Q("""Look at the measuring cylinder. Read the volume of water in it. {N:75} ml""",
      S.cylinder(75), "a measuring cylinder filled to 75 millilitres"),
    Q("""Which change is irreversible?
*3 ice melting | chocolate melting | toast burning | water freezing"""),
    Q("""A puddle dries faster on a warm, windy day. Name the process that dries it. {M:""" + "evaporation;evaporate;evaporating;evaporates" + """}"""),
    Q("""A spoon is made of steel. Name two properties of steel that make it good for spoons.
{G2:strong|tough|durable|strong and hard;hard;shiny;does not rust|not rusting|stainless|doesn't rust;waterproof;rigid;easy to clean} {G2}
~ One or two words each."""),
    Q("""Look at the circuit. The switch is closed. What happens to the lamp and the buzzer?
*1:2 the lamp lights and the buzzer sounds | neither works | only the lamp works | only the buzzer works""",
      S.circuit(["cell", "lamp"], ["switch_closed", "buzzer"]), "a circuit with a cell, a lamp, a closed switch and a buzzer"),
    Q("""Look at the two bar magnets. The N pole of the first faces the S pole of the second. Will they attract or repel? {M:attract;attraction;they attract;pull together}""",
      S.magnets("SN", "SN"), "two bar magnets in a line: S N, then S N, so N faces S"),
    Q("""A swimmer goes faster with a smooth swimming cap. Which force is made smaller? {M2:water resistance;drag;friction;resistance}"""),
    Q("""Why does a ball rolling on grass slow down and stop?
*2 gravity pushes it up | friction acts against its motion | air pushes it forward | the grass is magnetic"""),
    Q("""Look at the solar system. Which planet is marked A? {M:Saturn;saturn}""",
      S.solar_system(["Mercury", "Venus", "Earth", "Mars", "Jupiter", "A", "Uranus", "Neptune"]), "the Sun and the planets with the sixth planet marked A"),
    Q("""In the UK, about how many hours of daylight are there at midsummer?
*4 6 | 10 | 12 | 16"""),
    Q("""The Moon orbits the Earth and the Earth orbits the {M:Sun;the Sun;sun}."""),
    Q("""Lola says the Sun moves around the Earth because she sees it cross the sky. What is the correct explanation?
*3:2 the Sun does move round the Earth | clouds carry the Sun | the Earth spins on its axis | the Moon pushes the Sun"""),
]

P3 = [
    Q("""Look at the food chain. If farmers killed all the foxes, what would happen to the number of rabbits at first? {M:increase;go up;rise;grow;get bigger;more rabbits}
What might then happen to the grass? {M2:decrease;be eaten;go down;less grass;get eaten;shrink;disappear;there would be less}""",
      S.food_chain(["grass", "rabbit", "fox"]), "a food chain: grass eaten by rabbit, rabbit eaten by fox"),
    Q("""Which of these is the best way to describe a habitat?
*2 an animal's favourite food | the natural home of a living thing | a kind of weather | a type of rock"""),
    Q("""Use the key to name a vertebrate that has fur. {M:mole;a mole;moles}""",
      S.key_tree(("Does it have a backbone?", ("Does it have fur?", "mole", "frog"), ("Does it have a shell?", "snail", "slug"))),
      "a branching key for mole, frog, snail and slug"),
    Q("""Chen found that the dark moths in a city were eaten less by birds than pale moths. What is this an example of?
*1:2 adaptation and natural selection | pollination | hibernation | germination"""),
    Q("""Name the part of a seed that grows down first when it germinates. {M2:root;roots;the root;radicle}"""),
    Q("""Look at the life cycle. Name stage B. {M:seedling;shoot;sprout;germinating seed;germination;sprouting seed;seedlings}""",
      S.life_cycle(["seed", "B", "young plant", "flowering plant"]), "a plant life cycle with stage B to be named"),
    Q("""Some flowers open in the morning and close at night. Which animals would they NOT be pollinated by?
*3 bees | butterflies | moths that fly at night | hoverflies"""),
    Q("""Keisha measured how much water three plants lost in a day.
| Plant | Water lost (ml)
| with 10 leaves | 30
| with 5 leaves | 15
| with no leaves | 1
What pattern does she see? The more leaves, the {M2:more water lost;more;more water;greater}.
Through which part is most water lost? {M:leaves;leaf;the leaves}""", ws=True),
    Q("""Look at the skeleton. Name bones A and D.
A {M:skull;cranium}
D {M:pelvis;hip bone;hips;hip}""",
      S.skeleton({"skull": "A", "ribs": "B", "spine": "C", "pelvis": "D"}), "a skeleton with letters A skull, B ribs, C spine, D pelvis"),
    Q("""What do muscles do to make a bone move?
*1:2 they contract and pull on it | they push it | they grow longer | they make the bone bend"""),
    Q("""Saliva, stomach acid and juices from the pancreas all help to {M2:digest;break down;digest food;break down food;digestion}."""),
    Q("""Anika measured her pulse at rest in beats per minute on five mornings: 68, 70, 69, 71, 97.
Which reading is the anomaly? {N:97}
What is the mean of the other four readings? Give your answer as a decimal. {N2:69.5}""", ws=True),
    Q("""Look at the filtering apparatus. What is the liquid collected in the beaker called? {M:filtrate;water;the filtrate;clear water}""",
      S.filtering({"funnel": "funnel", "paper": "filter paper", "filtrate": "?"}), "filtering apparatus with the liquid in the beaker marked with a question mark"),
    Q("""Which mixture can be separated with a magnet?
*2:2 salt and sand | iron filings and sand | sugar and water | flour and rice"""),
    Q("""Look at the thermometer. What is the temperature? {N:18} """ + C,
      S.thermometer(18, 0, 40, 10, 1), "a thermometer from 0 to 40 reading 18 degrees Celsius"),
    Q("""Clouds are made of tiny drops of water. They form when water vapour cools and {M:condenses;condense;condensation;condensing}."""),
    Q("""Look at the circuit symbols. Which letter shows a battery of two cells? {T2:B}""",
      S.circuit_symbols(["lamp", "battery", "cell", "motor"], ["A", "B", "C", "D"]), "four circuit symbols labelled A to D"),
    Q("""Look at the mirror. The torch shines a narrow beam at it. Which letter, A, B or C, shows the way the light goes after it is reflected? {T:A}""",
      S.mirror(30, letters="ABC"), "a ray from a torch hitting a mirror at 30 degrees to the dashed line, with three possible reflected rays A, B and C"),
    Q("""A bicycle's brakes rub against the wheel. Which force slows the bicycle? {M:friction;frictional force}"""),
    Q("""Look at the force meter holding a bag of potatoes. Read the force. {N:7.5} N""",
      S.forcemeter(7.5), "a force meter with its pointer halfway between 7 and 8 newtons"),
    Q("""Look at the stick shadows. In which picture is the Sun lowest in the sky? {T:A}""",
      S.stick_shadows([(15, "left", "A"), (55, "left", "B"), (35, "right", "C")]), "three stick pictures with the Sun at different heights"),
    Q("""Which object is a natural satellite of the Earth?
*1 the Moon | the Sun | Mars | the International Space Station"""),
    Q("""How long does the Earth take to orbit the Sun, to the nearest whole number of days? {N2:365} days"""),
    Q("""Why can we not see the new Moon?
*4:2 it is behind a cloud | it has gone away | it is too small | its sunlit side faces away from the Earth"""),
]

P4 = [
    Q("""Look at the food web. Name the top predator. {M:heron;herons}
If the water snails died out, which animal would lose all of its food? {M2:frog;frogs;the frog}""",
      S.food_web({"heron": (1, 0), "frog": (0, 1), "perch": (2, 1), "water snail": (0, 2), "mayfly larva": (2, 2), "pondweed": (1, 3)},
                 [("pondweed", "water snail"), ("pondweed", "mayfly larva"), ("water snail", "frog"), ("mayfly larva", "perch"), ("frog", "heron"), ("perch", "heron")]),
      "a pond food web: pondweed; water snail and mayfly larva; frog and perch; heron"),
    Q("""Which of these is an invertebrate with a shell, found in gardens?
*3 frog | slow-worm | snail | mouse"""),
    Q("""Which feature helps a duck swim?
*1 webbed feet | a hooked beak | sharp claws | long legs"""),
    Q("""Ivy tested whether mould grows on bread more quickly in damp or dry conditions.
| Day | Damp bread: patches | Dry bread: patches
| 3 | 2 | 0
| 5 | 7 | 0
| 7 | 16 | 1
Complete the conclusion: mould grows more quickly in {M2:damp;damp conditions;wet;moist;damp bread} conditions.
Why should both slices be kept at the same temperature?
*2:2 so the mould is cold | so that dampness is the only thing that changes | to stop the bread going dry | because warmth kills mould""", ws=True),
    Q("""Look at the flower. Name parts B and F.
B {M:stigma;stigmas}
F {M:style;styles}""",
      S.flower({"petal": "A", "stigma": "B", "style": "F", "ovary": "D", "anther": "C"}), "half a flower with letters A, B, C, D and F"),
    Q("""Fruit such as strawberries are eaten by birds. The seeds come out in the birds' droppings. How does this help the plant?
*2:2 it feeds the birds only | its seeds are spread to new places | it keeps the seeds cold | it pollinates the plant"""),
    Q("""Name the green substance in leaves that traps light. {M2:chlorophyll;chlorophyl}"""),
    Q("""Ellis planted bean seeds and kept one group at 5 """ + C + """ and one at 25 """ + C + """.
What is the variable he changed? {M:temperature;the temperature;warmth;heat}
Which group would you predict to germinate first? {M2:25 °C;25°C;25;the warm one;25 degrees;warm;the 25 °C group;warmer;the warmer one;25 C;25C;the warm group;the warmer group;25 degrees C;the one at 25 °C;at 25 °C;at 25 degrees;the one at 25 degrees}""", ws=True),
    Q("""Look at the digestive system. Name part D. {M:small intestine;small intestines}
What happens to food in part D? *3:2 it is chewed | it is stored as fat | digested food is absorbed into the blood | it becomes saliva""".replace("What happens to food in part D? *3:2", "What happens to food in part D?\n*3:2"),
      S.digestive({"mouth": "A", "gullet": "B", "stomach": "C", "small intestine": "D", "large intestine": "E"}), "the digestive system with letters A to E"),
    Q("""What does the heart pump blood through? {M:blood vessels;vessels;arteries;veins;arteries and veins;veins and arteries}"""),
    Q("""Why should you wear a helmet when cycling?
*4 to keep your hair tidy | to go faster | to keep warm | to protect your skull and brain if you fall"""),
    Q("""Write the name of the system made of the heart, blood and blood vessels. {M2:circulatory system;circulatory;circulation;circulation system}"""),
    Q("""Look at the particles. Box A shows water at 20 """ + C + """. What will happen to the particles if the water is heated to 100 """ + C + """?
*1:2 they move faster and spread out as a gas | they stop moving | they line up in rows | they become smaller""",
      S.particles(["liquid", "gas"], ["A", "B"]), "two boxes of particles: A close and jumbled, B spread out"),
    Q("""Ice cream melts at about 0 """ + C + """. Would it stay frozen in a freezer at -18 """ + C + """? {M:yes;yes it would;it would}"""),
    Q("""Which property makes copper good for electrical wires?
*2 it is brown | it conducts electricity | it is magnetic | it is soft"""),
    Q("""Sasha dropped the same sugar cube into water at different temperatures and timed how long it took to dissolve. Use the graph.
How long did it take at 40 """ + C + """? {N:80} s
Predict the time at 70 """ + C + """.
*3:2 about 150 s | about 80 s | about 35 s | 0 s""",
      S.line_graph([20, 40, 60, 80], [150, 80, 45, 30], "water temperature (" + S.DEG + "C)", "time to dissolve (s)", 100, 20, 160, 20),
      "a line graph: 150 seconds at 20 degrees, 80 at 40, 45 at 60, 30 at 80 degrees", ws=True),
    Q("""Look at the circuit. It has two cells and two lamps.
@
If one lamp is removed and the gap joined with wire, the other lamp will be
*1:2 brighter | dimmer | off | the same""",
      S.circuit(["cell", "cell", "lamp"], ["lamp", "switch_closed"]), "a circuit with two cells, two lamps and a closed switch"),
    Q("""The pitch of a sound from a drum gets higher when the skin is made {M2:tighter;tight;tauter;stretched;tighter and smaller}."""),
    Q("""Look at the forces on the balloon. Upthrust is 2 N and weight is 5 N. Will it rise or fall? {M:fall;sink;go down;falls;down}""",
      S.forces("balloon", [("up", 0, "upthrust 2 N"), ("down", 0, "weight 5 N")], ground=False), "a balloon with upthrust 2 newtons up and weight 5 newtons down"),
    Q("""Which is a renewable source of energy?
*3 coal | natural gas | sunlight | oil"""),
    Q("""Look at the solar system. Which planet is marked A? {M:Venus;venus}
Which planet is marked B? {M:Uranus;uranus}""",
      S.solar_system(["Mercury", "A", "Earth", "Mars", "Jupiter", "Saturn", "B", "Neptune"]), "the Sun and the planets with the second marked A and the seventh marked B"),
    Q("""Look at the Moon phases. Which letter shows a waning crescent? {T:D}""",
      S.moon_phases(["full", "last quarter", "waxing crescent", "waning crescent"], ["A", "B", "C", "D"]), "four Moon pictures labelled A to D"),
    Q("""When it is winter in the northern half of the Earth, that half is tilted {M2:away from the Sun;away;away from the sun}."""),
    Q("""Look at the picture of the Earth. Which point is having night? {T:B}""",
      S.day_night(["A", "B"]), "sunlight on the Earth with point A lit and point B dark"),
]

P5 = [
    Q("""Look at the food chain. Name the prey of the barn owl. {M:shrew;shrews}
Why does the food chain start with a plant?
*1:2 plants make food using light energy from the Sun | plants are the largest | plants eat the shrews | plants do not need energy""",
      S.food_chain(["nettle leaves", "snail", "shrew", "barn owl"]), "a food chain: nettle leaves, snail, shrew, barn owl"),
    Q("""Which of these is NOT a mammal?
*4 whale | bat | human | penguin"""),
    Q("""Use the key to name the animal that has feathers but cannot fly. {M2:ostrich;an ostrich}""",
      S.key_tree(("Does it have feathers?", ("Can it fly?", "swallow", "ostrich"), ("Does it have scales?", "lizard", "otter"))),
      "a branching key for swallow, ostrich, lizard and otter"),
    Q("""Puppies get some features from each parent. Why do puppies in one litter look different from one another?
*2:2 they eat different food | each puppy inherits a different mix of its parents' features | they are born on different days | their owners choose their colour"""),
    Q("""Look at the plant. Part D holds the plant in the soil and takes in {M:water;minerals;nutrients;water and minerals;water and nutrients} from it.""",
      S.plant({"leaf": "B", "stem": "C", "root": "D", "flower": "A"}), "a plant with letters A flower, B leaf, C stem, D root"),
    Q("""Which of these does a plant NOT need to make food?
*3 light | water | soil | carbon dioxide"""),
    Q("""The seeds of a maple have wings. How are they dispersed? {M:wind;by wind;by the wind;the wind;air;blown}"""),
    Q("""Look at the results of Tom's test on growing tomato plants with plant food.
Which amount of plant food gave the most tomatoes? {N:10} ml
What happened with 20 ml? *2:2 it gave the most | fewer tomatoes grew than with 10 ml | no tomatoes grew | the same as 5 ml""".replace("What happened with 20 ml? *2:2", "What happened with 20 ml?\n*2:2"),
      S.bar_chart(["0 ml", "5 ml", "10 ml", "20 ml"], [8, 14, 21, 12], "tomatoes picked", 25, 5, "Plant food each week"),
      "a bar chart of tomatoes picked: 0 ml 8, 5 ml 14, 10 ml 21, 20 ml 12", ws=True),
    Q("""Look at the circulation diagram. The heart pumps blood that is low in oxygen to which organs, to pick up oxygen? {M:lungs;the lungs;lung}""",
      S.circulation({}), "heart, lungs and body with arrows for blood flow"),
    Q("""Which drug is found in coffee, tea and cola? {M2:caffeine;caffein}"""),
    Q("""How many bones are in the adult human skeleton?
*2 about 50 | about 206 | about 1000 | about 12"""),
    Q("""Write the name of the long bone in the upper leg. {M:femur;thigh bone;thighbone}"""),
    Q("""Look at the water cycle. Name process D, where rainwater flows back to the sea. {M2:collection;run-off;runoff;flowing;collecting;surface run-off;rivers}""",
      S.water_cycle(["A", "B", "C", "D"]), "the water cycle with letters A to D"),
    Q("""Which of these is a property of a solid?
*1 it keeps its shape | it flows | it fills any container | it can be squashed easily"""),
    Q("""Laura warmed some chocolate and it melted. When it cooled, it became solid again. What kind of change is this? {M2:reversible;reversable;a reversible change}"""),
    Q("""Tyler tested which fabric would make the best tent. He poured 100 ml of water on each and measured how much went through.
| Fabric | Water through (ml)
| cotton | 60
| nylon | 5
| wool | 45
| plastic sheet | 0
Which fabric was most waterproof? {M:plastic sheet;plastic;the plastic sheet}
Why might nylon be a better choice for a tent than the plastic sheet?
*3:2 it lets more water through | it is heavier | it is nearly waterproof and lighter, and lets the tent breathe | it is cheaper""", ws=True),
    Q("""Look at the circuit. Which component changes electrical energy into movement? {M:motor;the motor}""",
      S.circuit(["battery", "motor"], ["switch_closed", "lamp"], ["battery", "motor", "switch", "lamp"]), "a circuit with a battery, a motor, a switch and a lamp, all named"),
    Q("""Look at the forces on the cyclist. The driving force is 80 N. Air resistance is 80 N. What is happening to her speed?
*3:2 speeding up | slowing down | staying the same | stopping""",
      S.forces("cyclist", [("right", 10, "driving force 80 N"), ("left", 10, "air resistance 80 N")]), "a cyclist with 80 newtons forward and 80 newtons backward"),
    Q("""Shadows change length in the day. Look at the picture. Which shadow is longest? {T:A}""",
      S.stick_shadows([(18, "left", "A"), (60, "left", "B"), (40, "right", "C")]), "three stick pictures: A Sun very low, B Sun high, C Sun part way up"),
    Q("""Which object reflects light but does not make its own?
*2 a candle | a mirror | the Sun | a torch"""),
    Q("""Look at the Moon phases. Which letter shows a full Moon? {T:C}
About how many days after a full Moon is the next new Moon? *1:2 about 15 | about 2 | about 60 | about 365""".replace("About how many days after a full Moon is the next new Moon? *1:2", "About how many days after a full Moon is the next new Moon?\n*1:2"),
      S.moon_phases(["new", "first quarter", "full", "last quarter"], ["A", "B", "C", "D"]), "four Moon pictures: new, first quarter, full and last quarter labelled A to D"),
    Q("""Which planet is between Venus and Mars? {M:Earth;the Earth}"""),
    Q("""Which is the best explanation of a year?
*4:2 the time the Moon takes to orbit the Earth | the time the Earth takes to spin once | the time the Sun takes to orbit the Earth | the time the Earth takes to orbit the Sun"""),
    Q("""Erin recorded the time of sunset on the first of each month. In January the Sun set at 4:10 pm and in June at 9:20 pm.
How many minutes later was sunset in June than in January? {N2:310}""", ws=True),
]

# Longer questions, several parts each, at the end of every paper.
P1 += [
    Q("""Dina investigated how the temperature of water affects how long a jelly cube takes to dissolve.
What should she change? {M:temperature;the temperature;water temperature;the water temperature;temperature of the water}
What should she measure? {M2:time;the time;time to dissolve;how long it takes;the time taken;time taken to dissolve}
Name one thing she should keep the same. {M2:size of jelly;amount of water;jelly;volume of water;stirring;size of the cube;the jelly;the amount of water;cup;type of jelly;size}
~ One to four words each.""", ws=True),
    Q("""Look at the life cycle of a frog.
Name the stage at A. {M:tadpole;tadpoles}
Where do frogs lay their eggs? {M:water;in water;pond;in a pond;ponds;the pond}
Frogs and butterflies both go through big changes of body shape. Name this process. {M2:metamorphosis;metamorphisis}""",
      S.life_cycle(["frogspawn", "A", "froglet", "adult frog"]), "the life cycle of a frog with stage A to be named"),
    Q("""Look at the circuit.
How many cells are in the battery? {M:2;two}
Which two components will work when the switch is closed? {G2:lamp|bulb|light bulb;motor} {G2}
The motor is replaced with a wire. The lamp will be *1:2 brighter | dimmer | off | the same""".replace("The lamp will be *1:2", "The lamp will be\n*1:2"),
      S.circuit(["battery", "lamp"], ["switch_closed", "motor"]), "a circuit with a battery of two cells, a lamp, a closed switch and a motor"),
    Q("""Look at the picture of the Earth and the Sun's light.
Is it day or night at A? {M:day;daytime;day time;day-time}
In about 12 hours, will it be day or night at A? {M2:night;night time;night-time;nighttime}
Explain why.
*3:2 the Sun moves away | the Moon covers the Sun | the Earth spins, so A turns away from the Sun | the Earth moves further from the Sun""",
      S.day_night(["A", "B"]), "sunlight on the Earth with point A on the lit side"),
    Q("""Look at the chart of the time different balls took to stop bouncing.
Which ball bounced for longest? {M:tennis ball;tennis;the tennis ball}
How many seconds longer did the rubber ball bounce than the golf ball? {M2:3;three}
Why should all the balls be dropped from the same height?
*2:2 so they bounce higher | to make it a fair test | so they land on grass | so they are easy to catch""",
      S.bar_chart(["golf", "tennis", "ping-pong", "rubber"], [4, 9, 6, 7], "time bouncing (s)", 10, 2, "Bouncing balls"),
      "a bar chart of time bouncing: golf ball 4 seconds, tennis 9, ping-pong 6, rubber 7", ws=True),
    Q("""Look at the heart and lungs diagram.
Which organ pumps the blood? {M:heart;the heart}
Which gas does blood collect in the lungs? {M:oxygen;O2}
Which gas does blood carry from the body to the lungs to be breathed out? {M2:carbon dioxide;CO2}""",
      S.circulation({}), "heart, lungs and body with arrows showing blood flow"),
]

P2 += [
    Q("""Look at the flower.
Name part A. {M:petal;petals}
Name part E. {M:sepal;sepals}
What is the job of part A? *2:2 to make pollen | to attract insects | to make seeds | to hold the flower up""".replace("What is the job of part A? *2:2", "What is the job of part A?\n*2:2"),
      S.flower({"petal": "A", "sepal": "E", "anther": "C"}), "half a flower with letters A petal, C anther and E sepal"),
    Q("""Sunil tested how the height of a ramp changes how far a toy car travels.
| Ramp height (cm) | Distance 1 (cm) | Distance 2 (cm) | Distance 3 (cm)
| 10 | 52 | 48 | 50
| 20 | 98 | 102 | 100
| 30 | 151 | 149 | 210
Which result is the anomaly? {N2:210} cm
What is the mean distance at 20 cm? {N2:100} cm
Write a conclusion: the higher the ramp, the {M2:further;further the car travels;further it goes;farther;longer the distance;further it travels} the car travels.""", ws=True),
    Q("""Look at the thermometer. Water was at 24 """ + C + """ and was cooled in the fridge to this temperature.
Read the new temperature. {N:6} """ + C + """
By how many degrees did the water cool? {N2:18} """ + C,
      S.thermometer(6, 0, 30, 5, 1), "a thermometer from 0 to 30 reading 6 degrees Celsius"),
    Q("""Look at the teeth.
Name tooth C. {M:molar;molars;premolar;molar tooth}
What is tooth C used for? {M:grinding;chewing;grinding food;chewing food;crushing;grind;chew}
Name the hard outer layer of a tooth. {M2:enamel;tooth enamel}""",
      S.teeth(["A", "B", "C"]), "three teeth labelled A, B and C"),
    Q("""Look at the shadow of the post on the screen.
What happens to the shadow if the post is moved closer to the lamp? {M:bigger;gets bigger;larger;grows;it gets bigger;gets larger}
What happens if the lamp is switched off? {M2:no shadow;it disappears;disappears;the shadow disappears;it goes;there is no shadow;goes away}""",
      S.shadow("post", 2), "a lamp shining on a post with its shadow on a screen"),
    Q("""Night and day in different seasons.
In the UK, which season has the longest days? {M:summer;summertime}
Which season has the shortest days? {M:winter;wintertime}
In which direction should you look to see the Sun at midday in the UK? {M2:south;S;the south;southwards}""", ws=False),
]

P3 += [
    Q("""Use the key to identify these leaves.
A: a needle {M:pine;pine tree;Scots pine;the pine;the pine tree;the Scots pine}
B: a broad leaf with a smooth edge {M:beech;beech tree;the beech;the beech tree}
C: a broad leaf with a toothed edge {M:hornbeam;hornbeam tree;the hornbeam;the hornbeam tree}""",
      S.key_tree(("Is it a needle?", "pine", ("Is the edge smooth?", "beech", "hornbeam"))),
      "a branching key for pine, beech and hornbeam leaves"),
    Q("""Look at the graph of the temperature of a hot drink in a flask and in a cup.
| Time (minutes) | Flask (°C) | Cup (°C)
| 0 | 80 | 80
| 10 | 78 | 61
| 20 | 76 | 47
| 30 | 74 | 38
How much did the drink in the cup cool in 30 minutes? {N2:42} °C
Which keeps drinks hot better? {M:flask;the flask}
Explain why. The flask is a good thermal {M2:insulator;insulation;insulates}.""".replace("Look at the graph of", "Look at the table of").replace("°C", C), ws=True),
    Q("""A plant was put in a box with a hole at one side.
Which way will its stem grow? {M:towards the hole;towards the light;to the light;to the hole;toward the light;toward the hole}
Why does this help it? *2:2 it needs water | it needs light to make food | it wants to escape | it needs warmth""".replace("Why does this help it? *2:2", "Why does this help it?\n*2:2"), ws=True),
    Q("""Look at the forces on the box.
What is the size of the resultant force? {N2:10} N
In which direction will the box move? {M:left;to the left;leftwards;towards the left}""",
      S.forces("box", [("right", 6, "20 N"), ("left", 12, "30 N")]), "a box with 20 newtons to the right and 30 newtons to the left"),
    Q("""Look at the particle boxes.
Which box shows the state of matter with a fixed shape? {T:C}
Which box shows water vapour? {T:A}
Which change of state turns C into B? {M2:melting;melt;melts}""",
      S.particles(["gas", "liquid", "solid"], ["A", "B", "C"]), "three particle boxes: A gas, B liquid, C solid, labelled A to C"),
    Q("""Complete the sentences about the Sun, Earth and Moon.
The Earth orbits the Sun once every {M:year;a year;one year;12 months;twelve months;365 days;365 and a quarter days;365.25 days}.
The Moon orbits the Earth about once every {M2:month;a month;one month;28 days;27 days;29 days;4 weeks;four weeks;lunar month;29.5 days}.
The Earth spins on its axis once every {M:day;a day;one day;24 hours;24 hrs}."""),
]

P4 += [
    Q("""Ben measured the height of two sunflowers each week. One was given plant food.
| Week | With plant food (cm) | Without plant food (cm)
| 2 | 20 | 18
| 4 | 52 | 40
| 6 | 95 | 70
| 8 | 140 | 100
How much taller was the fed plant at week 8? {N2:40} cm
Why is it hard to be sure the plant food caused the difference?
*3:2 the plants were measured weekly | both plants grew | he only used one plant of each, so it may be chance | sunflowers are tall""", ws=True),
    Q("""Look at the skeleton.
Which letter labels the kneecap? {T:F}
Which letter labels the ribs? {T:B}
Give one job of the spine (C). {M2:support;support the body;protect the spinal cord;protection;hold us up;protect nerves;protects the spinal cord;movement;bending}""",
      S.skeleton({"skull": "A", "ribs": "B", "spine": "C", "pelvis": "D", "kneecap": "F"}), "a skeleton with letters A, B, C, D and F"),
    Q("""Mixing and separating.
Sand, salt and water are mixed. The sand is removed by {M:filtering;filtration;filter;sieving}.
The salt is then got back by {M2:evaporation;evaporating;evaporate;heating;boiling}.
Is dissolving salt a reversible change? {M:yes;yes it is;reversible}"""),
    Q("""Look at the circuit symbols.
Which letter shows a lamp? {T:A}
Which shows a motor? {T:D}
Draw in your mind a circuit of a cell and a motor. What would the motor do? {M2:turn;spin;rotate;go round;move;work}""".replace("Draw in your mind a circuit of a cell and a motor.", "A cell is joined to a motor in a complete circuit."),
      S.circuit_symbols(["lamp", "cell", "switch_open", "motor"], ["A", "B", "C", "D"]), "four circuit symbols labelled A to D"),
    Q("""Sound and distance.
Lightning and thunder happen together. Why do we see the lightning first?
*1:2 light travels much faster than sound | sound travels faster than light | thunder is quieter | lightning is bigger
Thunder is heard 6 seconds after the flash. Sound travels about 1 km in 3 seconds. How far away is the storm? {N2:2} km"""),
    Q("""Look at the stick shadows.
In which picture is it midday? {T:B}
In which picture is the Sun in the west, setting? {T:C}
Why is the shadow on the opposite side of the stick from the Sun? *2:2 shadows follow the Moon | the stick blocks the light that travels in straight lines | the Sun pushes the shadow | the wind blows it""".replace("Why is the shadow on the opposite side of the stick from the Sun? *2:2", "Why is the shadow on the opposite side of the stick from the Sun?\n*2:2"),
      S.stick_shadows([(22, "left", "A"), (70, "left", "B"), (22, "right", "C")]), "three stick pictures: Sun low on the left (east), high, and low on the right (west)"),
]

P5 += [
    Q("""Look at the food web.
Name two animals that eat grass. {G:rabbit|rabbits;grasshopper|grasshoppers} {G}
What would happen to the number of foxes if rabbits died out? {M2:decrease;go down;fall;fewer;drop;decline}
Name an animal that is prey for two different animals. {M2:grasshopper;grasshoppers}""",
      S.food_web({"fox": (0, 0), "kestrel": (2, 0), "rabbit": (0, 1), "frog": (1, 1), "grasshopper": (2, 1), "grass": (1, 2)},
                 [("grass", "rabbit"), ("grass", "grasshopper"), ("grasshopper", "frog"), ("grasshopper", "kestrel"), ("rabbit", "fox"), ("frog", "fox")]),
      "a food web: grass eaten by rabbit and grasshopper; grasshopper eaten by frog and kestrel; rabbit and frog eaten by fox"),
    Q("""Zak wants to find which brand of paper towel soaks up the most water.
What will he change? {M:brand;the brand;type of paper towel;paper towel;the paper towel;brand of paper towel;type of towel}
What will he measure? *4:2 the size of each towel | the time of day | the colour of the towel | the volume of water each towel soaks up
Why should each towel be the same size? *1:2 so the test is fair | so they tear | so they are heavy | so the water is cold""".replace("What will he measure? *4:2", "What will he measure?\n*4:2").replace("Why should each towel be the same size? *1:2", "Why should each towel be the same size?\n*1:2"), ws=True),
    Q("""Look at the apparatus. A pupil is separating chalk from water.
Name part A. {M:funnel;filter funnel}
Name the solid left in the filter paper. {M2:residue;chalk;the chalk}
Will the liquid in the beaker be clear or cloudy? {M:clear;it will be clear}""",
      S.filtering({"funnel": "A", "paper": "filter paper", "beaker": "beaker"}), "filtering apparatus with the funnel marked A"),
    Q("""Look at the two sound traces.
Which is louder, A or B? {T:B}
Which has the higher pitch, A or B? {T:A}""",
      S.sound_pair((25, 7, "A"), (55, 3, "B")), "two sound traces: A short and close-packed waves, B tall and spread-out waves"),
    Q("""Look at the solar system.
Name the planet marked A. {M:Jupiter;jupiter}
Name the planet marked B. {M:Mercury;mercury}
Which of the two planets is a gas giant? {M2:Jupiter;A}""",
      S.solar_system(["B", "Venus", "Earth", "Mars", "A", "Saturn", "Uranus", "Neptune"]), "the Sun and the planets with the fifth marked A and the first marked B"),
    Q("""Asif's heart rate was measured after climbing different numbers of stairs.
| Stairs climbed | Heart rate (beats per minute)
| 0 | 72
| 20 | 90
| 40 | 108
| 60 | 126
By how much did his heart rate rise for each 20 stairs? {N2:18}
Predict his heart rate after 80 stairs. {N2:144}
Why does the heart beat faster? *2:2 to cool the blood | to carry more oxygen to the muscles | to rest the lungs | to stop sweating""".replace("Why does the heart beat faster? *2:2", "Why does the heart beat faster?\n*2:2"), ws=True),
]

PAPERS = [P1, P2, P3, P4, P5]
