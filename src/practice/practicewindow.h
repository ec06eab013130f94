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

    const Paper &paper() const { return paper_; }
    int QSCount() const { return qsCount_; }
    bool answerSheetShown() const { return answerSheetShown_; }
    bool isMarking() const { return marking_; }
    QDateTime startTime() const { return startTime_; }
    QuestionViewer *viewer() const { return viewer_.get(); }

    // Tests: how long one of the fifteen progress steps lasts (200 ms normally).
    void setProgressStepInterval(int ms) { progressStepMs_ = ms; }
    // Tests: move the clock's base, as if the window had loaded earlier.
    void setStartTime(const QDateTime &t) { startTime_ = t; }

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

    PaperPlace place_; // where the paper belongs, as the home window handed it over
    std::function<void()> onUnload_;
    Take take_;
    Paper paper_;
    int qsCount_ = 1;
    QString questionFilePath_;
    int currentQuestionId_ = 0;
    QDateTime startTime_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool answerSheetShown_ = true;
    bool marking_ = false;
    int progress_ = 0;
    int progressStepMs_ = 200;
    bool resizing_ = false;
    bool scrolling_ = false; // a Page Up or Page Down on its way to the document

    std::unique_ptr<QuestionViewer> viewer_;
    DocumentGuard *guard_; // the document against copying
    std::unique_ptr<QPrinter> printer_;

    QWidget *toolStrip_ = nullptr;
    std::array<chrome::ImageButton *, 6> tools_{};
    chrome::PictureBox *paperSum_ = nullptr;
    QLabel *answeredLabel_ = nullptr, *totalLabel_ = nullptr, *slashLabel_ = nullptr;
    QLabel *scoreLabel_ = nullptr;
    // First take only: the clock, today's date, and after marking the time taken and the date.
    QLabel *clockLabel_ = nullptr, *dateLabel_ = nullptr;
    QLabel *timeTakenLabel_ = nullptr, *dateDoneLabel_ = nullptr;
    // Second take only: the heading and the "%" after the score.
    QLabel *headingLabel_ = nullptr, *percentLabel_ = nullptr;
    QWidget *answerBox_ = nullptr;
    std::array<AnswerRow *, AnswerRowCount> rows_{};
    chrome::PictureBox *instruction_ = nullptr;
    QWidget *handleStrip_ = nullptr;
    chrome::PictureBox *handle_ = nullptr;
    QWidget *questionTitleBg_ = nullptr;
    QLabel *questionTitle_ = nullptr;
    QWidget *statusBar_ = nullptr;
    std::array<chrome::PictureBox *, 3> bots_{}; // Bot1..Bot3; the second take has no Bot2
    chrome::PictureBox *remPanel_ = nullptr;
    QComboBox *remQns_ = nullptr;
    chrome::PictureBox *markPanel_ = nullptr;
    std::array<chrome::PictureBox *, 15> bars_{};
    chrome::PictureBox *sizer_ = nullptr;
    QTimer *progressTimer_ = nullptr;
    QLabel *hintLabel_ = nullptr; // the hint line, under the answer rows once marked
    std::array<QString, AnswerRowCount> hints_{}; // each row's hint on the question on view
    QString gapsQuestion_;                        // the question whose gap texts gaps_ holds
    QList<content::GapText> gaps_;
};

} // namespace practice
