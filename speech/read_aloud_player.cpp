#include "speech/read_aloud_player.h"

#include "speech/audio_output.h"
#include "speech/speech_voice.h"

ReadAloudPlayer::ReadAloudPlayer(SpeechVoice& voice, AudioOutput& output, QObject* parent)
    : QObject(parent), voice_(voice), output_(output) {
    streaming_.setSingleShot(true);
    streaming_.setInterval(0);
    connect(&streaming_, &QTimer::timeout, this, &ReadAloudPlayer::synthesizeNext);
    connect(&output_, &AudioOutput::finished, this, [this] {
        if (pending_.isEmpty())
            setSpeaking(false);
    });
}

bool ReadAloudPlayer::available() const {
    return voice_.available() && output_.available();
}

QString ReadAloudPlayer::unavailableReason() const {
    return !voice_.available() ? voice_.unavailableReason() : output_.unavailableReason();
}

void ReadAloudPlayer::read(const QStringList& sentences) {
    stop();
    if (!available() || sentences.isEmpty())
        return;
    pending_ = sentences;
    output_.begin(voice_.sampleRate());
    setSpeaking(true);
    synthesizeNext();
}

void ReadAloudPlayer::stop() {
    streaming_.stop();
    pending_.clear();
    output_.stop();
    setSpeaking(false);
}

void ReadAloudPlayer::synthesizeNext() {
    if (pending_.isEmpty())
        return;
    output_.append(voice_.synthesize(pending_.takeFirst()));
    if (pending_.isEmpty())
        output_.endOfInput();
    else
        streaming_.start();
}

void ReadAloudPlayer::setSpeaking(bool speaking) {
    if (speaking_ == speaking)
        return;
    speaking_ = speaking;
    emit speakingChanged(speaking);
}
