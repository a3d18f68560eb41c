// The chance of passing against simulated learners whose memory follows a law of its own: the
// predictions must match the pass rates, the interval cover the truth, and the estimate beat
// the last five mock exams. A fixed seed and a few hundred learners; bench/calibration.sh runs
// thousands.
#include "tests/simulation/learner_simulation.h"

#include <QTest>

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    void calibrated() {
        SimulationSettings settings;
        settings.learners = 400;
        settings.seed = 20261207;
        const CalibrationReport report = calibrationReport(simulateLearners(settings), 2.58);
        QVERIFY2(report.eligible >= 200, qPrintable(QString::number(report.eligible)));
        for (const ReliabilityBin& bin : report.bins) {
            if (bin.learners >= 15)
                QVERIFY2(bin.withinBand(), qPrintable(QStringLiteral("%1 predicted, %2 observed")
                                                          .arg(bin.meanPredicted)
                                                          .arg(bin.observed)));
        }
        QVERIFY2(
            report.brierModel < report.brierNaive,
            qPrintable(QStringLiteral("%1 vs %2").arg(report.brierModel).arg(report.brierNaive)));
        QVERIFY2(report.coverage > 0.8 && report.coverage < 0.98,
                 qPrintable(QString::number(report.coverage)));
    }
};

QTEST_GUILESS_MAIN(TestCalibration)
#include "test_calibration.moc"
