#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace content {

// The plain text a question document prints right beside each of its answer gaps, in gap order
// (row (a) first): what stands just before the gap and just after it, within the same paragraph
// and up to the neighbouring gaps. Used to tell a pupil that a unit or sign is printed for them.
struct GapText
{
    QString before;
    QString after;
};

// `document` is a question item as the course builder writes it: MIME HTML whose page is
// quoted-printable or base64 Windows-1252 text, each gap a <span class="gap ..."> element.
// Anything else yields an empty list.
QList<GapText> GapTexts(const QByteArray &document);

} // namespace content
