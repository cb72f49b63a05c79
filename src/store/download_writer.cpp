#include "download_writer.h"

#include <QCoreApplication>

#include <QDateTime>
#include <QSqlQuery>
#include <QUuid>

#include <unistd.h>

#include "decimal_separator.h"
#include "download_history.h"
#include "download_outcome.h"
#include "download_summary.h"
#include "load_data_columns.h"
#include "load_data_sql.h"
#include "model_table.h"
#include "outbox.h"
#include "record_reply.h"
#include "record_sink.h"
#include "record_store.h"
#include "search_text.h"
#include "sql_connection.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

using records::DownloadOutcome;
using records::OutcomeWord;

QString Now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

// The texts a kept record holds beside its number, in the order of sql::KeptTextColumns().
QVariantList KeptTexts(const records::LoadDataTexts& texts) {
    QVariantList values;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        if (records::ColumnInfo(c).Kind != records::ColumnKind::RecordNumber) {
            values << texts[std::size_t(c)];
        }
    }
    return values;
}

// The search key of a record just downloaded: its mode (it has no label or note yet).
QString SearchOfTexts(const records::LoadDataTexts& texts) {
    return records::SearchKey({texts[std::size_t(records::LoadDataColumn::MODE)]});
}

void ShowInLoadData(SqlConnection& connection, qint64 id) {
    connection.Run("INSERT OR REPLACE INTO State (key, value) VALUES ('loaddata_download', ?)",
                   {QString::number(id)}, StoreAction::Write);
}

// Lets go of a lock taken earlier, however the scope ends.
struct ReleaseWhenDone {
    WriterLock& lock;
    ~ReleaseWhenDone() { lock.Release(); }
};

} // namespace

DownloadWriter::DownloadWriter(RecordStore& store) : store_(store), lock_(store.Path()) {}

void DownloadWriter::RefuseDuringOwnDownload() const {
    if (Downloading()) {
        throw InUseError(store_.Path(), {qint64(::getpid()), current_});
    }
}

void DownloadWriter::RequireDownload(qint64 id) const {
    if (!DownloadHistory(store_).Find(id)) {
        throw HistoryRefusal(
            QCoreApplication::translate("HistoryRefusal", "There is no download %1.")
                .arg(id)
                .toStdString());
    }
}

void DownloadWriter::Begin(const records::DownloadSource& source) {
    RefuseDuringOwnDownload();
    store_.RequireHistory();
    lock_.Acquire();
    try {
        const QSqlQuery insert = store_.Connection().Run(
            "INSERT INTO Downloads (uuid, started, model, vendor, product, serial, simulated, "
            "decimal_separator, asked, stored, outcome, job_id, desk, user_name) VALUES (?, ?, "
            "?, ?, ?, ?, ?, ?, 0, 0, ?, ?, ?, ?)",
            {QUuid::createUuid().toString(QUuid::WithoutBraces), Now(), source.Model,
             source.VendorID, source.ProductID, NotNull(source.Serial), source.Simulated ? 1 : 0,
             NotNull(source.DecimalSeparator), OutcomeWord(DownloadOutcome::Running),
             job_ ? QVariant(*job_) : QVariant(), NotNull(store_.Desk().Desk),
             NotNull(store_.Desk().User)},
            StoreAction::Write);
        current_ = insert.lastInsertId().toLongLong();
        last_ = current_;
    } catch (...) {
        lock_.Release();
        throw;
    }
    lock_.SetDownload(current_);
}

void DownloadWriter::Finish(const records::DownloadSummary& summary) {
    const qint64 id = std::exchange(current_, 0);
    if (id == 0) {
        return;
    }
    const ReleaseWhenDone release{lock_}; // held since Begin
    SqlConnection& connection = store_.Connection();
    connection.InWriteTransaction([&] {
        connection.Run(
            "UPDATE Downloads SET finished = ?, asked = ?, stored = ?, outcome = ? WHERE id = ?",
            {Now(), summary.Asked, summary.Stored, OutcomeWord(records::OutcomeOf(summary)), id},
            StoreAction::Write);
        // Whole now: it can go to a team server.
        QueueChange(
            connection, OutboxKind::Download,
            QUuid::fromString(
                connection.Value("SELECT uuid FROM Downloads WHERE id = ?", {id}).toString()));
    });
    store_.Checkpoint();
    emit store_.changesQueued();
}

void DownloadWriter::Keep(int recNo, std::span<const std::uint8_t> reply,
                          const records::LoadDataTexts& texts) {
    if (!Downloading()) {
        return;
    }
    const QVariantList values = QVariantList{current_, recNo,
                                             QByteArray(reinterpret_cast<const char*>(reply.data()),
                                                        qsizetype(reply.size()))} +
                                KeptTexts(texts) + QVariantList{NotNull(SearchOfTexts(texts))};
    store_.Connection().RunPrepared(sql::InsertKeptRecord(), values).finish();
}

void DownloadWriter::LoadDataShowsCurrent() {
    if (Downloading()) {
        ShowInLoadData(store_.Connection(), current_);
    }
}

void DownloadWriter::Load(qint64 id) {
    RefuseDuringOwnDownload();
    store_.RequireHistory();
    const WriterScope hold(lock_);
    RequireDownload(id);
    store_.ReplaceLoadData([&] {
        store_.Connection().Run(sql::LoadDataFromKeptRecords(), {id}, StoreAction::Write);
        ShowInLoadData(store_.Connection(), id);
    });
    store_.Checkpoint();
}

