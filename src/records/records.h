#pragma once

// Keyed record files: the one text format of every content table and every result file.
//
// A file is a sequence of lines. A record line is "#" KEY "#" followed by ">" FIELD for every
// field; any other line is a filler line and is skipped. Files are Windows-1252 with CR LF line
// ends; readers also accept LF and lone CR. There is no escaping: fields never hold ">", keys
// never hold "#".
//
// Conventions of this module:
// - Lists are 0-based: the format's "field k" is index k - 1.
// - The record of a key is the first line that opens with "#KEY#"; when no line does, the first
//   line that holds "#KEY#" further on (two records whose line break was lost). A record ends
//   at the next marker ("#" KEY "#" with a KEY free of ">") on its line: fields never hold "#".
//   Keys match case-sensitively. An empty key, or one holding a character a key cannot hold
//   ("#", ">", a line break), matches nothing.
// - Fields are located after the record marker: the text between the marker and its first ">"
//   is not a field, each ">" opens one field. For every well-formed line (marker at the start of
//   the line, 3-character keys such as "101" or "FSE", 5-character question keys such as
//   "13001") this is the classic positional layout: first field from character 7, resp. 9.
// - Last-field rule: when a reader asks for n fields, field n holds the rest of the line,
//   ">" separators included. A record with fewer fields than asked for gives empty texts for
//   the missing ones. A missing file or a missing record gives empty results.
// - Fixed capacities: ReadFieldsSmall 10, ReadFields and SplitLine 50, SplitAnswerLine 80,
//   ReadPaperLines 50. A request is clamped to 0..capacity, and the result has exactly the
//   clamped number of entries (so exactly n entries for every request within capacity).
// - Every write goes through writeFileAtomically(): the whole file is replaced or, on failure,
//   left exactly as it was.
//
// The module has three parts: the format (this header), the one write routine (atomicwrite.h)
// and files written together through a journal (journal.h); this header includes both.

#include "records/atomicwrite.h"
#include "records/journal.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <utility>

namespace records {

// ---------------------------------------------------------------------------------------------
// Encoding

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) decode to the C1 control of the same value, so every byte survives a round trip.
QString fromWindows1252(QByteArrayView bytes);

// Encodes to Windows-1252; a character the code page cannot hold becomes "?" (one per code
// point). Writers refuse such text before it gets here (see fieldCanHold).
QByteArray toWindows1252(QStringView text);

// True when `c` survives toWindows1252 unchanged ("ü" U+00FC is byte 252, "û" U+00FB byte 251).
bool windows1252CanHold(QChar c);

// True when `c` may stand inside a field: Windows-1252 can hold it and it is not one of the
// characters that would break a record (">", "#", CR, LF). Answer boxes use this to refuse
// input; the writers use it to refuse a record that would not read back as written.
bool fieldCanHold(QChar c);
bool fieldCanHold(QStringView text);

// ---------------------------------------------------------------------------------------------
// Whole files

// The decoded lines of a file, split on CR LF, LF or lone CR (a final line end does not open
// another line). nullopt when the file cannot be read.
std::optional<QStringList> readLines(const QString &path);

// Splits decoded text into lines the same way.
QStringList splitLines(QStringView text);

// ---------------------------------------------------------------------------------------------
// Single-key readers (each reads the file from the top)

inline constexpr int SmallCapacity = 10;  // ReadFieldsSmall
inline constexpr int FieldCapacity = 50;  // ReadFields, SplitLine
inline constexpr int AnswerCapacity = 80; // SplitAnswerLine
inline constexpr int PaperCapacity = 50;  // ReadPaperLines

// True when `line` contains "#key#".
bool lineMatchesKey(QStringView line, QStringView key);

// The record's text after its first ">": one field, or several with their separators.
// Empty when no line matches or the record has no fields.
QString ReadValue(const QString &path, const QString &key);

// The first n fields of the record (last-field rule), n clamped to 0..50.
QStringList ReadFields(const QString &path, const QString &key, int n);

// The first n fields of the record (last-field rule), n clamped to 0..10.
QStringList ReadFieldsSmall(const QString &path, const QString &key, int n);

// The record as found (from its marker to the next, see above), or empty text.
QString ReadLine(const QString &path, const QString &key);

