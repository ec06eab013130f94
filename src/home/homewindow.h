#pragma once

#include "chrome/skinnedwindow.h"
#include "content/content.h"
#include "home/homestate.h"
#include "results/results.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QKeyEvent;
class QLabel;
class QPrinter;
class QUrl;

namespace chrome {
class ImageButton;
class PictureBox;
} // namespace chrome

namespace home {

class AboutPage;
class ClickLabel;
class PercentColumn;
class ReportPage;
class TabStrip;
class TrashPage;

// The home window `Contents`: start-up, the subject tabs and the home page with its topics and
// papers. It owns the shared state that practice windows read.
class HomeWindow : public chrome::SkinnedWindow
{
    Q_OBJECT
public:
    // Creates (and shows) the practice window for the paper named in the state; the window must
    // call `onUnload` when it unloads, so that the home page shows the new scores.
    using PracticeOpener =
        std::function<QWidget *(HomeState &state, std::function<void()> onUnload)>;

    // Asked before the program closes the practice window: true when it may close (it asks the
    // pupil itself when answers would be lost), false to keep it and the program open.
    using PracticeCloseQuery = std::function<bool(QWidget *practice)>;

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

    void setPracticeOpener(PracticeOpener opener) { m_opener = std::move(opener); }
    void setPracticeCloseQuery(PracticeCloseQuery query) { m_closeQuery = std::move(query); }
    QWidget *practiceWindow() const { return m_practice; }
    // Called with the path of every summary file the window reads, just before reading it.
    void setSummaryReadObserver(std::function<void(const QString &)> observer)
    {
        m_summaryObserver = std::move(observer);
    }

    // The routines of the home window, by the names their behaviour is known under.
    void LoadSubject();
    void ShowTopicButton(int n);
    void RefreshContents();
    void clickTopic(int topic); // a click on Topic<topic>
    void TopicChoosing(int first);
    void ShowPaperRows();
    void Topicbuttoncolour(int topic);
    void OpenPaper(int offset, int take);
    void clickTab(int tab); // a click on Tab0<tab> or its caption
    void RaiseTab(int tab);
    void clickToolBar(int position); // a click on ToolBar0<position> or its caption
    void ShowPage();
    void PrintResults();
    void PrintSetup();
    void CloseProgram();
    void OpenWebPage();
    // The trash page's "Yes": a dated safety copy, then every named subject's files anew.
    void eraseResults();

    // The program's printer: the system's default printer until PrintSetup chooses another.
    QPrinter &printer();

    // Tests: stand-ins for the platform's print set-up dialog (true = accepted; it may change
    // the printer it is given), for opening a web address and for the platform's warning box.
    void setPrintSetupHook(std::function<bool(QPrinter *)> hook) { m_setupHook = std::move(hook); }
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
    // Brings a page to the front in the page area.
    void showPageWidget(QWidget *page);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Keyboard: Tab and Shift+Tab go from group to group (tabs, topics, papers or the page's
    // controls, toolbar); the arrows, Home and End move within a group.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void LoadHomeGraphics();
    void placeWindow();
    void buildTabs();
    void buildHomePage();
    void buildToolBar();
    void buildPages();
    // The pages off screen at start, built on first use.
    ReportPage *reportPage();
    TrashPage *trashPage();
    AboutPage *aboutPage();
    void decorateTextPage(QWidget *page);
    void updateToolBar();
    bool closePractice(); // false when the practice window stays open
    // The selected subject's summary file as it is now, not the home page's copy.
    results::Summary readSummaryNow() const;
    void showWarning(const QString &title, const QString &text);
    void layoutTabs();
    void updateTabLooks();
    void showNotice(const QString &title, const QString &message);

    // Keyboard groups, in Tab order; only controls on show are in them.
    enum class FocusGroup
    {
        None,
        Tabs,
        Topics,
        Papers,
        Page, // the controls of the report, trash or about page
        Tools
    };
    QList<std::pair<FocusGroup, QList<QWidget *>>> focusGroups() const;
    FocusGroup focusGroupOf(const QWidget *w) const;
    QWidget *groupEntry(FocusGroup group, const QList<QWidget *> &members) const;
    void buildShortcuts();
    void switchTab(int step);     // Ctrl+Tab, Ctrl+Shift+Tab: the next or previous tab
    void selectSubjectKey(int s); // Ctrl+1..3

    HomeState m_state;
    content::CourseDescriptor m_course;
    bool m_courseLoaded = false;
    QString m_courseUpdateNotice;

    int m_topicCount = 0;
    int m_paperCount = 0;
    QStringList m_topicNames;
    results::Summary m_summary;
    int m_selectedTopic = 0;

    PracticeOpener m_opener;
    PracticeCloseQuery m_closeQuery;
    QPointer<QWidget> m_practice;
    bool m_destroying = false;
    std::function<void(const QString &)> m_summaryObserver;

    // Tabs and pages
    TabStrip *m_strip = nullptr;
    std::array<chrome::ImageButton *, 4> m_tabs{};
    QWidget *m_toolArea = nullptr;
    std::array<chrome::ImageButton *, 4> m_toolBar{};
    QWidget *m_bodyHome = nullptr;
    ReportPage *m_report = nullptr;
    TrashPage *m_trash = nullptr;
    AboutPage *m_about = nullptr;

    // Printing, web page and closing
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool(QPrinter *)> m_setupHook;
    std::function<bool(const QUrl &)> m_urlOpener;
    std::function<void(const QString &, const QString &)> m_warningHook;
    bool m_closing = false; // true while CloseProgram closes the window itself

    // Home page
    std::array<ClickLabel *, 10> m_topicLabels{};
    std::array<chrome::PictureBox *, 10> m_bullets{};
    chrome::PictureBox *m_colHead1 = nullptr, *m_colHead2 = nullptr;
    QLabel *m_subH1 = nullptr;
    std::array<QLabel *, 5> m_msa{}, m_msb{};
    std::array<chrome::ImageButton *, 5> m_pa{}, m_pb{};
    std::array<QString, 5> m_storedFirst; // the first-take scores as stored, damaged or not
    PercentColumn *m_percent = nullptr;
};

} // namespace home
