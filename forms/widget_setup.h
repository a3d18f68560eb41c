#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;
class QWidget;

inline const QColor kSkyBlue(166, 202, 240);

// Small builders for the fixed-position controls of the windows: every control gets its
// name as objectName, its place, its font and, where given, its colours.
QLabel* makeLabel(QWidget* parent, const char* name, QPoint at, const QFont& font,
                  const QColor& color, const QString& text = QString());
QPushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, const QFont& font);
// A read-only, borderless rich-text box: its background, then the font and colour of its text.
QTextEdit* makeTextBox(QWidget* parent, const char* name, const QRect& geometry,
                       const QColor& background, const QFont& font, const QColor& color,
                       bool centred = false);

void fillBackground(QWidget* widget, const QColor& color);
// Sets an auto-sized label's caption; the label grows or shrinks with its text.
void setAutoCaption(QLabel* label, const QString& text);
// Replaces a text box's text, keeping its alignment.
void setBoxText(QTextEdit* box, const QString& text);

// Paints `widget` at once and hands the picture to the window system before returning, so it
// is on screen while the handler that asked goes on working (a draw, the answer pause) without
// returning to the event loop.
void paintNow(QWidget* widget);
// As paintNow, but paints only what changed since the last paint, anywhere in the window: the
// rest is on screen as it would be painted again.
void paintChangesNow(QWidget* window);
