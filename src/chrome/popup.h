#pragma once

#include "skinnedwindow.h"

#include <QList>
#include <QString>
#include <QStringList>

class QLabel;

namespace chrome {

class ImageButton;
class PictureBox;

// The program's message box: title, information icon, message and one ("OK") or two ("Yes",
// "No") buttons. The first button answers "True", the second "False"; a dialog closed in any
// other way (Alt+F4, the window manager) answers "False", so it is never taken as yes.
// Enter and Escape choose nothing.
class frmPopUp : public SkinnedWindow
{
    Q_OBJECT
public:
    explicit frmPopUp(QWidget *parent = nullptr);

    // Fill in the dialog and centre it on `Master` (the screen when null). Does not show it.
    void CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master);
    // Show modally until a button or a close; returns the answer.
    QString exec();
    QString answer() const { return m_answer; }

    QLabel *message() const { return m_message; }
    PictureBox *infoIcon() const { return m_info; }
    ImageButton *button1() const { return m_but1; }
    ImageButton *button2() const { return m_but2; }

signals:
    void finished(const QString &answer);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void choose(const QString &answer);

    PictureBox *m_info;
    QLabel *m_message;
    ImageButton *m_but1;
    ImageButton *m_but2;
    QString m_answer;
    bool m_finished = false;
};

// Ask through a fresh dialog (each starts from its design state), shown modally over `Master`.
// Returns "True" or "False"; when `PopUpResponse` is given the answer is also stored there,
// before this returns.
QString CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master,
                QString *PopUpResponse = nullptr);

// ---- Test hooks ---------------------------------------------------------------------------
// Tests of other windows preset answers so that a dialog never blocks them: while answers are
// queued, CallPop takes the next one and returns at once without showing anything.
void setNextPopUpAnswers(const QStringList &answers);
QStringList pendingPopUpAnswers();
// When set (not empty), every CallPop without a queued answer returns this at once.
void setPopUpDefaultAnswer(const QString &answer);

// Every CallPop asked since the last take, answered by a hook or not.
struct PopUpCall
{
    QString Title;
    QString Msg;
    int NumofButtons = 0;
    QString answer;
};
QList<PopUpCall> takePopUpCalls();

} // namespace chrome
