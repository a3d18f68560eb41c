#include "exam/practice_memory.h"

#include "data/ado_query.h"
#include "data/answer_code.h"
#include "data/learning_record.h"
#include "exam/practice_rules.h"

void PracticeMemory::begin(SqliteDatabase& database, const QString& bankTable, PracticeMode mode,
                           const QString& scope, qint64 seed, const std::vector<int>& ids,
                           const QDateTime& now) {
    PracticeState state;
    state.bank = bankTable;
    state.mode = mode;
    state.scope = scope;
    state.position = 1;
    state.seed = seed;
    state.savedAt = now;
    for (const QString& digest : digestsOfIds(database, bankTable, ids))
        state.items.push_back({digest, AnswerCode::NotAnswered});
    Transaction transaction(database);
    writePracticeState(database, state);
    transaction.commit();
    state.items.clear();
    key_ = state;
    active_ = true;
    position_ = savedPosition_ = 1;
}

void PracticeMemory::resume(const PracticeState& state) {
    key_ = state;
    key_.items.clear();
    active_ = true;
    position_ = savedPosition_ = state.position;
}

void PracticeMemory::forget() {
    active_ = false;
}

void PracticeMemory::savePosition(SqliteDatabase& database, const QDateTime& now) {
    if (!active_ || position_ == savedPosition_)
        return;
    writePracticePosition(database, key_, position_, now);
    savedPosition_ = position_;
}

void PracticeMemory::answered(SqliteDatabase& database, const QString& digest, AnswerCode mark,
                              const QDateTime& now) {
    if (!active_)
        return;
    // The place saved is left as it was: should the answer's transaction roll back, the next
    // save still writes it.
    writePracticeAnswer(database, key_, digest, mark, position_, now);
}

std::optional<ResumablePractice> findResumablePractice(SqliteDatabase& database,
                                                       const QString& bankTable) {
    std::optional<PracticeState> state = readLatestPracticeState(database, bankTable);
    if (!state)
        return std::nullopt;
    const ResumePlan plan = planResume(*state, questionIdsByDigest(database, bankTable));
    if (plan.ids.empty())
        return std::nullopt;
    state->items.clear();
    return ResumablePractice{*state, plan.ids, plan.marks, plan.position};
}

QString practiceTitle(PracticeMode mode, const QString& scope) {
    switch (mode) {
    case PracticeMode::Sequential:
        return QStringLiteral("顺序出题");
    case PracticeMode::Chapter:
        return QStringLiteral("章节练习（第%1章）").arg(scope);
    case PracticeMode::Random:
        return QStringLiteral("随机练习");
    case PracticeMode::Topic:
    case PracticeMode::Kind:
        return QStringLiteral("专项练习（%1）").arg(scope);
    case PracticeMode::MostMissed:
        return QStringLiteral("易错题练习");
    case PracticeMode::Favourites:
        return QStringLiteral("收藏练习");
    case PracticeMode::WrongBook:
        return QStringLiteral("错题练习");
    case PracticeMode::Review:
        return QStringLiteral("今日复习");
    }
    return QString();
}
