#pragma once

#include <QObject>
#include <QString>

#include <bitset>
#include <functional>
#include <memory>
#include <vector>

#include "desk_identity.h"
#include "load_data_columns.h"
#include "load_data_row.h"
#include "store_access.h"

namespace rangedesk::store {

class SqlConnection;

// One LoadData row as stored: its rowid, texts, and the fields that hold no value at all
// (written by another program).
struct LoadDataRow {
    qint64 RowId = 0;
    records::LoadDataTexts Texts;
    std::bitset<records::kLoadDataColumnCount> Nulls;
};

// The record database: the file DistLib.mdb, opened with the access its use case needs, and its
// table LoadData. It signals what happens to LoadData, so the table models over it (the grid,
// the export, the printout) follow; it owns no model. Every call throws StoreError.
class RecordStore : public QObject {
    Q_OBJECT
public:
    RecordStore(QString databasePath, StoreAccess access, QObject* parent = nullptr);
    // Checkpoints a database opened for writing, then closes it.
    ~RecordStore() override;

    // Opens the database (the one opener, see OpenDatabase); nothing when it is open. Every
    // call below opens it first when it is not, so a database locked at start is tried again
    // at its next use. Opened for writing, a download left "running" by a program that no
    // longer runs becomes "interrupted".
    void Open();
    bool IsOpen() const { return connection_ != nullptr; }
    const QString& Path() const { return path_; }
    StoreAccess Access() const { return access_; }
    // The layout version of the open file.
    int SchemaVersion();

    std::vector<LoadDataRow> ReadLoadData();
    // Deletes every row ("delete from LoadData"); views let go of the rows first.
    void EmptyLoadData();
    // Appends one committed row; `withRow` runs in the same transaction (the kept copy of the
    // record), so both are stored or neither. Returns its rowid.
    qint64 AppendLoadDataRow(const records::LoadDataTexts& texts,
                             const std::function<void()>& withRow = {});
    // Replaces every row with what `fill` inserts, in one transaction.
    void ReplaceLoadData(const std::function<void()>& fill);
    // Writes one cell of the row with this rowid; false when the row is gone.
    bool UpdateLoadDataCell(qint64 rowid, int column, const QString& text);

    // Moves every committed row from the write-ahead log into DistLib.mdb itself, so that a copy
    // of the file holds them all. Also done when the store closes. Nothing for a reader; when
    // another program keeps it from happening, the rows stay safe in the log.
    void Checkpoint();

    // Who writes: the desk and user that downloads and edits carry.
    const DeskIdentity& Desk() const { return desk_; }
    void SetDesk(DeskIdentity desk) { desk_ = std::move(desk); }

    // The open connection, for the store's own classes (the history, the writer).
    SqlConnection& Connection();
    // The history tables readable: a file of an older layout, opened to read, gets them as the
    // upgrade would make them, in memory. Throws StoreError for a newer layout.
    void RequireHistory();

signals:
    void loadDataClosing();  // LoadData is about to be emptied
    void loadDataReplaced(); // LoadData holds other rows now: emptied, or a download put back
    void loadDataRowAppended(qint64 rowid, const records::LoadDataTexts& texts);
    // Rows were queued for a team server and committed: an edit, or a download that ended.
    void changesQueued();

private:
    QString path_;
    StoreAccess access_;
    std::unique_ptr<SqlConnection> connection_;
    int version_ = 0;
    bool historyDerived_ = false;
    DeskIdentity desk_ = DeskIdentity::OfThisMachine();
};

} // namespace rangedesk::store
