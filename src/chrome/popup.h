#pragma once

#include "skinnedwindow.h"

#include <QList>
#include <QString>

#include <optional>

class QLabel;

namespace chrome {

class ImageButton;
class PictureBox;

// The program's message box: title, information icon, message and one ("OK") or two ("Yes",
// "No") buttons. The first button answers yes, the second no; a dialog closed in any other way
// (Escape, Alt+F4, the window manager) answers no, so it is never taken as yes.
//
// Keyboard: Tab and the arrow keys move between the buttons, Space and Return press the one
// with the focus ring, Escape answers no. Focus starts on the answer that changes nothing ("No",
// or "OK" on a notice), so a stray Return never confirms anything.
class frmPopUp : public SkinnedWindow
{
    Q_OBJECT
public:
    explicit frmPopUp(QWidget *parent = nullptr);

    // Fill in the dialog and centre it on `Master` (the screen when null). Does not show it.
    void CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master);
    // Show modally until a button or a close; returns true for the first button.
    bool exec();
    // The answer once given; nullopt while the dialog waits.
    std::optional<bool> answer() const { return m_answer; }

    QLabel *message() const { return m_message; }
    PictureBox *infoIcon() const { return m_info; }
    ImageButton *button1() const { return m_but1; }
    ImageButton *button2() const { return m_but2; }

signals:
    void finished(bool yes);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(bool yes);

    PictureBox *m_info;
    QLabel *m_message;
    ImageButton *m_but1;
    ImageButton *m_but2;
    std::optional<bool> m_answer;
    bool m_finished = false;
};

// A yes/no question in a fresh dialog (each starts from its design state), shown modally over
// `master`: true only when the pupil chose "Yes".
bool ask(const QString &title, const QString &message, QWidget *master);
// A notice with an "OK" button, shown modally over `master`.
void tell(const QString &title, const QString &message, QWidget *master);

// ---- Test hooks ---------------------------------------------------------------------------
// Tests of other windows preset answers so that a dialog never blocks them: while answers are
// queued, ask() and tell() take the next one and return at once without showing anything.
void setNextPopUpAnswers(const QList<bool> &answers);
QList<bool> pendingPopUpAnswers();
// When set, every ask() or tell() without a queued answer takes this one at once.
void setPopUpDefaultAnswer(std::optional<bool> answer);

// Every dialog asked for since the last take, answered by a hook or not.
struct PopUpCall
{
    QString Title;
    QString Msg;
    int NumofButtons = 0;
    bool answer = false;
};
QList<PopUpCall> takePopUpCalls();

} // namespace chrome
