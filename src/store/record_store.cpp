#include "record_store.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>

#include "load_data_columns.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

constexpr int kBusyTimeoutMs = 5000;

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
    // A crash in the middle of a download leaves every committed row in a consistent file.
    if (access_ == StoreAccess::ReadWrite) {
        QSqlQuery pragma(db);
        pragma.exec("PRAGMA journal_mode=WAL");
        pragma.exec("PRAGMA synchronous=NORMAL");
    }
    table_.SetDatabase(db);
    connected_ = true;
    lastError_.clear();
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

void RecordStore::AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                              std::span<const std::uint8_t>) {
    RequireConnection();
    const LoadDataTexts texts = RowTexts(i, record, layout);
    QSqlQuery query(Database());
    query.prepare("INSERT INTO LoadData (RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const QString& text : texts) {
        query.addBindValue(text);
    }
    if (!query.exec()) {
        throw StoreError(SqlErrorText(query.lastError()).toStdString());
    }
    const qint64 rowid = query.lastInsertId().toLongLong();
    query.finish();
    if (appendRefresh_ == AppendRefresh::WholeTable || !table_.IsOpen()) {
        table_.Refresh();
    } else {
        table_.AppendStored(rowid, texts);
    }
}

} // namespace rangedesk::store
