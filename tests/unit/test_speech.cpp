// The voice and the player, with no sound card: speech goes into buffers.
#include "exam/reading_text.h"
#include "speech/read_aloud_player.h"
#include "speech/speech_voice.h"
#include "speech/wav_file_output.h"
#include "tests/support/recording_output.h"

#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

struct Loudness {
    double rms = 0;
    double clippedShare = 0;
};

Loudness loudnessOf(const QByteArray& samples) {
    const auto* values = reinterpret_cast<const qint16*>(samples.constData());
    const qsizetype count = samples.size() / 2;
    double squares = 0;
    qsizetype clipped = 0;
    for (qsizetype i = 0; i < count; ++i) {
        squares += double(values[i]) * values[i];
        if (values[i] >= 32767 || values[i] <= -32768)
            ++clipped;
    }
    return count == 0 ? Loudness() : Loudness{std::sqrt(squares / count), double(clipped) / count};
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void synthesisedSpeechIsSoundSpeech_data();
    void synthesisedSpeechIsSoundSpeech();
    void voiceReadsThePinyinItIsGiven_data();
    void voiceReadsThePinyinItIsGiven();
    void playerStartsWithTheFirstSentenceAndStreamsTheRest();
    void stopCutsTheReadingShort();
    void wavFileHeader();
};

void TestSpeech::initTestCase() {
    SpeechVoice& voice = SpeechVoice::instance();
    QVERIFY2(voice.available(), qPrintable(voice.unavailableReason()));
    voice.setRate(SpeechVoice::kDefaultRate);
}

void TestSpeech::synthesisedSpeechIsSoundSpeech_data() {
    QTest::addColumn<QString>("shown");
    QTest::newRow("stem") << QStringLiteral("驾驶人在高速公路上行驶，车速超过每小时100公里时，"
                                            "应当与同车道前车保持100米以上的距离。");
    QTest::newRow("choices") << QStringLiteral("A，正确；B，错误。");
    QTest::newRow("numbers") << QStringLiteral("血液中酒精含量为80毫克/100毫升，一次记12分。");
}

void TestSpeech::synthesisedSpeechIsSoundSpeech() {
    QFETCH(QString, shown);
    SpeechVoice& voice = SpeechVoice::instance();
    const QString reading = readingText(shown);
    const QByteArray samples = voice.synthesize(reading);
    const double seconds = double(samples.size() / 2) / voice.sampleRate();
    // Syllables are the Han characters plus the pinyin written for them.
    const qsizetype syllables =
        reading.count(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]|[a-z]+[1-5]")));
    QVERIFY2(seconds > 0.12 * syllables && seconds < 0.6 * syllables,
             qPrintable(QStringLiteral("%1 s for %2 syllables").arg(seconds).arg(syllables)));
    const Loudness loudness = loudnessOf(samples);
    QVERIFY2(loudness.rms > 500, qPrintable(QString::number(loudness.rms)));
    QVERIFY2(loudness.clippedShare < 0.001, qPrintable(QString::number(loudness.clippedShare)));
}

void TestSpeech::voiceReadsThePinyinItIsGiven_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("phoneme");
    // The voice's own phonemes for the syllable the reading text decided.
    QTest::newRow("银行 háng") << QStringLiteral("银行") << QStringLiteral("X'a35N");
    QTest::newRow("重新 chóng") << QStringLiteral("重新") << QStringLiteral("ts.h'ong35");
    QTest::newRow("一次 yí") << QStringLiteral("一次") << QStringLiteral("j'i35");
    QTest::newRow("不是 bú") << QStringLiteral("不是") << QStringLiteral("p'u35");
    QTest::newRow("一般 yì") << QStringLiteral("一般") << QStringLiteral("j'i51");
    QTest::newRow("C1 xī yī") << QStringLiteral("C1") << QStringLiteral("S;'i55_| j'i55");
    QTest::newRow("百分之") << QStringLiteral("50%") << QStringLiteral("p'ai21");
}

void TestSpeech::voiceReadsThePinyinItIsGiven() {
    QFETCH(QString, shown);
    QFETCH(QString, phoneme);
    const QString phonemes = SpeechVoice::instance().phonemes(readingText(shown));
    QVERIFY2(phonemes.contains(phoneme), qPrintable(phonemes));
    QVERIFY2(!phonemes.contains(QStringLiteral("(en)")), qPrintable(phonemes));
}

void TestSpeech::playerStartsWithTheFirstSentenceAndStreamsTheRest() {
    RecordingOutput output;
    ReadAloudPlayer player(SpeechVoice::instance(), output);
    QSignalSpy speaking(&player, &ReadAloudPlayer::speakingChanged);
    player.read(
        {QStringLiteral("第一句。"), QStringLiteral("第二句；"), QStringLiteral("第三句。")});
    // On return the first sentence is playing and nothing else has been synthesised yet.
    QCOMPARE(output.readings, 1);
    QCOMPARE(output.pieces.size(), 1);
    QVERIFY(!output.pieces.front().isEmpty());
    QVERIFY(player.speaking());
    QTRY_VERIFY(output.ended);
    QCOMPARE(output.pieces.size(), 3);
    QVERIFY(!player.speaking());
    QCOMPARE(speaking.size(), 2);
    QCOMPARE(output.sampleRate, SpeechVoice::instance().sampleRate());
}

void TestSpeech::stopCutsTheReadingShort() {
    RecordingOutput output;
    ReadAloudPlayer player(SpeechVoice::instance(), output);
    player.read({QStringLiteral("第一句。"), QStringLiteral("第二句。")});
    const int stopsBefore = output.stops;
    player.stop();
    QVERIFY(!player.speaking());
    QCOMPARE(output.stops, stopsBefore + 1);
    QTest::qWait(50);
    QCOMPARE(output.pieces.size(), 1);
    QVERIFY(!output.ended);
}

void TestSpeech::wavFileHeader() {
    const QByteArray samples(8000, '\x01');
    const QByteArray wav = wavFileBytes(samples, 22050);
    QCOMPARE(wav.size(), 44 + samples.size());
    QVERIFY(wav.startsWith("RIFF"));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), 22050u);
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(samples.size()));
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
