#include "home/homewindow.h"

#include "chrome/identities.h"
#include "chrome/imagebutton.h"
#include "chrome/look.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "chrome/units.h"
#include "home/aboutpage.h"
#include "home/homekeyboard.h"
#include "home/homelogic.h"
#include "home/homepanel.h"
#include "home/hometoolbar.h"
#include "home/homewidgets.h"
#include "home/reportpage.h"
#include "home/resultsprint.h"
#include "home/trashpage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QUrl>

namespace home {

namespace {

// Design of the parts the old forms leave open, in pixels.
constexpr int TabWidth = 79;

} // namespace

HomeWindow::HomeWindow(const QString &dataFolder, QWidget *parent)
    : chrome::SkinnedWindow(Kind::Home, parent)
{
    setObjectName(QStringLiteral("Contents"));
    m_state.dataFolder = dataFolder;
    setAutoFillBackground(true);
    chrome::setColour(this, QPalette::Window, chrome::palette::Window);

    buildTabs();
    buildHomePage();
    // The report card, trash and about pages are built when first shown: nobody sees them at
    // start, and building them would hold up the first frame.
    updateToolBar(); // its buttons come after the home page's in the keyboard's order
    m_keyboard = new HomeKeyboard(this, m_tabs, m_toolArea, m_homePanel);

    connect(this, &chrome::SkinnedWindow::ticked, this, [this] {
        updateTabLooks();
        updateToolBar();
    });
    connect(this, &chrome::SkinnedWindow::closeRequested, this, &HomeWindow::CloseProgram);
}

HomeWindow::~HomeWindow()
{
    // The practice window's unload must not refresh a page that is going away.
    m_destroying = true;
    delete m_practice.data();
}

QPrinter &HomeWindow::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

// ---- Building the controls -------------------------------------------------------------------

void HomeWindow::buildTabs()
{
    m_strip = new TabStrip(this);
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        auto *tab = new chrome::ImageButton(QStringLiteral("Tab0%1").arg(n), this);
        tab->setAutoSize(false);
        tab->resize(TabWidth, 26);
        const chrome::ButtonIdentity look = chrome::tabIdentity(false);
        tab->setPictures(look.off, look.on);
        tab->setKeyboardFocusable(true);
        tab->setAccessibleRole(QAccessible::PageTab);
        QLabel *label = tab->caption(QStringLiteral("Tab0%1lbl").arg(n));
        label->setFont(chrome::pageFont(8.25, true));
        label->setGeometry(3, 4, TabWidth - 6, 20);
        connect(tab, &chrome::ImageButton::clicked, this, [this, n] { clickTab(n); });
        m_tabs[i] = tab;
    }
    // The foot of the window, where the toolbar stands.
    m_toolArea = new HomeToolBar(this);
    connect(m_toolArea, &HomeToolBar::commandClicked, this, &HomeWindow::clickToolBar);
}

void HomeWindow::buildHomePage()
{
    m_homePanel = new HomePanel(this);
    connect(m_homePanel, &HomePanel::topicClicked, this, &HomeWindow::clickTopic);
    connect(m_homePanel, &HomePanel::paperRequested, this, &HomeWindow::OpenPaper);
}

ReportPage *HomeWindow::reportPage()
{
    if (!m_report) {
        m_report = new ReportPage(this);
        m_report->hide();
        m_report->setGeometry(pageRect());
        connect(m_report, &ReportPage::barClicked, this, [this](int n) {
            m_state.txtReportPos = n;
            m_report->ArrangeReportPanels(m_state.txtReportPos);
        });
    }
    return m_report;
}

TrashPage *HomeWindow::trashPage()
{
    if (!m_trash) {
        m_trash = new TrashPage(this);
        connect(m_trash, &TrashPage::eraseConfirmed, this, &HomeWindow::eraseResults);
        decorateTextPage(m_trash);
    }
    return m_trash;
}

AboutPage *HomeWindow::aboutPage()
{
    if (!m_about) {
        m_about = new AboutPage(this);
        connect(m_about, &AboutPage::linkClicked, this, &HomeWindow::OpenWebPage);
        decorateTextPage(m_about);
        if (m_courseLoaded)
            m_about->setProgramName(m_course.name);
    }
    return m_about;
}

void HomeWindow::decorateTextPage(QWidget *page)
{
    page->setAutoFillBackground(true);
    chrome::setColour(page, QPalette::Window, chrome::palette::Page);
    chrome::setColour(page, QPalette::WindowText, Qt::black);
    page->setFont(chrome::pageFont(9));
    page->hide();
}

void HomeWindow::layoutTabs()
{
    std::array<bool, SubjectCount> named{};
    std::array<int, 4> widths{};
    for (int i = 0; i < 4; ++i)
        widths[i] = m_tabs[i]->width();
    for (int s = 0; s < SubjectCount; ++s)
        named[s] = m_course.subjects[s].exists();
    const std::array<int, 4> lefts = tabLefts(named, widths, m_strip->x());
    for (int i = 0; i < 4; ++i)
        m_tabs[i]->move(lefts[i], tabTop(m_strip->y(), m_tabs[i]->height(), false));

    const QRect page = pageRect();
    m_homePanel->setGeometry(page);
    if (m_report)
        m_report->setGeometry(page);
    m_toolArea->setGeometry(page.left(), page.bottom() + 1, page.width(),
                            clientRect().bottom() - page.bottom());
}

