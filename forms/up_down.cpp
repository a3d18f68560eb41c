#include "forms/up_down.h"

#include "data/whole_number.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

QToolButton* makeArrow(QWidget* parent, const char* name, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent, const char* name, const QRect& geometry, QLineEdit* associate,
               int position)
    : QWidget(parent), associate_(associate), up_(makeArrow(this, "up", Qt::UpArrow)),
      down_(makeArrow(this, "down", Qt::DownArrow)), position_(position) {
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    associate_->installEventFilter(this);
}

void UpDown::stepBy(int steps) {
    // Text that is no whole number leaves the spinner where it last stood.
    const int shown = parseWholeNumber(associate_->text()).value_or(position_);
    const qint64 target = qint64(shown) + steps;
    position_ = int(std::clamp<qint64>(target, minimum_, maximum_));
    associate_->setText(QString::number(position_));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}
