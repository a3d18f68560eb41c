#include "app/study_widgets.h"

#include "forms/font_faces.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTextEdit>
#include <QVariant>

namespace {

const QString kSong = QStringLiteral("宋体");
// The hint the explanation box shows, if it shows one.
const char* const kHintShown = "hintShown";

QLabel* makeWrappingLabel(QWidget* parent, const char* name, const QFont& font,
                          const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QString questionLine(int number) {
    return number > 0 ? QStringLiteral("第 %1 题").arg(number) : QString();
}

} // namespace

StudyWidgets makeStudyWidgets(QWidget* parent, QBoxLayout* layout) {
    StudyWidgets widgets;
    widgets.question =
        makeWrappingLabel(parent, "studyQuestion", pixelFont(kSong, 14, true), QColor(0, 0, 128));
    widgets.answer =
        makeWrappingLabel(parent, "studyAnswer", pixelFont(kSong, 16, true), QColor(176, 0, 0));
    auto* explanation = new QTextEdit(parent);
    explanation->setObjectName(QStringLiteral("studyExplanation"));
    explanation->setReadOnly(true);
    explanation->setFont(pixelFont(kSong, 15));
    explanation->setLineWrapMode(QTextEdit::WidgetWidth);
    explanation->setFrameShape(QFrame::NoFrame);
    explanation->setFocusPolicy(Qt::NoFocus);
    explanation->setTextInteractionFlags(Qt::NoTextInteraction);
    explanation->viewport()->setBackgroundRole(QPalette::Window);
    widgets.explanation = explanation;
    layout->addWidget(widgets.question);
    layout->addWidget(widgets.answer);
    layout->addWidget(explanation, 1);
    return widgets;
}

void showStudyText(const StudyWidgets& widgets, int number, const StudyText& text) {
    widgets.question->setText(questionLine(number));
    widgets.answer->setText(rightAnswerLine(text));
    widgets.answer->show();
    widgets.explanation->setProperty(kHintShown, QVariant());
    widgets.explanation->setTextColor(Qt::black);
    widgets.explanation->setPlainText(text.explanation.isEmpty()
                                          ? QStringLiteral("本题暂无解析。")
                                          : QStringLiteral("解析：") + text.explanation);
}

void showStudyHint(const StudyWidgets& widgets, int number, const QString& hint) {
    widgets.question->setText(questionLine(number));
    // The same hint follows question after question in a paper: set again, it would be laid
    // out and painted again, and the cleared answer line would lay the pane out again.
    if (widgets.answer->isHidden() && widgets.explanation->property(kHintShown) == QVariant(hint))
        return;
    widgets.answer->clear();
    widgets.answer->hide();
    widgets.explanation->clear();
    widgets.explanation->setTextColor(QColor(90, 90, 90));
    widgets.explanation->setPlainText(hint);
    widgets.explanation->setProperty(kHintShown, hint);
}
