// Course files: written and read back whole; every kind of damage and every malicious page refused
// with a reason a teacher can act on and nothing kept; the shipped course passes the same checks;
// installed courses found, chosen and remembered.

#include "course.h"
#include "items.h"

#include "content/content.h"
#include "courses/catalog.h"
#include "courses/checks.h"
#include "courses/coursefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Mutation = std::function<void(courses::Items &, courses::CourseInfo &)>;

void putNumber(QByteArray &out, quint32 n)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((n >> (8 * i)) & 0xFF));
}

struct RawEntry
{
    quint32 number, storedSize, fullSize, method;
    QByteArray bytes;
};

// A file laid out by hand, with a sound checksum: the damage is in what it says.
QByteArray rawFile(const QList<RawEntry> &entries, quint32 format = 1, qint64 count = -1)
{
    QByteArray out("LarkspurCourse\r\n");
    putNumber(out, format);
    putNumber(out, count < 0 ? quint32(entries.size()) : quint32(count));
    for (const RawEntry &e : entries) {
        putNumber(out, e.number);
        putNumber(out, e.storedSize);
        putNumber(out, e.fullSize);
        putNumber(out, e.method);
        out += e.bytes;
    }
    return out + QCryptographicHash::hash(out, QCryptographicHash::Sha256);
}

const QByteArray Details =
    "...\r\n#NME#>Tiny Test Course\r\n#COD#>TTC\r\n#VER#>3\r\n#BLD#>1\r\n...\r\n";

RawEntry stored(quint32 number, const QByteArray &bytes)
{
    return {number, quint32(bytes.size()), quint32(bytes.size()), 0, bytes};
}

// The question page holding `marker`, and its item number.
int pageWith(const courses::Items &items, const QByteArray &marker)
{
    for (auto it = items.constBegin(); it != items.constEnd(); ++it) {
        if (it.key() >= 10000 && it.key() < 30000 && it.value().contains(marker))
            return it.key();
    }
    return 0;
}

// Puts `html` into the first question page, as its quoted-printable HTML part would hold it.
Mutation inject(const QByteArray &html)
{
    return [html](courses::Items &items, courses::CourseInfo &) {
        QByteArray &page = items[pageWith(items, "</main>")];
        QByteArray encoded = html;
        encoded.replace("=", "=3D");
        page.replace("</main>", encoded + "</main>");
    };
}

// Rewrites one record of a table item.
Mutation setRecord(int item, const QByteArray &key, const QByteArray &fields)
{
    return [=](courses::Items &items, courses::CourseInfo &) {
        QList<QByteArray> lines = items[item].split('\n');
        for (QByteArray &line : lines) {
            if (line.startsWith("#" + key + "#"))
                line = "#" + key + "#" + fields + "\r";
        }
        items[item] = lines.join('\n');
    };
}

// Sets the first field of one record of a table item.
Mutation setFirstField(int item, const QByteArray &key, const QByteArray &field)
{
    return [=](courses::Items &items, courses::CourseInfo &) {
        QList<QByteArray> lines = items[item].split('\n');
        for (QByteArray &line : lines) {
            if (line.startsWith("#" + key + "#>")) {
                QList<QByteArray> fields = line.split('>');
                fields[1] = field;
                line = fields.join('>');
            }
        }
        items[item] = lines.join('\n');
    };
}

} // namespace

class CourseFileTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void roundTrip();
    void damagedFiles_data();
    void damagedFiles();
    void refusedCourses_data();
    void refusedCourses();
    void shippedCoursePassesTheChecks();
    void installedCourses();

private:
    courses::Items items_;
    courses::CourseInfo info_;
};

void CourseFileTest::initTestCase()
{
    const coursepack::LoadResult loaded =
        coursepack::loadCourse(QStringLiteral(LARKSPUR_TEST_DATA "/tinycourse"));
    QVERIFY(loaded.ok());
    items_ = coursepack::courseItems(loaded.course);
    info_ = {QStringLiteral("Tiny Test Course"), QStringLiteral("TTC"), QStringLiteral("3"),
             QStringLiteral("1")};
    QVERIFY(pageWith(items_, "star.svg") != 0);
}

void CourseFileTest::roundTrip()
{
    const QByteArray bytes = courses::writeCourseFile(info_, items_);
    QVERIFY(bytes.size() < 40000); // the pages are stored packed
    const courses::ReadResult read = courses::readCourseFile(bytes);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.course->items, items_);
    QCOMPARE(read.course->info.name, info_.name);
    QCOMPARE(read.course->info.code, info_.code);
    QCOMPARE(read.course->info.version, info_.version);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("tiny.larkspur")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const std::optional<courses::CourseInfo> details = courses::readCourseDetails(file.fileName());
    QVERIFY(details);
    QCOMPARE(details->version, QStringLiteral("3"));
    QVERIFY(courses::loadCourseFile(file.fileName()).ok());
}

