#include "local_push_source.h"

#include "push_rows.h"

namespace rangedesk::team {
namespace {

using store::OutboxKind;

OutboxEntry::Kind EntryKind(OutboxKind kind) {
    switch (kind) {
    case OutboxKind::Job:
        return OutboxEntry::Kind::Job;
    case OutboxKind::Download:
        return OutboxEntry::Kind::Download;
    case OutboxKind::Record:
        return OutboxEntry::Kind::Record;
    case OutboxKind::Reading:
        return OutboxEntry::Kind::Reading;
    }
    return OutboxEntry::Kind::Download;
}

OutboxKind StoreKind(OutboxEntry::Kind kind) {
    switch (kind) {
    case OutboxEntry::Kind::Job:
        return OutboxKind::Job;
    case OutboxEntry::Kind::Download:
        return OutboxKind::Download;
    case OutboxEntry::Kind::Record:
        return OutboxKind::Record;
    case OutboxEntry::Kind::Reading:
        return OutboxKind::Reading;
    }
    return OutboxKind::Download;
}

// The push's view of the store; the SQL is the store's (PushRows).
class StorePushSource : public PushSource {
public:
    StorePushSource(const QString& path, store::StoreAccess access) : rows_(path, access) {}

    std::vector<OutboxEntry> Pending(int limit) override {
        std::vector<OutboxEntry> entries;
        for (const store::PendingChange& c : rows_.Pending(limit)) {
            entries.push_back({c.Seq, EntryKind(c.Kind), c.Uuid, c.RecNo});
        }
        return entries;
    }
    qint64 PendingCount() override { return rows_.PendingCount(); }

    std::optional<TeamJob> LoadJob(const QUuid& uuid) override { return rows_.Job(uuid); }
    std::optional<TeamDownload> LoadDownload(const QUuid& uuid) override {
        return rows_.Download(uuid);
    }
    std::vector<TeamRecord> LoadRecords(const QUuid& download) override {
        return rows_.Records(download);
    }
    std::optional<TeamRecord> LoadRecord(const QUuid& download, int recNo) override {
        return rows_.Record(download, recNo);
    }
    std::optional<TeamReading> LoadReading(const QUuid& uuid) override {
        return rows_.Reading(uuid);
    }

    void MarkPushed(std::span<const OutboxEntry> entries) override {
        std::vector<store::PendingChange> changes;
        changes.reserve(entries.size());
        for (const OutboxEntry& e : entries) {
            changes.push_back({e.Seq, StoreKind(e.What), e.Uuid, e.RecNo});
        }
        rows_.MarkPushed(changes);
    }

    void ApplyRemoteEdit(const RemoteEdit& edit) override {
        std::visit([this](const auto& row) { rows_.TakeOver(row); }, edit.Row);
    }

    QString State(const QString& key) override { return rows_.State(key); }
    void SetState(const QString& key, const QString& value) override { rows_.SetState(key, value); }

    LocalCounts Counts() override {
        const store::SharedRowCounts c = rows_.Counts();
        return {c.Jobs, c.Downloads, c.Records, c.Readings};
    }

private:
    store::PushRows rows_;
};

} // namespace

std::unique_ptr<PushSource> LocalPushSource(const QString& databasePath,
                                            store::StoreAccess access) {
    return std::make_unique<StorePushSource>(databasePath, access);
}

} // namespace rangedesk::team
