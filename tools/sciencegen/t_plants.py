"""Plants: parts and their jobs, what plants need, water transport, flowers, pollination,
seeds and dispersal, germination, the plant life cycle and photosynthesis."""

from core import Q
import svg as S

NEEDS = "light;sunlight;water;air;carbon dioxide;warmth;nutrients;minerals;soil;space;sun;chlorophyll;oxygen;the right temperature;sunshine;heat;mineral salts;room to grow"

P1 = [
    Q("""Look at the plant. Which part is labelled D? {M:root;roots;the roots;the root}""",
      S.plant({"flower": "A", "leaf": "B", "stem": "C", "root": "D"}), "a flowering plant with parts labelled A flower, B leaf, C stem, D root"),
    Q("""Which part of a plant takes in water from the soil?
*3 flower | leaf | root | petal"""),
    Q("""Name one thing a plant needs to grow well. {M:""" + NEEDS + """}
~ Answer in one or two words."""),
    Q("""Which part of a plant holds it up and carries water to the leaves?
*2 root | stem | seed | petal"""),
    Q("""Look at the plant. What is part B? {M:leaf;leaves;a leaf}""",
      S.plant({"flower": "A", "leaf": "B", "root": "C"}), "a flowering plant with A on the flower, B on a leaf and C on the roots"),
    Q("""The coloured parts of a flower that attract insects are called {M:petals;petal}."""),
    Q("""Which of these is a seed?
*1 a conker | a daffodil bulb | a potato | a leaf"""),
    Q("""Plants make their own food in their {M:leaves;leaf;green leaves}."""),
    Q("""Ezra put one cress pot on a sunny window sill and one in a dark cupboard. Both were watered.
Which pot's cress grew tall, thin and yellow? {M:dark cupboard;the dark cupboard;cupboard;the dark one;dark;the cupboard one;in the cupboard;the one in the cupboard;the one in the dark cupboard;in the dark cupboard;in the dark;the dark}""",
      S.seed_test([("sunny window", 60), ("dark cupboard", 85, "pale")]), "two pots of cress: on the sunny window short, sturdy and green; in the dark cupboard tall, thin and pale yellow", ws=True),
    Q("""A tree loses its leaves in autumn. What do we call a tree like this?
*2 evergreen | deciduous | a conifer | a cactus"""),
    Q("""Which of these plants grows from a bulb?
*4 oak | sunflower | grass | tulip"""),
    Q("""Holly and pine trees keep their leaves all year. They are called {M:evergreen;evergreens;evergreen trees}."""),
    Q("""Seeds need water and warmth to start growing. The start of growth from a seed is called
{M:germination;germinating;germinate;sprouting}."""),
    Q("""Mei measured her bean plant every week.
| Week | Height (cm)
| 1 | 2
| 2 | 5
| 3 | 9
| 4 | 14
How tall was the plant in week 3? {N:9} cm
How much did it grow from week 1 to week 4? {N:12} cm""", ws=True),
]

