#include "history_models.h"

#include <algorithm>

#include "column_titles.h"
#include "edit_failure.h"
#include "record_edits.h"
#include "search_text.h"

namespace rangedesk::store {
namespace {

bool FilterTakes(const DownloadFilter& filter, const DownloadInfo& d) {
    if (filter.JobId) {
        return d.JobId == filter.JobId;
    }
    return !filter.WithoutJob || !d.JobId;
}

} // namespace

DownloadListModel::DownloadListModel(DownloadHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

void DownloadListModel::Reload(const DownloadFilter& filter, const QString& search) {
    std::vector<DownloadInfo> downloads;
    std::map<qint64, std::set<int>> found;
    const bool searching = !records::SearchNeedle(search).isEmpty();
    if (searching) {
        for (SearchMatch& match : history_.Matches(search)) {
            if (!FilterTakes(filter, match.Download)) {
                continue;
            }
            if (!match.RecordNumbers.empty()) {
                found[match.Download.Id].insert(match.RecordNumbers.begin(),
                                                match.RecordNumbers.end());
            }
            downloads.push_back(std::move(match.Download));
        }
    } else {
        downloads = history_.List(filter);
    }
    beginResetModel();
    downloads_ = std::move(downloads);
    found_ = std::move(found);
    searching_ = searching;
    newRecords_.clear();
    endResetModel();
}

int DownloadListModel::RowOf(qint64 id) const {
    const auto it = std::find_if(downloads_.begin(), downloads_.end(),
                                 [id](const DownloadInfo& d) { return d.Id == id; });
    return it == downloads_.end() ? -1 : static_cast<int>(it - downloads_.begin());
}

std::optional<std::set<int>> DownloadListModel::FoundRecords(qint64 id) const {
    const auto it = found_.find(id);
    return it == found_.end() ? std::nullopt : std::optional(it->second);
}

int DownloadListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(downloads_.size());
}

int DownloadListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int DownloadListModel::NewCount(const DownloadInfo& d) const {
    auto it = newRecords_.find(d.Id);
    if (it == newRecords_.end()) {
        it = newRecords_.emplace(d.Id, history_.NewRecords(d)).first;
    }
    return it->second;
}

QVariant DownloadListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const DownloadInfo& d = DownloadAt(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return int(column == When || column == Job || column == Outcome
                       ? Qt::AlignLeft | Qt::AlignVCenter
                       : Qt::AlignCenter);
    }
    if (role == Qt::ToolTipRole && column == Job && d.JobId) {
        return d.JobClient.isEmpty() ? d.JobName : d.JobName + " (" + d.JobClient + ")";
    }
    if (role == kSortRole) {
        switch (column) {
        case When:
            return d.Id;
        case Records:
            return d.Stored > 0 ? d.Stored : d.Kept;
        case New:
            return NewCount(d);
        default:
            return data(index, Qt::DisplayRole).toString().toCaseFolded();
        }
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (column) {
    case When:
        return d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
    case Job:
        return d.JobName;
    case Meter:
        return MeterText(d);
    case Records:
        return RecordsText(d);
    case New:
        return NewCount(d);
    case Outcome:
        return d.Outcome;
    default:
        return {};
    }
}

QVariant DownloadListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[] = {QT_TRANSLATE_NOOP("ColumnTitles", "Date and time"),
                                          QT_TRANSLATE_NOOP("ColumnTitles", "Job"),
                                          QT_TRANSLATE_NOOP("ColumnTitles", "Meter"),
                                          QT_TRANSLATE_NOOP("ColumnTitles", "Records"),
                                          QT_TRANSLATE_NOOP("ColumnTitles", "New"),
                                          QT_TRANSLATE_NOOP("ColumnTitles", "Outcome")};
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == kSourceTitleRole) &&
        section >= 0 && section < ColumnCount) {
        return ColumnTitle(kTitles[section], role);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

DownloadRecordsModel::DownloadRecordsModel(DownloadHistory& history, RecordEdits& edits,
                                           QObject* parent)
    : QAbstractTableModel(parent), history_(history), edits_(&edits) {}

DownloadRecordsModel::DownloadRecordsModel(DownloadHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history), editable_(false) {}

void DownloadRecordsModel::SetDownload(qint64 id, RecordChoice choice,
                                       std::optional<std::set<int>> only) {
    std::vector<HistoryRecord> records =
        id ? history_.Records(id, choice) : std::vector<HistoryRecord>{};
    if (only) {
        std::erase_if(records, [&](const HistoryRecord& r) { return !only->contains(r.RecNo); });
    }
    beginResetModel();
    download_ = id;
    choice_ = choice;
    only_ = std::move(only);
    records_ = std::move(records);
    endResetModel();
}

void DownloadRecordsModel::Refresh() {
    SetDownload(download_, choice_, only_);
}

void DownloadRecordsModel::SetEditable(bool editable) {
    editable = editable && edits_;
    if (editable == editable_) {
        return;
    }
    editable_ = editable;
    if (rowCount() > 0) {
        emit dataChanged(index(0, Label), index(rowCount() - 1, Deduction));
    }
}

int DownloadRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int DownloadRecordsModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return edits_ ? ColumnCount : records::kLoadDataColumnCount;
}

