#include "dbus_call.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>

namespace rangedesk::desktop {

QDBusMessage CallAndWait(const QDBusConnection& bus, const QDBusMessage& call,
                         std::chrono::milliseconds timeout) {
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, int(timeout.count())));
    if (!watcher.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return watcher.reply();
}

QString DBusErrorText(const QDBusMessage& reply) {
    return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
}

} // namespace rangedesk::desktop
