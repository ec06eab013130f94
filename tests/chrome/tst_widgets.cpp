#include "chrome/border.h"
#include "chrome/identities.h"
#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/skinnedwindow.h"
#include "testpictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace chrome;

namespace {
// A practice-like window with two toolbar buttons and captions, shown at a known place.
struct ToolbarWindow
{
    SkinnedWindow window{SkinnedWindow::Kind::Practice};
    ImageButton *save;
    ImageButton *mark;

    ToolbarWindow()
    {
        save = new ImageButton(QStringLiteral("ToolBar01"), &window);
        save->setIdentity(buttonIdentity(QStringLiteral("Save"), QStringLiteral("Save paper"),
                                         QStringLiteral("save"), true));
        save->setTracksPress(true);
        save->move(10, 40);
        save->caption(QStringLiteral("lblTB01"))->setGeometry(0, 30, 44, 15);
        mark = new ImageButton(QStringLiteral("ToolBar02"), &window);
        mark->setIdentity(buttonIdentity(QStringLiteral("Mark"), QStringLiteral("Mark paper"),
                                         QStringLiteral("mark"), true));
        mark->setTracksPress(true);
        mark->move(62, 40);
        mark->caption(QStringLiteral("lblTB02"))->setGeometry(0, 30, 44, 15);
        window.move(100, 100);
        window.resize(800, 600);
        window.show();
        window.timer()->stop(); // the tests tick by hand
    }

    QPoint centreOf(QWidget *w) const { return w->mapToGlobal(w->rect().center()); }
    void pointAt(QWidget *w)
    {
        QCursor::setPos(centreOf(w));
        window.tick();
    }
};
} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void maskReplacedAfterResize();
    void framePiecesFollowPictures();
    void clientRectInsideFrame();
    void dragFromTitleBar_data();
    void dragFromTitleBar();
    void titleButtonsDoNotDrag();
    void inactiveSkin();
    void maximisedButtonPictures();
    void hoverAndLeave();
    void pressShowsPressed();
    void pressAndDragOntoAnother();
    void captionPressActsButDoesNotPress();
    void disabledIgnoresClicks();
    void picturesReadOnce();
    void missingPicturesTolerated();
    void borderDrawnAndErased();

private:
    QTemporaryDir m_dir;
};

void TestWidgets::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writeTestPictures(m_dir.filePath(QStringLiteral("Graphics")));
    Pictures::setDataFolder(m_dir.path());
    QVERIFY(!Pictures::get(QStringLiteral("border_top_left.bmp")).isNull());
    QVERIFY(!Pictures::get(QStringLiteral("Border_bot_left.gif")).isNull());
    // Written as "pencil.ico", asked for as "Pencil.ico": names match without regard to case.
    QVERIFY(!Pictures::get(QStringLiteral("Pencil.ico")).isNull());
    QVERIFY(Pictures::get(QStringLiteral("no_such_picture.bmp")).isNull());
}

void TestWidgets::maskReplacedAfterResize()
{
    SkinnedWindow w(SkinnedWindow::Kind::Practice);
    w.resize(800, 600);
    w.show(); // a hidden window gets its resize events only when shown
    QCOMPARE(w.mask(), outlineRegion(OutlineKind::Window, QSize(800, 600)));
    w.resize(600, 400);
    QCOMPARE(w.currentOutline(), windowOutline(QSize(600, 400)));
    QCOMPARE(w.mask(), outlineRegion(OutlineKind::Window, QSize(600, 400)));
    QVERIFY(!w.mask().contains(QPoint(700, 500))); // inside the old outline only
    w.resize(900, 700);
    QVERIFY(w.mask().contains(QPoint(850, 650)));
    QVERIFY(!w.mask().contains(QPoint(899, 0))); // the new top-right corner is rounded
}

