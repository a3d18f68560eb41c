#pragma once

#include "speech/audio_output.h"

#include <QAudioDevice>
#include <QIODevice>

#include <memory>

class QAudioSink;

// The samples waiting to be played; the sink pulls from the front while synthesis appends.
class SampleQueue : public QIODevice {
    Q_OBJECT
public:
    using QIODevice::QIODevice;
    void clear() { samples_.clear(); }
    void push(const QByteArray& samples);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return samples_.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray samples_;
};

// The default audio output through Qt Multimedia. With no output device (a machine without a
// sound card or sound server) it is unavailable and the program reads nothing aloud.
class SoundCardOutput : public AudioOutput {
    Q_OBJECT
public:
    explicit SoundCardOutput(QObject* parent = nullptr);
    ~SoundCardOutput() override;

    bool available() const override { return !device_.isNull(); }
    QString unavailableReason() const override;
    void begin(int sampleRate) override;
    void append(const QByteArray& samples) override;
    void endOfInput() override;
    void stop() override;

private:
    void followState();

    QAudioDevice device_;
    SampleQueue queue_;
    std::unique_ptr<QAudioSink> sink_;
    bool inputEnded_ = false;
};
