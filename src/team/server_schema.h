#pragma once

#include <QString>
#include <QUuid>

#include <span>

namespace rangedesk::team {

class TeamConnection;

// The team server's schema is a list of upgrade steps; step N brings version N-1 to N.
// A new version of RangeDesk appends steps, never edits one.
std::span<const char* const> SchemaSteps();
// The schema version this program knows: the number of steps.
int KnownSchemaVersion();

// The roles every server has: desks add and edit, administrators also delete and upgrade.
inline constexpr const char* kDeskRole = "rangedesk_desk";
inline constexpr const char* kAdminRole = "rangedesk_admin";
// The channel of change notices; the payload is the desk that made the change.
inline constexpr const char* kChangeChannel = "rangedesk_changes";

// What a desk finds on connecting.
struct ServerSchema {
    int Version = 0;
    QUuid ServerId;        // made by team init: tells one team server from another
    bool ReadOnly = false; // newer than KnownSchemaVersion(): read, never write
};

// Reads the schema version and checks that this login may work as a desk. Throws TeamError:
// NotOurs without the schema, OlderSchema when it needs an upgrade, NoRights when the login
// is no member of the desk role. A newer schema is not an error: ReadOnly says so.
ServerSchema CheckServerSchema(TeamConnection& connection);

// What team init did.
struct InitOutcome {
    int FromVersion = 0; // 0: a new schema
    int ToVersion = 0;
    bool RolesMade = false;
};

// Creates the roles (when missing), the schema and the version table, or upgrades an older
// schema: one transaction under an advisory lock, so two administrators cannot interleave.
// Needs a login that may create roles and schemas (the database owner or a superuser) or, for
// an upgrade alone, a member of the administrators' role.
InitOutcome InitServerSchema(TeamConnection& connection);

} // namespace rangedesk::team
