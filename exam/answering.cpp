// Answer keys and moving between questions.
#include "app/main_window.h"

#include <QRadioButton>

void TmainFrm::answerWith(int answerCode) {
    ShowChoice(answerCode);
    SaveAnswer(answerCode);
    if (answerCode == 0)
        RadioButton4->setChecked(true);
    if (ParamIfJump == 1)
        nextbtnClick();
}

void TmainFrm::A_btnClick() {
    answerWith(1);
}

void TmainFrm::B_btnClick() {
    answerWith(2);
}

void TmainFrm::C_btnClick() {
    answerWith(3);
}

void TmainFrm::D_btnClick() {
    answerWith(0);
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

void TmainFrm::clearIndicators() {
    for (QRadioButton* indicator : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        // An exclusive radio button refuses to be unchecked while it is the marked one.
        indicator->setAutoExclusive(false);
        indicator->setChecked(false);
        indicator->setAutoExclusive(true);
    }
}
