// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/trashpage.h"

#include "chrome/imagebutton.h"
#include "results/results.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <QLabel>

namespace home {

namespace {
constexpr int ButtonWidth = 80; // button_off.bmp
constexpr int ButtonHeight = 25;
constexpr int TextTop = 40;
constexpr int SideMargin = 30;

QLabel *makeText(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}
} // namespace

TrashPage::TrashPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Trash"));
    m_lbl1 = makeText(QStringLiteral("Trashlbl1"),
                      QStringLiteral("Click on the button below if you wish to erase all your "
                                     "past results and reset the program."),
                      this);
    m_lbl2 = makeText(QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"), this);
    m_lbl3 = makeText(QStringLiteral("Trashlbl3"),
                      QStringLiteral("All your past results have been erased."), this);
    m_trash = makeButton(QStringLiteral("ButTrash"), QStringLiteral("Trash"));
    m_yes = makeButton(QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"));
    m_no = makeButton(QStringLiteral("ButTrash_No"), QStringLiteral("No"));

    connect(m_trash, &chrome::ImageButton::clicked, this,
            [this] { setState(TrashState::Confirm); });
    connect(m_no, &chrome::ImageButton::clicked, this, [this] { setState(TrashState::Offer); });
    connect(m_yes, &chrome::ImageButton::clicked, this, &TrashPage::eraseConfirmed);
    setState(TrashState::Offer);
}

chrome::ImageButton *TrashPage::makeButton(const QString &name, const QString &caption)
{
    auto *button = new chrome::ImageButton(name, this);
    button->setAutoSize(false);
    button->resize(ButtonWidth, ButtonHeight);
    button->setPictures(QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    QLabel *label = button->caption(name + QStringLiteral("lbl"));
    label->setGeometry(button->rect());
    button->setCaptionText(caption);
    button->setCursor(Qt::PointingHandCursor);
    button->setKeyboardFocusable(true);
    return button;
}

void TrashPage::setState(TrashState state)
{
    m_state = state;
    const TrashVisibility v = trashVisibility(state);
    const std::pair<QWidget *, bool> controls[] = {{m_lbl1, v.lbl1}, {m_trash, v.trash},
                                                   {m_lbl2, v.lbl2}, {m_yes, v.yes},
                                                   {m_no, v.no},     {m_lbl3, v.lbl3}};
    // The new state's controls show before the old ones hide, so that a keyboard focus on a
    // button that goes (Trash, No) passes to one that comes instead of leaving the page.
    for (const auto &[control, visible] : controls) {
        if (visible)
            control->show();
    }
    for (const auto &[control, visible] : controls) {
        if (!visible)
            control->hide();
    }
}

void TrashPage::showOutcome(const QString &text)
{
    m_lbl3->setText(text);
    layoutControls();
    setState(TrashState::Done);
}

void TrashPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void TrashPage::layoutControls()
{
    const int textWidth = std::max(0, width() - 2 * SideMargin);
    int buttonTop = TextTop;
    for (QLabel *label : {m_lbl1, m_lbl2, m_lbl3}) {
        const int h = label->heightForWidth(textWidth);
        label->setGeometry(SideMargin, TextTop, textWidth, std::max(h, label->sizeHint().height()));
        buttonTop = std::max(buttonTop, label->geometry().bottom() + 1 + 16);
    }
    const int centre = width() / 2;
    m_trash->move(centre - ButtonWidth / 2, buttonTop);
    m_yes->move(centre - ButtonWidth - 8, buttonTop);
    m_no->move(centre + 8, buttonTop);
}

QString eraseWithSafetyCopy(const QString &folder, const content::CourseDescriptor &course,
                            const QDateTime &now)
{
    const results::BackupOutcome backup = results::BackupResults(folder, course, now);
    if (!backup.ok()) {
        return QStringLiteral("Nothing has been erased: a safety copy of your results could not be "
                              "made in the folder %1.")
            .arg(QDir::toNativeSeparators(
                backup.folder.isEmpty() ? folder + QStringLiteral("/Backups") : backup.folder));
    }
    const QList<results::FileRef> failed = results::ResetResults(folder, course);
    if (failed.isEmpty()) {
        // Where the copy is, so that a pupil who erased by mistake can get the results back.
        return QStringLiteral("All your past results have been erased. A copy of them as they "
                              "were is in the folder %1.")
            .arg(QDir::toNativeSeparators(backup.folder));
    }
    QStringList names;
    for (const results::FileRef &f : failed)
        names << QFileInfo(results::resultFilePath(folder, f.file, f.subject, course.code))
                     .fileName();
    return QStringLiteral("Not all your results could be erased: these files could not be "
                          "written: %1. A copy of your results as they were is in %2.")
        .arg(names.join(QStringLiteral(", ")), QDir::toNativeSeparators(backup.folder));
}

} // namespace home
