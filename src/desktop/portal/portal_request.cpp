#include "portal/portal_request.h"

#include <QCoreApplication>

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>

#include "dbus_call.h"
#include "portal_request_interface.h"

namespace rangedesk::desktop::portal {

namespace {

using RequestProxy = OrgFreedesktopPortalRequestInterface;

PortalResponse ResponseOf(uint code, const QVariantMap& results) {
    const auto kind = code == 0   ? PortalResponse::Kind::Success
                      : code == 1 ? PortalResponse::Kind::Cancelled
                                  : PortalResponse::Kind::Ended;
    return {kind, results, {}};
}

} // namespace

QString RequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    if (sender.startsWith(u':')) {
        sender.remove(0, 1);
    }
    sender.replace(u'.', u'_');
    return kPortalPath + QStringLiteral("/request/") + sender + u'/' + token;
}

PortalResponse CallRequest(const QDBusConnection& bus, const QDBusMessage& call,
                           const QString& token, std::chrono::milliseconds callTimeout,
                           std::chrono::milliseconds responseTimeout) {
    std::optional<PortalResponse> response;
    QEventLoop loop;
    const auto listen = [&](const QString& path) {
        auto proxy = std::make_unique<RequestProxy>(kPortalService, path, bus);
        QObject::connect(proxy.get(), &RequestProxy::Response,
                         [&](uint code, const QVariantMap& results) {
                             response = ResponseOf(code, results);
                             loop.quit();
                         });
        return proxy;
    };
    const QString expected = RequestPath(bus.baseService(), token);
    const auto proxy = listen(expected);
    const QDBusMessage reply = CallAndWait(bus, call, callTimeout);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return {
            PortalResponse::Kind::CallFailed,
            {},
            QStringLiteral("%1 of the portal failed: %2").arg(call.member(), DBusErrorText(reply))};
    }
    // A portal older than handle tokens answers on a path of its own.
    const QString path = qvariant_cast<QDBusObjectPath>(reply.arguments().value(0)).path();
    std::unique_ptr<RequestProxy> other;
    if (!path.isEmpty() && path != expected) {
        other = listen(path);
    }
    if (!response) {
        QTimer::singleShot(responseTimeout, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!response) {
        (other ? other.get() : proxy.get())->Close();
        return {PortalResponse::Kind::NoAnswer,
                {},
                QCoreApplication::translate("Typing", "the portal did not answer %1 within %2 s")
                    .arg(call.member())
                    .arg(double(responseTimeout.count()) / 1000.0)};
    }
    return *response;
}

} // namespace rangedesk::desktop::portal
