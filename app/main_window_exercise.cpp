// The question panel during an exercise: reset, showing a question, the answer line, storing
// answers and the counters. Everything about answers is read back from the database.
#include "app/main_window.h"
#include "data/answer_code.h"
#include "data/data_module.h"
#include "data/db_error.h"
#include "exam/answer_line.h"
#include "exam/answer_pause.h"
#include "exam/bank_name.h"
#include "exam/countdown_clock.h"
#include "exam/exercise_kind.h"
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

void TmainFrm::ResetExercise() {
    gb_Subject->setText(questionTitle(0, 0));
    LoadParams();
    if (ExamMode == ExamMode::SequentialPractice) {
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
        setAutoCaption(examtime, countdownStartText(ParamTimer2));
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
    DM->query1.close();
    // Only the answered rows are rewritten; IS NOT also takes a NULL mark back to 5.
    DM->query1.setSql(QStringLiteral("update ") + currentBankTable() +
                      QStringLiteral(" set mark=") + QString::number(AnswerCode::NotAnswered) +
                      QStringLiteral(" where mark is not ") +
                      QString::number(AnswerCode::NotAnswered));
    DM->query1.execSql();
}

void TmainFrm::LoadParams() {
    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("select * from sysparam where id=1"));
    query.open();
    if (!query.eof()) {
        ParamTimer1 = query.fieldByName(QStringLiteral("timer1")).asInteger();
        ParamTimer2 = query.fieldByName(QStringLiteral("timer2")).asInteger();
        ParamIfJump = query.fieldByName(QStringLiteral("ifjump")).asInteger();
        ParamIfShow = query.fieldByName(QStringLiteral("ifshow")).asInteger();
    }
    query.close();
}

void TmainFrm::ShowQuestion() {
    gb_Subject->setText(questionTitle(CurNum, TotalNum));
    CurId = QryExam.fieldByName(QStringLiteral("ID")).asInteger();

    setBoxText(re_SubJect, trimBlanks(QryExam.fieldByName(QStringLiteral("STNR")).asString()));
    const QString choiceA = trimBlanks(QryExam.fieldByName(QStringLiteral("DA1")).asString());
    const QString choiceB = trimBlanks(QryExam.fieldByName(QStringLiteral("DA2")).asString());
    const QString choiceC = trimBlanks(QryExam.fieldByName(QStringLiteral("DA3")).asString());
    const QString choiceD = trimBlanks(QryExam.fieldByName(QStringLiteral("DA4")).asString());
    const QString blank = QStringLiteral(". ");
    setBoxText(re_sel1, prefixChoice(choiceA, letterForAnswerCode(AnswerCode::A), blank));
    setBoxText(re_sel2, prefixChoice(choiceB, letterForAnswerCode(AnswerCode::B), blank));
    setBoxText(re_sel3, prefixChoice(choiceC, letterForAnswerCode(AnswerCode::C), blank));
    setBoxText(re_sel4, prefixChoice(choiceD, letterForAnswerCode(AnswerCode::D), blank));

    const bool fourChoices = !choiceC.isEmpty();
    for (QWidget* control :
         std::initializer_list<QWidget*>{C_btn, Label8, RadioButton2, Label11, RadioButton4})
        control->setVisible(fourChoices);

    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("select ANSWER,MARK,TP from ") + currentBankTable() +
                 QStringLiteral(" where id=?"));
    query.bind(1, CurId);
    query.open();
    RightAnswer = query.fieldByName(QStringLiteral("ANSWER")).asInteger();
    CurMark = query.fieldByName(QStringLiteral("MARK")).asInteger();

    showQuestionPicture(QryExam.fieldByName(QStringLiteral("TP")).asString());
    setBoxText(answerEdt, kAnswerLinePrefix);
    ShowCounters();
    emit questionShown(CurNum, CurId);
}

void TmainFrm::showQuestionPicture(const QString& tp) {
    // Cleared first, so a picture that fails to load leaves no earlier question's picture.
    Image_sign->clear();
    if (tp.isEmpty())
        return;
    Image_sign->setPixmap(loadQuestionPicture(questionPicturePath(QDir::currentPath(), tp)));
}

void TmainFrm::ShowChoice(int answerCode) {
    if (answerCode == AnswerCode::NotAnswered)
        return;
    setBoxText(answerEdt, answerLine(answerCode, RightAnswer, ExamMode, ParamIfShow));
    paintNow(GroupBox2);
    // The pause blocks on purpose: the learner reads the line, and keys typed meanwhile wait
    // in the queue and are handled afterwards, in order.
    QThread::msleep(static_cast<unsigned long>(answerPauseMs()));
}

void TmainFrm::SaveAnswer(int answerCode) {
    if (answerCode == AnswerCode::NotAnswered)
        return;
    AdoQuery& query = DM->query1;
    query.close();
    // Bound, so every answer reuses one prepared statement; the code goes in as text, as the
    // quoted literal always did.
    query.setSql(QStringLiteral("UPDATE ") + currentBankTable() +
                 QStringLiteral(" SET MARK = ? WHERE id = ?"));
    query.bind(1, QString::number(answerCode));
    query.bind(2, CurId);
    // What listens to the answer (the lasting record) writes in the same transaction, so the
    // answer and what it does to the record reach the disk together or not at all.
    Transaction transaction(DM->ADOConnection1);
    // No row changed means the question is gone from the bank, and the answer with it.
    if (query.execSql() == 0)
        throw DbError(QStringLiteral("答案未能保存：题库中已没有这道题（ID %1）").arg(CurId));
    emit answerSaved(CurId, answerCode, answerCode == RightAnswer);
    transaction.commit();
}

void TmainFrm::ShowCounters() {
    if (PaperMode == PaperMode::DrawnPaper)
        return;
    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("select count(id) as rightnum from ") + currentBankTable() +
                 QStringLiteral(" where answer=mark"));
    query.open();
    setAutoCaption(Label1, QStringLiteral("答对题数: ") +
                               query.fieldByName(QStringLiteral("rightnum")).asString());
    query.close();
    query.setSql(QStringLiteral("select count(id) as answered from ") + currentBankTable() +
                 QStringLiteral(" where mark<>") + QString::number(AnswerCode::NotAnswered));
    query.open();
    setAutoCaption(examtime,
                   QString::number(query.fieldByName(QStringLiteral("answered")).asInteger()));
    query.close();
}

void TmainFrm::ShowAnswerButtons() {
    GroupBox2->show();
    GroupBox1->show();
    waitEdt->hide();
    for (QPushButton* button : {A_btn, B_btn, periorBtn, nextbtn, endbtn})
        button->show();
    paintNow(this);
}
