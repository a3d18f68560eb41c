#include "tests/bank_tool/tool_run.h"

#include "data/connection_string.h"
#include "data/sqlite_database.h"
#include "tests/support/test_data.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/csv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTextStream>

ToolRun runTool(const QStringList& arguments) {
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = runBankTool(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

QString installedToolPath() {
    return qEnvironmentVariable("XUNDRAL_PROGRAM_DIR") + QStringLiteral("/xundral-bank");
}

ToolRun runToolProcess(const QStringList& arguments, int timeoutMs, const QStringList& prefix) {
    ToolRun run;
    QProcess process;
    const QStringList command = prefix + QStringList{installedToolPath()} + arguments;
    process.start(command.front(), command.mid(1));
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString dumpDatabase(const QString& path) {
    SqliteDatabase database(path, examDatabaseKey(), SqliteDatabase::OpenMode::ExistingOnly);
    // A table without a rowid is stored in its key's order, which a plain SELECT follows.
    QList<std::pair<QString, bool>> tables;
    // The stored digests are made from the bank and filled when a pass first needs them:
    // whether a row is there yet says nothing of what the file holds.
    SqliteStatement list(database, QStringLiteral("SELECT name, sql LIKE '%WITHOUT ROWID%' FROM "
                                                  "sqlite_master WHERE type = 'table' AND "
                                                  "name <> 'QUESTION_DIGEST' ORDER BY name"));
    while (list.step())
        tables.append({list.value(0).toString(), list.value(1).toInt() != 0});
    QString dump;
    for (const auto& [table, withoutRowid] : tables) {
        dump += QStringLiteral("[%1]\n").arg(table);
        SqliteStatement rows(
            database,
            QStringLiteral("SELECT * FROM %1%2")
                .arg(table, withoutRowid ? QString() : QStringLiteral(" ORDER BY rowid")));
        while (rows.step()) {
            for (int column = 0; column < rows.columnCount(); ++column)
                dump += QStringLiteral("%1:%2|").arg(QLatin1String(rows.value(column).typeName()),
                                                     rows.value(column).toString());
            dump += QLatin1Char('\n');
        }
    }
    return dump;
}

BankSources toolFixtureSources() {
    BankSources sources = sampleSources(3, 6, 2);
    sources.common.push_back(fourChoiceQuestion(1, QStringLiteral("标志\"禁止\"，含义, 是?"),
                                                AnswerCode::B, QStringLiteral("sign.jpg")));
    sources.common.push_back(trueFalseQuestion(2, QStringLiteral("第一行\n第二行，逗号,"), true));
    sources.common.back().explanation = QStringLiteral("解析一行，\"引号\"\n解析第二行");
    sources.common.front().explanation = QStringLiteral("=1+1 不是公式");
    // Notes that travel as they are: two settled notes make a text of two lines.
    BankQuestion& noted = sources.common.back();
    noted.topics = {QStringLiteral("数字"), QStringLiteral("通行规则")};
    noted.variantNote = QStringLiteral("从反面问同一条规定");
    noted.settledNotes = {sources.common[1].factKey + QStringLiteral(" 另问一事"),
                          sources.common[2].factKey + QStringLiteral("：同图异问")};
    sources.truck = {
        trueFalseQuestion(1, QStringLiteral("货车一"), false),
        fourChoiceQuestion(3, QStringLiteral("货车二"), AnswerCode::C, QStringLiteral("truck.bmp")),
        fourChoiceQuestion(2, QStringLiteral("货车三"), AnswerCode::D)};
    return sources;
}

std::unique_ptr<TestProgramFolder> toolFixtureFolder() {
    auto folder = std::make_unique<TestProgramFolder>(toolFixtureSources());
    QDir(folder->path()).mkpath(QStringLiteral("pic"));
    // Real pictures: check reads each one's size from its header.
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.save(folder->path() + QStringLiteral("/pic/sign.jpg"), "JPG");
    picture.save(folder->path() + QStringLiteral("/pic/truck.bmp"), "BMP");
    return folder;
}

std::vector<QStringList> csvTexts(const QByteArray& bytes) {
    std::vector<QStringList> records;
    for (const CsvRecord& record : parseCsv(bytes)) {
        QStringList fields;
        for (const CsvField& field : record)
            fields.append(field.text);
        records.push_back(fields);
    }
    return records;
}
