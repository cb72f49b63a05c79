#pragma once

#include <QAbstractTableModel>
#include <QSqlDatabase>

#include <bitset>
#include <vector>

#include "load_data_row.h"

namespace rangedesk::store {

// The one open table over LoadData that the grid, the export and the printout share: a
// snapshot of the rows, re-read on refresh. Edits go to the exact row by its rowid.
class LoadDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LoadDataModel(QObject* parent = nullptr);

    void SetDatabase(const QSqlDatabase& db) { db_ = db; }
    bool IsOpen() const { return open_; }
    void Close();
    // Opens (or re-reads) the snapshot; throws StoreError.
    void Open();
    void Refresh() { Open(); }
    // Appends one row that has just been stored, without re-reading the others.
    void AppendStored(qint64 rowid, const records::LoadDataTexts& texts);
    // While deferred, stored rows wait until FlushAppends() shows them all at once: a view
    // that lays out every inserted row costs more than the download itself.
    void SetDeferAppends(bool defer);
    void FlushAppends();
    bool IsEmpty() const { return rows_.empty(); }
    const records::LoadDataTexts& RowAt(int row) const {
        return rows_.at(static_cast<std::size_t>(row)).texts;
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
    struct Row {
        qint64 rowid;
        records::LoadDataTexts texts;
        std::bitset<7> nulls = {}; // fields that hold no value (written by another program)
    };

    QSqlDatabase db_;
    bool open_ = false;
    std::vector<Row> rows_;
    std::vector<Row> pending_;
    bool deferAppends_ = false;
};

} // namespace rangedesk::store
