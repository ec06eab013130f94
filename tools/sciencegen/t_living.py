"""Living Things: life processes, habitats, food chains and webs, classification and keys,
life cycles, micro-organisms, adaptation, inheritance and fossils."""

from core import Q
import svg as S

P1 = [
    Q("""Living things do seven things. One of them is moving.
Which of these is also something every living thing does?
*2 rust | grow | melt | shine"""),
    Q("""Look at the food chain.
What does the rabbit eat? {M:grass;grasses;the grass}""",
      S.food_chain(["grass", "rabbit", "fox"]), "a food chain: grass, then rabbit, then fox"),
    Q("""In the food chain, which animal eats the rabbit? {M:fox;a fox;the fox;foxes}""",
      S.food_chain(["lettuce", "rabbit", "fox"]), "a food chain: lettuce, then rabbit, then fox"),
    Q("""A plant makes its own food using light.
What do we call a living thing that makes its own food?
*1 a producer | a consumer | a predator | a decomposer"""),
    Q("""Tegan found a woodlouse under a damp log.
Which word describes the place where an animal lives?
*4 a hobby | a diet | a skeleton | a habitat"""),
    Q("""Sort these animals. Write the name of the one that is a mammal: frog, robin, bat, trout.
{M:bat;a bat;the bat;bats}"""),
    Q("""Fish take in oxygen from the water through special body parts.
What are these parts called? {M:gills;gill}"""),
    Q("""Look at the picture of the frog's life cycle.
What does the egg hatch into? {M:tadpole;tadpoles;a tadpole}""",
      S.life_cycle(["frogspawn (eggs)", "tadpole", "froglet", "adult frog"]), "the life cycle of a frog: frogspawn, tadpole, froglet, adult frog"),
    Q("""Which group of animals has feathers?
*3 reptiles | amphibians | birds | fish"""),
    Q("""A lion hunts and eats zebras.
The lion is a {M:predator;a predator;hunter;carnivore;a carnivore;meat eater;meat-eater}. The zebra is its {M:prey;food}."""),
    Q("""Use the key to name the animal that has six legs and wings.
{M:bee;a bee;honeybee;honey bee}""",
      S.key_tree(("Does it have six legs?", ("Does it have wings?", "bee", "ant"), ("Does it have eight legs?", "spider", "snail"))),
      "a branching key for a bee, an ant, a spider and a snail"),
    Q("""Animals that have a backbone are called {M:vertebrates;vertebrate}.
Animals without a backbone are called {M:invertebrates;invertebrate}."""),
    Q("""Kwame counted the animals he found in a square of the school field.
| Animal | Number found
| ant | 14
| worm | 3
| beetle | 6
| slug | 2
Which animal did he find most of? {M:ant;ants;the ant}
How many worms and slugs did he find altogether? {M:5;five}""", ws=True),
    Q("""Mould growing on old bread is a kind of living thing.
Which group does mould belong to?
*2 plants | fungi | animals | minerals"""),
]

