#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariantMap>

#include <chrono>

namespace rangedesk::desktop::portal {

inline const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// How a portal request ended.
struct PortalResponse {
    enum class Kind {
        Success,   // response 0
        Cancelled, // response 1: the user declined
        Ended,     // response 2 or another: the portal ended it
        NoAnswer,  // no Response within the time allowed
        CallFailed // the method call itself failed
    };
    Kind kind = Kind::CallFailed;
    QVariantMap results;
    QString error; // for CallFailed and NoAnswer
};

// The object path where the portal puts a caller's request: the caller's unique name without
// ":" and with "_" for ".", then the handle token.
QString RequestPath(const QString& uniqueName, const QString& token);

// Calls a portal method whose options carry `token` as handle_token, and waits for the
// Response signal of its Request object (subscribed before the call, so it cannot be missed).
PortalResponse CallRequest(const QDBusConnection& bus, const QDBusMessage& call,
                           const QString& token, std::chrono::milliseconds callTimeout,
                           std::chrono::milliseconds responseTimeout);

} // namespace rangedesk::desktop::portal
