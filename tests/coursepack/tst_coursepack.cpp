// coursepack: every validation fault is reported as file:line and stops the build without
// writing; the tiny course's tables and templates come out byte for byte; every question
// document is MIME that holds its pictures; the descriptor and tables read back through content.
#include "mimeparts.h"

#include "pack.h"

#include "content/content.h"
#include "records/records.h"

#include "../common/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTiny = QStringLiteral(LARKSPUR_TEST_DATA "/tinycourse");

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

using testfiles::readBytes;

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Edits applied to a copy of the tiny course: path -> new bytes (a null array deletes the file).
using Edits = QList<std::pair<QString, QByteArray>>;

QByteArray paperOf(int copies, const QByteArray &name)
{
    QByteArray out;
    for (int i = 0; i < copies; ++i)
        out += name + '\n';
    return out;
}

QByteArray blanks(int count, const QByteArray &blank)
{
    QByteArray out = "<p>Many blanks.</p>\n";
    for (int i = 0; i < count; ++i)
        out += "<p>" + blank + "</p>\n";
    return out;
}

QByteArray topics(int count)
{
    QByteArray out = "{ \"topics\": [\n";
    for (int t = 0; t < count; ++t) {
        out += "  { \"name\": \"Topic " + QByteArray::number(t + 1) + "\", \"papers\": [";
        for (int p = 1; p <= 5; ++p)
            out += QByteArray(p > 1 ? ", " : "") + "\"spelling/paper2.txt\"";
        out += "] }" + QByteArray(t + 1 < count ? "," : "") + "\n";
    }
    return out + "] }\n";
}

} // namespace

class TestCoursepack : public QObject
{
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void faultsAreAllCollected();
    void programExitsNonZeroOnFault();
    void tablesAndTemplatesByteForByte();
    void questionDocumentsAreMimeWithTheirPictures();
    void gapsAreLabelledAndKeysStayHidden();
    void descriptorAndTablesReadBack();
    void staleItemsAreRemoved();
    void picturesAreAddedByNumber();
    void startItemsAreListedApart();
    void listSummarisesTheCourse();
    void flagsTravelInTheirOwnTable();
    void guideFlagExamplesBuild();
    void passageIsShownOnEveryPageThatNamesIt();
};

