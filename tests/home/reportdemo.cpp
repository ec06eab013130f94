// The home window on the shipped course showing the report card, for looking at it on screen
// (not a test). LARKSPUR_HOME names the data folder; its results are replaced.
//   report_demo [--subject N] [--panel N] [--empty] [--hover NAME[@X,Y]]
// Without --empty the results of subject N (default 2, Mathematics) hold the marked first and
// second takes of the table below that fall within its papers, in the order they were marked;
// --empty leaves them fresh.
// --panel opens panel N by a click on its header bar; --hover then rests the pointer on the
// named control (at X,Y inside it, else its centre) so that its tool tip shows.

#include "home/homewindow.h"

#include "content/content.h"
#include "results/results.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QHelpEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

struct Take
{
    int paper;
    const char *first;
    const char *second; // empty: no second take
};

// Mathematics: Whole Numbers, Fractions, Decimals, Percentage and Ratio, Measurement (none),
// Geometry and Data, Mock Examination.
constexpr Take Takes[] = {
    {101, "85", "95"},   {103, "70", "90"}, {106, "62.5", "75"}, {107, "80", ""},
    {108, "72.5", ""},   {109, "75", ""},   {111, "100", ""},    {112, "93.3", "100"},
    {116, "55", "66.7"}, {126, "66.7", ""}, {127, "66.8", ""},   {131, "50", "60"},
};

bool writeTakes(const QString &folder, const QString &code, int subject, int papers)
{
    const QString summaryPath =
        results::resultFilePath(folder, results::ResultFile::Summary, subject, code);
    const QString trendPath =
        results::resultFilePath(folder, results::ResultFile::Trend, subject, code);
    results::Summary summary = results::ReadSummary(summaryPath, papers);
    for (const Take &take : Takes) {
        if (take.paper > 100 + papers)
            continue;
        results::setFirstTake(summary, take.paper, papers, QString::fromLatin1(take.first),
                              QStringLiteral("0:12:5"),
                              results::shortDateText(QDate::currentDate()));
        if (*take.second)
            results::setSecondTake(summary, take.paper, papers, QString::fromLatin1(take.second));
        if (!results::AppendTrend(trendPath, QString::fromLatin1(take.first)))
            return false;
    }
    return bool(results::SaveSummary(summaryPath, summary, papers));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder =
        qEnvironmentVariable("LARKSPUR_HOME", QDir::tempPath() + "/larkspur-report-demo");
    QDir().mkpath(folder);

    const std::optional<content::CourseDescriptor> course = content::LoadDescriptor(folder);
    if (!course)
        return 1;
    int subject = 2; // Mathematics
    const qsizetype subjectArg = args.indexOf(QStringLiteral("--subject"));
    if (subjectArg > 0 && subjectArg + 1 < args.size())
        subject = std::clamp(args.at(subjectArg + 1).toInt(), 1, 3);
    results::ResetResults(folder, *course);
    if (!args.contains(QStringLiteral("--empty")) &&
        !writeTakes(folder, course->code, subject, course->subjects[subject - 1].paperCount))
        return 1;

    home::HomeWindow w(folder);
    if (w.startUp() != home::HomeWindow::StartUpStatus::Ok)
        return 1;
    w.show();
    w.clickTab(subject);
    w.showReportCard();
    const qsizetype panelArg = args.indexOf(QStringLiteral("--panel"));
    if (panelArg > 0 && panelArg + 1 < args.size()) {
        auto *bar = w.findChild<QWidget *>(QStringLiteral("lblRCBar") + args.at(panelArg + 1));
        if (bar)
            QTest::mouseClick(bar, Qt::LeftButton);
    }
    const qsizetype hoverArg = args.indexOf(QStringLiteral("--hover"));
    if (hoverArg > 0 && hoverArg + 1 < args.size()) {
        const QStringList where = args.at(hoverArg + 1).split(u'@');
        auto *target = w.findChild<QWidget *>(where.at(0));
        if (target) {
            QPoint at = target->rect().center();
            if (where.size() > 1)
                at =
                    QPoint(where[1].section(u',', 0, 0).toInt(), where[1].section(u',', 1).toInt());
            QTest::mouseMove(target, at);
            // What the pointer resting there asks for once the window is on screen.
            QTimer::singleShot(500, target, [target, at] {
                QHelpEvent help(QEvent::ToolTip, at, target->mapToGlobal(at));
                QApplication::sendEvent(target, &help);
            });
        }
    }
    return app.exec();
}
