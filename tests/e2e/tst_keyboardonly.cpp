// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program by keyboard alone, as a pupil without a mouse uses it: from start-up to a
// paper, its answers typed, saved and marked, the paper closed, its second take opened, answered
// and marked, and on to the report card. Every step is a key press sent to the control that has
// the focus in the window on top (a message box while one is open); the test only reads what the
// windows show. Nothing answers a message box for the pupil: the boxes are the real ones.

#include "app/datafolder.h"
#include "chrome/popup.h"
#include "home/homewindow.h"
#include "practice/practice.h"
#include "practice/practicewindow.h"
#include "practice/viewerhost.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The window whose controls take the keys: a message box on top of everything, else the paper,
// else the home window.
QWidget *topWindow(QWidget *home, QWidget *paper)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<chrome::frmPopUp *>(w) && w->isVisible())
            return w;
    return paper && paper->isVisible() ? paper : home;
}

} // namespace

class KeyboardOnlyTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void fromStartUpToTheReportCard();

private:
    practice::PracticeWindow *paper() const
    {
        return qobject_cast<practice::PracticeWindow *>(home_->practiceWindow());
    }
    QWidget *focusTarget() const
    {
        QWidget *w = topWindow(home_.get(), paper());
        return w->focusWidget() ? w->focusWidget() : w;
    }
    QString focused() const { return focusTarget()->objectName(); }
    // Presses keys by name ("Tab", "Shift+Tab", "Ctrl+M", "Alt+Right", "Return", ...) or types
    // text ("'12'") into whatever has the focus at that moment.
    void press(const QString &keys);
    // Presses `keys` in the next message box as soon as it is on screen. Set up before the key
    // that opens it: the box holds that key press until it is answered.
    void answerNextBox(const QString &keys, QString *message = nullptr);
    // Tab, or Shift+Tab, until the control of that name has the focus.
    bool tabTo(const QString &name, bool backwards = false);
    // Answers every question of the paper on view: `text` into each box open for typing.
    void answerEveryQuestion(const QString &text);

    QTemporaryDir data_;
    std::unique_ptr<app::SingleInstance> instance_;
    std::unique_ptr<home::HomeWindow> home_;
};

void KeyboardOnlyTest::initTestCase()
{
    QVERIFY(data_.isValid());
#if defined(LARKSPUR_VIEWER_PLUGIN)
    practice::setViewerPluginPath(QStringLiteral(LARKSPUR_VIEWER_PLUGIN));
#endif
    // As main() starts the program.
    const app::DataFolder folder = app::prepareDataFolder(data_.path());
    QVERIFY(folder.ok);
    instance_ = std::make_unique<app::SingleInstance>(folder.path);
    QVERIFY(instance_->tryLock());
    home_ = std::make_unique<home::HomeWindow>(folder.path);
    home_->setPracticeOpener(
        [](const results::PaperPlace &place, std::function<void()> onUnload) -> QWidget * {
            return practice::openPracticeWindow(place, std::move(onUnload));
        });
    home_->setPracticeCloseQuery(practice::mayClose);
    QCOMPARE(home_->startUp(), home::HomeWindow::StartUpStatus::Ok);
    home_->show();
    home_->activateWindow();
    practice::preloadViewer();
    QVERIFY(QTest::qWaitForWindowExposed(home_.get()));
}

void KeyboardOnlyTest::cleanupTestCase()
{
    if (home_ && home_->practiceWindow()) {
        chrome::setNextPopUpAnswers({true});
        delete home_->practiceWindow();
        chrome::setNextPopUpAnswers({});
    }
    home_.reset();
    instance_.reset();
}

