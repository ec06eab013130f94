"""The Human Body: skeleton and muscles, teeth, digestion, a healthy diet, the heart, blood and
lungs, exercise and health, growing up."""

from core import Q
import svg as S

SKEL = dict(skull="A", ribs="B", spine="C", pelvis="D", femur="E", kneecap="F", humerus="G", shin="H")

P1 = [
    Q("""Look at the skeleton. Which bone, labelled A, protects the brain? {M:skull;cranium}""",
      S.skeleton({"skull": "A", "ribs": "B", "spine": "C"}), "a skeleton with A on the skull, B on the ribs and C on the spine"),
    Q("""Which part of the body pumps blood around it?
*1 heart | lungs | stomach | brain"""),
    Q("""We breathe air in and out with our {M:lungs;lung}."""),
    Q("""Look at the teeth. Which tooth, A, B or C, is best for grinding and chewing food? {T:C}""",
      S.teeth(["A", "B", "C"]), "three teeth: A is flat and sharp-edged, B is pointed, C is wide with bumps"),
    Q("""Which of these foods is a good source of protein for growing muscles?
*3 butter | lettuce | fish | sugar"""),
    Q("""Name one thing you should do every day to keep your teeth healthy.
{M:brush them;brush your teeth;brushing;brush;clean them;clean your teeth;floss;use toothpaste;eat less sugar;brush twice a day;brush teeth;brushing teeth;brush my teeth;clean teeth;clean my teeth;brushing them;flossing;brush them twice a day}"""),
    Q("""Bones and muscles work together to help us {M:move;walk;run;moving}."""),
    Q("""The ribs form a cage. Which organs does the ribcage protect? Name one.
{M:heart;lungs;lung;the heart and lungs;heart and lungs}"""),
    Q("""Why do we need to drink water every day?
*2 to make our bones grow longer at once | our bodies are mostly water and we lose some all the time | water gives us protein | water makes our hair grow"""),
    Q("""Children lose their first teeth. What are these first teeth called?
*4 wisdom teeth | adult teeth | false teeth | milk teeth"""),
    Q("""Which of these activities is exercise?
*1 swimming | watching television | sleeping | reading"""),
    Q("""Look at the skeleton. What is the bone labelled C, down the middle of the back? {M:spine;backbone;spinal column;vertebrae;back bone}""",
      S.skeleton({"skull": "A", "ribs": "B", "spine": "C"}), "a skeleton with A skull, B ribs and C on the backbone"),
    Q("""Fruit and vegetables give us many {M:vitamins;vitamin;minerals;fibre;vitamins and minerals} that keep us healthy."""),
    Q("""Zara counted her heartbeats for one minute before and after skipping.
| When | Beats in one minute
| sitting | 80
| after skipping | 125
How many more beats were there after skipping? {N2:45}""", ws=True),
]

