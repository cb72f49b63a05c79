#pragma once

#include <QString>

#include <memory>

#include "push_source.h"
#include "store_access.h"

namespace rangedesk::team {

// The store's Outbox and rows as a PushSource, on the database at `databasePath`, opened with
// its own connection on the calling thread (the pusher's). ReadOnly serves "team status": it
// changes nothing, and every write throws. Throws StoreError when the database cannot be
// opened; while a download holds the database, Pending() and every write throw StoreError
// InUse, and the pusher tries again later.
std::unique_ptr<PushSource>
LocalPushSource(const QString& databasePath,
                store::StoreAccess access = store::StoreAccess::ReadWrite);

} // namespace rangedesk::team
