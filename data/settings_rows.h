#pragma once

#include "data/exercise_rows.h"

#include <QString>

class SqliteDatabase;

// The settings row (sysparam, id 1) as the settings dialog shows it: the two times as the row
// holds them, the two switches as numbers. Throws DbError when there is no row, a column is
// missing or a switch is no whole number, naming the first of these it meets.
struct SettingsForDialog {
    QString timer1;
    QString timer2;
    int ifJump = 0;
    int ifShow = 0;
};
SettingsForDialog readSettingsForDialog(const SqliteDatabase& database);

// Writes all four settings in one bound statement; returns the rows changed (0: no row).
int writeSettings(const SqliteDatabase& database, const ExerciseSettings& settings);
