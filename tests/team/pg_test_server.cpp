#include "pg_test_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QVersionNumber>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool RunQuietly(const QString& program, const QStringList& arguments, QString* error) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = program + " " + arguments.join(' ') + ": " + QString::fromLocal8Bit(p.readAll());
        return false;
    }
    return true;
}

// A port of 127.0.0.1 that nobody listens on now.
int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

} // namespace

QString PgTestServer::BinDir() {
    QString best;
    QVersionNumber bestVersion;
    for (const QString& version :
         QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString bin = "/usr/lib/postgresql/" + version + "/bin";
        if (QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl") &&
            QVersionNumber::fromString(version) > bestVersion) {
            best = bin;
            bestVersion = QVersionNumber::fromString(version);
        }
    }
    return best;
}

QString PgTestServer::Bin(const QString& tool) const {
    return BinDir() + "/" + tool;
}

PgTestServer::PgTestServer(Sync sync) : dir_(QDir::tempPath() + "/rangedesk-pg-XXXXXX") {
    if (BinDir().isEmpty()) {
        error_ = "the PostgreSQL server binaries are not installed";
        return;
    }
    if (geteuid() == 0) {
        user_ = QString("rdpg%1").arg(getpid());
        if (!RunQuietly("useradd",
                        {"--system", "--no-create-home", "--home-dir", dir_.path(), "--shell",
                         "/usr/sbin/nologin", user_},
                        &error_)) {
            user_.clear();
            return;
        }
        RunQuietly("chown", {user_, dir_.path()}, &error_);
    }
    port_ = FreePort();
    const QString d = dir_.path();
    QDir().mkpath(d + "/sock");
    // The certificate: self-signed for "localhost", so 127.0.0.1 is the wrong host name.
    if (!RunQuietly("openssl",
                    {"req", "-new", "-x509", "-days", "2", "-nodes", "-subj", "/CN=localhost",
                     "-addext", "subjectAltName=DNS:localhost", "-newkey", "rsa:2048", "-keyout",
                     d + "/server.key", "-out", d + "/server.crt"},
                    &error_)) {
        return;
    }
    QFile::setPermissions(d + "/server.key", QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(d + "/server.crt", QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther);
    if (!user_.isEmpty()) {
        RunQuietly("chown", {"-R", user_, d}, &error_);
    }
    if (!RunAsServerUser(Bin("initdb"),
                         {"-D", d + "/data", "-U", "postgres", "-E", "UTF8", "--locale=C.UTF-8",
                          "--auth-local=trust", "--auth-host=scram-sha-256", "--no-sync"})) {
        return;
    }
    QFile conf(d + "/data/postgresql.conf");
    conf.open(QIODevice::Append);
    conf.write(QString("listen_addresses = '127.0.0.1'\nport = %1\n"
                       "unix_socket_directories = '%2/sock'\n"
                       "ssl = on\nssl_cert_file = '%2/server.crt'\nssl_key_file = '%2/server.key'\n"
                       "max_connections = 40\nshared_buffers = 128MB\n%3")
                   .arg(port_)
                   .arg(d)
                   .arg(sync == Sync::Fast ? "fsync = off\nfull_page_writes = off\n" : "")
                   .toUtf8());
    conf.close();
    QFile hba(d + "/data/pg_hba.conf");
    hba.open(QIODevice::WriteOnly | QIODevice::Truncate);
    hba.write("local all all trust\nhost all all 127.0.0.1/32 scram-sha-256\n");
    hba.close();
    Start();
}

PgTestServer::~PgTestServer() {
    if (running_) {
        Stop("immediate");
    }
    if (!user_.isEmpty()) {
        QString ignored;
        RunQuietly("chown", {"-R", "root", dir_.path()}, &ignored);
        RunQuietly("userdel", {user_}, &ignored);
    }
}

bool PgTestServer::RunAsServerUser(const QString& program, const QStringList& arguments,
                                   QString* output, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(dir_.path());
    if (user_.isEmpty()) {
        p.start(program, arguments);
    } else {
        p.start("runuser", QStringList{"-u", user_, "--", program} + arguments);
    }
    const bool ok =
        p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    const QString text = QString::fromUtf8(p.readAll());
    if (output) {
        *output = text;
    }
    if (!ok) {
        error_ = QFileInfo(program).fileName() + " " + arguments.join(' ') + ": " + text;
    }
    return ok;
}

bool PgTestServer::Start() {
    running_ =
        RunAsServerUser(Bin("pg_ctl"), {"-D", dir_.path() + "/data", "-l",
                                        dir_.path() + "/server.log", "-w", "-t", "60", "start"});
    if (running_) {
        error_.clear();
    }
    return running_;
}

bool PgTestServer::Stop(const QString& mode) {
    const bool ok = RunAsServerUser(
        Bin("pg_ctl"), {"-D", dir_.path() + "/data", "-m", mode, "-w", "-t", "60", "stop"});
    running_ = running_ && !ok;
    return ok;
}

QString PgTestServer::SocketDir() const {
    return dir_.path() + "/sock";
}

QString PgTestServer::CertificateFile() const {
    return dir_.path() + "/server.crt";
}

QString PgTestServer::SocketUrl(const QString& role, const QString& db) const {
    return QString("postgresql://%1@/%2?host=%3&port=%4").arg(role, db, SocketDir()).arg(port_);
}

QString PgTestServer::TcpUrl(const QString& role, const QString& hostName,
                             const QString& parameters, const QString& db) const {
    QString url = QString("postgresql://%1@%2:%3/%4?hostaddr=127.0.0.1")
                      .arg(role, hostName)
                      .arg(port_)
                      .arg(db);
    return parameters.isEmpty() ? url : url + "&" + parameters;
}

bool PgTestServer::Psql(const QString& sql, const QString& db) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(Bin("psql"), {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-h", SocketDir(), "-p",
                          QString::number(port_), "-U", "postgres", "-d", db, "-c", sql});
    const bool ok = p.waitForFinished(60000) && p.exitCode() == 0;
    if (!ok) {
        error_ = "psql: " + sql + ": " + QString::fromUtf8(p.readAll());
    }
    return ok;
}

QString PgTestServer::PsqlValue(const QString& sql, const QString& db) {
    QProcess p;
    p.start(Bin("psql"), {"-X", "-q", "-t", "-A", "-h", SocketDir(), "-p", QString::number(port_),
                          "-U", "postgres", "-d", db, "-c", sql});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

bool PgTestServer::MakeTeamDatabase(int desks) {
    if (!Psql("CREATE DATABASE team")) {
        return false;
    }
    QString roles = "CREATE ROLE admin LOGIN PASSWORD 'secret-admin';";
    for (int i = 1; i <= desks; ++i) {
        roles += QString("CREATE ROLE desk%1 LOGIN PASSWORD 'secret-%1';").arg(i);
    }
    return Psql(roles);
}
