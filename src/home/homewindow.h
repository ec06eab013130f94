#pragma once

#include "chrome/skinnedwindow.h"
#include "content/content.h"
#include "home/homestate.h"
#include "results/results.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;

namespace chrome {
class ImageButton;
class PictureBox;
} // namespace chrome

namespace home {

class ClickLabel;
class PercentColumn;
class ReportPage;
class TabStrip;

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
    void ShowPage();

    // The report card of the selected subject, built from its summary and trend files as they
    // are now and opened on panel txtReportPos: what the Report command shows.
    void showReportCard();

    // The page area under the tab strip, in window coordinates; every page goes there.
    QRect pageRect() const;
    // Brings a page to the front in the page area.
    void showPageWidget(QWidget *page);

private:
    void LoadHomeGraphics();
    void placeWindow();
    void buildTabs();
    void buildHomePage();
    void layoutTabs();
    void updateTabLooks();
    void showNotice(const QString &title, const QString &message);

    HomeState m_state;
    content::CourseDescriptor m_course;
    bool m_courseLoaded = false;

    int m_topicCount = 0;
    int m_paperCount = 0;
    QStringList m_topicNames;
    results::Summary m_summary;
    int m_selectedTopic = 0;

    PracticeOpener m_opener;
    QPointer<QWidget> m_practice;
    bool m_destroying = false;
    std::function<void(const QString &)> m_summaryObserver;

    // Tabs and pages
    TabStrip *m_strip = nullptr;
    std::array<chrome::ImageButton *, 4> m_tabs{};
    QWidget *m_toolArea = nullptr;
    QWidget *m_bodyHome = nullptr;
    ReportPage *m_report = nullptr;

    // Home page
    std::array<ClickLabel *, 10> m_topicLabels{};
    std::array<chrome::PictureBox *, 10> m_bullets{};
    chrome::PictureBox *m_colHead1 = nullptr, *m_colHead2 = nullptr;
    QLabel *m_subH1 = nullptr;
    std::array<QLabel *, 5> m_msa{}, m_msb{};
    std::array<chrome::ImageButton *, 5> m_pa{}, m_pb{};
    PercentColumn *m_percent = nullptr;
};

} // namespace home
