#include "kept_records_table.h"

#include <algorithm>

#include "kept_record_columns.h"
#include "load_data_columns.h"

namespace rangedesk::store {

QString DownloadTimeText(const DownloadInfo& download) {
    return download.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
}

KeptRecordsTable::KeptRecordsTable(QObject* parent) : QAbstractTableModel(parent) {}

void KeptRecordsTable::Append(const DownloadInfo& download, std::vector<HistoryRecord>&& records,
                              std::vector<KeptRow>& rows) const {
    const QString when = DownloadTimeText(download);
    for (HistoryRecord& r : records) {
        // The meter's bytes are not shown: a large job keeps only what it prints.
        rows.push_back({download.Id, when, r.RecNo, std::move(r.Texts), std::move(r.Label),
                        std::move(r.Note), r.Deduction});
    }
}

void KeptRecordsTable::ShowDownload(const DownloadHistory& history, qint64 id,
                                    RecordChoice choice) {
    std::vector<KeptRow> rows;
    if (const std::optional<DownloadInfo> download = history.Find(id)) {
        Append(*download, history.Records(id, choice), rows);
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void KeptRecordsTable::ShowJob(const DownloadHistory& history, qint64 jobId) {
    std::vector<DownloadInfo> downloads = history.List(DownloadFilter{jobId, false});
    std::reverse(downloads.begin(), downloads.end()); // the list is newest first
    std::vector<KeptRow> rows;
    for (const DownloadInfo& download : downloads) {
        Append(download, history.Records(download.Id), rows);
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int KeptRecordsTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int KeptRecordsTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant KeptRecordsTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const KeptRow& row = RowAt(index.row());
    switch (index.column()) {
    case Download:
        return row.DownloadText;
    case Label:
        return row.Label;
    case Note:
        return row.Note;
    case Deduction:
        if (role == Qt::EditRole) {
            return row.Deduction;
        }
        return row.Deduction ? records::kDeductionMark : QString();
    default:
        if (index.column() >= RecNo && index.column() <= RESULT) {
            return row.Texts[static_cast<std::size_t>(index.column() - RecNo)];
        }
        return {};
    }
}

QVariant KeptRecordsTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Download:
        return records::kDownloadColumn;
    case Label:
        return records::kLabelColumn;
    case Note:
        return records::kNoteColumn;
    case Deduction:
        return records::kDeductionColumn;
    default:
        if (section >= RecNo && section <= RESULT) {
            return records::ColumnName(section - RecNo);
        }
        return {};
    }
}

} // namespace rangedesk::store