P2 = [
    Q("""Look at the skeleton. Write the names of bones B and D.
B: {M:ribs;rib;ribcage;rib cage}
D: {M:pelvis;hip bone;hips;hip;hip bones}""",
      S.skeleton({"skull": "A", "ribs": "B", "spine": "C", "pelvis": "D"}), "a skeleton with letters on the skull, ribs, spine and pelvis"),
    Q("""Give two jobs of the skeleton.
{G:support|to support the body|holds us up;protect organs|protection|protect|to protect organs;movement|move|to help us move;shape;making blood|make blood cells} {G}
~ One or two words each."""),
    Q("""Look at the teeth. Tooth A has a sharp flat edge. What is it called, and what does it do?
Name: {M:incisor;incisors}
*2 grinds food | cuts and bites food | stores food | tastes food""",
      S.teeth(["A", "B", "C"]), "three teeth labelled A, B and C"),
    Q("""The long pointed teeth at the corners of the mouth are called {M:canines;canine;canine teeth;canine tooth}.
They are used for {M:tearing;ripping;tearing food;gripping;tear;rip;tearing meat}."""),
    Q("""Which food group gives us energy quickly?
*1 carbohydrates, such as bread and pasta | vitamins, such as oranges | water | fibre"""),
    Q("""Eating too many sugary foods can cause tooth {M:decay;rot;cavities;holes;decay and holes}."""),
    Q("""Muscles can only pull. When the biceps muscle contracts, the arm {M:bends;bend;bends up;lifts;goes up;folds}."""),
    Q("""The place where two bones meet, such as the knee, is called a {M:joint;joints}."""),
    Q("""Which of these is the best choice for a healthy snack?
*3 a bag of sweets | a chocolate bar | an apple | a fizzy drink"""),
    Q("""Blood travels around the body in tubes called {M:blood vessels;vessels;veins;arteries;veins and arteries;arteries and veins;capillaries}."""),
    Q("""Look at the picture. Which organ is labelled B? {M:lung;lungs;left lung;right lung}""",
      S.chest({"windpipe": "A", "lung": "B", "heart": "C"}), "a chest with letters A windpipe, B lung, C heart"),
    Q("""Smoking damages which organs most of all?
*2 eyes | lungs | toes | ears"""),
    Q("""Ravi timed how long four friends could balance on one leg.
Who balanced for longest? {M:Ella;Ella balanced longest}
How many seconds longer did Jo balance than Ravi? {M:10;ten}""",
      S.bar_chart(["Ravi", "Jo", "Ella", "Kit"], [20, 30, 45, 25], "time balancing (seconds)", 50, 10, "Balancing on one leg"),
      "a bar chart: Ravi 20 seconds, Jo 30, Ella 45, Kit 25", ws=True),
    Q("""Which animal has a skeleton on the outside of its body?
*4 cat | fish | frog | beetle"""),
    Q("""Food we eat goes down a tube from the mouth to the stomach. This tube is called the
{M:gullet;oesophagus;esophagus;food pipe;foodpipe}."""),
    Q("""Emma says that people with longer legs can jump further. How could she test her idea?
*2 measure one person once | measure leg length and jump distance for many people | ask people what they think | jump on a trampoline""", ws=True),
]

P3 = [
    Q("""Look at the skeleton. Bone E is the thigh bone. What is its scientific name?
E: {M:femur}
Write the name of bone F.
F: {M:kneecap;knee cap;patella;knee}""",
      S.skeleton(SKEL), "a skeleton with letters A to H"),
    Q("""Look at the picture of the digestive system.
Which letter labels the stomach? {T:C}
Which letter labels the gullet? {T:B}""",
      S.digestive({"mouth": "A", "gullet": "B", "stomach": "C", "small intestine": "D", "large intestine": "E"}),
      "the digestive system with letters A mouth, B gullet, C stomach, D small intestine, E large intestine"),
    Q("""Where is most food absorbed into the blood?
*3 the mouth | the stomach | the small intestine | the gullet"""),
    Q("""Put these in the order food passes through them: stomach, mouth, small intestine, gullet.
1st {M:mouth;the mouth} 2nd {M:gullet;oesophagus;esophagus;food pipe} 3rd {M:stomach;the stomach} 4th {M:small intestine;the small intestine}"""),
    Q("""What does saliva (spit) do to food in the mouth?
*2 makes it colder | makes it wet and starts to break it down | adds vitamins | makes it sweeter only"""),
    Q("""Look at the diagram of blood flow. Where does blood go from the heart to pick up oxygen?
{M:lungs;lung;to the lungs}""",
      S.circulation({}), "the heart, lungs and rest of the body with arrows showing blood flow"),
    Q("""The heart is a kind of {M:muscle;pump;organ;muscular pump}; it never stops working while we are alive."""),
    Q("""Complete the sentences: we breathe in {M:oxygen;O2} and breathe out more {M:carbon dioxide;CO2}."""),
    Q("""Ana measured her pulse every 2 minutes during and after a run. Use the graph.
What was her pulse at the start? {N:75} beats per minute
What was her highest pulse? {N:150} beats per minute
Complete the conclusion: her pulse rate {M2:went up;rose;increased;goes up;increases;got faster} while she exercised.""",
      S.line_graph([0, 2, 4, 6, 8, 10, 12], [75, 120, 145, 150, 110, 90, 80], "time (minutes)", "pulse (beats per minute)", 12, 2, 160, 20),
      "a line graph of pulse: 75 at 0 minutes, 120 at 2, 145 at 4, 150 at 6, then falling to 80 at 12", ws=True),
    Q("""Why does your heart beat faster when you exercise?
*1:2 muscles need more oxygen and food, carried by the blood | the heart gets cold | the lungs stop working | the blood turns blue"""),
    Q("""A balanced diet has the right amounts of each food group. Name two food groups.
{G:carbohydrates|carbohydrate|starch|starchy foods|sugar;proteins|protein;fats|fat|oils|fats and oils;vitamins|vitamin;minerals|mineral;fibre;water;dairy;fruit and vegetables|fruit|vegetables} {G}"""),
    Q("""Which food is high in fat?
*4 carrots | rice | apples | crisps"""),
    Q("""Sophie tested drinks for sugar. Which is the most sugary?
| Drink | Sugar in 250 ml (g)
| orange juice | 22
| cola | 26
| milk | 12
| water | 0
{M:cola;the cola}
How much more sugar is in cola than milk? {N:14} g""", ws=True),
    Q("""Look at the teeth. Tooth B is pointed. Which animal has large teeth like this for eating meat?
*3 cow | rabbit | wolf | sheep""",
      S.teeth(["A", "B", "C"]), "three teeth labelled A incisor shape, B pointed canine shape, C wide molar shape"),
    Q("""Carnivores have large canine teeth. Herbivores such as sheep have large flat {M:molars;molar;molar teeth;premolars;grinding teeth}."""),
    Q("""Which statement about drugs is true?
*2 all drugs are harmful | some drugs are medicines that help when used as a doctor says | alcohol is a vitamin | caffeine helps you sleep"""),
    Q("""Muscles work in pairs. When one muscle contracts, the other {M:relaxes;relax;loosens;lengthens;gets longer}."""),
    Q("""Hamza wants to find out whether exercise changes breathing rate. What should he measure?
*3 height | shoe size | breaths in one minute | weight of his bag""", ws=True),
]

