#include "simulated_meter_platform.h"

#include <QStringList>

#include <cerrno>

namespace rangedesk::sim {
namespace {

std::optional<Fault> FaultNamed(const QString& name) {
    if (name == "checksum") {
        return Fault::BadChecksum;
    }
    if (name == "marker") {
        return Fault::BadMarker;
    }
    if (name == "echo") {
        return Fault::BadEcho;
    }
    if (name == "noreply") {
        return Fault::NoReply;
    }
    return std::nullopt;
}

std::optional<int> ErrnoNamed(const QString& name) {
    if (name == "EIO" || name.isEmpty()) {
        return EIO;
    }
    if (name == "EPIPE") {
        return EPIPE;
    }
    if (name == "ENODEV") {
        return ENODEV;
    }
    return std::nullopt;
}

bool ApplyFaults(SimulatedMeterDescription& meter, const QString& faults) {
    for (const QString& item : faults.split(',', Qt::SkipEmptyParts)) {
        const QString what = item.section(':', 0, 0);
        const QString how = item.section(':', 1);
        if (what == "unplug") {
            bool ok = false;
            meter.UnplugAfterReplies = how.toInt(&ok);
            if (!ok) {
                return false;
            }
        } else if (what == "write") {
            const std::optional<int> error = ErrnoNamed(how);
            if (!error) {
                return false;
            }
            meter.WriteError = *error;
        } else if (const std::optional<Fault> fault = FaultNamed(how)) {
            meter.Faults.push_back({what.toStdString(), *fault});
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<SimulatedMeterDescription>
ParseSimulatedMeter(const QString& text, const QString& faults, const QString& access) {
    const QStringList parts = text.split(':');
    if (parts.size() > 3) {
        return std::nullopt;
    }
    SimulatedMeterDescription meter;
    int* fields[] = {&meter.Model, &meter.Records, &meter.LatencyMs};
    const int limits[][2] = {{1, 4}, {0, 65535}, {0, 60000}};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const int n = parts[i].toInt(&ok);
        if (!ok || n < limits[i][0] || n > limits[i][1]) {
            return std::nullopt;
        }
        *fields[i] = n;
    }
    if (!ApplyFaults(meter, faults)) {
        return std::nullopt;
    }
    meter.FullAccess = access != "none";
    return meter;
}

SimulatedMeterPlatform::SimulatedMeterPlatform(const SimulatedMeterDescription& description)
    : meter_(*this, description.Model) {
    meter_.SetRecords(DemoRecords(description.Model, description.Records));
    meter_.SetLatency(description.LatencyMs);
    meter_.SetReading(description.Reading);
    for (const auto& fault : description.Faults) {
        meter_.SetFault(fault.Command, fault.Kind);
    }
    if (description.UnplugAfterReplies) {
        meter_.UnplugAfterReplies(*description.UnplugAfterReplies);
    }
    if (!description.FullAccess) {
        auto interface = SimMeter::DescriptionForModel(description.Model);
        interface.ReadWrite = false;
        Plug(interface);
        return;
    }
    meter_.Plug();
    meter_.Interface()->FailWrites(description.WriteError);
}

// The meter lets go of its interface before the bus goes.
SimulatedMeterPlatform::~SimulatedMeterPlatform() = default;

} // namespace rangedesk::sim
