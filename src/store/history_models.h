#pragma once

#include <QAbstractTableModel>

#include <map>
#include <vector>

#include "download_history.h"

namespace rangedesk::store {

// The downloads, newest first: date and time (local), meter, records (stored of asked, or kept
// while running or interrupted), how many are new since the previous download from that model,
// outcome.
class DownloadListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { When, Meter, Records, New, Outcome, ColumnCount };

    explicit DownloadListModel(DownloadHistory& history, QObject* parent = nullptr);

    // Reads the list again; throws StoreError.
    void Reload();
    const DownloadInfo& DownloadAt(int row) const {
        return downloads_.at(static_cast<std::size_t>(row));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    DownloadHistory& history_;
    std::vector<DownloadInfo> downloads_;
    mutable std::map<qint64, int> newRecords_; // counted when a row is first shown
};

// The records of one download, read-only, with the seven columns of LoadData.
class DownloadRecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DownloadRecordsModel(DownloadHistory& history, QObject* parent = nullptr);

    // Shows this download's records (0: none); throws StoreError.
    void SetDownload(qint64 id);
    qint64 Download() const { return download_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    DownloadHistory& history_;
    qint64 download_ = 0;
    std::vector<HistoryRecord> records_;
};

} // namespace rangedesk::store
