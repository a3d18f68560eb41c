#include "app/test_driver.h"

#include "app/main_window.h"
#include "data/answer_code.h"
#include "exam/answer_line.h"
#include "forms/error_report.h"
#include "forms/message_box.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// One line per box; line breaks inside the text would split it.
QString oneLine(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void pressKey(TmainFrm& window, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(char16_t(key))));
    QCoreApplication::sendEvent(&window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(char16_t(key))));
    QCoreApplication::sendEvent(&window, &release);
}

void clickButton(TmainFrm& window, const char* name) {
    if (auto* button = window.findChild<QPushButton*>(QLatin1String(name)))
        button->click();
}

void act(TmainFrm& window, QRandomGenerator& random) {
    static const char* const modes[] = {"BitBtn1", "BitBtn3", "BitBtn4"};
    const bool onStartPanel = window.findChild<QWidget*>(QStringLiteral("GroupBox2"))->isHidden();
    const int roll = int(random.bounded(100));
    if (onStartPanel || roll < 3) {
        clickButton(window, modes[random.bounded(3)]);
        return;
    }
    static const Qt::Key answers[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_0};
    if (roll < 55)
        pressKey(window, answers[random.bounded(4)]);
    else if (roll < 78)
        pressKey(window, Qt::Key_6);
    else if (roll < 88)
        pressKey(window, Qt::Key_4);
    else
        pressKey(window, Qt::Key_8);
}

QRandomGenerator* driverRandom() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("XUNDRAL_TEST_DRIVE_SEED").toUInt(&ok);
    if (!ok)
        return nullptr;
    static QRandomGenerator random(seed);
    return &random;
}

} // namespace

void answerBoxesForTestsIfAsked() {
    QRandomGenerator* random = driverRandom();
    if (!random)
        return;
    MessageBox::setHandler([random](const MessageBox::Request& request) {
        MessageBox::Result result = MessageBox::Result::Ok;
        if (request.buttons == MessageBox::Buttons::OkCancel && random->bounded(10) == 0)
            result = MessageBox::Result::Cancel;
        if (request.buttons == MessageBox::Buttons::YesNo)
            result = random->bounded(2) == 0 ? MessageBox::Result::Yes : MessageBox::Result::No;
        const bool yes = result == MessageBox::Result::Ok || result == MessageBox::Result::Yes;
        say(QStringLiteral("box\t%1\t%2\t%3\t%4")
                .arg(request.icon == MessageBox::Icon::Error ? QStringLiteral("error")
                                                             : QStringLiteral("plain"),
                     yes ? QStringLiteral("yes") : QStringLiteral("no"), request.caption,
                     oneLine(request.text)));
        return result;
    });
}

void startTestDriverIfAsked(TmainFrm& window) {
    QRandomGenerator* random = driverRandom();
    if (!random)
        return;
    QObject::connect(&window, &TmainFrm::exerciseStarted, &window, [](ExamMode mode) {
        say(QStringLiteral("started\t%1").arg(examModeCode(mode)));
    });
    // What the answer line says is what the learner sees; it is read off the screen rather
    // than taken from the answer's signal, which comes before the answer is committed.
    auto* answerLineBox = window.findChild<QTextEdit*>(QStringLiteral("answerEdt"));
    QObject::connect(answerLineBox, &QTextEdit::textChanged, &window, [&window, answerLineBox] {
        const QString shown = answerLineBox->toPlainText();
        for (const AnswerCode code : {AnswerCode::A, AnswerCode::B, AnswerCode::C, AnswerCode::D}) {
            if (shown.startsWith(kAnswerLinePrefix + answerName(code)))
                say(QStringLiteral("answer\t%1\t%2")
                        .arg(window.curId())
                        .arg(answerCodeToColumn(code)));
        }
    });
    QObject::connect(&window, &TmainFrm::paperHandedIn, &window, [](const PaperResult& result) {
        say(QStringLiteral("handedin\t%1").arg(result.score));
    });
    // Seed 0 only answers and reports: a program that sits still holding its database.
    if (qEnvironmentVariable("XUNDRAL_TEST_DRIVE_SEED") != QLatin1String("0")) {
        auto* timer = new QTimer(&window);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, &window, [&window, random, timer] {
            runHandler([&] { act(window, *random); });
            timer->start(int(random->bounded(30)));
        });
        timer->start(0);
    }
    say(QStringLiteral("ready"));
}
