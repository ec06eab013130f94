#include "home/homewindow.h"

#include "chrome/firstframe.h"
#include "chrome/identities.h"
#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "chrome/units.h"
#include "home/aboutpage.h"
#include "home/courseupdate.h"
#include "home/homelogic.h"
#include "home/homewidgets.h"
#include "home/reportpage.h"
#include "home/resultsprint.h"
#include "home/trashpage.h"

#include "content/graphics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace home {

namespace {

int twips(double value)
{
    return static_cast<int>(std::lround(chrome::twipsToPx(value)));
}

// Placement of the home window, in twips.
constexpr double WindowLeftTwips = 60;
constexpr double WindowTopTwips = 60;
constexpr double WindowWidthTwips = 6070;
constexpr double WindowHeightTwips = 7380;

// Design of the parts the old forms leave open, in pixels.
constexpr int StripTop = 60; // tab strip, window coordinates
constexpr int StripLeft = 2;
constexpr int StripHeight = 8;
constexpr int ToolAreaHeight = 56; // the toolbar's place at the foot of the window
constexpr int TabWidth = 79;
constexpr int ToolWidth = 44; // the toolbar pictures
constexpr int ToolHeight = 45;
constexpr int ToolGap = 8;
constexpr int ToolCaptionHeight = 14;

constexpr int Margin = 6;
constexpr int ColumnGap = 5;
constexpr int TopicColumnWidth = 160; // width of columnhead1.bmp
constexpr int PaperColumnWidth = 224; // width of columnhead2.bmp
constexpr int HeadTop = 10;
constexpr int HeadHeight = 22;
constexpr int ListTop = 42;
constexpr int TopicPitch = 30;
constexpr int PaperPitch = 56;
constexpr int LineHeight = 18;
constexpr int LoadButtonWidth = 35;
constexpr int LoadButtonHeight = 14;

const QColor StripColour(244, 245, 235);
const QColor WindowColour(228, 232, 240);
const QColor PageColour(255, 255, 255);
const QColor HeadText(24, 58, 110);
const QColor SoftText(80, 80, 80);
const QColor RuleColour(226, 230, 236);
const QColor SelectedTopic(128, 128, 128); // mid grey 8421504

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, const QFont &font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(align);
    return label;
}

} // namespace

HomeWindow::HomeWindow(const QString &dataFolder, QWidget *parent)
    : chrome::SkinnedWindow(Kind::Home, parent)
{
    setObjectName(QStringLiteral("Contents"));
    m_state.dataFolder = dataFolder;
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, WindowColour);

    buildTabs();
    buildHomePage();
    buildPages();
    buildToolBar();
    buildShortcuts();

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
        label->setFont(pageFont(8.25, true));
        label->setGeometry(3, 4, TabWidth - 6, 20);
        connect(tab, &chrome::ImageButton::clicked, this, [this, n] { clickTab(n); });
        m_tabs[i] = tab;
    }
    // The foot of the window, where the toolbar stands.
    m_toolArea = new QWidget(this);
    m_toolArea->setObjectName(QStringLiteral("ToolBarArea"));
    m_toolArea->setAutoFillBackground(true);
    setColour(m_toolArea, QPalette::Window, StripColour);
}

