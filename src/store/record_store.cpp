#include "record_store.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include "load_data_columns.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

QString SqlErrorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("database error") : text;
}

} // namespace

RecordStore::RecordStore(QString databasePath, QObject* parent)
    : QObject(parent), path_(std::move(databasePath)),
      connectionName_("rangedesk-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

RecordStore::~RecordStore() {
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
    // mode=rw: never create a missing file.
    db.setDatabaseName("file:" + file.absoluteFilePath() + "?mode=rw");
    db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000");
    if (!db.open()) {
        lastError_ = SqlErrorText(db.lastError());
        return false;
    }
    QSqlQuery check(db);
    if (!check.exec(
            "SELECT RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT FROM LoadData LIMIT 0")) {
        lastError_ = SqlErrorText(check.lastError());
        db.close();
        return false;
    }
    // A crash in the middle of a download leaves every committed row in a consistent file.
    QSqlQuery pragma(db);
    pragma.exec("PRAGMA journal_mode=WAL");
    pragma.exec("PRAGMA synchronous=NORMAL");
    table_.SetDatabase(db);
    connected_ = true;
    lastError_.clear();
    return true;
}

void RecordStore::RequireConnection() const {
    if (!connected_) {
        throw StoreError(
            QString("The database %1 is not open: %2").arg(path_, lastError_).toStdString());
    }
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
