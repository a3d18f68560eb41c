// The question pictures as the generator wrote them into the program folder: each file in the
// format its name promises, no two files showing the same drawing, and signal heads lit in the
// right lens, since a lamp in the wrong place teaches the wrong rule.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

#include <cmath>

namespace {

QString picDir() {
    return qEnvironmentVariable("XUNDRAL_PROGRAM_DIR") + QStringLiteral("/pic");
}

enum class Glow { Red, Yellow, Green, Dark };

Glow classify(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (r > 190 && g < 110 && b < 110)
        return Glow::Red;
    if (r > 200 && g > 140 && b < 90)
        return Glow::Yellow;
    if (g > 160 && r < 110 && b < 170)
        return Glow::Green;
    return Glow::Dark;
}

// The colour most pixels near a lens centre glow in; Dark when none glows.
Glow lensGlow(const QImage& image, QPointF designCentre, qreal designRadius) {
    const qreal scale = image.width() / 200.0;
    const QPointF c = designCentre * scale;
    const qreal r = designRadius * 0.7 * scale;
    int counts[4] = {0, 0, 0, 0};
    for (int y = int(c.y() - r); y <= int(c.y() + r); ++y)
        for (int x = int(c.x() - r); x <= int(c.x() + r); ++x)
            if (std::hypot(x - c.x(), y - c.y()) <= r)
                ++counts[int(classify(image.pixel(x, y)))];
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (counts[i] > counts[best])
            best = i;
    return counts[best] > 12 ? Glow(best) : Glow::Dark;
}

struct Lens {
    QPointF centre;
    Glow glow;
};

} // namespace

Q_DECLARE_METATYPE(QList<Lens>)

class TestGestureAndLightPictures : public QObject {
    Q_OBJECT
private slots:
    void everyFileHasTheFormatOfItsName() {
        const QFileInfoList files = QDir(picDir()).entryInfoList(QDir::Files);
        QVERIFY2(files.size() > 100, qPrintable(picDir()));
        QStringList wrong;
        for (const QFileInfo& info : files) {
            QFile file(info.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray start = file.read(2);
            const bool bmp = info.suffix() == QLatin1String("bmp");
            if (start != (bmp ? QByteArray("BM") : QByteArray("\xFF\xD8", 2)))
                wrong << info.fileName();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(' '))));
    }

    // A catalogue line pointing at the wrong drawing shows up as two files with one picture.
    void noTwoFilesShowTheSameDrawing() {
        const QFileInfoList files = QDir(picDir()).entryInfoList(QDir::Files, QDir::Name);
        std::vector<std::pair<QString, QImage>> images;
        for (const QFileInfo& info : files)
            images.emplace_back(info.fileName(),
                                QImage(info.filePath()).convertToFormat(QImage::Format_RGB32));
        QStringList same;
        for (std::size_t i = 0; i < images.size(); ++i)
            for (std::size_t j = i + 1; j < images.size(); ++j) {
                const QImage& a = images[i].second;
                const QImage& b = images[j].second;
                if (a.size() != b.size())
                    continue;
                int differing = 0;
                for (int y = 0; y < a.height() && differing <= 40; ++y) {
                    const QRgb* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
                    const QRgb* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
                    for (int x = 0; x < a.width(); ++x)
                        differing += std::abs(qRed(lineA[x]) - qRed(lineB[x])) > 40 ||
                                     std::abs(qGreen(lineA[x]) - qGreen(lineB[x])) > 40 ||
                                     std::abs(qBlue(lineA[x]) - qBlue(lineB[x])) > 40;
                }
                if (differing <= 40)
                    same << images[i].first + QStringLiteral(" = ") + images[j].first;
            }
        QVERIFY2(same.isEmpty(), qPrintable(same.join(QStringLiteral(", "))));
    }

    void signalHeadsLightTheRightLens_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<Lens>>("lenses");
        // Lens centres in design units: one head of three at x 100, two heads at x 58 and 142.
        const auto column = [](qreal x, Glow top, Glow middle, Glow bottom, qreal first,
                               qreal step) {
            return QList<Lens>{
                {{x, first}, top}, {{x, first + step}, middle}, {{x, first + 2 * step}, bottom}};
        };
        const Glow R = Glow::Red, Y = Glow::Yellow, G = Glow::Green, D = Glow::Dark;
        QTest::newRow("red") << "light-red.jpg" << column(100, R, D, D, 40, 60);
        QTest::newRow("yellow") << "light-yellow.bmp" << column(100, D, Y, D, 40, 60);
        QTest::newRow("green") << "light-green.jpg" << column(100, D, D, G, 40, 60);
        QTest::newRow("cycle red") << "light-cycle-red.jpg" << column(100, R, D, D, 40, 60);
        QTest::newRow("left red, straight green")
            << "light-left-red-straight-green.jpg"
            << column(58, R, D, D, 44, 56) + column(142, D, D, G, 44, 56);
        QTest::newRow("left red, disc green")
            << "light-left-red-green.jpg"
            << column(58, R, D, D, 44, 56) + column(142, D, D, G, 44, 56);
        QTest::newRow("disc red, right green")
            << "light-red-right-green.jpg"
            << column(58, R, D, D, 44, 56) + column(142, D, D, G, 44, 56);
        QTest::newRow("pedestrian green")
            << "light-pedestrian-green.jpg" << QList<Lens>{{{100, 64}, D}, {{100, 136}, G}};
    }
    void signalHeadsLightTheRightLens() {
        QFETCH(QString, file);
        QFETCH(QList<Lens>, lenses);
        const QImage image(picDir() + QLatin1Char('/') + file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        for (const Lens& lens : lenses)
            QVERIFY2(lensGlow(image, lens.centre, 22) == lens.glow,
                     qPrintable(QStringLiteral("%1: lens at %2,%3")
                                    .arg(file)
                                    .arg(lens.centre.x())
                                    .arg(lens.centre.y())));
    }

    // Stop and pull over are the two gestures with the left arm raised high; a raised glove on
    // any other gesture, or none on these two, changes which signal the picture teaches.
    void onlyStopAndPullOverRaiseAGlove() {
        const QStringList raised{QStringLiteral("police-stop.jpg"),
                                 QStringLiteral("police-pull-over.jpg")};
        // Each picture's twin drawn at twice the size for high-density screens is left out.
        QStringList gestures = QDir(picDir()).entryList({QStringLiteral("police-*")});
        gestures.removeIf([](const QString& file) { return file.contains(QLatin1String("@2x")); });
        QCOMPARE(gestures.size(), 8);
        for (const QString& file : gestures) {
            const QImage image(picDir() + QLatin1Char('/') + file);
            const qreal scale = image.width() / 200.0;
            int white = 0;
            for (int y = int(25 * scale); y < int(55 * scale); ++y)
                for (int x = int(138 * scale); x < int(172 * scale); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    white += qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
                }
            QVERIFY2((white > 20) == raised.contains(file),
                     qPrintable(QStringLiteral("%1: %2 glove pixels above the left shoulder")
                                    .arg(file)
                                    .arg(white)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGestureAndLightPictures)
#include "test_gesture_and_light_pictures.moc"
