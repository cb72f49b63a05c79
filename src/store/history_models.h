#pragma once

#include <QAbstractTableModel>

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "download_history.h"
#include "load_data_columns.h"

namespace rangedesk::store {

class RecordEdits;

// The role a sorting proxy reads: a value that sorts as the column means it (a download's
// number for its time, a count as a number, a record number as a number).
inline constexpr int kSortRole = Qt::UserRole;

// The downloads, newest first: date and time (local), job, meter (as MeterText says it),
// records (stored of asked, or kept while running or interrupted), how many are new since the
// previous download from that meter, outcome. Those of a job, or of none, and those a search
// finds.
class DownloadListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { When, Job, Meter, Records, New, Outcome, ColumnCount };

    explicit DownloadListModel(DownloadHistory& history, QObject* parent = nullptr);

    // Reads the list again: the downloads the filter takes and, when `search` holds more than
    // blanks, of those the ones it finds. Throws StoreError.
    void Reload(const DownloadFilter& filter = {}, const QString& search = {});
    const DownloadInfo& DownloadAt(int row) const {
        return downloads_.at(static_cast<std::size_t>(row));
    }
    // The row of a download; -1 when it is not listed.
    int RowOf(qint64 id) const;
    bool Searching() const { return searching_; }
    // The record numbers the search found in a download; nothing when it found the download by
    // its job, or when there is no search.
    std::optional<std::set<int>> FoundRecords(qint64 id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int NewCount(const DownloadInfo& d) const;

    DownloadHistory& history_;
    std::vector<DownloadInfo> downloads_;
    std::map<qint64, std::set<int>> found_;
    bool searching_ = false;
    mutable std::map<qint64, int> newRecords_; // counted when a row is first shown
};

// The records of one download: the seven columns of LoadData, read-only, then what the user
// says of each record: its label and note (edited in place) and whether it is a deduction (a
// check box). Edits go to the kept record; a refused edit changes nothing and is said by
// editFailed.
class DownloadRecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Label = records::kLoadDataColumnCount,
        Note,
        Deduction,
        ColumnCount,
    };

    DownloadRecordsModel(DownloadHistory& history, RecordEdits& edits, QObject* parent = nullptr);
    // Without edits: the seven columns of LoadData only, read-only, as the command line shows.
    explicit DownloadRecordsModel(DownloadHistory& history, QObject* parent = nullptr);

    // Shows this download's records (0: none), all or only the new ones, and of those only the
    // numbers in `only` when it is given. Throws StoreError.
    void SetDownload(qint64 id, RecordChoice choice = RecordChoice::All,
                     std::optional<std::set<int>> only = std::nullopt);
    // Reads the same records again.
    void Refresh();
    qint64 Download() const { return download_; }
    const HistoryRecord& RecordAt(int row) const {
        return records_.at(static_cast<std::size_t>(row));
    }
    // Off while a download runs: nothing can be edited then.
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void recordEdited(qint64 downloadId, int recNo);
    void editFailed(const QString& message);

private:
    bool Edit(int row, int column, const QVariant& value);

    DownloadHistory& history_;
    RecordEdits* edits_ = nullptr;
    qint64 download_ = 0;
    RecordChoice choice_ = RecordChoice::All;
    std::optional<std::set<int>> only_;
    std::vector<HistoryRecord> records_;
    bool editable_ = true;
};

} // namespace rangedesk::store
