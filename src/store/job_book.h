#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>
#include <stdexcept>
#include <vector>

namespace rangedesk::store {

class RecordStore;

// A job: where and for whom measurements were taken. Downloads and readings belong to at most
// one job.
struct JobInfo {
    qint64 Id = 0;
    QUuid Uuid;
    QString Name;
    QString Client;
    QString Address;
    QString Notes;
    QDateTime Created; // UTC
    int Downloads = 0;
    int Records = 0;
};

// What a job says beside its name.
struct JobDetails {
    QString Client;
    QString Address;
    QString Notes;
};

// An edit the rules refuse, said in words: a bad name, a name another job has, a text too
// long, a job or download that does not exist. Nothing was changed.
class JobRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The jobs of a database. Reading takes any access; every edit is one transaction as the one
// writer of the database, bumps the row's version and queues it for a team server. Throws
// StoreError, and JobRefusal for what the rules refuse.
class JobBook {
public:
    explicit JobBook(RecordStore& store) : store_(store) {}

    // Newest first.
    std::vector<JobInfo> List() const;
    std::optional<JobInfo> Find(qint64 id) const;
    // The job of this name, whatever its case.
    std::optional<JobInfo> FindNamed(const QString& name) const;

    JobInfo Create(const QString& name, const JobDetails& details = {});
    // The job of this name, made when there is none; `created` says which.
    JobInfo FindOrCreate(const QString& name, bool* created = nullptr);
    void Rename(qint64 id, const QString& name);
    void SetDetails(qint64 id, const JobDetails& details);
    // Renames a job and sets its details in one edit: both are stored, or neither.
    void Update(qint64 id, const QString& name, const JobDetails& details);
    // Puts a download into a job, or into none.
    void Assign(qint64 downloadId, std::optional<qint64> jobId);

private:
    std::vector<JobInfo> Query(const QString& where, const QVariantList& values) const;
    JobInfo Require(qint64 id) const;

    RecordStore& store_;
};

} // namespace rangedesk::store
