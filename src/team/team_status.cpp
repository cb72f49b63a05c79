#include "team_status.h"

#include <QCoreApplication>

namespace rangedesk::team {

QString TeamStatus::Text() const {
    switch (Now) {
    case State::NotSet:
        return {};
    case State::UpToDate:
        return QCoreApplication::translate("TeamStatus", "Team: up to date");
    case State::Waiting:
        return QCoreApplication::translate("TeamStatus", "Team: %1 waiting").arg(Waiting);
    case State::Offline:
        return QCoreApplication::translate("TeamStatus", "Team: offline (%1)").arg(Reason);
    }
    return {};
}

} // namespace rangedesk::team
