// A practice window on the shipped course without the home window, for looking at it on screen
// (not a test). LARKSPUR_HOME names the data folder.
//   practice_demo SUBJECT PAPER [--take 2] [--question N] [--right] [--answer] [--type K=TEXT]...
//                 [--mark] [--tip NAME] [--close]
// --take 2 opens the second take (mark the first take before). --right types the expected answer
// into the odd-numbered boxes of the question on view; --answer types "1" into every other open
// box of it; --type puts TEXT into box K instead; --mark then marks the paper (the confirmation
// answered yes). --tip shows the tool tip of the control NAME after marking; --close asks to
// close, so that the message dialog is on screen.

#include "practice/practice.h"
#include "practice/practicewindow.h"
#include "practice/viewerhost.h"

#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "marking/marking.h"
#include "results/results.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        qWarning("usage: practice_demo SUBJECT PAPER [--take 2] [--question N] [--right] "
                 "[--answer] [--mark]");
        return 2;
    }
    const QString folder =
        qEnvironmentVariable("LARKSPUR_HOME", QDir::tempPath() + "/larkspur-demo");
    QDir().mkpath(folder);
    content::ExtractGraphics(content::graphicsFolderPath(folder));
    chrome::Pictures::setDataFolder(folder);
    const std::optional<content::CourseDescriptor> course = content::LoadDescriptor(folder);
    if (!course)
        return 1;
    results::EnsureAllResultFiles(folder, *course);

    results::PaperPlace place;
    place.dataFolder = folder;
    place.subject = args[1].toInt();
    const content::SubjectInfo &subject = course->subjects[place.subject - 1];
    place.code = course->code;
    place.paperCount = subject.paperCount;
    place.paperNumber = args[2].toInt();
    const int topic = (place.paperNumber - 101) / 5;
    place.topicFirst = topic * 5 + 1;
    place.topicName = subject.topicNames.value(topic);
    const qsizetype takeArg = args.indexOf(QStringLiteral("--take"));
    place.take = takeArg > 0 && takeArg + 1 < args.size() ? args.at(takeArg + 1).toInt() : 1;
#ifdef VIEWER_PLUGIN
    practice::setViewerPluginPath(QStringLiteral(VIEWER_PLUGIN));
#endif
    practice::preloadViewer();
    auto *w = static_cast<practice::PracticeWindow *>(
        practice::openPracticeWindow(place, [] { QCoreApplication::quit(); }));
    if (!w)
        return 1;
    const qsizetype questionArg = args.indexOf(QStringLiteral("--question"));
    if (questionArg > 0 && questionArg + 1 < args.size())
        w->ShowQuestion(args.at(questionArg + 1).toInt());
    const practice::Paper &paper = w->paper();
    const int offset = paper.offsetOf(w->QSCount());
    for (int k = 1; k <= 20; ++k) {
        auto *box = w->findChild<QLineEdit *>(QStringLiteral("FA%1").arg(k));
        // Locked boxes (a marked paper, a blank carried over into the second take) stay as they
        // are.
        if (!box || !box->isVisible() || box->isReadOnly())
            continue;
        const QString typed = [&] {
            for (qsizetype a = 0; a + 1 < args.size(); ++a)
                if (args[a] == QLatin1String("--type") &&
                    args[a + 1].section(u'=', 0, 0).toInt() == k)
                    return args[a + 1].section(u'=', 1);
            return QString();
        }();
        if (!typed.isEmpty())
            box->setText(typed);
        else if (args.contains("--right") && k % 2 == 1)
            box->setText(marking::ModelAnswer(paper.answers, paper.answerKeys, paper.answerTypes,
                                              offset + k - 1, paper.answerFlags));
        else if (args.contains("--answer"))
            box->setText(QStringLiteral("1"));
    }
    if (args.contains("--mark")) {
        QTimer::singleShot(1000, w, [w] {
            chrome::setNextPopUpAnswers({true});
            w->MarkPaper();
        });
    }
    const qsizetype tipArg = args.indexOf(QStringLiteral("--tip"));
    if (tipArg > 0 && tipArg + 1 < args.size()) {
        const QString name = args.at(tipArg + 1);
        // Once the window is settled: after the marking when one was asked for.
        const bool afterMarking = args.contains("--mark");
        auto *poll = new QTimer(w);
        QObject::connect(poll, &QTimer::timeout, w, [w, name, poll, afterMarking] {
            if (afterMarking && (w->isMarking() || !w->paper().isMarked()))
                return;
            poll->stop();
            if (auto *control = w->findChild<QWidget *>(name))
                QToolTip::showText(control->mapToGlobal(control->rect().center()),
                                   control->toolTip(), control, {}, 60000);
        });
        poll->start(2000);
    }
    if (args.contains("--close"))
        QTimer::singleShot(1500, w, [w] { w->ClosePaper(); });
    return app.exec();
}
