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

} // namespace

int SchemaVersion(SqlConnection& connection) {
    return connection.Value("PRAGMA main.user_version").toInt();
}

void UpgradeSchema(SqlConnection& connection) {
    connection.InWriteTransaction(
        [&] {
            if (SchemaVersion(connection) != 0) {
                return; // up to date, or upgraded by another program while this one waited
            }
            CreateHistoryTables(connection, "main");
            ImportLoadData(connection, "main");
            connection.Run(QString("PRAGMA main.user_version = %1").arg(kSchemaVersion), {},
                           StoreAction::Write);
        },
        SqlConnection::Lock::Exclusive);
}

void DeriveHistoryOfOlderFile(SqlConnection& connection) {
    // Nothing of it reaches a file.
    connection.Run("PRAGMA temp_store = MEMORY");
    connection.Run("BEGIN");
    try {
        CreateHistoryTables(connection, "temp");
        ImportLoadData(connection, "temp");
        connection.Run("COMMIT");
    } catch (...) {
        QSqlQuery(connection.Database()).exec("ROLLBACK");
        throw;
    }
}

} // namespace rangedesk::store
