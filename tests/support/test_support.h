#pragma once

#include "app/message_box.h"
#include "app/xundral_application.h"
#include "data/bank_source.h"

#include <QList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>

class SqliteDatabase;

BankQuestion trueFalseQuestion(int chapter, const QString& text, bool right);
// answerCode: 1 = A, 2 = B, 3 = C, 0 = D.
BankQuestion fourChoiceQuestion(int chapter, const QString& text, int answerCode,
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

// Answers every message box instead of the learner and keeps what was asked.
class MessageBoxScript {
public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // Answers for the next boxes, in order; after them every box gets the default answer.
    void answerNext(MessageBox::Result result) { answers_.push_back(result); }
    void setDefaultAnswer(MessageBox::Result result) { defaultAnswer_ = result; }
    // Runs while a box is "open", as the event loop under a real modal box would.
    void setWhileOpen(std::function<void(const MessageBox::Request&)> action) {
        whileOpen_ = std::move(action);
    }

    QList<MessageBox::Request> asked;
    QStringList texts() const;
    void clear() { asked.clear(); }

private:
    std::deque<MessageBox::Result> answers_;
    MessageBox::Result defaultAnswer_ = MessageBox::Result::Ok;
    std::function<void(const MessageBox::Request&)> whileOpen_;
};

#define XUNDRAL_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        XundralApplication app(argc, argv);                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
