#include "store_edit.h"

#include "record_store.h"
#include "sql_connection.h"
#include "writer_lock.h"

namespace rangedesk::store {

void EditHistory(RecordStore& store, const std::function<void(SqlConnection&)>& edit) {
    store.RequireHistory();
    WriterLock lock(store.Path());
    const WriterScope hold(lock);
    SqlConnection& connection = store.Connection();
    connection.InWriteTransaction([&] { edit(connection); });
    emit store.changesQueued();
}

} // namespace rangedesk::store
