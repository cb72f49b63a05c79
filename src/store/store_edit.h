#pragma once

#include <functional>

namespace rangedesk::store {

class RecordStore;
class SqlConnection;

// Runs an edit of the history (a job, a label, a reading...) as the one writer of the database,
// in one write transaction: refused with "in use" while another download, load or delete runs.
// Every edit queues its row for a team server: the store then signals changesQueued().
// Throws StoreError.
void EditHistory(RecordStore& store, const std::function<void(SqlConnection&)>& edit);

} // namespace rangedesk::store
