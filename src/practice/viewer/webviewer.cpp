// The question viewer plugin: the only code of the program that links the HTML engine.

#include "practice/questionviewer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace {

// One page, made when the engine warms up, is handed from paper to paper: its renderer is
// already running, so a paper's first question loads as fast as any later one.
class WarmPage
{
public:
    // One step a call, in the order the engine needs them: its context and profile, the page,
    // then a blank document that starts a renderer. True once every step is done.
    bool makeStep()
    {
        if (!QCoreApplication::instance())
            return true;
        switch (step_++) {
        case 0:
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
            QWebEngineProfile::defaultProfile();
            return false;
        case 1:
            page_ = new QWebEnginePage;
            // Pages must go before the engine shuts down at the end of the run.
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                             page_.data(), [page = page_] { delete page.data(); });
            return false;
        case 2:
            if (page_ && !taken_)
                page_->load(QUrl(QStringLiteral("about:blank")));
            return true;
        default:
            step_ = 3;
            return true;
        }
    }

    // The page for a new view, or nullptr while another view has it.
    QWebEnginePage *take()
    {
        if (!page_ || taken_)
            return nullptr;
        taken_ = true;
        return page_;
    }

    void giveBack()
    {
        taken_ = false;
        // The next paper never shows this one's question. A blank page, not an empty document:
        // the renderer stays free for the next local file instead of being swapped for another.
        if (page_)
            page_->load(QUrl(QStringLiteral("about:blank")));
    }

private:
    QPointer<QWebEnginePage> page_;
    bool taken_ = false;
    int step_ = 0;
};

WarmPage &warmPage()
{
    static WarmPage page;
    return page;
}

class WebQuestionViewer final : public practice::QuestionViewer
{
public:
    explicit WebQuestionViewer(QWidget *parent) : view_(new QWebEngineView(parent))
    {
        if (QWebEnginePage *page = warmPage().take()) {
            view_->setPage(page);
            // The view does not own the page; it goes back when the view goes, however the
            // view goes (with its window, or with this viewer).
            QObject::connect(view_, &QObject::destroyed, [] { warmPage().giveBack(); });
        }
        view_->setObjectName(QStringLiteral("brwWebBrowser"));
        // The window shows its own message on a right-click; no menu of the engine's.
        view_->setContextMenuPolicy(Qt::NoContextMenu);
        auto *settings = view_->settings();
        settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool) {
            if (onComplete_)
                onComplete_();
        });
        QObject::connect(view_, &QWebEngineView::printFinished, view_, [this](bool ok) {
            if (auto done = std::exchange(onPrinted_, {}))
                done(ok);
        });
    }

    ~WebQuestionViewer() override
    {
        if (view_)
            delete view_.data();
    }

    QWidget *widget() override { return view_; }

    void navigate(const QString &filePath) override
    {
        if (view_)
            view_->load(QUrl::fromLocalFile(filePath));
    }

    void setDocumentCompleteHandler(std::function<void()> handler) override
    {
        onComplete_ = std::move(handler);
    }

    QWidget *eventTarget() override
    {
        if (!view_)
            return nullptr;
        // Key and mouse events of the page arrive at the view's focus proxy, the engine's
        // render widget; before the first load the view itself stands in.
        return view_->focusProxy() ? view_->focusProxy() : view_.data();
    }

    void print(QPrinter *printer, std::function<void(bool)> done) override
    {
        if (!view_ || onPrinted_) {
            if (done)
                done(false);
            return;
        }
        onPrinted_ = std::move(done);
        view_->print(printer);
    }

private:
    QPointer<QWebEngineView> view_;
    std::function<void()> onComplete_;
    std::function<void(bool)> onPrinted_;
};

class WebQuestionViewerFactory final : public QObject, public practice::QuestionViewerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LarkspurQuestionViewerFactory_iid)
    Q_INTERFACES(practice::QuestionViewerFactory)

public:
    practice::QuestionViewer *createViewer(QWidget *parent) override
    {
        return new WebQuestionViewer(parent);
    }

    // Starting the engine and a renderer costs a noticeable moment; the warm page takes it
    // before the pupil opens a paper, and keeps the engine from shutting down again.
    bool warmUp() override { return warmPage().makeStep(); }
};

} // namespace

#include "webviewer.moc"
