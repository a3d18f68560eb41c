#pragma once

#include <QByteArrayView>
#include <QString>

// A question's identity across re-imports: the bank tool renumbers ids, but a question with the
// same text, choices and picture is the same question. A changed text is a new question.
QString questionDigest(const QString& stnr, const QString (&choices)[4], const QString& tp);
// The same digest as the record's tables key it, from the stem, the four choices and the
// picture as UTF-8, for readers of a whole bank that would not build strings first.
qint64 questionDigestKey(const QByteArrayView (&texts)[6]);

// How the record's tables store a digest (one 64-bit integer), and back.
qint64 digestKey(const QString& digest);
QString digestFromKey(qint64 key);