void KeyboardOnlyTest::press(const QString &keys)
{
    static const QHash<QString, Qt::Key> names{
        {"Tab", Qt::Key_Tab},     {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
        {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},   {"Return", Qt::Key_Return},
        {"Space", Qt::Key_Space}, {"Escape", Qt::Key_Escape}, {"M", Qt::Key_M},
        {"S", Qt::Key_S},         {"W", Qt::Key_W},           {"2", Qt::Key_2}};
    for (QString key : keys.split(u' ', Qt::SkipEmptyParts)) {
        // Keys reach the active window only: after a message box closes, the window manager
        // gives the focus back to the window beneath a moment later.
        QWidget *window = topWindow(home_.get(), paper());
        QVERIFY2(QTest::qWaitForWindowActive(window, 5000), qPrintable(window->objectName()));
        if (key.startsWith(u'\'')) {
            QTest::keyClicks(focusTarget(), key.mid(1, key.size() - 2));
            continue;
        }
        Qt::KeyboardModifiers mods;
        for (const auto &[prefix, mod] : {std::pair{QStringLiteral("Ctrl+"), Qt::ControlModifier},
                                          std::pair{QStringLiteral("Shift+"), Qt::ShiftModifier},
                                          std::pair{QStringLiteral("Alt+"), Qt::AltModifier}}) {
            if (key.startsWith(prefix)) {
                mods |= mod;
                key.remove(0, prefix.size());
            }
        }
        QVERIFY2(names.contains(key), qPrintable(key));
        const Qt::Key k = key == QLatin1String("Tab") && (mods & Qt::ShiftModifier)
                              ? Qt::Key_Backtab
                              : names.value(key);
        QTest::keyClick(focusTarget(), k, mods);
    }
}

void KeyboardOnlyTest::answerNextBox(const QString &keys, QString *message)
{
    auto *poll = new QTimer(this);
    poll->setInterval(20);
    connect(poll, &QTimer::timeout, this, [this, poll, keys, message] {
        QWidget *top = topWindow(home_.get(), paper());
        auto *box = qobject_cast<chrome::frmPopUp *>(top);
        // The box takes keys once it is the active window, as it is for the pupil.
        if (!box || QApplication::activeWindow() != box)
            return;
        poll->deleteLater();
        poll->stop();
        if (message)
            *message = box->message()->text();
        press(keys);
    });
    poll->start();
}

bool KeyboardOnlyTest::tabTo(const QString &name, bool backwards)
{
    for (int i = 0; i < 40 && focused() != name; ++i)
        press(backwards ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"));
    return focused() == name;
}

void KeyboardOnlyTest::answerEveryQuestion(const QString &text)
{
    practice::PracticeWindow *w = paper();
    QVERIFY(w);
    for (int q = 1; q <= w->paper().questionCount(); ++q) {
        QCOMPARE(w->QSCount(), q);
        // Return goes from box to box, past the locked ones.
        for (int k = 0; k < w->paper().blanksOn(q); ++k) {
            auto *box = qobject_cast<QLineEdit *>(focusTarget());
            QVERIFY2(box && box->objectName().startsWith(QLatin1String("FA")),
                     qPrintable(focused()));
            if (!box->isReadOnly()) {
                box->selectAll();
                press(QStringLiteral("'%1' Return").arg(text));
            }
        }
        if (q < w->paper().questionCount())
            press(QStringLiteral("Alt+Right"));
    }
}

void KeyboardOnlyTest::fromStartUpToTheReportCard()
{
    // The focus starts on the first subject's tab; its first topic is chosen. Tab, Tab: the first
    // paper's button; Return opens it.
    QCOMPARE(focused(), QStringLiteral("Tab01"));
    press(QStringLiteral("Tab Tab"));
    QCOMPARE(focused(), QStringLiteral("P1a"));
    press(QStringLiteral("Return"));
    QPointer<practice::PracticeWindow> first = paper();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QCOMPARE(first->objectName(), QStringLiteral("Test1"));
    QCOMPARE(focused(), QStringLiteral("FA1"));

    answerEveryQuestion(QStringLiteral("1"));
    // Ctrl+S, and Return on the notice's OK.
    QString said;
    answerNextBox(QStringLiteral("Return"), &said);
    press(QStringLiteral("Ctrl+S"));
    QCOMPARE(said, QStringLiteral("Paper saved"));
    // Ctrl+M: the box starts on No, so a stray Return would mark nothing; Tab to Yes.
    answerNextBox(QStringLiteral("Return"));
    press(QStringLiteral("Ctrl+M"));
    QVERIFY(!first->isMarking() && !first->paper().isMarked());
    answerNextBox(QStringLiteral("Tab Return"));
    press(QStringLiteral("Ctrl+M"));
    QTRY_VERIFY_WITH_TIMEOUT(first->paper().isMarked(), 10000);
    // Escape in Close's "Confirm?" answers No; then Yes closes the paper.
    answerNextBox(QStringLiteral("Escape"));
    press(QStringLiteral("Ctrl+W"));
    QVERIFY(first && first->isVisible());
    answerNextBox(QStringLiteral("Tab Return"));
    press(QStringLiteral("Ctrl+W"));
    QTRY_VERIFY(!first);

    // Back home: the paper's second take is offered below its first.
    QVERIFY(tabTo(QStringLiteral("P1a")));
    press(QStringLiteral("Down"));
    QCOMPARE(focused(), QStringLiteral("P1b"));
    press(QStringLiteral("Space"));
    QPointer<practice::PracticeWindow> second = paper();
    QVERIFY(second);
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCOMPARE(second->objectName(), QStringLiteral("Test2"));
    answerEveryQuestion(QStringLiteral("2"));
    answerNextBox(QStringLiteral("Left Space"));
    press(QStringLiteral("Ctrl+M"));
    QTRY_VERIFY_WITH_TIMEOUT(second->paper().isMarked(), 10000);
    answerNextBox(QStringLiteral("Tab Space"));
    press(QStringLiteral("Ctrl+W"));
    QTRY_VERIFY(!second);

    // The report card, from the toolbar.
    QVERIFY(tabTo(QStringLiteral("ToolBar01"), true));
    press(QStringLiteral("Right"));
    QCOMPARE(focused(), QStringLiteral("ToolBar02"));
    press(QStringLiteral("Return"));
    auto *report = home_->findChild<QWidget *>(QStringLiteral("Body_Report"));
    QVERIFY(report && report->isVisible());
    QVERIFY(chrome::pendingPopUpAnswers().isEmpty());
}

QTEST_MAIN(KeyboardOnlyTest)
#include "tst_keyboardonly.moc"
