#pragma once

// Small file helpers shared by the tests of the modules that read and write files.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace testfiles {

// The bytes of a file, or "<missing>" when it cannot be read, so that a comparison with the
// expected bytes also fails for a file that is not there.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

// The bytes of a file, empty when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` as the whole file; the calling test fails when that is not possible.
inline void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace testfiles
