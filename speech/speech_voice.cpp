#include "speech/speech_voice.h"

#include <QDir>
#include <QFileInfo>

#include <espeak-ng/espeak_ng.h>

namespace {

struct SynthesisTarget {
    QByteArray* samples;
    const std::function<bool()>* cancelled;
};

int collectSamples(short* samples, int count, espeak_EVENT* events) {
    auto* target = static_cast<SynthesisTarget*>(events ? events->user_data : nullptr);
    if (!target)
        return 0;
    if (samples && count > 0)
        target->samples->append(reinterpret_cast<const char*>(samples),
                                qsizetype(count) * qsizetype(sizeof(short)));
    // A non-zero return asks the library to stop synthesising.
    return (*target->cancelled && (*target->cancelled)()) ? 1 : 0;
}

} // namespace

SpeechVoice& SpeechVoice::instance() {
    static SpeechVoice voice;
    return voice;
}

SpeechVoice::SpeechVoice() {
    const QByteArray dataPath = qgetenv("XUNDRAL_ESPEAK_DATA");
    // The library ends the process on some failures of a data folder it cannot read, so a
    // folder named here is looked at first.
    if (!dataPath.isEmpty() &&
        !QFileInfo::exists(
            QDir(QString::fromLocal8Bit(dataPath)).filePath(QStringLiteral("phontab")))) {
        reason_ = QStringLiteral("未安装语音数据（espeak-ng-data）");
        return;
    }
    espeak_ng_InitializePath(dataPath.isEmpty() ? nullptr : dataPath.constData());
    if (espeak_ng_Initialize(nullptr) != ENS_OK) {
        reason_ = QStringLiteral("未安装语音数据（espeak-ng-data）");
        return;
    }
    initialised_ = true;
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK) {
        reason_ = QStringLiteral("语音合成无法启动");
        return;
    }
    if (espeak_ng_SetVoiceByName(kVoiceName) != ENS_OK) {
        reason_ = QStringLiteral("未安装普通话语音（cmn-latn-pinyin）");
        return;
    }
    espeak_SetSynthCallback(collectSamples);
    espeak_ng_SetParameter(espeakRATE, rate_, 0);
    sampleRate_ = espeak_ng_GetSampleRate();
    if (sampleRate_ <= 0)
        reason_ = QStringLiteral("语音合成无法启动");
}

SpeechVoice::~SpeechVoice() {
    if (initialised_)
        espeak_ng_Terminate();
}

void SpeechVoice::setRate(int wordsPerMinute) {
    rate_ = qBound(kMinimumRate, wordsPerMinute, kMaximumRate);
    if (available())
        espeak_ng_SetParameter(espeakRATE, rate_, 0);
}

QByteArray SpeechVoice::synthesize(const QString& reading, const std::function<bool()>& cancelled) {
    QByteArray samples;
    if (!available() || reading.trimmed().isEmpty())
        return samples;
    const QByteArray text = reading.toUtf8();
    SynthesisTarget target{&samples, &cancelled};
    espeak_ng_Synthesize(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                         espeakCHARS_UTF8, nullptr, &target);
    return samples;
}

QString SpeechVoice::phonemes(const QString& reading) {
    if (!available())
        return QString();
    const QByteArray text = reading.toUtf8();
    const void* position = text.constData();
    QStringList clauses;
    while (position) {
        const char* clause = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, 0);
        if (clause && *clause)
            clauses.append(QString::fromUtf8(clause).trimmed());
    }
    return clauses.join(QLatin1Char('\n'));
}
