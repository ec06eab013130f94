// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homewindow.h"

#include "chrome/look.h"
#include "chrome/popup.h"
#include "home/aboutpage.h"
#include "home/homekeyboard.h"
#include "home/homelogic.h"
#include "home/homepages.h"
#include "home/homepanel.h"
#include "home/hometoolbar.h"
#include "home/homewidgets.h"
#include "home/reportpage.h"
#include "home/subjecttabs.h"
#include "home/trashpage.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace home {

HomeWindow::HomeWindow(const QString &dataFolder, QWidget *parent)
    : chrome::SkinnedWindow(Kind::Home, parent)
{
    setObjectName(QStringLiteral("Contents"));
    m_state.dataFolder = dataFolder;
    chrome::setBackground(this, chrome::palette::Window);

    m_tabs = new SubjectTabs(this);
    connect(m_tabs, &SubjectTabs::tabClicked, this, &HomeWindow::clickTab);
    // The foot of the window, where the toolbar stands.
    m_toolArea = new HomeToolBar(this);
    connect(m_toolArea, &HomeToolBar::commandClicked, this, &HomeWindow::clickToolBar);
    buildPages();
    updateToolBar(); // its buttons come after the home page's in the keyboard's order
    m_keyboard = new HomeKeyboard(this, m_tabs->buttons(), m_toolArea, m_homePanel);

    connect(this, &chrome::SkinnedWindow::ticked, this, [this] {
        m_tabs->showSelected(m_state.txtTabPos);
        updateToolBar();
    });
    connect(this, &chrome::SkinnedWindow::closeRequested, this, &HomeWindow::CloseProgram);
}

HomeWindow::~HomeWindow()
{
    // The practice window's unload must not refresh a page that is going away.
    m_destroying = true;
    m_practice.discard();
}

// ---- Building the controls -------------------------------------------------------------------

void HomeWindow::buildPages()
{
    m_pages = new HomePages(this, [this] { return pageRect(); });
    m_homePanel = m_pages->home();
    connect(m_homePanel, &HomePanel::topicClicked, this, &HomeWindow::clickTopic);
    connect(m_homePanel, &HomePanel::paperRequested, this, &HomeWindow::OpenPaper);
    connect(m_pages, &HomePages::reportPanelChosen, this,
            [this](int n) { m_state.txtReportPos = n; });
    connect(m_pages, &HomePages::eraseConfirmed, this, &HomeWindow::eraseResults);
    connect(m_pages, &HomePages::webPageRequested, this, &HomeWindow::OpenWebPage);
}

void HomeWindow::layOut()
{
    std::array<bool, SubjectCount> named{};
    for (int s = 0; s < SubjectCount; ++s)
        named[s] = m_course.subjects[s].exists();
    m_tabs->layOut(named);
    m_pages->layOut();
    const QRect page = pageRect();
    m_toolArea->setGeometry(page.left(), page.bottom() + 1, page.width(),
                            clientRect().bottom() - page.bottom());
}

QRect HomeWindow::pageRect() const
{
    const QWidget *strip = m_tabs->strip();
    const int top = strip->y() + strip->height();
    const int bottom = clientRect().bottom() + 1 - HomeToolBar::Height;
    return QRect(strip->x(), top, strip->width(), bottom - top);
}

// ---- Subject and topic selection -------------------------------------------------------------

void HomeWindow::LoadSubject()
{
    const int s = m_state.LChose;
    if (s < 1 || s > SubjectCount || !m_courseLoaded)
        return; // no subject to show; keep what is on the page
    const content::SubjectInfo &subject = m_course.subjects[s - 1];
    m_topicCount = subject.topicCount;
    m_paperCount = subject.paperCount;
    m_topicNames = subject.topicNames;
    while (m_topicNames.size() < MaxTopics)
        m_topicNames.append(QString());

    m_state.TtPapersCon = m_paperCount;
    m_state.subjectName = subject.name;

    settleResultFiles(s);
    m_summary = readSummaryNow();

    m_homePanel->setTopics(m_topicNames, m_topicCount);
    if (!m_state.RefreshLog)
        clickTopic(1);
}

