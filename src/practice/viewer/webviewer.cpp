// The question viewer plugin: the only code of the program that links the HTML engine.

#include "practice/questionviewer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace {

class WebQuestionViewer final : public practice::QuestionViewer
{
public:
    explicit WebQuestionViewer(QWidget *parent) : view_(new QWebEngineView(parent))
    {
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

    void warmUp() override
    {
        // Starting the engine costs a noticeable moment; a hidden page takes it before the pupil
        // opens a paper, and stays so that the engine is not shut down again.
        if (warmPage_ || !QCoreApplication::instance())
            return;
        warmPage_ = new QWebEnginePage;
        warmPage_->setHtml(QString());
        // Pages must go before the engine shuts down at the end of the run.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         warmPage_.data(), [page = warmPage_] { delete page.data(); });
    }

private:
    QPointer<QWebEnginePage> warmPage_;
};

} // namespace

#include "webviewer.moc"
