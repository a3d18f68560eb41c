#pragma once

#include "exam/exercise_recorder.h"

class PracticeMemory;

// What the lasting record keeps of the exercises on the question panel: an answer stored as
// MARK during practice or mock practice enters or leaves the wrong-question book and updates
// the question's memory model at once (a mock exam is judged only when it is handed in); a
// handed-in paper gets its row, its chapters and, for a mock exam, its answers in the book and
// the memory model, in one transaction, so that a killed process leaves the whole paper or
// none of it.
class LearningRecorder : public ExerciseRecorder {
public:
    // Where the practice running keeps its answers for 继续练习; none by default.
    void setPracticeMemory(PracticeMemory* memory) { memory_ = memory; }

    void answerStored(SqliteDatabase& database, const StoredAnswer& answer) override;
    void paperHandedIn(SqliteDatabase& database, const PaperResult& result) override;

private:
    PracticeMemory* memory_ = nullptr;
};
