// Kill trials: real saving and marking on the shipped course, killed with SIGKILL at random
// moments, then the program's start-up recovery and a check that every result file is whole
// and that the files agree with each other.
//
//   larkspur_crashtrial [trials] [max-delay-ms] [seed]     (defaults 1000, 250, time)
//
// Each trial starts a worker (this program with "--work") on one data folder, kills it after a
// random delay, runs the start-up steps on the folder (RecoverDataFolder, then the missing
// result files, as the home window does) and checks it. The worker saves and marks papers of
// every subject, first and second takes, until it is killed. When most papers are marked the
// folder is reset between trials, outside any kill. Exit status 0 when every trial was sound.

#include "practice/paper.h"

#include "content/content.h"
#include "marking/marking.h"
#include "records/records.h"
#include "results/results.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>

using results::ResultFile;

namespace {

struct Figures
{
    int trials = 0;
    int inconsistent = 0;
    int damaged = 0;
    int replayed = 0;    // start-ups that finished a mark the kill had cut short
    int temporaries = 0; // temporary files start-up removed
    int marksSeen = 0;   // takes that became marked over all trials
    int resets = 0;
    int killedBeforeStart = 0; // kills that came before the worker changed anything
};

QString fieldOf(const QStringList &list, int i)
{
    return i >= 0 && i < list.size() ? list[i] : QString();
}

bool anyNonEmpty(const QStringList &list)
{
    for (const QString &s : list)
        if (!s.isEmpty())
            return true;
    return false;
}

// The worker: what a pupil does, as fast as it can, until it is killed.
int work(const QString &folder, quint64 seed)
{
    QRandomGenerator rng(seed);
    const std::optional<content::CourseDescriptor> course = content::LoadDescriptor(folder);
    if (!course)
        return 3;
    results::RecoverDataFolder(folder, course->code);
    results::EnsureAllResultFiles(folder, *course);
    for (;;) {
        const int s = 1 + int(rng.bounded(3));
        const content::SubjectInfo &subject = course->subjects[s - 1];
        if (!subject.exists())
            continue;
        const int P = subject.paperCount;
        const results::Summary summary = results::ReadSummary(
            results::resultFilePath(folder, ResultFile::Summary, s, course->code), P);
        QList<std::pair<int, practice::Take>> open;
        for (int j = 0; j < P; ++j) {
            if (fieldOf(summary[results::FST], j) != u"1")
                open.append({101 + j, practice::Take::First});
            else if (fieldOf(summary[results::SST], j) != u"1")
                open.append({101 + j, practice::Take::Second});
        }
        if (open.isEmpty())
            continue;
        const auto [paperNumber, take] = open[int(rng.bounded(int(open.size())))];
        practice::Paper paper(take);
        practice::PaperPlace place;
        place.dataFolder = folder;
        place.subject = s;
        place.code = course->code;
        place.paperCount = P;
        place.subjectName = subject.name;
        place.paperNumber = paperNumber;
        paper.setPlace(place);
        if (paper.loadTables())
            return 4;
        paper.loadRecords();
        if (paper.isMarked())
            continue;
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < paper.blankCount; ++i) {
                // A second take's blanks right the first time are carried over and locked.
                if (take == practice::Take::Second &&
                    paper.firstOutcomes.value(i) == QString(marking::RightMark))
                    continue;
                const QString key = paper.answerKeys.value(i);
                const bool right = rng.bounded(3) != 0 && records::fieldCanHold(key);
                if (rng.bounded(2))
                    paper.answers[i] = right ? key.section(u';', -1) : QStringLiteral("x");
            }
            if (paper.saveAnswers())
                return 5;
        }
        if (paper.mark(int(rng.bounded(4000)), QDate::currentDate()))
            return 6;
    }
}

// The tables of every paper, by subject and paper number; they never change.
using Tables = QHash<std::pair<int, int>, content::PaperTables>;

