#pragma once

#include "app/study_widgets.h"

#include <QFrame>

// The right answer and its explanation in a small window of their own, for a screen that
// leaves the study pane no room. Any key or click closes it; the key does nothing else.
class AnswerWindow : public QFrame {
    Q_OBJECT
public:
    explicit AnswerWindow(QWidget* host);

    const StudyWidgets& widgets() const { return widgets_; }

    // Shows the window over the middle of the host's layout.
    void popUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* host_;
    StudyWidgets widgets_;
};
