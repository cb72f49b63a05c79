#pragma once

#include <QString>

namespace rangedesk::store {

// What the file at a database path is, read before SQLite is asked to open it.
struct DatabaseFileFacts {
    bool WriteAheadLog = false; // its journal is a write-ahead log (header byte 19 is 2)
    bool LogPresent = false;    // the log file "-wal" lies beside it
};

// Checks that `path` leads to a regular file this user can read (a pipe would block SQLite
// for ever, a device could feed it endless bytes) and reads its header. Throws StoreError:
// missing, a folder, not a regular file, not a database, unreadable.
DatabaseFileFacts InspectDatabaseFile(const QString& path);

} // namespace rangedesk::store
