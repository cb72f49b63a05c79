#pragma once

#include <memory>
#include <optional>

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

// Read, then the reading 300 ms later; nothing when there was none, and `failure` says why.
std::optional<meter::Reading> TakeReading(CliMeter& meter, QString& failure);
// A reading as read and measure print it: "1.234 m", or {"distance_m": ..., "text": ...}.
void PrintReading(double metres, const QString& text, bool json);
// Keeps the reading in the database, so nothing measured is lost; a failure is said, not fatal.
void KeepReading(const CliOptions& options, CliMeter& meter, const meter::Reading& reading);

// What read and measure do alone: open the meter, take a reading, keep it, print it. The exit
// status, and the reading when there was one.
struct ReadOutcome {
    int Status = 0;
    std::optional<meter::Reading> Reading;
};
ReadOutcome ReadKeepAndPrint(const CliOptions& options);

} // namespace rangedesk::cli
