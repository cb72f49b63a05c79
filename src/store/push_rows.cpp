#include "push_rows.h"

#include <QCoreApplication>

#include <QSqlQuery>

#include "database_opener.h"
#include "download_outcome.h"
#include "load_data_columns.h"
#include "load_data_row.h"
#include "load_data_sql.h"
#include "schema.h"
#include "search_text.h"
#include "sql_connection.h"
#include "store_error.h"
#include "text_rules.h"

namespace rangedesk::store {
namespace {

using records::LoadDataColumn;

QString UuidText(const QUuid& uuid) {
    return uuid.toString(QUuid::WithoutBraces);
}

// Times are kept as ISO 8601 UTC texts with milliseconds; NULL or '' is no time.
QDateTime TimeOf(const QVariant& value) {
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
}

QVariant TimeText(const QDateTime& time) {
    return time.isValid() ? QVariant(time.toUTC().toString(Qt::ISODateWithMs)) : QVariant();
}

records::RowVersion VersionOf(const QSqlQuery& q, int at) {
    return {q.value(at).toInt(), TimeOf(q.value(at + 1)), q.value(at + 2).toString()};
}

// The version columns' values, in the order "version, changed, changed_by".
QVariantList VersionValues(const records::RowVersion& v) {
    return {v.Number, TimeText(v.Changed), NotNull(v.ChangedBy)};
}

constexpr const char* kJob =
    "SELECT uuid, name, client, address, notes, created, desk, version, changed, changed_by "
    "FROM Jobs WHERE uuid = ?";

constexpr const char* kDownload =
    "SELECT d.id, d.uuid, d.started, d.finished, d.model, d.vendor, d.product, d.serial, "
    "d.simulated, d.decimal_separator, d.asked, d.stored, d.outcome, d.desk, d.user_name, "
    "j.uuid, d.job_version, d.changed, d.changed_by FROM Downloads d LEFT JOIN Jobs j ON "
    "d.job_id = j.id WHERE d.uuid = ?";

constexpr const char* kReading =
    "SELECT g.uuid, g.taken, g.model, g.vendor, g.product, g.serial, g.simulated, "
    "g.distance_tenths, g.text, j.uuid, g.label, g.note, g.desk, g.version, g.changed, "
    "g.changed_by FROM Readings g LEFT JOIN Jobs j ON g.job_id = j.id WHERE g.uuid = ?";

// A kept record's columns: number, bytes, the texts in LoadData's order, then what the user
// says of it and its version.
QString RecordsOf(const QString& where) {
    return "SELECT RecNo, reply, " + sql::KeptTextColumns() +
           ", label, note, deduction, version, changed, changed_by FROM DownloadRecords WHERE "
           "download_id = (SELECT id FROM Downloads WHERE uuid = ?)" +
           where + " ORDER BY RecNo";
}

records::SharedRecord RecordFrom(const QSqlQuery& q, const QUuid& download) {
    records::SharedRecord r;
    r.Download = download;
    r.RecNo = q.value(0).toInt();
    r.Reply = q.value(1).toByteArray();
    records::LoadDataTexts texts;
    int at = 2;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        if (records::ColumnInfo(c).Kind != records::ColumnKind::RecordNumber) {
            texts[std::size_t(c)] = q.value(at++).toString();
        }
    }
    r.Mode = texts[std::size_t(LoadDataColumn::MODE)];
    r.Unit = texts[std::size_t(LoadDataColumn::UNIT)];
    r.Dist1 = texts[std::size_t(LoadDataColumn::DIST1)];
    r.Dist2 = texts[std::size_t(LoadDataColumn::DIST2)];
    r.Dist3 = texts[std::size_t(LoadDataColumn::DIST3)];
    r.Result = texts[std::size_t(LoadDataColumn::RESULT)];
    r.Label = q.value(at).toString();
    r.Note = q.value(at + 1).toString();
    r.Deduction = q.value(at + 2).toInt() != 0;
    r.Version = VersionOf(q, at + 3);
    return r;
}

// The local id of a job known here by its uuid; NULL for none.
QVariant JobIdOf(SqlConnection& c, const QUuid& job) {
    if (job.isNull()) {
        return {};
    }
    return c.Value("SELECT id FROM Jobs WHERE uuid = ?", {UuidText(job)});
}

// A job from another desk whose name a different job has here keeps its name; its key is
// made unique by its uuid (a key of a typed name never holds a control character).
QString NameKeyFor(SqlConnection& c, const records::SharedJob& job) {
    const QString key = JobNameKey(job.Name);
    const bool taken = c.Value("SELECT COUNT(*) FROM Jobs WHERE name_key = ? AND uuid <> ?",
                               {key, UuidText(job.Uuid)})
                           .toInt() > 0;
    return taken ? key + QChar(0x1f) + UuidText(job.Uuid) : key;
}

} // namespace

