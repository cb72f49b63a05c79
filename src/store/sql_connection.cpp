#include "sql_connection.h"

#include <QSqlError>
#include <QUuid>

namespace rangedesk::store {
namespace {

// SQLite's primary result codes that the store tells apart.
constexpr int kSqliteError = 1;
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kPrimaryCodeMask = 0xff; // extended codes carry the primary one in the low byte

StoreErrorKind KindOfResult(int code, StoreErrorKind otherwise) {
    switch (code & kPrimaryCodeMask) {
    case kSqliteBusy:
    case kSqliteLocked:
        return StoreErrorKind::Locked;
    case kSqliteReadOnly:
    case kSqlitePerm:
        return StoreErrorKind::ReadOnly;
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        return StoreErrorKind::NotOurs;
    case kSqliteError:
        return otherwise;
    default:
        return StoreErrorKind::Io;
    }
}

// The engine's own words ("file is not a database"), not the driver's ("Unable to execute
// statement").
QString ReasonOf(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.driverText().trimmed();
    }
    return text.isEmpty() ? QStringLiteral("database error") : text;
}

} // namespace

SqlConnection::SqlConnection(QString path, StoreAccess access)
    : path_(std::move(path)), access_(access),
      name_("rangedesk-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    QSqlDatabase::addDatabase("QSQLITE", name_);
}

SqlConnection::~SqlConnection() {
    prepared_.clear();
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase SqlConnection::Database() const {
    return QSqlDatabase::database(name_, false);
}

void SqlConnection::Open(const QString& uri, const QString& options) {
    QSqlDatabase db = Database();
    db.setDatabaseName(uri);
    db.setConnectOptions(options);
    if (!db.open()) {
        throw ErrorOf(db.lastError(), StoreAction::Open);
    }
}

StoreError SqlConnection::ErrorOf(const QSqlError& error, StoreAction action,
                                  StoreErrorKind otherwise) const {
    bool known = false;
    const int code = error.nativeErrorCode().toInt(&known);
    return StoreError(known ? KindOfResult(code, otherwise) : otherwise, action, path_,
                      ReasonOf(error));
}

QSqlQuery SqlConnection::Run(const QString& sql, const QVariantList& values, StoreAction action,
                             StoreErrorKind otherwise) {
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        throw ErrorOf(query.lastError(), action, otherwise);
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        throw ErrorOf(query.lastError(), action, otherwise);
    }
    return query;
}

QSqlQuery& SqlConnection::RunPrepared(const QString& sql, const QVariantList& values,
                                      StoreAction action) {
    std::unique_ptr<QSqlQuery>& slot = prepared_[sql];
    if (!slot) {
        auto query = std::make_unique<QSqlQuery>(Database());
        query->setForwardOnly(true);
        if (!query->prepare(sql)) {
            const StoreError error = ErrorOf(query->lastError(), action);
            prepared_.erase(sql);
            throw error;
        }
        slot = std::move(query);
    }
    QSqlQuery& query = *slot;
    for (qsizetype i = 0; i < values.size(); ++i) {
        query.bindValue(int(i), values[i]);
    }
    if (!query.exec()) {
        throw ErrorOf(query.lastError(), action);
    }
    return query;
}

QVariant SqlConnection::Value(const QString& sql, const QVariantList& values) {
    QSqlQuery query = Run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

void SqlConnection::InWriteTransaction(const std::function<void()>& work, Lock lock) {
    Run(lock == Lock::Exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE", {}, StoreAction::Write);
    const auto rollBack = [this] { QSqlQuery(Database()).exec("ROLLBACK"); };
    try {
        work();
        Run("COMMIT", {}, StoreAction::Write);
    } catch (...) {
        rollBack();
        throw;
    }
}

} // namespace rangedesk::store