P2 = [
    Q("""Name two things that every animal needs to stay alive.
{G:food;water|drink;air|oxygen;shelter;warmth} {G}"""),
    Q("""Look at the food chain.
Which living thing is the producer? {M:seaweed;seaweeds;plant;green plant;a plant;algae}
Which animal is at the top of the food chain? {M:seal;seals;a seal;the seal}""",
      S.food_chain(["seaweed", "periwinkle", "crab", "seal"]), "a food chain: seaweed, periwinkle, crab, seal"),
    Q("""In a food chain, which way do the arrows point?
*3 from the eater to the food | from the biggest to the smallest | from the food to the eater | from left to right always"""),
    Q("""Look at the life cycle of a butterfly.
Which stage comes after the caterpillar? {M:chrysalis;pupa;a chrysalis;a pupa;cocoon}""",
      S.life_cycle(["egg", "caterpillar", "chrysalis", "adult butterfly"]), "the life cycle of a butterfly: egg, caterpillar, chrysalis, adult butterfly"),
    Q("""Reptiles such as snakes and lizards have dry skin covered in {M:scales;scale;scaly skin}."""),
    Q("""Amphibians such as newts can live on land and in {M:water;ponds;pond;the water;rivers}."""),
    Q("""Which of these is an invertebrate?
*4 salmon | sparrow | hedgehog | earthworm"""),
    Q("""Use the key. Which leaf is long and thin with smooth edges? {M:willow;willow leaf;a willow}""",
      S.key_tree(("Is the leaf long and thin?", ("Are its edges smooth?", "willow", "sweet chestnut"), ("Is it cut into lobes?", "oak", "birch"))),
      "a branching key for willow, sweet chestnut, oak and birch leaves"),
    Q("""Some bacteria make us ill. Which of these helps to stop them spreading?
*1 washing hands with soap | eating more sweets | sitting near a window | wearing a hat"""),
    Q("""A polar bear lives in the cold Arctic.
Give one way its body helps it to survive the cold. {M:thick fur;fur;thick white fur;fat;layer of fat;blubber;thick layer of fat;small ears;thick coat;fat layer;lots of fat;furry feet;fur on its feet}"""),
    Q("""Camels live in hot deserts. They store fat in their {M:hump;humps;a hump}, which helps them go a long time without food."""),
    Q("""Moths, flies and beetles belong to the group of invertebrates with six legs.
What is this group called? {M:insects;insect}"""),
    Q("""Anil recorded the birds at a feeder for one hour.
Which bird visited most often? {M:sparrow;sparrows;house sparrow;house sparrows}
How many more blue tits than robins came? {M:4;four}""",
      S.bar_chart(["robin", "blue tit", "sparrow", "blackbird"], [3, 7, 11, 5], "number of visits", 12, 2, "Birds at the feeder"),
      "a bar chart: robin 3, blue tit 7, sparrow 11, blackbird 5", ws=True),
    Q("""Mammals feed their young on {M:milk;their milk;mother's milk;breast milk}."""),
    Q("""Which animal lays eggs with a hard shell on land?
*2 frog | hen | goldfish | dolphin"""),
    Q("""Bea wants to find out if more snails live in damp places or dry places.
What should she count in each place? {M:the number of snails;snails;number of snails;how many snails}""", ws=True),
]

