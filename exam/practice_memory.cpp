#include "exam/practice_memory.h"

#include "data/answer_code.h"
#include "data/learning_record.h"
#include "data/practice_lists.h"
#include "data/transaction.h"
#include "exam/practice_rules.h"

#include <algorithm>
#include <utility>

void PracticeMemory::begin(SqliteDatabase& database, const QString& bankTable, PracticeMode mode,
                           const QString& scope, qint64 seed, const std::vector<int>& ids,
                           const QDateTime& now) {
    PracticeState state = headOf(bankTable, mode, scope, now);
    state.seed = seed;
    for (const QString& digest : digestsOfIds(database, bankTable, ids))
        state.items.push_back({digest, AnswerCode::NotAnswered});
    store(database, std::move(state));
}

void PracticeMemory::beginInBankOrder(SqliteDatabase& database, const QString& bankTable,
                                      PracticeMode mode, const QString& scope,
                                      const QDateTime& now) {
    PracticeState state = headOf(bankTable, mode, scope, now);
    state.bankOrder = true;
    store(database, std::move(state));
}

PracticeState PracticeMemory::headOf(const QString& bankTable, PracticeMode mode,
                                     const QString& scope, const QDateTime& now) {
    PracticeState state;
    state.bank = bankTable;
    state.mode = mode;
    state.scope = scope;
    state.position = 1;
    state.savedAt = now;
    return state;
}

void PracticeMemory::store(SqliteDatabase& database, PracticeState state) {
    Transaction transaction(database);
    writePracticeState(database, state);
    transaction.commit();
    state.items.clear();
    key_ = std::move(state);
    active_ = true;
    position_ = savedPosition_ = 1;
    positionId_ = 0;
}

void PracticeMemory::resume(const PracticeState& state) {
    key_ = state;
    key_.items.clear();
    active_ = true;
    position_ = savedPosition_ = state.position;
    positionId_ = 0;
}

void PracticeMemory::forget() {
    active_ = false;
}

void PracticeMemory::savePosition(SqliteDatabase& database, const QDateTime& now) {
    if (!active_ || position_ == savedPosition_)
        return;
    // A list in bank order finds its place again by the question, wherever a re-import put it.
    const QString digest = key_.bankOrder && positionId_ > 0
                               ? digestOfQuestion(database, key_.bank, positionId_)
                               : QString();
    writePracticePosition(database, key_, position_, digest, now);
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

namespace {

std::optional<ResumablePractice> resumeInBankOrder(SqliteDatabase& database, PracticeState state) {
    ResumablePractice found;
    found.inBankOrder = true;
    found.ids = state.mode == PracticeMode::Chapter
                    ? chapterIds(database, state.bank, state.scope.toInt())
                    : bankOrderIds(database, state.bank);
    if (found.ids.empty())
        return std::nullopt;
    found.marks.assign(found.ids.size(), AnswerCode::NotAnswered);
    found.position = std::clamp(state.position, 1, int(found.ids.size()));
    // Nothing to place when nothing was answered and no place was kept by its question.
    if (!state.items.empty() || !state.positionDigest.isEmpty()) {
        QHash<int, int> placeOfId;
        placeOfId.reserve(qsizetype(found.ids.size()));
        for (std::size_t place = 0; place < found.ids.size(); ++place)
            placeOfId.insert(found.ids[place], int(place));
        const QHash<QString, int> idByDigest = questionIdsByDigest(database, state.bank);
        const auto placeOf = [&](const QString& digest) {
            return placeOfId.value(idByDigest.value(digest, -1), -1);
        };
        for (const PracticeItem& item : state.items) {
            const int place = placeOf(item.digest);
            if (place >= 0)
                found.marks[std::size_t(place)] = item.mark;
        }
        if (!state.positionDigest.isEmpty()) {
            const int place = placeOf(state.positionDigest);
            if (place >= 0)
                found.position = place + 1;
        }
    }
    state.items.clear();
    found.state = std::move(state);
    return found;
}

} // namespace

std::optional<ResumablePractice> findResumablePractice(SqliteDatabase& database,
                                                       const QString& bankTable) {
    std::optional<PracticeState> state = readLatestPracticeState(database, bankTable);
    if (!state)
        return std::nullopt;
    if (state->bankOrder)
        return resumeInBankOrder(database, std::move(*state));
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
