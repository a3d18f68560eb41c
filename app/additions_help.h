#pragma once

#include <QWidget>

class QPlainTextEdit;

// A small window of our own on the commands and keys the original window lacks; the original's
// 系统帮助 stays as it was. Its text is additions_help.txt, one line a command or key.
class AdditionsHelp : public QWidget {
    Q_OBJECT
public:
    explicit AdditionsHelp(QWidget* host);

    // Shows the window in the middle of the host's 800-pixel layout.
    void popUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* host_;
    QPlainTextEdit* text_;
};
