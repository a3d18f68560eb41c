#pragma once

#include "app/xundral_application.h"
#include "data/practice_lists.h"
#include "data/practice_record.h"
#include "exam/exercise.h"
#include "exam/paper_draw.h"
#include "exam/paper_result.h"
#include "exam/question_source.h"

#include <QWidget>

#include <functional>

class AdoConnection;
class ExerciseRecorder;
class PracticeMemory;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;
struct PaperExercise;

// The program's working window: the command column, the start panel, the help text and the
// question panel on which every exercise runs. It reaches no other window: what happens here
// is announced by the signals below, and the program's one meeting place connects them.
class TmainFrm : public QWidget, public KeyPreviewWindow {
    Q_OBJECT
public:
    explicit TmainFrm(QWidget* parent = nullptr);
    ~TmainFrm() override;

    // The connection the window opens when it is shown, and the exercise works on.
    void attachConnection(AdoConnection& connection);
    // What is written together with each answer and hand-in.
    void setRecorder(ExerciseRecorder& recorder) { exercise_.setRecorder(&recorder); }

    void previewKeyPress(const QKeyEvent& event) override;

    // Where practices are kept for 继续练习; without one nothing is kept.
    void setPracticeMemory(PracticeMemory& memory) { memory_ = &memory; }

    // Read-only view of the exercise, for the pieces beside the window and for tests.
    const Exercise& exercise() const { return exercise_; }
    ExamMode examMode() const { return exercise_.mode(); }
    int curNum() const { return exercise_.number(); }
    int totalNum() const { return exercise_.count(); }
    int curId() const { return exercise_.questionId(); }
    // The bank in use, "B2" or "C".
    const QString& bank() const { return exercise_.bank(); }

    // Shows the exercise's question at 1-based place `number` as the navigation keys would.
    void goToQuestion(int number);

    // Handlers, named after their control and event.
    void FormCreate();
    void FormShow();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void Timer1Timer();
    void Timer2Timer();
    void Button1Click();
    void B2Click();
    void CClick();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn8Click();
    void A_btnClick();
    void B_btnClick();
    void C_btnClick();
    void D_btnClick();
    void periorBtnClick();
    void nextbtnClick();
    void endbtnClick();
    // Practice on one chapter (1 to 4) of the current bank, or on its wrong-question book.
    void ChapterPracticeClick(int chapter);
    void WrongBookPracticeClick();
    // The practices beside them: the last practice of the bank where it stopped, the bank in
    // a random order, one topic or kind, the most missed questions, the marked ones.
    void ResumePracticeClick();
    void RandomPracticeClick();
    void TopicPracticeClick(const QString& topic);
    void KindPracticeClick(QuestionKind kind);
    void MostMissedPracticeClick();
    void FavouritesPracticeClick();
    // Where no study pane shows the mark (an 800 × 600 screen): a short notice on the panel.
    void showFavouriteNotice(bool marked);
    // 今日复习: the questions whose predicted recall fell below the target, most urgent first,
    // then new ones, within the day's count.
    void ReviewPracticeClick();
    // Key 7: marks the question shown as a favourite, or takes the mark away.
    void FavouriteKeyPress();
    // The practice running as the learner knows it ("随机练习"); empty for a paper.
    const QString& practiceTitle() const { return practiceTitle_; }

    // One row of the examination-type menu: the texts it puts on the window.
    struct ExamType;

    // Ends whatever runs on the question panel and brings the start panel back; the wrong-answer
    // list asks for this when it closes.
    void ReturnToStartPanel();

signals:
    // An exercise has begun, before its first question is shown; examMode as examMode().
    void exerciseStarted(ExamMode examMode);
    // A question is on the panel: its place in the exercise (1-based) and its bank ID.
    void questionShown(int curNum, int curId);
    // An answer was stored as MARK and committed; `right` when it matches the question's ANSWER.
    void answerSaved(int curId, AnswerCode answerCode, bool right);
    // A drawn paper was scored, just before its score message asks about the wrong-answer list.
    void paperHandedIn(const PaperResult& result);
    // The learner chose to look at the scored paper's wrong answers.
    void paperReviewRequested();
    // The settings command was chosen; the settings dialog is someone else's.
    void settingsRequested();
    // The question panel gave way to the start panel.
    void exerciseEnded();
    // The learner asked for the right answer of the question shown (sequential practice only).
    void answerRequested(int curNum, int curId);
    // Key 7 marked (or unmarked) the question with this bank ID, and the mark is on disk.
    void favouriteChanged(int curId, bool marked);
    // The examination-type menu switched to the other bank, "B2" or "C".
    void examTypeChanged(const QString& bank);
    // Key 9: read the question shown aloud, or stop reading it.
    void readAloudRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createFrame();
    void createStartPanel();
    void createHelpText();
    void createQuestionPanel();
    void createAccelerators();
    void arrangeStackingAndTabOrder();
    void connectHandlers();
    void switchExamType(const ExamType& type, QAction* chosen, QAction* other, const QString& bank);

