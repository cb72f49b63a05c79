#include "desk_identity.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace rangedesk::store {

DeskIdentity DeskIdentity::OfThisMachine() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        if (const passwd* entry = ::getpwuid(::geteuid())) {
            user = QString::fromLocal8Bit(entry->pw_name);
        }
    }
    return {QSysInfo::machineHostName(), user};
}

} // namespace rangedesk::store
