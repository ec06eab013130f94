// The reference for start-up: the least a Qt program does to put a window on screen.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Larkspur"));
    label.resize(405, 492);
    label.show();
    return app.exec();
}
