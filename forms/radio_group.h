#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

// A framed group of radio buttons without a caption, laid out in columns, read and set by
// the index of the selected item (-1 for none). Only the selected item is a tab stop, so a
// group with nothing selected is passed over by Tab.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items,
               int columns);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return items_.at(std::size_t(index)); }
    int count() const { return int(items_.size()); }

private:
    void updateTabStops();

    std::vector<QRadioButton*> items_;
};
