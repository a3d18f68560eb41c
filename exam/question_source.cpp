#include "exam/question_source.h"

#include "data/ado_connection.h"
#include "data/learning_record.h"
#include "exam/paper_draw.h"

#include <utility>

QuestionSource wholeBankQuestions() {
    return [](AdoConnection& connection, const QString& bank) -> QuestionList {
        return readBankQuestions(connection.database(), bank);
    };
}

QuestionSource chapterQuestions(int chapter) {
    return [chapter](AdoConnection& connection, const QString& bank) -> QuestionList {
        return readChapterQuestions(connection.database(), bank, chapter);
    };
}

QuestionSource listedQuestions(std::vector<int> ids) {
    return [ids = std::move(ids)](AdoConnection& connection, const QString& bank) -> QuestionList {
        return readQuestionsInOrder(connection.database(), bank, ids);
    };
}

QuestionSource drawnPaperQuestions(DrawPoolModel* pool) {
    return [pool](AdoConnection& connection, const QString& bank) -> QuestionList {
        return drawPaperQuestions(connection, bank, pool);
    };
}

std::vector<int> wrongBookQuestionIds(AdoConnection& connection, const QString& bank) {
    return bookQuestionIds(connection.database(), bank);
}
