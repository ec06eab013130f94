#pragma once

// The content package: numbered items carried inside the program (Qt resources ":/items/<n>"),
// written out to files when needed, and the two loaders built on them: the course descriptor
// and the tables of one paper.
//
// Every file of the data folder is named data folder + "/" + name.

#include "content/graphics.h"
#include "records/records.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

namespace content {

// ---------------------------------------------------------------------------------------------
// Items

inline constexpr int DescriptorItem = 30000;
// Items below this number are the program's own (the interface pictures); a course file's
// items start here.
inline constexpr int FirstCourseItem = 10000;

// Where items are found: a folder (resource or disk) holding one file per item, named by its
// number. ":/items" by default; tests point it at a folder of their own.
void setItemRoot(const QString &root);
QString itemRoot();

// A course opened from a course file: its items (numbers from 10000 on) are served from
// `items` in place of the built-in course's; the interface pictures stay the program's. A null
// pointer goes back to the built-in course.
void setCourseItems(std::shared_ptr<const QMap<int, QByteArray>> items);
bool courseFromFile();

// The bytes of item `number`, or nullopt when the package has no such item.
std::optional<QByteArray> itemBytes(int number);
// Whether the package has item `number`, without reading (or unpacking) it.
bool hasItem(int number);

// A short identity of item `number` as stored (hex digits; empty when the item is missing).
// Equal stamps mean equal bytes; it is cheap to take at every start because a built-in item's
// packed bytes are hashed as they are, without being unpacked.
QByteArray itemStamp(int number);

// Result codes of ExtractItem; callers only test for 0.
inline constexpr int ExtractOk = 0;
inline constexpr int ExtractItemMissing = 1;
inline constexpr int ExtractWriteFailed = 2;

// Writes exactly the bytes of item `number` to `path` and returns 0. When the item is missing or
// the file cannot be written, returns a non-zero code; the file at `path` is then exactly as it
// was (missing stays missing, an existing file keeps its contents). `type` is the item kind of
// the package, always "Custom"; there is only one kind, so it does not select anything.
// A target that already holds exactly the item's bytes is left alone (nothing to write).
// `keep` Temporary skips the syncs for files that are read at once and deleted, or written
// again at every start (see records::writeFileAtomically).
int ExtractItem(int number, const QString &type, const QString &path,
                records::Keep keep = records::Keep::OnDisk);

// ---------------------------------------------------------------------------------------------
// Graphics

// The graphics folder of a data folder: dataFolder + "/Graphics".
QString graphicsFolderPath(const QString &dataFolder);

// Creates `graphicsFolder` and any missing folder above it, then writes every picture of the
// graphics list to its file name there, in item order. Result codes are ignored: pictures the
// package lacks are simply not written, and whoever loads them copes with their absence.
void ExtractGraphics(const QString &graphicsFolder);

// ---------------------------------------------------------------------------------------------
// Course descriptor

inline constexpr int MaxTopics = 10; // topic names are read with ReadFieldsSmall
inline constexpr int MaxPapers = 50; // summary records are read with ReadFields

struct SubjectInfo
{
    QString name; // empty: the subject does not exist
    int topicCount = 0;
    int paperCount = 0;
    QStringList topicNames; // topicCount entries
    bool exists() const { return !name.isEmpty(); }
};

struct CourseDescriptor
{
    QString name;                        // "NME"
    QString code;                        // "COD", part of every result file name
    std::array<SubjectInfo, 3> subjects; // subject s is subjects[s - 1]
};

// The temporary file the descriptor is written to: dataFolder + "/temptext30000.txt".
QString descriptorTempPath(const QString &dataFolder);

// Extracts item 30000 to the temporary file, reads it and deletes it. nullopt when the
// extraction failed (nothing was written, nothing is deleted). Counts that are not whole
// numbers read as 0; topic counts are clamped to 0..10 and paper counts to 0..50, the most the
// record readers can serve.
std::optional<CourseDescriptor> LoadDescriptor(const QString &dataFolder);

// ---------------------------------------------------------------------------------------------
// Paper tables

inline constexpr int MaxBlanksPerQuestion = 20; // rows of the answer sheet
inline constexpr int MaxBlanksPerPaper = 80;    // fields an answer line can be read back with

enum class PaperTable
{
    PaperList,
    AnswerKey,
    AnswerTypes,
    Marks,
    AnswerFlags // optional: a course whose blanks carry no marking flag has none
};

// The item of a subject's table: 30000 + 10 * subject + 2..6.
int tableItem(int subject, PaperTable table);

struct PaperTables
{
    QStringList questionIds;      // in presentation order
    QList<int> blanksPerQuestion; // one entry per question
    QStringList answerKeys;       // one entry per blank, paper-wide blank order
    QStringList answerTypes;      // one entry per blank
    QStringList blankMarks;       // one entry per blank, whole numbers as text
    QStringList answerFlags;      // one entry per blank (marking::parseBlankFlags), empty: none
    int totalMarks = 0;
    int blankCount = 0; // B
};

struct PaperLoad
{
    PaperTables tables;
    // The first table that could not be extracted or does not fit the others; the tables are
    // then incomplete and the paper must not be taken. Empty when everything loaded.
    std::optional<PaperTable> failed;
    bool ok() const { return !failed.has_value(); }
};

// The temporary file the tables are written to, one after the other: dataFolder + "/temptext.txt".
QString tableTempPath(const QString &dataFolder);

// Loads the tables of paper `paperNumber` (101..) of subject `subject` (1..3) in this order:
// paper list, answer key (with the blanks per question), answer types, marks; the temporary file
// is deleted after each table. Stops at the first table that fails and names it:
// - PaperList: not extracted, the paper has no record or no questions, or an id is not a number;
// - AnswerKey: not extracted, a question has no blanks or more than 20, or the paper more than 80;
// - AnswerTypes, Marks: not extracted, or a question's count differs from its answer key;
//   Marks also when a mark is not a whole number from 0 to 1000 (keeps the total in range);
// - AnswerFlags: the subject has the table, but it cannot be extracted or a question's count
//   differs from its answer key. Without the table (a course made before the flags, or one that
//   uses none) every blank has no flag; a question without a record there has none either.
PaperLoad LoadPaperTables(const QString &dataFolder, int subject, int paperNumber);

// The file a question document is written to: dataFolder + "/temppaper" + id + ".mht".
QString questionFilePath(const QString &dataFolder, const QString &questionId);

} // namespace content
