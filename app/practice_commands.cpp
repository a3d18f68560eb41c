#include "app/practice_commands.h"

#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

const char* const kChapterTitles[] = {"道路交通安全法律、法规和规章", "交通信号",
                                      "安全行车、文明驾驶基础知识", "机动车驾驶操作相关基础知识"};

} // namespace

PracticeCommands::PracticeCommands(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("PracticeCommands"));
    chapterButton_ = new QPushButton(QStringLiteral("章节练习(&Z)"), window);
    chapterButton_->setObjectName(QStringLiteral("chapterPracticeButton"));
    wrongBookButton_ = new QPushButton(QStringLiteral("错题练习(&W)"), window);
    wrongBookButton_->setObjectName(QStringLiteral("wrongBookPracticeButton"));
    recordButton_ = new QPushButton(QStringLiteral("学习记录(&R)"), window);
    recordButton_->setObjectName(QStringLiteral("recordButton"));
    helpButton_ = new QPushButton(QStringLiteral("帮助(&B)"), window);
    helpButton_->setObjectName(QStringLiteral("additionsHelpButton"));
    readAloudButton_ = new QPushButton(QStringLiteral("朗读题目(9)"), window);
    readAloudButton_->setObjectName(QStringLiteral("readAloudButton"));
    readAloudSettingsButton_ = new QPushButton(QStringLiteral("朗读设置"), window);
    readAloudSettingsButton_->setObjectName(QStringLiteral("readAloudSettingsButton"));

    chapterMenu_ = new QMenu(window);
    chapterMenu_->setObjectName(QStringLiteral("chapterMenu"));
    for (int chapter = 1; chapter <= 4; ++chapter) {
        QAction* action =
            chapterMenu_->addAction(QStringLiteral("第%1章  %2")
                                        .arg(chapter)
                                        .arg(QString::fromUtf8(kChapterTitles[chapter - 1])));
        action->setObjectName(QStringLiteral("chapter%1Action").arg(chapter));
        connect(action, &QAction::triggered, this,
                [this, chapter] { emit chapterPracticeRequested(chapter); });
    }
    connect(chapterButton_, &QPushButton::clicked, this, [this] {
        chapterMenu_->popup(chapterButton_->mapToGlobal(QPoint(0, chapterButton_->height())));
    });
    connect(wrongBookButton_, &QPushButton::clicked, this,
            &PracticeCommands::wrongBookPracticeRequested);
    connect(recordButton_, &QPushButton::clicked, this, &PracticeCommands::recordRequested);
    connect(helpButton_, &QPushButton::clicked, this, &PracticeCommands::helpRequested);

    // Alt with the underlined letter presses a command wherever the focus is, as the window's
    // own commands do, also while the question panel is up.
    const std::pair<QKeyCombination, QPushButton*> accelerators[] = {
        {Qt::ALT | Qt::Key_Z, chapterButton_},
        {Qt::ALT | Qt::Key_W, wrongBookButton_},
        {Qt::ALT | Qt::Key_R, recordButton_},
        {Qt::ALT | Qt::Key_B, helpButton_},
        {QKeyCombination(Qt::Key_F1), helpButton_}};
    for (const auto& [key, button] : accelerators) {
        button->setShortcut(QKeySequence());
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QPushButton* target = button;
        connect(shortcut, &QShortcut::activated, target, [target] { target->click(); });
    }
    for (QPushButton* button : {chapterButton_, wrongBookButton_, recordButton_, helpButton_,
                                readAloudButton_, readAloudSettingsButton_}) {
        // The key map answers the digit keys; a focused button must not take Space or Enter
        // from the question panel either.
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
}
