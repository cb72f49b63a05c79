#pragma once

#include <QString>

namespace rangedesk::store {

// Who makes a download or an edit: this desk (by default the machine's host name; a team
// server's settings may name it otherwise) and the user logged in.
struct DeskIdentity {
    QString Desk;
    QString User;

    static DeskIdentity OfThisMachine();
};

} // namespace rangedesk::store
