#pragma once

#include <functional>

#include "instance_protocol.h"

namespace rangedesk::desktop {

// Called once with the outcome of a measurement, at once or later, on the service's thread.
using MeasureDone = std::function<void(const MeasureResult&)>;

// What the running instance does for a request on the bus; the window implements it.
class MeasureHandler {
public:
    virtual ~MeasureHandler() = default;

    // Brings the window to the front.
    virtual void Raise() = 0;

    // Takes one reading and, when asked, types it; calls `done` exactly once. The service
    // sends no other Measure until `done` is called (or its deadline passed).
    virtual void Measure(const MeasureRequest& request, MeasureDone done) = 0;
};

} // namespace rangedesk::desktop
