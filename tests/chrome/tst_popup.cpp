#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "testpictures.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace chrome;

namespace {
frmPopUp *openDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<frmPopUp *>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

// Runs `act` on the dialog once it is on screen (from inside its modal loop).
void whenOpen(std::function<void(frmPopUp *)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (frmPopUp *d = openDialog()) {
            poll->stop();
            poll->deleteLater();
            act(d);
        }
    });
    poll->start();
}
} // namespace

class TestPopUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void oneButtonGeometry_data();
    void oneButtonGeometry();
    void twoButtonGeometry();
    void eachDialogStartsFromDesign();
    void centredOnMaster();
    void answers_data();
    void answers();
    void closedWithoutButtonIsNo();
    void keyboard_data();
    void keyboard();
    void focusRingAndNames();
    void noticeAnswersOnItsButton();
    void hoverLooks();
    void presetAnswersDoNotShow();

private:
    QTemporaryDir m_dir;
};

void TestPopUp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writeTestPictures(m_dir.filePath(QStringLiteral("Graphics")));
    Pictures::setDataFolder(m_dir.path());
}

void TestPopUp::init()
{
    setNextPopUpAnswers({});
    setPopUpDefaultAnswer({});
    takePopUpCalls();
}

void TestPopUp::oneButtonGeometry_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("messageTop");
    QTest::newRow("32 characters, lowered") << 32 << 51;
    QTest::newRow("33 characters") << 33 << 44;
}

void TestPopUp::oneButtonGeometry()
{
    QFETCH(int, length);
    QFETCH(int, messageTop);
    frmPopUp d;
    d.CallPop(QStringLiteral("Larkspur"), QString(length, QLatin1Char('m')), 1, nullptr);
    QCOMPARE(d.size(), QSize(265, 150));
    // The title spans the dialog with a 16 px margin on each side.
    QCOMPARE(d.titleLabel()->geometry(), QRect(16, 5, 233, 18));
    QCOMPARE(d.titleLabel()->text(), QStringLiteral("Larkspur"));
    QCOMPARE(d.infoIcon()->geometry(), QRect(16, 44, 32, 27));
    QCOMPARE(d.message()->pos(), QPoint(58, messageTop));
    QCOMPARE(d.message()->width(), 192);
    QVERIFY(!d.button1()->isHidden());
    QVERIFY(d.button2()->isHidden());
    // Centred at 92.5 px: the widget sits on the whole pixel below.
    QCOMPARE(d.button1()->geometry(), QRect(92, 109, 80, 25));
    QCOMPARE(d.button1()->captionLabel()->text(), QStringLiteral("OK"));
    QCOMPARE(d.button1()->captionLabel()->objectName(), QStringLiteral("But1_lbl"));
}

void TestPopUp::twoButtonGeometry()
{
    frmPopUp d;
    d.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
    QCOMPARE(d.button1()->geometry(), QRect(58, 109, 80, 25));
    QCOMPARE(d.button2()->geometry(), QRect(148, 109, 80, 25));
    QVERIFY(!d.button2()->isHidden());
    QCOMPARE(d.button1()->captionLabel()->text(), QStringLiteral("Yes"));
    QCOMPARE(d.button2()->captionLabel()->text(), QStringLiteral("No"));
    // The whole title shows, in the label's own bold font.
    QLabel *title = d.titleLabel();
    QVERIFY(QFontMetrics(title->font()).horizontalAdvance(title->text()) <= title->width());
    // A long message wraps and grows downward from the icon's top.
    d.CallPop(QStringLiteral("Marking"),
              QStringLiteral("You have not answered all the questions.  Do you still want to "
                             "mark your practice?"),
              2, nullptr);
    QCOMPARE(d.message()->pos(), QPoint(58, 44));
    QVERIFY(d.message()->height() >= 28);
}

void TestPopUp::eachDialogStartsFromDesign()
{
    {
        frmPopUp d;
        d.CallPop(QStringLiteral("A"), QStringLiteral("B"), 2, nullptr);
    }
    frmPopUp fresh;
    QCOMPARE(fresh.button1()->captionLabel()->text(), QStringLiteral("OK"));
    QCOMPARE(fresh.button2()->captionLabel()->text(), QStringLiteral("Cancel"));
    QCOMPARE(fresh.button1()->pos(), QPoint(32, 109));
    QCOMPARE(fresh.button2()->pos(), QPoint(128, 109));
}

