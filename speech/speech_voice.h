#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// espeak-ng and its Mandarin pinyin voice. The library keeps one voice for the whole process, so
// this object stands for it: the first call initialises it, from the data folder the library was
// built with or from XUNDRAL_ESPEAK_DATA. Without its data or the voice the program goes on;
// `available()` is then false and `unavailableReason()` says why, in the learner's words.
class SpeechVoice {
public:
    static constexpr const char* kVoiceName = "cmn-latn-pinyin";
    static constexpr int kDefaultRate = 150; // words a minute; espeak's own 175 is hurried here
    static constexpr int kMinimumRate = 80;
    static constexpr int kMaximumRate = 260;

    static SpeechVoice& instance();
    ~SpeechVoice();
    SpeechVoice(const SpeechVoice&) = delete;
    SpeechVoice& operator=(const SpeechVoice&) = delete;

    bool available() const { return sampleRate_ > 0; }
    QString unavailableReason() const { return reason_; }
    int sampleRate() const { return sampleRate_; }

    void setRate(int wordsPerMinute);
    int rate() const { return rate_; }

    // 16-bit signed mono samples at sampleRate(), native byte order; empty when unavailable.
    // `cancelled` is asked between the library's chunks, so a long text can be given up early.
    QByteArray synthesize(const QString& reading, const std::function<bool()>& cancelled = {});
    // The voice's phonemes for `reading`, clause by clause on lines, as `espeak-ng -x` shows them.
    QString phonemes(const QString& reading);

private:
    SpeechVoice();

    bool initialised_ = false;
    int sampleRate_ = 0;
    int rate_ = kDefaultRate;
    QString reason_;
};
