#pragma once

#include "course.h"

#include <QByteArray>
#include <QMap>

// Turns a checked course into content items: number -> exact bytes.
namespace coursepack {

QByteArray descriptorItem(const Course &course);

// Per-subject tables; `s` is the subject index 1..3.
QByteArray paperListItem(const Subject &subject);
QByteArray answerKeyItem(const Subject &subject);
QByteArray answerTypeItem(const Subject &subject);
QByteArray markItem(const Subject &subject);
// The answer flags: one field per blank (marking::blankFlagsField), every question listed. A
// reader of the four tables above ignores it; without it every blank has no flag.
bool hasAnswerFlags(const Subject &subject);
QByteArray answerFlagsItem(const Subject &subject);

QByteArray summaryTemplate(const Subject &subject);
QByteArray paperTemplate(const Subject &subject); // answer and result files share it
QByteArray trendTemplate();

// The question document: a MIME multipart/related page, quoted-printable HTML in Windows-1252,
// its pictures base64.
QByteArray questionDocument(const Question &question, const QString &title);
QByteArray quotedPrintable(const QByteArray &bytes);
QString questionStylesheet();

// Every item of the course (pictures of the interface not included).
QMap<int, QByteArray> courseItems(const Course &course);

} // namespace coursepack
