#pragma once

#include <QString>

#include <exception>

inline constexpr const char* kApplicationTitle = "dedode";

// An error text as the general error report shows it: a full stop is added when the last
// character sorts after ".".
QString errorReportText(const QString& message);

// Shows the general error report for an error no handler caught; the program goes on.
void reportError(const std::exception& error);
void reportUnknownError();

// Runs an event handler so that whatever it throws ends it and reaches the error report.
template <typename Handler> void runHandler(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        reportError(error);
    } catch (...) {
        reportUnknownError();
    }
}
