#pragma once

#include "data/answer_code.h"

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// A source problem, located as compilers do: file:line:column: message.
class BankSourceError : public std::runtime_error {
public:
    BankSourceError(const QString& file, int line, int column, const QString& message);
    QString file() const { return file_; }
    int line() const { return line_; }

private:
    QString file_;
    int line_;
};

struct BankQuestion {
    QString text;
    QString picture;     // file name in the picture folder; empty for none
    QString explanation; // why the right answer is right; empty for none
    QStringList choices; // two (true/false) or four (single choice)
    QString factKey;     // the rule the question tests; two questions share one only as variants
    QString variantNote; // why this question is a deliberate second side of its fact
    QStringList settledNotes; // a reader's verdict on pairs the content check lists for reading
    QStringList topics;       // one to three of the fixed topic vocabulary
    AnswerCode answerCode = AnswerCode::NotAnswered;
    int chapter = 0;
    QString file;
    int line = 0;

    bool isTrueFalse() const { return choices.size() == 2; }
};

struct SysCfgRow {
    int chapter = 0;
    int count = 0;
    QString file;
    int line = 0;
};

struct SysParamRow {
    int timer1 = 8;
    int timer2 = 45;
    int ifjump = 1;
    int ifshow = 1;
};

struct BankSources {
    std::vector<BankQuestion> common; // in both banks
    std::vector<BankQuestion> truck;  // in B2 only
    std::vector<SysCfgRow> sysCfg;
    SysParamRow sysParam;
};

// The file a chapter's text came from, as errors name it, and the chapter it holds.
struct ChapterFile {
    QString name;
    int chapter = 0;
};

// Parses the records of one chapter file. Throws BankSourceError.
std::vector<BankQuestion> parseBankText(const QString& text, const ChapterFile& file);

// Reads common/chN*.txt, truck/chN*.txt, sys_cfg.txt and sysparam.txt below `folder`.
BankSources loadBankSources(const QString& folder);
