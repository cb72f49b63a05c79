#pragma once

#include "unique_fd.h"

namespace rangedesk::hid {

// A one-way signal that a poll() can wait on beside a device node (an eventfd).
class StopEvent {
public:
    StopEvent();
    void Signal() const;
    bool IsSet() const;
    // Sleeps up to timeoutMs; returns true when the event is (or becomes) set.
    bool Wait(int timeoutMs) const;
    int fd() const { return fd_.get(); }

private:
    UniqueFd fd_;
};

} // namespace rangedesk::hid
