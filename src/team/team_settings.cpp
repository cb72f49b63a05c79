#include "team_settings.h"

#include <QSettings>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace rangedesk::team {

TeamSettings LoadTeamSettings() {
    QSettings settings(QSettings::UserScope, "RangeDesk", "RangeDesk");
    settings.beginGroup("team");
    TeamSettings team;
    team.Server = settings.value("server").toString();
    team.Desk = settings.value("desk").toString().trimmed();
    if (team.Desk.isEmpty()) {
        team.Desk = DefaultDeskName();
    }
    return team;
}

void SaveTeamSettings(const TeamSettings& team) {
    QSettings settings(QSettings::UserScope, "RangeDesk", "RangeDesk");
    settings.beginGroup("team");
    settings.setValue("server", team.Server.trimmed());
    settings.setValue("desk", team.Desk.trimmed());
    settings.sync();
}

void ClearTeamServer() {
    QSettings settings(QSettings::UserScope, "RangeDesk", "RangeDesk");
    settings.beginGroup("team");
    settings.remove("server");
    settings.sync();
}

QString DefaultDeskName() {
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QString("desk") : host;
}

QString CurrentUserName() {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return qEnvironmentVariable("USER");
}

store::DeskIdentity DeskIdentityOf(const TeamSettings& settings) {
    store::DeskIdentity identity = store::DeskIdentity::OfThisMachine();
    if (!settings.Desk.trimmed().isEmpty()) {
        identity.Desk = settings.Desk.trimmed();
    }
    return identity;
}

} // namespace rangedesk::team
