#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "testpictures.h"

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
    void keysChooseNothing();
    void noticeLeavesHolderUntilClicked();
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
    QTest::addColumn<QString>("answer");
    QTest::newRow("Yes button") << "But1"
                                << "True";
    QTest::newRow("Yes caption") << "But1_lbl"
                                 << "True";
    QTest::newRow("No button") << "But2"
                               << "False";
    QTest::newRow("No caption") << "But2_lbl"
                                << "False";
}

void TestPopUp::answers()
{
    QFETCH(QString, target);
    QFETCH(QString, answer);
    QWidget master;
    master.setGeometry(50, 50, 600, 400);
    master.show();
    QString shown;
    whenOpen([&](frmPopUp *d) {
        shown = d->titleLabel()->text();
        QTest::mouseClick(d->findChild<QWidget *>(target), Qt::LeftButton, {}, QPoint(10, 10));
    });
    QString PopUpResponse = QStringLiteral("stale");
    const QString got =
        CallPop(QStringLiteral("Marking"), QStringLiteral("Do you want to mark your practice now?"),
                2, &master, &PopUpResponse);
    QCOMPARE(shown, QStringLiteral("Marking"));
    QCOMPARE(got, answer);
    QCOMPARE(PopUpResponse, answer);
    QVERIFY(!openDialog());
}

void TestPopUp::closedWithoutButtonIsNo()
{
    whenOpen([](frmPopUp *d) { d->close(); });      // as Alt+F4 or the window manager would
    QString PopUpResponse = QStringLiteral("True"); // the last dialog said yes
    const QString got = CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
                                nullptr, &PopUpResponse);
    QCOMPARE(got, QStringLiteral("False"));
    QCOMPARE(PopUpResponse, QStringLiteral("False"));
}

void TestPopUp::keysChooseNothing()
{
    bool stillOpen = false;
    whenOpen([&](frmPopUp *d) {
        QTest::keyClick(d, Qt::Key_Return);
        QTest::keyClick(d, Qt::Key_Escape);
        QTest::keyClick(d->button1(), Qt::Key_Space);
        stillOpen = d->isVisible() && d->answer().isEmpty();
        QTest::mouseClick(d->button2(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    QCOMPARE(CallPop(QStringLiteral("T"), QStringLiteral("M"), 2, nullptr),
             QStringLiteral("False"));
    QVERIFY(stillOpen);
}

void TestPopUp::noticeLeavesHolderUntilClicked()
{
    // Opening a notice does not clear the holder; its OK button then answers "True".
    QString PopUpResponse = QStringLiteral("False");
    QString whileOpen;
    whenOpen([&](frmPopUp *d) {
        whileOpen = PopUpResponse;
        QTest::mouseClick(d->button1(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    CallPop(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"), 1, nullptr, &PopUpResponse);
    QCOMPARE(whileOpen, QStringLiteral("False"));
    QCOMPARE(PopUpResponse, QStringLiteral("True"));
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
    QCOMPARE(d.answer(), QStringLiteral("True"));
}

void TestPopUp::presetAnswersDoNotShow()
{
    setNextPopUpAnswers({QStringLiteral("True"), QStringLiteral("False")});
    QString holder;
    QCOMPARE(CallPop(QStringLiteral("Marking"), QStringLiteral("Q1"), 2, nullptr, &holder),
             QStringLiteral("True"));
    QCOMPARE(holder, QStringLiteral("True"));
    QCOMPARE(CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr),
             QStringLiteral("False"));
    QVERIFY(pendingPopUpAnswers().isEmpty());
    setPopUpDefaultAnswer(QStringLiteral("True"));
    QCOMPARE(CallPop(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"), 1, nullptr),
             QStringLiteral("True"));
    const QList<PopUpCall> calls = takePopUpCalls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls.at(1).Title, QStringLiteral("Close Practice"));
    QCOMPARE(calls.at(1).NumofButtons, 2);
    QCOMPARE(calls.at(2).Msg, QStringLiteral("Paper saved"));
    QVERIFY(takePopUpCalls().isEmpty());
}

QTEST_MAIN(TestPopUp)
#include "tst_popup.moc"
