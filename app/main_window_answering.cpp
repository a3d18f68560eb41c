// Answer keys and moving between questions.
#include "app/main_window.h"
#include "data/answer_code.h"

#include <QRadioButton>

void TmainFrm::answerWith(int answerCode) {
    ShowChoice(answerCode);
    SaveAnswer(answerCode);
    if (answerCode == AnswerCode::D)
        RadioButton4->setChecked(true);
    if (ParamIfJump == 1)
        nextbtnClick();
}

void TmainFrm::A_btnClick() {
    answerWith(AnswerCode::A);
}

void TmainFrm::B_btnClick() {
    answerWith(AnswerCode::B);
}

void TmainFrm::C_btnClick() {
    answerWith(AnswerCode::C);
}

void TmainFrm::D_btnClick() {
    answerWith(AnswerCode::D);
}

void TmainFrm::nextbtnClick() {
    QryExam.next();
    if (CurNum < TotalNum)
        ++CurNum;
    ShowQuestion();
    ShowChoice(CurMark);
}

void TmainFrm::periorBtnClick() {
    QryExam.prior();
    if (CurNum > 1)
        --CurNum;
    ShowQuestion();
    ShowChoice(CurMark);
}

void TmainFrm::goToQuestion(int number) {
    if (!exerciseShown() || !QryExam.active() || number < 1 || number > TotalNum)
        return;
    QryExam.first();
    for (int place = 1; place < number; ++place)
        QryExam.next();
    CurNum = number;
    ShowQuestion();
    ShowChoice(CurMark);
}

QList<int> TmainFrm::exerciseQuestionIds() const {
    QList<int> ids;
    if (!QryExam.active())
        return ids;
    const QVariantList values = QryExam.columnValues(QStringLiteral("ID"));
    ids.reserve(values.size());
    for (const QVariant& id : values)
        ids.append(id.toInt());
    return ids;
}

void TmainFrm::clearIndicators() {
    for (QRadioButton* indicator : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        // An exclusive radio button refuses to be unchecked while it is the marked one.
        indicator->setAutoExclusive(false);
        indicator->setChecked(false);
        indicator->setAutoExclusive(true);
    }
}
