// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/content.h"
#include "home/homelogic.h"

#include <QWidget>

class QDateTime;
class QLabel;

namespace chrome {
class ImageButton;
}

namespace home {

// The Help tab's trash page, Body_Trash: an offer to erase every result, a confirmation, and
// the outcome. The page only asks; the home window erases and hands back the outcome's words.
class TrashPage : public QWidget
{
    Q_OBJECT
public:
    explicit TrashPage(QWidget *parent = nullptr);

    TrashState state() const { return m_state; }
    void setState(TrashState state);
    // Trashlbl3's words, shown in the Done state.
    void showOutcome(const QString &text);

signals:
    // "Yes": the pupil confirmed. The page stays in the Confirm state until showOutcome().
    void eraseConfirmed();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    chrome::ImageButton *makeButton(const QString &name, const QString &caption);
    void layoutControls();

    TrashState m_state = TrashState::Offer;
    QLabel *m_lbl1, *m_lbl2, *m_lbl3;
    chrome::ImageButton *m_trash, *m_yes, *m_no;
};

// The trash page's "Yes": a dated safety copy of every named subject's results in `folder`, then
// their files anew; the outcome in the pupil's words. Nothing is erased without the copy.
QString eraseWithSafetyCopy(const QString &folder, const content::CourseDescriptor &course,
                            const QDateTime &now);

} // namespace home
