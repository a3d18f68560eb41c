#pragma once

#include <QApplication>
#include <QKeyEvent>

// A window that sees every key press meant for any of its controls before they do.
class KeyPreviewWindow {
public:
    virtual ~KeyPreviewWindow() = default;
    virtual void previewKeyPress(const QKeyEvent& event) = 0;
};

// The application: its title, the Chinese faces and Qt's Chinese texts, key preview for the
// main window, and the one place where errors no handler caught are reported.
class XundralApplication : public QApplication {
    Q_OBJECT
public:
    XundralApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
