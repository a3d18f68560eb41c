#include "app/resource_texts.h"

#include <QFile>

static void loadTextResources() {
    // The texts live in a static library, whose resource initialiser the linker would drop.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(texts);
        return true;
    }();
    Q_UNUSED(loaded);
}

QString resourceText(const QString& name) {
    loadTextResources();
    QFile file(QStringLiteral(":/texts/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}
