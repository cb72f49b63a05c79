#pragma once

#include <QString>

#include <stdexcept>

namespace rangedesk::team {

// Why the team server could not be used. The window and the command line word each kind;
// the message always names the server and carries libpq's or the server's own reason.
enum class TeamFailure {
    BadAddress,    // the URL or service text is not one libpq accepts
    NoDriver,      // Qt's PostgreSQL driver (libqt6sql6-psql) is not installed
    WrongPassword, // the server refused the login
    UnknownHost,   // the host name does not resolve
    Unreachable,   // no answer, refused, timed out, the server stopped
    TlsRefused,    // the certificate or the TLS handshake was refused
    NotOurs,       // a PostgreSQL server without RangeDesk's schema
    NewerSchema,   // the server's schema is newer than this program knows: read-only
    OlderSchema,   // the server's schema must be upgraded by an administrator first
    NoRights,      // the login role lacks a privilege
    Failed,        // anything else the server said
};

class TeamError : public std::runtime_error {
public:
    TeamError(TeamFailure failure, const QString& message)
        : std::runtime_error(message.toStdString()), failure_(failure) {}
    TeamFailure Failure() const { return failure_; }
    QString Message() const { return QString::fromStdString(what()); }

private:
    TeamFailure failure_;
};

} // namespace rangedesk::team
