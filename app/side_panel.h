#pragma once

#include <QWidget>

class QGridLayout;
class QPushButton;
class QVBoxLayout;

// The area right of the window's 800-pixel layout, which a maximised window on a wide enough
// screen leaves empty. It never reaches into that layout: it starts where the question panel's
// frame ends and hides itself when the window leaves it too little room. A row of command
// buttons sits at its top and the study pane below.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    // The room right of the layout that the panel needs before it shows.
    static constexpr int kMinimumRoom = 200;

    explicit SidePanel(QWidget* host);

    // Buttons fill the row left to right, two to a line.
    void addCommand(QPushButton* button);
    void setPane(QWidget* pane);

    // Whether the host leaves the panel room; the panel shows exactly when it does.
    bool fits() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followHost();

    QWidget* host_;
    QWidget* commandRow_;
    QGridLayout* commands_;
    QVBoxLayout* column_;
    int commandCount_ = 0;
};
