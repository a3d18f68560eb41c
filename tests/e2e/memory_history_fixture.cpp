// Gives a copy of the shipped database a learner's three weeks: the first QUESTIONS questions
// of a bank answered once or twice on evenings before now, most of them right, through the
// memory model's own recorder, so that the chance of passing and the plan have something to
// rest on in the screenshots.
#include "data/connection_string.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "data/transaction.h"
#include "exam/memory_recorder.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: memory_history_fixture DB BANK QUESTIONS\n");
        return 2;
    }
    try {
        SqliteDatabase database(QString::fromLocal8Bit(argv[1]), examDatabaseKey(),
                                SqliteDatabase::OpenMode::ExistingOnly);
        migrateExamSchema(database);
        const QString bank = QString::fromLocal8Bit(argv[2]);
        const int questions = QByteArray(argv[3]).toInt();
        QRandomGenerator random(21);
        const QDateTime evening(QDate::currentDate(), QTime(19, 30));
        Transaction transaction(database);
        for (int id = 1; id <= questions; ++id) {
            const RememberedQuestion question = rememberedQuestion(database, bank, id);
            const int firstDay = 21 - id * 20 / questions;
            recordAnswerInMemory(database, bank, question, random.bounded(100) < 78,
                                 evening.addDays(-firstDay));
            if (id % 3 != 0 && firstDay > 4)
                recordAnswerInMemory(database, bank, question, random.bounded(100) < 88,
                                     evening.addDays(-firstDay + 3));
        }
        transaction.commit();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
