#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The bank sizes every size-dependent figure is measured at.
inline constexpr int kBenchBankSizes[] = {500, 5000, 30000};

// Stands for the shipped database (XUNDRAL_SHIPPED_DB) where a bank size is expected.
inline constexpr int kShippedBank = 0;

// The made-up bank of `questions` questions, written once per build folder by our own bank
// generator, or the shipped one; callers copy it before use, so no run sees another's answers.
QString benchBankPath(int questions);

// A scratch copy of a database file in a temporary folder laid out as a program folder
// (db/exam.mdb), so the program itself can run on it.
class ScratchFolder {
public:
    explicit ScratchFolder(const QString& source);
    QString path() const { return dir_.path(); }
    QString databasePath() const { return dir_.path() + QStringLiteral("/db/exam.mdb"); }

private:
    QTemporaryDir dir_;
};

// The floor's connection: plain SQLCipher calls, statements prepared once and kept.
class FloorDb {
public:
    explicit FloorDb(const QString& path);
    ~FloorDb();
    FloorDb(const FloorDb&) = delete;
    FloorDb& operator=(const FloorDb&) = delete;

    sqlite3* handle() const { return db_; }
    void exec(const char* sql);
    // Prepared on first use, reset on every later one.
    sqlite3_stmt* statement(const char* sql);
    long long scalar(const char* sql);
    // Runs the pragmas readJournalSettings() gave, so floor and program pay the same.
    void applySettings(const std::string& settings);

private:
    sqlite3* db_ = nullptr;
    std::vector<std::pair<const char*, sqlite3_stmt*>> statements_;
};

// The journal mode, sync level, page cache and checkpointing of a connection, as pragmas.
std::string readJournalSettings(sqlite3* connection);

enum class PoolState {
    Empty,      // a fresh run: nothing drawn yet
    WantedLeft, // only as many unused questions per chapter as a paper takes
    OneLeft,    // one unused question per chapter: the pool resets during the draw
};
const char* poolStateName(PoolState state);

// Sets EXAM_TEMP of bank B2 to `state` and empties S_MARK.
void setPool(FloorDb& db, PoolState state);

// Every MARK of B2 back to 5 except `answered` questions, spread over the bank; returns their ids.
std::vector<int> setAnswered(FloorDb& db, int answered);
