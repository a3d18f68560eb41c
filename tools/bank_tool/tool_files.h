#pragma once

#include <QByteArray>
#include <QString>

// A CSV a spreadsheet wrote for one bank is a few hundred kilobytes; anything near this size is
// not one, and reading it whole would only exhaust memory.
inline constexpr qint64 kMaxInputBytes = qint64{64} * 1024 * 1024;

// Reads a regular file of at most `limit` bytes. Devices, pipes and sockets are refused before
// they are opened, so neither /dev/zero nor a pipe without a writer can hold the tool.
QByteArray readInputFile(const QString& path, qint64 limit = kMaxInputBytes);

// Writes `bytes` to `path` as a whole through a temporary file, after refusedWriteTarget has
// let it: never the database or a file beside it, never a device, a pipe or a folder.
void writeExportFile(const QString& path, const QByteArray& bytes, const QString& databasePath);
