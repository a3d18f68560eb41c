#include "forms/record_window.h"

#include "data/memory_table.h"
#include "data/program_version.h"
#include "data/sqlite_database.h"
#include "data/write_target_guard.h"
#include "exam/daily_count.h"
#include "exam/pass_chance_reader.h"
#include "exam/record_summary.h"
#include "exam/study_plan.h"
#include "forms/message_box.h"
#include "forms/paper_table_model.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPassScore = 90;
constexpr int kMockExamMode = 1;
// Value labels beside the points while they stay apart.
constexpr int kLabelledPoints = 20;
constexpr QSize kPreferredSize(900, 640);
// Room the window manager's frame takes around the window, so that the frame fits as well.
constexpr QSize kFrameRoom(16, 48);
// Short enough to stand under a bar at any window width.
const char* const kChapterNames[] = {"法规", "信号", "安全", "操作"};
constexpr int kChapters = 4;

QString chapterName(int chapter) {
    if (chapter >= 1 && chapter <= kChapters)
        return QString::fromUtf8(kChapterNames[chapter - 1]);
    return QStringLiteral("第%1章").arg(chapter);
}

QChartView* makeChartView(QWidget* parent, const QString& objectName, int minimumWidth) {
    auto* view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(minimumWidth, 200);
    return view;
}

