#pragma once

namespace rangedesk::store {

class SqlConnection;

// The layout of DistLib.mdb this program writes, kept in PRAGMA user_version. Version 0 is
// LoadData alone; version 1 adds the history of downloads; version 2 jobs, labels, notes,
// deductions, readings, identities for sharing, and what waits for a team server.
inline constexpr int kSchemaVersion = 2;

// The file's layout version; throws StoreError.
int SchemaVersion(SqlConnection& connection);

// Brings an older file to the current layout in one exclusive transaction: a version-0 file
// gets the history tables and its LoadData rows become one download, "imported"; a version-1
// file keeps every download, reply and text and gets the version-2 tables and columns. The
// version is read again inside the transaction, so two programs opening an old file at once
// upgrade it once. LoadData itself is never dropped or rewritten. Throws StoreError (ReadOnly
// when the file cannot be written: this is also where a writer finds that out).
void UpgradeSchema(SqlConnection& connection);

// What the upgrade would make of an older file, in the connection's temporary schema: an older
// file is read as the current layout without being written.
void DeriveHistoryOfOlderFile(SqlConnection& connection);

} // namespace rangedesk::store
