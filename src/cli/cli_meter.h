#pragma once

#include <memory>

#include "cli_options.h"
#include "meter_session.h"

namespace rangedesk::hid {
class HidPlatform;
}

namespace rangedesk::cli {

// The platform a command's meter is on: the simulated meter of --simulate, or the hardware.
std::unique_ptr<hid::HidPlatform> PlatformFor(const CliOptions& options);

// The meter session of one command, over the platform the options ask for.
class CliMeter {
public:
    explicit CliMeter(const CliOptions& options);
    ~CliMeter();

    meter::MeterSession& Session() { return *session_; }
    meter::MeterLink& Link() { return session_->Link(); }
    meter::MeterOperations& Operations() { return session_->Operations(); }

private:
    std::unique_ptr<hid::HidPlatform> platform_;
    std::unique_ptr<meter::MeterSession> session_;
};

// Waits for the first scan; kDone when the meter is there and can be opened, otherwise the
// exit status that says why not (with the reason on standard error).
int CheckMeter(CliMeter& meter);

} // namespace rangedesk::cli