void HomeWindow::buildHomePage()
{
    m_bodyHome = new QWidget(this);
    m_bodyHome->setObjectName(QStringLiteral("Body_Home"));
    m_bodyHome->setAutoFillBackground(true);
    setColour(m_bodyHome, QPalette::Window, PageColour);
    setColour(m_bodyHome, QPalette::WindowText, Qt::black);

    const QFont text = pageFont(9);
    const QFont bold = pageFont(9, true);
    const QFont head = pageFont(9, true);

    // Left column: the topics.
    m_colHead1 = new chrome::PictureBox(QStringLiteral("ColHead1"), m_bodyHome,
                                        chrome::PictureBox::Fit::Stretch);
    m_colHead1->setGeometry(Margin, HeadTop, TopicColumnWidth, HeadHeight);
    QLabel *topicHead = makeLabel(QStringLiteral("ColHead1lbl"), QStringLiteral("Select a Topic"),
                                  m_colHead1, head);
    topicHead->setGeometry(8, 0, TopicColumnWidth - 12, HeadHeight - 2);
    setColour(topicHead, QPalette::WindowText, HeadText);

    for (int i = 0; i < MaxTopics; ++i) {
        const int t = i + 1;
        const int y = ListTop + i * TopicPitch;
        auto *bullet = new chrome::PictureBox(QStringLiteral("Bullet%1").arg(t), m_bodyHome);
        bullet->setGeometry(Margin + 4, y + (TopicPitch - 2 - 11) / 2, 11, 11);
        auto *label = new ClickLabel(QStringLiteral("Topic%1").arg(t), m_bodyHome);
        // Long topic names wrap onto a second line rather than lose their ends.
        label->setFont(pageFont(8.25));
        label->setWordWrap(true);
        label->setMargin(0);
        label->setContentsMargins(6, 0, 4, 0);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(Margin + 20, y, TopicColumnWidth - 20, TopicPitch - 2);
        label->setToolTip(QStringLiteral("Click to select topic"));
        label->setCursor(Qt::PointingHandCursor);
        label->setKeyboardControl(QAccessible::ListItem);
        connect(label, &ClickLabel::clicked, this, [this, t] { clickTopic(t); });
        m_bullets[i] = bullet;
        m_topicLabels[i] = label;
    }

    // Right column: the papers of the selected topic.
    const int x0 = Margin + TopicColumnWidth + ColumnGap;
    m_colHead2 = new chrome::PictureBox(QStringLiteral("ColHead2"), m_bodyHome,
                                        chrome::PictureBox::Fit::Stretch);
    m_colHead2->setGeometry(x0, HeadTop, PaperColumnWidth, HeadHeight);
    m_subH1 =
        makeLabel(QStringLiteral("SubH1"), QStringLiteral("Select a Paper"), m_colHead2, head);
    m_subH1->setGeometry(8, 0, PaperColumnWidth - 12, HeadHeight - 2);
    setColour(m_subH1, QPalette::WindowText, HeadText);

    const int percentLeft = x0 + 170;
    const int buttonLeft = x0 + PaperColumnWidth - LoadButtonWidth - 4;
    m_percent = new PercentColumn(m_bodyHome);
    m_percent->setFont(bold);
    QList<int> centres;
    for (int i = 0; i < PapersPerTopic; ++i) {
        const int n = i + 1;
        const int y = ListTop + i * PaperPitch;
        const int line1 = y + 3;
        const int line2 = line1 + LineHeight + 4;
        if (i > 0) {
            auto *rule = new QWidget(m_bodyHome);
            rule->setObjectName(QStringLiteral("PaperRule%1").arg(n));
            rule->setAutoFillBackground(true);
            setColour(rule, QPalette::Window, RuleColour);
            rule->setGeometry(x0 + 4, y - 5, PaperColumnWidth - 8, 1);
        }
        makeLabel(QStringLiteral("LblP%1").arg(n), QStringLiteral("Paper %1").arg(n), m_bodyHome,
                  bold)
            ->setGeometry(x0 + 6, line1, 58, LineHeight);
        QLabel *first = makeLabel(QStringLiteral("LblA%1").arg(n), QStringLiteral("1st Attempt:"),
                                  m_bodyHome, text);
        first->setGeometry(x0 + 64, line1, 76, LineHeight);
        QLabel *second = makeLabel(QStringLiteral("LblB%1").arg(n), QStringLiteral("2nd Attempt:"),
                                   m_bodyHome, text);
        second->setGeometry(x0 + 64, line2, 76, LineHeight);
        setColour(first, QPalette::WindowText, SoftText);
        setColour(second, QPalette::WindowText, SoftText);

        m_msa[i] = makeLabel(QStringLiteral("MSA%1").arg(n), QString(), m_bodyHome, bold,
                             Qt::AlignRight | Qt::AlignVCenter);
        m_msb[i] = makeLabel(QStringLiteral("MSB%1").arg(n), QString(), m_bodyHome, bold,
                             Qt::AlignRight | Qt::AlignVCenter);
        m_msa[i]->setGeometry(percentLeft - 1, line1, 0, LineHeight);
        m_msb[i]->setGeometry(percentLeft - 1, line2, 0, LineHeight);
        centres << line1 + LineHeight / 2 - ListTop << line2 + LineHeight / 2 - ListTop;

        auto makeButton = [&](const QString &name, const QString &tip, int line, int take) {
            auto *button = new chrome::ImageButton(name, m_bodyHome);
            button->setAutoSize(false);
            button->setGeometry(buttonLeft, line + (LineHeight - LoadButtonHeight) / 2,
                                LoadButtonWidth, LoadButtonHeight);
            button->setPictures(QStringLiteral("loadbutton_off.bmp"),
                                QStringLiteral("loadbutton_on.bmp"));
            button->setToolTip(tip);
            button->setCursor(Qt::PointingHandCursor);
            button->setKeyboardFocusable(true);
            button->setAccessibleName(paperButtonName(n, take, QString()));
            connect(button, &chrome::ImageButton::clicked, this,
                    [this, i, take] { OpenPaper(i, take); });
            return button;
        };
        m_pa[i] = makeButton(QStringLiteral("P%1a").arg(n), QStringLiteral("Load paper %1").arg(n),
                             line1, 1);
        m_pb[i] = makeButton(QStringLiteral("P%1b").arg(n),
                             QStringLiteral("Try paper %1 again").arg(n), line2, 2);
        m_pb[i]->hide();
    }
    m_percent->setGeometry(percentLeft, ListTop, 14, PapersPerTopic * PaperPitch);
    m_percent->setLines(centres);
}

