#pragma once

#include <QString>
#include <QWidget>

// The floor of start-up and memory: a window that draws the texts of the program's start
// screen in the same faces at the same places, and its start picture, and nothing else.
class SameTextWindow : public QWidget {
public:
    explicit SameTextWindow(const QString& programFolder);
};
