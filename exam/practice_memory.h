#pragma once

#include "data/practice_record.h"

#include <QDateTime>
#include <QString>

#include <vector>

class SqliteDatabase;

// The place shown in a practice's list and the id of its question (0: not known).
struct ShownPlace {
    int position = 1;
    int id = 0;
};

// What a running practice leaves on disk so that 继续练习 can bring it back after a restart:
// its questions in order, each answer as it is given and the place the learner is at. A paper
// leaves nothing; a new practice replaces the stored one of its own mode and scope only.
class PracticeMemory {
public:
    // Writes the new practice's list in one transaction of its own.
    void begin(SqliteDatabase& database, const QString& bankTable, PracticeMode mode,
               const QString& scope, qint64 seed, const std::vector<int>& ids,
               const QDateTime& now);
    // A practice through the bank, or a chapter (the scope), in the bank's order: nothing of
    // the list is written, only the practice's head; its answers are kept as they come.
    void beginInBankOrder(SqliteDatabase& database, const QString& bankTable, PracticeMode mode,
                          const QString& scope, const QDateTime& now);
    // A resumed practice goes on writing into the state it was read from.
    void resume(const PracticeState& state);
    void forget();
    bool active() const { return active_; }
    const PracticeState& key() const { return key_; }

    // The place shown and the id of its question (0: not known), kept in memory only: moving
    // through a list costs no write of its own.
    void questionShown(ShownPlace place) {
        position_ = place.position;
        positionId_ = place.id;
    }
    // Writes the place when it changed since it was last written: when the practice ends, the
    // program closes or another exercise starts.
    void savePosition(SqliteDatabase& database, const QDateTime& now);
    // Called inside the transaction that stores the answer; the place goes with it.
    void answered(SqliteDatabase& database, const QString& digest, AnswerCode mark,
                  const QDateTime& now);

private:
    static PracticeState headOf(const QString& bankTable, PracticeMode mode, const QString& scope,
                                const QDateTime& now);
    // Writes the new practice in one transaction and makes it the running one.
    void store(SqliteDatabase& database, PracticeState state);

    PracticeState key_; // its items stay empty: they live on disk
    bool active_ = false;
    int position_ = 1;
    int positionId_ = 0;
    int savedPosition_ = 1;
};

// The practice to go on with: the latest one stored for the bank, brought onto the bank as it
// is now.
struct ResumablePractice {
    PracticeState state;
    std::vector<int> ids;
    std::vector<AnswerCode> marks;
    int position = 1;
    // The list is the bank in its order, or one chapter of it (`ids` as that order reads them).
    bool inBankOrder = false;
};
std::optional<ResumablePractice> findResumablePractice(SqliteDatabase& database,
                                                       const QString& bankTable);

// What the study pane calls the practice: "顺序出题", "章节练习（第2章）", "专项练习（标志）"…
QString practiceTitle(PracticeMode mode, const QString& scope);
