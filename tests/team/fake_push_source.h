#pragma once

#include <QMutex>
#include <QString>

#include <map>
#include <set>

#include "push_source.h"

// A desk's local side in memory, as the store keeps it: rows, an outbox in Seq order, state
// values. Optionally the pushed Seqs are appended to a file, so a desk killed in a push and
// started again with the same rows resumes where it was.
class FakePushSource : public rangedesk::team::PushSource {
public:
    explicit FakePushSource(QString desk, QString pushedFile = {});

    // Adds `count` downloads of `records` records each, made on this desk, with UUIDs that
    // depend only on the desk and the number, and queues them.
    void AddDownloads(int count, int records, int firstNumber = 0);
    void AddJob(const rangedesk::team::TeamJob& job);
    // Keeps another desk's download here without queueing it, as one taken from the team.
    void KeepCopy(const rangedesk::team::TeamDownload& download,
                  const std::vector<rangedesk::team::TeamRecord>& records);
    void SetJob(const QUuid& download, const QUuid& job, const QDateTime& when);
    // Edits a record's label as the store does: version bumped once per push, queued.
    void EditLabel(const QUuid& download, int recNo, const QString& label, const QDateTime& when);
    QUuid DownloadUuid(int number) const;

    rangedesk::team::TeamRecord Record(const QUuid& download, int recNo) const;
    std::vector<rangedesk::team::RemoteEdit> AppliedEdits() const;

    std::vector<rangedesk::team::OutboxEntry> Pending(int limit) override;
    qint64 PendingCount() override;
    std::optional<rangedesk::team::TeamJob> LoadJob(const QUuid& uuid) override;
    std::optional<rangedesk::team::TeamDownload> LoadDownload(const QUuid& uuid) override;
    std::vector<rangedesk::team::TeamRecord> LoadRecords(const QUuid& download) override;
    std::optional<rangedesk::team::TeamRecord> LoadRecord(const QUuid& download,
                                                          int recNo) override;
    std::optional<rangedesk::team::TeamReading> LoadReading(const QUuid& uuid) override;
    void MarkPushed(std::span<const rangedesk::team::OutboxEntry> entries) override;
    void ApplyRemoteEdit(const rangedesk::team::RemoteEdit& edit) override;
    QString State(const QString& key) override;
    void SetState(const QString& key, const QString& value) override;
    rangedesk::team::LocalCounts Counts() override;

private:
    using Key = std::pair<QUuid, int>;
    void Queue(rangedesk::team::OutboxEntry::Kind kind, const QUuid& uuid, int recNo);
    bool Waits(rangedesk::team::OutboxEntry::Kind kind, const QUuid& uuid, int recNo) const;

    mutable QMutex mutex_;
    QString desk_;
    QString pushedFile_;
    qint64 nextSeq_ = 1;
    std::map<qint64, rangedesk::team::OutboxEntry> outbox_;
    std::map<QUuid, rangedesk::team::TeamJob> jobs_;
    std::map<QUuid, rangedesk::team::TeamDownload> downloads_;
    std::map<Key, rangedesk::team::TeamRecord> records_;
    std::map<QString, QString> state_;
    std::vector<rangedesk::team::RemoteEdit> applied_;
};
