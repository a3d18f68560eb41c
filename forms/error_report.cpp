#include "forms/error_report.h"

#include "forms/message_box.h"

#include <QApplication>

QString errorReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

namespace {

void showReport(const QString& message) {
    MessageBox::show(QApplication::activeWindow(),
                     {QString::fromLatin1(kApplicationTitle), errorReportText(message),
                      MessageBox::Buttons::Ok, MessageBox::Icon::Error});
}

} // namespace

void reportError(const std::exception& error) {
    showReport(QString::fromUtf8(error.what()));
}

void reportUnknownError() {
    showReport(QStringLiteral("Unknown error"));
}
