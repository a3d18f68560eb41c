#include "app/answer_window.h"

#include <QKeyEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr QSize kSize(380, 240);
// The middle of the 800 × 578 layout the window is designed for.
constexpr QPoint kLayoutCentre(400, 289);

} // namespace

AnswerWindow::AnswerWindow(QWidget* host) : QFrame(host, Qt::Popup), host_(host) {
    setObjectName(QStringLiteral("answerWindow"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 252, 232));
    setPalette(palette);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    widgets_ = makeStudyWidgets(this, layout);
    resize(kSize);
}

void AnswerWindow::popUp() {
    const QPoint centre = host_->mapToGlobal(kLayoutCentre);
    move(centre - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void AnswerWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}
