#pragma once

#include <QString>
#include <QUuid>

#include <optional>

namespace rangedesk::store {

class SqlConnection;

// What changed and waits for a team server, written in the same transaction as the change.
enum class OutboxKind { Job, Download, Record, Reading };

QString OutboxKindWord(OutboxKind kind);
// The kind a word names; nothing for a word of no kind.
std::optional<OutboxKind> OutboxKindOf(const QString& word);

// Queues a row (a record: its download's uuid and its number) with a new sequence number.
// Returns whether it was waiting already: an edit of a row that waits keeps its version, so a
// row's version moves once per push.
bool QueueChange(SqlConnection& connection, OutboxKind kind, const QUuid& uuid, int recNo = 0);

// Every change a desk writes carries the time and the desk.
QString ChangeTime();

} // namespace rangedesk::store
