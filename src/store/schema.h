#pragma once

#include <QSqlDatabase>
#include <QString>

namespace rangedesk::store {

// The layout of DistLib.mdb this program writes, kept in PRAGMA user_version. Version 0 is
// LoadData alone; version 1 adds the history of downloads.
inline constexpr int kSchemaVersion = 1;

// The file's layout version; -1 when it cannot be read.
int SchemaVersion(QSqlDatabase& db);

// Brings a version-0 file to the current layout in one transaction: the history tables are
// added and the rows already in LoadData become one download, "imported". LoadData itself is
// never dropped or rewritten. Throws StoreError.
void UpgradeSchema(QSqlDatabase& db);

// A download found "running" was ended by a killed program: it becomes "interrupted".
void MarkInterruptedDownloads(QSqlDatabase& db);

} // namespace rangedesk::store
