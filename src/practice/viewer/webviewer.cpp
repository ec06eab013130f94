// The question viewer plugin: the only code of the program that links the HTML engine.

#include "practice/questionviewer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QQuickWindow>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace {

// Settings the engine reads once, when it starts.
void setUpEngine()
{
    static const bool done = [] {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // On Linux the engine keeps a page's content from screen readers unless this is set
        // before it starts; even then it builds the tree only while a screen reader is running.
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
            qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
        return true;
    }();
    Q_UNUSED(done);
}

// A spare page, made when the engine warms up: its renderer is already running, so a paper's first
// question loads as fast as any later one. A page is shown in one view only and goes with it: the
// page's accessibility tree is bound to the view it was first shown in, and handed on to another
// view it would point a screen reader at the closed one. The next spare is made when the view that
// took the last one goes, so only one page at a time is kept.
class SparePage
{
public:
    // The first start, one step a call so the GUI thread lets input through between them: the
    // engine's context and profile, then the spare page. True once both are done.
    bool makeStep()
    {
        if (!engineStarted_ && QCoreApplication::instance()) {
            setUpEngine();
            QWebEngineProfile::defaultProfile();
            engineStarted_ = true;
            return false;
        }
        make();
        return true;
    }

    void make()
    {
        if (page_ || !QCoreApplication::instance())
            return;
        setUpEngine();
        page_ = new QWebEnginePage;
        page_->load(QUrl(QStringLiteral("about:blank")));
        // Pages must go before the engine shuts down at the end of the run.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, page_.data(),
                         [page = page_] { delete page.data(); });
    }

    // The spare page for a new view, now owned by the view; nullptr when there is none.
    QWebEnginePage *takeFor(QWebEngineView *view)
    {
        QWebEnginePage *page = std::exchange(page_, nullptr);
        if (!page)
            return nullptr;
        page->setParent(view);
        // Not while the view is still being torn down.
        QObject::connect(view, &QObject::destroyed, QCoreApplication::instance(), [this] {
            QTimer::singleShot(0, QCoreApplication::instance(), [this] { make(); });
        });
        return page;
    }

private:
    QPointer<QWebEnginePage> page_;
    bool engineStarted_ = false;
};

SparePage &sparePage()
{
    static SparePage page;
    return page;
}

class WebQuestionViewer final : public practice::QuestionViewer
{
public:
    explicit WebQuestionViewer(QWidget *parent) : view_((setUpEngine(), new QWebEngineView(parent)))
    {
        if (QWebEnginePage *page = sparePage().takeFor(view_))
            view_->setPage(page);
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

    // Starting the engine and a renderer costs a noticeable moment; the spare page takes it
    // before the pupil opens a paper.
    bool warmUp() override { return sparePage().makeStep(); }
};

} // namespace

#include "webviewer.moc"
