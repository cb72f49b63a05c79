#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_hid_bus.h"
#include "sim_meter.h"

namespace rangedesk::sim {

// A simulated meter as a command line or the demo asks for it: what it holds, how fast it
// answers, how it misbehaves and whether this user may open it.
struct SimulatedMeterDescription {
    struct CommandFault {
        std::string Command;
        Fault Kind = Fault::None;
    };

    int Model = 3;
    int Records = 25;
    int LatencyMs = 0;
    std::int32_t Reading = 23456; // tenths of a millimetre
    std::vector<CommandFault> Faults;
    std::optional<int> UnplugAfterReplies;
    int WriteError = 0;     // every write fails with this errno
    bool FullAccess = true; // false: found, but it cannot be opened
};

// MODEL[:RECORDS[:LATENCY_MS]] (e.g. "3:50:2"), then the faults and the access, both as the
// test environment gives them: a comma-separated list of COMMAND:checksum|marker|echo|noreply,
// unplug:K (unplug after K replies) and write:ERRNO (EIO, EPIPE, ENODEV), and "none" for a
// meter that cannot be opened. Nothing when the text is not such a description.
std::optional<SimulatedMeterDescription>
ParseSimulatedMeter(const QString& text, const QString& faults = {}, const QString& access = {});

// The simulated bus with one meter of the description plugged in; the meter lives as long as
// the bus, so the platform can be handed to a meter session as any other.
class SimulatedMeterPlatform : public hid::sim::SimHidBus {
public:
    explicit SimulatedMeterPlatform(const SimulatedMeterDescription& description);
    ~SimulatedMeterPlatform() override;

    SimMeter& Meter() { return meter_; }

private:
    SimMeter meter_;
};

} // namespace rangedesk::sim
