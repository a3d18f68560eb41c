// The question pictures as drawn: every file name once and in a format the program reads, and
// every panel lamp or control with a symbol that is lit, fits the picture and, for a lamp,
// glows in one of the four telltale colours a learner is taught to read.
#include "tools/pictures/picture_catalog.h"

#include <QColor>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

const QColor kPanel(22, 24, 28);

bool isPanelPicture(const QString& name) {
    static const std::array prefixes = {"lamp-", "switch-", "knob-", "stalk-", "gear-"};
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const char* prefix) { return name.startsWith(QLatin1String(prefix)); });
}

// Far enough from the dark panel to be ink rather than the faint halo behind it.
bool lit(QRgb pixel) {
    return std::max({std::abs(qRed(pixel) - kPanel.red()), std::abs(qGreen(pixel) - kPanel.green()),
                     std::abs(qBlue(pixel) - kPanel.blue())}) > 80;
}

enum class Telltale { Red, Amber, Green, Blue, Other };

Telltale telltaleOf(QRgb pixel) {
    const QColor colour = QColor::fromRgb(pixel);
    if (colour.hsvSaturation() < 120)
        return Telltale::Other;
    const int hue = colour.hsvHue();
    if (hue <= 18 || hue >= 340)
        return Telltale::Red;
    if (hue >= 25 && hue <= 55)
        return Telltale::Amber;
    if (hue >= 90 && hue <= 170)
        return Telltale::Green;
    if (hue >= 200 && hue <= 250)
        return Telltale::Blue;
    return Telltale::Other;
}

const std::vector<PictureSpec>& catalog() {
    static const std::vector<PictureSpec> pictures = questionPictures();
    return pictures;
}

} // namespace

class TestPanelPictures : public QObject {
    Q_OBJECT
private slots:
    void namesAreUniqueAndWritable() {
        QSet<QString> seen;
        QStringList problems;
        for (const PictureSpec& spec : catalog()) {
            if (seen.contains(spec.fileName))
                problems << spec.fileName +
                                QStringLiteral(" is drawn twice; one overwrites the other");
            seen.insert(spec.fileName);
            if (!spec.fileName.endsWith(QLatin1String(".jpg")) &&
                !spec.fileName.endsWith(QLatin1String(".bmp")))
                problems << spec.fileName + QStringLiteral(" is neither .jpg nor .bmp");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void panelSymbolsAreLitAndFit_data() {
        QTest::addColumn<int>("index");
        for (std::size_t index = 0; index < catalog().size(); ++index) {
            if (isPanelPicture(catalog()[index].fileName))
                QTest::newRow(qPrintable(catalog()[index].fileName)) << int(index);
        }
    }
    void panelSymbolsAreLitAndFit() {
        QFETCH(int, index);
        const PictureSpec& spec = catalog()[std::size_t(index)];
        const QImage image = spec.draw().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        const int ring = std::max(1, image.width() / 100);
        int litPixels = 0, litAtEdge = 0;
        std::array<int, 5> telltales{};
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (!lit(line[x]))
                    continue;
                ++litPixels;
                ++telltales[std::size_t(telltaleOf(line[x]))];
                if (x < ring || y < ring || x >= image.width() - ring || y >= image.height() - ring)
                    ++litAtEdge;
            }
        }
        const int area = image.width() * image.height();
        // The sparsest control, a gate of five letters, lights about a fiftieth of the picture;
        // a symbol drawn off the canvas or in the panel's own colour lights next to nothing.
        QVERIFY2(litPixels * 64 >= area,
                 qPrintable(QStringLiteral("only %1 of %2 pixels lit").arg(litPixels).arg(area)));
        // Ink on the border means part of the symbol was drawn off the picture.
        QVERIFY2(litAtEdge == 0,
                 qPrintable(QStringLiteral("%1 lit pixels on the border").arg(litAtEdge)));
        if (spec.fileName.startsWith(QLatin1String("lamp-"))) {
            const int main = *std::max_element(telltales.begin(), telltales.begin() + 4);
            QVERIFY2(main * 10 >= litPixels * 8,
                     qPrintable(QStringLiteral("%1 of %2 lit pixels in one telltale colour")
                                    .arg(main)
                                    .arg(litPixels)));
        }
    }
};

QTEST_MAIN(TestPanelPictures)
#include "test_panel_pictures.moc"
