// The practices the original lacks beyond chapter and wrong-book practice, and key 7. Each is a
// way to build the question list; they all run as sequential practice does (counters, settings,
// end key), and each is kept so that 继续练习 can go on with it after a restart.
#include "app/main_window.h"
#include "data/ado_connection.h"
#include "data/learning_record.h"
#include "exam/practice_memory.h"
#include "exam/practice_rules.h"
#include "exam/study_plan.h"
#include "forms/message_box.h"

#include <QGroupBox>
#include <QRandomGenerator>
#include <QToolTip>

namespace {

void tell(QWidget* parent, const QString& text) {
    MessageBox::show(parent, {QStringLiteral("信息提示"), text, MessageBox::Buttons::Ok,
                              MessageBox::Icon::None});
}

} // namespace

void TmainFrm::rememberPractice(const PracticeStart& start) {
    practiceTitle_ = ::practiceTitle(start.mode, start.scope);
    if (!memory_)
        return;
    if (start.mode == PracticeMode::Sequential || start.mode == PracticeMode::Chapter) {
        memory_->beginInBankOrder(exercise_.connection().database(), exercise_.bank(), start.mode,
                                  start.scope, QDateTime::currentDateTime());
        return;
    }
    const QList<int> ids = exercise_.questionIds();
    memory_->begin(exercise_.connection().database(), exercise_.bank(), start.mode, start.scope,
                   start.seed, std::vector<int>(ids.begin(), ids.end()),
                   QDateTime::currentDateTime());
}

void TmainFrm::startListedPractice(const std::vector<int>& ids, const PracticeStart& start,
                                   const QString& question) {
    if (ids.empty()) {
        tell(this, QStringLiteral("这部分没有试题。"));
        return;
    }
    if (!MessageBox::confirm(this, question))
        return;
    startOrReturn([&] { return startPracticeList(listedQuestions(ids), start); });
}

void TmainFrm::RandomPracticeClick() {
    SqliteDatabase& database = exercise_.connection().database();
    // Stored with the practice, so that going on with it keeps the order.
    const qint64 seed = qint64(QRandomGenerator::global()->generate64() >> 1);
    const std::vector<int> ids =
        shuffledOrder(bankOrderIds(database, exercise_.bank()), quint64(seed));
    startListedPractice(
        ids, {PracticeMode::Random, QString(), seed},
        QStringLiteral("您想开始随机练习吗？题库中的%1道题按随机顺序各出一次。").arg(ids.size()));
}

void TmainFrm::TopicPracticeClick(const QString& topic) {
    const std::vector<int> ids =
        topicIds(exercise_.connection().database(), exercise_.bank(), topic);
    startListedPractice(
        ids, {PracticeMode::Topic, topic},
        QStringLiteral("您想开始“%1”专项练习吗？共%2道题。").arg(topic).arg(ids.size()));
}

void TmainFrm::KindPracticeClick(QuestionKind kind) {
    const std::vector<int> ids = kindIds(exercise_.connection().database(), exercise_.bank(), kind);
    startListedPractice(
        ids, {PracticeMode::Kind, kindName(kind)},
        QStringLiteral("您想开始“%1”专项练习吗？共%2道题。").arg(kindName(kind)).arg(ids.size()));
}

void TmainFrm::MostMissedPracticeClick() {
    SqliteDatabase& database = exercise_.connection().database();
    const std::vector<int> ids = idsOfDigests(
        database, exercise_.bank(), rankMostMissed(readAnswerHistory(database, exercise_.bank())));
    if (ids.empty()) {
        tell(this, QStringLiteral("还没有答错过的题目记录。"));
        return;
    }
    startListedPractice(ids, {PracticeMode::MostMissed},
                        QStringLiteral("您想开始易错题练习吗？共%1道答错过的题，答错次数多的在前。")
                            .arg(ids.size()));
}

void TmainFrm::FavouritesPracticeClick() {
    SqliteDatabase& database = exercise_.connection().database();
    const std::vector<int> ids =
        idsOfDigests(database, exercise_.bank(), favouriteDigests(database, exercise_.bank()));
    if (ids.empty()) {
        tell(this, QStringLiteral("还没有收藏的题目。练习中按数字键“7”收藏正在做的题。"));
        return;
    }
    startListedPractice(ids, {PracticeMode::Favourites},
                        QStringLiteral("您想开始收藏练习吗？共收藏了%1道题。").arg(ids.size()));
}

void TmainFrm::ReviewPracticeClick() {
    const std::vector<int> ids = todaysReview(exercise_.connection().database(), exercise_.bank(),
                                              QDateTime::currentDateTime());
    if (ids.empty()) {
        tell(this, QStringLiteral("今天没有需要复习的题目。"));
        return;
    }
    startListedPractice(
        ids, {PracticeMode::Review},
        QStringLiteral("您想开始今日复习吗？共%1道题：记忆减弱的题在前，然后是新题。")
            .arg(ids.size()));
}

void TmainFrm::ResumePracticeClick() {
    SqliteDatabase& database = exercise_.connection().database();
    const std::optional<ResumablePractice> found =
        findResumablePractice(database, exercise_.bank());
    if (!found) {
        tell(this, QStringLiteral("还没有可以继续的练习。"));
        return;
    }
    const QString title = ::practiceTitle(found->state.mode, found->state.scope);
    if (!MessageBox::confirm(this, QStringLiteral("您想继续上次的%1吗？从第%2题接着练，共%3题。")
                                       .arg(title)
                                       .arg(found->position)
                                       .arg(found->ids.size())))
        return;
    startOrReturn([&] {
        ResetExercise(ExamMode::SequentialPractice, PaperMode::WholeBank);
        // The bank's answers as they stood when the learner stopped, so that the counters and
        // the answer sheet say what they said then.
        restoreMarks(database, exercise_.bank(), found->ids, found->marks);
        exercise_.load(!found->inBankOrder ? listedQuestions(found->ids)
                       : found->state.mode == PracticeMode::Chapter
                           ? chapterQuestions(found->state.scope.toInt())
                           : wholeBankQuestions());
        if (exercise_.count() == 0)
            return false;
        if (memory_)
            memory_->resume(found->state);
        practiceTitle_ = title;
        beginExercise();
        exercise_.goTo(found->position);
        showFirstQuestion();
        showStoredIndicator();
        return true;
    });
}

void TmainFrm::FavouriteKeyPress() {
    if (!favouriteKeyActs(exercise_.mode(), exerciseShown() && exercise_.running(),
                          exercise_.handedIn()))
        return;
    SqliteDatabase& database = exercise_.connection().database();
    const int id = exercise_.questionId();
    const QString digest = digestOfQuestion(database, exercise_.bank(), id);
    if (digest.isEmpty())
        return;
    const QuestionKey question{exercise_.bank(), digest};
    const bool marked = !isFavourite(database, question);
    setFavourite(database, question, marked, QDateTime::currentDateTime());
    emit favouriteChanged(id, marked);
}

void TmainFrm::showFavouriteNotice(bool marked) {
    // Over the empty stretch between the choices and the key hints, so that no text of the
    // panel is covered while it shows.
    QToolTip::showText(GroupBox2->mapToGlobal(QPoint(260, 150)),
                       marked ? QStringLiteral("★ 已收藏本题，再按“7”取消")
                              : QStringLiteral("已取消收藏本题"),
                       GroupBox2);
}
