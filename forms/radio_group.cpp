#include "forms/radio_group.h"

#include <QRadioButton>

#include <algorithm>

RadioGroup::RadioGroup(QWidget* parent, const char* name, const QRect& geometry,
                       const QStringList& items, int columns)
    : QGroupBox(parent) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
    const int rows = (int(items.size()) + columns - 1) / columns;
    const int columnWidth = (geometry.width() - 8) / columns;
    const int rowHeight = (geometry.height() - 14) / std::max(rows, 1);
    for (int index = 0; index < int(items.size()); ++index) {
        auto* button = new QRadioButton(items.at(index), this);
        button->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
        button->setShortcut(QKeySequence());
        const int column = index / rows;
        const int row = index % rows;
        button->setGeometry(8 + column * columnWidth, 10 + row * rowHeight, columnWidth - 2,
                            rowHeight);
        connect(button, &QRadioButton::toggled, this, [this] { updateTabStops(); });
        items_.push_back(button);
    }
    updateTabStops();
}

int RadioGroup::itemIndex() const {
    for (int index = 0; index < count(); ++index)
        if (items_.at(std::size_t(index))->isChecked())
            return index;
    return -1;
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) {
        item(index)->setChecked(true);
        return;
    }
    // Exclusive buttons refuse to be unchecked one by one while they are exclusive.
    for (QRadioButton* button : items_) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void RadioGroup::updateTabStops() {
    for (QRadioButton* button : items_)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}
