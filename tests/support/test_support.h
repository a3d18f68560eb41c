#pragma once

#include "app/program_directory.h"
#include "app/xundral_application.h"
#include "exam/answer_pause.h"
#include "forms/message_box.h"
#include "tests/support/test_data.h"

#include <QTest>

#include <deque>
#include <functional>

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

// Sets the answer pause for as long as it lives and puts the previous one back, also when a
// check fails half-way.
class AnswerPauseOverride {
public:
    explicit AnswerPauseOverride(int milliseconds) : previous_(answerPauseMs()) {
        setAnswerPauseForTests(milliseconds);
    }
    ~AnswerPauseOverride() { setAnswerPauseForTests(previous_); }
    AnswerPauseOverride(const AnswerPauseOverride&) = delete;
    AnswerPauseOverride& operator=(const AnswerPauseOverride&) = delete;

private:
    int previous_;
};

// Points the windows at a program folder for as long as it lives, then back at the real one.
class ProgramDirectoryOverride {
public:
    explicit ProgramDirectoryOverride(const QString& directory) {
        setProgramDirectoryForTests(directory);
    }
    ~ProgramDirectoryOverride() { setProgramDirectoryForTests(QString()); }
    ProgramDirectoryOverride(const ProgramDirectoryOverride&) = delete;
    ProgramDirectoryOverride& operator=(const ProgramDirectoryOverride&) = delete;
};

#define XUNDRAL_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        XundralApplication app(argc, argv);                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
