#pragma once

#include <QByteArray>
#include <QString>

// Question documents and tables are read by code that expects Windows-1252, so every text the
// course puts into them must fit that code page.
namespace coursepack::cp1252 {

// True when `c` has a byte in Windows-1252 (the five unassigned bytes 0x81, 0x8D, 0x8F, 0x90 and
// 0x9D and the C0 controls other than tab, LF and CR do not count as holdable).
bool canHold(QChar c);

// Encodes `text`; characters that cannot be held become "?" (callers check canHold first).
QByteArray encode(QStringView text);

QString decode(QByteArrayView bytes);

} // namespace coursepack::cp1252
