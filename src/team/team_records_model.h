#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "load_data_row.h"
#include "team_rows.h"

namespace rangedesk::team {

// A team download's records as a table with the seven columns of LoadData (headings the
// field names, every cell a text as the meter's download wrote it), so the exports, the
// printout and the grid take it as they take LoadData. Labels, notes and deductions are
// beside it (RecordAt), not columns: an export holds what the meter measured.
class TeamRecordsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TeamRecordsModel(std::vector<TeamRecord> records = {}, QObject* parent = nullptr);

    void SetRecords(std::vector<TeamRecord> records);
    const TeamRecord& RecordAt(int row) const { return records_.at(std::size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TeamRecord> records_;
};

// A team record's texts as a LoadData row holds them.
records::LoadDataTexts LoadDataTextsOf(const TeamRecord& record);

} // namespace rangedesk::team
