#include "chrome/frameresize.h"
#include "chrome/geometry.h"
#include "chrome/identities.h"

#include <QTest>

using namespace chrome;

class TestGeometry : public QObject
{
    Q_OBJECT
private slots:
    void dialogOutlineCorners_data();
    void dialogOutlineCorners();
    void windowOutlinePoints();
    void outlineRegionRoundsTopOnly();
    void dialogRegionRoundsAllCorners();
    void framePlacementOfDialog();
    void framePlacementOfPracticeWindow();
    void looks_data();
    void looks();
    void pointerEdges_data();
    void pointerEdges();
    void popUpLayout_data();
    void popUpLayout();
    void popUpLayoutFollowsPictures();
    void centring();
    void borderBoxAndLines();
    void borderColours();
    void resizeLimits_data();
    void resizeLimits();
    void edgeZonesAndSnap();
    void pointerShapes_data();
    void pointerShapes();
    void minimumSizeIsTheDragsLimit();
};

void TestGeometry::dialogOutlineCorners_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("topRight");    // (W-5, 0)
    QTest::addColumn<QPoint>("bottomRight"); // (W-7, H)
    QTest::newRow("design 265x150") << QSize(265, 150) << QPoint(260, 0) << QPoint(258, 150);
    QTest::newRow("300x200") << QSize(300, 200) << QPoint(295, 0) << QPoint(293, 200);
    QTest::newRow("tiny 20x20") << QSize(20, 20) << QPoint(15, 0) << QPoint(13, 20);
}

void TestGeometry::dialogOutlineCorners()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, topRight);
    QFETCH(QPoint, bottomRight);
    const QPolygon p = dialogOutline(size);
    QCOMPARE(p.size(), 18);
    QVERIFY(p.contains(topRight));
    QVERIFY(p.contains(bottomRight));
    QCOMPARE(p.at(5), topRight);
    QCOMPARE(p.at(13), bottomRight);
    QCOMPARE(p.at(14), QPoint(7, size.height()));
    QCOMPARE(p.at(17), QPoint(0, size.height() - 7));
}

void TestGeometry::windowOutlinePoints()
{
    const QPolygon p = windowOutline(QSize(800, 600));
    const QPolygon expected({{0, 5},
                             {1, 3},
                             {2, 2},
                             {3, 1},
                             {5, 0},
                             {795, 0},
                             {797, 1},
                             {798, 2},
                             {799, 3},
                             {800, 5},
                             {800, 600},
                             {0, 600}});
    QCOMPARE(p, expected);
    QCOMPARE(outline(OutlineKind::Window, QSize(404, 492)).at(9), QPoint(404, 5));
}

void TestGeometry::outlineRegionRoundsTopOnly()
{
    const QRegion r = outlineRegion(OutlineKind::Window, QSize(100, 80));
    QVERIFY(!r.contains(QPoint(0, 0)));    // rounded top-left
    QVERIFY(!r.contains(QPoint(99, 0)));   // rounded top-right
    QVERIFY(r.contains(QPoint(50, 0)));    // straight top edge
    QVERIFY(r.contains(QPoint(0, 79)));    // square bottom-left
    QVERIFY(r.contains(QPoint(99, 79)));   // square bottom-right
    QVERIFY(!r.contains(QPoint(100, 40))); // nothing beyond the window
}

void TestGeometry::dialogRegionRoundsAllCorners()
{
    const QRegion r = outlineRegion(OutlineKind::Dialog, QSize(265, 150));
    QVERIFY(!r.contains(QPoint(0, 149)));
    QVERIFY(!r.contains(QPoint(264, 149)));
    QVERIFY(r.contains(QPoint(132, 149)));
    QVERIFY(r.contains(QPoint(132, 75)));
}

