#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of the tests' own: initdb and pg_ctl in a temporary folder, run by an
// unprivileged user made with useradd (postgres refuses to run as root) and removed again.
// It listens on a Unix socket (trust) and on 127.0.0.1 with TLS (a self-signed certificate
// for "localhost") and passwords (scram-sha-256).
class PgTestServer {
public:
    // Whether the server binaries are installed; tests skip without them.
    static QString BinDir();

    // Fast: no fsync (tests; a stopped server still keeps every commit, the machine does not
    // crash). Durable: as a real server runs (benchmarks).
    enum class Sync { Fast, Durable };
    explicit PgTestServer(Sync sync = Sync::Fast);
    ~PgTestServer();
    PgTestServer(const PgTestServer&) = delete;
    PgTestServer& operator=(const PgTestServer&) = delete;

    // Empty when the server runs; otherwise what went wrong.
    const QString& Error() const { return error_; }

    bool Start();
    // pg_ctl stop with this mode: "fast" or "immediate".
    bool Stop(const QString& mode = "fast");

    int Port() const { return port_; }
    QString SocketDir() const;
    QString CertificateFile() const; // the root certificate a client trusts
    // An address over the Unix socket, as `role`, to database `db`.
    QString SocketUrl(const QString& role, const QString& db = "team") const;
    // An address over TCP to 127.0.0.1 with the given host name and extra URL parameters.
    QString TcpUrl(const QString& role, const QString& hostName, const QString& parameters,
                   const QString& db = "team") const;

    // Runs SQL as the superuser on `db` through psql; false (and Error) on failure.
    bool Psql(const QString& sql, const QString& db = "postgres");
    // The first value psql prints for `sql`.
    QString PsqlValue(const QString& sql, const QString& db = "team");

    // A new database "team" with the team schema, made as the superuser, and login roles
    // desk1..deskN (password "secret-N") in the desks' role and "admin" in the administrators'.
    bool MakeTeamDatabase(int desks);

private:
    bool RunAsServerUser(const QString& program, const QStringList& arguments,
                         QString* output = nullptr, int timeoutMs = 60000);
    QString Bin(const QString& tool) const;

    QTemporaryDir dir_;
    QString user_; // the unprivileged user; empty when not running as root
    int port_ = 0;
    QString error_;
    bool running_ = false;
};