P3 = [
    Q("""Living things reproduce. What does reproduce mean?
*3 to breathe in oxygen | to get rid of waste | to make new living things like themselves | to grow bigger"""),
    Q("""Look at the food chain.
Name a consumer in this food chain. {M:aphid;ladybird;blue tit;aphids;ladybirds;blue tits}
If all the ladybirds died, the number of aphids would {M2:increase;go up;rise;grow;get bigger;be higher;be bigger;double}.""",
      S.food_chain(["rose bush", "aphid", "ladybird", "blue tit"]), "a food chain: rose bush, aphid, ladybird, blue tit"),
    Q("""Look at the pond food web.
What does the heron eat? Name two things.
{G2:frog|frogs;stickleback|sticklebacks|fish} {G2}
Name the producer that the water snails eat. {M:pondweed;pond weed;weed}""",
      S.food_web({"heron": (1, 0), "frog": (0, 1), "stickleback": (2, 1), "water snail": (1, 1), "pondweed": (0, 2), "algae": (2, 2)},
                 [("pondweed", "water snail"), ("algae", "stickleback"), ("water snail", "frog"), ("water snail", "stickleback"), ("frog", "heron"), ("stickleback", "heron")]),
      "a pond food web: pondweed and algae at the bottom; water snail, frog and stickleback; heron at the top"),
    Q("""Use the key to name the animal with eight legs. {M:spider;a spider;spiders}
Which animal has no legs and a shell? {M:snail;a snail;snails}""",
      S.key_tree(("Does it have legs?", ("Does it have eight legs?", "spider", "woodlouse"), ("Does it have a shell?", "snail", "slug"))),
      "a branching key for spider, woodlouse, snail and slug"),
    Q("""A hedgehog comes out at night to feed. Animals that are active at night are called
{M:nocturnal;nocturnal animals}."""),
    Q("""Write the group each animal belongs to.
| Animal | Group
| newt | {M:amphibian;amphibians;amphibian group}
| crocodile | {M:reptile;reptiles}
| whale | {M:mammal;mammals}"""),
    Q("""Some micro-organisms are helpful. Yeast is used to make bread rise.
Name another food made with the help of micro-organisms. {M:yoghurt;yogurt;cheese;vinegar;soy sauce;sauerkraut;kimchi;yoghurts;cheeses;blue cheese}"""),
    Q("""Look at the life cycle of a chicken.
Which stage is missing at the place marked "?" {M:chick;a chick;chicks;young chicken;baby chick;a baby chick;baby chicken;a baby chicken;young chick}""",
      S.life_cycle(["egg", "?", "young hen", "adult hen"]), "the life cycle of a chicken with one stage shown as a question mark"),
    Q("""Which of these is the best reason why a cactus has spines instead of wide leaves?
*2 to look pretty | to lose less water and keep animals off | to catch insects | to soak up rain"""),
    Q("""A fish has a streamlined body and fins. How do these help it?
*1 to move through water easily | to breathe air | to keep warm | to see in the dark"""),
    Q("""Sunita put a slice of bread in a warm place and one in the fridge. She checked them each day.
| Day | Warm place: mould patches | Fridge: mould patches
| 2 | 0 | 0
| 4 | 3 | 0
| 6 | 8 | 1
| 8 | 15 | 2
Where did mould grow faster? {M:warm place;in the warm place;the warm place;warm;somewhere warm}
Complete the conclusion: micro-organisms such as mould grow faster when it is {M2:warm;warmer;hot;hotter;warm and damp}.""", ws=True),
    Q("""In a fair test about mould, which should Sunita keep the same for both slices?
*4 the temperature | the amount of mould | the place | the type of bread"""),
    Q("""Which animal gives birth to live young and feeds them milk, but can fly?
{M:bat;bats;a bat}"""),
    Q("""Look at the food chain. Which animal is the predator of the mouse? {M:owl;barn owl;an owl;owls}""",
      S.food_chain(["wheat seeds", "mouse", "owl"]), "a food chain: wheat seeds, mouse, owl"),
    Q("""Animals that eat only plants are called {M:herbivores;herbivore}.
Animals that eat both plants and animals are called {M:omnivores;omnivore}."""),
    Q("""Habitats change through the year. Which of these is a change in a woodland from summer to winter?
*3:2 the trees grow taller than the clouds | the soil turns into sand | many trees lose their leaves and food is harder to find | every animal leaves for good"""),
    Q("""Nadia looked at a pond for one week. Which of these is an observation, not a guess?
*3 The pond is home to a thousand animals. | The frogs must be sad. | I saw four newts on Tuesday. | Frogs probably like sun.""", ws=True),
    Q("""Snakes are reptiles. Reptiles are cold-blooded.
What does cold-blooded mean?
*2 they are cold to touch all the time | their body temperature changes with their surroundings | they have no blood | they only live in cold places"""),
]

