#include "fake_push_source.h"

#include <QFile>

using namespace rangedesk::team;

namespace {

const QUuid kNamespace("{6f1c3c2e-2b8e-4d55-9a51-0c1f6d1e7a10}");

std::set<qint64> ReadPushed(const QString& path) {
    std::set<qint64> pushed;
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                pushed.insert(line.toLongLong());
            }
        }
    }
    return pushed;
}

} // namespace

FakePushSource::FakePushSource(QString desk, QString pushedFile)
    : desk_(std::move(desk)), pushedFile_(std::move(pushedFile)) {}

QUuid FakePushSource::DownloadUuid(int number) const {
    return QUuid::createUuidV5(kNamespace, QString("%1/%2").arg(desk_).arg(number));
}

void FakePushSource::AddDownloads(int count, int records, int firstNumber) {
    const std::set<qint64> pushed = ReadPushed(pushedFile_);
    QMutexLocker lock(&mutex_);
    const QDateTime base(QDate(2026, 3, 2), QTime(8, 0), Qt::UTC);
    for (int n = firstNumber; n < firstNumber + count; ++n) {
        TeamDownload d;
        d.Uuid = DownloadUuid(n);
        d.Started = base.addSecs(60 * n);
        d.Finished = d.Started.addSecs(30);
        d.Model = 1 + n % 4;
        d.Vendor = 0x0486;
        d.Product = 0x5750;
        d.Asked = records;
        d.Stored = records;
        d.NewRecords = records;
        d.Outcome = "complete";
        d.Desk = desk_;
        d.User = "surveyor";
        downloads_[d.Uuid] = d;
        for (int r = 1; r <= records; ++r) {
            TeamRecord rec;
            rec.Download = d.Uuid;
            rec.RecNo = r;
            rec.Reply = QByteArray(37, char(r % 251));
            rec.Mode = r % 2 ? "Area" : "Distance";
            rec.Unit = "m";
            rec.Dist1 = QString("%1.%2 m").arg(r % 10).arg(n % 1000, 3, 10, QChar('0'));
            rec.Result = "12.5 m2";
            records_[{d.Uuid, r}] = rec;
        }
        const qint64 seq = nextSeq_++;
        if (!pushed.count(seq)) {
            outbox_[seq] = {seq, OutboxEntry::Kind::Download, d.Uuid, 0};
        }
    }
}

void FakePushSource::AddJob(const TeamJob& job) {
    QMutexLocker lock(&mutex_);
    jobs_[job.Uuid] = job;
    Queue(OutboxEntry::Kind::Job, job.Uuid, 0);
}

void FakePushSource::KeepCopy(const TeamDownload& download,
                              const std::vector<TeamRecord>& records) {
    QMutexLocker lock(&mutex_);
    downloads_[download.Uuid] = download;
    for (const TeamRecord& r : records) {
        records_[{r.Download, r.RecNo}] = r;
    }
}

void FakePushSource::SetJob(const QUuid& download, const QUuid& job, const QDateTime& when) {
    QMutexLocker lock(&mutex_);
    TeamDownload& d = downloads_.at(download);
    d.Job = job;
    if (!Waits(OutboxEntry::Kind::Download, download, 0)) {
        ++d.JobVersion.Number;
    }
    d.JobVersion.Changed = when;
    d.JobVersion.ChangedBy = desk_;
    Queue(OutboxEntry::Kind::Download, download, 0);
}

void FakePushSource::EditLabel(const QUuid& download, int recNo, const QString& label,
                               const QDateTime& when) {
    QMutexLocker lock(&mutex_);
    TeamRecord& r = records_.at({download, recNo});
    r.Label = label;
    if (!Waits(OutboxEntry::Kind::Record, download, recNo)) {
        ++r.Version.Number;
    }
    r.Version.Changed = when;
    r.Version.ChangedBy = desk_;
    Queue(OutboxEntry::Kind::Record, download, recNo);
}

bool FakePushSource::Waits(OutboxEntry::Kind kind, const QUuid& uuid, int recNo) const {
    for (const auto& [seq, e] : outbox_) {
        if (e.What == kind && e.Uuid == uuid && e.RecNo == recNo) {
            return true;
        }
    }
    return false;
}

// As the store's outbox: one entry per row, queued again with a new Seq.
void FakePushSource::Queue(OutboxEntry::Kind kind, const QUuid& uuid, int recNo) {
    for (auto it = outbox_.begin(); it != outbox_.end(); ++it) {
        if (it->second.What == kind && it->second.Uuid == uuid && it->second.RecNo == recNo) {
            outbox_.erase(it);
            break;
        }
    }
    const qint64 seq = nextSeq_++;
    outbox_[seq] = {seq, kind, uuid, recNo};
}

