// The real question viewer: the plugin loads, shows a MIME HTML document and the guards sit on
// the engine's own event widget. Kept small; it needs the HTML engine to start on this machine
// and skips when it cannot.

#include "practice/questionviewer.h"
#include "practice/viewerhost.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace practice;

class ViewerPluginTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsDocumentAndReportsIt();
    void aPageServesOneViewOnly();
    void pageReachesNothingOutsideIt();

private:
    QuestionViewerFactory *factory_ = nullptr;
};

void ViewerPluginTest::initTestCase()
{
    setViewerPluginPath(QStringLiteral(VIEWER_PLUGIN));
    factory_ = viewerFactory();
    QVERIFY2(factory_, "the viewer plugin did not load");
}

void ViewerPluginTest::showsDocumentAndReportsIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("temppaper13001.mht"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("From: <Saved by Larkspur>\r\nSubject: Question\r\nMIME-Version: 1.0\r\n"
            "Content-Type: text/html; charset=\"windows-1252\"\r\n"
            "Content-Transfer-Encoding: quoted-printable\r\n"
            "Content-Location: http://larkspur.invalid/q.htm\r\n\r\n"
            "<html><body><p>What is 2 + 3?</p></body></html>\r\n");
    f.close();

    QWidget host;
    host.resize(400, 300);
    std::unique_ptr<QuestionViewer> viewer(factory_->createViewer(&host));
    QVERIFY(viewer->widget());
    QCOMPARE(viewer->widget()->parentWidget(), &host);
    viewer->widget()->setGeometry(0, 0, 400, 300);
    host.show();
    int completes = 0;
    viewer->setDocumentCompleteHandler([&completes] { ++completes; });
    viewer->navigate(path);
    if (!QTest::qWaitFor([&] { return completes > 0; }, 20000))
        QSKIP("the HTML engine did not finish loading on this platform");
    QWidget *target = viewer->eventTarget();
    QVERIFY(target);
    // Events of the page arrive at the engine's focus proxy, not the view itself.
    QCOMPARE(target, viewer->widget()->focusProxy());

    // A window's guard on the target sees Ctrl+C before the engine does.
    struct Filter : QObject
    {
        int seen = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_C) {
                ++seen;
                return true;
            }
            return false;
        }
    } filter;
    target->installEventFilter(&filter);
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(filter.seen, 1);
    target->removeEventFilter(&filter);
    viewer.reset();
}

namespace {
// The engine's page behind a view (the view is the plugin's; its classes are not linked here).
QObject *pageOf(QWidget *view)
{
    const auto objects = view->findChildren<QObject *>(Qt::FindDirectChildrenOnly);
    for (QObject *o : objects)
        if (o->inherits("QWebEnginePage"))
            return o;
    return nullptr;
}
} // namespace

void ViewerPluginTest::aPageServesOneViewOnly()
{
    // A page's accessibility tree stays bound to the first view it was shown in: handed on to
    // the next paper's view, it pointed a screen reader at the closed one. So the warm page goes
    // with its view, and the next view gets a new one.
    factory_->warmUp();
    QWidget host;
    std::unique_ptr<QuestionViewer> first(factory_->createViewer(&host));
    QPointer<QObject> page = pageOf(first->widget());
    QVERIFY2(page, "the first view did not get the warm page");
    first.reset();
    QTRY_VERIFY(!page);
    std::unique_ptr<QuestionViewer> second(factory_->createViewer(&host));
    QVERIFY2(pageOf(second->widget()), "no new warm page for the next view");
}

// A page that asks for everything a question page must not have: whatever the document says, the
// viewer fetches nothing from the network (a server on this machine stands for it) and follows
// no link away from the paper.
void ViewerPluginTest::pageReachesNothingOutsideIt()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket *s = server.nextPendingConnection()) {
            ++connections;
            s->close();
        }
    });
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("temppaper13002.htm"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html><head><link rel=stylesheet href=\"" + remote +
            "/a.css\">"
            "<meta http-equiv=refresh content=\"0;url=" +
            remote +
            "/refresh\"></head><body>"
            "<p>Question</p><img src=\"" +
            remote +
            "/b.png\">"
            "<iframe src=\"" +
            remote +
            "/frame\"></iframe>"
            "<script>fetch('" +
            remote + "/script'); location='" + remote +
            "/go';</script>"
            "<p style=\"background:url(" +
            remote + "/c.png)\">x</p></body></html>");
    f.close();

    QWidget host;
    host.resize(400, 300);
    std::unique_ptr<QuestionViewer> viewer(factory_->createViewer(&host));
    viewer->widget()->setGeometry(0, 0, 400, 300);
    host.show();
    int completes = 0;
    viewer->setDocumentCompleteHandler([&completes] { ++completes; });
    viewer->navigate(path);
    if (!QTest::qWaitFor([&] { return completes > 0; }, 20000))
        QSKIP("the HTML engine did not finish loading on this platform");
    QTest::qWait(1500); // a refresh or a late request would come by now
    QCOMPARE(connections, 0);
    viewer.reset();
}

int main(int argc, char *argv[])
{
    // The engine refuses to start its sandbox as root; a plain `ctest` run by root must pass too.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    ViewerPluginTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_viewerplugin.moc"
