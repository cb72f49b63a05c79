#include "instance_client.h"

#include <QCoreApplication>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>

#include <optional>

#include "dbus_call.h"

namespace rangedesk::desktop {

namespace {

QDBusMessage InstanceCall(const QString& method) {
    auto call =
        QDBusMessage::createMethodCall(kInstanceService, kInstancePath, kInstanceInterface, method);
    // Ask only a running instance; never start one from here.
    call.setAutoStartService(false);
    return call;
}

// The error of a reply as the caller sees it: bus errors become NotRunning or Timeout.
InstanceCallResult ErrorOf(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    if (name == u"org.freedesktop.DBus.Error.ServiceUnknown" ||
        name == u"org.freedesktop.DBus.Error.NameHasNoOwner") {
        return {InstanceError::NotRunning,
                QCoreApplication::translate("InstanceClient", "RangeDesk is not running")};
    }
    if (name == u"org.freedesktop.DBus.Error.NoReply" ||
        name == u"org.freedesktop.DBus.Error.Timeout") {
        return {
            InstanceError::Timeout,
            QCoreApplication::translate("InstanceClient", "RangeDesk did not answer in time (%1)")
                .arg(reply.errorMessage())};
    }
    if (name.startsWith(kInstanceInterface + QStringLiteral(".Error."))) {
        return {InstanceErrorFromName(name), reply.errorMessage()};
    }
    return {InstanceError::Failed, DBusErrorText(reply)};
}

MeasureResult MeasureResultOf(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const InstanceCallResult error = ErrorOf(reply);
        MeasureResult result;
        result.error = error.error;
        result.errorMessage = error.message;
        return result;
    }
    if (reply.signature() != u"a{sv}") {
        MeasureResult result;
        result.error = InstanceError::Failed;
        result.errorMessage = QStringLiteral("RangeDesk answered Measure with signature \"%1\", "
                                             "not a{sv}")
                                  .arg(reply.signature());
        return result;
    }
    return MeasureResultFromMap(qdbus_cast<QVariantMap>(reply.arguments().front()));
}

} // namespace

InstanceClient::InstanceClient(QDBusConnection bus) : bus_(std::move(bus)) {}

bool InstanceClient::IsRunning() const {
    return bus_.isConnected() && bus_.interface()->isServiceRegistered(kInstanceService).value();
}

InstanceCallResult InstanceClient::Raise(std::chrono::milliseconds timeout) const {
    const QDBusMessage reply = CallAndWait(bus_, InstanceCall(QStringLiteral("Raise")), timeout);
    return reply.type() == QDBusMessage::ErrorMessage ? ErrorOf(reply) : InstanceCallResult{};
}

MeasureResult InstanceClient::Measure(const MeasureRequest& request,
                                      std::chrono::milliseconds timeout) const {
    std::optional<MeasureResult> result;
    QEventLoop loop;
    MeasureAsync(request, timeout, [&](const MeasureResult& r) {
        result = r;
        loop.quit();
    });
    if (!result) {
        loop.exec();
    }
    return *result;
}

void InstanceClient::MeasureAsync(const MeasureRequest& request, std::chrono::milliseconds timeout,
                                  std::function<void(const MeasureResult&)> done) const {
    auto call = InstanceCall(QStringLiteral("Measure"));
    call << MeasureOptionsMap(request);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, int(timeout.count())));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [done = std::move(done)](QDBusPendingCallWatcher* w) {
                         w->deleteLater();
                         done(MeasureResultOf(w->reply()));
                     });
}

} // namespace rangedesk::desktop
