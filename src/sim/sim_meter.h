#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_hid_bus.h"
#include "record_encoder.h"

namespace rangedesk::sim {

// Ways a simulated meter can misbehave, injected where its reply leaves it.
enum class Fault { None, NoReply, BadChecksum, BadEcho, BadMarker, Late };

// A laser meter of model 1 to 4 on the simulated HID bus: it answers key commands with their
// echo, "ATD001#" with the current reading, "ATR???#" with its record count and each record
// request in its model's layout.
class SimMeter : public QObject {
    Q_OBJECT
public:
    SimMeter(hid::sim::SimHidBus& bus, int model, QObject* parent = nullptr);
    ~SimMeter() override;

    // The vendor and product of a model's first table row.
    static hid::sim::SimInterfaceDescription DescriptionForModel(int model);

    void Plug();
    void Unplug();
    bool Plugged() const { return iface_ != nullptr; }
    const std::shared_ptr<hid::sim::SimInterface>& Interface() const { return iface_; }
    int Model() const { return model_; }

    void SetRecords(std::vector<std::vector<std::uint8_t>> replies) {
        records_ = std::move(replies);
    }
    void AddRecord(const ExtendedRecord& fields) {
        records_.push_back(EncodeExtendedReply(fields));
    }
    void AddRecord(const CompactFields& fields) { records_.push_back(EncodeCompactReply(fields)); }
    std::size_t RecordsHeld() const { return records_.size(); }
    // The count the meter claims, when it differs from the records it holds.
    void SetClaimedCount(std::optional<int> count) { claimedCount_ = count; }
    void SetReading(std::int32_t tenthsOfMillimetre) { reading_ = tenthsOfMillimetre; }
    void SetLatency(int ms) { latencyMs_ = ms; }
    // How late a reply with the Late fault comes.
    void SetLateLatency(int ms) { lateLatencyMs_ = ms; }
    // The next `times` answers to `command` (every one for times < 0) go wrong this way.
    void SetFault(const std::string& command, Fault fault, int times = -1);
    // Unplugs at the first command that comes after k replies.
    void UnplugAfterReplies(int k) { unplugAfter_ = k; }

    // The commands received, in order.
    QStringList Commands() const { return commands_; }
    int Replies() const { return replies_; }
    // How long the replies really took from command to bus, in all: the latency asked for plus
    // the timer's own lateness. Benchmarks take it out of the host's time.
    double ReplyDelaySeconds() const { return replyDelayNs_ / 1e9; }

signals:
    // A reply has just been put on the bus.
    void replySent();

private:
    struct ScriptedFault {
        Fault fault;
        int remaining;
    };

    void OnReport(std::span<const std::uint8_t> report);
    std::optional<std::vector<std::uint8_t>> ReplyFor(const std::string& command) const;
    Fault TakeFault(const std::string& command);
    void Send(std::vector<std::uint8_t> data, int latencyMs);

    hid::sim::SimHidBus& bus_;
    int model_;
    std::shared_ptr<hid::sim::SimInterface> iface_;
    std::vector<std::vector<std::uint8_t>> records_;
    std::optional<int> claimedCount_;
    std::int32_t reading_ = 15000;
    int latencyMs_ = 0;
    int lateLatencyMs_ = 6000;
    std::map<std::string, ScriptedFault> faults_;
    std::optional<int> unplugAfter_;
    QStringList commands_;
    int replies_ = 0;
    qint64 replyDelayNs_ = 0;
};

// About `count` varied records across the modes of a model's layout, for the demo and tests.
std::vector<std::vector<std::uint8_t>> DemoRecords(int model, int count);

} // namespace rangedesk::sim
