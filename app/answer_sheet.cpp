#include "app/answer_sheet.h"

#include "forms/font_faces.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kSpacing = 3;
constexpr int kCellHeight = 22;
const QColor kFavouriteColour(192, 112, 0);

QColor fillFor(SheetCell state) {
    switch (state) {
    case SheetCell::NotAnswered:
        return Qt::white;
    case SheetCell::Answered:
        return QColor(176, 198, 230);
    case SheetCell::Right:
        return QColor(140, 208, 140);
    case SheetCell::Wrong:
        return QColor(236, 136, 136);
    }
    return Qt::white;
}

} // namespace

class SheetGrid : public QWidget {
public:
    explicit SheetGrid(AnswerSheet* sheet) : QWidget(sheet), sheet_(sheet) {
        setObjectName(QStringLiteral("sheetGrid"));
        setFont(pixelFont(QStringLiteral("宋体"), 12));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QVector<SheetCell> cells;
    QVector<bool> favourites;
    int current = -1;

    // Wide enough for the largest number; the cells of a line then share the width.
    int narrowestCell() const {
        const QString widest(QString::number(cells.size()).size(), QLatin1Char('0'));
        return qMax(28, fontMetrics().horizontalAdvance(widest) + 10);
    }
    int columnsFor(int width) const {
        return qMax(1, (width + kSpacing) / (narrowestCell() + kSpacing));
    }
    int columns() const { return columnsFor(width()); }
    int cellWidth() const {
        return qMax(narrowestCell(), (width() + kSpacing) / columns() - kSpacing);
    }
    int heightFor(int width) const {
        const int perLine = columnsFor(width);
        const int lines = (int(cells.size()) + perLine - 1) / perLine;
        return qMax(0, lines * (kCellHeight + kSpacing) - kSpacing);
    }
    QRect cellRect(int index) const {
        const int perLine = columns();
        return QRect((index % perLine) * (cellWidth() + kSpacing),
                     (index / perLine) * (kCellHeight + kSpacing), cellWidth(), kCellHeight);
    }
    int cellAt(QPoint point) const {
        const int column = point.x() / (cellWidth() + kSpacing);
        const int line = point.y() / (kCellHeight + kSpacing);
        if (column >= columns() || point.x() < 0 || point.y() < 0)
            return -1;
        const int index = line * columns() + column;
        if (index >= cells.size() || !cellRect(index).contains(point))
            return -1;
        return index;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        const int perLine = columns();
        const int firstLine = event->rect().top() / (kCellHeight + kSpacing);
        const int lastLine = event->rect().bottom() / (kCellHeight + kSpacing);
        for (int line = firstLine; line <= lastLine; ++line) {
            for (int column = 0; column < perLine; ++column) {
                const int index = line * perLine + column;
                if (index >= cells.size())
                    return;
                paintCell(painter, index);
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        const int index = cellAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index >= 0)
            emit sheet_->questionChosen(index + 1);
    }

private:
    void paintCell(QPainter& painter, int index) {
        const QRect rect = cellRect(index);
        painter.fillRect(rect, fillFor(cells.at(index)));
        if (index == current) {
            painter.setPen(QPen(QColor(0, 0, 160), 2));
            painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
        } else {
            painter.setPen(QColor(120, 140, 170));
            painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignCenter, QString::number(index + 1));
        if (index < favourites.size() && favourites.at(index)) {
            painter.setPen(kFavouriteColour);
            painter.drawText(rect.adjusted(1, -2, -1, 0), Qt::AlignTop | Qt::AlignRight,
                             QStringLiteral("★"));
        }
    }

    AnswerSheet* sheet_;
};

AnswerSheet::AnswerSheet(QWidget* parent) : QScrollArea(parent), grid_(new SheetGrid(this)) {
    setObjectName(QStringLiteral("answerSheet"));
    setWidget(grid_);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the grid's width does not change when a long sheet needs it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The number keys belong to the exercise; a focused cell would take Space and Enter too.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);
}

void AnswerSheet::reset(const QVector<SheetCell>& cells) {
    grid_->cells = cells;
    grid_->favourites.fill(false, cells.size());
    grid_->current = -1;
    grid_->resize(viewport()->width(), grid_->heightFor(viewport()->width()));
    grid_->update();
    verticalScrollBar()->setValue(0);
}

void AnswerSheet::setCell(int index, SheetCell state) {
    if (index < 0 || index >= grid_->cells.size() || grid_->cells.at(index) == state)
        return;
    grid_->cells[index] = state;
    grid_->update(grid_->cellRect(index));
}

void AnswerSheet::setFavourite(int index, bool marked) {
    if (index < 0 || index >= grid_->favourites.size() || grid_->favourites.at(index) == marked)
        return;
    grid_->favourites[index] = marked;
    grid_->update(grid_->cellRect(index));
}

bool AnswerSheet::favourite(int index) const {
    return index >= 0 && index < grid_->favourites.size() && grid_->favourites.at(index);
}

void AnswerSheet::setCurrent(int index) {
    if (index == grid_->current)
        return;
    const int previous = grid_->current;
    grid_->current = index >= 0 && index < grid_->cells.size() ? index : -1;
    if (previous >= 0)
        grid_->update(grid_->cellRect(previous));
    if (grid_->current >= 0) {
        const QRect rect = grid_->cellRect(grid_->current);
        grid_->update(rect);
        // A few lines of context above and below, so the next questions are in view too.
        ensureVisible(rect.center().x(), rect.center().y(), 0, viewport()->height() / 4);
    }
}

QString AnswerSheet::legend() {
    const auto swatch = [](SheetCell state, const QString& name) {
        // An unanswered cell is white: its sign is an outline.
        const bool outline = state == SheetCell::NotAnswered;
        return QStringLiteral("<span style=\"color:%1\">%2</span>%3")
            .arg(outline ? QStringLiteral("#7890b0") : fillFor(state).name(),
                 outline ? QStringLiteral("□") : QStringLiteral("■"), name);
    };
    return swatch(SheetCell::NotAnswered, QStringLiteral("未答 ")) +
           swatch(SheetCell::Answered, QStringLiteral("已答 ")) +
           swatch(SheetCell::Right, QStringLiteral("答对 ")) +
           swatch(SheetCell::Wrong, QStringLiteral("答错 ")) +
           QStringLiteral("<span style=\"color:%1\">★</span>收藏").arg(kFavouriteColour.name());
}

int AnswerSheet::count() const {
    return int(grid_->cells.size());
}

SheetCell AnswerSheet::cell(int index) const {
    return grid_->cells.at(index);
}

int AnswerSheet::current() const {
    return grid_->current;
}

QRect AnswerSheet::cellRect(int index) const {
    return grid_->cellRect(index);
}

QWidget* AnswerSheet::grid() const {
    return grid_;
}

void AnswerSheet::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    // The grid takes the viewport's width and as many lines as its cells need.
    const int width = viewport()->width();
    grid_->resize(width, grid_->heightFor(width));
}
