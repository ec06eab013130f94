#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/paper.h"
#include "practice/practicelogic.h"

#include "chrome/skinnedwindow.h"

#include <QDateTime>

#include <functional>
#include <memory>

class QLabel;
class QPrinter;
class QTimer;

namespace chrome {
class PictureBox;
} // namespace chrome

namespace practice {

class AnswerSheet;
class DocumentGuard;
class PaperSummary;
class PracticeToolBar;
class QuestionViewer;
class SheetHandle;
class StatusStrip;

// The practice window: Test1 for a first take, Test2 for a second take ("Try Again").
class PracticeWindow : public chrome::SkinnedWindow
{
    Q_OBJECT
public:
    PracticeWindow(const PaperPlace &place, Take take, std::function<void()> onUnload,
                   QWidget *parent = nullptr);
    ~PracticeWindow() override;

    // Runs the load. False when the paper cannot be shown: the pupil has been told and the
    // window closes itself.
    bool LoadPaper();

    // The pupil's commands.
    void SavePaper();
    void MarkPaper();
    void ClosePaper();
    // Closing with the program: false while marking; asks Close's "Confirm?" only when answers
    // were typed since the last save; true when the window may close.
    bool mayCloseWithProgram();
    void PrintQuestion();
    void ShowQuestion(int number);
    void toggleAnswerSheet();

    // One pass of the 100 ms tick (PaperClock); public so tests can drive it.
    void PaperClock();

    const Paper &paper() const { return m_paper; }
    int QSCount() const { return m_qsCount; }
    bool answerSheetShown() const { return m_answerSheetShown; }
    bool isMarking() const { return m_marking; }

    // Tests: how long one of the fifteen progress steps lasts (200 ms normally).
    void setProgressStepInterval(int ms) { m_progressStepMs = ms; }
    // Tests: move the clock's base, as if the window had loaded earlier.
    void setStartTime(const QDateTime &t) { m_startTime = t; }

    // Tests: replace the platform message box of the document guards and the print dialog.
    static void setGuardMessageHook(std::function<void(const QString &title, const QString &text)>);
    static void setPrintDialogHook(std::function<bool(QPrinter *)>);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void placeWindow();
    void applyLayout();
    void StoreAnswers();
    bool SaveAnswers(); // false after telling the pupil of a failed write
    void BuildRemainingList();
    void ShowMarkedState();
    void showScore();
    void showDocument();
    void attachDocument();
    void progressStep();
    void finishMarking();
    void unload();
    bool ask(const QString &title, const QString &message);
    void notify(const QString &title, const QString &message);
    void reportWriteFailure(const WriteFailure &failure);
    void tellKeptCopies(); // once per copy of a damaged file, after the write that made it
    void discardQuestionFile();
    std::optional<int> openRow() const; // the first row the pupil can type in
    void runCommand(Command command);
    void scrollDocument(int key); // Page Up or Page Down, sent to the document

    PaperPlace m_place; // where the paper belongs, as the home window handed it over
    std::function<void()> m_onUnload;
    Take m_take;
    Paper m_paper;
    int m_qsCount = 1;
    QString m_questionFilePath;
    QDateTime m_startTime;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_answerSheetShown = true;
    bool m_marking = false;
    int m_progressStepMs = 200;
    bool m_scrolling = false; // a Page Up or Page Down on its way to the document

    std::unique_ptr<QuestionViewer> m_viewer;
    DocumentGuard *m_guard; // the document against copying
    std::unique_ptr<QPrinter> m_printer;

    PracticeToolBar *m_toolBar = nullptr;
    PaperSummary *m_summary = nullptr;
    AnswerSheet *m_sheet = nullptr;
    SheetHandle *m_handle = nullptr;
    QWidget *m_questionTitleBg = nullptr;
    QLabel *m_questionTitle = nullptr;
    StatusStrip *m_status = nullptr;
    chrome::PictureBox *m_sizer = nullptr;
    QTimer *m_progressTimer = nullptr;
};

} // namespace practice
