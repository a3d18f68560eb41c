#pragma once

#include "data/read_aloud_settings.h"

#include <QObject>

#include <memory>

class AdoConnection;
class AudioOutput;
class QPushButton;
class PracticeCommands;
class ReadAloudPlayer;
class TmainFrm;

// Reads the question on the main window aloud: key 9 or the 朗读题目 command starts and stops
// it, any answer or move stops it, and with automatic reading each question is read as it
// appears. Without a voice or a sound device the command is greyed and says why.
class ReadAloud : public QObject {
    Q_OBJECT
public:
    // The commands are the panel's 朗读题目 and 朗读设置.
    ReadAloud(TmainFrm& main, AdoConnection& connection, const PracticeCommands& commands);
    ~ReadAloud() override;

    // Where speech goes: the sound card unless XUNDRAL_SPEECH_WAV names a file; tests give a
    // recorder.
    void useOutput(std::unique_ptr<AudioOutput> output);

    bool speaking() const;
    void toggle();
    void stop();
    void editSettings();

protected:
    void customEvent(QEvent* event) override;

private:
    // Set up on first use: the voice and the sound device (or the output a test gave).
    ReadAloudPlayer& player();
    void readQuestion(int id);
    void loadSettings();
    void showState();

    TmainFrm& main_;
    AdoConnection& connection_;
    QPushButton* command_;
    QPushButton* settingsCommand_;
    ReadAloudSettings settings_;
    std::unique_ptr<AudioOutput> output_;
    std::unique_ptr<ReadAloudPlayer> player_;
};
