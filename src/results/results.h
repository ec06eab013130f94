#pragma once

// The result store: six keyed record files per subject in the data folder, created from the
// templates of the content package and rewritten whole, always through the records module.
//
//   marks<s><code>.txt     paper summary: records FSE SSE LTM CDD FST SST, one field per paper
//   first<s><code>.txt     answers of the first take, one record per paper, one field per blank
//   second<s><code>.txt    answers of the second take
//   fresults<s><code>.txt  outcomes of the first take ("ü" right, "û" wrong, empty not judged)
//   sresults<s><code>.txt  outcomes of the second take
//   trend<s><code>.txt     the record "#TRD#", one field per marked first take, oldest first

#include "content/content.h"
#include "records/records.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace results {

enum class ResultFile
{
    Summary = 1,
    FirstAnswers,
    SecondAnswers,
    FirstResults,
    SecondResults,
    Trend
};

inline constexpr std::array<ResultFile, 6> AllResultFiles{
    ResultFile::Summary,      ResultFile::FirstAnswers,  ResultFile::SecondAnswers,
    ResultFile::FirstResults, ResultFile::SecondResults, ResultFile::Trend};

// "marks", "first", "second", "fresults", "sresults", "trend".
QString baseName(ResultFile file);

// dataFolder + "/" + base name + subject + code + ".txt", e.g. ".../marks1LPP.txt".
QString resultFilePath(const QString &dataFolder, ResultFile file, int subject,
                       const QString &code);

// The template item of a file: 30100 + 10 * subject + 1..6.
int templateItem(ResultFile file, int subject);

// The bytes of a template in the layout the content package uses, for a subject whose papers
// have the given numbers of blanks (one entry per paper, 101 first): "..." filler lines around
// the records (the summary's closing "..." without a line end); the trend template "#TRD#".
QByteArray makeTemplate(ResultFile file, const QList<int> &blanksPerPaper);

// ---------------------------------------------------------------------------------------------
// Creation and reset

struct FileRef
{
    int subject = 0;
    ResultFile file = ResultFile::Summary;
    bool operator==(const FileRef &) const = default;
};

// For every named subject, in subject order, writes its six files from their templates,
// replacing what they held (a pending mark's journal is dropped first: it would undo the reset).
// Returns the files that could not be written (they stay missing or keep their old contents); empty
// when all went well.
QList<FileRef> ResetResults(const QString &dataFolder, const content::CourseDescriptor &course);

// A safety copy of the results before they are erased, so that the pupil (or a helper) can put
// them back by hand.
struct BackupOutcome
{
    QString folder;        // the new backup folder (empty when it could not be created)
    QList<FileRef> failed; // files that exist but could not be copied
    int copied = 0;        // files copied
    bool folderMade = false;
    bool ok() const { return folderMade && failed.isEmpty(); }
};

// The backup folder for a reset made at `when`: dataFolder + "/Backups/results-" + the date and
// time as "yyyy-MM-dd-HHmmss".
QString backupFolderPath(const QString &dataFolder, const QDateTime &when);

// Copies every existing result file of every named subject, byte for byte, into a new
// backupFolderPath() (a "-2", "-3", ... suffix when that name is taken). Missing files are
// skipped. Nothing in the data folder itself changes.
BackupOutcome BackupResults(const QString &dataFolder, const content::CourseDescriptor &course,
                            const QDateTime &when);

// Start-up check for one named subject: writes from its template every one of the six files
// that does not exist, and never touches a file that exists. Returns the files that are still
// missing because their template could not be written; empty when all six exist.
QList<ResultFile> EnsureResultFiles(const QString &dataFolder, int subject, const QString &code);

// Whether any of subject's result files is in the data folder.
bool anyResultFile(const QString &dataFolder, int subject, const QString &code);

// EnsureResultFiles for every named subject of the course.
QList<FileRef> EnsureAllResultFiles(const QString &dataFolder,
                                    const content::CourseDescriptor &course);

// ---------------------------------------------------------------------------------------------
// Paper summary

