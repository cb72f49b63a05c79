#pragma once

namespace rangedesk::store {

class SqlConnection;

// The layout of DistLib.mdb this program writes, kept in PRAGMA user_version. Version 0 is
// LoadData alone; version 1 adds the history of downloads.
inline constexpr int kSchemaVersion = 1;

// The file's layout version; throws StoreError.
int SchemaVersion(SqlConnection& connection);

// Brings a version-0 file to the current layout in one exclusive transaction: the history
// tables are added and the rows already in LoadData become one download, "imported". The
// version is read again inside the transaction, so two programs opening an old file at once
// upgrade it once. LoadData itself is never dropped or rewritten. Throws StoreError (ReadOnly
// when the file cannot be written: this is also where a writer finds that out).
void UpgradeSchema(SqlConnection& connection);

// What the upgrade would make of a version-0 file, in the connection's temporary schema: an
// older file is read as the current layout without being written.
void DeriveHistoryOfOlderFile(SqlConnection& connection);

} // namespace rangedesk::store
