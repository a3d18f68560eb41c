#include "app/side_panel.h"

#include "forms/font_faces.h"

#include <QEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The layout is 800 pixels wide, but the question panel's frame reaches 13 pixels further.
constexpr int kLayoutWidth = 800;
constexpr int kLayoutFrameRight = 813;
constexpr int kGap = 4;
constexpr int kMargin = 8;
// Two captions like "章节练习(Z)" fit side by side in the narrowest panel (200 px).
constexpr int kCommandsPerLine = 2;
// About 36 characters of the pane's 15-pixel text a line: wider, the eye loses the next line.
constexpr int kReadableWidth = 560;

} // namespace

SidePanel::SidePanel(QWidget* host) : QWidget(host), host_(host) {
    setObjectName(QStringLiteral("sidePanel"));
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(6);
    commandRow_ = new QWidget(this);
    commandRow_->setObjectName(QStringLiteral("commandRow"));
    commands_ = new QGridLayout(commandRow_);
    commands_->setContentsMargins(0, 0, 0, 0);
    commands_->setSpacing(4);
    // Commands keep their natural size; the room right of them stays empty.
    commands_->setColumnStretch(kCommandsPerLine, 1);
    commandRow_->hide();
    column_->addWidget(commandRow_);
    host_->installEventFilter(this);
    followHost();
}

void SidePanel::addCommand(QPushButton* button) {
    button->setFont(pixelFont(QStringLiteral("宋体"), 12));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    commands_->addWidget(button, commandCount_ / kCommandsPerLine,
                         commandCount_ % kCommandsPerLine);
    ++commandCount_;
    // A button the layout takes in would otherwise show only after the next event loop pass.
    button->show();
    commandRow_->show();
}

void SidePanel::setPane(QWidget* pane) {
    column_->addWidget(pane, 1);
}

bool SidePanel::fits() const {
    return host_->width() - kLayoutWidth >= kMinimumRoom;
}

bool SidePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        followHost();
    return QWidget::eventFilter(watched, event);
}

void SidePanel::followHost() {
    const int left = kLayoutFrameRight + kGap;
    setGeometry(left, kMargin, std::min(host_->width() - left - kMargin, kReadableWidth),
                host_->height() - 2 * kMargin);
    setVisible(fits());
}
