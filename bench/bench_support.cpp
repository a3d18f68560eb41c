#include "bench/bench_support.h"

#include "data/connection_string.h"
#include "data/question_rows.h"
#include "tools/bench_bank/bench_bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlcipher/sqlite3.h>

#include <stdexcept>
#include <unordered_set>

QString benchBankPath(int questions) {
    if (questions == kShippedBank) {
        const QString shipped = qEnvironmentVariable("XUNDRAL_SHIPPED_DB");
        if (!QFileInfo(shipped).isFile())
            throw std::runtime_error("XUNDRAL_SHIPPED_DB names no file");
        return shipped;
    }
    QString folder = qEnvironmentVariable("XUNDRAL_BENCH_BANKS");
    if (folder.isEmpty())
        folder = QDir::tempPath() + QStringLiteral("/xundral-bench-banks");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/bank-%1.mdb").arg(questions);
    if (!QFileInfo(path).isFile())
        writeExamDatabase(path, examDatabaseKey(), benchBankSources(questions), QString());
    return path;
}

ScratchFolder::ScratchFolder(const QString& source) {
    QDir(dir_.path()).mkpath(QStringLiteral("db"));
    if (!QFile::copy(source, databasePath()))
        throw std::runtime_error("cannot copy the bench bank");
}

FloorDb::FloorDb(const QString& path) {
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
    sqlite3_busy_timeout(db_, 5000);
    const QByteArray key = QByteArray("PRAGMA key = '") + kExamDatabasePassword + "';";
    exec(key.constData());
    scalar("SELECT count(*) FROM sqlite_master");
}

FloorDb::~FloorDb() {
    for (auto& entry : statements_)
        sqlite3_finalize(entry.second);
    sqlite3_close_v2(db_);
}

void FloorDb::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw std::runtime_error(message + " in " + sql);
    }
}

sqlite3_stmt* FloorDb::statement(const char* sql) {
    for (auto& entry : statements_) {
        if (entry.first == sql) {
            sqlite3_reset(entry.second);
            return entry.second;
        }
    }
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &prepared, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in " + sql);
    statements_.emplace_back(sql, prepared);
    return prepared;
}

long long FloorDb::scalar(const char* sql) {
    sqlite3_stmt* select = statement(sql);
    const long long value =
        sqlite3_step(select) == SQLITE_ROW ? sqlite3_column_int64(select, 0) : -1;
    sqlite3_reset(select);
    return value;
}

std::string readJournalSettings(sqlite3* other) {
    auto read = [other](const char* sql) {
        sqlite3_stmt* pragma = nullptr;
        sqlite3_prepare_v2(other, sql, -1, &pragma, nullptr);
        std::string value;
        if (sqlite3_step(pragma) == SQLITE_ROW)
            value = reinterpret_cast<const char*>(sqlite3_column_text(pragma, 0));
        sqlite3_finalize(pragma);
        return value;
    };
    return "PRAGMA journal_mode = " + read("PRAGMA journal_mode") +
           "; PRAGMA synchronous = " + read("PRAGMA synchronous") +
           "; PRAGMA cache_size = " + read("PRAGMA cache_size") +
           "; PRAGMA wal_autocheckpoint = " + read("PRAGMA wal_autocheckpoint") +
           "; PRAGMA journal_size_limit = " + read("PRAGMA journal_size_limit") + ";";
}

void FloorDb::applySettings(const std::string& settings) {
    exec(settings.c_str());
}

const char* poolStateName(PoolState state) {
    switch (state) {
    case PoolState::Empty:
        return "empty";
    case PoolState::WantedLeft:
        return "wanted_left";
    case PoolState::OneLeft:
        return "one_left";
    }
    return "";
}

void setPool(FloorDb& db, PoolState state) {
    db.exec("BEGIN; DELETE FROM S_MARK; DELETE FROM EXAM_TEMP;");
    if (state != PoolState::Empty) {
        sqlite3_stmt* chapters = db.statement("SELECT STZLB1, STSL FROM SYS_CFG WHERE STSL > 0");
        std::vector<std::pair<int, int>> rows;
        while (sqlite3_step(chapters) == SQLITE_ROW)
            rows.emplace_back(sqlite3_column_int(chapters, 0), sqlite3_column_int(chapters, 1));
        sqlite3_reset(chapters);
        for (const auto& [chapter, wanted] : rows) {
            sqlite3_stmt* range =
                db.statement("SELECT MIN(ID), COUNT(ID) FROM B2 WHERE STZLB1 = ?");
            sqlite3_bind_int(range, 1, chapter);
            sqlite3_step(range);
            const int base = sqlite3_column_int(range, 0);
            const int size = sqlite3_column_int(range, 1);
            sqlite3_reset(range);
            // The unused ones are spread evenly over the chapter, as papers would leave them.
            const int left = state == PoolState::OneLeft ? 1 : wanted;
            std::unordered_set<int> unused;
            for (int index = 0; index < left; ++index)
                unused.insert(base + int((long long)index * size / left + size / (2 * left)));
            sqlite3_stmt* insert =
                db.statement("INSERT INTO EXAM_TEMP (EXAMID, STZLB1) VALUES (?, ?)");
            for (int id = base; id < base + size; ++id) {
                if (unused.count(id))
                    continue;
                sqlite3_bind_int(insert, 1, id);
                sqlite3_bind_int(insert, 2, chapter);
                sqlite3_step(insert);
                sqlite3_reset(insert);
            }
        }
    }
    db.exec("COMMIT;");
}

std::vector<int> setAnswered(FloorDb& db, int answered) {
    db.exec("BEGIN; UPDATE B2 SET MARK = 5 WHERE MARK <> 5;");
    const long long size = db.scalar("SELECT COUNT(*) FROM B2");
    sqlite3_stmt* update = db.statement("UPDATE B2 SET MARK = ? WHERE ID = ?");
    std::vector<int> ids;
    for (int index = 0; index < answered; ++index) {
        ids.push_back(int(1 + index * size / answered));
        sqlite3_bind_int(update, 1, index % 4);
        sqlite3_bind_int(update, 2, ids.back());
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    db.exec("COMMIT;");
    return ids;
}
