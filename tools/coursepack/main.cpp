// coursepack: checks a course's sources and builds them into a course file, or into the
// numbered content items the program embeds.
#include "coursefile.h"
#include "pack.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

int report(const coursepack::PackResult &result, const QString &written)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    for (const QString &warning : result.warnings)
        err << "warning: " << warning << '\n';
    for (const coursepack::Fault &fault : result.faults)
        err << fault.text() << '\n';
    if (!result.faults.isEmpty()) {
        err << result.faults.size() << (result.faults.size() == 1 ? " fault" : " faults")
            << "; nothing was written\n";
        return 1;
    }
    if (!result.writeError.isEmpty()) {
        err << result.writeError << '\n';
        return 1;
    }
    out << "coursepack: " << result.itemCount << " items written to " << written << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("coursepack"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks a Larkspur course and builds it.\n"
        "\n"
        "  coursepack --file COURSE.larkspur SOURCE_DIR\n"
        "      Check the course in SOURCE_DIR (the folder holding course.json) and write it as\n"
        "      one course file, to give to a school. Test it with\n"
        "      'larkspur --course COURSE.larkspur'; install it for every user by copying it to\n"
        "      /usr/share/larkspur/courses.\n"
        "  coursepack --check COURSE.larkspur\n"
        "      Check a course file as Larkspur does when it opens one.\n"
        "  coursepack --list COURSE.larkspur|ITEMS_DIR\n"
        "      Print each subject's topics and papers: questions, blanks, marks, answer types.\n"
        "  coursepack SOURCE_DIR ITEMS_DIR [--pictures DIR] [--qrc FILE [--start-qrc FILE]]\n"
        "      Write the course's content items, one file per item named by its number\n"
        "      (how the program's own build embeds its course).\n"
        "\n"
        "Every problem in the sources is reported as file:line: message, all at once, and\n"
        "nothing is written until there are none. Exit status: 0 done, 1 the course or the\n"
        "file has problems or could not be written, 2 wrong usage. The course author's\n"
        "guide (course-authoring.md) describes the course sources."));
    parser.addHelpOption();
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("Print a summary of a course file or of a folder of items."));
    const QCommandLineOption file(QStringLiteral("file"),
                                  QStringLiteral("Write the course as the course file FILE."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Check a course file as Larkspur does."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Add the interface pictures from DIR."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption qrc(QStringLiteral("qrc"),
                                 QStringLiteral("Also write a Qt resource list of the items."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption startQrc(
        QStringLiteral("start-qrc"),
        QStringLiteral("List the items every start reads in FILE instead (with --qrc)."),
        QStringLiteral("FILE"));
    parser.addOptions({list, file, check, version, pictures, qrc, startQrc});
    parser.addPositionalArgument(QStringLiteral("SOURCE_DIR"),
                                 QStringLiteral("The course folder (holding course.json)."));
    parser.addPositionalArgument(QStringLiteral("ITEMS_DIR"),
                                 QStringLiteral("The folder the items are written to."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();

    if (parser.isSet(version)) {
        out << "coursepack " << LARKSPUR_VERSION << '\n';
        return 0;
    }
    if (parser.isSet(check)) {
        if (args.size() != 1) {
            err << "usage: coursepack --check COURSE.larkspur\n";
            return 2;
        }
        QString text;
        const bool ok = coursepack::checkCourseFile(args.at(0), text);
        (ok ? out : err) << text << (ok ? "" : "\n");
        return ok ? 0 : 1;
    }
    if (parser.isSet(list)) {
        if (args.size() != 1) {
            err << "usage: coursepack --list COURSE.larkspur|ITEMS_DIR\n";
            return 2;
        }
        QString text;
        const bool ok = QFileInfo(args.at(0)).isFile()
                            ? coursepack::listCourseFile(args.at(0), text)
                            : coursepack::listCourse(args.at(0), text);
        (ok ? out : err) << text << (ok ? "" : "\n");
        return ok ? 0 : 1;
    }
    if (parser.isSet(file)) {
        if (args.size() != 1) {
            err << "usage: coursepack --file COURSE.larkspur SOURCE_DIR\n";
            return 2;
        }
        const coursepack::PackResult result =
            coursepack::packCourseFile(args.at(0), parser.value(file));
        return report(result, parser.value(file));
    }
    if (args.size() != 2) {
        err << "usage: coursepack SOURCE_DIR OUTPUT_DIR [--pictures DIR] [--qrc FILE [--start-qrc "
               "FILE]]\n";
        return 2;
    }
    coursepack::PackOptions options;
    options.sourceDir = args.at(0);
    options.outputDir = args.at(1);
    options.picturesDir = parser.value(pictures);
    options.qrcFile = parser.value(qrc);
    options.startQrcFile = parser.value(startQrc);
    return report(coursepack::packCourse(options), options.outputDir);
}
