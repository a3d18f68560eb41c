// Writes the program's pictures into the program folder: the question pictures into pic/,
// the start picture and the banner into resources/. Each is written at its display size and,
// beside it with "@2x" before the extension, at twice that size for screens of device pixel
// ratio 2.
#include "tools/pictures/picture_catalog.h"
#include "tools/pictures/sign_painting.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

QString atScale(const QString& path, int scale) {
    if (scale == 1)
        return path;
    const QFileInfo info(path);
    return info.path() + QLatin1Char('/') + info.completeBaseName() +
           QStringLiteral("@%1x.").arg(scale) + info.suffix();
}

bool writePicture(const QImage& image, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QImageWriter writer(path, suffix == QLatin1String("bmp") ? "bmp" : "jpeg");
    if (suffix != QLatin1String("bmp"))
        writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures PROGRAM_FOLDER\n");
        return 2;
    }
    const QDir program(QString::fromLocal8Bit(argv[1]));
    program.mkpath(QStringLiteral("pic"));
    program.mkpath(QStringLiteral("resources"));
    bool ok = true;
    int count = 0;
    for (const int scale : {1, 2}) {
        pictures::setPictureScale(scale);
        const auto write = [&](const QImage& image, const QString& path) {
            ok = writePicture(image, atScale(program.filePath(path), scale)) && ok;
        };
        write(drawStartPicture(), QStringLiteral("resources/start.jpg"));
        write(drawBanner(), QStringLiteral("resources/banner.jpg"));
        for (const PictureSpec& spec : questionPictures()) {
            write(spec.draw(), QStringLiteral("pic/") + spec.fileName);
            count += scale == 1 ? 1 : 0;
        }
    }
    std::printf("%d question pictures written at two sizes\n", count);
    return ok ? 0 : 1;
}
