// The reference for question display: a bare HTML view that shows one document and loads it
// again each time its button is clicked.
#include <QApplication>
#include <QPushButton>
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

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *button = new QPushButton(QStringLiteral("Reload"), &window);
    button->setFixedSize(60, 24);
    auto *view = new QWebEngineView(&window);
    layout->addWidget(button);
    layout->addWidget(view);
    QObject::connect(view, &QWebEngineView::loadFinished, [] { stamp("question-loaded"); });
    QObject::connect(button, &QPushButton::clicked, view, &QWebEngineView::reload);
    view->load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    window.setGeometry(0, 0, 640, 600);
    window.show();
    return app.exec();
}
