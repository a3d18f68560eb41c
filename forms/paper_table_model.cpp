#include "forms/paper_table_model.h"

#include "exam/record_summary.h"

namespace {

constexpr int kPage = 200;

const char* const kHeaders[] = {"交卷时间", "模式", "得分", "用时", "是否及格"};

QString cellText(const PaperLine& paper, int column) {
    switch (column) {
    case 0:
        return paper.handedIn.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case 1:
        return examModeDisplayName(paper.examMode);
    case 2:
        return QStringLiteral("%1分").arg(paper.score);
    case 3:
        return durationText(paper.secondsUsed);
    default:
        return paper.passed ? QStringLiteral("及格") : QStringLiteral("不及格");
    }
}

} // namespace

PaperTableModel::PaperTableModel(std::function<SqliteDatabase&()> database, QObject* parent)
    : QAbstractTableModel(parent), database_(std::move(database)) {}

void PaperTableModel::showBank(const QString& bank) {
    beginResetModel();
    bank_ = bank;
    rows_.clear();
    total_ = soundPaperCount(database_(), bank_);
    rows_ = newestPapers(database_(), bank_, {0, kPage});
    endResetModel();
}

int PaperTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int PaperTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(std::size(kHeaders));
}

QVariant PaperTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= rows_.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return cellText(rows_[std::size_t(index.row())], index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    return QVariant();
}

QVariant PaperTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        std::size_t(section) >= std::size(kHeaders))
        return QVariant();
    return QString::fromUtf8(kHeaders[section]);
}

bool PaperTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && qint64(rows_.size()) < total_;
}

void PaperTableModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid())
        return;
    std::vector<PaperLine> page = newestPapers(database_(), bank_, {qint64(rows_.size()), kPage});
    if (page.empty()) {
        // The file changed under the window: what was counted is no longer there.
        total_ = qint64(rows_.size());
        return;
    }
    beginInsertRows(QModelIndex(), int(rows_.size()), int(rows_.size() + page.size()) - 1);
    rows_.insert(rows_.end(), page.begin(), page.end());
    endInsertRows();
}
