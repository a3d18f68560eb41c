// Reading the question aloud on key 9, with a recorder in place of the sound card.
#include "exam/answer_pause.h"
#include "forms/read_aloud_dialog.h"
#include "speech/speech_voice.h"
#include "tests/support/program_fixture.h"
#include "tests/support/recording_output.h"

#include <QAudioDevice>
#include <QCheckBox>
#include <QMediaDevices>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

BankSources practiceBank() {
    BankSources sources = sampleSources(4, 30, 25);
    sources.sysParam.ifjump = 1;
    sources.sysParam.ifshow = 1;
    return sources;
}

// Starts sequential practice with speech going to a recorder.
RecordingOutput& startPractice(ProgramFixture& program) {
    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput& recorder = *output;
    program.windows->readAloud->useOutput(std::move(output));
    program.find<QPushButton>("BitBtn1")->click();
    return recorder;
}

} // namespace

class TestReadAloud : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void keyNineReadsAndAnswersOrMovesStop() {
        if (!SpeechVoice::instance().available())
            QSKIP("no voice installed");
        ProgramFixture program(practiceBank());
        RecordingOutput& output = startPractice(program);
        auto* command = program.find<QPushButton>("readAloudButton");
        QVERIFY(command->isEnabled());
        const QString answerLine = program.box("answerEdt");

        program.key(Qt::Key_9);
        // The first sentence is already with the output when the key returns.
        QCOMPARE(output.readings, 1);
        QCOMPARE(output.pieces.size(), 1);
        QVERIFY(command->isChecked());
        QVERIFY(!command->icon().isNull());
        // Key 9 is not a key of the original map: nothing else moved.
        QCOMPARE(program.main().curNum(), 1);
        QCOMPARE(program.box("answerEdt"), answerLine);
        QCOMPARE(program.mark(1), 5);

        // An answer stops the reading before anything more is synthesised.
        const int stops = output.stops;
        program.key(Qt::Key_1);
        QVERIFY(output.stops > stops);
        QVERIFY(!command->isChecked());
        QVERIFY(command->icon().isNull());
        QCOMPARE(program.mark(1), 1);
        QCOMPARE(program.main().curNum(), 2);

        // Key 9 again stops; a move stops; the command reads like the key.
        program.key(Qt::Key_9);
        QVERIFY(command->isChecked());
        program.key(Qt::Key_9);
        QVERIFY(!command->isChecked());
        program.key(Qt::Key_9);
        program.key(Qt::Key_4);
        QVERIFY(!command->isChecked());
        QCOMPARE(program.main().curNum(), 1);
        command->click();
        QVERIFY(command->isChecked());
        QTRY_VERIFY(output.ended);
        QVERIFY(!command->isChecked());
        QCOMPARE(output.readings, 4);
        // The whole question and its choices: "第1章第1题。A，正确；B，错误。" in three pieces.
        QCOMPARE(output.pieces.size(), 3);
    }

    void automaticReadingFromOurOwnSettings() {
        if (!SpeechVoice::instance().available())
            QSKIP("no voice installed");
        ProgramFixture program(practiceBank());
        RecordingOutput& output = startPractice(program);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ReadAloudDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QSpinBox*>(QStringLiteral("readAloudRate"))->setValue(120);
            dialog->findChild<QCheckBox*>(QStringLiteral("readAloudAuto"))->setChecked(true);
            dialog->accept();
        });
        program.find<QPushButton>("readAloudSettingsButton")->click();
        QCOMPARE(program.folder.scalar(QStringLiteral("select RATE from READ_ALOUD")), 120);
        QCOMPARE(program.folder.scalar(QStringLiteral("select AUTO_READ from READ_ALOUD")), 1);

        // Each question shown is read once the handler that showed it is done.
        program.key(Qt::Key_1);
        QTRY_COMPARE(output.readings, 1);
        QCOMPARE(SpeechVoice::instance().rate(), 120);
        program.key(Qt::Key_6);
        QTRY_COMPARE(output.readings, 2);
        QCOMPARE(program.main().curNum(), 3);
    }

    // Run with XUNDRAL_ESPEAK_DATA naming an empty folder, and on a machine without sound.
    void startsWithoutVoiceOrSoundDevice() {
        const bool noVoice = !SpeechVoice::instance().available();
        const bool noDevice = QMediaDevices::defaultAudioOutput().isNull();
        if (!noVoice && !noDevice)
            QSKIP("this machine has both a voice and a sound device");
        ProgramFixture program(practiceBank());
        program.find<QPushButton>("BitBtn1")->click();
        auto* command = program.find<QPushButton>("readAloudButton");
        QVERIFY(!command->isEnabled());
        QCOMPARE(command->toolTip(), noVoice ? QStringLiteral("未安装语音数据（espeak-ng-data）")
                                             : QStringLiteral("没有可用的音频输出设备"));
        program.key(Qt::Key_9);
        QVERIFY(!command->isChecked());
        program.key(Qt::Key_1);
        QCOMPARE(program.mark(1), 1);
        QCOMPARE(program.main().curNum(), 2);
    }
};

XUNDRAL_TEST_MAIN(TestReadAloud)
#include "test_read_aloud.moc"
