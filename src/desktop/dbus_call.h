#pragma once

#include <QDBusConnection>
#include <QDBusMessage>

#include <chrono>

namespace rangedesk::desktop {

// Sends a method call and waits in a local event loop for the reply, an error or the timeout
// (then an error message of type org.freedesktop.DBus.Error.NoReply). The loop lets a service
// in this same process answer.
QDBusMessage CallAndWait(const QDBusConnection& bus, const QDBusMessage& call,
                         std::chrono::milliseconds timeout);

// The error of a reply as one line: "name: message".
QString DBusErrorText(const QDBusMessage& reply);

} // namespace rangedesk::desktop
