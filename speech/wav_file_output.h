#pragma once

#include "speech/audio_output.h"

// Writes each reading to a WAV file instead of playing it, replacing the last one: the sink of
// machines without sound (XUNDRAL_SPEECH_WAV names the file) and of the end-to-end test.
class WavFileOutput : public AudioOutput {
    Q_OBJECT
public:
    explicit WavFileOutput(const QString& path, QObject* parent = nullptr);

    void begin(int sampleRate) override;
    void append(const QByteArray& samples) override;
    void endOfInput() override;
    void stop() override;

private:
    QString path_;
    int sampleRate_ = 0;
    QByteArray samples_;
};

// The bytes of a 16-bit mono PCM WAV file holding `samples`.
QByteArray wavFileBytes(const QByteArray& samples, int sampleRate);
