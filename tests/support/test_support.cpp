#include "tests/support/test_support.h"

MessageBoxScript::MessageBoxScript() {
    MessageBox::setHandler([this](const MessageBox::Request& request) {
        asked.append(request);
        // The answer is this box's own, taken before any box opened while it is open.
        MessageBox::Result result = defaultAnswer_;
        if (!answers_.empty()) {
            result = answers_.front();
            answers_.pop_front();
        }
        if (whileOpen_)
            whileOpen_(request);
        return result;
    });
}

MessageBoxScript::~MessageBoxScript() {
    MessageBox::setHandler({});
}

QStringList MessageBoxScript::texts() const {
    QStringList result;
    for (const MessageBox::Request& request : asked)
        result.append(request.text);
    return result;
}