void TestWidgets::framePiecesFollowPictures()
{
    SkinnedWindow d(SkinnedWindow::Kind::Dialog);
    QCOMPARE(d.size(), QSize(265, 150));
    QCOMPARE(d.framePiece(QStringLiteral("BTopCentre"))->geometry(), QRect(48, 0, 169, 28));
    QCOMPARE(d.framePiece(QStringLiteral("BLeft"))->geometry(), QRect(0, 28, 4, 115));
    QCOMPARE(d.framePiece(QStringLiteral("BBot"))->geometry(), QRect(6, 146, 253, 4));
    QCOMPARE(d.framePiece(QStringLiteral("BBotLeft"))->pictureName(),
             QStringLiteral("Border_bot_left.gif"));
    QCOMPARE(d.mask(), outlineRegion(OutlineKind::Dialog, QSize(265, 150)));

    SkinnedWindow h(SkinnedWindow::Kind::Home);
    QCOMPARE(h.framePiece(QStringLiteral("BBotLeft"))->size(), QSize(6, 4));
    QVERIFY(!h.maximiseButton());
    QVERIFY(h.closeButton());
    // Close 60 twips (4 px) from the right edge, minimise 30 twips (2 px) left of it.
    QCOMPARE(h.closeButton()->x(), h.width() - 19 - 4);
    QCOMPARE(h.minimiseButton()->x(), h.closeButton()->x() - 19 - 2);
    QCOMPARE(h.titleLabel()->x(), 30);
}

void TestWidgets::clientRectInsideFrame()
{
    SkinnedWindow w(SkinnedWindow::Kind::Practice);
    w.resize(800, 600);
    QCOMPARE(w.clientRect(), QRect(4, 28, 792, 568));
}

void TestWidgets::dragFromTitleBar_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("button");
    QTest::newRow("left piece, left button") << "BTopLeft" << int(Qt::LeftButton);
    QTest::newRow("middle piece, right button") << "BTopCentre" << int(Qt::RightButton);
    QTest::newRow("right piece, middle button") << "BTopRight" << int(Qt::MiddleButton);
    QTest::newRow("title, right button") << "Title" << int(Qt::RightButton);
}

void TestWidgets::dragFromTitleBar()
{
    QFETCH(QString, source);
    QFETCH(int, button);
    SkinnedWindow w(SkinnedWindow::Kind::Home);
    w.setTitle(QStringLiteral("Larkspur"));
    w.show();
    QSignalSpy spy(&w, &SkinnedWindow::moveStarted);
    auto *target = w.findChild<QWidget *>(source);
    QVERIFY(target);
    const auto send = [target](QEvent::Type type, QPoint pos, Qt::MouseButton b,
                               Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), b, held,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(target, &e);
    };
    const auto b = Qt::MouseButton(button);
    const int far = QGuiApplication::styleHints()->startDragDistance();
    // A click, even with a small slip of the pointer, does not start a move.
    send(QEvent::MouseButtonPress, QPoint(5, 5), b, b);
    send(QEvent::MouseMove, QPoint(6, 5), Qt::NoButton, b);
    send(QEvent::MouseButtonRelease, QPoint(6, 5), b, Qt::NoButton);
    QCOMPARE(spy.count(), 0);
    // Moving on after the release does not start one either.
    send(QEvent::MouseMove, QPoint(5 + far, 5), Qt::NoButton, Qt::NoButton);
    QCOMPARE(spy.count(), 0);
    // Pressed and dragged a few pixels: the move starts, once.
    send(QEvent::MouseButtonPress, QPoint(5, 5), b, b);
    send(QEvent::MouseMove, QPoint(5, 5 + far), Qt::NoButton, b);
    send(QEvent::MouseMove, QPoint(5, 5 + 2 * far), Qt::NoButton, b);
    QCOMPARE(spy.count(), 1);
    send(QEvent::MouseButtonRelease, QPoint(5, 5 + 2 * far), b, Qt::NoButton);
}

void TestWidgets::titleButtonsDoNotDrag()
{
    SkinnedWindow w(SkinnedWindow::Kind::Practice);
    w.show();
    QSignalSpy moves(&w, &SkinnedWindow::moveStarted);
    QSignalSpy closes(&w, &SkinnedWindow::closeRequested);
    QTest::mouseClick(w.closeButton(), Qt::LeftButton);
    QCOMPARE(moves.count(), 0);
    QCOMPARE(closes.count(), 1);
    // The body does not drag either.
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(400, 300));
    QCOMPARE(moves.count(), 0);
}

