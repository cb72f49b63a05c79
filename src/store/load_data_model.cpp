#include "load_data_model.h"

#include <QCoreApplication>

#include "load_data_columns.h"
#include "store_error.h"

namespace rangedesk::store {

LoadDataModel::LoadDataModel(RecordStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
    connect(&store_, &RecordStore::loadDataClosing, this, &LoadDataModel::Close);
    connect(&store_, &RecordStore::loadDataReplaced, this, &LoadDataModel::Open);
    connect(&store_, &RecordStore::loadDataRowAppended, this, &LoadDataModel::RowAppended);
}

void LoadDataModel::Close() {
    if (!open_) {
        return;
    }
    beginResetModel();
    rows_.clear();
    pending_.clear();
    open_ = false;
    endResetModel();
    emit openChanged(false);
}

void LoadDataModel::Open() {
    std::vector<LoadDataRow> rows = store_.ReadLoadData();
    const bool wasOpen = open_;
    beginResetModel();
    rows_ = std::move(rows);
    pending_.clear();
    open_ = true;
    endResetModel();
    if (!wasOpen) {
        emit openChanged(true);
    }
}

void LoadDataModel::RowAppended(qint64 rowid, const records::LoadDataTexts& texts) {
    if (appendRefresh_ == AppendRefresh::WholeTable || !open_) {
        Refresh();
    } else {
        AppendStored(rowid, texts);
    }
}

void LoadDataModel::AppendStored(qint64 rowid, const records::LoadDataTexts& texts) {
    pending_.push_back({rowid, texts, {}});
    if (!deferAppends_) {
        FlushAppends();
    }
}

void LoadDataModel::SetDeferAppends(bool defer) {
    deferAppends_ = defer;
    if (!defer) {
        FlushAppends();
    }
}

void LoadDataModel::FlushAppends() {
    if (pending_.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(pending_.size()) - 1);
    std::move(pending_.begin(), pending_.end(), std::back_inserter(rows_));
    pending_.clear();
    endInsertRows();
}

int LoadDataModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LoadDataModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : records::kLoadDataColumnCount;
}

QVariant LoadDataModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::EditRole && rows_[static_cast<std::size_t>(index.row())].Nulls[column]) {
        return {}; // no value: the exports write an empty cell, not an empty text
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return RowAt(index.row())[column];
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

QVariant LoadDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < records::kLoadDataColumnCount) {
        if (role == Qt::DisplayRole) {
            return records::ColumnName(section);
        }
        if (role == Qt::TextAlignmentRole) {
            return int(Qt::AlignCenter);
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LoadDataModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool LoadDataModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount()) {
        return false;
    }
    LoadDataRow& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    const QString text = value.toString();
    if (row.Texts[column] == text) {
        return true;
    }
    if (!store_.UpdateLoadDataCell(row.RowId, index.column(), text)) {
        throw StoreError(
            StoreErrorKind::Io, StoreAction::Write, store_.Path(),
            QCoreApplication::translate("StoreError", "the record was removed from the database"));
    }
    row.Texts[column] = text;
    row.Nulls[column] = false;
    emit dataChanged(index, index);
    return true;
}

} // namespace rangedesk::store
