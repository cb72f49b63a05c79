#include "database_opener.h"

#include <QCoreApplication>

#include "database_file.h"
#include "load_data_sql.h"
#include "schema.h"
#include "sql_connection.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

// Another program's lock is waited out for a while before a statement fails.
constexpr int kBusyTimeoutMs = 5000;

QString ConnectOptions(StoreAccess access) {
    return QString("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs) +
           (access == StoreAccess::ReadOnly ? ";QSQLITE_OPEN_READONLY" : "");
}

// LoadData with every column the program reads; anything else is not a file of this program.
void CheckLoadData(SqlConnection& connection) {
    connection.Run(sql::CheckLoadData(), {}, StoreAction::Open, StoreErrorKind::NotOurs);
}

void RefuseNewerLayout(const SqlConnection& connection, int version) {
    if (version > kSchemaVersion) {
        throw StoreError(StoreErrorKind::NewerVersion, StoreAction::Open, connection.Path(),
                         QCoreApplication::translate(
                             "StoreError",
                             "its layout is version %1, this program knows version %2. It "
                             "is left as it is; install the newer RangeDesk to use it.")
                             .arg(version)
                             .arg(kSchemaVersion));
    }
}

// A crash in the middle of a download leaves every committed row in a consistent file.
void PrepareForWriting(SqlConnection& connection) {
    connection.Run("PRAGMA journal_mode=WAL", {}, StoreAction::Write);
    connection.Run("PRAGMA synchronous=NORMAL", {}, StoreAction::Write);
    connection.Run("PRAGMA foreign_keys=ON", {}, StoreAction::Write);
    UpgradeSchema(connection);
}

} // namespace

OpenedDatabase OpenDatabase(const QString& path, StoreAccess access) {
    const DatabaseFileFacts facts = InspectDatabaseFile(path);
    QString uri = DatabaseUri(path, access);
    if (access == StoreAccess::ReadOnly && facts.WriteAheadLog && !facts.LogPresent) {
        uri += "&immutable=1";
    }
    auto connection = std::make_unique<SqlConnection>(path, access);
    connection->Open(uri, ConnectOptions(access));
    CheckLoadData(*connection);
    int version = SchemaVersion(*connection);
    if (access == StoreAccess::ReadWrite) {
        RefuseNewerLayout(*connection, version);
        PrepareForWriting(*connection);
        version = SchemaVersion(*connection);
    }
    return {std::move(connection), version};
}

void CheckPrivateDatabaseFile(const QString& path) {
    InspectDatabaseFile(path);
    SqlConnection connection(path, StoreAccess::ReadOnly);
    connection.Open(DatabaseUri(path, StoreAccess::ReadOnly) + "&immutable=1",
                    ConnectOptions(StoreAccess::ReadOnly));
    CheckLoadData(connection);
    RefuseNewerLayout(connection, SchemaVersion(connection));
}

} // namespace rangedesk::store
