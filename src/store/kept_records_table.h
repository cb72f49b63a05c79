#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "download_history.h"
#include "load_data_columns.h"

namespace rangedesk::store {

// One row of a table of kept records: the record and the download it belongs to.
struct KeptRow {
    qint64 DownloadId = 0;
    QString DownloadText; // the download's date and time, local: "2026-12-09 10:41:05"
    int RecNo = 0;
    records::LoadDataTexts Texts;
    QString Label;
    QString Note;
    bool Deduction = false;
};

// The kept records of a download or of a job as one read-only table, for the exports and the
// client report: Download, the seven columns of LoadData, Label, Note and Deduction, headed by
// their names (records::kLoadDataColumns, kept_record_columns.h). A caller picks the columns it
// shows. Deduction reads as a bool in the edit role and as its mark in the display role.
class KeptRecordsTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Download,
        RecNo,
        MODE,
        UNIT,
        DIST1,
        DIST2,
        DIST3,
        RESULT,
        Label,
        Note,
        Deduction,
        ColumnCount
    };

    explicit KeptRecordsTable(QObject* parent = nullptr);

    // The records of one download, by number; throws StoreError.
    void ShowDownload(const DownloadHistory& history, qint64 id,
                      RecordChoice choice = RecordChoice::All);
    // The records of every download of a job, oldest download first; throws StoreError.
    void ShowJob(const DownloadHistory& history, qint64 jobId);

    const KeptRow& RowAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    // The table's column of a LoadData column.
    static int ColumnOf(records::LoadDataColumn column) { return RecNo + int(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Append(const DownloadInfo& download, std::vector<HistoryRecord>&& records,
                std::vector<KeptRow>& rows) const;

    std::vector<KeptRow> rows_;
};

// A download's date and time as the tables of kept records and the history list show it.
QString DownloadTimeText(const DownloadInfo& download);

} // namespace rangedesk::store