void CourseFileTest::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");

    const QByteArray sound = courses::writeCourseFile(info_, items_);
    QByteArray flipped = sound;
    flipped[flipped.size() / 2] = char(flipped.at(flipped.size() / 2) ^ 0x20);
    const QByteArray bomb = qCompress(QByteArray(4 * 1024 * 1024, '\0')).mid(4);

    QTest::newRow("empty") << QByteArray() << "not a Larkspur course file";
    QTest::newRow("another file") << QByteArray("PK\x03\x04 zip") << "not a Larkspur course file";
    QTest::newRow("cut short") << sound.left(sound.size() / 2) << "checksum does not match";
    QTest::newRow("a byte changed") << flipped << "checksum does not match";
    QTest::newRow("only the header") << sound.left(20) << "cut short";
    QTest::newRow("newer format") << rawFile({stored(0, Details)}, 2) << "course file format 2";
    QTest::newRow("too many items")
        << rawFile({stored(0, Details)}, 1, 4000000000LL) << "holds 4000000000 items";
    QTest::newRow("list cut short") << rawFile({stored(0, Details)}, 1, 2) << "cut short";
    QTest::newRow("size beyond the file")
        << rawFile({{0, 0xFFFFFFF0u, 0xFFFFFFF0u, 0, Details}}) << "cut short";
    QTest::newRow("item too large")
        << rawFile({stored(0, Details), {12001, 1, 200000000, 1, "x"}}) << "larger than an item";
    QTest::newRow("unpacks to more than it says")
        << rawFile({stored(0, Details), {12001, quint32(bomb.size()), 1000, 1, bomb}})
        << "cannot be unpacked";
    QTest::newRow("not packed data")
        << rawFile({stored(0, Details), {12001, 5, 100, 1, "hello"}}) << "cannot be unpacked";
    QTest::newRow("two sizes") << rawFile({stored(0, Details), {12001, 3, 5, 0, "abc"}})
                               << "two different sizes";
    QTest::newRow("unknown packing")
        << rawFile({stored(0, Details), {12001, 3, 3, 7, "abc"}}) << "packed in an unknown way";
    QTest::newRow("item twice") << rawFile({stored(0, Details), stored(0, Details)})
                                << "item 0 is there twice";
    QTest::newRow("number out of range")
        << rawFile({stored(0, Details), stored(4000000, "x")}) << "item numbered 4000000";
    QTest::newRow("stray bytes") << [&] {
        QByteArray raw = rawFile({stored(0, Details)}).chopped(32) + "xx";
        return raw + QCryptographicHash::hash(raw, QCryptographicHash::Sha256);
    }() << "stray bytes";
    QTest::newRow("no details") << rawFile({stored(30000, "...")}) << "details (item 0)";
    QTest::newRow("details without a code")
        << rawFile({stored(0, "#NME#>Tiny\r\n#VER#>1\r\n#BLD#>1\r\n")}) << "code";
    QTest::newRow("details not records") << rawFile({stored(0, "<html>")}) << "not a record";
}

void CourseFileTest::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const courses::ReadResult read = courses::readCourseFile(bytes);
    QVERIFY(!read.ok());
    QVERIFY2(read.error.contains(why), qPrintable(read.error));
}

