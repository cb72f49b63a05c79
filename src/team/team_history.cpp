#include "team_history.h"

#include <QSqlQuery>

#include "search_text.h"
#include "team_connection.h"

namespace rangedesk::team {
namespace {

// The list's columns, in this order.
enum Column {
    kUuid,
    kStarted,
    kFinished,
    kModel,
    kVendor,
    kProduct,
    kSerial,
    kSimulated,
    kDecimal,
    kAsked,
    kStored,
    kNew,
    kOutcome,
    kDesk,
    kUser,
    kJob,
    kJobVersion,
    kChanged,
    kChangedBy,
    kJobName,
    kJobClient
};

constexpr const char* kList = R"sql(
SELECT d.uuid, d.started, d.finished, d.model, d.vendor, d.product, d.serial, d.simulated,
       d.decimal_separator, d.asked, d.stored, d.new_records, d.outcome, d.desk, d."user",
       d.job, d.job_version, d.changed, d.changed_by, coalesce(j.name, ''), coalesce(j.client, '')
  FROM rangedesk.downloads d LEFT JOIN rangedesk.jobs j ON j.uuid = d.job
)sql";

constexpr const char* kSearch = R"sql(
 WHERE j.search LIKE ?
    OR EXISTS (SELECT FROM rangedesk.records r WHERE r.download = d.uuid AND r.search LIKE ?)
)sql";

QDateTime Utc(const QVariant& value) {
    QDateTime time = value.toDateTime();
    return time.isValid() ? time.toUTC() : time;
}

} // namespace

TeamHistory::TeamHistory(TeamConnection& connection) : connection_(connection) {}

std::vector<TeamHistoryRow> TeamHistory::List(const QString& search) {
    const QString pattern = records::SearchPattern(search);
    QString sql = kList;
    QVariantList values;
    if (!pattern.isEmpty()) {
        sql += kSearch;
        values << pattern << pattern;
    }
    sql += " ORDER BY d.started DESC, d.uuid";
    QSqlQuery q = connection_.Exec(sql, values, "listing the team's downloads");
    std::vector<TeamHistoryRow> rows;
    while (q.next()) {
        TeamHistoryRow row;
        TeamDownload& d = row.Download;
        d.Uuid = q.value(kUuid).toUuid();
        d.Started = Utc(q.value(kStarted));
        d.Finished = Utc(q.value(kFinished));
        d.Model = q.value(kModel).toInt();
        d.Vendor = q.value(kVendor).toInt();
        d.Product = q.value(kProduct).toInt();
        d.Serial = q.value(kSerial).toString();
        d.Simulated = q.value(kSimulated).toBool();
        d.DecimalSeparator = q.value(kDecimal).toString();
        d.Asked = q.value(kAsked).toInt();
        d.Stored = q.value(kStored).toInt();
        d.NewRecords = q.value(kNew).toInt();
        d.Outcome = q.value(kOutcome).toString();
        d.Desk = q.value(kDesk).toString();
        d.User = q.value(kUser).toString();
        d.Job = q.value(kJob).toUuid();
        d.JobVersion = {q.value(kJobVersion).toInt(), Utc(q.value(kChanged)),
                        q.value(kChangedBy).toString()};
        row.JobName = q.value(kJobName).toString();
        row.JobClient = q.value(kJobClient).toString();
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TeamRecord> TeamHistory::Records(const QUuid& download) {
    QSqlQuery q = connection_.Exec(
        "SELECT recno, reply, mode, unit, dist1, dist2, dist3, result, label, note, deduction, "
        "version, changed, changed_by FROM rangedesk.records WHERE download = ?::uuid "
        "ORDER BY recno",
        {download.toString(QUuid::WithoutBraces)}, "reading a download's records");
    std::vector<TeamRecord> records;
    while (q.next()) {
        TeamRecord r;
        r.Download = download;
        r.RecNo = q.value(0).toInt();
        r.Reply = q.value(1).toByteArray();
        r.Mode = q.value(2).toString();
        r.Unit = q.value(3).toString();
        r.Dist1 = q.value(4).toString();
        r.Dist2 = q.value(5).toString();
        r.Dist3 = q.value(6).toString();
        r.Result = q.value(7).toString();
        r.Label = q.value(8).toString();
        r.Note = q.value(9).toString();
        r.Deduction = q.value(10).toBool();
        r.Version = {q.value(11).toInt(), Utc(q.value(12)), q.value(13).toString()};
        records.push_back(std::move(r));
    }
    return records;
}

ServerCounts TeamHistory::Counts(const QString& desk) {
    QSqlQuery q = connection_.Exec(
        "SELECT count(*), coalesce(sum(stored), 0), count(*) FILTER (WHERE desk = ?), "
        "coalesce(sum(stored) FILTER (WHERE desk = ?), 0) FROM rangedesk.downloads",
        {desk, desk}, "counting the team's downloads");
    ServerCounts counts;
    if (q.next()) {
        counts = {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                  q.value(3).toLongLong()};
    }
    return counts;
}

} // namespace rangedesk::team
