#include "history_models.h"

#include "load_data_columns.h"

namespace rangedesk::store {

DownloadListModel::DownloadListModel(DownloadHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

void DownloadListModel::Reload() {
    std::vector<DownloadInfo> downloads = history_.List();
    beginResetModel();
    downloads_ = std::move(downloads);
    newRecords_.clear();
    endResetModel();
}

int DownloadListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(downloads_.size());
}

int DownloadListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DownloadListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const DownloadInfo& d = DownloadAt(index.row());
    if (role == Qt::TextAlignmentRole) {
        return int(index.column() == When || index.column() == Outcome
                       ? Qt::AlignLeft | Qt::AlignVCenter
                       : Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case When:
        return d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
    case Meter:
        return d.Model > 0 ? QString("model %1").arg(d.Model) : QString("-");
    case Records:
        return RecordsText(d);
    case New: {
        auto it = newRecords_.find(d.Id);
        if (it == newRecords_.end()) {
            it = newRecords_.emplace(d.Id, history_.NewRecords(d)).first;
        }
        return it->second;
    }
    case Outcome:
        return d.Outcome;
    default:
        return {};
    }
}

QVariant DownloadListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[] = {"Date and time", "Meter", "Records", "New", "Outcome"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return QString(kTitles[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

DownloadRecordsModel::DownloadRecordsModel(DownloadHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

void DownloadRecordsModel::SetDownload(qint64 id) {
    std::vector<HistoryRecord> records = id ? history_.Records(id) : std::vector<HistoryRecord>{};
    beginResetModel();
    download_ = id;
    records_ = std::move(records);
    endResetModel();
}

int DownloadRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int DownloadRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : records::kLoadDataColumnCount;
}

QVariant DownloadRecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return records_[static_cast<std::size_t>(index.row())]
            .Texts[static_cast<std::size_t>(index.column())];
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

QVariant DownloadRecordsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < records::kLoadDataColumnCount) {
        return records::ColumnName(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace rangedesk::store
