#include "team_connection.h"

#include <QAtomicInteger>
#include <QSqlDriver>
#include <QSqlError>

#include <libpq-fe.h>

#include <memory>
#include <optional>

#include "connection_failure.h"
#include "team_error.h"

namespace rangedesk::team {
namespace {

QString UniqueConnectionName() {
    static QAtomicInteger<quint64> next = 0;
    return QString("rangedesk-team-%1").arg(next.fetchAndAddRelaxed(1));
}

QString Reason(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.driverText().trimmed() : text;
}

} // namespace

TeamConnection::TeamConnection(const ServerAddress& address, const QString& desk,
                               const QString& password)
    : address_(address), desk_(desk), name_(UniqueConnectionName()) {
    if (!QSqlDatabase::isDriverAvailable("QPSQL")) {
        throw TeamError(TeamFailure::NoDriver,
                        FailureMessage(TeamFailure::NoDriver, Server(), QString()));
    }
    db_ = QSqlDatabase::addDatabase("QPSQL", name_);
    db_.setConnectOptions(address_.ConnectOptions("RangeDesk " + desk));
    if (!password.isEmpty()) {
        db_.setPassword(password);
    }
    if (!db_.open()) {
        const QString reason = Reason(db_.lastError());
        const TeamFailure failure = ClassifyConnectionFailure(reason);
        db_ = {};
        QSqlDatabase::removeDatabase(name_);
        throw TeamError(failure, FailureMessage(failure, Server(), reason));
    }
    // Times come back as UTC whatever the server's zone.
    Exec("SET TIME ZONE 'UTC'", {}, "setting the session's time zone");
}

TeamConnection::~TeamConnection() {
    db_.close();
    db_ = {};
    QSqlDatabase::removeDatabase(name_);
}

void TeamConnection::Fail(const QString& operation, const QSqlError& error) const {
    TeamFailure failure = ClassifyStatementFailure(error.nativeErrorCode());
    // A statement on a connection the server closed has no SQLSTATE, only libpq's words.
    if (error.nativeErrorCode().isEmpty()) {
        failure = ClassifyConnectionFailure(Reason(error));
    }
    throw TeamError(failure, FailureMessage(failure, Server(), operation + ": " + Reason(error)));
}

QSqlQuery TeamConnection::Exec(const QString& sql, const QVariantList& values,
                               const QString& operation) {
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    bool ok = false;
    if (values.isEmpty()) {
        ok = query.exec(sql);
    } else {
        ok = query.prepare(sql);
        if (ok) {
            for (const QVariant& value : values) {
                query.addBindValue(value);
            }
            ok = query.exec();
        }
    }
    if (!ok) {
        Fail(operation, query.lastError());
    }
    return query;
}

QVariant TeamConnection::Value(const QString& sql, const QVariantList& values,
                               const QString& operation) {
    QSqlQuery query = Exec(sql, values, operation);
    return query.next() ? query.value(0) : QVariant();
}

void TeamConnection::Begin(const QString& operation) {
    Exec("BEGIN", {}, operation);
}

void TeamConnection::Commit(const QString& operation) {
    Exec("COMMIT", {}, operation);
}

void TeamConnection::Rollback() noexcept {
    QSqlQuery query(db_);
    query.exec("ROLLBACK");
}

bool TeamConnection::IsOpen() const {
    if (!db_.isOpen()) {
        return false;
    }
    QSqlQuery query(db_);
    return query.exec("SELECT 1");
}

} // namespace rangedesk::team

namespace rangedesk::team {
namespace {

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

QSqlError LibpqError(PGconn* conn, const PGresult* result) {
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    return QSqlError(QString(), QString::fromUtf8(PQerrorMessage(conn)).trimmed(),
                     QSqlError::StatementError, state ? QString::fromLatin1(state) : QString());
}

} // namespace

void TeamConnection::CopyIn(const QString& table, const QByteArray& rows,
                            const QString& operation) {
    // QPSQL lends its libpq connection; COPY is the one thing it does not speak itself.
    const QVariant handle = db_.driver()->handle();
    PGconn* conn = handle.isValid() ? *static_cast<PGconn* const*>(handle.constData()) : nullptr;
    if (!conn) {
        Fail(operation, QSqlError({}, "no connection", QSqlError::ConnectionError));
    }
    Result start(PQexec(conn, ("COPY " + table + " FROM STDIN").toUtf8().constData()), &PQclear);
    if (PQresultStatus(start.get()) != PGRES_COPY_IN) {
        Fail(operation, LibpqError(conn, start.get()));
    }
    constexpr qsizetype kChunk = 1 << 20;
    bool sent = true;
    for (qsizetype at = 0; sent && at < rows.size(); at += kChunk) {
        sent = PQputCopyData(conn, rows.constData() + at,
                             int(std::min(kChunk, rows.size() - at))) == 1;
    }
    if (PQputCopyEnd(conn, sent ? nullptr : "the push stopped") != 1) {
        Fail(operation, LibpqError(conn, nullptr));
    }
    std::optional<QSqlError> error;
    while (PGresult* raw = PQgetResult(conn)) {
        Result result(raw, &PQclear);
        if (PQresultStatus(raw) != PGRES_COMMAND_OK && !error) {
            error = LibpqError(conn, raw);
        }
    }
    if (error || !sent) {
        Fail(operation, error.value_or(LibpqError(conn, nullptr)));
    }
}

} // namespace rangedesk::team
