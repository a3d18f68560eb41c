#include "exam/exercise_title.h"

#include "exam/exercise_kind.h"

namespace {

QString modeName(const RunningMode& mode) {
    if (mode.examMode == ExamMode::MockExam)
        return QStringLiteral("模拟考试");
    if (mode.examMode == ExamMode::MockPractice)
        return QStringLiteral("模拟练习");
    switch (mode.list) {
    case PracticeList::Chapter:
        return QStringLiteral("章节练习（第%1章）").arg(mode.chapter);
    case PracticeList::WrongBook:
        return QStringLiteral("错题练习");
    case PracticeList::WholeBank:
        break;
    }
    return QStringLiteral("顺序出题");
}

} // namespace

QString exerciseTitle(const RunningMode& mode, int count) {
    return modeName(mode) + QStringLiteral("　共 %1 题").arg(count);
}
