// Placeholder until the store implements the outbox of layout version 2: the store's
// implementation of PushSource replaces this file.
#include "local_push_source.h"

#include <stdexcept>

namespace rangedesk::team {

std::unique_ptr<PushSource> LocalPushSource(const QString& databasePath) {
    throw std::runtime_error(QString("%1: the local store is not wired to the team push yet")
                                 .arg(databasePath)
                                 .toStdString());
}

} // namespace rangedesk::team
