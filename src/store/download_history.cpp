#include "download_history.h"

#include <QSqlQuery>

#include "download_outcome.h"
#include "load_data_sql.h"
#include "record_store.h"
#include "sql_connection.h"
#include "writer_lock.h"

namespace rangedesk::store {
namespace {

constexpr const char* kDownloadColumns =
    "SELECT id, started, finished, model, vendor, product, asked, stored, outcome, (SELECT "
    "COUNT(*) FROM DownloadRecords r WHERE r.download_id = Downloads.id) FROM Downloads";

DownloadInfo InfoFrom(const QSqlQuery& q) {
    return {q.value(0).toLongLong(),
            QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs),
            QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs),
            q.value(3).toInt(),
            q.value(4).toInt(),
            q.value(5).toInt(),
            q.value(6).toInt(),
            q.value(7).toInt(),
            q.value(9).toInt(),
            q.value(8).toString()};
}

// A download is running only while a live process holds the database for it; one whose
// holder is not known yet (its row being written) is taken for running.
bool StillRunning(qint64 id, const std::optional<WriterHolder>& holder) {
    return holder && (holder->Download == id || holder->Download == 0);
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

std::vector<DownloadInfo> DownloadHistory::List() const {
    return Query(" ORDER BY id DESC", {});
}

std::optional<DownloadInfo> DownloadHistory::Find(qint64 id) const {
    std::vector<DownloadInfo> found = Query(" WHERE id = ?", {id});
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

std::vector<HistoryRecord> DownloadHistory::Records(qint64 id) const {
    store_.RequireHistory();
    QSqlQuery q = store_.Connection().Run(sql::SelectKeptRecords(), {id});
    std::vector<HistoryRecord> records;
    while (q.next()) {
        HistoryRecord r;
        r.RecNo = q.value(0).toInt();
        r.Reply = q.value(1).toByteArray();
        // The texts in LoadData's order: the number where it stands, the others as kept.
        int kept = 2;
        for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
            r.Texts[std::size_t(c)] =
                records::ColumnInfo(c).Kind == records::ColumnKind::RecordNumber
                    ? QString::number(r.RecNo)
                    : q.value(kept++).toString();
        }
        records.push_back(std::move(r));
    }
    return records;
}

int DownloadHistory::NewRecords(const DownloadInfo& download) const {
    store_.RequireHistory();
    SqlConnection& connection = store_.Connection();
    const qint64 before =
        connection
            .Value("SELECT id FROM Downloads WHERE model = ? AND id < ? ORDER BY id DESC LIMIT 1",
                   {download.Model, download.Id})
            .toLongLong();
    return connection.Value(sql::CountNewKeptRecords(), {download.Id, before}).toInt();
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