P4 = [
    Q("""Look at the skeleton. Bone G is the upper arm bone and bone H is the shin bone. Write their scientific names.
G: {M:humerus}
H: {M:tibia}
Which lettered bone protects the spinal cord? {T:C}""",
      S.skeleton(SKEL), "a skeleton with letters A to H"),
    Q("""Look at the chest. Name part D, the sheet of muscle under the lungs. {M:diaphragm;diaphram}
Name part A. {M:windpipe;trachea;wind pipe;airway}""",
      S.chest({"windpipe": "A", "lung": "B", "heart": "C", "diaphragm": "D", "ribs": "E"}), "a chest with letters A windpipe, B lung, C heart, D diaphragm, E ribs"),
    Q("""Look at the blood flow diagram.
Blood leaving the heart for the body is rich in {M:oxygen;O2}.
Blood returning to the heart from the body carries waste {M:carbon dioxide;CO2}.""",
      S.circulation({}), "heart, lungs and body with arrows: blood rich in oxygen goes to the body, blood low in oxygen goes to the lungs"),
    Q("""The heart pumps blood to the lungs and then around the body. How many times does blood pass through the heart on one full trip around the body?
*2:2 once | twice | three times | never"""),
    Q("""Blood vessels that carry blood away from the heart are {M2:arteries;artery}.
Vessels that carry blood back to the heart are {M2:veins;vein}."""),
    Q("""What does blood carry around the body? Name two things.
{G2:oxygen;food|nutrients|sugar|glucose|digested food;water;carbon dioxide|waste;heat;medicine;red blood cells;white blood cells;platelets} {G2}"""),
    Q("""Freya measured the pulse of five children after they rested for five minutes.
| Child | Pulse (beats per minute)
| Sean | 78
| Lily | 82
| Aaron | 164
| Nisha | 76
| Owen | 84
Which result is an anomaly? {M2:Aaron;Aaron's;Aaron 164;164;Aaron's pulse;Aaron's result}
What should Freya do about it?
*3:2 ignore every result | add it to the others | measure Aaron's pulse again | take Lily's result away""", ws=True),
    Q("""Water and fibre help food move through the {M2:large intestine;intestines;gut;small intestine;bowel;digestive system;intestine}."""),
    Q("""Which nutrient helps build and repair the body?
*1 protein | sugar | fat | water"""),
    Q("""Vitamin C is found in oranges. Long ago, sailors got ill on long voyages without fresh fruit. This illness was {M2:scurvy}.""".replace("{M2:scurvy}", "{M2:scurvy;scurvey}")),
    Q("""Dentists say to brush teeth after eating sweets. Bacteria in the mouth turn sugar into {M2:acid;acids}, which dissolves enamel."""),
    Q("""Look at the digestive system. Name parts D and E.
D: {M:small intestine;small intestines}
E: {M:large intestine;large intestines;colon;bowel}""",
      S.digestive({"mouth": "A", "gullet": "B", "stomach": "C", "small intestine": "D", "large intestine": "E"}), "the digestive system with letters A to E"),
    Q("""Jamal recorded his breaths in one minute at rest and after different exercises.
Which exercise made him breathe fastest? {M:running;run;the running}
How many more breaths a minute did he take after skipping than at rest? {N:14}""",
      S.bar_chart(["resting", "walking", "skipping", "running"], [16, 20, 30, 38], "breaths in one minute", 40, 5, "Breathing rate"),
      "a bar chart of breaths per minute: resting 16, walking 20, skipping 30, running 38", ws=True),
    Q("""Why should Jamal rest between each exercise before measuring again?
*4:2 to get bored | to drink water | to change his shoes | so his breathing is back to normal and each test starts the same""", ws=True),
    Q("""Alcohol affects the brain and the liver. Which of these is an effect of drinking too much alcohol?
*3 better eyesight | stronger bones | slower reactions | more vitamins"""),
    Q("""Humans change as they grow. Put these stages in order from youngest: adult, baby, teenager, child.
{M2:baby, child, teenager, adult;baby child teenager adult;baby,child,teenager,adult;baby - child - teenager - adult}
~ Write the four words in order, separated by commas."""),
    Q("""The changes as a child's body becomes an adult's are called {M2:puberty;adolescence}."""),
    Q("""Which part of the blood fights germs?
*1 white blood cells | red blood cells | plasma | platelets"""),
    Q("""Platelets in blood help it to {M2:clot;clotting;form a scab;scab;thicken;stop bleeding;make scabs}."""),
    Q("""Dev wants to test if people who exercise more have lower resting pulse rates. Which is the best plan?
*2:2 ask one friend | measure the resting pulse of many people and record how much each exercises a week | measure his own pulse while running | count how many trainers people own""", ws=True),
]

