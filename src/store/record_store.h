#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include "load_data_model.h"
#include "measurement_record.h"
#include "record_sink.h"

namespace rangedesk::store {

// How an append refreshes the snapshot: re-reading the whole table, or adding the new row.
// Both show the same rows; the second keeps a long download fast.
enum class AppendRefresh { WholeTable, NewRowOnly };

// The record database: the file lib/DistLib.mdb with its table LoadData, and the one table
// model over it.
class RecordStore : public QObject, public meter::RecordSink {
    Q_OBJECT
public:
    explicit RecordStore(QString databasePath, QObject* parent = nullptr);
    ~RecordStore() override;

    // Opens the existing file read-write and checks that it holds LoadData with its columns.
    // Never creates anything. False (with the reason in LastError()) on failure.
    bool ADOConnectAccess();
    bool Connected() const { return connected_; }
    const QString& LastError() const { return lastError_; }
    const QString& DatabasePath() const { return path_; }

    // Deletes every row and leaves the table open and empty; throws StoreError.
    void EmptyLoadData() override;
    // Appends one committed row; throws StoreError.
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                     std::span<const std::uint8_t> reply = {}) override;
    void SetAppendRefresh(AppendRefresh mode) { appendRefresh_ = mode; }

    // ADOTable1: closed until the first EmptyLoadData of the run.
    LoadDataModel& Table() { return table_; }

private:
    QSqlDatabase Database() const;
    void RequireConnection() const;

    QString path_;
    QString connectionName_;
    bool connected_ = false;
    QString lastError_;
    AppendRefresh appendRefresh_ = AppendRefresh::NewRowOnly;
    LoadDataModel table_;
};

} // namespace rangedesk::store
