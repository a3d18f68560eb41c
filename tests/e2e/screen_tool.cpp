// Screenshots and pixel checks for the end-to-end tests, so that they need nothing beyond the
// X server and Qt.
//   screen_tool grab OUT.png            the whole screen, at the screen's own pixels
//   screen_tool button-face IMAGE X Y W H
//       prints how many pixels of the area have the light grey of a push button's face
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

int usage() {
    std::fprintf(stderr, "usage: screen_tool grab OUT.png | button-face IMAGE X Y W H\n");
    return 2;
}

bool buttonFace(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    // Neutral and light: neither the sky blue of the window nor the red of its texts.
    return std::abs(r - g) < 12 && std::abs(g - b) < 12 && r > 200;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3)
        return usage();
    const QByteArray command = argv[1];
    if (command == "grab" && argc == 3) {
        QGuiApplication app(argc, argv);
        // The screenshot keeps the screen's real pixels, not ones scaled back to logical size.
        QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        shot.setDevicePixelRatio(1);
        return shot.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    }
    if (command == "button-face" && argc == 7) {
        const QImage image(QString::fromLocal8Bit(argv[2]));
        if (image.isNull())
            return 1;
        const QRect area =
            QRect(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]))
                .intersected(image.rect());
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += buttonFace(image.pixel(x, y)) ? 1 : 0;
        std::printf("%d\n", count);
        return 0;
    }
    return usage();
}
