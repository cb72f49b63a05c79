#pragma once

#include <QByteArray>
#include <QString>

#include "team_rows.h"

namespace rangedesk::team {

// PostgreSQL's COPY text format: one line per row, tab-separated, \N for NULL, and backslash,
// tab, newline and carriage return escaped inside a field.
void AppendCopyField(QByteArray& line, const QString& text);

// A record as a line of the staging table rangedesk_incoming_records (the columns of
// kIncomingRecordColumns), newline included.
void AppendRecordCopyLine(QByteArray& out, const TeamRecord& record);

inline constexpr const char* kIncomingRecordColumns =
    "download, recno, reply, mode, unit, dist1, dist2, dist3, result, label, note, deduction, "
    "search, version, changed, changed_by";

} // namespace rangedesk::team
