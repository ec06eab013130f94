#pragma once

// The question viewer seen from the practice window. The real viewer renders the question
// documents with an HTML engine and lives in a plugin, so the program itself never links that
// engine (it would make every start several times slower). Plain abstract classes, no QObject:
// the plugin and the program then share no meta-object data.

#include <QtPlugin>

#include <functional>

class QPrinter;
class QString;
class QWidget;

namespace practice {

class QuestionViewer
{
public:
    virtual ~QuestionViewer() = default;

    // The widget to place in the window (brwWebBrowser). It is parented to the window given at
    // creation; the viewer does not outlive it.
    virtual QWidget *widget() = 0;

    // Replace what is shown with the document in that file; returns without waiting.
    virtual void navigate(const QString &filePath) = 0;

    // Called each time a document has loaded (the viewer's "document complete").
    virtual void setDocumentCompleteHandler(std::function<void()> handler) = 0;

    // The widget that receives the key and mouse events of the document on view. It can change
    // when a document loads, so callers ask again after each document-complete call.
    virtual QWidget *eventTarget() = 0;

    // Print the document on view to a printer already set up; `done` reports success.
    virtual void print(QPrinter *printer, std::function<void(bool)> done) = 0;
};

class QuestionViewerFactory
{
public:
    virtual ~QuestionViewerFactory() = default;
    virtual QuestionViewer *createViewer(QWidget *parent) = 0;
    // Starts the engine ahead of the first paper, one step a call; true once it is warm (and
    // from then on). Each step holds the GUI thread for a moment, so the caller lets input
    // through between calls.
    virtual bool warmUp() = 0;
};

} // namespace practice

#define LarkspurQuestionViewerFactory_iid "org.larkspur.QuestionViewerFactory/1.1"
Q_DECLARE_INTERFACE(practice::QuestionViewerFactory, LarkspurQuestionViewerFactory_iid)
