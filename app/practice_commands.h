#pragma once

#include "data/practice_lists.h"

#include <QObject>

class QWidget;

class QMenu;
class QPushButton;

// The commands the original window lacks: going on with the last practice, practice by
// chapter, in a random order, by topic or kind, on the wrong-question book, on the most missed
// and on the marked questions, the learning record and a help on these additions. Their buttons
// go wherever the program puts them beside the original layout; Alt with a letter the window
// does not use yet presses them in `window` whether or not they can be seen (the help also F1).
// They only announce what was asked for.
class PracticeCommands : public QObject {
    Q_OBJECT
public:
    explicit PracticeCommands(QWidget* window);

    QPushButton* resumeButton() const { return resumeButton_; }
    QPushButton* chapterButton() const { return chapterButton_; }
    QPushButton* randomButton() const { return randomButton_; }
    QPushButton* topicButton() const { return topicButton_; }
    QPushButton* wrongBookButton() const { return wrongBookButton_; }
    QPushButton* mostMissedButton() const { return mostMissedButton_; }
    QPushButton* favouritesButton() const { return favouritesButton_; }
    QPushButton* reviewButton() const { return reviewButton_; }
    QPushButton* recordButton() const { return recordButton_; }
    QPushButton* helpButton() const { return helpButton_; }
    // Key 9 is the key of reading aloud; these carry no accelerator.
    QPushButton* readAloudButton() const { return readAloudButton_; }
    QPushButton* readAloudSettingsButton() const { return readAloudSettingsButton_; }
    QMenu* chapterMenu() const { return chapterMenu_; }
    QMenu* topicMenu() const { return topicMenu_; }
    // In the order the side panel shows them.
    QList<QPushButton*> buttons() const;

signals:
    void resumeRequested();
    void chapterPracticeRequested(int chapter);
    void randomPracticeRequested();
    void topicPracticeRequested(const QString& topic);
    void kindPracticeRequested(QuestionKind kind);
    void wrongBookPracticeRequested();
    void mostMissedPracticeRequested();
    void favouritesPracticeRequested();
    void reviewPracticeRequested();
    void recordRequested();
    void helpRequested();

private:
    QPushButton* addButton(QWidget* window, const QString& caption, const char* name);
    void popUnder(QMenu* menu, QPushButton* button);
    void createMenus(QWidget* window);
    void connectButtons();
    void addAccelerators(QWidget* window);

    QPushButton* resumeButton_ = nullptr;
    QPushButton* chapterButton_ = nullptr;
    QPushButton* randomButton_ = nullptr;
    QPushButton* topicButton_ = nullptr;
    QPushButton* wrongBookButton_ = nullptr;
    QPushButton* mostMissedButton_ = nullptr;
    QPushButton* favouritesButton_ = nullptr;
    QPushButton* reviewButton_ = nullptr;
    QPushButton* recordButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* readAloudButton_ = nullptr;
    QPushButton* readAloudSettingsButton_ = nullptr;
    QMenu* chapterMenu_ = nullptr;
    QMenu* topicMenu_ = nullptr;
    QList<QPushButton*> buttons_;
};