void HomeWindow::RefreshContents()
{
    m_state.RefreshLog = true;
    LoadSubject();
    if (const std::optional<int> topic = topicOfFirstOrdinal(m_state.TopicCount))
        clickTopic(*topic);
    m_state.RefreshLog = false;
}

void HomeWindow::clickTopic(int topic)
{
    if (topic < 1 || topic > MaxTopics)
        return;
    m_state.TopicCount = topicFirstOrdinal(topic);
    TopicChoosing(m_state.TopicCount);
    m_homePanel->Topicbuttoncolour(topic);
    m_selectedTopic = topic;
}

void HomeWindow::TopicChoosing(int first)
{
    if (const std::optional<int> topic = topicOfFirstOrdinal(first))
        m_state.SubH1 = m_topicNames.value(*topic - 1);
    m_homePanel->TopicChoosing(m_summary.records[0], m_summary.records[1], first, m_state.SubH1);
}

void HomeWindow::OpenPaper(int offset, int take)
{
    m_state.PaperNum = paperNumber(m_state.TopicCount, offset);
    m_state.TakeNum = take;

    // At most one practice window: the open one goes first, and its unload refreshes the page
    // before the next paper opens. When it stays open, the new paper is not opened over it.
    if (!m_practice.close())
        return;

    if (!m_practice.canOpen()) {
        showNotice(QStringLiteral("Larkspur"),
                   QStringLiteral("Papers cannot be opened in this version."));
        return;
    }
    QPointer<HomeWindow> self(this);
    results::PaperPlace place;
    place.dataFolder = m_state.dataFolder;
    place.subject = m_state.LChose;
    place.code = m_state.lblCOD;
    place.paperCount = m_state.TtPapersCon;
    place.topicFirst = m_state.TopicCount;
    place.topicName = m_state.SubH1;
    place.subjectName = m_state.subjectName;
    place.paperNumber = m_state.PaperNum;
    place.take = m_state.TakeNum;
    m_practice.open(place, [self] {
        if (self && !self->m_destroying) {
            self->RefreshContents();
            // The keyboard comes back to the home page, at the paper it opened, even where no
            // window manager hands it over.
            if (self->isVisible() && !self->m_closing)
                self->activateWindow();
        }
    });
}

// ---- Tabs and pages --------------------------------------------------------------------------

void HomeWindow::clickTab(int tab)
{
    if (tab < 1 || tab > 4)
        return;
    m_state.txtTabPos = tab;
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
    m_tabs->raiseTab(tab);
    if (tab <= SubjectCount)
        m_state.LChose = tab;
    ShowPage();
    updateToolBar();
    tick();
}

void HomeWindow::clickToolBar(int position)
{
    if (position < 1 || position > 4)
        return;
    m_state.txtToolBarPos = position;
    ShowPage();
}

void HomeWindow::ShowPage()
{
    switch (pageCommand(m_state.txtTabPos, m_state.txtToolBarPos)) {
    case PageCommand::HomePage:
        LoadSubject();
        m_pages->show(m_homePanel);
        break;
    case PageCommand::ReportPage:
        showReportCard();
        break;
    case PageCommand::Print:
        PrintResults();
        break;
    case PageCommand::Close:
        CloseProgram();
        break;
    case PageCommand::AboutPage:
        m_pages->show(m_pages->about());
        break;
    case PageCommand::TrashPage:
        m_pages->trash()->setState(TrashState::Offer);
        m_pages->show(m_pages->trash());
        break;
    case PageCommand::PrintSetup:
        PrintSetup();
        break;
    case PageCommand::None:
        break;
    }
}

