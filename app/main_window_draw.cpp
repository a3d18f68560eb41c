// Drawing a mock paper: per category, random questions that earlier papers of this run have
// not used yet, with the rotation pool in EXAM_TEMP.
#include "app/main_window.h"
#include "exam/question_source.h"
#include "forms/message_box.h"

bool TmainFrm::DrawPaper() {
    if (!exercise_.load(drawnPaperQuestions(&drawPool_))) {
        MessageBox::show(this, {QStringLiteral("错误"), QStringLiteral("试题提取数尚未设置!"),
                                MessageBox::Buttons::Ok, MessageBox::Icon::Error});
        return false;
    }
    return true;
}
