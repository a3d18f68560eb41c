// The question panel during an exercise: reset, showing a question, the answer line, storing
// answers and the counters. What the panel shows is what the exercise read from the database.
#include "app/main_window.h"
#include "data/ado_connection.h"
#include "data/answer_code.h"
#include "exam/answer_line.h"
#include "exam/answer_pause.h"
#include "exam/countdown_clock.h"
#include "exam/practice_memory.h"
#include "exam/question_picture.h"
#include "exam/question_text.h"
#include "forms/widget_setup.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QThread>

void TmainFrm::ResetExercise(ExamMode mode, PaperMode paperMode) {
    gb_Subject->setText(questionTitle(0, 0));
    exercise_.reset(mode, paperMode);
    // The practice that ran keeps its place; only a practice that says what it is gets kept,
    // a paper is never resumed.
    if (memory_) {
        memory_->savePosition(exercise_.connection().database(), QDateTime::currentDateTime());
        memory_->forget();
    }
    practiceTitle_.clear();
    if (mode == ExamMode::SequentialPractice) {
        setAutoCaption(Label1, QStringLiteral("答对题数：0"));
        Label1->show();
        setAutoCaption(Label2, QStringLiteral("已答题数："));
        Label2->show();
        setAutoCaption(examtime, QStringLiteral("0"));
        examtime->show();
    } else {
        Label1->hide();
        setAutoCaption(Label2, QStringLiteral("剩余时间："));
        Label2->show();
        setAutoCaption(examtime, exercise_.countdown());
        examtime->show();
    }
    GroupBox2->show();
    Memo1->hide();
    for (QTextEdit* box : {re_SubJect, re_sel1, re_sel2, re_sel3, re_sel4})
        setBoxText(box, QString());
    waitEdt->show();
    setBoxText(answerEdt, QString());
    for (QPushButton* button : {A_btn, B_btn, C_btn, periorBtn, nextbtn, endbtn})
        button->hide();
    paintNow(this);
    exercise_.clearAnswers();
}

void TmainFrm::ShowQuestion() {
    gb_Subject->setText(questionTitle(exercise_.number(), exercise_.count()));
    const ExerciseQuestion& question = exercise_.question();

    setBoxText(re_SubJect, trimBlanks(question.stnr));
    const QString choiceA = trimBlanks(question.da[0]);
    const QString choiceB = trimBlanks(question.da[1]);
    const QString choiceC = trimBlanks(question.da[2]);
    const QString choiceD = trimBlanks(question.da[3]);
    const QString blank = QStringLiteral(". ");
    setBoxText(re_sel1, prefixChoice(choiceA, letterForAnswerCode(AnswerCode::A), blank));
    setBoxText(re_sel2, prefixChoice(choiceB, letterForAnswerCode(AnswerCode::B), blank));
    setBoxText(re_sel3, prefixChoice(choiceC, letterForAnswerCode(AnswerCode::C), blank));
    setBoxText(re_sel4, prefixChoice(choiceD, letterForAnswerCode(AnswerCode::D), blank));

    const bool fourChoices = !choiceC.isEmpty();
    for (QWidget* control :
         std::initializer_list<QWidget*>{C_btn, Label8, RadioButton2, Label11, RadioButton4})
        control->setVisible(fourChoices);

    exercise_.show();
    showQuestionPicture(question.tp);
    setBoxText(answerEdt, kAnswerLinePrefix);
    ShowCounters();
    emit questionShown(exercise_.number(), exercise_.questionId());
}

void TmainFrm::showQuestionPicture(const QString& tp) {
    // Cleared first, so a picture that fails to load leaves no earlier question's picture.
    Image_sign->clear();
    if (tp.isEmpty())
        return;
    Image_sign->setPixmap(loadQuestionPicture(questionPicturePath(QDir::current(), tp)));
}

void TmainFrm::ShowChoice(AnswerCode answerCode) {
    if (answerCode == AnswerCode::NotAnswered)
        return;
    setBoxText(answerEdt, exercise_.answerLine(answerCode));
    paintChangesNow(this);
    // The pause blocks on purpose: the learner reads the line, and keys typed meanwhile wait
    // in the queue and are handled afterwards, in order. A pause of 0 (tests, benchmarks) must
    // not sleep at all: even msleep(0) gives the processor away, for milliseconds on a busy one.
    if (answerPauseMs() > 0)
        QThread::msleep(static_cast<unsigned long>(answerPauseMs()));
}

void TmainFrm::SaveAnswer(AnswerCode answerCode) {
    if (answerCode == AnswerCode::NotAnswered)
        return;
    const bool right = exercise_.answer(answerCode);
    // Announced only once committed, so that whatever listens shows what the file holds.
    emit answerSaved(exercise_.questionId(), answerCode, right);
}

void TmainFrm::ShowCounters() {
    const std::optional<Exercise::Counters> counters = exercise_.counters();
    if (!counters)
        return;
    setAutoCaption(Label1, QStringLiteral("答对题数: ") + counters->right);
    setAutoCaption(examtime, QString::number(counters->answered));
}

void TmainFrm::ShowAnswerButtons() {
    GroupBox2->show();
    GroupBox1->show();
    waitEdt->hide();
    for (QPushButton* button : {A_btn, B_btn, periorBtn, nextbtn, endbtn})
        button->show();
    paintNow(this);
}
