// Writes the program's pictures into the program folder: the question pictures into pic/,
// the start picture and the banner into resources/.
#include "tools/pictures/picture_catalog.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

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
    bool ok =
        writePicture(drawStartPicture(), program.filePath(QStringLiteral("resources/start.jpg")));
    ok = writePicture(drawBanner(), program.filePath(QStringLiteral("resources/banner.jpg"))) && ok;
    int count = 0;
    for (const PictureSpec& spec : questionPictures()) {
        ok = writePicture(spec.draw(), program.filePath(QStringLiteral("pic/") + spec.fileName)) &&
             ok;
        ++count;
    }
    std::printf("%d question pictures written\n", count);
    return ok ? 0 : 1;
}