void TestCoursepack::faults_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("expected"); // "file:line: start of the message"

    const QString simple = QStringLiteral("words/spelling/simple.html");
    auto simpleWith = [](const QByteArray &blank) {
        return Edits{{QStringLiteral("words/spelling/simple.html"),
                      "<p>First line.</p>\n<p>Spell it: " + blank + "</p>\n"}};
    };
    QTest::newRow("unknown type") << simpleWith("<blank type=\"Z\">kitten</blank>")
                                  << simple + ":2: unknown answer type \"Z\"";
    QTest::newRow("lower-case type") << simpleWith("<blank type=\"t\">kitten</blank>")
                                     << simple + ":2: unknown answer type \"t\"";
    QTest::newRow("no type") << simpleWith("<blank>kitten</blank>")
                             << simple + ":2: blank without a type";
    QTest::newRow("Q not 1-4") << simpleWith("<blank type=\"Q\">5</blank>")
                               << simple + ":2: Q key \"5\" must be the option number 1 to 4";
    QTest::newRow("N word") << simpleWith("<blank type=\"N\">five</blank>")
                            << simple + ":2: N key \"five\" is not a number";
    QTest::newRow("N grouped") << simpleWith("<blank type=\"N\">7,200</blank>")
                               << simple + ":2: N key \"7,200\" is not a number";
    QTest::newRow("N with unit") << simpleWith("<blank type=\"N\">5 cm</blank>")
                                 << simple + ":2: N key \"5 cm\" is not a number";
    QTest::newRow("F mixed") << simpleWith("<blank type=\"F\">1 1/2</blank>")
                             << simple + ":2: F key \"1 1/2\" is not a fraction";
    QTest::newRow("F zero denominator") << simpleWith("<blank type=\"F\">3/0</blank>")
                                        << simple + ":2: F key \"3/0\" is not a fraction";
    QTest::newRow("R decimal") << simpleWith("<blank type=\"R\">0.5</blank>")
                               << simple + ":2: R key \"0.5\" is not a fraction";
    QTest::newRow("X bad") << simpleWith("<blank type=\"X\">1 2 / 3</blank>")
                           << simple + ":2: X key \"1 2 / 3\" is not a mixed number";
    QTest::newRow("X fraction only") << simpleWith("<blank type=\"X\">2/3</blank>")
                                     << simple + ":2: X key \"2/3\" is not a mixed number";
    QTest::newRow("M without ;") << simpleWith("<blank type=\"M\">Skin;Moist skin</blank>")
                                 << simple + ":2: M key \"Skin;Moist skin\" must begin with \";\"";
    QTest::newRow("M one alternative") << simpleWith("<blank type=\"M\">;Skin</blank>")
                                       << simple + ":2: M key \";Skin\" needs at least two";
    QTest::newRow("M empty alternative") << simpleWith("<blank type=\"M\">;Skin;;Fur</blank>")
                                         << simple + ":2: M key \";Skin;;Fur\" has an empty";
    QTest::newRow("G head without ;") << simpleWith("<blank type=\"G\">Air;Water</blank>")
                                      << simple + ":2: G key \"Air;Water\" must begin with";
    QTest::newRow("continuation first")
        << simpleWith("<blank type=\"G\"> </blank> <blank type=\"G\">;Air;Water</blank>")
        << simple + ":2: group continuation without its head";
    QTest::newRow("continuation after M")
        << simpleWith("<blank type=\"M\">;Air;Water</blank> <blank type=\"G\"> </blank>")
        << simple + ":2: group continuation without its head";
    QTest::newRow("continuation in next question")
        << Edits{{QStringLiteral("words/spelling/paper2.txt"), "simple.html\ncont.html\n"},
                 {QStringLiteral("words/spelling/cont.html"),
                  "<p>Go on: <blank type=\"G\"> </blank></p>\n"}}
        << QStringLiteral("words/spelling/cont.html:1: group continuation without its head");
    QTest::newRow("group too big")
        << Edits{{simple, "<p><blank type=\"G\">;" + QByteArray(";a").repeated(21).mid(1) +
                              "</blank>\n" +
                              QByteArray("<blank type=\"G\"> </blank>\n").repeated(20) + "</p>\n"}}
        << simple + ":1: the group has 21 blanks; a group holds at most 20";
    QTest::newRow("group short of alternatives")
        << simpleWith("<blank type=\"G\">;Air;Water</blank> <blank type=\"G\"> </blank> "
                      "<blank type=\"G\"> </blank>")
        << simple + ":2: the group has 3 blanks but only 2 alternatives";
    QTest::newRow("21 blanks in a question")
        << Edits{{simple, blanks(21, "<blank type=\"T\">cat</blank>")}}
        << simple + ":22: the question has 21 answer blanks; the answer sheet holds at most 20";
    QTest::newRow("81 blanks in a paper")
        << Edits{{QStringLiteral("words/spelling/paper2.txt"),
                  paperOf(5, "sixteen.html") + "simple.html\n"}}
        << QStringLiteral("words/spelling/paper2.txt:6: the paper has more than 80 answer blanks");
    QTest::newRow("mark zero") << simpleWith("<blank type=\"T\" mark=\"0\">cat</blank>")
                               << simple + ":2: mark \"0\" is not a positive whole number";
    QTest::newRow("mark fraction") << simpleWith("<blank type=\"T\" mark=\"1.5\">cat</blank>")
                                   << simple + ":2: mark \"1.5\" is not a positive whole number";
    QTest::newRow("mark word") << simpleWith("<blank type=\"T\" mark=\"two\">cat</blank>")
                               << simple + ":2: mark \"two\" is not a positive whole number";
    QTest::newRow("misspelt attribute") << simpleWith("<blank type=\"T\" marks=\"2\">cat</blank>")
                                        << simple + ":2: unknown attribute \"marks\"";
    // Marking flags: values, the answer types they fit, and sets of forms in groups.
    QTest::newRow("case other value") << simpleWith("<blank type=\"T\" case=\"yes\">Leeds</blank>")
                                      << simple + ":2: case=\"yes\": the only value is";
    QTest::newRow("case on a number") << simpleWith("<blank type=\"N\" case=\"exact\">5</blank>")
                                      << simple + ":2: case=\"exact\" is for T, L, M and G";
    QTest::newRow("sentence other value")
        << simpleWith("<blank type=\"L\" sentence=\"true\">It is.</blank>")
        << simple + ":2: sentence=\"true\": the only value is";
    QTest::newRow("sentence on a group")
        << simpleWith("<blank type=\"G\" sentence=\"yes\">;Air;Water</blank>")
        << simple + ":2: sentence=\"yes\" is for T, L and M blanks, not G";
    QTest::newRow("punctuation alone")
        << simpleWith("<blank type=\"L\" punctuation=\"counts\">It is.</blank>")
        << simple + ":2: punctuation=\"counts\" needs sentence=\"yes\"";
    QTest::newRow("punctuation other value")
        << simpleWith("<blank type=\"L\" sentence=\"yes\" punctuation=\"yes\">It is.</blank>")
        << simple + ":2: punctuation=\"yes\": the only value is";
    QTest::newRow("punctuation without a final mark")
        << simpleWith("<blank type=\"M\" sentence=\"yes\" punctuation=\"counts\">"
                      ";It is.;It is</blank>")
        << simple + ":2: punctuation=\"counts\", but the answer \"It is\" does not end";
    QTest::newRow("flag on a further group blank")
        << simpleWith("<blank type=\"G\">;Air;Water</blank> "
                      "<blank type=\"G\" case=\"exact\"> </blank>")
        << simple + ":2: case=\"exact\" on a group's further blank";
    QTest::newRow("empty form in a set")
        << simpleWith("<blank type=\"G\">;light||sun;water</blank>")
        << simple + ":2: G key \";light||sun;water\" has an empty form in the set";
    QTest::newRow("form in two sets")
        << simpleWith("<blank type=\"G\">;light|sun;water|Sun</blank>")
        << simple + ":2: G key \";light|sun;water|Sun\" lists \"Sun\" twice";
    QTest::newRow("sets short of blanks")
        << simpleWith("<blank type=\"G\">;light|sunlight;water|rain</blank> "
                      "<blank type=\"G\"> </blank> <blank type=\"G\"> </blank>")
        << simple + ":2: the group has 3 blanks but only 2 sets of forms";
    QTest::newRow("set sign in an M key")
        << simpleWith("<blank type=\"M\">;light|sun;water</blank>")
        << simple + ":2: M key \";light|sun;water\" holds \"|\"";
    QTest::newRow("key with >") << simpleWith("<blank type=\"T\">a&gt;b</blank>")
                                << simple + ":2: answer key \"a>b\" holds \">\" or \"#\"";
    QTest::newRow("key with #") << simpleWith("<blank type=\"T\">no#1</blank>")
                                << simple + ":2: answer key \"no#1\" holds \">\" or \"#\"";
    QTest::newRow("key with &#35;") << simpleWith("<blank type=\"T\">no&#35;1</blank>")
                                    << simple + ":2: answer key \"no#1\" holds \">\" or \"#\"";
    QTest::newRow("key with line break") << simpleWith("<blank type=\"T\">kit\nten</blank>")
                                         << simple + ":2: answer key holds a line break";
    QTest::newRow("empty key") << simpleWith("<blank type=\"T\"> </blank>")
                               << simple + ":2: empty answer key";
    QTest::newRow("unknown entity") << simpleWith("<blank type=\"T\">a&bogus;</blank>")
                                    << simple + ":2: unknown entity \"&bogus;\"";
    QTest::newRow("markup in key") << simpleWith("<blank type=\"T\"><b>cat</b></blank>")
                                   << simple + ":2: answer key holds markup";
    QTest::newRow("unclosed blank")
        << simpleWith("<blank type=\"T\">cat") << simple + ":2: <blank> without its </blank>";
    QTest::newRow("no blank") << Edits{{simple, "<p>Nothing to answer.</p>\n"}}
                              << simple + ":1: the question has no answer blank";
    QTest::newRow("text outside Windows-1252")
        << simpleWith("3 \xE2\x88\x92 1 = <blank type=\"N\">2</blank>")
        << simple + ":2: \"\xE2\x88\x92\" (U+2212) cannot be held in Windows-1252";
    QTest::newRow("key outside Windows-1252")
        << simpleWith("<blank type=\"T\">x \xE2\x89\xA4 3</blank>")
        << simple + ":2: answer key \"x \xE2\x89\xA4 3\" holds \"\xE2\x89\xA4\" (U+2264)";
    QTest::newRow("not UTF-8") << simpleWith("caf\xE9 <blank type=\"T\">cat</blank>")
                               << simple + ":2: the text is not valid UTF-8";
    QTest::newRow("topic name outside Windows-1252")
        << Edits{{QStringLiteral("words/subject.json"),
                  readBytes(kTiny + "/words/subject.json")
                      .replace("\"Spelling\"", "\"Spelling \xE2\x9C\x93\"")}}
        << QString::fromUtf8("words/subject.json:3: topic name \"Spelling \xE2\x9C\x93\" holds");
    QTest::newRow("four subjects")
        << Edits{{QStringLiteral("course.json"),
                  "{ \"name\": \"T\", \"code\": \"T\",\n  \"subjects\": [\n"
                  "    { \"name\": \"Words\", \"folder\": \"words\", \"firstId\": 12001 },\n"
                  "    { \"name\": \"\" }, { \"name\": \"\" }, { \"name\": \"\" } ] }\n"}}
        << QStringLiteral("course.json:2: 4 subjects; a course has at most 3");
    QTest::newRow("no subjects")
        << Edits{{QStringLiteral("course.json"),
                  "{ \"name\": \"T\", \"code\": \"T\",\n  \"subjects\": [] }\n"}}
        << QStringLiteral("course.json:2: the course needs a \"subjects\" list");
    QTest::newRow("bad code")
        << Edits{{QStringLiteral("course.json"),
                  readBytes(kTiny + "/course.json").replace("\"TTC\"", "\"T-C\"")}}
        << QStringLiteral("course.json:3: course \"code\" must be 1 to 10 letters or digits");
    QTest::newRow("eleven topics") << Edits{{QStringLiteral("words/subject.json"), topics(11)}}
                                   << QStringLiteral("words/subject.json:1: 11 topics; a subject "
                                                     "has at most 10");
    QTest::newRow("four papers in a topic")
        << Edits{{QStringLiteral("words/subject.json"),
                  readBytes(kTiny + "/words/subject.json")
                      .replace(", \"spelling/paper5.txt\"", "")}}
        << QStringLiteral("words/subject.json:3: topic \"Spelling\" has 4 papers; every topic "
                          "has exactly 5");
    QTest::newRow("overlapping ids")
        << Edits{{QStringLiteral("course.json"),
                  readBytes(kTiny + "/course.json").replace("25001", "12004")}}
        << QStringLiteral("course.json:7: duplicate question ids: subject \"Numbers\" uses "
                          "12004-12014, which overlaps 12001-12006 of subject 1");
    QTest::newRow("ids reach 30000")
        << Edits{{QStringLiteral("course.json"),
                  readBytes(kTiny + "/course.json").replace("25001", "29995")}}
        << QStringLiteral("course.json:7: subject \"Numbers\" has 11 questions, so its ids run "
                          "from 29995 to 30005; ids must stay below 30000");
    QTest::newRow("first id too small")
        << Edits{{QStringLiteral("course.json"),
                  readBytes(kTiny + "/course.json").replace("12001", "9001")}}
        << QStringLiteral("course.json:5: firstId 9001: question ids are 5-digit numbers");
    QTest::newRow("missing picture")
        << Edits{{QStringLiteral("words/spelling/pictures.html"),
                  "<p>See:</p>\n<p><img src=\"nothere.png\"></p>\n<blank type=\"T\">x</blank>\n"}}
        << QStringLiteral("words/spelling/pictures.html:2: missing picture \"nothere.png\"");
    QTest::newRow("picture outside the folder")
        << Edits{{QStringLiteral("words/spelling/pictures.html"),
                  "<p><img src=\"../../numbers/x.png\"></p>\n<blank type=\"T\">x</blank>\n"}}
        << QStringLiteral("words/spelling/pictures.html:1: picture \"../../numbers/x.png\" must "
                          "be a file beside the question source");
    QTest::newRow("picture of a wrong kind")
        << Edits{{QStringLiteral("words/spelling/pictures.html"),
                  "<p><img src=\"dot.bmp\"></p>\n<blank type=\"T\">x</blank>\n"}}
        << QStringLiteral("words/spelling/pictures.html:1: picture \"dot.bmp\" is not PNG, GIF");
    QTest::newRow("missing question source")
        << Edits{{QStringLiteral("words/spelling/simple.html"), QByteArray()}}
        << QStringLiteral("words/spelling/paper2.txt:1: question source "
                          "\"words/spelling/simple.html\" is missing");
    const QString passage = QStringLiteral("words/spelling/story.passage.html");
    auto simpleShowing = [](const QByteArray &tag, const QByteArray &passageText) {
        Edits edits{{QStringLiteral("words/spelling/simple.html"),
                     "<p>Read it.</p>\n" + tag + "\n<p><blank type=\"T\">kitten</blank></p>\n"}};
        if (!passageText.isNull())
            edits.append({QStringLiteral("words/spelling/story.passage.html"), passageText});
        return edits;
    };
    QTest::newRow("missing passage")
        << simpleShowing("<passage src=\"story.passage.html\"/>", QByteArray())
        << simple + ":2: passage \"words/spelling/story.passage.html\" is missing";
    QTest::newRow("passage without a name") << simpleShowing("<passage/>", "<p>Text.</p>\n")
                                            << simple + ":2: <passage> needs the name of its file";
    QTest::newRow("passage in another folder")
        << simpleShowing("<passage src=\"../story.passage.html\"/>", "<p>Text.</p>\n")
        << simple + ":2: passage \"../story.passage.html\" must be a file in the question's";
    QTest::newRow("blank inside a passage")
        << simpleShowing("<passage src=\"story.passage.html\"/>",
                         "<p>Once</p>\n<p>upon <blank type=\"T\">a</blank> time</p>\n")
        << passage + ":2: a passage holds no <blank>";
    QTest::newRow("character outside Windows-1252 in a passage")
        << simpleShowing("<passage src=\"story.passage.html\"/>",
                         "<p>One</p>\n<p>Two</p>\n<p>x \xe2\x88\x9a 2</p>\n")
        << passage + ":3: \"\u221a\" (U+221a) cannot be held in Windows-1252";
    QTest::newRow("character beyond the first plane in a passage")
        << simpleShowing("<passage src=\"story.passage.html\"/>",
                         "<p>One</p>\n<p>Star \xf0\x9f\x8c\x9f</p>\n")
        << passage + ":2: \"\U0001f31f\" (U+1f31f) cannot be held in Windows-1252";
    QTest::newRow("fault below a passage keeps its line")
        << simpleShowing("<passage src=\"story.passage.html\"/>\n<blank type=\"Q\">7</blank>",
                         "<p>One</p>\n<p>Two</p>\n<p>Three</p>\n")
        << simple + ":3: Q key \"7\" must be the option number 1 to 4";
    QTest::newRow("missing paper file")
        << Edits{{QStringLiteral("words/spelling/paper3.txt"), QByteArray()}}
        << QStringLiteral("words/subject.json:4: paper file \"words/spelling/paper3.txt\" is "
                          "missing");
    QTest::newRow("missing subject file")
        << Edits{{QStringLiteral("numbers/subject.json"), QByteArray()}}
        << QStringLiteral("course.json:7: file \"numbers/subject.json\" is missing");
    QTest::newRow("empty paper")
        << Edits{{QStringLiteral("words/spelling/paper3.txt"), "# nothing yet\n"}}
        << QStringLiteral("words/spelling/paper3.txt:1: the paper lists no question");
    QTest::newRow("broken JSON") << Edits{{QStringLiteral("words/subject.json"),
                                           "{ \"topics\": [\n  { \"name\": }\n"}}
                                 << QStringLiteral("words/subject.json:2: JSON: ");
}

