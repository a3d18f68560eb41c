#pragma once

#include "speech/audio_output.h"

#include <QList>

// An audio output that keeps what it is given, in place of a sound card: each reading's pieces
// as they arrived, and whether the reading was ended or cut short.
class RecordingOutput : public AudioOutput {
    Q_OBJECT
public:
    void begin(int sampleRate) override {
        this->sampleRate = sampleRate;
        pieces.clear();
        ended = false;
        ++readings;
    }
    void append(const QByteArray& samples) override { pieces.append(samples); }
    void endOfInput() override {
        ended = true;
        emit finished();
    }
    void stop() override { ++stops; }

    QByteArray samples() const {
        QByteArray all;
        for (const QByteArray& piece : pieces)
            all += piece;
        return all;
    }

    int sampleRate = 0;
    int readings = 0;
    int stops = 0;
    bool ended = false;
    QList<QByteArray> pieces;
};
