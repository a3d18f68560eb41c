// The question panel during an exercise: reset, showing a question, the answer line, storing
// answers and the counters. Everything about answers is read back from the database.
#include "app/bank_name.h"
#include "app/main_window.h"
#include "app/widget_setup.h"
#include "data/data_module.h"
#include "exam/answer_pause.h"
#include "exam/countdown_clock.h"
#include "exam/question_picture.h"
#include "exam/question_text.h"

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
    if (ExamMode == 0) {
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
    repaint();
    DM->query1.close();
    DM->query1.setSql(QStringLiteral("update ") + BankName + QStringLiteral(" set mark=5"));
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
    setBoxText(re_sel1, prefixChoice(choiceA, QLatin1Char('A'), blank));
    setBoxText(re_sel2, prefixChoice(choiceB, QLatin1Char('B'), blank));
    setBoxText(re_sel3, prefixChoice(choiceC, QLatin1Char('C'), blank));
    setBoxText(re_sel4, prefixChoice(choiceD, QLatin1Char('D'), blank));

    const bool fourChoices = !choiceC.isEmpty();
    for (QWidget* control :
         std::initializer_list<QWidget*>{C_btn, Label8, RadioButton2, Label11, RadioButton4})
        control->setVisible(fourChoices);

    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("select ANSWER,MARK,TP from ") + BankName +
                 QStringLiteral(" where id=") + QString::number(CurId));
    query.open();
    RightAnswer = query.fieldByName(QStringLiteral("ANSWER")).asInteger();
    CurMark = query.fieldByName(QStringLiteral("MARK")).asInteger();

    showQuestionPicture(QryExam.fieldByName(QStringLiteral("TP")).asString());
    setBoxText(answerEdt, QStringLiteral("当前选择答案为："));
    ShowCounters();
}

void TmainFrm::showQuestionPicture(const QString& tp) {
    // Cleared first, so a picture that fails to load leaves no earlier question's picture.
    Image_sign->clear();
    if (tp.isEmpty())
        return;
    Image_sign->setPixmap(loadQuestionPicture(QDir::currentPath() + tp));
}

void TmainFrm::ShowChoice(int answerCode) {
    if (answerCode == 5)
        return;
    QString choiceName;
    switch (answerCode) {
    case 1:
        choiceName = QStringLiteral("答案一");
        break;
    case 2:
        choiceName = QStringLiteral("答案二");
        break;
    case 3:
        choiceName = QStringLiteral("答案三");
        break;
    case 0:
        choiceName = QStringLiteral("答案四");
        break;
    default:
        break;
    }
    QString verdict;
    if (ParamIfShow == 1)
        verdict = answerCode == RightAnswer ? QStringLiteral(" 正确") : QStringLiteral(" 错误");
    if (ExamMode == 1)
        setBoxText(answerEdt, QStringLiteral("当前选择答案为：") + choiceName);
    else
        setBoxText(answerEdt, QStringLiteral("当前选择答案为：") + choiceName + verdict);
    GroupBox2->repaint();
    // The pause blocks on purpose: the learner reads the line, and keys typed meanwhile wait
    // in the queue and are handled afterwards, in order.
    QThread::msleep(static_cast<unsigned long>(answerPauseMs()));
}

void TmainFrm::SaveAnswer(int answerCode) {
    if (answerCode == 5)
        return;
    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("UPDATE ") + BankName + QStringLiteral(" SET MARK = '") +
                 QString::number(answerCode) + QStringLiteral("' WHERE id = ") +
                 QString::number(CurId));
    query.execSql();
}

void TmainFrm::ShowCounters() {
    if (PaperMode == 1)
        return;
    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("select count(id) as rightnum from ") + BankName +
                 QStringLiteral(" where answer=mark"));
    query.open();
    setAutoCaption(Label1, QStringLiteral("答对题数: ") +
                               query.fieldByName(QStringLiteral("rightnum")).asString());
    query.close();
    query.setSql(QStringLiteral("select count(id) as answered from ") + BankName +
                 QStringLiteral(" where mark<>5"));
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
    repaint();
}
