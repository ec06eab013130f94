#include "practice/paper.h"

#include "content/content.h"
#include "marking/marking.h"
#include "results/results.h"

#include <QFile>

#include <utility>

namespace practice {

namespace {

using results::ResultFile;

QString takeFile(const PaperPlace &p, ResultFile f)
{
    return results::resultFilePath(p.dataFolder, f, p.subject, p.code);
}

QString fieldAt(const QStringList &list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : QString();
}

} // namespace

std::optional<QString> Paper::loadTables()
{
    const content::PaperLoad load =
        content::LoadPaperTables(m_place.dataFolder, m_place.subject, m_place.paperNumber);
    const content::PaperTables &t = load.tables;
    questionIds = t.questionIds;
    blanksPerQuestion = t.blanksPerQuestion;
    answerKeys = t.answerKeys;
    answerTypes = t.answerTypes;
    blankMarks = t.blankMarks;
    answerFlags = t.answerFlags;
    totalMarks = t.totalMarks;
    blankCount = int(answerKeys.size());
    if (load.failed) {
        switch (*load.failed) {
        case content::PaperTable::PaperList:
            return QStringLiteral("paper list");
        case content::PaperTable::AnswerKey:
            return QStringLiteral("answer key");
        case content::PaperTable::AnswerTypes:
            return QStringLiteral("answer types");
        case content::PaperTable::Marks:
            return QStringLiteral("marks");
        case content::PaperTable::AnswerFlags:
            return QStringLiteral("answer flags");
        }
    }
    // LoadPaperTables already refuses a paper without questions as a broken paper list.
    return std::nullopt;
}

void Paper::loadRecords()
{
    // A mark left to its journal (its files could not all be written) is finished before the
    // files are read, so the paper shows as the pupil left it.
    records::replayJournal(results::journalPath(m_place.dataFolder));
    const PaperPlace &state = m_place;
    const int n = state.paperCount;
    const int P = state.paperNumber;
    paperIndex = P - 100;
    summaryFilePath = takeFile(state, ResultFile::Summary);
    trendFilePath = takeFile(state, ResultFile::Trend);
    const bool first = m_take == Take::First;
    answerFilePath = takeFile(state, first ? ResultFile::FirstAnswers : ResultFile::SecondAnswers);
    resultFilePath = takeFile(state, first ? ResultFile::FirstResults : ResultFile::SecondResults);

    answerRecord = results::ReadTakeRecord(answerFilePath, n, P, blankCount);
    answers = answerRecord.fields;
    outcomeRecord =
        results::ReadTakeRecord(resultFilePath, n, P, blankCount, results::FileShape::Outcomes);
    outcomes = outcomeRecord.fields;
    while (answers.size() < blankCount)
        answers.append(QString());
    while (outcomes.size() < blankCount)
        outcomes.append(QString());

    if (!first) {
        // The blanks right in the first take are carried over, filled in and locked, at every
        // opening; they reach the second-take file with the next save.
        const QString firstResults = takeFile(state, ResultFile::FirstResults);
        const results::TakeRecord firstRecord =
            results::ReadTakeRecord(firstResults, n, P, blankCount, results::FileShape::Outcomes);
        firstOutcomes = firstRecord.fields;
        // Only the first take writes that file, so its damage is told now: a mark it holds
        // that is neither tick nor cross cannot carry an answer over.
        if (firstRecord.damaged) {
            QString copy;
            bool kept = false;
            if (results::keepDamagedCopy(firstResults, copy, QDate::currentDate(), &kept) && !kept)
                noteCopy(records::SaveResult{true, {}, copy});
        }
        firstAnswers =
            results::ReadTakeRecord(takeFile(state, ResultFile::FirstAnswers), n, P, blankCount)
                .fields;
        for (int i = 0; i < blankCount; ++i) {
            if (fieldAt(firstOutcomes, i) == QString(marking::RightMark)) {
                answers[i] = fieldAt(firstAnswers, i);
                outcomes[i] = QString(marking::RightMark);
            }
        }
    }

    summary = results::ReadSummary(summaryFilePath, n);
    if (first) {
        status = summary.field(results::FST, P);
        timeTaken = summary.field(results::LTM, P);
        dateDone = summary.field(results::CDD, P);
        percent = summary.field(results::FSE, P);
    } else {
        status = summary.field(results::SST, P);
        percent = summary.field(results::SSE, P);
    }
}

QStringList Paper::freshLines(ResultFile file) const
{
    return results::freshPaperLines(results::templateItem(file, m_place.subject),
                                    m_place.paperCount);
}

void Paper::noteCopy(const records::SaveResult &r)
{
    if (!r.keptCopy.isEmpty() && !m_keptCopies.contains(r.keptCopy))
        m_keptCopies.append(r.keptCopy);
}

QStringList Paper::takeKeptCopies()
{
    return std::exchange(m_keptCopies, {});
}

std::optional<WriteFailure> Paper::saveAnswers()
{
    // Work on a copy: when the write fails the in-memory lines stay as the file still is.
    results::TakeRecord record = answerRecord;
    record.fields = answers;
    const ResultFile file =
        m_take == Take::First ? ResultFile::FirstAnswers : ResultFile::SecondAnswers;
    const records::SaveResult r =
        results::SaveTakeRecord(record, m_place.paperNumber, m_place.paperCount, blankCount,
                                answerFilePath, freshLines(file));
    noteCopy(r);
    if (!r)
        return WriteFailure{WriteFailure::File::Answers, answerFilePath, r.error};
    answerRecord = record;
    return std::nullopt;
}

std::optional<WriteFailure> Paper::mark(qint64 elapsedSeconds, QDate completed)
{
    const int n = m_place.paperCount;
    const int P = m_place.paperNumber;
    const bool first = m_take == Take::First;

    const marking::TakeResult result =
        marking::MarkTake(answers, answerKeys, answerTypes, blankMarks, answerFlags);

    // A mark still left to its journal is finished first, and this one is composed from the
    // files as they then are: composed from what was read at opening, it would undo that mark.
    const QString journal = results::journalPath(m_place.dataFolder);
    if (QFile::exists(journal)) {
        const records::ReplayResult pending = records::replayJournal(journal);
        if (!pending.ok)
            return WriteFailure{WriteFailure::File::Pending, pending.path, pending.error};
        if (pending.replayed) {
            const results::TakeRecord now = results::ReadTakeRecord(
                resultFilePath, n, P, blankCount, results::FileShape::Outcomes);
            outcomeRecord.lines = now.lines;
            outcomeRecord.loaded = now.loaded;
            outcomeRecord.damaged = now.damaged;
            summary = results::ReadSummary(summaryFilePath, n);
        }
    }

    // Every file of the mark is composed first; a damaged one is copied aside before anything
    // is written; then all are written as one step.
    QList<records::FileWrite> writes;
    results::TakeRecord record = outcomeRecord;
    record.fields = result.outcomes;
    if (!record.loaded) {
        // Unreadable when the paper opened; it may be readable now.
        const results::TakeRecord now =
            results::ReadTakeRecord(resultFilePath, n, P, blankCount, results::FileShape::Outcomes);
        if (!now.loaded && QFile::exists(resultFilePath))
            return WriteFailure{WriteFailure::File::Outcomes, resultFilePath,
                                QStringLiteral("the file could not be read")};
        record.lines = now.lines;
        record.damaged = now.damaged;
    }
    QByteArray outcomeBytes;
    QStringList outcomeLines;
    const ResultFile outcomeFile = first ? ResultFile::FirstResults : ResultFile::SecondResults;
    if (const records::SaveResult r = results::composeTakeFile(
            record, P, n, blankCount, freshLines(outcomeFile), outcomeBytes, outcomeLines);
        !r)
        return WriteFailure{WriteFailure::File::Outcomes, resultFilePath, r.error};
    writes.append({resultFilePath, outcomeBytes});

    const QString newTime = first ? clockText(elapsedSeconds) : timeTaken;
    const QString newDate = first ? results::shortDateText(completed) : dateDone;
    results::Summary updated = summary;
    if (first)
        results::setFirstTake(updated, P, n, result.percent, newTime, newDate);
    else
        results::setSecondTake(updated, P, n, result.percent);
    QByteArray summaryBytes;
    if (const records::SaveResult r = results::composeSummary(updated, n, summaryBytes); !r)
        return WriteFailure{WriteFailure::File::Summary, summaryFilePath, r.error};
    writes.append({summaryFilePath, summaryBytes});

    bool trendDamaged = false;
    if (first) {
        QByteArray trendBytes;
        if (const records::SaveResult r =
                results::composeTrend(trendFilePath, result.percent, trendBytes, trendDamaged);
            !r)
            return WriteFailure{WriteFailure::File::Summary, trendFilePath, r.error};
        writes.append({trendFilePath, trendBytes});
    }

    const std::array<std::pair<bool, QString>, 3> damaged{{{record.damaged, resultFilePath},
                                                           {summary.damaged, summaryFilePath},
                                                           {trendDamaged, trendFilePath}}};
    for (const auto &[isDamaged, path] : damaged) {
        if (!isDamaged || !QFile::exists(path))
            continue;
        QString copy;
        const records::SaveResult kept = results::keepDamagedCopy(path, copy);
        if (!kept)
            return WriteFailure{WriteFailure::File::Outcomes, path,
                                QStringLiteral("a copy of the damaged file could not be kept (%1)")
                                    .arg(kept.error)};
        noteCopy(records::SaveResult{true, {}, copy});
    }

    const records::TogetherResult written = records::writeFilesTogether(journal, writes);
    if (!written.written)
        return WriteFailure{WriteFailure::File::Outcomes, resultFilePath, written.error};

    // From here on the paper is marked: its files say so, or the journal will.
    record.lines = outcomeLines;
    record.loaded = true;
    record.damaged = false;
    outcomeRecord = record;
    outcomes = result.outcomes;
    updated.damaged = false;
    summary = updated;
    scoring = QString::number(result.score);
    percent = result.percent;
    timeTaken = newTime;
    dateDone = newDate;
    status = QStringLiteral("1");
    if (!written.ok)
        return WriteFailure{WriteFailure::File::Unfinished, resultFilePath, written.error};
    return std::nullopt;
}

int Paper::blanksOn(int q) const
{
    return q >= 1 && q <= blanksPerQuestion.size() ? blanksPerQuestion[q - 1] : 0;
}

int Paper::offsetOf(int q) const
{
    return blankOffset(blanksPerQuestion, q);
}

QStringList Paper::typesOf(int q) const
{
    QStringList types;
    const int offset = offsetOf(q);
    for (int k = 0; k < blanksOn(q); ++k)
        types.append(fieldAt(answerTypes, offset + k));
    return types;
}

} // namespace practice