void TestCoursepack::faults()
{
    QFETCH(Edits, edits);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("course"));
    copyTree(kTiny, source);
    for (const auto &[path, bytes] : edits) {
        if (bytes.isNull())
            QVERIFY(QFile::remove(source + u'/' + path));
        else
            writeAll(source + u'/' + path, bytes);
    }
    // An earlier build's items must survive a failed build untouched.
    const QString output = dir.filePath(QStringLiteral("items"));
    writeAll(output + QStringLiteral("/30000"), "old descriptor");

    const coursepack::PackResult result = coursepack::packCourse({source, output, {}, {}, {}});
    QStringList texts;
    for (const coursepack::Fault &f : result.faults)
        texts.append(f.text());
    const QString want = source + u'/' + expected;
    const bool found = std::any_of(texts.begin(), texts.end(),
                                   [&](const QString &t) { return t.startsWith(want); });
    if (!found)
        qWarning().noquote() << "faults:" << texts.join(u'\n');
    QVERIFY(found);
    QVERIFY(!result.ok());
    QCOMPARE(QDir(output).entryList(QDir::Files), QStringList{QStringLiteral("30000")});
    QCOMPARE(readBytes(output + QStringLiteral("/30000")), QByteArray("old descriptor"));
}

void TestCoursepack::faultsAreAllCollected()
{
    QTemporaryDir dir;
    copyTree(kTiny, dir.path());
    writeAll(dir.filePath(QStringLiteral("words/spelling/simple.html")),
             "<blank type=\"Q\">7</blank>\n<blank type=\"N\">x</blank>\n");
    writeAll(dir.filePath(QStringLiteral("numbers/mock/mock.html")),
             "<blank type=\"T\" mark=\"-1\">a</blank>\n");
    const coursepack::PackResult result =
        coursepack::packCourse({dir.path(), dir.filePath(QStringLiteral("out")), {}, {}, {}});
    QCOMPARE(result.faults.size(), 3);
    QCOMPARE(result.faults.at(0).line, 1);
    QCOMPARE(result.faults.at(1).line, 2);
    QVERIFY(result.faults.at(2).file.endsWith(QStringLiteral("numbers/mock/mock.html")));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out"))));
}

