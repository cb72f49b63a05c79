#include "instance_service.h"

#include <QDBusConnectionInterface>
#include <QPointer>

namespace rangedesk::desktop {

// The object exported on the bus: its scriptable slots are the interface's methods.
class InstanceBusObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.rangedesk.RangeDesk")
public:
    explicit InstanceBusObject(InstanceService& service) : QObject(&service), service_(service) {}

public slots:
    Q_SCRIPTABLE void Raise() { service_.Raise(); }
    Q_SCRIPTABLE QVariantMap Measure(const QVariantMap& options, const QDBusMessage& call) {
        call.setDelayedReply(true);
        service_.Enqueue(options, call);
        return {};
    }

private:
    InstanceService& service_;
};

InstanceService::InstanceService(QDBusConnection bus, MeasureHandler& handler,
                                 std::chrono::milliseconds handlerDeadline, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), handler_(handler),
      busObject_(new InstanceBusObject(*this)) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(handlerDeadline);
    connect(&deadline_, &QTimer::timeout, this, [this, handlerDeadline] {
        MeasureResult timedOut;
        timedOut.error = InstanceError::Timeout;
        timedOut.errorMessage = tr("RangeDesk did not finish the measurement within %1 s")
                                    .arg(double(handlerDeadline.count()) / 1000.0);
        Finish(serial_, timedOut);
    });
}

InstanceService::~InstanceService() {
    // Callers still waiting hear at once that no reading will come, not at their timeout.
    const QString closing = tr("RangeDesk is closing");
    if (busy_) {
        bus_.send(current_.createErrorReply(InstanceErrorName(InstanceError::Failed), closing));
    }
    for (const Pending& waiting : queue_) {
        bus_.send(waiting.call.createErrorReply(InstanceErrorName(InstanceError::Failed), closing));
    }
    if (registered_) {
        bus_.unregisterService(kInstanceService);
        bus_.unregisterObject(kInstancePath);
    }
}

InstanceService::RegisterResult InstanceService::Register() {
    if (!bus_.isConnected()) {
        return {Registration::Failed,
                QStringLiteral("no session bus: %1").arg(bus_.lastError().message())};
    }
    if (!bus_.registerObject(kInstancePath, busObject_, QDBusConnection::ExportScriptableSlots)) {
        return {Registration::Failed, QStringLiteral("cannot export %1 on the session bus: %2")
                                          .arg(kInstancePath, bus_.lastError().message())};
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus_.interface()->registerService(kInstanceService,
                                          QDBusConnectionInterface::DontQueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        bus_.unregisterObject(kInstancePath);
        return {Registration::Failed, QStringLiteral("cannot claim %1 on the session bus: %2")
                                          .arg(kInstanceService, reply.error().message())};
    }
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus_.unregisterObject(kInstancePath);
        return {Registration::AlreadyRunning, {}};
    }
    registered_ = true;
    return {Registration::Registered, {}};
}

void InstanceService::Raise() {
    handler_.Raise();
}

void InstanceService::Enqueue(const QVariantMap& options, const QDBusMessage& call) {
    const ParsedMeasureOptions parsed = MeasureRequestFromMap(options);
    if (!parsed.request) {
        bus_.send(
            call.createErrorReply(InstanceErrorName(InstanceError::InvalidRequest), parsed.error));
        return;
    }
    queue_.push_back({*parsed.request, call});
    StartNext();
}

void InstanceService::StartNext() {
    if (busy_ || queue_.empty()) {
        return;
    }
    Pending next = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    current_ = next.call;
    const std::uint64_t serial = ++serial_;
    deadline_.start();
    // The handler may answer inside this call, later, after the deadline, or after this
    // service is gone; the serial and the guard drop every answer but the awaited one.
    handler_.Measure(next.request,
                     [self = QPointer<InstanceService>(this), serial](const MeasureResult& result) {
                         if (self) {
                             self->Finish(serial, result);
                         }
                     });
}

void InstanceService::Finish(std::uint64_t serial, const MeasureResult& result) {
    if (!busy_ || serial != serial_) {
        return;
    }
    deadline_.stop();
    busy_ = false;
    bus_.send(result.Succeeded() ? current_.createReply(MeasureResultMap(result))
                                 : current_.createErrorReply(InstanceErrorName(result.error),
                                                             result.errorMessage));
    current_ = {};
    // The next request starts from the event loop, not inside the handler's callback.
    QMetaObject::invokeMethod(this, &InstanceService::StartNext, Qt::QueuedConnection);
}

} // namespace rangedesk::desktop

#include "instance_service.moc"
