#include "outbox.h"

#include <QDateTime>

#include "sql_connection.h"

namespace rangedesk::store {

QString OutboxKindWord(OutboxKind kind) {
    switch (kind) {
    case OutboxKind::Job:
        return "job";
    case OutboxKind::Download:
        return "download";
    case OutboxKind::Record:
        return "record";
    case OutboxKind::Reading:
        return "reading";
    }
    return {};
}

std::optional<OutboxKind> OutboxKindOf(const QString& word) {
    for (const OutboxKind kind :
         {OutboxKind::Job, OutboxKind::Download, OutboxKind::Record, OutboxKind::Reading}) {
        if (OutboxKindWord(kind) == word) {
            return kind;
        }
    }
    return std::nullopt;
}

bool QueueChange(SqlConnection& connection, OutboxKind kind, const QUuid& uuid, int recNo) {
    const QVariantList key{OutboxKindWord(kind), uuid.toString(QUuid::WithoutBraces), recNo};
    const bool waiting =
        connection
            .Value("SELECT COUNT(*) FROM Outbox WHERE kind = ? AND uuid = ? AND recno = ?", key)
            .toInt() > 0;
    // A new sequence number: the push that took the old one leaves this one waiting.
    connection.RunPrepared("DELETE FROM Outbox WHERE kind = ? AND uuid = ? AND recno = ?", key)
        .finish();
    connection.RunPrepared("INSERT INTO Outbox (kind, uuid, recno) VALUES (?, ?, ?)", key).finish();
    return waiting;
}

QString ChangeTime() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

} // namespace rangedesk::store
