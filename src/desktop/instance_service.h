#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

#include "measure_handler.h"

namespace rangedesk::desktop {

class InstanceBusObject;

// The one running RangeDesk on the session bus (see instance_protocol.h for the wire format).
// Measure requests wait in a queue and reach the handler one at a time; each is answered by a
// delayed reply when the handler is done, or with a Timeout error when it has not answered
// within the deadline (a late answer is then dropped).
class InstanceService : public QObject {
    Q_OBJECT
public:
    enum class Registration { Registered, AlreadyRunning, Failed };
    struct RegisterResult {
        Registration outcome = Registration::Failed;
        QString error; // the bus's reason, for Failed
    };

    InstanceService(QDBusConnection bus, MeasureHandler& handler,
                    std::chrono::milliseconds handlerDeadline = std::chrono::seconds(30),
                    QObject* parent = nullptr);
    ~InstanceService() override;

    // Exports the object and claims the bus name; AlreadyRunning when another process has it.
    RegisterResult Register();

    // Measure requests waiting, not counting the one in the handler.
    std::size_t Waiting() const { return queue_.size(); }

private:
    friend class InstanceBusObject;

    struct Pending {
        MeasureRequest request;
        QDBusMessage call;
    };

    void Raise();
    void Enqueue(const QVariantMap& options, const QDBusMessage& call);
    void StartNext();
    void Finish(std::uint64_t serial, const MeasureResult& result);

    QDBusConnection bus_;
    MeasureHandler& handler_;
    InstanceBusObject* busObject_;
    std::deque<Pending> queue_;
    bool busy_ = false;
    std::uint64_t serial_ = 0;
    QDBusMessage current_;
    QTimer deadline_;
    bool registered_ = false;
};

} // namespace rangedesk::desktop