void TestCoursepack::programExitsNonZeroOnFault()
{
    QTemporaryDir dir;
    copyTree(kTiny, dir.filePath(QStringLiteral("c")));
    writeAll(dir.filePath(QStringLiteral("c/words/spelling/simple.html")),
             "<p>x</p>\n<blank type=\"Q\">9</blank>\n");
    QProcess run;
    run.start(QStringLiteral(COURSEPACK_EXE),
              {dir.filePath(QStringLiteral("c")), dir.filePath(QStringLiteral("out"))});
    QVERIFY(run.waitForFinished(60000));
    QVERIFY(run.exitCode() != 0);
    const QString err = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(err.contains(dir.filePath(QStringLiteral("c")) +
                          QStringLiteral("/words/spelling/simple.html:2: Q key \"9\"")),
             qPrintable(err));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out"))));

    // And the sound course builds with exit code 0.
    run.start(QStringLiteral(COURSEPACK_EXE), {kTiny, dir.filePath(QStringLiteral("out"))});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("out/30000"))));
}

void TestCoursepack::tablesAndTemplatesByteForByte()
{
    QTemporaryDir dir;
    const coursepack::PackResult result = coursepack::packCourse({kTiny, dir.path(), {}, {}, {}});
    QVERIFY(result.ok());
    auto item = [&](int n) { return readBytes(dir.filePath(QString::number(n))); };
    auto lines = [](std::initializer_list<const char *> l) {
        QByteArray out;
        for (const char *s : l)
            out += QByteArray(s) + "\r\n";
        return out;
    };

    QCOMPARE(item(30000),
             lines({"...", "#NME#>Tiny Test Course", "#COD#>TTC", "-----------------------",
                    "#LAH#>Words", "#LBH#>", "#LCH#>Numbers", "#TT1#>1", "#TT2#>0", "#TT3#>2",
                    "#TP1#>5", "#TP2#>0", "#TP3#>10", "#TN1#>Spelling", "#TN2#",
                    "#TN3#>Fractions>Mock Examination", "..."}));

    // Subject 1: the text, choice, long answer, list, group, picture and 16-blank questions.
    QCOMPARE(item(30012), lines({"...", "#101#>12001>12002", "#102#>12003", "#103#>12004",
                                 "#104#>12005", "#105#>12006", "..."}));
    QCOMPARE(
        item(30013),
        lines({"...", "#12001#>mat>2>It rained because the clouds were heavy",
               "#12002#>;Skin;Moist skin>;Air;Water;Sunlight;Light> > ", "#12003#>kitten",
               "#12004#>kitten", "#12005#>star>5",
               "#12006#>cat>dog>sun>hat>pen>cup>bed>box>fox>log>map>net>owl>pig>rat>van", "..."}));
    QCOMPARE(item(30014),
             lines({"...", "#12001#>T>Q>L", "#12002#>M>G>G>G", "#12003#>T", "#12004#>T",
                    "#12005#>T>N", "#12006#>T>T>T>T>T>T>T>T>T>T>T>T>T>T>T>T", "..."}));
    QCOMPARE(item(30015),
             lines({"...", "#12001#>1>1>3", "#12002#>2>1>1>1", "#12003#>1", "#12004#>1",
                    "#12005#>2>1", "#12006#>1>1>1>1>1>1>1>1>1>1>1>1>1>1>1>1", "..."}));
    QCOMPARE(item(30111), QByteArray("...\r\n#FSE#>>>>>\r\n#SSE#>>>>>\r\n#LTM#>>>>>\r\n"
                                     "#CDD#>>>>>\r\n#FST#>0>0>0>0>0\r\n#SST#>0>0>0>0>0\r\n..."));
    const QByteArray perPaper1 = lines(
        {"...", "#101#>>>>>>>", "#102#>", "#103#>", "#104#>>", "#105#>>>>>>>>>>>>>>>>", "..."});
    for (int f = 2; f <= 5; ++f)
        QCOMPARE(item(30110 + f), perPaper1);
    QCOMPARE(item(30116), QByteArray("#TRD#\r\n"));

    // Subject 2 has no name: no tables, no templates.
    for (int n : {30022, 30023, 30024, 30025, 30121, 30122, 30126})
        QVERIFY2(!QFileInfo::exists(dir.filePath(QString::number(n))),
                 qPrintable(QString::number(n)));

    // Subject 3: numbers, fractions, mixed numbers and a shared question source.
    QCOMPARE(item(30032), lines({"...", "#101#>25001>25002", "#102#>25003", "#103#>25004",
                                 "#104#>25005", "#105#>25006", "#106#>25007", "#107#>25008",
                                 "#108#>25009", "#109#>25010", "#110#>25011", "..."}));
    QCOMPARE(item(30033), lines({"...", "#25001#>3.75>96", "#25002#>1/2>1 2/3>5/14",
                                 "#25003#>3.75>96", "#25004#>3.75>96", "#25005#>3.75>96",
                                 "#25006#>3.75>96", "#25007#>1>4", "#25008#>3.75>96",
                                 "#25009#>3.75>96", "#25010#>3.75>96", "#25011#>3.75>96", "..."}));
    QCOMPARE(item(30034),
             lines({"...", "#25001#>N>N", "#25002#>F>X>R", "#25003#>N>N", "#25004#>N>N",
                    "#25005#>N>N", "#25006#>N>N", "#25007#>Q>N", "#25008#>N>N", "#25009#>N>N",
                    "#25010#>N>N", "#25011#>N>N", "..."}));
    QCOMPARE(item(30035),
             lines({"...", "#25001#>2>1", "#25002#>2>1>3", "#25003#>2>1", "#25004#>2>1",
                    "#25005#>2>1", "#25006#>2>1", "#25007#>1>1", "#25008#>2>1", "#25009#>2>1",
                    "#25010#>2>1", "#25011#>2>1", "..."}));
    QCOMPARE(item(30131), QByteArray("...\r\n#FSE#>>>>>>>>>>\r\n#SSE#>>>>>>>>>>\r\n"
                                     "#LTM#>>>>>>>>>>\r\n#CDD#>>>>>>>>>>\r\n"
                                     "#FST#>0>0>0>0>0>0>0>0>0>0\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n"
                                     "..."));
    QCOMPARE(item(30132), lines({"...", "#101#>>>>>", "#102#>>", "#103#>>", "#104#>>", "#105#>>",
                                 "#106#>>", "#107#>>", "#108#>>", "#109#>>", "#110#>>", "..."}));
    QCOMPARE(item(30136), QByteArray("#TRD#\r\n"));
    // A course without marking flags has no flags table.
    for (int n : {30016, 30026, 30036})
        QVERIFY(!QFileInfo::exists(dir.filePath(QString::number(n))));
    QCOMPARE(result.itemCount, 1 + 2 * 10 + 6 + 11);
}

