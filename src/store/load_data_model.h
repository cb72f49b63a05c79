#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "record_store.h"

namespace rangedesk::store {

// How an append refreshes the snapshot: re-reading the whole table, or adding the new row.
// Both show the same rows; the second keeps a long download fast.
enum class AppendRefresh { WholeTable, NewRowOnly };

// A table over LoadData for the grid, the export or the printout: a snapshot of the rows,
// re-read on refresh, that follows what the store signals. Closed until it is opened, or until
// the store empties LoadData (the first download of the run) or puts a download back into it.
// Edits go to the exact row by its rowid.
class LoadDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LoadDataModel(RecordStore& store, QObject* parent = nullptr);

    bool IsOpen() const { return open_; }
    void Close();
    // Opens (or re-reads) the snapshot; throws StoreError.
    void Open();
    void Refresh() { Open(); }
    void SetAppendRefresh(AppendRefresh mode) { appendRefresh_ = mode; }
    // Appends one row that has just been stored, without re-reading the others.
    void AppendStored(qint64 rowid, const records::LoadDataTexts& texts);
    // While deferred, stored rows wait until FlushAppends() shows them all at once: a view
    // that lays out every inserted row costs more than the download itself.
    void SetDeferAppends(bool defer);
    void FlushAppends();
    bool IsEmpty() const { return rows_.empty(); }
    const records::LoadDataTexts& RowAt(int row) const {
        return rows_.at(static_cast<std::size_t>(row)).Texts;
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes the cell to the file at once; throws StoreError when the database refuses.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void openChanged(bool open);

private:
    void RowAppended(qint64 rowid, const records::LoadDataTexts& texts);

    RecordStore& store_;
    bool open_ = false;
    std::vector<LoadDataRow> rows_;
    std::vector<LoadDataRow> pending_;
    bool deferAppends_ = false;
    AppendRefresh appendRefresh_ = AppendRefresh::NewRowOnly;
};

} // namespace rangedesk::store
