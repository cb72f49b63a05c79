#pragma once

#include <QAbstractTableModel>
#include <QStandardItemModel>
#include <QStringList>

#include <functional>
#include <memory>

#include "load_data_columns.h"
#include "load_data_row.h"
#include "measurement_record.h"

// A table with the columns of LoadData holding the given texts, as the store offers them.
inline std::unique_ptr<QStandardItemModel> LoadDataTable(const QList<QStringList>& rows) {
    auto table = std::make_unique<QStandardItemModel>(int(rows.size()),
                                                      rangedesk::records::kLoadDataColumnCount);
    for (int c = 0; c < rangedesk::records::kLoadDataColumnCount; ++c) {
        table->setHeaderData(c, Qt::Horizontal, rangedesk::records::ColumnName(c));
    }
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < rangedesk::records::kLoadDataColumnCount; ++c) {
            table->setData(table->index(r, c), rows[r][c]);
        }
    }
    return table;
}

// The same with the rows a download of `count` records made by `record` stores.
inline std::unique_ptr<QStandardItemModel>
LoadDataTable(int count, const std::function<rangedesk::MeasurementRecord(int)>& record) {
    QList<QStringList> rows;
    for (int i = 1; i <= count; ++i) {
        const auto texts =
            rangedesk::records::RowTexts(i, record(i), rangedesk::RecordLayout::Extended);
        rows << QStringList(texts.begin(), texts.end());
    }
    return LoadDataTable(rows);
}

// LoadData-like rows made on the fly, for tables too large to hold.
class GeneratedTable : public QAbstractTableModel {
public:
    explicit GeneratedTable(int rows) : rows_(rows) {}
    int rowCount(const QModelIndex& = {}) const override { return rows_; }
    int columnCount(const QModelIndex& = {}) const override {
        return rangedesk::records::kLoadDataColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) {
            return {};
        }
        return index.column() == 0 ? QString::number(index.row() + 1)
                                   : QString("%1.%2 m").arg(index.column()).arg(index.row() % 1000);
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        return role == Qt::DisplayRole ? QVariant(rangedesk::records::ColumnName(section))
                                       : QVariant();
    }

private:
    int rows_;
};