void TestCoursepack::questionDocumentsAreMimeWithTheirPictures()
{
    QTemporaryDir dir;
    QVERIFY(coursepack::packCourse({kTiny, dir.path(), {}, {}, {}}).ok());
    const QByteArray star = readBytes(kTiny + QStringLiteral("/words/spelling/star.svg"));
    const QByteArray dot = readBytes(kTiny + QStringLiteral("/words/spelling/dot.png"));
    QList<int> ids;
    for (int id = 12001; id <= 12006; ++id)
        ids.append(id);
    for (int id = 25001; id <= 25011; ++id)
        ids.append(id);
    static const QRegularExpression imgSrc(QStringLiteral("<img\\b[^>]*\\bsrc=[\"']([^\"']*)"));
    for (int id : ids) {
        const QByteArray bytes = readBytes(dir.filePath(QString::number(id)));
        const MimeDocument doc = parseMime(bytes);
        QVERIFY2(doc.error.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(id).arg(doc.error)));
        QVERIFY(!doc.parts.isEmpty());
        const MimePart &page = doc.parts.first();
        QVERIFY(page.headers.value(QStringLiteral("content-type")).startsWith(u"text/html"));
        QCOMPARE(headerParameter(page.headers.value(QStringLiteral("content-type")),
                                 QStringLiteral("charset")),
                 QStringLiteral("windows-1252"));
        QVERIFY(page.headers.value(QStringLiteral("content-location")).startsWith(u"http://"));
        QVERIFY(!bytes.contains("file:"));
        const QString html = records::fromWindows1252(page.body);
        QVERIFY(html.contains(QStringLiteral("charset=windows-1252")));
        QVERIFY(html.contains(QStringLiteral("<style>")));
        QVERIFY(html.endsWith(QStringLiteral("</html>\r\n")));

        // Every picture the page shows is a part of the document, found by its location.
        QSet<QString> shown;
        for (auto it = imgSrc.globalMatch(html); it.hasNext();)
            shown.insert(it.next().captured(1));
        QCOMPARE(doc.parts.size(), shown.size() + 1);
        for (const QString &src : shown) {
            auto part =
                std::find_if(doc.parts.begin() + 1, doc.parts.end(), [&](const MimePart &p) {
                    return p.headers.value(QStringLiteral("content-location")) == src;
                });
            QVERIFY2(part != doc.parts.end(), qPrintable(src));
            QVERIFY(src.startsWith(u"http://larkspur.local/"));
            if (src.endsWith(u"star.svg")) {
                QCOMPARE(part->body, star);
                QCOMPARE(part->headers.value(QStringLiteral("content-type")),
                         QStringLiteral("image/svg+xml"));
            } else {
                QVERIFY(src.endsWith(u"dot.png"));
                QCOMPARE(part->body, dot);
                QCOMPARE(part->headers.value(QStringLiteral("content-type")),
                         QStringLiteral("image/png"));
            }
        }
        if (id == 12005)
            QCOMPARE(shown.size(), 2); // the dot used twice travels once
        else
            QCOMPARE(shown.size(), 0);
    }
}