enum SummaryRecord
{
    FSE = 0,
    SSE,
    LTM,
    CDD,
    FST,
    SST
};
inline constexpr std::array<const char *, 6> SummaryKeys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};

struct Summary
{
    bool damaged = false; // see fileDamaged
    // records[FSE][j] belongs to paper 101 + j; every list has paperCount entries once read.
    std::array<QStringList, 6> records;

    QStringList &operator[](SummaryRecord r) { return records[r]; }
    const QStringList &operator[](SummaryRecord r) const { return records[r]; }
    // The field of paper `paperNumber` (101..), empty when out of range.
    QString field(SummaryRecord r, int paperNumber) const;
};

// The six records as ReadFields finds them, n = paperCount (clamped to 0..50), the file read
// once. Fields beyond paperCount are dropped instead of being left in the last field with their
// separators. Where FST (SST) is missing, as when the file was cut short, a paper with a score
// in FSE (SSE) reads as marked.
Summary ReadSummary(const QString &path, int paperCount);

// Writes the six records with paperCount fields each; a damaged file is copied aside first, as
// SaveTakeRecord does.
records::SaveResult SaveSummary(const QString &path, const Summary &summary, int paperCount);
records::SaveResult composeSummary(const Summary &summary, int paperCount, QByteArray &bytes);

// A marked first take of paper `paperNumber`: FSE = percent, LTM = elapsed, CDD = date, FST =
// "1"; every other field stays. Records shorter than paperCount are padded with their fresh
// value ("0" for the status records, empty otherwise). False when the paper is out of range.
bool setFirstTake(Summary &summary, int paperNumber, int paperCount, const QString &percent,
                  const QString &elapsed, const QString &date);

// A marked second take: SSE = percent, SST = "1"; every other field stays.
bool setSecondTake(Summary &summary, int paperNumber, int paperCount, const QString &percent);

// ---------------------------------------------------------------------------------------------
// Answer and result files (one record per paper, one field per blank)

enum class FileShape
{
    PaperRecords, // answer files: one record per paper
    Outcomes,     // result files: one record per paper, each field a tick, a cross or empty
    Summary,      // the six summary records
    Trend         // the one trend record
};

// The outcome marks of a result file: right and wrong (bytes 252 and 251 on disk).
inline constexpr char16_t RightTick = 0x00FC;
inline constexpr char16_t WrongTick = 0x00FB;

struct TakeRecord
{
    QStringList lines;    // the record line of each paper, 101 first, found by key; empty: none
    QStringList fields;   // the paper's fields, blankCount entries
    bool loaded = false;  // the file could be read (a missing file reads as all empty)
    bool damaged = false; // the file holds something a rewrite would drop (see fileDamaged)
};

// Reads the paper lines (count paperCount) and splits the line of `paperNumber` into blankCount
// fields (SplitAnswerLine). A paper out of range gives empty fields. Fields beyond blankCount
// (a template record longer than the paper) are dropped instead of being left in the last
// field with their separators, where they would show as an answer and could not be saved.
// `shape` tells which checks find the file damaged (see fileDamaged). The file is read once.
TakeRecord ReadTakeRecord(const QString &path, int paperCount, int paperNumber, int blankCount,
                          FileShape shape = FileShape::PaperRecords);

// The fresh record line of every paper 101..100 + paperCount as the template item holds it
// ("#1nn#" when the item lacks it): what a paper without a record is written as.
QStringList freshPaperLines(int templateItemNumber, int paperCount);

// The whole file with `record.fields` as the record of `paperNumber`: one well-formed record
// per paper, 101 first, every other paper's record as read (from its marker on) or, where the
// file had none, its line of `freshLines`. `lines` receives the written record lines. Refused
// like records::SavePaperLine.
records::SaveResult composeTakeFile(const TakeRecord &record, int paperNumber, int paperCount,
                                    int blankCount, const QStringList &freshLines,
                                    QByteArray &bytes, QStringList &lines);