TeamRecord FakePushSource::Record(const QUuid& download, int recNo) const {
    QMutexLocker lock(&mutex_);
    return records_.at({download, recNo});
}

std::vector<RemoteEdit> FakePushSource::AppliedEdits() const {
    QMutexLocker lock(&mutex_);
    return applied_;
}

std::vector<OutboxEntry> FakePushSource::Pending(int limit) {
    QMutexLocker lock(&mutex_);
    std::vector<OutboxEntry> out;
    for (auto it = outbox_.begin(); it != outbox_.end() && int(out.size()) < limit; ++it) {
        out.push_back(it->second);
    }
    return out;
}

qint64 FakePushSource::PendingCount() {
    QMutexLocker lock(&mutex_);
    return qint64(outbox_.size());
}

std::optional<TeamJob> FakePushSource::LoadJob(const QUuid& uuid) {
    QMutexLocker lock(&mutex_);
    const auto it = jobs_.find(uuid);
    return it == jobs_.end() ? std::nullopt : std::optional(it->second);
}

std::optional<TeamDownload> FakePushSource::LoadDownload(const QUuid& uuid) {
    QMutexLocker lock(&mutex_);
    const auto it = downloads_.find(uuid);
    return it == downloads_.end() ? std::nullopt : std::optional(it->second);
}

std::vector<TeamRecord> FakePushSource::LoadRecords(const QUuid& download) {
    QMutexLocker lock(&mutex_);
    std::vector<TeamRecord> out;
    for (auto it = records_.lower_bound({download, 0});
         it != records_.end() && it->first.first == download; ++it) {
        out.push_back(it->second);
    }
    return out;
}

std::optional<TeamRecord> FakePushSource::LoadRecord(const QUuid& download, int recNo) {
    QMutexLocker lock(&mutex_);
    const auto it = records_.find({download, recNo});
    return it == records_.end() ? std::nullopt : std::optional(it->second);
}

std::optional<TeamReading> FakePushSource::LoadReading(const QUuid&) {
    return std::nullopt;
}

void FakePushSource::MarkPushed(std::span<const OutboxEntry> entries) {
    QMutexLocker lock(&mutex_);
    QByteArray lines;
    for (const OutboxEntry& e : entries) {
        const auto it = outbox_.find(e.Seq);
        if (it != outbox_.end() && it->second == e) {
            outbox_.erase(it);
            lines += QByteArray::number(e.Seq) + '\n';
        }
    }
    if (!pushedFile_.isEmpty()) {
        QFile file(pushedFile_);
        file.open(QIODevice::Append);
        file.write(lines);
    }
}

void FakePushSource::ApplyRemoteEdit(const RemoteEdit& edit) {
    QMutexLocker lock(&mutex_);
    applied_.push_back(edit);
    if (const auto* job = std::get_if<TeamJob>(&edit.Row)) {
        if (!Waits(OutboxEntry::Kind::Job, job->Uuid, 0)) {
            jobs_[job->Uuid] = *job;
        }
    } else if (const auto* r = std::get_if<TeamRecord>(&edit.Row)) {
        const auto it = records_.find({r->Download, r->RecNo});
        if (it != records_.end() && !Waits(OutboxEntry::Kind::Record, r->Download, r->RecNo)) {
            it->second.Label = r->Label;
            it->second.Note = r->Note;
            it->second.Deduction = r->Deduction;
            it->second.Version = r->Version;
        }
    } else if (const auto* d = std::get_if<TeamDownload>(&edit.Row)) {
        const auto it = downloads_.find(d->Uuid);
        if (it != downloads_.end() && !Waits(OutboxEntry::Kind::Download, d->Uuid, 0)) {
            it->second.Job = d->Job;
            it->second.JobVersion = d->JobVersion;
        }
    }
}

QString FakePushSource::State(const QString& key) {
    QMutexLocker lock(&mutex_);
    const auto it = state_.find(key);
    return it == state_.end() ? QString() : it->second;
}

void FakePushSource::SetState(const QString& key, const QString& value) {
    QMutexLocker lock(&mutex_);
    state_[key] = value;
}

LocalCounts FakePushSource::Counts() {
    QMutexLocker lock(&mutex_);
    return {qint64(jobs_.size()), qint64(downloads_.size()), qint64(records_.size()), 0};
}
