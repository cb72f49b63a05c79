#include "team_push.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>

#include "conflict_text.h"
#include "copy_text.h"
#include "team_connection.h"
#include "team_json.h"

namespace rangedesk::team {
namespace {

QString Compact(const QJsonArray& array) {
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

RemoteRow RowFromJson(const QString& kind, const QJsonObject& o) {
    if (kind == "job") {
        return JobFromJson(o);
    }
    if (kind == "download") {
        return DownloadFromJson(o);
    }
    if (kind == "record") {
        return RecordFromJson(o);
    }
    return ReadingFromJson(o);
}

constexpr const char* kInsertDownloads = R"sql(
INSERT INTO rangedesk.downloads (uuid, started, finished, model, vendor, product, serial,
    simulated, decimal_separator, asked, stored, new_records, outcome, desk, "user", job,
    job_version, changed, changed_by)
SELECT uuid, started, finished, model, vendor, product, serial, simulated, decimal_separator,
    asked, stored, new_records, outcome, desk, "user", job, job_version, changed, changed_by
FROM jsonb_to_recordset(?::jsonb) AS x(uuid uuid, started timestamptz, finished timestamptz,
    model integer, vendor integer, product integer, serial text, simulated boolean,
    decimal_separator text, asked integer, stored integer, new_records integer, outcome text,
    desk text, "user" text, job uuid, job_version integer, changed timestamptz, changed_by text)
ON CONFLICT (uuid) DO NOTHING
)sql";

// Records come through a staging table by COPY, then into their table without doubling.
constexpr const char* kMakeIncomingRecords = R"sql(
CREATE TEMPORARY TABLE IF NOT EXISTS rangedesk_incoming_records (
    download uuid, recno integer, reply bytea, mode text, unit text, dist1 text, dist2 text,
    dist3 text, result text, label text, note text, deduction boolean, search text,
    version integer, changed timestamptz, changed_by text
) ON COMMIT DELETE ROWS
)sql";

constexpr const char* kInsertRecords = R"sql(
INSERT INTO rangedesk.records (download, recno, reply, mode, unit, dist1, dist2, dist3, result,
    label, note, deduction, search, version, changed, changed_by)
SELECT download, recno, reply, mode, unit, dist1, dist2, dist3, result, label, note,
    deduction, search, version, changed, changed_by
FROM rangedesk_incoming_records
ON CONFLICT (download, recno) DO NOTHING
)sql";

// Others' edits since a transaction position, and this desk's own that lost.
constexpr const char* kPull = R"sql(
SELECT 'job', to_jsonb(j) - 'search' - 'xact', j.lost_by = ?
  FROM rangedesk.jobs j
 WHERE j.xact >= ?::xid8 AND (j.changed_by <> ? OR j.lost_by = ?)
UNION ALL
SELECT 'download', to_jsonb(d) - 'xact', d.lost_by = ?
  FROM rangedesk.downloads d
 WHERE d.changed IS NOT NULL AND d.xact >= ?::xid8 AND (d.changed_by <> ? OR d.lost_by = ?)
UNION ALL
SELECT 'record', to_jsonb(r) - 'reply' - 'search' - 'xact', r.lost_by = ?
  FROM rangedesk.records r
 WHERE r.changed IS NOT NULL AND r.xact >= ?::xid8 AND (r.changed_by <> ? OR r.lost_by = ?)
UNION ALL
SELECT 'reading', to_jsonb(g) - 'search' - 'xact', g.lost_by = ?
  FROM rangedesk.readings g
 WHERE g.changed IS NOT NULL AND g.xact >= ?::xid8 AND (g.changed_by <> ? OR g.lost_by = ?)
)sql";

} // namespace

// One transaction's worth of outbox entries and the rows they name.
struct TeamPush::Batch {
    std::vector<OutboxEntry> Entries;
    QJsonArray Jobs;
    QJsonArray Downloads;
    QJsonArray DownloadEdits;
    QByteArray RecordLines; // COPY text
    QJsonArray RecordEdits;
    QJsonArray Readings;
    qint64 RecordCount = 0;
};

