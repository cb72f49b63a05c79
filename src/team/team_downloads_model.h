#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QThread>
#include <QUuid>

#include <memory>
#include <vector>

#include "team_history.h"
#include "team_settings.h"

namespace rangedesk::team {

class TeamHistoryReader;

// The team's downloads, newest first, for the History window's "Team" view: date and time
// (local), desk, user, meter, records (stored of asked), new, outcome, job. The server is read
// on a thread of its own; the rows follow other desks' pushes within two seconds (the server's
// change notices), and the view keeps its last rows while the server cannot be read.
class TeamDownloadsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { When, Desk, User, Meter, Records, New, Outcome, Job, ColumnCount };

    // `password`: typed or read from the keyring on the main thread; empty leaves libpq its
    // own sources. Starts reading at once.
    TeamDownloadsModel(TeamSettings settings, QString password = {}, QObject* parent = nullptr);
    // Waits for a read in flight (at most the connection timeout).
    ~TeamDownloadsModel() override;

    // Lists the downloads whose job name or client, or a record's mode, label or note, hold
    // `text` (any case, any script); empty lists all. Refreshed() follows.
    void SetSearch(const QString& text);
    const QString& Search() const { return search_; }
    // Reads the list again.
    void Refresh();
    // Reads a download's records; RecordsRead() answers (Failed() when it cannot).
    void RequestRecords(const QUuid& download);

    const TeamHistoryRow& RowAt(int row) const { return rows_.at(std::size_t(row)); }
    // The row of a download; -1 when it is not listed.
    int RowOf(const QUuid& download) const;
    // Whether a list was read since the model was made.
    bool Loaded() const { return loaded_; }
    // Why the server could not be read the last time; empty once it was read again.
    const QString& Problem() const { return problem_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void Refreshed();
    void Failed(const QString& message);
    void RecordsRead(const QUuid& download,
                     const std::vector<rangedesk::team::TeamRecord>& records);

private:
    void TakeRows(const std::vector<TeamHistoryRow>& rows, const QString& search);

    QString search_;
    std::vector<TeamHistoryRow> rows_;
    bool loaded_ = false;
    QString problem_;
    QThread thread_;
    std::unique_ptr<TeamHistoryReader> reader_;
};

// The meter of a team download as the History shows it: "model 3", "simulated model 3 SN42".
QString TeamMeterText(const TeamDownload& download);

} // namespace rangedesk::team
