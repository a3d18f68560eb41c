#pragma once

#include <QFileInfo>
#include <QString>

// What a learner is told, in Chinese, by every command after the database could not be opened:
// the file, its folder and the cause found on disk (missing, folder not writable, disk full,
// damaged or foreign), never the engine's English text. `engineMessage` is what the open said.
QString describeOpenFailure(const QFileInfo& file, const QString& engineMessage);
