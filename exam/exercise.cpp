#include "exam/exercise.h"

#include "data/ado_connection.h"
#include "data/answer_code.h"
#include "data/bank_table.h"
#include "data/db_error.h"
#include "data/transaction.h"
#include "exam/answer_line.h"
#include "exam/countdown_clock.h"
#include "exam/exercise_recorder.h"

AdoConnection& Exercise::connection() const {
    if (!connection_)
        throw DbError(QStringLiteral("Missing Connection or ConnectionString"));
    return *connection_;
}

void Exercise::setBank(const QString& bank) {
    bank_ = bankTable(bank);
}

void Exercise::reset(ExamMode mode, PaperMode paperMode) {
    mode_ = mode;
    paperMode_ = paperMode;
    running_ = false;
    if (const std::optional<ExerciseSettings> settings =
            readExerciseSettings(connection().database()))
        settings_ = *settings;
    countdown_ = countdownStartText(settings_.timer2);
}

void Exercise::clearAnswers() {
    clearBankMarks(connection().database(), bank_);
}

bool Exercise::load(const QuestionSource& source) {
    QuestionList list = source(connection(), bank_);
    if (!list)
        return false;
    questions_ = std::move(*list);
    listBank_ = bank_;
    textsPlace_ = -1;
    return true;
}

void Exercise::begin() {
    running_ = true;
    place_ = 0;
    number_ = 1;
    shownPlace_ = -1;
    rightOnShowing_ = false;
    countdown_ = countdownStartText(settings_.timer2);
    startedAt_ = QDateTime::currentDateTime();
    handInsAtStart_ = handIns_;
}

const ExerciseQuestion& Exercise::question() const {
    if (questions_.empty())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                     "deleted. Requested operation requires a current record"));
    const ListedQuestion& listed = questions_.at(std::size_t(place_));
    if (listed.texts)
        return *listed.texts;
    if (textsPlace_ != place_) {
        texts_ = readQuestionTexts(connection().database(), listBank_, listed.id);
        textsPlace_ = place_;
    }
    return texts_;
}

QList<int> Exercise::questionIds() const {
    QList<int> ids;
    ids.reserve(qsizetype(questions_.size()));
    for (const ListedQuestion& question : questions_)
        ids.append(question.id);
    return ids;
}

void Exercise::next() {
    if (place_ + 1 < count())
        ++place_;
    number_ = place_ + 1;
}

void Exercise::previous() {
    if (place_ > 0)
        --place_;
    number_ = place_ + 1;
}

bool Exercise::goTo(int number) {
    if (number < 1 || number > count())
        return false;
    place_ = number - 1;
    number_ = number;
    return true;
}

void Exercise::show() {
    currentId_ = question().id;
    if (shownPlace_ != place_) {
        shownPlace_ = place_;
        rightOnShowing_ = false;
    }
    const AnswerAndMark row = readAnswerAndMark(connection().database(), bank_, currentId_);
    rightAnswer_ = row.answer;
    storedAnswer_ = row.mark;
}

AnswerCode Exercise::rereadStoredAnswer() {
    storedAnswer_ =
        readMark(connection().database(), bank_, currentId_).value_or(AnswerCode::NotAnswered);
    return storedAnswer_;
}

bool Exercise::answer(AnswerCode answerCode) {
    SqliteDatabase& database = connection().database();
    const bool right = answerCode == rightAnswer_;
    Transaction transaction(database);
    // No row changed means the question is gone from the bank, and the answer with it.
    if (writeMark(database, bank_, currentId_, answerCode) == 0)
        throw DbError(QStringLiteral("答案未能保存：题库中已没有这道题（ID %1）").arg(currentId_));
    if (recorder_) {
        const StoredAnswer stored{bank_,
                                  mode_,
                                  currentId_,
                                  answerCode,
                                  right,
                                  !(right && rightOnShowing_),
                                  QDateTime::currentDateTime()};
        recorder_->answerStored(database, stored);
    }
    transaction.commit();
    storedAnswer_ = answerCode;
    rightOnShowing_ = rightOnShowing_ || right;
    return right;
}

QString Exercise::answerLine(AnswerCode answerCode) const {
    return ::answerLine({rightAnswer_, answerCode}, mode_, settings_.ifShow);
}

std::optional<Exercise::Counters> Exercise::counters() const {
    if (paperMode_ == PaperMode::DrawnPaper)
        return std::nullopt;
    const SqliteDatabase& database = connection().database();
    Counters counters;
    counters.right = countRightAnswers(database, bank_);
    counters.answered = countAnswered(database, bank_);
    return counters;
}

Exercise::Tick Exercise::tick() {
    if (!running_ || mode_ == ExamMode::SequentialPractice)
        return Tick::Ignored;
    // A tick still queued after this paper was scored must not hand it in again. The text is
    // no guide: a paper set to less than a minute starts at zero and is handed in at its first
    // tick.
    if (handedIn())
        return Tick::Stopped;
    countdown_ = countdownAfterTick(countdown_);
    return countdown_ == kCountdownZero ? Tick::TimeUp : Tick::Running;
}

PaperResult Exercise::handIn() {
    const int rightAnswers = countPaperRightAnswers(connection().database(), bank_);
    ++handIns_;
    PaperResult result;
    result.bank = bank_;
    result.examMode = mode_;
    result.paperMode = paperMode_;
    result.startedAt = startedAt_;
    result.handedInAt = QDateTime::currentDateTime();
    result.minutesSet = settings_.timer2;
    result.secondsUsed = countdownSecondsUsed(settings_.timer2, countdown_);
    result.questionCount = count();
    result.rightAnswers = rightAnswers;
    result.score = paperScore(rightAnswers);
    result.passed = paperPassed(result.score);
    return result;
}

void Exercise::recordHandIn(const PaperResult& result) {
    if (recorder_)
        recorder_->paperHandedIn(connection().database(), result);
}
