#pragma once

#include <QObject>
#include <QString>
#include <QUuid>

#include <memory>
#include <vector>

#include "team_history.h"
#include "team_settings.h"

class QTimer;

namespace rangedesk::team {

class TeamConnection;
class TeamNotifications;

// The team's History read on a thread of its own, so that a slow or unreachable server never
// holds up a window: the list (with the last search given) and a download's records. It lists
// again when the server announces a push (LISTEN/NOTIFY), and after a failure or a lost
// connection once the server answers again. Made on the owner's thread, moved to its own.
class TeamHistoryReader : public QObject {
    Q_OBJECT

public:
    TeamHistoryReader(TeamSettings settings, QString password);
    ~TeamHistoryReader() override;

    // How long it waits before it tries a server that failed again (tests shorten it).
    static constexpr int kRetryMs = 5000;

public slots:
    // On the reader's thread: its timers, then the first list.
    void Start();
    // Lists the downloads a search finds (empty: all), now and on every notice after.
    void List(const QString& search);
    void ReadRecords(const QUuid& download);
    // Drops the connection and the timers on the reader's thread, before it ends.
    void Shutdown();

signals:
    void Listed(const std::vector<rangedesk::team::TeamHistoryRow>& rows, const QString& search);
    void RecordsRead(const QUuid& download,
                     const std::vector<rangedesk::team::TeamRecord>& records);
    void Failed(const QString& message);

private:
    void ListNow();
    TeamConnection& Connection();
    void Drop();
    void CheckConnection();

    TeamSettings settings_;
    QString password_;
    QString search_;
    std::unique_ptr<TeamConnection> connection_;
    std::unique_ptr<TeamNotifications> notifications_;
    QTimer* soon_ = nullptr;      // child: coalesces notices
    QTimer* retry_ = nullptr;     // child: after a failure
    QTimer* heartbeat_ = nullptr; // child: notices stop silently when a connection dies
};

} // namespace rangedesk::team