void TestGeometry::framePlacementOfDialog()
{
    FramePieceSizes s;
    s.bottomLeft = s.bottomRight = QSize(6, 7);
    const FrameRects r = placeFrame(QSize(265, 150), s, CentreRule::BetweenEnds);
    QCOMPARE(r.topLeft, QRect(0, 0, 48, 28));
    QCOMPARE(r.topCentre, QRect(48, 0, 169, 28));
    QCOMPARE(r.topRight, QRect(217, 0, 48, 28));
    QCOMPARE(r.left, QRect(0, 28, 4, 115)); // y 28 to 143
    QCOMPARE(r.right, QRect(261, 28, 4, 115));
    QCOMPARE(r.bottomLeft, QRect(0, 143, 6, 7));
    QCOMPARE(r.bottom, QRect(6, 146, 253, 4));
    QCOMPARE(r.bottomRight, QRect(259, 143, 6, 7));
}

void TestGeometry::framePlacementOfPracticeWindow()
{
    const FrameRects r =
        placeFrame(QSize(800, 600), FramePieceSizes{}, CentreRule::UnderRightPiece);
    QCOMPARE(r.topCentre.left(), 48);
    QCOMPARE(r.topCentre.right() + 1, 800); // runs on beneath the right piece
    QCOMPARE(r.topRight, QRect(752, 0, 48, 28));
    QCOMPARE(r.left, QRect(0, 28, 4, 568));
    QCOMPARE(r.bottom, QRect(6, 596, 788, 4));
}

void TestGeometry::looks_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("pressFlag");
    QTest::addColumn<bool>("tracksPress");
    QTest::addColumn<bool>("followsActivation");
    QTest::addColumn<bool>("windowActive");
    QTest::addColumn<int>("look");
    // clang-format off
    QTest::newRow("away")                 << true  << false << false << true  << false << true  << int(Look::Off);
    QTest::newRow("hover")                << true  << true  << false << true  << false << true  << int(Look::On);
    QTest::newRow("hover held")           << true  << true  << true  << true  << false << true  << int(Look::Pressed);
    QTest::newRow("away held")            << true  << false << true  << true  << false << true  << int(Look::Off);
    QTest::newRow("plain button held")    << true  << true  << true  << false << false << true  << int(Look::On);
    QTest::newRow("disabled hovered")     << false << true  << true  << true  << false << true  << int(Look::Disabled);
    QTest::newRow("title, inactive, over")<< true  << true  << false << false << true  << false << int(Look::Inactive);
    QTest::newRow("title, active, over")  << true  << true  << false << false << true  << true  << int(Look::On);
    QTest::newRow("toolbar, inactive win")<< true  << true  << false << true  << false << false << int(Look::On);
    // clang-format on
}

void TestGeometry::looks()
{
    QFETCH(bool, enabled);
    QFETCH(bool, hovered);
    QFETCH(bool, pressFlag);
    QFETCH(bool, tracksPress);
    QFETCH(bool, followsActivation);
    QFETCH(bool, windowActive);
    QFETCH(int, look);
    LookInputs in;
    in.enabled = enabled;
    in.hovered = hovered;
    in.pressFlag = pressFlag;
    in.tracksPress = tracksPress;
    in.followsActivation = followsActivation;
    in.windowActive = windowActive;
    QCOMPARE(int(decideLook(in)), look);
}

void TestGeometry::pointerEdges_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<bool>("inside");
    // A 44 x 45 button at (100, 200): columns 100..143, rows 200..244.
    QTest::newRow("top-left pixel") << QPoint(100, 200) << true;
    QTest::newRow("last column") << QPoint(143, 220) << true;
    QTest::newRow("right coordinate") << QPoint(144, 220) << false;
    QTest::newRow("last row") << QPoint(120, 244) << true;
    QTest::newRow("bottom coordinate") << QPoint(120, 245) << false;
    QTest::newRow("left of it") << QPoint(99, 220) << false;
}

void TestGeometry::pointerEdges()
{
    QFETCH(QPoint, cursor);
    QFETCH(bool, inside);
    QCOMPARE(pointerInside(cursor, QRect(100, 200, 44, 45)), inside);
}

