#include "schema.h"

#include <QDateTime>

#include "download_outcome.h"
#include "sql_connection.h"

namespace rangedesk::store {
namespace {

// The steps from version 0 to version 1. They are frozen: a file upgraded by any release must
// come out the same, so they name the columns of that day, whatever LoadData has since.

void CreateHistoryTables(SqlConnection& c, const QString& schema) {
    c.Run(QString("CREATE TABLE %1.Downloads (id INTEGER PRIMARY KEY, started TEXT, finished "
                  "TEXT, model INTEGER, vendor INTEGER, product INTEGER, asked INTEGER, stored "
                  "INTEGER, outcome TEXT)")
              .arg(schema),
          {}, StoreAction::Write);
    c.Run(QString("CREATE TABLE %1.DownloadRecords (download_id INTEGER NOT NULL REFERENCES "
                  "Downloads(id) ON DELETE CASCADE, RecNo INTEGER NOT NULL, reply BLOB, MODE "
                  "TEXT, UNIT TEXT, DIST1 TEXT, DIST2 TEXT, DIST3 TEXT, RESULT TEXT, PRIMARY KEY "
                  "(download_id, RecNo))")
              .arg(schema),
          {}, StoreAction::Write);
}

// What an earlier version downloaded: kept as one download without reply bytes. Every row is
// kept. A row keeps its RecNo when that is a plain number (digits only, no sign, no fraction,
// below the numbers given to the others) seen first there; a repeated, fractional or other
// RecNo is kept as 1000000 + its rowid.
void ImportLoadData(SqlConnection& c, const QString& schema) {
    const int rows = c.Value("SELECT COUNT(*) FROM main.LoadData").toInt();
    if (rows == 0) {
        return;
    }
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QSqlQuery imported =
        c.Run(QString("INSERT INTO %1.Downloads (started, finished, model, vendor, product, "
                      "asked, stored, outcome) VALUES (?, ?, 0, 0, 0, ?, ?, ?)")
                  .arg(schema),
              {now, now, rows, rows, records::OutcomeWord(records::DownloadOutcome::Imported)},
              StoreAction::Write);
    const qint64 id = imported.lastInsertId().toLongLong();
    c.Run(QString("INSERT INTO %1.DownloadRecords (download_id, RecNo, MODE, UNIT, DIST1, DIST2, "
                  "DIST3, RESULT) SELECT ?, CASE WHEN CAST(RecNo AS TEXT) GLOB '[1-9]*' AND "
                  "CAST(RecNo AS TEXT) NOT GLOB '*[^0-9]*' AND length(CAST(RecNo AS TEXT)) <= 6 "
                  "AND rowid IN (SELECT MIN(rowid) FROM main.LoadData GROUP BY CAST(RecNo AS "
                  "TEXT)) THEN CAST(RecNo AS INTEGER) ELSE 1000000 + rowid END, MODE, UNIT, "
                  "DIST1, DIST2, DIST3, RESULT FROM main.LoadData ORDER BY rowid")
              .arg(schema),
          {id}, StoreAction::Write);
}

// The steps from version 1 to version 2, frozen in turn: jobs; an identity (a UUID) for every
// download, job and reading, so desks can share them; the meter's serial number and whether it
// was simulated; labels, notes and deductions on kept records; readings; what waits for a team
// server. Every download already kept is queued for the team server. Adding a column rewrites
// no row, so the step takes no longer for a large file.

// A random (version 4) UUID, lower case without braces, as QUuid writes it.
constexpr const char* kNewUuid =
    "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || "
    "substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (abs(random()) % 4), 1) || "
    "substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))";

// The columns a table gets, for ALTER TABLE and for the views of an older file.
struct AddedColumn {
    const char* Name;
    const char* Definition; // type and default, as ALTER TABLE takes it
    const char* Value;      // what an older row reads as
};

constexpr AddedColumn kDownloadColumnsV2[] = {
    {"uuid", "TEXT", "NULL"},
    {"job_id", "INTEGER REFERENCES Jobs(id) ON DELETE SET NULL", "NULL"},
    {"serial", "TEXT NOT NULL DEFAULT ''", "''"},
    {"simulated", "INTEGER NOT NULL DEFAULT 0", "0"},
    {"decimal_separator", "TEXT NOT NULL DEFAULT ''", "''"},
    {"desk", "TEXT NOT NULL DEFAULT ''", "''"},
    {"user_name", "TEXT NOT NULL DEFAULT ''", "''"},
    {"job_version", "INTEGER NOT NULL DEFAULT 1", "1"},
    {"changed", "TEXT", "NULL"},
    {"changed_by", "TEXT NOT NULL DEFAULT ''", "''"},
};

constexpr AddedColumn kRecordColumnsV2[] = {
    {"label", "TEXT NOT NULL DEFAULT ''", "''"},
    {"note", "TEXT NOT NULL DEFAULT ''", "''"},
    {"deduction", "INTEGER NOT NULL DEFAULT 0", "0"},
    {"search", "TEXT NOT NULL DEFAULT ''", "lower(coalesce(MODE, ''))"},
    {"version", "INTEGER NOT NULL DEFAULT 1", "1"},
    {"changed", "TEXT", "NULL"},
    {"changed_by", "TEXT NOT NULL DEFAULT ''", "''"},
};

// The tables version 2 adds whole.
void CreateWorkModelTables(SqlConnection& c, const QString& schema) {
    const QString tables[] = {
        "CREATE TABLE %1.Jobs (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, name TEXT NOT "
        "NULL, name_key TEXT NOT NULL UNIQUE, client TEXT NOT NULL DEFAULT '', address TEXT NOT "
        "NULL DEFAULT '', notes TEXT NOT NULL DEFAULT '', search TEXT NOT NULL DEFAULT '', "
        "created TEXT NOT NULL, desk TEXT NOT NULL DEFAULT '', version INTEGER NOT NULL DEFAULT "
        "1, changed TEXT, changed_by TEXT NOT NULL DEFAULT '')",
        "CREATE TABLE %1.Readings (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, taken TEXT "
        "NOT NULL, model INTEGER NOT NULL DEFAULT 0, vendor INTEGER NOT NULL DEFAULT 0, product "
        "INTEGER NOT NULL DEFAULT 0, serial TEXT NOT NULL DEFAULT '', simulated INTEGER NOT NULL "
        "DEFAULT 0, distance_tenths INTEGER NOT NULL, text TEXT NOT NULL, job_id INTEGER "
        "REFERENCES Jobs(id) ON DELETE SET NULL, label TEXT NOT NULL DEFAULT '', note TEXT NOT "
        "NULL DEFAULT '', search TEXT NOT NULL DEFAULT '', desk TEXT NOT NULL DEFAULT '', version "
        "INTEGER NOT NULL DEFAULT 1, changed TEXT, changed_by TEXT NOT NULL DEFAULT '')",
        "CREATE TABLE %1.Outbox (seq INTEGER PRIMARY KEY AUTOINCREMENT, kind TEXT NOT NULL, uuid "
        "TEXT NOT NULL, recno INTEGER NOT NULL DEFAULT 0, UNIQUE (kind, uuid, recno))",
        "CREATE TABLE %1.State (key TEXT PRIMARY KEY, value TEXT)",
    };
    for (const QString& table : tables) {
        c.Run(table.arg(schema), {}, StoreAction::Write);
    }
}

// Version 2 in the file itself.
void AddWorkModel(SqlConnection& c) {
    CreateWorkModelTables(c, "main");
    for (const AddedColumn& column : kDownloadColumnsV2) {
        c.Run(QString("ALTER TABLE main.Downloads ADD COLUMN %1 %2")
                  .arg(column.Name, column.Definition),
              {}, StoreAction::Write);
    }
    for (const AddedColumn& column : kRecordColumnsV2) {
        c.Run(QString("ALTER TABLE main.DownloadRecords ADD COLUMN %1 %2")
                  .arg(column.Name, column.Definition),
              {}, StoreAction::Write);
    }
    c.Run(QString("UPDATE main.Downloads SET uuid = %1").arg(kNewUuid), {}, StoreAction::Write);
    c.Run("UPDATE main.DownloadRecords SET search = lower(coalesce(MODE, ''))", {},
          StoreAction::Write);
    const char* indexes[] = {
        "CREATE UNIQUE INDEX main.DownloadsByUuid ON Downloads(uuid)",
        "CREATE INDEX main.DownloadsByJob ON Downloads(job_id)",
        // The same bytes under the same number: what decides whether a record is new.
        "CREATE INDEX main.KeptRecordsByBytes ON DownloadRecords(RecNo, reply)",
        "CREATE INDEX main.ReadingsByJob ON Readings(job_id)",
        // A search reads this instead of the table: a quarter of the pages.
        "CREATE INDEX main.KeptRecordsBySearch ON DownloadRecords(search, download_id, RecNo)",
    };
    for (const char* index : indexes) {
        c.Run(index, {}, StoreAction::Write);
    }
    c.Run("INSERT INTO main.Outbox (kind, uuid) SELECT 'download', uuid FROM main.Downloads "
          "ORDER BY id",
          {}, StoreAction::Write);
}

// A file of version 1 read as version 2, without writing it: views in the connection's
// temporary schema (found before the file's own tables) give the new columns their first
// values, and the new tables are there, empty.
void ViewAsWorkModel(SqlConnection& c) {
    QStringList downloadColumns;
    for (const AddedColumn& column : kDownloadColumnsV2) {
        downloadColumns << QString("%1 AS %2").arg(column.Value, column.Name);
    }
    QStringList recordColumns;
    for (const AddedColumn& column : kRecordColumnsV2) {
        recordColumns << QString("%1 AS %2").arg(column.Value, column.Name);
    }
    c.Run(QString("CREATE TEMP VIEW Downloads AS SELECT *, %1 FROM main.Downloads")
              .arg(downloadColumns.join(", ")));
    c.Run(QString("CREATE TEMP VIEW DownloadRecords AS SELECT *, %1 FROM main.DownloadRecords")
              .arg(recordColumns.join(", ")));
    CreateWorkModelTables(c, "temp");
}

// A file of version 0 read as version 2: its history made in the temporary schema, then the
// version-2 columns added there.
void DeriveFromLoadData(SqlConnection& c) {
    CreateHistoryTables(c, "temp");
    ImportLoadData(c, "temp");
    CreateWorkModelTables(c, "temp");
    for (const AddedColumn& column : kDownloadColumnsV2) {
        c.Run(QString("ALTER TABLE temp.Downloads ADD COLUMN %1 %2")
                  .arg(column.Name, column.Definition));
    }
    for (const AddedColumn& column : kRecordColumnsV2) {
        c.Run(QString("ALTER TABLE temp.DownloadRecords ADD COLUMN %1 %2")
                  .arg(column.Name, column.Definition));
    }
    c.Run("UPDATE temp.DownloadRecords SET search = lower(coalesce(MODE, ''))");
}

} // namespace

int SchemaVersion(SqlConnection& connection) {
    return connection.Value("PRAGMA main.user_version").toInt();
}

void UpgradeSchema(SqlConnection& connection) {
    connection.InWriteTransaction(
        [&] {
            // Read again inside the transaction: another program may have upgraded it while
            // this one waited.
            const int version = SchemaVersion(connection);
            if (version >= kSchemaVersion) {
                return;
            }
            if (version < 1) {
                CreateHistoryTables(connection, "main");
                ImportLoadData(connection, "main");
            }
            AddWorkModel(connection);
            connection.Run(QString("PRAGMA main.user_version = %1").arg(kSchemaVersion), {},
                           StoreAction::Write);
        },
        SqlConnection::Lock::Exclusive);
}

void DeriveHistoryOfOlderFile(SqlConnection& connection) {
    const int version = SchemaVersion(connection);
    // Nothing of it reaches a file.
    connection.Run("PRAGMA temp_store = MEMORY");
    connection.Run("BEGIN");
    try {
        if (version < 1) {
            DeriveFromLoadData(connection);
        } else {
            ViewAsWorkModel(connection);
        }
        connection.Run("COMMIT");
    } catch (...) {
        QSqlQuery(connection.Database()).exec("ROLLBACK");
        throw;
    }
}

} // namespace rangedesk::store
