#pragma once

#include <QWidget>

class QMenu;
class QPushButton;

// The commands the original window lacks: practice by chapter, practice on the wrong-question
// book and the learning record. They sit beside the original layout, each with an accelerator
// letter the window does not use yet (Z, W, R), and only announce what was asked for.
class PracticeCommands : public QWidget {
    Q_OBJECT
public:
    explicit PracticeCommands(QWidget* parent = nullptr);

    QPushButton* chapterButton() const { return chapterButton_; }
    QPushButton* wrongBookButton() const { return wrongBookButton_; }
    QPushButton* recordButton() const { return recordButton_; }
    QMenu* chapterMenu() const { return chapterMenu_; }

signals:
    void chapterPracticeRequested(int chapter);
    void wrongBookPracticeRequested();
    void recordRequested();

private:
    QPushButton* chapterButton_ = nullptr;
    QPushButton* wrongBookButton_ = nullptr;
    QPushButton* recordButton_ = nullptr;
    QMenu* chapterMenu_ = nullptr;
};