P5 = [
    Q("""Look at the skeleton. Write the names of the bones with these letters.
D {M:pelvis;hip bone;hips;hip;hip bones}
E {M:femur;thigh bone;thighbone}
Which two lettered bones meet at the knee joint? {G2:E;F;H} {G2}
~ Two letters.""",
      S.skeleton(SKEL), "a skeleton with letters A to H"),
    Q("""Why do broken bones of older people often heal more slowly than children's?
*2:2 older bones are made of metal | bones grow and repair faster while we are young | children have fewer bones | older people have no blood"""),
    Q("""Joints let bones move. The elbow moves like a door hinge. The shoulder can turn in many directions. Name the kind of joint in the shoulder.
{M2:ball and socket;ball-and-socket;ball and socket joint}"""),
    Q("""Look at the circulation diagram. Write the missing words.
X is {M:lungs;the lungs;lung}
Y is {M:heart;the heart}
What gas does blood pick up in X? {M2:oxygen;O2}""",
      S.circulation({"lungs": "X", "heart": "Y"}), "the circulation diagram with X in place of the lungs and Y in place of the heart"),
    Q("""William Harvey showed in 1628 that blood goes round and round the body. What evidence would show that blood flows in one direction in veins?
*3:2 veins are blue | people have two arms | veins have valves that let blood flow only one way | the heart is on the left""", ws=True),
    Q("""The table shows how much energy some foods give.
| Food (100 g) | Energy (kJ)
| apple | 220
| bread | 1000
| cheese | 1700
| crisps | 2200
Which food gives the most energy per 100 g? {M:crisps;the crisps}
How many times more energy is in 100 g of bread than 100 g of apple? Give your answer to the nearest whole number. {N2:5}
Why is it not healthy to eat mostly crisps even though they give lots of energy?
*1:2 they are high in fat and salt and low in vitamins | they have no energy | they are too crunchy | they contain protein""", ws=True),
    Q("""Where in the digestive system is water taken back into the body? {M2:large intestine;the large intestine;colon;bowel}"""),
    Q("""Villi are tiny finger-like folds inside the small intestine. How do they help?
*4:2 they push food back up | they make saliva | they chew food | they give a large surface so food is absorbed quickly"""),
    Q("""Look at the chest. When we breathe in, the diaphragm (D) moves {M2:down;downwards;down and flattens;flattens;downward;down and flat} and the ribs (E) move {M2:up and out;out;up;outwards;upwards;up and outwards}.""",
      S.chest({"lung": "B", "diaphragm": "D", "ribs": "E"}), "a chest with letters B lung, D diaphragm, E ribs"),
    Q("""Harriet tested how quickly her class's pulse rates returned to normal after exercise. She recorded fit and less fit pupils. Use the graph for one pupil.
What was the pulse at 4 minutes after stopping? {N:100} beats per minute
How long did it take to return to 70? {N:8} minutes
Predict the pulse at 12 minutes.
*2:2 40 | 70 | 120 | 160""",
      S.line_graph([0, 2, 4, 6, 8, 10], [150, 125, 100, 80, 70, 70], "time after stopping (minutes)", "pulse (beats per minute)", 10, 2, 160, 20),
      "a line graph: pulse 150 at 0 minutes after stopping, 125 at 2, 100 at 4, 80 at 6, 70 at 8 and 70 at 10", ws=True),
    Q("""A fitter person's pulse usually returns to normal {M2:faster;more quickly;quicker;sooner;quickly} after exercise."""),
    Q("""Smoke contains tar and nicotine. Nicotine is addictive. What does addictive mean?
*1:2 the body craves it, so it is very hard to stop | it is good for the lungs | it is a kind of vitamin | it makes you taller"""),
    Q("""From this list, choose the two that help keep the heart healthy: smoking, regular exercise, a balanced diet, eating lots of salt.
{G2:exercise|regular exercise|exercising;a balanced diet|balanced diet|healthy diet|a healthy diet} {G2}"""),
    Q("""Look at the teeth. Which letter shows the tooth with the widest chewing surface? {T:C}
An adult has 32 teeth. Twelve are molars. How many are not molars? {M2:20;twenty;20 teeth}""",
      S.teeth(["A", "B", "C"]), "three teeth labelled A, B and C"),
    Q("""A vegan eats no food from animals. Which food could give protein in a vegan diet?
*3:2 cheese | eggs | lentils | fish"""),
    Q("""Leon tested the idea that people with bigger hands can hold more marbles. He tested 6 pupils.
How could he make his conclusion more reliable?
*1:2 test many more pupils | use bigger marbles | test only himself | stop after one pupil
What should he measure for each pupil? Name two things.
{G2:hand size|hand span|size of hand|hand length|length of hand|span;number of marbles|marbles|how many marbles} {G2}""", ws=True),
    Q("""Which organ cleans the blood and makes urine?
*2:2 liver | kidney | lung | heart"""),
    Q("""Diseases such as colds can spread by coughs and sneezes. Which of these helps stop them spreading?
*3:2 sharing cups | sneezing into your hands and then shaking hands | catching sneezes in a tissue and washing your hands | opening every door with your hands"""),
    Q("""Edward Jenner developed the first vaccine in 1796, against smallpox. What does a vaccine do?
*1:2 helps the body learn to fight a disease before catching it | cures a broken bone | gives the body vitamins | stops the heart beating too fast"""),
    Q("""As people grow old, some changes happen to the body. Which is a common change in old age?
*4 teeth grow back | bones get longer | height doubles | skin becomes less stretchy and wrinkles"""),
    Q("""Lottie's plan to test which drink is best for sport: "I will give one friend water and another friend juice, then see who runs fastest."
Which is a reason her test is not fair?
*2:2 she uses drinks | different people run at different speeds, so the drink is not the only change | water is clear | juice is sweet""", ws=True),
    Q("""Write the organ system each organ belongs to.
| Organ | System
| stomach | {M2:digestive;digestive system;digestion}
| heart | {M2:circulatory;circulatory system;circulation;circulatory system (blood)}
| lungs | {M2:respiratory;breathing;respiratory system;breathing system;the breathing system}"""),
]

PAPERS = [P1, P2, P3, P4, P5]
