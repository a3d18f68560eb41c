#include "data/digest_key.h"

#include <QByteArray>
#include <QCryptographicHash>

// A digest's sixteen hex digits as one integer: a few bytes a row instead of sixteen.
qint64 digestKey(const QString& digest) {
    return qint64(digest.toULongLong(nullptr, 16));
}

QString digestFromKey(qint64 key) {
    return QStringLiteral("%1").arg(quint64(key), 16, 16, QLatin1Char('0'));
}

qint64 questionDigestKey(const QByteArrayView (&texts)[6]) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    // A separator no question text holds keeps "ab"+"c" apart from "a"+"bc".
    const char separator = 0x1f;
    hash.addData(texts[0]);
    for (std::size_t text = 1; text < 6; ++text) {
        hash.addData(QByteArrayView(&separator, 1));
        hash.addData(texts[text]);
    }
    // 64 bits tell thousands of questions apart with room to spare (the chance that two of
    // 3,000 share one is below 1e-12), and the book keeps them as one integer a row.
    const QByteArrayView result = hash.resultView();
    quint64 key = 0;
    for (qsizetype byte = 0; byte < 8; ++byte)
        key = key << 8 | quint8(result[byte]);
    return qint64(key);
}

QString questionDigest(const QString& stnr, const QString (&choices)[4], const QString& tp) {
    const QByteArray texts[6] = {stnr.toUtf8(),       choices[0].toUtf8(), choices[1].toUtf8(),
                                 choices[2].toUtf8(), choices[3].toUtf8(), tp.toUtf8()};
    const QByteArrayView views[6] = {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
    return digestFromKey(questionDigestKey(views));
}
