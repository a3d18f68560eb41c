#include "app/additions_help.h"

#include "app/resource_texts.h"
#include "data/program_version.h"
#include "forms/font_faces.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Within the 800 × 578 layout, so that it fits the smallest screen the program runs on.
constexpr QSize kSize(520, 420);
constexpr QPoint kLayoutCentre(400, 289);

} // namespace

AdditionsHelp::AdditionsHelp(QWidget* host)
    : QWidget(host, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint),
      host_(host) {
    setObjectName(QStringLiteral("additionsHelp"));
    setWindowTitle(QStringLiteral("帮助"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("additionsHelpText"));
    text_->setReadOnly(true);
    text_->setFont(pixelFont(QStringLiteral("宋体"), 15));
    text_->setPlainText(
        resourceText(QStringLiteral("additions_help.txt")) +
        QStringLiteral("\nXundral %1。程序代码以 GPL-3.0-or-later 发布，题库的题目、解析和"
                       "图片以 CC-BY-SA-4.0 发布。")
            .arg(programVersion()));
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(kSize);
}

void AdditionsHelp::popUp() {
    move(host_->mapToGlobal(kLayoutCentre) - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void AdditionsHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
