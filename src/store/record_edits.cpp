#include "record_edits.h"

#include <QCoreApplication>

#include <QSqlQuery>
#include <QUuid>

#include "job_book.h"
#include "outbox.h"
#include "record_store.h"
#include "search_text.h"
#include "sql_connection.h"
#include "store_edit.h"
#include "text_rules.h"

namespace rangedesk::store {

void RecordEdits::SetLabel(qint64 downloadId, int recNo, const QString& label) {
    if (const auto problem = TextProblem("label", label)) {
        throw JobRefusal(problem->toStdString());
    }
    Set(downloadId, recNo, Field::Label, label);
}

void RecordEdits::SetNote(qint64 downloadId, int recNo, const QString& note) {
    if (const auto problem = TextProblem("note", note)) {
        throw JobRefusal(problem->toStdString());
    }
    Set(downloadId, recNo, Field::Note, note);
}

void RecordEdits::SetDeduction(qint64 downloadId, int recNo, bool deduction) {
    Set(downloadId, recNo, Field::Deduction, deduction ? 1 : 0);
}

void RecordEdits::Set(qint64 downloadId, int recNo, Field field, const QVariant& value) {
    EditHistory(store_, [&](SqlConnection& c) {
        QSqlQuery found = c.Run("SELECT d.uuid, r.MODE, r.label, r.note FROM DownloadRecords r "
                                "JOIN Downloads d ON r.download_id = d.id WHERE r.download_id = "
                                "? AND r.RecNo = ?",
                                {downloadId, recNo});
        if (!found.next()) {
            throw JobRefusal(
                QCoreApplication::translate("JobRefusal", "there is no record %1 in download %2")
                    .arg(recNo)
                    .arg(downloadId)
                    .toStdString());
        }
        const QUuid download = QUuid::fromString(found.value(0).toString());
        const QString mode = found.value(1).toString();
        QString label = found.value(2).toString();
        QString note = found.value(3).toString();
        found.finish();
        const char* column = "deduction";
        if (field == Field::Label) {
            label = value.toString();
            column = "label";
        } else if (field == Field::Note) {
            note = value.toString();
            column = "note";
        }
        const bool waiting = QueueChange(c, OutboxKind::Record, download, recNo);
        c.Run(QString("UPDATE DownloadRecords SET %1 = ?, search = ?, version = version + ?, "
                      "changed = ?, changed_by = ? WHERE download_id = ? AND RecNo = ?")
                  .arg(column),
              {value.typeId() == QMetaType::QString ? QVariant(NotNull(value.toString())) : value,
               NotNull(records::SearchKey({mode, label, note})), waiting ? 0 : 1, ChangeTime(),
               NotNull(store_.Desk().Desk), downloadId, recNo},
              StoreAction::Write);
    });
}

} // namespace rangedesk::store
