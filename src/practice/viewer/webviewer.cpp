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
#include <QWebEngineUrlRequestInterceptor>
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

// What a question page may load: the paper's own file (its pictures are parts of it) and the
// blank page between papers. Nothing from the network and no other local file, whatever the
// page asks for: a course may come from anywhere.
bool allowedAddress(const QUrl &url, const QString &paperFile)
{
    if (url.scheme() == u"about" && url.path() == u"blank")
        return true;
    return url.isLocalFile() && !paperFile.isEmpty() && url.toLocalFile() == paperFile;
}

class PaperOnlyInterceptor final : public QWebEngineUrlRequestInterceptor
{
public:
    explicit PaperOnlyInterceptor(QObject *parent) : QWebEngineUrlRequestInterceptor(parent) {}
    void setPaperFile(const QString &path) { paperFile_ = path; }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!allowedAddress(info.requestUrl(), paperFile_))
            info.block(true);
    }

private:
    QString paperFile_;
};

// A page that stays on the paper: links, form posts and redirects elsewhere go nowhere.
class PaperPage final : public QWebEnginePage
{
public:
    PaperPage() : interceptor_(new PaperOnlyInterceptor(this))
    {
        setUrlRequestInterceptor(interceptor_);
        QWebEngineSettings *s = settings();
        // Question pages are documents: no script, no plug-ins, no storage, no fetching of
        // other local files or remote addresses, nothing dropped onto them opened.
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
        s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
        s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
        s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
        s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
        s->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    }
    void setPaperFile(const QString &path)
    {
        paperFile_ = path;
        interceptor_->setPaperFile(path);
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        return allowedAddress(url, paperFile_);
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

private:
    PaperOnlyInterceptor *interceptor_;
    QString paperFile_;
};

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
        page_ = new PaperPage;
        page_->load(QUrl(QStringLiteral("about:blank")));
        // Pages must go before the engine shuts down at the end of the run.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, page_.data(),
                         [page = page_] { delete page.data(); });
    }

    // The spare page for a new view, now owned by the view; nullptr when there is none.
    PaperPage *takeFor(QWebEngineView *view)
    {
        PaperPage *page = std::exchange(page_, nullptr);
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
    QPointer<PaperPage> page_;
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
        PaperPage *page = sparePage().takeFor(view_);
        if (!page) {
            page = new PaperPage;
            page->setParent(view_);
        }
        view_->setPage(page);
        page_ = page;
        view_->setObjectName(QStringLiteral("brwWebBrowser"));
        // The window shows its own message on a right-click; no menu of the engine's.
        view_->setContextMenuPolicy(Qt::NoContextMenu);
        view_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
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
        if (!view_)
            return;
        const QUrl url = QUrl::fromLocalFile(filePath);
        if (page_)
            page_->setPaperFile(url.toLocalFile());
        view_->load(url);
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
    QPointer<PaperPage> page_;
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
