#include "data/settings_rows.h"

#include "data/row_values.h"
#include "data/sqlite_database.h"

SettingsForDialog readSettingsForDialog(const SqliteDatabase& database) {
    SqliteStatement select(database, QStringLiteral("select * from sysparam where id=1"));
    const bool found = select.step();
    // A missing column is named before a missing row, as the dialog always reported it.
    auto field = [&](const QString& name) {
        const int column = columnNamed(select, name);
        if (!found)
            throwNoCurrentRecord();
        return fieldAt(select, column);
    };
    SettingsForDialog settings;
    settings.timer1 = field(QStringLiteral("timer1")).asString();
    settings.timer2 = field(QStringLiteral("timer2")).asString();
    settings.ifJump = field(QStringLiteral("ifjump")).asInteger();
    settings.ifShow = field(QStringLiteral("ifshow")).asInteger();
    return settings;
}

int writeSettings(const SqliteDatabase& database, const ExerciseSettings& settings) {
    // The line break is part of the statement the dialog has always run.
    SqliteStatement update(database, QStringLiteral("update sysparam set timer1=?,timer2=?\n"
                                                    ",ifjump=?,ifshow=?"));
    update.bind(1, settings.timer1);
    update.bind(2, settings.timer2);
    update.bind(3, settings.ifJump);
    update.bind(4, settings.ifShow);
    while (update.step()) {
    }
    return database.changes();
}
