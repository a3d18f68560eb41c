#pragma once

#include "data/bank_source.h"

#include <QCoreApplication>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class SqliteDatabase;

BankQuestion trueFalseQuestion(int chapter, const QString& text, bool right);
BankQuestion fourChoiceQuestion(int chapter, const QString& text, AnswerCode answerCode,
                                const QString& picture = QString());
// `perChapter` questions in each of `chapters` chapters, alternating true/false and four
// choices, with SYS_CFG drawing `drawn` per chapter.
BankSources sampleSources(int chapters, int perChapter, int drawn);

// A program folder in a temporary directory: db/exam.mdb built from the given sources, and
// the windows pointed at it.
class TestProgramFolder {
public:
    explicit TestProgramFolder(const BankSources& sources);
    // A copy of an existing exam database, such as the shipped one.
    explicit TestProgramFolder(const QString& databaseToCopy);
    ~TestProgramFolder();
    QString path() const { return dir_.path(); }
    QString databasePath() const;

    int scalar(const QString& sql) const;
    // The first column of every row.
    QList<int> ints(const QString& sql) const;
    void exec(const QString& sql) const;

private:
    // One connection for the test's own reads and writes: deriving the key is the slow part.
    SqliteDatabase& database() const;
    QTemporaryDir dir_;
    mutable std::unique_ptr<SqliteDatabase> database_;
};

// For tests of the data layer and the bank tool, which need no window system at all.
#define XUNDRAL_DATA_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv) {                                                              \
        QCoreApplication app(argc, argv);                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
