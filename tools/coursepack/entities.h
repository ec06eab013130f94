#pragma once

#include <QString>

namespace coursepack {

struct EntityDecoding
{
    QString text;
    QString unknown; // the first entity that could not be decoded, empty when all were
};

// Decodes the HTML character references an author may write inside a blank: the five XML ones,
// numeric ones and the common Latin-1 names (&times; &divide; &deg; &frac12; &pound; ...).
// A "&" that does not start a reference is kept as typed.
EntityDecoding decodeEntities(const QString &html);

} // namespace coursepack
