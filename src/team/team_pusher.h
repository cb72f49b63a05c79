#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

#include "push_source.h"
#include "team_push.h"
#include "team_settings.h"
#include "team_status.h"

class QTimer;

namespace rangedesk::team {

class TeamConnection;
class TeamNotifications;

// Makes the local source on the pusher's thread (a store opens its own connection there).
using PushSourceFactory = std::function<std::unique_ptr<PushSource>()>;

// The desk's pushing, on its own thread with its own connection: at start, whenever asked
// (after a download, after an edit), and every minute while something waits. It also takes
// over other desks' edits, at once when the server announces them. A download never waits on
// it: it only reads what the store committed.
class TeamPusher : public QObject {
    Q_OBJECT

public:
    // `password`: typed or from the keyring; empty leaves libpq its own sources.
    TeamPusher(TeamSettings settings, PushSourceFactory factory, QString password = {});
    ~TeamPusher() override;

    // How long it waits before trying again while something waits (a minute; tests shorten it).
    void SetRetryInterval(int ms) { retryMs_ = ms; }
    // Asks a push in flight to stop after its batch; callable from any thread.
    void RequestStop() { stop_ = true; }

public slots:
    // On the pusher's thread: make the source, connect, push.
    void Start();
    // Push (and pull) now; several requests while one runs make one more run.
    void PushNow();
    // Drop the connection and the source, on the pusher's thread, before it ends.
    void Shutdown();

signals:
    void StatusChanged(const rangedesk::team::TeamStatus& status);
    void Progress(const rangedesk::team::PushProgress& progress);
    // Edits made here that lost against later ones of other desks: "changed by DESK at TIME".
    void Conflicts(const QStringList& texts);
    // Other desks' edits were taken over here: views refresh.
    void RemoteEditsApplied(qint64 count);

private:
    void Run();
    void Connect();
    void Report(const PushReport& report);
    void SetStatus(TeamStatus status);
    qint64 PendingOrZero();

    TeamSettings settings_;
    PushSourceFactory factory_;
    QString password_;
    std::unique_ptr<PushSource> source_;
    std::unique_ptr<TeamConnection> connection_;
    std::unique_ptr<TeamNotifications> notifications_;
    QUuid serverId_;
    bool readOnly_ = false;
    QTimer* retry_ = nullptr; // child
    QTimer* soon_ = nullptr;  // child: coalesces requests and notices
    int retryMs_ = 60000;
    std::atomic_bool stop_ = false;
    TeamStatus status_;
};

// Owns the pusher's thread: the window (or a test) makes one on the main thread when a team
// server is set; a typed password, else the keyring's, is read here. Ending it stops the push
// after its batch in flight and waits for the thread.
class TeamSync : public QObject {
    Q_OBJECT

public:
    TeamSync(TeamSettings settings, PushSourceFactory factory, QString password = {},
             QObject* parent = nullptr);
    ~TeamSync() override;

    TeamPusher* Pusher() const { return pusher_.get(); }
    // Thread-safe: push now.
    void PushNow();
    // The last status the pusher reported, on this object's thread.
    const TeamStatus& Status() const { return status_; }

signals:
    // The pusher's signals, re-emitted on this object's thread.
    void StatusChanged(const rangedesk::team::TeamStatus& status);
    void Conflicts(const QStringList& texts);
    void RemoteEditsApplied(qint64 count);

private:
    TeamStatus status_;
    QThread thread_;
    std::unique_ptr<TeamPusher> pusher_;
};

} // namespace rangedesk::team

Q_DECLARE_METATYPE(rangedesk::team::TeamStatus)
Q_DECLARE_METATYPE(rangedesk::team::PushProgress)