P2 = [
    Q("""Look at the flower. Which letter labels a petal? {T:A}
What is part H, which holds the flower up? {M:stalk;stem;the stalk;the stem;flower stalk}""",
      S.flower({"petal": "A", "stigma": "B", "anther": "C", "stalk": "H"}), "half a flower with letters A petal, B stigma, C anther and H stalk"),
    Q("""Roots hold a plant firmly in the soil. They also take in two things from the soil. Name them.
{G:water|moisture;minerals|nutrients|mineral salts|salts} {G}"""),
    Q("""Green plants are producers. In a food chain, which of these is the producer?
*1 grass | cow | human | slug"""),
    Q("""Pollen is carried from flower to flower by animals or by the wind.
Name an animal that carries pollen. {M:bee;bees;insect;insects;butterfly;butterflies;bird;birds;moth;moths;hoverfly;hoverflies;bat;bats;beetle;beetles;wasp;wasps;hummingbird;hummingbirds;bumblebee;honeybee}"""),
    Q("""Sycamore seeds have wings. How are they spread?
*2 by water | by the wind | by birds eating them | by exploding pods"""),
    Q("""Burdock seeds have tiny hooks. How are they spread?
{M:animals;by animals;animal;on animals' fur;fur;on fur;stuck to fur;by sticking to animals;by animal fur;sticking to animals;on animals}"""),
    Q("""Look at the life cycle of a flowering plant. Which stage is missing at "?"
{M:seedling;a seedling;young plant;shoot;sprout;seedlings;germinating seed;germination}""",
      S.life_cycle(["seed", "?", "adult plant", "flower", "pollination", "seed made"]), "the life cycle of a flowering plant with one stage shown as a question mark"),
    Q("""Why do many flowers have bright petals and a sweet smell?
*3 to frighten animals away | to keep the flower warm | to attract insects for pollination | to take in water"""),
    Q("""Callum put a white carnation in coloured water. After a day the petals were blue.
What does this show?
*1 the stem carries water up to the flower | petals make water | flowers like blue | roots make colour""", ws=True),
    Q("""Tomatoes, apples and peas in a pod all hold seeds. What part of the plant holds the seeds?
{M:fruit;fruits;the fruit;pod;pods;seed pod}"""),
    Q("""Amira grew three pots of beans for two weeks. Look at the results.
Which pot grew into the healthiest plant, strong and green? {M:light and water;the one with light and water;light, water;pot 1;the first pot;first;the pot with light and water;with light and water;light and water pot;light,water}
What does the pot with no water show?
*2 plants need darkness | plants need water to grow | water stops growth | plants grow best without light""",
      S.seed_test([("light, water", 70), ("dark, water", 95, "pale"), ("light, no water", 0)], "After two weeks"),
      "three pots: light and water grew a strong green plant, dark and water grew tall, thin and pale yellow, light and no water did not grow", ws=True),
    Q("""Which part of a plant is mainly used to make new plants in strawberries and spider plants?
*4 petals | pollen | thorns | runners (side shoots)"""),
    Q("""Name two things a seed needs to germinate.
{G:water|moisture;warmth|heat|warm|the right temperature;air|oxygen} {G}"""),
    Q("""A potato is a swollen underground stem that stores {M:food;starch;energy}."""),
    Q("""The leaves of a plant turn to face the window. What are they growing towards?
{M:light;the light;sunlight;the sun;sun;the window light}"""),
    Q("""Sam says the biggest seeds always grow into the biggest plants. Which test could check his idea?
*1:2 plant seeds of different sizes in the same conditions and measure the plants | plant one big seed only | ask a friend | paint the seeds""", ws=True),
]