void TestWidgets::inactiveSkin()
{
    ToolbarWindow t;
    SkinnedWindow &w = t.window;
    w.applySkin(false);
    QVERIFY(!w.isSkinActive());
    QCOMPARE(w.framePiece(QStringLiteral("BTopLeft"))->pictureName(),
             QStringLiteral("border_white_top_left.bmp"));
    QCOMPARE(w.framePiece(QStringLiteral("BTopCentre"))->pictureName(),
             QStringLiteral("border_white_top_center.bmp"));
    QCOMPARE(w.titleLabel()->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
    // Pointer over the title buttons of an inactive window: they keep the inactive pictures.
    t.pointAt(w.closeButton());
    QCOMPARE(w.closeButton()->currentPicture(), QStringLiteral("prog_white_close.bmp"));
    t.pointAt(w.minimiseButton());
    QCOMPARE(w.minimiseButton()->currentPicture(), QStringLiteral("prog_white_min.bmp"));
    QCOMPARE(w.maximiseButton()->currentPicture(), QStringLiteral("prog_white_max.bmp"));
    // Toolbar buttons still follow the pointer.
    t.pointAt(t.save);
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_on.bmp"));

    w.applySkin(true);
    QCOMPARE(w.titleLabel()->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0xFF));
    t.pointAt(w.closeButton());
    QCOMPARE(w.closeButton()->currentPicture(), QStringLiteral("prog_blue_close.bmp"));
    QCOMPARE(w.minimiseButton()->currentPicture(), QStringLiteral("prog_blueoff_min.bmp"));
}

void TestWidgets::maximisedButtonPictures()
{
    ToolbarWindow t;
    SkinnedWindow &w = t.window;
    w.setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(w.windowState() & Qt::WindowMaximized);
    t.pointAt(w.maximiseButton());
    QCOMPARE(w.maximiseButton()->currentPicture(), QStringLiteral("prog_blue_norm.bmp"));
    // Deactivated while maximised: the white maximise picture, not a restore picture.
    w.applySkin(false);
    QCOMPARE(w.maximiseButton()->currentPicture(), QStringLiteral("prog_white_max.bmp"));
    w.applySkin(true);
    w.setWindowState(Qt::WindowNoState);
    t.pointAt(w.maximiseButton());
    QCOMPARE(w.maximiseButton()->currentPicture(), QStringLiteral("prog_blue_max.bmp"));
}

void TestWidgets::hoverAndLeave()
{
    ToolbarWindow t;
    t.pointAt(t.save);
    QCOMPARE(t.save->look(), Look::On);
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_on.bmp"));
    QCOMPARE(t.mark->currentPicture(), QStringLiteral("mark_off.bmp"));
    // One past the last column counts as outside.
    QCursor::setPos(t.save->mapToGlobal(QPoint(t.save->width(), 10)));
    t.window.tick();
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_off.bmp"));
    QCursor::setPos(t.save->mapToGlobal(QPoint(t.save->width() - 1, t.save->height() - 1)));
    t.window.tick();
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_on.bmp"));
}

