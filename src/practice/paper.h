#pragma once

// The state of one open paper (PracticeState) and what happens to its files: loading the tables
// and the pupil's records, saving the answers, marking. No window here; the practice window
// drives it and words the messages.

#include "practice/practicelogic.h"

#include "home/homestate.h"
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
        Answers,  // nothing else was written
        Outcomes, // the paper stays unmarked
        Summary,  // the paper stays unmarked
        Trend,    // the paper is marked; only its entry in the trend is missing
    };
    File file;
    QString path;
    QString error;
};

class Paper
{
public:
    explicit Paper(Take take = Take::First) : take_(take) {}

    Take take() const { return take_; }

    // The four tables of the paper from the content package. Returns the name of the table that
    // failed ("paper list", "answer key", "answer types", "marks"), or nothing.
    std::optional<QString> loadTables(const home::HomeState &state);
    // The pupil's answers, outcomes and the paper summary from the result store.
    void loadRecords(const home::HomeState &state);

    // Writes the answers to the take's answer file (SaveAnswers). P and the paper count are read
    // from the state now, as the home window holds them at this moment.
    std::optional<WriteFailure> saveAnswers(const home::HomeState &state);

    // Marks the take (outcomes, score, percent, time taken, date, status) and writes the result
    // file, the summary file and, for a first take, the trend file, in that order. On a failed
    // write the paper stays unmarked in memory (the files written before it keep the new values,
    // the failed one and those after it keep their previous contents).
    std::optional<WriteFailure> mark(const home::HomeState &state, qint64 elapsedSeconds,
                                     QDate completed);

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
    Take take_;
};

} // namespace practice