void TestGeometry::popUpLayout_data()
{
    QTest::addColumn<QString>("msg");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<double>("messageTop");
    QTest::addColumn<double>("but1Left");
    QTest::addColumn<bool>("but2Visible");
    QTest::addColumn<QString>("caption1");
    QTest::addColumn<QString>("caption2");
    const QString s32(32, QLatin1Char('x'));
    const QString s33(33, QLatin1Char('x'));
    QTest::newRow("1 button, 32 chars") << s32 << 1 << 51.0 << 92.5 << false << "OK"
                                        << "Cancel";
    QTest::newRow("1 button, 33 chars") << s33 << 1 << 44.0 << 92.5 << false << "OK"
                                        << "Cancel";
    QTest::newRow("2 buttons, 32 chars") << s32 << 2 << 51.0 << 58.0 << true << "Yes"
                                         << "No";
    QTest::newRow("2 buttons, 33 chars") << s33 << 2 << 44.0 << 58.0 << true << "Yes"
                                         << "No";
    QTest::newRow("Paper saved") << "Paper saved" << 1 << 51.0 << 92.5 << false << "OK"
                                 << "Cancel";
    QTest::newRow("unanswered question")
        << "You have not answered all the questions.  Do you still want to mark your practice?" << 2
        << 44.0 << 58.0 << true << "Yes"
        << "No";
    QTest::newRow("3 buttons keep the design") << s33 << 3 << 44.0 << 32.0 << true << "OK"
                                               << "Cancel";
}

void TestGeometry::popUpLayout()
{
    QFETCH(QString, msg);
    QFETCH(int, buttons);
    QFETCH(double, messageTop);
    QFETCH(double, but1Left);
    QFETCH(bool, but2Visible);
    QFETCH(QString, caption1);
    QFETCH(QString, caption2);
    const PopUpLayout l = chrome::popUpLayout(msg, buttons);
    QCOMPARE(l.dialog, QSizeF(265, 150));
    QCOMPARE(l.title, QPointF(16, 5));
    QCOMPARE(l.icon, QPointF(16, 44));
    QCOMPARE(l.message.x(), 58.0);
    QCOMPARE(l.message.y(), messageTop);
    QCOMPARE(l.messageWidth, 192.0);
    QCOMPARE(l.button1.y(), 109.0);
    QCOMPARE(l.button1.x(), but1Left);
    QCOMPARE(l.button2Visible, but2Visible);
    if (buttons == 2)
        QCOMPARE(l.button2.x(), 148.0);
    QCOMPARE(l.caption1, caption1);
    QCOMPARE(l.caption2, caption2);
}

void TestGeometry::popUpLayoutFollowsPictures()
{
    // A taller title bar and a wider icon move what is placed from them.
    const PopUpLayout l = chrome::popUpLayout(QStringLiteral("Hi"), 2, {48, 30}, {40, 27});
    QCOMPARE(l.title.y(), 6.0);
    QCOMPARE(l.icon.y(), 46.0);
    QCOMPARE(l.message.x(), 66.0);
    QCOMPARE(l.button2.x(), 66.0 + 80 + 10);
}

void TestGeometry::centring()
{
    QCOMPARE(centredOn(QRect(100, 100, 400, 300), QSize(265, 150)), QPoint(167, 175));
    // A master smaller than the dialog puts the dialog up and to the left of it.
    QCOMPARE(centredOn(QRect(500, 500, 100, 50), QSize(265, 150)), QPoint(418, 450));
}

void TestGeometry::borderBoxAndLines()
{
    const BorderBox b = drawborderBox(QRectF(20, 10, 100, 20));
    QCOMPARE(b.top, 8.0);
    QCOMPARE(b.left, 18.0);
    QCOMPARE(b.bottom, 31.0);
    QCOMPARE(b.right, 121.0);
    const BorderLines l = borderLines(b.top, b.left, b.bottom, b.right);
    // Together the lines close a rectangle from (18, 8) to (121, 31) inclusive.
    QCOMPARE(l.top, QRectF(18, 8, 103, 1));
    QCOMPARE(l.left, QRectF(18, 8, 1, 23));
    QCOMPARE(l.bottom, QRectF(18, 31, 104, 1));
    QCOMPARE(l.right, QRectF(121, 8, 1, 24));
    QCOMPARE(l.bottom.right(), l.right.right()); // the corner pixel (121, 31) is drawn
}

