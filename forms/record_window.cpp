#include "forms/record_window.h"

#include "data/sqlite_database.h"
#include "data/write_target_guard.h"
#include "exam/record_summary.h"
#include "forms/message_box.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {

constexpr int kPassScore = 90;
// Short enough to stand under a bar at any window width.
const char* const kChapterNames[] = {"法规", "信号", "安全", "操作"};

QString chapterName(int chapter) {
    if (chapter >= 1 && chapter <= 4)
        return QString::fromUtf8(kChapterNames[chapter - 1]);
    return QStringLiteral("第%1章").arg(chapter);
}

QChartView* makeChartView(QWidget* parent, const QString& objectName) {
    auto* view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    return view;
}

} // namespace

RecordWindow::RecordWindow(std::function<SqliteDatabase&()> database, QWidget* parent)
    : QWidget(parent, Qt::Window), database_(std::move(database)) {
    setObjectName(QStringLiteral("RecordWindow"));
    setWindowTitle(QStringLiteral("学习记录"));
    resize(900, 640);

    readiness_ = new QLabel(this);
    readiness_->setObjectName(QStringLiteral("readinessLabel"));
    QFont bold = readiness_->font();
    bold.setBold(true);
    readiness_->setFont(bold);
    readiness_->setWordWrap(true);
    books_ = new QLabel(this);
    books_->setObjectName(QStringLiteral("bookSizesLabel"));

    table_ = new QTableWidget(0, 6, this);
    table_->setObjectName(QStringLiteral("paperTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("交卷时间"), QStringLiteral("题库"),
                                       QStringLiteral("模式"), QStringLiteral("得分"),
                                       QStringLiteral("用时"), QStringLiteral("是否及格")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);

    scoreChart_ = makeChartView(this, QStringLiteral("scoreChart"));
    chapterChart_ = makeChartView(this, QStringLiteral("chapterChart"));

    exportButton_ = new QPushButton(QStringLiteral("导出成绩(&E)…"), this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(exportButton_, &QPushButton::clicked, this, &RecordWindow::askAndExport);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* charts = new QHBoxLayout;
    charts->addWidget(scoreChart_, 3);
    charts->addWidget(chapterChart_, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(books_, 1);
    buttons->addWidget(exportButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readiness_);
    layout->addLayout(charts, 3);
    layout->addWidget(table_, 2);
    layout->addLayout(buttons);
}

void RecordWindow::refresh() {
    SqliteDatabase& database = database_();
    papers_ = readPaperRecords(database);
    readiness_->setText(readinessLine(papers_));
    books_->setText(QStringLiteral("错题本：小型汽车 %1 题，大型货车 %2 题")
                        .arg(readBook(database, QStringLiteral("C")).size())
                        .arg(readBook(database, QStringLiteral("B2")).size()));
    fillTable();
    fillScoreChart();
    fillChapterChart();
    exportButton_->setEnabled(!papers_.empty());
}

void RecordWindow::fillTable() {
    table_->setRowCount(int(papers_.size()));
    int row = 0;
    // Newest first: the learner looks for the last paper.
    for (auto paper = papers_.rbegin(); paper != papers_.rend(); ++paper, ++row) {
        const QStringList cells = {paper->handedIn.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                   bankDisplayName(paper->bank),
                                   examModeDisplayName(paper->examMode),
                                   QStringLiteral("%1分").arg(paper->score),
                                   durationText(paper->secondsUsed),
                                   paper->passed ? QStringLiteral("及格")
                                                 : QStringLiteral("不及格")};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    table_->resizeColumnsToContents();
}

void RecordWindow::fillScoreChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("历次成绩"));
    auto* scores = new QLineSeries;
    scores->setName(QStringLiteral("得分"));
    auto* points = new QScatterSeries;
    points->setMarkerSize(7);
    int number = 0;
    for (const PaperRecord& paper : papers_) {
        ++number;
        scores->append(number, paper.score);
        points->append(number, paper.score);
    }
    auto* passLine = new QLineSeries;
    passLine->setName(QStringLiteral("及格线 %1分").arg(kPassScore));
    passLine->append(1, kPassScore);
    passLine->append(std::max(number, 2), kPassScore);
    QPen dashed(QColor(204, 20, 30));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    passLine->setPen(dashed);
    chart->addSeries(scores);
    chart->addSeries(points);
    chart->addSeries(passLine);
    auto* x = new QValueAxis;
    x->setRange(1, std::max(number, 2));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("第几次"));
    // One tick per paper while they fit; beyond that every fifth, tenth... so labels stay apart.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(1);
    x->setTickInterval(number <= 12 ? 1 : std::ceil(number / 60.0) * 5);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->markers(points).first()->setVisible(false);
    QChart* old = scoreChart_->chart();
    scoreChart_->setChart(chart);
    delete old;
}

void RecordWindow::fillChapterChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("最近%1份试卷各章正确率（%）").arg(kChapterAccuracyPapers));
    auto* set = new QBarSet(QStringLiteral("正确率"));
    QStringList categories;
    for (const auto& [chapter, tally] : chapterAccuracy(papers_)) {
        categories << chapterName(chapter);
        *set << (tally.questions > 0 ? 100.0 * tally.right / tally.questions : 0.0);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(3);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setVisible(false);
    QChart* old = chapterChart_->chart();
    chapterChart_->setChart(chart);
    delete old;
}

bool RecordWindow::exportPapers(const QString& path, QString* error) const {
    QString refused = refusedWriteTarget(path, database_().path());
    if (!refused.isEmpty()) {
        refused =
            QStringLiteral("不能写入文件 %1：%2。").arg(QDir::toNativeSeparators(path), refused);
    } else {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(papersCsv(papers_)) >= 0 && file.commit())
            return true;
        refused = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
    }
    if (error)
        *error = refused;
    return false;
}

void RecordWindow::askAndExport() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // Qt's own "replace?" would come before the guard could refuse the database; ours comes after.
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出成绩"), folder + QStringLiteral("/学习记录.csv"),
        QStringLiteral("CSV 文件 (*.csv)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        exportChosenFile(path);
}

void RecordWindow::exportChosenFile(const QString& path) {
    // A refused file is refused before any question: "replace the database?" is never asked.
    const bool refused = !refusedWriteTarget(path, database_().path()).isEmpty();
    if (!refused && QFileInfo::exists(path) &&
        MessageBox::show(
            this,
            {QStringLiteral("学习记录"),
             QStringLiteral("文件 %1 已经存在，要替换它吗？").arg(QDir::toNativeSeparators(path)),
             MessageBox::Buttons::YesNo}) != MessageBox::Result::Yes)
        return;
    QString error;
    if (exportPapers(path, &error))
        MessageBox::show(this, {QStringLiteral("学习记录"),
                                QStringLiteral("已导出%1份试卷的成绩。").arg(papers_.size())});
    else
        MessageBox::show(this, {QStringLiteral("学习记录"), error, MessageBox::Buttons::Ok,
                                MessageBox::Icon::Error});
}

void RecordWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void RecordWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
