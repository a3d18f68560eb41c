#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests can answer them and read
// exactly what was asked.
namespace MessageBox {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Error };
enum class Result { Ok, Cancel, Yes, No };

struct Request {
    QString caption;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

Result show(QWidget* parent, const Request& request);

// A confirmation captioned "信息提示" with OK and Cancel; true only for OK.
bool confirm(QWidget* parent, const QString& question);

// Tests install a handler that answers instead of a real modal box; an empty handler
// restores the real boxes.
using Handler = std::function<Result(const Request&)>;
void setHandler(Handler handler);

} // namespace MessageBox
