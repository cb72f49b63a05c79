#include "sim_meter.h"

#include <QTimer>

#include "byte_order.h"
#include "model_table.h"
#include "record_reply.h"

namespace rangedesk::sim {
namespace {

constexpr std::size_t kReportData = 64;
constexpr std::size_t kCommandLength = 7;

std::vector<std::uint8_t> ReadingReply(std::int32_t value) {
    std::vector<std::uint8_t> reply(16, 0);
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        reply[3 + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    }
    reply[15] = Sum8(std::span(reply).first(15));
    return reply;
}

// Where each kind of reply keeps its checksum, for corrupting it.
std::optional<std::size_t> ChecksumIndex(const std::string& command, int model) {
    if (command == "ATD001#") {
        return 15;
    }
    if (command.starts_with("ATR") && command[3] != '?') {
        return records::LayoutFor(model) == RecordLayout::Extended ? 36 : 21;
    }
    return std::nullopt;
}

} // namespace

SimMeter::SimMeter(hid::sim::SimHidBus& bus, int model, QObject* parent)
    : QObject(parent), bus_(bus), model_(model) {}

SimMeter::~SimMeter() {
    if (iface_) {
        iface_->SetBehaviour({});
    }
}

hid::sim::SimInterfaceDescription SimMeter::DescriptionForModel(int model) {
    hid::sim::SimInterfaceDescription description;
    if (const records::MeterModelRow* row = records::FirstRowOf(model)) {
        description.VendorID = row->VendorID;
        description.ProductID = row->ProductID;
    }
    return description;
}

void SimMeter::Plug() {
    if (iface_) {
        return;
    }
    iface_ = bus_.Plug(DescriptionForModel(model_));
    iface_->SetBehaviour([this](hid::sim::SimInterface&, std::span<const std::uint8_t> report) {
        OnReport(report);
    });
}

void SimMeter::Unplug() {
    if (!iface_) {
        return;
    }
    iface_->SetBehaviour({});
    bus_.Unplug(iface_);
    iface_.reset();
}

void SimMeter::SetFault(const std::string& command, Fault fault, int times) {
    faults_[command] = {fault, times};
}

Fault SimMeter::TakeFault(const std::string& command) {
    const auto it = faults_.find(command);
    if (it == faults_.end() || it->second.remaining == 0) {
        return Fault::None;
    }
    if (it->second.remaining > 0) {
        --it->second.remaining;
    }
    return it->second.fault;
}

std::optional<std::vector<std::uint8_t>> SimMeter::ReplyFor(const std::string& command) const {
    if (command.starts_with("ATK")) {
        return std::vector<std::uint8_t>(command.begin(), command.end());
    }
    if (command == "ATD001#") {
        return ReadingReply(reading_);
    }
    if (command == "ATR???#") {
        const int n = claimedCount_.value_or(static_cast<int>(records_.size()));
        return std::vector<std::uint8_t>{0, 0, 0, static_cast<std::uint8_t>(n >> 8),
                                         static_cast<std::uint8_t>(n & 0xFF)};
    }
    if (command.starts_with("ATR") && command.ends_with('#')) {
        const int n = std::atoi(command.substr(3, 3).c_str());
        if (n >= 1 && n <= static_cast<int>(records_.size())) {
            return records_[static_cast<std::size_t>(n - 1)];
        }
    }
    return std::nullopt;
}

void SimMeter::OnReport(std::span<const std::uint8_t> report) {
    // Byte 0 is the report ID; the command follows.
    std::string command;
    for (std::size_t i = 1; i < report.size() && command.size() < kCommandLength; ++i) {
        command += static_cast<char>(report[i]);
    }
    commands_ << QString::fromStdString(command);
    // The meter goes away with the first command after its k-th reply was delivered.
    if (unplugAfter_ && replies_ >= *unplugAfter_) {
        unplugAfter_.reset();
        Unplug();
        return;
    }
    auto reply = ReplyFor(command);
    const Fault fault = TakeFault(command);
    if (!reply || fault == Fault::NoReply) {
        return;
    }
    switch (fault) {
    case Fault::BadChecksum:
        if (const auto at = ChecksumIndex(command, model_)) {
            (*reply)[*at] ^= 0x5A;
        }
        break;
    case Fault::BadEcho:
        (*reply)[reply->size() - 2] ^= 0x01;
        break;
    case Fault::BadMarker:
        (*reply)[0] = '$';
        break;
    default:
        break;
    }
    Send(std::move(*reply), fault == Fault::Late ? lateLatencyMs_ : latencyMs_);
}

void SimMeter::Send(std::vector<std::uint8_t> data, int latencyMs) {
    data.resize(kReportData, 0);
    QElapsedTimer sent;
    sent.start();
    const auto deliver = [this, data, sent] {
        if (!iface_) {
            return;
        }
        replyDelayNs_ += sent.nsecsElapsed();
        iface_->SendInput(0, data);
        ++replies_;
        emit replySent();
    };
    if (latencyMs > 0) {
        QTimer::singleShot(latencyMs, Qt::PreciseTimer, this, deliver);
    } else {
        deliver();
    }
}

std::vector<std::vector<std::uint8_t>> DemoRecords(int model, int count) {
    std::vector<std::vector<std::uint8_t>> out;
    for (int i = 0; i < count; ++i) {
        const auto n = static_cast<std::uint32_t>(i);
        if (records::LayoutFor(model) == RecordLayout::Extended) {
            ExtendedRecord f;
            constexpr std::uint8_t kModes[] = {0, 0, 1, 1, 2, 3, 5, 6, 13, 17, 20, 21, 0, 4, 15};
            f.ModeCode = kModes[i % std::size(kModes)];
            f.ContinuousCode = (i % 7 == 1) ? 1 : 0;
            f.AccumulateCode = (i % 5 == 2) ? 1 : (i % 5 == 4 ? 2 : 0);
            f.UnitCode = static_cast<std::uint8_t>(i % 9 < 6 ? (i % 9 < 4 ? 0 : 2) : 3 + i % 3);
            for (std::size_t s = 0; s < 4; ++s) {
                f.Value[s] = 1234 + 977 * n + 331 * static_cast<std::uint32_t>(s);
                f.Decimals[s] = 3;
                f.Kind[s] = 0;
            }
            if (f.UnitCode == 4) {
                for (auto& v : f.Value) {
                    v = (v % 500) | static_cast<std::uint32_t>(8 * (i % 4)) << 24;
                }
            } else if (f.UnitCode == 5) {
                for (auto& v : f.Value) {
                    v = (v % 40) | (static_cast<std::uint32_t>(i % 12) << 16) | (16u << 24);
                }
            }
            const auto result = static_cast<std::size_t>(SlotId::RESULT);
            if (f.ModeCode == 1 || f.ModeCode == 3) {
                f.Kind[result] = 1;
                f.Decimals[result] = 2;
            } else if (f.ModeCode == 2 || f.ModeCode == 21) {
                f.Kind[result] = 2;
                f.Decimals[result] = 2;
            } else if (f.ModeCode == 13) {
                f.Kind[result] = 3;
                f.Value[result] = 125 + n;
                f.PercentFlag = i % 2;
            } else if (f.ModeCode == 17) {
                f.Value[static_cast<std::size_t>(SlotId::DIST2)] = 12 + n;
                f.Value[static_cast<std::size_t>(SlotId::DIST3)] =
                    static_cast<std::uint32_t>(-7 - i);
            }
            f.Negative = (f.ModeCode == 6 && i % 2) ? 1 : 0;
            out.push_back(EncodeExtendedReply(f));
        } else {
            CompactFields f;
            constexpr std::uint8_t kModes[] = {0, 1, 2, 0, 4, 5, 9, 10, 1, 2};
            f.ModeCode = kModes[i % std::size(kModes)];
            f.UnitCode = static_cast<std::uint8_t>(i % 8);
            f.AccumulateCode = (i % 6 == 3) ? 1 : 0;
            f.Dist1Raw = f.ModeCode == 4 ? 300 + n : 12000 + 1531 * n;
            f.Dist2Raw = 8000 + 977 * n;
            f.Dist3Raw = 5000 + 611 * n;
            f.ResultRaw = 1500 + 233 * n;
            out.push_back(EncodeCompactReply(f));
        }
    }
    return out;
}

} // namespace rangedesk::sim