P4 = [
    Q("""Look at the woodland food web.
How many different animals eat the caterpillar? {M:2;two}
Name the top predator. {M:owl;tawny owl;the owl;owls}
If disease killed the voles, which is most likely?
*2:2 the owls would have more food | the owls would eat more mice and blue tits | the grass would die | the caterpillars would disappear""",
      S.food_web({"owl": (1, 0), "blue tit": (0, 1), "vole": (1, 1), "mouse": (2, 1), "caterpillar": (0, 2), "grass": (1, 3), "acorns": (2, 3)},
                 [("caterpillar", "blue tit"), ("grass", "vole"), ("acorns", "mouse"), ("grass", "caterpillar"), ("blue tit", "owl"), ("vole", "owl"), ("mouse", "owl"), ("caterpillar", "mouse")]),
      "a woodland food web: grass, acorns, caterpillar, blue tit, vole, mouse and owl"),
    Q("""Why do almost all food chains start with a green plant?
*1:2 green plants make food using energy from sunlight | green plants are the biggest living things | animals cannot see plants | plants move to find food"""),
    Q("""Use the key to name each living thing.
Has fins and no legs: {M:trout;a trout}
Has feathers: {M:gull;seagull;a gull;a seagull;seagulls}
Has legs, no feathers, moist skin: {M:toad;a toad}""",
      S.key_tree(("Does it have legs?", ("Does it have feathers?", "gull", ("Does it have moist skin?", "toad", "lizard")), "trout")),
      "a branching key for gull, toad, lizard and trout"),
    Q("""Carl Linnaeus, a Swedish scientist, gave each living thing a two-part name. Why is this useful?
*3:2 it makes names shorter | it means only scientists can read them | scientists everywhere use the same name for the same living thing | it shows how big the living thing is"""),
    Q("""Which sentence describes a difference between the life cycle of a mammal and that of a butterfly?
*1:2 a young mammal looks like a small adult, but a caterpillar looks nothing like a butterfly | mammals lay eggs but butterflies do not | butterflies have no adult stage | a mammal changes into a pupa before it is an adult"""),
    Q("""Look at the life cycle of a frog.
@
The change from tadpole to adult frog is called {M:metamorphosis;metamorphosis.;metamorphisis}.""",
      S.life_cycle(["frogspawn", "tadpole", "tadpole with legs", "froglet", "adult frog"]), "the life cycle of a frog in five stages"),
    Q("""Lucy tested how well yeast makes gas at different temperatures. She measured the height of the foam after 20 minutes.
At which temperature was the most foam made? {N:35} °C
Which result looks wrong (an anomaly)? Give the temperature. {N2:25} °C""",
      S.bar_chart([("%d °C" % c).replace("°", S.DEG) for c in (15, 20, 25, 30, 35)], [2, 4, 1, 8, 10], "foam height (cm)", 12, 2, "Yeast foam after 20 minutes"),
      "a bar chart of foam height: 15 degrees 2 cm, 20 degrees 4 cm, 25 degrees 1 cm, 30 degrees 8 cm, 35 degrees 10 cm", ws=True),
    Q("""In Lucy's yeast test, what did she change? {M:temperature;the temperature;how warm the water was;warmth}
What did she measure? {M:height of the foam;foam height;the height of the foam;how high the foam was;the foam;amount of foam}
Give one thing she should keep the same. {M2:amount of yeast;amount of sugar;amount of water;time;size of bottle;type of yeast;same yeast;same sugar;same water;same time;container;yeast;sugar;water;the amount of yeast;the amount of sugar;the amount of water;the time;bottle}
~ One to four words.""", ws=True),
    Q("""Why are dead leaves on a forest floor slowly broken down and gone by summer?
*4:2 the wind blows them all away | animals eat them all in one day | sunlight melts them | decomposers such as fungi and bacteria break them down"""),
    Q("""Animals that move to warmer places for the winter are said to {M:migrate;migration;migrating;migrate south}.
Animals that sleep through the winter {M:hibernate;hibernation;hibernating}."""),
    Q("""An Arctic hare is white in winter and brown in summer. It matches its surroundings, so predators find it hard to see.
What is this kind of adaptation called? {M2:camouflage;camouflaged;being camouflaged;camouflaging}"""),
    Q("""Which of these is a vertebrate that breathes with lungs, has dry scales and lays eggs on land?
*2 salamander | tortoise | shark | penguin"""),
    Q("""Look at the food chain. If the number of sparrowhawks grew, what would happen first to the number of blue tits?
{M2:decrease;go down;fall;fewer;drop;get smaller;there would be fewer;they would decrease}
This is because more blue tits would be {M2:eaten;eaten by sparrowhawks;killed;hunted;caught;eaten by the sparrowhawks}.""",
      S.food_chain(["oak leaves", "caterpillar", "blue tit", "sparrowhawk"]), "a food chain: oak leaves, caterpillar, blue tit, sparrowhawk"),
    Q("""Put these in order to make a food chain: owl, grass, vole.
{M:grass, vole, owl;grass vole owl;grass - vole - owl;grass to vole to owl;grass,vole,owl;grass, vole and owl;grass, vole then owl}
~ Write the three names in order, separated by commas."""),
    Q("""A flamingo is pink because of the shrimps it eats. A young flamingo is grey.
Is the pink colour passed on from the parents or caused by the surroundings?
*2:2 passed on from the parents | caused by its food (its surroundings) | caused by the cold | it is neither"""),
    Q("""Name two micro-organisms or kinds of micro-organism.
{G:bacteria|bacterium|germs;virus|viruses;yeast;mould|moulds;fungi|fungus} {G}"""),
    Q("""Jack says, "All animals that live in water are fish." Name an animal that shows he is wrong.
{M2:whale;dolphin;frog;seal;crab;octopus;jellyfish;otter;turtle;newt;shrimp;snail;water snail;penguin;hippo;duck;squid;lobster}"""),
    Q("""Mia counted daisies in four parts of the field. Use the table.
| Part of field | Daisies in one square metre
| near the path | 4
| sunny middle | 19
| under the trees | 2
| by the hedge | 9
Where did the fewest daisies grow? {M:under the trees;trees;by the trees;under trees}
Complete the reason: the trees block the {M2:light;sunlight;sun;sun's light;sunshine;light from the sun}.""", ws=True),
    Q("""Which living thing is made of just one cell?
*1 an amoeba | a mushroom | an earthworm | a fern"""),
    Q("""Living things in a habitat depend on each other. Give one way a tree helps animals.
{M2:shelter;food;a home;home;a place to nest;nesting;nest;nests;shade;fruit;seeds;leaves;leaves to eat;oxygen;hiding place;a hiding place;protection;habitat;a habitat}
~ Answer in one or two words."""),
]

