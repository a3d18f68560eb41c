#pragma once

#include "exam/answer_visibility.h"

#include <QScrollArea>
#include <QVector>

class SheetGrid;

// The answer sheet: one numbered cell per question of the exercise, in a grid that scrolls.
// It is painted, not built of child widgets, so that a bank of a thousand questions costs one
// widget and an answer repaints one cell.
class AnswerSheet : public QScrollArea {
    Q_OBJECT
public:
    explicit AnswerSheet(QWidget* parent = nullptr);

    // A fresh sheet of `count` cells, none current.
    void reset(const QVector<SheetCell>& cells);
    void setCell(int index, SheetCell state);
    // A marked (收藏) question's cell carries a star in its corner.
    void setFavourite(int index, bool marked);
    bool favourite(int index) const;
    // Marks the cell of the question shown and scrolls it into view; -1 marks none.
    void setCurrent(int index);

    int count() const;
    SheetCell cell(int index) const;
    int current() const;
    // Where the cell lies in the grid widget, for a click in a test.
    QRect cellRect(int index) const;
    QWidget* grid() const;

    // What the cells' colours and the star mean, as rich text in the same colours.
    static QString legend();

signals:
    // A cell was clicked: the question's 1-based place in the exercise.
    void questionChosen(int number);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    SheetGrid* grid_;
};
