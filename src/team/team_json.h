#pragma once

#include <QJsonObject>

#include "team_rows.h"

namespace rangedesk::team {

// Rows to and from the JSON the server's functions and bulk inserts take (jsonb_to_recordset)
// and give back (to_jsonb of a row): one key per column, times as ISO 8601 UTC, bytes as hex.
QJsonObject JobJson(const TeamJob& job);
QJsonObject DownloadJson(const TeamDownload& download);
QJsonObject RecordJson(const TeamRecord& record);
QJsonObject ReadingJson(const TeamReading& reading);

TeamJob JobFromJson(const QJsonObject& o);
TeamDownload DownloadFromJson(const QJsonObject& o);
TeamRecord RecordFromJson(const QJsonObject& o);
TeamReading ReadingFromJson(const QJsonObject& o);

} // namespace rangedesk::team
