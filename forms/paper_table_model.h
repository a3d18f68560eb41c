#pragma once

#include "data/record_figures.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class SqliteDatabase;

// The papers of one bank, newest first, read from the file a page at a time as the table
// scrolls to them, so that a record of any length opens at once and holds only what was seen.
class PaperTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PaperTableModel(std::function<SqliteDatabase&()> database, QObject* parent = nullptr);

    // Starts again on `bank`'s papers: their number and the first page.
    void showBank(const QString& bank);
    qint64 total() const { return total_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    std::function<SqliteDatabase&()> database_;
    QString bank_;
    qint64 total_ = 0;
    std::vector<PaperLine> rows_;
};
