#pragma once

#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "outbox.h"
#include "shared_rows.h"
#include "store_access.h"
#include "writer_lock.h"

namespace rangedesk::store {

class SqlConnection;

// One row of the Outbox: a change that waits for the team server. A row queued again gets a
// new Seq, which tells it from the one a push took.
struct PendingChange {
    qint64 Seq = 0;
    OutboxKind Kind = OutboxKind::Download;
    QUuid Uuid; // the job, download or reading; a record's download
    int RecNo = 0;
};

// What a database holds, for the team's status.
struct SharedRowCounts {
    qint64 Jobs = 0;
    qint64 Downloads = 0;
    qint64 Records = 0;
    qint64 Readings = 0;
};

// The store's side of the team push: the Outbox and the rows it names, read as a team server
// takes them, and the few writes the push makes here (what the server holds now, other desks'
// edits, the push's own state). It opens a connection of its own, used only on the thread
// that made it (the pusher's). Its writes are brief writers of the database (WriterHold::Brief),
// each one transaction: a download or an edit that comes meanwhile waits them out, and a write
// that finds a download holding the database is refused (StoreError InUse) for the push to try
// again later. Every call throws StoreError.
class PushRows {
public:
    PushRows(QString databasePath, StoreAccess access);
    ~PushRows();
    PushRows(const PushRows&) = delete;
    PushRows& operator=(const PushRows&) = delete;

    // The oldest waiting changes, in Seq order, at most `limit`. When some wait, refused (InUse)
    // while a download or another lasting writer holds the database: a batch sent now could
    // not be marked as pushed.
    std::vector<PendingChange> Pending(int limit);
    qint64 PendingCount();

    // The rows as they are now; nothing when deleted here since they were queued.
    std::optional<records::SharedJob> Job(const QUuid& uuid);
    // A download, with the number of its records new on this desk; one left running by a
    // program that no longer runs reads "interrupted".
    std::optional<records::SharedDownload> Download(const QUuid& uuid);
    // Every kept record of a download, by number.
    std::vector<records::SharedRecord> Records(const QUuid& download);
    std::optional<records::SharedRecord> Record(const QUuid& download, int recNo);
    std::optional<records::SharedReading> Reading(const QUuid& uuid);

    // The server holds these changes: each Outbox row whose Seq is still the one given goes, in
    // one transaction; a row queued again since keeps waiting.
    void MarkPushed(std::span<const PendingChange> changes);

    // Takes over a row as the team server has it: its editable fields and version, without
    // queueing it. Nothing when the row waits in the Outbox (its own edit is decided when it is
    // pushed) or is unknown here; a job unknown here is added. Returns whether it changed a row.
    bool TakeOver(const records::SharedJob& job);
    bool TakeOver(const records::SharedDownload& download);
    bool TakeOver(const records::SharedRecord& record);
    bool TakeOver(const records::SharedReading& reading);

    // Small values of the push kept beside the data (table State); empty when not set.
    QString State(const QString& key);
    void SetState(const QString& key, const QString& value);

    SharedRowCounts Counts();

private:
    // One brief write transaction.
    void Write(const std::function<void(SqlConnection&)>& work);
    bool Waits(OutboxKind kind, const QUuid& uuid, int recNo = 0);

    QString path_;
    std::unique_ptr<SqlConnection> connection_;
    WriterLock lock_;
};

} // namespace rangedesk::store
