#pragma once

#include <QString>

#include <memory>

#include "push_source.h"

namespace rangedesk::team {

// The store's outbox and rows as a PushSource, on the database at `databasePath`, opened with
// its own connection on the calling thread. Throws when the database cannot be opened.
//
// TO BE WIRED BY THE STORE: until the store's layout version 2 lands, this throws
// "the local store is not wired to the team push yet".
std::unique_ptr<PushSource> LocalPushSource(const QString& databasePath);

} // namespace rangedesk::team