void DownloadWriter::LoadRows(std::span<const records::LoadDataTexts> rows) {
    RefuseDuringOwnDownload();
    const WriterScope hold(lock_);
    SqlConnection& connection = store_.Connection();
    store_.ReplaceLoadData([&] {
        for (const records::LoadDataTexts& texts : rows) {
            connection
                .RunPrepared(sql::InsertLoadDataRow(), QVariantList(texts.begin(), texts.end()))
                .finish();
        }
        // LoadData shows no download of this desk now.
        connection.Run("DELETE FROM State WHERE key = 'loaddata_download'", {}, StoreAction::Write);
    });
    store_.Checkpoint();
}

void DownloadWriter::Delete(qint64 id) {
    RefuseDuringOwnDownload();
    store_.RequireHistory();
    const WriterScope hold(lock_);
    SqlConnection& connection = store_.Connection();
    connection.InWriteTransaction([&] {
        // Deleted here only; what a team server holds stays there.
        connection.Run("DELETE FROM Outbox WHERE uuid = (SELECT uuid FROM Downloads WHERE id = "
                       "?) AND kind IN ('download', 'record')",
                       {id}, StoreAction::Write);
        connection.Run("DELETE FROM DownloadRecords WHERE download_id = ?", {id},
                       StoreAction::Write);
        connection.Run("DELETE FROM Downloads WHERE id = ?", {id}, StoreAction::Write);
    });
    store_.Checkpoint();
}

RedecodeResult DownloadWriter::Redecode(qint64 id) {
    RefuseDuringOwnDownload();
    store_.RequireHistory();
    const WriterScope hold(lock_);
    const DownloadHistory history(store_);
    const std::optional<DownloadInfo> download = history.Find(id);
    if (!download) {
        throw HistoryRefusal(
            QCoreApplication::translate("HistoryRefusal", "There is no download %1.")
                .arg(id)
                .toStdString());
    }
    if (!records::IsKnownModel(download->Model)) {
        throw HistoryRefusal(
            QCoreApplication::translate("HistoryRefusal",
                                        "Download %1 is of no known meter model (it was imported "
                                        "from an older version or made by another program); its "
                                        "records cannot be decoded again.")
                .arg(id)
                .toStdString());
    }
    const std::vector<HistoryRecord> kept = history.Records(id);
    std::vector<records::LoadDataTexts> keptTexts;
    for (const HistoryRecord& record : kept) {
        keptTexts.push_back(record.Texts);
    }
    const NumberFormat format{DecimalSeparatorOf(keptTexts)};
    const RecordLayout layout = records::LayoutFor(download->Model);
    RedecodeResult result{0, int(kept.size()), QString::fromStdString(format.DecimalSeparator)};
    SqlConnection& connection = store_.Connection();
    connection.InWriteTransaction([&] {
        for (const HistoryRecord& record : kept) {
            if (record.Reply.size() < qsizetype(ReplyLength(layout))) {
                continue; // no bytes to decode
            }
            MeasurementRecord decoded;
            DecodeRecordReply(layout,
                              std::span(reinterpret_cast<const std::uint8_t*>(record.Reply.data()),
                                        std::size_t(record.Reply.size())),
                              decoded, format);
            const records::LoadDataTexts texts = records::RowTexts(record.RecNo, decoded, layout);
            if (texts == record.Texts) {
                continue;
            }
            ++result.Changed;
            const QString search = records::SearchKey(
                {texts[std::size_t(records::LoadDataColumn::MODE)], record.Label, record.Note});
            connection
                .RunPrepared(sql::UpdateKeptTexts(),
                             KeptTexts(texts) + QVariantList{NotNull(search), id, record.RecNo})
                .finish();
        }
    });
    return result;
}

void DownloadWriter::MarkInterrupted() {
    SqlConnection& connection = store_.Connection();
    const QString running = OutcomeWord(DownloadOutcome::Running);
    const QString interrupted = OutcomeWord(DownloadOutcome::Interrupted);
    if (connection.Value("SELECT COUNT(*) FROM Downloads WHERE outcome = ?", {running}).toInt() ==
        0) {
        return;
    }
    // What an interrupted download kept goes to a team server too.
    const auto markAllBut = [&](qint64 runningNow) {
        connection.InWriteTransaction([&] {
            QSqlQuery found = connection.Run(
                "SELECT uuid FROM Downloads WHERE outcome = ? AND id <> ?", {running, runningNow});
            std::vector<QUuid> uuids;
            while (found.next()) {
                uuids.push_back(QUuid::fromString(found.value(0).toString()));
            }
            found.finish();
            connection.Run("UPDATE Downloads SET outcome = ? WHERE outcome = ? AND id <> ?",
                           {interrupted, running, runningNow}, StoreAction::Write);
            for (const QUuid& uuid : uuids) {
                QueueChange(connection, OutboxKind::Download, uuid);
            }
        });
    };
    try {
        // Held while it looks, so no download begins between the look and the change.
        const WriterScope hold(lock_);
        markAllBut(0);
    } catch (const StoreError& e) {
        if (e.Kind() != StoreErrorKind::InUse) {
            throw;
        }
        // A live process downloads: only its own download runs.
        const std::optional<WriterHolder> holder = WriterLock::HolderOf(store_.Path());
        if (holder && holder->Download > 0) {
            markAllBut(holder->Download);
        }
    }
}

} // namespace rangedesk::store
