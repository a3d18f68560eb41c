#pragma once

#include "app/study_widgets.h"
#include "exam/answer_visibility.h"
#include "exam/exercise_title.h"
#include "exam/study_texts.h"

#include <QHash>
#include <QSet>
#include <QVector>
#include <QWidget>

class AdoConnection;
class AnswerSheet;
class Exercise;
class AnswerWindow;
class QLabel;

// Beside the question: the right answer and its explanation once the learner may see them,
// and the answer sheet of the exercise; on the start screen, a line on the bank in use. It
// only listens and reads; moving to another question is asked of the window through
// questionChosen().
class StudyPane : public QWidget {
    Q_OBJECT
public:
    explicit StudyPane(AdoConnection& connection, QWidget* parent = nullptr);

    // The exercise as it begins: its mode, bank, settings and questions in order; `title`
    // names a practice ("随机练习"), empty leaves the name to the exercise's mode.
    void startExercise(const Exercise& exercise, const QString& title = QString());
    // Key 7 marked or unmarked a question of the exercise.
    void markFavourite(int curId, bool marked);
    void showQuestion(int curNum, int curId);
    void recordAnswer(int curId, AnswerCode answerCode);
    void handIn();
    // Key 5: here when the pane is on screen, else in a small window of its own.
    void requestAnswer(int curId);
    void endExercise();
    // The start screen's line for the bank in use, "B2" or "C".
    void showBank(const QString& bank);
    // A line under the start screen's, such as the news of a bank brought in at start-up.
    void setStartNotice(const QString& line);

    AnswerSheet* sheet() const { return sheet_; }
    AnswerWindow* answerWindow() const { return answerWindow_; }

signals:
    void questionChosen(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    AnswerVisibility visibility(int index, bool askedFor = false) const;
    SheetCell cellState(int index) const;
    void reveal(int index);
    void conceal();
    void showAnswerIn(const StudyWidgets& widgets, int index);
    QString placeholder() const;
    void describeBank();
    void showPassChance();

    AdoConnection& connection_;
    QLabel* heading_;
    QLabel* passChance_;
    QLabel* favouriteLine_;
    QWidget* study_;
    StudyWidgets studyWidgets_;
    QWidget* sheetBox_;
    AnswerSheet* sheet_;
    AnswerWindow* answerWindow_ = nullptr;

    bool running_ = false;
    bool passChanceDue_ = false;
    QString startBank_ = QStringLiteral("B2");
    QString bank_;
    ExamMode examMode_ = ExamMode::SequentialPractice;
    int ifShow_ = 0;
    int ifJump_ = 0;
    bool handedIn_ = false;
    QVector<int> ids_;
    QVector<AnswerAndMark> rows_;
    // False while the right answers of unanswered questions are not read yet (a long list).
    bool answersComplete_ = true;
    ChapterSizeCache chapterSizes_;
    QHash<int, int> indexOfId_;
    QSet<int> favourites_; // ids
    int current_ = -1;
    // The question answered last, until the learner moves on by hand; the answer stays in view
    // across the automatic advance to the next question.
    int justAnswered_ = -1;
    bool advancing_ = false;
    // The question whose answer the pane shows; -1 while it shows a hint.
    int showing_ = -1;
    QString startNotice_;
};
