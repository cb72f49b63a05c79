#include "team_records_model.h"

#include "load_data_columns.h"

namespace rangedesk::team {
namespace {

using records::LoadDataColumn;

// A record's text in a column of LoadData.
QString TextOf(const TeamRecord& r, LoadDataColumn column) {
    switch (column) {
    case LoadDataColumn::RecNo:
        return QString::number(r.RecNo);
    case LoadDataColumn::MODE:
        return r.Mode;
    case LoadDataColumn::UNIT:
        return r.Unit;
    case LoadDataColumn::DIST1:
        return r.Dist1;
    case LoadDataColumn::DIST2:
        return r.Dist2;
    case LoadDataColumn::DIST3:
        return r.Dist3;
    case LoadDataColumn::RESULT:
        return r.Result;
    }
    return {};
}

} // namespace

records::LoadDataTexts LoadDataTextsOf(const TeamRecord& record) {
    records::LoadDataTexts texts;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        texts[std::size_t(c)] = TextOf(record, LoadDataColumn(c));
    }
    return texts;
}

TeamRecordsModel::TeamRecordsModel(std::vector<TeamRecord> records, QObject* parent)
    : QAbstractTableModel(parent), records_(std::move(records)) {}

void TeamRecordsModel::SetRecords(std::vector<TeamRecord> records) {
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
}

int TeamRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(records_.size());
}

int TeamRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : records::kLoadDataColumnCount;
}

QVariant TeamRecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return TextOf(records_[std::size_t(index.row())], LoadDataColumn(index.column()));
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

QVariant TeamRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < records::kLoadDataColumnCount) {
        return records::ColumnName(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace rangedesk::team
