#include "job_book.h"

#include <QCoreApplication>

#include <QSqlQuery>

#include "outbox.h"
#include "record_store.h"
#include "search_text.h"
#include "sql_connection.h"
#include "store_edit.h"
#include "text_rules.h"

namespace rangedesk::store {
namespace {

constexpr const char* kJobColumns =
    "SELECT j.id, j.uuid, j.name, j.client, j.address, j.notes, j.created, "
    "(SELECT COUNT(*) FROM Downloads d WHERE d.job_id = j.id), "
    "(SELECT COUNT(*) FROM DownloadRecords r JOIN Downloads d ON r.download_id = d.id WHERE "
    "d.job_id = j.id) FROM Jobs j";

JobInfo JobFrom(const QSqlQuery& q) {
    return {q.value(0).toLongLong(),
            QUuid::fromString(q.value(1).toString()),
            q.value(2).toString(),
            q.value(3).toString(),
            q.value(4).toString(),
            q.value(5).toString(),
            QDateTime::fromString(q.value(6).toString(), Qt::ISODateWithMs),
            q.value(7).toInt(),
            q.value(8).toInt()};
}

void Refuse(const QString& why) {
    throw JobRefusal(why.toStdString());
}

void CheckName(const QString& name) {
    if (const auto problem = JobNameProblem(name)) {
        Refuse(*problem);
    }
}

void CheckDetails(const JobDetails& details) {
    for (const auto& [what, text] :
         {std::pair{"client", &details.Client}, std::pair{"address", &details.Address},
          std::pair{"job's notes", &details.Notes}}) {
        if (const auto problem = TextProblem(what, *text)) {
            Refuse(*problem);
        }
    }
}

// Another job of this name, whatever its case: refused, naming it.
void RefuseTakenName(SqlConnection& c, const QString& name, qint64 except) {
    QSqlQuery q =
        c.Run("SELECT name FROM Jobs WHERE name_key = ? AND id <> ?", {JobNameKey(name), except});
    if (q.next()) {
        Refuse(QCoreApplication::translate("JobRefusal", "there is a job \"%1\" already")
                   .arg(q.value(0).toString()));
    }
}

QString SearchOf(const QString& name, const JobDetails& details) {
    return records::SearchKey({name, details.Client});
}

} // namespace

std::vector<JobInfo> JobBook::Query(const QString& where, const QVariantList& values) const {
    store_.RequireHistory();
    QSqlQuery q = store_.Connection().Run(QString(kJobColumns) + where, values);
    std::vector<JobInfo> jobs;
    while (q.next()) {
        jobs.push_back(JobFrom(q));
    }
    return jobs;
}

std::vector<JobInfo> JobBook::List() const {
    return Query(" ORDER BY j.created DESC, j.id DESC", {});
}

std::optional<JobInfo> JobBook::Find(qint64 id) const {
    std::vector<JobInfo> found = Query(" WHERE j.id = ?", {id});
    return found.empty() ? std::nullopt : std::optional(found.front());
}

std::optional<JobInfo> JobBook::FindNamed(const QString& name) const {
    std::vector<JobInfo> found = Query(" WHERE j.name_key = ?", {JobNameKey(name)});
    return found.empty() ? std::nullopt : std::optional(found.front());
}

JobInfo JobBook::Require(qint64 id) const {
    std::optional<JobInfo> job = Find(id);
    if (!job) {
        Refuse(QCoreApplication::translate("JobRefusal", "there is no job %1").arg(id));
    }
    return *job;
}

JobInfo JobBook::Create(const QString& name, const JobDetails& details) {
    CheckName(name);
    CheckDetails(details);
    const QUuid uuid = QUuid::createUuid();
    qint64 id = 0;
    EditHistory(store_, [&](SqlConnection& c) {
        RefuseTakenName(c, name, 0);
        const QString now = ChangeTime();
        const QSqlQuery insert =
            c.Run("INSERT INTO Jobs (uuid, name, name_key, client, address, notes, search, "
                  "created, desk, changed, changed_by) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  {uuid.toString(QUuid::WithoutBraces), name.trimmed(), JobNameKey(name),
                   NotNull(details.Client), NotNull(details.Address), NotNull(details.Notes),
                   NotNull(SearchOf(name, details)), now, NotNull(store_.Desk().Desk), now,
                   NotNull(store_.Desk().Desk)},
                  StoreAction::Write);
        id = insert.lastInsertId().toLongLong();
        QueueChange(c, OutboxKind::Job, uuid);
    });
    return Require(id);
}

