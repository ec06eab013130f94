// The reference for question display: a bare HTML view with the same scene graph as the
// program's viewer, showing the first of two documents and the other one each time its button is
// clicked, so every click loads a document the view is not showing (as the program's Next does).
//
//   bare_view FIRST.mht SECOND.mht [WIDTH HEIGHT]
#include <QApplication>
#include <QPushButton>
#include <QQuickWindow>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <cstdio>
#include <ctime>

static void stamp(const char *name)
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    std::fprintf(stderr, "larkspur-stamp %s %.3f\n", name,
                 double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6);
    std::fflush(stderr);
}

static void rect(const QWidget *w)
{
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    const qreal r = w->devicePixelRatioF();
    std::fprintf(stderr, "larkspur-rect %s %d %d %d %d\n", qPrintable(w->objectName()),
                 int(at.x() * r), int(at.y() * r), int(w->width() * r), int(w->height() * r));
    std::fflush(stderr);
}

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    // The program's viewer draws through Qt Quick's software scene graph; so does this one.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    const QUrl docs[2] = {QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])),
                          QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2]))};
    const int width = argc > 4 ? std::atoi(argv[3]) : 640;
    const int height = argc > 4 ? std::atoi(argv[4]) : 576;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *button = new QPushButton(QStringLiteral("Next"), &window);
    button->setFixedSize(60, 24);
    auto *view = new QWebEngineView(&window);
    view->setObjectName(QStringLiteral("view"));
    view->setFixedSize(width, height);
    layout->addWidget(button);
    layout->addWidget(view);
    int shown = 0;
    QObject::connect(view, &QWebEngineView::loadFinished, view, [view] {
        stamp("question-loaded");
        rect(view);
    });
    QObject::connect(button, &QPushButton::clicked, view, [&] {
        shown = 1 - shown;
        view->load(docs[shown]);
    });
    view->load(docs[0]);
    window.move(0, 0);
    window.show();
    return app.exec();
}