void HomeWindow::showReportCard()
{
    const int s = m_state.LChose;
    if (s < 1 || s > SubjectCount || !m_courseLoaded)
        return;
    // The files are read afresh rather than taken from the home page's copy: a practice window
    // that has marked a paper but is still open has already changed both, and the averages must
    // agree with the trend.
    const results::Summary summary = readSummaryNow();
    ReportSource source;
    source.topicNames = m_topicNames;
    source.topicCount = m_topicCount;
    source.paperCount = m_paperCount;
    source.firstScores = summary[results::FSE];
    source.secondScores = summary[results::SSE];
    source.trendEntries = results::ReadTrend(
        results::resultFilePath(m_state.dataFolder, results::ResultFile::Trend, s, m_state.lblCOD));

    m_pages->showReport(source, m_state.txtReportPos);
}

results::Summary HomeWindow::readSummaryNow() const
{
    const QString path = results::resultFilePath(m_state.dataFolder, results::ResultFile::Summary,
                                                 m_state.LChose, m_state.lblCOD);
    if (m_summaryObserver)
        m_summaryObserver(path);
    return results::ReadSummary(path, m_paperCount);
}

// ---- Commands --------------------------------------------------------------------------------

void HomeWindow::PrintResults()
{
    const int s = m_state.LChose;
    if (s < 1 || s > SubjectCount || !m_courseLoaded)
        return;
    // Read afresh, as the report card is: a paper marked in a practice window that is still open
    // is on file but not yet on the home page, and the printout must not leave it out.
    const results::Summary summary = readSummaryNow();
    const QStringList lines =
        resultsPrintLines(m_course.name, m_topicNames, m_topicCount, summary[results::FSE],
                          summary[results::LTM], summary[results::CDD], summary[results::SSE]);
    showNotice(QStringLiteral("Print"), m_printing.print(lines));
}

void HomeWindow::PrintSetup()
{
    m_printing.setUp(this);
}

void HomeWindow::CloseProgram()
{
    if (!m_practice.close())
        return;
    m_closing = true;
    close();
    m_closing = false;
}

void HomeWindow::closeEvent(QCloseEvent *event)
{
    // A close from the window manager (Alt+F4, the task bar) goes the way of the Close button.
    if (!m_closing) {
        event->ignore();
        CloseProgram();
        return;
    }
    chrome::SkinnedWindow::closeEvent(event);
}

void HomeWindow::OpenWebPage()
{
    const QUrl address(QString::fromLatin1(HomePageAddress));
    if (!address.isValid()) {
        showWarning(QStringLiteral("URL Failed"), QStringLiteral("Web Page not Opened"));
        return;
    }
    const bool opened = m_urlOpener ? m_urlOpener(address) : QDesktopServices::openUrl(address);
    if (!opened)
        showWarning(QStringLiteral("Browser Not Found"),
                    QStringLiteral("Could not find associated Browser"));
}

void HomeWindow::eraseResults()
{
    // An open paper keeps its subject's records in memory and writes them back whole on its
    // next save, which would undo the erasing.
    if (m_practice.window()) {
        showNotice(QStringLiteral("Trash"),
                   QStringLiteral("Please close the paper you are practising first, then erase "
                                  "your results."));
        m_pages->trash()->setState(TrashState::Offer);
        return;
    }
    settleAllResultFiles();
    m_pages->trash()->showOutcome(
        eraseWithSafetyCopy(m_state.dataFolder, m_course, QDateTime::currentDateTime()));
}

// ---- Looks and notices -----------------------------------------------------------------------

void HomeWindow::updateToolBar()
{
    m_toolArea->showFor(m_state.txtTabPos == 4);
}

void HomeWindow::showWarning(const QString &title, const QString &text)
{
    if (m_warningHook)
        m_warningHook(title, text);
    else
        QMessageBox::warning(this, title, text);
}

void HomeWindow::showNotice(const QString &title, const QString &message)
{
    chrome::tell(title, message, this);
}

bool HomeWindow::focusNextPrevChild(bool next)
{
    return m_keyboard->focusNextPrevChild(next);
}

void HomeWindow::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyboard->keyPress(event))
        chrome::SkinnedWindow::keyPressEvent(event);
}

} // namespace home