// One subject's files after a start-up: whole, and telling the same story.
QStringList checkSubject(const QString &folder, const content::CourseDescriptor &course, int s,
                         const Tables &tables, int *damaged, int *marked)
{
    QStringList problems;
    const content::SubjectInfo &subject = course.subjects[s - 1];
    const int P = subject.paperCount;
    const auto path = [&](ResultFile f) {
        return results::resultFilePath(folder, f, s, course.code);
    };
    const std::pair<ResultFile, results::FileShape> shapes[] = {
        {ResultFile::Summary, results::FileShape::Summary},
        {ResultFile::FirstAnswers, results::FileShape::PaperRecords},
        {ResultFile::SecondAnswers, results::FileShape::PaperRecords},
        {ResultFile::FirstResults, results::FileShape::PaperRecords},
        {ResultFile::SecondResults, results::FileShape::PaperRecords},
        {ResultFile::Trend, results::FileShape::Trend}};
    for (const auto &[file, shape] : shapes) {
        const std::optional<QStringList> lines = records::readLines(path(file));
        if (!lines || results::fileDamaged(*lines, shape, P)) {
            ++*damaged;
            problems.append(QStringLiteral("%1 damaged").arg(QFileInfo(path(file)).fileName()));
        }
    }
    const results::Summary summary = results::ReadSummary(path(ResultFile::Summary), P);
    QStringList markedScores;
    for (int j = 0; j < P; ++j) {
        const int paperNumber = 101 + j;
        const content::PaperTables table = tables.value({s, paperNumber});
        const int B = table.blankCount;
        for (const bool first : {true, false}) {
            const bool status = fieldOf(summary[first ? results::FST : results::SST], j) == u"1";
            const QString score = fieldOf(summary[first ? results::FSE : results::SSE], j);
            const QStringList outcomes =
                results::ReadTakeRecord(
                    path(first ? ResultFile::FirstResults : ResultFile::SecondResults), P,
                    paperNumber, B)
                    .fields;
            const QString what = QStringLiteral("subject %1 paper %2 take %3")
                                     .arg(s)
                                     .arg(paperNumber)
                                     .arg(first ? 1 : 2);
            if (status != !score.isEmpty() || status != anyNonEmpty(outcomes)) {
                problems.append(what + QStringLiteral(": status, score and outcomes disagree"));
                continue;
            }
            if (!status)
                continue;
            ++*marked;
            if (first)
                markedScores.append(score);
            // The outcomes and the score are those of the answers stored for the take.
            QStringList answers = results::ReadTakeRecord(path(first ? ResultFile::FirstAnswers
                                                                     : ResultFile::SecondAnswers),
                                                          P, paperNumber, B)
                                      .fields;
            if (!first) {
                const QStringList firstOutcomes =
                    results::ReadTakeRecord(path(ResultFile::FirstResults), P, paperNumber, B)
                        .fields;
                const QStringList firstAnswers =
                    results::ReadTakeRecord(path(ResultFile::FirstAnswers), P, paperNumber, B)
                        .fields;
                for (int i = 0; i < B; ++i)
                    if (fieldOf(firstOutcomes, i) == QString(marking::RightMark))
                        answers[i] = fieldOf(firstAnswers, i);
            }
            const marking::TakeResult again = marking::MarkTake(
                answers, table.answerKeys, table.answerTypes, table.blankMarks, table.answerFlags);
            if (again.outcomes != outcomes || again.percent != score)
                problems.append(what + QStringLiteral(": outcomes or score not those of the "
                                                      "stored answers"));
            if (!first && fieldOf(summary[results::FST], j) != u"1")
                problems.append(what + QStringLiteral(": second take of an unmarked paper"));
        }
    }
    QStringList trend = results::ReadTrend(path(ResultFile::Trend));
    trend.sort();
    markedScores.sort();
    if (trend != markedScores)
        problems.append(QStringLiteral("subject %1: the trend holds %2 entries for %3 marked "
                                       "first takes")
                            .arg(s)
                            .arg(trend.size())
                            .arg(markedScores.size()));
    return problems;
}