QRect HomeWindow::pageRect() const
{
    const int top = m_strip->y() + m_strip->height();
    const int bottom = clientRect().bottom() + 1 - HomeToolBar::Height;
    return QRect(m_strip->x(), top, m_strip->width(), bottom - top);
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
    if (!closePractice())
        return;

    if (!m_opener) {
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
    m_practice = m_opener(place, [self] {
        if (self && !self->m_destroying) {
            self->RefreshContents();
            // The keyboard comes back to the home page, at the paper it opened, even where no
            // window manager hands it over.
            if (self->isVisible() && !self->m_closing)
                self->activateWindow();
        }
    });
    if (m_practice && !m_practice->isVisible())
        m_practice->show();
}

// ---- Tabs and pages --------------------------------------------------------------------------

void HomeWindow::clickTab(int tab)
{
    if (tab < 1 || tab > 4)
        return;
    m_state.txtTabPos = tab;
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
    RaiseTab(tab);
    if (tab <= SubjectCount)
        m_state.LChose = tab;
    ShowPage();
    updateToolBar();
    tick();
}

void HomeWindow::RaiseTab(int tab)
{
    for (int i = 3; i >= 0; --i)
        m_tabs[i]->raise();
    m_strip->raise();
    if (tab >= 1 && tab <= 4)
        m_tabs[tab - 1]->raise();
    updateTabLooks();
    for (int i = 0; i < 4; ++i) {
        chrome::ImageButton *t = m_tabs[i];
        t->move(t->x(), tabTop(m_strip->y(), t->height(), i + 1 == tab));
    }
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
        showPageWidget(m_homePanel);
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
        showPageWidget(aboutPage());
        break;
    case PageCommand::TrashPage:
        trashPage()->setState(TrashState::Offer);
        showPageWidget(trashPage());
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

    ReportPage *report = reportPage();
    report->setGeometry(pageRect());
    report->BuildReportCard(source);
    report->ArrangeReportPanels(m_state.txtReportPos);
    showPageWidget(report);
}

results::Summary HomeWindow::readSummaryNow() const
{
    const QString path = results::resultFilePath(m_state.dataFolder, results::ResultFile::Summary,
                                                 m_state.LChose, m_state.lblCOD);
    if (m_summaryObserver)
        m_summaryObserver(path);
    return results::ReadSummary(path, m_paperCount);
}

void HomeWindow::showPageWidget(QWidget *page)
{
    page->setGeometry(pageRect());
    page->raise();
    page->show();
    // One page at a time: the others are hidden, not merely covered.
    for (QWidget *other : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != page && other->objectName().startsWith(QLatin1String("Body_")))
            other->hide();
    }
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
    if (!printTextLines(printer(), lines)) {
        showNotice(QStringLiteral("Print"),
                   QStringLiteral("Your results could not be printed. Please check the printer "
                                  "(Setup on the Help tab) and try again."));
        return;
    }
    // Without a word the pupil cannot tell a print from a click that did nothing.
    const QPrinter &used = printer();
    showNotice(QStringLiteral("Print"),
               used.outputFormat() == QPrinter::PdfFormat
                   ? QStringLiteral("Your results have been printed to the file %1.")
                         .arg(QDir::toNativeSeparators(used.outputFileName()))
               : used.printerName().isEmpty()
                   ? QStringLiteral("Your results have been sent to the printer.")
                   : QStringLiteral("Your results have been sent to the printer %1.")
                         .arg(used.printerName()));
}

void HomeWindow::PrintSetup()
{
    // The dialog works on a copy, so that cancelling it leaves the program's printer as it was.
    auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    copyPrinterSettings(printer(), *chosen);
    const bool accepted =
        m_setupHook ? m_setupHook(chosen.get()) : runPrintSetupDialog(chosen.get(), this);
    if (accepted)
        m_printer = std::move(chosen);
}

bool HomeWindow::closePractice()
{
    if (!m_practice)
        return true;
    // Typing not yet saved is the pupil's to give up, not ours: the practice window asks.
    if (m_closeQuery && !m_closeQuery(m_practice))
        return false;
    QWidget *practice = m_practice;
    if (!practice->close())
        return false;
    m_practice = nullptr;
    delete practice; // unloaded now, before anything that follows reads the results
    return true;
}

void HomeWindow::CloseProgram()
{
    if (!closePractice())
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
    if (m_practice) {
        showNotice(QStringLiteral("Trash"),
                   QStringLiteral("Please close the paper you are practising first, then erase "
                                  "your results."));
        trashPage()->setState(TrashState::Offer);
        return;
    }
    settleAllResultFiles();
    trashPage()->showOutcome(
        eraseWithSafetyCopy(m_state.dataFolder, m_course, QDateTime::currentDateTime()));
}

// ---- Looks and notices -----------------------------------------------------------------------

void HomeWindow::updateTabLooks()
{
    // HoverTab: the selected tab wears the front pictures, the others the back ones.
    for (int i = 0; i < 4; ++i) {
        const bool front = m_state.txtTabPos == i + 1;
        m_tabs[i]->setAccessibleSelected(front);
        const chrome::ButtonIdentity look = chrome::tabIdentity(front);
        if (m_tabs[i]->pictureFor(chrome::Look::Off) == look.off)
            continue;
        m_tabs[i]->setPictures(look.off, look.on);
        m_tabs[i]->resize(TabWidth, front ? 27 : 26);
        m_tabs[i]->move(m_tabs[i]->x(), tabTop(m_strip->y(), m_tabs[i]->height(), front));
    }
}

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
