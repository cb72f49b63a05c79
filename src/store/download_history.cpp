#include "download_history.h"

#include <QSqlError>
#include <QSqlQuery>

#include "measurement_record.h"
#include "model_table.h"
#include "record_reply.h"
#include "record_store.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

constexpr const char* kDownloadColumns =
    "SELECT id, started, finished, model, vendor, product, asked, stored, outcome FROM Downloads";

[[noreturn]] void Fail(const QSqlQuery& query) {
    throw StoreError(query.lastError().text().toStdString());
}

QSqlQuery Run(QSqlDatabase db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        Fail(query);
    }
    return query;
}

DownloadInfo InfoFrom(const QSqlQuery& q) {
    return {q.value(0).toLongLong(),
            QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs),
            QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs),
            q.value(3).toInt(),
            q.value(4).toInt(),
            q.value(5).toInt(),
            q.value(6).toInt(),
            q.value(7).toInt(),
            q.value(8).toString()};
}

// Runs `work` in one transaction of the store's connection.
template <typename Work> void InTransaction(QSqlDatabase db, Work work) {
    if (!db.transaction()) {
        throw StoreError(db.lastError().text().toStdString());
    }
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        throw StoreError(error.toStdString());
    }
}

} // namespace

std::vector<DownloadInfo> DownloadHistory::List() const {
    QSqlQuery q = Run(store_.Database(), QString(kDownloadColumns) + " ORDER BY id DESC");
    std::vector<DownloadInfo> list;
    while (q.next()) {
        list.push_back(InfoFrom(q));
    }
    return list;
}

std::optional<DownloadInfo> DownloadHistory::Find(qint64 id) const {
    QSqlQuery q = Run(store_.Database(), QString(kDownloadColumns) + " WHERE id = ?", {id});
    if (!q.next()) {
        return std::nullopt;
    }
    return InfoFrom(q);
}

std::vector<HistoryRecord> DownloadHistory::Records(qint64 id) const {
    QSqlQuery q = Run(store_.Database(),
                      "SELECT RecNo, reply, MODE, UNIT, DIST1, DIST2, DIST3, RESULT FROM "
                      "DownloadRecords WHERE download_id = ? ORDER BY RecNo",
                      {id});
    std::vector<HistoryRecord> records;
    while (q.next()) {
        HistoryRecord r;
        r.RecNo = q.value(0).toInt();
        r.Reply = q.value(1).toByteArray();
        r.Texts[0] = QString::number(r.RecNo);
        for (std::size_t c = 1; c < r.Texts.size(); ++c) {
            r.Texts[c] = q.value(int(c) + 1).toString();
        }
        records.push_back(std::move(r));
    }
    return records;
}

int DownloadHistory::NewRecords(const DownloadInfo& download) const {
    QSqlQuery previous = Run(store_.Database(),
                             "SELECT id FROM Downloads WHERE model = ? AND id < ? ORDER BY id DESC "
                             "LIMIT 1",
                             {download.Model, download.Id});
    const qint64 before = previous.next() ? previous.value(0).toLongLong() : 0;
    QSqlQuery q = Run(store_.Database(),
                      "SELECT COUNT(*) FROM DownloadRecords r WHERE r.download_id = ? AND NOT "
                      "EXISTS (SELECT 1 FROM DownloadRecords p WHERE p.download_id = ? AND "
                      "p.RecNo = r.RecNo AND p.reply IS r.reply)",
                      {download.Id, before});
    return q.next() ? q.value(0).toInt() : 0;
}

void DownloadHistory::Load(qint64 id) {
    if (!Find(id)) {
        throw StoreError("There is no download " + std::to_string(id) + ".");
    }
    InTransaction(store_.Database(), [&] {
        Run(store_.Database(), "DELETE FROM LoadData");
        Run(store_.Database(),
            "INSERT INTO LoadData (RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT) SELECT "
            "CAST(RecNo AS TEXT), MODE, UNIT, DIST1, DIST2, DIST3, RESULT FROM DownloadRecords "
            "WHERE download_id = ? ORDER BY RecNo",
            {id});
    });
    store_.Table().Open();
    store_.Checkpoint();
}

void DownloadHistory::Delete(qint64 id) {
    InTransaction(store_.Database(), [&] {
        Run(store_.Database(), "DELETE FROM DownloadRecords WHERE download_id = ?", {id});
        Run(store_.Database(), "DELETE FROM Downloads WHERE id = ?", {id});
    });
    store_.Checkpoint();
}

int DownloadHistory::Redecode(qint64 id, const NumberFormat& format) {
    const std::optional<DownloadInfo> download = Find(id);
    if (!download) {
        throw StoreError("There is no download " + std::to_string(id) + ".");
    }
    const RecordLayout layout = records::LayoutFor(download->Model);
    int changed = 0;
    InTransaction(store_.Database(), [&] {
        for (const HistoryRecord& kept : Records(id)) {
            if (kept.Reply.size() < qsizetype(ReplyLength(layout))) {
                continue; // imported rows carry no bytes
            }
            MeasurementRecord record;
            DecodeRecordReply(layout,
                              std::span(reinterpret_cast<const std::uint8_t*>(kept.Reply.data()),
                                        std::size_t(kept.Reply.size())),
                              record, format);
            const records::LoadDataTexts texts = records::RowTexts(kept.RecNo, record, layout);
            if (texts == kept.Texts) {
                continue;
            }
            ++changed;
            Run(store_.Database(),
                "UPDATE DownloadRecords SET MODE = ?, UNIT = ?, DIST1 = ?, DIST2 = ?, DIST3 = ?, "
                "RESULT = ? WHERE download_id = ? AND RecNo = ?",
                {texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], id, kept.RecNo});
        }
    });
    return changed;
}

} // namespace rangedesk::store
