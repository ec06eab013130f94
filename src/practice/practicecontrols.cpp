// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicewindow.h"

#include "practice/answersheet.h"
#include "practice/documentguard.h"
#include "practice/papersummary.h"
#include "practice/practicetoolbar.h"
#include "practice/questionviewer.h"
#include "practice/sheethandle.h"
#include "practice/statusstrip.h"
#include "practice/viewerhost.h"

#include "chrome/look.h"
#include "chrome/picturebox.h"
#include "chrome/timing.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>

// The practice window's controls: what it is made of, where each part stands and how the parts
// follow the window's size.
namespace practice {

void PracticeWindow::buildControls()
{
    using chrome::PictureBox;

    m_toolBar = new PracticeToolBar(this);
    connect(m_toolBar, &PracticeToolBar::commandChosen, this, &PracticeWindow::runCommand);
    for (const CommandKey &key : commandKeys()) {
        auto *shortcut = new QShortcut(key.keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, key] { runCommand(key.command); });
    }
    const auto describe = [](QWidget *w, const QString &name, const QString &description) {
        if (!w)
            return;
        w->setAccessibleName(name);
        w->setAccessibleDescription(description);
    };
    describe(closeButton(), QStringLiteral("Close"),
             toolTipWithKey(QStringLiteral("Close paper"), Command::Close));
    describe(minimiseButton(), QStringLiteral("Minimise"), QStringLiteral("Minimise the window"));
    describe(maximiseButton(), QStringLiteral("Maximise"),
             QStringLiteral("Maximise or restore the window"));

    m_summary = new PaperSummary(m_take, m_toolBar);
    m_sheet = new AnswerSheet(m_take, this);

    m_handle = new SheetHandle(m_take, this);
    connect(m_handle, &SheetHandle::toggleRequested, this, &PracticeWindow::toggleAnswerSheet);

    m_viewer.reset(createViewer(this));
    m_viewer->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    m_viewer->widget()->setAccessibleName(QStringLiteral("Question"));
    m_viewer->widget()->setAccessibleDescription(
        QStringLiteral("The question on view; Page Up and Page Down scroll it, Alt+Left and "
                       "Alt+Right move between questions"));
    m_viewer->setDocumentCompleteHandler([this] {
        chrome::timing::stamp("question-loaded");
        chrome::timing::rect(m_viewer->widget());
        attachDocument();
    });
    attachDocument();

    m_questionTitleBg = new QWidget(this);
    m_questionTitleBg->setObjectName(QStringLiteral("QnTitleBG"));
    chrome::setBackground(m_questionTitleBg, chrome::palette::QuestionHead);
    m_questionTitle = chrome::makeLabel(QStringLiteral("QnTitle"), QStringLiteral("Question 1"),
                                        m_questionTitleBg);
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(10);
    m_questionTitle->setFont(heading);
    m_questionTitle->move(8, 4);
    m_questionTitle->setToolTip(QStringLiteral("Page Up and Page Down scroll the question; "
                                               "Alt+Left and Alt+Right change question"));

    m_status = new StatusStrip(m_take, this);
    connect(m_status, &StatusStrip::questionChosen, this, &PracticeWindow::ShowQuestion);

    m_sizer = new PictureBox(QStringLiteral("Sizer"), this, PictureBox::Fit::Stretch);
    m_sizer->setPicture(QStringLiteral("statusgrabber.bmp"));
    m_sizer->setCursor(Qt::SizeFDiagCursor);

    // Tab runs through the answer boxes, then to the list of questions left.
    setTabOrder(m_sheet->lastTabStop(), m_status->remainingList());
}

void PracticeWindow::placeWindow()
{
    QScreen *scr = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenPx = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect tw = initialGeometryTwips(chrome::pxToTwips(screenPx.size()));
    setGeometry(screenPx.x() + px(tw.x()), screenPx.y() + px(tw.y()), px(tw.width()),
                px(tw.height()));
}

void PracticeWindow::applyLayout()
{
    if (isMinimized())
        return; // the rules would give negative sizes
    const chrome::FrameRects frame = frameRects();
    FrameMetrics m;
    m.topHeight = frame.topLeft.height();
    m.leftWidth = frame.left.width();
    m.rightWidth = frame.right.width();
    m.bottomHeight = frame.bottom.height();
    const PracticeLayout l = layoutPractice(size(), m_answerSheetShown, m, m_take);

    m_sizer->setGeometry(l.sizer);
    m_toolBar->place(l);
    m_summary->setGeometry(l.paperSum);
    m_sheet->place(l.answerBox, l.instructionTop);
    m_handle->place(l.handleStrip);
    m_viewer->widget()->setGeometry(l.viewer);
    m_questionTitleBg->setGeometry(l.questionTitle);
    m_questionTitle->resize(l.questionTitle.width() - 16, l.questionTitle.height() - 6);
    m_status->place(l.statusBar);

    // Title-bar pieces and the window's own surface lie beneath; the body goes on top of them,
    // the grip above everything.
    m_sizer->raise();
}

} // namespace practice
