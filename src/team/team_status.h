#pragma once

#include <QDateTime>
#include <QString>

namespace rangedesk::team {

// Where the desk stands with the team server, as the status bar says it.
struct TeamStatus {
    enum class State {
        NotSet,   // no team server: nothing is shown
        UpToDate, // nothing waits
        Waiting,  // rows wait (pushing, or between tries)
        Offline,  // the server cannot be used now; Reason says why
    };
    State Now = State::NotSet;
    qint64 Waiting = 0;    // rows in the outbox
    QString Reason;        // for Offline
    bool ReadOnly = false; // the server's schema is newer: nothing is pushed
    QDateTime LastPush;    // the end of the last push that left nothing waiting; UTC

    // "Team: up to date", "Team: 3 waiting", "Team: offline (reason)"; empty for NotSet.
    QString Text() const;
    bool operator==(const TeamStatus&) const = default;
};

} // namespace rangedesk::team
