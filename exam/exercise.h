#pragma once

#include "data/exercise_rows.h"
#include "exam/exercise_kind.h"
#include "exam/paper_result.h"
#include "exam/question_source.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class AdoConnection;
class ExerciseRecorder;

// The exercise a learner runs on the question panel: its mode, bank, question list, place in
// it, the answers (in the bank's MARK column, read back as the panel needs them), the counters
// and the countdown. It knows no window: the main window asks it and shows what it says.
//
// Starting one: reset() with the mode, clearAnswers(), load() with a question source, begin();
// any of them may throw, and the exercise is then not running. A new practice mode needs only a new
// source.
class Exercise {
public:
    // Without a connection every operation that reads or writes throws DbError.
    explicit Exercise(AdoConnection* connection = nullptr) : connection_(connection) {}
    void setConnection(AdoConnection* connection) { connection_ = connection; }

    // Called inside the transaction of each answer and of each hand-in's record.
    void setRecorder(ExerciseRecorder* recorder) { recorder_ = recorder; }
    // The bank in use, "B2" or "C"; the next exercise runs on it.
    void setBank(const QString& bank);
    const QString& bank() const { return bank_; }

    // Sets the mode and reads the settings; a missing settings row keeps those read last.
    void reset(ExamMode mode, PaperMode paperMode);
    // Every answer of the bank back to "not answered".
    void clearAnswers();
    // False when the source gives no list at all; the list may still be empty.
    bool load(const QuestionSource& source);
    // The list is in place: the clock and the count of hand-ins start, the first question is
    // current. Throws DbError on an empty list, as showing its first question would.
    void begin();
    // Nothing runs any more on the panel; ticks are ignored.
    void end() { running_ = false; }
    // The paper was handed in and the learner looks at it as practice.
    void reviewAfterHandIn() { mode_ = ExamMode::SequentialPractice; }
    // The answer line of a paper that shows no verdicts, whatever the setting.
    void hideVerdicts() { settings_.ifShow = 0; }

    // Throws DbError when there is none.
    AdoConnection& connection() const;
    ExamMode mode() const { return mode_; }
    PaperMode paperMode() const { return paperMode_; }
    const ExerciseSettings& settings() const { return settings_; }
    bool running() const { return running_; }
    int count() const { return int(questions_.size()); }
    // 1-based place of the current question; 0 before the first is shown.
    int number() const { return number_; }
    const ExerciseQuestion& question() const;
    int questionId() const { return currentId_; }
    AnswerCode rightAnswer() const { return rightAnswer_; }
    AnswerCode storedAnswer() const { return storedAnswer_; }
    QList<int> questionIds() const;

    // Moving; at either end the place stays where it is. goTo() is false for a number
    // outside the list.
    void next();
    void previous();
    bool goTo(int number);

    // Makes the current question the one shown: reads its right answer and stored answer.
    // A new showing begins whenever the place changed since the last one.
    void show();
    // Reads the current question's stored answer again, after a write that failed.
    AnswerCode rereadStoredAnswer();

    // Stores the answer with what the recorder keeps beside it, in one transaction; returns
    // whether it is right. Throws DbError when the question is gone or the write fails, and
    // then nothing is stored.
    bool answer(AnswerCode answerCode);
    // "当前选择答案为：答案二 正确" for an answer to the current question.
    QString answerLine(AnswerCode answerCode) const;

    struct Counters {
        QString right;
        int answered = 0;
    };
    // The practice counters; nothing on a drawn paper.
    std::optional<Counters> counters() const;

    enum class Tick { Ignored, Stopped, Running, TimeUp };
    // One second of the paper's countdown.
    Tick tick();
    const QString& countdown() const { return countdown_; }
    // Whether this exercise's paper was handed in (its countdown must then stop).
    bool handedIn() const { return handIns_ != handInsAtStart_; }

    // Scores the paper; the record is written by recordHandIn().
    PaperResult handIn();
    void recordHandIn(const PaperResult& result);

private:
    AdoConnection* connection_;
    ExerciseRecorder* recorder_ = nullptr;
    QString bank_ = QStringLiteral("B2");
    ExamMode mode_ = ExamMode::SequentialPractice;
    PaperMode paperMode_ = PaperMode::WholeBank;
    ExerciseSettings settings_;
    std::vector<ListedQuestion> questions_;
    QString listBank_; // the bank the list was read from
    // The texts of the question at textsPlace_, for a list read without them.
    mutable ExerciseQuestion texts_;
    mutable int textsPlace_ = -1;
    bool running_ = false;
    int place_ = 0; // index into questions_
    int number_ = 0;
    int currentId_ = 0;
    AnswerCode rightAnswer_ = AnswerCode::D;
    AnswerCode storedAnswer_ = AnswerCode::D;
    int shownPlace_ = -1;
    bool rightOnShowing_ = false;
    QString countdown_;
    QDateTime startedAt_;
    int handIns_ = 0;
    int handInsAtStart_ = 0;
};