void TestGeometry::borderColours()
{
    const QColor bg(244, 245, 235);
    QCOMPARE(borderColour(0, bg), QColor(178, 217, 246));
    QCOMPARE(borderColour(2, bg), bg);
    QCOMPARE(borderColour(1, bg), QColor(192, 192, 192));
    QCOMPARE(borderColour(7, bg), QColor(192, 192, 192));
}

void TestGeometry::resizeLimits_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("width");  // -1: keeps its size
    QTest::addColumn<int>("height"); // -1: keeps its size
    QTest::newRow("grow") << 13000 << 9500 << 13000 << 9500;
    QTest::newRow("width at limit") << 7300 << 6000 << -1 << 6000;
    QTest::newRow("width above limit") << 7301 << 6000 << 7301 << 6000;
    QTest::newRow("height at limit") << 9000 << 5000 << 9000 << -1;
    QTest::newRow("inside the bands") << 100 << 100 << -1 << -1;
}

void TestGeometry::resizeLimits()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, width);
    QFETCH(int, height);
    const ResizeStep s = resizeStep(dx, dy, 90);
    QCOMPARE(s.widthTwips.value_or(-1), width);
    QCOMPARE(s.heightTwips.value_or(-1), height);
}

void TestGeometry::edgeZonesAndSnap()
{
    const QSize size(800, 600);
    EdgeZones z = edgeZones(QPoint(797, 598), size);
    QVERIFY(z.corner());
    z = edgeZones(QPoint(797, 300), size);
    QVERIFY(z.right && !z.bottom && !z.corner());
    QCOMPARE(snapToEdges(QPoint(797, 300), size, z), QPoint(800, 300));
    z = edgeZones(QPoint(797, 598), size);
    // In the corner the bottom move wins: on the bottom edge at the pressed x.
    QCOMPARE(snapToEdges(QPoint(797, 598), size, z), QPoint(797, 600));
    z = edgeZones(QPoint(400, 300), size);
    QVERIFY(!z.left && !z.top && !z.right && !z.bottom);
}

void TestGeometry::pointerShapes_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("shape");
    QTest::newRow("middle up") << QPoint(400, 300) << false << int(Qt::ArrowCursor);
    QTest::newRow("right edge") << QPoint(797, 300) << true << int(Qt::SizeHorCursor);
    QTest::newRow("bottom edge") << QPoint(400, 598) << true << int(Qt::SizeVerCursor);
    QTest::newRow("bottom right") << QPoint(797, 598) << true << int(Qt::SizeFDiagCursor);
    QTest::newRow("top left") << QPoint(2, 2) << false << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom left") << QPoint(2, 598) << true << int(Qt::SizeBDiagCursor);
    QTest::newRow("top right") << QPoint(797, 2) << true << int(Qt::SizeBDiagCursor);
}

void TestGeometry::pointerShapes()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, held);
    QFETCH(int, shape);
    QCOMPARE(int(pointerShape(pos, QSize(800, 600), held, Qt::ArrowCursor)), shape);
}

void TestGeometry::minimumSizeIsTheDragsLimit()
{
    // The window manager is held to the smallest size the corner drag itself can reach.
    const QSize min = minimumWindowSize();
    const ResizeStep at = resizeStep(min.width() * 15, min.height() * 15, 90);
    QCOMPARE(at.widthTwips.value_or(-1), min.width() * 15);
    QCOMPARE(at.heightTwips.value_or(-1), min.height() * 15);
    const ResizeStep below = resizeStep((min.width() - 1) * 15, (min.height() - 1) * 15, 90);
    QVERIFY(!below.widthTwips);
    QVERIFY(!below.heightTwips);
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
