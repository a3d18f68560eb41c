// The question pictures as the generator draws them: every name the banks can refer to is
// registered once with a format the writer knows, and every picture draws something, with no
// composite sign missing the sign it is built on.
#include "tools/pictures/picture_catalog.h"

#include <QSet>
#include <QTest>

class TestQuestionPictures : public QObject {
    Q_OBJECT
private slots:
    void namesAreUniqueAndSayTheirFormat() {
        QSet<QString> seen;
        QStringList failures;
        for (const PictureSpec& spec : questionPictures()) {
            if (seen.contains(spec.fileName))
                failures << spec.fileName + QStringLiteral(" is registered twice");
            seen.insert(spec.fileName);
            if (!spec.fileName.endsWith(QLatin1String(".jpg")) &&
                !spec.fileName.endsWith(QLatin1String(".bmp")))
                failures << spec.fileName + QStringLiteral(" is neither .jpg nor .bmp");
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void everyPictureDrawsWithoutPlaceholder() {
        QStringList failures;
        for (const PictureSpec& spec : questionPictures()) {
            const QImage image = spec.draw().convertToFormat(QImage::Format_RGB32);
            if (image.isNull()) {
                failures << spec.fileName + QStringLiteral(" draws nothing");
                continue;
            }
            QSet<QRgb> colours;
            bool placeholder = false;
            for (int y = 0; y < image.height() && !placeholder; ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    placeholder = placeholder || (line[x] & 0xFFFFFF) == 0xFF00FF;
                    if (colours.size() < 2)
                        colours.insert(line[x]);
                }
            }
            if (placeholder)
                failures << spec.fileName + QStringLiteral(" shows the placeholder of a "
                                                           "picture name it could not find");
            if (colours.size() < 2)
                failures << spec.fileName + QStringLiteral(" is a single colour");
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestQuestionPictures)
#include "test_question_pictures.moc"
