// coursepack: builds a course's sources into the numbered content items the program embeds.
#include "pack.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("coursepack"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks a course folder and writes its content items, one file per item "
                       "named by its number.\n"
                       "  coursepack SOURCE_DIR OUTPUT_DIR [--pictures DIR] [--qrc FILE]\n"
                       "  coursepack --list OUTPUT_DIR"));
    parser.addHelpOption();
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("Print a summary of the items in a folder."));
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Add the interface pictures from DIR."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption qrc(QStringLiteral("qrc"),
                                 QStringLiteral("Also write a Qt resource list of the items."),
                                 QStringLiteral("FILE"));
    parser.addOptions({list, pictures, qrc});
    parser.addPositionalArgument(QStringLiteral("SOURCE_DIR"),
                                 QStringLiteral("The course folder."));
    parser.addPositionalArgument(QStringLiteral("OUTPUT_DIR"), QStringLiteral("The items folder."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();

    if (parser.isSet(list)) {
        if (args.size() != 1) {
            err << "usage: coursepack --list OUTPUT_DIR\n";
            return 2;
        }
        QString text;
        const bool ok = coursepack::listCourse(args.at(0), text);
        (ok ? out : err) << text << (ok ? "" : "\n");
        return ok ? 0 : 1;
    }
    if (args.size() != 2) {
        err << "usage: coursepack SOURCE_DIR OUTPUT_DIR [--pictures DIR] [--qrc FILE]\n";
        return 2;
    }
    coursepack::PackOptions options;
    options.sourceDir = args.at(0);
    options.outputDir = args.at(1);
    options.picturesDir = parser.value(pictures);
    options.qrcFile = parser.value(qrc);
    const coursepack::PackResult result = coursepack::packCourse(options);
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
    out << "coursepack: " << result.itemCount << " items written to " << options.outputDir << '\n';
    return 0;
}
