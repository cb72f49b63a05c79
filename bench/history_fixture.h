#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

// Histories of a given size, written straight into the file: the fixtures of the benchmarks,
// not what they measure.
namespace bench {

inline void Execute(const QString& path, const QStringList& statements) {
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "fixture");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        for (const QString& statement : statements) {
            if (!q.exec(statement)) {
                std::fprintf(stderr, "fixture: %s\n", qPrintable(q.lastError().text()));
            }
        }
    }
    QSqlDatabase::removeDatabase("fixture");
}

// The layout-1 history a long-time user has: every download complete, every reply kept, the
// records a mix of modes, lengths in m and ft, areas and volumes; whatever a later layout added
// is dropped. Opening the file for writing upgrades it.
inline void FillLayoutOne(const QString& path, int downloads, int records) {
    Execute(path,
            {"DROP TABLE IF EXISTS DownloadRecords", "DROP TABLE IF EXISTS Downloads",
             "DROP TABLE IF EXISTS Readings", "DROP TABLE IF EXISTS Jobs",
             "DROP TABLE IF EXISTS Outbox", "DROP TABLE IF EXISTS State", "PRAGMA user_version = 1",
             "CREATE TABLE Downloads (id INTEGER PRIMARY KEY, started TEXT, finished TEXT, model "
             "INTEGER, vendor INTEGER, product INTEGER, asked INTEGER, stored INTEGER, outcome "
             "TEXT)",
             "CREATE TABLE DownloadRecords (download_id INTEGER NOT NULL REFERENCES Downloads(id) "
             "ON DELETE CASCADE, RecNo INTEGER NOT NULL, reply BLOB, MODE TEXT, UNIT TEXT, DIST1 "
             "TEXT, DIST2 TEXT, DIST3 TEXT, RESULT TEXT, PRIMARY KEY (download_id, RecNo))",
             "BEGIN",
             QString("WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < "
                     "%1) INSERT INTO Downloads SELECT i, '2026-12-01T10:00:00.000Z', "
                     "'2026-12-01T10:01:00.000Z', 1 + i % 4, 1158, 22352, %2, %2, 'complete' "
                     "FROM d")
                 .arg(downloads)
                 .arg(records),
             QString("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r WHERE n < "
                     "%1) INSERT INTO DownloadRecords SELECT d.id, r.n, zeroblob(60) || "
                     "CAST(r.n * d.id AS BLOB), CASE r.n % 4 WHEN 0 THEN 'Area' WHEN 1 THEN "
                     "'Distance' WHEN 2 THEN '体积' ELSE 'Single' END, CASE r.n % 4 WHEN 3 THEN "
                     "'ft' ELSE 'm' END, '1.234 m', '2.345 m', '3.456 m', CASE r.n % 4 WHEN 0 "
                     "THEN ' 4.567 m2' WHEN 1 THEN ' ' || (r.n % 50) || '.125 m' WHEN 2 THEN "
                     "'19.66 m3' ELSE '10.25 ft' END FROM Downloads d, r")
                 .arg(records),
             "COMMIT"});
}

} // namespace bench