void TestPopUp::centredOnMaster()
{
    QWidget master;
    master.setWindowFlags(Qt::FramelessWindowHint);
    master.setGeometry(100, 100, 400, 300);
    master.show();
    frmPopUp d;
    d.CallPop(QStringLiteral("T"), QStringLiteral("M"), 1, &master);
    QCOMPARE(d.pos(), QPoint(100 + (400 - 265) / 2, 100 + (300 - 150) / 2));
}

void TestPopUp::answers_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes button") << "But1" << true;
    QTest::newRow("Yes caption") << "But1_lbl" << true;
    QTest::newRow("No button") << "But2" << false;
    QTest::newRow("No caption") << "But2_lbl" << false;
}

void TestPopUp::answers()
{
    QFETCH(QString, target);
    QFETCH(bool, answer);
    QWidget master;
    master.setGeometry(50, 50, 600, 400);
    master.show();
    QString shown;
    whenOpen([&](frmPopUp *d) {
        shown = d->titleLabel()->text();
        QTest::mouseClick(d->findChild<QWidget *>(target), Qt::LeftButton, {}, QPoint(10, 10));
    });
    const bool got = ask(QStringLiteral("Marking"),
                         QStringLiteral("Do you want to mark your practice now?"), &master);
    QCOMPARE(shown, QStringLiteral("Marking"));
    QCOMPARE(got, answer);
    QVERIFY(!openDialog());
}

void TestPopUp::closedWithoutButtonIsNo()
{
    whenOpen([](frmPopUp *d) { d->close(); }); // as Alt+F4 or the window manager would
    QCOMPARE(ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), nullptr), false);
}

void TestPopUp::keyboard_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("keys"); // pressed in turn, each on the focused control
    QTest::addColumn<bool>("answer");
    QTest::newRow("Return answers the focused No") << 2 << "Return" << false;
    QTest::newRow("Space answers the focused No") << 2 << "Space" << false;
    QTest::newRow("keypad Enter answers No") << 2 << "Enter" << false;
    QTest::newRow("Tab to Yes, Return") << 2 << "Tab Return" << true;
    QTest::newRow("Shift+Tab to Yes, Space") << 2 << "Backtab Space" << true;
    QTest::newRow("Tab twice comes back to No") << 2 << "Tab Tab Return" << false;
    QTest::newRow("arrow to Yes, Space") << 2 << "Left Space" << true;
    QTest::newRow("Escape is No") << 2 << "Escape" << false;
    QTest::newRow("Escape after Tab to Yes is still No") << 2 << "Tab Escape" << false;
    QTest::newRow("letters answer nothing") << 2 << "Y N Return" << false;
    QTest::newRow("notice: Return presses OK") << 1 << "Return" << true;
    QTest::newRow("notice: Tab stays on OK") << 1 << "Tab Space" << true;
    QTest::newRow("notice: Escape closes") << 1 << "Escape" << false;
}

void TestPopUp::keyboard()
{
    QFETCH(int, buttons);
    QFETCH(QString, keys);
    QFETCH(bool, answer);
    const QHash<QString, Qt::Key> names{{"Return", Qt::Key_Return},
                                        {"Enter", Qt::Key_Enter},
                                        {"Space", Qt::Key_Space},
                                        {"Tab", Qt::Key_Tab},
                                        {"Backtab", Qt::Key_Backtab},
                                        {"Left", Qt::Key_Left},
                                        {"Escape", Qt::Key_Escape},
                                        {"Y", Qt::Key_Y},
                                        {"N", Qt::Key_N}};
    frmPopUp d;
    d.CallPop(QStringLiteral("Marking"), QStringLiteral("Do you want to mark your practice now?"),
              buttons, nullptr);
    QString firstFocus;
    int pressed = 0;
    bool leftOpen = false;
    // Once the dialog is on screen and has the focus, from inside its modal loop.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &d, [&] {
        if (!QApplication::focusWidget() || QApplication::focusWidget()->window() != &d)
            return;
        poll.stop();
        firstFocus =
            QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        for (const QString &key : keys.split(u' ')) {
            // As the keyboard would: to the control that has the focus.
            QWidget *target = QApplication::focusWidget();
            if (!target || target->window() != &d || !d.isVisible())
                break;
            const Qt::Key k = names.value(key);
            QTest::keyClick(target, k, k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            ++pressed;
        }
        leftOpen = d.isVisible();
        if (leftOpen)
            d.close();
    });
    poll.start();
    const std::optional<bool> before = d.answer();
    const bool got = d.exec();
    QVERIFY(!before);
    QCOMPARE(firstFocus, buttons == 2 ? QStringLiteral("But2") : QStringLiteral("But1"));
    QCOMPARE(pressed, keys.count(u' ') + 1);
    QVERIFY(!leftOpen);
    QCOMPARE(got, answer);
}