void TestCoursepack::gapsAreLabelledAndKeysStayHidden()
{
    QTemporaryDir dir;
    QVERIFY(coursepack::packCourse({kTiny, dir.path(), {}, {}, {}}).ok());
    auto page = [&](int id) {
        return records::fromWindows1252(
            parseMime(readBytes(dir.filePath(QString::number(id)))).parts.value(0).body);
    };
    static const QRegularExpression label(QStringLiteral("class=\"gap-label\">\\((.)\\)<"));
    auto labels = [](const QString &html) {
        QString out;
        for (auto it = label.globalMatch(html); it.hasNext();)
            out += it.next().captured(1);
        return out;
    };
    QCOMPARE(labels(page(12006)), QStringLiteral("abcdefghijklmnop"));
    QCOMPARE(labels(page(12002)), QStringLiteral("abcd"));
    QCOMPARE(labels(page(25002)), QStringLiteral("abc"));

    const QString first = page(12001);
    QCOMPARE(labels(first), QStringLiteral("abc"));
    QVERIFY(first.contains(QStringLiteral("gap gap-L")));
    QVERIFY(first.contains(QStringLiteral("<ol class=\"choices\">")));
    QVERIFY(!first.contains(QStringLiteral("clouds were heavy")));
    QVERIFY(!first.contains(QStringLiteral("<blank")));
    QVERIFY(!page(12002).contains(QStringLiteral("Sunlight")));
    // Entities in the text stay entities; &frac34; is written as it was.
    QVERIFY(page(25002).contains(QStringLiteral("&frac34;")));
    QVERIFY(!page(25002).contains(QStringLiteral("5/14")));
}

void TestCoursepack::descriptorAndTablesReadBack()
{
    QTemporaryDir items;
    QTemporaryDir data;
    QVERIFY(coursepack::packCourse({kTiny, items.path(), {}, {}, {}}).ok());
    const QString previousRoot = content::itemRoot();
    content::setItemRoot(items.path());
    const std::optional<content::CourseDescriptor> d = content::LoadDescriptor(data.path());
    const content::PaperLoad group = content::LoadPaperTables(data.path(), 1, 101);
    const content::PaperLoad sixteen = content::LoadPaperTables(data.path(), 1, 105);
    const content::PaperLoad mock = content::LoadPaperTables(data.path(), 3, 106);
    content::setItemRoot(previousRoot);

    QVERIFY(d.has_value());
    QCOMPARE(d->name, QStringLiteral("Tiny Test Course"));
    QCOMPARE(d->code, QStringLiteral("TTC"));
    QCOMPARE(d->subjects[0].name, QStringLiteral("Words"));
    QCOMPARE(d->subjects[0].topicCount, 1);
    QCOMPARE(d->subjects[0].paperCount, 5);
    QVERIFY(!d->subjects[1].exists());
    QCOMPARE(d->subjects[2].topicNames,
             (QStringList{QStringLiteral("Fractions"), QStringLiteral("Mock Examination")}));
    QCOMPARE(d->subjects[2].paperCount, 10);

    QVERIFY(!group.failed.has_value());
    QCOMPARE(group.tables.questionIds,
             (QStringList{QStringLiteral("12001"), QStringLiteral("12002")}));
    QCOMPARE(group.tables.blanksPerQuestion, (QList<int>{3, 4}));
    QCOMPARE(group.tables.answerKeys.mid(3),
             (QStringList{QStringLiteral(";Skin;Moist skin"),
                          QStringLiteral(";Air;Water;Sunlight;Light"), QStringLiteral(" "),
                          QStringLiteral(" ")}));
    QCOMPARE(group.tables.totalMarks, 10);
    QCOMPARE(sixteen.tables.blankCount, 16);
    QCOMPARE(mock.tables.answerTypes, (QStringList{QStringLiteral("Q"), QStringLiteral("N")}));
}

void TestCoursepack::staleItemsAreRemoved()
{
    QTemporaryDir dir;
    writeAll(dir.filePath(QStringLiteral("19999")), "a question of a bigger course");
    writeAll(dir.filePath(QStringLiteral("notes.txt")), "not an item");
    QVERIFY(coursepack::packCourse({kTiny, dir.path(), {}, {}, {}}).ok());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("19999"))));
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("notes.txt"))));
}

void TestCoursepack::picturesAreAddedByNumber()
{
    QTemporaryDir pictures;
    QTemporaryDir out;
    writeAll(pictures.filePath(QStringLiteral("about_off.bmp")), "BM-about");
    writeAll(pictures.filePath(QStringLiteral("instruction.gif")), "GIF89a-instruction");
    const QString qrc = out.filePath(QStringLiteral("items.qrc"));
    const coursepack::PackResult result = coursepack::packCourse(
        {kTiny, out.filePath(QStringLiteral("items")), pictures.path(), qrc, {}});
    QVERIFY(result.ok());
    QCOMPARE(readBytes(out.filePath(QStringLiteral("items/1"))), QByteArray("BM-about"));
    QCOMPARE(readBytes(out.filePath(QStringLiteral("items/90"))), QByteArray("GIF89a-instruction"));
    QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("items/2"))));
    // Every other picture is missing and reported, but does not stop the build.
    QCOMPARE(result.warnings.size(), qsizetype(content::graphicsList().size() - 2));
    QCOMPARE(result.itemCount, 38 + 2);

    const QByteArray list = readBytes(qrc);
    QVERIFY(list.contains("prefix=\"/items\""));
    QVERIFY(list.contains("<file alias=\"90\">items/90</file>"));
    QVERIFY(list.contains("<file alias=\"30000\">items/30000</file>"));
    QCOMPARE(list.count("<file "), 40);
}

