#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class AudioOutput;
class SpeechVoice;

// Reads a text aloud sentence by sentence: the first is synthesised at once and handed to the
// output, so speech starts while the rest is synthesised, one sentence per pass of the event
// loop, so keys are never kept waiting for more than one sentence.
class ReadAloudPlayer : public QObject {
    Q_OBJECT
public:
    ReadAloudPlayer(SpeechVoice& voice, AudioOutput& output, QObject* parent = nullptr);

    bool available() const;
    // Why nothing can be read aloud, or empty when it can.
    QString unavailableReason() const;

    void read(const QStringList& sentences);
    void stop();
    bool speaking() const { return speaking_; }

signals:
    void speakingChanged(bool speaking);

private:
    void synthesizeNext();
    void setSpeaking(bool speaking);

    SpeechVoice& voice_;
    AudioOutput& output_;
    QStringList pending_;
    QTimer streaming_;
    bool speaking_ = false;
};
