#pragma once

#include <QByteArray>
#include <QString>

// A CSV a spreadsheet wrote for one bank is a few hundred kilobytes; anything near this size is
// not one, and reading it whole would only exhaust memory.
inline constexpr qint64 kMaxInputBytes = 64 * 1024 * 1024;

// Reads a regular file of at most `limit` bytes. Devices, pipes and sockets are refused before
// they are opened, so neither /dev/zero nor a pipe without a writer can hold the tool.
QByteArray readInputFile(const QString& path, qint64 limit = kMaxInputBytes);

// Writes `bytes` to `path` as a whole through a temporary file. Refused: the database itself
// (under any name, hard links included) and its journal and lock files, and any target that
// exists but is not a regular file (a device, a pipe, a folder).
void writeExportFile(const QString& path, const QByteArray& bytes, const QString& databasePath);
