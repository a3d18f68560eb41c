// Answer keys and moving between questions.
#include "app/main_window.h"
#include "data/answer_code.h"
#include "exam/answer_line.h"
#include "forms/widget_setup.h"

#include <QRadioButton>
#include <QTextEdit>

#include <exception>

void TmainFrm::answerWith(AnswerCode answerCode) {
    // Stored before it is shown, so that what the screen says was chosen is what the database
    // holds, whether the write fails (a full disk) or the program dies in the answer pause.
    try {
        SaveAnswer(answerCode);
    } catch (...) {
        showStoredChoice();
        throw;
    }
    ShowChoice(answerCode);
    if (answerCode == AnswerCode::D)
        RadioButton4->setChecked(true);
    if (exercise_.settings().ifJump == 1)
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
    exercise_.next();
    ShowQuestion();
    ShowChoice(exercise_.storedAnswer());
}

void TmainFrm::periorBtnClick() {
    exercise_.previous();
    ShowQuestion();
    ShowChoice(exercise_.storedAnswer());
}

void TmainFrm::goToQuestion(int number) {
    if (!exerciseShown() || !exercise_.goTo(number))
        return;
    ShowQuestion();
    ShowChoice(exercise_.storedAnswer());
    showStoredIndicator();
}

void TmainFrm::clearIndicators() {
    for (QRadioButton* indicator : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        // An exclusive radio button refuses to be unchecked while it is the marked one.
        indicator->setAutoExclusive(false);
        indicator->setChecked(false);
        indicator->setAutoExclusive(true);
    }
}

QRadioButton* TmainFrm::indicatorFor(AnswerCode answerCode) const {
    switch (answerCode) {
    case AnswerCode::A:
        return RadioButton1;
    case AnswerCode::B:
        return RadioButton3;
    case AnswerCode::C:
        return RadioButton2;
    case AnswerCode::D:
        return RadioButton4;
    default:
        return nullptr;
    }
}

void TmainFrm::showStoredIndicator() {
    clearIndicators();
    if (QRadioButton* indicator = indicatorFor(exercise_.storedAnswer()))
        indicator->setChecked(true);
}

void TmainFrm::showStoredChoice() {
    // The key already ticked its indicator; take that back first, so that if even the
    // reading fails the screen claims no answer rather than the one that was not stored.
    clearIndicators();
    setBoxText(answerEdt, kAnswerLinePrefix);
    try {
        const AnswerCode stored = exercise_.rereadStoredAnswer();
        if (QRadioButton* indicator = indicatorFor(stored)) {
            indicator->setChecked(true);
            setBoxText(answerEdt, exercise_.answerLine(stored));
        }
    } catch (const std::exception&) {
        // The failed write is being reported already; a second box about the same database
        // would tell the learner nothing more, and the screen is blank, which is true enough.
    }
}
