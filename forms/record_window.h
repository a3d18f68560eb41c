#pragma once

#include "data/learning_record.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class SqliteDatabase;

class QChartView;

// The learner's record at a glance: every paper, the scores over time against the pass line,
// accuracy per chapter over the latest papers, the size of each wrong-question book and how
// ready the learner looks. It only reads the record; it never changes it.
class RecordWindow : public QWidget {
    Q_OBJECT
public:
    // `database` gives the open exam database when the window is shown.
    explicit RecordWindow(std::function<SqliteDatabase&()> database, QWidget* parent = nullptr);

    // Reads the record again and redraws everything.
    void refresh();
    // Writes the papers to `path` as CSV; false with `error` set when the file cannot be written.
    bool exportPapers(const QString& path, QString* error) const;
    // What the export button does once a file is chosen: refuse, ask to replace, write, say so.
    void exportChosenFile(const QString& path);

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fillTable();
    void fillScoreChart();
    void fillChapterChart();
    void askAndExport();

    std::function<SqliteDatabase&()> database_;
    std::vector<PaperRecord> papers_;
    QLabel* readiness_ = nullptr;
    QLabel* books_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* scoreChart_ = nullptr;
    QChartView* chapterChart_ = nullptr;
    QPushButton* exportButton_ = nullptr;
};
