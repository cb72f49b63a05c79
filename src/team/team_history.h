#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <vector>

#include "team_rows.h"

namespace rangedesk::team {

class TeamConnection;

// A download as the team's History lists it: the download, who made it and its job.
struct TeamHistoryRow {
    TeamDownload Download;
    QString JobName; // empty without a job
    QString JobClient;
};

// What the server holds, for "team status": all of it and this desk's part.
struct ServerCounts {
    qint64 Downloads = 0;
    qint64 Records = 0;
    qint64 DeskDownloads = 0;
    qint64 DeskRecords = 0;
};

// The team's downloads, read from the server on the caller's thread.
class TeamHistory {
public:
    explicit TeamHistory(TeamConnection& connection);

    // Newest first. A search finds downloads whose job name or client, or one of whose records'
    // mode, label or note, holds the text, case-insensitively, in any script.
    std::vector<TeamHistoryRow> List(const QString& search = {});
    // A download's records in RecNo order, with the meter's bytes: what the grid, the exports,
    // the printout and the report take.
    std::vector<TeamRecord> Records(const QUuid& download);
    ServerCounts Counts(const QString& desk);

private:
    TeamConnection& connection_;
};

} // namespace rangedesk::team
