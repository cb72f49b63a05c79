#pragma once

#include <QDBusConnection>

#include <chrono>
#include <functional>

#include "instance_protocol.h"

namespace rangedesk::desktop {

struct InstanceCallResult {
    InstanceError error = InstanceError::None;
    QString message;

    bool Succeeded() const { return error == InstanceError::None; }
};

// The command line's side of the running instance: every call ends within its timeout.
class InstanceClient {
public:
    explicit InstanceClient(QDBusConnection bus);

    // Whether a RangeDesk owns the bus name now.
    bool IsRunning() const;

    InstanceCallResult Raise(std::chrono::milliseconds timeout) const;

    // Waits in a local event loop for the reply.
    MeasureResult Measure(const MeasureRequest& request, std::chrono::milliseconds timeout) const;

    // Returns at once; `done` is called from the event loop with the reply or the error.
    void MeasureAsync(const MeasureRequest& request, std::chrono::milliseconds timeout,
                      std::function<void(const MeasureResult&)> done) const;

private:
    QDBusConnection bus_;
};

} // namespace rangedesk::desktop
