#pragma once

#include <QString>

#include "team_error.h"

namespace rangedesk::team {

// What a failed login means, from libpq's message: libpq reports connection failures by text
// only (no SQLSTATE before a session exists), so this is the one place that reads it.
TeamFailure ClassifyConnectionFailure(const QString& libpqMessage);

// What a failed statement means, from its SQLSTATE (e.g. "42501").
TeamFailure ClassifyStatementFailure(const QString& sqlState);

// The user's words for a failure kind: "wrong password", "unknown host"...
QString FailureWords(TeamFailure failure);

// "team server NAME: WORDS (REASON)": the one form every team message takes.
QString FailureMessage(TeamFailure failure, const QString& server, const QString& reason);

} // namespace rangedesk::team