void TestPopUp::focusRingAndNames()
{
    frmPopUp d;
    d.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // The ring is drawn just inside the edge of the focused button only.
    auto ringAt = [](QWidget *button) {
        const QImage image = button->grab().toImage();
        return image.pixelColor(1, image.height() / 2) == focusRingColour();
    };
    d.button1()->setFocus(Qt::TabFocusReason);
    QVERIFY(ringAt(d.button1()));
    QVERIFY(!ringAt(d.button2()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(d.button2()->hasFocus());
    QVERIFY(!ringAt(d.button1()));
    QVERIFY(ringAt(d.button2()));
    // A click never moves the focus, so a mouse user sees no ring.
    QCOMPARE(d.button1()->focusPolicy(), Qt::TabFocus);

    // A screen reader hears an alert named by the title, with two named push buttons.
    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(&d);
    QVERIFY(dialog);
    QCOMPARE(dialog->role(), QAccessible::AlertMessage);
    QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Close Practice"));
    QCOMPARE(dialog->text(QAccessible::Description), QStringLiteral("Confirm?"));
    for (auto [button, name] : {std::pair{d.button1(), "Yes"}, std::pair{d.button2(), "No"}}) {
        QAccessibleInterface *b = QAccessible::queryAccessibleInterface(button);
        QVERIFY(b);
        QCOMPARE(b->role(), QAccessible::Button);
        QCOMPARE(b->text(QAccessible::Name), QString::fromLatin1(name));
        QVERIFY(b->state().focusable);
    }
}

void TestPopUp::noticeAnswersOnItsButton()
{
    // A notice waits for its OK button, whatever was asked before.
    setNextPopUpAnswers({});
    bool openAfterShow = false;
    whenOpen([&](frmPopUp *d) {
        openAfterShow = d->isVisible() && !d->answer();
        QCOMPARE(d->button1()->captionLabel()->text(), QStringLiteral("OK"));
        QTest::mouseClick(d->button1(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    tell(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"), nullptr);
    QVERIFY(openAfterShow);
    QVERIFY(!openDialog());
    QCOMPARE(takePopUpCalls().value(0).NumofButtons, 1);
}

void TestPopUp::hoverLooks()
{
    frmPopUp d;
    d.CallPop(QStringLiteral("T"), QStringLiteral("M"), 2, nullptr);
    d.show();
    QCursor::setPos(d.button1()->mapToGlobal(QPoint(40, 12)));
    d.tick();
    QCOMPARE(d.button1()->currentPicture(), QStringLiteral("button_on.bmp"));
    QCOMPARE(d.button2()->currentPicture(), QStringLiteral("button_off.bmp"));
    // A press shows no pressed look on the dialog.
    QTest::mousePress(d.button1(), Qt::LeftButton, {}, QPoint(40, 12));
    d.tick();
    QCOMPARE(d.button1()->currentPicture(), QStringLiteral("button_on.bmp"));
    QTest::mouseRelease(d.button1(), Qt::LeftButton, {}, QPoint(40, 12));
    QCOMPARE(d.answer(), std::optional<bool>(true));
}

void TestPopUp::presetAnswersDoNotShow()
{
    setNextPopUpAnswers({true, false});
    QCOMPARE(ask(QStringLiteral("Marking"), QStringLiteral("Q1"), nullptr), true);
    QCOMPARE(ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), nullptr), false);
    QVERIFY(pendingPopUpAnswers().isEmpty());
    setPopUpDefaultAnswer(true);
    tell(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"), nullptr);
    QCOMPARE(ask(QStringLiteral("Marking"), QStringLiteral("Q2"), nullptr), true);
    const QList<PopUpCall> calls = takePopUpCalls();
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls.at(1).Title, QStringLiteral("Close Practice"));
    QCOMPARE(calls.at(1).NumofButtons, 2);
    QVERIFY(!calls.at(1).answer);
    QCOMPARE(calls.at(2).Msg, QStringLiteral("Paper saved"));
    QCOMPARE(calls.at(2).NumofButtons, 1);
    QVERIFY(takePopUpCalls().isEmpty());
}

QTEST_MAIN(TestPopUp)
#include "tst_popup.moc"
