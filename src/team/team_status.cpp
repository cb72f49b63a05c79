#include "team_status.h"

namespace rangedesk::team {

QString TeamStatus::Text() const {
    switch (Now) {
    case State::NotSet:
        return {};
    case State::UpToDate:
        return "Team: up to date";
    case State::Waiting:
        return QString("Team: %1 waiting").arg(Waiting);
    case State::Offline:
        return QString("Team: offline (%1)").arg(Reason);
    }
    return {};
}

} // namespace rangedesk::team
