#pragma once

#include <QString>
#include <QUuid>

#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "team_rows.h"

namespace rangedesk::team {

// One outbox row: what waits for the team server. Kind and key name the row; Seq orders the
// changes and tells a row queued again (new Seq) from the one that was pushed.
struct OutboxEntry {
    enum class Kind { Job, Download, Record, Reading };
    qint64 Seq = 0;
    Kind What = Kind::Download;
    QUuid Uuid;    // the job, download or reading; a record's download
    int RecNo = 0; // a record's number; 0 otherwise
    bool operator==(const OutboxEntry&) const = default;
};

// A row as the server holds it, for the desk to take over.
using RemoteRow = std::variant<TeamJob, TeamDownload, TeamRecord, TeamReading>;

struct RemoteEdit {
    RemoteRow Row;
    // This desk's own edit of the row lost against it (the later edit wins); the user is told
    // "changed by DESK at TIME". False for an edit this desk had not touched.
    bool LostOwnEdit = false;
};

// What the desk holds, for "team status" and the first push.
struct LocalCounts {
    qint64 Jobs = 0;
    qint64 Downloads = 0;
    qint64 Records = 0;
    qint64 Readings = 0;
};

// The local side of the push: the store's Outbox and rows, seen from the pusher. The pusher
// makes its source on its own thread (see TeamPusher) and calls it only there, so a store
// implementation opens its own database connection for it.
class PushSource {
public:
    virtual ~PushSource() = default;

    // The oldest waiting entries, in Seq order; at most `limit`.
    virtual std::vector<OutboxEntry> Pending(int limit) = 0;
    virtual qint64 PendingCount() = 0;

    // The rows as they are now; nothing when the row was deleted here since it was queued.
    virtual std::optional<TeamJob> LoadJob(const QUuid& uuid) = 0;
    virtual std::optional<TeamDownload> LoadDownload(const QUuid& uuid) = 0;
    // Every kept record of a download, in RecNo order.
    virtual std::vector<TeamRecord> LoadRecords(const QUuid& download) = 0;
    virtual std::optional<TeamRecord> LoadRecord(const QUuid& download, int recNo) = 0;
    virtual std::optional<TeamReading> LoadReading(const QUuid& uuid) = 0;

    // The server holds these entries' state: remove each entry whose Seq is still the one
    // given (an entry queued again since keeps waiting). One transaction.
    virtual void MarkPushed(std::span<const OutboxEntry> entries) = 0;

    // Take over a row as the server has it, without queueing it: set its editable fields and
    // its version. Skipped when the row waits in the outbox (its own edit is decided when it
    // is pushed). A job unknown here is added; other unknown rows are ignored.
    virtual void ApplyRemoteEdit(const RemoteEdit& edit) = 0;

    // Small values the pusher keeps beside the data (the pull position, the last push).
    virtual QString State(const QString& key) = 0;
    virtual void SetState(const QString& key, const QString& value) = 0;

    virtual LocalCounts Counts() = 0;
};

} // namespace rangedesk::team
