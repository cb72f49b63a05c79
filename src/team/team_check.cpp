#include "team_check.h"

#include <QCoreApplication>

#include <QSqlDatabase>

#include "connection_failure.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"

namespace rangedesk::team {

TeamCheck CheckTeamServer(const TeamSettings& settings, const QString& password) {
    TeamCheck check;
    const ParsedAddress parsed = ParseServerAddress(settings.Server);
    if (!parsed.Address) {
        check.Failure = TeamFailure::BadAddress;
        check.Message = FailureMessage(TeamFailure::BadAddress, settings.Server, parsed.Error);
        return check;
    }
    try {
        TeamConnection connection(*parsed.Address, settings.Desk, password);
        const ServerSchema schema = CheckServerSchema(connection);
        check.Ok = true;
        check.SchemaVersion = schema.Version;
        check.ReadOnly = schema.ReadOnly;
        check.Message = schema.ReadOnly
                            ? FailureMessage(TeamFailure::NewerSchema, connection.Server(), {})
                            : QCoreApplication::translate(
                                  "TeamError", "team server %1: connected, schema version %2")
                                  .arg(connection.Server())
                                  .arg(schema.Version);
    } catch (const TeamError& e) {
        check.Failure = e.Failure();
        check.Message = e.Message();
    }
    return check;
}

bool PostgresDriverInstalled() {
    return QSqlDatabase::isDriverAvailable("QPSQL");
}

QString DriverAdvice() {
    return QCoreApplication::translate(
        "TeamError", "Qt's PostgreSQL driver is not installed, so no team server can be reached. "
                     "Install it with: sudo apt install libqt6sql6-psql");
}

} // namespace rangedesk::team
