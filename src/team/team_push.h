#pragma once

#include <QString>
#include <QUuid>

#include <atomic>
#include <functional>
#include <vector>

#include "push_source.h"

namespace rangedesk::team {

class TeamConnection;

// How far a push has come: outbox entries done of those waiting when it began, and the
// records they carried.
struct PushProgress {
    qint64 Done = 0;
    qint64 Total = 0;
    qint64 Records = 0;
};

struct PushReport {
    qint64 Entries = 0;     // outbox entries the server holds now
    qint64 Records = 0;     // records sent with downloads
    qint64 RemoteEdits = 0; // other desks' edits taken over here
    QStringList Conflicts;  // "changed by DESK at TIME" for each edit made here that lost
};

// Pushes the outbox to the server and takes over the edits other desks made, on the calling
// thread. Each batch is one transaction; the outbox entries of a batch are marked only after
// it committed, so a push cut anywhere (server gone, program killed) repeats at most the
// batch in flight, which the server takes again without doubling (rows keyed by UUID).
class TeamPush {
public:
    // `serverId` keys the pull position, so another server starts from its beginning.
    TeamPush(TeamConnection& connection, PushSource& source, const QUuid& serverId);

    // Records per transaction: large batches make the first push fast.
    static constexpr int kRecordsPerBatch = 20000;
    static constexpr int kEntriesPerBatch = 2000;

    using ProgressFn = std::function<void(const PushProgress&)>;
    // Pushes until nothing waits, or until *stop. Throws TeamError; committed batches stay.
    PushReport Push(const ProgressFn& progress = {}, const std::atomic_bool* stop = nullptr);
    // Takes over the edits other desks made since the last pull.
    PushReport Pull();

private:
    struct Batch;
    void Send(Batch& batch, PushReport& report);
    void Settle(const QString& kind, const QJsonArray& results, PushReport& report);
    void TakeOver(const RemoteRow& row, bool lostOwnEdit, PushReport& report);

    TeamConnection& connection_;
    PushSource& source_;
    QString pullKey_;
};

} // namespace rangedesk::team
