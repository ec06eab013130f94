#include "practice/viewerhost.h"

#include "practice/practice.h"

#include "chrome/timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <mutex>

// Exported by Qt GUI (it is what the application object calls when AA_ShareOpenGLContexts is
// set before it is made); not in a public header.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace practice {

namespace {

struct Host
{
    bool tried = false;
    bool overridden = false;
    QuestionViewerFactory *factory = nullptr;
    QString pluginPath;
    QString loadedFrom;
};

Host &host()
{
    static Host h;
    return h;
}

QString pluginFileName()
{
    // CMake names a module ".so" on macOS as on Linux.
#if defined(Q_OS_WIN)
    return QStringLiteral("larkspur-viewer.dll");
#else
    return QStringLiteral("larkspur-viewer.so");
#endif
}

// The HTML engine composites with GL contexts shared with the application's. Asking for that
// with AA_ShareOpenGLContexts before the application object exists would load the whole GL
// stack at start-up, before the home window can show; the same context is made here instead,
// just before the engine is loaded, which is all the engine checks for.
void shareGlContextsForEngine()
{
    // The preload makes it on its loading thread while a paper opened meanwhile may ask for it
    // on the GUI thread: one of them makes it, the other finds it.
    static std::mutex making;
    const std::lock_guard<std::mutex> lock(making);
    if (QOpenGLContext::globalShareContext())
        return;
    // Set even when it cannot be created (no GL on the platform), as the application object
    // would: the engine asks it for its format either way, and draws in software without it.
    auto *context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    QObject *app = QCoreApplication::instance();
    if (QThread::currentThread() == app->thread())
        context->setParent(app);
    else
        context->moveToThread(app->thread()); // parented once the loading thread has ended
    qt_gl_set_global_share_context(context);
}

QuestionViewerFactory *loadFrom(const QString &path)
{
    if (!QFileInfo::exists(path))
        return nullptr;
    shareGlContextsForEngine();
    // The loader stays loaded for the rest of the run; its instance is the factory.
    auto *loader = new QPluginLoader(path, QCoreApplication::instance());
    QObject *instance = loader->instance();
    auto *factory = qobject_cast<QuestionViewerFactory *>(instance);
    if (!factory)
        qWarning("Question viewer plugin not usable: %s", qPrintable(loader->errorString()));
    return factory;
}

// Stands in for the viewer when the plugin is missing: a plain notice, so the paper can still
// be answered and marked.
class NoticeViewer final : public QuestionViewer
{
public:
    explicit NoticeViewer(QWidget *parent) : m_label(new QLabel(parent))
    {
        m_label->setObjectName(QStringLiteral("brwWebBrowser"));
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setWordWrap(true);
        m_label->setAutoFillBackground(true);
        QPalette pal = m_label->palette();
        pal.setColor(QPalette::Window, Qt::white);
        m_label->setPalette(pal);
        m_label->setText(viewerMissingText());
    }
    ~NoticeViewer() override
    {
        if (m_label)
            delete m_label.data();
    }
    QWidget *widget() override { return m_label; }
    void navigate(const QString &) override
    {
        if (m_onComplete)
            QTimer::singleShot(0, m_label, m_onComplete);
    }
    void setDocumentCompleteHandler(std::function<void()> handler) override
    {
        m_onComplete = std::move(handler);
    }
    QWidget *eventTarget() override { return m_label; }
    void print(QPrinter *, std::function<void(bool)> done) override
    {
        if (done)
            done(false);
    }

private:
    QPointer<QLabel> m_label;
    std::function<void()> m_onComplete;
};

} // namespace

QStringList viewerPluginCandidates(const QString &programFolder)
{
    const QDir dir(programFolder);
    // Installed, the plugin is in the program's own library folder (LARKSPUR_VIEWER_DIR is its
    // path relative to the program's folder, so any install prefix works); in the build folder
    // it is in plugins/.
    return {
        QDir::cleanPath(dir.filePath(QStringLiteral(LARKSPUR_VIEWER_DIR "/") + pluginFileName())),
        dir.filePath(QStringLiteral("plugins/") + pluginFileName()),
        dir.filePath(pluginFileName())};
}