P5 = [
    Q("""Look at the rock pool food web.
Name a producer. {M:seaweed;phytoplankton;seaweeds;plankton;plant;plants;green plant;algae}
Name an animal that is both a predator and prey. {M2:crab;whelk;crabs;whelks}
If the gulls left the rock pool, predict what would happen to the number of crabs. It would {M2:increase;go up;rise;grow;get bigger;be higher}
because fewer crabs would be {M:eaten;eaten by gulls;caught;killed;hunted}.""",
      S.food_web({"gull": (1, 0), "whelk": (0, 1), "crab": (2, 1), "limpet": (0, 2), "prawn": (2, 2), "seaweed": (0, 3), "phytoplankton": (2, 3)},
                 [("seaweed", "limpet"), ("phytoplankton", "prawn"), ("limpet", "whelk"), ("limpet", "crab"), ("prawn", "crab"), ("whelk", "gull"), ("crab", "gull"), ("seaweed", "crab")]),
      "a rock pool food web: seaweed, phytoplankton, limpet, prawn, whelk, crab and gull"),
    Q("""Scientists sort living things into five big kingdoms. Name two of them.
{G2:animals|animal;plants|plant;fungi|fungus;bacteria|monera;protists|single-celled organisms|protoctista} {G2}"""),
    Q("""Use the key to identify the creatures.
A has no legs and a long thin body with rings: {M:earthworm;worm;an earthworm}
B has six legs and hard wing cases: {M:beetle;a beetle;ground beetle}
C has more than ten legs: {M:centipede;a centipede}""",
      S.key_tree(("Does it have legs?", ("Does it have more than ten legs?", "centipede", ("Does it have six legs?", "beetle", "harvestman")), "earthworm")),
      "a branching key for centipede, beetle, harvestman and earthworm"),
    Q("""Which question in a key would separate a jellyfish from a crab?
*2:2 Does it live in the sea? | Does it have legs? | Is it an animal? | Can it move?"""),
    Q("""Charles Darwin studied finches on the Galápagos Islands. Finches on different islands had different beaks.
What explains this best?
*3:2 the birds chose to grow new beaks | the beaks were painted by people | birds with beaks that suited the food on their island survived and bred more | the weather changed the shape of each bird's beak in one day"""),
    Q("""Offspring look similar to their parents but are not identical.
Characteristics passed on from parents are {M:inherited;inherit;inheritance;passed on in genes;genetic}.
Which of these is NOT inherited?
*3:2 eye colour | natural hair colour | a scar on the knee | the shape of the earlobes"""),
    Q("""Fossils give evidence that living things have changed over time.
How is a fossil usually formed?
*1:2 a dead animal or plant is buried in sediment that slowly turns to rock | an animal turns into stone when it is frightened | a plant is frozen in ice for a week | bones are painted onto rocks by people"""),
    Q("""Mary Anning collected fossils on the Dorset coast in the 1800s. Fossils of ichthyosaurs show animals that no longer live anywhere on Earth.
What word describes a kind of living thing that has died out completely? {M:extinct;extinction}"""),
    Q("""Look at the life cycle of a butterfly and think about the life cycle of a frog.
@
Name one stage that both have. {M:egg;eggs;adult;adults}
Which stage does a butterfly have that a frog does not?
*4:2 egg | adult | tadpole | pupa""",
      S.life_cycle(["eggs", "larva (caterpillar)", "pupa (chrysalis)", "adult"], "Butterfly"), "the life cycle of a butterfly with larva and pupa stages"),
    Q("""Ayesha measured how many times a minute a woodlouse moved in damp and dry trays.
| Tray | Trial 1 | Trial 2 | Trial 3
| damp soil | 3 | 4 | 2
| dry sand | 12 | 11 | 14
Why did she do three trials?
*1:2 to make her results more reliable | to make the woodlice tired | to use more sand | so the test takes longer
What is the total for the damp tray? {M:9;nine}
Which conclusion fits her results?
*3:3 woodlice like dry sand best | woodlice never move on damp soil | woodlice move less in damp soil, so they seem to prefer damp places | woodlice move the same amount everywhere""", ws=True),
    Q("""A biologist says a woodpecker's long, strong beak is an adaptation. What is an adaptation?
*2:2 a change an animal chooses to make | a feature that helps a living thing survive in its habitat | a new kind of habitat | a way of sorting animals into groups"""),
    Q("""Giraffes with longer necks could reach more leaves and were more likely to survive and have young. Over many generations giraffes' necks became longer.
This process is called {M2:natural selection;evolution;evolving;evolve;survival of the fittest}."""),
    Q("""Look at the food chain. Which living thing gets its energy directly from the Sun? {M:phytoplankton;plankton}
How many consumers are there? {M:3;three}""",
      S.food_chain(["phytoplankton", "krill", "penguin", "leopard seal"]), "a food chain: phytoplankton, krill, penguin, leopard seal"),
    Q("""Dogs all belong to one species, but there are many breeds. Breeders choose parent dogs with the features they want.
What is this called?
*4:2 natural selection | migration | hibernation | selective breeding by people"""),
    Q("""Micro-organisms can be harmful. Give two ways we keep food safe from them.
{G2:fridge|refrigerate|refrigeration|keep it cold|keep it in the fridge|keep it in a fridge;freezing|freezer|freeze;cooking|cook|cook it well|heat;salt|salting;pickling|vinegar;drying|dry it;canning|tins|canned|sealing;cover food|cover it;wash hands|washing hands;sugar;smoking} {G2}"""),
    Q("""Arjun recorded the temperature of compost as it rotted. Use the graph.
What was the temperature on day 10? {N:40} °C
Between which two days did it rise fastest? Day {N:0} to day {N:4}
Which living things break down the compost and warm it up? {M2:micro-organisms;microorganisms;micro organisms;bacteria;decomposers;microbes;fungi;bacteria and fungi;germs}""".replace("°C", "&deg;C"),
      S.line_graph([0, 4, 8, 10, 12, 16, 20], [10, 28, 36, 40, 42, 38, 30], "time (days)", "temperature (" + S.DEG + "C)", 20, 4, 50, 10),
      "a line graph of compost temperature: 10 at day 0, 28 at day 4, 40 at day 10, 42 at day 12, falling to 30 at day 20", ws=True),
    Q("""Sort the animals into vertebrates and invertebrates. Write the two invertebrates: slug, salmon, spider, swan.
{G2:slug|slugs;spider|spiders} {G2}"""),
    Q("""Why does a single food chain rarely show everything an animal eats?
*3:2 animals only eat one food | food chains are too long | most animals eat more than one kind of food, so a food web shows more | plants are not in food chains"""),
    Q("""A new predator was brought to an island. Within ten years a kind of flightless bird had vanished.
Why were the flightless birds in danger?
*1:2 they could not fly away and were not adapted to escape this predator | they ate the predator's food | they were too big | they could swim away"""),
    Q("""Which sentence about classification is correct?
*1:2 a bat is a mammal although it flies | a whale is a fish because it swims | a penguin is a mammal because it cannot fly | a spider is an insect because it is small"""),
    Q("""Zainab wants to find out whether worms prefer light or dark soil. What should she change?
*2 the type of worm | whether the soil is in light or dark | the number of trays | the time of day she starts
What should she measure?
*4:2 the length of each worm | the temperature of the room | the colour of the soil | the number of worms in the light and the dark parts""", ws=True),
    Q("""Peppered moths rest on tree trunks. When soot from factories made trunks darker, dark moths became more common.
On dark trunks the dark moths were better {M2:camouflaged;camouflage;hidden;hidden from birds}, so fewer of them were {M2:eaten;eaten by birds;caught;seen;spotted;found}."""),
]

PAPERS = [P1, P2, P3, P4, P5]
