// Sequential practice through the whole bank, and ending any exercise.
#include "app/main_window.h"
#include "data/ado_connection.h"
#include "data/sqlite_database.h"
#include "data/transaction.h"
#include "forms/message_box.h"

#include <QGroupBox>
#include <QTimer>

void TmainFrm::BitBtn1Click() {
    if (!MessageBox::confirm(this, QStringLiteral("您想重新开始顺序抽题训练吗？")))
        return;
    startOrReturn([&] {
        // The reset and the new practice's head reach the disk in one commit: the learner
        // waits for one sync. A start that fails half-way keeps what it did up to there, as
        // the original's statements, each on its own, did.
        SqliteDatabase& database = exercise_.connection().database();
        Transaction transaction(database);
        try {
            ResetExercise(ExamMode::SequentialPractice, PaperMode::WholeBank);
            exercise_.load(wholeBankQuestions());
            rememberPractice({PracticeMode::Sequential});
        } catch (...) {
            // The engine may have ended the transaction itself (a full disk).
            if (database.inTransaction())
                transaction.commit();
            throw;
        }
        transaction.commit();
        beginExercise();
        showFirstQuestion();
        return true;
    });
}

void TmainFrm::showFirstQuestion() {
    ShowAnswerButtons();
    ShowQuestion();
    ShowChoice(exercise_.storedAnswer());
    Timer1->start();
    GroupBox2->setFocus();
}

void TmainFrm::endbtnClick() {
    const QString question = exercise_.mode() == ExamMode::SequentialPractice
                                 ? QStringLiteral("您想中断现在的训练吗？")
                                 : QStringLiteral("您想提前交卷吗？");
    const bool handedInBefore = exercise_.handedIn();
    if (!MessageBox::confirm(this, question))
        return;
    // The countdown may have run out under the confirmation; that hand-in has already
    // decided what the window shows.
    if (exercise_.handedIn() != handedInBefore)
        return;
    if (exercise_.mode() != ExamMode::SequentialPractice && HandInPaper())
        return;
    ReturnToStartPanel();
}