void HomeWindow::buildToolBar()
{
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        auto *button = new chrome::ImageButton(QStringLiteral("ToolBar0%1").arg(n), m_toolArea);
        button->setAutoSize(false);
        button->setTracksPress(true);
        button->setKeyboardFocusable(true);
        button->setGeometry(ToolGap + i * (ToolWidth + ToolGap), (ToolAreaHeight - ToolHeight) / 2,
                            ToolWidth, ToolHeight);
        QLabel *label = button->caption(QStringLiteral("lblTB0%1").arg(n));
        label->setFont(pageFont(7.5));
        label->setGeometry(0, ToolHeight - ToolCaptionHeight - 1, ToolWidth, ToolCaptionHeight);
        connect(button, &chrome::ImageButton::clicked, this, [this, n] { clickToolBar(n); });
        m_toolBar[i] = button;
    }
    updateToolBar();
}

void HomeWindow::buildPages()
{
    // The report card, trash and about pages are built when first shown: nobody sees them at
    // start, and building them would hold up the first frame.
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
    setColour(page, QPalette::Window, PageColour);
    setColour(page, QPalette::WindowText, Qt::black);
    page->setFont(pageFont(9));
    page->hide();
}

// ---- Start-up --------------------------------------------------------------------------------

HomeWindow::StartUpStatus HomeWindow::startUp()
{
    const QString folder = m_state.dataFolder;

    // 1. The window's pictures come from the program itself: a start reads no picture file.
    // The graphics folder is written again once the first frame is on screen (nothing on
    // screen reads it), only where a file differs.
    const QString graphics = content::graphicsFolderPath(folder);
    QDir().mkpath(graphics);
    chrome::Pictures::setFolder(graphics);
    chrome::Pictures::setSource([](const QString &fileName) {
        const int item = content::graphicsItem(fileName.toLatin1().constData());
        return item > 0 ? content::itemBytes(item).value_or(QByteArray()) : QByteArray();
    });
    LoadHomeGraphics();
    chrome::afterFirstFrame(this, [this, graphics] {
        content::ExtractGraphics(graphics);
        // The pages off screen, each on a turn of its own, so they are ready when asked for.
        QTimer::singleShot(0, this, [this] { reportPage(); });
        QTimer::singleShot(0, this, [this] { trashPage(); });
        QTimer::singleShot(0, this, [this] { aboutPage(); });
    });

    // 2. Placement; the frame and the outline follow the size.
    placeWindow();

    // 3. The tab strip paints its colour and its line itself.
    m_strip->setGeometry(StripLeft, StripTop, width() - 2 * StripLeft, StripHeight);

    // 4. The course descriptor. Without it there is no subject and no result file to read.
    std::optional<content::CourseDescriptor> descriptor = content::LoadDescriptor(folder);
    if (!descriptor)
        return StartUpStatus::NoDescriptor;
    m_course = *descriptor;
    m_courseLoaded = true;

    // 5. A mark a crash interrupted is finished and the temporary files a crash leaves are
    // removed, before anything reads a result file. Then the missing result files of every
    // named subject. Only the missing ones are written: results already stored stay as they are.
    // A mark that cannot be finished stays pending (every mark tries it first); the pupil is
    // told which file stands in its way.
    const results::Recovery recovery = results::RecoverDataFolder(folder, m_course.code);
    if (!recovery.ok)
        showNotice(QStringLiteral("Larkspur"),
                   QStringLiteral("A paper marked earlier could not be fully saved: %1 could not "
                                  "be written (%2).\n\nUntil it can, papers cannot be marked. "
                                  "Please make sure %1 is a file Larkspur may write (move "
                                  "anything else of that name elsewhere), then start Larkspur "
                                  "again.")
                       .arg(recovery.failedPath, recovery.error));
    results::EnsureAllResultFiles(folder, m_course);
    // A course update: results of papers whose blanks changed go to an archive, the others
    // stay, before any of them is read.
    m_courseUpdateNotice = courseUpdateText(courses::keepResultsAcrossUpdate(folder, m_course));

    // 6. and 7. Captions and tool tips.
    for (int s = 0; s < SubjectCount; ++s) {
        const QString &name = m_course.subjects[s].name;
        m_tabs[s]->setCaptionText(name);
        m_tabs[s]->setToolTips(subjectTabToolTip(name));
    }
    m_tabs[3]->setCaptionText(QStringLiteral("Help"));
    m_tabs[3]->setToolTips(QStringLiteral("Help"));
    setTitle(m_course.name);
    if (m_about)
        m_about->setProgramName(m_course.name);
    m_state.lblCOD = m_course.code;

    // 8. Tabs and pages.
    layoutTabs();

    // 9. Timer1 runs from the window's creation (100 ms).

    // 10. The first named subject.
    const int first = firstNamedSubject(
        {m_course.subjects[0].name, m_course.subjects[1].name, m_course.subjects[2].name});
    if (first == 0)
        return StartUpStatus::NoSubject;
    // Its tab opens the home page (toolbar position 1, report panel 1), which loads the subject
    // and selects its first topic, so the summary file is read once.
    clickTab(first);
    // The keyboard starts on that tab (not on the first control made, which may be the parked
    // tab of an unnamed subject).
    m_tabs[first - 1]->setFocus(Qt::OtherFocusReason);
    return StartUpStatus::Ok;
}