void TestCoursepack::startItemsAreListedApart()
{
    QTemporaryDir pictures;
    QTemporaryDir out;
    writeAll(pictures.filePath(QStringLiteral("about_off.bmp")), "BM-about");
    const QString qrc = out.filePath(QStringLiteral("items.qrc"));
    const QString start = out.filePath(QStringLiteral("start.qrc"));
    QVERIFY(coursepack::packCourse(
                {kTiny, out.filePath(QStringLiteral("items")), pictures.path(), qrc, start})
                .ok());
    const QByteArray rest = readBytes(qrc);
    const QByteArray first = readBytes(start);
    QVERIFY(first.contains("prefix=\"/items\""));
    // Every item is listed once, in one of the two lists.
    const QStringList items = QDir(out.filePath(QStringLiteral("items"))).entryList(QDir::Files);
    QCOMPARE(rest.count("<file ") + first.count("<file "), items.size());
    for (const QString &item : items) {
        const QByteArray entry = "<file alias=\"" + item.toLatin1() + "\">";
        const bool atStart = coursepack::readAtStart(item.toInt());
        QVERIFY2(first.contains(entry) == atStart, qPrintable(item));
        QVERIFY2(rest.contains(entry) != atStart, qPrintable(item));
    }
    // What a start reads: the pictures, the descriptor, the tables, the result templates; not
    // the questions.
    for (int n : {1, 30000, 30012, 30111, 30136})
        QVERIFY2(coursepack::readAtStart(n), qPrintable(QString::number(n)));
    for (int n : {11001, 29999, 30200, 31001})
        QVERIFY2(!coursepack::readAtStart(n), qPrintable(QString::number(n)));
}

void TestCoursepack::listSummarisesTheCourse()
{
    QTemporaryDir dir;
    QVERIFY(coursepack::packCourse({kTiny, dir.path(), {}, {}, {}}).ok());
    QString text;
    QVERIFY(coursepack::listCourse(dir.path(), text));
    QVERIFY2(text.contains(QStringLiteral("Subject 1 \"Words\": 1 topic, 5 papers, 6 questions, "
                                          "27 blanks")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Subject 2: none")));
    QVERIFY(
        text.contains(QStringLiteral("Answer types: G (3), L (1), M (1), N (1), Q (1), T (20)")));
    QVERIFY(text.contains(QStringLiteral("Paper 101: 2 questions, 7 blanks, 10 marks")));
    QVERIFY(text.contains(QStringLiteral("Answer types: F (1), N (19), Q (1), R (1), X (1)")));
    QVERIFY(!coursepack::listCourse(dir.filePath(QStringLiteral("missing")), text));
}

// The flags go into a table of their own that the four classic tables know nothing of: the keys,
// types and marks come out as a reader without flags expects them (a set's forms as plain
// alternatives), and content hands the flags over blank by blank.
void TestCoursepack::flagsTravelInTheirOwnTable()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("course"));
    copyTree(kTiny, source);
    writeAll(source + QStringLiteral("/words/spelling/simple.html"),
             "<p>Write it again: on monday we went to leeds.</p>\n"
             "<p><blank type=\"L\" mark=\"2\" sentence=\"yes\" case=\"exact\">"
             "On Monday we went to Leeds.</blank></p>\n"
             "<p>Add the mark: <blank type=\"T\" sentence=\"yes\" punctuation='counts'>"
             "Can you swim?</blank> <blank type=\"M\" case=\"exact\">;Mr;Mister</blank></p>\n"
             "<p>Name two: <blank type=\"G\" case=\"exact\">;light|sunlight|the sun;water;"
             "Air|oxygen</blank> <blank type=\"G\"> </blank> <blank type=\"T\">cat</blank></p>\n");
    const QString items = dir.filePath(QStringLiteral("items"));
    const coursepack::PackResult result = coursepack::packCourse({source, items, {}, {}, {}});
    QVERIFY2(result.ok(), result.faults.isEmpty() ? "" : qPrintable(result.faults.first().text()));
    const auto lines = [](std::initializer_list<const char *> l) {
        QByteArray out;
        for (const char *s : l)
            out += QByteArray(s) + "\r\n";
        return out;
    };
    QCOMPARE(readBytes(items + QStringLiteral("/30016")),
             lines({"...", "#12001#>>>", "#12002#>>>>", "#12003#>CS>SP>C>C:3,1,2>>",
                    "#12004#>CS>SP>C>C:3,1,2>>", "#12005#>>", "#12006#>>>>>>>>>>>>>>>>", "..."}));
    QVERIFY(readBytes(items + QStringLiteral("/30013"))
                .contains("#12003#>On Monday we went to Leeds.>Can you swim?>;Mr;Mister>"
                          ";light;sunlight;the sun;water;Air;oxygen> >cat\r\n"));
    QVERIFY(readBytes(items + QStringLiteral("/30014")).contains("#12003#>L>T>M>G>G>T\r\n"));
    QVERIFY(!QFileInfo::exists(items + QStringLiteral("/30036"))); // no flag in subject 3

    QTemporaryDir data;
    const QString previousRoot = content::itemRoot();
    content::setItemRoot(items);
    const content::PaperLoad flagged = content::LoadPaperTables(data.path(), 1, 103);
    const content::PaperLoad plain = content::LoadPaperTables(data.path(), 1, 101);
    const content::PaperLoad other = content::LoadPaperTables(data.path(), 3, 101);
    content::setItemRoot(previousRoot);
    QVERIFY(flagged.ok() && plain.ok() && other.ok());
    QCOMPARE(flagged.tables.answerFlags, (QStringList{"CS", "SP", "C", "C:3,1,2", "", ""}));
    QCOMPARE(marking::parseBlankFlags(flagged.tables.answerFlags.at(3)).setSizes,
             (QList<int>{3, 1, 2}));
    QCOMPARE(plain.tables.answerFlags, QStringList(7));
    QCOMPARE(other.tables.answerFlags, QStringList(5));
}