    void ResetExercise(ExamMode mode, PaperMode paperMode);
    void ShowQuestion();
    void ShowChoice(AnswerCode answerCode);
    void SaveAnswer(AnswerCode answerCode);
    void ShowCounters();
    void ShowAnswerButtons();
    void answerWith(AnswerCode answerCode);
    // After an answer could not be stored: the indicators and the answer line as stored.
    void showStoredChoice();
    // On the paths the original lacks (the answer sheet, the added practices): the indicators
    // show the question's stored answer, or none.
    void showStoredIndicator();
    QRadioButton* indicatorFor(AnswerCode answerCode) const;
    void clearIndicators();
    void showQuestionPicture(const QString& tp);
    // False when no category asks for questions, after saying so; a database error is thrown
    // on to the error report. Either way the caller starts no exercise.
    bool DrawPaper();
    bool HandInPaper();
    void startPaper(const PaperExercise& paper);
    // Runs `start`; unless it says the exercise is settled (started, or refused with its own
    // message), or when it throws, the start panel comes back: a start that fails half-way
    // leaves nothing on the question panel that a key could answer or a tick hand in.
    void startOrReturn(const std::function<bool()>& start);
    void beginExercise();
    void showFirstQuestion();
    // What a practice is, for its title and for 继续练习 (whose list is kept by digest).
    struct PracticeStart {
        PracticeStart(PracticeMode mode, QString scope = QString(), qint64 seed = 0)
            : mode(mode), scope(std::move(scope)), seed(seed) {}
        PracticeMode mode;
        QString scope;
        qint64 seed;
    };
    bool startPracticeList(const QuestionSource& source, const PracticeStart& start);
    // Keeps the list just loaded as the practice to go on with.
    void rememberPractice(const PracticeStart& start);
    // An added practice on `ids`, asked for with `question` once it is known to hold any.
    void startListedPractice(const std::vector<int>& ids, const PracticeStart& start,
                             const QString& question);
    bool exerciseShown() const;

    Exercise exercise_;
    // What the draw's rotation pool holds, kept between the papers of this run.
    DrawPoolModel drawPool_;
    PracticeMemory* memory_ = nullptr;
    QString practiceTitle_;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QMenu* popmenu = nullptr;
    QAction* B2 = nullptr;
    QAction* C = nullptr;

    // Frame.
    QWidget* Panel1 = nullptr;
    QLabel* datelabel = nullptr;
    QLabel* EXAMTYPE = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QLabel* Label6 = nullptr;
    QTextEdit* sysHint = nullptr;

    // Start panel and help text.
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* softtitle = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    // Question panel.
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* gb_Subject = nullptr;
    QLabel* Label1 = nullptr;
    QTextEdit* re_SubJect = nullptr;
    QLabel* Image_sign = nullptr;
    QLabel* Label7 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QTextEdit* re_sel1 = nullptr;
    QLabel* Label9 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QTextEdit* re_sel2 = nullptr;
    QLabel* Label8 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QTextEdit* re_sel3 = nullptr;
    QLabel* Label11 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QTextEdit* re_sel4 = nullptr;
    QTextEdit* answerEdt = nullptr;
    QTextEdit* waitEdt = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* examtime = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* A_btn = nullptr;
    QPushButton* B_btn = nullptr;
    QPushButton* C_btn = nullptr;
    QPushButton* D_btn = nullptr;
    QPushButton* periorBtn = nullptr;
    QPushButton* nextbtn = nullptr;
    QPushButton* endbtn = nullptr;
};
