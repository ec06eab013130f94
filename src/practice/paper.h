#pragma once

// The state of one open paper (PracticeState) and what happens to its files: loading the tables
// and the pupil's records, saving the answers, marking. No window here; the practice window
// drives it and words the messages.

#include "practice/practicelogic.h"

#include "results/paperplace.h"
#include "results/results.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace practice {

// Which write of the paper failed; the window tells the pupil and keeps the answers on screen.
struct WriteFailure
{
    enum class File
    {
        Answers,    // nothing else was written
        Outcomes,   // the paper stays unmarked: no file of the mark was changed
        Summary,    // the paper stays unmarked: no file of the mark was changed
        Unfinished, // the paper is marked; its files are finished at the next start
        Pending,    // an earlier mark cannot be finished: `path` cannot be written; nothing
                    // of this mark was written
    };
    File file;
    QString path;
    QString error;
};

// Where a paper belongs; see results::PaperPlace.
using PaperPlace = results::PaperPlace;

class Paper
{
public:
    explicit Paper(Take take = Take::First) : m_take(take) {}

    Take take() const { return m_take; }
    const PaperPlace &place() const { return m_place; }
    // Fixes where the paper belongs; every read and write below uses it.
    void setPlace(const PaperPlace &place) { m_place = place; }

    // The four tables of the paper from the content package. Returns the name of the table that
    // failed ("paper list", "answer key", "answer types", "marks"), or nothing.
    std::optional<QString> loadTables();
    // The pupil's answers, outcomes and the paper summary from the result store.
    void loadRecords();

    // Writes the answers to the take's answer file (SaveAnswers).
    std::optional<WriteFailure> saveAnswers();

    // Marks the take (outcomes, score, percent, time taken, date, status) and writes the result
    // file, the summary file and, for a first take, the trend file as one step (see
    // records::writeFilesTogether): on a failure none of them changes and the paper stays
    // unmarked, unless the step could only be left to finish at the next start (Unfinished).
    std::optional<WriteFailure> mark(qint64 elapsedSeconds, QDate completed);

    // Copies of damaged files kept aside by the writes since the last call; the window tells
    // the pupil once.
    QStringList takeKeptCopies();

    // --- what the window shows -------------------------------------------------------------
    int questionCount() const { return int(questionIds.size()); }
    int blanksOn(int q) const;        // blanks of question q (1-based)
    int offsetOf(int q) const;        // index of question q's first blank
    QStringList typesOf(int q) const; // answer types of question q's blanks
    int statusNumber() const { return statusValue(status); }
    bool isMarked() const { return statusNumber() == 1; }

    // PracticeState
    QStringList questionIds;
    QList<int> blanksPerQuestion;
    QStringList answerKeys, answerTypes, blankMarks;
    QStringList answerFlags; // one per blank, empty: no marking flag
    int blankCount = 0;
    int totalMarks = 0;
    QString answerFilePath, resultFilePath, summaryFilePath, trendFilePath;
    results::TakeRecord answerRecord;  // answerLines; its fields are written from `answers`
    results::TakeRecord outcomeRecord; // outcomeLines
    QStringList answers, outcomes;
    results::Summary summary;                // FSE SSE LTM CDD FST SST
    QStringList firstOutcomes, firstAnswers; // second take only
    QString status = QStringLiteral("0");
    QString timeTaken;  // LTime
    QString dateDone;   // ETime
    QString percent;    // PScoring
    QString scoring;    // Scoring (set by marking only)
    int paperIndex = 0; // j = P - 100, 1-based as in the files

private:
    void noteCopy(const records::SaveResult &r);
    QStringList freshLines(results::ResultFile file) const;

    Take m_take;
    PaperPlace m_place;
    QStringList m_keptCopies;
};

} // namespace practice