TeamPush::TeamPush(TeamConnection& connection, PushSource& source, const QUuid& serverId)
    : connection_(connection), source_(source),
      pullKey_("team/pulled/" + serverId.toString(QUuid::WithoutBraces)) {}

PushReport TeamPush::Push(const ProgressFn& progress, const std::atomic_bool* stop) {
    PushReport report;
    PushProgress at{0, source_.PendingCount(), 0};
    if (progress) {
        progress(at);
    }
    while (!(stop && stop->load())) {
        const std::vector<OutboxEntry> pending = source_.Pending(kEntriesPerBatch);
        if (pending.empty()) {
            break;
        }
        Batch batch;
        for (const OutboxEntry& entry : pending) {
            batch.Entries.push_back(entry);
            switch (entry.What) {
            case OutboxEntry::Kind::Job:
                if (const auto job = source_.LoadJob(entry.Uuid)) {
                    batch.Jobs.append(JobJson(*job));
                }
                break;
            case OutboxEntry::Kind::Download:
                if (const auto download = source_.LoadDownload(entry.Uuid)) {
                    batch.Downloads.append(DownloadJson(*download));
                    batch.DownloadEdits.append(DownloadJson(*download));
                    for (const TeamRecord& record : source_.LoadRecords(entry.Uuid)) {
                        AppendRecordCopyLine(batch.RecordLines, record);
                        ++batch.RecordCount;
                    }
                }
                break;
            case OutboxEntry::Kind::Record:
                if (const auto record = source_.LoadRecord(entry.Uuid, entry.RecNo)) {
                    batch.RecordEdits.append(RecordJson(*record));
                }
                break;
            case OutboxEntry::Kind::Reading:
                if (const auto reading = source_.LoadReading(entry.Uuid)) {
                    batch.Readings.append(ReadingJson(*reading));
                }
                break;
            }
            if (batch.RecordCount >= kRecordsPerBatch) {
                break;
            }
        }
        Send(batch, report);
        at.Done += qint64(batch.Entries.size());
        at.Records += batch.RecordCount;
        at.Total = std::max(at.Total, at.Done + source_.PendingCount());
        if (progress) {
            progress(at);
        }
    }
    if (!(stop && stop->load()) && source_.PendingCount() == 0) {
        source_.SetState("team/lastPush",
                         QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    }
    return report;
}

void TeamPush::Send(Batch& batch, PushReport& report) {
    TeamConnection& c = connection_;
    std::vector<std::pair<QString, QJsonArray>> results;
    auto edit = [&](const char* function, const char* kind, const QJsonArray& rows) {
        if (rows.isEmpty()) {
            return QJsonArray();
        }
        QSqlQuery q =
            c.Exec(QString("SELECT outcome, state::text FROM rangedesk.%1(?::jsonb)").arg(function),
                   {Compact(rows)}, QString("pushing %1 %2 edits").arg(rows.size()).arg(kind));
        QJsonArray out;
        while (q.next()) {
            out.append(QJsonObject{
                {"outcome", q.value(0).toString()},
                {"state", QJsonDocument::fromJson(q.value(1).toString().toUtf8()).object()}});
        }
        results.emplace_back(kind, out);
        return out;
    };
    auto insertDownloads = [&](const QJsonArray& downloads, const QByteArray& records) {
        if (!downloads.isEmpty()) {
            c.Exec(kInsertDownloads, {Compact(downloads)},
                   QString("pushing %1 downloads").arg(downloads.size()));
        }
        if (!records.isEmpty()) {
            // In this transaction: a rolled-back one takes a table it made with it.
            c.Exec("SET LOCAL client_min_messages = warning", {}, "preparing the push");
            c.Exec(kMakeIncomingRecords, {}, "preparing the push");
            c.CopyIn("rangedesk_incoming_records", records, "pushing records");
            c.Exec(kInsertRecords, {}, "pushing records");
        }
    };

    c.Begin("starting a push");
    try {
        c.Exec("SELECT set_config('rangedesk.desk', ?, true)", {c.Desk()}, "naming the desk");
        edit("edit_jobs", "job", batch.Jobs);
        insertDownloads(batch.Downloads, batch.RecordLines);
        edit("edit_downloads", "download", batch.DownloadEdits);
        const QJsonArray recordResults = edit("edit_records", "record", batch.RecordEdits);
        // A record edited before its download reached the server: send the download first.
        QJsonArray missingDownloads, retry;
        QByteArray missingRecords;
        QSet<QUuid> sent;
        for (const QJsonValue& r : recordResults) {
            const QJsonObject result = r.toObject();
            if (result["outcome"].toString() != "missing") {
                continue;
            }
            const QUuid uuid = QUuid::fromString(result["state"].toObject()["download"].toString());
            const int recNo = result["state"].toObject()["recno"].toInt();
            if (const auto record = source_.LoadRecord(uuid, recNo)) {
                retry.append(RecordJson(*record));
            }
            if (sent.contains(uuid)) {
                continue;
            }
            sent.insert(uuid);
            if (const auto download = source_.LoadDownload(uuid)) {
                missingDownloads.append(DownloadJson(*download));
                for (const TeamRecord& record : source_.LoadRecords(uuid)) {
                    AppendRecordCopyLine(missingRecords, record);
                }
            }
        }
        if (!retry.isEmpty()) {
            insertDownloads(missingDownloads, missingRecords);
            edit("edit_records", "record", retry);
        }
        edit("edit_readings", "reading", batch.Readings);
        c.Commit("committing a push");
    } catch (...) {
        c.Rollback();
        throw;
    }
    source_.MarkPushed(batch.Entries);
    report.Entries += qint64(batch.Entries.size());
    report.Records += batch.RecordCount;
    for (const auto& [kind, rows] : results) {
        Settle(kind, rows, report);
    }
}

// The server's answer to each edit: a lost edit is taken back from the server and the user
// told; an accepted one whose version the server raised takes that number.
void TeamPush::Settle(const QString& kind, const QJsonArray& results, PushReport& report) {
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QString outcome = result["outcome"].toString();
        if (outcome == "missing" || outcome == "same") {
            continue;
        }
        const RemoteRow row = RowFromJson(kind, result["state"].toObject());
        if (outcome == "lost") {
            TakeOver(row, true, report);
        } else {
            // The server keeps the number the desk sent unless another desk's version was
            // above it; then the desk takes the server's.
            source_.ApplyRemoteEdit({row, false});
        }
    }
}

