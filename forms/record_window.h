#pragma once

#include "data/record_figures.h"

#include <QWidget>

#include <functional>
#include <vector>

class PaperTableModel;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SqliteDatabase;

// The learner's record at a glance, one bank at a time: the newest papers' scores against the
// pass line, accuracy per chapter over the latest papers, every paper in a table, the size of
// each wrong-question book and how ready the learner looks. It reads only what it shows and
// never changes the record.
class RecordWindow : public QWidget {
    Q_OBJECT
public:
    // How many of the newest papers the score chart draws.
    static constexpr int kChartPapers = 50;

    // `database` gives the open exam database when the window is shown.
    explicit RecordWindow(std::function<SqliteDatabase&()> database, QWidget* parent = nullptr);

    // Reads the record again and redraws everything, on the bank of the newest paper.
    void refresh();
    // Shows the record of one bank ("C" or "B2").
    void showBank(const QString& bank);
    QString bank() const;
    // Writes the papers of both banks to `path` as CSV; false with `error` set when the file
    // cannot be written.
    bool exportPapers(const QString& path, QString* error) const;
    // What the export button does once a file is chosen: refuse, ask to replace, write, say so.
    void exportChosenFile(const QString& path);

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The labels and the plan's fields; the constructor adds the rest, layOut places them all.
    void createOutlookControls();
    void layOut(QLabel* bankLabel, QPushButton* closeButton);
    void fillOutlook();
    void examDateChosen();
    void dailyCountTyped();
    void placeOnScreen();
    void fillScoreChart(const std::vector<PaperLine>& newest, qint64 total);
    void fillChapterChart(const std::vector<ChapterSum>& sums);
    void askAndExport();

    std::function<SqliteDatabase&()> database_;
    QLabel* readiness_ = nullptr;
    QLabel* passChance_ = nullptr;
    QDateEdit* examDate_ = nullptr;
    QLineEdit* dailyCount_ = nullptr;
    QLabel* dailyCountError_ = nullptr;
    QLabel* plan_ = nullptr;
    QLabel* damaged_ = nullptr;
    QLabel* books_ = nullptr;
    QComboBox* bankChoice_ = nullptr;
    PaperTableModel* papers_ = nullptr;
    QTableView* table_ = nullptr;
    QChartView* scoreChart_ = nullptr;
    QChartView* chapterChart_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    bool placed_ = false;
};
