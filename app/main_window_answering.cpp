// Answer keys and moving between questions.
#include "app/main_window.h"
#include "data/answer_code.h"
#include "data/data_module.h"
#include "exam/answer_line.h"
#include "exam/bank_name.h"
#include "forms/widget_setup.h"

#include <QRadioButton>
#include <QTextEdit>

#include <exception>

void TmainFrm::answerWith(int answerCode) {
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

QRadioButton* TmainFrm::indicatorFor(int answerCode) const {
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

void TmainFrm::showStoredChoice() {
    // The key already ticked its indicator; take that back first, so that if even the
    // reading fails the screen claims no answer rather than the one that was not stored.
    clearIndicators();
    setBoxText(answerEdt, kAnswerLinePrefix);
    try {
        AdoQuery& query = DM->query1;
        query.close();
        query.setSql(QStringLiteral("select MARK from ") + currentBankTable() +
                     QStringLiteral(" where id=?"));
        query.bind(1, CurId);
        query.open();
        const int stored = query.eof() ? AnswerCode::NotAnswered
                                       : query.fieldByName(QStringLiteral("MARK")).asInteger();
        query.close();
        CurMark = stored;
        if (QRadioButton* indicator = indicatorFor(stored)) {
            indicator->setChecked(true);
            setBoxText(answerEdt, answerLine(stored, RightAnswer, ExamMode, ParamIfShow));
        }
    } catch (const std::exception&) {
        // The failed write is being reported already; a second box about the same database
        // would tell the learner nothing more, and the screen is blank, which is true enough.
    }
}
