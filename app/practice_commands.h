#pragma once

#include <QObject>

class QWidget;

class QMenu;
class QPushButton;

// The commands the original window lacks: practice by chapter, practice on the wrong-question
// book, the learning record and a help on these additions. Their buttons go wherever the program
// puts them beside the original layout; Alt with a letter the window does not use yet (Z, W, R)
// presses them in `window` whether or not they can be seen (the help also F1). They only announce
// what was asked for.
class PracticeCommands : public QObject {
    Q_OBJECT
public:
    explicit PracticeCommands(QWidget* window);

    QPushButton* chapterButton() const { return chapterButton_; }
    QPushButton* wrongBookButton() const { return wrongBookButton_; }
    QPushButton* recordButton() const { return recordButton_; }
    QPushButton* helpButton() const { return helpButton_; }
    // Key 9 is the key of reading aloud; these carry no accelerator.
    QPushButton* readAloudButton() const { return readAloudButton_; }
    QPushButton* readAloudSettingsButton() const { return readAloudSettingsButton_; }
    QMenu* chapterMenu() const { return chapterMenu_; }

signals:
    void chapterPracticeRequested(int chapter);
    void wrongBookPracticeRequested();
    void recordRequested();
    void helpRequested();

private:
    QPushButton* chapterButton_ = nullptr;
    QPushButton* wrongBookButton_ = nullptr;
    QPushButton* recordButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* readAloudButton_ = nullptr;
    QPushButton* readAloudSettingsButton_ = nullptr;
    QMenu* chapterMenu_ = nullptr;
};
