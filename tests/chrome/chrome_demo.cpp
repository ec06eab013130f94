// A developer's demo of the window chrome, for looking at it on a real screen:
//   chrome_demo [window|inactive|dialog1|dialog2] [graphics folder]
// "inactive" opens a second window over the first so the first shows its inactive skin;
// "dialog1" and "dialog2" open the message dialog with one or two buttons over the window.

#include "chrome/border.h"
#include "chrome/identities.h"
#include "chrome/imagebutton.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "chrome/skinnedwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace chrome;

namespace {
SkinnedWindow *makeWindow(const QString &title, QPoint at)
{
    auto *w = new SkinnedWindow(SkinnedWindow::Kind::Practice);
    w->setTitle(title);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(244, 245, 235));
    w->setPalette(pal);
    w->setGeometry(QRect(at, QSize(520, 300)));
    for (int i = 1; i <= 6; ++i) {
        auto *b = new ImageButton(QStringLiteral("ToolBar0%1").arg(i), w);
        static const char *const stems[] = {"save", "mark", "print", "close", "back", "forward"};
        static const char *const captions[] = {"Save", "Mark", "Print", "Close", "Back", "Next"};
        const ButtonIdentity id =
            buttonIdentity(QString::fromLatin1(captions[i - 1]), {},
                           QString::fromLatin1(stems[i - 1]), i != 3 && i != 4);
        b->setIdentity(id);
        b->setTracksPress(true);
        const int x = i <= 4 ? 8 + (i - 1) * 52 : 520 - 8 - (7 - i) * 52;
        b->move(x, 34);
        QLabel *caption = b->caption(QStringLiteral("lblTB0%1").arg(i));
        caption->setGeometry(0, 30, b->width(), 15);
        QFont f = caption->font();
        f.setPointSizeF(7.5);
        caption->setFont(f);
        b->setCaptionText(id.caption);
        b->setToolTips(id.toolTip);
        if (i == 5)
            b->setEnabled(false); // as on the first question
    }
    auto *sheet = new QWidget(w);
    sheet->setGeometry(20, 100, 480, 170);
    sheet->setAutoFillBackground(true);
    QPalette sp = sheet->palette();
    sp.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(sp);
    for (int row = 0; row < 3; ++row) {
        auto *box = new QLineEdit(sheet);
        box->setObjectName(QStringLiteral("FA%1").arg(row + 1));
        box->setGeometry(20, 20 + row * 40, 200, 22);
        box->setFrame(false);
        drawborder(box, sheet, row == 1 ? 1 : 0);
    }
    QObject::connect(w, &SkinnedWindow::closeRequested, w, [w] {
        if (ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), w))
            w->close();
    });
    return w;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.size() > 1 ? args.at(1) : QStringLiteral("window");
    Pictures::setFolder(args.size() > 2 ? args.at(2) : QStringLiteral(CHROME_DEMO_PICTURES));

    SkinnedWindow *main = makeWindow(QStringLiteral("Vocabulary - Paper 3"), {40, 40});
    main->show();
    main->activateWindow();

    if (mode == QLatin1String("inactive")) {
        SkinnedWindow *other = makeWindow(QStringLiteral("Another window"), {300, 420});
        QTimer::singleShot(300, other, [other] {
            other->show();
            other->activateWindow();
        });
    } else if (mode.startsWith(QLatin1String("dialog"))) {
        const int buttons = mode.endsWith(QLatin1Char('2')) ? 2 : 1;
        QTimer::singleShot(300, main, [main, buttons] {
            if (buttons == 1)
                tell(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"), main);
            else
                ask(QStringLiteral("Marking"),
                    QStringLiteral("You have not answered all the questions.  Do you "
                                   "still want to mark your practice?"),
                    main);
        });
    }
    return app.exec();
}