// A percentage or score axis from 0 to 100 with room above for the value labels.
QValueAxis* makeHundredAxis() {
    auto* axis = new QValueAxis;
    axis->setRange(0, 112);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(20);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

void replaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

RecordWindow::RecordWindow(std::function<SqliteDatabase&()> database, QWidget* parent)
    : QWidget(parent, Qt::Window), database_(std::move(database)) {
    setObjectName(QStringLiteral("RecordWindow"));
    setWindowTitle(QStringLiteral("学习记录"));
    resize(kPreferredSize);

    createOutlookControls();

    bankChoice_ = new QComboBox(this);
    bankChoice_->setObjectName(QStringLiteral("bankChoice"));
    bankChoice_->addItem(bankDisplayName(QStringLiteral("C")), QStringLiteral("C"));
    bankChoice_->addItem(bankDisplayName(QStringLiteral("B2")), QStringLiteral("B2"));
    auto* bankLabel = new QLabel(QStringLiteral("题库(&K)："), this);
    bankLabel->setBuddy(bankChoice_);
    connect(bankChoice_, &QComboBox::activated, this,
            [this] { showBank(bankChoice_->currentData().toString()); });

    papers_ = new PaperTableModel(database_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("paperTable"));
    table_->setModel(papers_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setMinimumHeight(90);

    scoreChart_ = makeChartView(this, QStringLiteral("scoreChart"), 300);
    chapterChart_ = makeChartView(this, QStringLiteral("chapterChart"), 240);

    exportButton_ = new QPushButton(QStringLiteral("导出成绩(&E)…"), this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(exportButton_, &QPushButton::clicked, this, &RecordWindow::askAndExport);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    layOut(bankLabel, closeButton);
}

void RecordWindow::createOutlookControls() {
    readiness_ = new QLabel(this);
    readiness_->setObjectName(QStringLiteral("readinessLabel"));
    QFont bold = readiness_->font();
    bold.setBold(true);
    readiness_->setFont(bold);
    readiness_->setWordWrap(true);
    passChance_ = new QLabel(this);
    passChance_->setObjectName(QStringLiteral("passChanceLabel"));
    // The first day the edit offers stands for "no date set".
    examDate_ = new QDateEdit(this);
    examDate_->setObjectName(QStringLiteral("examDateEdit"));
    examDate_->setCalendarPopup(true);
    examDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    examDate_->setMinimumDate(QDate(2000, 1, 1));
    examDate_->setSpecialValueText(QStringLiteral("未设定"));
    connect(examDate_, &QDateEdit::dateChanged, this, &RecordWindow::examDateChosen);
    dailyCount_ = new QLineEdit(this);
    dailyCount_->setObjectName(QStringLiteral("dailyCountEdit"));
    dailyCount_->setMaxLength(6);
    dailyCount_->setFixedWidth(
        dailyCount_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    connect(dailyCount_, &QLineEdit::editingFinished, this, &RecordWindow::dailyCountTyped);
    dailyCountError_ = new QLabel(this);
    dailyCountError_->setObjectName(QStringLiteral("dailyCountError"));
    plan_ = new QLabel(this);
    plan_->setObjectName(QStringLiteral("studyPlanLabel"));
    plan_->setWordWrap(true);
    damaged_ = new QLabel(this);
    damaged_->setObjectName(QStringLiteral("damagedLabel"));
    damaged_->setWordWrap(true);
    QPalette warning = damaged_->palette();
    warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
    damaged_->setPalette(warning);
    dailyCountError_->setPalette(warning);
    dailyCountError_->hide();
    damaged_->hide();
    books_ = new QLabel(this);
    books_->setObjectName(QStringLiteral("bookSizesLabel"));
}

void RecordWindow::layOut(QLabel* bankLabel, QPushButton* closeButton) {
    auto* top = new QHBoxLayout;
    top->addWidget(readiness_, 1);
    top->addWidget(bankLabel);
    top->addWidget(bankChoice_);
    auto* charts = new QHBoxLayout;
    charts->addWidget(scoreChart_, 3);
    charts->addWidget(chapterChart_, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(books_, 1);
    // Which program wrote the record, for a driving school comparing learners' exports.
    auto* version = new QLabel(QStringLiteral("Xundral %1").arg(programVersion()), this);
    version->setObjectName(QStringLiteral("programVersion"));
    version->setEnabled(false);
    buttons->addWidget(version);
    buttons->addWidget(exportButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(damaged_);
    layout->addWidget(passChance_);
    auto* planRow = new QHBoxLayout;
    planRow->addWidget(new QLabel(QStringLiteral("考试日期："), this));
    planRow->addWidget(examDate_);
    auto* countLabel = new QLabel(QStringLiteral("每天复习(&N)："), this);
    countLabel->setBuddy(dailyCount_);
    planRow->addSpacing(12);
    planRow->addWidget(countLabel);
    planRow->addWidget(dailyCount_);
    planRow->addWidget(new QLabel(QStringLiteral("题"), this));
    planRow->addWidget(dailyCountError_, 1);
    planRow->addStretch();
    layout->addLayout(planRow);
    layout->addWidget(plan_);
    layout->addLayout(charts, 3);
    layout->addWidget(table_, 2);
    layout->addLayout(buttons);
}

void RecordWindow::fillOutlook() {
    if (plan_ == nullptr)
        return; // the bank was chosen while the window was still being built
    SqliteDatabase& database = database_();
    const QString bank = this->bank();
    const QDateTime now = QDateTime::currentDateTime();
    const QDate examDate = readExamDate(database);
    {
        const QSignalBlocker blocker(examDate_);
        examDate_->setDate(examDate.isValid() ? examDate : examDate_->minimumDate());
    }
    const StudyPlan plan = planToExam(database, bank, now, examDate);
    // With an exam date ahead, the chance is for that morning, the plan followed until then.
    const bool ahead = plan.set && plan.daysLeft > 0;
    passChance_->setText(
        bankDisplayName(bank) +
        (ahead ? QStringLiteral("（按计划复习到考试日）：") : QStringLiteral("：")) +
        passChanceLineFor(database, bank, ahead ? examMorning(examDate) : now,
                          ahead ? &plan.recallAtExam : nullptr));
    plan_->setText(studyPlanLine(plan, examDate));
}

void RecordWindow::examDateChosen() {
    const QDate chosen = examDate_->date();
    writeExamDate(database_(), chosen == examDate_->minimumDate() ? QDate() : chosen);
    fillOutlook();
}

void RecordWindow::dailyCountTyped() {
    const std::optional<int> count = parseDailyCount(dailyCount_->text());
    dailyCountError_->setText(count ? QString() : dailyCountError());
    dailyCountError_->setVisible(!count);
    if (!count)
        return;
    writeDailyCount(database_(), *count);
    dailyCount_->setText(QString::number(*count));
    fillOutlook();
}

void RecordWindow::refresh() {
    SqliteDatabase& database = database_();
    // A count refused before the window was closed is forgotten: the kept one shows.
    dailyCount_->setText(QString::number(dailyCount(database)));
    dailyCountError_->hide();
    const QString newest = newestPaperBank(database);
    showBank(newest.isEmpty() ? bank() : newest);
    books_->setText(QStringLiteral("错题本：小型汽车 %1 题，大型货车 %2 题")
                        .arg(bookSize(database, QStringLiteral("C")))
                        .arg(bookSize(database, QStringLiteral("B2"))));
    const QString damaged = damagedLine(damagedRows(database));
    damaged_->setText(damaged);
    damaged_->setVisible(!damaged.isEmpty());
    exportButton_->setEnabled(!newest.isEmpty());
}

void RecordWindow::showBank(const QString& bank) {
    bankChoice_->setCurrentIndex(std::max(0, bankChoice_->findData(bank)));
    SqliteDatabase& database = database_();
    readiness_->setText(
        readinessLine(newestPapers(database, bank, {0, kReadinessPapers}, kMockExamMode)));
    papers_->showBank(bank);
    fillScoreChart(newestPapers(database, bank, {0, kChartPapers}), papers_->total());
    fillChapterChart(chapterSums(database, bank, kChapterAccuracyPapers));
    fillOutlook();
}

QString RecordWindow::bank() const {
    return bankChoice_->currentData().toString();
}

void RecordWindow::fillScoreChart(const std::vector<PaperLine>& newest, qint64 total) {
    auto* chart = new QChart;
    chart->setTitle(
        total > qint64(newest.size())
            ? QStringLiteral("最近%1份试卷的成绩（共%2份）").arg(newest.size()).arg(total)
            : QStringLiteral("历次成绩"));
    // Mock exams are the line a learner follows to the exam; mock practice, which shows the
    // answers, stands apart as its own points.
    auto* exams = new QLineSeries;
    exams->setName(QStringLiteral("模拟考试"));
    exams->setPointsVisible(true);
    auto* practice = new QScatterSeries;
    practice->setName(QStringLiteral("模拟练习"));
    practice->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    practice->setMarkerSize(9);
    practice->setColor(QColor(230, 150, 30));
    // The papers' places among all of the bank's, oldest first.
    const qint64 first = total - qint64(newest.size()) + 1;
    qint64 number = total;
    for (const PaperLine& paper : newest) {
        (paper.examMode == kMockExamMode ? static_cast<QXYSeries*>(exams) : practice)
            ->append(double(number), paper.score);
        --number;
    }
    const bool labelled = newest.size() <= std::size_t(kLabelledPoints);
    for (QXYSeries* series : {static_cast<QXYSeries*>(exams), static_cast<QXYSeries*>(practice)}) {
        series->setPointLabelsVisible(labelled);
        series->setPointLabelsFormat(QStringLiteral("@yPoint"));
        series->setPointLabelsClipping(false);
    }
    // A line with its points sorted oldest first.
    QList<QPointF> examPoints = exams->points();
    std::sort(examPoints.begin(), examPoints.end(),
              [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    exams->replace(examPoints);

    const double left = double(std::max<qint64>(first, 1)) - 0.5;
    const double right = double(std::max<qint64>(total, 1)) + 0.5;
    auto* passLine = new QLineSeries;
    passLine->setName(QStringLiteral("及格线 %1分").arg(kPassScore));
    passLine->append(left, kPassScore);
    passLine->append(right, kPassScore);
    QPen dashed(QColor(204, 20, 30));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    passLine->setPen(dashed);
    chart->addSeries(exams);
    chart->addSeries(practice);
    chart->addSeries(passLine);
    auto* x = new QValueAxis;
    x->setRange(left, right);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("第几份试卷"));
    // One tick per paper while they fit; beyond that every fifth, tenth... so labels stay apart.
    const qint64 shown = std::max<qint64>(qint64(newest.size()), 1);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(double(std::max<qint64>(first, 1)));
    x->setTickInterval(shown <= 12 ? 1 : std::ceil(double(shown) / 60.0) * 5);
    QValueAxis* y = makeHundredAxis();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    replaceChart(scoreChart_, chart);
}

void RecordWindow::fillChapterChart(const std::vector<ChapterSum>& sums) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("最近%1份试卷各章正确率（%）").arg(kChapterAccuracyPapers));
    auto* set = new QBarSet(QStringLiteral("正确率"));
    // Outside the bar, on the chart's white: the default white label would not show.
    set->setLabelColor(Qt::black);
    QStringList categories;
    QStringList missing;
    for (int chapter = 1; chapter <= kChapters; ++chapter) {
        const auto found = std::find_if(sums.begin(), sums.end(), [chapter](const ChapterSum& sum) {
            return sum.chapter == chapter && sum.questions > 0;
        });
        if (found == sums.end())
            missing << chapterName(chapter);
    }
    for (const ChapterSum& sum : sums) {
        if (sum.questions <= 0)
            continue;
        categories << chapterName(sum.chapter);
        *set << accuracyPercent(sum);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value%"));
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    // A chapter without questions in these papers is named, not drawn as a bar of 0 %.
    if (!missing.isEmpty())
        x->setTitleText(QStringLiteral("无记录：") + missing.join(QStringLiteral("、")));
    QValueAxis* y = makeHundredAxis();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setVisible(false);
    replaceChart(chapterChart_, chart);
}

bool RecordWindow::exportPapers(const QString& path, QString* error) const {
    QString refused = refusedWriteTarget({path, database_().path()});
    if (!refused.isEmpty()) {
        refused =
            QStringLiteral("不能写入文件 %1：%2。").arg(QDir::toNativeSeparators(path), refused);
    } else {
        std::vector<PaperLine> papers = newestPapers(database_(), QString(), PaperPage{});
        std::reverse(papers.begin(), papers.end());
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(papersCsv(papers)) >= 0 && file.commit())
            return true;
        refused = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
    }
    if (error)
        *error = refused;
    return false;
}

void RecordWindow::askAndExport() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, QStringLiteral("导出成绩"), folder + QStringLiteral("/学习记录.csv"),
                       QStringLiteral("CSV 文件 (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Names only: the detail view's file kinds and dates come in the machine's language and
    // date format, not the learner's.
    dialog.setViewMode(QFileDialog::List);
    // Qt's own "replace?" would come before the guard could refuse the database; ours comes after.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportChosenFile(dialog.selectedFiles().constFirst());
}

void RecordWindow::exportChosenFile(const QString& path) {
    // A refused file is refused before any question: "replace the database?" is never asked.
    const bool refused = !refusedWriteTarget({path, database_().path()}).isEmpty();
    if (!refused && QFileInfo::exists(path) &&
        MessageBox::show(
            this,
            {QStringLiteral("学习记录"),
             QStringLiteral("文件 %1 已经存在，要替换它吗？").arg(QDir::toNativeSeparators(path)),
             MessageBox::Buttons::YesNo}) != MessageBox::Result::Yes)
        return;
    QString error;
    if (exportPapers(path, &error)) {
        SqliteDatabase& database = database_();
        const qint64 count = soundPaperCount(database, QStringLiteral("C")) +
                             soundPaperCount(database, QStringLiteral("B2"));
        MessageBox::show(this, {QStringLiteral("学习记录"),
                                QStringLiteral("已导出%1份试卷的成绩。").arg(count)});
    } else {
        MessageBox::show(this, {QStringLiteral("学习记录"), error, MessageBox::Buttons::Ok,
                                MessageBox::Icon::Error});
    }
}

void RecordWindow::placeOnScreen() {
    // At 800 × 600 the preferred size would run off the screen and hide the buttons: the
    // window takes what the screen offers and stands in its middle.
    const QRect available = screen()->availableGeometry();
    resize(kPreferredSize.boundedTo(available.size() - kFrameRoom));
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void RecordWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        placeOnScreen();
    }
    refresh();
    QWidget::showEvent(event);
}

void RecordWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RecordWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
