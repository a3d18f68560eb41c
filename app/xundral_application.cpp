#include "app/xundral_application.h"

#include "forms/error_report.h"
#include "forms/font_faces.h"

#include <QWidget>

XundralApplication::XundralApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The application name is what the task bar groups by; the window titles stay our own.
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    installFontSubstitutes();
}

bool XundralApplication::notify(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        // Qt hands a key on to the parents inside one notify call, so this sees each press once.
        auto* window = dynamic_cast<KeyPreviewWindow*>(static_cast<QWidget*>(receiver)->window());
        if (window)
            runHandler([&] { window->previewKeyPress(*static_cast<QKeyEvent*>(event)); });
    }
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