QString viewerMissingText()
{
    return QStringLiteral("The question viewer could not be started, so the question cannot be "
                          "shown here. You can still type, save and mark your answers.");
}

namespace {
// Where the plugin is looked for, in order: the file set by the program, then the usual places.
QStringList pluginCandidates()
{
    QStringList candidates;
    if (!host().pluginPath.isEmpty())
        candidates << host().pluginPath;
    return candidates + viewerPluginCandidates(QCoreApplication::applicationDirPath());
}
} // namespace

QuestionViewerFactory *viewerFactory()
{
    Host &h = host();
    if (h.overridden || h.tried)
        return h.factory;
    h.tried = true;
    for (const QString &path : pluginCandidates()) {
        if ((h.factory = loadFrom(path))) {
            h.loadedFrom = path;
            break;
        }
    }
    return h.factory;
}

QString viewerPluginFile()
{
    const Host &h = host();
    return h.factory && !h.overridden ? h.loadedFrom : QString();
}

namespace {

// The plugin's file: the one set by the program, else the first of the usual places that exists.
QString pluginToLoad()
{
    for (const QString &path : pluginCandidates()) {
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// The engine loads in steps, each on its own turn of the event loop, so a pupil's click during
// the preload waits for one step at most instead of the whole load. The first step, making the
// shared GL context and mapping the engine's libraries, runs on a thread of its own; the GUI
// thread then finds them made and loaded.
void warmUpViewer()
{
    static int turn = 0;
    const int step = turn++;
    const QString path = step > 0 || host().overridden || host().tried ? QString() : pluginToLoad();
    if (!path.isEmpty()) {
        chrome::timing::stamp("viewer-start");
        // The shared GL context is made on the loading thread too: loading the GL stack (a
        // software renderer with its compiler libraries) held the GUI thread for tens of
        // milliseconds. It is only made there, never made current. (Not asked first whether the
        // platform supports GL on threads: answering loads the GL stack on this thread.)
        QThread *loading = QThread::create([path] {
            // The engine checks for the shared GL context as its libraries load.
            shareGlContextsForEngine();
            // Kept loaded for the run, as the plugin loader keeps it.
            static QLibrary library;
            library.setFileName(path);
            library.load();
        });
        QObject::connect(loading, &QThread::finished, QCoreApplication::instance(), [] {
            if (QOpenGLContext *context = QOpenGLContext::globalShareContext();
                context && !context->parent())
                context->setParent(QCoreApplication::instance());
            chrome::timing::stamp("viewer-gl");
            warmUpViewer();
        });
        QObject::connect(loading, &QThread::finished, loading, &QObject::deleteLater);
        loading->start(QThread::LowPriority);
        return;
    }
    QuestionViewerFactory *f = viewerFactory();
    if (step <= 1) {
        chrome::timing::stamp("viewer-plugin");
        if (f) {
            QTimer::singleShot(0, QCoreApplication::instance(), warmUpViewer);
            return;
        }
    }
    if (f && !f->warmUp()) {
        chrome::timing::stamp("viewer-step");
        QTimer::singleShot(0, QCoreApplication::instance(), warmUpViewer);
        return;
    }
    chrome::timing::stamp("viewer-warm");
}

} // namespace

void preloadViewer()
{
    // The plugin and the engine must be made on the GUI thread, which the engine takes for
    // moments: the caller chooses when nothing on screen is waiting.
    QTimer::singleShot(0, QCoreApplication::instance(), warmUpViewer);
}

void setViewerFactory(QuestionViewerFactory *factory)
{
    Host &h = host();
    h.overridden = true;
    h.factory = factory;
}

void setViewerPluginPath(const QString &path)
{
    Host &h = host();
    h.pluginPath = path;
    h.tried = false;
    h.overridden = false;
    h.factory = nullptr;
    h.loadedFrom.clear();
}

QuestionViewer *createViewer(QWidget *parent)
{
    if (QuestionViewerFactory *f = viewerFactory())
        return f->createViewer(parent);
    return new NoticeViewer(parent);
}

} // namespace practice