JobInfo JobBook::FindOrCreate(const QString& name, bool* created) {
    std::optional<JobInfo> job = FindNamed(name);
    if (created) {
        *created = !job;
    }
    return job ? *job : Create(name);
}

void JobBook::Rename(qint64 id, const QString& name) {
    CheckName(name);
    const JobInfo job = Require(id);
    const JobDetails details{job.Client, job.Address, job.Notes};
    EditHistory(store_, [&](SqlConnection& c) {
        RefuseTakenName(c, name, id);
        const bool waiting = QueueChange(c, OutboxKind::Job, job.Uuid);
        c.Run("UPDATE Jobs SET name = ?, name_key = ?, search = ?, version = version + ?, "
              "changed = ?, changed_by = ? WHERE id = ?",
              {name.trimmed(), JobNameKey(name), NotNull(SearchOf(name, details)), waiting ? 0 : 1,
               ChangeTime(), NotNull(store_.Desk().Desk), id},
              StoreAction::Write);
    });
}

void JobBook::SetDetails(qint64 id, const JobDetails& details) {
    CheckDetails(details);
    const JobInfo job = Require(id);
    EditHistory(store_, [&](SqlConnection& c) {
        const bool waiting = QueueChange(c, OutboxKind::Job, job.Uuid);
        c.Run("UPDATE Jobs SET client = ?, address = ?, notes = ?, search = ?, version = version "
              "+ ?, changed = ?, changed_by = ? WHERE id = ?",
              {NotNull(details.Client), NotNull(details.Address), NotNull(details.Notes),
               NotNull(SearchOf(job.Name, details)), waiting ? 0 : 1, ChangeTime(),
               NotNull(store_.Desk().Desk), id},
              StoreAction::Write);
    });
}

void JobBook::Update(qint64 id, const QString& name, const JobDetails& details) {
    CheckName(name);
    CheckDetails(details);
    const JobInfo job = Require(id);
    EditHistory(store_, [&](SqlConnection& c) {
        RefuseTakenName(c, name, id);
        const bool waiting = QueueChange(c, OutboxKind::Job, job.Uuid);
        c.Run("UPDATE Jobs SET name = ?, name_key = ?, client = ?, address = ?, notes = ?, "
              "search = ?, version = version + ?, changed = ?, changed_by = ? WHERE id = ?",
              {name.trimmed(), JobNameKey(name), NotNull(details.Client), NotNull(details.Address),
               NotNull(details.Notes), NotNull(SearchOf(name, details)), waiting ? 0 : 1,
               ChangeTime(), NotNull(store_.Desk().Desk), id},
              StoreAction::Write);
    });
}

void JobBook::Assign(qint64 downloadId, std::optional<qint64> jobId) {
    if (jobId) {
        Require(*jobId);
    }
    EditHistory(store_, [&](SqlConnection& c) {
        QSqlQuery download = c.Run("SELECT uuid FROM Downloads WHERE id = ?", {downloadId});
        if (!download.next()) {
            Refuse(QCoreApplication::translate("JobRefusal", "there is no download %1")
                       .arg(downloadId));
        }
        const QUuid uuid = QUuid::fromString(download.value(0).toString());
        download.finish();
        const bool waiting = QueueChange(c, OutboxKind::Download, uuid);
        c.Run("UPDATE Downloads SET job_id = ?, job_version = job_version + ?, changed = ?, "
              "changed_by = ? WHERE id = ?",
              {jobId ? QVariant(*jobId) : QVariant(), waiting ? 0 : 1, ChangeTime(),
               NotNull(store_.Desk().Desk), downloadId},
              StoreAction::Write);
    });
}

} // namespace rangedesk::store
