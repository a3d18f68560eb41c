#pragma once

#include "data/answer_code.h"
#include "exam/exercise_kind.h"

#include <QDateTime>
#include <QString>

class SqliteDatabase;
struct PaperResult;

// One answer as it was just written to MARK, for what is kept beside it.
struct StoredAnswer {
    QString bank;
    ExamMode examMode = ExamMode::SequentialPractice;
    int id = 0;
    AnswerCode answerCode = AnswerCode::NotAnswered;
    bool right = false;
    // False for a right answer repeated while the same question stays on the panel (the key
    // pressed again with automatic advance off): it says nothing new about the learner.
    bool newOnShowing = true;
    QDateTime at;
};

// What must be written together with an exercise's own writes: the owner of the exercise
// injects it, and the exercise calls it inside the transaction of the write, so that both
// reach the disk or neither does. A throw undoes the write it belongs to.
class ExerciseRecorder {
public:
    virtual ~ExerciseRecorder() = default;
    virtual void answerStored(SqliteDatabase& database, const StoredAnswer& answer) = 0;
    virtual void paperHandedIn(SqliteDatabase& database, const PaperResult& result) = 0;
};