void TeamPush::TakeOver(const RemoteRow& row, bool lostOwnEdit, PushReport& report) {
    source_.ApplyRemoteEdit({row, lostOwnEdit});
    ++report.RemoteEdits;
    if (lostOwnEdit) {
        QDateTime started;
        QUuid download;
        if (const auto* r = std::get_if<TeamRecord>(&row)) {
            download = r->Download;
        } else if (const auto* d = std::get_if<TeamDownload>(&row)) {
            download = d->Uuid;
        }
        if (!download.isNull()) {
            if (const auto local = source_.LoadDownload(download)) {
                started = local->Started;
            }
        }
        report.Conflicts << ConflictText(row, started);
    }
}

PushReport TeamPush::Pull() {
    PushReport report;
    TeamConnection& c = connection_;
    QString from = source_.State(pullKey_);
    if (from.isEmpty()) {
        from = "0";
    }
    // Transactions still open now have ids from here on: the next pull starts there.
    const QString next = c.Value("SELECT pg_snapshot_xmin(pg_current_snapshot())::text", {},
                                 "reading the transaction position")
                             .toString();
    const QString desk = c.Desk();
    QVariantList values;
    for (int table = 0; table < 4; ++table) {
        values << desk << from << desk << desk;
    }
    QSqlQuery q = c.Exec(kPull, values, "reading the edits of other desks");
    while (q.next()) {
        const QString kind = q.value(0).toString();
        const QJsonObject state = QJsonDocument::fromJson(q.value(1).toString().toUtf8()).object();
        TakeOver(RowFromJson(kind, state), q.value(2).toBool(), report);
    }
    source_.SetState(pullKey_, next);
    return report;
}

} // namespace rangedesk::team
