#include "chrome/firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <utility>

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

class WhenActive final : public QObject
{
public:
    WhenActive(QWidget *window, int timeoutMs, std::function<void()> work)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
        QTimer::singleShot(timeoutMs, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // After the activation's own repaint, which follows on the same turn.
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (auto work = std::exchange(m_work, {})) {
            parent()->removeEventFilter(this);
            deleteLater();
            work();
        }
    }

    std::function<void()> m_work;
};

} // namespace

void whenActiveOrAfter(QWidget *window, int timeoutMs, std::function<void()> work)
{
    if (!window || window->isActiveWindow())
        QTimer::singleShot(0,
                           window ? static_cast<QObject *>(window) : QCoreApplication::instance(),
                           std::move(work));
    else
        new WhenActive(window, timeoutMs, std::move(work));
}

namespace {
void runNext(QObject *context, std::shared_ptr<std::vector<std::function<void()>>> jobs,
             std::size_t next)
{
    if (next >= jobs->size())
        return;
    // A timer's turn comes after the events already queued are taken.
    QTimer::singleShot(0, context, [context, jobs, next] {
        (*jobs)[next]();
        runNext(context, jobs, next + 1);
    });
}
} // namespace

void oneATurn(QObject *context, std::vector<std::function<void()>> jobs)
{
    runNext(context, std::make_shared<std::vector<std::function<void()>>>(std::move(jobs)), 0);
}

void afterFirstFrame(QWidget *window, std::function<void()> work)
{
    if (window)
        new AfterFirstPaint(window, std::move(work));
    else
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
}

} // namespace chrome
