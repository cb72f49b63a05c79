#pragma once

#include <QString>

#include <memory>

#include "store_access.h"

namespace rangedesk::store {

class SqlConnection;

struct OpenedDatabase {
    std::unique_ptr<SqlConnection> Connection;
    int Version = 0; // the layout version of the file as opened
};

// The one way a database file is opened. It must be a regular file holding LoadData with its
// columns; nothing is ever created.
// - ReadOnly changes nothing: no journal mode, no upgrade, no write, and no log files left
//   behind. A write-ahead-log file with no log beside it has nothing pending and is read as it
//   stands (immutable), since SQLite would otherwise make "-wal" and "-shm" files and leave
//   them; with a log beside it (another program writes it now), SQLite's own locking keeps the
//   reading right. A newer layout is read for LoadData; the history refuses it.
// - ReadWrite refuses a newer layout before writing anything, then takes the write-ahead log
//   and brings an older layout up to date.
// Throws StoreError.
OpenedDatabase OpenDatabase(const QString& path, StoreAccess access);

// Opens `path` read-only as a file no other program uses (a copy being made) and checks that it
// is a database of this program; throws StoreError.
void CheckPrivateDatabaseFile(const QString& path);

} // namespace rangedesk::store
