#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace rangedesk::team {

// A team server as the user gave it: a libpq URL ("postgresql://user@host:port/db?sslmode=..."),
// a keyword list ("host=... dbname=..."), or a service name ("service=NAME" of pg_service.conf).
// libpq parses it, so every keyword libpq knows works; nothing is added but defaults.
struct ServerAddress {
    std::vector<std::pair<QString, QString>> Keywords; // as given, in order
    QString Text;                                      // what the user typed

    QString Value(const QString& keyword) const;
    // "user@host:port/db", "service NAME", or the socket folder: for messages, never a password.
    QString Describe() const;
    // The keyword list QPSQL hands to libpq, with a connection timeout and an application name
    // unless the address has its own. A typed password, if any, is added by the connection.
    QString ConnectOptions(const QString& applicationName) const;
};

// The address in `text`, or the reason libpq refuses it.
struct ParsedAddress {
    std::optional<ServerAddress> Address;
    QString Error;
};
ParsedAddress ParseServerAddress(const QString& text);

// What a user typed into the Settings' server field, as an address: a bare word ("office") is
// a service name ("service=office"); a URL or a keyword list stays as typed, trimmed.
QString ServerTextFromField(const QString& typed);

} // namespace rangedesk::team
