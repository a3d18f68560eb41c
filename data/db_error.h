#pragma once

#include <QString>

#include <stdexcept>

// Every failure of the database layer: the text is the engine's own message (or ours where
// the engine has none), so the general error report can show it as it stands.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