PushRows::PushRows(QString databasePath, StoreAccess access)
    : path_(std::move(databasePath)), lock_(path_) {
    OpenedDatabase opened = OpenDatabase(path_, access);
    connection_ = std::move(opened.Connection);
    if (opened.Version > kSchemaVersion) {
        throw StoreError(
            StoreErrorKind::NewerVersion, StoreAction::Read, path_,
            QCoreApplication::translate("StoreError",
                                        "its layout is version %1, this program knows version %2")
                .arg(opened.Version)
                .arg(kSchemaVersion));
    }
    if (opened.Version < kSchemaVersion) {
        DeriveHistoryOfOlderFile(*connection_); // read-only: as the upgrade would make it
    }
}

PushRows::~PushRows() = default;

std::vector<PendingChange> PushRows::Pending(int limit) {
    QSqlQuery q =
        connection_->Run("SELECT seq, kind, uuid, recno FROM Outbox ORDER BY seq LIMIT ?", {limit});
    std::vector<PendingChange> changes;
    while (q.next()) {
        if (const auto kind = OutboxKindOf(q.value(1).toString())) {
            changes.push_back({q.value(0).toLongLong(), *kind,
                               QUuid::fromString(q.value(2).toString()), q.value(3).toInt()});
        }
    }
    if (!changes.empty()) {
        if (const auto holder = WriterLock::HolderOf(path_);
            holder && holder->Download != kBriefHolder) {
            throw InUseError(path_, *holder);
        }
    }
    return changes;
}

qint64 PushRows::PendingCount() {
    return connection_->Value("SELECT COUNT(*) FROM Outbox").toLongLong();
}

std::optional<records::SharedJob> PushRows::Job(const QUuid& uuid) {
    QSqlQuery q = connection_->Run(kJob, {UuidText(uuid)});
    if (!q.next()) {
        return std::nullopt;
    }
    return records::SharedJob{QUuid::fromString(q.value(0).toString()),
                              q.value(1).toString(),
                              q.value(2).toString(),
                              q.value(3).toString(),
                              q.value(4).toString(),
                              TimeOf(q.value(5)),
                              q.value(6).toString(),
                              VersionOf(q, 7)};
}

std::optional<records::SharedDownload> PushRows::Download(const QUuid& uuid) {
    QSqlQuery q = connection_->Run(kDownload, {UuidText(uuid)});
    if (!q.next()) {
        return std::nullopt;
    }
    const qint64 id = q.value(0).toLongLong();
    records::SharedDownload d;
    d.Uuid = QUuid::fromString(q.value(1).toString());
    d.Started = TimeOf(q.value(2));
    d.Finished = TimeOf(q.value(3));
    d.Model = q.value(4).toInt();
    d.Vendor = q.value(5).toInt();
    d.Product = q.value(6).toInt();
    d.Serial = q.value(7).toString();
    d.Simulated = q.value(8).toInt() != 0;
    d.DecimalSeparator = q.value(9).toString();
    d.Asked = q.value(10).toInt();
    d.Stored = q.value(11).toInt();
    d.Outcome = q.value(12).toString();
    d.Desk = q.value(13).toString();
    d.User = q.value(14).toString();
    d.Job = QUuid::fromString(q.value(15).toString());
    d.JobVersion = VersionOf(q, 16);
    q.finish();
    const QString running = records::OutcomeWord(records::DownloadOutcome::Running);
    if (d.Outcome == running) {
        const auto holder = WriterLock::HolderOf(path_);
        if (!holder || (holder->Download != id && holder->Download != 0)) {
            d.Outcome = records::OutcomeWord(records::DownloadOutcome::Interrupted);
        }
    }
    d.NewRecords =
        connection_
            ->Value("SELECT COUNT(*) FROM DownloadRecords r JOIN Downloads d ON r.download_id = "
                    "d.id WHERE r.download_id = ? AND " +
                        sql::NewKeptRecord(),
                    {id})
            .toInt();
    return d;
}

