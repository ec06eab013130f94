#include "practice/paper.h"

#include "content/content.h"
#include "marking/marking.h"
#include "results/results.h"

namespace practice {

namespace {

using results::ResultFile;

QString takeFile(const home::HomeState &s, ResultFile f)
{
    return results::resultFilePath(s.dataFolder, f, s.LChose, s.lblCOD);
}

QString fieldAt(const QStringList &list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : QString();
}

} // namespace

std::optional<QString> Paper::loadTables(const home::HomeState &state)
{
    const content::PaperLoad load =
        content::LoadPaperTables(state.dataFolder, state.LChose, state.PaperNum);
    const content::PaperTables &t = load.tables;
    questionIds = t.questionIds;
    blanksPerQuestion = t.blanksPerQuestion;
    answerKeys = t.answerKeys;
    answerTypes = t.answerTypes;
    blankMarks = t.blankMarks;
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
        }
    }
    // LoadPaperTables already refuses a paper without questions as a broken paper list.
    return std::nullopt;
}

void Paper::loadRecords(const home::HomeState &state)
{
    const int n = state.TtPapersCon;
    const int P = state.PaperNum;
    paperIndex = P - 100;
    summaryFilePath = takeFile(state, ResultFile::Summary);
    trendFilePath = takeFile(state, ResultFile::Trend);
    const bool first = take_ == Take::First;
    answerFilePath = takeFile(state, first ? ResultFile::FirstAnswers : ResultFile::SecondAnswers);
    resultFilePath = takeFile(state, first ? ResultFile::FirstResults : ResultFile::SecondResults);

    answerRecord = results::ReadTakeRecord(answerFilePath, n, P, blankCount);
    answers = answerRecord.fields;
    outcomeRecord = results::ReadTakeRecord(resultFilePath, n, P, blankCount);
    outcomes = outcomeRecord.fields;
    while (answers.size() < blankCount)
        answers.append(QString());
    while (outcomes.size() < blankCount)
        outcomes.append(QString());

    if (!first) {
        // The blanks right in the first take are carried over, filled in and locked, at every
        // opening; they reach the second-take file with the next save.
        firstOutcomes =
            results::ReadTakeRecord(takeFile(state, ResultFile::FirstResults), n, P, blankCount)
                .fields;
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

std::optional<WriteFailure> Paper::saveAnswers(const home::HomeState &state)
{
    // Work on a copy: when the write fails the in-memory lines stay as the file still is.
    results::TakeRecord record = answerRecord;
    record.fields = answers;
    const records::SaveResult r = results::SaveTakeRecord(record, state.PaperNum, state.TtPapersCon,
                                                          blankCount, answerFilePath);
    if (!r)
        return WriteFailure{WriteFailure::File::Answers, answerFilePath, r.error};
    answerRecord = record;
    return std::nullopt;
}

std::optional<WriteFailure> Paper::mark(const home::HomeState &state, qint64 elapsedSeconds,
                                        QDate completed)
{
    const int n = state.TtPapersCon;
    const int P = state.PaperNum;
    const bool first = take_ == Take::First;

    const marking::TakeResult result =
        marking::MarkTake(answers, answerKeys, answerTypes, blankMarks);

    results::TakeRecord record = outcomeRecord;
    record.fields = result.outcomes;
    if (const records::SaveResult r =
            results::SaveTakeRecord(record, P, n, blankCount, resultFilePath);
        !r)
        return WriteFailure{WriteFailure::File::Outcomes, resultFilePath, r.error};
    outcomeRecord = record;
    outcomes = result.outcomes;

    const QString newTime = first ? clockText(elapsedSeconds) : timeTaken;
    const QString newDate = first ? results::shortDateText(completed) : dateDone;
    results::Summary updated = summary;
    if (first)
        results::setFirstTake(updated, P, n, result.percent, newTime, newDate);
    else
        results::setSecondTake(updated, P, n, result.percent);
    if (const records::SaveResult r = results::SaveSummary(summaryFilePath, updated, n); !r)
        return WriteFailure{WriteFailure::File::Summary, summaryFilePath, r.error};

    // From here on the paper is marked: the summary says so.
    summary = updated;
    scoring = QString::number(result.score);
    percent = result.percent;
    timeTaken = newTime;
    dateDone = newDate;
    status = QStringLiteral("1");

    if (first) {
        if (const records::SaveResult r = results::AppendTrend(trendFilePath, result.percent); !r)
            return WriteFailure{WriteFailure::File::Trend, trendFilePath, r.error};
    }
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
