#include "desktop_notifier.h"

#include <QCoreApplication>

#include <QDBusMessage>
#include <QVariantMap>

#include "dbus_call.h"

namespace rangedesk::desktop {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kIcon = QStringLiteral("net.rangedesk.RangeDesk");
constexpr int kExpireDefault = -1; // the server's own timeout

} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, std::chrono::milliseconds timeout)
    : bus_(std::move(bus)), timeout_(timeout) {}

NotifyResult DesktopNotifier::Notify(const QString& summary, const QString& body) const {
    auto call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kIcon}};
    call << QStringLiteral("RangeDesk") << 0u << kIcon << summary << body << QStringList() << hints
         << kExpireDefault;
    const QDBusMessage reply = CallAndWait(bus_, call, timeout_);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return {false, QCoreApplication::translate("Typing", "notification through %1 failed: %2")
                           .arg(kService, DBusErrorText(reply))};
    }
    return {true, {}};
}

} // namespace rangedesk::desktop