std::vector<records::SharedRecord> PushRows::Records(const QUuid& download) {
    QSqlQuery q = connection_->Run(RecordsOf({}), {UuidText(download)});
    std::vector<records::SharedRecord> records;
    while (q.next()) {
        records.push_back(RecordFrom(q, download));
    }
    return records;
}

std::optional<records::SharedRecord> PushRows::Record(const QUuid& download, int recNo) {
    QSqlQuery q = connection_->Run(RecordsOf(" AND RecNo = ?"), {UuidText(download), recNo});
    if (!q.next()) {
        return std::nullopt;
    }
    return RecordFrom(q, download);
}

std::optional<records::SharedReading> PushRows::Reading(const QUuid& uuid) {
    QSqlQuery q = connection_->Run(kReading, {UuidText(uuid)});
    if (!q.next()) {
        return std::nullopt;
    }
    records::SharedReading g;
    g.Uuid = QUuid::fromString(q.value(0).toString());
    g.Taken = TimeOf(q.value(1));
    g.Model = q.value(2).toInt();
    g.Vendor = q.value(3).toInt();
    g.Product = q.value(4).toInt();
    g.Serial = q.value(5).toString();
    g.Simulated = q.value(6).toInt() != 0;
    g.DistanceTenths = q.value(7).toLongLong();
    g.Text = q.value(8).toString();
    g.Job = QUuid::fromString(q.value(9).toString());
    g.Label = q.value(10).toString();
    g.Note = q.value(11).toString();
    g.Desk = q.value(12).toString();
    g.Version = VersionOf(q, 13);
    return g;
}

void PushRows::Write(const std::function<void(SqlConnection&)>& work) {
    const WriterScope hold(lock_, WriterHold::Brief);
    connection_->InWriteTransaction([&] { work(*connection_); });
}

bool PushRows::Waits(OutboxKind kind, const QUuid& uuid, int recNo) {
    return connection_
               ->Value("SELECT COUNT(*) FROM Outbox WHERE kind = ? AND uuid = ? AND recno = ?",
                       {OutboxKindWord(kind), UuidText(uuid), recNo})
               .toInt() > 0;
}

void PushRows::MarkPushed(std::span<const PendingChange> changes) {
    if (changes.empty()) {
        return;
    }
    Write([&](SqlConnection& c) {
        for (const PendingChange& change : changes) {
            c.RunPrepared("DELETE FROM Outbox WHERE seq = ?", {change.Seq}).finish();
        }
    });
}

bool PushRows::TakeOver(const records::SharedJob& job) {
    bool changed = false;
    Write([&](SqlConnection& c) {
        if (Waits(OutboxKind::Job, job.Uuid)) {
            return;
        }
        const QString search = records::SearchKey({job.Name, job.Client});
        const bool known =
            c.Value("SELECT COUNT(*) FROM Jobs WHERE uuid = ?", {UuidText(job.Uuid)}).toInt() > 0;
        const QVariantList fields{NotNull(job.Name.trimmed()), NameKeyFor(c, job),
                                  NotNull(job.Client),         NotNull(job.Address),
                                  NotNull(job.Notes),          NotNull(search)};
        if (known) {
            c.Run("UPDATE Jobs SET name = ?, name_key = ?, client = ?, address = ?, notes = ?, "
                  "search = ?, version = ?, changed = ?, changed_by = ? WHERE uuid = ?",
                  fields + VersionValues(job.Version) + QVariantList{UuidText(job.Uuid)},
                  StoreAction::Write);
        } else {
            c.Run(
                "INSERT INTO Jobs (name, name_key, client, address, notes, search, version, "
                "changed, changed_by, uuid, created, desk) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?)",
                fields + VersionValues(job.Version) +
                    QVariantList{UuidText(job.Uuid),
                                 TimeText(job.Created.isValid() ? job.Created : job.Version.Changed)
                                     .toString(),
                                 NotNull(job.Desk)},
                StoreAction::Write);
        }
        changed = true;
    });
    return changed;
}

