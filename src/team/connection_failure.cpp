#include "connection_failure.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace rangedesk::team {
namespace {

// libpq's and the server's message fragments, the most specific first.
constexpr std::array<std::pair<const char*, TeamFailure>, 19> kFragments = {{
    // Something answered, but not PostgreSQL.
    {"invalid response to SSL negotiation", TeamFailure::NotOurs},
    {"expected authentication request", TeamFailure::NotOurs},
    {"password authentication failed", TeamFailure::WrongPassword},
    {"no password supplied", TeamFailure::WrongPassword},
    {"fe_sendauth", TeamFailure::WrongPassword},
    {"could not translate host name", TeamFailure::UnknownHost},
    {"Name or service not known", TeamFailure::UnknownHost},
    {"certificate", TeamFailure::TlsRefused},
    {"SSL", TeamFailure::TlsRefused},
    {"no pg_hba.conf entry", TeamFailure::NoRights},
    {"permission denied", TeamFailure::NoRights},
    {"role \"", TeamFailure::NoRights}, // role "x" does not exist
    {"does not exist", TeamFailure::NotOurs},
    {"Connection refused", TeamFailure::Unreachable},
    {"No such file or directory", TeamFailure::Unreachable},
    {"timeout expired", TeamFailure::Unreachable},
    {"server closed the connection", TeamFailure::Unreachable},
    {"the database system is", TeamFailure::Unreachable}, // starting up, shutting down
    {"No route to host", TeamFailure::Unreachable},
}};

} // namespace

TeamFailure ClassifyConnectionFailure(const QString& libpqMessage) {
    for (const auto& [fragment, failure] : kFragments) {
        if (libpqMessage.contains(QLatin1String(fragment), Qt::CaseInsensitive)) {
            return failure;
        }
    }
    return TeamFailure::Unreachable;
}

TeamFailure ClassifyStatementFailure(const QString& sqlState) {
    if (sqlState == "42501") {
        return TeamFailure::NoRights; // insufficient_privilege
    }
    if (sqlState == "3F000" || sqlState == "42P01" || sqlState == "42883") {
        return TeamFailure::NotOurs; // no schema, table or function of ours
    }
    // Class 08: connection exception; 57P01..57P03: the server is shutting down or starting.
    if (sqlState.startsWith("08") || sqlState.startsWith("57P") || sqlState.isEmpty()) {
        return TeamFailure::Unreachable;
    }
    return TeamFailure::Failed;
}

QString FailureWords(TeamFailure failure) {
    switch (failure) {
    case TeamFailure::BadAddress:
        return QCoreApplication::translate("TeamError", "not a server address");
    case TeamFailure::NoDriver:
        return QCoreApplication::translate(
            "TeamError",
            "the PostgreSQL driver of Qt is not installed (sudo apt install libqt6sql6-psql)");
    case TeamFailure::WrongPassword:
        return QCoreApplication::translate("TeamError", "wrong or missing password");
    case TeamFailure::UnknownHost:
        return QCoreApplication::translate("TeamError", "unknown host");
    case TeamFailure::Unreachable:
        return QCoreApplication::translate("TeamError", "not reachable");
    case TeamFailure::TlsRefused:
        return QCoreApplication::translate("TeamError", "TLS refused");
    case TeamFailure::NotOurs:
        return QCoreApplication::translate(
            "TeamError",
            "not a RangeDesk team server (an administrator runs rangedesk-cli team init)");
    case TeamFailure::NewerSchema:
        return QCoreApplication::translate(
            "TeamError", "its schema is newer than this RangeDesk knows; working read-only");
    case TeamFailure::OlderSchema:
        return QCoreApplication::translate(
            "TeamError", "its schema is older than this RangeDesk needs (an administrator runs "
                         "rangedesk-cli team init to upgrade it)");
    case TeamFailure::NoRights:
        return QCoreApplication::translate("TeamError", "no rights");
    case TeamFailure::Failed:
        break;
    }
    return QCoreApplication::translate("TeamError", "failed");
}

QString FailureMessage(TeamFailure failure, const QString& server, const QString& reason) {
    if (reason.trimmed().isEmpty()) {
        return QCoreApplication::translate("TeamError", "team server %1: %2")
            .arg(server, FailureWords(failure));
    }
    return QCoreApplication::translate("TeamError", "team server %1: %2 (%3)")
        .arg(server, FailureWords(failure), reason.simplified());
}

} // namespace rangedesk::team
