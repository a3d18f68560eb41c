#include "tests/support/test_data.h"

#include "data/connection_string.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

// Every fixture question names a fact of its own and a topic, as every shipped one must, so
// that check finds nothing to refuse unless a test plants it.
void tagQuestion(BankQuestion& question) {
    question.factKey = QStringLiteral("fixture-") +
                       QString::fromLatin1(
                           QCryptographicHash::hash(question.text.toUtf8(), QCryptographicHash::Md5)
                               .toHex()
                               .left(12));
    question.topics = {QStringLiteral("安全驾驶")};
}

} // namespace

BankQuestion trueFalseQuestion(int chapter, const QString& text, bool right) {
    BankQuestion question;
    question.chapter = chapter;
    question.text = text;
    question.choices = {QStringLiteral("正确"), QStringLiteral("错误")};
    question.answerCode = right ? AnswerCode::A : AnswerCode::B;
    question.file = QStringLiteral("fixture");
    tagQuestion(question);
    return question;
}

BankQuestion fourChoiceQuestion(int chapter, const QString& text, AnswerCode answerCode,
                                const QString& picture) {
    BankQuestion question;
    question.chapter = chapter;
    question.text = text;
    question.picture = picture;
    question.choices = {text + QStringLiteral("甲"), text + QStringLiteral("乙"),
                        text + QStringLiteral("丙"), text + QStringLiteral("丁")};
    question.answerCode = answerCode;
    question.file = QStringLiteral("fixture");
    tagQuestion(question);
    return question;
}

BankSources sampleSources(int chapters, int perChapter, int drawn) {
    BankSources sources;
    for (int chapter = 1; chapter <= chapters; ++chapter) {
        for (int index = 0; index < perChapter; ++index) {
            const QString text = QStringLiteral("第%1章第%2题").arg(chapter).arg(index + 1);
            sources.common.push_back(
                index % 2 == 0
                    ? trueFalseQuestion(chapter, text, index % 4 == 0)
                    : fourChoiceQuestion(chapter, text, answerCodeFromColumn(index % 4)));
        }
        if (drawn > 0)
            sources.sysCfg.push_back({chapter, drawn, QStringLiteral("fixture"), chapter});
    }
    sources.sysParam = {8, 45, 1, 1};
    return sources;
}

TestProgramFolder::TestProgramFolder(const BankSources& sources) {
    QDir(dir_.path()).mkpath(QStringLiteral("db"));
    writeExamDatabase(databasePath(), examDatabaseKey(), sources, QString());
}

TestProgramFolder::TestProgramFolder(const QString& databaseToCopy) {
    QDir(dir_.path()).mkpath(QStringLiteral("db"));
    if (!QFile::copy(databaseToCopy, databasePath()))
        qFatal("cannot copy %s", qPrintable(databaseToCopy));
}

TestProgramFolder::~TestProgramFolder() = default;

QString TestProgramFolder::databasePath() const {
    return dir_.path() + QStringLiteral("/db/exam.mdb");
}

SqliteDatabase& TestProgramFolder::database() const {
    if (!database_)
        database_ = std::make_unique<SqliteDatabase>(databasePath(), examDatabaseKey(),
                                                     SqliteDatabase::OpenMode::ExistingOnly);
    return *database_;
}

int TestProgramFolder::scalar(const QString& sql) const {
    SqliteStatement statement(database(), sql);
    return statement.step() ? statement.value(0).toInt() : -1;
}

QList<int> TestProgramFolder::ints(const QString& sql) const {
    SqliteStatement statement(database(), sql);
    QList<int> values;
    while (statement.step())
        values.append(statement.value(0).toInt());
    return values;
}

void TestProgramFolder::exec(const QString& sql) const {
    database().execScript(sql);
}
