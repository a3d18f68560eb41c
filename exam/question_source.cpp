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
        std::optional<std::vector<ExerciseQuestion>> paper =
            drawPaper(connection.database(), bank, pool);
        if (!paper)
            return std::nullopt;
        std::vector<ListedQuestion> list;
        list.reserve(paper->size());
        for (ExerciseQuestion& question : *paper)
            list.push_back(
                {question.id, std::make_unique<const ExerciseQuestion>(std::move(question))});
        return list;
    };
}

std::vector<int> wrongBookQuestionIds(AdoConnection& connection, const QString& bank) {
    return bookQuestionIds(connection.database(), bank);
}
