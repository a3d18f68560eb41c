#pragma once

#include "exam/study_texts.h"

class QBoxLayout;
class QLabel;
class QTextEdit;
class QWidget;

// The three lines on one question that the study pane and the answer window share: which
// question, its right answer, and the explanation, which wraps and scrolls.
struct StudyWidgets {
    QLabel* question = nullptr;
    QLabel* answer = nullptr;
    QTextEdit* explanation = nullptr;
};

// Made in the window's faces and added to `layout`; the explanation takes the room left.
StudyWidgets makeStudyWidgets(QWidget* parent, QBoxLayout* layout);
void showStudyText(const StudyWidgets& widgets, int number, const StudyText& text);
// No answer to show: the question line and, greyed in the explanation's place, `hint`.
void showStudyHint(const StudyWidgets& widgets, int number, const QString& hint);