P3 = [
    Q("""Look at the flower.
Which letter labels the anther, where pollen is made? {T:C}
Which letter labels the stigma, where pollen lands? {T:B}
What is part D? {M:ovary;the ovary;ovaries}""",
      S.flower({"petal": "A", "stigma": "B", "anther": "C", "ovary": "D", "sepal": "E"}), "half a flower with letters A petal, B stigma, C anther, D ovary, E sepal"),
    Q("""The male parts of a flower are the anther and filament together. They are called the
{M:stamen;stamens}."""),
    Q("""The stigma, style and ovary together make the female part of the flower, called the
{M:carpel;carpels;pistil}."""),
    Q("""Put these stages in order: fertilisation, pollination, seed dispersal.
1st {T:pollination} 2nd {T:fertilisation} 3rd {M:seed dispersal;dispersal}
~ The spelling "fertilization" is also accepted for the second.""".replace("{T:fertilisation}", "{M:fertilisation;fertilization}")),
    Q("""Coconuts float. How are their seeds spread?
{M:water;by water;the sea;by the sea;floating;ocean;by floating;sea}"""),
    Q("""Pea pods dry out and burst open, throwing the seeds. This way of spreading seeds is called
{M:explosion;exploding;explosive;explosive dispersal;bursting;self dispersal}."""),
    Q("""Blackberry seeds are inside juicy fruits. How are they spread?
{M:animals;by animals;birds;by birds;animals eat them;eaten by animals;eaten by birds;animal;bird;eating}"""),
    Q("""Why is it better for seeds to be spread away from the parent plant?
*2 so they grow in the dark | so the young plants do not compete with the parent for light, water and space | so the parent plant can eat them | so they stay cold"""),
    Q("""Rhys wanted to find out which kind of soil is best for growing beans.
What should he change? {M:the type of soil;soil;type of soil;the soil;kind of soil}
Name two things he should keep the same.
{G2:amount of water|water;amount of light|light;type of bean|beans;size of pot|pot;temperature|warmth;amount of soil|soil;time;place|position} {G2}""", ws=True),
    Q("""Look at Rhys's results.
Which soil grew the tallest beans? {M:compost;the compost;compost soil}
Which soil grew the shortest? {M:sand;sandy soil;the sand}""",
      S.bar_chart(["sand", "clay", "compost", "garden soil"], [6, 11, 19, 14], "height after 3 weeks (cm)", 20, 5, "Bean height"),
      "a bar chart of bean height: sand 6, clay 11, compost 19, garden soil 14 centimetres", ws=True),
    Q("""Which gas do plants take in from the air to make food? {M:carbon dioxide;CO2;carbon-dioxide}"""),
    Q("""Which gas do plants give out in sunlight? {M:oxygen;O2}"""),
    Q("""Name two things a plant needs to make its food in the leaves.
{G2:light|sunlight|sun|sunshine|energy from the sun;water;carbon dioxide|CO2|air;chlorophyll} {G2}"""),
    Q("""Tiny holes on the underside of leaves let gases in and out and let water escape. Water escaping from the leaves is called
*1 transpiration | germination | pollination | fertilisation"""),
    Q("""Look at the plant. Which letter labels the part that holds the plant in the soil? {T:D}
Which letter labels the part that makes food? {T:B}""",
      S.plant({"flower": "A", "leaf": "B", "stem": "C", "root": "D", "soil": "E"}), "a plant with letters A flower, B leaf, C stem, D root, E soil"),
    Q("""A cactus lives in a hot desert. Which adaptation helps it keep water?
*4 large flat leaves | shallow roots only | bright petals | a thick waxy stem that stores water"""),
    Q("""Water lilies have big flat leaves that float. The leaves float so that they get plenty of {M2:light;sunlight;sun;sunshine;sun light}."""),
    Q("""Poppy wanted to test how temperature affects germination. Which plan is fair?
*3:2 cress seeds in a fridge with water, bean seeds in a warm room with no water | 10 seeds in a warm room, 100 seeds in a fridge | 10 cress seeds in a fridge and 10 in a warm room, same water and soil | seeds anywhere, checked once""", ws=True),
]

