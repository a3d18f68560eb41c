#include "forms/message_box.h"

#include "forms/font_faces.h"

#include <QMessageBox>

namespace MessageBox {
namespace {

Handler& installedHandler() {
    static Handler handler;
    return handler;
}

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Result resultOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Result::Ok;
    case QMessageBox::Yes:
        return Result::Yes;
    case QMessageBox::No:
        return Result::No;
    default:
        return Result::Cancel;
    }
}

} // namespace

Result show(QWidget* parent, const Request& request) {
    if (const Handler& handler = installedHandler())
        return handler(request);
    QMessageBox box(request.icon == Icon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    request.caption, QString(request.text).remove(QLatin1Char('\r')),
                    standardButtons(request.buttons), parent);
    box.setTextFormat(Qt::PlainText);
    // One face for the digits and the Chinese of a box, as the system's message font gives.
    box.setFont(pixelFont(QStringLiteral("宋体"), 12));
    return resultOf(box.exec());
}

bool confirm(QWidget* parent, const QString& question) {
    return show(parent, {QStringLiteral("信息提示"), question, Buttons::OkCancel, Icon::None}) ==
           Result::Ok;
}

void setHandler(Handler handler) {
    installedHandler() = std::move(handler);
}

} // namespace MessageBox
