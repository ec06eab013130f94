#include "practice/practice.h"

#include "practice/practicewindow.h"

#include "chrome/timing.h"

namespace practice {

QWidget *openPracticeWindow(const results::PaperPlace &place, std::function<void()> onUnload)
{
    const Take take = place.take == 2 ? Take::Second : Take::First;
    auto *window = new PracticeWindow(place, take, std::move(onUnload));
    if (!window->LoadPaper())
        return nullptr; // it closes (and deletes) itself
    window->show();
    window->raise();
    window->activateWindow();
    chrome::timing::place(window->findChild<QWidget *>(QStringLiteral("ToolBar06")));
    return window;
}

bool mayClose(QWidget *practiceWindow)
{
    auto *window = qobject_cast<PracticeWindow *>(practiceWindow);
    return !window || window->mayCloseWithProgram();
}

} // namespace practice
