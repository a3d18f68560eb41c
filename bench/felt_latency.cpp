#include "bench/felt_latency.h"

#include "bench/bench_support.h"
#include "bench/honest_floors.h"
#include "bench/same_text_window.h"
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class PaintClock : public QObject {
public:
    PaintClock(QWidget* window, const QElapsedTimer& clock) : window_(window), clock_(clock) {}
    std::vector<qint64> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            paints.push_back(clock_.nsecsElapsed());
        return false;
    }

private:
    QWidget* window_;
    const QElapsedTimer& clock_;
};

// The floor: the same-text window that, on a key, stores the answer as the answer floor does (one
// durable commit), draws an answer line at once, blocks for the pause as the program does, then
// shows the next question's text.
class FloorWindow : public SameTextWindow {
public:
    explicit FloorWindow(const QString& database)
        : SameTextWindow(QFileInfo(database).absoluteDir().absolutePath() + QStringLiteral("/..")),
          folder_(database), db_(folder_.databasePath()) {
        db_.exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;");
        addFloorIndexes(db_);
        practice_ = std::make_unique<FloorPractice>(db_);
        answer_ = new QLabel(this);
        answer_->setGeometry(170, 460, 600, 20);
        question_ = new QLabel(this);
        question_->setGeometry(170, 100, 600, 80);
        question_->setWordWrap(true);
    }

protected:
    void keyPressEvent(QKeyEvent*) override {
        practice_->answer(1);
        answer_->setText(QStringLiteral("答案一，回答正确！"));
        answer_->repaint();
        QThread::msleep(kAnswerPauseMs);
        question_->setText(QStringLiteral("第%1题：驾驶机动车在道路上行驶，遇到前方路口信号灯"
                                          "为黄灯持续闪烁时，应当怎样做？")
                               .arg(++shown_));
    }

private:
    ScratchFolder folder_;
    FloorDb db_;
    std::unique_ptr<FloorPractice> practice_;
    QLabel* answer_ = nullptr;
    QLabel* question_ = nullptr;
    int shown_ = 0;
};

constexpr qint64 kBurstGap = 4 * 1000000;

double median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Felt {
    double choice, repaintStart, repaintEnd;
};

Felt measure(QWidget& window) {
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    PaintClock paints(&window, clock);
    qApp->installEventFilter(&paints);
    const qint64 pause = qint64(kAnswerPauseMs) * 1000000;
    const qint64 settle = 200 * 1000000LL;
    std::vector<double> choice, repaintEnd, repaintStart;
    const int keys = qEnvironmentVariableIsSet("XUNDRAL_BENCH_QUICK") ? 1 : 15;
    for (int key = 0; key < keys; ++key) {
        paints.paints.clear();
        const qint64 start = clock.nsecsElapsed();
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_1,
                                                           Qt::NoModifier, QStringLiteral("1")));
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyRelease, Qt::Key_1,
                                                           Qt::NoModifier, QStringLiteral("1")));
        while (clock.nsecsElapsed() < start + pause + settle)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // The repaint after the pause is one burst of paints; a later one (the clock line's
        // second) is not part of it.
        qint64 first = -1, firstAfter = -1, last = -1;
        for (qint64 at : paints.paints) {
            if (first < 0)
                first = at;
            if (at < start + pause)
                continue;
            if (last >= 0 && at - last > kBurstGap)
                break;
            if (firstAfter < 0)
                firstAfter = at;
            last = at;
        }
        if (first >= 0)
            choice.push_back(double(first - start) / 1e6);
        if (firstAfter >= 0)
            repaintStart.push_back(double(firstAfter - start - pause) / 1e6);
        if (last >= 0)
            repaintEnd.push_back(double(last - start - pause) / 1e6);
    }
    qApp->removeEventFilter(&paints);
    return {median(choice), median(repaintStart), median(repaintEnd)};
}

} // namespace

int runFeltLatency(const QString& database) {
    setAnswerPauseForTests(kAnswerPauseMs);
    Felt program{}, floor{};
    {
        ProgramFixture fixture(database);
        fixture.find<QPushButton>("BitBtn1")->click();
        program = measure(fixture.main());
        fixture.boxes.clear();
    }
    {
        FloorWindow window(database);
        window.show();
        window.activateWindow();
        floor = measure(window);
    }
    std::printf("{\"choice_ms\": %.2f, \"repaint_start_ms\": %.2f, \"after_pause_ms\": %.2f, "
                "\"floor_choice_ms\": %.2f, \"floor_after_pause_ms\": %.2f}\n",
                program.choice, program.repaintStart, program.repaintEnd, floor.choice,
                floor.repaintEnd);
    return 0;
}