// The first n fields of a record line held in memory (last-field rule), n clamped to 0..50.
QStringList SplitLine(const QString &line, int n);

// As SplitLine for a paper's line of an answer or result file, n clamped to 0..80.
QStringList SplitAnswerLine(const QString &line, int n);

// Every field of the record, as many as its line has ">" after the marker; empty when the
// record is missing or has no fields.
QStringList ReadAllFields(const QString &path, const QString &key);

// The number of fields of a record line held in memory (0 when it is no record).
int countFields(const QString &line);

// Every field of a record line held in memory (none when it is no record).
QStringList allFields(const QString &line);

// ---------------------------------------------------------------------------------------------
// Sequential readers: one pass over the file; the search for each key starts on the line after
// the previous key's record, so keys are asked for in file order. A key that is not found
// yields nothing for that key only; the search for the next key goes on from the same place,
// so one damaged or missing record never hides the records after it.

// For each key in turn, the number of fields of its record (0 when not found).
QList<int> CountQuestionFields(const QString &path, const QStringList &keys);

// For each key in turn, every field of its record, appended to one flat list.
QStringList ReadQuestionFields(const QString &path, const QStringList &keys);

// For b = 1..count (clamped to 0..50), entry b - 1 is the record keyed 100 + b ("101",
// "102", ...) from its marker to the next, empty when not found. The result has exactly `count`
// entries. Unlike the readers above, each key is looked for from the top of the file: a paper's
// record is found wherever it stands.
QStringList ReadPaperLines(const QString &path, int count);

// ReadPaperLines for the lines of a file already read.
QStringList paperLines(const QStringList &lines, int count);

// The record of `key` among the lines of a file already read, as ReadLine finds it.
QString findRecord(const QStringList &lines, QStringView key);

// True when a line holds a record marker after its first one: two records run together.
bool holdsSecondMarker(QStringView line);

// ---------------------------------------------------------------------------------------------
// Writers (Windows-1252, CR LF after every line, whole file replaced atomically)

// Replaces line i (the number in `lineIndexText`, 1-based) of `lines` by the record
// "#key#>f1>f2...>fN" built from the first `fieldCount` entries of `fields` (missing entries are
// empty; fieldCount 0 writes "#key#"), then writes lines 1..lineCount, each with CR LF. Lines
// beyond the end of `lines` are written empty. Refused without writing when i is not within
// 1..lineCount, when the key or a field holds a character a record cannot hold (see
// fieldCanHold), when another line holds a line break or two record markers, or when the file could
// not be read back whole (lineCount beyond 50 lines, fieldCount beyond 80 fields).
//
// `lines` always mirrors the file as last written: it is updated only when the write succeeded.
// After a failure it still holds the previous record, the file is unchanged, and the caller
// (which keeps the answers in its own arrays) simply saves again.
SaveResult SavePaperLine(QStringList &lines, const QStringList &fields,
                         const QString &lineIndexText, const QString &key, int lineCount,
                         int fieldCount, const QString &path);

// As SavePaperLine, but only checks and composes: `updated` receives lines 1..lineCount as they
// would be written.
SaveResult composePaperLines(const QStringList &lines, const QStringList &fields,
                             const QString &lineIndexText, const QString &key, int lineCount,
                             int fieldCount, QStringList &updated);

// Writes exactly six records, record j being "#keys[j]#>values[j][0]>...>values[j][n-1]" with
// missing entries empty (n 0 writes "#key#"). Refused without writing like SavePaperLine, and
// when n is beyond the 50 fields ReadFields can read back.
SaveResult SaveSummaryFile(const std::array<QStringList, 6> &values,
                           const std::array<QString, 6> &keys, int n, const QString &path);

// As SaveSummaryFile, but only composes the bytes it would write.
SaveResult composeSummaryFile(const std::array<QStringList, 6> &values,
                              const std::array<QString, 6> &keys, int n, QByteArray &bytes);

// The record line "#key#>f1>...>fN" for the first n entries of `fields` (missing entries empty).
QString composeRecord(const QString &key, const QStringList &fields, int n);

// Encodes lines as a record file: Windows-1252, every line followed by CR LF.
QByteArray encodeLines(const QStringList &lines);

} // namespace records