// The guide's examples of marking flags, each a question of its own in the tiny course, build and
// judge as the guide says: capitals count where they must, a sentence may leave out its final
// mark unless punctuation counts, and two forms of one idea score once.
void TestCoursepack::guideFlagExamplesBuild()
{
    const QString guide = QString::fromUtf8(
        readBytes(QStringLiteral(LARKSPUR_TEST_DATA "/../../docs/course-authoring.md")));
    const qsizetype from = guide.indexOf(QStringLiteral("\n### Marking flags"));
    const qsizetype to = guide.indexOf(QStringLiteral("\n### "), from + 1);
    QVERIFY(from > 0 && to > from);
    static const QRegularExpression example(QStringLiteral("```html\n(.*?)```"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("course"));
    copyTree(kTiny, source);
    QByteArray paper = "simple.html\n";
    int examples = 0;
    for (auto it = example.globalMatch(QStringView(guide).mid(from, to - from)); it.hasNext();) {
        const QByteArray name = "guide-" + QByteArray::number(++examples) + ".html";
        writeAll(source + QStringLiteral("/words/spelling/") + QString::fromLatin1(name),
                 it.next().captured(1).toUtf8());
        paper += name + '\n';
    }
    QVERIFY2(examples >= 6, qPrintable(QString::number(examples)));
    writeAll(source + QStringLiteral("/words/spelling/paper2.txt"), paper);
    const QString items = dir.filePath(QStringLiteral("items"));
    const coursepack::PackResult result = coursepack::packCourse({source, items, {}, {}, {}});
    QVERIFY2(result.ok(), result.faults.isEmpty() ? qPrintable(result.writeError)
                                                  : qPrintable(result.faults.first().text()));

    QTemporaryDir data;
    const QString previousRoot = content::itemRoot();
    content::setItemRoot(items);
    const content::PaperLoad load = content::LoadPaperTables(data.path(), 1, 102);
    content::setItemRoot(previousRoot);
    QVERIFY(load.ok());
    const content::PaperTables &t = load.tables;
    QCOMPARE(t.questionIds.size(), examples + 1);

    QStringList model;
    for (int i = 0; i < t.blankCount; ++i)
        model.append(marking::ModelAnswer(QStringList(t.blankCount), t.answerKeys, t.answerTypes, i,
                                          t.answerFlags));
    const auto judge = [&](const QStringList &answers) {
        return marking::MarkTake(answers, t.answerKeys, t.answerTypes, t.blankMarks, t.answerFlags);
    };
    QCOMPARE(judge(model).percent, QStringLiteral("100"));

    bool sawCase = false, sawSentence = false, sawPunctuation = false, sawSets = false;
    for (int i = 0; i < t.blankCount; ++i) {
        const marking::BlankFlags flags = marking::parseBlankFlags(t.answerFlags.at(i));
        const QString answer = model.at(i);
        QStringList changed = model;
        const auto outcomeWith = [&](const QString &typed) {
            changed[i] = typed;
            return judge(changed).outcomes.at(i);
        };
        if (flags.caseExact && answer != answer.toLower()) {
            sawCase = true;
            QCOMPARE(outcomeWith(answer.toLower()), QString(marking::WrongMark));
        }
        if (flags.sentence) {
            const bool counts = flags.punctuationCounts;
            (counts ? sawPunctuation : sawSentence) = true;
            QCOMPARE(outcomeWith(QString(answer).replace(u' ', QStringLiteral("  "))),
                     QString(marking::RightMark));
            QCOMPARE(outcomeWith(answer.chopped(1)),
                     QString(counts ? marking::WrongMark : marking::RightMark));
        }
        if (!flags.setSizes.isEmpty() && flags.setSizes.first() > 1) {
            sawSets = true;
            // The first two forms of the first set: one idea, one mark.
            const QStringList forms = marking::splitAlternatives(t.answerKeys.at(i)).value();
            changed[i] = forms.at(0);
            changed[i + 1] = forms.at(1);
            const marking::TakeResult twice = judge(changed);
            QCOMPARE(twice.outcomes.mid(i, 2),
                     (QStringList{QString(marking::RightMark), QString(marking::WrongMark)}));
        }
    }
    QVERIFY(sawCase && sawSentence && sawPunctuation && sawSets);
}

void TestCoursepack::passageIsShownOnEveryPageThatNamesIt()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("course"));
    copyTree(kTiny, source);
    writeAll(source + QStringLiteral("/words/spelling/story.passage.html"),
             "<h3>The Fox</h3>\n<p>A fox ran <i>fast</i>.</p>\n");
    const QByteArray question = "<p>Read it.</p>\n<passage src=\"story.passage.html\"/>\n"
                                "<p>Who ran? <blank type=\"T\">fox</blank></p>\n";
    writeAll(source + QStringLiteral("/words/spelling/simple.html"), question);
    writeAll(source + QStringLiteral("/words/spelling/words.html"), question);
    const QString output = dir.filePath(QStringLiteral("items"));
    const coursepack::PackResult result = coursepack::packCourse({source, output, {}, {}, {}});
    QVERIFY(result.ok());

    int shown = 0;
    for (int id = 12001; id <= 12006; ++id) {
        const QString page = records::fromWindows1252(
            parseMime(readBytes(output + u'/' + QString::number(id))).parts.value(0).body);
        if (!page.contains(QStringLiteral("A fox ran")))
            continue;
        ++shown;
        QVERIFY(page.contains(QStringLiteral(
            "<div class=\"passage\"><h3>The Fox</h3> <p>A fox ran <i>fast</i>.</p> </div>")));
        QVERIFY(!page.contains(QStringLiteral("<passage")));
        QVERIFY(page.contains(QStringLiteral("gap-label\">(a)")));
    }
    QCOMPARE(shown, 3); // words.html in paper 1; simple.html in papers 2 and 3
}

QTEST_GUILESS_MAIN(TestCoursepack)
#include "tst_coursepack.moc"
