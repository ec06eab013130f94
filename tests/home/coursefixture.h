#pragma once

#include "../common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <array>

// A small course written as content items into a folder, for content::setItemRoot. Each test
// shapes it as it needs: subject names (empty = no subject), topic counts, paper counts.
struct TestSubject
{
    QString name;
    int topics = 0;
};

struct TestCourse
{
    QString name = QStringLiteral("Tiny Course");
    QString code = QStringLiteral("TC");
    std::array<TestSubject, 3> subjects{{{QStringLiteral("English"), 6},
                                         {QStringLiteral("Mathematics"), 7},
                                         {QStringLiteral("Science"), 7}}};
    bool withDescriptor = true;
};

inline QByteArray crlf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toLatin1();
}

inline QString topicName(int subject, int topic)
{
    return QStringLiteral("Topic %1.%2").arg(subject).arg(topic);
}

inline QByteArray summaryTemplate(int papers)
{
    QStringList lines{QStringLiteral("...")};
    for (const char *key : {"FSE", "SSE", "LTM", "CDD"})
        lines << QStringLiteral("#%1#").arg(QLatin1String(key)) + QString(papers, u'>');
    for (const char *key : {"FST", "SST"})
        lines << QStringLiteral("#%1#").arg(QLatin1String(key)) +
                     QStringLiteral(">0").repeated(papers);
    lines << QStringLiteral("...");
    return crlf(lines);
}

inline QByteArray answerTemplate(int papers)
{
    QStringList lines{QStringLiteral("...")};
    for (int p = 1; p <= papers; ++p)
        lines << QStringLiteral("#%1#>>").arg(100 + p);
    lines << QStringLiteral("...");
    return crlf(lines);
}

inline void writeItem(const QString &root, int number, const QByteArray &bytes)
{
    QFile file(root + QStringLiteral("/%1").arg(number));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline void writeCourse(const QString &root, const TestCourse &course)
{
    QDir().mkpath(root);
    QStringList lines{QStringLiteral("..."), QStringLiteral("#NME#>") + course.name,
                      QStringLiteral("#COD#>") + course.code};
    const char *nameKeys[] = {"LAH", "LBH", "LCH"};
    for (int s = 0; s < 3; ++s)
        lines << QStringLiteral("#%1#>").arg(QLatin1String(nameKeys[s])) + course.subjects[s].name;
    lines << QString(23, u'-');
    for (int s = 1; s <= 3; ++s) {
        const TestSubject &subject = course.subjects[s - 1];
        if (subject.name.isEmpty())
            continue;
        QStringList names;
        for (int t = 1; t <= subject.topics; ++t)
            names << topicName(s, t);
        lines << QStringLiteral("#TT%1#>%2").arg(s).arg(subject.topics)
              << QStringLiteral("#TP%1#>%2").arg(s).arg(subject.topics * 5)
              << QStringLiteral("#TN%1#>").arg(s) + names.join(u'>');
        const int papers = subject.topics * 5;
        writeItem(root, 30100 + 10 * s + 1, summaryTemplate(papers));
        for (int f = 2; f <= 5; ++f)
            writeItem(root, 30100 + 10 * s + f, answerTemplate(papers));
        writeItem(root, 30100 + 10 * s + 6, QByteArray("#TRD#\r\n"));
    }
    lines << QStringLiteral("...");
    if (course.withDescriptor)
        writeItem(root, 30000, crlf(lines));
}

inline const QStringList &resultBases()
{
    static const QStringList bases{QStringLiteral("marks"),    QStringLiteral("first"),
                                   QStringLiteral("second"),   QStringLiteral("fresults"),
                                   QStringLiteral("sresults"), QStringLiteral("trend")};
    return bases;
}

inline QString resultFile(const QString &folder, const QString &base, int subject,
                          const QString &code = QStringLiteral("TC"))
{
    return folder + QStringLiteral("/%1%2%3.txt").arg(base).arg(subject).arg(code);
}

using testfiles::readBytes;

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A summary file with chosen first-take and second-take scores (index 0 = paper 101).
inline QByteArray summaryWith(int papers, const QStringList &fse, const QStringList &sse)
{
    auto record = [papers](const char *key, const QStringList &values, const QString &fill) {
        QString line = QStringLiteral("#%1#").arg(QLatin1String(key));
        for (int i = 0; i < papers; ++i)
            line += u'>' + (i < values.size() ? values[i] : fill);
        return line;
    };
    QStringList fst, sst;
    for (int i = 0; i < papers; ++i) {
        fst << (fse.value(i).isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
        sst << (sse.value(i).isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    }
    QStringList lines{record("FSE", fse, {}), record("SSE", sse, {}), record("LTM", {}, {}),
                      record("CDD", {}, {}),  record("FST", fst, {}), record("SST", sst, {})};
    return crlf(lines) + "\r\n";
}
