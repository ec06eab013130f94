#include "chrome/firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace chrome {

namespace {

class AfterFirstPaint final : public QObject
{
public:
    AfterFirstPaint(QWidget *window, std::function<void()> work)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Parented to the window: the work is dropped if the window goes meanwhile.
            QTimer::singleShot(0, parent(), std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> work)
{
    if (window)
        new AfterFirstPaint(window, std::move(work));
    else
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
}

} // namespace chrome
