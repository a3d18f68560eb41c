#include "exam/question_picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <stdexcept>

namespace {

QByteArray formatForSuffix(const QString& suffix) {
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return "jpeg";
    if (lower == QLatin1String("bmp") || lower == QLatin1String("ico") ||
        lower == QLatin1String("png") || lower == QLatin1String("gif"))
        return lower.toLatin1();
    return QByteArray();
}

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

} // namespace

QString pictureForRatio(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1)
        return path;
    const QFileInfo info(path);
    const QString twin = info.path() + QLatin1Char('/') + info.completeBaseName() +
                         QStringLiteral("@2x.") + info.suffix();
    return QFileInfo(twin).isFile() ? twin : path;
}

QPixmap loadQuestionPicture(const QString& path) {
    const QFileInfo info(path);
    const QByteArray format = formatForSuffix(info.suffix());
    if (format.isEmpty())
        fail(QStringLiteral("无法识别的图片格式：%1").arg(path));
    if (!info.isFile())
        fail(QStringLiteral("找不到图片文件：%1").arg(path));
    const QString chosen = pictureForRatio(path, qApp->devicePixelRatio());
    QImageReader reader(chosen, format);
    QImage image = reader.read();
    if (image.isNull())
        fail(QStringLiteral("无法读取图片文件 %1：%2").arg(chosen, reader.errorString()));
    image.setDevicePixelRatio(chosen == path ? 1 : 2);
    return QPixmap::fromImage(image);
}
