#pragma once

#include <QString>

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

} // namespace rangedesk::team
