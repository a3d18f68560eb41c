// Practice on part of the bank: one chapter, or the questions of the wrong-question book. Both
// run as sequential practice does (counters, settings, end key); only the question list differs.
#include "app/main_window.h"
#include "forms/message_box.h"

void TmainFrm::ChapterPracticeClick(int chapter) {
    if (chapter < 1 || chapter > 4)
        return;
    if (!MessageBox::confirm(this, QStringLiteral("您想开始第%1章的章节练习吗？").arg(chapter)))
        return;
    startOrReturn([&] {
        return startPracticeList(chapterQuestions(chapter),
                                 {PracticeMode::Chapter, QString::number(chapter)});
    });
}

void TmainFrm::WrongBookPracticeClick() {
    std::vector<int> ids = wrongBookQuestionIds(exercise_.connection(), exercise_.bank());
    if (ids.empty()) {
        MessageBox::show(this,
                         {QStringLiteral("信息提示"),
                          QStringLiteral("错题本里还没有题目。练习和考试中答错的题会记入错题本，"
                                         "连续答对两次后移出。"),
                          MessageBox::Buttons::Ok, MessageBox::Icon::None});
        return;
    }
    if (!MessageBox::confirm(
            this, QStringLiteral("您想开始错题练习吗？错题本中共有%1道题。").arg(ids.size())))
        return;
    startOrReturn([&] {
        return startPracticeList(listedQuestions(std::move(ids)), {PracticeMode::WrongBook});
    });
}

bool TmainFrm::startPracticeList(const QuestionSource& source, const PracticeStart& start) {
    ResetExercise(ExamMode::SequentialPractice, PaperMode::WholeBank);
    exercise_.load(source);
    if (exercise_.count() == 0) {
        ReturnToStartPanel();
        MessageBox::show(this, {QStringLiteral("信息提示"), QStringLiteral("这部分没有试题。"),
                                MessageBox::Buttons::Ok, MessageBox::Icon::None});
        return true;
    }
    rememberPractice(start);
    beginExercise();
    showFirstQuestion();
    showStoredIndicator();
    return true;
}
