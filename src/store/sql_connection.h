#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>
#include <map>
#include <memory>

#include "store_access.h"
#include "store_error.h"

class QSqlError;

namespace rangedesk::store {

// A text for a column that holds no NULL: Qt binds a null QString as NULL, an empty one as ''.
inline QString NotNull(const QString& text) {
    return text.isNull() ? QString("") : text;
}

// One SQLite connection of the store, with the file it reaches: every statement's failure
// becomes a StoreError whose kind comes from the engine's result code, never from its text.
// The store's own classes use it; no header outside src/store includes this one.
class SqlConnection {
public:
    SqlConnection(QString path, StoreAccess access);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    const QString& Path() const { return path_; }
    StoreAccess Access() const { return access_; }
    QSqlDatabase Database() const;

    // Opens the database at `uri` with the connection options; throws StoreError.
    void Open(const QString& uri, const QString& options);

    // Runs one statement with its values bound; throws StoreError. `otherwise` is the kind of
    // a plain SQL error (a missing table: not our file; a trigger's refusal: I/O).
    QSqlQuery Run(const QString& sql, const QVariantList& values = {},
                  StoreAction action = StoreAction::Read,
                  StoreErrorKind otherwise = StoreErrorKind::Io);
    // The same, prepared once per connection: a download runs it a thousand times.
    QSqlQuery& RunPrepared(const QString& sql, const QVariantList& values,
                           StoreAction action = StoreAction::Write);
    // The first column of the first row.
    QVariant Value(const QString& sql, const QVariantList& values = {});

    // Runs `work` as one write transaction, taken at once (BEGIN IMMEDIATE, or EXCLUSIVE), so
    // another writer is waited out before anything is read: all of it is stored, or nothing.
    enum class Lock { Immediate, Exclusive };
    void InWriteTransaction(const std::function<void()>& work, Lock lock = Lock::Immediate);

    StoreError ErrorOf(const QSqlError& error, StoreAction action,
                       StoreErrorKind otherwise = StoreErrorKind::Io) const;

private:
    QString path_;
    StoreAccess access_;
    QString name_;
    std::map<QString, std::unique_ptr<QSqlQuery>> prepared_;
};

} // namespace rangedesk::store
