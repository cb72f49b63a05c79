#include "schema.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

#include "store_error.h"

namespace rangedesk::store {
namespace {

void Exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        throw StoreError(query.lastError().text().toStdString());
    }
}

} // namespace

int SchemaVersion(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next()) {
        return -1;
    }
    return query.value(0).toInt();
}

void UpgradeSchema(QSqlDatabase& db) {
    if (SchemaVersion(db) != 0) {
        return;
    }
    if (!db.transaction()) {
        throw StoreError(db.lastError().text().toStdString());
    }
    try {
        Exec(db, "CREATE TABLE Downloads (id INTEGER PRIMARY KEY, started TEXT, finished TEXT, "
                 "model INTEGER, vendor INTEGER, product INTEGER, asked INTEGER, stored INTEGER, "
                 "outcome TEXT)");
        Exec(db, "CREATE TABLE DownloadRecords (download_id INTEGER NOT NULL REFERENCES "
                 "Downloads(id) ON DELETE CASCADE, RecNo INTEGER NOT NULL, reply BLOB, MODE TEXT, "
                 "UNIT TEXT, DIST1 TEXT, DIST2 TEXT, DIST3 TEXT, RESULT TEXT, "
                 "PRIMARY KEY (download_id, RecNo))");
        QSqlQuery count(db);
        if (!count.exec("SELECT COUNT(*) FROM LoadData") || !count.next()) {
            throw StoreError(count.lastError().text().toStdString());
        }
        const int rows = count.value(0).toInt();
        count.finish();
        if (rows > 0) {
            // What an earlier version downloaded: kept as one download without reply bytes.
            QSqlQuery imported(db);
            imported.prepare("INSERT INTO Downloads (started, finished, model, vendor, product, "
                             "asked, stored, outcome) VALUES (?, ?, 0, 0, 0, ?, ?, 'imported')");
            const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
            imported.addBindValue(now);
            imported.addBindValue(now);
            imported.addBindValue(rows);
            imported.addBindValue(rows);
            if (!imported.exec()) {
                throw StoreError(imported.lastError().text().toStdString());
            }
            const qint64 id = imported.lastInsertId().toLongLong();
            // A RecNo that is no number, or one seen before, takes the row's own position.
            Exec(db, QString("INSERT OR IGNORE INTO DownloadRecords (download_id, RecNo, MODE, "
                             "UNIT, DIST1, DIST2, DIST3, RESULT) SELECT %1, CASE WHEN "
                             "CAST(RecNo AS INTEGER) > 0 THEN CAST(RecNo AS INTEGER) ELSE "
                             "1000000 + rowid END, MODE, UNIT, DIST1, DIST2, DIST3, RESULT "
                             "FROM LoadData ORDER BY rowid")
                         .arg(id));
        }
        Exec(db, QString("PRAGMA user_version = %1").arg(kSchemaVersion));
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        throw StoreError(db.lastError().text().toStdString());
    }
}

void MarkInterruptedDownloads(QSqlDatabase& db) {
    Exec(db, "UPDATE Downloads SET outcome = 'interrupted' WHERE outcome = 'running'");
}

} // namespace rangedesk::store
