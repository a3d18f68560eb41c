#include "app/practice_commands.h"

#include "data/topics.h"

#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

const char* const kChapterTitles[] = {"道路交通安全法律、法规和规章", "交通信号",
                                      "安全行车、文明驾驶基础知识", "机动车驾驶操作相关基础知识"};

} // namespace

QPushButton* PracticeCommands::addButton(QWidget* window, const QString& caption,
                                         const char* name) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(QLatin1String(name));
    buttons_.append(button);
    return button;
}

void PracticeCommands::popUnder(QMenu* menu, QPushButton* button) {
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

QList<QPushButton*> PracticeCommands::buttons() const {
    return buttons_;
}

PracticeCommands::PracticeCommands(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("PracticeCommands"));
    resumeButton_ = addButton(window, QStringLiteral("继续练习(&J)"), "resumePracticeButton");
    chapterButton_ = addButton(window, QStringLiteral("章节练习(&Z)"), "chapterPracticeButton");
    randomButton_ = addButton(window, QStringLiteral("随机练习(&X)"), "randomPracticeButton");
    topicButton_ = addButton(window, QStringLiteral("专项练习(&T)"), "topicPracticeButton");
    wrongBookButton_ = addButton(window, QStringLiteral("错题练习(&W)"), "wrongBookPracticeButton");
    mostMissedButton_ = addButton(window, QStringLiteral("易错题(&Y)"), "mostMissedPracticeButton");
    favouritesButton_ =
        addButton(window, QStringLiteral("收藏练习(&F)"), "favouritesPracticeButton");
    reviewButton_ = addButton(window, QStringLiteral("今日复习(&G)"), "reviewPracticeButton");
    recordButton_ = addButton(window, QStringLiteral("学习记录(&R)"), "recordButton");
    helpButton_ = addButton(window, QStringLiteral("帮助(&B)"), "additionsHelpButton");
    readAloudButton_ = addButton(window, QStringLiteral("朗读题目(9)"), "readAloudButton");
    readAloudSettingsButton_ =
        addButton(window, QStringLiteral("朗读设置"), "readAloudSettingsButton");
    createMenus(window);
    connectButtons();
    addAccelerators(window);
}

void PracticeCommands::createMenus(QWidget* window) {
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

    topicMenu_ = new QMenu(window);
    topicMenu_->setObjectName(QStringLiteral("topicMenu"));
    for (const Topic topic : allTopics()) {
        const QString name = topicName(topic);
        QAction* action = topicMenu_->addAction(name);
        action->setObjectName(QStringLiteral("topic%1Action").arg(int(topic)));
        connect(action, &QAction::triggered, this,
                [this, name] { emit topicPracticeRequested(name); });
    }
    topicMenu_->addSeparator();
    for (const QuestionKind kind :
         {QuestionKind::TrueFalse, QuestionKind::FourChoice, QuestionKind::Picture}) {
        QAction* action = topicMenu_->addAction(kindName(kind));
        action->setObjectName(QStringLiteral("kind%1Action").arg(int(kind)));
        connect(action, &QAction::triggered, this,
                [this, kind] { emit kindPracticeRequested(kind); });
    }
}

void PracticeCommands::connectButtons() {
    connect(resumeButton_, &QPushButton::clicked, this, &PracticeCommands::resumeRequested);
    connect(chapterButton_, &QPushButton::clicked, this,
            [this] { popUnder(chapterMenu_, chapterButton_); });
    connect(randomButton_, &QPushButton::clicked, this, &PracticeCommands::randomPracticeRequested);
    connect(topicButton_, &QPushButton::clicked, this,
            [this] { popUnder(topicMenu_, topicButton_); });
    connect(wrongBookButton_, &QPushButton::clicked, this,
            &PracticeCommands::wrongBookPracticeRequested);
    connect(mostMissedButton_, &QPushButton::clicked, this,
            &PracticeCommands::mostMissedPracticeRequested);
    connect(favouritesButton_, &QPushButton::clicked, this,
            &PracticeCommands::favouritesPracticeRequested);
    connect(reviewButton_, &QPushButton::clicked, this, &PracticeCommands::reviewPracticeRequested);
    connect(recordButton_, &QPushButton::clicked, this, &PracticeCommands::recordRequested);
    connect(helpButton_, &QPushButton::clicked, this, &PracticeCommands::helpRequested);
}

void PracticeCommands::addAccelerators(QWidget* window) {
    // Alt with the underlined letter presses a command wherever the focus is, as the window's
    // own commands do, also while the question panel is up.
    const std::pair<QKeyCombination, QPushButton*> accelerators[] = {
        {Qt::ALT | Qt::Key_J, resumeButton_},     {Qt::ALT | Qt::Key_Z, chapterButton_},
        {Qt::ALT | Qt::Key_X, randomButton_},     {Qt::ALT | Qt::Key_T, topicButton_},
        {Qt::ALT | Qt::Key_W, wrongBookButton_},  {Qt::ALT | Qt::Key_Y, mostMissedButton_},
        {Qt::ALT | Qt::Key_F, favouritesButton_}, {Qt::ALT | Qt::Key_R, recordButton_},
        {Qt::ALT | Qt::Key_B, helpButton_},       {QKeyCombination(Qt::Key_F1), helpButton_},
        {Qt::ALT | Qt::Key_G, reviewButton_}};
    for (const auto& [key, button] : accelerators) {
        button->setShortcut(QKeySequence());
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QPushButton* target = button;
        connect(shortcut, &QShortcut::activated, target, [target] { target->click(); });
    }
    for (QPushButton* button : std::as_const(buttons_)) {
        // The key map answers the digit keys; a focused button must not take Space or Enter
        // from the question panel either.
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
}
