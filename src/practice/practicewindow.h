#pragma once

#include "practice/answerrow.h"
#include "practice/paper.h"
#include "practice/practicelogic.h"

#include "chrome/skinnedwindow.h"
#include "content/gaps.h"
#include "marking/hint.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QTimer;

namespace chrome {
class ImageButton;
class PictureBox;
} // namespace chrome

namespace practice {

class DocumentGuard;
class QuestionViewer;

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
    QDateTime startTime() const { return m_startTime; }
    QuestionViewer *viewer() const { return m_viewer.get(); }

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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void placeWindow();
    void applyLayout();
    void StoreAnswers();
    bool SaveAnswers(); // false after telling the pupil of a failed write
    void FillAnswerSheet();
    void FillAnswerRow(int k, int blank);
    void ShowAnswerRows();
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
    void focusNextRow(int k);
    std::optional<int> openRow() const;        // the first row the pupil can type in
    marking::GapSurroundings besideGap(int k); // what the page prints beside row k's gap
    void runCommand(Command command);
    void scrollDocument(int key); // Page Up or Page Down, sent to the document
    void showHintLine();
    void placeHintLine();

    PaperPlace m_place; // where the paper belongs, as the home window handed it over
    std::function<void()> m_onUnload;
    Take m_take;
    Paper m_paper;
    int m_qsCount = 1;
    QString m_questionFilePath;
    int m_currentQuestionId = 0;
    QDateTime m_startTime;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_answerSheetShown = true;
    bool m_marking = false;
    int m_progress = 0;
    int m_progressStepMs = 200;
    bool m_resizing = false;
    bool m_scrolling = false; // a Page Up or Page Down on its way to the document

    std::unique_ptr<QuestionViewer> m_viewer;
    DocumentGuard *m_guard; // the document against copying
    std::unique_ptr<QPrinter> m_printer;

    QWidget *m_toolStrip = nullptr;
    std::array<chrome::ImageButton *, 6> m_tools{};
    chrome::PictureBox *m_paperSum = nullptr;
    QLabel *m_answeredLabel = nullptr, *m_totalLabel = nullptr, *m_slashLabel = nullptr;
    QLabel *m_scoreLabel = nullptr;
    // First take only: the clock, today's date, and after marking the time taken and the date.
    QLabel *m_clockLabel = nullptr, *m_dateLabel = nullptr;
    QLabel *m_timeTakenLabel = nullptr, *m_dateDoneLabel = nullptr;
    // Second take only: the heading and the "%" after the score.
    QLabel *m_headingLabel = nullptr, *m_percentLabel = nullptr;
    QWidget *m_answerBox = nullptr;
    std::array<AnswerRow *, AnswerRowCount> m_rows{};
    chrome::PictureBox *m_instruction = nullptr;
    QWidget *m_handleStrip = nullptr;
    chrome::PictureBox *m_handle = nullptr;
    QWidget *m_questionTitleBg = nullptr;
    QLabel *m_questionTitle = nullptr;
    QWidget *m_statusBar = nullptr;
    std::array<chrome::PictureBox *, 3> m_bots{}; // Bot1..Bot3; the second take has no Bot2
    chrome::PictureBox *m_remPanel = nullptr;
    QComboBox *m_remQns = nullptr;
    chrome::PictureBox *m_markPanel = nullptr;
    std::array<chrome::PictureBox *, 15> m_bars{};
    chrome::PictureBox *m_sizer = nullptr;
    QTimer *m_progressTimer = nullptr;
    QLabel *m_hintLabel = nullptr; // the hint line, under the answer rows once marked
    std::array<QString, AnswerRowCount> m_hints{}; // each row's hint on the question on view
    QString m_gapsQuestion;                        // the question whose gap texts m_gaps holds
    QList<content::GapText> m_gaps;
};

} // namespace practice
