#pragma once

#include <QString>

#include "team_error.h"
#include "team_settings.h"

namespace rangedesk::team {

// What "Check connection" in the Settings shows.
struct TeamCheck {
    bool Ok = false;
    TeamFailure Failure = TeamFailure::Failed; // when not Ok
    int SchemaVersion = 0;
    bool ReadOnly = false;
    QString Message; // one sentence naming the server: the answer or the reason
};

// Connects with `settings` (and `password`, typed or read from the keyring on the main
// thread; empty leaves libpq its own sources) and checks the schema and the login's role.
// Blocks up to the connection timeout (10 s unless the address says otherwise): the window
// runs it off the GUI thread.
TeamCheck CheckTeamServer(const TeamSettings& settings, const QString& password = {});

// Whether Qt's PostgreSQL driver is installed; without it no desk reaches a server, and
// DriverAdvice() says how to install it.
bool PostgresDriverInstalled();
QString DriverAdvice();

} // namespace rangedesk::team