void CourseFileTest::refusedCourses_data()
{
    QTest::addColumn<Mutation>("mutate");
    QTest::addColumn<QString>("why");

    // Damage to the course itself.
    QTest::newRow("code that names a folder")
        << Mutation([](courses::Items &items, courses::CourseInfo &info) {
               items[30000].replace("#COD#>TTC", "#COD#>../../x");
               info.code = QStringLiteral("../../x");
           })
        << "code \"../../x\" is not 1 to 10 letters";
    QTest::newRow("details differ") << Mutation([](courses::Items &, courses::CourseInfo &info) {
        info.code = QStringLiteral("LPP");
    }) << "differ from its descriptor";
    QTest::newRow("table missing")
        << Mutation([](courses::Items &items, courses::CourseInfo &) { items.remove(30012); })
        << "table (item 30012) is missing";
    QTest::newRow("question missing")
        << Mutation([](courses::Items &items, courses::CourseInfo &) { items.remove(12001); })
        << "question 12001, which is missing";
    QTest::newRow("interface picture")
        << Mutation([](courses::Items &items, courses::CourseInfo &) { items.insert(5, "GIF89a"); })
        << "interface picture";
    QTest::newRow("unknown item") << Mutation([](courses::Items &items, courses::CourseInfo &) {
        items.insert(30099, "...");
    }) << "item 30099 is not part of the course";
    QTest::newRow("paper without questions") << setRecord(30012, "101", "") << "paper 101 has no";
    QTest::newRow("id that is no number") << setRecord(30012, "102", ">12x") << "not a question";
    QTest::newRow("unknown type") << setFirstField(30014, "12002", "Z") << "unknown answer type";
    QTest::newRow("mark not a number") << setFirstField(30015, "12002", "x") << "mark \"x\"";
    QTest::newRow("types short") << setRecord(30014, "12001", ">T") << "one answer type";
    QTest::newRow("template does not fit")
        << Mutation([](courses::Items &items, courses::CourseInfo &) {
               items[30112].replace("#101#", "#101#>");
           })
        << "does not fit its papers";
    QTest::newRow("six papers a topic")
        << Mutation([](courses::Items &items, courses::CourseInfo &) {
               items[30000].replace("#TP1#>5", "#TP1#>6");
           })
        << "5 papers each";
    QTest::newRow("no subject") << Mutation([](courses::Items &items, courses::CourseInfo &) {
        items[30000].replace("#LAH#>Words", "#LAH#>").replace("#LCH#>Numbers", "#LCH#>");
    }) << "no subject";

    // A page that tries what a question page must never do.
    QTest::newRow("script") << inject("<script>alert(1)</script>") << "<script> element";
    QTest::newRow("script, upper case") << inject("<SCRIPT SRC=x></SCRIPT>") << "<script>";
    QTest::newRow("event attribute")
        << inject("<p onclick=\"alert(1)\">x</p>") << "event attribute";
    QTest::newRow("event behind a quoted >")
        << inject("<img alt=\"a>b\" onerror=alert(1)>") << "event attribute";
    QTest::newRow("event after a slash") << inject("<img/onerror=alert(1)>") << "event attribute";
    QTest::newRow("script address")
        << inject("<a href=\"javascript:alert(1)\">x</a>") << "script address";
    QTest::newRow("script address in entities")
        << inject("<a href=\"&#106;avascript:alert(1)\">x</a>") << "not part of the page";
    QTest::newRow("remote picture")
        << inject("<img src=\"https://example.org/a.png\">") << "not part of the page";
    QTest::newRow("remote, scheme left out")
        << inject("<img src=//example.org/a.png>") << "not part of the page";
    QTest::newRow("local file") << inject("<img src=\"file:///etc/passwd\">")
                                << "not part of the page";
    QTest::newRow("file beside the paper")
        << inject("<img src=\"../marks1LPP.txt\">") << "not part of the page";
    QTest::newRow("picture the page lacks")
        << inject("<img src=\"http://larkspur.local/x.png\">") << "not part of the page";
    QTest::newRow("link elsewhere")
        << inject("<a href=\"http://example.org/\">x</a>") << "not part of the page";
    QTest::newRow("frame") << inject("<iframe src=\"about:blank\"></iframe>") << "<iframe>";
    QTest::newRow("object") << inject("<object data=\"x.swf\"></object>") << "<object>";
    QTest::newRow("embed") << inject("<embed src=\"x\">") << "<embed>";
    QTest::newRow("form") << inject("<form action=\"http://x/\"><input name=a></form>") << "<form>";
    QTest::newRow("style sheet link")
        << inject("<link rel=\"stylesheet\" href=\"http://x/a.css\">") << "<link>";
    QTest::newRow("base address") << inject("<base href=\"http://x/\">") << "<base>";
    QTest::newRow("refresh") << inject("<meta http-equiv=\"refresh\" content=\"0;url=http://x\">")
                             << "<meta>";
    QTest::newRow("style import") << inject("<style>@import url(http://x/a.css);</style>")
                                  << "@import";
    QTest::newRow("style picture")
        << inject("<p style=\"background:url(http://x/a.png)\">x</p>") << "not part of the page";
    QTest::newRow("style escape") << inject("<p style=\"background:u\\72l(http://x)\">x</p>")
                                  << "escapes";
    QTest::newRow("inline svg script")
        << inject("<svg><script>alert(1)</script></svg>") << "<script>";
    QTest::newRow("srcset") << inject("<img srcset=\"http://x/a.png 2x\">") << "srcset";
    QTest::newRow("picture part outside the page")
        << Mutation([](courses::Items &items, courses::CourseInfo &) {
               items[pageWith(items, "star.svg")].replace(
                   "Content-Location: http://larkspur.local/star.svg",
                   "Content-Location: http://larkspur.local/../../etc/star.svg");
           })
        << "is named";
    QTest::newRow("svg picture with script") << Mutation([](courses::Items &items,
                                                            courses::CourseInfo &) {
        QByteArray &page = items[pageWith(items, "star.svg")];
        const qsizetype at = page.indexOf("Content-Location: http://larkspur.local/star.svg");
        const qsizetype from = page.indexOf("\r\n\r\n", at) + 4;
        const qsizetype to = page.indexOf("\r\n--", from);
        page.replace(from, to - from,
                     QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><script>"
                                "alert(1)</script></svg>")
                         .toBase64());
    }) << "an SVG picture: it holds a <script>";
    QTest::newRow("html as a picture")
        << Mutation([](courses::Items &items, courses::CourseInfo &) {
               items[pageWith(items, "star.svg")].replace("Content-Type: image/svg+xml",
                                                          "Content-Type: text/html");
           })
        << "a page holds PNG, GIF, JPEG or SVG";
    QTest::newRow("page cut short") << Mutation([](courses::Items &items, courses::CourseInfo &) {
        QByteArray &page = items[12001];
        page.truncate(page.lastIndexOf("--\r\n"));
    }) << "not closed";
    QTest::newRow("not a page") << Mutation([](courses::Items &items, courses::CourseInfo &) {
        items[12001] = "<html><body>hello</body></html>";
    }) << "not a MIME HTML page";
}

