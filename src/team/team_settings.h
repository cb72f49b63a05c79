#pragma once

#include <QString>

#include "desk_identity.h"

namespace rangedesk::team {

// The team server a user's desks push to, kept in the user's configuration (QSettings, group
// "team"), never in the database file and never with a password.
struct TeamSettings {
    QString Server; // a libpq URL, keyword list or service name; empty: no team server
    QString Desk;   // this desk's name as the team sees it

    bool IsSet() const { return !Server.trimmed().isEmpty(); }
    bool operator==(const TeamSettings&) const = default;
};

// The settings saved for this user; the desk defaults to the host name.
TeamSettings LoadTeamSettings();
void SaveTeamSettings(const TeamSettings& settings);
// Forgets the server (the desk name stays).
void ClearTeamServer();

// The host name, the default desk name.
QString DefaultDeskName();
// The user a download is made by: the login name.
QString CurrentUserName();

// Who the local rows say made them: the desk named in the settings (the host name unless the
// user named it), so that the team server tells this desk's edits from those of others.
store::DeskIdentity DeskIdentityOf(const TeamSettings& settings);

} // namespace rangedesk::team
