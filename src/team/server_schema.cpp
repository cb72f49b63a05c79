#include "server_schema.h"

#include <QCoreApplication>

#include <QSqlQuery>

#include "connection_failure.h"
#include "team_connection.h"
#include "team_error.h"

namespace rangedesk::team {
namespace {

// What the version table says this server is.
constexpr const char* kProduct = "RangeDesk team server";
// Every upgrade holds this transaction-level advisory lock: two upgrades never interleave.
constexpr qint64 kUpgradeLock = 0x52616E6765446B; // "RangeDk"

// Roles are the cluster's, so they may exist from another database already.
constexpr const char* kMakeRoles = R"sql(
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'rangedesk_desk') THEN
        CREATE ROLE rangedesk_desk NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'rangedesk_admin') THEN
        CREATE ROLE rangedesk_admin NOLOGIN;
    END IF;
    IF NOT pg_has_role(current_user, 'rangedesk_admin', 'MEMBER') THEN
        EXECUTE format('GRANT rangedesk_admin TO %I', current_user);
    END IF;
END $$;
GRANT rangedesk_desk TO rangedesk_admin;
)sql";

// Each database the roles work in: the administrators make the schema in it.
constexpr const char* kGrantDatabase = R"sql(
DO $$
BEGIN
    EXECUTE format('GRANT CONNECT, CREATE ON DATABASE %I TO rangedesk_admin', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO rangedesk_desk', current_database());
END $$;
)sql";

constexpr const char* kMakeVersionTable = R"sql(
CREATE SCHEMA IF NOT EXISTS rangedesk;
CREATE TABLE IF NOT EXISTS rangedesk.schema_version (
    only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row),
    product text NOT NULL,
    version integer NOT NULL,
    server_id uuid NOT NULL DEFAULT gen_random_uuid(),
    upgraded timestamptz NOT NULL DEFAULT now()
);
GRANT USAGE ON SCHEMA rangedesk TO rangedesk_desk;
GRANT SELECT ON rangedesk.schema_version TO rangedesk_desk;
)sql";

// The version table's row: nothing when this database has no RangeDesk schema.
struct VersionRow {
    bool Exists = false;
    QString Product;
    int Version = 0;
    QUuid ServerId;
};

VersionRow ReadVersionRow(TeamConnection& c, const QString& lock) {
    VersionRow row;
    if (c.Value("SELECT to_regclass('rangedesk.schema_version') IS NOT NULL", {},
                "reading the schema version")
            .toBool()) {
        QSqlQuery q =
            c.Exec("SELECT product, version, server_id FROM rangedesk.schema_version" + lock, {},
                   "reading the schema version");
        if (q.next()) {
            row = {true, q.value(0).toString(), q.value(1).toInt(), q.value(2).toUuid()};
        }
    }
    return row;
}

[[noreturn]] void Throw(TeamFailure failure, TeamConnection& c, const QString& reason) {
    throw TeamError(failure, FailureMessage(failure, c.Server(), reason));
}

} // namespace

ServerSchema CheckServerSchema(TeamConnection& c) {
    const VersionRow row = ReadVersionRow(c, {});
    if (!row.Exists || row.Product != kProduct) {
        Throw(TeamFailure::NotOurs, c,
              QCoreApplication::translate("TeamError",
                                          "database has no rangedesk.schema_version table"));
    }
    if (row.Version < KnownSchemaVersion()) {
        Throw(TeamFailure::OlderSchema, c,
              QCoreApplication::translate("TeamError", "schema %1, this RangeDesk needs %2")
                  .arg(row.Version)
                  .arg(KnownSchemaVersion()));
    }
    const QString role = c.Value("SELECT current_user", {}, "reading the login role").toString();
    if (!c.Value("SELECT pg_has_role(current_user, ?, 'USAGE')", {QString(kDeskRole)},
                 "checking the login role")
             .toBool()) {
        Throw(TeamFailure::NoRights, c,
              QCoreApplication::translate(
                  "TeamError",
                  "the role %1 is not a member of %2; an administrator runs: GRANT %2 TO %1")
                  .arg(role, kDeskRole));
    }
    return {row.Version, row.ServerId, row.Version > KnownSchemaVersion()};
}

InitOutcome InitServerSchema(TeamConnection& c) {
    InitOutcome outcome;
    c.Begin("starting the schema upgrade");
    try {
        c.Exec("SET LOCAL client_min_messages = warning", {}, "starting the schema upgrade");
        c.Exec(QString("SELECT pg_advisory_xact_lock(%1)").arg(kUpgradeLock), {},
               "waiting for another upgrade");
        // An administrator's upgrade of an existing server needs no rights over roles.
        const bool rolesExist =
            c.Value("SELECT count(*) = 2 FROM pg_roles WHERE rolname IN (?, ?)",
                    {QString(kDeskRole), QString(kAdminRole)}, "looking for the roles")
                .toBool();
        const bool ownsThem =
            rolesExist && c.Value("SELECT pg_has_role(current_user, ?, 'MEMBER')",
                                  {QString(kAdminRole)}, "checking the login role")
                              .toBool();
        if (!ownsThem) {
            c.Exec(kMakeRoles, {},
                   "creating the roles " + QString(kDeskRole) + " and " + kAdminRole);
            outcome.RolesMade = !rolesExist;
        }
        if (!c.Value("SELECT has_database_privilege(?, current_database(), 'CREATE')",
                     {QString(kAdminRole)}, "checking the administrators' rights")
                 .toBool()) {
            c.Exec(kGrantDatabase, {}, "granting the roles this database");
        }
        // Everything below belongs to the administrators' role, so any of them may upgrade.
        c.Exec(QString("SET LOCAL ROLE %1").arg(kAdminRole), {}, "taking the administrators' role");
        const VersionRow before = ReadVersionRow(c, " FOR UPDATE");
        if (before.Exists && before.Product != kProduct) {
            Throw(TeamFailure::NotOurs, c, "rangedesk.schema_version names " + before.Product);
        }
        if (!before.Exists &&
            c.Value("SELECT to_regnamespace('rangedesk') IS NOT NULL", {}, "looking for the schema")
                .toBool()) {
            Throw(TeamFailure::NotOurs, c,
                  QCoreApplication::translate("TeamError",
                                              "a schema rangedesk exists without a version table"));
        }
        if (before.Version > KnownSchemaVersion()) {
            Throw(TeamFailure::NewerSchema, c,
                  QCoreApplication::translate("TeamError", "schema %1, this RangeDesk knows %2")
                      .arg(before.Version)
                      .arg(KnownSchemaVersion()));
        }
        c.Exec(kMakeVersionTable, {}, "creating the version table");
        if (!before.Exists) {
            c.Exec("INSERT INTO rangedesk.schema_version (product, version) VALUES (?, 0)",
                   {QString(kProduct)}, "creating the version table");
        }
        const auto steps = SchemaSteps();
        for (int v = before.Version + 1; v <= KnownSchemaVersion(); ++v) {
            c.Exec(steps[std::size_t(v - 1)], {},
                   QString("upgrading the schema to version %1").arg(v));
        }
        c.Exec("UPDATE rangedesk.schema_version SET version = ?, upgraded = now()",
               {KnownSchemaVersion()}, "recording the schema version");
        c.Commit("committing the schema upgrade");
        outcome.FromVersion = before.Version;
        outcome.ToVersion = KnownSchemaVersion();
    } catch (...) {
        c.Rollback();
        throw;
    }
    return outcome;
}

} // namespace rangedesk::team
