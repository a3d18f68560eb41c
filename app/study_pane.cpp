#include "app/study_pane.h"

#include "app/answer_sheet.h"
#include "app/answer_window.h"
#include "data/ado_connection.h"
#include "data/answer_code.h"
#include "data/exercise_rows.h"
#include "data/practice_record.h"
#include "exam/exercise.h"
#include "exam/exercise_title.h"
#include "exam/pass_chance_reader.h"
#include "forms/font_faces.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace {

const auto kPassChanceDue = static_cast<QEvent::Type>(QEvent::User + 1);

const QString kSong = QStringLiteral("宋体");
const QColor kPaneBackground(234, 243, 252);

} // namespace

StudyPane::StudyPane(AdoConnection& connection, QWidget* parent)
    : QWidget(parent), connection_(connection) {
    setObjectName(QStringLiteral("studyPane"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPaneBackground);
    setPalette(palette);
    setFocusPolicy(Qt::NoFocus);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 4, 8);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("studyHeading"));
    heading_->setFont(pixelFont(kSong, 15, true));
    heading_->setWordWrap(true);
    heading_->setTextFormat(Qt::PlainText);
    column->addWidget(heading_);
    // The chance of passing shows on the start screen only: never while a paper runs.
    passChance_ = new QLabel(this);
    passChance_->setObjectName(QStringLiteral("passChanceLine"));
    passChance_->setFont(pixelFont(kSong, 13));
    passChance_->setWordWrap(true);
    passChance_->setTextFormat(Qt::PlainText);
    column->addWidget(passChance_);
    favouriteLine_ = new QLabel(QStringLiteral("★ 已收藏本题（按“7”取消）"), this);
    favouriteLine_->setObjectName(QStringLiteral("favouriteLine"));
    favouriteLine_->setFont(pixelFont(kSong, 14));
    favouriteLine_->setStyleSheet(QStringLiteral("color: #c07000;"));
    favouriteLine_->hide();
    column->addWidget(favouriteLine_);

    study_ = new QWidget(this);
    auto* studyColumn = new QVBoxLayout(study_);
    studyColumn->setContentsMargins(0, 0, 0, 0);
    studyWidgets_ = makeStudyWidgets(study_, studyColumn);
    column->addWidget(study_, 2);

    sheetBox_ = new QWidget(this);
    auto* sheetColumn = new QVBoxLayout(sheetBox_);
    sheetColumn->setContentsMargins(0, 0, 0, 0);
    auto* sheetTitle = new QLabel(QStringLiteral("答题卡"), sheetBox_);
    sheetTitle->setFont(pixelFont(kSong, 15, true));
    sheetColumn->addWidget(sheetTitle);
    auto* sheetLegend = new QLabel(AnswerSheet::legend(), sheetBox_);
    sheetLegend->setFont(pixelFont(kSong, 13));
    sheetLegend->setWordWrap(true);
    sheetColumn->addWidget(sheetLegend);
    sheet_ = new AnswerSheet(sheetBox_);
    sheetColumn->addWidget(sheet_, 1);
    column->addWidget(sheetBox_, 3);
    connect(sheet_, &AnswerSheet::questionChosen, this, &StudyPane::questionChosen);

    study_->hide();
    sheetBox_->hide();
    column->addStretch(0);
}

void StudyPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window opens its connection when it is shown, after its children are.
    QTimer::singleShot(0, this, &StudyPane::describeBank);
}

