#include "speech/sound_card_output.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cstring>

void SampleQueue::push(const QByteArray& samples) {
    samples_.append(samples);
    emit readyRead();
}

qint64 SampleQueue::readData(char* data, qint64 maxSize) {
    const qint64 count = qMin<qint64>(maxSize, samples_.size());
    std::memcpy(data, samples_.constData(), size_t(count));
    samples_.remove(0, count);
    return count;
}

SoundCardOutput::SoundCardOutput(QObject* parent)
    : AudioOutput(parent), device_(QMediaDevices::defaultAudioOutput()) {
    queue_.open(QIODevice::ReadOnly);
}

SoundCardOutput::~SoundCardOutput() {
    if (sink_)
        sink_->stop();
}

QString SoundCardOutput::unavailableReason() const {
    return available() ? QString() : QStringLiteral("没有可用的音频输出设备");
}

void SoundCardOutput::begin(int sampleRate) {
    stop();
    if (!available())
        return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!sink_ || sink_->format() != format) {
        sink_ = std::make_unique<QAudioSink>(device_, format);
        connect(sink_.get(), &QAudioSink::stateChanged, this, &SoundCardOutput::followState);
    }
    inputEnded_ = false;
}

void SoundCardOutput::append(const QByteArray& samples) {
    if (!sink_)
        return;
    queue_.push(samples);
    if (sink_->state() == QAudio::StoppedState)
        sink_->start(&queue_);
}

void SoundCardOutput::endOfInput() {
    inputEnded_ = true;
    if (!sink_ || (sink_->state() != QAudio::ActiveState && queue_.bytesAvailable() == 0))
        emit finished();
}

void SoundCardOutput::stop() {
    inputEnded_ = false;
    queue_.clear();
    if (sink_)
        sink_->stop();
}

void SoundCardOutput::followState() {
    // Idle means the queue ran dry: the end of the reading, or synthesis falling behind, in
    // which case the sink takes up the next piece as it arrives.
    if (sink_->state() == QAudio::IdleState && inputEnded_ && queue_.bytesAvailable() == 0) {
        inputEnded_ = false;
        sink_->stop();
        emit finished();
    }
}