int run(int trials, int maxDelayMs, quint64 seed)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 2;
    const QString folder = dir.path();
    const std::optional<content::CourseDescriptor> course = content::LoadDescriptor(folder);
    if (!course)
        return 2;
    results::ResetResults(folder, *course);
    int totalTakes = 0;
    Tables tables;
    for (int s = 1; s <= 3; ++s) {
        const content::SubjectInfo &subject = course->subjects[s - 1];
        if (!subject.exists())
            continue;
        totalTakes += 2 * subject.paperCount;
        for (int p = 101; p <= 100 + subject.paperCount; ++p) {
            const content::PaperLoad load = content::LoadPaperTables(folder, s, p);
            if (!load.ok())
                return 2;
            tables.insert({s, p}, load.tables);
        }
    }

    QRandomGenerator rng(seed);
    Figures f;
    int markedBefore = 0;
    QElapsedTimer clock;
    clock.start();
    for (int t = 0; t < trials; ++t) {
        QProcess worker;
        worker.setProgram(QCoreApplication::applicationFilePath());
        worker.setArguments({QStringLiteral("--work"), folder, QString::number(rng.generate64())});
        worker.start();
        if (!worker.waitForStarted())
            return 2;
        QThread::usleep(rng.bounded(quint32(maxDelayMs) * 1000 + 1));
        ::kill(pid_t(worker.processId()), SIGKILL);
        worker.waitForFinished();
        if (worker.exitStatus() == QProcess::NormalExit) {
            std::fprintf(stderr, "worker stopped by itself (status %d)\n", worker.exitCode());
            return 2;
        }

        // The program starts again: its start-up steps, then what the home window reads.
        const results::Recovery recovery = results::RecoverDataFolder(folder, course->code);
        results::EnsureAllResultFiles(folder, *course);
        f.replayed += recovery.replayed ? 1 : 0;
        f.temporaries += recovery.removedTemporaries;
        ++f.trials;
        QStringList problems;
        if (!recovery.ok)
            problems.append(QStringLiteral("start-up could not finish a mark: ") + recovery.error);
        int damaged = 0, marked = 0;
        for (int s = 1; s <= 3; ++s)
            if (course->subjects[s - 1].exists())
                problems += checkSubject(folder, *course, s, tables, &damaged, &marked);
        const QStringList left = QDir(folder).entryList(QDir::Files);
        for (const QString &name : left)
            if (records::isInterruptedWrite(name) || name.endsWith(QStringLiteral(".journal")) ||
                name.startsWith(QStringLiteral("temp")) || name.contains(u"damaged"))
                problems.append(QStringLiteral("left in the data folder: ") + name);
        // The worker makes only names of the program's own: none may count as a lookalike.
        if (recovery.movedLeftovers > 0)
            problems.append(
                QStringLiteral("moved to Leftovers: %1 files").arg(recovery.movedLeftovers));
        f.damaged += damaged;
        if (!problems.isEmpty()) {
            ++f.inconsistent;
            std::fprintf(stderr, "trial %d:\n  %s\n", t + 1,
                         qPrintable(problems.join(QStringLiteral("\n  "))));
        }
        if (marked == markedBefore)
            ++f.killedBeforeStart;
        f.marksSeen += std::max(0, marked - markedBefore);
        markedBefore = marked;
        if (marked * 4 > totalTakes * 3) {
            results::ResetResults(folder, *course);
            markedBefore = 0;
            ++f.resets;
        }
    }
    std::printf("trials %d, inconsistent %d, damaged files %d\n", f.trials, f.inconsistent,
                f.damaged);
    std::printf("takes marked %d, trials without a new mark %d, resets %d\n", f.marksSeen,
                f.killedBeforeStart, f.resets);
    std::printf("start-ups that finished an interrupted mark %d, temporary files removed %d\n",
                f.replayed, f.temporaries);
    std::printf("kill delay 0..%d ms, seed %llu, %.1f s\n", maxDelayMs,
                static_cast<unsigned long long>(seed), clock.elapsed() / 1000.0);
    return f.inconsistent == 0 && f.damaged == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--work"))
        return work(args.value(2), args.value(3).toULongLong());
    const int trials = args.size() > 1 ? args[1].toInt() : 1000;
    const int maxDelay = args.size() > 2 ? args[2].toInt() : 250;
    const quint64 seed =
        args.size() > 3 ? args[3].toULongLong() : quint64(QDateTime::currentMSecsSinceEpoch());
    if (trials < 1 || maxDelay < 0) {
        std::fprintf(stderr, "usage: larkspur_crashtrial [trials] [max-delay-ms] [seed]\n");
        return 2;
    }
    return run(trials, maxDelay, seed);
}
