#include "bench/felt_latency.h"

#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>

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

constexpr qint64 kBurstGap = 4 * 1000000;

double median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int runFeltLatency(const QString& database) {
    setAnswerPauseForTests(kAnswerPauseMs);
    ProgramFixture program(database);
    program.find<QPushButton>("BitBtn1")->click();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    PaintClock paints(&program.main(), clock);
    qApp->installEventFilter(&paints);
    const qint64 pause = qint64(kAnswerPauseMs) * 1000000;
    const qint64 settle = 200 * 1000000LL;
    std::vector<double> choice, afterPause;
    const int keys = qEnvironmentVariableIsSet("XUNDRAL_BENCH_QUICK") ? 1 : 15;
    for (int key = 0; key < keys; ++key) {
        paints.paints.clear();
        const qint64 start = clock.nsecsElapsed();
        QCoreApplication::postEvent(
            &program.main(),
            new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")));
        QCoreApplication::postEvent(
            &program.main(),
            new QKeyEvent(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")));
        while (clock.nsecsElapsed() < start + pause + settle)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // The repaint after the pause is one burst of paints; a later one (the clock line's
        // second) is not part of it.
        qint64 first = -1, last = -1;
        for (qint64 at : paints.paints) {
            if (first < 0)
                first = at;
            if (at < start + pause)
                continue;
            if (last >= 0 && at - last > kBurstGap)
                break;
            last = at;
        }
        if (first >= 0)
            choice.push_back(double(first - start) / 1e6);
        if (last >= 0)
            afterPause.push_back(double(last - start - pause) / 1e6);
    }
    qApp->removeEventFilter(&paints);
    program.boxes.clear();
    std::printf("{\"choice_ms\": %.2f, \"after_pause_ms\": %.2f, \"keys\": %d}\n", median(choice),
                median(afterPause), keys);
    return 0;
}
