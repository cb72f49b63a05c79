#pragma once

#include <QDateTime>
#include <QString>

#include "push_source.h"

namespace rangedesk::team {

// What the user is told when an edit made here lost against another desk's later one:
// "Record 5 of the download of 2026-03-02 10:00: changed by DESK-B at 2026-03-02 10:05:03;
// the edit made here was replaced." `downloadStarted` names a record's or download's download
// (null when unknown here).
QString ConflictText(const RemoteRow& row, const QDateTime& downloadStarted);

} // namespace rangedesk::team
