#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <QString>
#include <memory>

#include "load_data_model.h"
#include "measurement_record.h"
#include "record_sink.h"

namespace rangedesk::store {

// Whether the program writes the database or only reads it. Read-only use leaves the file as
// it is: no journal mode is changed.
enum class StoreAccess { ReadWrite, ReadOnly };

// The SQLite URI that opens exactly this file, never creating it: every character that a URI
// gives a meaning ("?", "#", "%") or that is not plain ASCII is percent-encoded.
QString DatabaseUri(const QString& absolutePath, StoreAccess access);

// How an append refreshes the snapshot: re-reading the whole table, or adding the new row.
// Both show the same rows; the second keeps a long download fast.
enum class AppendRefresh { WholeTable, NewRowOnly };

// The record database: the file lib/DistLib.mdb with its table LoadData, and the one table
// model over it.
class RecordStore : public QObject, public records::RecordSink {
    Q_OBJECT
public:
    explicit RecordStore(QString databasePath, StoreAccess access = StoreAccess::ReadWrite,
                         QObject* parent = nullptr);
    ~RecordStore() override;

    // Opens the existing file read-write and checks that it holds LoadData with its columns.
    // Never creates anything. False (with the reason in LastError()) on failure.
    bool ADOConnectAccess();
    bool Connected() const { return connected_; }
    const QString& LastError() const { return lastError_; }
    const QString& DatabasePath() const { return path_; }

    // Moves every committed row from the write-ahead log into DistLib.mdb itself, so that a copy
    // of the file holds them all. Also done when the store closes.
    void Checkpoint();

    // The file is of a newer layout than this program knows; it was not opened for writing.
    bool SchemaTooNew() const { return schemaTooNew_; }

    // The history of downloads: a Downloads row from the start, finished with its outcome.
    void BeginDownload(const records::DownloadSource& source) override;
    void FinishDownload(const records::DownloadSummary& summary) override;

    // Deletes every row and leaves the table open and empty; throws StoreError.
    void EmptyLoadData() override;
    // Appends one committed row; throws StoreError.
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                     std::span<const std::uint8_t> reply = {}) override;
    void SetAppendRefresh(AppendRefresh mode) { appendRefresh_ = mode; }

    // ADOTable1: closed until the first EmptyLoadData of the run.
    LoadDataModel& Table() { return table_; }
    // The open connection, for the history's queries.
    QSqlDatabase Database() const;

private:
    bool PrepareForWriting(QSqlDatabase& db);
    void RequireConnection();
    bool OpenChecked(QSqlDatabase& db, const QString& uri);

    QString path_;
    StoreAccess access_;
    QString connectionName_;
    bool connected_ = false;
    bool schemaTooNew_ = false;
    qint64 currentDownload_ = 0; // the Downloads row of the download running
    std::unique_ptr<QSqlQuery> appendRow_;
    std::unique_ptr<QSqlQuery> keepRecord_;
    QString lastError_;
    AppendRefresh appendRefresh_ = AppendRefresh::NewRowOnly;
    LoadDataModel table_;
};

} // namespace rangedesk::store
