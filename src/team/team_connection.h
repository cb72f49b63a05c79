#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include "server_address.h"

namespace rangedesk::team {

// One QPSQL connection to the team server, owned by the thread that opened it. Every failure
// is a TeamError that names the server, says what was being done and carries the reason.
class TeamConnection {
public:
    // Connects. `password` is a typed one (from the keyring); empty leaves libpq its own
    // sources: the password file, the service file, PGPASSWORD.
    TeamConnection(const ServerAddress& address, const QString& desk, const QString& password = {});
    ~TeamConnection();
    TeamConnection(const TeamConnection&) = delete;
    TeamConnection& operator=(const TeamConnection&) = delete;

    QSqlDatabase& Database() { return db_; }
    const ServerAddress& Address() const { return address_; }
    // "user@host:port/db" for messages.
    QString Server() const { return address_.Describe(); }
    const QString& Desk() const { return desk_; }

    // Runs `sql` with positional values; throws on failure, naming `operation`.
    QSqlQuery Exec(const QString& sql, const QVariantList& values, const QString& operation);
    // The first column of the first row, or a null QVariant.
    QVariant Value(const QString& sql, const QVariantList& values, const QString& operation);

    void Begin(const QString& operation);
    void Commit(const QString& operation);
    // Never throws: a broken connection has rolled back already.
    void Rollback() noexcept;

    // Whether the session is still usable (false after the server went away).
    bool IsOpen() const;

    // Copies `rows`, already in COPY's text format (tab-separated, \N for NULL, escaped), into
    // `table` (a temporary staging table): the fast path of a bulk push.
    void CopyIn(const QString& table, const QByteArray& rows, const QString& operation);

    // Throws the TeamError of a failed statement: the SQLSTATE decides the kind.
    [[noreturn]] void Fail(const QString& operation, const QSqlError& error) const;

private:
    ServerAddress address_;
    QString desk_;
    QString name_; // the QSqlDatabase connection name
    QSqlDatabase db_;
};

} // namespace rangedesk::team
