#pragma once

// Finding and loading the question viewer plugin, and the plain notice that stands in for it
// when it cannot be loaded (the window still works: answers, marking and printing of results do
// not depend on the viewer).

#include "practice/questionviewer.h"

#include <QStringList>

namespace practice {

// Where the plugin file is looked for, in order: the installed program's library folder, the
// plugins folder beside the program (build folder) and beside the program itself.
QStringList viewerPluginCandidates(const QString &programFolder);

// The plugin's factory, loading it now if that has not happened yet; nullptr when unavailable.
QuestionViewerFactory *viewerFactory();

// The file the factory was loaded from; empty while none is loaded.
QString viewerPluginFile();

// Test hooks: use this factory instead of the plugin (nullptr: no viewer, the notice is shown),
// or load the plugin from this file.
void setViewerFactory(QuestionViewerFactory *factory);
void setViewerPluginPath(const QString &path);

// A viewer from the factory, or the notice viewer when there is none.
QuestionViewer *createViewer(QWidget *parent);

// The text the notice viewer shows.
QString viewerMissingText();

} // namespace practice