P4 = [
    Q("""Look at the flower. Name the parts labelled F and G.
F: {M:style;the style}
G: {M:filament;the filament}
What do the parts G and C make together? {M:stamen;the stamen;stamens}""",
      S.flower({"anther": "C", "style": "F", "filament": "G", "ovary": "D"}), "half a flower with letters C anther, D ovary, F style, G filament"),
    Q("""Describe what happens in pollination.
*2:2 seeds fall to the ground | pollen moves from an anther to a stigma | the ovary becomes a fruit | a seed starts to grow"""),
    Q("""After pollination, a tube grows down from the stigma to the ovary, and the pollen joins with an egg cell. This is called
{M2:fertilisation;fertilization;fertilising;fertilizing;fertilise}."""),
    Q("""After fertilisation, which part of the flower becomes the fruit? {M2:ovary;the ovary}
What do the egg cells inside become? {M2:seeds;seed;the seeds}"""),
    Q("""Grass flowers are small and green with no smell. Their pollen is light and made in huge amounts.
How are they pollinated? {M2:wind;by the wind;the wind;by wind}"""),
    Q("""Danny stood two sticks of celery in red water. He left one in a warm, sunny place and one in a cold, dark cupboard. He cut the stalks after 3 hours.
| Place | Distance red dye moved up (cm)
| warm, sunny | 9
| cold, dark | 3
Where did water move faster? {M:warm, sunny;warm and sunny;warm sunny;warm;sunny;the warm sunny place;the warm, sunny place;in the warm, sunny place;in the warm sunny place;warm and sunny place;sunny and warm}
Complete the conclusion: water moves up a stem faster when it is warm and {M2:sunny;bright;light}.
Why is his test not fair?
*1:2 he changed two things at once: warmth and light | he used red water | he cut the stalks | he measured in centimetres""", ws=True),
    Q("""Ms Osei's class measured a sunflower each week. Use the graph.
How tall was it in week 6? {N:90} cm
Between which two weeks did it grow the most? From week {N:4} to week {N:6}""",
      S.line_graph([0, 2, 4, 6, 8, 10], [10, 25, 45, 90, 115, 125], "time (weeks)", "height (cm)", 10, 2, 140, 20),
      "a line graph of sunflower height: 10 cm at week 0, 25 at week 2, 45 at week 4, 90 at week 6, 115 at week 8, 125 at week 10", ws=True),
    Q("""Predict the sunflower's height at week 12 if it kept growing as slowly as in the last two weeks.
*2:2 about 60 cm | about 135 cm | about 300 cm | about 10 cm""", ws=True),
    Q("""Use the key to name the tree.
Needles in pairs: {M:Scots pine;pine;scots pine tree;the Scots pine;pine tree}
Broad leaf with lobes: {M:oak;oak tree}""",
      S.key_tree(("Does it have needles?", ("Are the needles in pairs?", "Scots pine", "spruce"), ("Does the leaf have lobes?", "oak", "beech"))),
      "a branching key for Scots pine, spruce, oak and beech"),
    Q("""Some plants make new plants without seeds. A gardener cuts a piece of stem from a geranium and plants it. This is called taking a
{M:cutting;cuttings}."""),
    Q("""Why do farmers often spread manure or fertiliser on fields?
*3 to keep birds away | to warm the soil | to add nutrients (minerals) the plants need | to make the soil dry"""),
    Q("""A plant kept in the dark for a week turned yellow and drooped. Its leaves lost the green substance they need to make food. What is it called?
{M2:chlorophyll;chlorophyl}"""),
    Q("""Name three ways seeds can be spread.
{G:wind|by wind|by the wind;water|sea|by water|by the sea;animals|animal|birds|bird|fur|eaten|people|humans|by animals|by birds|by animal fur;explosion|exploding|explosive|bursting|self|by explosion|exploding pods|bursting pods} {G} {G}
~ One or two words each, for example "wind"."""),
    Q("""A dandelion seed has a feathery parachute. Why is this an adaptation for wind dispersal?
*1:2 it slows its fall so the wind carries it far | it makes the seed heavy | it makes it taste nice | it hooks onto fur"""),
    Q("""Look at the life cycle. Write the names of stages B and D.
B: {M:seedling;a seedling;young plant;shoot;germination;germinating;germinating seed;sprouting}
D: {M:pollination;pollinate;pollinating}""",
      S.life_cycle(["seed", "B", "adult plant with flowers", "D", "fertilisation", "seed dispersal"]), "a plant life cycle with stages B and D to be named"),
    Q("""Ewan grew two identical trays of seedlings. One was watered with rainwater, one with salty water.
What did he change?
*3 the soil | the amount of water | the kind of water | the seeds
Predict which tray grew better. {M2:rainwater;rain water;the rainwater one;rainwater tray;rain}""", ws=True),
    Q("""In a food chain, which part of a plant is most often eaten by caterpillars?
{M:leaves;leaf;the leaves;green leaves}"""),
    Q("""Photosynthesis means "making with light". Complete the word sum:
carbon dioxide + water &rarr; glucose (sugar) + {M2:oxygen;O2}"""),
    Q("""Which of these statements about plants is true?
*4:2 plants take in food through their roots | plants need soil to make food | flowers make the plant's food | leaves use light to make food from carbon dioxide and water"""),
    Q("""Fiona counted bees visiting flowers of different colours for ten minutes.
| Flower colour | Bee visits
| yellow | 14
| purple | 21
| white | 6
| red | 2
Which colour did the bees visit most? {M:purple;purple flowers}
Bees see red poorly. Does the result support this? {M2:yes;yes it does;yes, red had fewest visits}""", ws=True),
]

