// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chrome/skinnedwindow.h"
#include "content/content.h"
#include "home/homestate.h"
#include "home/practicelink.h"
#include "home/resultsprinter.h"
#include "home/subjectfiles.h"
#include "results/paperplace.h"
#include "results/results.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QKeyEvent;
class QPrinter;
class QUrl;

namespace home {

class HomeKeyboard;
class HomePages;
class HomePanel;
class HomeToolBar;
class SubjectTabs;

// The home window `Contents`: start-up, the subject tabs, the toolbar and the pages under the
// tabs (the home page, report card, trash and about pages), and the hand-over of a paper to a
// practice window.
class HomeWindow : public chrome::SkinnedWindow
{
    Q_OBJECT
public:
    // The practice window's unload makes the home page show the new scores. A practice window
    // that stays open keeps the program open.
    using PracticeOpener = PracticeLink::Opener;
    using PracticeCloseQuery = PracticeLink::CloseQuery;

    enum class StartUpStatus
    {
        Ok,
        NoDescriptor,
        NoSubject
    };

    explicit HomeWindow(const QString &dataFolder, QWidget *parent = nullptr);
    ~HomeWindow() override;

    // The window load: graphics, placement and frame, tab strip, course descriptor, missing
    // result files, tab captions and layout, the tick, and the first named subject. Anything
    // but Ok means the program cannot run: no subject is selected and no result file is read.
    StartUpStatus startUp();
    // The pupil's wording for a failed start-up.
    static QString startUpFailureText(StartUpStatus status);
    // What start-up found after a course update (earlier results kept aside), empty when
    // nothing; shown once by showCourseUpdateNotice once the window is on screen.
    const QString &courseUpdateNotice() const { return m_courseUpdateNotice; }
    void showCourseUpdateNotice();

signals:
    // The work start-up leaves until the window is on screen and active (other subjects' new
    // result files, the graphics folder, the pages off screen) is done: heavier loads may start.
    void startUpSettled();

public:
    HomeState &state() { return m_state; }
    const HomeState &state() const { return m_state; }
    const content::CourseDescriptor &course() const { return m_course; }

    // Current-subject state: copies of the selected subject's descriptor entries and its
    // summary arrays FSE, SSE, LTM, CDD, FST, SST (index 0 = paper 101).
    int currentTopicCount() const { return m_topicCount; }
    int currentPaperCount() const { return m_paperCount; }
    const QStringList &currentTopicNames() const { return m_topicNames; }
    const results::Summary &summary() const { return m_summary; }
    // The highlighted topic (1..10), 0 while none is.
    int selectedTopic() const { return m_selectedTopic; }

    void setPracticeOpener(PracticeOpener opener) { m_practice.setOpener(std::move(opener)); }
    void setPracticeCloseQuery(PracticeCloseQuery query)
    {
        m_practice.setCloseQuery(std::move(query));
    }
    QWidget *practiceWindow() const { return m_practice.window(); }
    // Called with the path of every summary file the window reads, just before reading it.
    void setSummaryReadObserver(std::function<void(const QString &)> observer)
    {
        m_summaryObserver = std::move(observer);
    }

    void RefreshContents();
    void clickTab(int tab);          // a click on Tab0<tab> or its caption
    void clickToolBar(int position); // a click on ToolBar0<position> or its caption

    // The program's printer: the system's default printer until PrintSetup chooses another.
    QPrinter &printer() { return m_printing.printer(); }

    // Tests: stand-ins for the platform's print set-up dialog (true = accepted; it may change
    // the printer it is given), for opening a web address and for the platform's warning box.
    void setPrintSetupHook(std::function<bool(QPrinter *)> hook)
    {
        m_printing.setSetupHook(std::move(hook));
    }
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_urlOpener = std::move(opener); }
    void setWarningHook(std::function<void(const QString &title, const QString &text)> hook)
    {
        m_warningHook = std::move(hook);
    }

    // The report card of the selected subject, built from its summary and trend files as they
    // are now and opened on panel txtReportPos: what the Report command shows.
    void showReportCard();

    // The page area under the tab strip, in window coordinates; every page goes there.
    QRect pageRect() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Keyboard: Tab and Shift+Tab go from group to group (tabs, topics, papers or the page's
    // controls, toolbar); the arrows, Home and End move within a group.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The routines of the home window, by the names their behaviour is known under.
    void LoadSubject();
    void clickTopic(int topic); // a click on Topic<topic>
    void TopicChoosing(int first);
    void OpenPaper(int offset, int take);
    void ShowPage();
    void PrintResults();
    void PrintSetup();
    void CloseProgram();
    void OpenWebPage();
    // The trash page's "Yes": a dated safety copy, then every named subject's files anew.
    void eraseResults();

    void LoadHomeGraphics();
    void placeWindow();
    void buildPages();
    void updateToolBar();
    // The selected subject's summary file as it is now, not the home page's copy.
    results::Summary readSummaryNow() const;
    void showWarning(const QString &title, const QString &text);
    void layOut();
    void showNotice(const QString &title, const QString &message);
    // Makes subject s's missing result files and brings them to the course's shape, once; the
    // start leaves this to after the first frame for subjects that have no result file yet.
    void settleResultFiles(int s);
    void settleAllResultFiles();

    HomeState m_state;
    content::CourseDescriptor m_course;
    bool m_courseLoaded = false;
    QString m_courseUpdateNotice;
    SubjectFiles m_files;

    int m_topicCount = 0;
    int m_paperCount = 0;
    QStringList m_topicNames;
    results::Summary m_summary;
    int m_selectedTopic = 0;

    PracticeLink m_practice;
    bool m_destroying = false;
    std::function<void(const QString &)> m_summaryObserver;

    // Tabs and pages
    SubjectTabs *m_tabs = nullptr;
    HomeToolBar *m_toolArea = nullptr;
    HomePages *m_pages = nullptr;
    HomePanel *m_homePanel = nullptr; // the home page, made with the other pages
    HomeKeyboard *m_keyboard = nullptr;

    // Printing, web page and closing
    ResultsPrinter m_printing;
    std::function<bool(const QUrl &)> m_urlOpener;
    std::function<void(const QString &, const QString &)> m_warningHook;
    bool m_closing = false; // true while CloseProgram closes the window itself
};

} // namespace home
