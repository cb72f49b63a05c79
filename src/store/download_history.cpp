#include "download_history.h"

#include <QSqlQuery>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <map>

#include "download_outcome.h"
#include "load_data_sql.h"
#include "meter_text.h"
#include "record_store.h"
#include "search_text.h"
#include "sql_connection.h"
#include "writer_lock.h"

namespace rangedesk::store {
namespace {

constexpr const char* kDownloadColumns =
    "SELECT d.id, d.uuid, d.started, d.finished, d.model, d.vendor, d.product, d.serial, "
    "d.simulated, d.asked, d.stored, (SELECT COUNT(*) FROM DownloadRecords r WHERE "
    "r.download_id = d.id), d.outcome, d.decimal_separator, d.job_id, j.name, j.client, d.desk, "
    "d.user_name FROM Downloads d LEFT JOIN Jobs j ON d.job_id = j.id";

DownloadInfo InfoFrom(const QSqlQuery& q) {
    DownloadInfo d;
    d.Id = q.value(0).toLongLong();
    d.Uuid = QUuid::fromString(q.value(1).toString());
    d.Started = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs);
    d.Finished = QDateTime::fromString(q.value(3).toString(), Qt::ISODateWithMs);
    d.Model = q.value(4).toInt();
    d.VendorID = q.value(5).toInt();
    d.ProductID = q.value(6).toInt();
    d.Serial = q.value(7).toString();
    d.Simulated = q.value(8).toInt() != 0;
    d.Asked = q.value(9).toInt();
    d.Stored = q.value(10).toInt();
    d.Kept = q.value(11).toInt();
    d.Outcome = q.value(12).toString();
    d.DecimalSeparator = q.value(13).toString();
    if (!q.isNull(14)) {
        d.JobId = q.value(14).toLongLong();
    }
    d.JobName = q.value(15).toString();
    d.JobClient = q.value(16).toString();
    d.Desk = q.value(17).toString();
    d.User = q.value(18).toString();
    return d;
}

// A download is running only while a live process holds the database for it; one whose
// holder is not known yet (its row being written) is taken for running.
bool StillRunning(qint64 id, const std::optional<WriterHolder>& holder) {
    return holder && (holder->Download == id || holder->Download == 0);
}

// A kept record from the columns of SelectKeptRecords, starting at `first`.
HistoryRecord RecordFrom(const QSqlQuery& q, int first) {
    HistoryRecord r;
    r.RecNo = q.value(first).toInt();
    r.Reply = q.value(first + 1).toByteArray();
    r.Label = q.value(first + 2).toString();
    r.Note = q.value(first + 3).toString();
    r.Deduction = q.value(first + 4).toInt() != 0;
    // The texts in LoadData's order: the number where it stands, the others as kept.
    int kept = first + 5;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        r.Texts[std::size_t(c)] = records::ColumnInfo(c).Kind == records::ColumnKind::RecordNumber
                                      ? QString::number(r.RecNo)
                                      : q.value(kept++).toString();
    }
    return r;
}

} // namespace

std::vector<DownloadInfo> DownloadHistory::Query(const QString& where,
                                                 const QVariantList& values) const {
    store_.RequireHistory();
    QSqlQuery q = store_.Connection().Run(QString(kDownloadColumns) + where, values);
    std::vector<DownloadInfo> list;
    while (q.next()) {
        list.push_back(InfoFrom(q));
    }
    const QString running = records::OutcomeWord(records::DownloadOutcome::Running);
    std::optional<std::optional<WriterHolder>> holder; // read once, when a download needs it
    for (DownloadInfo& d : list) {
        if (d.Outcome != running) {
            continue;
        }
        if (!holder) {
            holder = WriterLock::HolderOf(store_.Path());
        }
        if (!StillRunning(d.Id, *holder)) {
            d.Outcome = records::OutcomeWord(records::DownloadOutcome::Interrupted);
        }
    }
    return list;
}

std::vector<DownloadInfo> DownloadHistory::List(const DownloadFilter& filter) const {
    if (filter.JobId) {
        return Query(" WHERE d.job_id = ? ORDER BY d.id DESC", {*filter.JobId});
    }
    return Query(filter.WithoutJob ? " WHERE d.job_id IS NULL ORDER BY d.id DESC"
                                   : " ORDER BY d.id DESC",
                 {});
}

