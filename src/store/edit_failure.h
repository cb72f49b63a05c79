#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace rangedesk::store {

// Runs an edit of the history and says why it failed, or nothing when it was stored: the
// reason of a JobRefusal, the message of a StoreError (another program downloading, a full
// disk). Models that edit in place report this instead of throwing through the view.
std::optional<QString> EditFailure(const std::function<void()>& edit);

} // namespace rangedesk::store