bool PushRows::TakeOver(const records::SharedDownload& download) {
    bool changed = false;
    Write([&](SqlConnection& c) {
        if (Waits(OutboxKind::Download, download.Uuid)) {
            return;
        }
        const QSqlQuery update =
            c.Run("UPDATE Downloads SET job_id = ?, job_version = ?, changed = ?, changed_by = ? "
                  "WHERE uuid = ?",
                  QVariantList{JobIdOf(c, download.Job)} + VersionValues(download.JobVersion) +
                      QVariantList{UuidText(download.Uuid)},
                  StoreAction::Write);
        changed = update.numRowsAffected() > 0;
    });
    return changed;
}

bool PushRows::TakeOver(const records::SharedRecord& record) {
    bool changed = false;
    Write([&](SqlConnection& c) {
        if (Waits(OutboxKind::Record, record.Download, record.RecNo)) {
            return;
        }
        const QVariant mode = c.Value(
            "SELECT coalesce(MODE, '') FROM DownloadRecords WHERE download_id = (SELECT id FROM "
            "Downloads WHERE uuid = ?) AND RecNo = ?",
            {UuidText(record.Download), record.RecNo});
        if (!mode.isValid()) {
            return; // a record this desk does not keep
        }
        c.Run("UPDATE DownloadRecords SET label = ?, note = ?, deduction = ?, search = ?, "
              "version = ?, changed = ?, changed_by = ? WHERE download_id = (SELECT id FROM "
              "Downloads WHERE uuid = ?) AND RecNo = ?",
              QVariantList{
                  NotNull(record.Label), NotNull(record.Note), record.Deduction ? 1 : 0,
                  NotNull(records::SearchKey({mode.toString(), record.Label, record.Note}))} +
                  VersionValues(record.Version) +
                  QVariantList{UuidText(record.Download), record.RecNo},
              StoreAction::Write);
        changed = true;
    });
    return changed;
}

bool PushRows::TakeOver(const records::SharedReading& reading) {
    bool changed = false;
    Write([&](SqlConnection& c) {
        if (Waits(OutboxKind::Reading, reading.Uuid)) {
            return;
        }
        const QVariant text =
            c.Value("SELECT text FROM Readings WHERE uuid = ?", {UuidText(reading.Uuid)});
        if (!text.isValid()) {
            return; // another desk's reading
        }
        c.Run("UPDATE Readings SET job_id = ?, label = ?, note = ?, search = ?, version = ?, "
              "changed = ?, changed_by = ? WHERE uuid = ?",
              QVariantList{
                  JobIdOf(c, reading.Job), NotNull(reading.Label), NotNull(reading.Note),
                  NotNull(records::SearchKey({text.toString(), reading.Label, reading.Note}))} +
                  VersionValues(reading.Version) + QVariantList{UuidText(reading.Uuid)},
              StoreAction::Write);
        changed = true;
    });
    return changed;
}

QString PushRows::State(const QString& key) {
    return connection_->Value("SELECT value FROM State WHERE key = ?", {key}).toString();
}

void PushRows::SetState(const QString& key, const QString& value) {
    Write([&](SqlConnection& c) {
        c.Run("INSERT OR REPLACE INTO State (key, value) VALUES (?, ?)", {key, value},
              StoreAction::Write);
    });
}

SharedRowCounts PushRows::Counts() {
    QSqlQuery q = connection_->Run(
        "SELECT (SELECT COUNT(*) FROM Jobs), (SELECT COUNT(*) FROM Downloads), (SELECT COUNT(*) "
        "FROM DownloadRecords), (SELECT COUNT(*) FROM Readings)");
    SharedRowCounts counts;
    if (q.next()) {
        counts = {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                  q.value(3).toLongLong()};
    }
    return counts;
}

} // namespace rangedesk::store
