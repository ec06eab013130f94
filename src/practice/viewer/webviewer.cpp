// The question viewer plugin: the only code of the program that links the HTML engine.

#include "practice/questionviewer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <utility>

namespace {

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

// One page, made when the engine warms up, is handed from paper to paper: its renderer is
// already running, so a paper's first question loads as fast as any later one.
class WarmPage
{
public:
    void make()
    {
        if (page_ || !QCoreApplication::instance())
            return;
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        page_ = new PaperPage;
        page_->load(QUrl(QStringLiteral("about:blank")));
        // Pages must go before the engine shuts down at the end of the run.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, page_.data(),
                         [page = page_] { delete page.data(); });
    }

    // The page for a new view, or nullptr while another view has it.
    PaperPage *take()
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
        if (page_) {
            page_->setPaperFile({});
            page_->load(QUrl(QStringLiteral("about:blank")));
        }
    }

private:
    QPointer<PaperPage> page_;
    bool taken_ = false;
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
        PaperPage *page = warmPage().take();
        if (page) {
            view_->setPage(page);
            // The view does not own the page; it goes back when the view goes, however the
            // view goes (with its window, or with this viewer).
            QObject::connect(view_, &QObject::destroyed, [] { warmPage().giveBack(); });
        } else {
            page = new PaperPage;
            page->setParent(view_);
            view_->setPage(page);
        }
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

    // Starting the engine and a renderer costs a noticeable moment; the warm page takes it
    // before the pupil opens a paper, and keeps the engine from shutting down again.
    void warmUp() override { warmPage().make(); }
};

} // namespace

#include "webviewer.moc"