QVariant DownloadRecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const HistoryRecord& r = RecordAt(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return int(column == Label || column == Note ? Qt::AlignLeft | Qt::AlignVCenter
                                                     : Qt::AlignCenter);
    }
    if (column == Deduction) {
        if (role == Qt::CheckStateRole) {
            return r.Deduction ? Qt::Checked : Qt::Unchecked;
        }
        if (role == Qt::EditRole) {
            return r.Deduction; // what the exports and totals read
        }
        return role == kSortRole ? QVariant(int(r.Deduction)) : QVariant();
    }
    if (role == kSortRole && column < records::kLoadDataColumnCount &&
        records::ColumnInfo(column).Kind == records::ColumnKind::RecordNumber) {
        return r.RecNo;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != kSortRole) {
        return {};
    }
    if (column == Label) {
        return r.Label;
    }
    if (column == Note) {
        return r.Note;
    }
    return r.Texts[static_cast<std::size_t>(column)];
}

QVariant DownloadRecordsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == kSourceTitleRole) &&
        section >= 0 && section < columnCount()) {
        switch (section) {
        case Label:
            return ColumnTitle(QT_TRANSLATE_NOOP("ColumnTitles", "Label"), role);
        case Note:
            return ColumnTitle(QT_TRANSLATE_NOOP("ColumnTitles", "Note"), role);
        case Deduction:
            return ColumnTitle(QT_TRANSLATE_NOOP("ColumnTitles", "Deduction"), role);
        default:
            return records::ColumnName(section); // LoadData's names are the same in every language
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DownloadRecordsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid() || !editable_ || !edits_) {
        return flags;
    }
    if (index.column() == Label || index.column() == Note) {
        flags |= Qt::ItemIsEditable;
    } else if (index.column() == Deduction) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool DownloadRecordsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount() || !editable_ || !edits_) {
        return false;
    }
    const int column = index.column();
    const bool text = (column == Label || column == Note) && role == Qt::EditRole;
    const bool check = column == Deduction && role == Qt::CheckStateRole;
    if (!text && !check) {
        return false;
    }
    return Edit(index.row(), column, value);
}

bool DownloadRecordsModel::Edit(int row, int column, const QVariant& value) {
    HistoryRecord& r = records_[static_cast<std::size_t>(row)];
    const bool unchanged =
        column == Deduction ? (value.toInt() == Qt::Checked) == r.Deduction
                            : value.toString() == data(index(row, column), Qt::EditRole).toString();
    if (unchanged) {
        return true; // an editor closed unchanged writes nothing
    }
    const std::optional<QString> failure = EditFailure([&] {
        if (column == Label) {
            edits_->SetLabel(download_, r.RecNo, value.toString());
            r.Label = value.toString();
        } else if (column == Note) {
            edits_->SetNote(download_, r.RecNo, value.toString());
            r.Note = value.toString();
        } else {
            const bool deduction = value.toInt() == Qt::Checked;
            edits_->SetDeduction(download_, r.RecNo, deduction);
            r.Deduction = deduction;
        }
    });
    if (failure) {
        emit editFailed(*failure);
        return false;
    }
    emit dataChanged(index(row, column), index(row, column));
    emit recordEdited(download_, r.RecNo);
    return true;
}

} // namespace rangedesk::store
