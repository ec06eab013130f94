// Measures the home window's start-up with the shipped course: graphics and descriptor
// extraction, the result-file check, the first subject's summary and the first paint.
#include "home/homewindow.h"

#include <QTemporaryDir>
#include <QTest>

class BenchStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstStart();
    void laterStart();

private:
    static void startAndPaint(const QString &folder)
    {
        home::HomeWindow contents(folder);
        QCOMPARE(contents.startUp(), home::HomeWindow::StartUpStatus::Ok);
        contents.show();
        QVERIFY(QTest::qWaitForWindowExposed(&contents));
    }
};

void BenchStartup::firstStart()
{
    QBENCHMARK {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        startAndPaint(dir.path());
    }
}

void BenchStartup::laterStart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    startAndPaint(dir.path());
    QBENCHMARK {
        startAndPaint(dir.path());
    }
}

QTEST_MAIN(BenchStartup)
#include "bench_startup.moc"
