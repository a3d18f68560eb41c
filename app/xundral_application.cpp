#include "app/xundral_application.h"

#include "forms/error_report.h"
#include "forms/font_faces.h"
#include "forms/held_bold_style.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

XundralApplication::XundralApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The application name is what the task bar groups by; the window titles stay our own.
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    setDesktopFileName(QStringLiteral("org.xundral.Xundral"));
    installFontSubstitutes();
    setStyle(new HeldBoldStyle);
    // The windows are Chinese whatever the machine's locale, so the standard buttons Qt draws
    // itself (确定, 取消, 是, 否) must be as well.
    auto* qtTexts = new QTranslator(this);
    if (qtTexts->load(QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexts);
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