P5 = [
    Q("""Look at the flower. Write the names of parts A, B and D.
A: {M:petal;petals}
B: {M:stigma;stigmas}
D: {M:ovary;ovaries}
Explain, in order, how pollen from another flower helps part D become a fruit. Choose the right order.
*3:3 the ovary grows, pollen lands on the anther, seeds form | seeds are dropped, then pollen lands on the petal | pollen lands on the stigma, a tube grows to the ovary, the egg is fertilised and the ovary becomes the fruit | the stalk grows, then the petals make pollen""",
      S.flower({"petal": "A", "stigma": "B", "ovary": "D", "anther": "C", "sepal": "E"}), "half a flower with letters A petal, B stigma, C anther, D ovary, E sepal"),
    Q("""Complete the sentence about sepals: sepals {M2:protect;cover;protects;covers;guard;guards;shield;shields;protect and cover} the flower bud before it opens."""),
    Q("""Insect-pollinated and wind-pollinated flowers are different. Which feature is found in wind-pollinated flowers?
*2:2 large, brightly coloured petals | anthers hanging outside the flower | nectar and a strong scent | sticky, heavy pollen"""),
    Q("""Jade planted broad bean seeds at different depths and counted how many came up after three weeks. Use the graph.
How many came up when planted at 4 cm? {M:9;nine}
At which depth did the fewest come up? {N:12} cm
Complete the conclusion: the deeper the seed is planted, the {M2:fewer;fewer come up;less;fewer seeds come up} seedlings come up.""",
      S.bar_chart(["2 cm", "4 cm", "8 cm", "12 cm"], [10, 9, 5, 2], "seedlings up (out of 10)", 10, 2, "Seedlings after 3 weeks"),
      "a bar chart: planted at 2 cm 10 came up, 4 cm 9, 8 cm 5, 12 cm 2", ws=True),
    Q("""Suggest why seeds planted too deep may not come up.
*1:2 the seedling uses up its stored food before it reaches the light | deep soil is too bright | the seeds float away | deeper soil has too much oxygen"""),
    Q("""Tariq measured how much water a plant lost each hour in different conditions.
| Condition | Water lost (g per hour)
| still air, cool | 2
| windy, cool | 5
| still air, warm | 4
| windy, warm | 19
Which condition made the plant lose most water? {M:windy, warm;windy and warm;warm and windy;windy warm;warm windy;warm, windy;windy,warm;windy, warm condition}
How much more water was lost in the windy, cool condition than in the still, cool one? {N:3} g
Why do leaves lose water faster in wind?
*2:2 wind blocks the light | moving air carries the water vapour away from the leaf | wind makes the roots grow | wind cools the water so it freezes""", ws=True),
    Q("""The roots of a plant have many tiny root hairs. Why is this useful?
*3:2 they keep worms away | they make the plant heavier | they give a large surface to take in water and minerals | they make food"""),
    Q("""A gardener grew tomato plants in a greenhouse. Give two reasons they grew faster than plants outside.
{G2:warmer|warmth|heat|warm|no frost;protected from wind|no wind|shelter|protected;protected from pests|fewer pests;more light;humid} {G2}
~ One or two words each."""),
    Q("""Lara grew two trays of seedlings with the same water and soil. One tray was in a box with a hole on one side.
Which way would the seedlings in the box bend? {M2:towards the hole;to the hole;towards the light;to the light;toward the hole;toward the light;towards the window}
Why do plants grow towards light?
*2:2 light makes them heavier | they need light to make their food | light keeps insects away | they need light to drink""", ws=True),
    Q("""Which equation shows photosynthesis?
*1:2 carbon dioxide + water, with light, gives glucose + oxygen | oxygen + glucose gives carbon dioxide + water | water + soil gives food | light + oxygen gives water"""),
    Q("""Use the key to identify each plant.
A has no flowers and makes spores: {M:fern;ferns;a fern}
B has flowers and a woody stem: {M:rose;a rose;rose bush}
C has flowers, a soft stem and yellow petals: {M:buttercup;a buttercup;buttercups}""",
      S.key_tree(("Does it have flowers?", ("Does it have a woody stem?", "rose", ("Are the petals yellow?", "buttercup", "bluebell")), "fern")),
      "a branching key for rose, buttercup, bluebell and fern"),
    Q("""Mosses and ferns do not make seeds. What do they make instead to reproduce? {M:spores;spore}"""),
    Q("""Carrots and beetroots store food in their {M:roots;root;swollen root;taproot}.
Why is this useful to the plant?
*4:2 it attracts bees | it keeps the plant cold | it stops pollination | it gives food for new growth the next year"""),
    Q("""Look at the plant life cycle. Name stage E. {M2:fertilisation;fertilization}
What happens at stage F? {M2:seed dispersal;seeds are spread;dispersal;seeds spread;seed spreading;the seeds are dispersed;dispersing seeds}""",
      S.life_cycle(["seed", "germination", "seedling", "flowering plant", "pollination", "E", "F"]), "a plant life cycle with stages E and F to be named"),
    Q("""Bethan said, "Plants get their food from the soil." Which evidence shows she is wrong?
*2:3 plants in soil grow roots | a willow tree planted in a pot grew by 70 kg while the soil lost only a few grams | seeds are found in soil | soil holds water""", ws=True),
    Q("""Name the part of the flower that makes pollen. {M:anther;anthers}
Name the sugary liquid that attracts insects. {M:nectar}"""),
    Q("""Two groups of radish seeds were watered with the same amount of water, one at 5 °C and one at 20 °C.
| Day | Seeds germinated at 5 °C | Seeds germinated at 20 °C
| 2 | 0 | 3
| 4 | 1 | 12
| 6 | 3 | 18
| 8 | 6 | 19
How many more had germinated at 20 °C than at 5 °C on day 6? {N:15}
Complete the conclusion: seeds germinate faster when it is {M2:warmer;warm;hotter;warmer temperature;at 20 °C;20 °C;at 20 degrees}.
Predict how many would have germinated at 5 °C by day 10.
*3:2 0 | 2 | 9 | 40""", ws=True),
    Q("""Plants compete for light. A tall tree can shade small plants underneath. How are bluebells adapted to grow in woods?
*1:2 they flower early in spring before the trees are in full leaf | they grow taller than the trees | they grow only at night | they have no leaves"""),
    Q("""A pond plant's stem is full of air spaces. Suggest why.
*4:2 to hold more soil | to stop fish eating it | to make the leaves heavy | to help it float up to the light"""),
    Q("""Explain why a plant with yellowing leaves might grow better after plant food is added to the soil. Complete the sentence:
plant food adds {M2:minerals;nutrients;mineral salts;nitrates;nitrogen;fertiliser;fertilizer} that the plant needs to stay healthy."""),
    Q("""Ingrid wants to see if the colour of light changes how fast pondweed makes bubbles of oxygen.
What is the variable she changes? {M2:colour of light;the colour of the light;light colour;colour;color of light;color}
What does she measure? {M2:number of bubbles;bubbles;how many bubbles;the number of bubbles;bubbles per minute;the bubbles}""", ws=True),
    Q("""Of 20 sunflower seeds planted, 15 germinated. What fraction germinated? Give your answer as a fraction in its simplest form. {F2:3/4}
Of 12 bean seeds, 9 germinated. Is that the same fraction? {M:yes;yes it is}""", ws=True),
    Q("""A pupil wrote: "All plants have flowers." Give an example of a plant that shows this is wrong.
{M2:fern;ferns;moss;mosses;pine;conifer;fir;spruce;horsetail;liverwort;yew;pine tree;fir tree}"""),
]

PAPERS = [P1, P2, P3, P4, P5]
