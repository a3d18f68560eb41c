#pragma once

#include <QByteArray>
#include <QObject>

// Where synthesised speech goes: the sound card, a WAV file, or a test's recorder. A reading
// arrives in pieces, the first before the rest is synthesised.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False when there is nowhere to play, with the reason in the learner's words.
    virtual bool available() const { return true; }
    virtual QString unavailableReason() const { return QString(); }

    // A new reading of 16-bit mono samples at `sampleRate`; whatever was playing is dropped.
    virtual void begin(int sampleRate) = 0;
    virtual void append(const QByteArray& samples) = 0;
    // Nothing more comes for this reading: finished() follows once it has been heard.
    virtual void endOfInput() = 0;
    // Silence at once; no finished() for the reading cut short.
    virtual void stop() = 0;

signals:
    void finished();
};