void StudyPane::startExercise(const Exercise& exercise, const QString& title) {
    running_ = true;
    bank_ = exercise.bank();
    examMode_ = exercise.mode();
    ifShow_ = exercise.settings().ifShow;
    ifJump_ = exercise.settings().ifJump;
    handedIn_ = false;
    justAnswered_ = -1;
    showing_ = -1;
    current_ = -1;
    ids_ = exercise.questionIds();
    indexOfId_.clear();
    rows_.fill(AnswerAndMark{AnswerCode::D, AnswerCode::NotAnswered}, ids_.size());
    answersComplete_ = true;
    favourites_.clear();
    QString failure;
    try {
        SqliteDatabase& database = connection_.database();
        SheetRows sheetRows = readSheetRows(database, bank_, ids_);
        rows_ = std::move(sheetRows.rows);
        answersComplete_ = sheetRows.answersComplete;
        favourites_ = favouritesAmong(database, bank_, ids_);
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    QVector<SheetCell> cells(ids_.size());
    indexOfId_.reserve(ids_.size());
    for (int index = 0; index < ids_.size(); ++index) {
        indexOfId_.insert(ids_.at(index), index);
        cells[index] = cellState(index);
    }
    sheet_->reset(cells);
    for (const int id : std::as_const(favourites_))
        sheet_->setFavourite(indexOfId_.value(id, -1), true);
    // A practice names itself; a paper is named by its mode.
    heading_->setText(title.isEmpty()
                          ? exerciseTitle({examMode_, PracticeList::WholeBank, 0}, int(ids_.size()))
                          : title + QStringLiteral("　共 %1 题").arg(ids_.size()));
    favouriteLine_->hide();
    passChance_->hide();
    study_->show();
    sheetBox_->show();
    showStudyHint(studyWidgets_, 0, failure.isEmpty() ? placeholder() : failure);
}

void StudyPane::showQuestion(int /*curNum*/, int curId) {
    if (!running_)
        return;
    // The automatic advance follows an answer: that answer stays the one key 5 explains, and
    // stays in view where it may be shown, until the learner moves on.
    const int advancedFrom = advancing_ ? justAnswered_ : -1;
    advancing_ = false;
    justAnswered_ = advancedFrom;
    current_ = indexOfId_.value(curId, -1);
    sheet_->setCurrent(current_);
    favouriteLine_->setVisible(favourites_.contains(curId));
    if (current_ < 0)
        return;
    if (mayShowAnswer(visibility(current_)))
        reveal(current_);
    else if (advancedFrom < 0 || showing_ != advancedFrom)
        conceal();
}

void StudyPane::recordAnswer(int curId, AnswerCode answerCode) {
    const int index = indexOfId_.value(curId, -1);
    if (!running_ || index < 0)
        return;
    if (!answersComplete_ && rows_.at(index).mark == AnswerCode::NotAnswered) {
        try {
            rows_[index].answer = readAnswerAndMark(connection_.database(), bank_, curId).answer;
        } catch (const std::exception&) {
            // The answer is stored whatever the sheet can read; unread, its cell keeps its
            // state, as it would if the question had left the bank.
            return;
        }
    }
    rows_[index].mark = answerCode;
    sheet_->setCell(index, cellState(index));
    if (index != current_)
        return;
    if (mayShowAnswer(visibility(index)))
        reveal(index);
    justAnswered_ = index;
    advancing_ = ifJump_ == 1;
}

void StudyPane::handIn() {
    if (!running_)
        return;
    handedIn_ = true;
    for (int index = 0; index < ids_.size(); ++index)
        sheet_->setCell(index, cellState(index));
    if (current_ >= 0)
        reveal(current_);
}

void StudyPane::requestAnswer(int curId) {
    int index = indexOfId_.value(curId, -1);
    // Right after an answer and the advance it caused, key 5 explains that answer, unless the
    // pane shows it already; pressed again, it explains the question on screen.
    if (justAnswered_ >= 0 && justAnswered_ != index && !(isVisible() && showing_ == justAnswered_))
        index = justAnswered_;
    justAnswered_ = -1;
    if (!running_ || index < 0 || !mayShowAnswer(visibility(index, true)))
        return;
    if (isVisible()) {
        reveal(index);
        return;
    }
    if (!answerWindow_)
        answerWindow_ = new AnswerWindow(parentWidget() ? parentWidget()->window() : this);
    showAnswerIn(answerWindow_->widgets(), index);
    answerWindow_->popUp();
}

void StudyPane::markFavourite(int curId, bool marked) {
    if (marked)
        favourites_.insert(curId);
    else
        favourites_.remove(curId);
    sheet_->setFavourite(indexOfId_.value(curId, -1), marked);
    if (running_ && current_ >= 0 && ids_.at(current_) == curId)
        favouriteLine_->setVisible(marked);
}

void StudyPane::endExercise() {
    running_ = false;
    favouriteLine_->hide();
    current_ = -1;
    justAnswered_ = -1;
    advancing_ = false;
    study_->hide();
    sheetBox_->hide();
    describeBank();
}

void StudyPane::setStartNotice(const QString& line) {
    startNotice_ = line;
    describeBank();
}

void StudyPane::showBank(const QString& bank) {
    startBank_ = bank;
    describeBank();
}

void StudyPane::describeBank() {
    if (running_)
        return;
    try {
        SqliteDatabase& database = connection_.database();
        QString text = bankSummary(startBank_, chapterSizes_.sizes(database, startBank_));
        if (!startNotice_.isEmpty())
            text += QLatin1Char('\n') + startNotice_;
        heading_->setText(text);
    } catch (const std::exception&) {
        // Before the window has opened its connection there is no bank to describe yet.
        heading_->clear();
        passChance_->clear();
        return;
    }
    // The chance reads the memory of every question of the bank: at a hand-in or a bank switch
    // it follows once the window has repainted the start screen, rather than holding up the key.
    // Below the repaint's own low priority, so the start screen is on screen first.
    if (!passChanceDue_) {
        passChanceDue_ = true;
        QCoreApplication::postEvent(this, new QEvent(kPassChanceDue), Qt::LowEventPriority - 1);
    }
}

void StudyPane::customEvent(QEvent* event) {
    if (event->type() == kPassChanceDue)
        showPassChance();
}

void StudyPane::showPassChance() {
    passChanceDue_ = false;
    if (running_)
        return;
    try {
        passChance_->setText(
            passChanceLineFor(connection_.database(), startBank_, QDateTime::currentDateTime()));
        passChance_->show();
    } catch (const std::exception&) {
        passChance_->clear();
    }
}

AnswerVisibility StudyPane::visibility(int index, bool askedFor) const {
    return {examMode_, ifShow_, rows_.at(index).mark != AnswerCode::NotAnswered, askedFor,
            handedIn_};
}

SheetCell StudyPane::cellState(int index) const {
    return sheetCellState(rows_.at(index), visibility(index));
}

void StudyPane::reveal(int index) {
    showAnswerIn(studyWidgets_, index);
    showing_ = index;
}

void StudyPane::conceal() {
    showStudyHint(studyWidgets_, current_ + 1, placeholder());
    showing_ = -1;
}

void StudyPane::showAnswerIn(const StudyWidgets& widgets, int index) {
    try {
        showStudyText(widgets, index + 1,
                      readStudyText(connection_.database(), bank_, ids_.at(index)));
    } catch (const std::exception& error) {
        showStudyHint(widgets, index + 1, QString::fromUtf8(error.what()));
    }
}

QString StudyPane::placeholder() const {
    // Key 5 acts in practice only; in a paper the pane says so rather than leave it unexplained.
    if (examMode_ == ExamMode::MockExam)
        return QStringLiteral("交卷后显示各题的正确答案和解析；考试中数字键“5”不起作用。");
    if (examMode_ == ExamMode::MockPractice)
        return ifShow_ == 1
                   ? QStringLiteral("答题后显示正确答案和解析；模拟练习中数字键“5”不起作用。")
                   : QStringLiteral(
                         "交卷后显示各题的正确答案和解析；模拟练习中数字键“5”不起作用。");
    return ifShow_ == 1 ? QStringLiteral("答题后显示正确答案和解析；按数字键“5”可直接查看。")
                        : QStringLiteral("按数字键“5”查看本题的正确答案和解析。");
}
