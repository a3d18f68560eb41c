#include "speech/wav_file_output.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

void putLittle32(QByteArray& bytes, quint32 value) {
    char field[4];
    qToLittleEndian(value, field);
    bytes.append(field, 4);
}

void putLittle16(QByteArray& bytes, quint16 value) {
    char field[2];
    qToLittleEndian(value, field);
    bytes.append(field, 2);
}

} // namespace

QByteArray wavFileBytes(const QByteArray& samples, int sampleRate) {
    QByteArray bytes("RIFF");
    putLittle32(bytes, quint32(36 + samples.size()));
    bytes.append("WAVEfmt ");
    putLittle32(bytes, 16);
    putLittle16(bytes, 1); // PCM
    putLittle16(bytes, 1); // mono
    putLittle32(bytes, quint32(sampleRate));
    putLittle32(bytes, quint32(sampleRate * 2));
    putLittle16(bytes, 2);
    putLittle16(bytes, 16);
    bytes.append("data");
    putLittle32(bytes, quint32(samples.size()));
    // The samples arrive in the machine's order; a WAV file is little-endian.
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        bytes.append(samples);
    } else {
        for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
            bytes.append(samples.at(i + 1));
            bytes.append(samples.at(i));
        }
    }
    return bytes;
}

WavFileOutput::WavFileOutput(const QString& path, QObject* parent)
    : AudioOutput(parent), path_(path) {}

void WavFileOutput::begin(int sampleRate) {
    sampleRate_ = sampleRate;
    samples_.clear();
}

void WavFileOutput::append(const QByteArray& samples) {
    samples_.append(samples);
}

void WavFileOutput::endOfInput() {
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(wavFileBytes(samples_, sampleRate_));
        file.commit();
    }
    samples_.clear();
    emit finished();
}

void WavFileOutput::stop() {
    samples_.clear();
}