QString HomeWindow::startUpFailureText(StartUpStatus status)
{
    switch (status) {
    case StartUpStatus::Ok:
        return {};
    case StartUpStatus::NoDescriptor:
        return QStringLiteral("The course could not be read, so Larkspur cannot start.\n\n"
                              "Please check that the program's data folder can be written to, "
                              "then start Larkspur again.");
    case StartUpStatus::NoSubject:
        return QStringLiteral("This course has no subjects, so there is nothing to practise.");
    }
    return {};
}

void HomeWindow::showCourseUpdateNotice()
{
    if (!m_courseUpdateNotice.isEmpty())
        showNotice(QStringLiteral("Larkspur"), std::exchange(m_courseUpdateNotice, {}));
}

void HomeWindow::LoadHomeGraphics()
{
    // A fresh graphics folder: forget pictures kept from before it was written, and have every
    // control that already names a picture read it again.
    chrome::Pictures::clear();
    for (chrome::PictureBox *box : findChildren<chrome::PictureBox *>()) {
        const QString name = box->pictureName();
        box->setPicture({});
        box->setPicture(name);
    }
    for (chrome::ImageButton *button : findChildren<chrome::ImageButton *>()) {
        using chrome::Look;
        button->setPictures(button->pictureFor(Look::Off), button->pictureFor(Look::On),
                            button->pictureFor(Look::Pressed), button->pictureFor(Look::Disabled));
    }
    if (chrome::PictureBox *icon = iconBox()) {
        icon->setPicture({});
        icon->setPicture(QStringLiteral("LSicon.ico"));
        if (!icon->pixmap().isNull())
            setWindowIcon(QIcon(icon->pixmap()));
    }
    for (chrome::PictureBox *b : m_bullets)
        b->setPicture(QStringLiteral("bullet.bmp"));
    m_colHead1->setPicture(QStringLiteral("columnhead1.bmp"));
    m_colHead2->setPicture(QStringLiteral("columnhead2.bmp"));
    applySkin(isSkinActive());
}

void HomeWindow::placeWindow()
{
    setGeometry(twips(WindowLeftTwips), twips(WindowTopTwips), twips(WindowWidthTwips),
                twips(WindowHeightTwips));
    pRoundCorners();
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
    m_bodyHome->setGeometry(page);
    if (m_report)
        m_report->setGeometry(page);
    m_toolArea->setGeometry(page.left(), page.bottom() + 1, page.width(),
                            clientRect().bottom() - page.bottom());
}

QRect HomeWindow::pageRect() const
{
    const int top = m_strip->y() + m_strip->height();
    const int bottom = clientRect().bottom() + 1 - ToolAreaHeight;
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

    m_summary = readSummaryNow();

    for (int n = 1; n <= MaxTopics; ++n) {
        m_topicLabels[n - 1]->setText(m_topicNames.value(n - 1));
        ShowTopicButton(n);
    }
    if (!m_state.RefreshLog)
        clickTopic(1);
}

void HomeWindow::ShowTopicButton(int n)
{
    if (n < 1 || n > MaxTopics)
        return;
    const bool visible = topicVisible(n, m_topicCount);
    m_topicLabels[n - 1]->setVisible(visible);
    m_bullets[n - 1]->setVisible(visible);
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
    Topicbuttoncolour(topic);
}