void CourseFileTest::refusedCourses()
{
    QFETCH(Mutation, mutate);
    QFETCH(QString, why);
    courses::Items items = items_;
    courses::CourseInfo info = info_;
    mutate(items, info);
    QVERIFY(items != items_ || info.code != info_.code);
    const courses::ReadResult read = courses::readCourseFile(courses::writeCourseFile(info, items));
    QVERIFY(!read.ok());
    QVERIFY2(read.error.contains(why), qPrintable(read.error));
}

void CourseFileTest::shippedCoursePassesTheChecks()
{
    courses::Items items;
    for (const QString &name : QDir(QStringLiteral(":/items")).entryList()) {
        const int number = name.toInt();
        if (number >= 10000)
            items.insert(number, *content::itemBytes(number));
    }
    QVERIFY(items.contains(content::DescriptorItem));
    const QStringList problems = courses::checkCourseItems(items);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void CourseFileTest::installedCourses()
{
    QTemporaryDir home, system;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", system.path().toLocal8Bit());
    const QString userFolder = home.filePath(QStringLiteral("larkspur/courses"));
    const QString systemFolder = system.filePath(QStringLiteral("larkspur/courses"));
    QCOMPARE(courses::courseFolders(), (QStringList{userFolder, systemFolder}));
    QVERIFY(QDir().mkpath(systemFolder));
    const auto save = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    const QByteArray tiny = courses::writeCourseFile(info_, items_);
    QVERIFY(save(systemFolder + QStringLiteral("/tiny.larkspur"), tiny));
    QVERIFY(save(systemFolder + QStringLiteral("/broken.larkspur"), "not a course"));
    QVERIFY(save(systemFolder + QStringLiteral("/notes.txt"), tiny));

    QList<courses::CourseEntry> found = courses::findCourseFiles(courses::courseFolders());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].info.code, QStringLiteral("TTC"));

    // Installed for the user: the user's copy is the one offered, once.
    QString error;
    courses::CourseInfo newer = info_;
    newer.version = QStringLiteral("4");
    const std::optional<QString> installed =
        courses::installCourseFile(courses::writeCourseFile(newer, items_), newer, error);
    QVERIFY2(installed, qPrintable(error));
    QCOMPARE(*installed, userFolder + QStringLiteral("/TTC.larkspur"));
    found = courses::findCourseFiles(courses::courseFolders());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].path, *installed);
    QCOMPARE(found[0].info.version, QStringLiteral("4"));

    // The choice: asked while nothing is remembered, then remembered per data folder.
    QTemporaryDir data;
    QVERIFY(!courses::pickCourse(found, courses::rememberedChoice(data.path())));
    QVERIFY(courses::rememberChoice(data.path(), found[0]));
    std::optional<courses::CourseEntry> picked =
        courses::pickCourse(found, courses::rememberedChoice(data.path()));
    QVERIFY(picked && picked->path == *installed);
    QVERIFY(courses::rememberChoice(data.path(), courses::builtInCourse()));
    picked = courses::pickCourse(found, courses::rememberedChoice(data.path()));
    QVERIFY(picked && picked->builtIn());
    // Only the built-in course: nothing to ask.
    picked = courses::pickCourse({}, QString());
    QVERIFY(picked && picked->builtIn() && !picked->info.code.isEmpty());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
}

QTEST_GUILESS_MAIN(CourseFileTest)
#include "tst_coursefile.moc"
