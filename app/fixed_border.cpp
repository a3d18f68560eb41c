#include "app/fixed_border.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// The window manager frames the window a moment after it maps; the frame is read once the
// window has stopped moving and resizing for this long.
constexpr int kSettleMs = 250;

class ScreenFiller : public QObject {
public:
    explicit ScreenFiller(QWidget& window) : QObject(&window), window_(window) {
        settle_.setSingleShot(true);
        settle_.setInterval(kSettleMs);
        connect(&settle_, &QTimer::timeout, this, &ScreenFiller::fill);
        window_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &window_ &&
            (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
            settle_.start();
        return false;
    }

private:
    void fill() {
        window_.removeEventFilter(this);
        const QRect area = window_.screen()->availableGeometry();
        const QRect frame = window_.frameGeometry();
        const QRect client = window_.geometry();
        const QSize frameExtra = frame.size() - client.size();
        window_.setFixedSize(area.size() - frameExtra);
        window_.move(area.topLeft());
        deleteLater();
    }

    QWidget& window_;
    QTimer settle_;
};

} // namespace

void showFixedFillingTheScreen(QWidget& window) {
    new ScreenFiller(window);
    window.show();
}
