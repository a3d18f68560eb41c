#include "forms/show_err_form.h"

#include "data/ado_connection.h"
#include "data/wrong_list_rows.h"
#include "forms/error_report.h"
#include "forms/font_faces.h"
#include "forms/widget_setup.h"
#include "forms/wrong_list_text.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTextCursor>

TShowErrFrm::TShowErrFrm(AdoConnection& connection, QWidget* parent)
    : QWidget(parent, Qt::Window), connection_(connection) {
    setObjectName(QStringLiteral("ShowErrFrm"));
    setWindowTitle(QStringLiteral("错误题目显示列表"));
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPixelSize(11);
    setFont(base);
    const QColor highlight = palette().color(QPalette::Light);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(33);
    fillBackground(Panel1, highlight);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(pixelFont(QStringLiteral("宋体"), 14));
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, highlight);
    Memo1->setPalette(memoPalette);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window's size is the learner's business; the layout only fills it.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(Panel1);
    layout->addWidget(Memo1);

    // Outside the layout: the button keeps its place over the text, whatever the window's size.
    Button2 = new QPushButton(QStringLiteral("返回&F"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(683, 530, 75, 25);
    Button2->setDefault(true);
    Button2->raise();
    connect(Button2, &QPushButton::clicked, this, [this] { runHandler([&] { Button2Click(); }); });
    setTabOrder(Memo1, Button2);

    // The size the window returns to when the learner restores it from maximised.
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(800, 596), work));
    setWindowState(Qt::WindowMaximized);
}

TShowErrFrm::~TShowErrFrm() = default;

void TShowErrFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        runHandler([&] { Button1Click(); });
}

void TShowErrFrm::closeEvent(QCloseEvent* event) {
    runHandler([&] { FormClose(); });
    event->accept();
}

namespace {

// Gathers the list's entries and puts them into the box in one insertion when it goes out of
// scope, so the box lays its text out once instead of once per line; after an error the
// entries gathered so far still show, as they would have line by line.
class ListText {
public:
    explicit ListText(QPlainTextEdit* box) : box_(box) {}
    ~ListText() {
        QTextCursor cursor(box_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text_);
    }
    ListText(const ListText&) = delete;
    ListText& operator=(const ListText&) = delete;
    void addEntry(const QString& entry) { text_ += entry + QLatin1Char('\n'); }

private:
    QPlainTextEdit* box_;
    QString text_;
};

} // namespace

void TShowErrFrm::Button1Click() {
    // Cleared first, so that a failing statement never leaves an earlier paper's list behind.
    Memo1->clear();
    ListText list(Memo1);
    const SqliteDatabase& database = connection_.database();
    list.addEntry(wrongListHeader(countWrongPaperQuestions(database, bank_)));
    forEachWrongPaperQuestion(database, bank_, [&](const WrongQuestion& question) {
        for (const QString& entry : wrongQuestionEntries(question))
            list.addEntry(entry);
    });
}

void TShowErrFrm::Button2Click() {
    close();
}

void TShowErrFrm::FormClose() {
    emit closed();
}
