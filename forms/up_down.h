#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Two arrow buttons bound to an edit: each click, or the Up and Down keys in the edit, steps
// the whole number shown there by one within the bounds and writes it back. The edit itself
// still takes any text; only the steps are bounded. The buttons never take the focus.
class UpDown : public QWidget {
    Q_OBJECT
public:
    // Bounded to 0..100, the range every spinner of the program has.
    UpDown(QWidget* parent, const char* name, const QRect& geometry, QLineEdit* associate,
           int position);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void stepBy(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
    int position_;
    int minimum_ = 0;
    int maximum_ = 100;
};
