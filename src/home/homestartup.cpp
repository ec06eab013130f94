// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homewindow.h"

#include "chrome/firstframe.h"
#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/units.h"
#include "content/graphics.h"
#include "home/homelogic.h"
#include "home/homepages.h"
#include "home/homepanel.h"
#include "home/homewidgets.h"
#include "home/subjectfiles.h"
#include "home/subjecttabs.h"

#include <QDir>

#include <utility>

// The home window's start: its pictures, its place on the screen, the course, the recovery of
// an interrupted mark and the first subject.
namespace home {

namespace {

// Placement of the home window, in twips.
constexpr double WindowLeftTwips = 60;
constexpr double WindowTopTwips = 60;
constexpr double WindowWidthTwips = 6070;
constexpr double WindowHeightTwips = 7380;

// How long the work after the first frame waits for the window to become active (a window
// manager may never make it so).
constexpr int ActivationWaitMs = 150;

// The tab strip, in window coordinates (pixels).
constexpr int StripTop = 60;
constexpr int StripLeft = 2;
constexpr int StripHeight = 8;

} // namespace

HomeWindow::StartUpStatus HomeWindow::startUp()
{
    const QString folder = m_state.dataFolder;

    // The window's pictures come from the program itself: a start reads no picture file.
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
    // What nothing on screen needs waits for the finished frame: the first frame, then the
    // repaint that shows the keyboard focus once the window is active. Each job takes a turn
    // of its own, so a click in between is answered at once.
    chrome::afterFirstFrame(this, [this, graphics] {
        chrome::whenActiveOrAfter(this, ActivationWaitMs, [this, graphics] {
            chrome::oneATurn(this,
                             {[this] { settleAllResultFiles(); },
                              [graphics] { content::ExtractGraphics(graphics); },
                              [this] { m_pages->report(); }, [this] { m_pages->trash(); },
                              [this] { m_pages->about(); }, [this] { emit startUpSettled(); }});
        });
    });

    // Placed before anything is laid out: the frame and the outline follow the size.
    placeWindow();

    // The tab strip paints its colour and its line itself; the pages hang from it.
    m_tabs->strip()->setGeometry(StripLeft, StripTop, width() - 2 * StripLeft, StripHeight);

    // The course descriptor. Without it there is no subject and no result file to read.
    std::optional<content::CourseDescriptor> descriptor = content::LoadDescriptor(folder);
    if (!descriptor)
        return StartUpStatus::NoDescriptor;
    m_course = *descriptor;
    m_courseLoaded = true;

    // A mark a crash interrupted is finished and the temporary files a crash leaves are
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
    // A course update: results of papers whose blanks changed go to an archive, the others
    // stay, before any of them is read. A subject without any result file (a first start, a
    // subject new to the course) has nothing to keep: its files are written after the first
    // frame, unless it is the one shown first, or as soon as its tab is opened.
    const int first = firstNamedSubject(
        {m_course.subjects[0].name, m_course.subjects[1].name, m_course.subjects[2].name});
    m_courseUpdateNotice = m_files.start(folder, m_course, first);

    // The tabs are named after the course's subjects.
    m_tabs->setSubjectNames(
        {m_course.subjects[0].name, m_course.subjects[1].name, m_course.subjects[2].name});
    setTitle(m_course.name);
    m_pages->setProgramName(m_course.name);
    m_state.lblCOD = m_course.code;

    // Unnamed subjects' tabs are parked, so the tabs and pages are laid out only now.
    layOut();

    // The first named subject, so that the pupil starts where there is something to do.
    if (first == 0)
        return StartUpStatus::NoSubject;
    // Its tab opens the home page (toolbar position 1, report panel 1), which loads the subject
    // and selects its first topic, so the summary file is read once.
    clickTab(first);
    // The keyboard starts on that tab (not on the first control made, which may be the parked
    // tab of an unnamed subject).
    m_tabs->buttons()[std::size_t(first - 1)]->setFocus(Qt::OtherFocusReason);
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

void HomeWindow::settleResultFiles(int s)
{
    const QString trouble = m_files.settle(s);
    if (!trouble.isEmpty())
        showNotice(QStringLiteral("Larkspur"), trouble);
}

void HomeWindow::settleAllResultFiles()
{
    for (int s = 1; s <= SubjectCount; ++s)
        settleResultFiles(s);
}

void HomeWindow::showCourseUpdateNotice()
{
    if (!m_courseUpdateNotice.isEmpty())
        showNotice(QStringLiteral("Larkspur"), std::exchange(m_courseUpdateNotice, {}));
}

void HomeWindow::LoadHomeGraphics()
{
    // The controls made before the pictures' source was set (which forgets every picture kept)
    // read their pictures again.
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
    m_homePanel->loadPictures();
    applySkin(isSkinActive());
}

void HomeWindow::placeWindow()
{
    using chrome::twipsToWholePx;
    setGeometry(twipsToWholePx(WindowLeftTwips), twipsToWholePx(WindowTopTwips),
                twipsToWholePx(WindowWidthTwips), twipsToWholePx(WindowHeightTwips));
    pRoundCorners();
}

} // namespace home
