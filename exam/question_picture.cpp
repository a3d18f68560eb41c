#include "exam/question_picture.h"

#include <QDir>
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
    const QSize size = reader.size();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        fail(QStringLiteral("图片文件 %1 有 %2 × %3 像素，太大，无法显示")
                 .arg(chosen)
                 .arg(size.width())
                 .arg(size.height()));
    QImage image = reader.read();
    if (image.isNull())
        fail(QStringLiteral("无法读取图片文件 %1：%2").arg(chosen, reader.errorString()));
    image.setDevicePixelRatio(chosen == path ? 1 : 2);
    return QPixmap::fromImage(image);
}

QString questionPicturePath(const QDir& folder, const QString& tp) {
    const QString base = QDir::cleanPath(folder.absolutePath());
    // Appended as it stands, as the program always has; a TP without its leading "/" names no
    // file inside the folder and is refused with the rest.
    QString path = QDir::cleanPath(base + tp);
    auto inside = [](const QString& place, const QString& root) {
        return !root.isEmpty() && place.startsWith(root + QLatin1Char('/'));
    };
    // The spelling first ("/../.."), then where the links on the way really lead.
    const QString real = QFileInfo(path).canonicalFilePath();
    if (!inside(path, base) ||
        (!real.isEmpty() && !inside(real, QFileInfo(base).canonicalFilePath())))
        fail(QStringLiteral("图片路径 %1 指向程序文件夹 %2 以外，不予显示").arg(tp, base));
    return path;
}

QSize pictureHeaderSize(const QString& path) {
    QImageReader reader(path);
    return reader.size();
}
