#include "record_store.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>

#include "download_summary.h"
#include "load_data_columns.h"
#include "schema.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

constexpr int kBusyTimeoutMs = 5000;

QString OutcomeName(const records::DownloadSummary& summary) {
    switch (summary.End) {
    case records::DownloadEnd::Complete:
        return summary.Missing.empty() ? "complete" : "incomplete";
    case records::DownloadEnd::NoRecords:
        return "complete";
    case records::DownloadEnd::NoAnswer:
        return "no answer";
    case records::DownloadEnd::Unplugged:
        return "unplugged";
    case records::DownloadEnd::Cancelled:
        return "cancelled";
    case records::DownloadEnd::DatabaseError:
        return "failed";
    }
    return "failed";
}

QString SqlErrorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("database error") : text;
}

} // namespace

QString DatabaseUri(const QString& absolutePath, StoreAccess access) {
    const QByteArray path = QUrl::toPercentEncoding(absolutePath, "/");
    return "file:" + QString::fromLatin1(path) +
           (access == StoreAccess::ReadOnly ? "?mode=ro" : "?mode=rw");
}

RecordStore::RecordStore(QString databasePath, StoreAccess access, QObject* parent)
    : QObject(parent), path_(std::move(databasePath)), access_(access),
      connectionName_("rangedesk-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

RecordStore::~RecordStore() {
    if (connected_) {
        Checkpoint();
    }
    appendRow_.reset();
    keepRecord_.reset();
    table_.SetDatabase({});
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

QSqlDatabase RecordStore::Database() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool RecordStore::ADOConnectAccess() {
    if (connected_) {
        return true;
    }
    const QFileInfo file(path_);
    if (!file.isFile()) {
        lastError_ = QString("%1: no such file").arg(path_);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                          ? Database()
                          : QSqlDatabase::addDatabase("QSQLITE", connectionName_);
    QString uri = DatabaseUri(file.absoluteFilePath(), access_);
    if (!OpenChecked(db, uri)) {
        // Reading a file in a folder this user cannot write: the log's index cannot be made.
        // With no log beside it, nothing is pending, and the file can be read as it stands.
        if (access_ != StoreAccess::ReadOnly || QFileInfo::exists(path_ + "-wal")) {
            return false;
        }
        uri += "&immutable=1";
        if (!OpenChecked(db, uri)) {
            return false;
        }
    }
    if (access_ == StoreAccess::ReadWrite && !PrepareForWriting(db)) {
        db.close();
        return false;
    }
    table_.SetDatabase(db);
    connected_ = true;
    lastError_.clear();
    return true;
}

// The layout brought up to date, unless the file is of a newer one than this program knows:
// then it is not written at all.
bool RecordStore::PrepareForWriting(QSqlDatabase& db) {
    const int version = SchemaVersion(db);
    if (version > kSchemaVersion) {
        schemaTooNew_ = true;
        lastError_ = QString("%1 was written by a newer RangeDesk: its layout is version %2, this "
                             "program knows version %3. It is left as it is; install the newer "
                             "RangeDesk to use it.")
                         .arg(path_)
                         .arg(version)
                         .arg(kSchemaVersion);
        return false;
    }
    // A crash in the middle of a download leaves every committed row in a consistent file.
    QSqlQuery pragma(db);
    pragma.exec("PRAGMA journal_mode=WAL");
    pragma.exec("PRAGMA synchronous=NORMAL");
    pragma.exec("PRAGMA foreign_keys=ON");
    try {
        UpgradeSchema(db);
        MarkInterruptedDownloads(db);
    } catch (const StoreError& e) {
        lastError_ = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

// Opens the database at `uri` (never creating it) and checks that it holds LoadData.
bool RecordStore::OpenChecked(QSqlDatabase& db, const QString& uri) {
    db.close();
    db.setDatabaseName(uri);
    // Another program's lock is waited out for a while before the open fails.
    db.setConnectOptions(QString("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs) +
                         (access_ == StoreAccess::ReadOnly ? ";QSQLITE_OPEN_READONLY" : ""));
    if (!db.open()) {
        lastError_ = SqlErrorText(db.lastError());
        return false;
    }
    QSqlQuery check(db);
    if (!check.exec(
            "SELECT RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT FROM LoadData LIMIT 0")) {
        lastError_ = SqlErrorText(check.lastError());
        check.finish();
        db.close();
        return false;
    }
    return true;
}

// A database that could not be opened (locked by another program at start, say) is tried
// again, so the next download needs no restart.
void RecordStore::RequireConnection() {
    if (!connected_ && !ADOConnectAccess()) {
        throw StoreError(
            QString("The database %1 is not open: %2").arg(path_, lastError_).toStdString());
    }
}

void RecordStore::Checkpoint() {
    if (!connected_ || access_ == StoreAccess::ReadOnly) {
        return;
    }
    QSqlQuery query(Database());
    query.exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

void RecordStore::EmptyLoadData() {
    RequireConnection();
    table_.Close();
    QSqlQuery query(Database());
    if (!query.exec("delete from LoadData")) {
        throw StoreError(SqlErrorText(query.lastError()).toStdString());
    }
    query.finish();
    table_.Open();
}

void RecordStore::BeginDownload(const records::DownloadSource& source) {
    RequireConnection();
    QSqlQuery query(Database());
    query.prepare("INSERT INTO Downloads (started, model, vendor, product, asked, stored, outcome) "
                  "VALUES (?, ?, ?, ?, 0, 0, 'running')");
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    query.addBindValue(source.Model);
    query.addBindValue(source.VendorID);
    query.addBindValue(source.ProductID);
    if (!query.exec()) {
        throw StoreError(SqlErrorText(query.lastError()).toStdString());
    }
    currentDownload_ = query.lastInsertId().toLongLong();
}

void RecordStore::FinishDownload(const records::DownloadSummary& summary) {
    const qint64 id = std::exchange(currentDownload_, 0);
    if (id == 0 || !connected_) {
        return;
    }
    QSqlQuery query(Database());
    query.prepare("UPDATE Downloads SET finished = ?, asked = ?, stored = ?, outcome = ? "
                  "WHERE id = ?");
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    query.addBindValue(summary.Asked);
    query.addBindValue(summary.Stored);
    query.addBindValue(OutcomeName(summary));
    query.addBindValue(id);
    if (!query.exec()) {
        throw StoreError(SqlErrorText(query.lastError()).toStdString());
    }
    query.finish();
    Checkpoint();
}

// The LoadData row and the download's own record, with the meter's bytes: both or neither.
void RecordStore::AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                              std::span<const std::uint8_t> reply) {
    RequireConnection();
    const records::LoadDataTexts texts = records::RowTexts(i, record, layout);
    QSqlDatabase db = Database();
    if (!db.transaction()) {
        throw StoreError(SqlErrorText(db.lastError()).toStdString());
    }
    qint64 rowid = 0;
    try {
        // Prepared once per connection: a download runs them a thousand times.
        if (!appendRow_) {
            appendRow_ = std::make_unique<QSqlQuery>(db);
            appendRow_->prepare("INSERT INTO LoadData (RecNo, MODE, UNIT, DIST1, DIST2, DIST3, "
                                "RESULT) VALUES (?, ?, ?, ?, ?, ?, ?)");
            keepRecord_ = std::make_unique<QSqlQuery>(db);
            keepRecord_->prepare("INSERT OR REPLACE INTO DownloadRecords (download_id, RecNo, "
                                 "reply, MODE, UNIT, DIST1, DIST2, DIST3, RESULT) VALUES "
                                 "(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        }
        QSqlQuery& query = *appendRow_;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            query.bindValue(int(c), texts[c]);
        }
        if (!query.exec()) {
            throw StoreError(SqlErrorText(query.lastError()).toStdString());
        }
        rowid = query.lastInsertId().toLongLong();
        query.finish();
        if (currentDownload_ != 0) {
            QSqlQuery& kept = *keepRecord_;
            kept.bindValue(0, currentDownload_);
            kept.bindValue(1, i);
            kept.bindValue(2, QByteArray(reinterpret_cast<const char*>(reply.data()),
                                         qsizetype(reply.size())));
            for (std::size_t c = 1; c < texts.size(); ++c) {
                kept.bindValue(int(c) + 2, texts[c]);
            }
            if (!kept.exec()) {
                throw StoreError(SqlErrorText(kept.lastError()).toStdString());
            }
            kept.finish();
        }
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString error = SqlErrorText(db.lastError());
        db.rollback();
        throw StoreError(error.toStdString());
    }
    if (appendRefresh_ == AppendRefresh::WholeTable || !table_.IsOpen()) {
        table_.Refresh();
    } else {
        table_.AppendStored(rowid, texts);
    }
}

} // namespace rangedesk::store
