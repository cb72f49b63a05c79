#include "load_data_model.h"

#include <QSqlError>
#include <QSqlQuery>

#include "load_data_columns.h"
#include "store_error.h"

namespace rangedesk::store {

LoadDataModel::LoadDataModel(QObject* parent) : QAbstractTableModel(parent) {}

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
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec("SELECT rowid, RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT FROM LoadData "
                    "ORDER BY rowid")) {
        throw StoreError(query.lastError().text().toStdString());
    }
    std::vector<Row> rows;
    while (query.next()) {
        Row row{query.value(0).toLongLong(), {}};
        for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
            row.texts[static_cast<std::size_t>(c)] = query.value(c + 1).toString();
            row.nulls[static_cast<std::size_t>(c)] = query.isNull(c + 1);
        }
        rows.push_back(std::move(row));
    }
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

void LoadDataModel::AppendStored(qint64 rowid, const records::LoadDataTexts& texts) {
    pending_.push_back({rowid, texts});
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
    if (role == Qt::EditRole && rows_[static_cast<std::size_t>(index.row())].nulls[column]) {
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
    Row& row = rows_[static_cast<std::size_t>(index.row())];
    const QString text = value.toString();
    if (row.texts[static_cast<std::size_t>(index.column())] == text) {
        return true;
    }
    const QString name = records::ColumnName(index.column());
    // The column name comes from our own table, never from the user.
    QSqlQuery query(db_);
    query.prepare(QString("UPDATE LoadData SET %1 = ? WHERE rowid = ?").arg(name));
    query.addBindValue(text);
    query.addBindValue(row.rowid);
    if (!query.exec()) {
        throw StoreError(query.lastError().text().toStdString());
    }
    if (query.numRowsAffected() != 1) {
        throw StoreError("The record was removed from the database.");
    }
    row.texts[static_cast<std::size_t>(index.column())] = text;
    row.nulls[static_cast<std::size_t>(index.column())] = false;
    emit dataChanged(index, index);
    return true;
}

} // namespace rangedesk::store
