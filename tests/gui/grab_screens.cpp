// Grabs the program's screens offscreen into PNG files, one per step of a fixed walk through
// every exercise, so that two builds can be compared byte for byte after a change that must
// not show:  grab_screens OUTDIR
// Papers draw every question of their chapters, so the walk is the same at every run; the
// clock line is held still.
#include "tests/support/program_fixture.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

class Walk {
public:
    explicit Walk(const QString& folder) : folder_(folder) {}

    void grab(ProgramFixture& program, const QString& name) {
        QCoreApplication::processEvents();
        program.find<QLabel>("datelabel")
            ->setText(QStringLiteral("当前时间：2026年1月1日   08时00分00 秒"));
        program.find<QTimer>("Timer2")->stop();
        program.main().grab().save(
            folder_ + QStringLiteral("/%1-%2.png").arg(++step_, 2, 10, QLatin1Char('0')).arg(name));
    }

private:
    QString folder_;
    int step_ = 0;
};

BankSources walkBank() {
    BankSources sources = sampleSources(4, 6, 6);
    for (BankQuestion& question : sources.common)
        question.explanation = question.text + QStringLiteral("的解析。");
    sources.sysParam.ifjump = 0;
    sources.sysParam.ifshow = 1;
    return sources;
}

} // namespace

int main(int argc, char** argv) {
    XundralApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    setAnswerPauseForTests(0);
    Walk walk(folder);
    for (const QSize size : {QSize(800, 578), QSize(1024, 740)}) {
        ProgramFixture program(walkBank());
        program.main().resize(size);
        const QString at = QString::number(size.width());
        walk.grab(program, at + QStringLiteral("-start"));
        program.find<QPushButton>("BitBtn8")->click();
        walk.grab(program, at + QStringLiteral("-help"));
        program.find<QPushButton>("BitBtn1")->click();
        walk.grab(program, at + QStringLiteral("-sequential"));
        program.key(Qt::Key_1);
        walk.grab(program, at + QStringLiteral("-answered"));
        program.key(Qt::Key_6);
        program.key(Qt::Key_2);
        program.key(Qt::Key_4);
        walk.grab(program, at + QStringLiteral("-back"));
        program.key(Qt::Key_5);
        walk.grab(program, at + QStringLiteral("-key5"));
        program.key(Qt::Key_8);
        walk.grab(program, at + QStringLiteral("-ended"));
        program.find<QPushButton>("BitBtn3")->click();
        program.key(Qt::Key_3);
        program.key(Qt::Key_6);
        walk.grab(program, at + QStringLiteral("-mock-practice"));
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::No);
        program.key(Qt::Key_8);
        walk.grab(program, at + QStringLiteral("-handed-in"));
        program.find<QPushButton>("BitBtn4")->click();
        program.key(Qt::Key_0);
        program.key(Qt::Key_1);
        walk.grab(program, at + QStringLiteral("-mock-exam"));
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::Yes);
        program.key(Qt::Key_8);
        walk.grab(program, at + QStringLiteral("-review"));
        program.windows->wrongAnswers.grab().save(folder +
                                                  QStringLiteral("/%1-wrong-list.png").arg(at));
        program.windows->wrongAnswers.close();
        program.main().ChapterPracticeClick(2);
        walk.grab(program, at + QStringLiteral("-chapter"));
        program.key(Qt::Key_2);
        program.key(Qt::Key_6);
        walk.grab(program, at + QStringLiteral("-chapter-next"));
        program.key(Qt::Key_8);
        program.main().WrongBookPracticeClick();
        walk.grab(program, at + QStringLiteral("-wrong-book"));
        program.key(Qt::Key_8);
        program.find<QAction>("C")->trigger();
        walk.grab(program, at + QStringLiteral("-small-car"));
        program.windows->systemSet.show();
        program.windows->systemSet.grab().save(folder + QStringLiteral("/%1-settings.png").arg(at));
        program.windows->systemSet.hide();
    }
    return 0;
}
