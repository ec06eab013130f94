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
    void setPaperFile(const QString &path) { m_paperFile = path; }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!allowedAddress(info.requestUrl(), m_paperFile))
            info.block(true);
    }

private:
    QString m_paperFile;
};

// A page that stays on the paper: links, form posts and redirects elsewhere go nowhere.
class PaperPage final : public QWebEnginePage
{
public:
    PaperPage() : m_interceptor(new PaperOnlyInterceptor(this))
    {
        setUrlRequestInterceptor(m_interceptor);
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
        m_paperFile = path;
        m_interceptor->setPaperFile(path);
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        return allowedAddress(url, m_paperFile);
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

private:
    PaperOnlyInterceptor *m_interceptor;
    QString m_paperFile;
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
        if (!m_engineStarted && QCoreApplication::instance()) {
            setUpEngine();
            QWebEngineProfile::defaultProfile();
            m_engineStarted = true;
            return false;
        }
        make();
        return true;
    }

    void make()
    {
        if (m_page || !QCoreApplication::instance())
            return;
        setUpEngine();
        m_page = new PaperPage;
        m_page->load(QUrl(QStringLiteral("about:blank")));
        // Pages must go before the engine shuts down at the end of the run.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         m_page.data(), [page = m_page] { delete page.data(); });
    }

    // The spare page for a new view, now owned by the view; nullptr when there is none.
    PaperPage *takeFor(QWebEngineView *view)
    {
        PaperPage *page = std::exchange(m_page, nullptr);
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
    QPointer<PaperPage> m_page;
    bool m_engineStarted = false;
};

SparePage &sparePage()
{
    static SparePage page;
    return page;
}

class WebQuestionViewer final : public practice::QuestionViewer
{
public:
    explicit WebQuestionViewer(QWidget *parent)
        : m_view((setUpEngine(), new QWebEngineView(parent)))
    {
        PaperPage *page = sparePage().takeFor(m_view);
        if (!page) {
            page = new PaperPage;
            page->setParent(m_view);
        }
        m_view->setPage(page);
        m_page = page;
        m_view->setObjectName(QStringLiteral("brwWebBrowser"));
        // The window shows its own message on a right-click; no menu of the engine's.
        m_view->setContextMenuPolicy(Qt::NoContextMenu);
        m_view->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, [this](bool) {
            if (m_onComplete)
                m_onComplete();
        });
        QObject::connect(m_view, &QWebEngineView::printFinished, m_view, [this](bool ok) {
            if (auto done = std::exchange(m_onPrinted, {}))
                done(ok);
        });
    }

    ~WebQuestionViewer() override
    {
        if (m_view)
            delete m_view.data();
    }

    QWidget *widget() override { return m_view; }

    void navigate(const QString &filePath) override
    {
        if (!m_view)
            return;
        const QUrl url = QUrl::fromLocalFile(filePath);
        if (m_page)
            m_page->setPaperFile(url.toLocalFile());
        m_view->load(url);
    }

    void setDocumentCompleteHandler(std::function<void()> handler) override
    {
        m_onComplete = std::move(handler);
    }

    QWidget *eventTarget() override
    {
        if (!m_view)
            return nullptr;
        // Key and mouse events of the page arrive at the view's focus proxy, the engine's
        // render widget; before the first load the view itself stands in.
        return m_view->focusProxy() ? m_view->focusProxy() : m_view.data();
    }

    void print(QPrinter *printer, std::function<void(bool)> done) override
    {
        if (!m_view || m_onPrinted) {
            if (done)
                done(false);
            return;
        }
        m_onPrinted = std::move(done);
        m_view->print(printer);
    }

private:
    QPointer<QWebEngineView> m_view;
    QPointer<PaperPage> m_page;
    std::function<void()> m_onComplete;
    std::function<void(bool)> m_onPrinted;
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