// Writes the record of `paperNumber` and rewrites the whole file (composeTakeFile). A file that
// could not be read when the record was read is read again now; when it still cannot be read
// but exists, the write is refused (it would erase the other papers' records). A damaged file
// is first copied aside (keepDamagedCopy; refused when that fails), the copy named in the
// result. On success `record` holds what the file holds; on failure nothing changes.
records::SaveResult SaveTakeRecord(TakeRecord &record, int paperNumber, int paperCount,
                                   int blankCount, const QString &path,
                                   const QStringList &freshLines = {});

// ---------------------------------------------------------------------------------------------
// Damaged files

// True when the file holds a line that is neither a filler ("...", "-----", empty) nor a
// well-formed record of its kind (marker at the start, a known key once, no second marker on
// the line), lacks one of its records, (summary) holds more fields than there are papers, or
// (outcomes) holds a field that is neither a tick, a cross nor empty: a rewrite would drop
// some of it, or a reader would take it for something it is not.
bool fileDamaged(const QStringList &lines, FileShape shape, int paperCount);

// "<name>-damaged-<yyyy-MM-dd>.txt" beside the file (then "-2", "-3" ... when taken).
QString damagedCopyPath(const QString &path, const QDate &date);

// Copies the file as it stands aside under damagedCopyPath, into `copyPath` (a copy already
// there with the same bytes is kept as it is). Refused when no copy can be made.
// `alreadyKept`, when given, tells whether that copy was there before.
records::SaveResult keepDamagedCopy(const QString &path, QString &copyPath,
                                    const QDate &date = QDate::currentDate(),
                                    bool *alreadyKept = nullptr);

// ---------------------------------------------------------------------------------------------
// Trend file

// Every percent text of the trend record, oldest first; empty for a fresh or missing file.
QStringList ReadTrend(const QString &path);

// Appends one percent text to the trend record and writes the file anew as that one line with
// CR LF. Refused when the file exists but cannot be read (its entries would be lost).
records::SaveResult AppendTrend(const QString &path, const QString &percentText);
// As AppendTrend, composing the bytes only; `damaged` tells whether the file as read was.
records::SaveResult composeTrend(const QString &path, const QString &percentText, QByteArray &bytes,
                                 bool &damaged);

// ---------------------------------------------------------------------------------------------
// A mark, and start-up

// The journal through which a mark's files are written together (records::writeFilesTogether).
QString journalPath(const QString &dataFolder);

struct Recovery
{
    bool ok = true;        // false: a pending mark could not be finished (it stays pending)
    bool replayed = false; // a mark interrupted by a crash was finished
    int removedTemporaries = 0;
    int movedLeftovers = 0; // files that only looked like temporaries, moved to Leftovers
    QString failedPath;     // when !ok: the file that could not be written (or the journal)
    QString error;
};

// The folder where start-up moves files that look like temporary files but are none of the
// program's: dataFolder + "/Leftovers".
QString leftoversFolderPath(const QString &dataFolder);

// Start-up, before anything reads a result file: finishes a mark a crash interrupted (or drops
// one that never began to be written), then removes the temporary files that a crash leaves
// ("temptext.txt", "temptext30000.txt", "temppaper<number>.mht", or the temporary file of an
// atomic write of one of those, of the 18 result files, of a damaged copy or of the journal:
// "<name>.part-<base 36 number>") and moves other files of the same look to
// leftoversFolderPath().
Recovery RecoverDataFolder(const QString &dataFolder, const QString &code);

// ---------------------------------------------------------------------------------------------
// Texts

// Hours, minutes and seconds without leading zeros, joined by ":": 425 -> "0:7:5". Hours do not
// wrap at a day; a negative time reads as 0.
QString elapsedText(qint64 seconds);

// The date text stored in "CDD": the locale's short date form (the system locale by default),
// or "yyyy-MM-dd" when that form holds a character a record cannot store. The text is only
// ever shown as it stands, never parsed back, so a later change of locale cannot misread it.
// Empty for an invalid date.
QString shortDateText(const QDate &date, const QLocale &locale = QLocale::system());

} // namespace results
