#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// A small, strict reader of the MIME documents coursepack writes, so the tests check the bytes
// against the format rather than against the writer's own code.
struct MimePart
{
    QMap<QString, QString> headers; // lower-case names, folded lines joined
    QByteArray body;                // decoded (quoted-printable or base64)
};

struct MimeDocument
{
    QMap<QString, QString> headers;
    QList<MimePart> parts;
    QString error; // empty when the document parsed
};

MimeDocument parseMime(const QByteArray &bytes);
QString headerParameter(const QString &header, const QString &name);