void TestWidgets::pressShowsPressed()
{
    ToolbarWindow t;
    t.pointAt(t.save);
    QTest::mousePress(t.save, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(t.window.pressTrack());
    t.window.tick();
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_pressed.bmp"));
    QSignalSpy clicks(t.save, &ImageButton::clicked);
    QTest::mouseRelease(t.save, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!t.window.pressTrack());
    QCOMPARE(clicks.count(), 1);
    t.window.tick();
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_on.bmp"));
}

void TestWidgets::pressAndDragOntoAnother()
{
    ToolbarWindow t;
    t.pointAt(t.save);
    QTest::mousePress(t.save, Qt::RightButton, {}, QPoint(20, 10)); // any button holds
    QVERIFY(t.window.pressTrack());
    // Still held, the pointer moves onto the second button.
    t.pointAt(t.mark);
    QCOMPARE(t.mark->currentPicture(), QStringLiteral("mark_pressed.bmp"));
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_off.bmp"));
    // Released over the second button: neither acts, and the looks return to hover.
    QSignalSpy saveClicks(t.save, &ImageButton::clicked);
    QSignalSpy markClicks(t.mark, &ImageButton::clicked);
    QTest::mouseRelease(t.save, Qt::RightButton, {}, t.save->mapFromGlobal(t.centreOf(t.mark)));
    QCOMPARE(saveClicks.count() + markClicks.count(), 0);
    QVERIFY(!t.window.pressTrack());
    t.window.tick();
    QCOMPARE(t.mark->currentPicture(), QStringLiteral("mark_on.bmp"));
}

void TestWidgets::captionPressActsButDoesNotPress()
{
    ToolbarWindow t;
    QLabel *lbl = t.save->captionLabel();
    QCOMPARE(lbl->objectName(), QStringLiteral("lblTB01"));
    QCOMPARE(lbl->toolTip(), QStringLiteral("Save paper"));
    QCOMPARE(lbl->text(), QStringLiteral("Save"));
    QSignalSpy clicks(t.save, &ImageButton::clicked);
    QCursor::setPos(lbl->mapToGlobal(lbl->rect().center()));
    QTest::mousePress(lbl, Qt::LeftButton, {}, lbl->rect().center());
    QVERIFY(!t.window.pressTrack());
    t.window.tick();
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_on.bmp"));
    QTest::mouseRelease(lbl, Qt::LeftButton, {}, lbl->rect().center());
    QCOMPARE(clicks.count(), 1);
}

void TestWidgets::disabledIgnoresClicks()
{
    ToolbarWindow t;
    t.save->setEnabled(false);
    t.pointAt(t.save);
    QCOMPARE(t.save->look(), Look::Disabled);
    QCOMPARE(t.save->currentPicture(), QStringLiteral("save_disabled.bmp"));
    QSignalSpy clicks(t.save, &ImageButton::clicked);
    QTest::mouseClick(t.save, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseClick(t.save->captionLabel(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!t.window.pressTrack());
    t.save->setEnabled(true);
    QTest::mouseClick(t.save->captionLabel(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 1);
}

void TestWidgets::picturesReadOnce()
{
    ToolbarWindow t;
    for (int i = 0; i < 3; ++i) { // warm up every look once
        t.pointAt(t.save);
        t.pointAt(t.mark);
    }
    const int reads = Pictures::diskReads();
    for (int i = 0; i < 20; ++i) {
        t.pointAt(t.save);
        t.pointAt(t.mark);
        t.pointAt(t.window.closeButton());
    }
    QCOMPARE(Pictures::diskReads(), reads);
}

void TestWidgets::missingPicturesTolerated()
{
    QTemporaryDir empty;
    Pictures::setDataFolder(empty.path());
    {
        ToolbarWindow t;
        QVERIFY(t.window.framePiece(QStringLiteral("BTopLeft"))->pixmap().isNull());
        QCOMPARE(t.window.framePiece(QStringLiteral("BTopLeft"))->size(), QSize(48, 28));
        QCOMPARE(t.window.clientRect(), QRect(4, 28, 792, 568));
        t.pointAt(t.save);
        QCOMPARE(t.save->look(), Look::On);
        t.window.grab(); // paints without pictures
    }
    Pictures::setDataFolder(m_dir.path());
}

void TestWidgets::borderDrawnAndErased()
{
    QWidget sheet;
    sheet.resize(200, 100);
    sheet.setAutoFillBackground(true);
    QPalette pal = sheet.palette();
    pal.setColor(QPalette::Window, Qt::white);
    sheet.setPalette(pal);
    auto *box = new QWidget(&sheet);
    box->setGeometry(20, 10, 100, 20);
    box->setAutoFillBackground(true);
    drawborder(box, &sheet, 0);
    QImage img = sheet.grab().toImage();
    const QColor blue(178, 217, 246);
    QCOMPARE(img.pixelColor(18, 8), blue);              // top-left corner of the frame
    QCOMPARE(img.pixelColor(121, 31), blue);            // bottom-right corner, drawn
    QCOMPARE(img.pixelColor(19, 9), QColor(Qt::white)); // the gap beside the control
    drawborder(box, &sheet, 2);
    img = sheet.grab().toImage();
    QCOMPARE(img.pixelColor(18, 8), QColor(Qt::white));
    QCOMPARE(img.pixelColor(121, 31), QColor(Qt::white));
    drawborder(box, &sheet, 1);
    img = sheet.grab().toImage();
    QCOMPARE(img.pixelColor(60, 8), QColor(192, 192, 192));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
