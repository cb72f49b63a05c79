#include "reading_log.h"

#include <QCoreApplication>

#include <QSqlQuery>

#include "job_book.h"
#include "outbox.h"
#include "record_store.h"
#include "search_text.h"
#include "sql_connection.h"
#include "store_edit.h"
#include "text_rules.h"

namespace rangedesk::store {

ReadingInfo ReadingFrom(const records::DownloadSource& source, qint64 tenths, const QString& text,
                        std::optional<qint64> jobId) {
    ReadingInfo reading;
    reading.Taken = QDateTime::currentDateTimeUtc();
    reading.Model = source.Model;
    reading.VendorID = source.VendorID;
    reading.ProductID = source.ProductID;
    reading.Serial = source.Serial;
    reading.Simulated = source.Simulated;
    reading.DistanceTenths = tenths;
    reading.Text = text;
    reading.JobId = jobId;
    return reading;
}

qint64 ReadingLog::Add(const ReadingInfo& r) {
    const QUuid uuid = QUuid::createUuid();
    qint64 id = 0;
    EditHistory(store_, [&](SqlConnection& c) {
        const QString now = ChangeTime();
        const QSqlQuery insert =
            c.Run("INSERT INTO Readings (uuid, taken, model, vendor, product, serial, simulated, "
                  "distance_tenths, text, job_id, label, note, search, desk, changed, "
                  "changed_by) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  {uuid.toString(QUuid::WithoutBraces),
                   (r.Taken.isValid() ? r.Taken : QDateTime::currentDateTimeUtc())
                       .toUTC()
                       .toString(Qt::ISODateWithMs),
                   r.Model, r.VendorID, r.ProductID, NotNull(r.Serial), r.Simulated ? 1 : 0,
                   r.DistanceTenths, NotNull(r.Text), r.JobId ? QVariant(*r.JobId) : QVariant(),
                   NotNull(r.Label), NotNull(r.Note),
                   NotNull(records::SearchKey({r.Text, r.Label, r.Note})),
                   NotNull(store_.Desk().Desk), now, NotNull(store_.Desk().Desk)},
                  StoreAction::Write);
        id = insert.lastInsertId().toLongLong();
        QueueChange(c, OutboxKind::Reading, uuid);
    });
    return id;
}

std::vector<ReadingInfo> ReadingLog::List(std::optional<qint64> jobId) const {
    store_.RequireHistory();
    QSqlQuery q = store_.Connection().Run(
        QString("SELECT g.id, g.uuid, g.taken, g.model, g.vendor, g.product, g.serial, "
                "g.simulated, g.distance_tenths, g.text, g.job_id, j.name, g.label, g.note FROM "
                "Readings g LEFT JOIN Jobs j ON g.job_id = j.id %1 ORDER BY g.id DESC")
            .arg(jobId ? "WHERE g.job_id = ?" : ""),
        jobId ? QVariantList{*jobId} : QVariantList{});
    std::vector<ReadingInfo> readings;
    while (q.next()) {
        ReadingInfo r;
        r.Id = q.value(0).toLongLong();
        r.Uuid = QUuid::fromString(q.value(1).toString());
        r.Taken = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs);
        r.Model = q.value(3).toInt();
        r.VendorID = q.value(4).toInt();
        r.ProductID = q.value(5).toInt();
        r.Serial = q.value(6).toString();
        r.Simulated = q.value(7).toInt() != 0;
        r.DistanceTenths = q.value(8).toLongLong();
        r.Text = q.value(9).toString();
        if (!q.isNull(10)) {
            r.JobId = q.value(10).toLongLong();
        }
        r.JobName = q.value(11).toString();
        r.Label = q.value(12).toString();
        r.Note = q.value(13).toString();
        readings.push_back(std::move(r));
    }
    return readings;
}

void ReadingLog::SetLabel(qint64 id, const QString& label) {
    SetText(id, "label", "label", label);
}

void ReadingLog::SetNote(qint64 id, const QString& note) {
    SetText(id, "note", "note", note);
}

void ReadingLog::SetText(qint64 id, const char* column, const QString& what, const QString& text) {
    if (const auto problem = TextProblem(what, text)) {
        throw JobRefusal(problem->toStdString());
    }
    EditHistory(store_, [&](SqlConnection& c) {
        QSqlQuery found = c.Run("SELECT uuid, text, label, note FROM Readings WHERE id = ?", {id});
        if (!found.next()) {
            throw JobRefusal(QCoreApplication::translate("JobRefusal", "there is no reading %1")
                                 .arg(id)
                                 .toStdString());
        }
        const QUuid uuid = QUuid::fromString(found.value(0).toString());
        QString label = found.value(2).toString();
        QString note = found.value(3).toString();
        const QString reading = found.value(1).toString();
        found.finish();
        (QString(column) == "label" ? label : note) = text;
        const bool waiting = QueueChange(c, OutboxKind::Reading, uuid);
        c.Run(QString("UPDATE Readings SET %1 = ?, search = ?, version = version + ?, changed = "
                      "?, changed_by = ? WHERE id = ?")
                  .arg(column),
              {NotNull(text), NotNull(records::SearchKey({reading, label, note})), waiting ? 0 : 1,
               ChangeTime(), NotNull(store_.Desk().Desk), id},
              StoreAction::Write);
    });
}

} // namespace rangedesk::store