std::optional<DownloadInfo> DownloadHistory::Find(qint64 id) const {
    std::vector<DownloadInfo> found = Query(" WHERE d.id = ?", {id});
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

std::vector<HistoryRecord> DownloadHistory::RecordsWhere(qint64 id, const QString& where,
                                                         const QVariantList& values) const {
    store_.RequireHistory();
    QSqlQuery q = store_.Connection().Run(sql::SelectKeptRecords(where), QVariantList{id} + values);
    std::vector<HistoryRecord> records;
    while (q.next()) {
        records.push_back(RecordFrom(q, 0));
    }
    return records;
}

std::vector<HistoryRecord> DownloadHistory::Records(qint64 id, RecordChoice choice) const {
    return RecordsWhere(id, choice == RecordChoice::OnlyNew ? " AND " + sql::NewKeptRecord() : "",
                        {});
}

int DownloadHistory::NewRecords(const DownloadInfo& download) const {
    store_.RequireHistory();
    return store_.Connection()
        .Value("SELECT COUNT(*) FROM DownloadRecords r JOIN Downloads d ON r.download_id = d.id "
               "WHERE r.download_id = ? AND " +
                   sql::NewKeptRecord(),
               {download.Id})
        .toInt();
}

std::vector<DownloadInfo>
DownloadHistory::FindMatching(const QString& needle, const QString& select,
                              const std::function<void(const QSqlQuery&)>& take,
                              std::set<qint64>& found) const {
    store_.RequireHistory();
    SqlConnection& connection = store_.Connection();
    QSqlQuery byRecord = connection.Run(select, {needle});
    while (byRecord.next()) {
        found.insert(byRecord.value(0).toLongLong());
        take(byRecord);
    }
    QSqlQuery byJob = connection.Run("SELECT d.id FROM Downloads d JOIN Jobs j ON d.job_id = "
                                     "j.id WHERE instr(j.search, ?) > 0",
                                     {needle});
    while (byJob.next()) {
        found.insert(byJob.value(0).toLongLong());
    }
    if (found.empty()) {
        return {};
    }
    QStringList ids;
    for (const qint64 id : found) {
        ids << QString::number(id);
    }
    return Query(" WHERE d.id IN (" + ids.join(',') + ") ORDER BY d.id DESC", {});
}

std::vector<SearchHit> DownloadHistory::Search(const QString& text) const {
    const QString needle = records::SearchNeedle(text);
    if (needle.isEmpty()) {
        return {};
    }
    std::map<qint64, std::vector<HistoryRecord>> records;
    std::set<qint64> found;
    const auto take = [&](const QSqlQuery& q) {
        records[q.value(0).toLongLong()].push_back(RecordFrom(q, 1));
    };
    std::vector<SearchHit> hits;
    for (DownloadInfo& download :
         FindMatching(needle, sql::SelectMatchingKeptRecords(), take, found)) {
        std::vector<HistoryRecord>& kept = records[download.Id];
        std::sort(kept.begin(), kept.end(),
                  [](const HistoryRecord& a, const HistoryRecord& b) { return a.RecNo < b.RecNo; });
        hits.push_back({std::move(download), std::move(kept)});
    }
    return hits;
}

std::vector<SearchMatch> DownloadHistory::Matches(const QString& text) const {
    const QString needle = records::SearchNeedle(text);
    if (needle.isEmpty()) {
        return {};
    }
    std::map<qint64, std::vector<int>> numbers;
    std::set<qint64> found;
    const auto take = [&](const QSqlQuery& q) {
        numbers[q.value(0).toLongLong()].push_back(q.value(1).toInt());
    };
    std::vector<SearchMatch> matches;
    for (DownloadInfo& download :
         FindMatching(needle, sql::SelectMatchingRecordNumbers(), take, found)) {
        std::vector<int>& kept = numbers[download.Id];
        std::sort(kept.begin(), kept.end());
        matches.push_back({std::move(download), std::move(kept)});
    }
    return matches;
}

std::optional<qint64> DownloadHistory::LoadDataDownload() const {
    store_.RequireHistory();
    const QVariant value =
        store_.Connection().Value("SELECT value FROM State WHERE key = 'loaddata_download'");
    bool ok = false;
    const qint64 id = value.toLongLong(&ok);
    return ok && id > 0 ? std::optional(id) : std::nullopt;
}

QString MeterText(const DownloadInfo& download) {
    return records::MeterText(download.Model, download.Serial, download.Simulated);
}

QString DownloadCaption(const DownloadInfo& download) {
    QString caption = QString("Download %1, %2")
                          .arg(download.Id)
                          .arg(download.Started.toLocalTime().toString("yyyy-MM-dd HH:mm"));
    if (!download.JobName.isEmpty()) {
        caption += ", " + download.JobName;
    }
    return caption;
}

QString RecordsText(const DownloadInfo& download) {
    const std::optional<records::DownloadOutcome> outcome =
        records::OutcomeFromWord(download.Outcome);
    if (outcome == records::DownloadOutcome::Running ||
        outcome == records::DownloadOutcome::Interrupted) {
        return QString("%1 kept").arg(download.Kept);
    }
    return QString("%1 of %2").arg(download.Stored).arg(download.Asked);
}

} // namespace rangedesk::store