void HomeWindow::TopicChoosing(int first)
{
    const QStringList &fse = m_summary.records[0];
    const QStringList &sse = m_summary.records[1];
    for (int n = 1; n <= PapersPerTopic; ++n) {
        const PaperRow row = paperRow(fse, sse, first, n);
        // A score that is not a number reads as no take, as the report card counts it.
        m_storedFirst[n - 1] = row.firstScore;
        m_msa[n - 1]->setText(shownScore(row.firstScore));
        m_msb[n - 1]->setText(shownScore(row.secondScore));
    }
    if (const std::optional<int> topic = topicOfFirstOrdinal(first)) {
        m_state.SubH1 = m_topicNames.value(*topic - 1);
        m_subH1->setText(m_state.SubH1);
    }
    ShowPaperRows();
}

void HomeWindow::ShowPaperRows()
{
    const int percentLeft = m_percent->x();
    QList<bool> filled;
    for (int i = 0; i < PapersPerTopic; ++i) {
        QLabel *a = m_msa[i];
        QLabel *b = m_msb[i];
        // A damaged first score still offers the second take: the paper was marked.
        const QString stored = a->text().isEmpty() ? m_storedFirst[i] : a->text();
        if (!stored.isEmpty()) {
            m_pb[i]->setVisible(secondTakeVisible(stored));
            a->resize(a->sizeHint().width(), a->height());
            a->move(scoreLeft(percentLeft, a->width()), a->y());
        } else {
            m_pb[i]->hide();
        }
        if (!b->text().isEmpty()) {
            b->resize(b->sizeHint().width(), b->height());
            b->move(scoreLeft(percentLeft, b->width()), b->y());
        }
        filled << !a->text().isEmpty() << !b->text().isEmpty();
        m_pa[i]->setAccessibleName(paperButtonName(i + 1, 1, a->text()));
        m_pb[i]->setAccessibleName(paperButtonName(i + 1, 2, b->text()));
    }
    m_percent->setFilled(filled);
}

void HomeWindow::Topicbuttoncolour(int topic)
{
    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    for (int i = 0; i < MaxTopics; ++i) {
        const bool selected = i + 1 == topic;
        QPalette p = m_topicLabels[i]->palette();
        p.setColor(QPalette::Window, selected ? SelectedTopic : highlightText);
        p.setColor(QPalette::WindowText, selected ? highlightText : QColor(Qt::black));
        m_topicLabels[i]->setPalette(p);
        m_topicLabels[i]->setSelected(selected);
    }
    m_selectedTopic = topic;
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
    m_practice = m_opener(m_state, [self] {
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
        showPageWidget(m_bodyHome);
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
    const QString folder = m_state.dataFolder;
    const results::BackupOutcome backup =
        results::BackupResults(folder, m_course, QDateTime::currentDateTime());
    if (!backup.ok()) {
        trashPage()->showOutcome(
            QStringLiteral(
                "Nothing has been erased: a safety copy of your results could not be made in the "
                "folder %1.")
                .arg(QDir::toNativeSeparators(backup.folder.isEmpty()
                                                  ? folder + QStringLiteral("/Backups")
                                                  : backup.folder)));
        return;
    }
    const QList<results::FileRef> failed = results::ResetResults(folder, m_course);
    if (failed.isEmpty()) {
        // Where the copy is, so that a pupil who erased by mistake can get the results back.
        trashPage()->showOutcome(
            QStringLiteral("All your past results have been erased. A copy of them as they "
                           "were is in the folder %1.")
                .arg(QDir::toNativeSeparators(backup.folder)));
        return;
    }
    QStringList names;
    for (const results::FileRef &f : failed)
        names << QFileInfo(results::resultFilePath(folder, f.file, f.subject, m_course.code))
                     .fileName();
    trashPage()->showOutcome(
        QStringLiteral("Not all your results could be erased: these files could not be "
                       "written: %1. A copy of your results as they were is in %2.")
            .arg(names.join(QStringLiteral(", ")), QDir::toNativeSeparators(backup.folder)));
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
    // HoverHomeTool: the toolbar's captions, tool tips and pictures follow the selected tab.
    const bool help = m_state.txtTabPos == 4;
    for (int i = 0; i < 4; ++i) {
        const chrome::ButtonIdentity id = chrome::homeToolbarIdentity(i + 1, help);
        m_toolBar[i]->setIdentity(id);
        // The Help tab has no third command: the button is not offered there.
        m_toolBar[i]->setVisible(id.hasCommand);
    }
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
    // A notice answers nothing: the last answer in PopUpResponse stays.
    chrome::tell(title, message, this);
}

} // namespace home
